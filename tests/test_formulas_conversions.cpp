// The conversion formulas without their window: the worked steps of the
// temperature and angle conversions (the unit on every result, the reading
// said before the formula, the exact measure of a special angle and why the
// box differs from it), and the results as the boxes show them. The
// trigonometry formulas are test_formulas_trigonometry's.

#include "support/linecheck.h"
#include "support/stepstext.h"

#include "conversions/formulas.h"
#include "kit/stepswindow.h"
#include "numtext/numtext.h"

#include <QTest>

#include <map>

using numtext::DigitShape;
using numtext::Steps;
using numtext::Unit;

namespace {

struct Conversion {
    double (*convert)(QStringView, Steps &);
    Unit unit;
};

const std::map<QString, Conversion> &conversionTable()
{
    static const std::map<QString, Conversion> all{
        {"C to F", {conversions::celsiusToFahrenheit, Unit::Fahrenheit}},
        {"F to C", {conversions::fahrenheitToCelsius, Unit::Celsius}},
        {"C to K", {conversions::celsiusToKelvin, Unit::Kelvin}},
        {"K to C", {conversions::kelvinToCelsius, Unit::Celsius}},
        {"K to F", {conversions::kelvinToFahrenheit, Unit::Fahrenheit}},
        {"F to K", {conversions::fahrenheitToKelvin, Unit::Kelvin}},
        {"radians to degrees", {conversions::radiansToDegrees, Unit::Degree}},
        {"degrees to radians", {conversions::degreesToRadians, Unit::Radian}},
    };
    return all;
}

QStringList plain(const QStringList &lines, DigitShape shape)
{
    QStringList shown;
    for (const QString &line : lines)
        shown << stepstext::withoutIsolates(reference::plainStepLine(line, shape));
    return shown;
}

const QString Exactly = QStringLiteral("القيمة الدقيقة: ");

} // namespace

class FormulasConversionsTest : public QObject {
    Q_OBJECT
private slots:
    void conversionLines_data();
    void conversionLines();
    void everyConversion_data();
    void everyConversion();
};

// The lines of a conversion as the steps window shows them in the 123 shape;
// the last value is the box's text.
void FormulasConversionsTest::conversionLines_data()
{
    QTest::addColumn<QString>("conversion");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("box");
    const auto neg = [](const char *digits) { return u'\u2212' + QString::fromLatin1(digits); };
    // 37 × 1.8 is 66.60000000000001 in doubles: written 66.6 with ≈.
    QTest::newRow("37 °C") << "C to F"
                           << "37" << QStringList{"ف = م × 1.8 + 32", "= 37 × 1.8 + 32", "≈ 66.6 + 32", "≈ 98.6 °ف"}
                           << "98.6";
    QTest::newRow("0 K through Celsius") << "K to F"
                                         << "0"
                                         << QStringList{"م = ك − 273",
                                                        "= 0 − 273",
                                                        "= " + neg("273") + " °م",
                                                        "ف = م × 1.8 + 32",
                                                        "= " + neg("273") + " × 1.8 + 32",
                                                        "≈ " + neg("491.4") + " + 32",
                                                        "≈ " + neg("459.4") + " °ف"}
                                         << "-459.4";
    // A text read as 0 says so before the formula, never between its lines.
    QTest::newRow("letters") << "F to C"
                             << "abc"
                             << QStringList{"يؤخذ العدد الذي في أول المكتوب، وهنا 0", "م = (ف − 32) ÷ 1.8",
                                            "= (0 − 32) ÷ 1.8", "= " + neg("32") + " ÷ 1.8",
                                            "≈ " + neg("17.7777777777778") + " °م"}
                             << "-17.7777777777778";
    // The direct reading takes every digit typed, and shows them.
    QTest::newRow("radians, 17 digits")
        << "radians to degrees"
        << "3.1415926535897932"
        << QStringList{"التقدير الستيني = (التقدير الدائري × 180) ÷ ط", "≈ (3.1415926535897932 × 180) ÷ 3.141592",
                       "≈ 565.486677646163 ÷ 3.141592", "≈ 180.000037447944 درجة",
                       QStringLiteral("القيمة الدقيقة: ط × 180 ÷ ط = 180 درجة؛ والحاسبة تكتب "
                                      "180.000037447944 لأنها تستعمل قيمة تقريبية لـ ط (3.141592)")}
        << "180.000037447944";
    QTest::newRow("degrees, a power of ten")
        << "degrees to radians"
        << "1e-6"
        << QStringList{"التقدير الدائري = (التقدير الستيني × ط) ÷ 180", "≈ (1 × 10⁻⁶ × 3.141592) ÷ 180",
                       "= (3.141592 × 10⁻⁶) ÷ 180", "≈ 1.74532888888889 × 10⁻⁸ راديان"}
        << "1.74532888888889E-08";
    QTest::newRow("-45°") << "degrees to radians"
                          << "-45"
                          << QStringList{"التقدير الدائري = (التقدير الستيني × ط) ÷ 180",
                                         "≈ (" + neg("45") + " × 3.141592) ÷ 180", "= " + neg("141.37164") + " ÷ 180",
                                         "= " + neg("0.785398") + " راديان",
                                         "القيمة الدقيقة: (" + neg("45") + ") × ط ÷ 180 = −ط ÷ 4 راديان؛ والحاسبة تكتب "
                                             + neg("0.785398") + " لأنها تستعمل قيمة تقريبية لـ ط (3.141592)"}
                          << "-0.785398";
}

void FormulasConversionsTest::conversionLines()
{
    QFETCH(QString, conversion);
    QFETCH(QString, input);
    QFETCH(QStringList, lines);
    QFETCH(QString, box);
    Steps s;
    const double value = conversionTable().at(conversion).convert(input, s);
    QCOMPARE(plain(s.lines(), DigitShape::Western), lines);
    QCOMPARE(numtext::format(value), box);
    QCOMPARE(s.results(), QStringList{box});
    VERIFY_LINES(s.lines());
}

// Over every conversion and a spread of inputs: the result line is the box's
// text with the unit of the conversion (an exact value may follow it); no
// exponent form of the boxes, hyphen-minus or slash in either shape; the
// reading lines come before the formula.
void FormulasConversionsTest::everyConversion_data()
{
    QTest::addColumn<QString>("conversion");
    QTest::addColumn<QString>("input");
    const char *const inputs[] = {"37",     "-40.25",          "0.1", "1e20",
                                  "2.5e-7", "12abc",           " ",   "0.30000000000000004",
                                  "180",    "3.14159265358979"};
    for (const auto &entry : conversionTable())
        for (const char *input : inputs)
            QTest::addRow("%s, %s", qPrintable(entry.first), input) << entry.first << QString::fromLatin1(input);
}

void FormulasConversionsTest::everyConversion()
{
    QFETCH(QString, conversion);
    QFETCH(QString, input);
    const Conversion &c = conversionTable().at(conversion);
    Steps s;
    const QString box = numtext::format(c.convert(input, s));
    QCOMPARE(s.results(), QStringList{box});
    QStringList lines = s.lines();
    if (lines.last().startsWith(Exactly))
        lines.removeLast();
    QVERIFY2(stepstext::isResultLine(lines.last(), box, c.unit), qPrintable(lines.last()));
    VERIFY_LINES(s.lines());
    for (const DigitShape shape : {DigitShape::Western, DigitShape::ArabicIndic}) {
        for (const QString &line : plain(s.lines(), shape))
            QVERIFY2(!line.contains(u'E') && !line.contains(u'-') && !line.contains(u'/'), qPrintable(line));
    }
    // A line opening with "= " or "≈ " follows a line of the same
    // calculation, never a sentence about the reading.
    for (qsizetype i = 1; i < s.lines().size(); ++i) {
        const QString &line = s.lines()[i];
        if (line.startsWith(QStringLiteral("= ")) || line.startsWith(QStringLiteral("≈ ")))
            QVERIFY2(!s.lines()[i - 1].contains(QStringLiteral("يؤخذ"))
                         && !s.lines()[i - 1].contains(QStringLiteral("مقربا")),
                     qPrintable(s.lines()[i - 1]));
    }
}

QTEST_GUILESS_MAIN(FormulasConversionsTest)
#include "test_formulas_conversions.moc"
