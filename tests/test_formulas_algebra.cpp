// The algebra formulas without their windows: the roots of an equation as
// the equation window computes them, and the steps that lead to them.

#include "algebra/formulas.h"
#include "support/linecheck.h"

#include <QTest>

#include <cmath>

using namespace algebra;

class FormulasAlgebraTest : public QObject {
    Q_OBJECT
private slots:
    void rootsAgainstExactRoots_data();
    void rootsAgainstExactRoots();
    void schoolNotation_data();
    void schoolNotation();
};

namespace {
Roots solve(const QString &a, const QString &b, const QString &c, numtext::Steps &s)
{
    const Equation e = readEquation(a, b, c, s);
    return solveEquation(e, s);
}

// The coefficients and the discriminant by the names the steps give them.
linecheck::Names named(const QString &a, const QString &b, const QString &c)
{
    const double va = a.toDouble(), vb = b.toDouble(), vc = c.toDouble();
    return {{"أ", va}, {"ب", vb}, {"جـ", vc}, {"المميز", vb * vb - 4 * va * vc}};
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

QTEST_GUILESS_MAIN(FormulasAlgebraTest)
#include "test_formulas_algebra.moc"
