#include "app/application.h"
#include "practice/exercises.h"
#include "practice/practicewindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    // `--exercises SECTION ...` prints exercises and ends, without a window
    // and without a display: it is handled before any QApplication.
    for (int i = 1; i < argc; ++i) {
        if (QByteArrayView(argv[i]) == "--exercises") {
            QCoreApplication core(argc, argv);
            QTextStream out(stdout), err(stderr);
            return practice::printExercises(QCoreApplication::arguments().mid(1), out, err);
        }
    }
    {
        // `--seed N`: the seed of every practice window's exercises.
        QStringList arguments;
        for (int i = 1; i < argc; ++i)
            arguments << QString::fromLocal8Bit(argv[i]);
        QTextStream err(stderr);
        if (const int code = practice::readProgramArguments(arguments, err))
            return code;
    }
    QApplication application(argc, argv);
    app::Program context(application);
    context.start();
    return application.exec();
}
