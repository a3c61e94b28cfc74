// SPDX-License-Identifier: MIT
// The base of the program's own windows: their class, their messages, where they open.
#pragma once

#include <windows.h>

#include <string>

namespace quimbelo::win32 {

// A window of one of the program's own classes. Its messages reach handle() from the
// moment create() has made it until it is destroyed (or a subclass lets go of it before,
// setting m_hwnd to none); before and after, the system's defaults answer them.
class Window
{
public:
    Window() = default;
    virtual ~Window();
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    HWND hwnd() const { return m_hwnd; }

    // The outer size of a window whose client area is client, with the frame, title bar and
    // menu bar that its styles give it at dpi.
    static SIZE frameSize(SIZE client, DWORD style, bool menu, DWORD exStyle, UINT dpi);
    // The top-left corner that centres a window of outer size frame on the work area of
    // the screen that holds window.
    static POINT centredOnScreen(HWND window, SIZE frame);
    // The top-left corner that centres a window of outer size frame over owner, kept
    // within the work area of the screen that holds owner.
    static POINT centredOver(HWND owner, SIZE frame);

protected:
    // Makes the window, of the class className, which its first window registers.
    void create(const wchar_t *className, DWORD exStyle, const std::wstring &title, DWORD style,
        POINT at, SIZE size, HWND parent = nullptr, int id = 0);
    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

} // namespace quimbelo::win32
