// SPDX-License-Identifier: MIT
#include "startup.h"

#include "aboutwindow.h"
#include "gamewindow.h"
#include "splashwindow.h"

#include <QGuiApplication>
#include <QLoggingCategory>

namespace quimbelo::qt {

// QT_LOGGING_RULES="quimbelo.startup.debug=true" prints how long the game window took
// to prepare, and its longest step: the longest a key on the splash may wait.
Q_LOGGING_CATEGORY(lcStartup, "quimbelo.startup", QtWarningMsg)

namespace {

double milliseconds(qint64 ns)
{
    return double(ns) / 1e6;
}

} // namespace

Startup::Startup(std::string programFolder, Desktop *desktop)
    : m_surroundings(std::move(programFolder), desktop)
{
    m_idle.setInterval(0);
    connect(&m_idle, &QTimer::timeout, this, &Startup::runIdleStep);
}

Startup::~Startup()
{
    // A splash still up has nothing left to hand over to.
    delete m_splash.data();
}

void Startup::start()
{
    m_sinceStart.start();
    m_splash = new SplashWindow;
    m_wordmark = m_splash->wordmark();
    m_splashPlay = std::make_unique<play::SplashPlay>(
        m_splash->widgets(), static_cast<play::StartupPort &>(*this));
    m_splash->forwardTo(m_splashPlay.get());
    m_steps.emplace_back([this] {
        m_window = GameWindow::inSteps(m_surroundings);
        GameWindow *window = m_window.get();
        connect(window, &GameWindow::programEnded, this,
            [this, window] { Q_EMIT finished(window->game().failed() ? 1 : 0); });
        connect(window, &GameWindow::aboutRequested, window,
            [window] { AboutWindow::showModal(window); });
        return false;
    });
    m_steps.emplace_back([this] {
        if (m_window->buildStep()) {
            return true;
        }
        m_built = true;
        for (std::function<void()> &step : m_window->preparationSteps(m_wordmark)) {
            m_steps.emplace_back([step = std::move(step)] {
                step();
                return false;
            });
        }
        return false;
    });
    // Queued: the splash's first frame is painted and sent to the screen before any step.
    connect(m_splash, &SplashWindow::firstPainted, this, &Startup::prepareInIdleTime,
        Qt::QueuedConnection);
    m_splashPlay->load();
    m_splash->showCentred();
    m_splashPlay->shown();
}

void Startup::prepareInIdleTime()
{
    m_splashPlay->painted();
    if (m_splashPlay->wantsIdle()) {
        // A zero timer fires once the window system's events are handled: keys and
        // clicks on the splash come between two steps.
        m_idle.start();
    }
}

void Startup::runIdleStep()
{
    m_splashPlay->idle();
    if (m_splashPlay->wantsIdle()) {
        return;
    }
    m_idle.stop();
    if (m_splashPlay->phase() == play::SplashPlay::Phase::Prepared) {
        const play::SplashPlay::Figures &figures = m_splashPlay->figures();
        qCDebug(lcStartup,
            "game window prepared: %d steps, %.3f ms in all, longest step %.3f ms, "
            "done %.1f ms after the splash was made",
            figures.steps, milliseconds(figures.total.count()),
            milliseconds(figures.longest.count()), milliseconds(m_sinceStart.nsecsElapsed()));
    }
}

bool Startup::runStep()
{
    if (!m_steps.empty() && !m_steps.front()()) {
        m_steps.pop_front();
    }
    return !m_steps.empty();
}

void Startup::closeSplash()
{
    m_idle.stop();
    m_splash->hide();
    m_splash->deleteLater();
}

void Startup::openGameWindow()
{
    m_handedOver = true;
    // What the splash did not leave time for: the window is built now, and the drawing
    // ahead is left to its first showing, which would only do it again.
    if (!m_steps.empty()) {
        QElapsedTimer rest;
        rest.start();
        const std::size_t left = m_steps.size();
        while (!m_built) {
            runStep();
        }
        qCDebug(lcStartup,
            "%zu preparation steps left at the hand-over: built in %.3f ms, %zu drawings "
            "left to the first frame",
            left, milliseconds(rest.nsecsElapsed()), m_steps.size());
        m_steps.clear();
    }

    // No window is on screen while the game window loads its first word: that gap
    // must not count as the last window closing.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    GameWindow *window = m_window.get();
    if (window->load(std::move(m_wordmark))) {
        window->showCentred();
        window->activateWindow();
    }
    QGuiApplication::setQuitOnLastWindowClosed(true);
}

SplashWindow *Startup::splash() const
{
    return m_splash;
}

} // namespace quimbelo::qt
