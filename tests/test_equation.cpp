// The equation solver: quadratic and linear roots, the order of the checks,
// the notices that stop a solve, the second-root row, the box limits and the
// window's place among the others.

#include "support/scripted.h"
#include "support/ui.h"

#include "kit/notice.h"
#include "kit/windows.h"

#include <QLineEdit>

using namespace numtext;

namespace {
const QString Empty = QStringLiteral("فارغ");
const QString MathError = QStringLiteral("خطأ رياضي");
const QString NegativeDiscriminant = QStringLiteral(
    "لا يوجد حل لهذه المعادلة .. لأنه أثناء حل المعادلة يوجد سالب تحت الجذر");
const QString NoSolution = QStringLiteral("لا يوجد حل لهذه المعادلة .. لأن أ و ب يساويان صفرا والعدد الثابت ليس صفرا");
const QString EveryNumber = QStringLiteral("كل عدد هو حل لهذه المعادلة .. لأن جميع المعاملات تساوي صفرا");
const QString MissingA = QStringLiteral("من فضلك .. أدخل أ معامل س من الدرجة الثانـية") + crlf()
                         + QStringLiteral("وإذا أردت حل معادلة من الدرجة الأولى ضع أ = صفر");
const QString MissingB = QStringLiteral("من فضلك .. أدخل ب معامل س من الدرجة الأولى") + crlf()
                         + QStringLiteral("إن لم يكن موجودا فضع مكانه يساوي صفر 0");
const QString MissingC = QStringLiteral("من فضلك .. أدخل جـ العدد الثابت ") + crlf()
                         + QStringLiteral("إن لم يكن موجودا فضع مكانه يساوي صفر 0");
const char *const SecondRow[] = {"Te5", "Label13", "Label12", "Label9"};
} // namespace

class EquationTest : public WindowTest {
    Q_OBJECT
private slots:
    void init();
    void solve_data();
    void solve();
    void linearThenQuadraticShowsTheRowAgain();
    void emptyCoefficients_data();
    void emptyCoefficients();
    void stopsWithANotice_data();
    void stopsWithANotice();
    void failures_data();
    void failures();
    void clearLeavesTheRoots();
    void boxesRefuseASixthCharacter_data();
    void boxesRefuseASixthCharacter();
    void enterSolves();
    void lawsButtonShowsTheLawsBeside();
    void menuButtonKeepsTheWindow();
    void closeWithYesStartsAfresh();
    void exitConfirmation();

private:
    void solve(const QString &a, const QString &b, const QString &c)
    {
        ui::type("Form16", "Te1", a);
        ui::type("Form16", "Te2", b);
        ui::type("Form16", "Te3", c);
        QVERIFY(ui::click("Form16", "Command4"));
    }
    // Whether each control of the second-root row is shown.
    static QList<bool> secondRow()
    {
        QList<bool> shown;
        for (const char *name : SecondRow)
            shown << ui::control("Form16", name)->isVisible();
        return shown;
    }
    static QList<bool> row(bool shown) { return {shown, shown, shown, shown}; }
    // Roots from an earlier solve, which a stopped solve must leave alone.
    void earlierRoots()
    {
        solve("1", "-3", "2");
        QCOMPARE(ui::text("Form16", "Te4"), QStringLiteral("2"));
        QCOMPARE(ui::text("Form16", "Te5"), QStringLiteral("1"));
    }
};

void EquationTest::init()
{
    WindowTest::init();
    QVERIFY(ui::click("Form1", "Op9"));
    QVERIFY(ui::click("Form1", "Command1"));
    QWidget *w = ui::window("Form16");
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("حل معادلات"));
    QVERIFY(!ui::window("Form1")->isVisible());
}

void EquationTest::solve_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second"); // the text of Te5 afterwards
    QTest::addColumn<bool>("quadratic");
    // Te5 holds "old" before each solve: a linear solve keeps it, hidden.
    QTest::newRow("two roots") << "1"
                               << "-3"
                               << "2"
                               << "2"
                               << "1" << true;
    QTest::newRow("D = 0, equal roots") << "1"
                                        << "2"
                                        << "1"
                                        << "-1"
                                        << "-1" << true;
    QTest::newRow("fractional root") << "2"
                                     << "1"
                                     << "-1"
                                     << "0.5"
                                     << "-1" << true;
    QTest::newRow("both roots 0") << "1"
                                  << "0"
                                  << "0"
                                  << "0"
                                  << "0" << true;
    // The first root is 2c ÷ (−b − √D) here: its last digit is that of the
    // quotient, 1.41421356237309492…
    QTest::newRow("irrational roots") << "1"
                                      << "0"
                                      << "-2"
                                      << "1.41421356237309"
                                      << "-1.4142135623731" << true;
    // Cancellation: the small root from the product of the roots.
    QTest::newRow("small root of b = -1E8") << "1"
                                            << "-1E8"
                                            << "1"
                                            << "100000000"
                                            << "1E-08" << true;
    QTest::newRow("negative a") << "-1"
                                << "0"
                                << "4"
                                << "-2"
                                << "2" << true;
    QTest::newRow("a with spaces") << " 1 "
                                   << "-3"
                                   << "2"
                                   << "2"
                                   << "1" << true;
    QTest::newRow("a in exponent form") << "1e0"
                                        << "-3"
                                        << "2"
                                        << "2"
                                        << "1" << true;
    QTest::newRow("b and c by their leading numbers") << "1"
                                                      << "-3kg"
                                                      << "2x"
                                                      << "2"
                                                      << "1" << true;
    QTest::newRow("a space in b is 0") << "1"
                                       << " "
                                       << "-1"
                                       << "1"
                                       << "-1" << true;
    QTest::newRow("letters in c are 0") << "1"
                                        << "-2"
                                        << "abc"
                                        << "2"
                                        << "0" << true;
    QTest::newRow("linear") << "0"
                            << "2"
                            << "-4"
                            << "2"
                            << "old" << false;
    QTest::newRow("linear, root 0") << "0"
                                    << "2"
                                    << "0"
                                    << "0"
                                    << "old" << false;
    QTest::newRow("linear, repeating root") << "0"
                                            << "3"
                                            << "1"
                                            << "-0.333333333333333"
                                            << "old" << false;
    QTest::newRow("linear, a written 0.0") << "0.0"
                                           << "4"
                                           << "-2"
                                           << "0.5"
                                           << "old" << false;
    QTest::newRow("linear, a written -0") << "-0"
                                          << "-5"
                                          << "10"
                                          << "2"
                                          << "old" << false;
}

void EquationTest::solve()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(bool, quadratic);
    ui::type("Form16", "Te5", QStringLiteral("old"));
    solve(a, b, c);
    QCOMPARE(ui::text("Form16", "Te4"), first);
    QCOMPARE(ui::text("Form16", "Te5"), second);
    QCOMPARE(secondRow(), row(quadratic));
    // The coefficients stay as typed.
    QCOMPARE(ui::text("Form16", "Te1"), a);
    QCOMPARE(ui::text("Form16", "Te2"), b);
}

void EquationTest::linearThenQuadraticShowsTheRowAgain()
{
    QCOMPARE(secondRow(), row(true));
    solve("0", "2", "-4");
    QCOMPARE(secondRow(), row(false));
    // A stopped solve leaves the row as it was.
    notices.expect(NegativeDiscriminant, 0x80040, MathError);
    solve("1", "0", "1");
    QCOMPARE(secondRow(), row(false));
    solve("1", "-5", "6");
    QCOMPARE(secondRow(), row(true));
    QCOMPARE(ui::text("Form16", "Te4"), QStringLiteral("3"));
    QCOMPARE(ui::text("Form16", "Te5"), QStringLiteral("2"));
}

void EquationTest::emptyCoefficients_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("message");
    QTest::newRow("all three") << ""
                               << ""
                               << "" << MissingA;
    QTest::newRow("a only") << ""
                            << "1"
                            << "1" << MissingA;
    QTest::newRow("b and c") << "1"
                             << ""
                             << "" << MissingB;
    QTest::newRow("b only") << "1"
                            << ""
                            << "2" << MissingB;
    QTest::newRow("c only") << "1"
                            << "2"
                            << "" << MissingC;
    // The empty tests come before the discriminant's sign is looked at.
    QTest::newRow("c, though D would be negative") << "5"
                                                   << "0"
                                                   << "" << MissingC;
    QTest::newRow("a, though a linear b = 0") << ""
                                              << "0"
                                              << "5" << MissingA;
}

void EquationTest::emptyCoefficients()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(QString, message);
    earlierRoots();
    notices.expect(message, 0x80040, Empty);
    solve(a, b, c);
    QCOMPARE(ui::text("Form16", "Te4"), QStringLiteral("2"));
    QCOMPARE(ui::text("Form16", "Te5"), QStringLiteral("1"));
    QCOMPARE(secondRow(), row(true));
}

void EquationTest::stopsWithANotice_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");
    QTest::newRow("negative discriminant") << "1"
                                           << "0"
                                           << "1" << NegativeDiscriminant << MathError;
    QTest::newRow("negative discriminant, a not a number") << "1abc"
                                                           << "0"
                                                           << "1" << NegativeDiscriminant << MathError;
    QTest::newRow("a = b = 0, c not 0") << "0"
                                        << "0"
                                        << "5" << NoSolution << MathError;
    QTest::newRow("a = b = 0, c negative") << "0"
                                           << "0.0"
                                           << "-1" << NoSolution << MathError;
    QTest::newRow("a = b = c = 0") << "0"
                                   << "0"
                                   << "0" << EveryNumber << QStringLiteral("معلومة رياضية");
    QTest::newRow("a = b = 0, c letters") << "0"
                                          << "abc"
                                          << "x" << EveryNumber << QStringLiteral("معلومة رياضية");
}

void EquationTest::stopsWithANotice()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(QString, message);
    QFETCH(QString, title);
    earlierRoots();
    notices.expect(message, 0x80040, title);
    solve(a, b, c);
    QCOMPARE(ui::text("Form16", "Te4"), QStringLiteral("2"));
    QCOMPARE(ui::text("Form16", "Te5"), QStringLiteral("1"));
    QCOMPARE(secondRow(), row(true));
}

void EquationTest::failures_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<Failure>("kind");
    // The quadratic test reads a's own text, which must be a whole number.
    QTest::newRow("a followed by letters") << "1abc"
                                           << "-3"
                                           << "2" << Failure::NotANumber;
    QTest::newRow("a letters only") << "abc"
                                    << "1"
                                    << "1" << Failure::NotANumber;
    QTest::newRow("a one space") << " "
                                 << "1"
                                 << "1" << Failure::NotANumber;
    // The discriminant overflows before any box is tested.
    QTest::newRow("b squared overflows") << "1"
                                         << "1E200"
                                         << "1" << Failure::Overflow;
    QTest::newRow("b squared overflows, a empty") << ""
                                                  << "1E200"
                                                  << "" << Failure::Overflow;
    QTest::newRow("4ac overflows") << "1E200"
                                   << "1"
                                   << "1E200" << Failure::Overflow;
    QTest::newRow("a beyond a double") << "1E999"
                                       << "1"
                                       << "1" << Failure::Overflow;
    // The linear root itself overflows.
    QTest::newRow("linear root overflows") << "0"
                                           << "1E-99"
                                           << "9E307" << Failure::Overflow;
}

void EquationTest::failures()
{
    QFETCH(Failure, kind);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    earlierRoots();
    expectFailure(notices, kind);
    solve(a, b, c);
    QCOMPARE(ui::text("Form16", "Te4"), QStringLiteral("2"));
    QCOMPARE(ui::text("Form16", "Te5"), QStringLiteral("1"));
    QCOMPARE(secondRow(), row(true));
}

void EquationTest::clearLeavesTheRoots()
{
    solve("0", "2", "-4");
    QVERIFY(ui::click("Form16", "Command2"));
    for (const char *box : {"Te1", "Te2", "Te3"})
        QCOMPARE(ui::text("Form16", box), QString());
    QCOMPARE(ui::text("Form16", "Te4"), QStringLiteral("2"));
    QCOMPARE(secondRow(), row(false));
    // The cleared boxes are empty to the next solve.
    notices.expect(MissingA, 0x80040, Empty);
    QVERIFY(ui::click("Form16", "Command4"));
}

void EquationTest::boxesRefuseASixthCharacter_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("a") << "Te1"
                       << "123456"
                       << "12345";
    QTest::newRow("b") << "Te2"
                       << "-1.2345"
                       << "-1.23";
    QTest::newRow("c") << "Te3"
                       << "1E+300"
                       << "1E+30";
    QTest::newRow("five fit") << "Te1"
                              << "0.125"
                              << "0.125";
    // The result boxes have no limit.
    QTest::newRow("first root") << "Te4"
                                << "1234567"
                                << "1234567";
}

void EquationTest::boxesRefuseASixthCharacter()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    ui::type("Form16", qPrintable(box), typed);
    QCOMPARE(ui::text("Form16", qPrintable(box)), kept);
}

void EquationTest::enterSolves()
{
    ui::type("Form16", "Te1", "1");
    ui::type("Form16", "Te2", "-3");
    ui::type("Form16", "Te3", "2");
    ui::pressEnter(ui::control("Form16", "Te3"));
    QCOMPARE(ui::text("Form16", "Te4"), QStringLiteral("2"));
    QCOMPARE(ui::text("Form16", "Te5"), QStringLiteral("1"));
}

void EquationTest::lawsButtonShowsTheLawsBeside()
{
    QVERIFY(ui::click("Form16", "Command5"));
    QVERIFY(ui::window("Form19") && ui::window("Form19")->isVisible());
    QVERIFY(ui::window("Form16")->isVisible());
    QVERIFY(!ui::window("Form1")->isVisible());
}

void EquationTest::menuButtonKeepsTheWindow()
{
    solve("0", "2", "-4");
    QVERIFY(ui::click("Form16", "Command3"));
    QVERIFY(!ui::window("Form16")->isVisible());
    QVERIFY(ui::window("Form1")->isVisible());
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(ui::window("Form16")->isVisible());
    QCOMPARE(ui::text("Form16", "Te1"), QStringLiteral("0"));
    QCOMPARE(ui::text("Form16", "Te4"), QStringLiteral("2"));
    QCOMPARE(secondRow(), row(false));
}

void EquationTest::closeWithYesStartsAfresh()
{
    solve("0", "2", "-4");
    notices.expect(QStringLiteral("هل أنت متأكد من إغلاق هذه النافذة والانتقال إلى الصفحة الرئيسية؟"), 0x80004,
                   QStringLiteral("إغلاق النافذة"), answer::No);
    QVERIFY(!ui::closeBox("Form16"));
    QCOMPARE(secondRow(), row(false));
    notices.expect(QStringLiteral("هل أنت متأكد من إغلاق هذه النافذة والانتقال إلى الصفحة الرئيسية؟"), 0x80004,
                   QStringLiteral("إغلاق النافذة"), answer::Yes);
    QVERIFY(ui::closeBox("Form16"));
    QVERIFY(ui::window("Form1")->isVisible());
    ui::settle();
    QVERIFY(ui::click("Form1", "Command1"));
    for (const char *box : {"Te1", "Te2", "Te3", "Te4", "Te5"})
        QCOMPARE(ui::text("Form16", box), QString());
    QCOMPARE(secondRow(), row(true));
}

void EquationTest::exitConfirmation()
{
    notices.expect(QStringLiteral("هل أنت متأكد من الخروج ؟"), 0x80024, QStringLiteral("تنبيه"), answer::No);
    QVERIFY(ui::click("Form16", "Command1"));
    QCOMPARE(programEnds, 0);
    QVERIFY(ui::window("Form16")->isVisible());
    notices.expect(QStringLiteral("هل أنت متأكد من الخروج ؟"), 0x80024, QStringLiteral("تنبيه"), answer::Yes);
    QVERIFY(ui::click("Form16", "Command1"));
    QCOMPARE(programEnds, 1);
}

QTEST_MAIN(EquationTest)
#include "test_equation.moc"
