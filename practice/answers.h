#pragma once
// Reading and judging a pupil's answer to an exercise, without widgets. A
// right answer is never refused for the way it is written: Arabic-Indic or
// Western digits, ٫ . or , as the decimal mark, spaces around, a fraction
// ٣/٤ or a mixed number ٢ و ٧/١٢ wherever a number is asked, the roots of an
// equation in any order, "لا يوجد حل" where there is none.

#include "numtext/digits.h"
#include "practice/exercises.h"

#include <QString>

namespace practice {

enum class Verdict {
    Right,
    RightCanSimplify, // an equivalent fraction where lowest terms were not asked
    Simplify,         // an equivalent fraction where they were: another try, not a wrong mark
    Wrong,
    NotAnswer, // not a number at all ("abc", empty): neither right nor wrong
};

struct Judgement {
    Verdict verdict = Verdict::NotAnswer;
    QString message; // what the pupil is told, its digits in the shape asked
};

// The texts told to the pupil.
extern const QString RightText;      // "أحسنت!"
extern const QString WrongText;      // "ليست صحيحة، حاول مرة أخرى"
extern const QString SimplifyText;   // "قريب: بسّط الكسر"
extern const QString NotAnswerText;  // "اكتب عددا مثل ١٢٫٥ أو ٣/٤"
extern const QString NoSolutionText; // "لا يوجد حل"

// What a pupil's text reads as: its numbers (exact), whether one of them is
// a fraction not in lowest terms, and the decimals written of each.
struct Reading {
    QList<Rational> numbers;
    QList<int> decimals; // -1 for a fraction (exact whatever its digits)
    bool unsimplified = false;
    bool noSolution = false;
};

// Every way the text can be read (a comma between digits is a decimal mark
// or a separator of roots); none when it is not an answer.
QList<Reading> readAnswer(const QString &text);

Judgement judge(const Exercise &exercise, const QString &text,
                numtext::DigitShape shape = numtext::DigitShape::ArabicIndic);

} // namespace practice
