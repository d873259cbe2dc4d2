#pragma once
// The worked solution of an exercise, written by the same formulas that
// write a section window's steps, with the exercise's numbers: what the
// pupil reads as hints, one line more each time, and as the solution.

#include "numtext/steps.h"
#include "practice/exercises.h"

namespace practice {

// The steps of the exercise's solution, their last line giving its answer
// (rounded as the exercise asks, where it asks).
numtext::Steps solution(const Exercise &exercise);

// How many lines the hints may show: every line but the last.
inline int hintLines(const numtext::Steps &steps)
{
    return steps.lines().size() > 1 ? int(steps.lines().size()) - 1 : 0;
}

} // namespace practice
