// Times making an exercise of each section at its hardest level, judging
// a pupil's answer in its longest forms (two roots, a mixed number, more
// digits than asked), and writing an exercise's worked solution (the hints
// and "أرني الحل"). All run on the interface thread when the pupil asks for
// a new exercise or checks one, so each must come well inside a
// millisecond.

#include "practice/answers.h"
#include "practice/exercises.h"
#include "practice/solutions.h"

#include <benchmark/benchmark.h>

namespace {

void makeOne(benchmark::State &state, const char *section)
{
    const QString name = QString::fromLatin1(section);
    int index = 0;
    for (auto _ : state) {
        practice::Exercise e = practice::makeExercise(name, 3, 2026, index++ % 64);
        benchmark::DoNotOptimize(e);
    }
}

void judgeOne(benchmark::State &state, const char *section, int level, const char *typed)
{
    const practice::Exercise e = practice::makeExercise(QString::fromLatin1(section), level, 7, 0);
    const QString text = QString::fromUtf8(typed);
    for (auto _ : state) {
        practice::Judgement j = practice::judge(e, text);
        benchmark::DoNotOptimize(j);
    }
}

void solveOne(benchmark::State &state, const char *section)
{
    const QString name = QString::fromLatin1(section);
    QList<practice::Exercise> exercises;
    for (int index = 0; index < 64; ++index)
        exercises.append(practice::makeExercise(name, 3, 2026, index));
    qsizetype i = 0;
    for (auto _ : state) {
        numtext::Steps steps = practice::solution(exercises[i++ % exercises.size()]);
        benchmark::DoNotOptimize(steps);
    }
}

} // namespace

BENCHMARK_CAPTURE(makeOne, arithmetic, "arithmetic");
BENCHMARK_CAPTURE(makeOne, areas, "areas");
BENCHMARK_CAPTURE(makeOne, volumes, "volumes");
BENCHMARK_CAPTURE(makeOne, conversions, "conversions");
BENCHMARK_CAPTURE(makeOne, trigonometry, "trigonometry");
BENCHMARK_CAPTURE(makeOne, numbers, "numbers");
BENCHMARK_CAPTURE(makeOne, equation, "equation");
BENCHMARK_CAPTURE(makeOne, fractions, "fractions");
BENCHMARK_CAPTURE(judgeOne, roots, "equation", 3, "٧٫٨٧٣٠٧ ، ٠٫١٢٦٩٢");
BENCHMARK_CAPTURE(judgeOne, mixedNumber, "fractions", 2, "٢ و ١٤/٢٤");
BENCHMARK_CAPTURE(judgeOne, decimalComma, "areas", 3, " 54322,4426 ");
BENCHMARK_CAPTURE(judgeOne, notAnswer, "areas", 1, "abc");

BENCHMARK_CAPTURE(solveOne, arithmetic, "arithmetic");
BENCHMARK_CAPTURE(solveOne, volumes, "volumes");
BENCHMARK_CAPTURE(solveOne, trigonometry, "trigonometry");
BENCHMARK_CAPTURE(solveOne, numbers, "numbers");
BENCHMARK_CAPTURE(solveOne, equation, "equation");
BENCHMARK_CAPTURE(solveOne, fractions, "fractions");

BENCHMARK_MAIN();
