#include "splashwindow.h"

#include "fonts.h"
#include "imagebox.h"
#include "labelfit.h"
#include "pictures.h"
#include "programinfo.h"
#include "twips.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, QRect geometry, const QString &text,
    const QFont &font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    // A click on a label is not a click on the panel behind it.
    label->setAttribute(Qt::WA_NoMousePropagation);
    widenToText(label, geometry.width());
    return label;
}

} // namespace

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
    , m_wordmark(pictures::wordmark())
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(twips::size(6285, 4305));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    setPalette(palette);
    setAutoFillBackground(true);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips::rect(150, 120, 5985, 4050));
    Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Frame1->setAutoFillBackground(true);
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    Frame1->setPalette(palette);
    Frame1->installEventFilter(this);

    auto *imgLogo = new ImageBox(Frame1, false);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(twips::rect(360, 795, 1065, 1515));
    imgLogo->setPicture(pictures::gameLogo());
    imgLogo->setAttribute(Qt::WA_NoMousePropagation);

    const QString arial = QStringLiteral("Arial");
    makeLabel(Frame1, "lblProductName", twips::rect(2040, 1200, 3795, 765),
        QStringLiteral("El Quimbelo"), fonts::design(arial, 32.25, fonts::Style::Bold));
    makeLabel(Frame1, "lblPlatform", twips::rect(2760, 2040, 2280, 360),
        QStringLiteral("Windows 95/98"), fonts::design(arial, 15.75, fonts::Style::Bold),
        Qt::AlignRight | Qt::AlignTop);
    makeLabel(Frame1, "lblVersion", twips::rect(3240, 2400, 1275, 285),
        QString::fromStdString(quimbelo::programinfo::versionText()),
        fonts::design(arial, 12, fonts::Style::Bold), Qt::AlignRight | Qt::AlignTop);

    auto *Image1 = new ImageBox(Frame1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twips::rect(360, 2880, 2415, 735));
    Image1->setPicture(m_wordmark);
    Image1->setAttribute(Qt::WA_NoMousePropagation);

    makeLabel(Frame1, "lblCompany", twips::rect(4560, 3270, 2415, 255), QString(),
        fonts::design(arial, 8.25));
    makeLabel(Frame1, "lblWarning", twips::rect(120, 3660, 3450, 210),
        QStringLiteral("Mire el archivo Leeme.txt para mas información "),
        fonts::design(arial, 8.25));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);
}

void SplashWindow::showCentred()
{
    const QRect available
        = (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    Timer1->start();
}

void SplashWindow::keyPressEvent(QKeyEvent *event)
{
    // Keys that type a character hand over, Space, Enter, Esc and Backspace included;
    // arrows, function keys and modifiers alone do nothing.
    if (!event->text().isEmpty()) {
        event->accept();
        Form_KeyPress();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool SplashWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Frame1) {
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressedOnFrame = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const bool click = m_pressedOnFrame && mouse->button() == Qt::LeftButton
                && Frame1->rect().contains(mouse->position().toPoint());
            m_pressedOnFrame = false;
            if (click) {
                Frame1_Click();
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::Form_KeyPress()
{
    handOverOnce();
}

void SplashWindow::Frame1_Click()
{
    handOverOnce();
}

void SplashWindow::Timer1_Timer()
{
    handOverOnce();
}

void SplashWindow::handOverOnce()
{
    if (m_handedOver) {
        return;
    }
    m_handedOver = true;
    Timer1->stop();
    hide();
    emit handOver();
    deleteLater();
}
