// SPDX-License-Identifier: MIT
#include "startup.h"

#include "aboutwindow.h"
#include "mainwindow.h"
#include "splashwindow.h"

#include <QGuiApplication>

Startup::Startup(std::string programFolder, Desktop *desktop)
    : m_surroundings(std::move(programFolder), desktop)
{
}

Startup::~Startup() = default;

void Startup::start()
{
    m_splash = new SplashWindow;
    connect(
        m_splash, &SplashWindow::handOver, this, [this] { openGameWindow(m_splash->wordmark()); });
    m_splash->showCentred();
}

void Startup::openGameWindow(Picture::Ptr wordmark)
{
    if (m_mainWindow) {
        return;
    }
    // No window is on screen while the game window loads its first word: that gap
    // must not count as the last window closing.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    m_mainWindow = std::make_unique<MainWindow>(m_surroundings);
    MainWindow *window = m_mainWindow.get();
    connect(window, &MainWindow::programEnded, this,
        [this, window] { Q_EMIT finished(window->game().failed() ? 1 : 0); });
    connect(
        window, &MainWindow::aboutRequested, window, [window] { AboutWindow::showModal(window); });
    if (window->load(std::move(wordmark))) {
        window->showCentred();
        window->activateWindow();
    }
    QGuiApplication::setQuitOnLastWindowClosed(true);
}

SplashWindow *Startup::splash() const
{
    return m_splash;
}
