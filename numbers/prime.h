#pragma once
// Whether a number is prime, and its smallest prime factor: exact for every
// whole number a double can hold and for every 64-bit unsigned integer, and
// instant for all of them.

#include <cstdint>

namespace numbers {

// A prime is a whole number of at least 2 whose only divisors are 1 and
// itself. Anything else, a fraction, zero, one, a negative number, NaN or an
// infinity, is not prime. Every double from 2^53 upwards is an even whole
// number, so none of them is prime.
bool isPrime(double x);

// The same test on a 64-bit unsigned integer: division by the primes below 41,
// then a Miller-Rabin test with the first twelve primes as bases, which is
// exact for every 64-bit number.
bool isPrimeInteger(std::uint64_t n);

// The smallest prime that divides n: n itself when n is prime, 0 for 0 and 1,
// which have no prime factor of their own. Trial division by the odd numbers
// below 2^10 first, then, for a composite whose factors are all larger,
// Pollard's rho (Brent's form) splits it, and each part is split again until
// only primes are left. Instant for every 64-bit number.
std::uint64_t smallestPrimeFactor(std::uint64_t n);

// a * b mod m for any 64-bit operands and m > 0, without overflow. Uses the
// compiler's 128-bit product where there is one.
std::uint64_t mulMod(std::uint64_t a, std::uint64_t b, std::uint64_t m);

// The same product with 64-bit arithmetic only (doubling and adding), the
// fallback for compilers without a 128-bit product.
std::uint64_t mulModPortable(std::uint64_t a, std::uint64_t b, std::uint64_t m);

} // namespace numbers
