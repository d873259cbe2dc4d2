#include "numbers/formulas.h"

#include "numbers/prime.h"
#include "numtext/decimal.h"
#include "numtext/hundredths.h"
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
// The prime test takes whole numbers of at most 18 digits.
constexpr std::uint64_t TestedLimit = 1'000'000'000'000'000'000;

// A whole number with all its digits.
QString whole(std::uint64_t n) { return QString::number(n); }

// The last line of steps whose answer is a word: the word, as the result box
// shows it.
QString answerLine(Steps &s, const QString &answer)
{
    s.line(answer);
    return answer;
}

// A number as its fifteen digits show it: whether they are a power of ten
// (1, 1000, 0.01, 1E-20) and the power of ten of the first digit.
struct Decimal {
    bool powerOfTen = false;
    int exponent = 0;
};

Decimal decimalOf(double x)
{
    // "d.dddddddddddddde+XX": the fifteen significant digits.
    const QString text = QString::number(x, 'e', 14);
    const qsizetype e = text.indexOf(u'e');
    return {text.left(e) == QLatin1String("1.00000000000000"), text.mid(e + 1).toInt()};
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
    s.line("(الجذر التربيعي للعدد هو العدد غير السالب الذي مربعه يساوي العدد)");
    const double x = strictNumber(text);
    const QString root = QStringLiteral("\\sqrt{") + written(x) + u'}';
    s.line("[blue:الجذر التربيعي] = ", root);
    if (x < 0) {
        s.fail(QStringLiteral("العدد تحت الصفر، ولا يوجد عدد حقيقي مربعه سالب: لا جذر تربيعي له"));
        return std::nullopt;
    }
    const double value = squareRoot(x);
    // A pupil first looks for the number whose square it is.
    if (value * value == x && !isRounded(value)) {
        s.line(power(value, QStringLiteral("2")), " = ", written(x), "، إذن ", root, " = ", written(value));
        s.keep(num(value));
    } else {
        s.result(value);
    }
    return num(value);
}

QString absoluteValueAnswer(QStringView text, Steps &s)
{
    s.line("(القيمة المطلقة للعدد هي بعده عن الصفر: العدد بلا إشارة)");
    const double x = strictNumber(text);
    s.line(x < 0 ? "العدد سالب: تحذف إشارته" : "العدد ليس سالبا: قيمته المطلقة هي العدد نفسه");
    s.line("[blue:القيمة المطلقة] = |", written(x), "|");
    const double value = std::fabs(x);
    s.result(value);
    return num(value);
}

QString decimalLogAnswer(QStringView text, Steps &s)
{
    s.line("[blue:اللوغاريتم العشري] = لو العدد");
    s.line("(لو العدد هو الأس الذي يرفع إليه 10 ليعطي العدد)");
    const double x = strictNumber(text);
    const QString log = QStringLiteral("لو ") + operand(x);
    s.line("المطلوب ", log);
    if (x <= 0) {
        s.line("لا يوجد أس يجعل 10 مرفوعا إليه يساوي ", written(x), "، لأن قوى 10 كلها موجبة");
        return answerLine(s, UnknownValue);
    }
    // The computer divides two natural logarithms, each rounded to a double.
    const double lnX = naturalLog(x);
    const double ln10 = naturalLog(10);
    const double value = divide(lnX, ln10);
    // The pupil first looks for the power of ten: the number itself, or the
    // two it lies between.
    const Decimal d = decimalOf(x);
    if (d.powerOfTen) {
        // 10^{3} = 1000; 1 × 10^{−20} is 10^{−20} as it stands.
        if (written(x).contains(u'×'))
            s.line(written(x), " = ", powerOfTen(d.exponent), "، إذن ", log, " = ", writtenWhole(d.exponent));
        else
            s.line(powerOfTen(d.exponent), " = ", written(x), "، إذن ", log, " = ", writtenWhole(d.exponent));
        if (num(value) == QString::number(d.exponent)) {
            s.keep(num(value));
            return num(value);
        }
        s.line("والحاسبة تقسم لوغاريتمين طبيعيين مقربين:");
    } else {
        QString between = written(x) + QStringLiteral(" بين ");
        if (d.exponent >= -4 && d.exponent + 1 <= 14)
            between += written(std::pow(10.0, d.exponent)) + QStringLiteral(" و ")
                       + written(std::pow(10.0, d.exponent + 1)) + QStringLiteral("، أي بين ");
        s.line(between, powerOfTen(d.exponent), " و ", powerOfTen(d.exponent + 1), "، إذن ", log, " بين ",
               writtenWhole(d.exponent), " و ", writtenWhole(d.exponent + 1));
        s.line("ولإيجاده نقسم لوغاريتمين طبيعيين:");
    }
    s.line(log, " = \\frac{لوهـ ", operand(x), "}{لوهـ 10}");
    s.line("≈ \\frac{", written(lnX), "}{", written(ln10), "}");
    s.result(value);
    return num(value);
}

QString naturalLogAnswer(QStringView text, Steps &s)
{
    s.line("[blue:اللوغاريتم الطبيعي] = لوهـ العدد");
    s.line("(لوهـ العدد هو الأس الذي يرفع إليه هـ ليعطي العدد، حيث هـ ≈ ", written(std::exp(1.0)), ")");
    const double x = strictNumber(text);
    const QString log = QStringLiteral("لوهـ ") + operand(x);
    s.line("المطلوب ", log);
    if (x <= 0) {
        s.line("لا يوجد أس يجعل هـ مرفوعا إليه يساوي ", written(x), "، لأن قوى هـ كلها موجبة");
        return answerLine(s, UnknownValue);
    }
    const double value = naturalLog(x);
    if (x == 1) {
        s.line("هـ^{0} = 1، إذن ", log, " = 0");
        s.keep(num(value));
        return num(value);
    }
    // The two whole powers of e the number lies between, as far as the
    // computer's powers show it.
    const double n = std::floor(value);
    const double below = std::exp(n), above = std::exp(n + 1);
    if (std::isfinite(above) && below > 0 && below <= x && x < above) {
        // A whole power of e other than e^{0} = 1 is never a number with
        // fifteen digits.
        const auto powerOfE = [](double k, double valueOf) {
            return QStringLiteral("هـ^{") + written(k) + (k == 0 ? QStringLiteral("} = ") : QStringLiteral("} ≈ "))
                   + written(valueOf);
        };
        s.line(powerOfE(n, below), " و ", powerOfE(n + 1, above), "، و ", written(x), " بينهما، إذن ", log, " بين ",
               written(n), " و ", written(n + 1));
    }
    s.result(log, value);
    return num(value);
}

std::optional<QString> primeAnswer(QStringView text, Steps &s)
{
    // Read as a double first, as every box is, so that a number beyond the
    // range of a double fails; then judged on its digits as typed, which the
    // double may have changed (9007199254740997 is held as ...996).
    const double x = leadingNumber(text);
    const ExactDecimal typed = leadingDecimal(text);
    const std::optional<std::uint64_t> magnitude = typed.wholeMagnitude();
    if (typed.isWhole() && !typed.negative && (!magnitude || *magnitude >= TestedLimit))
        return std::nullopt;
    // A whole number below 10^19 with all its digits, anything else as the
    // steps write the number typed.
    const QString shown = magnitude ? (typed.negative ? QString(MinusSign) : QString()) + whole(*magnitude)
                                    : writtenTyped({text.toString(), x});
    if (!isStrictNumber(text))
        s.line(QStringLiteral("يؤخذ العدد الذي في أول المكتوب، وهنا "), shown);
    s.line("العدد = ", shown);
    s.line("العدد الأولي عدد صحيح أكبر من 1 لا يقبل القسمة إلا على 1 وعلى نفسه");
    bool prime = false;
    if (typed.negative) {
        s.line(shown, " عدد سالب، والعدد الأولي موجب");
    } else if (!typed.isWhole()) {
        s.line(shown, " ليس عددا صحيحا");
    } else if (*magnitude == 0) {
        s.line("0 يقبل القسمة على كل عدد غير الصفر، وليس أكبر من 1");
    } else if (*magnitude == 1) {
        s.line("1 ليس أكبر من 1: له قاسم واحد فقط هو نفسه");
    } else {
        const std::uint64_t n = *magnitude;
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
            // The whole part of the square root, found exactly.
            std::uint64_t k = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
            while (k * k > n)
                --k;
            while ((k + 1) * (k + 1) <= n)
                ++k;
            const double root = std::sqrt(static_cast<double>(n));
            s.line("\\sqrt{", whole(n), "} ", relation(root), " ", written(root));
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
    return num(roundToHundredths(QStringLiteral("العدد"), strictNumber(text), s));
}

} // namespace numbers
