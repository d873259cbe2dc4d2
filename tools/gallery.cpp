// Shows windows of the program one after another and saves a picture of each:
//   nabrosa-gallery OUTDIR Form1 Form3 Form4:Op1 ...
// A name may be followed by ':' and controls to click first (Form4:Op1:Comc),
// texts to type into its boxes (Form8:Op3:Te1=2:Coml) and "steps", which
// opens the window's steps and takes their picture instead; controls named
// after "steps" are those of the steps window (...:steps:ArabicDigits).
// "practice" opens the window's practice window (640×640) and grabs it
// instead; after it, "right" answers its exercise right, and the other parts
// click or type in it (Form4:practice:Hint:right).
// Run it under a real X server (Xvfb) to see what a pupil sees.

#include "app/application.h"
#include "kit/practicedoor.h"
#include "kit/steps.h"
#include "kit/stepswindow.h"
#include "kit/windows.h"
#include "practice/practicewindow.h"
#include "practice/progresswindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
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
    // Practice answered here goes into a record of its own, gone at the end.
    QTemporaryDir record;
    practice::useRecordFolder(record.path());
    practice::setProgramSeed(1);
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
        QWidget *shown = w;
        for (const QString &part : parts.mid(1)) {
            if (part == QLatin1String("steps")) {
                app::StepsSource *steps = app::stepsOf(w);
                if (!steps) {
                    std::fprintf(stderr, "no steps in %s\n", qPrintable(parts.first()));
                    return 1;
                }
                steps->open();
                shown = steps->stepsWindow();
                shown->resize(640, 720);
                shown->move(20, 20);
                QTest::qWait(300);
            } else if (part == QLatin1String("progress")) {
                app::openProgress(nullptr);
                shown = practice::progressWindow();
                shown->move(20, 20);
                QTest::qWait(300);
            } else if (part == QLatin1String("practice")) {
                app::PracticeDoor *door = app::practiceOf(w);
                if (!door) {
                    std::fprintf(stderr, "no practice in %s\n", qPrintable(parts.first()));
                    return 1;
                }
                door->open();
                shown = door->practiceWindow();
                shown->resize(640, 640);
                shown->move(20, 20);
                QTest::qWait(300);
            } else if (auto *practice = qobject_cast<practice::PracticeWindow *>(shown);
                       practice && part == QLatin1String("right")) {
                const practice::Exercise &e = practice->exercise();
                for (auto *choice : practice->findChildren<QRadioButton *>())
                    if (e.words && choice->text() == e.answer)
                        choice->setChecked(true);
                if (!e.words)
                    practice->findChild<QLineEdit *>(QStringLiteral("Answer"))->setText(e.answer);
                practice->Check_Click();
            } else if (const qsizetype equals = part.indexOf(QLatin1Char('=')); equals > 0) {
                if (auto *box = shown->findChild<QLineEdit *>(part.left(equals)))
                    box->setText(part.mid(equals + 1));
            } else if (auto *b = shown->findChild<QWidget *>(part)) {
                QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
            }
        }
        QTest::qWait(300);
        QString name =
            QString(argv[i]).replace(QLatin1Char(':'), QLatin1Char('-')).replace(QLatin1Char('='), QLatin1Char('_'));
        name.remove(QLatin1Char('/'));
        const QString file = out.filePath(name + ".png");
        shown->screen()->grabWindow(shown->winId()).save(file);
        std::printf("%s\n", qPrintable(file));
        if (shown != w)
            shown->hide();
        w->hide();
    }
    practice::useRecordFolder(QString());
    return 0;
}
