#include "mainwindow.h"

#include "fonts.h"
#include "imagebox.h"
#include "labelfit.h"
#include "letterkeys.h"
#include "messagebox.h"
#include "pictures.h"
#include "programinfo.h"
#include "shapewidget.h"
#include "textcodec.h"
#include "themes.h"
#include "twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
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

namespace {

// Colours of the design, and the system colours it names by their role.
const QColor kFace(0xC0, 0xC0, 0xC0);
QColor buttonText()
{
    return QApplication::palette().color(QPalette::ButtonText);
}
QColor windowText()
{
    return QApplication::palette().color(QPalette::WindowText);
}
QColor menuText()
{
    return QApplication::palette().color(QPalette::WindowText);
}
QColor captionText()
{
    return QApplication::palette().color(QPalette::HighlightedText);
}

// The outer size the window is given when it loads (5745 x 6500 twips) leaves, inside a
// standard frame, title bar and menu bar, a client area this size: the right part of
// the designed 7500 twips, where the picture stores lie, stays out of sight.
constexpr QSize kClientTwips(5625, 5835);

// Timers tick no faster than every 55 ms, the timer resolution of the desktop the game
// was designed on: "Novedad" flashes at every tick it gets without loading the machine.
constexpr int kTimerResolutionMs = 55;

// Where the hidden stage pictures 1 to 10 lie, in twips from the top.
constexpr std::array kStageStoreTops { 600, 960, 1320, 1680, 2040, 2400, 2760, 3120, 3600, 3960 };

constexpr Rgb kYellow = 0xFFFF00;
constexpr Rgb kDarkBlue = 0x0000C0;

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

const QString kPartnerToolTip = QStringLiteral("Juegos,cuentos,poemas,diversión");

QLabel *makeLabel(QWidget *parent, const char *name, QRect geometry, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

void setColours(QWidget *widget, QColor text, QColor background = QColor())
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Button, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

// A letter key's place: three letter rows 360 twips apart, each starting 120 twips
// further right, and the digit block beside them with a double-width "0".
QRect letraGeometry(int index)
{
    constexpr int kStep = 360, kKey = 375;
    if (index < 27) {
        const int row = index < 10 ? 0 : index < 20 ? 1 : 2;
        const int column = index - (row == 0 ? 0 : row == 1 ? 10 : 20);
        return twips::rect(240 + 120 * row + kStep * column, 2640 + kStep * row, kKey, kKey);
    }
    if (index == 36) {
        return twips::rect(4200, 3720, 735, kKey);
    }
    const int digit = index - 27;
    return twips::rect(4200 + kStep * (digit % 3), 2640 + kStep * (digit / 3), kKey, kKey);
}

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

} // namespace

MainWindow::MainWindow(const QString &programFolder, Desktop *desktop, QWidget *parent)
    : QMainWindow(parent)
    , m_programFolder(programFolder)
    , m_ownDesktop(desktop ? nullptr : std::make_unique<SystemDesktop>())
    , m_desktop(desktop ? desktop : m_ownDesktop.get())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quimbelo  2.0 Brundel .. Especial Tornelas"));
    setWindowIcon(pictures::windowIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kFace);
    setPalette(palette);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1Client"));
    client->setFixedSize(twips::size(kClientTwips.width(), kClientTwips.height()));
    setCentralWidget(client);
    buildControls(client);
    buildMenus();
    buildTimers();
    setTabOrder();
    // No resizing and no maximising: the window is exactly its client area and menu bar.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls(QWidget *client)
{
    // Shapes first: they lie behind everything else.
    auto *Shape1 = new ShapeWidget(client);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(twips::rect(120, 2520, 5295, 1695));
    Shape1->setHatch(QColor(0xFF, 0xFF, 0xC0));
    auto *Shape2 = new ShapeWidget(client);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setGeometry(twips::rect(2640, 4680, 1575, 495));
    auto *Shape3 = new ShapeWidget(client);
    Shape3->setObjectName(QStringLiteral("Shape3"));
    Shape3->setGeometry(twips::rect(4320, 4680, 1095, 495));

    Pelicula1 = makeLabel(
        client, "Pelicula1", twips::rect(0, 120, 3720, 435), QStringLiteral("PENTIUM 2"));
    Pelicula1->setFont(fonts::design(QStringLiteral("Arial"), 14.25, fonts::Style::BoldItalic));
    Pelicula1->setWordWrap(false);
    setColours(Pelicula1, windowText(), kFace);

    Image1 = new ImageBox(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twips::rect(4080, 240, 1455, 2115));

    Image2 = new ImageBox(client);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(twips::rect(0, 600, 945, 1215));
    Image2->setPicture(pictures::mascot());
    Image2->setToolTip(kPartnerToolTip);
    connect(Image2, &ImageBox::clicked, this, [this] { m_game.Image2_Click(); });

    Label8 = makeLabel(
        client, "Label8", twips::rect(1080, 960, 735, 375), QStringLiteral("Nº de Letras"));
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label7
        = makeLabel(client, "Label7", twips::rect(960, 1320, 1095, 375), QStringLiteral("Label7"));
    Label7->setFont(fonts::design(QStringLiteral("MS Sans Serif"), 12));
    Label7->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    buildThemeFrame(client);

    Image4 = new ImageBox(client);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->setGeometry(twips::rect(120, 1920, 1575, 495));
    Image4->setPicture(pictures::sponsorBanner());
    connect(Image4, &ImageBox::clicked, this, [this] { m_game.Image4_Click(); });

    buildLetterKeys(client);

    Label2 = makeLabel(
        client, "Label2", twips::rect(120, 4320, 1020, 285), QStringLiteral("Solucion"));
    Label2->setFont(fonts::design(QStringLiteral("Arial"), 12, fonts::Style::Bold));
    setColours(Label2, Qt::white, QColor(0x80, 0x00, 0x00));

    Text1 = new QLineEdit(client);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(twips::rect(1200, 4320, 3135, 315));

    Command1 = new QPushButton(QStringLiteral("Aceptar"), client);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twips::rect(4440, 4320, 975, 255));
    Command1->setAutoDefault(false);
    setColours(Command1, buttonText(), QColor(0xC0, 0xC0, 0x00));
    connect(Command1, &QPushButton::clicked, this, [this] { m_game.Command1_Click(); });

    const QFont counterFont
        = fonts::design(QStringLiteral("Comic Sans MS"), 11.25, fonts::Style::Bold);
    Label4 = makeLabel(client, "Label4", twips::rect(960, 4680, 435, 375), QStringLiteral("0"));
    Label5 = makeLabel(client, "Label5", twips::rect(2280, 4680, 195, 375), QStringLiteral("0"));
    for (QLabel *counter : { Label4, Label5 }) {
        counter->setFont(counterFont);
        counter->setWordWrap(false);
        counter->setFrameShape(QFrame::Box);
        counter->setLineWidth(1);
        setColours(counter, windowText(), captionText());
    }

    Label9 = makeLabel(
        client, "Label9", twips::rect(2760, 4680, 735, 495), QStringLiteral("Palabras  Acertadas"));
    Label10 = makeLabel(
        client, "Label10", twips::rect(4320, 4680, 615, 375), QStringLiteral("N° de Juegos"));
    Label10->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1
        = makeLabel(client, "Label1", twips::rect(120, 4800, 780, 255), QStringLiteral("Intentos"));
    Label3
        = makeLabel(client, "Label3", twips::rect(1440, 4800, 735, 255), QStringLiteral("Errores"));
    for (QLabel *heading : { Label1, Label3 }) {
        heading->setFont(fonts::design(QStringLiteral("Arial"), 11.25, fonts::Style::Italic));
        heading->setWordWrap(false);
        setColours(heading, windowText(), kFace);
    }
    Label6 = makeLabel(
        client, "Label6", twips::rect(3600, 4800, 495, 255), QStringLiteral("Acertadas"));
    Label6->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setColours(Label6, QColor(0x00, 0xFF, 0x00), buttonText());
    Label11 = makeLabel(
        client, "Label11", twips::rect(4920, 4800, 375, 255), QStringLiteral("Label11"));
    setColours(Label11, QColor(0x00, 0xFF, 0x00), menuText());

    Image7 = new ImageBox(client);
    Image7->setObjectName(QStringLiteral("Image7"));
    Image7->setGeometry(twips::rect(120, 5280, 2415, 495));

    const QFont addressFont
        = fonts::design(QStringLiteral("MS Sans Serif"), 8.25, fonts::Style::Bold);
    Label14 = makeLabel(
        client, "Label14", twips::rect(2640, 5280, 2775, 255), text(programinfo::kDistributorSite));
    Label15 = makeLabel(
        client, "Label15", twips::rect(2640, 5520, 3015, 255), text(programinfo::kPartnerSite));
    for (QLabel *address : { Label14, Label15 }) {
        address->setFont(addressFont);
        address->setWordWrap(false);
    }
    setColours(Label14, QColor(0xC0, 0x00, 0xC0));
    setColours(Label15, QColor::fromRgb(kDarkBlue));
    Label15->setToolTip(kPartnerToolTip);

    const QCursor envelope = pictures::envelopeCursor(devicePixelRatioF());
    Image2->setCursor(envelope);
    Image4->setCursor(envelope);

    buildPictureStores(client);
    describeForScreenReaders();
}

// What a label shows stays what a screen reader says; the context goes into the
// description, and pictures are named for what they show.
void MainWindow::describeForScreenReaders()
{
    Label4->setAccessibleDescription(QStringLiteral("Intentos"));
    Label5->setAccessibleDescription(QStringLiteral("Errores"));
    Label6->setAccessibleDescription(QStringLiteral("Palabras acertadas"));
    Label7->setAccessibleDescription(QStringLiteral("Nº de letras"));
    Label11->setAccessibleDescription(QStringLiteral("Nº de juegos"));
    Text1->setAccessibleName(QStringLiteral("Solucion"));
    Text1->setAccessibleDescription(QStringLiteral("Escribe aquí la palabra entera"));
    Command1->setAccessibleDescription(QStringLiteral("Comprobar la solución"));
    Image2->setAccessibleName(QStringLiteral("Mascota Especial Tornelas"));
    Image2->setAccessibleDescription(QStringLiteral("Escribir un correo al autor"));
    Image4->setAccessibleName(QStringLiteral("Anuncio del distribuidor"));
    Image4->setAccessibleDescription(QStringLiteral("Escribir un correo al distribuidor"));
    Image7->setAccessibleName(QStringLiteral("Tornelas"));
    for (QPushButton *key : Letra) {
        key->setAccessibleDescription(QStringLiteral("Tecla disponible"));
    }
}

void MainWindow::buildThemeFrame(QWidget *client)
{
    Frame1 = new QGroupBox(QStringLiteral("Opciones Temáticas"), client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips::rect(1920, 600, 2050, 1900));
    setColours(Frame1, QColor(0xC0, 0xFF, 0xC0), buttonText());

    const int tops[4] = { 240, 600, 960, 1320 };
    for (int i = 0; i < 4; ++i) {
        auto *option = new QRadioButton(
            QString::fromUtf8(kThemes[i].caption.data(), qsizetype(kThemes[i].caption.size())),
            Frame1);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        option->setGeometry(twips::rect(120, tops[i], i == 3 ? 1090 : 1095, 255));
        setColours(option, buttonText(), i == 3 ? QColor(0xFF, 0xFF, 0x00) : kFace);
        Option[i] = option;
    }
    Option[kDefaultOption - 1]->setChecked(true);
    for (int i = 0; i < 4; ++i) {
        connect(Option[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (!checked) {
                return;
            }
            switch (i) {
            case 0:
                m_game.Option1_Click();
                break;
            case 1:
                m_game.Option2_Click();
                break;
            case 2:
                m_game.Option3_Click();
                break;
            default:
                m_game.Option4_Click();
                break;
            }
        });
    }

    Label12 = makeLabel(
        Frame1, "Label12", twips::rect(1230, 1320, 745, 255), QStringLiteral("Novedad"));
    setColours(Label12, QColor::fromRgb(kYellow), windowText());
    Label13 = makeLabel(
        Frame1, "Label13", twips::rect(120, 1650, 1455, 165), QStringLiteral("96.864 Palabras"));
    setColours(Label13, QColor::fromRgb(kYellow), buttonText());
    Label13->setWordWrap(false);
}

void MainWindow::buildLetterKeys(QWidget *client)
{
    for (int i = 0; i < kLetraCount; ++i) {
        auto *key = new QPushButton(textcodec::fromCp1252(std::string(kLetraCaptions[i])), client);
        key->setObjectName(QStringLiteral("Letra_%1").arg(i));
        key->setProperty("index", i);
        key->setGeometry(letraGeometry(i));
        key->setAutoDefault(false);
        key->installEventFilter(this);
        connect(key, &QPushButton::clicked, this,
            [this, i] { m_game.Letra_Click(static_cast<std::int16_t>(i)); });
        Letra[i] = key;
    }
}

void MainWindow::buildPictureStores(QWidget *client)
{
    // Hidden holders of pictures that other controls borrow.
    const auto stages = pictures::gallowsStages();
    for (int k = 0; k < pictures::kStageCount; ++k) {
        auto *store = new ImageBox(client);
        store->setObjectName(QStringLiteral("Image3_%1").arg(k));
        store->setGeometry(k == 0 ? twips::rect(6960, 120, 255, 345)
                                  : twips::rect(7080, kStageStoreTops[k - 1], 135, 255));
        store->setPicture(stages[k]);
        store->hide();
        Image3[k] = store;
    }
    Image6 = new ImageBox(client);
    Image6->setObjectName(QStringLiteral("Image6"));
    Image6->setGeometry(twips::rect(5760, 1440, 975, 375));
    Image6->setPicture(pictures::sponsorBanner());
    Image6->hide();
    Image5 = new ImageBox(client);
    Image5->setObjectName(QStringLiteral("Image5"));
    Image5->setGeometry(twips::rect(6000, 1920, 735, 495));
    Image5->setPicture(pictures::nameBanner());
    Image5->hide();
}

void MainWindow::buildMenus()
{
    QMenu *MnJuego = menuBar()->addMenu(QStringLiteral("&Juego"));
    MnJuego->setObjectName(QStringLiteral("MnJuego"));
    QAction *MnNuevoJuego = MnJuego->addAction(QStringLiteral("&Nuevo juego (F2)"));
    MnNuevoJuego->setObjectName(QStringLiteral("MnNuevoJuego"));
    QAction *MnSalir = MnJuego->addAction(QStringLiteral("&Salir (Ctrl+S)"));
    MnSalir->setObjectName(QStringLiteral("MnSalir"));

    QMenu *MnAyuda = menuBar()->addMenu(QStringLiteral("&Ayuda"));
    MnAyuda->setObjectName(QStringLiteral("MnAyuda"));
    QAction *MnAyuda2 = MnAyuda->addAction(QStringLiteral("Archivo &Leame"));
    MnAyuda2->setObjectName(QStringLiteral("MnAyuda2"));
    QAction *MnNull1 = MnAyuda->addSeparator();
    MnNull1->setObjectName(QStringLiteral("MnNull1"));
    QAction *MnAcerca = MnAyuda->addAction(QStringLiteral("Acerca de Quimelo 2.0"));
    MnAcerca->setObjectName(QStringLiteral("MnAcerca"));

    connect(MnNuevoJuego, &QAction::triggered, this, [this] { m_game.MnNuevoJuego_Click(); });
    connect(MnSalir, &QAction::triggered, this, [this] { m_game.MnSalir_Click(); });
    connect(MnAyuda2, &QAction::triggered, this, [this] { m_game.MnAyuda2_Click(); });
    connect(MnAcerca, &QAction::triggered, this, &MainWindow::aboutRequested);

    // The captions show the shortcuts; the keys themselves are bound here, for the
    // whole window, whichever control has the focus.
    auto *f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    f2->setObjectName(QStringLiteral("ShortcutF2"));
    connect(f2, &QShortcut::activated, this, [this] { m_game.MnNuevoJuego_Click(); });
    auto *ctrlS = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    ctrlS->setObjectName(QStringLiteral("ShortcutCtrlS"));
    connect(ctrlS, &QShortcut::activated, this, [this] { m_game.MnSalir_Click(); });
}

void MainWindow::buildTimers()
{
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
    connect(Timer1, &QTimer::timeout, this, [this] { m_game.Timer1_Timer(); });

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setProperty("designInterval", 1);
    Timer2->setInterval(std::max(1, kTimerResolutionMs));
    connect(Timer2, &QTimer::timeout, this, [this] { m_game.Timer2_Timer(); });
}

void MainWindow::setTabOrder()
{
    // Letters, the solve box and its button, the digits, then the themes.
    QList<QWidget *> chain;
    for (int i = 0; i < 27; ++i) {
        chain << Letra[i];
    }
    chain << Text1 << Command1;
    for (int i = 27; i < kLetraCount; ++i) {
        chain << Letra[i];
    }
    chain << Option[2] << Option[1] << Option[0] << Option[3];
    for (qsizetype i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

bool MainWindow::load(Picture::Ptr splashWordmark)
{
    m_game.Form_Load();
    if (m_game.ended()) {
        return false;
    }
    Image7->setPicture(splashWordmark ? std::move(splashWordmark) : pictures::wordmark());
    Timer1->start();
    Timer2->start();
    return true;
}

void MainWindow::showCentred()
{
    adjustSize();
    const QRect available
        = (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
    show();
    if (Letra[0]->isEnabled()) {
        Letra[0]->setFocus(Qt::OtherFocusReason);
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // A character typed while a letter key has the focus is a guess; the key then goes
    // on to the focused button as usual.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const QVariant index = watched->property("index");
        // A key held down (the one that closed the splash, say) repeats nothing here.
        if (index.isValid() && key->isAutoRepeat()) {
            return true;
        }
        if (event->type() == QEvent::KeyRelease) {
            return QMainWindow::eventFilter(watched, event);
        }
        // Alt and Ctrl combinations are menu keys and shortcuts, not characters.
        const bool command
            = key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
        if (index.isValid() && !command) {
            const int code = textcodec::cp1252Code(key->text());
            if (code > 0) {
                m_game.Letra_KeyPress(
                    static_cast<std::int16_t>(index.toInt()), static_cast<std::int16_t>(code));
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
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
        return Label6;
    case Caption::Label7:
        return Label7;
    case Caption::Label11:
        return Label11;
    }
    return nullptr;
}

QLabel *MainWindow::labelOf(ColourLabel label) const
{
    return label == ColourLabel::Label12 ? Label12 : Label15;
}

ImageBox *MainWindow::imageOf(ImageControl control) const
{
    switch (control) {
    case ImageControl::Image4:
        return Image4;
    case ImageControl::Image5:
        return Image5;
    case ImageControl::Image6:
        return Image6;
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
            QStringLiteral("Palabra oculta de %1 caracteres").arg(Pelicula1->text().size()));
        fitToWidth(
            Pelicula1, fonts::design(QStringLiteral("Arial"), 14.25, fonts::Style::BoldItalic));
    } else if (label == Caption::Label4 || label == Caption::Label5) {
        // "10" failures do not fit the designed box of Label5.
        widenToText(target, label == Caption::Label4 ? twips::toPixels(435) : twips::toPixels(195));
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
    key->setAccessibleDescription(
        enabled ? QStringLiteral("Tecla disponible") : QStringLiteral("Tecla ya probada"));
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
    for (int i = 0; i < 4; ++i) {
        if (Option[i]->isChecked()) {
            return i + 1;
        }
    }
    return kDefaultOption;
}

void MainWindow::showStage(int stage)
{
    const int shown = std::clamp(stage, 0, pictures::kStageCount - 1);
    Image1->setPicture(Image3.at(shown)->picture());
    Image1->setAccessibleName(
        QStringLiteral("Horca: %1 de %2").arg(shown).arg(pictures::kStageCount - 1));
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
    emit programEnded();
}

double MainWindow::secondsSinceMidnight() const
{
    return quimbelo::secondsSinceMidnight();
}

void MainWindow::reseedRandom(double seed)
{
    m_random.reseed(seed);
}

float MainWindow::nextRandom()
{
    return m_random.next();
}

std::string MainWindow::programFolder() const
{
    return m_programFolder.toStdString();
}

void MainWindow::openTextFile(const std::string &path)
{
    m_desktop->openTextFile(QString::fromStdString(path));
}

void MainWindow::openMailLink(const std::string &url)
{
    m_desktop->openMailLink(QString::fromStdString(url));
}
