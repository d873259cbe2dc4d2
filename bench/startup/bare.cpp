// The yardstick: a bare Qt window with one label.

#include "probe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    const long long start = startup::startFromArguments(argc, argv);
    QApplication application(argc, argv);
    QWidget window;
    QLabel label(QStringLiteral("Nabrosa"), &window);
    window.resize(321, 441);
    startup::FirstPaint probe(&window, start);
    window.show();
    return application.exec();
}
