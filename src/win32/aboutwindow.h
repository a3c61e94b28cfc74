// SPDX-License-Identifier: MIT
// frmAbout: the program's title and version, modal over the game window.
#pragma once

#include "formbuilder.h"
#include "formwidgets.h"

#include <windows.h>

namespace quimbelo::win32 {

// Made anew each time it opens and destroyed when it closes with "Aceptar", Enter, Esc or
// its close box. It is a dialog, for the dialog manager's keys, built from an empty
// template.
class AboutWindow
{
public:
    static void showModal(HWND owner);

private:
    explicit AboutWindow(HWND owner);
    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void load(HWND dialog);
    INT_PTR handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void place(HWND dialog, UINT dpi);

    HWND m_owner;
    FormBuilder m_controls;
    FormWidgets m_widgets;
    int m_okId = 0;
};

} // namespace quimbelo::win32
