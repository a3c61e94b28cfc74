// SPDX-License-Identifier: MIT
#include "splashwindow.h"

#include "formbuilder.h"
#include "imagebox.h"
#include "labelfit.h"
#include "placement.h"
#include "programinfo.h"
#include "splash.h"
#include "twips.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <qdrawutil.h>

namespace quimbelo::qt {

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
    using quimbelo::design::splash::kWindow;
    setObjectName(designText(kWindow.name));
    setWindowTitle(designText(kWindow.caption));
    setFocusPolicy(Qt::StrongFocus);
    // The client area inside a raised dialog frame, which the window draws itself: it
    // has no title bar for the desktop to decorate.
    const QSize clientSize = twips::size(kWindow.clientWidth, kWindow.clientHeight);
    setFixedSize(clientSize + QSize(2, 2) * kDialogFrame);
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmSplashClient"));
    client->setGeometry(QRect(QPoint(kDialogFrame, kDialogFrame), clientSize));
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, toQColor(kWindow.background));
    client->setPalette(palette);
    client->setAutoFillBackground(true);

    const FormBuilder controls = FormBuilder::build(kWindow, client);
    Frame1 = controls.get<QFrame>("Frame1");
    Frame1->installEventFilter(this);
    Timer1 = controls.get<QTimer>("Timer1");
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);
    m_wordmark = controls.get<ImageBox>("Image1")->picture();

    // Form_Load: the version built from the program's own.
    controls.get<QLabel>("lblVersion")->setText(designText(quimbelo::programinfo::kVersionText));

    for (QWidget *child : Frame1->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        // A click on a label or a picture is not a click on the panel behind it.
        child->setAttribute(Qt::WA_NoMousePropagation);
        if (auto *label = qobject_cast<QLabel *>(child)) {
            const auto &design = quimbelo::design::get(kWindow, label->objectName().toStdString());
            widenToText(label, twips::toPixels(design.place.width));
        }
    }
}

void SplashWindow::showCentred()
{
    const QRect available
        = (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
    move(placement::centredOn(available, size()));
    show();
    raise();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    Timer1->start();
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    if (!m_painted) {
        m_painted = true;
        Q_EMIT firstPainted();
    }
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), false);
    painter.setPen(palette().color(QPalette::Button));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}

void SplashWindow::closeEvent(QCloseEvent *event)
{
    // Closed by the desktop (Alt+F4): the game comes at once rather than after the timer.
    event->accept();
    handOverOnce();
}

void SplashWindow::keyPressEvent(QKeyEvent *event)
{
    // Keys that type a character hand over, Space, Enter, Esc and Backspace included;
    // arrows, function keys and modifiers alone do nothing, and so do Delete and Alt
    // combinations, which type no character on the desktop the game was made for.
    const bool typesCharacter = !event->text().isEmpty() && event->text() != QChar(0x7F)
        && !(event->modifiers() & (Qt::AltModifier | Qt::MetaModifier));
    if (typesCharacter) {
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
    Q_EMIT handOver();
    deleteLater();
}

} // namespace quimbelo::qt
