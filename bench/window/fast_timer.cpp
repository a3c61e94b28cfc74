// SPDX-License-Identifier: MIT
// The real program, started exactly as main.cpp starts it, with one change made from the
// outside once the game window is open: its "Novedad" timer (Timer2) ticks every 1 ms,
// the interval it was designed with, instead of the 55 ms the window gives it.
//
//   bench_fast_timer PROGRAM_FOLDER [INTERVAL_MS]

#include "appearance.h"
#include "gamewindow.h"
#include "startup.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

using namespace quimbelo::qt;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyClassicAppearance(app);
    const QString folder
        = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QCoreApplication::applicationDirPath();
    const int interval = argc > 2 ? std::atoi(argv[2]) : 1;

    Startup startup(QFile::encodeName(folder).toStdString());
    QObject::connect(
        &startup, &Startup::finished, &app, [](int status) { QCoreApplication::exit(status); });
    startup.start();

    auto *watch = new QTimer(&app);
    watch->setInterval(10);
    QObject::connect(watch, &QTimer::timeout, &app, [&startup, watch, interval] {
        GameWindow *window = startup.gameWindow();
        if (!window) {
            return;
        }
        watch->stop();
        auto *timer2 = window->findChild<QTimer *>(QStringLiteral("Timer2"));
        if (!timer2) {
            std::fprintf(stderr, "bench_fast_timer: the game window has no Timer2\n");
            QCoreApplication::exit(3);
            return;
        }
        const int before = timer2->interval();
        timer2->setInterval(interval);
        std::fprintf(stderr, "bench_fast_timer: Timer2 %d ms -> %d ms (active %d, type %d)\n",
            before, timer2->interval(), timer2->isActive() ? 1 : 0, int(timer2->timerType()));
    });
    watch->start();
    return QApplication::exec();
}
