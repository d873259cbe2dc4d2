#pragma once
// The left-to-right runs of a line in the 123 shape. A right-to-left line
// sets the numbers of "البسط = 18 − 4" one by one from the right (4 − 18),
// puts an exponent at the left of its base (²3) and the degree sign at the
// left of its number; in this shape a piece of mathematics reads left to
// right as a whole, inside the Arabic sentence around it.
//
// Every such piece is held between a left-to-right isolate (U+2066) and its
// end (U+2069): a text layout keeps it whole, in order, wherever it is set or
// pasted, and the typesetter reads it as a row set from left to right
// (typeset/markup.h).

#include <QString>
#include <QStringView>

namespace numtext {

inline constexpr QChar LeftToRightIsolate = QChar(u'\u2066');
inline constexpr QChar PopDirectionalIsolate = QChar(u'\u2069');

// The line of markup (or plain text) with its runs of mathematics isolated.
// A run is a stretch of numbers joined by operators, relations and brackets,
// with their signs, exponents, fractions, roots and the signs after a number
// (30°, 5%); words end it, and so do punctuation marks. A run holds whole
// bracket pairs only, and starts and ends with a number, a bracket, a sign or
// a mark after a number (never with an operator or "="). Numbers that an
// expression of words goes on with, directly or through operators, belong to
// it and read right to left with it, up to its relation sign: there each
// operand is held on its own (جا (−30°) = 0.5, م × 1.8 + 32, س − 1 = 0,
// (2 + 3 × أ)). A lone number of digits needs no isolate and gets none. The markup's own structure is kept: a run
// never crosses a brace or a colour's bracket.
QString isolateMathRuns(QStringView line);

} // namespace numtext
