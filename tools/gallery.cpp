// Shows windows of the program one after another and saves a picture of each:
//   nabrosa-gallery OUTDIR Form1 Form3 Form4:Op1 ...
// A name may be followed by ':' and controls to click first (Form4:Op1:Comc).
// Run it under a real X server (Xvfb) to see what a pupil sees.

#include "app/application.h"
#include "kit/windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: nabrosa-gallery OUTDIR WINDOW[:CONTROL...]...\n");
        return 2;
    }
    app::Program context(application);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const QStringList parts = QString::fromLocal8Bit(argv[i]).split(QLatin1Char(':'));
        if (!app::Windows::names().contains(parts.first())) {
            std::fprintf(stderr, "no window %s\n", qPrintable(parts.first()));
            return 1;
        }
        QWidget *w = app::Windows::show(parts.first());
        if (!w) {
            std::fprintf(stderr, "no window %s\n", qPrintable(parts.first()));
            return 1;
        }
        w->move(20, 20);
        QTest::qWait(300);
        for (const QString &name : parts.mid(1)) {
            if (auto *b = w->findChild<QWidget *>(name))
                QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
        }
        QTest::qWait(300);
        const QString file = out.filePath(QString(argv[i]).replace(QLatin1Char(':'), QLatin1Char('-')) + ".png");
        w->screen()->grabWindow(w->winId()).save(file);
        std::printf("%s\n", qPrintable(file));
        w->hide();
    }
    return 0;
}
