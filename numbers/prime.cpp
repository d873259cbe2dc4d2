#include "numbers/prime.h"

#include <array>
#include <cmath>

namespace numbers {

namespace {
// The first twelve primes: the divisors tried first and, as Miller-Rabin
// bases, enough to decide every number below 3.3 * 10^24 exactly.
constexpr std::array<std::uint32_t, 12> SmallPrimes{2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};

// 2^53: from here on every double is an even whole number.
constexpr double ExactLimit = 9007199254740992.0;

using u128 = unsigned __int128;

std::uint64_t mulMod(std::uint64_t a, std::uint64_t b, std::uint64_t m)
{
    return static_cast<std::uint64_t>(static_cast<u128>(a) * b % m);
}

std::uint64_t powMod(std::uint64_t base, std::uint64_t exponent, std::uint64_t m)
{
    std::uint64_t result = 1;
    base %= m;
    while (exponent > 0) {
        if (exponent & 1)
            result = mulMod(result, base, m);
        base = mulMod(base, base, m);
        exponent >>= 1;
    }
    return result;
}

// n odd, above every base; n - 1 = d * 2^s with d odd. False when the base
// witnesses that n is composite.
bool strongProbablePrime(std::uint64_t n, std::uint64_t d, int s, std::uint64_t base)
{
    std::uint64_t x = powMod(base, d, n);
    if (x == 1 || x == n - 1)
        return true;
    for (int r = 1; r < s; ++r) {
        x = mulMod(x, x, n);
        if (x == n - 1)
            return true;
    }
    return false;
}
} // namespace

bool isPrimeInteger(std::uint64_t n)
{
    for (const std::uint32_t p : SmallPrimes) {
        if (n == p)
            return true;
        if (n % p == 0)
            return false;
    }
    // 0 and 1 fall through the divisions; below 41 * 41 a number without a
    // divisor under 41 is prime.
    if (n < 2)
        return false;
    if (n < 41 * 41)
        return true;
    std::uint64_t d = n - 1;
    int s = 0;
    while ((d & 1) == 0) {
        d >>= 1;
        ++s;
    }
    for (const std::uint32_t base : SmallPrimes) {
        if (!strongProbablePrime(n, d, s, base))
            return false;
    }
    return true;
}

bool isPrime(double x)
{
    // Also false for NaN, which fails every comparison.
    if (!(x >= 2.0 && x < ExactLimit))
        return false;
    if (std::trunc(x) != x)
        return false;
    return isPrimeInteger(static_cast<std::uint64_t>(x));
}

} // namespace numbers
