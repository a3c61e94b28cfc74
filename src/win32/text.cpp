// SPDX-License-Identifier: MIT
#include "text.h"

#include "cp1252.h"

#include <windows.h>

namespace win32text {

std::wstring windowText(HWND hwnd)
{
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::wstring fromUtf8(std::string_view utf8)
{
    if (utf8.empty()) {
        return {};
    }
    const int length
        = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(
        CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), length);
    return text;
}

std::string toUtf8(std::wstring_view text)
{
    if (text.empty()) {
        return {};
    }
    const int length = WideCharToMultiByte(
        CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), length,
        nullptr, nullptr);
    return utf8;
}

std::wstring fromCp1252(std::string_view bytes)
{
    // The game's own table, so that every byte decodes as the Qt program decodes it.
    std::wstring text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        text.push_back(
            static_cast<wchar_t>(quimbelo::cp1252::toUnicode(static_cast<unsigned char>(byte))));
    }
    return text;
}

std::string toCp1252(std::wstring_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (const wchar_t unit : text) {
        const int byte = quimbelo::cp1252::fromUnicode(static_cast<char32_t>(unit));
        bytes.push_back(byte < 0 ? quimbelo::cp1252::kReplacement : static_cast<char>(byte));
    }
    return bytes;
}

int cp1252Code(wchar_t typed)
{
    if (typed >= 0xD800 && typed <= 0xDFFF) {
        return -1; // half of a character beyond the code page
    }
    char byte = 0;
    BOOL usedDefault = FALSE;
    const int written = WideCharToMultiByte(
        1252, WC_NO_BEST_FIT_CHARS, &typed, 1, &byte, 1, nullptr, &usedDefault);
    if (written != 1 || usedDefault) {
        return -1;
    }
    return static_cast<unsigned char>(byte);
}

std::wstring messageText(std::string_view cp1252)
{
    const std::wstring text = fromCp1252(cp1252);
    std::wstring shown;
    shown.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        shown.push_back(text[i]);
        if (text[i] == L'\r' && (i + 1 == text.size() || text[i + 1] != L'\n')) {
            shown.push_back(L'\n');
        }
    }
    return shown;
}

} // namespace win32text
