// SPDX-License-Identifier: MIT
// The splash drawn with Qt.
#include "splashwindow.h"

#include "imagebox.h"
#include "labelfit.h"
#include "placement.h"
#include "splash.h"
#include "splashplay.h"
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

using design::splash::kWindow;

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint)
{
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

    m_widgets = std::make_unique<FormWidgets>(this, kWindow, client);
    const FormBuilder &controls = m_widgets->controls();
    // The splash has no title: a screen reader names it by the name it shows.
    setAccessibleName(designText(design::get(kWindow, "lblProductName").caption));
    Frame1 = controls.get<QFrame>("Frame1");
    Frame1->installEventFilter(this);
    connect(controls.get<QTimer>("Timer1"), &QTimer::timeout, this, [this] {
        if (m_play != nullptr) {
            m_play->event(design::get(kWindow, "Timer1"));
        }
    });
    m_wordmark = controls.get<ImageBox>("Image1")->picture();

    for (QWidget *child : Frame1->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        // A click on a label or a picture is not a click on the panel behind it.
        child->setAttribute(Qt::WA_NoMousePropagation);
        if (auto *label = qobject_cast<QLabel *>(child)) {
            const auto &design = design::get(kWindow, label->objectName().toStdString());
            widenToText(label, twips::toPixels(design.place.width));
        }
    }
}

SplashWindow::~SplashWindow() = default;

void SplashWindow::forwardTo(play::SplashPlay *play)
{
    m_play = play;
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
    event->accept();
    if (m_play != nullptr) {
        m_play->closeRequested();
    }
}

void SplashWindow::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const char32_t character = text.isEmpty() ? 0 : text.toUcs4().value(0);
    const bool withAlt = event->modifiers() & (Qt::AltModifier | Qt::MetaModifier);
    if (m_play != nullptr && play::handsOver(character, withAlt)) {
        event->accept();
        m_play->Form_KeyPress(character, withAlt);
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
            if (click && m_play != nullptr) {
                m_play->event(design::get(kWindow, "Frame1"));
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quimbelo::qt
