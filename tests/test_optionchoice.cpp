// The option windows from the keyboard and a screen reader: choosing an
// option by a click, the arrow keys, the space bar or the accessibility
// action (toggle) runs its handler once, the not-available options included;
// Tab walks each window in reading order from its first focus.

#include "support/scripted.h"
#include "support/ui.h"

#include "kit/window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
const QString NotAvailable = QStringLiteral(
    "هذه الخاصية غير متوفرة حاليا في هذا الإصدار\r\nربما يتم إضافتها في إصدار أحدث");

enum class Means { Click, ArrowDown, Space, Toggle };
} // namespace

class OptionChoiceTest : public WindowTest {
    Q_OBJECT
private slots:
    void choosingRunsTheHandlerOnce_data();
    void choosingRunsTheHandlerOnce();
    void tabOrderAndFirstFocus_data();
    void tabOrderAndFirstFocus();

private:
    // Opens a section from the main menu and makes it the active window, as
    // it is for a pupil.
    static QWidget *open(const QString &menuOption, const QString &window)
    {
        if (!ui::click(ui::control("Form1", qPrintable(menuOption))) || !ui::click("Form1", "Command1"))
            return nullptr;
        QWidget *w = ui::window(qPrintable(window));
        w->activateWindow();
        return QTest::qWaitForWindowActive(w) ? w : nullptr;
    }
};

void OptionChoiceTest::choosingRunsTheHandlerOnce_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("from"); // chosen first; the option stands just below it
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("heading"); // none: not available
    QTest::addColumn<QString>("action");
    QTest::addColumn<Means>("means");
    struct Case {
        const char *menuOption, *window, *from, *option;
        QString heading;
        const char *action;
    };
    const Case cases[] = {
        {"Op2", "Form4", "Op1", "Op11", QStringLiteral("حساب المساحة السطحية للكرة"), "Comb"},
        {"Op2", "Form4", "Op6", "Option1", QString(), nullptr},
        {"Op3", "Form5", "Op1", "Op3", QStringLiteral("التحويل من المئوي إلى الكالفن"), "Comk1"},
        {"Op3", "Form5", "Op7", "Op8", QStringLiteral("التحويل من الدرجات إلى الراديان"), "Comsd1"},
        {"Op4", "Form6", "Op5", "Op2", QStringLiteral("حساب محيط شبه المنحرف"), "Comh"},
        {"Op4", "Form6", "Op1", "Op3", QStringLiteral("حساب محيط المربع بطول ضلع واحد منه"), "Comb"},
        {"Op5", "Form7", "Op3", "Op1", QStringLiteral("حساب جتا الزاوية - Cos"), "comcos"},
        {"Op5", "Form7", "Op5", "Op2", QStringLiteral("حساب ظتا الزاوية - Cotan"), "comcot"},
        {"Op6", "Form8", "Op2", "Op1", QStringLiteral("ايجاد الجذر التربيعي"), "Comj"},
        {"Op6", "Form8", "Op6", "Option2", QString(), nullptr},
        {"Op7", "Form9", "Op5", "Op2", QStringLiteral("حساب حجم الكرة"), "Comr"},
        {"Op7", "Form9", "Op3", "Option1", QString(), nullptr},
    };
    const std::pair<Means, const char *> ways[] = {{Means::Click, "click"},
                                                   {Means::ArrowDown, "arrow"},
                                                   {Means::Space, "space"},
                                                   {Means::Toggle, "toggle"}};
    for (const Case &c : cases) {
        for (const auto &[means, way] : ways) {
            QTest::addRow("%s %s by %s", c.window, c.option, way)
                << c.menuOption << c.window << c.from << c.option << c.heading << QString::fromLatin1(c.action)
                << means;
        }
    }
}

void OptionChoiceTest::choosingRunsTheHandlerOnce()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, from);
    QFETCH(QString, option);
    QFETCH(QString, heading);
    QFETCH(QString, action);
    QFETCH(Means, means);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    auto *earlier = ui::control<QRadioButton>(w, qPrintable(from));
    auto *chosen = ui::control<QRadioButton>(w, qPrintable(option));
    auto *la22 = ui::control<QLineEdit>(w, "la22");
    QVERIFY(ui::click(earlier));
    const QString earlierHeading = la22->text();
    QPushButton *earlierAction = static_cast<app::Window *>(w)->defaultButton();
    QVERIFY(earlierAction);

    // The not-available notice comes once for the one choice: a second one
    // would fail the test.
    if (heading.isEmpty())
        notices.expect(NotAvailable, 0x80000, QStringLiteral("غير متوفر"));
    switch (means) {
    case Means::Click:
        QVERIFY(ui::click(chosen));
        break;
    case Means::ArrowDown:
        earlier->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), earlier);
        QTest::keyClick(earlier, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), chosen);
        break;
    case Means::Space:
        chosen->setFocus(Qt::TabFocusReason);
        QTest::keyClick(chosen, Qt::Key_Space);
        break;
    case Means::Toggle:
        chosen->toggle();
        break;
    }
    QVERIFY(notices.pending.empty());

    if (heading.isEmpty()) {
        // Only the notice: the option chosen before keeps the mark and its panel.
        QCOMPARE(notices.shown.size(), 1);
        QVERIFY(!chosen->isChecked());
        QVERIFY(earlier->isChecked());
        QCOMPARE(la22->text(), earlierHeading);
        QCOMPARE(static_cast<app::Window *>(w)->defaultButton(), earlierAction);
        QVERIFY(earlierAction->isVisible());
        return;
    }
    QVERIFY(notices.shown.isEmpty());
    QVERIFY(chosen->isChecked());
    QCOMPARE(la22->text(), heading);
    QPushButton *own = static_cast<app::Window *>(w)->defaultButton();
    QVERIFY(own);
    QCOMPARE(own->objectName(), action);
    QVERIFY(own->isVisible());
    QVERIFY(!earlierAction->isVisible());
}

void OptionChoiceTest::tabOrderAndFirstFocus_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("opening"); // the Tab stops at the opening, from the first focus
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("order"); // the tab order over the controls shown once the option is chosen
    QTest::newRow("areas") << "Op2"
                           << "Form4" << QStringList{"Op1",      "Op11",     "Op5",         "Op3",           "Op2",
                                                     "Op4",      "Op6",      "Option1",     "tc3",           "Command3",
                                                     "Command2", "Command1", "StepsButton", "PracticeButton"}
                           << "Op1" << QStringList{"Op1",      "Op11",     "Op5",         "Op3",           "Op2",
                                                   "Op4",      "Op6",      "Option1",     "tc2",           "Command5",
                                                   "tc1",      "Command6", "Comc",        "tc3",           "Command3",
                                                   "Command2", "Command1", "StepsButton", "PracticeButton"};
    QTest::newRow("areas, the trapezoid")
        << "Op2"
        << "Form4"
        << QStringList{"Op1",     "Op11", "Op5",      "Op3",      "Op2",      "Op4",         "Op6",
                       "Option1", "tc3",  "Command3", "Command2", "Command1", "StepsButton", "PracticeButton"}
        << "Op2" << QStringList{"Op1",     "Op11",     "Op5",      "Op3",      "Op2",         "Op4",           "Op6",
                                "Option1", "Tf1",      "Comf1",    "Tf2",      "Comf2",       "Comf3",         "Comf4",
                                "Tf3",     "Command3", "Command2", "Command1", "StepsButton", "PracticeButton"};
    QTest::newRow("conversions") << "Op3"
                                 << "Form5"
                                 << QStringList{"Op1",      "Op3",         "Op5",           "Op4",      "Op2",
                                                "Op6",      "Op7",         "Op8",           "Command3", "Command5",
                                                "Command1", "StepsButton", "PracticeButton"}
                                 << "Op1"
                                 << QStringList{"Op1",         "Op3",           "Op5",      "Op4",      "Op2",
                                                "Op6",         "Op7",           "Op8",      "Te1",      "Comh1",
                                                "Com1",        "Te2",           "Command3", "Command5", "Command1",
                                                "StepsButton", "PracticeButton"};
    QTest::newRow("perimeters") << "Op4"
                                << "Form6" << QStringList{"Op5",      "Op2",      "Op4",         "Op1",
                                                          "Op3",      "Op6",      "Te5",         "Command3",
                                                          "Command2", "Command1", "StepsButton", "PracticeButton"}
                                << "Op3"
                                << QStringList{"Op5",      "Op2",      "Op4",      "Op1",         "Op3",
                                               "Op6",      "Te1",      "Com1",     "Comb",        "Te5",
                                               "Command3", "Command2", "Command1", "StepsButton", "PracticeButton"};
    QTest::newRow("trigonometry") << "Op5"
                                  << "Form7"
                                  << QStringList{"Op3",         "Op1",           "Op5",      "Op2",      "Op4",
                                                 "Op6",         "Te1",           "Comc",     "Te2",      "Command4",
                                                 "Te3",         "Command5",      "Command3", "Command2", "Command1",
                                                 "StepsButton", "PracticeButton"}
                                  << "Op3"
                                  << QStringList{"Op3",      "Op1",         "Op5",           "Op2",      "Op4",
                                                 "Op6",      "Te1",         "comsine",       "Comc",     "Te2",
                                                 "Command4", "Te3",         "Command5",      "Command3", "Command2",
                                                 "Command1", "StepsButton", "PracticeButton"};
    QTest::newRow("number operations") << "Op6"
                                       << "Form8"
                                       << QStringList{"Picture1", "Op2",         "Op1",           "Op9",     "Op3",
                                                      "Op4",      "Op5",         "Op6",           "Option2", "Command3",
                                                      "Command1", "StepsButton", "PracticeButton"}
                                       << "Op4"
                                       << QStringList{"Picture1",    "Op2",           "Op1", "Op9",      "Op3",
                                                      "Op4",         "Op5",           "Op6", "Option2",  "Te1",
                                                      "Comwl",       "com",           "Te2", "Command3", "Command1",
                                                      "StepsButton", "PracticeButton"};
    QTest::newRow("volumes") << "Op7"
                             << "Form9"
                             << QStringList{"Op5", "Op2",      "Op4",      "Op1",      "Op3",         "Option1",
                                            "Te5", "Command3", "Command2", "Command1", "StepsButton", "PracticeButton"}
                             << "Op1"
                             << QStringList{"Op5",      "Op2",      "Op4",      "Op1",         "Op3",
                                            "Option1",  "Te1",      "Com1",     "Comk",        "Te5",
                                            "Command3", "Command2", "Command1", "StepsButton", "PracticeButton"};
}

// Walks the window with Tab from the focused control, then back with
// Shift+Tab, and gives the names met on the way forward.
static QStringList walk(int steps)
{
    QStringList forward;
    for (int i = 0; i < steps; ++i) {
        forward << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList back;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        back.prepend(QApplication::focusWidget()->objectName());
    }
    if (back != forward)
        return QStringList{QStringLiteral("Shift+Tab walks back differently:")} + back;
    return forward;
}

// The names without the options of the list other than `stop`: a list is
// one Tab stop.
static QStringList oneStopPerList(QWidget *w, const QStringList &names, const QString &stop)
{
    QStringList stops;
    for (const QString &name : names)
        if (name == stop || !qobject_cast<QRadioButton *>(ui::control(w, qPrintable(name))))
            stops << name;
    return stops;
}

void OptionChoiceTest::tabOrderAndFirstFocus()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QStringList, opening);
    QFETCH(QString, option);
    QFETCH(QStringList, order);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    // At the opening the first control holds the focus and nothing is chosen;
    // Tab stops at the first option of the list and at the controls shown.
    QCOMPARE(QApplication::focusWidget(), ui::control(w, qPrintable(opening.first())));
    QString firstOption;
    for (const QString &name : opening)
        if (firstOption.isEmpty() && qobject_cast<QRadioButton *>(ui::control(w, qPrintable(name))))
            firstOption = name;
    const QStringList openingStops = oneStopPerList(w, opening, firstOption);
    QCOMPARE(walk(int(openingStops.size()) + 1), openingStops + QStringList{openingStops.first()});
    for (QRadioButton *o : w->findChildren<QRadioButton *>())
        QVERIFY2(!o->isChecked(), qPrintable(o->objectName()));

    // The tab order itself, every option included, over the controls shown
    // (the order of the list, as the arrows walk it).
    QVERIFY(ui::click(ui::control(w, qPrintable(option))));
    QStringList chain;
    QWidget *c = ui::control(w, qPrintable(order.first()));
    while (chain.size() < order.size()) {
        chain << c->objectName();
        do
            c = c->nextInFocusChain();
        while (c->focusPolicy() == Qt::NoFocus || c->parentWidget() != w || !c->isVisible() || !c->isEnabled());
    }
    QCOMPARE(chain, order);

    // Once an option is chosen Tab stops at it alone of the list.
    const QStringList stops = oneStopPerList(w, order, option);
    ui::control(w, qPrintable(stops.first()))->setFocus(Qt::TabFocusReason);
    QCOMPARE(walk(int(stops.size()) + 1), stops + QStringList{stops.first()});
}

QTEST_MAIN(OptionChoiceTest)
#include "test_optionchoice.moc"
