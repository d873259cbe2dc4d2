#pragma once
// The notation of the worked steps, in one place: the symbols and their
// colours, how a number is written in a line (its sign, a power of ten, the
// brackets of an operand), the line that says a number was rounded, and the
// units of the results. The formulas of every section write their steps with
// these and with nothing of their own, so that all steps read alike.
//
// Every formula takes what the pupil typed: the texts of its boxes. Where a
// window must read a box before it tests the others (so that a number beyond
// the range of a double fails before any notice), it hands the formula the
// text together with the number it read from it (Typed).

#include <QString>
#include <QStringView>

namespace numtext {

// ---- Signs -----------------------------------------------------------------

// The minus sign of the steps (U+2212), for a negative number as for a
// subtraction; the hyphen-minus belongs to the result boxes only.
inline constexpr QChar MinusSign = QChar(u'\u2212');
// The one division sign of the steps (a stacked fraction is the other way of
// writing a division).
inline constexpr QChar DivisionSign = QChar(u'÷');

// ---- Symbols and their colours ---------------------------------------------
// The colours are those of the laws pictures: what is sought in blue, the
// given lengths and coefficients in green and red, pi in red.

// "[colour:text]".
QString coloured(const char *colour, const QString &text);

namespace symbol {
inline const QString Pi = QStringLiteral("[red:ط]");
// Geometry.
inline const QString Radius = QStringLiteral("[green:نق]");
inline const QString Diameter = QStringLiteral("ق");
inline const QString Area = QStringLiteral("[blue:المساحة]");
inline const QString Perimeter = QStringLiteral("[blue:المحيط]");
inline const QString Volume = QStringLiteral("[blue:الحجم]");
// Temperatures and angles.
inline const QString Celsius = QStringLiteral("[blue:م]");
inline const QString Kelvin = QStringLiteral("[green:ك]");
inline const QString Fahrenheit = QStringLiteral("[darkred:ف]");
inline const QString Degrees = QStringLiteral("[blue:التقدير الستيني]");
inline const QString Radians = QStringLiteral("[green:التقدير الدائري]");
inline const QString Angle = QStringLiteral("[blue:الزاوية]");
inline const QString AngleInRadians = QStringLiteral("[green:الزاوية بالراديان]");
// The equation a·x² + b·x + c = 0.
inline const QString X = QStringLiteral("[magenta:س]");
inline const QString A = QStringLiteral("[blue:أ]");
inline const QString B = QStringLiteral("[green:ب]");
inline const QString C = QStringLiteral("[red:جـ]");
} // namespace symbol

// ---- Numbers in a line -----------------------------------------------------

// A value as the steps write it: the fifteen significant digits of the
// general number format (the digits of the result boxes, never the binary
// digits beyond them), a negative with the minus sign, and the exponent form
// as a power of ten without leading zeros: 1E-06 is written 1 × 10^{−6},
// -2.5E+20 is −2.5 × 10^{20}.
QString written(double value);
// The same for a whole number the steps count with (a remainder, a divisor).
QString writtenWhole(long long value);
// A number text of the general number format (a result box's text) as the
// steps write it.
QString writtenText(const QString &formatted);

// Whether the fifteen digits written differ from the value held: then the
// line says ≈ rather than =.
bool isRounded(double value);
// "=" for a value written as it is, "≈" for one written rounded.
QString relation(double value);

// A value standing after an operator: in brackets when it is negative or a
// power of ten, so that "× (−3)" and "÷ (2 × 10^{−6})" read right.
QString operand(double value);
// A value standing first, before an operator: in brackets only when it is a
// power of ten, so that "(1 × 10^{300}) × 100" reads right and "−2 × 100"
// keeps its plain sign.
QString firstOperand(double value);
// A value raised to a power: "(−3)^{2}", "1.5^{2}". The exponent is markup.
QString power(double base, const QString &exponent);
// A power of ten: "10^{−6}".
QString powerOfTen(int exponent);

// ---- What the pupil typed --------------------------------------------------

// A box's text and the number a window read from it.
struct Typed {
    QString text;
    double value = 0;
};
// The text with its leading number.
Typed leadingTyped(const QString &text);

// A number the pupil typed, as a line writes it where the calculation goes on
// with it exactly as typed: written() when its fifteen digits hold it, else
// the digits typed (a number on its own only; its exponent as a power of
// ten, its sign as the minus sign). operandTyped() brackets it as operand()
// does.
QString writtenTyped(const Typed &typed);
QString operandTyped(const Typed &typed);

// The line for a text that is not a number on its own:
// "يؤخذ العدد الذي في أول المكتوب، وهنا ٠".
QString leadingNumberLine(double value);

// The line for a number typed with more than fifteen significant digits,
// which the calculation goes on with rounded to fifteen:
// "الطول = 1.23456789012345678 ≈ 1.23456789012346 (مقربا إلى ١٥ رقما)". The
// typed digits are shown when the text is a number on its own.
QString roundedLine(const QString &name, QStringView typed, double rounded);

// ---- Units -----------------------------------------------------------------

enum class Unit {
    Length,     // وحدة طول
    Area,       // وحدة مربعة
    Volume,     // وحدة مكعبة
    Celsius,    // °م
    Fahrenheit, // °ف
    Kelvin,     // ك
    Degree,     // درجة
    Radian,     // راديان
};
// The unit as it follows a result: "وحدة مربعة".
QString unitName(Unit unit);

} // namespace numtext
