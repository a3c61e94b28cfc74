// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The edge between the UTF-8 of the design and the play layer and the Windows API's
// UTF-16.
namespace win32text {

std::wstring fromUtf8(std::string_view utf8);
std::string toUtf8(std::wstring_view text);

// The text of a window or control, whole.
std::wstring windowText(HWND hwnd);

} // namespace win32text
