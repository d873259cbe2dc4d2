#pragma once
// The lowest temperature there is, on each scale of the conversions window.

#include <QStringView>

namespace conversions {

enum class Scale { Celsius, Kelvin, Fahrenheit };

// Whether the temperature typed on the scale lies below absolute zero: below
// −273 °م, below 0 ك, below −459.4 °ف (with the window's own 273, so that 0 ك
// converts to −459.4 °ف). Absolute zero itself is no lower. Decided on the
// leading number of the text exactly as typed, also beyond the range of a
// double (−1E+400 is below), before the conversion reads it.
bool belowAbsoluteZero(Scale scale, QStringView typed);

} // namespace conversions
