// SPDX-License-Identifier: MIT
#pragma once

#include "desktop.h"
#include "picture.h"

#include <QObject>
#include <QPointer>

#include <memory>

class MainWindow;
class SplashWindow;

// The program's course: the splash first, then, once, the game window.
class Startup : public QObject
{
    Q_OBJECT

public:
    // programFolder: where the word lists lie, as the file system names it. desktop: the
    // system's own when null.
    explicit Startup(std::string programFolder, Desktop *desktop = nullptr);
    ~Startup() override;

    void start();

    SplashWindow *splash() const;
    MainWindow *mainWindow() const { return m_mainWindow.get(); }

Q_SIGNALS:
    // The program is to end now, with this exit status.
    void finished(int exitStatus);

private:
    void openGameWindow(Picture::Ptr wordmark);

    DesktopSurroundings m_surroundings;
    QPointer<SplashWindow> m_splash;
    std::unique_ptr<MainWindow> m_mainWindow;
};
