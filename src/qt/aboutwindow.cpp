// SPDX-License-Identifier: MIT
#include "aboutwindow.h"

#include "about.h"
#include "formbuilder.h"
#include "labelfit.h"
#include "placement.h"
#include "programinfo.h"
#include "twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace quimbelo::qt {

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    using quimbelo::design::about::kWindow;
    setObjectName(designText(kWindow.name));
    setWindowTitle(designText(kWindow.caption));
    setModal(true);
    setFixedSize(twips::size(kWindow.clientWidth, kWindow.clientHeight));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(kWindow.background));
    setPalette(palette);
    setAutoFillBackground(true);

    const FormBuilder controls = FormBuilder::build(kWindow, this);
    lblTitle = controls.get<QLabel>("lblTitle");
    lblVersion = controls.get<QLabel>("lblVersion");
    auto *cmdOK = controls.get<QPushButton>("cmdOK");
    // Esc rejects the dialog, which closes it just as the button does.
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    cmdOK->setFocus(Qt::OtherFocusReason);
    Form_Load();
}

void AboutWindow::Form_Load()
{
    setWindowTitle(designText(quimbelo::design::about::kLoadedCaption));
    lblVersion->setText(designText(quimbelo::programinfo::kVersionText));
    widenToText(lblVersion,
        twips::toPixels(
            quimbelo::design::get(quimbelo::design::about::kWindow, "lblVersion").place.width));
    lblTitle->setText(designText(quimbelo::programinfo::kTitle));
}

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
