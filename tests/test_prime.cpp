// The prime test: whole numbers of at least 2 only, exact for every double
// and every 64-bit integer, including the composites that fool a Miller-Rabin
// test with too few bases and the products whose squares overflow 64 bits.

#include "numbers/prime.h"

#include <QTest>

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
    QTest::newRow("(2^32 - 5) squared") << std::uint64_t(18446743979220271189ULL) << false;
    QTest::newRow("(2^32 - 5) * (2^32 - 17)") << std::uint64_t(18446744030759878681ULL) << false;
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

QTEST_APPLESS_MAIN(PrimeTest)
#include "test_prime.moc"
