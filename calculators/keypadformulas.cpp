#include "calculators/keypadformulas.h"

#include "numtext/numtext.h"

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

QString operatorKey(Held &held, const QString &display, Operator key)
{
    const double n = leadingNumber(display);
    // Only addition takes a running value of 0 as a number; the others start
    // from the display's number. A key whose computation fails changes
    // nothing, its pending operator included.
    held.running = key == Add || held.running != 0 ? apply(key, held.running, n) : n;
    held.pending = key;
    return QString();
}

QString equals(Held &held, const QString &display)
{
    QString shown = display;
    if (held.pending != None)
        shown = format(apply(Operator(held.pending), held.running, leadingNumber(display)));
    held.running = 0;
    held.newEntry = 1;
    return shown;
}

QString squareRoot(const QString &display) { return format(numtext::squareRoot(strictNumber(display))); }

QString logarithm(const QString &display)
{
    if (isEmpty(display))
        return display;
    return format(divide(naturalLog(strictNumber(display)), naturalLog(10)));
}

QString percent(const QString &display)
{
    if (isEmpty(display))
        return display;
    return format(divide(strictNumber(display), 100)) + QLatin1Char('%');
}

QString backspace(const QString &display) { return display.left(display.size() - 1); }

void memoryAdd(Held &held, const QString &display) { held.memory = plus(leadingNumber(display), held.memory); }

void memorySubtract(Held &held, const QString &display) { held.memory = minus(held.memory, leadingNumber(display)); }

void memoryStore(Held &held, const QString &display) { held.memory = leadingNumber(display); }

QString memoryRecall(const Held &held) { return format(held.memory); }

void memoryClear(Held &held) { held.memory = 0; }

} // namespace keypad
