#include "appearance.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyClassicAppearance(app);

    MainWindow window(QCoreApplication::applicationDirPath());
    QObject::connect(&window, &MainWindow::programEnded, &app, [] { QCoreApplication::exit(0); });
    if (!window.load()) {
        return 1;
    }
    window.showCentred();
    return QApplication::exec();
}
