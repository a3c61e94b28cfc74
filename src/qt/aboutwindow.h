// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;

namespace quimbelo::qt {

// frmAbout: the program's title and version with the author's notices. It is built
// anew at every opening and closed with "Aceptar", Enter, Esc or its close box.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent);

    // Shows the window modally, centred over its parent, until it is closed.
    static void showModal(QWidget *parent);

private:
    void Form_Load();

    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
};

} // namespace quimbelo::qt
