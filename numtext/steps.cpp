#include "numtext/steps.h"

#include <array>
#include <charconv>
#include <cmath>

namespace numtext {

bool fifteenDigitsChange(double value)
{
    if (value == 0 || !std::isfinite(value))
        return false;
    std::array<char, 64> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific);
    int digits = 0;
    for (const char *p = buffer.data(); p != written.ptr && *p != 'e'; ++p)
        digits += *p >= '0' && *p <= '9';
    return digits > 15;
}

QString exactNum(double value)
{
    // Plain for the same decimal exponents as the general number format.
    std::array<char, 64> buffer{};
    const bool plain = value == 0 || (std::fabs(value) >= 1e-4 && std::fabs(value) < 1e15);
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       plain ? std::chars_format::fixed : std::chars_format::scientific);
    QString text = QString::fromLatin1(buffer.data(), int(written.ptr - buffer.data()));
    text.replace(u'e', u'E');
    return text;
}

QString shownNum(double value) { return fifteenDigitsChange(value) ? exactNum(value) : num(value); }

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

Steps &Steps::refuse(Refusal kind, const QString &noticeText)
{
    *this = Steps();
    refusal_.append(refusalText(kind));
    const QString said = noticeText.simplified();
    if (!said.isEmpty())
        refusal_.append(said);
    return *this;
}

QString refusalText(Refusal kind)
{
    const auto why = [](const char16_t *reason) { return QStringLiteral("لم يتم الحساب: ") + QString::fromUtf16(reason); };
    switch (kind) {
    case Refusal::EmptyBox:
        return why(u"الخانة فارغة");
    case Refusal::RadiusAndDiameter:
        return why(u"كتب نصف القطر والقطر معا، والمطلوب أحدهما فقط");
    case Refusal::NegativeUnderRoot:
        return why(u"العدد تحت الجذر سالب");
    case Refusal::ZeroDenominator:
        return why(u"المقام صفر");
    case Refusal::NothingToRound:
        return why(u"لا يوجد ناتج لتقريبه");
    }
    return why(u"رفضت المدخلات");
}

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
