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

} // namespace conversions
