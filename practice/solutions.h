#pragma once
// The worked solution of an exercise, written by the same formulas that
// write a section window's steps, with the exercise's numbers: what the
// pupil reads as hints, one line more each time, and as the solution.

#include "numtext/steps.h"
#include "practice/exercises.h"

namespace practice {

// The steps of the exercise's solution, their last line giving its answer
// (rounded as the exercise asks, where it asks).
//
// The first line is the method of the kind: its formula or its rule, never
// a line that only repeats the question (where the window's steps open with
// the question's numbers, the rule of the kind comes before them). Then the
// lines are the section window's own for the exercise's numbers typed into
// its boxes, with the π the exercise gives (ط = 3.14), and then:
// - where rounding is asked, a last line with the result rounded half up:
//   "≈ 4.91 وحدة مربعة (مقربا إلى منزلتين عشريتين)";
// - where the answer is exact but binary arithmetic left the window's value
//   a little off it (14.4 − 14.3 gives 0.0999999999999996), a last line
//   with the exact value;
// - trigonometry: the function of the angle in degrees only (not the same
//   number read as radians), ending with "جا 30° = 0.5";
// - the quadratic: the roots as fractions where their decimals do not end;
//   no real root ends with the window's reason, "… لا يوجد حل …";
// - fractions: "الناتج في أبسط صورة = \frac{7}{12}";
// - the trapezoid: the sum of its bases is worked out right after its
//   formula.
// The solution has at least two lines and neither fails nor refuses. Throws
// std::invalid_argument for a section that sets no exercises.
numtext::Steps solution(const Exercise &exercise);

// How many lines the hints may show: every line but the last.
inline int hintLines(const numtext::Steps &steps)
{
    return steps.lines().size() > 1 ? int(steps.lines().size()) - 1 : 0;
}

} // namespace practice
