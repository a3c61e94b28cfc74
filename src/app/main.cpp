// SPDX-License-Identifier: MIT
#include "appearance.h"
#include "startup.h"

#include <QApplication>
#include <QFile>

int main(int argc, char *argv[])
{
    // On X11, Qt's shared-memory backing store waits on the server at every repaint; for
    // a window this small, plain transfers halve what the blinking decorations cost an
    // idle machine. A setting of the player's own is left alone.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    QApplication app(argc, argv);
    applyClassicAppearance(app);

    Startup startup(QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
    QObject::connect(
        &startup, &Startup::finished, &app, [](int status) { QCoreApplication::exit(status); });
    startup.start();
    return QApplication::exec();
}
