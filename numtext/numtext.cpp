#include "numtext/numtext.h"

#include "numtext/decimal.h"

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace numtext {

const char *ComputationFailure::what() const noexcept
{
    switch (kind_) {
    case Failure::NotANumber:
        return "text is not a number";
    case Failure::DivisionByZero:
        return "division by zero";
    case Failure::Overflow:
        return "overflow";
    case Failure::InvalidOperation:
        return "invalid operation";
    case Failure::OutOfRange:
        return "value out of range";
    }
    return "computation failure";
}

namespace {

[[noreturn]] void fail(Failure kind) { throw ComputationFailure(kind); }

// The value of a decimal digit: ASCII, Arabic-Indic or Eastern Arabic-Indic.
int digitValue(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= 0x0660 && c <= 0x0669)
        return c - 0x0660;
    if (c >= 0x06F0 && c <= 0x06F9)
        return c - 0x06F0;
    return -1;
}

// The full stop or the Arabic decimal separator.
bool isPoint(char16_t c) { return c == u'.' || c == 0x066B; }

bool isSign(char16_t c) { return c == u'+' || c == u'-'; }

bool isExponentMark(char16_t c) { return c == u'E' || c == u'e'; }

// The characters that the leading-number parse passes over wherever they are.
bool isSkipped(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// Collects the digits of a decimal number as they are read and turns them into
// the nearest double. Only the first significant digits are kept (enough to
// decide every rounding of a double); any further non-zero digit is remembered
// as one sticky digit, so a long mantissa still rounds correctly and costs
// linear time. The exponent saturates instead of overflowing.
class DecimalNumber {
public:
    void mantissaDigit(int d)
    {
        hasDigit_ = true;
        if (digits_.empty() && d == 0) {
            // A leading zero: only moves the point when it is a fraction digit.
            if (afterPoint_)
                --pointExponent_;
            return;
        }
        if (!afterPoint_)
            ++pointExponent_;
        if (digits_.size() < KeptDigits)
            digits_.push_back(static_cast<char>('0' + d));
        else if (d != 0)
            sticky_ = true;
    }

    void point() { afterPoint_ = true; }

    void exponentDigit(int d)
    {
        if (exponent_ < ExponentCap)
            exponent_ = exponent_ * 10 + d;
    }

    void negativeExponent() { exponentNegative_ = true; }

    bool hasDigit() const { return hasDigit_; }

    double value(bool negative) const
    {
        if (digits_.empty()) // no digit, or only zeros
            return negative && hasDigit_ ? -0.0 : 0.0;

        // The value is 0.<digits> times ten to the power e10.
        const std::int64_t e10 = pointExponent_ + (exponentNegative_ ? -exponent_ : exponent_);
        if (e10 > 310)
            fail(Failure::Overflow);
        if (e10 < -330)
            return negative ? -0.0 : 0.0;

        std::string text = digits_;
        if (sticky_)
            text.push_back('1');
        text.push_back('e');
        text += std::to_string(e10 - static_cast<std::int64_t>(text.size() - 1));

        double result = 0.0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), result);
        (void)end;
        if (ec == std::errc::result_out_of_range) {
            // Beyond the largest double when the number is at least 1,
            // below the smallest denormal otherwise.
            if (e10 > 0)
                fail(Failure::Overflow);
            result = 0.0;
        } else if (ec != std::errc()) {
            fail(Failure::NotANumber);
        }
        return negative ? -result : result;
    }

private:
    // The halfway points between doubles have at most 767 significant digits.
    static constexpr std::size_t KeptDigits = 800;
    static constexpr std::int64_t ExponentCap = 1'000'000'000'000'000;

    std::string digits_;
    bool sticky_ = false;
    bool hasDigit_ = false;
    bool afterPoint_ = false;
    std::int64_t pointExponent_ = 0;
    std::int64_t exponent_ = 0;
    bool exponentNegative_ = false;
};

// Writes a finite value rounded to `significant` digits, in plain form for
// decimal exponents from -4 to maxPlainExponent and in exponent form otherwise.
template <typename Float> QString formatNumber(Float value, int significant, int maxPlainExponent)
{
    if (value == 0)
        return QStringLiteral("0");
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");

    // "-d.ddddde+XX": the digits are already rounded to nearest, ties to even.
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, significant - 1);
    const char *p = buffer.data();
    const char *const end = written.ptr;

    const bool negative = *p == '-';
    if (negative)
        ++p;
    std::string digits;
    while (p != end && *p != 'e') {
        if (*p != '.')
            digits.push_back(*p);
        ++p;
    }
    int exponent = 0;
    if (p != end)
        std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), end, exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out;
    if (negative)
        out.push_back('-');
    if (exponent >= -4 && exponent <= maxPlainExponent) {
        if (exponent >= 0) {
            const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= integerDigits) {
                out += digits;
                out.append(integerDigits - digits.size(), '0');
            } else {
                out.append(digits, 0, integerDigits);
                out.push_back('.');
                out.append(digits, integerDigits, std::string::npos);
            }
        } else {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        }
    } else {
        out.push_back(digits[0]);
        if (digits.size() > 1) {
            out.push_back('.');
            out.append(digits, 1, std::string::npos);
        }
        out.push_back('E');
        out.push_back(exponent < 0 ? '-' : '+');
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            out.push_back('0');
        out += std::to_string(magnitude);
    }
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

// Nearest integer with halves going to the even neighbour, independent of the
// floating-point rounding mode. The value must be finite. Working on the
// magnitude keeps the fraction exact.
double roundHalfEven(double value)
{
    const double magnitude = std::fabs(value);
    const double lower = std::floor(magnitude);
    const double fraction = magnitude - lower;
    double rounded = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0))
        rounded = lower + 1.0;
    return std::copysign(rounded, value);
}

// A finite operand is required: NaN is an invalid operation, infinity an
// overflow that has already happened.
void requireFinite(double value)
{
    if (std::isnan(value))
        fail(Failure::InvalidOperation);
    if (std::isinf(value))
        fail(Failure::Overflow);
}

} // namespace

namespace {
// The leading-number parse itself: feeds the sign, the digits, the point and
// the exponent of the longest numeric prefix of the text to a number that
// collects them (DecimalNumber for the double, ExactDigits for the digits
// themselves). Gives whether the number is negative.
template <class Number> bool scanLeading(QStringView text, Number &number)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    auto at = [&](qsizetype k) { return text[k].unicode(); };
    auto skip = [&](qsizetype &k) {
        while (k < n && isSkipped(at(k)))
            ++k;
    };

    skip(i);
    bool negative = false;
    if (i < n && isSign(at(i))) {
        negative = at(i) == u'-';
        ++i;
    }

    bool seenPoint = false;
    for (;;) {
        skip(i);
        if (i >= n)
            break;
        const char16_t c = at(i);
        if (const int d = digitValue(c); d >= 0) {
            number.mantissaDigit(d);
        } else if (isPoint(c) && !seenPoint) {
            seenPoint = true;
            number.point();
        } else {
            break;
        }
        ++i;
    }

    // An exponent counts only when at least one digit follows the letter and
    // its optional sign; otherwise the number ends before the letter.
    if (i < n && isExponentMark(at(i))) {
        qsizetype k = i + 1;
        skip(k);
        bool exponentNegative = false;
        if (k < n && isSign(at(k))) {
            exponentNegative = at(k) == u'-';
            ++k;
            skip(k);
        }
        if (k < n && digitValue(at(k)) >= 0) {
            if (exponentNegative)
                number.negativeExponent();
            for (;;) {
                skip(k);
                if (k >= n)
                    break;
                const int d = digitValue(at(k));
                if (d < 0)
                    break;
                number.exponentDigit(d);
                ++k;
            }
        }
    }
    return negative;
}

// Collects every significant digit of a decimal number, for its exact value.
// The exponent saturates as DecimalNumber's does.
class ExactDigits {
public:
    void mantissaDigit(int d)
    {
        if (digits_.empty() && d == 0) {
            if (afterPoint_)
                --pointExponent_;
            return;
        }
        if (!afterPoint_)
            ++pointExponent_;
        digits_.push_back(static_cast<char>('0' + d));
    }
    void point() { afterPoint_ = true; }
    void exponentDigit(int d)
    {
        if (exponent_ < ExponentCap)
            exponent_ = exponent_ * 10 + d;
    }
    void negativeExponent() { exponentNegative_ = true; }

    ExactDecimal value(bool negative) const
    {
        ExactDecimal result;
        result.digits = digits_;
        while (!result.digits.empty() && result.digits.back() == '0')
            result.digits.pop_back();
        if (result.digits.empty())
            return result;
        result.negative = negative;
        result.exponent = pointExponent_ + (exponentNegative_ ? -exponent_ : exponent_);
        return result;
    }

private:
    static constexpr std::int64_t ExponentCap = 1'000'000'000'000'000;
    std::string digits_;
    bool afterPoint_ = false;
    std::int64_t pointExponent_ = 0;
    std::int64_t exponent_ = 0;
    bool exponentNegative_ = false;
};
} // namespace

double leadingNumber(QStringView text)
{
    DecimalNumber number;
    const bool negative = scanLeading(text, number);
    if (!number.hasDigit())
        return 0.0;
    return number.value(negative);
}

ExactDecimal leadingDecimal(QStringView text)
{
    ExactDigits number;
    const bool negative = scanLeading(text, number);
    return number.value(negative);
}

namespace {
// Reads a whole text, spaces at both ends aside, as a number; nullopt when the
// text is not one.
struct StrictNumber {
    DecimalNumber number;
    bool negative = false;
};

std::optional<StrictNumber> scanStrict(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() == u' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() == u' ')
        --end;

    qsizetype i = begin;
    auto at = [&](qsizetype k) { return text[k].unicode(); };

    StrictNumber result;
    if (i < end && isSign(at(i))) {
        result.negative = at(i) == u'-';
        ++i;
    }

    DecimalNumber &number = result.number;
    bool seenPoint = false;
    for (; i < end; ++i) {
        const char16_t c = at(i);
        if (const int d = digitValue(c); d >= 0)
            number.mantissaDigit(d);
        else if (isPoint(c) && !seenPoint) {
            seenPoint = true;
            number.point();
        } else
            break;
    }
    if (!number.hasDigit())
        return std::nullopt;

    if (i < end && isExponentMark(at(i))) {
        ++i;
        if (i < end && isSign(at(i))) {
            if (at(i) == u'-')
                number.negativeExponent();
            ++i;
        }
        if (i >= end || digitValue(at(i)) < 0)
            return std::nullopt;
        for (; i < end; ++i) {
            const int d = digitValue(at(i));
            if (d < 0)
                break;
            number.exponentDigit(d);
        }
    }
    if (i != end)
        return std::nullopt;
    return result;
}
} // namespace

double strictNumber(QStringView text)
{
    const auto scanned = scanStrict(text);
    if (!scanned)
        fail(Failure::NotANumber);
    return scanned->number.value(scanned->negative);
}

bool isStrictNumber(QStringView text) { return scanStrict(text).has_value(); }

float strictSingle(QStringView text)
{
    const double value = strictNumber(text);
    if (std::fabs(value) > static_cast<double>(FLT_MAX))
        fail(Failure::OutOfRange);
    return static_cast<float>(value);
}

QString format(double value) { return formatNumber(value, 15, 14); }

QString formatSingle(float value) { return formatNumber(value, 7, 6); }

QString signedText(std::int32_t value)
{
    const QString digits = QString::number(value);
    return value < 0 ? digits : QLatin1Char(' ') + digits;
}

std::int32_t roundInteger(double value)
{
    if (std::isnan(value))
        fail(Failure::InvalidOperation);
    if (!(value > -2147483649.0 && value < 2147483648.0))
        fail(Failure::OutOfRange);
    const double rounded = roundHalfEven(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0)
        fail(Failure::OutOfRange);
    return static_cast<std::int32_t>(rounded);
}

std::int32_t roundInteger(QStringView text) { return roundInteger(strictNumber(text)); }

std::int16_t roundInteger16(double value)
{
    const std::int32_t rounded = roundInteger(value);
    if (rounded < -32768 || rounded > 32767)
        fail(Failure::OutOfRange);
    return static_cast<std::int16_t>(rounded);
}

double truncate(double value) { return std::trunc(value); }

double roundDecimal(double value, int places)
{
    requireFinite(value);
    if (places < 0)
        fail(Failure::InvalidOperation);
    const double scale = std::pow(10.0, places);
    const double scaled = value * scale;
    // From 2^52 on every double is an integer: the value has no digits to drop
    // at this scale (this also covers a scale or product beyond the range).
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 4503599627370496.0)
        return value;
    return roundHalfEven(scaled) / scale;
}

double roundDecimal(QStringView text, int places) { return roundDecimal(strictNumber(text), places); }

double checked(double value)
{
    requireFinite(value);
    return value;
}

double plus(double a, double b)
{
    requireFinite(a);
    requireFinite(b);
    return checked(a + b);
}

double minus(double a, double b)
{
    requireFinite(a);
    requireFinite(b);
    return checked(a - b);
}

double times(double a, double b)
{
    requireFinite(a);
    requireFinite(b);
    return checked(a * b);
}

double divide(double a, double b)
{
    requireFinite(a);
    requireFinite(b);
    if (b == 0.0)
        fail(a == 0.0 ? Failure::InvalidOperation : Failure::DivisionByZero);
    return checked(a / b);
}

double squareRoot(double x)
{
    requireFinite(x);
    if (x < 0.0)
        fail(Failure::InvalidOperation);
    return checked(std::sqrt(x));
}

double naturalLog(double x)
{
    requireFinite(x);
    if (x <= 0.0)
        fail(Failure::InvalidOperation);
    return checked(std::log(x));
}

double sine(double x)
{
    requireFinite(x);
    return checked(std::sin(x));
}

double cosine(double x)
{
    requireFinite(x);
    return checked(std::cos(x));
}

double tangent(double x)
{
    requireFinite(x);
    return checked(std::tan(x));
}

double arcTangent(double x)
{
    requireFinite(x);
    return checked(std::atan(x));
}

} // namespace numtext
