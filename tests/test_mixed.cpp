// Mixed values: their texts and numbers, the operators with their coercion
// rules, Mod, comparisons, absolute value and truncation.

#include "numtext/mixed.h"
#include "support/outcome.h"

#include <QtTest>

#include <cfloat>
#include <cstdint>
#include <limits>
#include <optional>

using numtext::ComputationFailure;
using numtext::Failure;
using numtext::Mixed;

Q_DECLARE_METATYPE(numtext::Mixed)

namespace {

const Outcome NotANumber = Failure::NotANumber;
const Outcome DivisionByZero = Failure::DivisionByZero;
const Outcome Overflow = Failure::Overflow;
const Outcome OutOfRange = Failure::OutOfRange;

constexpr std::int32_t Int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Int32Min = std::numeric_limits<std::int32_t>::min();

Mixed empty() { return Mixed(); }
Mixed i16(int v) { return Mixed(static_cast<std::int16_t>(v)); }
Mixed i32(std::int32_t v) { return Mixed(v); }
Mixed sng(float v) { return Mixed(v); }
Mixed dbl(double v) { return Mixed(v); }
Mixed txt(const char *v) { return Mixed(QString::fromUtf8(v)); }


// Kind and full-precision value, so that a comparison shows both.
QString show(const Mixed &m)
{
    switch (m.kind()) {
    case Mixed::Kind::Empty:
        return QStringLiteral("empty");
    case Mixed::Kind::Int16:
        return QStringLiteral("int16 %1").arg(std::get<std::int16_t>(m.value()));
    case Mixed::Kind::Int32:
        return QStringLiteral("int32 %1").arg(std::get<std::int32_t>(m.value()));
    case Mixed::Kind::Single:
        return QStringLiteral("single %1").arg(double(std::get<float>(m.value())), 0, 'g', 9);
    case Mixed::Kind::Double:
        return QStringLiteral("double %1").arg(std::get<double>(m.value()), 0, 'g', 17);
    case Mixed::Kind::Text:
        return QStringLiteral("text '%1'").arg(std::get<QString>(m.value()));
    }
    return QString();
}

} // namespace

class TestMixed : public QObject {
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void number_data();
    void number();
    void arithmetic_data();
    void arithmetic();
    void mod_data();
    void mod();
    void comparison_data();
    void comparison();
    void equalsText_data();
    void equalsText();
    void absAndTruncation_data();
    void absAndTruncation();
};

// ---------------------------------------------------------------------------
// Text and number of a mixed value

void TestMixed::text_data()
{
    QTest::addColumn<Mixed>("value");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("isNumber");

    QTest::newRow("empty") << empty() << QString() << false;
    QTest::newRow("16-bit negative, no space") << i16(-5) << QStringLiteral("-5") << true;
    QTest::newRow("32-bit positive, no space") << i32(1024) << QStringLiteral("1024") << true;
    QTest::newRow("double in the general format") << dbl(1.0 / 3.0) << QStringLiteral("0.333333333333333") << true;
    QTest::newRow("double exponent form") << dbl(1e15) << QStringLiteral("1E+15") << true;
    QTest::newRow("double negative zero") << dbl(-0.0) << QStringLiteral("0") << true;
    QTest::newRow("single one tenth") << sng(0.1f) << QStringLiteral("0.1") << true;
    QTest::newRow("single seven digits") << sng(1.0f / 3.0f) << QStringLiteral("0.3333333") << true;
    QTest::newRow("single exponent 7") << sng(1e7f) << QStringLiteral("1E+07") << true;
    QTest::newRow("text is itself") << txt(" 12abc ") << QStringLiteral(" 12abc ") << false;
}

void TestMixed::text()
{
    QFETCH(Mixed, value);
    QFETCH(QString, expected);
    QFETCH(bool, isNumber);
    QCOMPARE(value.text(), expected);
    QCOMPARE(value.isNumber(), isNumber);
}

void TestMixed::number_data()
{
    QTest::addColumn<Mixed>("value");
    QTest::addColumn<double>("expected");
    QTest::addColumn<Outcome>("failure");

    QTest::newRow("empty is zero") << empty() << 0.0 << Ok;
    QTest::newRow("16-bit") << i16(-5) << -5.0 << Ok;
    QTest::newRow("32-bit") << i32(Int32Min) << -2147483648.0 << Ok;
    QTest::newRow("single widened exactly") << sng(0.1f) << 0.100000001490116119384765625 << Ok;
    QTest::newRow("double") << dbl(2.5) << 2.5 << Ok;
    QTest::newRow("text converted strictly") << txt(" 12 ") << 12.0 << Ok;
    QTest::newRow("text that is not a number") << txt("12abc") << 0.0 << NotANumber;
    QTest::newRow("empty text") << txt("") << 0.0 << NotANumber;
    QTest::newRow("text beyond the range") << txt("1e400") << 0.0 << Overflow;
}

void TestMixed::number()
{
    QFETCH(Mixed, value);
    QFETCH(double, expected);
    QFETCH(Outcome, failure);

    double result = 0;
    QCOMPARE(outcomeName(run([&] { return value.number(); }, result)), outcomeName(failure));
    if (!failure)
        QCOMPARE(result, expected);
}

// ---------------------------------------------------------------------------
// Plus, minus, times, divide

void TestMixed::arithmetic_data()
{
    QTest::addColumn<char>("op");
    QTest::addColumn<Mixed>("a");
    QTest::addColumn<Mixed>("b");
    QTest::addColumn<Mixed>("expected");
    QTest::addColumn<Outcome>("failure");

    // Texts join, and meet numbers as strictly converted doubles.
    QTest::newRow("text plus double") << '+' << txt("2") << dbl(3) << dbl(5) << Ok;
    QTest::newRow("text plus text joins") << '+' << txt("2") << txt("3") << txt("23") << Ok;
    QTest::newRow("non-numbers join too") << '+' << txt("ab") << txt(" c") << txt("ab c") << Ok;
    QTest::newRow("text divided by text") << '/' << txt("6") << txt("3") << dbl(2) << Ok;
    QTest::newRow("text minus text") << '-' << txt("7") << txt(" 2 ") << dbl(5) << Ok;
    QTest::newRow("text times text") << '*' << txt("2") << txt("3") << dbl(6) << Ok;
    QTest::newRow("text plus 16-bit gives a double") << '+' << txt("2") << i16(3) << dbl(5) << Ok;
    QTest::newRow("single times text gives a double") << '*' << sng(0.5f) << txt("3") << dbl(1.5) << Ok;
    QTest::newRow("text that is not a number times 2") << '*' << txt("abc") << i32(2) << Mixed() << NotANumber;
    QTest::newRow("number plus text that is not a number") << '+' << dbl(1) << txt("5x") << Mixed() << NotANumber;
    QTest::newRow("texts that are not numbers, minus") << '-' << txt("a") << txt("b") << Mixed() << NotANumber;

    // Empty counts as 0; with a text, plus gives the text.
    QTest::newRow("empty plus text") << '+' << empty() << txt("abc") << txt("abc") << Ok;
    QTest::newRow("text plus empty") << '+' << txt("abc") << empty() << txt("abc") << Ok;
    QTest::newRow("empty plus empty") << '+' << empty() << empty() << i16(0) << Ok;
    QTest::newRow("empty plus 32-bit") << '+' << empty() << i32(7) << i32(7) << Ok;
    QTest::newRow("empty minus double") << '-' << empty() << dbl(2.5) << dbl(-2.5) << Ok;
    QTest::newRow("empty times single") << '*' << empty() << sng(2.5f) << sng(0.0f) << Ok;
    QTest::newRow("empty times text") << '*' << empty() << txt("4") << dbl(0) << Ok;
    QTest::newRow("empty minus text that is not a number") << '-' << empty() << txt("abc") << Mixed() << NotANumber;

    // Integers stay integers while they fit, then widen.
    QTest::newRow("16-bit plus 16-bit") << '+' << i16(1) << i16(2) << i16(3) << Ok;
    QTest::newRow("16-bit sum widens to 32-bit") << '+' << i16(30000) << i16(30000) << i32(60000) << Ok;
    QTest::newRow("16-bit difference widens") << '-' << i16(-32768) << i16(1) << i32(-32769) << Ok;
    QTest::newRow("16-bit product widens") << '*' << i16(200) << i16(200) << i32(40000) << Ok;
    QTest::newRow("16-bit meets 32-bit") << '+' << i16(1) << i32(2) << i32(3) << Ok;
    QTest::newRow("32-bit sum widens to double") << '+' << i32(Int32Max) << i32(1) << dbl(2147483648.0) << Ok;
    QTest::newRow("32-bit difference widens") << '-' << i32(Int32Min) << i16(1) << dbl(-2147483649.0) << Ok;
    QTest::newRow("32-bit product widens") << '*' << i32(65536) << i32(65536) << dbl(4294967296.0) << Ok;
    QTest::newRow("largest product") << '*' << i32(Int32Min) << i32(Int32Min) << dbl(4611686018427387904.0) << Ok;
    QTest::newRow("integer meets double") << '*' << i32(3) << dbl(0.5) << dbl(1.5) << Ok;

    // Singles compute in single precision; a double makes it double.
    QTest::newRow("single plus 16-bit") << '+' << sng(1.5f) << i16(2) << sng(3.5f) << Ok;
    QTest::newRow("single plus single") << '+' << sng(0.1f) << sng(0.2f) << sng(0.1f + 0.2f) << Ok;
    QTest::newRow("32-bit meeting a single is rounded to single")
        << '-' << i32(16777217) << sng(0.0f) << sng(16777216.0f) << Ok;
    QTest::newRow("single plus double") << '+' << sng(0.1f) << dbl(0.2) << dbl(double(0.1f) + 0.2) << Ok;
    QTest::newRow("single overflows its range") << '*' << sng(FLT_MAX) << sng(2.0f) << Mixed() << Overflow;
    QTest::newRow("single product beyond single range with integer")
        << '*' << sng(1e38f) << i16(10) << Mixed() << Overflow;

    // Divide always gives a double and refuses a zero divisor.
    QTest::newRow("integer quotient") << '/' << i32(7) << i32(2) << dbl(3.5) << Ok;
    QTest::newRow("16-bit quotient") << '/' << i16(6) << i16(3) << dbl(2) << Ok;
    QTest::newRow("single quotient is a double") << '/' << sng(1.0f) << sng(3.0f) << dbl(1.0 / 3.0) << Ok;
    QTest::newRow("5 divided by 0") << '/' << i32(5) << i32(0) << Mixed() << DivisionByZero;
    QTest::newRow("0 divided by 0") << '/' << dbl(0) << dbl(0) << Mixed() << DivisionByZero;
    QTest::newRow("divided by empty") << '/' << dbl(5) << empty() << Mixed() << DivisionByZero;
    QTest::newRow("divided by a zero text") << '/' << txt("5") << txt(" 0.0 ") << Mixed() << DivisionByZero;
    QTest::newRow("quotient beyond the range") << '/' << dbl(1e300) << dbl(1e-300) << Mixed() << Overflow;

    // Double overflow.
    QTest::newRow("double sum overflows") << '+' << dbl(DBL_MAX) << dbl(DBL_MAX) << Mixed() << Overflow;
    QTest::newRow("product with a text overflows") << '*' << dbl(1e200) << txt("1e200") << Mixed() << Overflow;
    QTest::newRow("double underflows quietly") << '*' << dbl(1e-200) << dbl(1e-200) << dbl(0) << Ok;
}

void TestMixed::arithmetic()
{
    QFETCH(char, op);
    QFETCH(Mixed, a);
    QFETCH(Mixed, b);
    QFETCH(Mixed, expected);
    QFETCH(Outcome, failure);

    Mixed result;
    const auto compute = [&]() -> Mixed {
        switch (op) {
        case '+':
            return a + b;
        case '-':
            return a - b;
        case '*':
            return a * b;
        default:
            return a / b;
        }
    };
    QCOMPARE(outcomeName(run(compute, result)), outcomeName(failure));
    if (!failure)
        QCOMPARE(show(result), show(expected));
}

// ---------------------------------------------------------------------------
// Mod

void TestMixed::mod_data()
{
    QTest::addColumn<Mixed>("a");
    QTest::addColumn<Mixed>("b");
    QTest::addColumn<Mixed>("expected");
    QTest::addColumn<Outcome>("failure");

    QTest::newRow("7 mod 2") << i32(7) << i32(2) << i32(1) << Ok;
    QTest::newRow("-7 mod 2 takes the dividend's sign") << i32(-7) << i32(2) << i32(-1) << Ok;
    QTest::newRow("7 mod -2") << i32(7) << i32(-2) << i32(1) << Ok;
    QTest::newRow("3 mod 2") << dbl(3) << dbl(2) << i32(1) << Ok;
    QTest::newRow("4 mod 2") << dbl(4) << dbl(2) << i32(0) << Ok;
    QTest::newRow("2.5 rounds to 2") << dbl(2.5) << i32(2) << i32(0) << Ok;
    QTest::newRow("3.5 rounds to 4") << dbl(3.5) << i32(2) << i32(0) << Ok;
    QTest::newRow("divisor rounds too") << i32(7) << dbl(2.5) << i32(1) << Ok;
    QTest::newRow("single operands") << sng(7.6f) << sng(3.0f) << i32(2) << Ok;
    QTest::newRow("two 16-bit give 16-bit") << i16(7) << i16(3) << i16(1) << Ok;
    QTest::newRow("16-bit and 32-bit give 32-bit") << i16(7) << i32(3) << i32(1) << Ok;
    QTest::newRow("texts are converted strictly") << txt("7") << txt(" 2 ") << i32(1) << Ok;
    QTest::newRow("empty dividend") << empty() << i16(2) << i16(0) << Ok;
    QTest::newRow("smallest by -1") << i32(Int32Min) << i32(-1) << i32(0) << Ok;
    QTest::newRow("zero divisor") << i32(5) << i32(0) << Mixed() << DivisionByZero;
    QTest::newRow("divisor rounding to zero") << i32(5) << dbl(0.5) << Mixed() << DivisionByZero;
    QTest::newRow("empty divisor") << i32(5) << empty() << Mixed() << DivisionByZero;
    QTest::newRow("text that is not a number") << txt("abc") << i32(2) << Mixed() << NotANumber;
    QTest::newRow("dividend beyond 32 bits") << dbl(3e9) << i32(2) << Mixed() << OutOfRange;
}

void TestMixed::mod()
{
    QFETCH(Mixed, a);
    QFETCH(Mixed, b);
    QFETCH(Mixed, expected);
    QFETCH(Outcome, failure);

    Mixed result;
    QCOMPARE(outcomeName(run([&] { return numtext::mod(a, b); }, result)), outcomeName(failure));
    if (!failure)
        QCOMPARE(show(result), show(expected));
}

// ---------------------------------------------------------------------------
// Comparisons

void TestMixed::comparison_data()
{
    QTest::addColumn<Mixed>("a");
    QTest::addColumn<Mixed>("b");
    QTest::addColumn<bool>("equal");
    QTest::addColumn<bool>("less");
    QTest::addColumn<Outcome>("failure");

    // Numbers by value, whatever their kinds.
    QTest::newRow("16-bit and double") << i16(2) << dbl(2.0) << true << false << Ok;
    QTest::newRow("32-bit below double") << i32(1) << dbl(1.5) << false << true << Ok;
    QTest::newRow("single is its exact value") << sng(0.1f) << dbl(0.1) << false << false << Ok;
    QTest::newRow("single and integer") << sng(-3.0f) << i32(-3) << true << false << Ok;
    QTest::newRow("empty is zero") << empty() << i32(0) << true << false << Ok;
    QTest::newRow("empty and empty") << empty() << empty() << true << false << Ok;
    QTest::newRow("negative below empty") << dbl(-1) << empty() << false << true << Ok;

    // Texts exactly, code unit by code unit.
    QTest::newRow("same texts") << txt("abc") << txt("abc") << true << false << Ok;
    QTest::newRow("case matters") << txt("ABC") << txt("abc") << false << true << Ok;
    QTest::newRow("no trimming") << txt("abc") << txt("abc ") << false << true << Ok;
    QTest::newRow("texts are not numbers") << txt("10") << txt("9") << false << true << Ok;
    QTest::newRow("equal numbers, different texts") << txt("5") << txt("5.0") << false << true << Ok;
    QTest::newRow("later text") << txt("b") << txt("a") << false << false << Ok;

    // A number meeting a mixed text converts the text strictly.
    QTest::newRow("number and numeric text") << i32(12) << txt(" 12 ") << true << false << Ok;
    QTest::newRow("numeric text and number") << txt("1e2") << dbl(99.5) << false << false << Ok;
    QTest::newRow("empty and numeric text") << empty() << txt("0") << true << false << Ok;
    QTest::newRow("number and other text") << i32(12) << txt("x") << false << false << NotANumber;
}

void TestMixed::comparison()
{
    QFETCH(Mixed, a);
    QFETCH(Mixed, b);
    QFETCH(bool, equal);
    QFETCH(bool, less);
    QFETCH(Outcome, failure);

    bool result = false;
    QCOMPARE(outcomeName(run([&] { return a == b; }, result)), outcomeName(failure));
    if (!failure)
        QCOMPARE(result, equal);
    QCOMPARE(outcomeName(run([&] { return a < b; }, result)), outcomeName(failure));
    if (!failure)
        QCOMPARE(result, less);
}

// A number compared with a plain text is written as text first.
void TestMixed::equalsText_data()
{
    QTest::addColumn<Mixed>("number");
    QTest::addColumn<QString>("plainText");
    QTest::addColumn<bool>("equal");

    QTest::newRow("double as written") << dbl(0.1) << QStringLiteral("0.1") << true;
    QTest::newRow("fifteen digits") << dbl(2.0 / 3.0) << QStringLiteral("0.666666666666667") << true;
    QTest::newRow("no spaces added") << i32(5) << QStringLiteral(" 5") << false;
    QTest::newRow("other spelling of the value") << dbl(5) << QStringLiteral("5.0") << false;
    QTest::newRow("exponent form") << dbl(1e15) << QStringLiteral("1E+15") << true;
    QTest::newRow("exponent letter case") << dbl(1e15) << QStringLiteral("1e+15") << false;
    QTest::newRow("single in seven digits") << sng(0.1f) << QStringLiteral("0.1") << true;
    QTest::newRow("widened single in fifteen digits")
        << dbl(double(0.1f)) << QStringLiteral("0.100000001490116") << true;
    QTest::newRow("16-bit negative") << i16(-3) << QStringLiteral("-3") << true;
    QTest::newRow("empty and the empty text") << empty() << QString() << true;
}

void TestMixed::equalsText()
{
    QFETCH(Mixed, number);
    QFETCH(QString, plainText);
    QFETCH(bool, equal);
    QCOMPARE(numtext::equalsText(number, plainText), equal);
}

// ---------------------------------------------------------------------------
// Absolute value and truncation

void TestMixed::absAndTruncation_data()
{
    QTest::addColumn<Mixed>("value");
    QTest::addColumn<Mixed>("absolute");
    QTest::addColumn<Mixed>("truncated");
    QTest::addColumn<Outcome>("failure");

    QTest::newRow("empty") << empty() << i16(0) << i16(0) << Ok;
    QTest::newRow("16-bit") << i16(-5) << i16(5) << i16(-5) << Ok;
    QTest::newRow("smallest 16-bit") << i16(-32768) << i32(32768) << i16(-32768) << Ok;
    QTest::newRow("32-bit") << i32(-70000) << i32(70000) << i32(-70000) << Ok;
    QTest::newRow("smallest 32-bit") << i32(Int32Min) << dbl(2147483648.0) << i32(Int32Min) << Ok;
    QTest::newRow("single") << sng(-2.75f) << sng(2.75f) << sng(-2.0f) << Ok;
    QTest::newRow("double") << dbl(-7.5) << dbl(7.5) << dbl(-7.0) << Ok;
    QTest::newRow("positive double") << dbl(2.7) << dbl(2.7) << dbl(2.0) << Ok;
    QTest::newRow("numeric text gives a double") << txt(" -2.7 ") << dbl(2.7) << dbl(-2.0) << Ok;
    QTest::newRow("text that is not a number") << txt("abc") << Mixed() << Mixed() << NotANumber;
}

void TestMixed::absAndTruncation()
{
    QFETCH(Mixed, value);
    QFETCH(Mixed, absolute);
    QFETCH(Mixed, truncated);
    QFETCH(Outcome, failure);

    Mixed result;
    QCOMPARE(outcomeName(run([&] { return value.abs(); }, result)), outcomeName(failure));
    if (!failure)
        QCOMPARE(show(result), show(absolute));
    QCOMPARE(outcomeName(run([&] { return value.truncated(); }, result)), outcomeName(failure));
    if (!failure)
        QCOMPARE(show(result), show(truncated));
}

QTEST_APPLESS_MAIN(TestMixed)
#include "test_mixed.moc"
