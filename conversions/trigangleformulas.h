#pragma once
// How the trigonometry window reads its angle exactly: the number typed as the
// decimal it is, whatever its exponent, with the whole turns taken off it by
// long division of its digits, and what the double read from it misses of
// it. Small and local to the trigonometry formulas (conversions/trigformulas).

#include <QStringView>

#include <cstdint>
#include <string>

namespace conversions::exact {

// The number typed, exactly: its sign, and its whole part and fraction as
// decimal digits. Only a number of at least 1 is spelled out (at most 309
// whole digits, as it lies within the range of a double); one below 1 is
// taken as its double, which is the nearest to it, and needs no turn taken
// off.
struct Decimal {
    bool negative = false;
    bool zero = false;
    std::string whole;    // no leading zero; empty below 1
    std::string fraction; // no trailing zero; empty below 1
};

// The text must have passed the strict number conversion (numtext.h): spaces
// at both ends, a sign, Western or Arabic-Indic digits with at most one point
// (the full stop or the Arabic decimal separator), an exponent.
Decimal decimal(QStringView typed);

bool belowOne(const Decimal &x);

// The whole turns of 360 in a whole part, and what is left of it.
struct Turns {
    std::string count; // no leading zero; empty for none
    int left = 0;      // 0 to 359
};
Turns turns(const std::string &whole);

// 1 − 0.f, as the digits after the point (f has no trailing zero).
std::string complement(const std::string &fraction);

// "12.5", "0.01": a whole part (empty for 0) and a fraction.
std::string decimalText(const std::string &whole, const std::string &fraction);

// The nearest double to a decimal written with digits, a point and an
// exponent.
double nearest(const std::string &text);

// The number typed less the double read from it, worked exactly in decimal
// and then rounded to a long double: 0 where the double is that number.
long double offByReading(QStringView typed, double value);

} // namespace conversions::exact
