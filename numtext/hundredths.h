#pragma once
// Rounding to hundredths, worked and explained in one way wherever a window
// rounds to two decimal places: the number times 100 as the computer works
// it out, the whole number nearest to that product (a product exactly in the
// middle goes to the even one of its two neighbours), and that whole number
// divided by 100. The explanation follows the product as computed, so it
// holds for every number, also for one that the computer holds a little
// below or above its decimal text (1.015 × 100 comes out a little below
// 101.5).

#include "numtext/steps.h"

#include <QString>

namespace numtext {

// The value rounded to two decimal places (roundDecimal), with the steps:
// what is rounded (subject: "العدد", "الناتج") and its value, the rule, the
// product, the whole number chosen and why, the division by 100. The steps
// end with the rounded value, the text of the result box that gets it.
double roundToHundredths(const QString &subject, double value, Steps &s);

} // namespace numtext
