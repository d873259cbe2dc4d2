#include "app/application.h"
#include "app/windows.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::configure(application);
    app::registerWindows();
    app::start();
    const int status = application.exec();
    app::Windows::reset();
    return status;
}
