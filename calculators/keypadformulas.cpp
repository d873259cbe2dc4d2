#include "calculators/keypadformulas.h"

#include "numtext/decimal.h"
#include "numtext/numtext.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

using namespace numtext;

namespace keypad {

namespace {
// The operation of a key, with the running value r on the left where the
// order matters.
double apply(Operator key, double r, double n)
{
    switch (key) {
    case Add:
        return plus(n, r);
    case Multiply:
        return times(n, r);
    case Divide:
        return divide(r, n);
    case Subtract:
        return minus(r, n);
    case None:
        break;
    }
    return r;
}

const char *sign(Operator key)
{
    switch (key) {
    case Add:
        return " + ";
    case Multiply:
        return " × ";
    case Divide:
        return " ÷ ";
    case Subtract:
        return " − ";
    case None:
        break;
    }
    return " ";
}

// The operation worked on paper with the numbers as the steps write them.
Worked onPaper(Operator key, double r, double n)
{
    const Decimal a = Decimal::shown(r), b = Decimal::shown(n);
    switch (key) {
    case Add:
        return {a + b};
    case Multiply:
        return {a * b};
    case Divide:
        return quotient(a, b);
    case Subtract:
    case None:
        break;
    }
    return {a - b};
}

// Where the calculator puts a value it works out.
enum class Into {
    Display, // the display shows it
    Kept,    // it keeps it out of sight (the running value, the memory)
};

// Ends a line that works out `value` (what the calculator got) from the
// numbers written in it, given the value worked on paper: "= value" when the
// two are the same, "≈ value" when the calculator's is the paper's rounded to
// the digits shown; else the paper's value, and the calculator's on a line
// of its own.
void finish(Steps &s, const QString &worked, const Worked &paper, double value, Into into)
{
    const Decimal calculator = Decimal::shown(value);
    const Decimal rounded = paper.value.rounded(15);
    if (paper.exact && paper.value == calculator) {
        s.line(worked, " = ", written(value));
        return;
    }
    if (rounded == calculator) {
        s.line(worked, " ≈ ", written(value));
        return;
    }
    const bool exact = paper.exact && paper.value.significantDigits() <= 15;
    s.line(worked, exact ? " = " : " ≈ ", writtenText(rounded.text()));
    s.line(into == Into::Display ? "والحاسبة تكتب " : "والحاسبة تحفظ ", written(value),
           ": تحسب بعدد محدود من الأرقام فيظهر فرق صغير في آخرها");
}

// A line where a number read from the display is not the number shown in
// the lines: typed with more than fifteen significant digits.
void roundedReading(const QString &display, double n, Steps &s)
{
    const std::optional<Decimal> typed = Decimal::parse(display);
    if (typed && *typed != Decimal::shown(n))
        s.line(roundedLine(QStringLiteral("العدد على الشاشة"), display, n));
}

// The display's number, with a line where it is not simply the number the
// display shows: an empty display, a text that is not a number on its own.
double displayNumber(const QString &display, Steps &s)
{
    const double n = leadingNumber(display);
    if (isEmpty(display))
        s.line("الشاشة فارغة، فالعدد 0");
    else if (!isStrictNumber(display))
        s.line("العدد على الشاشة: ", leadingNumberLine(n));
    else
        roundedReading(display, n, s);
    return n;
}

// The display converted strictly, with a line where it has more digits than
// the lines show.
double strictDisplay(const QString &display, Steps &s)
{
    const double x = strictNumber(display);
    roundedReading(display, x, s);
    return x;
}

// The decimal logarithm of a shown number worked out far beyond fifteen
// digits (exact for a power of ten), rounded to fifteen.
Worked decimalLog(const Decimal &x)
{
    if (x.isPowerOfTen())
        return {Decimal::whole(x.leadingExponent())};
    const long double value = std::log10(std::strtold(x.text().toLatin1().constData(), nullptr));
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.20Le", value);
    return {Decimal::parse(QString::fromLatin1(digits))->rounded(15), false};
}

QString displayOf(double value) { return format(value); }
} // namespace

QString digit(Held &held, const QString &display, QChar key)
{
    QString shown = display;
    if (held.newEntry == 1) {
        held.newEntry = 0;
        shown.clear();
    }
    return shown + key;
}

bool startsNewCalculation(const Held &held) { return held.newEntry == 1 && held.running == 0; }

QString operatorKey(Held &held, const QString &display, Operator key, Steps &s, bool begun)
{
    const double r = held.running;
    const double n = displayNumber(display, s);
    // Only addition takes a running value of 0 as a number; the others start
    // from the display's number. A key whose computation fails changes
    // nothing, its pending operator included.
    const bool folds = key == Add || r != 0;
    const double next = folds ? apply(key, r, n) : n;
    if (r == 0 && (!begun || held.newEntry == 1))
        s.line(begun ? "نكمل بالعدد " : "نبدأ بالعدد ", written(n));
    else if (!folds)
        s.line("الناتج حتى الآن 0، فتبدأ الحاسبة من جديد بالعدد ", written(n));
    else
        finish(s, firstOperand(r) + QString::fromUtf8(sign(key)) + operand(n), onPaper(key, r, n), next, Into::Kept);
    held.running = next;
    held.pending = key;
    return QString();
}

QString equals(Held &held, const QString &display, Steps &s)
{
    QString shown = display;
    if (held.pending != None) {
        const auto key = Operator(held.pending);
        const double n = displayNumber(display, s);
        const double value = apply(key, held.running, n);
        shown = displayOf(value);
        finish(s, firstOperand(held.running) + QString::fromUtf8(sign(key)) + operand(n), onPaper(key, held.running, n),
               value, Into::Display);
        s.keep(shown);
    } else {
        s.line("لم تختر عملية بعد، فتبقى الشاشة كما هي");
    }
    held.running = 0;
    held.newEntry = 1;
    return shown;
}

QString squareRoot(const QString &display, Steps &s)
{
    const double x = strictDisplay(display, s);
    const double root = numtext::squareRoot(x);
    finish(s, QStringLiteral("\\sqrt{") + written(x) + u'}', numtext::squareRoot(Decimal::shown(x), root), root,
           Into::Display);
    s.keep(displayOf(root));
    return displayOf(root);
}

QString logarithm(const QString &display, Steps &s)
{
    if (isEmpty(display))
        return display;
    const double x = strictDisplay(display, s);
    const double value = divide(naturalLog(x), naturalLog(10));
    finish(s, QStringLiteral("لو ") + operand(x), decimalLog(Decimal::shown(x)), value, Into::Display);
    s.keep(displayOf(value));
    return displayOf(value);
}

QString percent(const QString &display, Steps &s)
{
    if (isEmpty(display))
        return display;
    const double x = strictDisplay(display, s);
    const double value = divide(x, 100);
    finish(s, QStringLiteral("النسبة المئوية: ") + firstOperand(x) + QStringLiteral(" ÷ 100"),
           {Decimal::shown(x).scaled(-2)}, value, Into::Display);
    const QString shown = displayOf(value) + QLatin1Char('%');
    s.keep(shown);
    return shown;
}

QString backspace(const QString &display) { return display.left(display.size() - 1); }

void memoryAdd(Held &held, const QString &display, Steps &s)
{
    const double n = displayNumber(display, s);
    const double memory = plus(n, held.memory);
    finish(s,
           QStringLiteral("نضيف العدد ") + written(n) + QStringLiteral(" إلى الذاكرة: الذاكرة = ")
               + firstOperand(held.memory) + QStringLiteral(" + ") + operand(n),
           onPaper(Add, held.memory, n), memory, Into::Kept);
    held.memory = memory;
}

void memorySubtract(Held &held, const QString &display, Steps &s)
{
    const double n = displayNumber(display, s);
    const double memory = minus(held.memory, n);
    finish(s,
           QStringLiteral("نطرح العدد ") + written(n) + QStringLiteral(" من الذاكرة: الذاكرة = ")
               + firstOperand(held.memory) + QStringLiteral(" − ") + operand(n),
           onPaper(Subtract, held.memory, n), memory, Into::Kept);
    held.memory = memory;
}

void memoryStore(Held &held, const QString &display, Steps &s)
{
    held.memory = displayNumber(display, s);
    s.line("نحفظ العدد ", written(held.memory), " في الذاكرة: الذاكرة = ", written(held.memory));
}

QString memoryRecall(const Held &held, Steps &s)
{
    s.line("نستدعي العدد الذي في الذاكرة إلى الشاشة: الشاشة = ", written(held.memory));
    s.keep(displayOf(held.memory));
    return displayOf(held.memory);
}

void memoryClear(Held &held, Steps &s)
{
    held.memory = 0;
    s.line("نمسح الذاكرة: الذاكرة = 0");
}

} // namespace keypad
