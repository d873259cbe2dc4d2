#include "algebra/formulas.h"

#include "numtext/mixed.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>

using namespace numtext;

namespace algebra {

namespace {

using symbol::A;
using symbol::B;
using symbol::C;
using symbol::X;

// "≈" when any of the values is written rounded, else "=".
QString relationOf(std::initializer_list<double> values)
{
    for (const double v : values)
        if (isRounded(v))
            return QStringLiteral("≈");
    return QStringLiteral("=");
}

// The parabola of a quadratic equation, without its roots.
numtext::Figure parabola(const Equation &e)
{
    numtext::Figure f{QStringLiteral("parabola"), {}};
    f.set(QStringLiteral("a"), e.a).set(QStringLiteral("b"), e.b).set(QStringLiteral("c"), e.c);
    return f;
}

void append(Steps &to, const Steps &from)
{
    for (const QString &l : from.lines())
        to.line(l);
}

// b² − 4ac in the order the window computes it: b × b, then (a × 4) × c,
// each product rounded before the next step.
double discriminantOf(double a, double b, double c, Steps &w)
{
    w.line("المميز = ", B, "^{2} − 4 × ", A, " × ", C);
    w.line("= ", power(b, QStringLiteral("2")), " − 4 × ", operand(a), " × ", operand(c));
    const double square = times(b, b);
    const double fourAC = times(times(a, 4), c);
    w.line(relationOf({square, fourAC}), " ", written(square), " − ", operand(fourAC));
    const double d = minus(square, fourAC);
    // 1 − 4 × 10^{−20} comes out 1: the smaller number is lost.
    const bool lost = (fourAC != 0 && d == square) || (square != 0 && d == -fourAC);
    w.line(lost ? QStringLiteral("≈") : relation(d), " ", written(d));
    return d;
}

// a·x² + b·x + c = 0 with its numbers, as a pupil writes it: no term with a
// zero coefficient, no coefficient 1, the sign of each term between them
// (x² − 3x + 2 = 0).
QString equationText(double a, double b, double c)
{
    QString text;
    auto term = [&text](double k, const QString &unknown) {
        if (k == 0)
            return;
        const bool negative = std::signbit(k);
        if (text.isEmpty())
            text += negative ? QString(MinusSign) : QString();
        else
            text += negative ? QStringLiteral(" − ") : QStringLiteral(" + ");
        const double size = std::fabs(k);
        QString digits = written(size);
        if (digits.contains(u'×') && !unknown.isEmpty())
            digits = u'(' + digits + u')';
        text += (size == 1 && !unknown.isEmpty() ? QString() : digits) + unknown;
    };
    term(a, X + QStringLiteral("^{2}"));
    term(b, X);
    term(c, QString());
    return (text.isEmpty() ? QStringLiteral("0") : text) + QStringLiteral(" = 0");
}

// Whole numbers the general number format writes in full.
bool wholeInFull(double x) { return std::isfinite(x) && std::trunc(x) == x && std::fabs(x) < 1e15; }

// "\frac{n}{m}", or the whole number n when m is 1.
QString fractionText(double n, double m)
{
    if (m == 1)
        return written(n);
    return QStringLiteral("\\frac{") + written(n) + QStringLiteral("}{") + written(m) + u'}';
}

// After the steps have reached the boxes' fraction n/m: a separate remark
// that writes it in lowest terms by the greatest common divisor, with the
// sign on the numerator, a whole number as such and an improper fraction as
// a mixed number too.
void lowestTerms(double n, double m, Steps &s)
{
    if (m == 0)
        return;
    if (!wholeInFull(n) || !wholeInFull(m)) {
        s.line("البسط أو المقام ليس عددا صحيحا، فلا يبسط الكسر بالقسمة على قاسم مشترك لعددين صحيحين");
        return;
    }
    const auto g = greatestCommonDivisor(std::uint64_t(std::fabs(n)), std::uint64_t(std::fabs(m)));
    const double divisor = double(g);
    const double sign = m < 0 ? -1.0 : 1.0;
    const double top = sign * n / divisor, bottom = std::fabs(m) / divisor;
    if (g == 1 && m > 0 && m != 1) {
        s.line("والكسر ", fractionText(n, m), " في أبسط صورة");
    } else {
        QString line = QStringLiteral("ويمكن كتابته في أبسط صورة: ") + fractionText(n, m);
        if (g != 1) {
            s.line("القاسم المشترك الأكبر للعددين ", written(std::fabs(n)), " و ", written(std::fabs(m)), " هو ",
                   written(divisor));
            line += QStringLiteral(" = \\frac{") + written(n) + QStringLiteral(" ÷ ") + written(divisor)
                    + QStringLiteral("}{") + written(m) + QStringLiteral(" ÷ ") + written(divisor) + u'}';
        }
        s.line(line, " = ", fractionText(top, bottom));
    }
    // An improper fraction as a mixed number too.
    if (bottom != 1 && std::fabs(top) > bottom) {
        const double whole = std::trunc(std::fabs(top) / bottom);
        const QString mixed = written(whole) + QStringLiteral(" و ")
                              + fractionText(std::fabs(top) - whole * bottom, bottom);
        s.line(fractionText(top, bottom), " = ", top < 0 ? QString(MinusSign) + u'(' + mixed + u')' : mixed);
    }
}

// Where the denominators are whole and their least common multiple is
// smaller than their product, the shorter way over that multiple, as a
// remark after the window's own way (3/4 − 1/6 over 12 rather than 24).
void leastCommonDenominator(const Fractions &f, bool adding, Steps &s)
{
    // Small whole numbers, so that every product below is exact.
    const auto small = [](double x) { return std::trunc(x) == x && std::fabs(x) < 1e7; };
    if (!small(f.a) || !small(f.b) || !small(f.c) || !small(f.d) || f.b <= 0 || f.d <= 0)
        return;
    const auto b = std::uint64_t(f.b), d = std::uint64_t(f.d);
    const std::uint64_t g = greatestCommonDivisor(b, d);
    if (g == 1)
        return;
    const std::uint64_t multiple = b / g * d;
    const double common = double(multiple);
    const std::uint64_t widenB = multiple / b, widenD = multiple / d;
    const double byB = double(widenB), byD = double(widenD);
    const double first = f.a * byB, second = f.c * byD;
    const double top = adding ? first + second : first - second;
    const QString sign = adding ? QStringLiteral(" + ") : QStringLiteral(" − ");
    // "\frac{n × k}{m × k}", or the fraction itself when k is 1.
    const auto widened = [](double n, double m, double k) {
        return k == 1 ? fractionText(n, m)
                      : QStringLiteral("\\frac{") + written(n) + QStringLiteral(" × ") + written(k)
                            + QStringLiteral("}{") + written(m) + QStringLiteral(" × ") + written(k) + u'}';
    };
    const auto bracketed = [](double n, const QString &fraction) { return n < 0 ? u'(' + fraction + u')' : fraction; };
    s.line("وبطريقة أقصر: المضاعف المشترك الأصغر للمقامين ", written(f.b), " و ", written(f.d), " هو ", written(common),
           "، فهو المقام الموحد بدل ", written(f.b * f.d));
    s.line(fractionText(f.a, f.b), sign, bracketed(f.c, fractionText(f.c, f.d)), " = ", widened(f.a, f.b, byB), sign,
           bracketed(f.c, widened(f.c, f.d, byD)), " = ", fractionText(first, common), sign,
           bracketed(second, fractionText(second, common)), " = ", fractionText(top, common));
}

} // namespace

Equation readEquation(const QString &a, const QString &b, const QString &c, Steps &s)
{
    Equation e;
    e.typedA = a;
    const QString aText = format(leadingNumber(a));
    e.bText = format(leadingNumber(b));
    const QString cText = format(leadingNumber(c));
    e.a = strictNumber(aText);
    e.b = strictNumber(e.bText);
    e.c = strictNumber(cText);
    e.read.line("المعادلة: ", equationText(e.a, e.b, e.c));
    e.read.line(A, " = ", written(e.a), " ، ", B, " = ", written(e.b), " ، ", C, " = ", written(e.c));
    // A coefficient read from a text that is not a number on its own.
    if (!isStrictNumber(b))
        e.read.line(B, ": ", leadingNumberLine(e.b));
    if (!isStrictNumber(c))
        e.read.line(C, ": ", leadingNumberLine(e.c));
    try {
        e.discriminant = discriminantOf(e.a, e.b, e.c, e.worked);
    } catch (const ComputationFailure &) {
        append(s, e.read);
        append(s, e.worked);
        throw;
    }
    return e;
}

Roots solveEquation(const Equation &e, Steps &s)
{
    append(s, e.read);
    if (e.discriminant < 0) {
        // Only a quadratic equation has a discriminant below zero.
        s.line(A, " لا يساوي 0: المعادلة من الدرجة الثانية");
        append(s, e.worked);
        s.fail(QStringLiteral("المميز سالب ولا يوجد جذر تربيعي لعدد سالب: لا يوجد حل لهذه المعادلة"));
        s.figure(parabola(e));
        return {Roots::Kind::NoRealRoot, {}, {}};
    }

    // The typed text of a decides between the two degrees.
    if (!isStrictNumber(e.typedA))
        s.fail(QStringLiteral("ما كُتب في مربع أ ليس عددا صحيح الكتابة، فلا تُعرف درجة المعادلة"));
    if (strictNumber(e.typedA) != 0) {
        s.figure(parabola(e));
        s.line(A, " لا يساوي 0: المعادلة من الدرجة الثانية");
        append(s, e.worked);
        const double root = squareRoot(e.discriminant);
        s.line("\\sqrt{المميز} = \\sqrt{", written(e.discriminant), "} ", relation(root), " ", written(root));
        if (e.discriminant == 0)
            s.line("المميز = 0: للمعادلة جذر مكرر");
        const double minusB = -e.b;
        const double twiceA = plus(e.a, e.a);
        // The root whose formula would subtract two nearly equal numbers is
        // taken from the other one: x1 × x2 = c ÷ a gives it as
        // 2c ÷ (−b ∓ √D), with no such subtraction.
        const bool bNegative = e.b < 0;
        const QString sign = bNegative ? QStringLiteral(" + ") : QStringLiteral(" − ");
        const QString named = bNegative ? QStringLiteral("س١") : QStringLiteral("س٢");
        const QString other = bNegative ? QStringLiteral("س٢") : QStringLiteral("س١");
        s.line(named, " = \\frac{−", B, sign, "\\sqrt{المميز}}{2 × ", A, "}");
        s.line(relation(root), " \\frac{", written(minusB), sign, operand(root), "}{2 × ", operand(e.a), "}");
        const double top = bNegative ? plus(minusB, root) : minus(minusB, root);
        double near = 0, far = 0;
        if (top == 0) {
            // b = 0 and D = 0, so c = 0: a·x² = 0.
            s.line("= \\frac{0}{", written(twiceA), "}");
            s.line("= 0");
            s.line(B, " = 0 و ", C, " = 0: المعادلة ", A, X, "^{2} = 0 وجذرها 0 مكرر: ", other, " = 0");
        } else {
            s.line(relationOf({top, twiceA}), " \\frac{", written(top), "}{", written(twiceA), "}");
            far = divide(top, twiceA);
            s.line(relation(far), " ", written(far));
            s.line("حتى لا يطرح عددان متقاربان يحسب الجذر الآخر من أن حاصل ضرب الجذرين = \\frac{", C, "}{", A, "}:");
            s.line(other, " = \\frac{2 × ", C, "}{−", B, sign, "\\sqrt{المميز}}");
            s.line(relation(top), " \\frac{2 × ", operand(e.c), "}{", written(top), "}");
            const double twiceC = times(2, e.c);
            s.line(relationOf({twiceC, top}), " \\frac{", written(twiceC), "}{", written(top), "}");
            near = divide(twiceC, top);
            s.line(relation(near), " ", written(near));
        }
        const double first = bNegative ? far : near;
        const double second = bNegative ? near : far;
        const QString set = num(first) == num(second) ? written(first) : written(first) + " ، " + written(second);
        s.line("مجموعة الحل = {", set, "}");
        s.keep(num(first)).keep(num(second));
        numtext::Figure withRoots = parabola(e);
        withRoots.set(QStringLiteral("x1"), first).set(QStringLiteral("x2"), second);
        s.figure(std::move(withRoots));
        return {Roots::Kind::Two, num(first), num(second)};
    }

    if (e.b == 0) {
        s.line(A, " = 0 و ", B, " = 0: المعادلة تصير ", C, " = 0 أيا كان ", X);
        if (e.c != 0) {
            s.line("لكن ", C, " = ", written(e.c), " لا يساوي 0");
            s.fail(QStringLiteral("لا يوجد حل لهذه المعادلة لأن أ و ب يساويان صفرا والعدد الثابت ليس صفرا"));
            return {Roots::Kind::NoSolution, {}, {}};
        }
        s.line(C, " = 0 أيضا: المساواة 0 = 0 صحيحة");
        s.line("كل عدد هو حل لهذه المعادلة لأن جميع المعاملات تساوي صفرا");
        return {Roots::Kind::EveryNumber, {}, {}};
    }

    s.line(A, " = 0: المعادلة من الدرجة الأولى ", B, X, " + ", C, " = 0");
    s.line(X, " = −", C, " ÷ ", B);
    s.line("= ", written(-e.c), " ÷ ", operand(e.b));
    // b goes into the division as its number text, converted strictly.
    const Mixed root = Mixed(-e.c) / Mixed(e.bText);
    s.result(root.number());
    s.line("مجموعة الحل = {", written(root.number()), "}");
    return {Roots::Kind::One, root.text(), {}};
}

Fractions readFractions(const QString &a, const QString &b, const QString &c, const QString &d)
{
    Fractions f;
    const std::array<const QString *, 4> typed{&a, &b, &c, &d};
    for (std::size_t i = 0; i < typed.size(); ++i) {
        f.typed[i] = *typed[i];
        f.texts[i] = format(leadingNumber(*typed[i]));
    }
    f.a = leadingNumber(f.texts[0]);
    f.b = leadingNumber(f.texts[1]);
    f.c = leadingNumber(f.texts[2]);
    f.d = leadingNumber(f.texts[3]);
    return f;
}

FractionResult combineFractions(const Fractions &f, FractionOperation operation, const QString &typedB, Steps &s)
{
    const bool adding = operation == FractionOperation::Add;
    const QString sign = adding ? QStringLiteral(" + ") : QStringLiteral(" − ");
    const auto join = adding ? &plus : &minus;
    const bool bracket = f.c < 0 || f.d < 0;
    // A box read from a text that is not a number on its own.
    static const std::array<const char16_t *, 4> names{u"البسط رقم 1", u"المقام رقم 1", u"البسط رقم 2",
                                                       u"المقام رقم 2"};
    for (std::size_t i = 0; i < f.typed.size(); ++i)
        if (!f.typed[i].isEmpty() && !isStrictNumber(f.typed[i]))
            s.line(QString::fromUtf16(names[i]), ": ", leadingNumberLine(leadingNumber(f.texts[i])));
    numtext::Figure bars{QStringLiteral("fractions"), {}};
    bars.set(QStringLiteral("a"), f.a).set(QStringLiteral("b"), f.b).set(QStringLiteral("c"), f.c);
    bars.set(QStringLiteral("d"), f.d).set(QStringLiteral("sign"), adding ? 1 : -1);
    s.figure(bars);
    s.line("\\frac{", written(f.a), "}{", written(f.b), "}", sign, bracket ? "(" : "", "\\frac{", written(f.c), "}{",
           written(f.d), "}", bracket ? ")" : "");

    if (same(f.texts[3], f.texts[1])) {
        // Equal denominators: the numerators are joined over the first
        // denominator, written as it was typed.
        s.line("المقامان متساويان: المقام الموحد هو المقام نفسه");
        s.line("\\frac{أ}{ب}", sign, "\\frac{جـ}{ب} = \\frac{أ", sign, "جـ}{ب}");
        s.line("= \\frac{", firstOperand(f.a), sign, operand(f.c), "}{", written(f.b), "}");
        const double numerator = join(f.a, f.c);
        s.line("البسط = ", firstOperand(f.a), sign, operand(f.c));
        s.result(numerator);
        s.resultText(QStringLiteral("المقام"), typedB);
        s.line("الناتج = \\frac{", written(numerator), "}{", writtenText(typedB.trimmed()), "}");
        s.figure(bars.set(QStringLiteral("n"), numerator).set(QStringLiteral("m"), f.b));
        lowestTerms(numerator, f.b, s);
        return {num(numerator), typedB};
    }

    // Different denominators: their product, never reduced.
    s.line("المقامان مختلفان: المقام الموحد هو حاصل ضربهما");
    s.line("\\frac{أ}{ب}", sign, "\\frac{جـ}{د} = \\frac{أ × د", sign, "ب × جـ}{ب × د}");
    s.line("= \\frac{", firstOperand(f.a), " × ", operand(f.d), sign, firstOperand(f.b), " × ", operand(f.c), "}{",
           firstOperand(f.b), " × ", operand(f.d), "}");
    const double ad = times(f.a, f.d);
    s.line("أ × د = ", firstOperand(f.a), " × ", operand(f.d), " ", relation(ad), " ", written(ad));
    const double bc = times(f.b, f.c);
    s.line("ب × جـ = ", firstOperand(f.b), " × ", operand(f.c), " ", relation(bc), " ", written(bc));
    const double numerator = join(ad, bc);
    s.line("البسط = ", firstOperand(ad), sign, operand(bc));
    s.result(numerator);
    s.line("المقام = ", firstOperand(f.b), " × ", operand(f.d));
    const double denominator = times(f.b, f.d);
    s.result(denominator);
    s.line("الناتج = \\frac{", written(numerator), "}{", written(denominator), "}");
    s.figure(bars.set(QStringLiteral("n"), numerator).set(QStringLiteral("m"), denominator));
    lowestTerms(numerator, denominator, s);
    leastCommonDenominator(f, adding, s);
    return {num(numerator), num(denominator)};
}

std::uint64_t greatestCommonDivisor(std::uint64_t x, std::uint64_t y)
{
    while (y != 0) {
        const std::uint64_t r = x % y;
        x = y;
        y = r;
    }
    return x;
}

} // namespace algebra
