// SPDX-License-Identifier: MIT
// The splash, the game window and the message loop between them.
#include "startup.h"

#include "aboutwindow.h"

namespace quimbelo::win32 {

Startup::Startup(Surroundings *surroundings)
    : onFinished([](int status) { PostQuitMessage(status); })
    , m_surroundings(surroundings != nullptr ? *surroundings : m_ownSurroundings)
{
}

Startup::~Startup()
{
    if (m_splash) {
        m_splash->forwardTo(nullptr);
    }
}

void Startup::start()
{
    m_splash = std::make_unique<SplashWindow>();
    m_splashPlay = std::make_unique<play::SplashPlay>(
        m_splash->widgets(), static_cast<play::StartupPort &>(*this));
    m_splash->forwardTo(m_splashPlay.get());
    m_splashPlay->load();
    m_splash->showCentred();
    m_splashPlay->shown();
}

void Startup::closeSplash()
{
    m_splash->close();
}

void Startup::openGameWindow()
{
    // No window is on screen while the game window loads its first word; the program
    // ends only when the game says so or its window is closed.
    m_gameWindow
        = m_prepared ? std::move(m_prepared) : std::make_unique<GameWindow>(m_surroundings);
    GameWindow *window = m_gameWindow.get();
    m_ownSurroundings.setOwner(window->hwnd());
    window->onEnded = [this](int status) {
        if (onFinished) {
            onFinished(status);
        }
    };
    window->onAbout = [window] { AboutWindow::showModal(window->hwnd()); };
    if (window->load(m_splash ? m_splash->wordmark() : nullptr)) {
        window->showCentred();
    }
}

void Startup::dispatch(MSG &msg)
{
    if (m_gameWindow && m_gameWindow->translate(msg)) {
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

bool Startup::prepareSome()
{
    if (!m_splashPlay || !m_splashPlay->wantsIdle()) {
        return true;
    }
    m_splashPlay->idle();
    return !m_splashPlay->wantsIdle();
}

bool Startup::prepareStep()
{
    if (!m_prepared) {
        m_prepared = std::make_unique<GameWindow>(m_surroundings, GameWindow::Building::InSteps);
        return true;
    }
    return !m_prepared->buildSome();
}

int Startup::run()
{
    MSG msg {};
    for (;;) {
        // Every waiting message first, the splash's first frame and the player's keys
        // included; then, only when none is left, the next step of the game window.
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                return static_cast<int>(msg.wParam);
            }
            dispatch(msg);
        }
        if (prepareSome()) {
            WaitMessage();
        }
    }
}

} // namespace quimbelo::win32
