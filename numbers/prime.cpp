#include "numbers/prime.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#if defined(_MSC_VER) && defined(_M_X64) && !defined(__clang__)
#include <intrin.h>
#endif

namespace numbers {

namespace {
// The first twelve primes: the divisors tried first and, as Miller-Rabin
// bases, enough to decide every number below 3.3 * 10^24 exactly.
constexpr std::array<std::uint32_t, 12> SmallPrimes{2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};

// 2^53: from here on every double is an even whole number.
constexpr double ExactLimit = 9007199254740992.0;

// x + y mod m for x, y below m, without overflow.
std::uint64_t addMod(std::uint64_t x, std::uint64_t y, std::uint64_t m) { return x >= m - y ? x - (m - y) : x + y; }

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

std::uint64_t mulModPortable(std::uint64_t a, std::uint64_t b, std::uint64_t m)
{
    a %= m;
    b %= m;
    std::uint64_t result = 0;
    while (b > 0) {
        if (b & 1)
            result = addMod(result, a, m);
        a = addMod(a, a, m);
        b >>= 1;
    }
    return result;
}

std::uint64_t mulMod(std::uint64_t a, std::uint64_t b, std::uint64_t m)
{
#if defined(__SIZEOF_INT128__)
    return static_cast<std::uint64_t>(static_cast<unsigned __int128>(a) * b % m);
#elif defined(_MSC_VER) && defined(_M_X64) && !defined(__clang__)
    // The 128-bit product and its remainder; the high half is below m once
    // a is reduced, so the division cannot overflow.
    std::uint64_t high = 0;
    const std::uint64_t low = _umul128(a % m, b, &high);
    std::uint64_t remainder = 0;
    _udiv128(high, low, m, &remainder);
    return remainder;
#else
    return mulModPortable(a, b, m);
#endif
}

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
    if (n < std::uint64_t{41} * 41)
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

namespace {
// Odd divisors below this are tried one by one before the rho method.
constexpr std::uint64_t TrialLimit = 1024;

#if defined(__SIZEOF_INT128__)
// Products modulo an odd n in Montgomery's form: a * b / 2^64 mod n, with
// one 128-bit product and no division. The rho walk below needs no more: its
// map x -> x * x / 2^64 + c is as good a walk as x -> x^2 + c, and dividing
// by 2^64, which is prime to n, leaves every gcd with n as it was.
class Montgomery {
public:
    explicit Montgomery(std::uint64_t n) : n_(n), inverse_(n)
    {
        // n * n = 1 mod 8 for an odd n; each Newton step doubles the bits of
        // n's inverse modulo 2^64 that are right.
        for (int i = 0; i < 5; ++i)
            inverse_ *= 2 - n * inverse_;
    }
    // For a, b below n; the result is below n.
    std::uint64_t operator()(std::uint64_t a, std::uint64_t b) const
    {
        const unsigned __int128 t = static_cast<unsigned __int128>(a) * b;
        const std::uint64_t m = static_cast<std::uint64_t>(t) * inverse_;
        // t - m * n is a multiple of 2^64 between -n * 2^64 and n * 2^64.
        const auto high = static_cast<std::uint64_t>(t >> 64);
        const auto mn = static_cast<std::uint64_t>((static_cast<unsigned __int128>(m) * n_) >> 64);
        return high >= mn ? high - mn : high - mn + n_;
    }

private:
    std::uint64_t n_;
    std::uint64_t inverse_;
};
#endif

// A factor of n other than 1 and n, for n odd and composite: Pollard's rho
// with Brent's cycle search. The walk x -> x^2 + c (mod n) repeats modulo an
// unknown prime p of n after about sqrt(p) steps; the gcd of the distance
// between two of its points with n then holds p. The distances are multiplied
// together and one gcd is taken for a batch of them; a batch that ran past the
// factor (the gcd is n) is walked again step by step, and a walk that meets
// all of n's primes at once starts again with another c.
std::uint64_t rhoFactor(std::uint64_t n)
{
#if defined(__SIZEOF_INT128__)
    const Montgomery times(n);
#else
    const auto times = [n](std::uint64_t a, std::uint64_t b) { return mulMod(a, b, n); };
#endif
    constexpr std::uint64_t Batch = 128;
    for (std::uint64_t c = 1;; ++c) {
        const auto step = [&times, n, c](std::uint64_t v) { return addMod(times(v, v), c, n); };
        const auto distance = [](std::uint64_t a, std::uint64_t b) { return a > b ? a - b : b - a; };
        std::uint64_t y = 2, x = 2, saved = 2, product = 1, g = 1;
        for (std::uint64_t length = 1; g == 1; length *= 2) {
            x = y;
            for (std::uint64_t i = 0; i < length; ++i)
                y = step(y);
            for (std::uint64_t done = 0; done < length && g == 1; done += Batch) {
                saved = y;
                const std::uint64_t count = std::min(Batch, length - done);
                for (std::uint64_t i = 0; i < count; ++i) {
                    y = step(y);
                    product = times(product, distance(x, y));
                }
                g = std::gcd(product, n);
            }
        }
        if (g == n) {
            // Walk the last batch again one step at a time.
            do {
                saved = step(saved);
                g = std::gcd(distance(x, saved), n);
            } while (g == 1);
        }
        if (g != n)
            return g;
    }
}

// The smallest prime factor of n >= 2 when no prime below TrialLimit divides
// it: n when it is prime, else the smaller of the two parts' own.
std::uint64_t smallestLargePrimeFactor(std::uint64_t n)
{
    if (isPrimeInteger(n))
        return n;
    const std::uint64_t f = rhoFactor(n);
    return std::min(smallestLargePrimeFactor(f), smallestLargePrimeFactor(n / f));
}
} // namespace

std::uint64_t smallestPrimeFactor(std::uint64_t n)
{
    if (n < 2)
        return 0;
    if (n % 2 == 0)
        return 2;
    for (std::uint64_t d = 3; d < TrialLimit; d += 2) {
        if (d * d > n)
            return n;
        if (n % d == 0)
            return d;
    }
    return smallestLargePrimeFactor(n);
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
