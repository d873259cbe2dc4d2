#include "app/application.h"
#include "practice/exercises.h"
#include "practice/practicewindow.h"
#include "practice/worksheet.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

// `--worksheet ...` writes a worksheet as a PDF and ends: no window, and no
// display needed (the pages are painted off screen).
int writeWorksheet(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication gui(argc, argv);
    QTextStream err(stderr);
    practice::WorksheetOptions options;
    QString fileName, error;
    if (!practice::parseWorksheetArguments(QCoreApplication::arguments().mid(1), options, fileName, error)) {
        err << "nabrosa: " << error << "\n"
            << "usage: nabrosa --worksheet SECTION[,SECTION...] [--count N] [--level 1|2|3] [--seed N] [--key]\n"
               "       [--figures] [--digits arabic|western] [--pi 3.14|22/7] [--paper a4|letter] [--title TEXT]\n"
               "       -o FILE.pdf\n"
            << "SECTION: " << practice::sections().join(QStringLiteral(", ")) << "\n";
        return 2;
    }
    if (!practice::writeWorksheetPdf(options, fileName, &error)) {
        err << "nabrosa: cannot write " << fileName << ": " << error << "\n";
        return 1;
    }
    return 0;
}

} // namespace

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
        if (QByteArrayView(argv[i]) == "--worksheet")
            return writeWorksheet(argc, argv);
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
    app::readFontsEarly();
    QApplication application(argc, argv);
    app::Program context(application);
    context.start();
    return application.exec();
}
