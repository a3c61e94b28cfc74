// SPDX-License-Identifier: MIT
#pragma once

#include "picture.h"

#include <QWidget>

class QTimer;
class QFrame;

namespace quimbelo::qt {

// frmSplash, the window that opens the program. The first character key, click on the
// free surface of its panel, or the end of its three seconds closes it and hands over
// to the game window, once.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SplashWindow(QWidget *parent = nullptr);

    // Shows the splash centred on the screen and starts its timer.
    void showCentred();

    // The wordmark it shows, which the game window goes on showing.
    const Picture::Ptr &wordmark() const { return m_wordmark; }

    // The raised dialog frame around the client area, in logical pixels.
    static constexpr int kDialogFrame = 3;

    // The three ways out, named after the events that call them.
    void Form_KeyPress();
    void Frame1_Click();
    void Timer1_Timer();

Q_SIGNALS:
    // The splash's first frame is being painted; emitted once.
    void firstPainted();
    // The splash has closed; emitted once.
    void handOver();

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void handOverOnce();

    Picture::Ptr m_wordmark;
    QFrame *Frame1 = nullptr;
    QTimer *Timer1 = nullptr;
    bool m_pressedOnFrame = false;
    bool m_painted = false;
    bool m_handedOver = false;
};

} // namespace quimbelo::qt
