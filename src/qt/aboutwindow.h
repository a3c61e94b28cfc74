// SPDX-License-Identifier: MIT
#pragma once

#include "formwidgets.h"

#include <QDialog>

#include <memory>

namespace quimbelo::qt {

// frmAbout: the program's title and version with the author's notices. It is built
// anew at every opening and closed with "Aceptar", Enter, Esc or its close box.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent);
    ~AboutWindow() override;

    // Shows the window modally, centred over its parent, until it is closed.
    static void showModal(QWidget *parent);

private:
    std::unique_ptr<FormWidgets> m_widgets;
};

} // namespace quimbelo::qt
