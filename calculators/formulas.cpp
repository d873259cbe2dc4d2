#include "calculators/formulas.h"

#include <array>
#include <cmath>

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

// A number that follows an operator: in brackets when it is negative.
QString operand(double x) { return x < 0 ? QStringLiteral("(%1)").arg(num(x)) : num(x); }

// The round trip through the general number format, shown where it changes
// the typed number.
void showRounding(const char *name, const QString &typed, const QString &text, Steps &s)
{
    if (leadingNumber(typed) != leadingNumber(text))
        s.line(name, " مقربا إلى 15 رقما معنويا = ", text);
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
    s.line("الناتج = العدد الأول", op.sign, "العدد الثاني");
    showRounding("العدد الأول", operands.typedFirst, operands.first, s);
    showRounding("العدد الثاني", operands.typedSecond, operands.second, s);
    const double a = leadingNumber(operands.first), b = leadingNumber(operands.second);
    s.line("= ", num(a), op.sign, operand(b));
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
    s.result(result);
    return num(result);
}

double roundToHundredths(const QString &result, Steps &s)
{
    const double value = strictNumber(result);
    s.line("تقريب الناتج ", num(value), " إلى منزلتين عشريتين (أقرب جزء من مئة)");
    const double rounded = roundDecimal(value, 2);
    const double scaled = value * 100;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 4503599627370496.0) {
        s.line("العدد كبير فليس فيه أجزاء من مئة تُحذف");
        s.result(rounded);
        return rounded;
    }
    const double fraction = scaled - std::floor(scaled);
    QString note;
    if (fraction == 0.5)
        note = QStringLiteral(" (نصف تماما: يُقرَّب إلى العدد الزوجي)");
    else if (num(scaled).endsWith(QLatin1String(".5")))
        note = fraction < 0.5 ? QStringLiteral(" (وهو في الحاسوب أقل من النصف بقليل)")
                              : QStringLiteral(" (وهو في الحاسوب أكثر من النصف بقليل)");
    s.line(num(value), " × 100 = ", num(scaled));
    // The nearest whole number by the same rule: halves to the even one.
    const double whole = roundDecimal(scaled, 0);
    s.line("أقرب عدد صحيح إليه ", num(whole), note);
    s.line("= ", num(whole), " ÷ 100");
    s.result(rounded);
    return rounded;
}

} // namespace calculators
