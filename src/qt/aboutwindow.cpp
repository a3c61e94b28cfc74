// SPDX-License-Identifier: MIT
#include "aboutwindow.h"

#include "about.h"
#include "placement.h"
#include "splashplay.h"
#include "twips.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace quimbelo::qt {

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    using design::about::kWindow;
    setModal(true);
    setFixedSize(twips::size(kWindow.clientWidth, kWindow.clientHeight));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(kWindow.background));
    setPalette(palette);
    setAutoFillBackground(true);

    m_widgets = std::make_unique<FormWidgets>(this, kWindow, this);
    auto *cmdOK = m_widgets->controls().get<QPushButton>("cmdOK");
    // Esc rejects the dialog, which closes it just as the button does.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    cmdOK->setFocus(Qt::OtherFocusReason);
    play::loadAbout(*m_widgets);
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::showModal(QWidget *parent)
{
    AboutWindow about(parent);
    if (parent != nullptr) {
        const QRect frame = parent->frameGeometry();
        const QScreen *screen
            = parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
        about.move(placement::centredOver(frame, placement::frameMargins(frame, parent->geometry()),
            about.size(), screen->availableGeometry()));
    }
    about.exec();
}

} // namespace quimbelo::qt
