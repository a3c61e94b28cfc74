#include "appearance.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyClassicAppearance(app);

    Startup startup(QCoreApplication::applicationDirPath());
    QObject::connect(
        &startup, &Startup::finished, &app, [](int status) { QCoreApplication::exit(status); });
    startup.start();
    return QApplication::exec();
}
