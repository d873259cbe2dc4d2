// Times the prime test on its hardest inputs: the largest prime a double
// holds exactly, a fifteen-digit composite and a number far beyond 2^53. The
// click handler runs the test on the interface thread, so each answer must
// come well inside a millisecond.

#include "numbers/prime.h"

#include <benchmark/benchmark.h>

namespace {
void primeTest(benchmark::State &state, double x)
{
    // Read afresh on every pass, so that no pass can reuse another's work.
    const volatile double input = x;
    bool prime = false;
    for (auto _ : state) {
        prime = numbers::isPrime(input);
        benchmark::DoNotOptimize(prime);
    }
    state.counters["prime"] = prime;
}
} // namespace

BENCHMARK_CAPTURE(primeTest, largest_prime_below_2p53, 9007199254740881.0); // 2^53 - 111
BENCHMARK_CAPTURE(primeTest, fifteen_nines, 999999999999999.0);
BENCHMARK_CAPTURE(primeTest, one_e_300, 1e300);

BENCHMARK_MAIN();
