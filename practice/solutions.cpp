#include "practice/solutions.h"

namespace practice {

numtext::Steps solution(const Exercise &exercise)
{
    numtext::Steps steps;
    steps.line(exercise.question);
    steps.line(QStringLiteral("= ") + exercise.answer);
    return steps;
}

} // namespace practice
