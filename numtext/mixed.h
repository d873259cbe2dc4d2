#pragma once
// Mixed values: numbers and number texts combined without converting them
// first. The kind of each operand decides what an operator does: plus joins two
// texts, converts a text that meets a number strictly, keeps integers integer
// while they fit, and fails on a text that is not a number, a zero divisor or
// an overflow.

#include "numtext/numtext.h"

#include <QString>

#include <cstdint>
#include <variant>

namespace numtext {

class Mixed {
public:
    enum class Kind { Empty, Int16, Int32, Single, Double, Text };

    Mixed() = default; // empty: a variable never assigned
    Mixed(std::int16_t v) : v_(v) {}
    Mixed(std::int32_t v) : v_(v) {}
    Mixed(float v) : v_(v) {}
    Mixed(double v) : v_(v) {}
    Mixed(const QString &v) : v_(v) {}
    Mixed(const char *) = delete; // say QStringLiteral or QString explicitly

    Kind kind() const { return static_cast<Kind>(v_.index()); }
    bool isNumber() const;

    // Text of a mixed value: empty gives "", integers their digits, a double
    // the general number format, a single the 7-digit form, a text itself.
    QString text() const;
    // Number of a mixed value: empty is 0, a text is converted strictly.
    double number() const;

    // Absolute value keeps a numeric kind and gives a double for a text.
    Mixed abs() const;
    // Truncation keeps the kind of a number (a text is converted strictly).
    Mixed truncated() const;

    friend Mixed operator+(const Mixed &a, const Mixed &b);
    friend Mixed operator-(const Mixed &a, const Mixed &b);
    friend Mixed operator*(const Mixed &a, const Mixed &b);
    friend Mixed operator/(const Mixed &a, const Mixed &b);
    friend Mixed mod(const Mixed &a, const Mixed &b);
    // Numbers compare by value, texts exactly; a number meeting a text that is
    // itself a mixed value is converted strictly.
    friend bool operator==(const Mixed &a, const Mixed &b);
    friend bool operator<(const Mixed &a, const Mixed &b);

    const auto &value() const { return v_; }

private:
    std::variant<std::monostate, std::int16_t, std::int32_t, float, double, QString> v_;
};

// Mod, also reachable as numtext::mod (a friend alone is found only by
// argument-dependent lookup).
Mixed mod(const Mixed &a, const Mixed &b);

// A number compared with a plain text: the number is written as the text of a
// mixed value and the two texts compare exactly.
bool equalsText(const Mixed &number, const QString &plainText);

} // namespace numtext
