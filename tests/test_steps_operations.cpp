// The worked steps of the number operations window: what each operation
// writes for the number typed (in both digit shapes for a few) and the steps
// a failure leaves. How the steps open, refuse and close is test_stepsdoor's;
// that every calculate button's steps end with its result box is
// test_wiring's.

#include "support/scripted.h"
#include "support/stepstext.h"
#include "support/ui.h"

#include "kit/steps.h"
#include "kit/stepswindow.h"
#include "numtext/digits.h"
#include "numtext/steps.h"

#include <QLineEdit>

using numtext::DigitShape;
using numtext::Failure;

using namespace stepstext;

namespace {
const char *buttonOf(const QString &option)
{
    static const QHash<QString, const char *> buttons{{"Op1", "Comj"},   {"Op2", "Comg"},  {"Op3", "Coml"},
                                                      {"Op9", "Comldd"}, {"Op4", "Comwl"}, {"Op5", "Comt"},
                                                      {"Op6", "Comw"}};
    return buttons.value(option);
}

const QString Prime = QStringLiteral("نعم .. العدد أولي");
const QString NotPrime = QStringLiteral("العدد غيرأولي");
const QString Definition = QStringLiteral("العدد الأولي عدد صحيح أكبر من 1 لا يقبل القسمة إلا على 1 وعلى نفسه");
const QString RootMeaning = QStringLiteral("(الجذر التربيعي للعدد هو العدد غير السالب الذي مربعه يساوي العدد)");
const QString LogHead = QStringLiteral("[blue:اللوغاريتم العشري] = لو العدد");
const QString LogMeaning = QStringLiteral("(لو العدد هو الأس الذي يرفع إليه 10 ليعطي العدد)");
const QString AbsMeaning = QStringLiteral("(القيمة المطلقة للعدد هي بعده عن الصفر: العدد بلا إشارة)");
const QString RoundRule = QStringLiteral(
    "التقريب لأقرب جزء من المئة: نضرب في 100، ثم نأخذ أقرب عدد صحيح إلى حاصل الضرب، ثم نقسمه على 100");
const QString RoundRuleIndic = QStringLiteral(
    "التقريب لأقرب جزء من المئة: نضرب في ١٠٠، ثم نأخذ أقرب عدد صحيح إلى حاصل الضرب، ثم نقسمه على ١٠٠");
// The last reason a prime n is given.
QString onlyOneAndItself(const char *n)
{
    return QStringLiteral("ولو كان له قاسم أكبر من جذره لقابله قاسم أصغر من جذره: فلا قاسم له إلا 1 و") + n;
}
} // namespace

class StepsOperationsTest : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase() { quietenHeadlessWarnings(); }
    void init();
    void stepsOfEachOperation_data();
    void stepsOfEachOperation();
    void digitShapes_data();
    void digitShapes();
    void failureEndsTheSteps_data();
    void failureEndsTheSteps();

private:
    void operate(const QString &option, const QString &input)
    {
        QVERIFY(ui::click("Form8", qPrintable(option)));
        ui::type("Form8", "Te1", input);
        QVERIFY(ui::click("Form8", buttonOf(option)));
    }
    app::StepsSource *steps() const { return app::stepsOf(ui::window("Form8")); }
    // The steps window, opened by F2 in the input box as the pupil opens it.
    reference::StepsWindow *openSteps()
    {
        QWidget *window = ui::window("Form8");
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            return nullptr;
        QTest::keyClick(ui::control("Form8", "Te1"), Qt::Key_F2);
        return steps()->stepsWindow();
    }
};

void StepsOperationsTest::init()
{
    WindowTest::init();
    numtext::setDigitShape(DigitShape::Western);
    QVERIFY(ui::click("Form1", "Op6"));
    QVERIFY(ui::click("Form1", "Command1"));
    QVERIFY(ui::window("Form8")->isVisible());
}

void StepsOperationsTest::stepsOfEachOperation_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("prime 91 = 7 * 13")
        << "Op4"
        << "91" << QStringList{"العدد = 91",  Definition, "لا يقسمه 2 ولا 3 ولا 5", "أصغر عدد أولي يقسم 91 هو 7",
                               "91 = 7 × 13", NotPrime};
    QTest::newRow("prime 97") << "Op4"
                              << "97" << QStringList{"العدد = 97",
                                                     Definition,
                                                     "\\sqrt{97} ≈ 9.8488578017961",
                                                     "لا يقسمه أي عدد أولي من 2 حتى 9 (2، 3، 5، 7)",
                                                     onlyOneAndItself("97"),
                                                     Prime};
    QTest::newRow("prime 2") << "Op4"
                             << "2" << QStringList{"العدد = 2",
                                                   Definition,
                                                   "\\sqrt{2} ≈ 1.4142135623731",
                                                   "لا يوجد عدد أولي حتى \\sqrt{2}",
                                                   onlyOneAndItself("2"),
                                                   Prime};
    QTest::newRow("prime near 2^53, every digit") << "Op4"
                                                  << "9007199254740881"
                                                  << QStringList{"العدد = 9007199254740881",
                                                                 Definition,
                                                                 "\\sqrt{9007199254740881} ≈ 94906265.624251",
                                                                 "لا يقسمه أي عدد أولي من 2 حتى 94906265",
                                                                 onlyOneAndItself("9007199254740881"),
                                                                 Prime};
    QTest::newRow("prime 2^53 - 1") << "Op4"
                                    << "9007199254740991"
                                    << QStringList{"العدد = 9007199254740991",
                                                   Definition,
                                                   "لا يقسمه أي عدد أولي أصغر من 6361",
                                                   "أصغر عدد أولي يقسم 9007199254740991 هو 6361",
                                                   "9007199254740991 = 6361 × 1416003655831",
                                                   NotPrime};
    QTest::newRow("prime, square of a prime near 2^26.5")
        << "Op4"
        << "9007196099250001"
        << QStringList{"العدد = 9007196099250001",
                       Definition,
                       "لا يقسمه أي عدد أولي أصغر من 94906249",
                       "أصغر عدد أولي يقسم 9007196099250001 هو 94906249",
                       "9007196099250001 = 94906249 × 94906249",
                       NotPrime};
    // Tested as typed, as every number below 10^18 is.
    QTest::newRow("prime 2^53") << "Op4"
                                << "9007199254740992"
                                << QStringList{"العدد = 9007199254740992", Definition,
                                               "أصغر عدد أولي يقسم 9007199254740992 هو 2",
                                               "9007199254740992 = 2 × 4503599627370496", NotPrime};
    QTest::newRow("prime 2^53 + 1") << "Op4"
                                    << "9007199254740993"
                                    << QStringList{"العدد = 9007199254740993",
                                                   Definition,
                                                   "لا يقسمه 2",
                                                   "أصغر عدد أولي يقسم 9007199254740993 هو 3",
                                                   "9007199254740993 = 3 × 3002399751580331",
                                                   NotPrime};
    QTest::newRow("prime 0") << "Op4"
                             << "0"
                             << QStringList{"العدد = 0", Definition,
                                            "0 يقبل القسمة على كل عدد غير الصفر، وليس أكبر من 1", NotPrime};
    QTest::newRow("prime 1") << "Op4"
                             << "1"
                             << QStringList{"العدد = 1", Definition, "1 ليس أكبر من 1: له قاسم واحد فقط هو نفسه",
                                            NotPrime};
    QTest::newRow("prime 7.5") << "Op4"
                               << "7.5" << QStringList{"العدد = 7.5", Definition, "7.5 ليس عددا صحيحا", NotPrime};
    // The trial divisors that failed come before the factor.
    QTest::newRow("221 = 13 × 17") << "Op4"
                                   << "221" << QStringList{"العدد = 221",
                                                           Definition,
                                                           "لا يقسمه 2 ولا 3 ولا 5 ولا 7 ولا 11",
                                                           "أصغر عدد أولي يقسم 221 هو 13",
                                                           "221 = 13 × 17",
                                                           NotPrime};
    QTest::newRow("odd 7") << "Op6"
                           << "7"
                           << QStringList{"العدد = 7", "نقسم على 2: 7 = 2 × 3 + 1 ، والباقي 1",
                                          "الباقي 1: العدد لا يقبل القسمة على 2", "نوع العدد فردي"};
    // School division: the remainder is never negative.
    QTest::newRow("odd -7, a remainder of 1") << "Op6"
                                              << "-7"
                                              << QStringList{"العدد = −7", "نقسم على 2: −7 = 2 × (−4) + 1 ، والباقي 1",
                                                             "الباقي 1: العدد لا يقبل القسمة على 2", "نوع العدد فردي"};
    QTest::newRow("even -4") << "Op6"
                             << "-4"
                             << QStringList{"العدد = −4", "نقسم على 2: −4 = 2 × (−2) + 0 ، والباقي 0",
                                            "الباقي 0: العدد يقبل القسمة على 2", "نوع العدد زوجي"};
    QTest::newRow("letters read as 0") << "Op6"
                                       << "abc"
                                       << QStringList{"يؤخذ العدد الذي في أول المكتوب، وهنا 0", "العدد = 0",
                                                      "نقسم على 2: 0 = 2 × 0 + 0 ، والباقي 0",
                                                      "الباقي 0: العدد يقبل القسمة على 2", "نوع العدد زوجي"};
    QTest::newRow("2.5 is not whole") << "Op6"
                                      << "2.5"
                                      << QStringList{"العدد = 2.5",
                                                     "2.5 له جزء كسري: الزوجي والفردي من صفات الأعداد الصحيحة",
                                                     "العدد ليس صحيحا .. فلا يوصف بأنه زوجي أو فردي"};
}

void StepsOperationsTest::stepsOfEachOperation()
{
    QFETCH(QString, option);
    QFETCH(QString, input);
    QFETCH(QStringList, lines);
    operate(option, input);
    const numtext::Steps &s = steps()->last();
    QCOMPARE(s.lines(), lines);
    QVERIFY(!s.failed());
}

// The steps window's plain text, in the shape chosen there.
void StepsOperationsTest::digitShapes_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("input");
    QTest::addColumn<DigitShape>("shape");
    QTest::addColumn<QString>("text");
    const auto A = DigitShape::ArabicIndic, W = DigitShape::Western;
    QTest::newRow("root 2, ١٢٣") << "Op1"
                                 << "2" << A << rtl({RootMeaning, "الجذر التربيعي = √(٢)", "≈ ١٫٤١٤٢١٣٥٦٢٣٧٣١"});
    QTest::newRow("root 2, 123") << "Op1"
                                 << "2" << W << rtl({RootMeaning, "الجذر التربيعي = √(2)", "≈ 1.4142135623731"});
    QTest::newRow("log 100, ١٢٣, a raised exponent")
        << "Op3"
        << "100" << A
        << rtl({"اللوغاريتم العشري = لو العدد", "(لو العدد هو الأس الذي يرفع إليه ١٠ ليعطي العدد)", "المطلوب لو ١٠٠",
                "١٠² = ١٠٠، إذن لو ١٠٠ = ٢"});
    QTest::newRow("log 2, ١٢٣, the quotient of natural logarithms")
        << "Op3"
        << "2" << A
        << rtl({"اللوغاريتم العشري = لو العدد", "(لو العدد هو الأس الذي يرفع إليه ١٠ ليعطي العدد)", "المطلوب لو ٢",
                "٢ بين ١ و ١٠، أي بين ١٠⁰ و ١٠¹، إذن لو ٢ بين ٠ و ١", "ولإيجاده نقسم لوغاريتمين طبيعيين:",
                "لو ٢ = (لوهـ ٢) ÷ (لوهـ ١٠)", "≈ ٠٫٦٩٣١٤٧١٨٠٥٥٩٩٤٥ ÷ ٢٫٣٠٢٥٨٥٠٩٢٩٩٤٠٥", "≈ ٠٫٣٠١٠٢٩٩٩٥٦٦٣٩٨١"});
    QTest::newRow("prime 91, ١٢٣") << "Op4"
                                   << "91" << A
                                   << rtl({"العدد = ٩١",
                                           "العدد الأولي عدد صحيح أكبر من ١ لا يقبل القسمة إلا على ١ وعلى نفسه",
                                           "لا يقسمه ٢ ولا ٣ ولا ٥", "أصغر عدد أولي يقسم ٩١ هو ٧", "٩١ = ٧ × ١٣",
                                           NotPrime});
    QTest::newRow("prime 91, 123") << "Op4"
                                   << "91" << W
                                   << rtl({"العدد = 91", Definition, "لا يقسمه 2 ولا 3 ولا 5",
                                           "أصغر عدد أولي يقسم 91 هو 7", "91 = 7 × 13", NotPrime});
    QTest::newRow("prime 2^53, ١٢٣") << "Op4"
                                     << "9007199254740992" << A
                                     << rtl({"العدد = ٩٠٠٧١٩٩٢٥٤٧٤٠٩٩٢",
                                             "العدد الأولي عدد صحيح أكبر من ١ لا يقبل القسمة إلا على ١ وعلى نفسه",
                                             "أصغر عدد أولي يقسم ٩٠٠٧١٩٩٢٥٤٧٤٠٩٩٢ هو ٢",
                                             "٩٠٠٧١٩٩٢٥٤٧٤٠٩٩٢ = ٢ × ٤٥٠٣٥٩٩٦٢٧٣٧٠٤٩٦", NotPrime});
    QTest::newRow("round 0.125, ١٢٣")
        << "Op5"
        << "0.125" << A
        << rtl({RoundRuleIndic, "العدد = ٠٫١٢٥", "٠٫١٢٥ × ١٠٠ = ١٢٫٥",
                "١٢٫٥ في المنتصف تماما بين ١٢ و ١٣، وعند المنتصف تماما نأخذ العدد الزوجي من العددين: ١٢",
                "العدد مقربا = ١٢ ÷ ١٠٠", "= ٠٫١٢"});
    QTest::newRow("round -2.346, ١٢٣")
        << "Op5"
        << "-2.346" << A
        << rtl({RoundRuleIndic, "العدد = " + ALM + "−٢٫٣٤٦", ALM + "−٢٫٣٤٦ × ١٠٠ ≈ " + ALM + "−٢٣٤٫٦",
                ALM + "−٢٣٤٫٦ بين " + ALM + "−٢٣٥ و " + ALM + "−٢٣٤، وأقرب عدد صحيح إليه " + ALM + "−٢٣٥",
                "العدد مقربا = " + ALM + "−٢٣٥ ÷ ١٠٠", "= " + ALM + "−٢٫٣٥"});
    QTest::newRow("round 1E-05, 123") << "Op5"
                                      << "1E-05" << W
                                      << rtl({RoundRule, "العدد = 1 × 10⁻⁵", "(1 × 10⁻⁵) × 100 = 0.001",
                                              "0.001 بين 0 و 1، وأقرب عدد صحيح إليه 0", "العدد مقربا = 0 ÷ 100",
                                              "= 0"});
}

void StepsOperationsTest::digitShapes()
{
    QFETCH(QString, option);
    QFETCH(QString, input);
    QFETCH(DigitShape, shape);
    QFETCH(QString, text);
    numtext::setDigitShape(shape);
    operate(option, input);
    reference::StepsWindow *window = openSteps();
    QVERIFY(window && window->isVisible());
    QCOMPARE(stepstext::withoutIsolates(window->view()->plainText()), text);
}

// A computation failure: the steps up to it, then its text; the result box
// keeps its text. The square root of a negative number ends the steps with
// why, and the window's own notice.
void StepsOperationsTest::failureEndsTheSteps_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("failure");
    // Refused by its notice: nothing computed, and why.
    QTest::newRow("root of -4") << "Op1"
                                << "-4" << QStringList() << numtext::refusalText(numtext::Refusal::NegativeUnderRoot);
    QTest::newRow("root of letters") << "Op1"
                                     << "abc" << QStringList{RootMeaning} << numtext::failureText(Failure::NotANumber);
    QTest::newRow("log of 12abc") << "Op3"
                                  << "12abc" << QStringList{LogHead, LogMeaning}
                                  << numtext::failureText(Failure::NotANumber);
    QTest::newRow("absolute beyond the doubles")
        << "Op2"
        << "-1e400" << QStringList{AbsMeaning} << numtext::failureText(Failure::Overflow);
    QTest::newRow("round 1.2.3") << "Op5"
                                 << "1.2.3" << QStringList() << numtext::failureText(Failure::NotANumber);
    QTest::newRow("parity beyond 32 bits")
        << "Op6"
        << "3e9" << QStringList{"العدد = 3000000000"} << numtext::failureText(Failure::OutOfRange);
    QTest::newRow("prime beyond the doubles") << "Op4"
                                              << "1e400" << QStringList() << numtext::failureText(Failure::Overflow);
}

void StepsOperationsTest::failureEndsTheSteps()
{
    QFETCH(QString, option);
    QFETCH(QString, input);
    QFETCH(QStringList, lines);
    QFETCH(QString, failure);
    operate(option, QStringLiteral("4"));
    const QString before = ui::text("Form8", "Te2");
    if (option == "Op1" && input.startsWith(u'-'))
        notices.expect(QStringLiteral("لا يمكن إيجاد الجذر التربيعي لهذا العدد .. لأنه تحت الصفر"), 0x80000,
                       QStringLiteral("خطأ رياضي"));
    else
        expectFailure(notices, failure == numtext::failureText(Failure::NotANumber) ? Failure::NotANumber
                               : failure == numtext::failureText(Failure::Overflow) ? Failure::Overflow
                                                                                    : Failure::OutOfRange);
    operate(option, input);
    QCOMPARE(ui::text("Form8", "Te2"), before);
    const numtext::Steps &s = steps()->last();
    if (s.refused()) {
        QVERIFY(refusedWith(s, QStringLiteral("لا يمكن إيجاد الجذر التربيعي لهذا العدد .. لأنه تحت الصفر")));
        QCOMPARE(s.refusal().first(), failure);
        QVERIFY(openSteps()->view()->plainText().startsWith(RLM + failure));
        return;
    }
    QCOMPARE(s.lines(), lines);
    QCOMPARE(s.failure(), failure);
    QVERIFY(openSteps()->view()->plainText().endsWith(RLM + failure));
}

QTEST_MAIN(StepsOperationsTest)
#include "test_steps_operations.moc"
