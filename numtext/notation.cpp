#include "numtext/notation.h"

#include "numtext/digits.h"
#include "numtext/numtext.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace numtext {

QString coloured(const char *colour, const QString &text)
{
    return u'[' + QString::fromUtf8(colour) + u':' + text + u']';
}

QString writtenText(const QString &formatted)
{
    QString text = formatted;
    const qsizetype e = text.indexOf(u'E');
    if (e >= 0) {
        const int exponent = text.mid(e + 1).toInt();
        text = text.left(e) + QStringLiteral(" × ") + powerOfTen(exponent);
    }
    if (text.startsWith(u'-'))
        text[0] = MinusSign;
    return text;
}

QString written(double value) { return writtenText(format(value)); }

QString writtenWhole(long long value)
{
    QString text = QString::number(value);
    if (text.startsWith(u'-'))
        text[0] = MinusSign;
    return text;
}

// The fifteen digits of a number next to the largest double may lie beyond
// it (1.79769313486232E+308): they are then no double at all, and so rounded.
// The steps' own check never fails a calculation.
bool isRounded(double value)
{
    if (!std::isfinite(value))
        return false;
    const QByteArray digits = format(value).toLatin1();
    double read = 0;
    return std::from_chars(digits.cbegin(), digits.cend(), read).ec != std::errc() || read != value;
}

QString relation(double value) { return isRounded(value) ? QStringLiteral("≈") : QStringLiteral("="); }

QString operand(double value)
{
    const QString text = written(value);
    return text.startsWith(MinusSign) || text.contains(u'×') ? u'(' + text + u')' : text;
}

QString firstOperand(double value)
{
    const QString text = written(value);
    return text.contains(u'×') ? u'(' + text + u')' : text;
}

QString power(double base, const QString &exponent) { return operand(base) + QStringLiteral("^{") + exponent + u'}'; }

QString powerOfTen(int exponent) { return QStringLiteral("10^{") + writtenWhole(exponent) + u'}'; }

Typed leadingTyped(const QString &text) { return {text, leadingNumber(text)}; }

QString writtenTyped(const Typed &typed)
{
    if (!isRounded(typed.value) || !isStrictNumber(typed.text))
        return written(typed.value);
    QString text = westernDigits(typed.text.trimmed());
    text.remove(u' ');
    text.remove(u'\t');
    text.remove(u'\n');
    const qsizetype e = text.indexOf(u'e', 0, Qt::CaseInsensitive);
    if (e >= 0)
        text = text.left(e) + QStringLiteral(" × ") + powerOfTen(text.mid(e + 1).toInt());
    if (text.startsWith(u'+'))
        text.remove(0, 1);
    if (text.startsWith(u'-'))
        text[0] = MinusSign;
    return text;
}

QString operandTyped(const Typed &typed)
{
    const QString text = writtenTyped(typed);
    return text.startsWith(MinusSign) || text.contains(u'×') ? u'(' + text + u')' : text;
}

QString leadingNumberLine(double value)
{
    return QStringLiteral("يؤخذ العدد الذي في أول المكتوب، وهنا ") + written(value);
}

QString roundedLine(const QString &name, QStringView typed, double rounded)
{
    QString line = name;
    if (isStrictNumber(typed))
        line += QStringLiteral(" = ") + typed.trimmed().toString();
    return line + QStringLiteral(" ≈ ") + written(rounded) + QStringLiteral(" (مقربا إلى 15 رقما)");
}

QString unitName(Unit unit)
{
    switch (unit) {
    case Unit::Length:
        return QStringLiteral("وحدة طول");
    case Unit::Area:
        return QStringLiteral("وحدة مربعة");
    case Unit::Volume:
        return QStringLiteral("وحدة مكعبة");
    case Unit::Celsius:
        return QStringLiteral("°م");
    case Unit::Fahrenheit:
        return QStringLiteral("°ف");
    case Unit::Kelvin:
        return QStringLiteral("ك");
    case Unit::Degree:
        return QStringLiteral("درجة");
    case Unit::Radian:
        return QStringLiteral("راديان");
    }
    return QString();
}

} // namespace numtext
