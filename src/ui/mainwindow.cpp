// SPDX-License-Identifier: MIT
#include "mainwindow.h"

#include "form1.h"
#include "heldkeyfilter.h"
#include "imagebox.h"
#include "labelfit.h"
#include "letterkeyfilter.h"
#include "messagebox.h"
#include "pictures.h"
#include "placement.h"
#include "textcodec.h"
#include "themes.h"
#include "twips.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

using namespace quimbelo;
namespace form1 = quimbelo::design::form1;

namespace {

// Pelicula1 shows titles longer than its width in a smaller size of its font rather
// than cutting them off.
void fitToWidth(QLabel *label, const QFont &designFont)
{
    QFont font = designFont;
    const int room = label->contentsRect().width();
    while (font.pointSizeF() > 7.0 && QFontMetrics(font).horizontalAdvance(label->text()) > room) {
        font.setPointSizeF(font.pointSizeF() - 0.75);
    }
    label->setFont(font);
}

// Paints a control and what it holds as the window would, into an image that is thrown
// away: the styles, fonts, glyphs and pictures it needs are then ready for the screen.
void drawOffscreen(QWidget *control)
{
    const qreal ratio = control->devicePixelRatioF();
    QImage image((QSizeF(control->size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        return;
    }
    image.setDevicePixelRatio(ratio);
    control->render(&image);
}

} // namespace

MainWindow::MainWindow(Surroundings &surroundings, QWidget *parent)
    : MainWindow(surroundings, parent, InSteps {})
{
    while (buildStep()) { }
}

MainWindow::MainWindow(Surroundings &surroundings, QWidget *parent, InSteps)
    : QMainWindow(parent)
    , m_game(*this, surroundings)
{
    setObjectName(designText(form1::kWindow.name));
    setWindowTitle(designText(form1::kWindow.caption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(form1::kWindow.background));
    setPalette(palette);
}

std::unique_ptr<MainWindow> MainWindow::inSteps(Surroundings &surroundings)
{
    return std::unique_ptr<MainWindow>(new MainWindow(surroundings, nullptr, InSteps {}));
}

bool MainWindow::buildStep()
{
    switch (m_built) {
    case Built::Frame: {
        setWindowIcon(pictures::windowIcon());
        // The client area the window's run-time outer size leaves: the picture stores
        // designed further right stay out of sight.
        auto *client = new QWidget(this);
        client->setObjectName(QStringLiteral("Form1Client"));
        client->setFixedSize(twips::rect(form1::kRunTimeClient).size());
        setCentralWidget(client);
        m_controls = FormBuilder(form1::kWindow, client);
        m_built = Built::Controls;
        return true;
    }
    case Built::Controls:
        // One control a step.
        if (m_controls.buildNext()) {
            return true;
        }
        for (const design::Control &control : form1::kWindow.controls) {
            if (control.place.left >= form1::kRunTimeClient.width) {
                m_controls.get(control.name, control.index)->hide();
            }
        }
        Pelicula1 = m_controls.get<QLabel>("Pelicula1");
        Label4 = m_controls.get<QLabel>("Label4");
        Label5 = m_controls.get<QLabel>("Label5");
        Image1 = m_controls.get<ImageBox>("Image1");
        Image7 = m_controls.get<ImageBox>("Image7");
        for (int k = 0; k <= kLastStage; ++k) {
            Image3[k] = m_controls.get<ImageBox>("Image3", k);
        }
        for (int i = 0; i < kLetraCount; ++i) {
            Letra[i] = m_controls.get<QPushButton>("Letra", i);
            Letra[i]->setAccessibleDescription(designText(form1::kKeyAvailable));
        }
        for (int i = 0; i < kThemeCount; ++i) {
            const std::string name = "Option" + std::to_string(i + 1);
            Option[i] = m_controls.get<QRadioButton>(name);
        }
        Text1 = m_controls.get<QLineEdit>("Text1");
        Timer1 = m_controls.get<QTimer>("Timer1");
        Timer2 = m_controls.get<QTimer>("Timer2");
        bindEvents();
        m_built = Built::Menus;
        return true;
    case Built::Menus:
        bindMenus();
        // No resizing and no maximising: the window is exactly its client area and menu
        // bar.
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        m_built = Built::All;
        return false;
    case Built::All:
        break;
    }
    return false;
}

MainWindow::~MainWindow() = default;

void MainWindow::bindEvents()
{
    auto *keys = new LetterKeyFilter(
        [this](
            std::int16_t index, std::int16_t keyAscii) { m_game.Letra_KeyPress(index, keyAscii); },
        this);
    for (int i = 0; i < kLetraCount; ++i) {
        keys->watch(Letra[i]);
        connect(Letra[i], &QPushButton::clicked, this,
            [this, i] { m_game.Letra_Click(static_cast<std::int16_t>(i)); });
    }
    // A single-line box holds what it shows: pasted line breaks become spaces.
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString &text) {
        const QString line = textcodec::singleLine(text);
        if (line != text) {
            const QSignalBlocker blocker(Text1);
            const int cursor = Text1->cursorPosition() - int(text.size() - line.size());
            Text1->setText(line);
            Text1->setCursorPosition(std::clamp(cursor, 0, int(line.size())));
        }
    });
    connect(m_controls.get<QPushButton>("Command1"), &QPushButton::clicked, this,
        [this] { m_game.Command1_Click(); });
    connect(m_controls.get<ImageBox>("Image2"), &ImageBox::clicked, this,
        [this] { m_game.Image2_Click(); });
    connect(m_controls.get<ImageBox>("Image4"), &ImageBox::clicked, this,
        [this] { m_game.Image4_Click(); });

    using OptionClick = void (Game::*)();
    constexpr std::array<OptionClick, kThemeCount> optionClicks { &Game::Option1_Click,
        &Game::Option2_Click, &Game::Option3_Click, &Game::Option4_Click };
    for (int i = 0; i < kThemeCount; ++i) {
        connect(Option[i], &QRadioButton::toggled, this, [this, click = optionClicks[i]](bool on) {
            if (on) {
                (m_game.*click)();
            }
        });
    }

    connect(Timer1, &QTimer::timeout, this, [this] { m_game.Timer1_Timer(); });
    connect(Timer2, &QTimer::timeout, this, [this] { m_game.Timer2_Timer(); });
}

void MainWindow::bindMenus()
{
    const QHash<QString, QAction *> items = buildMenuBar(menuBar(), form1::kMenu);
    connect(items.value(QStringLiteral("MnNuevoJuego")), &QAction::triggered, this,
        [this] { m_game.MnNuevoJuego_Click(); });
    connect(items.value(QStringLiteral("MnSalir")), &QAction::triggered, this,
        [this] { m_game.MnSalir_Click(); });
    connect(items.value(QStringLiteral("MnAyuda2")), &QAction::triggered, this,
        [this] { m_game.MnAyuda2_Click(); });
    connect(items.value(QStringLiteral("MnAcerca")), &QAction::triggered, this,
        &MainWindow::aboutRequested);

    // The captions show the shortcuts; the keys themselves are bound here, for the
    // whole window, whichever control has the focus. The keys pass through every
    // control first, where a held key's repeats are told apart.
    m_heldKeys = new HeldKeyFilter(this);
    qApp->installEventFilter(m_heldKeys);
    for (const design::MenuItem &item : form1::kMenu) {
        if (item.shortcut == design::Shortcut::None) {
            continue;
        }
        const bool f2 = item.shortcut == design::Shortcut::F2;
        auto *shortcut = new QShortcut(
            f2 ? QKeySequence(Qt::Key_F2) : QKeySequence(Qt::CTRL | Qt::Key_S), this);
        // A held key starts one round, not one per repeat.
        shortcut->setAutoRepeat(false);
        shortcut->setObjectName(
            f2 ? QStringLiteral("ShortcutF2") : QStringLiteral("ShortcutCtrlS"));
        connect(
            shortcut, &QShortcut::activated, items.value(designText(item.name)), &QAction::trigger);
    }
}

bool MainWindow::load(Picture::Ptr splashWordmark)
{
    m_game.Form_Load();
    if (m_game.ended()) {
        return false;
    }
    Image7->setPicture(
        splashWordmark ? std::move(splashWordmark) : pictures::make(design::Picture::Wordmark));
    Timer1->start();
    Timer2->start();
    return true;
}

void MainWindow::showCentred()
{
    adjustSize();
    const QRect available
        = (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
    move(placement::centredOn(available, size()));
    show();
    if (Letra[0]->isEnabled()) {
        Letra[0]->setFocus(Qt::OtherFocusReason);
    }
}

std::vector<std::function<void()>> MainWindow::preparationSteps(Picture::Ptr wordmark)
{
    std::vector<std::function<void()>> steps;
    // The styles and the layout of the whole window first, which every drawing uses.
    steps.emplace_back([this] {
        ensurePolished();
        adjustSize();
    });
    steps.emplace_back([this, wordmark] { Image7->preparePicture(wordmark); });
    steps.emplace_back([this] { Image1->preparePicture(Image3[0]->picture()); });
    steps.emplace_back([this] { drawOffscreen(menuBar()); });
    // When the window is created, Qt's X11 platform hands its icon to the window manager
    // drawn at these sizes: drawn now, they then come from the pixmap cache.
    for (const int side : { 16, 32, 64, 128 }) {
        steps.emplace_back([this, side] { windowIcon().pixmap(QSize(side, side)); });
    }
    // One control a step, each with what it holds: the longest, a picture, takes a few
    // milliseconds.
    for (QWidget *control : centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!control->isHidden()) {
            steps.emplace_back([control] { drawOffscreen(control); });
        }
    }
    return steps;
}

QLabel *MainWindow::labelOf(Caption label) const
{
    switch (label) {
    case Caption::Pelicula1:
        return Pelicula1;
    case Caption::Label4:
        return Label4;
    case Caption::Label5:
        return Label5;
    case Caption::Label6:
        return m_controls.get<QLabel>("Label6");
    case Caption::Label7:
        return m_controls.get<QLabel>("Label7");
    case Caption::Label11:
        return m_controls.get<QLabel>("Label11");
    }
    return nullptr;
}

QLabel *MainWindow::labelOf(ColourLabel label) const
{
    return m_controls.get<QLabel>(label == ColourLabel::Label12 ? "Label12" : "Label15");
}

ImageBox *MainWindow::imageOf(ImageControl control) const
{
    switch (control) {
    case ImageControl::Image4:
        return m_controls.get<ImageBox>("Image4");
    case ImageControl::Image5:
        return m_controls.get<ImageBox>("Image5");
    case ImageControl::Image6:
        return m_controls.get<ImageBox>("Image6");
    }
    return nullptr;
}

std::string MainWindow::caption(Caption label) const
{
    return textcodec::toCp1252(labelOf(label)->text());
}

void MainWindow::setCaption(Caption label, const std::string &text)
{
    QLabel *target = labelOf(label);
    target->setText(textcodec::fromCp1252(text));
    if (label == Caption::Pelicula1) {
        Pelicula1->setAccessibleDescription(
            designText(form1::kHiddenWordDescription).arg(Pelicula1->text().size()));
        fitToWidth(Pelicula1, toQFont(design::get(form1::kWindow, "Pelicula1").font));
    } else if (label == Caption::Label4 || label == Caption::Label5) {
        // "10" failures do not fit the designed box of Label5.
        const char *name = label == Caption::Label4 ? "Label4" : "Label5";
        widenToText(target, twips::toPixels(design::get(form1::kWindow, name).place.width));
    }
}

std::string MainWindow::letraCaption(int index) const
{
    return textcodec::toCp1252(Letra.at(index)->text());
}

bool MainWindow::letraEnabled(int index) const
{
    return Letra.at(index)->isEnabled();
}

void MainWindow::setLetraEnabled(int index, bool enabled)
{
    QPushButton *key = Letra.at(index);
    if (!enabled && key->hasFocus()) {
        // The focus stays among the letter keys, so that typing goes on guessing.
        for (int step = 1; step < kLetraCount; ++step) {
            QPushButton *next = Letra[(index + step) % kLetraCount];
            if (next->isEnabled()) {
                next->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    key->setEnabled(enabled);
    key->setAccessibleDescription(designText(enabled ? form1::kKeyAvailable : form1::kKeyTried));
}

bool MainWindow::focusFirstLetra()
{
    if (!Letra[0]->isEnabled()) {
        return false;
    }
    Letra[0]->setFocus(Qt::OtherFocusReason);
    return true;
}

std::string MainWindow::solveText() const
{
    return textcodec::toCp1252(Text1->text());
}

void MainWindow::setSolveText(const std::string &text)
{
    Text1->setText(textcodec::fromCp1252(text));
}

int MainWindow::selectedOption() const
{
    for (int i = 0; i < kThemeCount; ++i) {
        if (Option[i]->isChecked()) {
            return i + 1;
        }
    }
    return kDefaultOption;
}

void MainWindow::showStage(int stage)
{
    const int shown = std::clamp(stage, 0, kLastStage);
    Image1->setPicture(Image3.at(shown)->picture());
    Image1->setAccessibleName(designText(form1::kStageName).arg(shown).arg(kLastStage));
}

PictureId MainWindow::picture(ImageControl control) const
{
    return reinterpret_cast<PictureId>(imageOf(control)->picture().get());
}

void MainWindow::sharePicture(ImageControl source, ImageControl target)
{
    imageOf(target)->setPicture(imageOf(source)->picture());
}

Rgb MainWindow::textColour(ColourLabel label) const
{
    return labelOf(label)->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF;
}

void MainWindow::setTextColour(ColourLabel label, Rgb colour)
{
    QLabel *target = labelOf(label);
    QPalette palette = target->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(colour));
    target->setPalette(palette);
}

MessageAnswer MainWindow::messageBox(
    const std::string &text, MessageStyle style, const std::string &title)
{
    return messagebox::show(isVisible() ? this : nullptr, textcodec::fromCp1252(text), style,
        textcodec::fromCp1252(title));
}

void MainWindow::endProgram()
{
    Timer1->stop();
    Timer2->stop();
    hide();
    Q_EMIT programEnded();
}
