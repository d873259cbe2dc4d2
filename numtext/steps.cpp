#include "numtext/steps.h"


namespace numtext {

Steps &Steps::result(double value)
{
    results_.append(num(value));
    return line(relation(value), " ", written(value));
}

Steps &Steps::result(double value, Unit unit)
{
    results_.append(num(value));
    return line(relation(value), " ", written(value), " ", unitName(unit));
}

Steps &Steps::result(const QString &name, double value)
{
    results_.append(num(value));
    return line(name, " ", relation(value), " ", written(value));
}

Steps &Steps::result(const QString &name, double value, Unit unit)
{
    results_.append(num(value));
    return line(name, " ", relation(value), " ", written(value), " ", unitName(unit));
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
    const auto why = [](const char16_t *reason) {
        return QStringLiteral("لم يتم الحساب: ") + QString::fromUtf16(reason)
               + QStringLiteral("، والخانات تبقى على نتيجة الحساب السابق");
    };
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
    case Refusal::NegativeLength:
        return why(u"أحد الأطوال المكتوبة سالب، والطول لا يكون سالبا");
    case Refusal::NoSuchTriangle:
        return why(u"أحد الأضلاع أطول من مجموع الضلعين الآخرين، فلا يلتقي طرفاهما");
    case Refusal::BelowAbsoluteZero:
        return why(u"الدرجة المكتوبة أقل من الصفر المطلق، وهو أقل درجة حرارة ممكنة");
    case Refusal::TooLargeToTest:
        return why(u"العدد فيه أكثر من 18 رقما، وهو أكبر من أن يختبر");
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
