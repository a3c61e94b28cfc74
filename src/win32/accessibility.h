// SPDX-License-Identifier: MIT
#pragma once

// What a screen reader reads of a control beyond its text: a description of its content
// or state.

#include <windows.h>

#include <string>

namespace quimbelo::win32::accessibility {

// The control's description (MSAA's accDescription), changed as often as need be. The
// control then answers a screen reader with the system's own accessible object for it,
// told the description; everything else is the system's, its state (a tried key is
// unavailable) included.
void setDescription(HWND control, std::wstring description);

// Something a screen reader says now on behalf of the window, without moving the focus.
void announce(HWND window, std::wstring text);

} // namespace quimbelo::win32::accessibility
