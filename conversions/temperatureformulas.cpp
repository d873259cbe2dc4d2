#include "conversions/temperatureformulas.h"

#include "numtext/decimal.h"

namespace conversions {

bool belowAbsoluteZero(Scale scale, QStringView typed)
{
    const char16_t *lowest = u"0";
    switch (scale) {
    case Scale::Celsius:
        lowest = u"-273";
        break;
    case Scale::Kelvin:
        lowest = u"0";
        break;
    case Scale::Fahrenheit:
        lowest = u"-459.4";
        break;
    }
    return numtext::compare(numtext::leadingDecimal(typed), numtext::leadingDecimal(lowest)) < 0;
}

} // namespace conversions
