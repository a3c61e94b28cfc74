// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The edge between the game's texts and the Windows API's UTF-16: the design's texts are
// UTF-8, the game's Windows-1252.
namespace win32text {

std::wstring fromUtf8(std::string_view utf8);
std::string toUtf8(std::wstring_view text);

std::wstring fromCp1252(std::string_view bytes);
// A character that Windows-1252 lacks becomes "?".
std::string toCp1252(std::wstring_view text);

// The Windows-1252 code of a typed UTF-16 unit, or -1 when the code page has no such
// character: nothing is guessed for it, no best fit either.
int cp1252Code(wchar_t typed);

// The text of a window or control, whole.
std::wstring windowText(HWND hwnd);

// A message of the game for a message box: lone carriage returns become line breaks.
std::wstring messageText(std::string_view cp1252);

} // namespace win32text
