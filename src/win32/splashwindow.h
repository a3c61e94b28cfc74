// SPDX-License-Identifier: MIT
#pragma once

#include "formbuilder.h"
#include "pictures.h"

#include <windows.h>

#include <functional>

// frmSplash: the window the program opens with. It hands over to the game window once: on
// a character key, a click on its frame's free surface, or when its timer expires.
class SplashWindow
{
public:
    SplashWindow();
    ~SplashWindow();
    SplashWindow(const SplashWindow &) = delete;
    SplashWindow &operator=(const SplashWindow &) = delete;

    // Shows the window centred on the screen, active, and starts its timer.
    void showCentred();

    HWND hwnd() const { return m_hwnd; }
    FormBuilder &controls() { return m_controls; }
    bool handedOver() const { return m_handedOver; }
    // The wordmark it shows, which the game window shows too.
    pictures::Picture::Ptr wordmark() const { return m_wordmark; }

    // Called once, after the splash has closed.
    std::function<void()> onHandOver;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void resizeForDpi(UINT dpi);
    void handOverOnce();

    HWND m_hwnd = nullptr;
    FormBuilder m_controls;
    pictures::Picture::Ptr m_wordmark;
    int m_timerId = 0;
    int m_frameId = 0;
    bool m_handedOver = false;
};
