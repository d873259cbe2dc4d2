// The algebra formulas without their windows: the roots of an equation as
// the equation window computes them, the sum or difference of two fractions
// as the fractions window computes it, and the steps that lead to them.

#include "support/linecheck.h"

#include "algebra/formulas.h"
#include "support/linecheck.h"

#include <QTest>

#include <cmath>

using namespace algebra;

Q_DECLARE_METATYPE(algebra::FractionOperation)

class FormulasAlgebraTest : public QObject {
    Q_OBJECT
private slots:
    void rootsAgainstExactRoots_data();
    void rootsAgainstExactRoots();
    void schoolNotation_data();
    void schoolNotation();
    void equationLines_data();
    void equationLines();
    void fractions_data();
    void fractions();
};

namespace {
Roots solve(const QString &a, const QString &b, const QString &c, numtext::Steps &s)
{
    const Equation e = readEquation(a, b, c, s);
    return solveEquation(e, s);
}

// The coefficients as the window reads its boxes, and the discriminant, by
// the names the steps give them.
linecheck::Names named(const QString &a, const QString &b, const QString &c)
{
    numtext::Steps unused;
    const Equation e = readEquation(a, b, c, unused);
    return {{"أ", e.a}, {"ب", e.b}, {"جـ", e.c}, {"المميز", e.discriminant}};
}
} // namespace

// The true roots, (−b ± √D) ÷ 2a of the coefficients as read, worked with
// exact fractions and a 60-digit square root; Te4 takes +√D, Te5 −√D. Both
// roots must come within 1E-14 of them, also where b² dwarfs 4ac.
void FormulasAlgebraTest::rootsAgainstExactRoots_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("1, -1E8, 1") << "1"
                                << "-1E8"
                                << "1"
                                << "9.9999999999999990000000000E+7"
                                << "1.0000000000000001000000000E-8";
    QTest::newRow("1E-8, 1, 1") << "1E-8"
                                << "1"
                                << "1"
                                << "-1.0000000100000002000000052E+0"
                                << "-9.9999998999999987907743717E+7";
    QTest::newRow("1, 1E8, 1") << "1"
                               << "1E8"
                               << "1"
                               << "-1.0000000000000001000000000E-8"
                               << "-9.9999999999999990000000000E+7";
    QTest::newRow("1, -12345678.9, 0.001") << "1"
                                           << "-12345678.9"
                                           << "0.001"
                                           << "1.2345678900000000291529029E+7"
                                           << "8.1000000737100006481039300E-11";
    QTest::newRow("1E-10, -1, 1E-10") << "1E-10"
                                      << "-1"
                                      << "1E-10"
                                      << "9.9999999999999996355780268E+9"
                                      << "1.0000000000000000364421973E-10";
    QTest::newRow("-1, 1E7, 3") << "-1"
                                << "1E7"
                                << "3"
                                << "-2.9999999999999100000000000E-7"
                                << "1.0000000000000300000000000E+7";
    QTest::newRow("3, -7, 2") << "3"
                              << "-7"
                              << "2"
                              << "2.0000000000000000000000000E+0"
                              << "3.3333333333333333333333333E-1";
    QTest::newRow("2, 1, -1") << "2"
                              << "1"
                              << "-1"
                              << "5.0000000000000000000000000E-1"
                              << "-1.0000000000000000000000000E+0";
    QTest::newRow("1, 0, -2") << "1"
                              << "0"
                              << "-2"
                              << "1.4142135623730950488016887E+0"
                              << "-1.4142135623730950488016887E+0";
    QTest::newRow("1E-3, 99999, -0.01") << "1E-3"
                                        << "99999"
                                        << "-0.01"
                                        << "1.0000100001000000207968894E-7"
                                        << "-9.9999000000000097919352656E+7";
    QTest::newRow("5, -1E9, -3") << "5"
                                 << "-1E9"
                                 << "-3"
                                 << "2.0000000000000000300000000E+8"
                                 << "-2.9999999999999999550000000E-9";
    QTest::newRow("2.5, -3E7, 0.7") << "2.5"
                                    << "-3E7"
                                    << "0.7"
                                    << "1.1999999999999976666666667E+7"
                                    << "2.3333333333333377223406338E-8";
    QTest::newRow("1E-7, -1, 1E-7") << "1E-7"
                                    << "-1"
                                    << "1E-7"
                                    << "9.9999999999999004525188817E+6"
                                    << "1.0000000000000099547481118E-7";
    QTest::newRow("-3, 1E10, 1") << "-3"
                                 << "1E10"
                                 << "1"
                                 << "-9.9999999999999999997000000E-11"
                                 << "3.3333333333333333334333333E+9";
    QTest::newRow("1, 123456.789, 0.000123") << "1"
                                             << "123456.789"
                                             << "0.000123"
                                             << "-9.9630000906633815432038755E-10"
                                             << "-1.2345678899999900800735784E+5";
    QTest::newRow("7, -7E8, 1E-3") << "7"
                                   << "-7E8"
                                   << "1E-3"
                                   << "9.9999999999999999998571429E+7"
                                   << "1.4285714285714286011870963E-12";
    QTest::newRow("1, -1E-3, -1E-20") << "1"
                                      << "-1E-3"
                                      << "-1E-20"
                                      << "1.0000000000000100208166817E-3"
                                      << "-9.9999999999998992433658974E-18";
}

void FormulasAlgebraTest::rootsAgainstExactRoots()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QFETCH(QString, first);
    QFETCH(QString, second);
    numtext::Steps s;
    const Roots roots = solve(a, b, c, s);
    QCOMPARE(int(roots.kind), int(Roots::Kind::Two));
    const auto close = [](const QString &box, const QString &exact) {
        const double shown = numtext::strictNumber(box), truth = exact.toDouble();
        return std::fabs(shown - truth) <= 1e-14 * std::fabs(truth);
    };
    QVERIFY2(close(roots.first, first), qPrintable(roots.first));
    QVERIFY2(close(roots.second, second), qPrintable(roots.second));
    // The steps keep both boxes' texts and end with the solution set.
    QCOMPARE(s.results(), (QStringList{roots.first, roots.second}));
    QVERIFY(s.lines().last().startsWith(QStringLiteral("مجموعة الحل = {")));
    QVERIFY(s.lines().last().contains(numtext::writtenText(roots.first)));
    QVERIFY(s.lines().last().contains(numtext::writtenText(roots.second)));
    VERIFY_LINES(s, named(a, b, c));
}

// The equation stated first with its numbers, the roots named س١ and س٢, a
// repeated root said so, the solution set last.
void FormulasAlgebraTest::schoolNotation_data()
{
    QTest::addColumn<QStringList>("coefficients");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("set");
    QTest::newRow("x² − 3x + 2") << QStringList{"1", "-3", "2"} << "المعادلة: [magenta:س]^{2} − 3[magenta:س] + 2 = 0"
                                 << "س١ = \\frac{−[green:ب] + \\sqrt{المميز}}{2 × [blue:أ]}"
                                 << "مجموعة الحل = {2 ، 1}";
    QTest::newRow("repeated root") << QStringList{"1", "2", "1"} << "المعادلة: [magenta:س]^{2} + 2[magenta:س] + 1 = 0"
                                   << "المميز = 0: للمعادلة جذر مكرر"
                                   << "مجموعة الحل = {−1}";
    QTest::newRow("negative a") << QStringList{"-2", "0", "8"} << "المعادلة: −2[magenta:س]^{2} + 8 = 0"
                                << "س٢ = \\frac{−[green:ب] − \\sqrt{المميز}}{2 × [blue:أ]}"
                                << "مجموعة الحل = {−2 ، 2}";
    QTest::newRow("b = c = 0") << QStringList{"3", "0", "0"} << "المعادلة: 3[magenta:س]^{2} = 0"
                               << "= 0"
                               << "مجموعة الحل = {0}";
}

void FormulasAlgebraTest::schoolNotation()
{
    QFETCH(QStringList, coefficients);
    QFETCH(QString, statement);
    QFETCH(QString, said);
    QFETCH(QString, set);
    numtext::Steps s;
    solve(coefficients[0], coefficients[1], coefficients[2], s);
    QCOMPARE(s.lines().first(), statement);
    QVERIFY2(s.lines().contains(said), qPrintable(s.lines().join(u'\n')));
    QCOMPARE(s.lines().last(), set);
    VERIFY_LINES(s, named(coefficients[0], coefficients[1], coefficients[2]));
}

// Every line of a few solves, and that the last roots written are the
// boxes' texts: the equation stated first, brackets round negative numbers,
// a division by a negative as "÷ (−2)", the leading number of a text said,
// ≈ where the smaller number is lost in the discriminant.
void FormulasAlgebraTest::equationLines_data()
{
    QTest::addColumn<QStringList>("coefficients");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("x² − 3x + 2")
        << QStringList{"1", "-3", "2"}
        << QStringList{
               "المعادلة: [magenta:س]^{2} − 3[magenta:س] + 2 = 0",
               "[blue:أ] = 1 ، [green:ب] = −3 ، [red:جـ] = 2",
               "[blue:أ] لا يساوي 0: المعادلة من الدرجة الثانية",
               "المميز = [green:ب]^{2} − 4 × [blue:أ] × [red:جـ]",
               "= (−3)^{2} − 4 × 1 × 2",
               "= 9 − 8",
               "= 1",
               "\\sqrt{المميز} = \\sqrt{1} = 1",
               "س١ = \\frac{−[green:ب] + \\sqrt{المميز}}{2 × [blue:أ]}",
               "= \\frac{3 + 1}{2 × 1}",
               "= \\frac{4}{2}",
               "= 2",
               "حتى لا يطرح عددان متقاربان يحسب الجذر الآخر من أن حاصل ضرب الجذرين = \\frac{[red:جـ]}{[blue:أ]}:",
               "س٢ = \\frac{2 × [red:جـ]}{−[green:ب] + \\sqrt{المميز}}",
               "= \\frac{2 × 2}{4}",
               "= \\frac{4}{4}",
               "= 1",
               "مجموعة الحل = {2 ، 1}"};
    QTest::newRow("linear, a division by a negative")
        << QStringList{"0", "-2", "4"}
        << QStringList{"المعادلة: −2[magenta:س] + 4 = 0",
                       "[blue:أ] = 0 ، [green:ب] = −2 ، [red:جـ] = 4",
                       "[blue:أ] = 0: المعادلة من الدرجة الأولى [green:ب][magenta:س] + [red:جـ] = 0",
                       "[magenta:س] = −[red:جـ] ÷ [green:ب]",
                       "= −4 ÷ (−2)",
                       "= 2",
                       "مجموعة الحل = {2}"};
    QTest::newRow("b and c read from texts")
        << QStringList{"1", "3x", "abc"}
        << QStringList{
               "المعادلة: [magenta:س]^{2} + 3[magenta:س] = 0",
               "[blue:أ] = 1 ، [green:ب] = 3 ، [red:جـ] = 0",
               "[green:ب]: يؤخذ العدد الذي في أول المكتوب، وهنا 3",
               "[red:جـ]: يؤخذ العدد الذي في أول المكتوب، وهنا 0",
               "[blue:أ] لا يساوي 0: المعادلة من الدرجة الثانية",
               "المميز = [green:ب]^{2} − 4 × [blue:أ] × [red:جـ]",
               "= 3^{2} − 4 × 1 × 0",
               "= 9 − 0",
               "= 9",
               "\\sqrt{المميز} = \\sqrt{9} = 3",
               "س٢ = \\frac{−[green:ب] − \\sqrt{المميز}}{2 × [blue:أ]}",
               "= \\frac{−3 − 3}{2 × 1}",
               "= \\frac{−6}{2}",
               "= −3",
               "حتى لا يطرح عددان متقاربان يحسب الجذر الآخر من أن حاصل ضرب الجذرين = \\frac{[red:جـ]}{[blue:أ]}:",
               "س١ = \\frac{2 × [red:جـ]}{−[green:ب] − \\sqrt{المميز}}",
               "= \\frac{2 × 0}{−6}",
               "= \\frac{0}{−6}",
               "= 0",
               "مجموعة الحل = {0 ، −3}"};
    QTest::newRow("4ac lost beside b²")
        << QStringList{"1", "1", "1E-20"}
        << QStringList{
               "المعادلة: [magenta:س]^{2} + [magenta:س] + 1 × 10^{−20} = 0",
               "[blue:أ] = 1 ، [green:ب] = 1 ، [red:جـ] = 1 × 10^{−20}",
               "[blue:أ] لا يساوي 0: المعادلة من الدرجة الثانية",
               "المميز = [green:ب]^{2} − 4 × [blue:أ] × [red:جـ]",
               "= 1^{2} − 4 × 1 × (1 × 10^{−20})",
               "= 1 − (4 × 10^{−20})",
               "≈ 1",
               "\\sqrt{المميز} = \\sqrt{1} = 1",
               "س٢ = \\frac{−[green:ب] − \\sqrt{المميز}}{2 × [blue:أ]}",
               "= \\frac{−1 − 1}{2 × 1}",
               "= \\frac{−2}{2}",
               "= −1",
               "حتى لا يطرح عددان متقاربان يحسب الجذر الآخر من أن حاصل ضرب الجذرين = \\frac{[red:جـ]}{[blue:أ]}:",
               "س١ = \\frac{2 × [red:جـ]}{−[green:ب] − \\sqrt{المميز}}",
               "= \\frac{2 × (1 × 10^{−20})}{−2}",
               "= \\frac{2 × 10^{−20}}{−2}",
               "= −1 × 10^{−20}",
               "مجموعة الحل = {−1 × 10^{−20} ، −1}"};
}

void FormulasAlgebraTest::equationLines()
{
    QFETCH(QStringList, coefficients);
    QFETCH(QStringList, lines);
    numtext::Steps s;
    const Roots roots = solve(coefficients[0], coefficients[1], coefficients[2], s);
    QCOMPARE(s.lines(), lines);
    QVERIFY(!s.failed());
    // The solution set holds the roots as the boxes show them.
    QStringList set{numtext::writtenText(roots.first)};
    if (roots.kind == Roots::Kind::Two && roots.second != roots.first)
        set << numtext::writtenText(roots.second);
    QCOMPARE(s.lines().last(), "مجموعة الحل = {" + set.join(" ، ") + "}");
    VERIFY_LINES(s, named(coefficients[0], coefficients[1], coefficients[2]));
}

// The fractions: the steps reach the boxes' fraction as the window computes
// it ("الناتج = …" with both boxes' numbers), and only then, as remarks, its
// lowest terms, a mixed number and the shorter way over the least common
// denominator.
void FormulasAlgebraTest::fractions_data()
{
    QTest::addColumn<FractionOperation>("operation");
    QTest::addColumn<QStringList>("boxes"); // a, b, c, d as typed
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");
    QTest::newRow("3/4 - 1/6, over 12 the shorter way")
        << FractionOperation::Subtract << QStringList{"3", "4", "1", "6"}
        << QStringList{"\\frac{3}{4} − \\frac{1}{6}",
                       "المقامان مختلفان: المقام الموحد هو حاصل ضربهما",
                       "\\frac{أ}{ب} − \\frac{جـ}{د} = \\frac{أ × د − ب × جـ}{ب × د}",
                       "= \\frac{3 × 6 − 4 × 1}{4 × 6}",
                       "أ × د = 3 × 6 = 18",
                       "ب × جـ = 4 × 1 = 4",
                       "البسط = 18 − 4",
                       "= 14",
                       "المقام = 4 × 6",
                       "= 24",
                       "الناتج = \\frac{14}{24}",
                       "القاسم المشترك الأكبر للعددين 14 و 24 هو 2",
                       "ويمكن كتابته في أبسط صورة: \\frac{14}{24} = \\frac{14 ÷ 2}{24 ÷ 2} = \\frac{7}{12}",
                       "وبطريقة أقصر: المضاعف المشترك الأصغر للمقامين 4 و 6 هو 12، فهو المقام الموحد بدل 24",
                       QStringLiteral("\\frac{3}{4} − \\frac{1}{6} = \\frac{3 × 3}{4 × 3} − \\frac{1 × 2}{6 × 2} = "
                                      "\\frac{9}{12} − "
                                      "\\frac{2}{12} = \\frac{7}{12}")}
        << "14"
        << "24";
    QTest::newRow("5/4 + 7/6, improper: a mixed number")
        << FractionOperation::Add << QStringList{"5", "4", "7", "6"}
        << QStringList{"\\frac{5}{4} + \\frac{7}{6}",
                       "المقامان مختلفان: المقام الموحد هو حاصل ضربهما",
                       "\\frac{أ}{ب} + \\frac{جـ}{د} = \\frac{أ × د + ب × جـ}{ب × د}",
                       "= \\frac{5 × 6 + 4 × 7}{4 × 6}",
                       "أ × د = 5 × 6 = 30",
                       "ب × جـ = 4 × 7 = 28",
                       "البسط = 30 + 28",
                       "= 58",
                       "المقام = 4 × 6",
                       "= 24",
                       "الناتج = \\frac{58}{24}",
                       "القاسم المشترك الأكبر للعددين 58 و 24 هو 2",
                       "ويمكن كتابته في أبسط صورة: \\frac{58}{24} = \\frac{58 ÷ 2}{24 ÷ 2} = \\frac{29}{12}",
                       "\\frac{29}{12} = 2 و \\frac{5}{12}",
                       "وبطريقة أقصر: المضاعف المشترك الأصغر للمقامين 4 و 6 هو 12، فهو المقام الموحد بدل 24",
                       QStringLiteral("\\frac{5}{4} + \\frac{7}{6} = \\frac{5 × 3}{4 × 3} + \\frac{7 × 2}{6 × 2} = "
                                      "\\frac{15}{12} + "
                                      "\\frac{14}{12} = \\frac{29}{12}")}
        << "58"
        << "24";
    QTest::newRow("1/2 + 1/3, lowest terms already")
        << FractionOperation::Add << QStringList{"1", "2", "1", "3"}
        << QStringList{"\\frac{1}{2} + \\frac{1}{3}",
                       "المقامان مختلفان: المقام الموحد هو حاصل ضربهما",
                       "\\frac{أ}{ب} + \\frac{جـ}{د} = \\frac{أ × د + ب × جـ}{ب × د}",
                       "= \\frac{1 × 3 + 2 × 1}{2 × 3}",
                       "أ × د = 1 × 3 = 3",
                       "ب × جـ = 2 × 1 = 2",
                       "البسط = 3 + 2",
                       "= 5",
                       "المقام = 2 × 3",
                       "= 6",
                       "الناتج = \\frac{5}{6}",
                       "والكسر \\frac{5}{6} في أبسط صورة"}
        << "5"
        << "6";
    QTest::newRow("1/4 + 1/4, equal denominators")
        << FractionOperation::Add << QStringList{"1", "4", "1", "4"}
        << QStringList{"\\frac{1}{4} + \\frac{1}{4}",
                       "المقامان متساويان: المقام الموحد هو المقام نفسه",
                       "\\frac{أ}{ب} + \\frac{جـ}{ب} = \\frac{أ + جـ}{ب}",
                       "= \\frac{1 + 1}{4}",
                       "البسط = 1 + 1",
                       "= 2",
                       "المقام = 4",
                       "الناتج = \\frac{2}{4}",
                       "القاسم المشترك الأكبر للعددين 2 و 4 هو 2",
                       "ويمكن كتابته في أبسط صورة: \\frac{2}{4} = \\frac{2 ÷ 2}{4 ÷ 2} = \\frac{1}{2}"}
        << "2"
        << "4";
    QTest::newRow("3/2 + 1/2, a whole result")
        << FractionOperation::Add << QStringList{"3", "2", "1", "2"}
        << QStringList{"\\frac{3}{2} + \\frac{1}{2}",
                       "المقامان متساويان: المقام الموحد هو المقام نفسه",
                       "\\frac{أ}{ب} + \\frac{جـ}{ب} = \\frac{أ + جـ}{ب}",
                       "= \\frac{3 + 1}{2}",
                       "البسط = 3 + 1",
                       "= 4",
                       "المقام = 2",
                       "الناتج = \\frac{4}{2}",
                       "القاسم المشترك الأكبر للعددين 4 و 2 هو 2",
                       "ويمكن كتابته في أبسط صورة: \\frac{4}{2} = \\frac{4 ÷ 2}{2 ÷ 2} = 2"}
        << "4"
        << "2";
    QTest::newRow("negative numbers in brackets")
        << FractionOperation::Subtract << QStringList{"-1", "2", "-3", "-4"}
        << QStringList{"\\frac{−1}{2} − (\\frac{−3}{−4})",
                       "المقامان مختلفان: المقام الموحد هو حاصل ضربهما",
                       "\\frac{أ}{ب} − \\frac{جـ}{د} = \\frac{أ × د − ب × جـ}{ب × د}",
                       "= \\frac{−1 × (−4) − 2 × (−3)}{2 × (−4)}",
                       "أ × د = −1 × (−4) = 4",
                       "ب × جـ = 2 × (−3) = −6",
                       "البسط = 4 − (−6)",
                       "= 10",
                       "المقام = 2 × (−4)",
                       "= −8",
                       "الناتج = \\frac{10}{−8}",
                       "القاسم المشترك الأكبر للعددين 10 و 8 هو 2",
                       "ويمكن كتابته في أبسط صورة: \\frac{10}{−8} = \\frac{10 ÷ 2}{−8 ÷ 2} = \\frac{−5}{4}",
                       "\\frac{−5}{4} = −(1 و \\frac{1}{4})"}
        << "10"
        << "-8";
    QTest::newRow("1.5/2 + 1/3, a decimal numerator")
        << FractionOperation::Add << QStringList{"1.5", "2", "1", "3"}
        << QStringList{"\\frac{1.5}{2} + \\frac{1}{3}",
                       "المقامان مختلفان: المقام الموحد هو حاصل ضربهما",
                       "\\frac{أ}{ب} + \\frac{جـ}{د} = \\frac{أ × د + ب × جـ}{ب × د}",
                       "= \\frac{1.5 × 3 + 2 × 1}{2 × 3}",
                       "أ × د = 1.5 × 3 = 4.5",
                       "ب × جـ = 2 × 1 = 2",
                       "البسط = 4.5 + 2",
                       "= 6.5",
                       "المقام = 2 × 3",
                       "= 6",
                       "الناتج = \\frac{6.5}{6}",
                       "البسط أو المقام ليس عددا صحيحا، فلا يبسط الكسر بالقسمة على قاسم مشترك لعددين صحيحين"}
        << "6.5"
        << "6";
    QTest::newRow("leading numbers of texts")
        << FractionOperation::Add << QStringList{"1a", "4", "x", "6"}
        << QStringList{"البسط رقم 1: يؤخذ العدد الذي في أول المكتوب، وهنا 1",
                       "البسط رقم 2: يؤخذ العدد الذي في أول المكتوب، وهنا 0",
                       "\\frac{1}{4} + \\frac{0}{6}",
                       "المقامان مختلفان: المقام الموحد هو حاصل ضربهما",
                       "\\frac{أ}{ب} + \\frac{جـ}{د} = \\frac{أ × د + ب × جـ}{ب × د}",
                       "= \\frac{1 × 6 + 4 × 0}{4 × 6}",
                       "أ × د = 1 × 6 = 6",
                       "ب × جـ = 4 × 0 = 0",
                       "البسط = 6 + 0",
                       "= 6",
                       "المقام = 4 × 6",
                       "= 24",
                       "الناتج = \\frac{6}{24}",
                       "القاسم المشترك الأكبر للعددين 6 و 24 هو 6",
                       "ويمكن كتابته في أبسط صورة: \\frac{6}{24} = \\frac{6 ÷ 6}{24 ÷ 6} = \\frac{1}{4}",
                       "وبطريقة أقصر: المضاعف المشترك الأصغر للمقامين 4 و 6 هو 12، فهو المقام الموحد بدل 24",
                       QStringLiteral("\\frac{1}{4} + \\frac{0}{6} = \\frac{1 × 3}{4 × 3} + \\frac{0 × 2}{6 × 2} = "
                                      "\\frac{3}{12} + "
                                      "\\frac{0}{12} = \\frac{3}{12}")}
        << "6"
        << "24";
}

void FormulasAlgebraTest::fractions()
{
    QFETCH(FractionOperation, operation);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, lines);
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);
    numtext::Steps s;
    const FractionResult result = combineFractions(readFractions(boxes[0], boxes[1], boxes[2], boxes[3]), operation,
                                                   boxes[1], s);
    QCOMPARE(result.numerator, numerator);
    QCOMPARE(result.denominator, denominator);
    QCOMPARE(s.lines(), lines);
    QCOMPARE(s.results(), (QStringList{numerator, denominator}));
    const QString reached = "الناتج = \\frac{" + numtext::writtenText(numerator) + "}{"
                            + numtext::writtenText(denominator.trimmed()) + "}";
    QVERIFY2(s.lines().contains(reached), qPrintable(reached));
    VERIFY_LINES(s);
}

QTEST_GUILESS_MAIN(FormulasAlgebraTest)
#include "test_formulas_algebra.moc"
