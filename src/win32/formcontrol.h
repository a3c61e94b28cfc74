// SPDX-License-Identifier: MIT
// A control of a window as built from its design, with what the window keeps of it.
#pragma once

#include "controls.h"
#include "pictures.h"

#include <windows.h>

#include <string>

namespace quimbelo::win32 {

struct FormControl
{
    const design::Control *design = nullptr;
    HWND hwnd = nullptr; // none for shapes, lines and timers
    HWND container = nullptr;
    int id = 0;
    COLORREF text = CLR_INVALID; // CLR_INVALID: the default of the control's kind
    COLORREF background = CLR_INVALID; // CLR_INVALID: what lies behind shows through
    HBRUSH backgroundBrush = nullptr;
    pictures::Picture::Ptr picture;
    std::wstring toolTip;
};

} // namespace quimbelo::win32
