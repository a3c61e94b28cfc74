// SPDX-License-Identifier: MIT
// The edge between the UTF-8 of the design and the play layer and the Windows API's
// UTF-16.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quimbelo::win32 {

std::wstring fromUtf8(std::string_view utf8);
std::string toUtf8(std::wstring_view text);

// A text of several lines in UTF-8, its line feeds made the carriage return and line
// feed that Windows breaks its controls' and boxes' lines at.
std::wstring linesFromUtf8(std::string_view utf8);

// The text of a window or control, whole.
std::wstring windowText(HWND hwnd);

} // namespace quimbelo::win32
