// SPDX-License-Identifier: MIT
// The splash, the game window and the About window in the page.
#include "startup.h"

#include "about.h"
#include "form1.h"
#include "splash.h"

namespace quimbelo::web {

Startup::Startup()
    : m_splash(page::WindowId::Splash, design::splash::kWindow)
{
}

Startup::~Startup() = default;

void Startup::start()
{
    m_splash.build();
    m_splashPlay.load();
    page::show(m_splash.window());
    m_splashPlay.shown();
}

void Startup::splashPainted()
{
    m_splashPlay.painted();
}

bool Startup::idle()
{
    if (m_splashPlay.wantsIdle()) {
        m_splashPlay.idle();
    }
    return m_splashPlay.wantsIdle();
}

bool Startup::prepareStep()
{
    if (!m_game) {
        m_game = std::make_unique<GameWindow>(m_surroundings);
        return true;
    }
    return !m_game->buildSome();
}

void Startup::closeSplash()
{
    page::close(m_splash.window());
}

void Startup::openGameWindow()
{
    // The lists are fetched while the splash is shown; the first round needs them.
    page::waitForLists();
    if (!m_game) {
        m_game = std::make_unique<GameWindow>(m_surroundings);
    }
    m_game->onAbout = showAbout;
    if (m_game->load(m_splash)) {
        m_shown = true;
        m_game->show();
    }
}

void Startup::showAbout()
{
    // A fresh window every time, so that its loading runs every time.
    FormWidgets about(page::WindowId::About, design::about::kWindow);
    about.build();
    play::loadAbout(about);
    page::showModal(about.window());
}

void Startup::event(page::WindowId window, int row)
{
    switch (window) {
    case page::WindowId::Splash:
        m_splashPlay.event(design::splash::kControls.at(static_cast<std::size_t>(row)));
        break;
    case page::WindowId::Game:
        if (m_shown) {
            m_game->play().event(m_game->control(row));
        }
        break;
    case page::WindowId::About:
        break;
    }
}

void Startup::splashKey(char32_t character, bool withAlt)
{
    m_splashPlay.Form_KeyPress(character, withAlt);
}

void Startup::menu(int item)
{
    if (m_shown) {
        m_game->play().menu(design::form1::kMenu.at(static_cast<std::size_t>(item)).name);
    }
}

void Startup::typed(int row, char32_t character)
{
    if (m_shown) {
        m_game->play().typed(m_game->control(row), character);
    }
}

void Startup::speak(int what)
{
    if (!m_shown) {
        return;
    }
    if (what == 0) {
        m_game->play().speakRound();
    } else {
        m_game->play().speakCounters();
    }
}

void Startup::closeRequested(page::WindowId window)
{
    if (window == page::WindowId::Splash) {
        m_splashPlay.closeRequested();
    } else if (window == page::WindowId::Game && m_shown) {
        m_game->closeRequested();
    }
}

} // namespace quimbelo::web
