// SPDX-License-Identifier: MIT
#pragma once

#include "desktop.h"
#include "picture.h"
#include "splashplay.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

namespace quimbelo::qt {

class GameWindow;
class SplashWindow;

// The program's course: the splash first, then, once, the game window.
//
// The game window is built and drawn offscreen while the splash is up, in short steps
// run when the event loop has nothing else to do, so that a key on the splash is
// answered at once and the game window then opens as fast as an empty one. It is loaded
// (the game's Form_Load: the counters and the first word list) and shown only at the
// hand-over, as if it had been built then.
class Startup : public QObject, private play::StartupPort
{
    Q_OBJECT

public:
    // programFolder: where the word lists lie, as the file system names it. desktop: the
    // system's own when null.
    explicit Startup(std::string programFolder, Desktop *desktop = nullptr);
    ~Startup() override;

    void start();

    SplashWindow *splash() const;
    // The game window, once the splash has handed over to it; null before.
    GameWindow *gameWindow() const { return m_handedOver ? m_window.get() : nullptr; }
    // The game window has been built, and drawn offscreen unless the hand-over came
    // first: nothing is left to prepare.
    bool gameWindowReady() const { return m_built && m_steps.empty(); }

Q_SIGNALS:
    // The program is to end now, with this exit status.
    void finished(int exitStatus);

private:
    void prepareInIdleTime();
    void runIdleStep();
    // Runs the next step; true while steps are left.
    bool runStep();

    // play::StartupPort
    bool prepareStep() override { return runStep(); }
    void closeSplash() override;
    void openGameWindow() override;

    DesktopSurroundings m_surroundings;
    QPointer<SplashWindow> m_splash;
    std::unique_ptr<play::SplashPlay> m_splashPlay;
    Picture::Ptr m_wordmark;
    std::unique_ptr<GameWindow> m_window;
    bool m_built = false;
    bool m_handedOver = false;

    // What is left to prepare, first step first, and the timer that runs it. A step that
    // returns true has more to do and runs again.
    std::deque<std::function<bool()>> m_steps;
    QTimer m_idle;
    // When the splash was made, for the "quimbelo.startup" logging category.
    QElapsedTimer m_sinceStart;
};

} // namespace quimbelo::qt
