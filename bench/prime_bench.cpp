// Times the prime test and the search for the smallest prime factor on their
// hardest inputs: the largest prime a double holds exactly, a fifteen-digit
// composite, a number far beyond 2^53, and for the factor the composites whose
// smallest prime factor is as large as it gets below 2^53 (two primes near
// 2^26.5, the square of one, two primes near 2^26, the cube of a prime near
// 2^17.7) and the products of two primes near 2^32 beyond the doubles. The
// click handler runs both on the interface thread, so each answer must come
// well inside a millisecond.

#include "numbers/prime.h"

#include <benchmark/benchmark.h>

#include <cstdint>

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

void smallestFactor(benchmark::State &state, std::uint64_t n)
{
    const volatile std::uint64_t input = n;
    std::uint64_t factor = 0;
    for (auto _ : state) {
        factor = numbers::smallestPrimeFactor(input);
        benchmark::DoNotOptimize(factor);
    }
    state.counters["factor"] = double(factor);
}
} // namespace

BENCHMARK_CAPTURE(primeTest, largest_prime_below_2p53, 9007199254740881.0); // 2^53 - 111
BENCHMARK_CAPTURE(primeTest, fifteen_nines, 999999999999999.0);
BENCHMARK_CAPTURE(primeTest, one_e_300, 1e300);

BENCHMARK_CAPTURE(smallestFactor, largest_prime_below_2p53, std::uint64_t(9007199254740881));
BENCHMARK_CAPTURE(smallestFactor, two_primes_near_2p26_5, std::uint64_t(9007195909437503)); // 94906247 * 94906249
// 94906249^2
BENCHMARK_CAPTURE(smallestFactor, square_of_a_prime_near_2p26_5, std::uint64_t(9007196099250001));
BENCHMARK_CAPTURE(smallestFactor, two_primes_near_2p26, std::uint64_t(4503597479886983));        // 67108837 * 67108859
BENCHMARK_CAPTURE(smallestFactor, cube_of_a_prime_near_2p17_7, std::uint64_t(9006312171561193)); // 208057^3
BENCHMARK_CAPTURE(smallestFactor, two_to_53_minus_1, std::uint64_t(9007199254740991)); // 6361 * 69431 * 20394401
BENCHMARK_CAPTURE(smallestFactor, first_prime_past_the_divisions_squared, std::uint64_t(1031 * 1031));
BENCHMARK_CAPTURE(smallestFactor, two_primes_near_2p32,
                  std::uint64_t(18446743979220271189ULL)); // (2^32 - 5)(2^32 - 17)
BENCHMARK_CAPTURE(smallestFactor, largest_64_bit_prime, std::uint64_t(18446744073709551557ULL));

BENCHMARK_MAIN();
