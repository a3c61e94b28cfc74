// SPDX-License-Identifier: MIT
// The program's course in the page: the splash first, then, once, the game window.
#pragma once

#include "desktop.h"
#include "formwidgets.h"
#include "gamewindow.h"
#include "splashplay.h"

#include <memory>

namespace quimbelo::web {

// While the splash is on the page, the game window is prepared in the page's idle time,
// as the play layer asks.
class Startup : private play::StartupPort
{
public:
    Startup();
    ~Startup() override;

    // Builds and shows the splash.
    void start();

    // Events of the page, forwarded to whichever window they are for.
    void splashPainted();
    // Takes a step of the preparation; true while more steps are wanted.
    bool idle();
    void event(page::WindowId window, int row);
    void splashKey(char32_t character, bool withAlt);
    void menu(int item);
    void typed(int row, char32_t character);
    void speak(int what);
    void closeRequested(page::WindowId window);

private:
    // play::StartupPort
    bool prepareStep() override;
    void closeSplash() override;
    void openGameWindow() override;

    static void showAbout();

    PageSurroundings m_surroundings;
    FormWidgets m_splash;
    play::SplashPlay m_splashPlay { m_splash, *this };
    std::unique_ptr<GameWindow> m_game;
    bool m_shown = false; // the game window, handed over to
};

} // namespace quimbelo::web
