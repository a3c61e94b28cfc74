// SPDX-License-Identifier: MIT
#pragma once

#include "formbuilder.h"
#include "formwidgets.h"
#include "pictures.h"

#include <windows.h>

namespace quimbelo::play {
class SplashPlay;
}

// frmSplash, the window the program opens with, built from its design. It draws itself
// and forwards the player's keys and clicks, its timer and a request to close it to the
// play layer, which decides when it hands over.
class SplashWindow
{
public:
    SplashWindow();
    ~SplashWindow();
    SplashWindow(const SplashWindow &) = delete;
    SplashWindow &operator=(const SplashWindow &) = delete;

    // Where its events go; none before this is called.
    void forwardTo(quimbelo::play::SplashPlay *play) { m_play = play; }
    quimbelo::play::WindowWidgets &widgets() { return m_widgets; }

    // Shows the window centred on the screen, active.
    void showCentred();
    // Takes it off the screen for good.
    void close();

    HWND hwnd() const { return m_hwnd; }
    FormBuilder &controls() { return m_controls; }
    bool handedOver() const;
    // The wordmark it shows, which the game window shows too.
    pictures::Picture::Ptr wordmark() const { return m_wordmark; }

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void resizeForDpi(UINT dpi);

    HWND m_hwnd = nullptr;
    FormBuilder m_controls;
    FormWidgets m_widgets;
    quimbelo::play::SplashPlay *m_play = nullptr;
    pictures::Picture::Ptr m_wordmark;
    int m_frameId = 0;
    bool m_painted = false;
};
