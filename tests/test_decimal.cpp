// Exact decimal numbers, as a pupil works on paper: reading and writing them
// in the general number format, the arithmetic that never rounds, rounding
// to significant digits halves away from zero, and the quotient and square
// root that say whether they are exact.

#include "numtext/decimal.h"

#include <QTest>

using numtext::Decimal;

Q_DECLARE_METATYPE(numtext::Decimal)

namespace {
Decimal d(const char *text)
{
    const std::optional<Decimal> v = Decimal::parse(QString::fromLatin1(text));
    if (!v)
        QTest::qFail(qPrintable(QStringLiteral("not a number: %1").arg(QString::fromLatin1(text))), __FILE__, __LINE__);
    return v.value_or(Decimal());
}
} // namespace

class DecimalTest : public QObject {
    Q_OBJECT
private slots:
    void readAndWritten_data();
    void readAndWritten();
    void notNumbers();
    void arithmetic_data();
    void arithmetic();
    void rounded_data();
    void rounded();
    void quotient_data();
    void quotient();
    void squareRoot_data();
    void squareRoot();
    void order();
};

void DecimalTest::readAndWritten_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written"); // as the general number format writes it
    QTest::newRow("whole") << "12"
                           << "12";
    QTest::newRow("leading zeros") << "0012.500"
                                   << "12.5";
    QTest::newRow("point first") << ".5"
                                 << "0.5";
    QTest::newRow("point last") << "5."
                                << "5";
    QTest::newRow("negative") << "-0.25"
                              << "-0.25";
    QTest::newRow("plus sign and spaces") << " +7 "
                                          << "7";
    QTest::newRow("negative zero") << "-0.000"
                                   << "0";
    QTest::newRow("small plain") << "0.0001"
                                 << "0.0001";
    QTest::newRow("smaller in exponent form") << "0.00001"
                                              << "1E-05";
    QTest::newRow("large plain") << "123456789012345"
                                 << "123456789012345";
    QTest::newRow("larger in exponent form") << "1e15"
                                             << "1E+15";
    QTest::newRow("exponent with digits") << "-2.5E-10"
                                          << "-2.5E-10";
    QTest::newRow("more than fifteen digits, rounded") << "1.23456789012345678"
                                                       << "1.23456789012346";
    QTest::newRow("rounding up to a power of ten") << "9.9999999999999999"
                                                   << "10";
    QTest::newRow("the largest double") << "1.79769313486232E+308"
                                        << "1.79769313486232E+308";
}

void DecimalTest::readAndWritten()
{
    QFETCH(QString, text);
    QFETCH(QString, written);
    const std::optional<Decimal> v = Decimal::parse(text);
    QVERIFY(v);
    QCOMPARE(v->text(), written);
}

void DecimalTest::notNumbers()
{
    for (const char *text : {"", " ", "-", ".", "1.2.3", "5x", "1E", "1E+", "e5", "0.05%"})
        QVERIFY2(!Decimal::parse(QString::fromLatin1(text)), text);
}

void DecimalTest::arithmetic_data()
{
    QTest::addColumn<Decimal>("a");
    QTest::addColumn<Decimal>("b");
    QTest::addColumn<QChar>("op");
    QTest::addColumn<Decimal>("expected");
    QTest::newRow("0.1 + 0.2") << d("0.1") << d("0.2") << QChar(u'+') << d("0.3");
    QTest::newRow("9.99 - 9.98") << d("9.99") << d("9.98") << QChar(u'-') << d("0.01");
    QTest::newRow("1.1 × 1.1") << d("1.1") << d("1.1") << QChar(u'*') << d("1.21");
    QTest::newRow("a sum of far apart numbers") << d("1E16") << d("1") << QChar(u'+') << d("10000000000000001");
    QTest::newRow("signs that cancel") << d("-2.5") << d("2.5") << QChar(u'+') << Decimal();
    QTest::newRow("smaller minus larger") << d("3") << d("10.5") << QChar(u'-') << d("-7.5");
    QTest::newRow("negative times negative") << d("-0.5") << d("-0.04") << QChar(u'*') << d("0.02");
    QTest::newRow("a product of thirty digits")
        << d("0.333333333333333") << d("0.333333333333333") << QChar(u'*') << d("0.111111111111110888888888888889");
    QTest::newRow("exponents far apart") << d("1E300") << d("1E-300") << QChar(u'+') << d("1E300") + d("1E-300");
    QTest::newRow("times zero") << d("123.4") << Decimal() << QChar(u'*') << Decimal();
}

void DecimalTest::arithmetic()
{
    QFETCH(Decimal, a);
    QFETCH(Decimal, b);
    QFETCH(QChar, op);
    QFETCH(Decimal, expected);
    const Decimal result = op == u'+' ? a + b : op == u'-' ? a - b : a * b;
    QVERIFY2(result == expected, qPrintable(result.text() + QStringLiteral(" vs ") + expected.text()));
}

void DecimalTest::rounded_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("expected");
    QTest::newRow("down") << "1.234" << 2 << "1.2";
    QTest::newRow("half away from zero") << "0.125" << 2 << "0.13";
    QTest::newRow("negative half") << "-0.125" << 2 << "-0.13";
    QTest::newRow("carry into a new digit") << "99.96" << 3 << "100";
    QTest::newRow("fewer digits than asked") << "2.5" << 15 << "2.5";
    QTest::newRow("sixteen digits to fifteen") << "-0.99000000000000021" << 15 << "-0.99";
}

void DecimalTest::rounded()
{
    QFETCH(QString, value);
    QFETCH(int, digits);
    QFETCH(QString, expected);
    QCOMPARE(Decimal::parse(value)->rounded(digits), *Decimal::parse(expected));
}

void DecimalTest::quotient_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("exact");
    QTest::newRow("ends") << "1"
                          << "8"
                          << "0.125" << true;
    QTest::newRow("does not end") << "1"
                                  << "3"
                                  << "0.333333333333333" << false;
    QTest::newRow("rounded up") << "2"
                                << "3"
                                << "0.666666666666667" << false;
    QTest::newRow("negative") << "-22"
                              << "7"
                              << "-3.14285714285714" << false;
    QTest::newRow("decimals") << "0.3"
                              << "0.1"
                              << "3" << true;
    QTest::newRow("more digits than fifteen") << "1"
                                              << "1024"
                                              << "0.0009765625" << true;
    QTest::newRow("ends beyond fifteen digits") << "1"
                                                << "2E20"
                                                << "5E-21" << true;
    QTest::newRow("sixteen digits that end") << "1234567890123457"
                                             << "10"
                                             << "123456789012346" << false;
    QTest::newRow("large over small") << "1E300"
                                      << "3E-5"
                                      << "3.33333333333333E+304" << false;
}

void DecimalTest::quotient()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, expected);
    QFETCH(bool, exact);
    const numtext::Worked q = numtext::quotient(*Decimal::parse(a), *Decimal::parse(b));
    QCOMPARE(q.value.text(), expected);
    QCOMPARE(q.exact, exact);
}

void DecimalTest::squareRoot_data()
{
    QTest::addColumn<QString>("x");
    QTest::addColumn<double>("estimate");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("exact");
    QTest::newRow("a square") << "2.25" << 1.5 << "1.5" << true;
    QTest::newRow("zero") << "0" << 0.0 << "0" << true;
    QTest::newRow("two") << "2" << 1.4142135623730951 << "1.4142135623731" << false;
    QTest::newRow("a poor estimate") << "2" << 1.41421356237 << "1.4142135623731" << false;
    QTest::newRow("a small square") << "1E-10" << 1e-5 << "1E-05" << true;
    QTest::newRow("a large number") << "1E301" << 3.1622776601683794e150 << "3.16227766016838E+150" << false;
    QTest::newRow("just under a power of ten")
        << "99.9999999999999" << 9.999999999999995 << "9.99999999999999" << false;
}

void DecimalTest::squareRoot()
{
    QFETCH(QString, x);
    QFETCH(double, estimate);
    QFETCH(QString, expected);
    QFETCH(bool, exact);
    const numtext::Worked root = numtext::squareRoot(*Decimal::parse(x), estimate);
    QCOMPARE(root.value.text(), expected);
    QCOMPARE(root.exact, exact);
}

void DecimalTest::order()
{
    const QList<Decimal> ascending{d("-1E20"), d("-3"), d("-0.5"), Decimal(), d("1E-300"), d("0.3"), d("3"), d("1E20")};
    for (qsizetype i = 0; i + 1 < ascending.size(); ++i) {
        QVERIFY2(ascending[i] < ascending[i + 1], qPrintable(ascending[i].text()));
        QVERIFY(ascending[i + 1] > ascending[i]);
        QVERIFY(ascending[i] != ascending[i + 1]);
    }
    QVERIFY(d("1.50") == d("1.5"));
    QVERIFY(d("100") == Decimal::whole(100));
    QVERIFY(Decimal::shown(0.1 + 0.2) == d("0.3"));
}

QTEST_MAIN(DecimalTest)
#include "test_decimal.moc"
