// The trigonometry formulas without their window: both values against true
// values worked apart to 40 digits (tools/trigtable.py writes them into
// trigonometry_table.h), at the special angles from −720° to 720° and at
// random angles: every box within one unit of its fifteenth digit, the exact
// value at a whole multiple of 30° or 45°, "خطأ" exactly at the poles; every
// "=" and "≈" of the steps holds. Then the lines themselves, worked in
// degrees first and read as radians after their heading.

#include "support/linecheck.h"

#include "conversions/trigformulas.h"
#include "numtext/numtext.h"

#include <QTest>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <optional>
#include <span>

using conversions::Function;
using numtext::Steps;

namespace {

struct TrueValue {
    Function function;
    const char *typed;
    bool exact;          // a whole multiple of 30° or 45°
    const char *degrees; // to 40 digits, "" where undefined
    const char *radians;
};

#include "trigonometry_table.h"

const QString Undefined = QStringLiteral("خطأ");

QString box(const std::optional<double> &value) { return value ? numtext::format(*value) : Undefined; }

// Whether a box's text lies within one unit of the fifteenth significant
// digit of the true value; a true 0 must be 0.
bool withinOneUnit(const QString &text, const char *truth)
{
    const long double t = std::strtold(truth, nullptr);
    const long double b = std::strtold(text.toLatin1().constData(), nullptr);
    if (t == 0)
        return b == 0;
    const char *e = std::strchr(truth, 'E');
    const int exponent = e ? std::atoi(e + 1) : 0;
    return std::fabs(b - t) <= std::pow(10.0L, exponent - 14);
}

// The lines of the degrees and of the radians, each checked with its own
// functions. The function of the angle typed, and of its size, have the
// true value given (a large angle is no double exactly).
void verifyLines(const Steps &s, Function function, const QString &typed, double truth = std::nan(""))
{
    const qsizetype heading = s.lines().indexOf(conversions::RadiansHeading);
    QVERIFY2(heading > 0, qPrintable(s.lines().join(u'\n')));
    const QStringList degrees = s.lines().mid(0, heading), radians = s.lines().mid(heading + 1);
    linecheck::Names names;
    if (!std::isnan(truth)) {
        static const char *const symbols[] = {"جا", "جتا", "ظا", "ظتا", "قا", "قتا"};
        const auto call = [&](const QString &text, double value) {
            const QString at = numtext::writtenTyped({text, value}) + u'°';
            const bool bracketed = at.startsWith(u'\u2212') || at.contains(u'×');
            return QString::fromUtf8(symbols[int(function)]) + u' ' + (bracketed ? u'(' + at + u')' : at);
        };
        const double value = numtext::strictNumber(typed);
        names[call(typed, value)] = truth;
        const bool even = function == Function::Cosine || function == Function::Secant;
        QString size = typed.trimmed();
        if (size.startsWith(u'-')) {
            size.remove(0, 1);
            names[call(size, -value)] = even ? truth : -truth;
        }
    }
    const linecheck::Report d = linecheck::check(degrees, names, linecheck::degreeFunctions());
    QVERIFY2(d.ok(), qPrintable(d.text() + u'\n' + s.lines().join(u'\n')));
    const linecheck::Report r = linecheck::check(radians, {}, linecheck::radianFunctions());
    QVERIFY2(r.ok(), qPrintable(r.text() + u'\n' + s.lines().join(u'\n')));
}

void addTable(std::span<const TrueValue> rows)
{
    QTest::addColumn<int>("function");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<QString>("degrees");
    QTest::addColumn<QString>("radians");
    static const char *const names[] = {"sin", "cos", "tan", "cot", "sec", "csc"};
    for (const TrueValue &row : rows)
        QTest::addRow("%s %s", names[static_cast<int>(row.function)], row.typed)
            << static_cast<int>(row.function) << QString::fromLatin1(row.typed) << row.exact
            << QString::fromLatin1(row.degrees) << QString::fromLatin1(row.radians);
}

// Every multiple of 15° from −720° to 720°, and the random angles: at a whole
// multiple of 30° or 45° the degrees box is the exact value's nearest
// double, and "خطأ" where the function has none; elsewhere both boxes lie
// within one unit of their fifteenth digit; every "=" and "≈" holds.
void checkRow()
{
    QFETCH(int, function);
    QFETCH(QString, typed);
    QFETCH(bool, exact);
    QFETCH(QString, degrees);
    QFETCH(QString, radians);
    Steps s;
    const conversions::Trigonometric values = conversions::trigonometric(Function(function), typed, s);
    const QByteArray inDegrees = degrees.toLatin1(), inRadians = radians.toLatin1();
    if (degrees.isEmpty())
        QCOMPARE(box(values.degrees), Undefined);
    else if (exact)
        QCOMPARE(box(values.degrees), numtext::format(std::strtod(inDegrees.constData(), nullptr)));
    else
        QVERIFY2(withinOneUnit(box(values.degrees), inDegrees.constData()),
                 qPrintable(box(values.degrees) + " / " + degrees));
    if (radians.isEmpty())
        QCOMPARE(box(values.radians), Undefined);
    else
        QVERIFY2(withinOneUnit(box(values.radians), inRadians.constData()),
                 qPrintable(box(values.radians) + " / " + radians));
    QCOMPARE(s.results().size(), qsizetype(!degrees.isEmpty()) + qsizetype(!radians.isEmpty()));
    verifyLines(s, Function(function), typed,
                degrees.isEmpty() ? std::nan("") : std::strtod(inDegrees.constData(), nullptr));
}

} // namespace

class FormulasTrigonometryTest : public QObject {
    Q_OBJECT
private slots:
    void specialAngles_data() { addTable(SpecialAngles); }
    void specialAngles() { checkRow(); }
    void randomAngles_data() { addTable(RandomAngles); }
    void randomAngles() { checkRow(); }
    void lines_data();
    void lines();
    void failures_data();
    void failures();
};

// The lines as markup, and both boxes ("خطأ" where undefined): the degrees
// worked first, in a pupil's rules (the sign of a negative angle, whole
// turns, the related angle), ending in their value set apart (an exact value
// with its exact form); then the number read as radians under its heading,
// with the digits that hold for the number typed and the box's own where
// they differ.
void FormulasTrigonometryTest::lines_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("degrees");
    QTest::addColumn<QString>("radians");
    QTest::newRow("sin 30, exact") << int(Function::Sine) << QStringLiteral("30")
                                   << QStringList{R"([blue:الزاوية] = 30°)",
                                                  R"([blue bold:جا 30° = \frac{1}{2} = 0.5])",
                                                  R"([darkred bold:إذا قرئ العدد زاوية بالراديان])",
                                                  R"(جا 30 ≈ −0.988031624092862)"}
                                   << QStringLiteral("0.5") << QStringLiteral("-0.988031624092862");
    QTest::newRow("sin 45, an exact root")
        << int(Function::Sine) << QStringLiteral("45")
        << QStringList{R"([blue:الزاوية] = 45°)", R"([blue bold:جا 45° = \frac{\sqrt{2}}{2} ≈ 0.707106781186548])",
                       R"([darkred bold:إذا قرئ العدد زاوية بالراديان])", R"(جا 45 ≈ 0.850903524534118)"}
        << QStringLiteral("0.707106781186548") << QStringLiteral("0.850903524534118");
    QTest::newRow("cos 300, the related angle") << int(Function::Cosine) << QStringLiteral("300")
                                                << QStringList{R"([blue:الزاوية] = 300°)",
                                                               R"(جتا 300° = جتا (360° − 60°))",
                                                               R"(= جتا 60°)",
                                                               R"([blue bold:جتا 300° = \frac{1}{2} = 0.5])",
                                                               R"([darkred bold:إذا قرئ العدد زاوية بالراديان])",
                                                               R"(جتا 300 ≈ −0.0220966192786839)"}
                                                << QStringLiteral("0.5") << QStringLiteral("-0.0220966192786839");
    QTest::newRow("sin -750, a negative angle and whole turns")
        << int(Function::Sine) << QStringLiteral("-750")
        << QStringList{R"([blue:الزاوية] = −750°)",
                       R"(جا (−750°) = −جا 750°)",
                       R"(= −جا (750° − 2 × 360°))",
                       R"(= −جا 30°)",
                       R"([blue bold:جا (−750°) = −\frac{1}{2} = −0.5])",
                       R"([darkred bold:إذا قرئ العدد زاوية بالراديان])",
                       R"(جا (−750) ≈ −0.745072950292026)"}
        << QStringLiteral("-0.5") << QStringLiteral("-0.745072950292026");
    QTest::newRow("tan 90, a pole in degrees")
        << int(Function::Tangent) << QStringLiteral("90")
        << QStringList{R"([blue:الزاوية] = 90°)", R"([darkred:ظا 90° غير معرف لأن جتا 90° = 0])",
                       R"(فتكتب خانة الدرجات: خطأ)", R"([darkred bold:إذا قرئ العدد زاوية بالراديان])",
                       R"(ظا 90 ≈ −1.99520041220824)"}
        << QStringLiteral("خطأ") << QStringLiteral("-1.99520041220824");
    QTest::newRow("cot 90, exactly 0") << int(Function::Cotangent) << QStringLiteral("90")
                                       << QStringList{R"([blue:الزاوية] = 90°)",
                                                      R"([blue bold:ظتا 90° = 0])",
                                                      R"([darkred bold:إذا قرئ العدد زاوية بالراديان])",
                                                      R"(ظتا 90 = \frac{1}{ظا 90})",
                                                      R"(ظا 90 ≈ −1.99520041220824)",
                                                      R"(ظتا 90 ≈ −0.501202783380153)"}
                                       << QStringLiteral("0") << QStringLiteral("-0.501202783380153");
    QTest::newRow("tan 89.99, the complement")
        << int(Function::Tangent) << QStringLiteral("89.99")
        << QStringList{R"([blue:الزاوية] = 89.99°)",
                       R"(ظا 89.99° = ظا (90° − 0.01°))",
                       R"(= ظتا 0.01°)",
                       R"([blue bold:ظا 89.99° ≈ 5729.57789313059])",
                       R"([darkred bold:إذا قرئ العدد زاوية بالراديان])",
                       R"(ظا 89.99 ≈ −2.04602439348494)",
                       R"(والحاسبة تكتب −2.04602439348496: تحسب بعدد محدود من الأرقام فيظهر فرق صغير في آخرها)"}
        << QStringLiteral("5729.57789313059") << QStringLiteral("-2.04602439348496");
    QTest::newRow("sin 1E39, turns beyond fifteen digits")
        << int(Function::Sine) << QStringLiteral("1E39")
        << QStringList{R"([blue:الزاوية] = 1 × 10^{39}°)",
                       R"(نطرح من الزاوية الدورات الكاملة (كل دورة 360°) فيبقى 280°)",
                       R"(جا (1 × 10^{39}°) = جا 280°)",
                       R"(= جا (270° + 10°))",
                       R"(= −جتا 10°)",
                       R"([blue bold:جا (1 × 10^{39}°) ≈ −0.984807753012208])",
                       R"([darkred bold:إذا قرئ العدد زاوية بالراديان])",
                       R"(والحاسبة تكتب −0.00705925181153582: تحسب بعدد محدود من الأرقام، والعدد كبير فلا يصح رقم من أرقام هذا الناتج)"}
        << QStringLiteral("-0.984807753012208") << QStringLiteral("-0.00705925181153582");
    QTest::newRow("sin 0.1") << int(Function::Sine) << QStringLiteral("0.1")
                             << QStringList{R"([blue:الزاوية] = 0.1°)", R"([blue bold:جا 0.1° ≈ 0.00174532836589831])",
                                            R"([darkred bold:إذا قرئ العدد زاوية بالراديان])",
                                            R"(جا 0.1 ≈ 0.0998334166468282)"}
                             << QStringLiteral("0.00174532836589831") << QStringLiteral("0.0998334166468282");
    QTest::newRow("csc 0, a pole in both") << int(Function::Cosecant) << QStringLiteral("0")
                                           << QStringList{R"([blue:الزاوية] = 0°)",
                                                          R"([darkred:قتا 0° غير معرف لأن جا 0° = 0])",
                                                          R"(فتكتب خانة الدرجات: خطأ)",
                                                          R"([darkred bold:إذا قرئ العدد زاوية بالراديان])",
                                                          R"([darkred:قتا 0 غير معرف لأن جا 0 = 0])",
                                                          R"(فتكتب خانة الراديان: خطأ)"}
                                           << QStringLiteral("خطأ") << QStringLiteral("خطأ");
    QTest::newRow("csc 1e-50, no pole") << int(Function::Cosecant) << QStringLiteral("1e-50")
                                        << QStringList{R"([blue:الزاوية] = 1 × 10^{−50}°)",
                                                       R"([blue bold:قتا (1 × 10^{−50}°) ≈ 5.72957795130823 × 10^{51}])",
                                                       R"([darkred bold:إذا قرئ العدد زاوية بالراديان])",
                                                       R"(قتا (1 × 10^{−50}) = \frac{1}{جا (1 × 10^{−50})})",
                                                       R"(جا (1 × 10^{−50}) ≈ 1 × 10^{−50})",
                                                       R"(قتا (1 × 10^{−50}) ≈ 1 × 10^{50})"}
                                        << QStringLiteral("5.72957795130823E+51") << QStringLiteral("1E+50");
    QTest::newRow("sin of 17 digits") << int(Function::Sine) << QStringLiteral("0.30000000000000004")
                                      << QStringList{R"([blue:الزاوية] = 0.30000000000000004°)",
                                                     R"([blue bold:جا 0.30000000000000004° ≈ 0.00523596383141958])",
                                                     R"([darkred bold:إذا قرئ العدد زاوية بالراديان])",
                                                     R"(جا 0.30000000000000004 ≈ 0.29552020666134)"}
                                      << QStringLiteral("0.00523596383141958") << QStringLiteral("0.29552020666134");
    QTest::newRow("cot 30, a reciprocal") << int(Function::Cotangent) << QStringLiteral("30")
                                          << QStringList{R"([blue:الزاوية] = 30°)",
                                                         R"([blue bold:ظتا 30° = \sqrt{3} ≈ 1.73205080756888])",
                                                         R"([darkred bold:إذا قرئ العدد زاوية بالراديان])",
                                                         R"(ظتا 30 = \frac{1}{ظا 30})",
                                                         R"(ظا 30 ≈ −6.40533119664628)",
                                                         R"(ظتا 30 ≈ −0.156119952161659)"}
                                          << QStringLiteral("1.73205080756888") << QStringLiteral("-0.156119952161659");
    QTest::newRow("sec -120.5") << int(Function::Secant) << QStringLiteral("-120.5")
                                << QStringList{R"([blue:الزاوية] = −120.5°)",
                                               R"(قا (−120.5°) = قا 120.5°)",
                                               R"(= قا (90° + 30.5°))",
                                               R"(= −قتا 30.5°)",
                                               R"([blue bold:قا (−120.5°) ≈ −1.97029441117818])",
                                               R"([darkred bold:إذا قرئ العدد زاوية بالراديان])",
                                               R"(قا (−120.5) = \frac{1}{جتا (−120.5)})",
                                               R"(جتا (−120.5) ≈ 0.436151192246477)",
                                               R"(قا (−120.5) ≈ 2.29278291055291)"}
                                << QStringLiteral("-1.97029441117818") << QStringLiteral("2.29278291055291");
}

void FormulasTrigonometryTest::lines()
{
    QFETCH(int, function);
    QFETCH(QString, typed);
    QFETCH(QStringList, lines);
    QFETCH(QString, degrees);
    QFETCH(QString, radians);
    Steps s;
    const conversions::Trigonometric values = conversions::trigonometric(Function(function), typed, s);
    QCOMPARE(s.lines(), lines);
    QCOMPARE(box(values.degrees), degrees);
    QCOMPARE(box(values.radians), radians);
    QStringList boxes;
    for (const QString &b : {degrees, radians})
        if (b != Undefined)
            boxes << b;
    QCOMPARE(s.results(), boxes);
    // (The degrees box is worked apart in the tables above.)
    verifyLines(s, Function(function), typed, values.degrees.value_or(std::nan("")));
    // No line speaks of how the calculator holds its numbers.
    for (const QString &line : s.lines())
        QVERIFY2(!line.contains(QStringLiteral("دقة")) && !line.contains(QStringLiteral("ثنائي")), qPrintable(line));
}

// A text that is not a number, a number beyond the doubles, and a function
// beyond them of an angle too small: a computation failure, after the lines
// worked so far.
void FormulasTrigonometryTest::failures_data()
{
    QTest::addColumn<int>("function");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("lines");
    const QStringList reading{QStringLiteral("تقرأ [blue:الزاوية] من المكتوب")};
    QTest::newRow("letters") << int(Function::Sine) << QStringLiteral("abc") << int(numtext::Failure::NotANumber)
                             << reading;
    QTest::newRow("a number and letters")
        << int(Function::Cosine) << QStringLiteral("12abc") << int(numtext::Failure::NotANumber) << reading;
    QTest::newRow("one space") << int(Function::Tangent) << QStringLiteral(" ") << int(numtext::Failure::NotANumber)
                               << reading;
    QTest::newRow("beyond the doubles") << int(Function::Cotangent) << QStringLiteral("1e400")
                                        << int(numtext::Failure::Overflow) << reading;
    QTest::newRow("beyond the doubles, negative")
        << int(Function::Secant) << QStringLiteral("-1e400") << int(numtext::Failure::Overflow) << reading;
    QTest::newRow("a cosecant beyond the doubles")
        << int(Function::Cosecant) << QStringLiteral("1e-307") << int(numtext::Failure::Overflow)
        << QStringList{QStringLiteral("[blue:الزاوية] = 1 × 10^{−307}°")};
}

void FormulasTrigonometryTest::failures()
{
    QFETCH(int, function);
    QFETCH(QString, typed);
    QFETCH(int, kind);
    QFETCH(QStringList, lines);
    Steps s;
    try {
        conversions::trigonometric(Function(function), typed, s);
        QFAIL("no failure");
    } catch (const numtext::ComputationFailure &failure) {
        QCOMPARE(int(failure.kind()), kind);
    }
    QCOMPARE(s.lines(), lines);
}

QTEST_GUILESS_MAIN(FormulasTrigonometryTest)
#include "test_formulas_trigonometry.moc"
