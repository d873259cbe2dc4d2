#include "numtext/steps.h"

namespace numtext {

Steps &Steps::result(double value)
{
    const QString text = num(value);
    results_.append(text);
    return line("= ", text);
}

Steps &Steps::result(const QString &name, double value)
{
    const QString text = num(value);
    results_.append(text);
    return line(name, " = ", text);
}

Steps &Steps::resultText(const QString &name, const QString &text)
{
    results_.append(text);
    return line(name, " = ", text);
}

Steps &Steps::fail(const QString &text)
{
    if (failure_.isEmpty())
        failure_ = text;
    return *this;
}

Steps &Steps::fail(Failure kind) { return fail(failureText(kind)); }

QString failureText(Failure kind)
{
    switch (kind) {
    case Failure::NotANumber:
        return QStringLiteral("القيمة المكتوبة ليست عددا صحيح الكتابة");
    case Failure::DivisionByZero:
        return QStringLiteral("لا يمكن القسمة على صفر");
    case Failure::Overflow:
        return QStringLiteral("الناتج أكبر من أن يحسبه البرنامج");
    case Failure::InvalidOperation:
        return QStringLiteral("هذه العملية غير معرفة رياضيا");
    case Failure::OutOfRange:
        return QStringLiteral("العدد خارج المدى الذي يقبله البرنامج");
    }
    return QStringLiteral("تعذر إجراء الحساب");
}

} // namespace numtext
