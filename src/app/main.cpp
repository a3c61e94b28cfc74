#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return 0; // the game window comes with the next step
}
