#pragma once
// The conventional calculator's calculations without its widgets: the four
// operations on two typed numbers and the rounding of the result to
// hundredths, each computed as the window computes it and written out as
// worked steps on the way.

#include "numtext/steps.h"

#include <QString>

namespace calculators {

enum class Operation { Add, Subtract, Multiply, Divide };

// The two numbers as the calculator reads its boxes, before any test: each
// box's leading number in the general number format, so that each operand is
// the typed number rounded to 15 significant digits.
struct Operands {
    QString typedFirst, typedSecond; // the boxes' own texts
    QString first, second;           // the operands' texts
};
Operands readOperands(const QString &first, const QString &second);

// What the result box shows when the second number of a division is 0.
QString divisionByZeroText();

// The operation on the two operands: the text of the result box, the
// division-by-zero text when the second box's number is 0 (judged on its own
// text, strictly where the strict conversion takes it).
QString operate(Operation operation, const Operands &operands, numtext::Steps &s);

// A result text rounded to two decimal places, halves to the even
// neighbour; the text is converted strictly. The steps explain it as every
// rounding to hundredths is explained (numtext/hundredths.h).
double roundToHundredths(const QString &result, numtext::Steps &s);

} // namespace calculators
