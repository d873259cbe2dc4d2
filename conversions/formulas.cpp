#include "conversions/formulas.h"

#include "numtext/notation.h"
#include "numtext/numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <numeric>
#include <optional>
#include <system_error>
#include <utility>

using namespace numtext;

namespace conversions {

namespace {

// The scales and the angle measures as the steps name them, in the colours of
// the laws pictures: Celsius blue, Kelvin green, Fahrenheit dark red; degrees
// blue, radians green, pi red.
const QString &C = symbol::Celsius;
const QString &K = symbol::Kelvin;
const QString &F = symbol::Fahrenheit;
const QString &Degrees = symbol::Degrees;
const QString &Radians = symbol::Radians;
const QString &PiSymbol = symbol::Pi;

// ---------------------------------------------------------------------------
// Reading the operand

enum class Reading {
    RoundTrip, // the leading number, written with 15 digits and read strictly again
    Direct,    // the leading number as it is
};

// The operand of a conversion, read from the text typed as the window reads
// it, and how the lines write it. A text that is not a number on its own,
// and a round trip that changes the number, each get a line; a plain number
// needs none. These lines come before the formula.
struct Operand {
    double value;
    QString text;
};

Operand readOperand(QStringView typed, Reading reading, const QString &name, Steps &s)
{
    const QString text = typed.toString();
    double value = 0;
    double rounded = 0;
    try {
        value = leadingNumber(typed);
        rounded = reading == Reading::RoundTrip ? strictNumber(format(value)) : value;
    } catch (const ComputationFailure &) {
        s.line("يقرأ ", name, " من المكتوب");
        throw;
    }
    if (!isStrictNumber(typed))
        s.line(leadingNumberLine(value));
    if (reading == Reading::Direct)
        return {value, writtenTyped({text, value})};
    if (rounded != value)
        s.line(roundedLine(name, typed, rounded));
    return {rounded, written(rounded)};
}

// How a line goes on from the one before: "≈" when the value computed for it
// is written rounded.
QString rel(double computed) { return relation(computed); }

// ---------------------------------------------------------------------------
// The steps of each operation, written as it is computed

// A value worked out, and the same step worked from the number the line
// before writes (its fifteen digits): where the two differ, the value is not
// equal to what the line before shows, only near it.
struct Worked {
    double value;
    double fromShown;
};
// The fifteen digits of a number next to the largest double may lie beyond
// it (1.79769313486232E+308): the line's number is then taken as the value
// itself, for a check of the steps never fails the calculation.
double shown(double value)
{
    const QByteArray digits = format(value).toLatin1();
    double read = 0;
    const bool readable = std::from_chars(digits.cbegin(), digits.cend(), read).ec == std::errc();
    return readable ? read : value;
}
QString rel(const Worked &w) { return format(w.fromShown) != format(w.value) ? QStringLiteral("≈") : rel(w.value); }

Worked celsiusFromFahrenheit(const QString &f, double value, Steps &s)
{
    s.line(C, " = \\frac{", F, " − 32}{1.8}");
    s.line("= \\frac{", f, " − 32}{1.8}");
    const double difference = minus(value, FahrenheitZero);
    s.line(rel(difference), " \\frac{", written(difference), "}{1.8}");
    return {divide(difference, FahrenheitStep), divide(shown(difference), FahrenheitStep)};
}

// `c` is the Celsius value as the line writes it, with "≈" before it where
// that is rounded.
Worked fahrenheitFromCelsius(const QString &c, double value, Steps &s, const QString &sign = QStringLiteral("="))
{
    s.line(F, " = ", C, " × 1.8 + 32");
    s.line(sign, " ", c, " × 1.8 + 32");
    const double product = times(value, FahrenheitStep);
    s.line(rel(product), " ", written(product), " + 32");
    return {plus(product, FahrenheitZero), plus(shown(product), FahrenheitZero)};
}

double kelvinFromCelsius(const QString &c, double value, Steps &s)
{
    s.line(K, " = ", C, " + 273");
    s.line("= ", c, " + 273");
    return plus(value, KelvinZero);
}

double celsiusFromKelvin(const QString &k, double value, Steps &s)
{
    s.line(C, " = ", K, " − 273");
    s.line("= ", k, " − 273");
    return minus(value, KelvinZero);
}

double finish(double value, Unit unit, Steps &s)
{
    s.result(value, unit);
    return value;
}

// The result line of a worked value: "≈" where the line before, as written,
// gives other digits.
void finish(const Worked &w, Steps &s)
{
    if (rel(w) == rel(w.value))
        s.result(w.value);
    else
        s.keep(num(w.value)).line(rel(w), " ", written(w.value));
}

double finish(const Worked &w, Unit unit, Steps &s)
{
    if (rel(w) == rel(w.value))
        return finish(w.value, unit, s);
    s.keep(num(w.value)).line(rel(w), " ", written(w.value), " ", unitName(unit));
    return w.value;
}

// The thermometer of a conversion: the temperature given, the result, and
// the Celsius value worked out between them where there is one. Returns the
// result.
double thermometer(std::initializer_list<std::pair<const char *, double>> scales, Steps &s)
{
    numtext::Figure f{QStringLiteral("temperature"), {}};
    for (const auto &[scale, value] : scales)
        f.set(QString::fromLatin1(scale), value);
    s.figure(std::move(f));
    return scales.begin()[1].second;
}

} // namespace

double celsiusToFahrenheit(QStringView typed, Steps &s)
{
    const Operand c = readOperand(typed, Reading::RoundTrip, C, s);
    const double f = finish(fahrenheitFromCelsius(c.text, c.value, s), Unit::Fahrenheit, s);
    return thermometer({{"C", c.value}, {"F", f}}, s);
}

double fahrenheitToCelsius(QStringView typed, Steps &s)
{
    const Operand f = readOperand(typed, Reading::RoundTrip, F, s);
    const double c = finish(celsiusFromFahrenheit(f.text, f.value, s), Unit::Celsius, s);
    return thermometer({{"F", f.value}, {"C", c}}, s);
}

double celsiusToKelvin(QStringView typed, Steps &s)
{
    const Operand c = readOperand(typed, Reading::RoundTrip, C, s);
    const double k = finish(kelvinFromCelsius(c.text, c.value, s), Unit::Kelvin, s);
    return thermometer({{"C", c.value}, {"K", k}}, s);
}

double kelvinToCelsius(QStringView typed, Steps &s)
{
    const Operand k = readOperand(typed, Reading::RoundTrip, K, s);
    const double c = finish(celsiusFromKelvin(k.text, k.value, s), Unit::Celsius, s);
    return thermometer({{"K", k.value}, {"C", c}}, s);
}

// Through Celsius: first the Celsius value, then the Fahrenheit one from it
// (with every digit of the Celsius value, where the line shows fifteen).
double kelvinToFahrenheit(QStringView typed, Steps &s)
{
    const Operand k = readOperand(typed, Reading::Direct, K, s);
    const double c = celsiusFromKelvin(k.text, k.value, s);
    s.line(rel(c), " ", written(c), " ", unitName(Unit::Celsius));
    const double f = finish(fahrenheitFromCelsius(written(c), c, s, rel(c)), Unit::Fahrenheit, s);
    return thermometer({{"K", k.value}, {"F", f}, {"C", c}}, s);
}

double fahrenheitToKelvin(QStringView typed, Steps &s)
{
    const Operand f = readOperand(typed, Reading::Direct, F, s);
    const Worked celsius = celsiusFromFahrenheit(f.text, f.value, s);
    const double c = celsius.value;
    s.line(rel(celsius), " ", written(c), " ", unitName(Unit::Celsius));
    s.line(K, " = ", C, " + 273");
    s.line(rel(c), " ", written(c), " + 273");
    const double k = finish(Worked{plus(c, KelvinZero), plus(shown(c), KelvinZero)}, Unit::Kelvin, s);
    return thermometer({{"F", f.value}, {"K", k}, {"C", c}}, s);
}

namespace {

// The special angles and their multiples: 30° and 45° steps, π ÷ 6 and
// π ÷ 4 radians. Their exact values show what the window's π = 3.141592
// leaves out.
struct Fraction {
    long long numerator;
    long long denominator;
};

// The multiple of π that a whole number of degrees is, when it is one of
// 30° or of 45°.
std::optional<Fraction> specialDegrees(double degrees)
{
    if (!(std::fabs(degrees) <= 1e9) || degrees != std::trunc(degrees))
        return std::nullopt;
    const auto whole = static_cast<long long>(degrees);
    if (whole % 30 != 0 && whole % 45 != 0)
        return std::nullopt;
    long long n = whole;
    long long d = 180;
    const long long g = std::gcd(n < 0 ? -n : n, d);
    n /= g;
    d /= g;
    return Fraction{n, d};
}

// "ط", "2 × ط", "\frac{ط}{6}", "\frac{5 × ط}{6}", "0".
QString piTimes(const Fraction &f)
{
    if (f.numerator == 0)
        return QStringLiteral("0");
    const QString sign = f.numerator < 0 ? QString(MinusSign) : QString();
    const long long n = f.numerator < 0 ? -f.numerator : f.numerator;
    const QString top = n == 1 ? PiSymbol : writtenWhole(n) + QStringLiteral(" × ") + PiSymbol;
    if (f.denominator == 1)
        return sign + top;
    return sign + QStringLiteral("\\frac{") + top + QStringLiteral("}{") + writtenWhole(f.denominator) + u'}';
}

// The same standing before "×": bracketed when it has a sign.
QString operandOfPi(const Fraction &f)
{
    const QString text = piTimes(f);
    return f.numerator < 0 ? u'(' + text + u')' : text;
}

// Why the box differs from the exact value, when it does.
void exactMeasureLine(const QString &exact, double exactValue, double value, Unit unit, Steps &s)
{
    QString line = QStringLiteral("القيمة الدقيقة: ") + exact + u' ' + unitName(unit);
    if (format(value) != format(exactValue))
        line += QStringLiteral("؛ والحاسبة تكتب ") + written(value) + QStringLiteral(" لأنها تستعمل قيمة تقريبية لـ ")
                + PiSymbol + QStringLiteral(" (") + written(Pi) + u')';
    s.line(line);
}

} // namespace

double radiansToDegrees(QStringView typed, Steps &s) { return radiansToDegrees(typed, s, Pi); }

double radiansToDegrees(QStringView typed, Steps &s, double pi)
{
    const Operand x = readOperand(typed, Reading::Direct, Radians, s);
    s.line(Degrees, " = \\frac{", Radians, " × 180}{", PiSymbol, "}");
    s.line("≈ \\frac{", x.text, " × 180}{", written(pi), "}");
    const double product = times(x.value, HalfTurn);
    s.line(rel(product), " \\frac{", written(product), "}{", written(pi), "}");
    const double degrees = divide(product, pi);
    s.result(degrees, Unit::Degree);
    if (pi != Pi)
        return degrees;
    // A number of radians within 1E-9 of a special angle: its exact measure.
    // The nearest whole number of 15° steps (π ÷ 12 radians each).
    const double nearest = std::round(x.value / (std::numbers::pi / 12));
    if (std::fabs(x.value - nearest * (std::numbers::pi / 12)) <= 1e-9) {
        if (const std::optional<Fraction> f = specialDegrees(nearest * 15); f && f->numerator != 0)
            exactMeasureLine(operandOfPi(*f) + QStringLiteral(" × \\frac{180}{") + PiSymbol + QStringLiteral("} = ")
                                 + writtenWhole(static_cast<long long>(nearest * 15)),
                             nearest * 15, degrees, Unit::Degree, s);
    }
    return degrees;
}

double degreesToRadians(QStringView typed, Steps &s) { return degreesToRadians(typed, s, Pi); }

double degreesToRadians(QStringView typed, Steps &s, double pi)
{
    const Operand x = readOperand(typed, Reading::Direct, Degrees, s);
    s.line(Radians, " = \\frac{", Degrees, " × ", PiSymbol, "}{180}");
    s.line("≈ \\frac{", x.text, " × ", written(pi), "}{180}");
    const double product = times(x.value, pi);
    s.line(rel(product), " \\frac{", written(product), "}{180}");
    const double radians = divide(product, HalfTurn);
    s.result(radians, Unit::Radian);
    if (pi != Pi)
        return radians;
    if (const std::optional<Fraction> f = specialDegrees(x.value); f && f->numerator != 0)
        exactMeasureLine(operand(x.value) + QStringLiteral(" × \\frac{") + PiSymbol + QStringLiteral("}{180} = ")
                             + piTimes(*f),
                         static_cast<double>(f->numerator) * std::numbers::pi / static_cast<double>(f->denominator),
                         radians, Unit::Radian, s);
    return radians;
}

// ---------------------------------------------------------------------------
// Trigonometry

namespace {

enum class Poles {
    None,
    OddRightAngles, // the tangent and the secant: 90, 270, -90 ... degrees
    StraightAngles, // the cotangent and the cosecant: 0, 180, -180 ... degrees, and 0 radians
};

struct Rule {
    const char *name;       // جا
    const char *inverts;    // the function whose reciprocal it is, or nullptr
    double (*base)(double); // the function computed: itself, or the one it inverts
    Poles poles;
    const char *zeroAtPole; // the function that is 0 at its poles
};

const Rule &rule(Function function)
{
    static const Rule rules[] = {
        {"جا", nullptr, sine, Poles::None, nullptr},
        {"جتا", nullptr, cosine, Poles::None, nullptr},
        {"ظا", nullptr, tangent, Poles::OddRightAngles, "جتا"},
        {"ظتا", "ظا", tangent, Poles::StraightAngles, "ظا"},
        {"قا", "جتا", cosine, Poles::OddRightAngles, "جتا"},
        {"قتا", "جا", sine, Poles::StraightAngles, "جا"},
    };
    return rules[int(function)];
}

// The angle is the single-precision number typed, so the degree test is
// exact: no rounding of pi can hide a pole.
bool undefinedInDegrees(Poles poles, float angle)
{
    const double turn = std::fmod(static_cast<double>(angle), 180.0);
    switch (poles) {
    case Poles::None:
        return false;
    case Poles::OddRightAngles:
        return std::fabs(turn) == 90;
    case Poles::StraightAngles:
        return turn == 0;
    }
    return false;
}

// pi/2 is irrational, so the only pole a number of radians can hit exactly is
// the zero of the cotangent and the cosecant.
bool undefinedInRadians(Poles poles, float angle) { return poles == Poles::StraightAngles && angle == 0; }

// "جا 30°", "جا (−30°)".
QString call(const char *name, const QString &argument)
{
    const bool bracketed = argument.startsWith(u'-') || argument.startsWith(MinusSign) || argument.contains(u'×');
    return QString::fromUtf8(name) + u' ' + (bracketed ? u'(' + argument + u')' : argument);
}

// The angle as the window holds it, in single precision: a line where that
// changes the number typed. A text the strict single conversion refuses ends
// the steps with the failure, after a line that says how the angle is read.
float readAngle(QStringView typed, Steps &s)
{
    float angle = 0;
    try {
        angle = strictSingle(typed);
    } catch (const ComputationFailure &) {
        s.line("تقرأ [blue:الزاوية] من المكتوب عددا بدقة مفردة");
        throw;
    }
    const Typed read{typed.toString(), strictNumber(typed)};
    s.line("[blue:الزاوية] = ", writtenTyped(read));
    const auto held = static_cast<double>(angle);
    if (read.value != held)
        s.line("تحفظ بدقة مفردة (نحو سبعة أرقام): [blue:الزاوية] ", relation(held), " ", written(held));
    return angle;
}

// ---- Exact values ---------------------------------------------------------

// An exact value as the steps write it, and its number.
struct Exact {
    const char *markup;
    double value;
};

const Exact Zero{"0", 0};
const Exact Half{"\\frac{1}{2}", 0.5};
const Exact HalfRoot2{"\\frac{\\sqrt{2}}{2}", std::numbers::sqrt2 / 2};
const Exact HalfRoot3{"\\frac{\\sqrt{3}}{2}", std::numbers::sqrt3 / 2};
const Exact One{"1", 1};
const Exact Root3{"\\sqrt{3}", std::numbers::sqrt3};
const Exact ThirdRoot3{"\\frac{\\sqrt{3}}{3}", std::numbers::sqrt3 / 3};
const Exact Two{"2", 2};
const Exact Root2{"\\sqrt{2}", std::numbers::sqrt2};
const Exact TwoThirdsRoot3{"\\frac{2\\sqrt{3}}{3}", 2 * std::numbers::sqrt3 / 3};

// The exact value of a function at a whole multiple of 30° or 45°, as its
// markup and its number; none at another angle or at a pole.
std::optional<std::pair<QString, double>> exactValue(Function function, double degrees)
{
    if (!(std::fabs(degrees) <= 1e9) || degrees != std::trunc(degrees))
        return std::nullopt;
    const auto whole = static_cast<long long>(degrees);
    if (whole % 30 != 0 && whole % 45 != 0)
        return std::nullopt;
    const long long turn = ((whole % 360) + 360) % 360;
    // The angle to the nearest side of the horizontal axis: 0, 30, 45, 60, 90.
    const long long reference = turn <= 90 ? turn : turn <= 180 ? 180 - turn : turn <= 270 ? turn - 180 : 360 - turn;
    const int column = reference == 0 ? 0 : reference == 30 ? 1 : reference == 45 ? 2 : reference == 60 ? 3 : 4;
    const int sineSign = turn > 180 ? -1 : 1;
    const int cosineSign = turn > 90 && turn < 270 ? -1 : 1;
    static const Exact *const table[6][5] = {
        {&Zero, &Half, &HalfRoot2, &HalfRoot3, &One},   // جا
        {&One, &HalfRoot3, &HalfRoot2, &Half, &Zero},   // جتا
        {&Zero, &ThirdRoot3, &One, &Root3, nullptr},    // ظا
        {nullptr, &Root3, &One, &ThirdRoot3, &Zero},    // ظتا
        {&One, &TwoThirdsRoot3, &Root2, &Two, nullptr}, // قا
        {nullptr, &Two, &Root2, &TwoThirdsRoot3, &One}, // قتا
    };
    const Exact *exact = table[int(function)][column];
    if (!exact)
        return std::nullopt;
    int sign = 1;
    switch (function) {
    case Function::Sine:
    case Function::Cosecant:
        sign = sineSign;
        break;
    case Function::Cosine:
    case Function::Secant:
        sign = cosineSign;
        break;
    case Function::Tangent:
    case Function::Cotangent:
        sign = sineSign * cosineSign;
        break;
    }
    const QString markup = QString::fromUtf8(exact->markup);
    if (sign < 0 && exact->value != 0)
        return std::pair{QString(MinusSign) + markup, -exact->value};
    return std::pair{markup, exact->value};
}

// The exact value of the function at a special angle in degrees, when the
// box's number lies within 1E-9 of it, and why the box differs from it.
void exactLine(Function function, const QString &self, double degrees, double value, Steps &s)
{
    const auto exact = exactValue(function, degrees);
    if (!exact || !(std::fabs(value - exact->second) <= 1e-9))
        return;
    QString line = QStringLiteral("القيمة الدقيقة: ") + self + QStringLiteral(" = ") + exact->first;
    if (format(value) != format(exact->second))
        line += QStringLiteral("؛ والحاسبة تكتب ") + written(value) + QStringLiteral(" لأنها تستعمل قيمة تقريبية لـ ")
                + PiSymbol + QStringLiteral(" (") + written(TrigonometryPi) + u')';
    s.line(line);
}

// ---- The two values ---------------------------------------------------------

// The function the window computes (sine, cosine or tangent) of an angle in
// degrees, worked in long double with the angle reduced to a turn first:
// the number the window's result stands for.
long double exactly(double (*base)(double), double degrees)
{
    const long double x = std::fmod(static_cast<long double>(degrees), 360.0L) * std::numbers::pi_v<long double> / 180;
    if (base == sine)
        return std::sin(x);
    if (base == cosine)
        return std::cos(x);
    return std::tan(x);
}

// Half a unit of the last of the fifteen digits a value is written with.
double halfUnit(double value)
{
    if (value == 0 || !std::isfinite(value))
        return 0;
    return 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(value))) - 14);
}

// Whether two numbers agree to fifteen significant digits, allowing
// `shown` for the digits written; with half the room, to stay clear of the
// edge.
bool close(long double truth, double value, double shown)
{
    const long double scale = std::max(std::fabs(truth), static_cast<long double>(std::fabs(value)));
    return std::fabs(truth - value) <= 0.5L * (5e-15L * scale + shown);
}

// Whether f(d), computed and written with fifteen digits (d too), is the
// function of the angle: "جا 30° ≈ جا 0.523598775598298 ≈ 0.5".
bool agrees(double (*base)(double), double degrees, double d, double value)
{
    const double u = halfUnit(d);
    const double spread = std::max(std::fabs(base(d + u) - value), std::fabs(base(d - u) - value));
    return close(exactly(base, degrees), value, halfUnit(value) + spread);
}

// Whether 1 ÷ b, b written with fifteen digits, is the reciprocal of the
// function of the angle: "قا 60° ≈ 1 ÷ 0.500000000000001".
bool agreesReciprocal(double (*base)(double), double degrees, double b)
{
    if (b == 0)
        return false;
    return close(1 / exactly(base, degrees), 1 / b, halfUnit(b) / (b * b));
}

// The function of the angle in degrees, computed of d, the angle in radians
// as the window computes it (pi taken to fifteen digits).
double inDegrees(Function function, const Rule &f, double angle, const QString &at, double d, Steps &s)
{
    const QString self = call(f.name, at);
    const QString radians = written(d);
    // sin 30° ≈ sin 0.523598775598298: d is 30° only nearly.
    const QString nearly = angle == 0 ? QStringLiteral("=") : QStringLiteral("≈");
    // Where the small error of pi shows in the fifteen digits (it grows
    // with the angle), the function of d is not the function of the angle
    // to the digits shown: the lines then say that the window computes the
    // function of d instead, and name d rather than write digits of it.
    const bool besidePole = function == Function::Cotangent
                            && undefinedInDegrees(Poles::OddRightAngles, static_cast<float>(angle));
    const bool far = !besidePole
                     && (!agrees(f.base, angle, d, f.base(d))
                         || (f.inverts && !agreesReciprocal(f.base, angle, f.base(d))));
    const QString computed = QStringLiteral("[green:الزاوية بالراديان]");
    const auto computedInstead = [&](const char *name) {
        s.line("[darkred:تنبيه:] تحسب الحاسبة ", call(name, computed), " بدلا من ", call(name, at),
               "، ويختلفان في آخر الأرقام لأنها تستعمل قيمة تقريبية لـ ", PiSymbol, " (", written(TrigonometryPi), ")");
    };
    double v = 0;
    if (!f.inverts && far) {
        computedInstead(f.name);
        v = f.base(d);
        s.result(call(f.name, computed), v);
    } else if (!f.inverts) {
        s.line(self, " ", nearly, " ", call(f.name, radians));
        v = f.base(d);
        finish(Worked{v, f.base(shown(d))}, s);
    } else if (far) {
        computedInstead(f.inverts);
        const double b = f.base(d);
        s.line(call(f.inverts, computed), " ", relation(b), " ", written(b));
        s.line(call(f.name, computed), " ", relation(b), " \\frac{1}{", written(b), "}");
        v = divide(1, b);
        s.result(v);
    } else if (besidePole) {
        // The tangent has no value at the angle, but the window divides 1
        // by the tangent of the angle in radians as it computed it: near
        // the pole, not on it, so a large number. (Its fifteen digits may
        // lie on the other side of the pole: the lines name it instead.)
        s.line("[darkred:", call("ظا", at), " غير معرف لأن ", call("جتا", at), " = 0]؛ والحاسبة تقسم 1 على ظا ",
               computed, "، وهي قريبة من ", piTimes(specialDegrees(angle).value_or(Fraction{1, 2})),
               " وليست مساوية لها، فظلها عدد كبير لا غير معرف");
        const double b = f.base(d);
        s.line("ظا ", computed, " ", relation(b), " ", written(b));
        s.line("ظتا ", computed, " ", relation(b), " \\frac{1}{", written(b), "}");
        v = divide(1, b);
        s.result(v);
    } else {
        const QString inverse = call(f.inverts, at);
        s.line(self, " = \\frac{1}{", inverse, "}");
        s.line(inverse, " ", nearly, " ", call(f.inverts, radians));
        const double b = f.base(d);
        s.line(rel(Worked{b, f.base(shown(d))}), " ", written(b));
        s.line(self, " ", relation(b), " \\frac{1}{", written(b), "}");
        v = divide(1, b);
        s.result(v);
    }
    exactLine(function, self, angle, v, s);
    return v;
}

// The function of the number typed read as radians.
double inRadians(const Rule &f, double angle, const QString &at, Steps &s)
{
    const QString self = call(f.name, at);
    if (!f.inverts) {
        const double v = f.base(angle);
        s.result(self, v);
        return v;
    }
    const QString inverse = call(f.inverts, at);
    s.line(self, " = \\frac{1}{", inverse, "}");
    const double b = f.base(angle);
    s.line(inverse, " ", relation(b), " ", written(b));
    s.line(self, " ", relation(b), " \\frac{1}{", written(b), "}");
    const double v = divide(1, b);
    s.result(v);
    return v;
}

// Why the function has no value at the angle, and what its box then says.
void pole(const Rule &f, const QString &at, const char *box, Steps &s)
{
    s.line("[darkred:", call(f.name, at), " غير معرف لأن ", call(f.zeroAtPole, at), " = 0]");
    s.line("فتكتب خانة ", box, ": خطأ");
}

} // namespace

Trigonometric trigonometric(Function function, QStringView typed, Steps &s)
{
    const Rule &f = rule(function);
    const float a = readAngle(typed, s);
    const auto held = static_cast<double>(a);
    s.figure({QStringLiteral("angle"), {{QStringLiteral("degrees"), held}}});
    const QString angle = written(held);
    const QString nearly = a == 0 ? QStringLiteral("=") : QStringLiteral("≈");
    s.line("[green:الزاوية بالراديان] ", relation(held), " ", operand(held), " × \\frac{", PiSymbol, "}{180}");
    s.line(nearly, " ", operand(held), " × \\frac{", written(TrigonometryPi), "}{180}");
    s.line(nearly, " ", operand(held), " × ", written(DegreeFactor));
    const double d = times(DegreeFactor, held);
    s.line(relation(d), " ", written(d));

    Trigonometric values;
    const QString inDegreesAt = angle + u'°';
    if (undefinedInDegrees(f.poles, a))
        pole(f, inDegreesAt, "الدرجات", s);
    else
        values.degrees = inDegrees(function, f, held, inDegreesAt, d, s);

    s.line("[darkred:بالراديان:] يؤخذ العدد ", angle, " نفسه زاوية بالراديان");
    if (undefinedInRadians(f.poles, a))
        pole(f, angle, "الراديان", s);
    else
        values.radians = inRadians(f, held, angle, s);
    return values;
}

} // namespace conversions
