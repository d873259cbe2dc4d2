#include "numtext/hundredths.h"

#include <cmath>

namespace numtext {

namespace {

// From 2^52 on every double is a whole number.
constexpr double WholeFrom = 4503599627370496.0;

// A whole number below 2^52, every digit written.
QString wholeNumber(double n)
{
    if (n == 0)
        return QStringLiteral("0");
    QString text = QString::number(n, 'f', 0);
    if (text.startsWith(u'-'))
        text[0] = MinusSign;
    return text;
}

} // namespace

double roundToHundredths(const QString &subject, double value, Steps &s)
{
    s.line("[blue:التقريب لأقرب جزء من المئة]: نضرب في 100، ثم نأخذ أقرب عدد صحيح إلى حاصل الضرب، ثم نقسمه على 100");
    s.line(subject, " ", relation(value), " ", written(value));
    const QString factor = firstOperand(value);
    const double rounded = roundDecimal(value, 2);
    const QString name = subject + QStringLiteral(" مقربا");
    const double product = value * 100;
    if (!std::isfinite(product) || std::fabs(product) >= WholeFrom) {
        if (std::isfinite(product))
            s.line(factor, " × 100 ", relation(product), " ", written(product));
        s.line("العدد بهذا الحجم عدد صحيح ليس فيه أجزاء من المئة، فلا يتغير بالتقريب");
        s.line(name, " = ", subject);
        s.result(rounded);
        return rounded;
    }
    s.line(factor, " × 100 ", relation(product), " ", written(product));
    const double whole = roundDecimal(product, 0);
    const double lower = std::floor(product), upper = lower + 1;
    const QString between = QStringLiteral(" بين ") + wholeNumber(lower) + QStringLiteral(" و ") + wholeNumber(upper);
    if (product == lower || strictNumber(format(product)) == whole) {
        // Whole, or shown whole in its fifteen digits.
        s.line(wholeNumber(whole), " عدد صحيح، فلا يتغير بالتقريب");
    } else if (product - lower == 0.5) {
        // The one rule for a half.
        s.line(written(product), " في المنتصف تماما", between,
               "، وعند المنتصف تماما نأخذ العدد الزوجي من العددين: ", wholeNumber(whole));
    } else if (format(product).endsWith(QLatin1String(".5"))) {
        // Its fifteen digits end in a half, the product itself does not.
        s.line(written(product), " يبدو في المنتصف", between, "، لكن حاصل الضرب كما يحسبه الحاسوب ",
               whole == lower ? "أقل" : "أكثر",
               " منه بقليل (الحاسوب يحفظ الأعداد بالنظام الثنائي)، فأقرب عدد صحيح إليه ", wholeNumber(whole));
    } else {
        s.line(written(product), between, "، وأقرب عدد صحيح إليه ", wholeNumber(whole));
    }
    s.line(name, " = ", wholeNumber(whole), " ÷ 100");
    s.result(rounded);
    return rounded;
}

} // namespace numtext
