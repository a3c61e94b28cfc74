// SPDX-License-Identifier: MIT
#pragma once

// What the splash does, written once for every front-end: it shows the version, prepares
// the game window behind itself in short steps while the player looks at it, and hands
// over to the game window once, on a typed character, a click on its panel, its timer,
// or a request to close it.

#include "widgets.h"

#include <chrono>

namespace quimbelo::play {

// What a front-end does for the program's course from the splash to the game window.
class StartupPort
{
public:
    virtual ~StartupPort() = default;

    // Takes the next short step of building or drawing the game window, hidden; false
    // once nothing is left to prepare.
    virtual bool prepareStep() = 0;
    // Takes the splash off the screen for good.
    virtual void closeSplash() = 0;
    // Builds whatever the splash left no time for, then loads and shows the game window.
    virtual void openGameWindow() = 0;
};

class SplashPlay
{
public:
    // Shown: on screen, its first frame not yet painted. Preparing: the game window is
    // being prepared in idle time. Prepared: nothing is left but to hand over.
    enum class Phase { Shown, Preparing, Prepared, HandedOver };

    SplashPlay(WindowWidgets &splash, StartupPort &startup);

    // Form_Load, once every control is built: the version of the program.
    void load();
    // The splash is on screen: its timer starts.
    void shown();
    // Its first frame has been painted: the game window may be prepared from now on, when
    // the front-end has nothing else to do.
    void painted();
    // Whether idle time has a use: the front-end calls idle() while this holds.
    bool wantsIdle() const { return m_phase == Phase::Preparing; }
    void idle();

    // Events forwarded by the front-end. A key typed a character (none for a key that
    // types nothing), with Alt (or the system's menu key) held or not.
    void Form_KeyPress(char32_t character, bool withAlt);
    // A click on the panel's free surface, or a tick of the timer, by design row.
    void event(const Control &control);
    // The desktop asks the splash to close (Alt+F4, the close button).
    void closeRequested();

    Phase phase() const { return m_phase; }

    // How the preparation went: the steps taken, their time in all and the longest, the
    // longest a key on the splash may wait.
    struct Figures
    {
        int steps = 0;
        std::chrono::nanoseconds total {};
        std::chrono::nanoseconds longest {};
    };
    const Figures &figures() const { return m_figures; }

private:
    void handOver();

    WindowWidgets &m_splash;
    StartupPort &m_startup;
    Phase m_phase = Phase::Shown;
    Figures m_figures;
};

// Whether a character typed on the splash hands over: every one does, Space, Enter, Esc
// and Backspace included, but Delete (DEL, also typed by Ctrl+Backspace) and whatever is
// typed with Alt, which type nothing on the desktop the game was made for.
constexpr bool handsOver(char32_t character, bool withAlt)
{
    return character != 0 && character != 0x7F && !withAlt;
}

// About's Form_Load: its title, and the program's title and version.
void loadAbout(WindowWidgets &about);

} // namespace quimbelo::play
