// The recomputation of the worked steps that the formula tests rely on: it
// must pass lines that follow and point at the one line that does not.

#include "support/linecheck.h"

#include <QTest>

#include <cmath>
#include <numbers>

class LineCheckTest : public QObject {
    Q_OBJECT
private slots:
    void values_data();
    void values();
    void lines_data();
    void lines();
};

void LineCheckTest::values_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<double>("expected");
    QTest::newRow("Western") << "2 × 3.5 − 1 ÷ 4" << 6.75;
    QTest::newRow("Arabic-Indic, comma, minus sign") << "٢ × ٣٫٥ − ١ ÷ ٤" << 6.75;
    QTest::newRow("negative operand in brackets") << "٢ × (−٣)" << -6.0;
    QTest::newRow("power of ten") << "1.5 × 10^{−6}" << 1.5e-6;
    QTest::newRow("raised digits") << "(−3)² + 10⁻¹" << 9.1;
    QTest::newRow("plain raised text") << "2^(10)" << 1024.0;
    QTest::newRow("fraction and radical markup") << "\\frac{3 + \\sqrt{16}}{2 × 7}" << 0.5;
    QTest::newRow("plain radical") << "√(9) × √4" << 6.0;
    QTest::newRow("colours and marks") << "\u200F[red:ط] × [green:٢]^{٢}" << 4 * std::numbers::pi;
    QTest::newRow("power before the product") << "2 × 3^{2}" << 18.0;
    QTest::newRow("box text exponent") << "1.5E+20 ÷ 1E+20" << 1.5;
    QTest::newRow("unit after a space") << "12.5 وحدة مربعة" << 12.5;
    QTest::newRow("remark in brackets") << "1.23456789012346 (مقربا إلى ١٥ رقما)" << 1.23456789012346;
    QTest::newRow("degrees") << "٩٠° − ٣٠°" << 60.0;
}

void LineCheckTest::values()
{
    QFETCH(QString, expression);
    QFETCH(double, expected);
    const std::optional<double> v = linecheck::value(expression);
    QVERIFY2(v, qPrintable(expression));
    QVERIFY2(std::fabs(*v - expected) <= 1e-15 * std::fabs(expected), qPrintable(QString::number(*v, 'g', 17)));
}

void LineCheckTest::lines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("names");  // "name=value;…"
    QTest::addColumn<int>("faultyLine"); // 0: every line follows
    QTest::addColumn<int>("relations");  // how many were checked
    QTest::newRow("circle area") << QStringList{"[blue:المساحة] = [red:ط] × [green:نق]^{2}",
                                                "= 3.14159265358979 × 2^{2}", "≈ 12.5663706143592 وحدة مربعة"}
                                 << "نق=2" << 0 << 2;
    QTest::newRow("the same in the ١٢٣ shape")
        << QStringList{"\u200Fالمساحة = ط × نق²", "\u200F= ٣٫١٤١٥٩٢٦٥٣٥٨٩٧٩ × ٢²",
                       "\u200F≈ ١٢٫٥٦٦٣٧٠٦١٤٣٥٩٢ وحدة مربعة"}
        << "نق=2" << 0 << 2;
    QTest::newRow("a wrong product after a line") << QStringList{"س = 2 × 3", "= 7"} << "" << 2 << 1;
    QTest::newRow("a wrong equality in a line") << QStringList{"س = 2 × 3 = 7"} << "" << 1 << 1;
    QTest::newRow("= where the digits are rounded")
        << QStringList{"الناتج = 10 ÷ 3 = 3.33333333333333"} << "" << 0 << 1;
    QTest::newRow("= that a digit too few breaks") << QStringList{"الناتج = 10 ÷ 3 = 3.3333333333333"} << "" << 1 << 1;
    QTest::newRow("≈ to the digits shown") << QStringList{"ط ≈ 3.14"} << "" << 0 << 1;
    QTest::newRow("≈ beyond the digits shown") << QStringList{"ط ≈ 3.15"} << "" << 1 << 1;
    QTest::newRow("= for a rounded π") << QStringList{"ط = 3.14"} << "" << 1 << 1;
    QTest::newRow("continuing a line about something else")
        << QStringList{"الزاوية = 30", "= 30 × ط ÷ 180"} << "" << 2 << 1;
    QTest::newRow("the angle in radians said so")
        << QStringList{"الزاوية = 30 درجة", "الزاوية بالراديان = 30 × ط ÷ 180 ≈ 0.523598775598299 راديان"} << "" << 0
        << 1;
    QTest::newRow("the first line cannot continue") << QStringList{"= 4", "= 2 + 2"} << "" << 1 << 1;
    QTest::newRow("cancellation") << QStringList{"الفرق = 1 × 10^{16} − 4 = 9999999999999996"} << "" << 0 << 1;
    QTest::newRow("sentence after a colon")
        << QStringList{"المميز = (−2)^{2} − 4 × 1 × 1", "= 0: للمعادلة جذر مكرر"} << "" << 0 << 1;
    QTest::newRow("words are left alone")
        << QStringList{"المعادلة: [magenta:س]^{2} − 3[magenta:س] + 2 = 0", "مجموعة الحل = {2 ، 1}", "س١ = 2 × أ"} << ""
        << 0 << 0;
    QTest::newRow("words after a value end what it says")
        << QStringList{"[green:ب] = 0 و [red:جـ] = 3: المعادلة"} << "ب=0;جـ=3" << 0 << 1;
    QTest::newRow("mixed number") << QStringList{"٣١ ÷ ١٢ = ٢ و ٧ ÷ ١٢"} << "" << 0 << 1;
    QTest::newRow("wrong mixed number") << QStringList{"٣١ ÷ ١٢ = ٢ و ٥ ÷ ١٢"} << "" << 1 << 1;
    QTest::newRow("bound coefficients") << QStringList{"المميز = [green:ب]^{2} − 4 × [blue:أ] × [red:جـ]",
                                                       "= (−3)^{2} − 4 × 1 × 2", "= 1"}
                                        << "أ=1;ب=-3;جـ=2" << 0 << 2;
    QTest::newRow("a bound name substituted wrongly")
        << QStringList{"المميز = [green:ب]^{2} − 4 × [blue:أ] × [red:جـ]", "= (−3)^{2} − 4 × 1 × 3"} << "أ=1;ب=-3;جـ=2"
        << 2 << 1;
}

void LineCheckTest::lines()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, names);
    QFETCH(int, faultyLine);
    QFETCH(int, relations);
    linecheck::Names bound;
    for (const QString &pair : names.split(u';', Qt::SkipEmptyParts))
        bound[pair.section(u'=', 0, 0)] = pair.section(u'=', 1).toDouble();
    const linecheck::Report r = linecheck::check(lines, bound);
    if (faultyLine == 0) {
        QVERIFY2(r.ok(), qPrintable(r.text()));
    } else {
        QCOMPARE(r.faults.size(), 1);
        QVERIFY2(r.faults.first().startsWith(QStringLiteral("line %1:").arg(faultyLine)), qPrintable(r.text()));
    }
    QCOMPARE(r.relations, relations);
}

QTEST_GUILESS_MAIN(LineCheckTest)
#include "test_linecheck.moc"
