// SPDX-License-Identifier: MIT
#include "gamewindow.h"

#include "announcer.h"
#include "form1.h"
#include "heldkeyfilter.h"
#include "imagebox.h"
#include "labelfit.h"
#include "letterkeyfilter.h"
#include "messagebox.h"
#include "pictures.h"
#include "placement.h"
#include "textcodec.h"
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
namespace quimbelo::qt {

namespace form1 = quimbelo::design::form1;
using quimbelo::design::Control;

namespace {

QString fromUtf8(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
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

GameWindow::GameWindow(Surroundings &surroundings, QWidget *parent)
    : GameWindow(surroundings, parent, InSteps {})
{
    while (buildStep()) { }
}

GameWindow::GameWindow(Surroundings &surroundings, QWidget *parent, InSteps)
    : QMainWindow(parent)
    , m_play(*this, surroundings)
    , m_announcer(new Announcer(this))
{
    setObjectName(designText(form1::kWindow.name));
    setWindowTitle(designText(form1::kWindow.caption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(form1::kWindow.background));
    setPalette(palette);
}

std::unique_ptr<GameWindow> GameWindow::inSteps(Surroundings &surroundings)
{
    return std::unique_ptr<GameWindow>(new GameWindow(surroundings, nullptr, InSteps {}));
}

bool GameWindow::buildStep()
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
        Image1 = m_controls.get<ImageBox>("Image1");
        Image7 = m_controls.get<ImageBox>("Image7");
        m_play.built();
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

GameWindow::~GameWindow() = default;

void GameWindow::bindEvents()
{
    // Every event goes to the play layer by the control's design row.
    auto *keys = new LetterKeyFilter(
        [this](int index, char32_t typed) { m_play.typed(form1::letra(index), typed); }, this);
    for (const Control &control : form1::kControls) {
        QObject *object = m_controls.get<QObject>(control.name, control.index);
        const Control *designed = &control;
        if (auto *button = qobject_cast<QPushButton *>(object)) {
            connect(
                button, &QPushButton::clicked, this, [this, designed] { m_play.event(*designed); });
        } else if (auto *option = qobject_cast<QRadioButton *>(object)) {
            connect(option, &QRadioButton::toggled, this, [this, designed](bool on) {
                if (on) {
                    m_play.event(*designed);
                }
            });
        } else if (auto *image = qobject_cast<ImageBox *>(object);
                   image && control.has(design::kClickable)) {
            connect(image, &ImageBox::clicked, this, [this, designed] { m_play.event(*designed); });
        } else if (auto *timer = qobject_cast<QTimer *>(object)) {
            connect(timer, &QTimer::timeout, this, [this, designed] { m_play.event(*designed); });
        }
        if (control.name == "Letra") {
            keys->watch(object);
        }
    }
    // A single-line box holds what it shows: pasted line breaks become spaces.
    auto *box = widget<QLineEdit>(design::get(form1::kWindow, "Text1"));
    connect(box, &QLineEdit::textChanged, this, [box](const QString &text) {
        const QString line = textcodec::singleLine(text);
        if (line != text) {
            const QSignalBlocker blocker(box);
            const int cursor = box->cursorPosition() - int(text.size() - line.size());
            box->setText(line);
            box->setCursorPosition(std::clamp(cursor, 0, int(line.size())));
        }
    });
}

void GameWindow::bindMenus()
{
    const QHash<QString, QAction *> items = buildMenuBar(menuBar(), form1::kMenu);
    for (const design::MenuItem &item : form1::kMenu) {
        if (QAction *action = items.value(designText(item.name))) {
            const std::string_view name = item.name;
            connect(action, &QAction::triggered, this, [this, name] { m_play.menu(name); });
        }
    }
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
    // Keys no menu shows, which ask a screen reader to say where the round stands and
    // the counters across rounds.
    const auto request = [this](Qt::Key key, const QString &name, void (play::GamePlay::*say)()) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setAutoRepeat(false);
        shortcut->setObjectName(name);
        connect(shortcut, &QShortcut::activated, this, [this, say] { (m_play.*say)(); });
    };
    request(Qt::Key_F3, QStringLiteral("ShortcutF3"), &play::GamePlay::speakRound);
    request(Qt::Key_F4, QStringLiteral("ShortcutF4"), &play::GamePlay::speakCounters);
}

bool GameWindow::load(Picture::Ptr splashWordmark)
{
    if (!m_play.load()) {
        return false;
    }
    Image7->setPicture(
        splashWordmark ? std::move(splashWordmark) : pictures::make(design::Picture::Wordmark));
    return true;
}

void GameWindow::showCentred()
{
    adjustSize();
    const QRect available
        = (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
    move(placement::centredOn(available, size()));
    show();
    m_play.shown();
}

std::vector<std::function<void()>> GameWindow::preparationSteps(Picture::Ptr wordmark)
{
    std::vector<std::function<void()>> steps;
    // The styles and the layout of the whole window first, which every drawing uses.
    steps.emplace_back([this] {
        ensurePolished();
        adjustSize();
    });
    steps.emplace_back([this, wordmark] { Image7->preparePicture(wordmark); });
    steps.emplace_back(
        [this] { Image1->preparePicture(m_controls.get<ImageBox>("Image3", 0)->picture()); });
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

void GameWindow::setTitle(std::string_view utf8)
{
    setWindowTitle(fromUtf8(utf8));
}

void GameWindow::setCaption(const Control &control, std::string_view utf8)
{
    const QString text = fromUtf8(utf8);
    if (auto *button = widget<QPushButton>(control)) {
        button->setText(text);
        return;
    }
    auto *label = widget<QLabel>(control);
    label->setText(text);
    if (control.has(design::kBorder)) {
        // "10" failures do not fit the designed box of a counter.
        widenToText(label, twips::toPixels(control.place.width));
    } else if (!control.has(design::kWraps)) {
        // A caption of several lines takes as many as it holds, downwards.
        const int lines = int(text.count(QLatin1Char('\n'))) + 1;
        const int designed = twips::toPixels(control.place.height);
        const int needed = lines > 1 ? lines * label->fontMetrics().lineSpacing() + label->height()
                - label->contentsRect().height()
                                     : 0;
        label->resize(label->width(), std::max(designed, needed));
        if (needed > designed) {
            label->raise();
        }
    }
}

std::string GameWindow::text(const Control &box) const
{
    return widget<QLineEdit>(box)->text().toStdString();
}

void GameWindow::setText(const Control &box, std::string_view utf8)
{
    widget<QLineEdit>(box)->setText(fromUtf8(utf8));
}

void GameWindow::setEnabled(const Control &control, bool enabled)
{
    widget(control)->setEnabled(enabled);
}

void GameWindow::setVisible(const Control &control, bool visible)
{
    widget(control)->setVisible(visible);
}

void GameWindow::setTextColour(const Control &control, Rgb colour)
{
    QWidget *target = widget(control);
    QPalette palette = target->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(colour));
    target->setPalette(palette);
}

void GameWindow::sharePicture(const Control &source, const Control &target)
{
    widget<ImageBox>(target)->setPicture(widget<ImageBox>(source)->picture());
}

PictureId GameWindow::picture(const Control &control) const
{
    return reinterpret_cast<PictureId>(widget<ImageBox>(control)->picture().get());
}

void GameWindow::setFontSize(const Control &control, double points)
{
    QFont font = toQFont(control.font);
    font.setPointSizeF(points);
    widget(control)->setFont(font);
}

double GameWindow::textWidth(const Control &control, std::string_view utf8, double points) const
{
    QFont font = toQFont(control.font);
    font.setPointSizeF(points);
    return QFontMetrics(font).horizontalAdvance(fromUtf8(utf8));
}

double GameWindow::lineRoom(const Control &control) const
{
    return widget(control)->contentsRect().width();
}

// Qt tells a screen reader of every name and description set, changed or not: a new
// round, which sets all 37 keys' descriptions, would flood Orca, which then drops what
// comes with the flood, the announcement of the new word included.
void GameWindow::setAccessibleName(const Control &control, std::string_view utf8)
{
    QWidget *target = widget(control);
    const QString name = fromUtf8(utf8);
    if (target->accessibleName() != name) {
        target->setAccessibleName(name);
    }
}

void GameWindow::setAccessibleDescription(const Control &control, std::string_view utf8)
{
    QWidget *target = widget(control);
    const QString description = fromUtf8(utf8);
    if (target->accessibleDescription() != description) {
        target->setAccessibleDescription(description);
    }
}

bool GameWindow::hasFocus(const Control &control) const
{
    return widget(control)->hasFocus();
}

void GameWindow::setFocus(const Control &control)
{
    widget(control)->setFocus(Qt::OtherFocusReason);
}

void GameWindow::startTimer(const Control &timer, int milliseconds)
{
    widget<QTimer>(timer)->start(milliseconds);
}

void GameWindow::stopTimer(const Control &timer)
{
    widget<QTimer>(timer)->stop();
}

void GameWindow::announce(std::string_view utf8)
{
    m_announcer->announce(fromUtf8(utf8));
}

MessageAnswer GameWindow::messageBox(
    std::string_view text, MessageStyle style, std::string_view title)
{
    return messagebox::show(isVisible() ? this : nullptr, fromUtf8(text), style, fromUtf8(title));
}

void GameWindow::showAbout()
{
    Q_EMIT aboutRequested();
}

void GameWindow::endProgram(bool)
{
    hide();
    Q_EMIT programEnded();
}

} // namespace quimbelo::qt
