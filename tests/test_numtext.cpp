// Number text: the leading-number parse, the strict conversions, the general
// number format, integer and decimal rounding, guarded arithmetic, the empty
// test and exact comparison.

#include "numtext/decimal.h"
#include "numtext/numtext.h"
#include "support/outcome.h"

#include <QtTest>

#include <QSet>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

using numtext::ComputationFailure;
using numtext::Failure;


namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();


// Same value, also telling 0 from -0 apart; NaN never expected here.
bool sameDouble(double a, double b) { return a == b && std::signbit(a) == std::signbit(b); }

QString repeated(QChar c, qsizetype count) { return QString(count, c); }


} // namespace

class TestNumtext : public QObject {
    Q_OBJECT

private slots:
    void leadingNumber_data();
    void leadingNumber();
    void leadingNumberLongTexts_data();
    void leadingNumberLongTexts();
    void leadingDecimal_data();
    void leadingDecimal();
    void exactComparisonAndSum_data();
    void exactComparisonAndSum();

    void strictNumber_data();
    void strictNumber();
    void strictSingle_data();
    void strictSingle();

    void format_data();
    void format();
    void formatSingle_data();
    void formatSingle();
    void signedText_data();
    void signedText();

    void roundTrip_data();
    void roundTrip();
    void roundTripOfSums();
    void formatIsAFixedPointOfTheParses();

    void roundInteger_data();
    void roundInteger();
    void roundIntegerText_data();
    void roundIntegerText();
    void roundInteger16_data();
    void roundInteger16();
    void truncate_data();
    void truncate();
    void roundDecimal_data();
    void roundDecimal();
    void roundDecimalText_data();
    void roundDecimalText();

    void guarded_data();
    void guarded();
    void failureDescriptions();

    void emptyAndExactComparison_data();
    void emptyAndExactComparison();
};

// ---------------------------------------------------------------------------
// Leading-number parse

void TestNumtext::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::addColumn<Outcome>("failure");

    // The rules' own examples.
    QTest::newRow("empty") << QString() << 0.0 << Ok;
    QTest::newRow("digits then letters") << QStringLiteral("12abc") << 12.0 << Ok;
    QTest::newRow("space between digits") << QStringLiteral("1 000") << 1000.0 << Ok;
    QTest::newRow("comma ends the number") << QStringLiteral("1,5") << 1.0 << Ok;
    QTest::newRow("point first") << QStringLiteral(".5") << 0.5 << Ok;
    QTest::newRow("point last") << QStringLiteral("5.") << 5.0 << Ok;
    QTest::newRow("negative") << QStringLiteral("-3") << -3.0 << Ok;
    QTest::newRow("space after sign") << QStringLiteral("- 5") << -5.0 << Ok;
    QTest::newRow("exponent letter alone") << QStringLiteral("2E") << 2.0 << Ok;
    QTest::newRow("exponent letter and sign") << QStringLiteral("2E+") << 2.0 << Ok;
    QTest::newRow("exponent") << QStringLiteral("1e2") << 100.0 << Ok;
    QTest::newRow("second point ends the number") << QStringLiteral("3.2.1") << 3.2 << Ok;
    QTest::newRow("minus inside ends the number") << QStringLiteral("5-3") << 5.0 << Ok;
    QTest::newRow("letters only") << QStringLiteral("abc") << 0.0 << Ok;
    QTest::newRow("point only") << QStringLiteral(".") << 0.0 << Ok;
    QTest::newRow("sign only") << QStringLiteral("-") << 0.0 << Ok;
    QTest::newRow("exponent without mantissa") << QStringLiteral("e5") << 0.0 << Ok;

    // Skipped characters and signs.
    QTest::newRow("one space") << QStringLiteral(" ") << 0.0 << Ok;
    QTest::newRow("tab and line feed between digits") << QStringLiteral("\t1\n2 3") << 123.0 << Ok;
    QTest::newRow("carriage return is not skipped") << QStringLiteral("1\r2") << 1.0 << Ok;
    QTest::newRow("spaces inside the exponent") << QStringLiteral("1 e - 2") << 0.01 << Ok;
    QTest::newRow("spaces around the point") << QStringLiteral("1 . 5") << 1.5 << Ok;
    QTest::newRow("plus sign") << QStringLiteral("+7") << 7.0 << Ok;
    QTest::newRow("two signs") << QStringLiteral("--7") << 0.0 << Ok;
    QTest::newRow("negative zero") << QStringLiteral("-0") << -0.0 << Ok;
    QTest::newRow("negative fraction") << QStringLiteral("-.25x") << -0.25 << Ok;
    QTest::newRow("negative exponent") << QStringLiteral("25e-1") << 2.5 << Ok;
    QTest::newRow("capital exponent with sign") << QStringLiteral("2E+3kg") << 2000.0 << Ok;
    QTest::newRow("point in the exponent ends it") << QStringLiteral("1e2.5") << 100.0 << Ok;
    QTest::newRow("exponent letter then letters") << QStringLiteral("3ex") << 3.0 << Ok;
    QTest::newRow("D is not an exponent mark") << QStringLiteral("1d2") << 1.0 << Ok;
    QTest::newRow("leading zeros") << QStringLiteral("000012.5000") << 12.5 << Ok;
    QTest::newRow("fifteen digits") << QStringLiteral("0.333333333333333") << 0.333333333333333 << Ok;

    // Other digit sets and the Arabic decimal separator.
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662\u0663") << 123.0 << Ok;
    QTest::newRow("Eastern Arabic-Indic digits") << QStringLiteral("\u06F4\u06F5") << 45.0 << Ok;
    QTest::newRow("Arabic decimal separator") << QStringLiteral("\u0661\u066B\u0665") << 1.5 << Ok;
    QTest::newRow("ASCII digits with Arabic separator") << QStringLiteral("2\u066B25") << 2.25 << Ok;
    QTest::newRow("Arabic-Indic exponent") << QStringLiteral("3e\u0662") << 300.0 << Ok;
    QTest::newRow("mixed digit sets") << QStringLiteral("1\u0662\u06F3") << 123.0 << Ok;
    QTest::newRow("Arabic separator after a point") << QStringLiteral("1.5\u066B5") << 1.5 << Ok;
    QTest::newRow("Arabic comma ends the number") << QStringLiteral("1\u066C000") << 1.0 << Ok;

    // Range: overflow fails, underflow is quietly zero or a denormal.
    QTest::newRow("largest double") << QStringLiteral("1.7976931348623157e308") << DBL_MAX << Ok;
    QTest::newRow("beyond the largest double")
        << QStringLiteral("1.7976931348623159e308") << 0.0 << Outcome(Failure::Overflow);
    QTest::newRow("1e309") << QStringLiteral("1e309") << 0.0 << Outcome(Failure::Overflow);
    QTest::newRow("negative overflow") << QStringLiteral("-1e400") << 0.0 << Outcome(Failure::Overflow);
    QTest::newRow("huge exponent") << QStringLiteral("1e999999999999") << 0.0 << Outcome(Failure::Overflow);
    QTest::newRow("exponent beyond 64 bits")
        << QStringLiteral("1e99999999999999999999999999") << 0.0 << Outcome(Failure::Overflow);
    QTest::newRow("underflow to zero") << QStringLiteral("1e-400") << 0.0 << Ok;
    QTest::newRow("huge negative exponent") << QStringLiteral("1e-999999999999") << 0.0 << Ok;
    QTest::newRow("zero with huge exponent") << QStringLiteral("0e999999999999") << 0.0 << Ok;
    QTest::newRow("smallest denormal") << QStringLiteral("4.9406564584124654e-324")
                                       << std::numeric_limits<double>::denorm_min() << Ok;
    QTest::newRow("smallest normal") << QStringLiteral("2.2250738585072014e-308") << DBL_MIN << Ok;

    // Long mantissas: the point position and correct rounding survive.
    QTest::newRow("many fraction zeros then exponent")
        << QStringLiteral("0.") + repeated(QLatin1Char('0'), 1000) + QStringLiteral("1e1001") << 1.0 << Ok;
    QTest::newRow("many integer digits then negative exponent")
        << QStringLiteral("1") + repeated(QLatin1Char('0'), 1000) + QStringLiteral("e-1000") << 1.0 << Ok;
    // 1 + 2^-53 lies exactly halfway between 1 and the next double.
    QTest::newRow("exact halfway goes to even")
        << QStringLiteral("1.00000000000000011102230246251565404236316680908203125") << 1.0 << Ok;
    QTest::newRow("a far digit above halfway rounds up")
        << QStringLiteral("1.00000000000000011102230246251565404236316680908203125") + repeated(QLatin1Char('0'), 2000)
               + QStringLiteral("1")
        << std::nextafter(1.0, 2.0) << Ok;
    QTest::newRow("far zeros keep the halfway case")
        << QStringLiteral("1.00000000000000011102230246251565404236316680908203125") + repeated(QLatin1Char('0'), 2000)
        << 1.0 << Ok;
}

void TestNumtext::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QFETCH(Outcome, failure);

    double value = 0;
    QCOMPARE(outcomeName(run([&] { return numtext::leadingNumber(text); }, value)), outcomeName(failure));
    if (!failure)
        QVERIFY2(sameDouble(value, expected), qPrintable(QString::number(value, 'g', 17)));
}

// Pasted megabyte texts return at once (the parse is linear in the length).
void TestNumtext::leadingNumberLongTexts_data()
{
    constexpr qsizetype Mega = 1 << 20;
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("leading");
    QTest::addColumn<Outcome>("leadingFailure");
    QTest::addColumn<Outcome>("strictFailure");

    QTest::newRow("megabyte of digits") << repeated(QLatin1Char('7'), Mega) << 0.0 << Outcome(Failure::Overflow)
                                        << Outcome(Failure::Overflow);
    QTest::newRow("megabyte of fraction digits")
        << QStringLiteral("0.") + repeated(QLatin1Char('6'), Mega) << 2.0 / 3.0 << Ok << Ok;
    QTest::newRow("megabyte of letters") << repeated(QLatin1Char('x'), Mega) << 0.0 << Ok
                                         << Outcome(Failure::NotANumber);
    QTest::newRow("megabyte of spaces then a digit")
        << repeated(QLatin1Char(' '), Mega) + QStringLiteral("5") << 5.0 << Ok << Ok;
    QTest::newRow("megabyte of tabs then a digit")
        << repeated(QLatin1Char('\t'), Mega) + QStringLiteral("5") << 5.0 << Ok << Outcome(Failure::NotANumber);
    QTest::newRow("megabyte of exponent digits")
        << QStringLiteral("1e-") + repeated(QLatin1Char('9'), Mega) << 0.0 << Ok << Ok;
    QTest::newRow("megabyte of Arabic-Indic digits after a separator")
        << QStringLiteral("\u0660\u066B") + repeated(QChar(0x0663), Mega) << 1.0 / 3.0 << Ok << Ok;
}

void TestNumtext::leadingNumberLongTexts()
{
    QFETCH(QString, text);
    QFETCH(double, leading);
    QFETCH(Outcome, leadingFailure);
    QFETCH(Outcome, strictFailure);

    double value = 0;
    QCOMPARE(outcomeName(run([&] { return numtext::leadingNumber(text); }, value)), outcomeName(leadingFailure));
    if (!leadingFailure)
        QCOMPARE(value, leading);
    QCOMPARE(outcomeName(run([&] { return numtext::strictNumber(text); }, value)), outcomeName(strictFailure));
    if (!strictFailure)
        QCOMPARE(value, leading);
}

// ---------------------------------------------------------------------------
// Strict conversions

void TestNumtext::strictNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::addColumn<Outcome>("failure");

    const Outcome refused = Failure::NotANumber;

    QTest::newRow("spaces at both ends") << QStringLiteral(" 12 ") << 12.0 << Ok;
    QTest::newRow("exponent") << QStringLiteral("1e2") << 100.0 << Ok;
    QTest::newRow("capital exponent with signs") << QStringLiteral("-1.5E-2") << -0.015 << Ok;
    QTest::newRow("plus sign") << QStringLiteral("+5") << 5.0 << Ok;
    QTest::newRow("point first") << QStringLiteral("-.5") << -0.5 << Ok;
    QTest::newRow("point last") << QStringLiteral("5.") << 5.0 << Ok;
    QTest::newRow("general format text") << QStringLiteral("1.23456789012346E+20") << 1.23456789012346e20 << Ok;
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("\u0661\u0662") << 12.0 << Ok;
    QTest::newRow("Eastern digits and Arabic separator") << QStringLiteral(" \u06F3\u066B\u06F2\u06F5 ") << 3.25 << Ok;
    QTest::newRow("underflow to zero") << QStringLiteral("1e-400") << 0.0 << Ok;
    QTest::newRow("huge negative exponent") << QStringLiteral("-1e-999999999999") << -0.0 << Ok;

    QTest::newRow("empty") << QString() << 0.0 << refused;
    QTest::newRow("one space") << QStringLiteral(" ") << 0.0 << refused;
    QTest::newRow("digits then letters") << QStringLiteral("12abc") << 0.0 << refused;
    QTest::newRow("number then letter") << QStringLiteral("5x") << 0.0 << refused;
    QTest::newRow("letter then number") << QStringLiteral("x5") << 0.0 << refused;
    QTest::newRow("two points") << QStringLiteral("1.2.3") << 0.0 << refused;
    QTest::newRow("point only") << QStringLiteral(".") << 0.0 << refused;
    QTest::newRow("sign only") << QStringLiteral("-") << 0.0 << refused;
    QTest::newRow("exponent without digits") << QStringLiteral("1e") << 0.0 << refused;
    QTest::newRow("exponent sign without digits") << QStringLiteral("1e+") << 0.0 << refused;
    QTest::newRow("exponent without mantissa") << QStringLiteral("e5") << 0.0 << refused;
    QTest::newRow("space inside") << QStringLiteral("1 000") << 0.0 << refused;
    QTest::newRow("space after sign") << QStringLiteral("- 5") << 0.0 << refused;
    QTest::newRow("tab at the start") << QStringLiteral("\t5") << 0.0 << refused;
    QTest::newRow("line feed at the end") << QStringLiteral("5\n") << 0.0 << refused;
    QTest::newRow("grouping comma") << QStringLiteral("1,000") << 0.0 << refused;
    QTest::newRow("two signs") << QStringLiteral("+-5") << 0.0 << refused;
    QTest::newRow("percent sign") << QStringLiteral("0.5%") << 0.0 << refused;

    QTest::newRow("overflow") << QStringLiteral("1e309") << 0.0 << Outcome(Failure::Overflow);
    QTest::newRow("huge exponent") << QStringLiteral("1e999999999999") << 0.0 << Outcome(Failure::Overflow);
}

void TestNumtext::strictNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QFETCH(Outcome, failure);

    double value = 0;
    QCOMPARE(outcomeName(run([&] { return numtext::strictNumber(text); }, value)), outcomeName(failure));
    if (!failure)
        QVERIFY2(sameDouble(value, expected), qPrintable(QString::number(value, 'g', 17)));
    // The syntax check accepts what the conversion reads and what only fails
    // by its range.
    QCOMPARE(numtext::isStrictNumber(text), failure != Outcome(Failure::NotANumber));
}

void TestNumtext::strictSingle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("expected");
    QTest::addColumn<Outcome>("failure");

    QTest::newRow("one tenth") << QStringLiteral("0.1") << 0.1f << Ok;
    QTest::newRow("spaces at both ends") << QStringLiteral(" 90 ") << 90.0f << Ok;
    QTest::newRow("largest single") << QStringLiteral("3.4028234663852886e38") << FLT_MAX << Ok;
    QTest::newRow("too small for a single") << QStringLiteral("1e-50") << 0.0f << Ok;
    QTest::newRow("beyond the largest single") << QStringLiteral("3.5e38") << 0.0f << Outcome(Failure::OutOfRange);
    QTest::newRow("negative beyond the range") << QStringLiteral("-1e300") << 0.0f << Outcome(Failure::OutOfRange);
    QTest::newRow("beyond the double range") << QStringLiteral("1e309") << 0.0f << Outcome(Failure::Overflow);
    QTest::newRow("not a number") << QStringLiteral("abc") << 0.0f << Outcome(Failure::NotANumber);
    QTest::newRow("one space") << QStringLiteral(" ") << 0.0f << Outcome(Failure::NotANumber);
}

void TestNumtext::strictSingle()
{
    QFETCH(QString, text);
    QFETCH(float, expected);
    QFETCH(Outcome, failure);

    float value = 0;
    QCOMPARE(outcomeName(run([&] { return numtext::strictSingle(text); }, value)), outcomeName(failure));
    if (!failure)
        QCOMPARE(value, expected);
}

// ---------------------------------------------------------------------------
// Formats

void TestNumtext::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    // Plain form.
    QTest::newRow("one third") << 1.0 / 3.0 << QStringLiteral("0.333333333333333");
    QTest::newRow("two thirds") << 2.0 / 3.0 << QStringLiteral("0.666666666666667");
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << QStringLiteral("0.3");
    QTest::newRow("integer") << 12.0 << QStringLiteral("12");
    QTest::newRow("three") << 3.0 << QStringLiteral("3");
    QTest::newRow("negative fraction") << -7.5 << QStringLiteral("-7.5");
    QTest::newRow("negative half") << -0.5 << QStringLiteral("-0.5");
    QTest::newRow("exponent -4") << 0.0001 << QStringLiteral("0.0001");
    QTest::newRow("exponent -4 with digits") << 0.00012345 << QStringLiteral("0.00012345");
    QTest::newRow("fifteen nines") << 999999999999999.0 << QStringLiteral("999999999999999");
    QTest::newRow("fifteen digits") << 123456789012345.0 << QStringLiteral("123456789012345");
    QTest::newRow("exponent 14") << 1e14 << QStringLiteral("100000000000000");
    QTest::newRow("rounds to 15 digits") << 1.0000000000000002 << QStringLiteral("1");
    QTest::newRow("square root of two") << 1.4142135623730951 << QStringLiteral("1.4142135623731");
    QTest::newRow("rounding up into the -4 exponent") << 9.999999999999996e-5 << QStringLiteral("0.0001");

    // Zero.
    QTest::newRow("zero") << 0.0 << QStringLiteral("0");
    QTest::newRow("negative zero") << -0.0 << QStringLiteral("0");

    // Exponent form.
    QTest::newRow("exponent -5") << 0.00001 << QStringLiteral("1E-05");
    QTest::newRow("exponent 15") << 1e15 << QStringLiteral("1E+15");
    QTest::newRow("negative exponent 15") << -1e15 << QStringLiteral("-1E+15");
    QTest::newRow("sixteen digits") << 1234567890123456.0 << QStringLiteral("1.23456789012346E+15");
    QTest::newRow("twenty-one digits") << 123456789012345678901.0 << QStringLiteral("1.23456789012346E+20");
    QTest::newRow("small with fraction") << 2.5e-10 << QStringLiteral("2.5E-10");
    QTest::newRow("three-digit exponent") << 1e100 << QStringLiteral("1E+100");
    QTest::newRow("halfway rounds to the even digit into exponent 15") << 999999999999999.5 << QStringLiteral("1E+15");
    QTest::newRow("just below halfway stays plain") << 999999999999999.375 << QStringLiteral("999999999999999");
    QTest::newRow("largest double") << DBL_MAX << QStringLiteral("1.79769313486232E+308");
    QTest::newRow("smallest normal") << DBL_MIN << QStringLiteral("2.2250738585072E-308");
    QTest::newRow("smallest denormal") << std::numeric_limits<double>::denorm_min()
                                       << QStringLiteral("4.94065645841247E-324");
}

void TestNumtext::format()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(numtext::format(value), expected);
}

void TestNumtext::formatSingle_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one tenth") << 0.1f << QStringLiteral("0.1");
    QTest::newRow("one third") << 1.0f / 3.0f << QStringLiteral("0.3333333");
    QTest::newRow("seven digits") << 1234567.0f << QStringLiteral("1234567");
    QTest::newRow("eight digits") << 12345678.0f << QStringLiteral("1.234568E+07");
    QTest::newRow("exponent 7") << 1e7f << QStringLiteral("1E+07");
    QTest::newRow("exponent -4") << 0.0001f << QStringLiteral("0.0001");
    QTest::newRow("exponent -5") << 0.00001f << QStringLiteral("1E-05");
    QTest::newRow("negative") << -2.5f << QStringLiteral("-2.5");
    QTest::newRow("negative zero") << -0.0f << QStringLiteral("0");
    QTest::newRow("largest single") << FLT_MAX << QStringLiteral("3.402823E+38");
}

void TestNumtext::formatSingle()
{
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(numtext::formatSingle(value), expected);
}

void TestNumtext::signedText_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("positive") << 1024 << QStringLiteral(" 1024");
    QTest::newRow("zero") << 0 << QStringLiteral(" 0");
    QTest::newRow("negative") << -3 << QStringLiteral("-3");
    QTest::newRow("largest") << std::numeric_limits<std::int32_t>::max() << QStringLiteral(" 2147483647");
    QTest::newRow("smallest") << std::numeric_limits<std::int32_t>::min() << QStringLiteral("-2147483648");
}

void TestNumtext::signedText()
{
    QFETCH(int, value);
    QFETCH(QString, expected);
    QCOMPARE(numtext::signedText(value), expected);
}

// ---------------------------------------------------------------------------
// Round trips through text

// Each value is formatted; both parses read the text back as the value rounded
// to 15 significant digits (written here as a literal), and formatting that
// gives the same text again.
void TestNumtext::roundTrip_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("rounded");
    QTest::addColumn<Outcome>("readBack");

    QTest::newRow("0.1") << 0.1 << 0.1 << Ok;
    QTest::newRow("one third") << 1.0 / 3.0 << 0.333333333333333 << Ok;
    QTest::newRow("two thirds") << 2.0 / 3.0 << 0.666666666666667 << Ok;
    QTest::newRow("1e15 - 1") << 1e15 - 1 << 999999999999999.0 << Ok;
    QTest::newRow("halfway below 1e15") << 999999999999999.5 << 1e15 << Ok;
    QTest::newRow("1e-5") << 1e-5 << 1e-5 << Ok;
    QTest::newRow("eighteen digits") << 123456789012345678.0 << 1.23456789012346e17 << Ok;
    QTest::newRow("smallest normal") << DBL_MIN << 2.2250738585072e-308 << Ok;
    QTest::newRow("smallest denormal") << std::numeric_limits<double>::denorm_min() << 4.94065645841247e-324 << Ok;
    QTest::newRow("negative") << -2.0 / 3.0 << -0.666666666666667 << Ok;
    // The 15-digit rounding of the largest double lies beyond the double range:
    // its text no longer reads back.
    QTest::newRow("largest double") << DBL_MAX << 0.0 << Outcome(Failure::Overflow);
}

void TestNumtext::roundTrip()
{
    QFETCH(double, value);
    QFETCH(double, rounded);
    QFETCH(Outcome, readBack);

    const QString text = numtext::format(value);
    QVERIFY2(significantDigits(text) <= 15, qPrintable(text));

    double leading = 0;
    double strict = 0;
    QCOMPARE(outcomeName(run([&] { return numtext::leadingNumber(text); }, leading)), outcomeName(readBack));
    QCOMPARE(outcomeName(run([&] { return numtext::strictNumber(text); }, strict)), outcomeName(readBack));
    if (readBack)
        return;
    QCOMPARE(leading, rounded);
    QCOMPARE(strict, rounded);
    QCOMPARE(numtext::format(leading), text);
}

void TestNumtext::roundTripOfSums()
{
    const QString tenth = numtext::format(numtext::leadingNumber(QStringLiteral("0.1")));
    QCOMPARE(tenth, QStringLiteral("0.1"));
    const double sum = numtext::plus(numtext::leadingNumber(tenth), 0.2);
    QCOMPARE(numtext::format(sum), QStringLiteral("0.3"));
}

// Over many doubles spread across the whole range, the text the format writes
// has at most 15 significant digits, both parses read it to the same value, and
// that value is written with the same text.
void TestNumtext::formatIsAFixedPointOfTheParses()
{
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (int i = 0; i < 40000; ++i) {
        // Alternately any bit pattern, and a fraction scaled into the range
        // where the two forms meet.
        const std::uint64_t bits = next();
        const double value = i % 2 ? std::bit_cast<double>(bits)
                                   : double(bits >> 11) * 0x1p-53 * std::pow(10.0, int(bits % 24) - 7);
        if (!std::isfinite(value) || std::fabs(value) > 1.79769313486231e308)
            continue;
        const QString text = numtext::format(value);
        const double strict = numtext::strictNumber(text);
        QVERIFY2(significantDigits(text) <= 15, qPrintable(text));
        QVERIFY2(numtext::leadingNumber(text) == strict, qPrintable(text));
        QVERIFY2(numtext::format(strict) == text, qPrintable(text));
    }
}

// ---------------------------------------------------------------------------
// Integer and decimal rounding

void TestNumtext::roundInteger_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::addColumn<Outcome>("failure");

    QTest::newRow("0.5 to even 0") << 0.5 << 0 << Ok;
    QTest::newRow("1.5 to even 2") << 1.5 << 2 << Ok;
    QTest::newRow("2.5 to even 2") << 2.5 << 2 << Ok;
    QTest::newRow("3.5 to even 4") << 3.5 << 4 << Ok;
    QTest::newRow("-2.5 to even -2") << -2.5 << -2 << Ok;
    QTest::newRow("-3.5 to even -4") << -3.5 << -4 << Ok;
    QTest::newRow("below half") << 2.4999999999999996 << 2 << Ok;
    QTest::newRow("above half") << 2.7 << 3 << Ok;
    QTest::newRow("negative above half") << -2.7 << -3 << Ok;
    QTest::newRow("largest") << 2147483647.4 << std::numeric_limits<std::int32_t>::max() << Ok;
    QTest::newRow("halfway above the largest") << 2147483647.5 << 0 << Outcome(Failure::OutOfRange);
    QTest::newRow("smallest halfway goes to even") << -2147483648.5 << std::numeric_limits<std::int32_t>::min() << Ok;
    QTest::newRow("below the smallest") << -2147483649.0 << 0 << Outcome(Failure::OutOfRange);
    QTest::newRow("far beyond") << 1e300 << 0 << Outcome(Failure::OutOfRange);
    QTest::newRow("infinity") << Inf << 0 << Outcome(Failure::OutOfRange);
    QTest::newRow("not a number") << NaN << 0 << Outcome(Failure::InvalidOperation);
}

void TestNumtext::roundInteger()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QFETCH(Outcome, failure);

    std::int32_t result = 0;
    QCOMPARE(outcomeName(run([&] { return numtext::roundInteger(value); }, result)), outcomeName(failure));
    if (!failure)
        QCOMPARE(result, expected);
}

void TestNumtext::roundIntegerText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::addColumn<Outcome>("failure");

    QTest::newRow("halfway") << QStringLiteral("2.5") << 2 << Ok;
    QTest::newRow("spaces at both ends") << QStringLiteral(" 3.5 ") << 4 << Ok;
    QTest::newRow("exponent") << QStringLiteral("-1.5e1") << -15 << Ok;
    QTest::newRow("not a number") << QStringLiteral("abc") << 0 << Outcome(Failure::NotANumber);
    QTest::newRow("empty") << QString() << 0 << Outcome(Failure::NotANumber);
    QTest::newRow("beyond 32 bits") << QStringLiteral("1e10") << 0 << Outcome(Failure::OutOfRange);
}

void TestNumtext::roundIntegerText()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QFETCH(Outcome, failure);

    std::int32_t result = 0;
    QCOMPARE(outcomeName(run([&] { return numtext::roundInteger(QStringView(text)); }, result)), outcomeName(failure));
    if (!failure)
        QCOMPARE(result, expected);
}

void TestNumtext::roundInteger16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::addColumn<Outcome>("failure");

    QTest::newRow("halfway") << 2.5 << 2 << Ok;
    QTest::newRow("largest") << 32767.4 << 32767 << Ok;
    QTest::newRow("halfway above the largest") << 32767.5 << 0 << Outcome(Failure::OutOfRange);
    QTest::newRow("smallest halfway goes to even") << -32768.5 << -32768 << Ok;
    QTest::newRow("below the smallest") << -32769.0 << 0 << Outcome(Failure::OutOfRange);
    QTest::newRow("beyond 32 bits") << 1e10 << 0 << Outcome(Failure::OutOfRange);
    QTest::newRow("not a number") << NaN << 0 << Outcome(Failure::InvalidOperation);
}

void TestNumtext::roundInteger16()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QFETCH(Outcome, failure);

    std::int16_t result = 0;
    QCOMPARE(outcomeName(run([&] { return numtext::roundInteger16(value); }, result)), outcomeName(failure));
    if (!failure)
        QCOMPARE(int(result), expected);
}

void TestNumtext::truncate_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("positive") << 2.7 << 2.0;
    QTest::newRow("negative toward zero") << -2.7 << -2.0;
    QTest::newRow("below one") << 0.5 << 0.0;
    QTest::newRow("integer") << 7.0 << 7.0;
    QTest::newRow("beyond 32 bits") << 1e300 << 1e300;
}

void TestNumtext::truncate()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(numtext::truncate(value), expected);
}

void TestNumtext::roundDecimal_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<double>("expected");
    QTest::addColumn<Outcome>("failure");

    QTest::newRow("halfway down to even") << 0.125 << 2 << 0.12 << Ok;
    QTest::newRow("halfway up to even") << 0.375 << 2 << 0.38 << Ok;
    QTest::newRow("negative halfway") << -0.125 << 2 << -0.12 << Ok;
    QTest::newRow("integer") << 3.0 << 2 << 3.0 << Ok;
    QTest::newRow("pi") << 3.14159 << 2 << 3.14 << Ok;
    QTest::newRow("one decimal") << 2.5 << 2 << 2.5 << Ok;
    QTest::newRow("seven") << 7.0 << 2 << 7.0 << Ok;
    QTest::newRow("zero places halfway down") << 2.5 << 0 << 2.0 << Ok;
    QTest::newRow("zero places halfway up") << 3.5 << 0 << 4.0 << Ok;
    QTest::newRow("binary value just below halfway") << 1.005 << 2 << 1.0 << Ok;
    QTest::newRow("already exact at this scale") << 1e20 << 2 << 1e20 << Ok;
    QTest::newRow("near the top of the range") << 1e307 << 2 << 1e307 << Ok;
    QTest::newRow("largest double") << DBL_MAX << 2 << DBL_MAX << Ok;
    QTest::newRow("scale beyond the range") << 0.5 << 400 << 0.5 << Ok;
    QTest::newRow("tiny value") << 1e-320 << 2 << 0.0 << Ok;
    QTest::newRow("negative places") << 5.0 << -1 << 0.0 << Outcome(Failure::InvalidOperation);
    QTest::newRow("not a number") << NaN << 2 << 0.0 << Outcome(Failure::InvalidOperation);
}

void TestNumtext::roundDecimal()
{
    QFETCH(double, value);
    QFETCH(int, places);
    QFETCH(double, expected);
    QFETCH(Outcome, failure);

    double result = 0;
    QCOMPARE(outcomeName(run([&] { return numtext::roundDecimal(value, places); }, result)), outcomeName(failure));
    if (!failure)
        QCOMPARE(result, expected);
}

void TestNumtext::roundDecimalText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::addColumn<Outcome>("failure");

    QTest::newRow("halfway down to even") << QStringLiteral("0.125") << 0.12 << Ok;
    QTest::newRow("halfway up to even, spaces trimmed") << QStringLiteral(" 0.375 ") << 0.38 << Ok;
    QTest::newRow("exponent text") << QStringLiteral("1E+20") << 1e20 << Ok;
    QTest::newRow("not a number") << QStringLiteral("abc") << 0.0 << Outcome(Failure::NotANumber);
    QTest::newRow("one space") << QStringLiteral(" ") << 0.0 << Outcome(Failure::NotANumber);
    QTest::newRow("overflow") << QStringLiteral("1e400") << 0.0 << Outcome(Failure::Overflow);
}

void TestNumtext::roundDecimalText()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QFETCH(Outcome, failure);

    double result = 0;
    QCOMPARE(outcomeName(run([&] { return numtext::roundDecimal(QStringView(text), 2); }, result)),
             outcomeName(failure));
    if (!failure)
        QCOMPARE(result, expected);
}

// ---------------------------------------------------------------------------
// Guarded arithmetic

void TestNumtext::guarded_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");
    QTest::addColumn<Outcome>("failure");

    const Outcome overflow = Failure::Overflow;
    const Outcome invalid = Failure::InvalidOperation;

    QTest::newRow("plus") << "plus" << 0.1 << 0.2 << 0.1 + 0.2 << Ok;
    QTest::newRow("plus overflows") << "plus" << DBL_MAX << DBL_MAX << 0.0 << overflow;
    QTest::newRow("minus overflows") << "minus" << -DBL_MAX << DBL_MAX << 0.0 << overflow;
    QTest::newRow("times") << "times" << 3.0 << -4.0 << -12.0 << Ok;
    QTest::newRow("times overflows") << "times" << 1e200 << 1e200 << 0.0 << overflow;
    QTest::newRow("times underflows quietly") << "times" << 1e-200 << 1e-200 << 0.0 << Ok;
    QTest::newRow("divide") << "divide" << 6.0 << 3.0 << 2.0 << Ok;
    QTest::newRow("divide by zero") << "divide" << 5.0 << 0.0 << 0.0 << Outcome(Failure::DivisionByZero);
    QTest::newRow("negative divided by zero") << "divide" << -5.0 << -0.0 << 0.0 << Outcome(Failure::DivisionByZero);
    QTest::newRow("zero divided by zero") << "divide" << 0.0 << 0.0 << 0.0 << invalid;
    QTest::newRow("divide overflows") << "divide" << 1.0 << 1e-310 << 0.0 << overflow;
    QTest::newRow("square root") << "squareRoot" << 16.0 << 0.0 << 4.0 << Ok;
    QTest::newRow("square root of zero") << "squareRoot" << 0.0 << 0.0 << 0.0 << Ok;
    QTest::newRow("square root of a negative") << "squareRoot" << -1.0 << 0.0 << 0.0 << invalid;
    QTest::newRow("log of one") << "naturalLog" << 1.0 << 0.0 << 0.0 << Ok;
    QTest::newRow("log of zero") << "naturalLog" << 0.0 << 0.0 << 0.0 << invalid;
    QTest::newRow("log of a negative") << "naturalLog" << -5.0 << 0.0 << 0.0 << invalid;
    QTest::newRow("sine") << "sine" << 0.0 << 0.0 << 0.0 << Ok;
    QTest::newRow("cosine") << "cosine" << 0.0 << 0.0 << 1.0 << Ok;
    QTest::newRow("tangent") << "tangent" << 0.0 << 0.0 << 0.0 << Ok;
    QTest::newRow("arc tangent") << "arcTangent" << 1.0 << 0.0 << std::atan(1.0) << Ok;
    QTest::newRow("checked finite") << "checked" << 1.5 << 0.0 << 1.5 << Ok;
    QTest::newRow("checked NaN") << "checked" << NaN << 0.0 << 0.0 << invalid;
    QTest::newRow("checked infinity") << "checked" << Inf << 0.0 << 0.0 << overflow;
    QTest::newRow("checked negative infinity") << "checked" << -Inf << 0.0 << 0.0 << overflow;
    QTest::newRow("NaN operand") << "plus" << NaN << 1.0 << 0.0 << invalid;
    QTest::newRow("infinite operand") << "times" << Inf << 0.0 << 0.0 << overflow;
    QTest::newRow("sine of infinity") << "sine" << Inf << 0.0 << 0.0 << overflow;
    QTest::newRow("square root of NaN") << "squareRoot" << NaN << 0.0 << 0.0 << invalid;
}

void TestNumtext::guarded()
{
    QFETCH(QString, operation);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    QFETCH(Outcome, failure);

    const auto compute = [&]() -> double {
        if (operation == u"plus")
            return numtext::plus(a, b);
        if (operation == u"minus")
            return numtext::minus(a, b);
        if (operation == u"times")
            return numtext::times(a, b);
        if (operation == u"divide")
            return numtext::divide(a, b);
        if (operation == u"squareRoot")
            return numtext::squareRoot(a);
        if (operation == u"naturalLog")
            return numtext::naturalLog(a);
        if (operation == u"sine")
            return numtext::sine(a);
        if (operation == u"cosine")
            return numtext::cosine(a);
        if (operation == u"tangent")
            return numtext::tangent(a);
        if (operation == u"arcTangent")
            return numtext::arcTangent(a);
        if (operation == u"checked")
            return numtext::checked(a);
        QTest::qFail(qPrintable(QStringLiteral("unknown operation ") + operation), __FILE__, __LINE__);
        return 0.0;
    };

    double result = 0;
    QCOMPARE(outcomeName(run(compute, result)), outcomeName(failure));
    if (!failure)
        QCOMPARE(result, expected);
}

void TestNumtext::failureDescriptions()
{
    const Failure kinds[] = {Failure::NotANumber, Failure::DivisionByZero, Failure::Overflow, Failure::InvalidOperation,
                             Failure::OutOfRange};
    QSet<QString> seen;
    for (Failure kind : kinds) {
        const QString text = QString::fromLatin1(ComputationFailure(kind).what());
        QVERIFY(!text.isEmpty());
        seen.insert(text);
    }
    QCOMPARE(seen.size(), qsizetype(std::size(kinds)));
    QVERIFY_THROWS_EXCEPTION(ComputationFailure, numtext::strictNumber(u"5x"));
}

// ---------------------------------------------------------------------------
// Empty test and exact comparison

void TestNumtext::emptyAndExactComparison_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("aEmpty");
    QTest::addColumn<bool>("same");

    QTest::newRow("nothing") << QString() << QString() << true << true;
    QTest::newRow("null and empty") << QString() << QStringLiteral("") << true << true;
    QTest::newRow("one space is not empty") << QStringLiteral(" ") << QString() << false << false;
    QTest::newRow("equal texts") << QStringLiteral("0.3") << QStringLiteral("0.3") << false << true;
    QTest::newRow("case differs") << QStringLiteral("abc") << QStringLiteral("ABC") << false << false;
    QTest::newRow("no trimming") << QStringLiteral("5") << QStringLiteral("5 ") << false << false;
    QTest::newRow("equal numbers, different texts") << QStringLiteral("5") << QStringLiteral("5.0") << false << false;
    QTest::newRow("Arabic-Indic digit is another code unit")
        << QStringLiteral("\u0665") << QStringLiteral("5") << false << false;
    QTest::newRow("composed and decomposed") << QStringLiteral("\u00E9") << QStringLiteral("e\u0301") << false << false;
}

void TestNumtext::emptyAndExactComparison()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, aEmpty);
    QFETCH(bool, same);

    QCOMPARE(numtext::isEmpty(a), aEmpty);
    QCOMPARE(numtext::same(a, b), same);
    QCOMPARE(numtext::same(b, a), same);
}

// The leading number with every digit typed: the same prefix as the
// leading-number parse, held exactly, also beyond the range of a double.
void TestNumtext::leadingDecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<QString>("digits");
    QTest::addColumn<qint64>("exponent");
    QTest::addColumn<bool>("whole");
    const auto row = [](const char *name, const QString &text, bool negative, const char *digits, qint64 exponent,
                        bool whole) {
        QTest::newRow(name) << text << negative << QString::fromLatin1(digits) << exponent << whole;
    };
    row("2^53 + 5, which no double holds", "9007199254740997", false, "9007199254740997", 16, true);
    row("leading and trailing zeros", "00120.500", false, "1205", 3, false);
    row("a whole number written with a fraction", "7.0", false, "7", 1, true);
    row("a point first", "-.05", true, "5", -1, false);
    row("an exponent", "1.5e3abc", false, "15", 4, true);
    row("beyond the doubles", "1E400", false, "1", 401, true);
    row("below the smallest double", "-1E-400", true, "1", -399, false);
    row("spaces and Arabic-Indic digits", QStringLiteral(" ١ ٢٣٫٥"), false, "1235", 3, false);
    row("letters", "abc", false, "", 0, true);
    row("negative zero", "-0.000", false, "", 0, true);
    row("an exponent without digits", "2E+", false, "2", 1, true);
}

void TestNumtext::leadingDecimal()
{
    QFETCH(QString, text);
    QFETCH(bool, negative);
    QFETCH(QString, digits);
    QFETCH(qint64, exponent);
    QFETCH(bool, whole);
    const numtext::ExactDecimal d = numtext::leadingDecimal(text);
    QCOMPARE(d.negative, negative);
    QCOMPARE(QString::fromStdString(d.digits), digits);
    if (!d.isZero())
        QCOMPARE(d.exponent, exponent);
    QCOMPARE(d.isWhole(), whole);
}

// Comparisons and sums of numbers as typed: a + b against c.
void TestNumtext::exactComparisonAndSum_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("sum");
    QTest::addColumn<int>("order"); // a against b
    QTest::newRow("0.1 and 0.7") << "0.1"
                                 << "0.7"
                                 << "0.8" << -1;
    QTest::newRow("a carry") << "9.99"
                             << "0.01"
                             << "10" << 1;
    QTest::newRow("far apart") << "1E20"
                               << "1E-20"
                               << "100000000000000000000.00000000000000000001" << 1;
    QTest::newRow("equal") << "2.50"
                           << "2.5"
                           << "5" << 0;
    QTest::newRow("zero") << "0"
                          << "3"
                          << "3" << -1;
    QTest::newRow("2^53 + 1 and 2^53 + 3") << "9007199254740993"
                                           << "9007199254740995"
                                           << "18014398509481988" << -1;
}

void TestNumtext::exactComparisonAndSum()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, sum);
    QFETCH(int, order);
    const numtext::ExactDecimal x = numtext::leadingDecimal(a), y = numtext::leadingDecimal(b);
    QCOMPARE(numtext::compare(x, y), order);
    QCOMPARE(numtext::compare(y, x), -order);
    const std::optional<numtext::ExactDecimal> total = numtext::sumOf(x, y);
    QVERIFY(total);
    QCOMPARE(numtext::compare(*total, numtext::leadingDecimal(sum)), 0);
    // Signs order before magnitudes.
    numtext::ExactDecimal minusY = y;
    minusY.negative = !minusY.isZero();
    QCOMPARE(numtext::compare(x, minusY), x.isZero() && y.isZero() ? 0 : 1);
    // Digits thousands of places apart are not added.
    QVERIFY(!numtext::sumOf(numtext::leadingDecimal(u"1E300"), numtext::leadingDecimal(u"1E-5000")));
}

QTEST_APPLESS_MAIN(TestNumtext)
#include "test_numtext.moc"
