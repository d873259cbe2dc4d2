// The prime test: whole numbers of at least 2 only, exact for every double
// and every 64-bit integer, including the composites that fool a Miller-Rabin
// test with too few bases and the products whose squares overflow 64 bits;
// the smallest prime factor, where trial division hands over to the rho
// method (products of two large primes, squares and cubes of primes); and the
// modular product under them, both the compiler's 128-bit one and the 64-bit
// fallback other compilers get.

#include "numbers/prime.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

Q_DECLARE_METATYPE(std::uint64_t)

class PrimeTest : public QObject {
    Q_OBJECT
private slots:
    void doubles_data();
    void doubles();
    void integers_data();
    void integers();
    void agreesWithTrialDivisionBelowTenThousand();
    void smallestFactor_data();
    void smallestFactor();
    void smallestFactorAgreesWithTrialDivision();
    void smallestFactorOfProductsOfTwoLargePrimes();
    void mulMod_data();
    void mulMod();
    void mulModFallbackAgreesOnRandomOperands();
};

void PrimeTest::doubles_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<bool>("prime");
    QTest::newRow("2") << 2.0 << true;
    QTest::newRow("3") << 3.0 << true;
    QTest::newRow("5") << 5.0 << true;
    QTest::newRow("97") << 97.0 << true;
    QTest::newRow("4") << 4.0 << false;
    QTest::newRow("9") << 9.0 << false;
    QTest::newRow("15") << 15.0 << false;
    QTest::newRow("0") << 0.0 << false;
    QTest::newRow("-0") << -0.0 << false;
    QTest::newRow("1") << 1.0 << false;
    QTest::newRow("-7") << -7.0 << false;
    QTest::newRow("-2") << -2.0 << false;
    QTest::newRow("7.5") << 7.5 << false;
    QTest::newRow("2.5 between two primes") << 2.5 << false;
    QTest::newRow("just above 3") << std::nextafter(3.0, 4.0) << false;
    QTest::newRow("just below 2") << std::nextafter(2.0, 1.0) << false;
    QTest::newRow("37, the last divisor") << 37.0 << true;
    QTest::newRow("41, the first prime past the divisors") << 41.0 << true;
    QTest::newRow("37 squared") << 1369.0 << false;
    QTest::newRow("41 squared") << 1681.0 << false;
    QTest::newRow("41 * 43") << 1763.0 << false;
    QTest::newRow("Carmichael 561") << 561.0 << false;
    QTest::newRow("65537") << 65537.0 << true;
    QTest::newRow("1000000007") << 1000000007.0 << true;
    QTest::newRow("largest prime below 2^53") << 9007199254740881.0 << true;
    QTest::newRow("another prime near 2^53") << 9007199254740847.0 << true;
    QTest::newRow("2^53 - 1") << 9007199254740991.0 << false;
    QTest::newRow("999999999999999") << 999999999999999.0 << false;
    QTest::newRow("2^53") << 9007199254740992.0 << false;
    QTest::newRow("2^53 + 2") << 9007199254740994.0 << false;
    QTest::newRow("1E+300") << 1e300 << false;
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << false;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false;
    QTest::newRow("-infinity") << -std::numeric_limits<double>::infinity() << false;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << false;
}

void PrimeTest::doubles()
{
    QFETCH(double, x);
    QFETCH(bool, prime);
    QCOMPARE(numbers::isPrime(x), prime);
}

void PrimeTest::integers_data()
{
    QTest::addColumn<std::uint64_t>("n");
    QTest::addColumn<bool>("prime");
    QTest::newRow("0") << std::uint64_t(0) << false;
    QTest::newRow("1") << std::uint64_t(1) << false;
    QTest::newRow("2") << std::uint64_t(2) << true;
    // Strong pseudoprimes to the first few prime bases: each one fools a
    // Miller-Rabin test that stops one base too early.
    QTest::newRow("spsp to 2, 3, 5, 7") << std::uint64_t(3215031751) << false;
    QTest::newRow("spsp to 2, 7, 61") << std::uint64_t(4759123141) << false;
    QTest::newRow("spsp to 2 .. 13") << std::uint64_t(3474749660383) << false;
    QTest::newRow("spsp to 2 .. 17") << std::uint64_t(341550071728321) << false;
    QTest::newRow("spsp to 2 .. 23") << std::uint64_t(3825123056546413051ULL) << false;
    // Products near 2^64, whose steps overflow 64-bit multiplication.
    QTest::newRow("(2^32 - 5) * (2^32 - 17)") << std::uint64_t(18446743979220271189ULL) << false;
    QTest::newRow("(2^32 - 5) squared") << std::uint64_t(18446744030759878681ULL) << false;
    QTest::newRow("2^61 - 1") << std::uint64_t(2305843009213693951ULL) << true;
    QTest::newRow("largest 64-bit prime") << std::uint64_t(18446744073709551557ULL) << true;
    QTest::newRow("2^64 - 1") << std::numeric_limits<std::uint64_t>::max() << false;
}

void PrimeTest::integers()
{
    QFETCH(std::uint64_t, n);
    QFETCH(bool, prime);
    QCOMPARE(numbers::isPrimeInteger(n), prime);
}

// The small numbers, where the divisions and the bases meet, against the
// plain definition.
void PrimeTest::agreesWithTrialDivisionBelowTenThousand()
{
    for (int n = -2; n < 10000; ++n) {
        bool prime = n >= 2;
        for (int d = 2; prime && d * d <= n; ++d)
            prime = n % d != 0;
        if (numbers::isPrime(double(n)) != prime)
            QFAIL(qPrintable(QStringLiteral("%1 answered wrongly").arg(n)));
    }
}

void PrimeTest::smallestFactor_data()
{
    QTest::addColumn<std::uint64_t>("n");
    QTest::addColumn<std::uint64_t>("factor");
    const auto row = [](const char *name, std::uint64_t n, std::uint64_t factor) {
        QTest::newRow(name) << n << factor;
    };
    row("0 has none", 0, 0);
    row("1 has none", 1, 0);
    row("2", 2, 2);
    row("3", 3, 3);
    row("4", 4, 2);
    row("9", 9, 3);
    row("91 = 7 * 13", 91, 7);
    row("Carmichael 561", 561, 3);
    row("1021, the last prime the divisions try", 1021, 1021);
    row("1021 * 1031", std::uint64_t{1021} * 1031, 1021);
    row("1031 squared, the first square past the divisions", std::uint64_t{1031} * 1031, 1031);
    row("1031 * 1033", std::uint64_t{1031} * 1033, 1031);
    row("spsp to 2, 3, 5, 7", 3215031751, 151);
    row("spsp to 2 .. 23", 3825123056546413051ULL, 149491);
    row("two primes near 2^26", 4503597479886983, 67108837);          // 67108837 * 67108859
    row("two primes near 2^26.5", 9007195909437503, 94906247);        // 94906247 * 94906249
    row("square of a prime near 2^26.5", 9007196099250001, 94906249); // 94906249^2
    row("cube of a prime near 2^17.7", 9006312171561193, 208057);     // 208057^3
    row("largest prime below 2^53", 9007199254740881, 9007199254740881);
    row("another prime near 2^53", 9007199254740847, 9007199254740847);
    row("2^53 - 1 = 6361 * 69431 * 20394401", 9007199254740991, 6361);
    row("2^53", 9007199254740992, 2);
    row("10^9 + 7 times 998244353", 998244359987710471ULL, 998244353);
    row("(2^32 - 5) * (2^32 - 17)", 18446743979220271189ULL, 4294967279ULL);
    row("(2^32 - 5) squared", 18446744030759878681ULL, 4294967291ULL);
    row("2^61 - 1", 2305843009213693951ULL, 2305843009213693951ULL);
    row("2^64 - 1", std::numeric_limits<std::uint64_t>::max(), 3);
    row("largest 64-bit prime", 18446744073709551557ULL, 18446744073709551557ULL);
}

void PrimeTest::smallestFactor()
{
    QFETCH(std::uint64_t, n);
    QFETCH(std::uint64_t, factor);
    QCOMPARE(numbers::smallestPrimeFactor(n), factor);
    // A number is prime exactly when it is its own smallest prime factor.
    QCOMPARE(n >= 2 && factor == n, numbers::isPrimeInteger(n));
}

// Past the divisions, the small numbers against the plain definition.
void PrimeTest::smallestFactorAgreesWithTrialDivision()
{
    for (std::uint64_t n = 2; n < 300000; ++n) {
        std::uint64_t factor = n;
        for (std::uint64_t d = 2; d * d <= n; ++d) {
            if (n % d == 0) {
                factor = d;
                break;
            }
        }
        if (numbers::smallestPrimeFactor(n) != factor)
            QFAIL(qPrintable(QStringLiteral("%1 answered %2").arg(n).arg(numbers::smallestPrimeFactor(n))));
    }
}

// Products of two primes of 20 to 43 bits, below 2^64 (a fixed pseudo-random
// sequence): the rho method's whole work, with the smaller prime its answer.
void PrimeTest::smallestFactorOfProductsOfTwoLargePrimes()
{
    std::uint64_t state = 12345;
    const auto nextPrime = [&state](int bits) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        std::uint64_t p = (state >> (64 - bits)) | (std::uint64_t(1) << (bits - 1)) | 1;
        while (!numbers::isPrimeInteger(p))
            p += 2;
        return p;
    };
    for (int i = 0; i < 200; ++i) {
        const int bits = 20 + i % 13;
        const std::uint64_t p = nextPrime(bits), q = nextPrime(63 - bits);
        const std::uint64_t n = p * q;
        if (numbers::smallestPrimeFactor(n) != std::min(p, q))
            QFAIL(qPrintable(QStringLiteral("%1 * %2 answered %3").arg(p).arg(q).arg(numbers::smallestPrimeFactor(n))));
    }
}

void PrimeTest::mulMod_data()
{
    QTest::addColumn<std::uint64_t>("a");
    QTest::addColumn<std::uint64_t>("b");
    QTest::addColumn<std::uint64_t>("m");
    QTest::addColumn<std::uint64_t>("product");
    const std::uint64_t top = std::numeric_limits<std::uint64_t>::max();
    const std::uint64_t p = 18446744073709551557ULL; // the largest 64-bit prime
    QTest::newRow("largest operands and modulus") << top << top << top << std::uint64_t(0);
    QTest::newRow("(m + 1)(m - 1) near 2^64") << p + 1 << p - 1 << p << p - 1;
    QTest::newRow("both operands near 2^64") << top - 1 << top - 2 << p << std::uint64_t(3192);
    QTest::newRow("operands above the modulus")
        << top << top - 1 << std::uint64_t(1000000007) << std::uint64_t(532600269);
    QTest::newRow("modulus 1") << std::uint64_t(123456789) << std::uint64_t(987654321) << std::uint64_t(1)
                               << std::uint64_t(0);
    QTest::newRow("modulus 2^63") << top << top << (std::uint64_t(1) << 63) << std::uint64_t(1);
    QTest::newRow("zero factor") << std::uint64_t(0) << top << p << std::uint64_t(0);
    QTest::newRow("one times 2^64 - 1") << std::uint64_t(1) << top << p << std::uint64_t(58);
    QTest::newRow("(2^61 - 1) squared") << std::uint64_t(2305843009213693951ULL)
                                        << std::uint64_t(2305843009213693951ULL) << p
                                        << std::uint64_t(12393906174523604993ULL);
    QTest::newRow("2^32 * 2^32 mod 2^64 - 1")
        << (std::uint64_t(1) << 32) << (std::uint64_t(1) << 32) << top << std::uint64_t(1);
    QTest::newRow("sums that pass 2^64 while doubling")
        << std::uint64_t(18446744069414584321ULL) << std::uint64_t(18446744069414584321ULL) << top
        << std::uint64_t(18446744056529682436ULL);
    QTest::newRow("modulus the largest prime below 2^53")
        << std::uint64_t(9007199254740880) << std::uint64_t(9007199254740879) << std::uint64_t(9007199254740881)
        << std::uint64_t(2);
}

void PrimeTest::mulMod()
{
    QFETCH(std::uint64_t, a);
    QFETCH(std::uint64_t, b);
    QFETCH(std::uint64_t, m);
    QFETCH(std::uint64_t, product);
    QCOMPARE(numbers::mulMod(a, b, m), product);
    QCOMPARE(numbers::mulModPortable(a, b, m), product);
}

// The fallback against the product this compiler uses, on operands spread
// over the whole 64-bit range (a fixed pseudo-random sequence).
void PrimeTest::mulModFallbackAgreesOnRandomOperands()
{
    std::uint64_t state = 0x9e3779b97f4a7c15ULL;
    const auto next = [&state] {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    };
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t a = next(), b = next();
        const std::uint64_t m = next() >> (i % 64) | 1;
        if (numbers::mulModPortable(a, b, m) != numbers::mulMod(a, b, m))
            QFAIL(qPrintable(QStringLiteral("%1 * %2 mod %3 differs").arg(a).arg(b).arg(m)));
    }
}

QTEST_APPLESS_MAIN(PrimeTest)
#include "test_prime.moc"
