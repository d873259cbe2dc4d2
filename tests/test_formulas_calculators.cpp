// The conventional calculator without its window: the four operations on
// the two typed numbers and the rounding of the result to hundredths, the
// steps of each and the text of the result box.

#include "support/linecheck.h"

#include "calculators/formulas.h"
#include "numbers/formulas.h"

#include <QTest>

#include <algorithm>

using namespace calculators;
using namespace numtext;

Q_DECLARE_METATYPE(calculators::Operation)

namespace {

// The value a line ends with: what follows its last "=" or "≈".
QString lastValue(const QString &line)
{
    qsizetype at = -1;
    for (const QString &relation : {QStringLiteral("= "), QStringLiteral("≈ ")})
        at = std::max(at, line.lastIndexOf(relation));
    return at < 0 ? QString() : line.mid(at + 2);
}

const QString RoundRule = QStringLiteral("[blue:التقريب لأقرب جزء من المئة]: نضرب في 100، ثم نأخذ أقرب عدد صحيح إلى "
                                         "حاصل الضرب، ثم نقسمه على 100");

} // namespace

class FormulasCalculatorsTest : public QObject {
    Q_OBJECT
private slots:
    void operations_data();
    void operations();
    void overflowEndsTheLines();
    void rounding_data();
    void rounding();
    void roundingExplainedAsInTheNumberWindow_data();
    void roundingExplainedAsInTheNumberWindow();
};

// The lines of each operation on the typed numbers and the result box's
// text: the last line ends with it; the division by zero ends the lines with
// the text the box gets.
void FormulasCalculatorsTest::operations_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("box");
    QTest::newRow("2 + 3") << "2" << Operation::Add << "3"
                           << QStringList{"الناتج = العدد الأول + العدد الثاني", "= 2 + 3", "= 5"} << "5";
    QTest::newRow("2 - 3") << "2" << Operation::Subtract << "3"
                           << QStringList{"الناتج = العدد الأول − العدد الثاني", "= 2 − 3", "= −1"} << "-1";
    QTest::newRow("2 / 3") << "2" << Operation::Divide << "3"
                           << QStringList{"الناتج = العدد الأول ÷ العدد الثاني", "= 2 ÷ 3", "≈ 0.666666666666667"}
                           << "0.666666666666667";
    QTest::newRow("0.1 + 0.2, written rounded")
        << "0.1" << Operation::Add << "0.2"
        << QStringList{"الناتج = العدد الأول + العدد الثاني", "= 0.1 + 0.2", "≈ 0.3"} << "0.3";
    QTest::newRow("6 / -2, a negative divisor")
        << "6" << Operation::Divide << "-2" << QStringList{"الناتج = العدد الأول ÷ العدد الثاني", "= 6 ÷ (−2)", "= −3"}
        << "-3";
    QTest::newRow("12abc * -3, a leading number")
        << "12abc" << Operation::Multiply << "-3"
        << QStringList{"العدد الأول: يؤخذ العدد الذي في أول المكتوب، وهنا 12", "الناتج = العدد الأول × العدد الثاني",
                       "= 12 × (−3)", "= −36"}
        << "-36";
    QTest::newRow("letters + 3, read as 0") << "abc" << Operation::Add << "3"
                                            << QStringList{"العدد الأول: يؤخذ العدد الذي في أول المكتوب، وهنا 0",
                                                           "الناتج = العدد الأول + العدد الثاني", "= 0 + 3", "= 3"}
                                            << "3";
    QTest::newRow("an operand rounded to 15 digits")
        << "0.1234567890123456789" << Operation::Multiply << "1"
        << QStringList{"العدد الأول = 0.1234567890123456789 ≈ 0.123456789012346 (مقربا إلى 15 رقما)",
                       "الناتج = العدد الأول × العدد الثاني", "= 0.123456789012346 × 1", "= 0.123456789012346"}
        << "0.123456789012346";
    QTest::newRow("1E+16 + 1, the 1 lost")
        << "1E16" << Operation::Add << "1"
        << QStringList{"الناتج = العدد الأول + العدد الثاني", "= (1 × 10^{16}) + 1", "≈ 1 × 10^{16}"} << "1E+16";
    QTest::newRow("1E-06 / 1000, powers of ten")
        << "1E-06" << Operation::Divide << "1000"
        << QStringList{"الناتج = العدد الأول ÷ العدد الثاني", "= (1 × 10^{−6}) ÷ 1000", "≈ 1 × 10^{−9}"} << "1E-09";
    QTest::newRow("-1.5E-7 * 3") << "-1.5e-7" << Operation::Multiply << "3"
                                 << QStringList{"الناتج = العدد الأول × العدد الثاني", "= (−1.5 × 10^{−7}) × 3",
                                                "= −4.5 × 10^{−7}"}
                                 << "-4.5E-07";
    QTest::newRow("division by zero") << "5" << Operation::Divide << "0.0"
                                      << QStringList{"الناتج = العدد الأول ÷ العدد الثاني", "= 5 ÷ 0",
                                                     "! العدد المقسوم على صفر قيمة غير معروفة"}
                                      << "العدد المقسوم على صفر قيمة غير معروفة";
}

void FormulasCalculatorsTest::operations()
{
    QFETCH(QString, first);
    QFETCH(Operation, operation);
    QFETCH(QString, second);
    QFETCH(QStringList, lines);
    QFETCH(QString, box);
    Steps s;
    QCOMPARE(operate(operation, readOperands(first, second), s), box);
    QStringList written = s.lines();
    if (s.failed()) {
        QCOMPARE(s.failure(), box);
        written << "! " + s.failure();
    } else {
        QCOMPARE(s.results(), QStringList{box});
        QCOMPARE(lastValue(s.lines().last()), writtenText(box));
        VERIFY_LINES(s);
    }
    QCOMPARE(written, lines);
}

// A result beyond the doubles: the lines up to the operation, then the
// failure.
void FormulasCalculatorsTest::overflowEndsTheLines()
{
    Steps s;
    try {
        operate(Operation::Multiply, readOperands(QStringLiteral("1E300"), QStringLiteral("1E300")), s);
        QFAIL("no failure");
    } catch (const ComputationFailure &f) {
        QCOMPARE(f.kind(), Failure::Overflow);
    }
    QCOMPARE(s.lines(), (QStringList{"الناتج = العدد الأول × العدد الثاني", "= (1 × 10^{300}) × (1 × 10^{300})"}));
}

// The result box's text rounded to hundredths: by the product with 100 as
// the computer works it out, the even neighbour named only for a product
// that is exactly a half.
void FormulasCalculatorsTest::rounding_data()
{
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("box");
    QTest::newRow("0.125, a half to the even neighbour")
        << "0.125"
        << QStringList{RoundRule,
                       "الناتج = 0.125",
                       "0.125 × 100 = 12.5",
                       "12.5 في المنتصف تماما بين 12 و 13، وعند المنتصف تماما نأخذ العدد الزوجي من العددين: 12",
                       "الناتج مقربا = 12 ÷ 100",
                       "= 0.12"}
        << "0.12";
    QTest::newRow("1.005, a half only in its 15 digits")
        << "1.005"
        << QStringList{RoundRule,
                       "الناتج = 1.005",
                       "1.005 × 100 ≈ 100.5",
                       QStringLiteral("100.5 يبدو في المنتصف بين 100 و 101، لكن حاصل الضرب كما يحسبه الحاسوب أقل منه "
                                      "بقليل (الحاسوب "
                                      "يحفظ الأعداد بالنظام الثنائي)، فأقرب عدد صحيح إليه 100"),
                       "الناتج مقربا = 100 ÷ 100",
                       "= 1"}
        << "1";
    QTest::newRow("2.675, a half as computed")
        << "2.675"
        << QStringList{RoundRule,
                       "الناتج = 2.675",
                       "2.675 × 100 = 267.5",
                       "267.5 في المنتصف تماما بين 267 و 268، وعند المنتصف تماما نأخذ العدد الزوجي من العددين: 268",
                       "الناتج مقربا = 268 ÷ 100",
                       "= 2.68"}
        << "2.68";
    QTest::newRow("-2.346") << "-2.346"
                            << QStringList{RoundRule,
                                           "الناتج = −2.346",
                                           "−2.346 × 100 ≈ −234.6",
                                           "−234.6 بين −235 و −234، وأقرب عدد صحيح إليه −235",
                                           "الناتج مقربا = −235 ÷ 100",
                                           "= −2.35"}
                            << "-2.35";
    QTest::newRow("1E+300, too large to have hundredths")
        << "1E+300"
        << QStringList{RoundRule,
                       "الناتج = 1 × 10^{300}",
                       "(1 × 10^{300}) × 100 = 1 × 10^{302}",
                       "العدد بهذا الحجم عدد صحيح ليس فيه أجزاء من المئة، فلا يتغير بالتقريب",
                       "الناتج مقربا = الناتج",
                       "= 1 × 10^{300}"}
        << "1E+300";
    QTest::newRow("0.666666666666667") << "0.666666666666667"
                                       << QStringList{RoundRule,
                                                      "الناتج = 0.666666666666667",
                                                      "0.666666666666667 × 100 = 66.6666666666667",
                                                      "66.6666666666667 بين 66 و 67، وأقرب عدد صحيح إليه 67",
                                                      "الناتج مقربا = 67 ÷ 100",
                                                      "= 0.67"}
                                       << "0.67";
}

void FormulasCalculatorsTest::rounding()
{
    QFETCH(QString, result);
    QFETCH(QStringList, lines);
    QFETCH(QString, box);
    Steps s;
    QCOMPARE(format(roundToHundredths(result, s)), box);
    QCOMPARE(s.lines(), lines);
    QCOMPARE(s.results(), QStringList{box});
    QCOMPARE(lastValue(s.lines().last()), writtenText(box));
    VERIFY_LINES(s);
}

// The calculator's rounding button and the number window's hundredths
// explain a number in the same lines, but for what they call it.
void FormulasCalculatorsTest::roundingExplainedAsInTheNumberWindow_data()
{
    QTest::addColumn<QString>("number");
    for (const char *number : {"0.125", "1.015", "0.015", "-7.5", "2.675", "1E-07", "123456.785", "1E+20"})
        QTest::newRow(number) << QString::fromLatin1(number);
}

void FormulasCalculatorsTest::roundingExplainedAsInTheNumberWindow()
{
    QFETCH(QString, number);
    Steps calculator, numberWindow;
    const QString rounded = format(roundToHundredths(number, calculator));
    QCOMPARE(numbers::hundredthsAnswer(number, numberWindow), rounded);
    QStringList lines = calculator.lines();
    lines.replaceInStrings(QStringLiteral("الناتج"), QStringLiteral("العدد"));
    QCOMPARE(lines, numberWindow.lines());
}

QTEST_GUILESS_MAIN(FormulasCalculatorsTest)
#include "test_formulas_calculators.moc"
