#include "app/application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::Program context(application);
    context.start();
    return application.exec();
}
