#pragma once
// The working of the keypad calculator, apart from its widgets: the values it
// holds besides its display, and what each key does to them and to the
// display text. A key takes the display text and gives the text the display
// shows next; the window writes it back last.
//
// The display's number is the leading-number parse of the display text; the
// square root, logarithm and percent keys convert the display strictly. Every
// step is guarded arithmetic, so a key that fails throws before it has written
// the value of the failing step.
//
// The worked steps of the keypad are those of the current calculation: the
// window keeps them from key to key, and each key that works something out
// (an operator, "=", a function, a memory key) adds its line to them, the
// memory keys in words. A digit that starts a new number after "=", where
// nothing is carried on (startsNewCalculation()), starts a new calculation.
// "=" in a line holds exactly for the numbers it shows, as on paper; "≈" says
// the value is rounded to the digits shown; where the calculator, counting
// with a limited number of digits, differs from the value worked on paper,
// the paper's value comes first and the calculator's on a line of its own.

#include "numtext/steps.h"

#include <QString>

#include <cstdint>

namespace keypad {

// The operation that "=" applies.
enum Operator : std::int16_t { None = 0, Add = 1, Multiply = 2, Divide = 3, Subtract = 4 };

// The values the calculator keeps apart from its controls. They belong to the
// program's single calculator and outlive its window.
struct Held {
    double running = 0; // 0 counts as no running value for -, * and /
    double memory = 0;
    std::int16_t newEntry = 0; // 1 after "=": the next digit starts a new number
    std::int16_t pending = None;
};

// A digit or the point: starts a new number after "=", then appends the key.
QString digit(Held &held, const QString &display, QChar key);

// +, -, * and /: each folds the display's number into the running value by its
// own operation and becomes the pending operator; the display empties.
// `begun`: an operator key or "=" has worked on in the current calculation
// (a running value of 0 is then a result, not the start).
QString operatorKey(Held &held, const QString &display, Operator key, numtext::Steps &s, bool begun);

// "=": the pending operation on the running value and the display's number
// (the display as it is when none is pending); then the running value is 0 and
// the next digit starts a new number.
QString equals(Held &held, const QString &display, numtext::Steps &s);

// Functions of the display converted strictly. The logarithm and the percent
// leave an empty display as it is; the percent keeps its sign on the display.
QString squareRoot(const QString &display, numtext::Steps &s);
QString logarithm(const QString &display, numtext::Steps &s);
QString percent(const QString &display, numtext::Steps &s);

// The display without its last character (an empty display stays empty).
QString backspace(const QString &display);

// The memory keys that take the display's number (the window then empties
// the display).
void memoryAdd(Held &held, const QString &display, numtext::Steps &s);
void memorySubtract(Held &held, const QString &display, numtext::Steps &s);
void memoryStore(Held &held, const QString &display, numtext::Steps &s);

// The memory written with the general number format.
QString memoryRecall(const Held &held, numtext::Steps &s);

// Clears the memory (the window asks first).
void memoryClear(Held &held, numtext::Steps &s);

// Whether a digit or the point pressed now starts a new calculation: after
// "=", while nothing is carried on in the running value.
bool startsNewCalculation(const Held &held);

} // namespace keypad
