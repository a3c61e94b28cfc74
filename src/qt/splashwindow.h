// SPDX-License-Identifier: MIT
#pragma once

#include "formwidgets.h"
#include "picture.h"

#include <QWidget>

#include <memory>

class QFrame;

namespace quimbelo::play {
class SplashPlay;
}

namespace quimbelo::qt {

// frmSplash, the window that opens the program, built from its design. It draws itself
// and forwards the player's keys and clicks, its timer and a request to close it to the
// play layer, which decides when it hands over.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SplashWindow(QWidget *parent = nullptr);
    ~SplashWindow() override;

    // Where its events go; none before this is called.
    void forwardTo(play::SplashPlay *play);

    play::WindowWidgets &widgets() { return *m_widgets; }

    // Shows the splash centred on the screen.
    void showCentred();

    // The wordmark it shows, which the game window goes on showing.
    const Picture::Ptr &wordmark() const { return m_wordmark; }

    // The raised dialog frame around the client area, in logical pixels.
    static constexpr int kDialogFrame = 3;

Q_SIGNALS:
    // The splash's first frame is being painted; emitted once.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<FormWidgets> m_widgets;
    play::SplashPlay *m_play = nullptr;
    Picture::Ptr m_wordmark;
    QFrame *Frame1 = nullptr;
    bool m_pressedOnFrame = false;
    bool m_painted = false;
};

} // namespace quimbelo::qt
