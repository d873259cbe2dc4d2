// The number operations window: each operation's answers, its empty-field
// notice and failures, the square root of a negative number, the panel that
// follows the chosen option, the not-available option and the no-laws label.

#include "support/scripted.h"
#include "support/section.h"
#include "support/ui.h"

#include "kit/window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

using numtext::Failure;

namespace {
struct Operation {
    const char *option;
    const char *button;
};

const Operation Operations[] = {
    {"Op1", "Comj"},  {"Op2", "Comg"}, {"Op3", "Coml"}, {"Op9", "Comldd"},
    {"Op4", "Comwl"}, {"Op5", "Comt"}, {"Op6", "Comw"},
};

const char *buttonOf(const QString &option)
{
    for (const Operation &o : Operations) {
        if (option == QLatin1String(o.option))
            return o.button;
    }
    QTest::qFail(qPrintable(QStringLiteral("no option %1").arg(option)), __FILE__, __LINE__);
    return "(none)";
}

bool shown(const char *name) { return ui::control("Form8", name)->isVisible(); }

const QString Unknown = QStringLiteral("قيمة غير معروفة");
const QString Prime = QStringLiteral("نعم .. العدد أولي");
const QString NotPrime = QStringLiteral("العدد غيرأولي");
const QString Even = QStringLiteral("نوع العدد زوجي");
const QString Odd = QStringLiteral("نوع العدد فردي");
const QString NotWhole = QStringLiteral("العدد ليس صحيحا .. فلا يوصف بأنه زوجي أو فردي");
const QString NotAvailable = QStringLiteral(
    "هذه الخاصية غير متوفرة حاليا في هذا الإصدار\r\nربما يتم إضافتها في إصدار أحدث");
} // namespace

class OperationsTest : public WindowTest {
    Q_OBJECT
private slots:
    void init();
    void answers_data();
    void answers();
    void emptyOperand_data();
    void emptyOperand();
    void squareRootOfANegativeNumber_data();
    void squareRootOfANegativeNumber();
    void primeOfTooLargeANumber_data();
    void primeOfTooLargeANumber();
    void failureKeepsTheAnswer_data();
    void failureKeepsTheAnswer();
    void atCreationOnlyTheListIsShown();
    void optionShowsItsButton_data();
    void optionShowsItsButton();
    void notAvailableKeepsThePanel_data();
    void notAvailableKeepsThePanel();
    void clearEmptiesOnlyTheInput();
    void noLawsHere();
    void hiddenKeepsAndClosedStartsAfresh();

private:
    void operate(const QString &option, const QString &input)
    {
        QVERIFY(ui::click("Form8", qPrintable(option)));
        ui::type("Form8", "Te1", input);
        QVERIFY(ui::click("Form8", buttonOf(option)));
    }
};

void OperationsTest::init()
{
    WindowTest::init();
    QVERIFY(ui::click("Form1", "Op6"));
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(ui::window("Form8")->isVisible());
}

void OperationsTest::answers_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("answer");
    QTest::newRow("root 16") << "Op1"
                             << "16"
                             << "4";
    QTest::newRow("root 2") << "Op1"
                            << "2"
                            << "1.4142135623731";
    QTest::newRow("root 0") << "Op1"
                            << "0"
                            << "0";
    QTest::newRow("root -0") << "Op1"
                             << "-0"
                             << "0";
    QTest::newRow("root, spaces around") << "Op1"
                                         << " 81 "
                                         << "9";
    QTest::newRow("root 1e-300") << "Op1"
                                 << "1e-300"
                                 << "1E-150";
    QTest::newRow("absolute -7.5") << "Op2"
                                   << "-7.5"
                                   << "7.5";
    QTest::newRow("absolute 3") << "Op2"
                                << "3"
                                << "3";
    QTest::newRow("absolute -0") << "Op2"
                                 << "-0"
                                 << "0";
    QTest::newRow("absolute -1e300") << "Op2"
                                     << "-1e300"
                                     << "1E+300";
    QTest::newRow("log 1000") << "Op3"
                              << "1000"
                              << "3";
    QTest::newRow("log 100") << "Op3"
                             << "100"
                             << "2";
    QTest::newRow("log 2") << "Op3"
                           << "2"
                           << "0.301029995663981";
    QTest::newRow("log 1") << "Op3"
                           << "1"
                           << "0";
    QTest::newRow("log 0.001") << "Op3"
                               << "0.001"
                               << "-3";
    QTest::newRow("log 0") << "Op3"
                           << "0" << Unknown;
    QTest::newRow("log -5") << "Op3"
                            << "-5" << Unknown;
    QTest::newRow("ln 1") << "Op9"
                          << "1"
                          << "0";
    QTest::newRow("ln 10") << "Op9"
                           << "10"
                           << "2.30258509299405";
    QTest::newRow("ln 0") << "Op9"
                          << "0" << Unknown;
    QTest::newRow("ln -0") << "Op9"
                           << "-0" << Unknown;
    QTest::newRow("ln -1") << "Op9"
                           << "-1" << Unknown;
    QTest::newRow("prime 2") << "Op4"
                             << "2" << Prime;
    QTest::newRow("prime 3") << "Op4"
                             << "3" << Prime;
    QTest::newRow("prime 5") << "Op4"
                             << "5" << Prime;
    QTest::newRow("prime 97") << "Op4"
                              << "97" << Prime;
    QTest::newRow("prime 4") << "Op4"
                             << "4" << NotPrime;
    QTest::newRow("prime 9") << "Op4"
                             << "9" << NotPrime;
    QTest::newRow("prime 15") << "Op4"
                              << "15" << NotPrime;
    QTest::newRow("prime 1") << "Op4"
                             << "1" << NotPrime;
    QTest::newRow("prime 0") << "Op4"
                             << "0" << NotPrime;
    QTest::newRow("prime -7") << "Op4"
                              << "-7" << NotPrime;
    QTest::newRow("prime 7.5") << "Op4"
                               << "7.5" << NotPrime;
    QTest::newRow("prime 7.0") << "Op4"
                               << "7.0" << Prime;
    QTest::newRow("prime 12 and letters") << "Op4"
                                          << "12abc" << NotPrime;
    QTest::newRow("prime 13 and letters") << "Op4"
                                          << "13abc" << Prime;
    QTest::newRow("prime letters") << "Op4"
                                   << "abc" << NotPrime;
    QTest::newRow("prime one space") << "Op4"
                                     << " " << NotPrime;
    QTest::newRow("prime 2^53 - 111") << "Op4"
                                      << "9007199254740881" << Prime;
    QTest::newRow("prime 999999999999999") << "Op4"
                                           << "999999999999999" << NotPrime;
    // Judged on the number as typed, never on its nearest double: primes and
    // composites beside 2^53 and below 10^18 (the table of
    // test_formulas_numbers, factored by another program).
    QTest::newRow("prime 2^53 - 1 = 6361 × 69431 × 20394401") << "Op4"
                                                              << "9007199254740991" << NotPrime;
    QTest::newRow("prime 2^53 + 1 = 3 × 107 × 28059810762433") << "Op4"
                                                               << "9007199254740993" << NotPrime;
    QTest::newRow("prime 2^53 + 5, the first prime above") << "Op4"
                                                           << "9007199254740997" << Prime;
    QTest::newRow("prime 10000000000000061") << "Op4"
                                             << "10000000000000061" << Prime;
    QTest::newRow("prime 999999999999999989") << "Op4"
                                              << "999999999999999989" << Prime;
    QTest::newRow("prime 999999999999999999") << "Op4"
                                              << "999999999999999999" << NotPrime;
    QTest::newRow("prime 999999929 × 999999937") << "Op4"
                                                 << "999999866000004473" << NotPrime;
    QTest::newRow("prime 9007199254740997 and letters") << "Op4"
                                                        << "9007199254740997abc" << Prime;
    QTest::newRow("prime 9.007199254740997E15") << "Op4"
                                                << "9.007199254740997E15" << Prime;
    QTest::newRow("prime 9007199254740997.5") << "Op4"
                                              << "9007199254740997.5" << NotPrime;
    QTest::newRow("prime -9007199254740997") << "Op4"
                                             << "-9007199254740997" << NotPrime;
    QTest::newRow("even 4") << "Op6"
                            << "4" << Even;
    QTest::newRow("even 0") << "Op6"
                            << "0" << Even;
    QTest::newRow("odd 7") << "Op6"
                           << "7" << Odd;
    QTest::newRow("odd -3") << "Op6"
                            << "-3" << Odd;
    // A number with a fraction part is neither even nor odd, also beyond the
    // 32-bit range.
    QTest::newRow("2.5 is not whole") << "Op6"
                                      << "2.5" << NotWhole;
    QTest::newRow("3.5 is not whole") << "Op6"
                                      << "3.5" << NotWhole;
    QTest::newRow("-2.6 is not whole") << "Op6"
                                       << "-2.6" << NotWhole;
    QTest::newRow("2147483647.5 is not whole") << "Op6"
                                               << "2147483647.5" << NotWhole;
    QTest::newRow("2 and letters") << "Op6"
                                   << "2.0abc" << Even;
    QTest::newRow("parity of letters") << "Op6"
                                       << "abc" << Even;
    QTest::newRow("parity of one space") << "Op6"
                                         << " " << Even;
    QTest::newRow("parity of the largest integer") << "Op6"
                                                   << "2147483647" << Odd;
    QTest::newRow("round 3.14159") << "Op5"
                                   << "3.14159"
                                   << "3.14";
    QTest::newRow("round 2.5") << "Op5"
                               << "2.5"
                               << "2.5";
    QTest::newRow("round 7") << "Op5"
                             << "7"
                             << "7";
    QTest::newRow("round 0.125 half to even") << "Op5"
                                              << "0.125"
                                              << "0.12";
    QTest::newRow("round 0.375 half to even") << "Op5"
                                              << "0.375"
                                              << "0.38";
    QTest::newRow("round -2.678") << "Op5"
                                  << "-2.678"
                                  << "-2.68";
    QTest::newRow("round 1E+20") << "Op5"
                                 << "1E+20"
                                 << "1E+20";
}

void OperationsTest::answers()
{
    QFETCH(QString, option);
    QFETCH(QString, input);
    QFETCH(QString, answer);
    operate(option, input);
    QCOMPARE(ui::text("Form8", "Te2"), answer);
    QCOMPARE(ui::text("Form8", "Te1"), input);
}

void OperationsTest::emptyOperand_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("message");
    QTest::newRow("root") << "Op1" << QStringLiteral("من فضلك .. اكتب العدد المطلوب ايجاد الجذر التربيعي له");
    QTest::newRow("absolute") << "Op2" << QStringLiteral("من فضلك .. ادخل العدد المطلوب لإيجاد القيمة المطلقة له");
    QTest::newRow("log") << "Op3" << QStringLiteral("من فضلك .. ادخل العدد المطلوب لإيجاد اللوغاريتم له");
    QTest::newRow("ln") << "Op9" << QStringLiteral("من فضلك .. ادخل العدد المطلوب لإيجاد اللوغاريتم الطبيعي له");
    QTest::newRow("prime") << "Op4" << QStringLiteral("من فضلك .. اكتب العدد أولا");
    QTest::newRow("round") << "Op5" << QStringLiteral("من فضلك .. اكتب عددا به فاصلة لتقريبه لجزء من المئة");
    QTest::newRow("parity") << "Op6" << QStringLiteral("من فضلك .. اكتب العدد المطلوب أولا");
}

void OperationsTest::emptyOperand()
{
    QFETCH(QString, option);
    QFETCH(QString, message);
    operate(option, QStringLiteral("4"));
    const QString before = ui::text("Form8", "Te2");
    notices.expect(message, 0x80000, QStringLiteral("فارغ"));
    operate(option, QString());
    QCOMPARE(ui::text("Form8", "Te2"), before);
    notices.expect(message, 0x80000, QStringLiteral("فارغ"));
    ui::pressEnter(ui::control("Form8", "Te1"));
    QCOMPARE(ui::text("Form8", "Te2"), before);
}

void OperationsTest::squareRootOfANegativeNumber_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("-4") << "-4";
    QTest::newRow("-0.5") << "-0.5";
    QTest::newRow("-1e-300") << "-1e-300";
}

void OperationsTest::squareRootOfANegativeNumber()
{
    QFETCH(QString, input);
    operate(QStringLiteral("Op1"), QStringLiteral("9"));
    notices.expect(QStringLiteral("لا يمكن إيجاد الجذر التربيعي لهذا العدد .. لأنه تحت الصفر"), 0x80000,
                   QStringLiteral("خطأ رياضي"));
    operate(QStringLiteral("Op1"), input);
    QCOMPARE(ui::text("Form8", "Te2"), QStringLiteral("3"));
}

void OperationsTest::primeOfTooLargeANumber_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("10^18") << "1000000000000000000";
    QTest::newRow("1E+18") << "1E+18";
    QTest::newRow("1E+300") << "1E+300";
    QTest::newRow("18446744073709551557, a prime beyond 64 bits") << "18446744073709551557";
    QTest::newRow("the largest double") << "1.7976931348623157e308";
}

// A whole number of 10^18 or more is not tested: a notice says so and the
// answer before stays.
void OperationsTest::primeOfTooLargeANumber()
{
    QFETCH(QString, input);
    operate(QStringLiteral("Op4"), QStringLiteral("97"));
    notices.expect(QStringLiteral("العدد أكبر من أن يختبر .. اكتب عددا من ١٨ رقما على الأكثر"), 0x80000,
                   QStringLiteral("خطأ رياضي"));
    operate(QStringLiteral("Op4"), input);
    QCOMPARE(ui::text("Form8", "Te2"), Prime);
}

void OperationsTest::failureKeepsTheAnswer_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("input");
    QTest::addColumn<Failure>("kind");
    QTest::newRow("root of letters") << "Op1"
                                     << "abc" << Failure::NotANumber;
    QTest::newRow("root of one space") << "Op1"
                                       << " " << Failure::NotANumber;
    QTest::newRow("root of 5x") << "Op1"
                                << "5x" << Failure::NotANumber;
    QTest::newRow("absolute of letters") << "Op2"
                                         << "abc" << Failure::NotANumber;
    QTest::newRow("absolute beyond the doubles") << "Op2"
                                                 << "-1e400" << Failure::Overflow;
    QTest::newRow("log of 12abc") << "Op3"
                                  << "12abc" << Failure::NotANumber;
    QTest::newRow("ln of one space") << "Op9"
                                     << " " << Failure::NotANumber;
    QTest::newRow("round letters") << "Op5"
                                   << "abc" << Failure::NotANumber;
    QTest::newRow("round 1.2.3") << "Op5"
                                 << "1.2.3" << Failure::NotANumber;
    QTest::newRow("parity beyond 32 bits") << "Op6"
                                           << "3e9" << Failure::OutOfRange;
    QTest::newRow("parity of 2147483648") << "Op6"
                                          << "2147483648" << Failure::OutOfRange;
    QTest::newRow("parity beyond 32 bits, negative") << "Op6"
                                                     << "-2147483649" << Failure::OutOfRange;
    QTest::newRow("parity beyond the doubles") << "Op6"
                                               << "1e400" << Failure::Overflow;
    QTest::newRow("prime beyond the doubles") << "Op4"
                                              << "1e400" << Failure::Overflow;
}

void OperationsTest::failureKeepsTheAnswer()
{
    QFETCH(Failure, kind);
    QFETCH(QString, option);
    QFETCH(QString, input);
    operate(option, QStringLiteral("3"));
    const QString before = ui::text("Form8", "Te2");
    expectFailure(notices, kind);
    operate(option, input);
    QCOMPARE(ui::text("Form8", "Te2"), before);
}

void OperationsTest::atCreationOnlyTheListIsShown()
{
    QCOMPARE(ui::text("Form8", "Text1"), QStringLiteral("اختر من الخيارات التي بالأســفـل"));
    QVERIFY(shown("la22"));
    QCOMPARE(ui::text("Form8", "la22"), QString());
    for (const char *panel : {"Lak1", "Te1", "com", "Lak2", "Te2"})
        QVERIFY2(!shown(panel), panel);
    for (const Operation &o : Operations) {
        QVERIFY(!ui::control<QRadioButton>("Form8", o.option)->isChecked());
        QVERIFY2(!shown(o.button), o.button);
    }
    QVERIFY(!ui::control<QRadioButton>("Form8", "Option2")->isChecked());
    QVERIFY(!static_cast<app::Window *>(ui::window("Form8"))->defaultButton());
    // The banner holds the focus when the window first opens.
    QCOMPARE(ui::window("Form8")->focusWidget(), ui::control("Form8", "Picture1"));
}

void OperationsTest::optionShowsItsButton_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("of100"); // what Enter then gives for 100
    QTest::newRow("root") << "Op1" << QStringLiteral("ايجاد الجذر التربيعي") << QStringLiteral("أوجد الجذر التربيعي")
                          << "10";
    QTest::newRow("absolute") << "Op2" << QStringLiteral("ايجاد القيمة المطلقة")
                              << QStringLiteral("أوجد القيمة المطلقة") << "100";
    QTest::newRow("log") << "Op3" << QStringLiteral("ايجاد اللوغاريتم العشري للعدد")
                         << QStringLiteral("أوجد اللوغاريتم العشري") << "2";
    QTest::newRow("ln") << "Op9" << QStringLiteral("ايجاد اللوغاريتم الطبيعي للعدد")
                        << QStringLiteral("أوجد اللوغاريتم الطبيعي") << "4.60517018598809";
    QTest::newRow("prime") << "Op4" << QStringLiteral("معرفة العدد الأولي وغير الأولي")
                           << QStringLiteral("هل هذا العدد أولي؟") << NotPrime;
    QTest::newRow("round") << "Op5" << QStringLiteral("تقريب العدد لجزء من المئة") << QStringLiteral("تقريب العدد")
                           << "100";
    QTest::newRow("parity") << "Op6" << QStringLiteral("معرفة العدد الزوجي والفردي") << QStringLiteral("أوجد نوع العدد")
                            << Even;
}

// Coming from every other operation in turn: the operand and the last answer
// stay, only the chosen operation's button shows, and Enter presses it.
void OperationsTest::optionShowsItsButton()
{
    QFETCH(QString, option);
    QFETCH(QString, heading);
    QFETCH(QString, caption);
    QFETCH(QString, of100);
    operate(QStringLiteral("Op2"), QStringLiteral("-100"));
    for (const Operation &before : Operations) {
        if (option == QLatin1String(before.option))
            continue;
        QVERIFY(ui::click("Form8", before.option));
        QVERIFY(ui::click("Form8", qPrintable(option)));
        QCOMPARE(ui::text("Form8", "la22"), heading);
        for (const char *panel : {"Lak1", "Te1", "com", "Lak2", "Te2"})
            QVERIFY2(shown(panel), panel);
        for (const Operation &o : Operations)
            QVERIFY2(shown(o.button) == (option == QLatin1String(o.option)), o.button);
    }
    QCOMPARE(ui::text("Form8", "Te1"), QStringLiteral("-100"));
    QCOMPARE(ui::text("Form8", "Te2"), QStringLiteral("100"));
    QCOMPARE(ui::text("Form8", buttonOf(option)), caption);
    ui::type("Form8", "Te1", QStringLiteral("100"));
    ui::pressEnter(ui::control("Form8", "Te1"));
    QCOMPARE(ui::text("Form8", "Te2"), of100);
}

void OperationsTest::notAvailableKeepsThePanel_data()
{
    QTest::addColumn<QString>("chosen"); // the option chosen before, if any
    QTest::newRow("nothing chosen yet") << "";
    QTest::newRow("after the prime test") << "Op4";
    QTest::newRow("after the square root") << "Op1";
}

// The panel, the heading and the choice in the list stay as they were.
void OperationsTest::notAvailableKeepsThePanel()
{
    QFETCH(QString, chosen);
    if (!chosen.isEmpty())
        QVERIFY(ui::click("Form8", qPrintable(chosen)));
    const QString heading = ui::text("Form8", "la22");
    notices.expect(NotAvailable, 0x80000, QStringLiteral("غير متوفر"));
    QVERIFY(ui::click("Form8", "Option2"));
    QCOMPARE(ui::text("Form8", "la22"), heading);
    QVERIFY(!ui::control<QRadioButton>("Form8", "Option2")->isChecked());
    QCOMPARE(shown("Te1"), !chosen.isEmpty());
    for (const Operation &o : Operations) {
        const bool own = chosen == QLatin1String(o.option);
        QCOMPARE(ui::control<QRadioButton>("Form8", o.option)->isChecked(), own);
        QCOMPARE(shown(o.button), own);
    }
}

void OperationsTest::clearEmptiesOnlyTheInput()
{
    operate(QStringLiteral("Op1"), QStringLiteral("25"));
    QVERIFY(ui::click("Form8", "com"));
    QCOMPARE(ui::text("Form8", "Te1"), QString());
    QCOMPARE(ui::text("Form8", "Te2"), QStringLiteral("5"));
}

void OperationsTest::noLawsHere()
{
    QCOMPARE(ui::text("Form8", "Label4"), QString());
    notices.expect(QStringLiteral("معذرة .. لا توجد قوانين هنا"), 0x80000, QStringLiteral("لا يوجد"));
    QVERIFY(ui::click("Form8", "Label4"));
    // No window opens.
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(), [](QWidget *w) { return w->isVisible(); }), 1);
    QVERIFY(ui::window("Form8")->isVisible());
}

void OperationsTest::hiddenKeepsAndClosedStartsAfresh()
{
    operate(QStringLiteral("Op6"), QStringLiteral("7"));
    QVERIFY(ui::click("Form8", "Command3"));
    QVERIFY(!ui::window("Form8")->isVisible());
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(ui::control<QRadioButton>("Form8", "Op6")->isChecked());
    QVERIFY(shown("Comw"));
    QCOMPARE(ui::text("Form8", "Te1"), QStringLiteral("7"));
    QCOMPARE(ui::text("Form8", "Te2"), Odd);

    QVERIFY(section::closeWithYes(notices, "Form8"));
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(!ui::control<QRadioButton>("Form8", "Op6")->isChecked());
    QVERIFY(!shown("Te1"));
    QCOMPARE(ui::text("Form8", "Te1"), QString());
    QCOMPARE(ui::text("Form8", "Te2"), QString());
}

QTEST_MAIN(OperationsTest)
#include "test_operations.moc"
