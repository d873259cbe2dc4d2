#pragma once
// The algebra windows' calculations without their widgets: the roots of an
// equation and the sum or difference of two fractions, each computed as its
// window computes it and written out as worked steps on the way.

#include "numtext/steps.h"

#include <QString>

#include <array>
#include <cstdint>

namespace algebra {

// a·x² + b·x + c = 0 as the equation window reads its three boxes: each
// coefficient is the box's leading number rounded to 15 significant digits,
// and the discriminant b² − 4ac is computed at once, before any box is
// tested.
struct Equation {
    QString typedA; // a as typed: whether the equation is quadratic is decided by it
    QString bText;  // b in the general number format
    double a = 0, b = 0, c = 0;
    double discriminant = 0;
    // The coefficients and the discriminant worked out, kept for the steps
    // of a solve that needs them.
    numtext::Steps read, worked;
};

// Reads the coefficients and computes the discriminant; writes nothing into
// the steps unless the discriminant fails, which ends them.
Equation readEquation(const QString &a, const QString &b, const QString &c, numtext::Steps &s);

// What a solve comes to.
struct Roots {
    enum class Kind {
        Two,         // a quadratic equation: both roots (equal when D = 0)
        One,         // a linear equation: its root
        NoRealRoot,  // a negative discriminant
        NoSolution,  // a = b = 0 and c not 0
        EveryNumber, // a = b = c = 0
    };
    Kind kind = Kind::NoRealRoot;
    QString first, second; // the texts of the root boxes
};

// Solves a read equation: the quadratic test on a's typed text (a text that
// is not a number fails there), the roots by the formula, or the linear root
// −c ÷ b.
Roots solveEquation(const Equation &e, numtext::Steps &s);

// Two fractions a/b and c/d as the fractions window reads its four boxes:
// each operand its leading number rounded to 15 significant digits.
struct Fractions {
    std::array<QString, 4> typed; // a, b, c, d as typed
    std::array<QString, 4> texts; // a, b, c, d in the general number format
    double a = 0, b = 0, c = 0, d = 0;
};
Fractions readFractions(const QString &a, const QString &b, const QString &c, const QString &d);

enum class FractionOperation { Add, Subtract };

// The result fraction, never reduced: its numerator's and denominator's
// texts as the result boxes take them.
struct FractionResult {
    QString numerator, denominator;
};

// The sum or difference over a common denominator: with equal denominators
// the numerators are joined over the first denominator as it was typed
// (typedB), else over the product of the denominators. The steps reach the
// boxes' fraction, then say as separate remarks how it reads in lowest terms
// (and as a mixed number), and, where the least common multiple of the
// denominators is smaller than their product, the shorter way over it.
FractionResult combineFractions(const Fractions &f, FractionOperation operation, const QString &typedB,
                                numtext::Steps &s);

// The greatest common divisor of two whole numbers (gcd(0, 0) = 0).
std::uint64_t greatestCommonDivisor(std::uint64_t x, std::uint64_t y);

} // namespace algebra
