#include "kit/context.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    app::Context context(application);
    context.start();
    return application.exec();
}
