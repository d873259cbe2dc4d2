#pragma once
// The answers of the number operations window, worked as the window works
// them and written as steps. Each reads the number typed (as the text of the
// input box), writes its steps and gives the text the result box gets; the
// steps end with that text. No widgets: the window only reads its boxes,
// calls these and writes the answer.

#include "numtext/steps.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace numbers {

// The answers that are words.
extern const QString UnknownValue; // "قيمة غير معروفة": the logarithm of 0 or less
extern const QString PrimeAnswer;
extern const QString NotPrimeAnswer;
extern const QString EvenAnswer;
extern const QString OddAnswer;
extern const QString NotWholeAnswer; // a number with a fraction part

// The square root of the number, read strictly. Nothing for a number below
// zero: the steps end with why, and the window tells the pupil in a notice.
std::optional<QString> squareRootAnswer(QStringView text, numtext::Steps &s);

// The absolute value of the number, read strictly.
QString absoluteValueAnswer(QStringView text, numtext::Steps &s);

// The decimal logarithm, the quotient of two natural logarithms (so that of
// 1000, a little below 3, is written 3), and the natural logarithm, of the
// number read strictly; "قيمة غير معروفة" for zero and below. The steps go
// as a pupil thinks: a power of ten (or of e) that gives the number, else the
// two whole powers it lies between; the quotient of natural logarithms only
// where the decimal logarithm needs it.
QString decimalLogAnswer(QStringView text, numtext::Steps &s);
QString naturalLogAnswer(QStringView text, numtext::Steps &s);

// Whether the leading number of the text, exactly as typed (not its nearest
// double), is prime: for a whole number from 2 up to 999999999999999999, its
// smallest prime factor and the cofactor, or that no prime up to its square
// root divides it; for anything else why it is not prime. Nothing for a whole
// number of 10^18 or more, which is not tested: the window tells the pupil in
// a notice. A number beyond the range of a double fails as its reading does.
std::optional<QString> primeAnswer(QStringView text, numtext::Steps &s);

// Even or odd: the leading number of the text divided by 2 as at school,
// with a remainder that is never negative. A number with a fraction part is
// neither (NotWholeAnswer); a whole number beyond the 32-bit range fails.
QString parityAnswer(QStringView text, numtext::Steps &s);

// The number, read strictly, rounded to hundredths, explained as every
// rounding to hundredths is (numtext/hundredths.h).
QString hundredthsAnswer(QStringView text, numtext::Steps &s);

} // namespace numbers
