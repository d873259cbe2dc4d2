#include "conversions/formulas.h"

#include "numtext/notation.h"
#include "numtext/numtext.h"

#include <cmath>

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
// it. A text that is not a number on its own, and a round trip that changes
// the number, each get a line; a plain number needs none.
double readOperand(QStringView typed, Reading reading, const QString &name, Steps &s)
{
    const double x = leadingNumber(typed);
    if (!isStrictNumber(typed))
        s.line(leadingNumberLine(x));
    if (reading == Reading::Direct)
        return x;
    const double rounded = strictNumber(format(x));
    if (rounded != x)
        s.line(roundedLine(name, typed, rounded));
    return rounded;
}

// ---------------------------------------------------------------------------
// The steps of each operation, written as it is computed

double celsiusFromFahrenheit(double f, Steps &s)
{
    s.line("= \\frac{", written(f), " − 32}{1.8}");
    const double difference = minus(f, FahrenheitZero);
    s.line("= \\frac{", num(difference), "}{1.8}");
    return divide(difference, FahrenheitStep);
}

double fahrenheitFromCelsius(double c, Steps &s)
{
    s.line("= ", num(c), " × 1.8 + 32");
    const double product = times(c, FahrenheitStep);
    s.line("= ", num(product), " + 32");
    return plus(product, FahrenheitZero);
}

double kelvinFromCelsius(double c, Steps &s)
{
    s.line("= ", written(c), " + 273");
    return plus(c, KelvinZero);
}

double celsiusFromKelvin(double k, Steps &s)
{
    s.line("= ", written(k), " − 273");
    return minus(k, KelvinZero);
}

} // namespace

double celsiusToFahrenheit(QStringView typed, Steps &s)
{
    s.line(F, " = ", C, " × 1.8 + 32");
    const double c = readOperand(typed, Reading::RoundTrip, C, s);
    const double f = fahrenheitFromCelsius(c, s);
    s.result(f);
    return f;
}

double fahrenheitToCelsius(QStringView typed, Steps &s)
{
    s.line(C, " = \\frac{", F, " − 32}{1.8}");
    const double f = readOperand(typed, Reading::RoundTrip, F, s);
    const double c = celsiusFromFahrenheit(f, s);
    s.result(c);
    return c;
}

double celsiusToKelvin(QStringView typed, Steps &s)
{
    s.line(K, " = ", C, " + 273");
    const double k = kelvinFromCelsius(readOperand(typed, Reading::RoundTrip, C, s), s);
    s.result(k);
    return k;
}

double kelvinToCelsius(QStringView typed, Steps &s)
{
    s.line(C, " = ", K, " − 273");
    const double c = celsiusFromKelvin(readOperand(typed, Reading::RoundTrip, K, s), s);
    s.result(c);
    return c;
}

// Through Celsius: first the Celsius value, then the Fahrenheit one from it.
double kelvinToFahrenheit(QStringView typed, Steps &s)
{
    s.line(C, " = ", K, " − 273");
    const double c = celsiusFromKelvin(readOperand(typed, Reading::Direct, K, s), s);
    s.line("= ", num(c));
    s.line(F, " = ", C, " × 1.8 + 32");
    const double f = fahrenheitFromCelsius(c, s);
    s.result(f);
    return f;
}

double fahrenheitToKelvin(QStringView typed, Steps &s)
{
    s.line(C, " = \\frac{", F, " − 32}{1.8}");
    const double f = readOperand(typed, Reading::Direct, F, s);
    const double c = celsiusFromFahrenheit(f, s);
    s.line("= ", num(c));
    // Celsius as the line above wrote it, not with every digit.
    s.line(K, " = ", C, " + 273");
    s.line("= ", num(c), " + 273");
    const double k = plus(c, KelvinZero);
    s.result(k);
    return k;
}

double radiansToDegrees(QStringView typed, Steps &s)
{
    s.line(Degrees, " = \\frac{", Radians, " × 180}{", PiSymbol, "}");
    const double x = readOperand(typed, Reading::Direct, Radians, s);
    s.line("= \\frac{", written(x), " × 180}{", num(Pi), "}");
    const double product = times(x, HalfTurn);
    s.line("= \\frac{", num(product), "}{", num(Pi), "}");
    const double degrees = divide(product, Pi);
    s.result(degrees);
    return degrees;
}

double degreesToRadians(QStringView typed, Steps &s)
{
    s.line(Radians, " = \\frac{", Degrees, " × ", PiSymbol, "}{180}");
    const double x = readOperand(typed, Reading::Direct, Degrees, s);
    s.line("= \\frac{", written(x), " × ", num(Pi), "}{180}");
    const double product = times(x, Pi);
    s.line("= \\frac{", num(product), "}{180}");
    const double radians = divide(product, HalfTurn);
    s.result(radians);
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

// "جا 30°", "جا (-30°)".
QString call(const char *name, const QString &argument)
{
    const bool negative = argument.startsWith(u'-') || argument.startsWith(MinusSign);
    return QString::fromUtf8(name) + u' ' + (negative ? u'(' + argument + u')' : argument);
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
    const double written = strictNumber(typed);
    s.line("[blue:الزاوية] = ", num(written));
    if (written != static_cast<double>(angle))
        s.line("تحفظ بدقة مفردة (نحو سبعة أرقام): [blue:الزاوية] = ", num(angle));
    return angle;
}

// The function's value at x, with its steps. `at` names the angle as the
// pupil knows it ("30°", or "30" read as radians); `computed` is the number the
// function is computed of when it differs from `at`.
double value(const Rule &f, double x, const QString &at, const QString &computed, Steps &s)
{
    const QString self = call(f.name, at);
    if (!f.inverts) {
        if (computed.isEmpty()) {
            const double v = f.base(x);
            s.result(self, v);
            return v;
        }
        s.line(self, " = ", call(f.name, computed));
        const double v = f.base(x);
        s.result(v);
        return v;
    }
    const QString inverse = call(f.inverts, at);
    s.line(self, " = \\frac{1}{", inverse, "}");
    if (!computed.isEmpty())
        s.line(inverse, " = ", call(f.inverts, computed));
    const double b = f.base(x);
    s.line(computed.isEmpty() ? inverse + " = " : QStringLiteral("= "), num(b));
    s.line(self, " = \\frac{1}{", num(b), "}");
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
    s.line("[green:الزاوية بالراديان] = [blue:الزاوية] × \\frac{", PiSymbol, "}{180}");
    const float a = readAngle(typed, s);
    const QString angle = num(a);
    s.line("= ", angle, " × \\frac{", num(3.14159265358979), "}{180}");
    s.line("= ", angle, " × ", num(DegreeFactor));
    const double d = times(DegreeFactor, a);
    s.line("= ", num(d));

    Trigonometric values;
    const QString inDegrees = angle + u'°';
    if (undefinedInDegrees(f.poles, a))
        pole(f, inDegrees, "الدرجات", s);
    else
        values.degrees = value(f, d, inDegrees, num(d), s);

    s.line("[darkred:بالراديان:] يؤخذ العدد ", angle, " نفسه زاوية بالراديان");
    if (undefinedInRadians(f.poles, a))
        pole(f, angle, "الراديان", s);
    else
        values.radians = value(f, a, angle, QString(), s);
    return values;
}

} // namespace conversions
