// SPDX-License-Identifier: MIT
#include "startup.h"

#include "aboutwindow.h"

Startup::Startup(quimbelo::Surroundings *surroundings)
    : onFinished([](int status) { PostQuitMessage(status); })
    , m_surroundings(surroundings != nullptr ? *surroundings : m_ownSurroundings)
{
}

Startup::~Startup() = default;

void Startup::start()
{
    m_splash = std::make_unique<SplashWindow>();
    m_splash->onHandOver = [this] { openGameWindow(); };
    m_splash->showCentred();
}

void Startup::openGameWindow()
{
    if (m_gameWindow) {
        return;
    }
    // No window is on screen while the game window loads its first word; the program
    // ends only when the game says so or its window is closed.
    m_gameWindow = std::make_unique<GameWindow>(m_surroundings);
    GameWindow *window = m_gameWindow.get();
    m_ownSurroundings.setOwner(window->hwnd());
    window->onEnded = [this](int status) {
        if (onFinished) {
            onFinished(status);
        }
    };
    window->onAbout = [window] { aboutwindow::showModal(window->hwnd()); };
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

int Startup::run()
{
    MSG msg {};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        dispatch(msg);
    }
    return static_cast<int>(msg.wParam);
}
