#include "conversions/trigformulas.h"

#include "numtext/notation.h"
#include "numtext/numtext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

using namespace numtext;

namespace conversions {

const QString RadiansHeading = QStringLiteral("[darkred bold:إذا قرئ العدد زاوية بالراديان]");

namespace {
// Why the box of the radians gives other digits than the lines.
const QString LastDigitsDiffer = QStringLiteral(": تحسب بعدد محدود من الأرقام فيظهر فرق صغير في آخرها");
const QString NoDigitHolds =
    QStringLiteral(": تحسب بعدد محدود من الأرقام، والعدد كبير فلا يصح رقم من أرقام هذا الناتج");
} // namespace

namespace {

// ---------------------------------------------------------------------------
// The number typed as an exact decimal

// The number typed, exactly: its sign, and its whole part and fraction as
// decimal digits. Only a number of at least 1 is spelled out (at most 309
// whole digits, as it lies within the range of a double); one below 1 is
// taken as its double, which is the nearest to it, and needs no turn taken
// off.
struct Decimal {
    bool negative = false;
    bool zero = false;
    std::string whole;    // no leading zero; empty below 1
    std::string fraction; // no trailing zero; empty below 1
};

// The digits of a number typed, and where its whole part ends in them: the
// text has passed the strict number conversion (spaces at both ends, a sign,
// Western or Arabic-Indic digits with at most one point, the full stop or
// the Arabic decimal separator, an exponent).
struct Spelled {
    bool negative = false;
    std::string digits;
    std::int64_t end = 0; // may lie before or beyond the digits
};

Spelled scan(QStringView typed)
{
    const QStringView text = typed.trimmed();
    Spelled t;
    std::int64_t point = -1;
    std::int64_t exponent = 0;
    bool exponentNegative = false;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        t.negative = text[i++] == u'-';
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isDigit())
            t.digits.push_back(static_cast<char>('0' + c.digitValue()));
        else if (c == u'.' || c == QChar(0x066B))
            point = static_cast<std::int64_t>(t.digits.size());
        else
            break;
    }
    if (i < text.size()) { // the exponent mark
        ++i;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            exponentNegative = text[i++] == u'-';
        for (; i < text.size(); ++i)
            if (exponent < 1'000'000'000)
                exponent = exponent * 10 + text[i].digitValue();
    }
    t.end = (point < 0 ? static_cast<std::int64_t>(t.digits.size()) : point)
            + (exponentNegative ? -exponent : exponent);
    return t;
}

Decimal exactDecimal(QStringView typed)
{
    const Spelled t = scan(typed);
    Decimal x;
    x.negative = t.negative;
    const std::size_t first = t.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        x.zero = true;
        return x;
    }
    const auto lead = static_cast<std::int64_t>(first);
    if (t.end - lead <= 0)
        return x;
    if (t.end - lead > 400) // beyond the doubles: the strict conversion failed already
        throw ComputationFailure(Failure::Overflow);
    const auto size = static_cast<std::int64_t>(t.digits.size());
    for (std::int64_t k = lead; k < t.end; ++k)
        x.whole.push_back(k < size ? t.digits[static_cast<std::size_t>(k)] : '0');
    if (t.end < size)
        x.fraction = t.digits.substr(static_cast<std::size_t>(t.end));
    while (!x.fraction.empty() && x.fraction.back() == '0')
        x.fraction.pop_back();
    return x;
}

// A positive number as a whole number of digits times a power of ten.
struct Scaled {
    std::string digits; // no zero at either end; empty for 0
    std::int64_t last = 0;
};

Scaled scaled(const Spelled &t)
{
    const std::size_t first = t.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return {};
    const std::size_t end = t.digits.find_last_not_of('0') + 1;
    return {t.digits.substr(first, end - first), t.end - static_cast<std::int64_t>(end)};
}

// Every digit of a double: at most 767 significant ones.
Scaled scaled(double value)
{
    if (value == 0)
        return {};
    std::array<char, 800> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                   std::chars_format::scientific, 770);
    const std::string exact(text.data(), end.ptr);
    const std::size_t mark = exact.find('e');
    std::string digits = exact.substr(0, 1) + exact.substr(2, mark - 2);
    digits.erase(digits.find_last_not_of('0') + 1);
    const auto count = static_cast<std::int64_t>(digits.size());
    return {digits, std::stoll(exact.substr(mark + 1)) - (count - 1)};
}

// The number typed less the double read from it, worked exactly in decimal
// and then rounded to a long double: 0 where the double is that number.
long double offByReading(QStringView typed, double value)
{
    const Spelled t = scan(typed);
    Scaled a = scaled(t), b = scaled(value);
    if (b.digits.empty() || a.last < -2000)
        return std::strtold(("0." + t.digits + 'e' + std::to_string(t.end)).c_str(), nullptr) * (t.negative ? -1 : 1)
               - value;
    const std::int64_t low = std::min(a.last, b.last);
    a.digits.append(static_cast<std::size_t>(a.last - low), '0');
    b.digits.append(static_cast<std::size_t>(b.last - low), '0');
    const bool typedLarger = a.digits.size() != b.digits.size() ? a.digits.size() > b.digits.size() : a.digits > b.digits;
    std::string &big = typedLarger ? a.digits : b.digits;
    const std::string &small = typedLarger ? b.digits : a.digits;
    int borrow = 0;
    for (std::size_t k = 0; k < big.size(); ++k) {
        const std::size_t at = big.size() - 1 - k;
        int d = big[at] - '0' - borrow - (k < small.size() ? small[small.size() - 1 - k] - '0' : 0);
        borrow = d < 0 ? 1 : 0;
        big[at] = static_cast<char>('0' + d + 10 * borrow);
    }
    const long double off = std::strtold((big + 'e' + std::to_string(low)).c_str(), nullptr);
    return (typedLarger == !t.negative) ? off : -off;
}

bool belowOne(const Decimal &x) { return !x.zero && x.whole.empty(); }

// The whole turns in the whole part, and what is left of it, by long
// division.
struct Turns {
    std::string count; // no leading zero; empty for none
    int left = 0;      // 0 to 359
};

Turns turns(const std::string &whole)
{
    Turns t;
    for (const char digit : whole) {
        t.left = t.left * 10 + (digit - '0');
        if (!t.count.empty() || t.left >= 360)
            t.count.push_back(static_cast<char>('0' + t.left / 360));
        t.left %= 360;
    }
    return t;
}

// 1 − 0.f, as the digits after the point (f has no trailing zero).
std::string complement(const std::string &fraction)
{
    std::string rest(fraction.size(), '0');
    bool last = true;
    for (std::size_t k = fraction.size(); k-- > 0;) {
        rest[k] = static_cast<char>('0' + (last ? 10 : 9) - (fraction[k] - '0'));
        last = false;
    }
    return rest;
}

std::string decimalText(const std::string &whole, const std::string &fraction)
{
    return (whole.empty() ? std::string("0") : whole) + (fraction.empty() ? std::string() : '.' + fraction);
}

// The nearest double to a decimal written with digits and a point.
double nearest(const std::string &text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// ---------------------------------------------------------------------------
// The six functions

enum class Poles {
    None,
    OddRightAngles, // the tangent and the secant: 90°, 270°, −90° …
    StraightAngles, // the cotangent and the cosecant: 0°, 180°, −180° …
};

struct Rule {
    const char *name;       // جا
    Function complement;    // the function of the complement: جا and جتا, ظا and ظتا, قا and قتا
    bool odd;               // f(−x) = −f(x)
    const char *inverts;    // the function whose reciprocal it is, or nullptr
    Poles poles;
    const char *zeroAtPole; // the function that is 0 at its poles
};

const Rule &rule(Function function)
{
    static const Rule rules[] = {
        {"جا", Function::Cosine, true, nullptr, Poles::None, nullptr},
        {"جتا", Function::Sine, false, nullptr, Poles::None, nullptr},
        {"ظا", Function::Cotangent, true, nullptr, Poles::OddRightAngles, "جتا"},
        {"ظتا", Function::Tangent, true, "ظا", Poles::StraightAngles, "ظا"},
        {"قا", Function::Cosecant, false, "جتا", Poles::OddRightAngles, "جتا"},
        {"قتا", Function::Secant, true, "جا", Poles::StraightAngles, "جا"},
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
double special(Function function, const Decimal &x, const QString &size, int left, Chain &chain,
               const QString &self, Steps &s)
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
    const Decimal x = exactDecimal(typed);
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

// The function it inverts, for a reciprocal one.
Function inverted(Function function)
{
    switch (function) {
    case Function::Cotangent:
        return Function::Tangent;
    case Function::Secant:
        return Function::Cosine;
    case Function::Cosecant:
        return Function::Sine;
    default:
        return function;
    }
}

// How fast the function of a number of radians changes there.
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
    const auto end =
        std::to_chars(text.data(), text.data() + text.size(), v, std::chars_format::scientific, digits - 1);
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
    const Function base = inverted(function);
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
    s.figure({QStringLiteral("angle"), {{QStringLiteral("degrees"), value}}});
    Trigonometric values;
    values.degrees = inDegrees(function, typed, value, s);
    values.radians = inRadians(function, typed, value, s);
    return values;
}

} // namespace conversions
