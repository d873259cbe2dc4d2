#include "conversions/trigformulas.h"

#include "conversions/trigangleformulas.h"

#include "numtext/notation.h"
#include "numtext/numtext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace numtext;
using namespace conversions::exact;

namespace conversions {

const QString RadiansHeading = QStringLiteral("[darkred bold:إذا قرئ العدد زاوية بالراديان]");

namespace {
// Why the box of the radians gives other digits than the lines.
const QString LastDigitsDiffer = QStringLiteral(": تحسب بعدد محدود من الأرقام فيظهر فرق صغير في آخرها");
const QString NoDigitHolds = QStringLiteral(
    ": تحسب بعدد محدود من الأرقام، والعدد كبير فلا يصح رقم من أرقام هذا الناتج");

// ---------------------------------------------------------------------------
// The six functions

enum class Poles {
    None,
    OddRightAngles, // the tangent and the secant: 90°, 270°, −90° …
    StraightAngles, // the cotangent and the cosecant: 0°, 180°, −180° …
};

struct Rule {
    const char *name;    // جا
    Function complement; // the function of the complement: جا and جتا, ظا and ظتا, قا and قتا
    bool odd;            // f(−x) = −f(x)
    Function inverts;    // the function whose reciprocal it is, or itself
    Poles poles;
    const char *zeroAtPole; // the function that is 0 at its poles
};

const Rule &rule(Function function)
{
    static const Rule rules[] = {
        {"جا", Function::Cosine, true, Function::Sine, Poles::None, nullptr},
        {"جتا", Function::Sine, false, Function::Cosine, Poles::None, nullptr},
        {"ظا", Function::Cotangent, true, Function::Tangent, Poles::OddRightAngles, "جتا"},
        {"ظتا", Function::Tangent, true, Function::Tangent, Poles::StraightAngles, "ظا"},
        {"قا", Function::Cosecant, false, Function::Cosine, Poles::OddRightAngles, "جتا"},
        {"قتا", Function::Secant, true, Function::Sine, Poles::StraightAngles, "جا"},
    };
    return rules[static_cast<int>(function)];
}

QString name(Function function) { return QString::fromUtf8(rule(function).name); }

// 1 ÷ b. A b of 0 here is the function of an angle too small for the
// doubles, whose reciprocal is beyond them.
double reciprocal(double b)
{
    if (b == 0)
        throw ComputationFailure(Failure::Overflow);
    return divide(1, b);
}

// The function of an angle in radians.
double valueAt(Function function, double x)
{
    switch (function) {
    case Function::Sine:
        return sine(x);
    case Function::Cosine:
        return cosine(x);
    case Function::Tangent:
        return tangent(x);
    case Function::Cotangent:
        return reciprocal(tangent(x));
    case Function::Secant:
        return reciprocal(cosine(x));
    case Function::Cosecant:
        return reciprocal(sine(x));
    }
    return 0;
}

// The sign of a function in a quarter of the turn (0 to 3), off its axes.
int signIn(Function function, int quarter)
{
    const bool sinePositive = quarter <= 1;
    const bool cosinePositive = quarter == 0 || quarter == 3;
    switch (function) {
    case Function::Sine:
    case Function::Cosecant:
        return sinePositive ? 1 : -1;
    case Function::Cosine:
    case Function::Secant:
        return cosinePositive ? 1 : -1;
    case Function::Tangent:
    case Function::Cotangent:
        return sinePositive == cosinePositive ? 1 : -1;
    }
    return 1;
}

// ---------------------------------------------------------------------------
// Exact values

// An exact value as the steps write it, and the double nearest to it.
struct Exact {
    const char *markup;
    double value;
};

// The six functions at 0°, 30°, 45°, 60° and 90°; none at a pole.
const Exact *exactInFirstQuarter(Function function, int degrees)
{
    static const Exact Zero{"0", 0}, One{"1", 1}, Two{"2", 2}, Half{"\\frac{1}{2}", 0.5};
    static const Exact HalfRoot2{"\\frac{\\sqrt{2}}{2}", 0.70710678118654752440084436210484903928};
    static const Exact HalfRoot3{"\\frac{\\sqrt{3}}{2}", 0.86602540378443864676372317075293618347};
    static const Exact Root3{"\\sqrt{3}", 1.73205080756887729352744634150587236694};
    static const Exact ThirdRoot3{"\\frac{\\sqrt{3}}{3}", 0.57735026918962576450914878050195745565};
    static const Exact Root2{"\\sqrt{2}", 1.41421356237309504880168872420969807857};
    static const Exact TwoThirdsRoot3{"\\frac{2\\sqrt{3}}{3}", 1.15470053837925152901829756100391491130};
    static const Exact *const table[6][5] = {
        {&Zero, &Half, &HalfRoot2, &HalfRoot3, &One},   // جا
        {&One, &HalfRoot3, &HalfRoot2, &Half, &Zero},   // جتا
        {&Zero, &ThirdRoot3, &One, &Root3, nullptr},    // ظا
        {nullptr, &Root3, &One, &ThirdRoot3, &Zero},    // ظتا
        {&One, &TwoThirdsRoot3, &Root2, &Two, nullptr}, // قا
        {nullptr, &Two, &Root2, &TwoThirdsRoot3, &One}, // قتا
    };
    const int column = degrees == 0 ? 0 : degrees == 30 ? 1 : degrees == 45 ? 2 : degrees == 60 ? 3 : 4;
    return table[static_cast<int>(function)][column];
}

// ---------------------------------------------------------------------------
// The lines

// "جا 30°", "جا (−30°)", "جا (90° − 0.01°)".
QString call(const QString &function, const QString &argument)
{
    const bool bracketed = argument.startsWith(MinusSign) || argument.contains(u'×') || argument.contains(u'+')
                           || argument.count(u'°') > 1;
    return function + u' ' + (bracketed ? u'(' + argument + u')' : argument);
}
QString call(Function function, const QString &argument) { return call(name(function), argument); }

QString withSign(int sign, const QString &text) { return sign < 0 ? QString(MinusSign) + text : text; }

// The text typed without its sign, and with it, as the lines write them.
QString typedText(QStringView typed, double value) { return writtenTyped({typed.toString(), value}); }
QString unsignedText(QStringView typed, double value)
{
    QStringView text = typed.trimmed();
    if (text.startsWith(u'-') || text.startsWith(u'+'))
        text = text.mid(1);
    return writtenTyped({text.toString(), std::fabs(value)});
}

// A chain of equal expressions: its first line names what it starts from,
// the next ones go on with "= …"; a sentence between them starts it afresh.
class Chain {
public:
    Chain(QString start, Steps &s) : start_(std::move(start)), s_(s) {}
    void equals(const QString &next)
    {
        if (open_)
            s_.line("= ", next);
        else
            s_.line(start_, " = ", next);
        open_ = true;
    }
    void words(const QString &text)
    {
        s_.line(text);
        open_ = false;
    }

private:
    QString start_;
    Steps &s_;
    bool open_ = false;
};

// What the function of the angle is worked from as the steps go on: a sign,
// a function and its argument in degrees.
struct Term {
    int sign = 1;
    Function function;
    QString degrees; // "30", "750.5"

    QString of(const QString &argument) const { return withSign(sign, call(function, argument)); }
    QString text() const { return of(degrees + u'°'); }
};

// The sign of a negative angle and the whole turns taken off: the function of
// the number typed is then ± the function of what is left of its size, from
// 0° up to 360°.
Term withoutTurns(Function function, const Decimal &x, const QString &size, Chain &chain)
{
    Term t{1, function, size};
    if (x.negative && !x.zero) {
        t.sign = rule(function).odd ? -1 : 1;
        chain.equals(t.text());
    }
    if (x.zero || belowOne(x))
        return t;
    const Turns whole = turns(x.whole);
    if (whole.count.empty())
        return t;
    const QString left = QString::fromStdString(decimalText(std::to_string(whole.left), x.fraction));
    if (whole.count.size() <= 15) {
        const QString count = whole.count == "1" ? QString() : QString::fromStdString(whole.count) + " × ";
        chain.equals(t.of(size + "° − " + count + "360°"));
    } else {
        chain.words(QStringLiteral("نطرح من الزاوية الدورات الكاملة (كل دورة 360°) فيبقى ") + left + u'°');
    }
    t.degrees = left;
    chain.equals(t.text());
    return t;
}

// Where the function is undefined, and what its box then says.
void pole(Function function, const QString &at, const char *box, Steps &s)
{
    s.line("[darkred:", call(function, at), " غير معرف لأن ", call(QString::fromUtf8(rule(function).zeroAtPole), at),
           " = 0]");
    s.line("فتكتب خانة ", box, ": خطأ");
}

bool isPole(Function function, int degrees)
{
    switch (rule(function).poles) {
    case Poles::None:
        return false;
    case Poles::OddRightAngles:
        return degrees % 180 == 90;
    case Poles::StraightAngles:
        return degrees % 180 == 0;
    }
    return false;
}

// The value of the function at a whole multiple of 30° or 45°, `left` of it
// after the whole turns (0 to 359): the related angle of the first quarter,
// then its exact value.
double special(Function function, const Decimal &x, const QString &size, int left, Chain &chain, const QString &self,
               Steps &s)
{
    Term t = withoutTurns(function, x, size, chain);
    QString exact;
    double value = 0;
    if (left % 90 == 0) {
        // On an axis: the sine and the cosine are 0, 1 or −1.
        static const int sines[] = {0, 1, 0, -1}, cosines[] = {1, 0, -1, 0};
        const int sn = sines[left / 90], cs = cosines[left / 90];
        const int values[] = {sn, cs, sn * cs, sn * cs, cs, sn}; // a pole is no value here
        value = t.sign * values[static_cast<int>(function)];
        exact = written(value);
    } else {
        const int quarter = left / 90;
        static const int base[] = {0, 180, 180, 360};
        const int related = quarter == 0 ? left : quarter == 2 ? left - 180 : base[quarter] - left;
        if (quarter > 0) {
            chain.equals(t.of(QString::number(base[quarter]) + (quarter == 2 ? "° + " : "° − ")
                              + QString::number(related) + u'°'));
            t.sign *= signIn(function, quarter);
            t.degrees = QString::number(related);
            chain.equals(t.text());
        }
        const Exact *e = exactInFirstQuarter(function, related);
        value = t.sign * e->value;
        exact = withSign(t.sign, QString::fromUtf8(e->markup));
    }
    const QString shown = written(value);
    const QString worth = exact == shown ? shown : exact + u' ' + relation(value) + u' ' + shown;
    s.keep(num(value)).line("[blue bold:", self, " = ", worth, "]");
    return value;
}

// The value of the function at any other angle: what is left after the
// whole turns is written 90° × q ± θ with θ below 45°, the function of it is
// ± the function of θ or of its complement (q odd), and that is worked from
// θ in radians, θ × π ÷ 180.
double general(Function function, const Decimal &x, double value, const QString &size, Chain &chain,
               const QString &self, Steps &s)
{
    Term t = withoutTurns(function, x, size, chain);
    double theta = std::fabs(value);
    if (!belowOne(x)) {
        const int left = turns(x.whole).left;
        const int q = (left + 45) / 90; // the fraction cannot pass a half of 90°: 45° is special
        const int rest = left - 90 * q;
        std::string whole = std::to_string(rest < 0 ? -rest : rest);
        std::string fraction = x.fraction;
        if (rest < 0 && !fraction.empty()) {
            whole = std::to_string(-rest - 1);
            fraction = complement(fraction);
        }
        const std::string digits = decimalText(whole, fraction);
        theta = nearest(digits);
        if (q > 0) {
            const QString angle = QString::fromStdString(digits);
            chain.equals(t.of(QString::number(90 * q) + (rest >= 0 ? "° + " : "° − ") + angle + u'°'));
            t.sign *= signIn(function, rest >= 0 ? q % 4 : q - 1);
            if (q % 2 != 0)
                t.function = rule(function).complement;
            t.degrees = angle;
            chain.equals(t.text());
        }
    }
    const double v = t.sign * valueAt(t.function, times(theta, DegreeFactor));
    s.keep(num(v)).line("[blue bold:", self, " ≈ ", written(v), "]");
    return v;
}

std::optional<double> inDegrees(Function function, QStringView typed, double value, Steps &s)
{
    const Decimal x = exact::decimal(typed);
    const QString at = typedText(typed, value) + u'°';
    const QString self = call(function, at);
    s.line("[blue:الزاوية] = ", at);
    const bool whole = x.zero || (!x.whole.empty() && x.fraction.empty());
    const int left = x.zero || x.whole.empty() ? 0 : turns(x.whole).left;
    Chain chain(self, s);
    const QString size = unsignedText(typed, value);
    if (whole && (left % 30 == 0 || left % 45 == 0)) {
        if (isPole(function, left)) {
            pole(function, at, "الدرجات", s);
            return std::nullopt;
        }
        return special(function, x, size, left, chain, self, s);
    }
    return general(function, x, value, size, chain, self, s);
}

// The function of a number of radians to the digits of a long double, and
// how fast it changes there.
long double closely(Function function, long double x)
{
    switch (function) {
    case Function::Sine:
        return std::sin(x);
    case Function::Cosine:
        return std::cos(x);
    case Function::Tangent:
        return std::tan(x);
    case Function::Cotangent:
        return 1 / std::tan(x);
    case Function::Secant:
        return 1 / std::cos(x);
    case Function::Cosecant:
        return 1 / std::sin(x);
    }
    return 0;
}

long double slope(Function function, long double x)
{
    const long double v = closely(function, x);
    switch (function) {
    case Function::Sine:
        return std::cos(x);
    case Function::Cosine:
        return -std::sin(x);
    case Function::Tangent:
        return 1 + v * v;
    case Function::Cotangent:
        return -(1 + v * v);
    case Function::Secant:
        return v * std::tan(x);
    case Function::Cosecant:
        return -v / std::tan(x);
    }
    return 0;
}

std::string rounded(long double v, int digits)
{
    std::array<char, 48> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), v, std::chars_format::scientific,
                                   digits - 1);
    return std::string(text.data(), end.ptr);
}

// The function of the number typed, as the lines write it, x the double
// read from it and `off` what the number typed differs from it by: where
// that is small, the function of x (to the digits of a long double) moved by
// the difference at its slope, to fifteen digits; farther, only the first
// digits, those on which the function of the doubles on either side of x
// agrees (none when the number is so large that no digit holds).
QString ofTyped(Function function, double x, long double off)
{
    if (std::fabs(off) <= 1e-9L) {
        const long double at = x;
        return written(nearest(rounded(closely(function, at) + slope(function, at) * off, 15)));
    }
    const double value = valueAt(function, x);
    const double below = valueAt(function, std::nextafter(x, -HUGE_VAL));
    const double above = valueAt(function, std::nextafter(x, HUGE_VAL));
    for (int digits = 15; digits > 0; --digits) {
        const std::string text = rounded(value, digits);
        if (rounded(below, digits) == text && rounded(above, digits) == text)
            return written(nearest(text));
    }
    return QString();
}

std::optional<double> inRadians(Function function, QStringView typed, double value, Steps &s)
{
    s.line(RadiansHeading);
    const QString at = typedText(typed, value);
    if (rule(function).poles == Poles::StraightAngles && value == 0) {
        pole(function, at, "الراديان", s);
        return std::nullopt;
    }
    const long double off = offByReading(typed, value);
    const auto shownOf = [&](Function f) { return ofTyped(f, value, off); };
    const Function base = rule(function).inverts;
    if (base != function) {
        s.line(call(function, at), " = \\frac{1}{", call(base, at), "}");
        if (const QString b = shownOf(base); !b.isEmpty())
            s.line(call(base, at), value == 0 ? " = " : " ≈ ", b);
    }
    // Of any angle but 0 the functions are numbers without end.
    const double v = valueAt(function, value);
    const QString shown = shownOf(function);
    s.keep(num(v));
    if (!shown.isEmpty())
        s.line(call(function, at), value == 0 ? " = " : " ≈ ", shown);
    if (shown != written(v))
        s.line("والحاسبة تكتب ", written(v), shown.isEmpty() ? NoDigitHolds : LastDigitsDiffer);
    return v;
}

} // namespace

Trigonometric trigonometric(Function function, QStringView typed, Steps &s)
{
    double value = 0;
    try {
        value = strictNumber(typed);
    } catch (const ComputationFailure &) {
        s.line("تقرأ [blue:الزاوية] من المكتوب");
        throw;
    }
    // The figure draws the angle after its whole turns, which it takes off
    // the double; from 2^53 on that is no longer the whole number typed, and
    // the figure gets what is left of it, worked exactly.
    double drawn = value;
    if (std::fabs(value) >= 9007199254740992.0) {
        const Decimal x = exact::decimal(typed);
        drawn = (x.negative ? -1 : 1) * nearest(decimalText(std::to_string(turns(x.whole).left), x.fraction));
    }
    s.figure({QStringLiteral("angle"), {{QStringLiteral("degrees"), drawn}}});
    Trigonometric values;
    values.degrees = inDegrees(function, typed, value, s);
    values.radians = inRadians(function, typed, value, s);
    return values;
}

} // namespace conversions
