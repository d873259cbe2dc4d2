// The conventional calculator: the four operations on two typed numbers,
// rounding, the clears, the way back and its refusal to close.

#include "support/scripted.h"
#include "support/ui.h"

#include "calculators/conventional.h"
#include "kit/notice.h"
#include "kit/windows.h"

#include <QLineEdit>

using namespace numtext;

namespace {
const QString DivisionByZero = QStringLiteral("العدد المقسوم على صفر قيمة غير معروفة");
const QString RoundFirst = QStringLiteral("من فضلك .. قم بالحسابات أولا ثم التقريب");
const QString Placeholder = QStringLiteral("الناتــج");
} // namespace

class ConventionalTest : public WindowTest {
    Q_OBJECT
private slots:
    void init();
    void operations_data();
    void operations();
    void emptyNumbers_data();
    void emptyNumbers();
    void overflowLeavesTheResult();
    void rounding_data();
    void rounding();
    void roundWithoutResult();
    void roundAfterClear();
    void roundTheDivisionByZeroText();
    void clears();
    void enterAddsFromEitherBox();
    void enterOnAFocusedButtonPressesIt();
    void backToTheMenuKeepsTexts();
    void backRestoresTheCaller_data();
    void backRestoresTheCaller();
    void closeBoxIsRefused();
    void exitConfirmation();

private:
    void compute(const QString &first, const QString &second, const char *operation)
    {
        ui::type("Form3", "Text1", first);
        ui::type("Form3", "Text2", second);
        QVERIFY(ui::click("Form3", operation));
    }
};

void ConventionalTest::init()
{
    WindowTest::init();
    QVERIFY(ui::click("Form1", "Op1"));
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(ui::window("Form3")->isVisible());
}

void ConventionalTest::operations_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("result");
    QTest::newRow("2+3") << "2"
                         << "3"
                         << "Command6"
                         << "5";
    QTest::newRow("2-3") << "2"
                         << "3"
                         << "Command7"
                         << "-1";
    QTest::newRow("2*3") << "2"
                         << "3"
                         << "Command8"
                         << "6";
    QTest::newRow("2/3") << "2"
                         << "3"
                         << "Command9"
                         << "0.666666666666667";
    QTest::newRow("0.1+0.2") << "0.1"
                             << "0.2"
                             << "Command6"
                             << "0.3";
    QTest::newRow("10/4") << "10"
                          << "4"
                          << "Command9"
                          << "2.5";
    QTest::newRow("leading number") << "12abc"
                                    << "3"
                                    << "Command6"
                                    << "15";
    QTest::newRow("letters are 0") << "abc"
                                   << "3"
                                   << "Command6"
                                   << "3";
    QTest::newRow("one space is 0") << " "
                                    << "4"
                                    << "Command6"
                                    << "4";
    QTest::newRow("add with 0") << "5"
                                << "0"
                                << "Command6"
                                << "5";
    QTest::newRow("divide by 0") << "5"
                                 << "0"
                                 << "Command9" << DivisionByZero;
    QTest::newRow("divide by 0.0") << "5"
                                   << "0.0"
                                   << "Command9" << DivisionByZero;
    QTest::newRow("divide by spaced 0") << "5"
                                        << " 0 "
                                        << "Command9" << DivisionByZero;
    QTest::newRow("divide by -0") << "5"
                                  << "-0"
                                  << "Command9" << DivisionByZero;
    QTest::newRow("divide by 0e5") << "5"
                                   << "0e5"
                                   << "Command9" << DivisionByZero;
    QTest::newRow("divide by letters") << "5"
                                       << "abc"
                                       << "Command9" << DivisionByZero;
    QTest::newRow("divide by 5x") << "10"
                                  << "5x"
                                  << "Command9"
                                  << "2";
    QTest::newRow("underflowing divisor") << "10"
                                          << "1e-400"
                                          << "Command9" << DivisionByZero;
    QTest::newRow("fifteen digits") << "1234567890123456789"
                                    << "0"
                                    << "Command6"
                                    << "1.23456789012346E+18";
    QTest::newRow("arabic-indic digits") << QStringLiteral("١٢٫٥") << QStringLiteral("٣") << "Command6"
                                         << "15.5";
}

void ConventionalTest::operations()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, operation);
    QFETCH(QString, result);
    compute(first, second, qPrintable(operation));
    QCOMPARE(ui::text("Form3", "Text3"), result);
}

void ConventionalTest::emptyNumbers_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("message");
    QTest::newRow("both") << ""
                          << "" << QStringLiteral("من فضلك أدخل العدد الأول");
    QTest::newRow("first") << ""
                           << "3" << QStringLiteral("من فضلك أدخل العدد الأول");
    QTest::newRow("second") << "3"
                            << "" << QStringLiteral("من فضلك أدخل العدد الثاني");
}

void ConventionalTest::emptyNumbers()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, message);
    for (const char *operation : {"Command6", "Command7", "Command8", "Command9"}) {
        notices.expect(message, 0x80040, QStringLiteral("فارغ"));
        compute(first, second, operation);
        QCOMPARE(ui::text("Form3", "Text3"), Placeholder);
    }
}

void ConventionalTest::overflowLeavesTheResult()
{
    compute("2", "3", "Command6");
    expectFailure(notices, Failure::Overflow);
    compute("1E+300", "1E+300", "Command8");
    QCOMPARE(ui::text("Form3", "Text3"), QStringLiteral("5"));
    expectFailure(notices, Failure::Overflow);
    compute("1E999", "1", "Command6");
    QCOMPARE(ui::text("Form3", "Text3"), QStringLiteral("5"));
}

void ConventionalTest::rounding_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("rounded");
    QTest::newRow("10/4") << "10"
                          << "4"
                          << "2.5";
    QTest::newRow("1/8 half to even") << "1"
                                      << "8"
                                      << "0.12";
    QTest::newRow("3/8 half to even") << "3"
                                      << "8"
                                      << "0.38";
    QTest::newRow("1/3") << "1"
                         << "3"
                         << "0.33";
    QTest::newRow("large") << "1E+20"
                           << "1"
                           << "1E+20";
}

void ConventionalTest::rounding()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, rounded);
    compute(first, second, "Command9");
    const QString result = ui::text("Form3", "Text3");
    QVERIFY(ui::click("Form3", "Command10"));
    QCOMPARE(ui::text("Form3", "Text5"), rounded);
    QCOMPARE(ui::text("Form3", "Text3"), result);
}

void ConventionalTest::roundWithoutResult()
{
    notices.expect(RoundFirst, 0x80000, QStringLiteral("فارغ"));
    QVERIFY(ui::click("Form3", "Command10"));
    QCOMPARE(ui::text("Form3", "Text3"), QString());
    notices.expect(RoundFirst, 0x80000, QStringLiteral("فارغ"));
    QVERIFY(ui::click("Form3", "Command10"));
    QCOMPARE(ui::text("Form3", "Text5"), QString());
}

void ConventionalTest::roundAfterClear()
{
    compute("1", "3", "Command6");
    QVERIFY(ui::click("Form3", "Command13"));
    QCOMPARE(ui::text("Form3", "Text3"), QString());
    notices.expect(RoundFirst, 0x80000, QStringLiteral("فارغ"));
    QVERIFY(ui::click("Form3", "Command10"));
}

void ConventionalTest::roundTheDivisionByZeroText()
{
    compute("10", "4", "Command9");
    QVERIFY(ui::click("Form3", "Command10"));
    compute("5", "0", "Command9");
    notices.expect(RoundFirst, 0x80000, QStringLiteral("فارغ"));
    QVERIFY(ui::click("Form3", "Command10"));
    QCOMPARE(ui::text("Form3", "Text5"), QStringLiteral("2.5"));
    QCOMPARE(ui::text("Form3", "Text3"), DivisionByZero);
}

void ConventionalTest::clears()
{
    compute("7", "8", "Command6");
    ui::type("Form3", "Text5", QStringLiteral("x"));
    QVERIFY(ui::click("Form3", "Command11"));
    QCOMPARE(ui::text("Form3", "Text1"), QString());
    QCOMPARE(ui::text("Form3", "Text2"), QStringLiteral("8"));
    QVERIFY(ui::click("Form3", "Command4"));
    QCOMPARE(ui::text("Form3", "Text2"), QString());
    QCOMPARE(ui::text("Form3", "Text3"), QStringLiteral("15"));
    QVERIFY(ui::click("Form3", "Command13"));
    QCOMPARE(ui::text("Form3", "Text3"), QString());
    QCOMPARE(ui::text("Form3", "Text5"), QStringLiteral("x"));
}

void ConventionalTest::enterAddsFromEitherBox()
{
    ui::type("Form3", "Text1", "4");
    ui::type("Form3", "Text2", "5");
    ui::pressEnter(ui::control("Form3", "Text1"));
    QCOMPARE(ui::text("Form3", "Text3"), QStringLiteral("9"));
    ui::type("Form3", "Text2", "6");
    ui::pressEnter(ui::control("Form3", "Text2"));
    QCOMPARE(ui::text("Form3", "Text3"), QStringLiteral("10"));
}

void ConventionalTest::enterOnAFocusedButtonPressesIt()
{
    ui::type("Form3", "Text1", "4");
    ui::type("Form3", "Text2", "5");
    QWidget *multiply = ui::control("Form3", "Command8");
    multiply->setFocus();
    ui::pressEnter(multiply);
    QCOMPARE(ui::text("Form3", "Text3"), QStringLiteral("20"));
}

void ConventionalTest::backToTheMenuKeepsTexts()
{
    compute("2", "3", "Command6");
    ui::control("Form3", "Command2")->setFocus();
    QVERIFY(ui::click("Form3", "Command2"));
    QVERIFY(!ui::window("Form3")->isVisible());
    QVERIFY(ui::window("Form1")->isVisible());
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(ui::window("Form3")->isVisible());
    QCOMPARE(ui::text("Form3", "Text1"), QStringLiteral("2"));
    QCOMPARE(ui::text("Form3", "Text3"), QStringLiteral("5"));
    // Enter adds again: the back button that had the focus gave it up.
    ui::pressEnter(ui::window("Form3"));
    QVERIFY(ui::window("Form3")->isVisible());
    QCOMPARE(ui::text("Form3", "Text3"), QStringLiteral("5"));
    ui::type("Form3", "Text2", "4");
    ui::pressEnter(ui::window("Form3"));
    QCOMPARE(ui::text("Form3", "Text3"), QStringLiteral("6"));
}

void ConventionalTest::backRestoresTheCaller_data()
{
    QTest::addColumn<QString>("caller");
    QTest::addColumn<QStringList>("typed");  // box, text, box, text ...
    QTest::addColumn<QStringList>("clicks"); // the last hands over
    QTest::newRow("advanced calculator") << "Form15" << QStringList{} << QStringList{"Command31"};
    QTest::newRow("fractions") << "Form17" << QStringList{"Text1", "1", "Text2", "2", "Text3", "1", "Text4", "3"}
                               << QStringList{"Opt1", "Com2", "Command4"};
}

void ConventionalTest::backRestoresTheCaller()
{
    QFETCH(QString, caller);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, clicks);
    QWidget *from = app::Windows::show(caller);
    ui::window("Form1")->hide();
    for (qsizetype i = 0; i + 1 < typed.size(); i += 2)
        ui::type(qPrintable(caller), qPrintable(typed[i]), typed[i + 1]);
    for (const QString &click : clicks)
        QVERIFY(ui::click(qPrintable(caller), qPrintable(click)));
    QVERIFY(from->windowState() & Qt::WindowMinimized);
    QVERIFY(ui::window("Form3")->isVisible());
    QVERIFY(ui::click("Form3", "Command2"));
    QVERIFY(!ui::window("Form3")->isVisible());
    QVERIFY(from->isVisible());
    QVERIFY(!(from->windowState() & Qt::WindowMinimized));
    QVERIFY(!ui::window("Form1")->isVisible());
}

void ConventionalTest::closeBoxIsRefused()
{
    QVERIFY(!ui::closeBox("Form3"));
    QVERIFY(ui::window("Form3")->isVisible());
}

void ConventionalTest::exitConfirmation()
{
    notices.expect(QStringLiteral("هل أنت متأكد من الخروج ؟"), 0x80024, QStringLiteral("تنبيه"), answer::Yes);
    QVERIFY(ui::click("Form3", "Command1"));
    QCOMPARE(programEnds, 1);
}

QTEST_MAIN(ConventionalTest)
#include "test_conventional.moc"
