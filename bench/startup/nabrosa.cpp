// The program as it starts for a pupil, watched until the main menu's first
// paint.

#include "probe.h"

#include "app/application.h"
#include "app/mainmenu.h"
#include "kit/windows.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const long long start = startup::startFromArguments(argc, argv);
    app::readFontsEarly();
    QApplication application(argc, argv);
    app::Program context(application);
    startup::FirstPaint probe(app::Windows::get<Form1>(), start);
    context.start();
    return application.exec();
}
