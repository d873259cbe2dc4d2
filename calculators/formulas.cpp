#include "calculators/formulas.h"

#include "numtext/hundredths.h"

#include <array>

using namespace numtext;

namespace calculators {

namespace {

struct OperationData {
    const char *sign;
    double (*compute)(double, double);
};

const OperationData &data(Operation operation)
{
    static const std::array<OperationData, 4> table{{
        {" + ", &plus},
        {" − ", &minus},
        {" × ", &times},
        {" ÷ ", &divide},
    }};
    return table[std::size_t(operation)];
}

// How an operand was read, where it is not simply the typed number: the
// leading number of a text that is not a number on its own, and the round
// trip through the general number format where it changes the number.
void showReading(const QString &name, const QString &typed, const QString &text, Steps &s)
{
    if (!isStrictNumber(typed))
        s.line(name, ": ", leadingNumberLine(leadingNumber(text)));
    else if (leadingNumber(typed) != leadingNumber(text))
        s.line(roundedLine(name, typed, leadingNumber(text)));
}

} // namespace

Operands readOperands(const QString &first, const QString &second)
{
    return {first, second, format(leadingNumber(first)), format(leadingNumber(second))};
}

QString divisionByZeroText() { return QStringLiteral("العدد المقسوم على صفر قيمة غير معروفة"); }

QString operate(Operation operation, const Operands &operands, Steps &s)
{
    const OperationData &op = data(operation);
    showReading(QStringLiteral("العدد الأول"), operands.typedFirst, operands.first, s);
    showReading(QStringLiteral("العدد الثاني"), operands.typedSecond, operands.second, s);
    s.line("الناتج = العدد الأول", op.sign, "العدد الثاني");
    const double a = leadingNumber(operands.first), b = leadingNumber(operands.second);
    s.line("= ", firstOperand(a), op.sign, operand(b));
    // A second number that the strict conversion refuses is judged by its
    // leading number, as the operand itself is; for the texts it accepts the
    // two readings agree.
    if (operation == Operation::Divide) {
        const QString &typed = operands.typedSecond;
        const double divisor = isStrictNumber(typed) ? strictNumber(typed) : leadingNumber(typed);
        if (divisor == 0) {
            s.fail(divisionByZeroText());
            return divisionByZeroText();
        }
    }
    const double result = op.compute(a, b);
    // A sum that loses the smaller number entirely (1 × 10^{16} + 1) is not
    // equal to it, though its fifteen digits are exact.
    const bool lost = (operation == Operation::Add && ((b != 0 && result == a) || (a != 0 && result == b)))
                      || (operation == Operation::Subtract && ((b != 0 && result == a) || (a != 0 && result == -b)));
    if (lost)
        s.keep(num(result)).line("≈ ", written(result));
    else
        s.result(result);
    return num(result);
}

double roundToHundredths(const QString &result, Steps &s)
{
    return numtext::roundToHundredths(QStringLiteral("الناتج"), strictNumber(result), s);
}

} // namespace calculators
