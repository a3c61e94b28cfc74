// SPDX-License-Identifier: MIT
// frmSplash, the window the program opens with, built from its design.
#pragma once

#include "formbuilder.h"
#include "formwidgets.h"
#include "pictures.h"
#include "window.h"

#include <windows.h>

namespace quimbelo::play {
class SplashPlay;
}

namespace quimbelo::win32 {

// The splash draws itself and forwards the player's keys and clicks, its timer and a
// request to close it to the play layer, which decides when it hands over.
class SplashWindow : public Window
{
public:
    SplashWindow();
    ~SplashWindow() override;

    // Where its events go; none before this is called.
    void forwardTo(play::SplashPlay *play) { m_play = play; }
    play::WindowWidgets &widgets() { return m_widgets; }

    // Shows the window centred on the screen, active.
    void showCentred();
    // Takes it off the screen for good.
    void close();

    FormBuilder &controls() { return m_controls; }
    bool handedOver() const;
    // The wordmark it shows, which the game window shows too.
    pictures::Picture::Ptr wordmark() const { return m_wordmark; }

private:
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void resizeForDpi(UINT dpi);

    FormBuilder m_controls;
    FormWidgets m_widgets;
    play::SplashPlay *m_play = nullptr;
    pictures::Picture::Ptr m_wordmark;
    int m_frameId = 0;
    bool m_painted = false;
};

} // namespace quimbelo::win32
