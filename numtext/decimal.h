#pragma once
// Exact decimal numbers: what a pupil works out on paper with the numbers the
// steps show. The steps write a number with at most fifteen significant
// digits; with these a line can say "=" only where the written numbers give
// the written result exactly, and "≈" only where the result is the exact
// value rounded to the digits shown.
//
//     const Decimal a = Decimal::shown(0.1), b = Decimal::shown(0.2);
//     a + b == Decimal::shown(0.1 + 0.2)      // 0.3 = 0.3: "="
//
// A value is ± digits × 10^exponent with no limit on the number of digits;
// the arithmetic never rounds (a quotient and a square root are rounded to
// the digits asked, and say whether they are exact).

#include <QString>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace numtext {

struct Worked;

class Decimal {
public:
    // Zero.
    Decimal() = default;
    // A number text: an optional sign, digits with at most one point, an
    // optional exponent ("12", "-0.5", ".5", "1.", "2.5E-10"); spaces at the
    // ends are allowed. Nothing for any other text.
    static std::optional<Decimal> parse(QStringView text);
    // A double as the general number format writes it (its fifteen
    // significant digits): the number a result box and the steps show.
    static Decimal shown(double value);
    // A whole number.
    static Decimal whole(long long value);

    bool isZero() const { return digits_.empty(); }
    int sign() const { return isZero() ? 0 : (negative_ ? -1 : 1); }
    // How many significant digits it has (0 for zero).
    int significantDigits() const { return int(digits_.size()); }
    // Whether it is 1, 10, 100, 0.1, 0.01, …
    bool isPowerOfTen() const { return digits_ == "1" && !negative_; }
    // The power of ten of its first significant digit (0 for zero).
    int leadingExponent() const { return exponent_ + int(digits_.size()) - 1; }

    // Rounded to a number of significant digits, halves away from zero (as
    // taught at school).
    Decimal rounded(int significant) const;
    // One unit of the last of that many significant digits: 0.001 for 1.23
    // and three digits.
    Decimal unit(int significant) const;
    // The value times 10^power, exactly.
    Decimal scaled(int power) const;

    // The general number format of the value (fifteen significant digits at
    // most, rounded as above when it has more): "0.3", "-2.5E-10", "1E+15".
    QString text() const;

    friend Decimal operator+(const Decimal &a, const Decimal &b);
    friend Decimal operator-(const Decimal &a, const Decimal &b);
    friend Decimal operator*(const Decimal &a, const Decimal &b);
    friend Decimal operator-(Decimal a)
    {
        a.negative_ = !a.negative_ && !a.isZero();
        return a;
    }
    friend bool operator==(const Decimal &a, const Decimal &b) = default;
    friend std::strong_ordering operator<=>(const Decimal &a, const Decimal &b);
    friend Worked quotient(const Decimal &a, const Decimal &b, int significant);

private:
    // Removes the zeros at the end of the digits into the exponent, and the
    // sign of zero.
    void normalize();

    bool negative_ = false;
    std::string digits_; // '0'..'9', the first not '0'; empty for zero
    int exponent_ = 0;   // the value is digits_ × 10^exponent_
};

// A worked value: exact, or rounded to the digits it has.
struct Worked {
    Decimal value;
    bool exact = true;
};

// The quotient a ÷ b (b not zero), exact when its decimals end within the
// significant digits asked, else rounded to them (halves away from zero).
Worked quotient(const Decimal &a, const Decimal &b, int significant = 15);

// The square root of a (not negative), exact when it has at most the
// significant digits asked, else rounded to them. The estimate (a double
// near the root) only speeds the search up.
Worked squareRoot(const Decimal &a, double estimate, int significant = 15);

// ---- The number as typed ------------------------------------------------
// A number exactly as the pupil typed it: its decimal digits, not the nearest
// double. For the few decisions that a double would get wrong: whether
// 9007199254740997 is prime (its double is 9007199254740996), whether the
// sides 0.1, 0.7 and 0.8 make a flat triangle (the double of 0.8 is larger
// than the sum of the other two).

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
