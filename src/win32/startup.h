// SPDX-License-Identifier: MIT
// The program's course: the splash first, then, once, the game window.
#pragma once

#include "desktop.h"
#include "gamewindow.h"
#include "splashplay.h"
#include "splashwindow.h"

#include <windows.h>

#include <functional>
#include <memory>

namespace quimbelo::win32 {

// Its message loop prepares the game window behind the splash while the player looks at
// it, as the play layer asks.
class Startup : private play::StartupPort
{
public:
    // surroundings: the system's own when null.
    explicit Startup(Surroundings *surroundings = nullptr);
    ~Startup() override;

    void start();

    SplashWindow *splash() const { return m_splash.get(); }
    GameWindow *gameWindow() const { return m_gameWindow.get(); }

    // Hands a message of the thread's queue to its window, with the keys of the window
    // it is for.
    void dispatch(MSG &msg);
    // The message loop, until the program ends; returns its exit status. While no message
    // waits, it prepares the game window.
    int run();

    // Takes the next short step of building the game window, hidden, behind the splash
    // once it has been painted; true when there is nothing to prepare now. Its first
    // round is drawn only at the hand-over.
    bool prepareSome();

    // The program is to end now, with this exit status; by default, the loop ends.
    std::function<void(int status)> onFinished;

private:
    // play::StartupPort
    bool prepareStep() override;
    void closeSplash() override;
    void openGameWindow() override;

    WindowsSurroundings m_ownSurroundings;
    Surroundings &m_surroundings;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<play::SplashPlay> m_splashPlay;
    std::unique_ptr<GameWindow> m_prepared; // built behind the splash, not yet handed over
    std::unique_ptr<GameWindow> m_gameWindow;
};

} // namespace quimbelo::win32
