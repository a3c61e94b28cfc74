// SPDX-License-Identifier: MIT
#include "accessibility.h"
#include "appearance.h"
#include "programfolder.h"
#include "programinfo.h"
#include "startup.h"

#include <QApplication>

#include <cstdio>
#include <string_view>

int main(int argc, char *argv[])
{
    // The game takes no arguments; it only answers for its version, with no display.
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::printf("%s %s\n", QUIMBELO_TITLE, QUIMBELO_VERSION);
        return 0;
    }

    // On X11, Qt's shared-memory backing store waits on the server at every repaint; for
    // a window this small, plain transfers halve what the blinking decorations cost an
    // idle machine. A setting of the player's own is left alone, and the game's own is
    // taken back once read, so that the editor and the mail program it starts do not
    // inherit it.
    const bool ownTransferSetting = !qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM");
    if (ownTransferSetting) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    QApplication app(argc, argv);
    if (ownTransferSetting) {
        qunsetenv("QT_XCB_NO_MITSHM");
    }
    QCoreApplication::setApplicationVersion(QStringLiteral(QUIMBELO_VERSION));
    quimbelo::qt::applyClassicAppearance(app);
    quimbelo::qt::setUpAccessibility();

    quimbelo::qt::Startup startup(quimbelo::qt::programFolder());
    QObject::connect(&startup, &quimbelo::qt::Startup::finished, &app,
        [](int status) { QCoreApplication::exit(status); });
    startup.start();
    return QApplication::exec();
}
