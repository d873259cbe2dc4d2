#include "app/application.h"
#include "app/commandline.h"
#include "practice/practicewindow.h"
#include "practice/worksheet.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

namespace {

// Qt wants a private runtime folder. Without XDG_RUNTIME_DIR (a console
// login, su, a cron job) it makes its own under the temporary folder, and
// warns about it on every start; the program makes the same folder quietly.
void quietRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString folder = QDir::tempPath() + QStringLiteral("/runtime-") + QString::number(::getuid());
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QFileInfo info(folder);
    if (info.isDir() && info.ownerId() == ::getuid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
}

// `--worksheet ...` writes a worksheet as a PDF and ends: no window, and no
// display needed (the pages are painted off screen).
int writeWorksheet(int argc, char *argv[], const app::CommandLine &line)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication gui(argc, argv);
    QString error;
    if (!practice::writeWorksheetPdf(line.worksheet, line.fileName, &error)) {
        QTextStream(stderr) << "nabrosa: cannot write " << line.fileName << ": " << error << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // The whole command line is read before any application object: help,
    // version, exercises and worksheets need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const app::CommandLine line = app::readCommandLine(arguments);
    switch (line.mode) {
    case app::CommandLine::Mode::Help:
        QTextStream(stdout) << app::helpText();
        return 0;
    case app::CommandLine::Mode::Version:
        QTextStream(stdout) << app::versionText();
        return 0;
    case app::CommandLine::Mode::Refused:
        QTextStream(stderr) << line.refusal;
        return 2;
    case app::CommandLine::Mode::Exercises: {
        QTextStream out(stdout);
        app::printExercises(line, out);
        return 0;
    }
    case app::CommandLine::Mode::Worksheet:
        quietRuntimeFolder();
        return writeWorksheet(argc, argv, line);
    case app::CommandLine::Mode::Window:
        break;
    }
    if (line.seed)
        practice::setProgramSeed(line.seed);
    quietRuntimeFolder();
    app::readFontsEarly();
    QApplication application(argc, argv);
    app::Program context(application);
    context.start();
    return application.exec();
}
