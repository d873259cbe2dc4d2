#pragma once
// A number exactly as the pupil typed it: its decimal digits, not the nearest
// double. For the few decisions that a double would get wrong: whether
// 9007199254740997 is prime (its double is 9007199254740996), whether the
// sides 0.1, 0.7 and 0.8 make a flat triangle (the double of 0.8 is larger
// than the sum of the other two).

#include <QStringView>

#include <cstdint>
#include <optional>
#include <string>

namespace numtext {

// ±0.d₁d₂…dₖ × 10^exponent: the significant digits, without leading or
// trailing zeros; no digit at all for zero (which is never negative).
struct ExactDecimal {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;

    bool isZero() const { return digits.empty(); }
    // No digit after the decimal point.
    bool isWhole() const { return exponent >= static_cast<std::int64_t>(digits.size()); }
    // The magnitude of a whole number below 10^19 (every such number fits 64
    // bits); nothing for a larger one or one with a fraction part.
    std::optional<std::uint64_t> wholeMagnitude() const;

    bool operator==(const ExactDecimal &) const = default;
};

// The leading number of a text (the leading-number parse of numtext.h: the
// same prefix, spaces skipped, Arabic-Indic digits read), with every digit.
// Never fails: a number beyond the range of a double is held as it is. Letters
// alone give zero.
ExactDecimal leadingDecimal(QStringView text);

// Negative, zero or positive as a is below, equal to or above b.
int compare(const ExactDecimal &a, const ExactDecimal &b);

// The exact sum of two numbers that are not negative; nothing when their
// digits lie more than MaxSumDigits places apart (such as 1E+300 and
// 1E-300), which no pupil types and which would take that many digits.
inline constexpr std::int64_t MaxSumDigits = 4096;
std::optional<ExactDecimal> sumOf(const ExactDecimal &a, const ExactDecimal &b);

} // namespace numtext
