#include "numtext/decimal.h"

#include <algorithm>
#include <vector>

namespace numtext {

std::optional<std::uint64_t> ExactDecimal::wholeMagnitude() const
{
    if (!isWhole() || exponent > 19)
        return std::nullopt;
    std::uint64_t n = 0;
    for (std::int64_t i = 0; i < exponent; ++i) {
        const int d = i < static_cast<std::int64_t>(digits.size()) ? digits[std::size_t(i)] - '0' : 0;
        // At most nineteen digits: every step stays below 10^19 < 2^64.
        n = n * 10 + static_cast<std::uint64_t>(d);
    }
    return n;
}

namespace {
// The magnitudes compared: the longer number (the higher exponent) is the
// larger, else the digits decide, a missing digit counting as 0.
int compareMagnitudes(const ExactDecimal &a, const ExactDecimal &b)
{
    if (a.isZero() || b.isZero())
        return int(!a.isZero()) - int(!b.isZero());
    if (a.exponent != b.exponent)
        return a.exponent < b.exponent ? -1 : 1;
    const int byDigits = a.digits.compare(b.digits);
    return (byDigits > 0) - (byDigits < 0);
}
} // namespace

int compare(const ExactDecimal &a, const ExactDecimal &b)
{
    const bool aNegative = a.negative && !a.isZero();
    const bool bNegative = b.negative && !b.isZero();
    if (aNegative != bNegative)
        return aNegative ? -1 : 1;
    const int magnitudes = compareMagnitudes(a, b);
    return aNegative ? -magnitudes : magnitudes;
}

std::optional<ExactDecimal> sumOf(const ExactDecimal &a, const ExactDecimal &b)
{
    if (a.isZero())
        return b;
    if (b.isZero())
        return a;
    // The places of the digits: from 10^(high - 1) down to 10^low.
    const auto lowest = [](const ExactDecimal &x) { return x.exponent - static_cast<std::int64_t>(x.digits.size()); };
    const std::int64_t high = std::max(a.exponent, b.exponent);
    const std::int64_t low = std::min(lowest(a), lowest(b));
    if (high - low > MaxSumDigits)
        return std::nullopt;
    std::vector<int> places(std::size_t(high - low), 0);
    for (const ExactDecimal *x : {&a, &b}) {
        for (std::size_t i = 0; i < x->digits.size(); ++i)
            places[std::size_t(high - x->exponent) + i] += x->digits[i] - '0';
    }
    int carry = 0;
    for (std::size_t i = places.size(); i-- > 0;) {
        const int sum = places[i] + carry;
        places[i] = sum % 10;
        carry = sum / 10;
    }
    ExactDecimal result;
    result.exponent = high + carry;
    if (carry)
        result.digits.push_back(static_cast<char>('0' + carry));
    for (int d : places)
        result.digits.push_back(static_cast<char>('0' + d));
    while (!result.digits.empty() && result.digits.back() == '0')
        result.digits.pop_back();
    return result;
}

} // namespace numtext
