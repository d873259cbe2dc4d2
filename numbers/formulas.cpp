#include "numbers/formulas.h"

#include "numbers/prime.h"
#include "numtext/mixed.h"
#include "numtext/numtext.h"

#include <cmath>
#include <cstdint>

using namespace numtext;

namespace numbers {

const QString UnknownValue = QStringLiteral("قيمة غير معروفة");
const QString PrimeAnswer = QStringLiteral("نعم .. العدد أولي");
const QString NotPrimeAnswer = QStringLiteral("العدد غيرأولي");
const QString EvenAnswer = QStringLiteral("نوع العدد زوجي");
const QString OddAnswer = QStringLiteral("نوع العدد فردي");
const QString NotWholeAnswer = QStringLiteral("العدد ليس صحيحا .. فلا يوصف بأنه زوجي أو فردي");

namespace {
// 2^53: from here on every double is an even whole number.
constexpr double ExactLimit = 9007199254740992.0;
constexpr double TwoTo64 = 18446744073709551616.0;

// A whole number with all its digits, where the general number format would
// drop some (9007199254740881 rather than 9.00719925474088E+15).
QString whole(double x)
{
    if (x == 0)
        return QStringLiteral("0");
    return std::fabs(x) < TwoTo64 ? QString::number(x, 'f', 0) : num(x);
}

QString whole(std::uint64_t n) { return QString::number(n); }

// The last line of steps whose answer is a word: the word, as the result box
// shows it.
QString answerLine(Steps &s, const QString &answer)
{
    s.line(answer);
    return answer;
}

// The digits of a magnitude's general number format in positional form, the
// exponent form spelt out: 1E-05 gives 0.00001.
QString positional(double magnitude)
{
    QString text = format(magnitude);
    const qsizetype e = text.indexOf(u'E');
    if (e < 0)
        return text;
    const QString mantissa = text.left(e);
    const int exponent = text.mid(e + 1).toInt();
    const qsizetype point = mantissa.indexOf(u'.');
    QString digits = mantissa;
    digits.remove(u'.');
    const qsizetype integral = (point < 0 ? mantissa.size() : point) + exponent;
    if (integral <= 0)
        return QStringLiteral("0.") + QString(-integral, u'0') + digits;
    if (integral >= digits.size())
        return digits + QString(integral - digits.size(), u'0');
    return digits.left(integral) + u'.' + digits.mid(integral);
}

// The primes up to k, when they are few enough to list.
QString primesUpTo(std::uint64_t k)
{
    QStringList primes;
    for (std::uint64_t p = 2; p <= k; ++p) {
        if (smallestPrimeFactor(p) == p)
            primes << whole(p);
        if (primes.size() > 6)
            return QString();
    }
    return primes.join(QStringLiteral("، "));
}
} // namespace

std::optional<QString> squareRootAnswer(QStringView text, Steps &s)
{
    s.line("[blue:الجذر التربيعي] = \\sqrt{العدد}");
    s.line("(العدد غير السالب الذي مربعه يساوي العدد)");
    const double x = strictNumber(text);
    s.line("= \\sqrt{", num(x), "}");
    if (x < 0) {
        s.fail(QStringLiteral("العدد تحت الصفر، ولا يوجد عدد حقيقي مربعه سالب: لا جذر تربيعي له"));
        return std::nullopt;
    }
    const double root = squareRoot(x);
    s.result(root);
    return num(root);
}

QString absoluteValueAnswer(QStringView text, Steps &s)
{
    s.line("[blue:القيمة المطلقة] = |العدد|");
    s.line("(بعد العدد عن الصفر: العدد بلا إشارة)");
    const double x = strictNumber(text);
    s.line("= |", num(x), "|");
    s.line(x < 0 ? "العدد سالب: تحذف إشارته" : "العدد ليس سالبا: قيمته المطلقة هي العدد نفسه");
    const double value = std::fabs(x);
    s.result(value);
    return num(value);
}

QString decimalLogAnswer(QStringView text, Steps &s)
{
    s.line("[blue:اللوغاريتم العشري] = لو العدد");
    s.line("(لو العدد هو الأس س الذي يجعل 10^{س} = العدد)");
    const double x = strictNumber(text);
    s.line("= لو ", num(x));
    if (x <= 0) {
        s.line("لا يوجد أس س يجعل 10^{س} = ", num(x), "، لأن 10^{س} موجب دائما");
        return answerLine(s, UnknownValue);
    }
    // The quotient of two natural logarithms, each rounded to a double.
    s.line("= \\frac{لوهـ ", num(x), "}{لوهـ 10}");
    const double lnX = naturalLog(x);
    const double ln10 = naturalLog(10);
    s.line("= \\frac{", num(lnX), "}{", num(ln10), "}");
    const double value = divide(lnX, ln10);
    s.result(value);
    return num(value);
}

QString naturalLogAnswer(QStringView text, Steps &s)
{
    s.line("[blue:اللوغاريتم الطبيعي] = لوهـ العدد");
    s.line("(لوهـ العدد هو الأس س الذي يجعل هـ^{س} = العدد، حيث هـ ≈ ", num(std::exp(1.0)), ")");
    const double x = strictNumber(text);
    s.line("= لوهـ ", num(x));
    if (x <= 0) {
        s.line("لا يوجد أس س يجعل هـ^{س} = ", num(x), "، لأن هـ^{س} موجب دائما");
        return answerLine(s, UnknownValue);
    }
    const double value = naturalLog(x);
    s.result(value);
    return num(value);
}

QString primeAnswer(QStringView text, Steps &s)
{
    // Any text has a leading number: letters read as 0.
    const double x = leadingNumber(text);
    // Only a whole number from 2 up to below 2^53 can be prime (isPrime); it
    // is when it is its own smallest prime factor.
    bool prime = false;
    const QString shown = std::trunc(x) == x ? whole(x) : num(x);
    s.line("العدد = ", shown);
    s.line("العدد الأولي عدد صحيح أكبر من 1 لا يقبل القسمة إلا على 1 وعلى نفسه");
    if (x < 0) {
        s.line(shown, " عدد سالب، والعدد الأولي موجب");
    } else if (std::trunc(x) != x) {
        s.line(shown, " ليس عددا صحيحا");
    } else if (x == 0) {
        s.line("0 يقبل القسمة على كل عدد غير الصفر، وليس أكبر من 1");
    } else if (x == 1) {
        s.line("1 ليس أكبر من 1: له قاسم واحد فقط هو نفسه");
    } else if (x >= ExactLimit) {
        // Such a number is even as the program holds it: half of it is exact.
        s.line(shown, " ≥ 2^{53}، وكل عدد بهذا الحجم يحفظه البرنامج عددا زوجيا");
        s.line(shown, " = 2 × ", whole(x / 2));
        s.line("فهو يقبل القسمة على 2");
    } else {
        const auto n = static_cast<std::uint64_t>(x);
        const std::uint64_t p = smallestPrimeFactor(n);
        prime = p == n;
        if (!prime) {
            // The trial divisors that failed before the factor, when few.
            if (p > 2) {
                const QString failed = primesUpTo(p - 1);
                s.line("لا يقسمه ", failed.isEmpty()
                                        ? QStringLiteral("أي عدد أولي أصغر من ") + whole(p)
                                        : failed.split(QStringLiteral("، ")).join(QStringLiteral(" ولا ")));
            }
            s.line("أصغر عدد أولي يقسم ", whole(n), " هو ", whole(p));
            s.line(whole(n), " = ", whole(p), " × ", whole(n / p));
        } else {
            std::uint64_t k = static_cast<std::uint64_t>(std::sqrt(x));
            while (k * k > n)
                --k;
            while ((k + 1) * (k + 1) <= n)
                ++k;
            s.line("\\sqrt{", whole(n), "} ≈ ", num(std::sqrt(x)));
            if (k < 2) {
                s.line("لا يوجد عدد أولي حتى \\sqrt{", whole(n), "}");
            } else {
                const QString listed = primesUpTo(k);
                s.line("لا يقسمه أي عدد أولي من 2 حتى ", whole(k),
                       listed.isEmpty() ? QString() : QStringLiteral(" (") + listed + u')');
            }
            s.line("ولو كان له قاسم أكبر من جذره لقابله قاسم أصغر من جذره: فلا قاسم له إلا 1 و", whole(n));
        }
    }
    return answerLine(s, prime ? PrimeAnswer : NotPrimeAnswer);
}

QString parityAnswer(QStringView text, Steps &s)
{
    const double x = leadingNumber(text);
    if (!isStrictNumber(text))
        s.line(leadingNumberLine(x));
    s.line("العدد = ", written(x));
    // A number with a fraction part is neither even nor odd; this is decided
    // before the rounding to a whole number, which fails beyond 32 bits.
    if (std::trunc(x) != x) {
        s.line(written(x), " له جزء كسري: الزوجي والفردي من صفات الأعداد الصحيحة");
        return answerLine(s, NotWholeAnswer);
    }
    const std::int32_t n = roundInteger(x);
    // The remainder the program finds (Mod keeps the sign of the number),
    // and the school's: never negative.
    const std::int32_t remainder = std::int32_t(mod(Mixed(x), Mixed(std::int32_t(2))).number());
    const long long school = remainder < 0 ? remainder + 2 : remainder;
    const long long quotient = (static_cast<long long>(n) - school) / 2;
    s.line("نقسم على 2: ", writtenWhole(n), " = 2 × ",
           quotient < 0 ? u'(' + writtenWhole(quotient) + u')' : writtenWhole(quotient), " + ", writtenWhole(school),
           " ، والباقي ", writtenWhole(school));
    if (remainder == 0) {
        s.line("الباقي 0: العدد يقبل القسمة على 2");
        return answerLine(s, EvenAnswer);
    }
    s.line("الباقي 1: العدد لا يقبل القسمة على 2");
    return answerLine(s, OddAnswer);
}

QString hundredthsAnswer(QStringView text, Steps &s)
{
    s.line("[blue:التقريب لجزء من المئة]: رقمان بعد الفاصلة");
    const double x = strictNumber(text);
    s.line("العدد = ", num(x));
    const double rounded = roundDecimal(x, 2);
    const QString digits = positional(std::fabs(x));
    const qsizetype point = digits.indexOf(u'.');
    const QString fraction = point < 0 ? QString() : digits.mid(point + 1);
    if (fraction.size() <= 2) {
        s.line("ليس بعد جزء من المئة أرقام: يبقى العدد كما هو");
        s.result(rounded);
        return num(rounded);
    }
    // Below 10^13 here (a larger number has no third decimal in 15 digits):
    // the hundredths are a whole number a double holds exactly.
    const double sign = std::signbit(x) ? -1.0 : 1.0;
    const double hundredths = std::trunc(strictNumber(QString(digits.left(point) + fraction.left(2))));
    const double lower = sign * hundredths / 100, upper = sign * (hundredths + 1) / 100;
    s.line(num(x), " بين ", num(lower), " و ", num(upper));
    const int decider = fraction.at(2).digitValue();
    bool more = false;
    for (const QChar digit : fraction.mid(3))
        more = more || digit != u'0';
    s.line("الرقم الذي يقرر هو رقم جزء من الألف (الثالث بعد الفاصلة): ", QString::number(decider));
    bool up;
    if (decider < 5) {
        s.line(QString::number(decider), " < 5: يبقى رقم جزء من المئة كما هو");
        up = false;
    } else if (decider > 5 || more) {
        s.line(decider > 5 ? QString::number(decider) + QStringLiteral(" > 5") : QStringLiteral("5 وبعده أرقام"),
               ": يزاد رقم جزء من المئة واحدا");
        up = true;
    } else {
        up = std::fmod(hundredths, 2.0) != 0;
        s.line("5 وليس بعده أرقام: العدد في المنتصف تماما، فيقرب إلى الذي رقمه الأخير زوجي");
    }
    // The number as the computer holds it, in binary, may lie on the other
    // side of the middle than its decimal text.
    if ((up ? upper : lower) != rounded)
        s.line("لكن الحاسوب يحفظ العدد بالنظام الثنائي بقيمة ", QString::number(x, 'g', 17),
               up ? "، أقل من المنتصف" : "، فوق المنتصف");
    s.result(rounded);
    return num(rounded);
}

} // namespace numbers
