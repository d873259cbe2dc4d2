// Times recording one answer in the pupils' record: one transaction synced
// to the disk, run on the interface thread before the pupil's feedback
// shows, so it must take a few milliseconds at most. Also reading back a
// pupil's answers, as a practice or progress window does when it opens.
// The file is made in a temporary folder (on the disk of TMPDIR).

#include "practice/record.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

practice::Answer answer(int n)
{
    practice::Answer a;
    a.pupil = QStringLiteral("سارة");
    a.section = QStringLiteral("areas");
    a.kind = QStringLiteral("circle-area");
    a.index = n;
    a.right = n % 3 != 0;
    a.at = QDateTime::currentDateTimeUtc();
    return a;
}

void recordAnswer(benchmark::State &state)
{
    QTemporaryDir dir;
    practice::Record record(dir.path());
    int n = 0;
    for (auto _ : state) {
        if (!record.add(answer(n++)))
            state.SkipWithError("the answer was not saved");
    }
}

void readAnswers(benchmark::State &state)
{
    QTemporaryDir dir;
    practice::Record record(dir.path());
    for (int n = 0; n < 1000; ++n)
        record.add(answer(n));
    for (auto _ : state) {
        QList<practice::Answer> all = record.answers(QStringLiteral("سارة"));
        benchmark::DoNotOptimize(all);
    }
}

} // namespace

BENCHMARK(recordAnswer)->Unit(benchmark::kMillisecond);
BENCHMARK(readAnswers)->Unit(benchmark::kMillisecond);

// The SQL driver is a plugin, which Qt loads only inside an application.
int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
