#pragma once
// Number text: how the program reads numbers from the texts of its boxes and
// writes them back. Every window calls these rules by name; none repeats them.
// The rules are fixed to the full stop as decimal point and never consult the
// process locale.

#include <QString>
#include <QStringView>

#include <cstdint>
#include <exception>

namespace numtext {

// What went wrong in a calculation step.
enum class Failure {
    NotANumber,       // a text that a strict conversion refuses
    DivisionByZero,   // a non-zero number divided by zero, or a zero divisor of Mod
    Overflow,         // a value beyond the double range
    InvalidOperation, // 0/0, square root of a negative number, log of 0 or less
    OutOfRange,       // an integer rounding beyond its integer kind, a single beyond its range
};

// The one exception type of a failed computation. Windows never catch it: the
// place that dispatches event handlers does.
class ComputationFailure : public std::exception {
public:
    explicit ComputationFailure(Failure kind) noexcept : kind_(kind) {}
    Failure kind() const noexcept { return kind_; }
    const char *what() const noexcept override;

private:
    Failure kind_;
};

// Leading-number parse: the longest numeric prefix of the text. Spaces, tabs
// and line feeds are skipped everywhere; no digits give 0. Fails only when the
// value is beyond the double range. Arabic-Indic digits (U+0660..U+0669),
// Eastern Arabic-Indic digits (U+06F0..U+06F9) and the Arabic decimal
// separator (U+066B) count as their ASCII twins. Linear in the text's length.
double leadingNumber(QStringView text);

// Strict number conversion: after trimming spaces at both ends the whole text
// must be a number (sign, digits with at most one point, optional exponent).
double strictNumber(QStringView text);

// Whether the strict number conversion accepts the text (a value beyond the
// double range is accepted here and fails only when converted).
bool isStrictNumber(QStringView text);

// Strict single conversion: the strict number conversion rounded to single
// precision; a magnitude beyond the largest single fails.
float strictSingle(QStringView text);

// General number format: at most 15 significant digits, plain for decimal
// exponents -4..14, exponent form ("1E+15", "2.5E-10") otherwise; "0" for zero.
QString format(double value);

// The same rules with 7 significant digits and the plain form for decimal
// exponents -4..6 (how a single is written).
QString formatSingle(float value);

// An integer written as decimal digits preceded by one space when it is not
// negative, a minus sign when it is (" 1024", "-3").
QString signedText(std::int32_t value);

// Integer rounding: nearest integer, halves to even. A text is converted
// strictly first. Outside the 32-bit (or 16-bit) range it fails.
std::int32_t roundInteger(double value);
std::int32_t roundInteger(QStringView text);
std::int16_t roundInteger16(double value);

// Truncation: drops the fraction toward zero.
double truncate(double value);

// Decimal rounding to n places, halves to even; a text is converted strictly.
double roundDecimal(double value, int places);
double roundDecimal(QStringView text, int places);

// Guarded arithmetic: each step checks its result; an invalid operation, a
// division of a non-zero number by zero or an overflow fails.
double plus(double a, double b);
double minus(double a, double b);
double times(double a, double b);
double divide(double a, double b);
double squareRoot(double x);
double naturalLog(double x);
double sine(double x);
double cosine(double x);
double tangent(double x);
double arcTangent(double x);

// Checks a value computed by other means (fails on NaN and infinity).
double checked(double value);

// The empty test: only the exactly empty text is empty (one space is not).
inline bool isEmpty(const QString &text) { return text.isEmpty(); }

// Exact comparison: code unit by code unit, no trimming, no locale.
inline bool same(const QString &a, const QString &b) { return a == b; }

} // namespace numtext
