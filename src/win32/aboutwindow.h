// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

// frmAbout: the program's title and version, modal over the game window, made anew each
// time it opens and destroyed when it closes with "Aceptar", Enter, Esc or its close box.
namespace aboutwindow {

void showModal(HWND owner);

} // namespace aboutwindow
