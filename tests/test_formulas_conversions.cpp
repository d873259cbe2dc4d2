// The conversion and trigonometry formulas without their windows: the
// worked steps of the temperature and angle conversions and of the six
// functions (the unit on every result, the reading said before the formula,
// the exact value of a special angle and why the box differs from it, the
// poles told alike in every function), and the results as the boxes show
// them.

#include "support/linecheck.h"
#include "support/stepstext.h"

#include "conversions/formulas.h"
#include "kit/stepswindow.h"
#include "numtext/numtext.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>

using conversions::Function;
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

const std::map<QString, Function> &functionTable()
{
    static const std::map<QString, Function> all{
        {"جا", Function::Sine},       {"جتا", Function::Cosine}, {"ظا", Function::Tangent},
        {"ظتا", Function::Cotangent}, {"قا", Function::Secant},  {"قتا", Function::Cosecant},
    };
    return all;
}

// The numbers of the exact values the steps may give, read here on their
// own: each must be the true value of its function.
std::optional<double> exactNumber(QString markup)
{
    double sign = 1;
    if (markup.startsWith(u'\u2212')) {
        sign = -1;
        markup.remove(0, 1);
    }
    static const std::map<QString, double> values{
        {"0", 0},
        {"1", 1},
        {"2", 2},
        {"\\frac{1}{2}", 0.5},
        {"\\frac{\\sqrt{2}}{2}", std::sqrt(2.0) / 2},
        {"\\frac{\\sqrt{3}}{2}", std::sqrt(3.0) / 2},
        {"\\sqrt{3}", std::sqrt(3.0)},
        {"\\frac{\\sqrt{3}}{3}", std::sqrt(3.0) / 3},
        {"\\sqrt{2}", std::sqrt(2.0)},
        {"\\frac{2\\sqrt{3}}{3}", 2 * std::sqrt(3.0) / 3},
    };
    const auto found = values.find(markup);
    if (found == values.end())
        return std::nullopt;
    return sign * found->second;
}

// The true value of a function at a whole number of degrees, reduced to a
// turn first so that no π is multiplied up; none at a pole.
std::optional<long double> trueValue(Function f, long long degrees)
{
    const long long turn = ((degrees % 360) + 360) % 360;
    const long double x = static_cast<long double>(turn) * std::numbers::pi_v<long double> / 180;
    const long double sine = turn % 180 == 0 ? 0 : std::sin(x);
    const long double cosine = (turn + 90) % 180 == 0 ? 0 : std::cos(x);
    const auto ratio = [](long double a, long double b) -> std::optional<long double> {
        if (b == 0)
            return std::nullopt;
        return a / b;
    };
    switch (f) {
    case Function::Sine:
        return sine;
    case Function::Cosine:
        return cosine;
    case Function::Tangent:
        return ratio(sine, cosine);
    case Function::Cotangent:
        return ratio(cosine, sine);
    case Function::Secant:
        return ratio(1, cosine);
    case Function::Cosecant:
        return ratio(1, sine);
    }
    return std::nullopt;
}

QStringList plain(const QStringList &lines, DigitShape shape)
{
    QStringList shown;
    for (const QString &line : lines)
        shown << stepstext::withoutIsolates(reference::plainStepLine(line, shape));
    return shown;
}

// The six functions of the angle held (a single) read as degrees, bound to
// their true values under the names the lines give them ("جا 30°",
// "جا (−30°)"); none where a function has no value.
linecheck::Names degreeNames(const QString &typed)
{
    const double held = static_cast<double>(numtext::strictSingle(typed));
    QString at = numtext::written(held) + u'°';
    if (at.startsWith(u'\u2212') || at.contains(u'×'))
        at = u'(' + at + u')';
    long double turn = std::fmod(static_cast<long double>(held), 360.0L);
    const long double x = turn * std::numbers::pi_v<long double> / 180;
    long double sine = std::sin(x), cosine = std::cos(x);
    if (turn == std::trunc(turn)) {
        const auto whole = static_cast<long long>(turn);
        if (whole % 180 == 0)
            sine = 0;
        if ((whole + 90) % 180 == 0)
            cosine = 0;
    }
    linecheck::Names names{{QStringLiteral("جا ") + at, double(sine)}, {QStringLiteral("جتا ") + at, double(cosine)}};
    if (cosine != 0) {
        names[QStringLiteral("ظا ") + at] = double(sine / cosine);
        names[QStringLiteral("قا ") + at] = double(1 / cosine);
    }
    if (sine != 0) {
        names[QStringLiteral("ظتا ") + at] = double(cosine / sine);
        names[QStringLiteral("قتا ") + at] = double(1 / sine);
    }
    return names;
}

const QString Exactly = QStringLiteral("القيمة الدقيقة: ");
const QString Why = QStringLiteral("؛ والحاسبة تكتب ");

} // namespace

class FormulasConversionsTest : public QObject {
    Q_OBJECT
private slots:
    void conversionLines_data();
    void conversionLines();
    void everyConversion_data();
    void everyConversion();
    void trigonometryLines_data();
    void trigonometryLines();
    void specialAngles_data();
    void specialAngles();
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

// The lines of a function as markup, and both boxes ("خطأ" where undefined).
void FormulasConversionsTest::trigonometryLines_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("angle");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("degrees");
    QTest::addColumn<QString>("radians");
    const QString Why15 = QStringLiteral(" لأنها تستعمل قيمة تقريبية لـ [red:ط] (3.14159265358979)");
    const QStringList ninety{"[blue:الزاوية] = 90", "[green:الزاوية بالراديان] = 90 × \\frac{[red:ط]}{180}",
                             "≈ 90 × \\frac{3.14159265358979}{180}", "≈ 90 × 0.0174532925199433", "≈ 1.5707963267949"};
    const QString AsRadians = QStringLiteral("[darkred:بالراديان:] يؤخذ العدد 90 نفسه زاوية بالراديان");
    // The box of cos 90° is not 0: the steps give 0 and say why.
    QTest::newRow("cos 90")
        << "جتا"
        << "90"
        << ninety
               + QStringList{"جتا 90° ≈ جتا 1.5707963267949", "≈ 1.61554457443259 × 10^{−15}",
                             "القيمة الدقيقة: جتا 90° = 0؛ والحاسبة تكتب 1.61554457443259 × 10^{−15}" + Why15,
                             AsRadians, "جتا 90 ≈ −0.44807361612917"}
        << "1.61554457443259E-15"
        << "-0.44807361612917";
    // tan 90° is undefined, in its own steps as in those of cot 90°.
    QTest::newRow("tan 90") << "ظا"
                            << "90"
                            << ninety
                                   + QStringList{"[darkred:ظا 90° غير معرف لأن جتا 90° = 0]", "فتكتب خانة الدرجات: خطأ",
                                                 AsRadians, "ظا 90 ≈ −1.99520041220824"}
                            << "خطأ"
                            << "-1.99520041220824";
    QTest::newRow("cot 90")
        << "ظتا"
        << "90"
        << ninety
               + QStringList{QStringLiteral(
                                 "[darkred:ظا 90° غير معرف لأن جتا 90° = 0]؛ والحاسبة تقسم 1 على ظا [green:الزاوية "
                                 "بالراديان]، وهي قريبة من \\frac{[red:ط]}{2} وليست مساوية لها، فظلها عدد كبير لا غير "
                                 "معرف"),
                             "ظا [green:الزاوية بالراديان] ≈ 618986325617924",
                             "ظتا [green:الزاوية بالراديان] ≈ \\frac{1}{618986325617924}",
                             "≈ 1.61554457443259 × 10^{−15}",
                             "القيمة الدقيقة: ظتا 90° = 0؛ والحاسبة تكتب 1.61554457443259 × 10^{−15}" + Why15,
                             AsRadians,
                             "ظتا 90 = \\frac{1}{ظا 90}",
                             "ظا 90 ≈ −1.99520041220824",
                             "ظتا 90 ≈ \\frac{1}{−1.99520041220824}",
                             "≈ −0.501202783380153"}
        << "1.61554457443259E-15"
        << "-0.501202783380153";
    QTest::newRow("tan 45") << "ظا"
                            << "45"
                            << QStringList{"[blue:الزاوية] = 45",
                                           "[green:الزاوية بالراديان] = 45 × \\frac{[red:ط]}{180}",
                                           "≈ 45 × \\frac{3.14159265358979}{180}",
                                           "≈ 45 × 0.0174532925199433",
                                           "≈ 0.785398163397448",
                                           "ظا 45° ≈ ظا 0.785398163397448",
                                           "≈ 0.999999999999998",
                                           "القيمة الدقيقة: ظا 45° = 1؛ والحاسبة تكتب 0.999999999999998" + Why15,
                                           "[darkred:بالراديان:] يؤخذ العدد 45 نفسه زاوية بالراديان",
                                           "ظا 45 ≈ 1.61977519054386"}
                            << "0.999999999999998"
                            << "1.61977519054386";
    // The exact value equals the box: no reason to give.
    QTest::newRow("sin 30") << "جا"
                            << "30"
                            << QStringList{"[blue:الزاوية] = 30",
                                           "[green:الزاوية بالراديان] = 30 × \\frac{[red:ط]}{180}",
                                           "≈ 30 × \\frac{3.14159265358979}{180}",
                                           "≈ 30 × 0.0174532925199433",
                                           "≈ 0.523598775598298",
                                           "جا 30° ≈ جا 0.523598775598298",
                                           "≈ 0.5",
                                           "القيمة الدقيقة: جا 30° = \\frac{1}{2}",
                                           "[darkred:بالراديان:] يؤخذ العدد 30 نفسه زاوية بالراديان",
                                           "جا 30 ≈ −0.988031624092862"}
                            << "0.5"
                            << "-0.988031624092862";
    // A typed angle of more than fifteen digits is shown as typed.
    QTest::newRow("sin of 17 digits")
        << "جا"
        << "0.30000000000000004"
        << QStringList{"[blue:الزاوية] = 0.30000000000000004",
                       "تحفظ بدقة مفردة (نحو سبعة أرقام): [blue:الزاوية] ≈ 0.300000011920929",
                       "[green:الزاوية بالراديان] ≈ 0.300000011920929 × \\frac{[red:ط]}{180}",
                       "≈ 0.300000011920929 × \\frac{3.14159265358979}{180}",
                       "≈ 0.300000011920929 × 0.0174532925199433",
                       "≈ 0.00523598796404244",
                       "جا 0.300000011920929° ≈ جا 0.00523598796404244",
                       "≈ 0.00523596403947618",
                       "[darkred:بالراديان:] يؤخذ العدد 0.300000011920929 نفسه زاوية بالراديان",
                       "جا 0.300000011920929 ≈ 0.295520218049838"}
        << "0.00523596403947618"
        << "0.295520218049838";
}

void FormulasConversionsTest::trigonometryLines()
{
    QFETCH(QString, function);
    QFETCH(QString, angle);
    QFETCH(QStringList, lines);
    QFETCH(QString, degrees);
    QFETCH(QString, radians);
    Steps s;
    const conversions::Trigonometric values = conversions::trigonometric(functionTable().at(function), angle, s);
    QCOMPARE(s.lines(), lines);
    const QString undefined = QStringLiteral("خطأ");
    QCOMPARE(values.degrees ? numtext::format(*values.degrees) : undefined, degrees);
    QCOMPARE(values.radians ? numtext::format(*values.radians) : undefined, radians);
    QStringList boxes;
    for (const QString &box : {degrees, radians})
        if (box != undefined)
            boxes << box;
    QCOMPARE(s.results(), boxes);
    VERIFY_LINES(s.lines(), degreeNames(angle), linecheck::radianFunctions());
}

// Every function at the special angles and their multiples: the degrees box
// is "خطأ" exactly where the function has no value, and its steps say so;
// elsewhere the steps give the exact value, which is the function's true
// value (worked here apart), and say why the box differs when it does.
void FormulasConversionsTest::specialAngles_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<int>("angle");
    for (const auto &entry : functionTable())
        for (const int angle : {0,   30,  45,  60,  90,  120, 135, 150, 180,  210, 225, 240,
                                270, 300, 315, 330, 360, -30, -45, -90, -135, 390, 720, 1035})
            QTest::addRow("%s %d", qPrintable(entry.first), angle) << entry.first << angle;
}

void FormulasConversionsTest::specialAngles()
{
    QFETCH(QString, function);
    QFETCH(int, angle);
    const Function f = functionTable().at(function);
    Steps s;
    const conversions::Trigonometric values = conversions::trigonometric(f, QString::number(angle), s);
    VERIFY_LINES(s.lines(), degreeNames(QString::number(angle)), linecheck::radianFunctions());
    const std::optional<long double> truth = trueValue(f, angle);
    const QString at = QString::number(angle).replace(u'-', u'\u2212') + u'°';
    const QString self = function + u' ' + (angle < 0 ? u'(' + at + u')' : at);
    const auto undefinedLine = [&](const QString &name) {
        const QString opening = "[darkred:" + name + u' ' + (angle < 0 ? u'(' + at + u')' : at) + " غير معرف لأن ";
        return std::any_of(s.lines().begin(), s.lines().end(), [&](const QString &l) { return l.startsWith(opening); });
    };
    QCOMPARE(values.degrees.has_value(), truth.has_value());
    if (!truth) {
        QVERIFY(undefinedLine(function));
        QVERIFY(
            std::none_of(s.lines().begin(), s.lines().end(), [](const QString &l) { return l.startsWith(Exactly); }));
        return;
    }
    // A reciprocal of a function undefined at the angle says so, as that
    // function's own steps do.
    if (f == Function::Cotangent && !trueValue(Function::Tangent, angle))
        QVERIFY(undefinedLine(QStringLiteral("ظا")));
    const QString opening = Exactly + self + QStringLiteral(" = ");
    const auto exact = std::find_if(s.lines().begin(), s.lines().end(),
                                    [&](const QString &l) { return l.startsWith(opening); });
    QVERIFY2(exact != s.lines().end(), qPrintable(s.lines().join(u'\n')));
    const QString stated = exact->mid(opening.size()).section(Why, 0, 0);
    const std::optional<double> number = exactNumber(stated);
    QVERIFY2(number, qPrintable(stated));
    QVERIFY2(std::fabs(static_cast<long double>(*number) - *truth) < 1e-15L, qPrintable(stated));
    // The box within 1E-9 of the exact value; the reason given exactly when
    // the box shows another number.
    QVERIFY(std::fabs(*values.degrees - *number) <= 1e-9);
    const bool differs = numtext::format(*values.degrees) != numtext::format(*number);
    QCOMPARE(exact->contains(Why), differs);
    if (differs)
        QVERIFY(exact->contains(numtext::written(*values.degrees)));
}

QTEST_GUILESS_MAIN(FormulasConversionsTest)
#include "test_formulas_conversions.moc"
