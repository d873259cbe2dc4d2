#include "conversions/trigangleformulas.h"

#include "numtext/numtext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace conversions::exact {

namespace {

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

} // namespace

Decimal decimal(QStringView typed)
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
        throw numtext::ComputationFailure(numtext::Failure::Overflow);
    const auto size = static_cast<std::int64_t>(t.digits.size());
    for (std::int64_t k = lead; k < t.end; ++k)
        x.whole.push_back(k < size ? t.digits[static_cast<std::size_t>(k)] : '0');
    if (t.end < size)
        x.fraction = t.digits.substr(static_cast<std::size_t>(t.end));
    while (!x.fraction.empty() && x.fraction.back() == '0')
        x.fraction.pop_back();
    return x;
}

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
    const bool typedLarger = a.digits.size() != b.digits.size() ? a.digits.size() > b.digits.size()
                                                                : a.digits > b.digits;
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

// By long division.
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

double nearest(const std::string &text)
{
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}


} // namespace conversions::exact
