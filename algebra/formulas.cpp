#include "algebra/formulas.h"

#include "numtext/mixed.h"

#include <cmath>

using namespace numtext;

namespace algebra {

namespace {

using symbol::A;
using symbol::B;
using symbol::C;
using symbol::X;

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
    w.line("= ", num(square), " − ", operand(fourAC));
    const double d = minus(square, fourAC);
    w.line("= ", num(d));
    return d;
}

// Whole numbers the general number format writes in full.
bool wholeInFull(double x) { return std::isfinite(x) && std::trunc(x) == x && std::fabs(x) < 1e15; }

// The fraction n/m in lowest terms, by the greatest common divisor of its
// numbers; nothing when they are not both whole.
void lowestTerms(double n, double m, Steps &s)
{
    if (!wholeInFull(n) || !wholeInFull(m) || m == 0)
        return;
    const auto g = greatestCommonDivisor(std::uint64_t(std::fabs(n)), std::uint64_t(std::fabs(m)));
    const double divisor = double(g);
    s.line("القاسم المشترك الأكبر للعددين ", num(std::fabs(n)), " و ", num(std::fabs(m)), " هو ", num(divisor));
    const QString fraction = QStringLiteral("\\frac{%1}{%2}").arg(num(n), num(m));
    if (g == 1) {
        s.line("فالكسر ", fraction, " في أبسط صورة");
        return;
    }
    s.line("في أبسط صورة: ", fraction, " = \\frac{", num(n), " ÷ ", num(divisor), "}{", num(m), " ÷ ", num(divisor),
           "} = \\frac{", num(n / divisor), "}{", num(m / divisor), "}");
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
    e.read.line(A, " = ", aText, " ، ", B, " = ", e.bText, " ، ", C, " = ", cText);
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
        append(s, e.worked);
        s.fail(QStringLiteral("المميز سالب ولا يوجد جذر تربيعي لعدد سالب: لا يوجد حل لهذه المعادلة"));
        return {Roots::Kind::NoRealRoot, {}, {}};
    }

    // The typed text of a decides between the two degrees.
    if (!isStrictNumber(e.typedA))
        s.fail(QStringLiteral("ما كُتب في مربع أ ليس عددا صحيح الكتابة، فلا تُعرف درجة المعادلة"));
    if (strictNumber(e.typedA) != 0) {
        s.line(A, " لا يساوي 0: المعادلة من الدرجة الثانية");
        append(s, e.worked);
        const double root = squareRoot(e.discriminant);
        s.line("\\sqrt{المميز} = \\sqrt{", num(e.discriminant), "} = ", num(root));
        const double minusB = -e.b;
        const double twiceA = plus(e.a, e.a);
        s.line("−", B, " = ", num(minusB), " ، 2 × ", A, " = ", num(twiceA));
        s.line(X, " = \\frac{−", B, " ± \\sqrt{المميز}}{2 × ", A, "}");
        const double firstTop = plus(minusB, root);
        s.line(X, " = \\frac{", num(minusB), " + ", operand(root), "}{", num(twiceA), "} = \\frac{", num(firstTop),
               "}{", num(twiceA), "}");
        const double first = divide(firstTop, twiceA);
        s.result(X, first);
        const double secondTop = minus(minusB, root);
        s.line(X, " = \\frac{", num(minusB), " − ", operand(root), "}{", num(twiceA), "} = \\frac{", num(secondTop),
               "}{", num(twiceA), "}");
        const double second = divide(secondTop, twiceA);
        s.result(X, second);
        return {Roots::Kind::Two, num(first), num(second)};
    }

    if (e.b == 0) {
        s.line(A, " = 0 و ", B, " = 0: المعادلة تصير ", C, " = 0 أيا كان ", X);
        if (e.c != 0) {
            s.line("لكن ", C, " = ", num(e.c), " لا يساوي 0");
            s.fail(QStringLiteral("لا يوجد حل لهذه المعادلة لأن أ و ب يساويان صفرا والعدد الثابت ليس صفرا"));
            return {Roots::Kind::NoSolution, {}, {}};
        }
        s.line(C, " = 0 أيضا: المساواة 0 = 0 صحيحة");
        s.line("كل عدد هو حل لهذه المعادلة لأن جميع المعاملات تساوي صفرا");
        return {Roots::Kind::EveryNumber, {}, {}};
    }

    s.line(A, " = 0: المعادلة من الدرجة الأولى ", B, X, " + ", C, " = 0");
    s.line(X, " = −", C, " ÷ ", B);
    s.line("= ", num(-e.c), " ÷ ", operand(e.b));
    // b goes into the division as its number text, converted strictly.
    const Mixed root = Mixed(-e.c) / Mixed(e.bText);
    s.result(X, root.number());
    return {Roots::Kind::One, root.text(), {}};
}

Fractions readFractions(const QString &a, const QString &b, const QString &c, const QString &d)
{
    Fractions f;
    const std::array<const QString *, 4> typed{&a, &b, &c, &d};
    for (std::size_t i = 0; i < typed.size(); ++i)
        f.texts[i] = format(leadingNumber(*typed[i]));
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
    s.line("\\frac{", num(f.a), "}{", num(f.b), "}", sign, "\\frac{", num(f.c), "}{", num(f.d), "}");

    if (same(f.texts[3], f.texts[1])) {
        // Equal denominators: the numerators are joined over the first
        // denominator, written as it was typed.
        s.line("المقامان متساويان: المقام الموحد هو المقام نفسه");
        s.line("\\frac{أ}{ب}", sign, "\\frac{جـ}{ب} = \\frac{أ", sign, "جـ}{ب}");
        s.line("= \\frac{", num(f.a), sign, operand(f.c), "}{", num(f.b), "}");
        const double numerator = join(f.a, f.c);
        s.line("البسط = ", num(f.a), sign, operand(f.c));
        s.result(numerator);
        s.resultText(QStringLiteral("المقام"), typedB);
        lowestTerms(numerator, f.b, s);
        return {num(numerator), typedB};
    }

    // Different denominators: their product, never reduced.
    s.line("المقامان مختلفان: المقام الموحد هو حاصل ضربهما");
    s.line("\\frac{أ}{ب}", sign, "\\frac{جـ}{د} = \\frac{أ × د", sign, "ب × جـ}{ب × د}");
    s.line("= \\frac{", num(f.a), " × ", operand(f.d), sign, num(f.b), " × ", operand(f.c), "}{", num(f.b), " × ",
           operand(f.d), "}");
    const double ad = times(f.a, f.d);
    s.line("أ × د = ", num(f.a), " × ", operand(f.d), " = ", num(ad));
    const double bc = times(f.b, f.c);
    s.line("ب × جـ = ", num(f.b), " × ", operand(f.c), " = ", num(bc));
    const double numerator = join(ad, bc);
    s.line("البسط = ", num(ad), sign, operand(bc));
    s.result(numerator);
    s.line("المقام = ", num(f.b), " × ", operand(f.d));
    const double denominator = times(f.b, f.d);
    s.result(denominator);
    lowestTerms(numerator, denominator, s);
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
