// The keyboard alone: the control that holds the focus when a window opens,
// the Tab and Shift+Tab order, Enter on the main menu, Escape, and choosing
// options by click, arrow keys, space bar and a screen reader's action.

#include "support/scripted.h"
#include "support/ui.h"

#include "kit/controls.h"
#include "kit/notice.h"
#include "kit/windows.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QFocusFrame>
#include <QPushButton>
#include <QRadioButton>

using namespace numtext;

namespace {

// Opens a window as a user meets it: shown and active, the focus where the
// window puts it.
QWidget *openActive(const QString &name)
{
    QWidget *w = app::Windows::show(name);
    QApplication::setActiveWindow(w);
    return w;
}

QString focusName()
{
    QWidget *f = QApplication::focusWidget();
    return f ? f->objectName() : QStringLiteral("(none)");
}

// The names the focus passes through, starting where it is, one key per step.
QStringList walk(Qt::Key key, int stops)
{
    QStringList names{focusName()};
    for (int i = 1; i < stops && QApplication::focusWidget(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        names << focusName();
    }
    return names;
}

const QString NothingChosen = QStringLiteral("من فضلك اختر أحد الحسابات ... ثم اضغط على زر انتقــــال");

} // namespace

class KeyboardTest : public WindowTest {
    Q_OBJECT
private slots:
    void tabOrderAndFirstFocus_data();
    void tabOrderAndFirstFocus();
    void enterOnTheMenuAtStart();
    void enterOnTheMenuAfterChoosingByKeyboard();
    void focusComesBackToTheListWhenTheMenuReturns();
    void optionChoice_data();
    void optionChoice();
    void arrowKeysWalkTheWholeList_data();
    void arrowKeysWalkTheWholeList();
    void focusIsMarked();
    void escapeCloses_data();
    void escapeCloses();
};

// Each window with the control that holds the focus when it first opens and
// the order Tab takes through its shown controls. A full row walks the whole
// cycle back to its start; a partial row checks only how the cycle begins.
void KeyboardTest::tabOrderAndFirstFocus_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order"); // the first is the first focus
    QTest::addColumn<bool>("full");
    // A list of options is one stop: its first option while none is chosen.
    QTest::newRow("Form1 main menu") << "Form1" << QStringList{"Op1",      "Command1", "Command2", "Command4",
                                                               "Command3", "Command7", "Command6"}
                                     << true;
    QTest::newRow("Form2 login") << "Form2" << QStringList{"Text1", "Command1", "Command7", "Command2", "Command4"}
                                 << true;
    QTest::newRow("Form3 conventional calculator")
        << "Form3" << QStringList{"Text1",     "Text2",    "Command6",  "Command7",    "Command8",      "Command9",
                                  "Command11", "Command4", "Command13", "Command10",   "Text3",         "Command2",
                                  "Command1",  "Text4",    "Text5",     "StepsButton", "PracticeButton"}
        << true;
    QTest::newRow("Form4 areas") << "Form4" << QStringList{"Op1", "tc3", "Command3"} << false;
    QTest::newRow("Form5 conversions") << "Form5" << QStringList{"Op1", "Command3"} << false;
    QTest::newRow("Form6 perimeters") << "Form6" << QStringList{"Op5", "Te5", "Command3"} << false;
    QTest::newRow("Form7 trigonometry") << "Form7" << QStringList{"Op3", "Te1"} << false;
    QTest::newRow("Form8 other operations") << "Form8" << QStringList{"Picture1", "Op2", "Command3"} << false;
    QTest::newRow("Form9 volumes") << "Form9" << QStringList{"Op5", "Te5", "Command3"} << false;
    QTest::newRow("Form10 about") << "Form10" << QStringList{"Text1", "Command1"} << true;
    QTest::newRow("Form11 area laws") << "Form11" << QStringList{"Picture2", "Command1"} << true;
    QTest::newRow("Form12 perimeter laws") << "Form12" << QStringList{"Picture2", "Command1"} << true;
    QTest::newRow("Form13 temperature and angle laws")
        << "Form13" << QStringList{"Op1", "Command2", "Command1", "Pic2"} << true;
    QTest::newRow("Form14 volume laws") << "Form14" << QStringList{"Picture2", "Command1"} << true;
    QTest::newRow("Form15 advanced calculator")
        << "Form15"
        << QStringList{"Text1",     "Command29", "Command21", "Command20", "Command22",  "Command16", "Command28",
                       "Command18", "Command8",  "Command23", "Command15", "Command11",  "Command7",  "Command3",
                       "Command24", "Command14", "Command10", "Command6",  "Command2",   "Command25", "Command13",
                       "Command9",  "Command5",  "Command1",  "Command26", "Command12",  "Command17", "Command4",
                       "Command27", "Command30", "Command31", "Command19", "StepsButton"}
        << true;
    QTest::newRow("Form16 equation solver")
        << "Form16" << QStringList{"Te1", "Te2",      "Te3",      "Command4", "Command2",    "Te4",
                                   "Te5", "Command3", "Command5", "Command1", "StepsButton", "PracticeButton"}
        << true;
    QTest::newRow("Form17 fractions") << "Form17"
                                      << QStringList{"Picture1", "Opt1",     "Text1",       "Text2",         "Text3",
                                                     "Text4",    "Text5",    "Text6",       "Command4",      "Command2",
                                                     "Command3", "Command1", "StepsButton", "PracticeButton"}
                                      << true;
    QTest::newRow("Form19 quadratic laws") << "Form19" << QStringList{"Command1", "Op1", "Command2"} << true;
    QTest::newRow("Form22 trigonometric laws") << "Form22" << QStringList{"Picture1", "Command1"} << true;
}

void KeyboardTest::tabOrderAndFirstFocus()
{
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    QFETCH(bool, full);
    QWidget *w = openActive(window);
    QVERIFY(w && w->isVisible());
    const int steps = int(order.size()) + (full ? 1 : 0);
    QStringList forward = order;
    if (full)
        forward << order.front();
    QCOMPARE(walk(Qt::Key_Tab, steps), forward);
    if (!full)
        return;
    // Shift+Tab goes the same way back.
    QStringList backward = forward;
    std::reverse(backward.begin(), backward.end());
    QCOMPARE(walk(Qt::Key_Backtab, steps), backward);
}

void KeyboardTest::enterOnTheMenuAtStart()
{
    QWidget *menu = openActive(QStringLiteral("Form1"));
    QCOMPARE(focusName(), QStringLiteral("Op1"));
    notices.expect(NothingChosen, style::OkOnly, applicationTitle());
    ui::pressEnter(QApplication::focusWidget());
    QVERIFY(menu->isVisible());
    QVERIFY(!ui::control<QRadioButton>("Form1", "Op1")->isChecked());
    QVERIFY(!app::Windows::find(QStringLiteral("Form2")));
}

void KeyboardTest::enterOnTheMenuAfterChoosingByKeyboard()
{
    openActive(QStringLiteral("Form1"));
    // Op1, Op4, Op7, Op2: Down moves along the list and chooses.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(focusName(), QStringLiteral("Op2"));
    QVERIFY(ui::control<QRadioButton>("Form1", "Op2")->isChecked());
    QVERIFY(!ui::control<QRadioButton>("Form1", "Op7")->isChecked());
    ui::pressEnter(QApplication::focusWidget());
    QVERIFY(!ui::window("Form1")->isVisible());
    QVERIFY(ui::window("Form4") && ui::window("Form4")->isVisible());
}

void KeyboardTest::focusComesBackToTheListWhenTheMenuReturns()
{
    openActive(QStringLiteral("Form1"));
    QVERIFY(ui::click("Form1", "Op9"));
    QVERIFY(ui::click("Form1", "Command1"));
    QWidget *equation = ui::window("Form16");
    QApplication::setActiveWindow(equation);
    QVERIFY(ui::click("Form16", "Command3"));
    QApplication::setActiveWindow(ui::window("Form1"));
    // Not the button that left; Enter navigates again.
    QVERIFY(focusName() != QLatin1String("Command1"));
    QVERIFY(focusName() != QLatin1String("Command3"));
    ui::pressEnter(QApplication::focusWidget());
    QVERIFY(equation->isVisible());
}

// An option's choice runs its handler once, whatever way the pupil chooses:
// each row names the option and what its handler shows.
void KeyboardTest::optionChoice_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("shown"); // a control the handler shows
    QTest::addColumn<QString>("how");
    const QStringList ways{"click", "space", "toggle", "action"};
    struct Row {
        const char *window, *option, *shown;
    };
    const Row rows[] = {
        {"Form17", "Opt1", "Com2"},    {"Form17", "Opt2", "Com4"}, {"Form13", "Op2", "Pic3"},
        {"Form13", "Op1", "Command2"}, {"Form19", "Op1", "Pic1"},  {"Form19", "Op2", "Pic2"},
    };
    for (const Row &r : rows)
        for (const QString &how : ways)
            QTest::addRow("%s %s %s", r.window, r.option, qPrintable(how)) << r.window << r.option << r.shown << how;
}

void KeyboardTest::optionChoice()
{
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QString, shown);
    QFETCH(QString, how);
    QWidget *w = openActive(window);
    auto *o = ui::control<app::Option>(w, qPrintable(option));
    QWidget *target = ui::control(w, qPrintable(shown));
    // Start from the other choice, so that every way has something to change.
    for (auto *other : w->findChildren<app::Option *>())
        if (other != o) {
            QVERIFY(ui::click(other));
            break;
        }
    QVERIFY(!target->isVisible());
    int runs = 0;
    connect(o, &app::Option::chosen, this, [&] { ++runs; });
    if (how == "click") {
        QVERIFY(ui::click(o));
    } else if (how == "space") {
        o->setFocus();
        QTest::keyClick(o, Qt::Key_Space);
    } else if (how == "toggle") {
        o->toggle();
    } else {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(o);
        QVERIFY(a && a->actionInterface());
        const QStringList actions = a->actionInterface()->actionNames();
        QVERIFY2(!actions.isEmpty(), "the option offers no action");
        a->actionInterface()->doAction(actions.front());
    }
    QVERIFY(o->isChecked());
    QCOMPARE(runs, 1);
    QVERIFY(target->isVisible());
}

// The arrow keys move along a list and choose the option they reach, its
// handler run once, whether or not an option was chosen before; the list
// goes round; Left reads on in the right-to-left windows.
void KeyboardTest::arrowKeysWalkTheWholeList_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("list"); // in the order Down walks it
    QTest::newRow("Form1") << "Form1"
                           << QStringList{"Op1", "Op4", "Op7", "Op2", "Op3", "Op9", "Op10", "Op6", "Op8", "Op5"};
    QTest::newRow("Form17") << "Form17" << QStringList{"Opt1", "Opt2"};
    QTest::newRow("Form13") << "Form13" << QStringList{"Op1", "Op2"};
    QTest::newRow("Form19") << "Form19" << QStringList{"Op1", "Op2"};
}

void KeyboardTest::arrowKeysWalkTheWholeList()
{
    QFETCH(QString, window);
    QFETCH(QStringList, list);
    QWidget *w = openActive(window);
    auto *first = ui::control<app::Option>(w, qPrintable(list.front()));
    first->setFocus();
    QStringList reached{focusName()}, chosen;
    for (auto *o : w->findChildren<app::Option *>())
        connect(o, &app::Option::chosen, this, [&chosen, o] { chosen << o->objectName(); });
    for (int i = 1; i < list.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        reached << focusName();
    }
    QCOMPARE(reached, list);
    QCOMPARE(chosen, list.mid(1));
    QVERIFY(ui::control<QRadioButton>(w, qPrintable(list.back()))->isChecked());
    // Round to the start.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(focusName(), list.front());
    QVERIFY(first->isChecked());
    // Left goes on, Right back, Up back round to the end.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(focusName(), list.at(1));
    QVERIFY(ui::control<QRadioButton>(w, qPrintable(list.at(1)))->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(focusName(), list.front());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(focusName(), list.back());
    QVERIFY(ui::control<QRadioButton>(w, qPrintable(list.back()))->isChecked());
    QCOMPARE(chosen.size(), list.size() + 3);
}

// A ring around the focused control, whatever its kind, follows the focus.
void KeyboardTest::focusIsMarked()
{
    QWidget *w = openActive(QStringLiteral("Form17"));
    for (int i = 0; i < 4; ++i) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus && focus->window() == w);
        const QList<QFocusFrame *> marks = w->findChildren<QFocusFrame *>();
        QCOMPARE(marks.size(), 1);
        QFocusFrame *mark = marks.front();
        QVERIFY(mark->isVisible());
        QCOMPARE(mark->widget(), focus);
        QVERIFY(mark->geometry().contains(QRect(focus->mapTo(w, QPoint(0, 0)), focus->size())));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
}

void KeyboardTest::escapeCloses_data()
{
    QTest::addColumn<QString>("window");
    for (const char *w : {"Form10", "Form11", "Form12", "Form13", "Form14", "Form19", "Form22"})
        QTest::newRow(w) << w;
}

void KeyboardTest::escapeCloses()
{
    QFETCH(QString, window);
    QWidget *w = openActive(window);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!w->isVisible());
    // Only hidden: the window is still there for the next opening.
    QCOMPARE(app::Windows::find(window), w);
}

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
