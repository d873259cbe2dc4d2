// What the areas, perimeters and volumes windows share: opening from the main
// menu, the unit notice, the not-available option, the frame buttons, the
// close box, and a layout where nothing is cut off or overlaps.

#include "support/scripted.h"
#include "support/ui.h"

#include "app/banner.h"
#include "app/window.h"
#include "numtext/notice.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace numtext;

namespace {
const QString CloseQuestion = QStringLiteral("هل أنت متأكد من إغلاق هذه النافذة والانتقال إلى الصفحة الرئيسية؟");

// What a user can see of a window: every named control with its text, and
// whether it is shown, enabled, chosen and the default button.
QStringList snapshot(QWidget *window)
{
    QStringList lines;
    for (QWidget *c : window->findChildren<QWidget *>()) {
        if (c->parentWidget() != window || c->objectName().isEmpty())
            continue;
        QString line = c->objectName() + (c->isVisibleTo(window) ? " shown" : " hidden")
                       + (c->isEnabled() ? "" : " disabled");
        if (auto *e = qobject_cast<QLineEdit *>(c))
            line += " [" + e->text() + "]";
        else if (auto *l = qobject_cast<QLabel *>(c))
            line += " [" + l->text() + "]";
        if (auto *b = qobject_cast<QAbstractButton *>(c))
            line += " [" + b->text() + "]" + (b->isChecked() ? " chosen" : "");
        if (auto *p = qobject_cast<QPushButton *>(c); p && p->isDefault())
            line += " default";
        lines << line;
    }
    lines.sort();
    return lines;
}

// The room a control needs for its caption.
int captionWidth(QWidget *c)
{
    if (auto *r = qobject_cast<QRadioButton *>(c))
        return r->sizeHint().width();
    if (auto *b = qobject_cast<QPushButton *>(c))
        return b->fontMetrics().horizontalAdvance(b->text()) + 8;
    if (auto *l = qobject_cast<QLabel *>(c))
        return l->fontMetrics().horizontalAdvance(l->text());
    return 0;
}
} // namespace

class FigureWindowTest : public WindowTest {
    Q_OBJECT
private slots:
    void opensFromTheMenu_data();
    void opensFromTheMenu();
    void unitNotice_data();
    void unitNotice();
    void unavailableOption_data();
    void unavailableOption();
    void menuButtonKeepsEverything_data();
    void menuButtonKeepsEverything();
    void closeBox_data();
    void closeBox();
    void lawsButton_data();
    void lawsButton();
    void exitConfirmation_data();
    void exitConfirmation();
    void nothingCutOffOrOverlapping_data();
    void nothingCutOffOrOverlapping();

private:
    QWidget *open(const QString &menuOption, const QString &window)
    {
        if (!ui::click(ui::control("Form1", qPrintable(menuOption))) || !ui::click("Form1", "Command1"))
            return nullptr;
        return ui::window(qPrintable(window));
    }
    // Chooses a figure, types into one of its boxes and calculates.
    static void work(QWidget *w, const QString &option, const QString &box, const QString &text,
                     const QString &calculate)
    {
        QVERIFY(ui::click(ui::control(w, qPrintable(option))));
        ui::type(ui::control<QLineEdit>(w, qPrintable(box)), text);
        QVERIFY(ui::click(ui::control(w, qPrintable(calculate))));
    }
};

// Each window with a figure, a box of that figure and its calculate button.
static void windows()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("calculate");
    QTest::newRow("areas") << "Op2" << "Form4" << "Op1" << "tc2" << "Comc";
    QTest::newRow("perimeters") << "Op4" << "Form6" << "Op3" << "Te1" << "Comb";
    QTest::newRow("volumes") << "Op7" << "Form9" << "Op1" << "Te1" << "Comk";
}

void FigureWindowTest::opensFromTheMenu_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("word");
    QTest::newRow("areas") << "Op2" << "Form4" << QStringLiteral("حساب المساحات") << QStringLiteral("المساحة");
    QTest::newRow("perimeters") << "Op4" << "Form6" << QStringLiteral("حساب المحيط") << QStringLiteral("المحيط");
    QTest::newRow("volumes") << "Op7" << "Form9" << QStringLiteral("حساب الأحجام") << QStringLiteral("الحجم");
}

void FigureWindowTest::opensFromTheMenu()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QString, word);
    QWidget *w = open(menuOption, window);
    QVERIFY(w && w->isVisible());
    QVERIFY(!ui::window("Form1")->isVisible());
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(ui::control<app::Banner>(w, "Picture1")->word(), word);
    QCOMPARE(ui::control<QLineEdit>(w, "Text1")->text(), QStringLiteral("اختر من الخيارات التي بالأســفـل"));
    for (const char *heading : {"Text1", "la22"}) {
        auto *line = ui::control<QLineEdit>(w, heading);
        QVERIFY(line->isReadOnly());
        QVERIFY(line->font().bold());
    }
    QCOMPARE(ui::control<QPushButton>(w, "Command1")->text(), QStringLiteral("خروج"));
    QCOMPARE(ui::control<QPushButton>(w, "Command2")->text(), QStringLiteral("قوانين رياضية"));
    QCOMPARE(ui::control<QPushButton>(w, "Command3")->text(), QStringLiteral("القائمة الرئيسية"));
    // Before a figure is chosen Enter has nothing to press.
    const QStringList before = snapshot(w);
    ui::pressEnter(ui::control(w, "la22"));
    QCOMPARE(snapshot(w), before);
}

void FigureWindowTest::unitNotice_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("areas") << "Op2" << "Form4" << QStringLiteral("اضغط هنا لمعرفة وحدة المساحة")
                           << QStringLiteral("وحدة المساحة = متر مربع") << QStringLiteral("المساحة");
    QTest::newRow("perimeters") << "Op4" << "Form6" << QStringLiteral("اضغط هنا لمعرفة وحدة المحيط")
                                << QStringLiteral("وحدة المحيط = متر .. وكذلك وحدة المسافة = متر ")
                                << QStringLiteral("المحيط");
    QTest::newRow("volumes") << "Op7" << "Form9" << QStringLiteral("اضغط هنا لمعرفة وحدة الحجم")
                             << QStringLiteral("وحدة الحجم = متر مكعب") << QStringLiteral("الحجم");
}

void FigureWindowTest::unitNotice()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, tip);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    auto *unit = ui::control<QLabel>(w, "Label7");
    QCOMPARE(unit->text(), QStringLiteral("؟"));
    QCOMPARE(unit->toolTip(), tip);
    notices.expect(text, 0x80000, title);
    QVERIFY(ui::click(unit));
}

void FigureWindowTest::unavailableOption_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("chosen"); // before the click; empty for none
    QTest::newRow("areas, nothing chosen") << "Op2" << "Form4" << QStringLiteral("مساحة الهرم والمنشور") << "";
    QTest::newRow("areas, sphere chosen") << "Op2" << "Form4" << QStringLiteral("مساحة الهرم والمنشور") << "Op11";
    QTest::newRow("volumes, nothing chosen") << "Op7" << "Form9" << QStringLiteral("حجم الهرم والمنشور") << "";
    QTest::newRow("volumes, cone chosen") << "Op7" << "Form9" << QStringLiteral("حجم الهرم والمنشور") << "Op5";
}

void FigureWindowTest::unavailableOption()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QString, chosen);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    auto *unavailable = ui::control<QRadioButton>(w, "Option1");
    QCOMPARE(unavailable->text(), caption);
    if (!chosen.isEmpty())
        QVERIFY(ui::click(ui::control(w, qPrintable(chosen))));
    const QStringList before = snapshot(w);
    notices.expect(QStringLiteral("هذه الخاصية غير متوفرة حاليا في هذا الإصدار\r\nربما يتم إضافتها في إصدار أحدث"),
                   0x80000, QStringLiteral("غير متوفر"));
    QVERIFY(ui::click(unavailable));
    // Only the notice: the figure shown before stays chosen.
    QCOMPARE(snapshot(w), before);
}

void FigureWindowTest::menuButtonKeepsEverything_data() { windows(); }

void FigureWindowTest::menuButtonKeepsEverything()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QString, box);
    QFETCH(QString, calculate);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    work(w, option, box, QStringLiteral("7"), calculate);
    ui::type(ui::control<QLineEdit>(w, qPrintable(box)), QStringLiteral("8"));
    const QStringList before = snapshot(w);
    QVERIFY(ui::click(ui::control(w, "Command3")));
    QVERIFY(!w->isVisible());
    QVERIFY(ui::window("Form1")->isVisible());
    QCOMPARE(open(menuOption, window), w);
    QVERIFY(w->isVisible());
    QCOMPARE(snapshot(w), before);
    // Enter in the box still runs the figure chosen before.
    ui::control(w, qPrintable(box))->setFocus();
    ui::pressEnter(ui::control(w, qPrintable(box)));
    QVERIFY(snapshot(w) != before);
}

void FigureWindowTest::closeBox_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<int>("answer");
    for (int answer : {answer::Yes, answer::No}) {
        const char *said = answer == answer::Yes ? "yes" : "no";
        QTest::addRow("areas, %s", said) << "Op2" << "Form4" << "Op6" << "Tk1" << "Comk3" << answer;
        QTest::addRow("perimeters, %s", said) << "Op4" << "Form6" << "Op5" << "Te3" << "Comt" << answer;
        QTest::addRow("volumes, %s", said) << "Op7" << "Form9" << "Op3" << "Te2" << "Coms" << answer;
    }
}

void FigureWindowTest::closeBox()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QString, box);
    QFETCH(QString, calculate);
    QFETCH(int, answer);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    const QStringList initial = snapshot(w);
    QVERIFY(ui::click(ui::control(w, qPrintable(option))));
    ui::type(ui::control<QLineEdit>(w, qPrintable(box)), QStringLiteral("5"));
    const QStringList worked = snapshot(w);
    notices.expect(CloseQuestion, 0x80004, QStringLiteral("إغلاق النافذة"), answer);
    const bool closed = ui::closeBox(qPrintable(window));
    QCOMPARE(closed, answer == answer::Yes);
    QCOMPARE(ui::window("Form1")->isVisible(), closed);
    if (!closed) {
        QVERIFY(w->isVisible());
        QCOMPARE(snapshot(w), worked);
        return;
    }
    ui::settle();
    QWidget *again = open(menuOption, window);
    QVERIFY(again && again->isVisible());
    QCOMPARE(snapshot(again), initial);
    QVERIFY(!static_cast<app::Window *>(again)->defaultButton());
}

void FigureWindowTest::lawsButton_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("laws");
    QTest::newRow("areas") << "Op2" << "Form4" << "Form11";
    QTest::newRow("perimeters") << "Op4" << "Form6" << "Form12";
    QTest::newRow("volumes") << "Op7" << "Form9" << "Form14";
}

void FigureWindowTest::lawsButton()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, laws);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    QVERIFY(ui::click(ui::control(w, "Command2")));
    // The section window stays; the laws window opens beside it once the
    // program has it.
    QVERIFY(w->isVisible());
    QVERIFY(!ui::window("Form1")->isVisible());
    if (app::Windows::isKnown(laws))
        QVERIFY(app::Windows::find(laws) && app::Windows::find(laws)->isVisible());
    else
        QVERIFY(!app::Windows::find(laws));
}

void FigureWindowTest::exitConfirmation_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("answer");
    for (int answer : {answer::Yes, answer::No}) {
        const char *said = answer == answer::Yes ? "yes" : "no";
        QTest::addRow("areas, %s", said) << "Op2" << "Form4" << answer;
        QTest::addRow("perimeters, %s", said) << "Op4" << "Form6" << answer;
        QTest::addRow("volumes, %s", said) << "Op7" << "Form9" << answer;
    }
}

void FigureWindowTest::exitConfirmation()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(int, answer);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    notices.expect(QStringLiteral("هل أنت متأكد من الخروج ؟"), 0x80024, QStringLiteral("تنبيه"), answer);
    QVERIFY(ui::click(ui::control(w, "Command1")));
    QCOMPARE(programEnds, answer == answer::Yes ? 1 : 0);
    QVERIFY(w->isVisible());
}

void FigureWindowTest::nothingCutOffOrOverlapping_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    const char *const areas[] = {"Op1", "Op11", "Op2", "Op3", "Op4", "Op5", "Op6"};
    const char *const perimeters[] = {"Op1", "Op2", "Op3", "Op4", "Op5", "Op6"};
    const char *const volumes[] = {"Op1", "Op2", "Op3", "Op4", "Op5"};
    for (const char *o : areas)
        QTest::addRow("areas, %s", o) << "Op2" << "Form4" << o;
    for (const char *o : perimeters)
        QTest::addRow("perimeters, %s", o) << "Op4" << "Form6" << o;
    for (const char *o : volumes)
        QTest::addRow("volumes, %s", o) << "Op7" << "Form9" << o;
}

void FigureWindowTest::nothingCutOffOrOverlapping()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, option);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    QVERIFY(ui::click(ui::control(w, qPrintable(option))));
    QList<QWidget *> shown;
    for (QWidget *c : w->findChildren<QWidget *>())
        if (c->parentWidget() == w && c->isVisible())
            shown << c;
    for (QWidget *c : shown) {
        QVERIFY2(w->rect().contains(c->geometry()), qPrintable(c->objectName()));
        QVERIFY2(captionWidth(c) <= c->width(), qPrintable(c->objectName()));
        for (QWidget *d : shown) {
            // A seam of one pixel, where twips round to pixels, is no overlap.
            const QRect common = c->geometry().intersected(d->geometry());
            QVERIFY2(c == d || common.isEmpty() || common.height() == 1 || common.width() == 1,
                     qPrintable(c->objectName() + " / " + d->objectName()));
        }
    }
}

QTEST_MAIN(FigureWindowTest)
#include "test_figurewindow.moc"
