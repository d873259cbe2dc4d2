// Fuzzing the number text rules: the two parses and the general number format.
// The input's first byte picks the check; the rest is the text (as UTF-16 code
// units, so any code unit can appear, Arabic digits included) or, for the
// format, the bits of a double.
//
// Checks that can fail:
// - the parses never read outside their text (the text lives in a heap block
//   of exactly its size, so AddressSanitizer sees any read past its end);
// - a text the strict conversion accepts is read to the same value by the
//   leading-number parse, and the syntax check agrees with the conversion;
// - the format of any finite double has at most 15 significant digits, both
//   parses read it back to the same value, and formatting that value again
//   gives the same text (the 15-digit value is a fixed point).

#include "numtext/numtext.h"
#include "tests/support/outcome.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace numtext;

namespace {

[[noreturn]] void fault(const char *what, const QString &text)
{
    std::fprintf(stderr, "FAULT: %s: [%s]\n", what, text.toUtf8().constData());
    std::abort();
}


void checkParses(const std::uint8_t *data, std::size_t size)
{
    const std::size_t units = size / 2;
    // Exactly the text, nothing after it.
    std::unique_ptr<char16_t[]> buffer(new char16_t[units ? units : 1]);
    std::memcpy(buffer.get(), data, units * 2);
    const QStringView text(buffer.get(), qsizetype(units));

    double leading = 0;
    bool leadingFailed = false;
    try {
        leading = leadingNumber(text);
    } catch (const ComputationFailure &f) {
        if (f.kind() != Failure::Overflow)
            fault("leading-number parse failed other than by overflow", text.toString());
        leadingFailed = true;
    }
    if (!leadingFailed && !std::isfinite(leading))
        fault("leading-number parse gave a value that is not finite", text.toString());

    const bool syntax = isStrictNumber(text);
    double strict = 0;
    bool strictFailed = false;
    try {
        strict = strictNumber(text);
    } catch (const ComputationFailure &f) {
        strictFailed = true;
        if (syntax && f.kind() != Failure::Overflow)
            fault("syntax check accepted a text the strict conversion refuses", text.toString());
    }
    if (!strictFailed && !syntax)
        fault("strict conversion read a text the syntax check refuses", text.toString());
    // A whole number text has no spaces inside, so both readings agree.
    if (!strictFailed && !leadingFailed && text.indexOf(u'\t') < 0 && text.indexOf(u'\n') < 0 && strict != leading)
        fault("strict and leading readings of a number text differ", text.toString());
}

void checkFormat(const std::uint8_t *data, std::size_t size)
{
    if (size < sizeof(double))
        return;
    double x;
    std::memcpy(&x, data, sizeof x);
    if (!std::isfinite(x))
        return;
    const QString text = format(x);
    if (significantDigits(text) > 15)
        fault("more than 15 significant digits", text);
    double back = 0, strict = 0;
    try {
        back = leadingNumber(text);
        strict = strictNumber(text);
    } catch (const ComputationFailure &) {
        // Only the 15-digit rounding of the largest doubles leaves the range.
        if (std::fabs(x) < 1.79769313486231e308)
            fault("format wrote a text that does not read back", text);
        return;
    }
    if (back != strict)
        fault("the parses read the format differently", text);
    if (format(back) != text)
        fault("the 15-digit value is not a fixed point of the format", text);
    if (x != 0 && std::fabs(back - x) > std::fabs(x) * 1e-14)
        fault("the format is not the value rounded to 15 digits", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    if (data[0] & 1)
        checkFormat(data + 1, size - 1);
    else
        checkParses(data + 1, size - 1);
    return 0;
}
