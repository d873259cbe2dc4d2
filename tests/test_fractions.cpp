// The fractions window: choosing the operation, the sum and difference over a
// common denominator, the checks before computing, the box limits, and the
// hand-over to the conventional calculator and back.

#include "support/scripted.h"
#include "support/ui.h"

#include "calculators/conventional.h"
#include "kit/notice.h"
#include "kit/windows.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace numtext;

namespace {
const QString Empty = QStringLiteral("فارغ");
const QString MathError = QStringLiteral("خطأ رياضي");
const QString ZeroDenominator1 = QStringLiteral("لا يمكن أن يكون المقام رقم 1 صفرا");
const QString ZeroDenominator2 = QStringLiteral("لا يمكن أن يكون المقام رقم 2 صفرا");
const QString CalculateFirst = QStringLiteral("من فضلك .. قم بالحسابات أولا");
const char *const Inputs[] = {"Text1", "Text2", "Text3", "Text4"};
const char *const AllBoxes[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};

// The option and the action button of each operation.
const char *actionOf(const QString &option) { return option == QLatin1String("Opt1") ? "Com2" : "Com4"; }
} // namespace

class FractionsTest : public WindowTest {
    Q_OBJECT
private slots:
    void init();
    void initialState();
    void choosingTheOperation_data();
    void choosingTheOperation();
    void enterBeforeChoosingDoesNothing();
    void calculate_data();
    void calculate();
    void choosingKeepsTheBoxes();
    void emptyBoxes_data();
    void emptyBoxes();
    void zeroDenominator_data();
    void zeroDenominator();
    void failuresLeaveBothResults_data();
    void failuresLeaveBothResults();
    void clearAll();
    void boxLimits_data();
    void boxLimits();
    void handOverNeedsAResult();
    void handOverAndBack_data();
    void handOverAndBack();
    void noLaws();
    void menuButtonKeepsTheWindow();
    void closeWithYesStartsAfresh();

private:
    void type(const QStringList &texts)
    {
        for (int i = 0; i < 4; ++i)
            ui::type("Form17", Inputs[i], texts[i]);
    }
    void compute(const QString &option, const QStringList &texts)
    {
        QVERIFY(ui::click("Form17", qPrintable(option)));
        type(texts);
        QVERIFY(ui::click("Form17", actionOf(option)));
    }
    QStringList result() const { return {ui::text("Form17", "Text5"), ui::text("Form17", "Text6")}; }
    // A result from an earlier calculation, which a stopped one must keep.
    void earlierResult()
    {
        compute("Opt1", {"1", "2", "1", "3"});
        QCOMPARE(result(), (QStringList{"5", "6"}));
    }
    static bool shown(const char *name) { return ui::control("Form17", name)->isVisible(); }
};

void FractionsTest::init()
{
    WindowTest::init();
    QVERIFY(ui::click("Form1", "Op10"));
    QVERIFY(ui::click("Form1", "Command1"));
    QWidget *w = ui::window("Form17");
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("توحيد المقامات"));
    QVERIFY(!ui::window("Form1")->isVisible());
}

void FractionsTest::initialState()
{
    for (const char *hidden : {"La3", "La2", "Com2", "Com4"})
        QVERIFY2(!shown(hidden), hidden);
    QVERIFY(!ui::control<QRadioButton>("Form17", "Opt1")->isChecked());
    QVERIFY(!ui::control<QRadioButton>("Form17", "Opt2")->isChecked());
    for (const char *box : AllBoxes)
        QCOMPARE(ui::text("Form17", box), QString());
    QVERIFY(ui::control<QLineEdit>("Form17", "Text5")->isReadOnly());
    QVERIFY(ui::control<QLineEdit>("Form17", "Text6")->isReadOnly());
    // The banner holds the focus until the user chooses.
    QCOMPARE(ui::window("Form17")->focusWidget(), ui::control("Form17", "Picture1"));
}

void FractionsTest::choosingTheOperation_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("otherAction");
    QTest::addColumn<QString>("otherSign");
    QTest::addColumn<QString>("numerator"); // of 1/2 and 1/3 by Enter
    QTest::newRow("addition") << "Opt1"
                              << "Com2"
                              << "La3"
                              << "Com4"
                              << "La2"
                              << "5";
    QTest::newRow("subtraction") << "Opt2"
                                 << "Com4"
                                 << "La2"
                                 << "Com2"
                                 << "La3"
                                 << "1";
}

void FractionsTest::choosingTheOperation()
{
    QFETCH(QString, option);
    QFETCH(QString, action);
    QFETCH(QString, sign);
    QFETCH(QString, otherAction);
    QFETCH(QString, otherSign);
    QFETCH(QString, numerator);
    // The other operation first, so that the change is seen.
    QVERIFY(ui::click("Form17", option == QLatin1String("Opt1") ? "Opt2" : "Opt1"));
    QVERIFY(ui::click("Form17", qPrintable(option)));
    QVERIFY(shown(qPrintable(action)));
    QVERIFY(shown(qPrintable(sign)));
    QVERIFY(!shown(qPrintable(otherAction)));
    QVERIFY(!shown(qPrintable(otherSign)));
    QVERIFY(ui::control<QPushButton>("Form17", qPrintable(action))->isDefault());
    QVERIFY(!ui::control<QPushButton>("Form17", qPrintable(otherAction))->isDefault());
    QCOMPARE(ui::text("Form17", qPrintable(sign)),
             option == QLatin1String("Opt1") ? QStringLiteral("+") : QStringLiteral("-"));
    type({"1", "2", "1", "3"});
    ui::pressEnter(ui::control("Form17", "Text4"));
    QCOMPARE(result(), (QStringList{numerator, "6"}));
}

void FractionsTest::enterBeforeChoosingDoesNothing()
{
    type({"1", "2", "1", "3"});
    ui::pressEnter(ui::control("Form17", "Text4"));
    QCOMPARE(result(), (QStringList{"", ""}));
}

void FractionsTest::calculate_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("fractions"); // a, b, c, d
    QTest::addColumn<QStringList>("expected");  // numerator, denominator
    QTest::newRow("1/2 + 1/3") << "Opt1" << QStringList{"1", "2", "1", "3"} << QStringList{"5", "6"};
    QTest::newRow("1/2 - 1/3") << "Opt2" << QStringList{"1", "2", "1", "3"} << QStringList{"1", "6"};
    QTest::newRow("1/3 - 1/2") << "Opt2" << QStringList{"1", "3", "1", "2"} << QStringList{"-1", "6"};
    QTest::newRow("equal, not reduced") << "Opt1" << QStringList{"1", "4", "1", "4"} << QStringList{"2", "4"};
    QTest::newRow("equal, subtracted") << "Opt2" << QStringList{"3", "5", "1", "5"} << QStringList{"2", "5"};
    QTest::newRow("product, not reduced") << "Opt1" << QStringList{"2", "4", "1", "2"} << QStringList{"8", "8"};
    QTest::newRow("equal with a space, as typed")
        << "Opt1" << QStringList{"1", "4 ", "1", "4"} << QStringList{"2", "4 "};
    QTest::newRow("equal in another writing")
        << "Opt1" << QStringList{"1", "1e2", "3", "100"} << QStringList{"4", "1e2"};
    QTest::newRow("equal after rounding, 2.0")
        << "Opt2" << QStringList{"5", "2.0", "1", "2"} << QStringList{"4", "2.0"};
    QTest::newRow("negative denominator stays") << "Opt1" << QStringList{"1", "-2", "1", "3"} << QStringList{"1", "-6"};
    QTest::newRow("letters are 0") << "Opt1" << QStringList{"abc", "2", "1", "3"} << QStringList{"2", "6"};
    QTest::newRow("leading numbers") << "Opt1" << QStringList{"1x", "2cm", "1", "3"} << QStringList{"5", "6"};
    QTest::newRow("decimals, equal") << "Opt1" << QStringList{"0.1", "3", "0.2", "3"} << QStringList{"0.3", "3"};
    QTest::newRow("decimals, product") << "Opt1" << QStringList{"0.1", "1", "0.2", "2"} << QStringList{"0.4", "2"};
    QTest::newRow("largest boxes") << "Opt1" << QStringList{"9999", "99999", "9999", "99998"}
                                   << QStringList{"1999770003", "9999700002"};
}

void FractionsTest::calculate()
{
    QFETCH(QString, option);
    QFETCH(QStringList, fractions);
    QFETCH(QStringList, expected);
    compute(option, fractions);
    QCOMPARE(result(), expected);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(ui::text("Form17", Inputs[i]), fractions[i]);
}

void FractionsTest::choosingKeepsTheBoxes()
{
    compute("Opt1", {"1", "2", "1", "3"});
    QVERIFY(ui::click("Form17", "Opt2"));
    QCOMPARE(result(), (QStringList{"5", "6"}));
    QCOMPARE(ui::text("Form17", "Text1"), QStringLiteral("1"));
    QVERIFY(ui::click("Form17", "Com4"));
    QCOMPARE(result(), (QStringList{"1", "6"}));
}

void FractionsTest::emptyBoxes_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("fractions");
    QTest::addColumn<QString>("message");
    const QStringList all{"", "", "", ""};
    QTest::newRow("add, all four") << "Opt1" << all << QStringLiteral("لم تكتب البسط رقم 1");
    QTest::newRow("add, numerator 1") << "Opt1" << QStringList{"", "2", "1", "3"}
                                      << QStringLiteral("لم تكتب البسط رقم 1");
    QTest::newRow("add, denominator 1") << "Opt1" << QStringList{"1", "", "", ""}
                                        << QStringLiteral("لم تكتب المقام رقم 1");
    QTest::newRow("add, numerator 2") << "Opt1" << QStringList{"1", "2", "", ""}
                                      << QStringLiteral("لم تكتب البسط رقم 2");
    QTest::newRow("add, denominator 2") << "Opt1" << QStringList{"1", "2", "1", ""}
                                        << QStringLiteral("لم تكتب المقام رقم 2");
    QTest::newRow("subtract, all four") << "Opt2" << all << QStringLiteral("لم تكتب قيمة البسط رقم 1");
    QTest::newRow("subtract, denominator 1")
        << "Opt2" << QStringList{"1", "", "1", "3"} << QStringLiteral("لم تكتب قيمة المقام رقم 1");
    QTest::newRow("subtract, numerator 2")
        << "Opt2" << QStringList{"1", "2", "", "3"} << QStringLiteral("لم تكتب قيمة البسط رقم 2");
    QTest::newRow("subtract, denominator 2")
        << "Opt2" << QStringList{"1", "2", "1", ""} << QStringLiteral("لم تكتب قيمة المقام رقم 2");
    // The empty tests come before the zero-denominator test.
    QTest::newRow("empty after a zero denominator")
        << "Opt1" << QStringList{"1", "0", "", "2"} << QStringLiteral("لم تكتب البسط رقم 2");
}

void FractionsTest::emptyBoxes()
{
    QFETCH(QString, option);
    QFETCH(QStringList, fractions);
    QFETCH(QString, message);
    earlierResult();
    notices.expect(message, 0x80000, Empty);
    compute(option, fractions);
    QCOMPARE(result(), (QStringList{"5", "6"}));
}

void FractionsTest::zeroDenominator_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("fractions");
    QTest::addColumn<QString>("message");
    QTest::newRow("1/0 + 1/2") << "Opt1" << QStringList{"1", "0", "1", "2"} << ZeroDenominator1;
    QTest::newRow("1/2 + 1/0") << "Opt1" << QStringList{"1", "2", "1", "0"} << ZeroDenominator2;
    QTest::newRow("both zero, the first named") << "Opt2" << QStringList{"1", "0", "1", "0"} << ZeroDenominator1;
    QTest::newRow("0.0") << "Opt2" << QStringList{"1", "0.0", "1", "2"} << ZeroDenominator1;
    QTest::newRow("-0") << "Opt1" << QStringList{"1", "3", "1", "-0"} << ZeroDenominator2;
    QTest::newRow("letters read as 0") << "Opt1" << QStringList{"1", "abc", "1", "2"} << ZeroDenominator1;
    QTest::newRow("one space read as 0") << "Opt1" << QStringList{"1", "2", "1", " "} << ZeroDenominator2;
}

void FractionsTest::zeroDenominator()
{
    QFETCH(QString, option);
    QFETCH(QStringList, fractions);
    QFETCH(QString, message);
    earlierResult();
    notices.expect(message, 0x80040, MathError);
    compute(option, fractions);
    QCOMPARE(result(), (QStringList{"5", "6"}));
}

void FractionsTest::failuresLeaveBothResults_data()
{
    QTest::addColumn<QStringList>("fractions");
    QTest::addColumn<Failure>("kind");
    // The denominators' product fits, a × d does not: neither box changes.
    QTest::newRow("numerator overflows") << QStringList{"9E99", "1E-99", "1", "1E250"} << Failure::Overflow;
    QTest::newRow("denominator overflows") << QStringList{"1", "1E200", "1", "2E200"} << Failure::Overflow;
    // Every box is read before any is tested.
    QTest::newRow("beyond a double, numerator 1 empty") << QStringList{"", "1E999", "1", "2"} << Failure::Overflow;
}

void FractionsTest::failuresLeaveBothResults()
{
    QFETCH(Failure, kind);
    QFETCH(QStringList, fractions);
    earlierResult();
    expectFailure(notices, kind);
    compute("Opt1", fractions);
    QCOMPARE(result(), (QStringList{"5", "6"}));
}

void FractionsTest::clearAll()
{
    compute("Opt2", {"1", "2", "1", "3"});
    QVERIFY(ui::click("Form17", "Command2"));
    for (const char *box : AllBoxes)
        QCOMPARE(ui::text("Form17", box), QString());
    QVERIFY(ui::control<QRadioButton>("Form17", "Opt2")->isChecked());
    QVERIFY(shown("Com4"));
    QVERIFY(shown("La2"));
}

void FractionsTest::boxLimits_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("numerator 1") << "Text1"
                                 << "12345"
                                 << "1234";
    QTest::newRow("denominator 1") << "Text2"
                                   << "123456"
                                   << "12345";
    QTest::newRow("numerator 2") << "Text3"
                                 << "-0.125"
                                 << "-0.1";
    QTest::newRow("denominator 2") << "Text4"
                                   << "1E+300"
                                   << "1E+30";
}

void FractionsTest::boxLimits()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    ui::type("Form17", qPrintable(box), typed);
    QCOMPARE(ui::text("Form17", qPrintable(box)), kept);
}

void FractionsTest::handOverNeedsAResult()
{
    type({"1", "2", "1", "3"});
    notices.expect(CalculateFirst, 0x80040);
    QVERIFY(ui::click("Form17", "Command4"));
    QVERIFY(!app::Windows::find(QStringLiteral("Form3")));
    QVERIFY(ui::window("Form17")->isVisible());
    QVERIFY(!(ui::window("Form17")->windowState() & Qt::WindowMinimized));
}

void FractionsTest::handOverAndBack_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QStringList>("fractions");
    QTest::addColumn<QStringList>("earlier"); // the calculator's boxes before, if it exists
    QTest::addColumn<QString>("quotient");
    QTest::newRow("5 over 6") << "Opt1" << QStringList{"1", "2", "1", "3"} << QStringList{} << "0.833333333333333";
    QTest::newRow("over a denominator with a space")
        << "Opt1" << QStringList{"1", "4 ", "1", "4"} << QStringList{} << "0.5";
    QTest::newRow("replaces the calculator's numbers")
        << "Opt2" << QStringList{"1", "3", "1", "2"} << QStringList{"7", "8"} << "-0.166666666666667";
}

void FractionsTest::handOverAndBack()
{
    QFETCH(QString, option);
    QFETCH(QStringList, fractions);
    QFETCH(QStringList, earlier);
    QFETCH(QString, quotient);
    if (!earlier.isEmpty()) {
        QWidget *calculator = app::Windows::get<Form3>();
        ui::control<QLineEdit>(calculator, "Text1")->setText(earlier[0]);
        ui::control<QLineEdit>(calculator, "Text2")->setText(earlier[1]);
    }
    compute(option, fractions);
    const QStringList handed = result();
    QWidget *fractionsWindow = ui::window("Form17");

    QVERIFY(ui::click("Form17", "Command4"));
    QWidget *calculator = ui::window("Form3");
    QVERIFY(calculator && calculator->isVisible());
    QVERIFY(!(calculator->windowState() & Qt::WindowMinimized));
    QVERIFY(fractionsWindow->isVisible());
    QVERIFY(fractionsWindow->windowState() & Qt::WindowMinimized);
    QVERIFY(!ui::window("Form1")->isVisible());
    QCOMPARE(ui::text("Form3", "Text1"), handed[0]);
    QCOMPARE(ui::text("Form3", "Text2"), handed[1]);

    QVERIFY(ui::click("Form3", "Command9"));
    QCOMPARE(ui::text("Form3", "Text3"), quotient);

    QVERIFY(ui::click("Form3", "Command2"));
    QVERIFY(!calculator->isVisible());
    QVERIFY(fractionsWindow->isVisible());
    QVERIFY(!(fractionsWindow->windowState() & Qt::WindowMinimized));
    QVERIFY(!ui::window("Form1")->isVisible());
    QCOMPARE(result(), handed);
    QCOMPARE(ui::text("Form17", "Text2"), fractions[1]);
    QVERIFY(ui::control<QRadioButton>("Form17", qPrintable(option))->isChecked());
}

void FractionsTest::noLaws()
{
    QCOMPARE(ui::text("Form17", "Label4"), QString());
    notices.expect(QStringLiteral("معذرة .. لا توجد قوانين هنا"), 0x80000, QStringLiteral("لا يوجد"));
    QVERIFY(ui::click("Form17", "Label4"));
    QVERIFY(ui::window("Form17")->isVisible());
}

void FractionsTest::menuButtonKeepsTheWindow()
{
    compute("Opt2", {"1", "2", "1", "3"});
    QVERIFY(ui::click("Form17", "Command3"));
    QVERIFY(!ui::window("Form17")->isVisible());
    QVERIFY(ui::window("Form1")->isVisible());
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(ui::window("Form17")->isVisible());
    QCOMPARE(result(), (QStringList{"1", "6"}));
    QVERIFY(ui::control<QRadioButton>("Form17", "Opt2")->isChecked());
    QVERIFY(shown("Com4"));
    QVERIFY(shown("La2"));
}

void FractionsTest::closeWithYesStartsAfresh()
{
    compute("Opt1", {"1", "2", "1", "3"});
    notices.expect(QStringLiteral("هل أنت متأكد من إغلاق هذه النافذة والانتقال إلى الصفحة الرئيسية؟"), 0x80004,
                   QStringLiteral("إغلاق النافذة"), answer::Yes);
    QVERIFY(ui::closeBox("Form17"));
    QVERIFY(ui::window("Form1")->isVisible());
    ui::settle();
    QVERIFY(ui::click("Form1", "Command1"));
    for (const char *box : AllBoxes)
        QCOMPARE(ui::text("Form17", box), QString());
    QVERIFY(!ui::control<QRadioButton>("Form17", "Opt1")->isChecked());
    for (const char *hidden : {"La3", "La2", "Com2", "Com4"})
        QVERIFY2(!shown(hidden), hidden);
}

QTEST_MAIN(FractionsTest)
#include "test_fractions.moc"
