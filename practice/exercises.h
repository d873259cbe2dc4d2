#pragma once
// Exercises for the pupil, made without widgets: for each section that
// computes, its kinds of exercise at three levels (1: small whole numbers,
// 2: decimals, 3: larger numbers, negatives where they make sense, rounding),
// the same ones for the same seed on every platform. The answer of each is
// worked exactly from the numbers given (they are short decimals), rounded
// half away from zero where rounding is asked, as taught at school.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstdint>
#include <optional>

namespace practice {

// An exact fraction of two 64-bit whole numbers, kept in lowest terms with a
// positive denominator. The arithmetic of the exercises never comes near the
// limits (the numbers given are short); an overflow is a programming fault
// and throws std::overflow_error.
class Rational {
public:
    Rational() = default;
    Rational(std::int64_t whole) : num_(whole) {} // NOLINT(google-explicit-constructor)
    Rational(std::int64_t numerator, std::int64_t denominator);
    // A short decimal: mantissa × 10^-places (1234, 2 is 12.34).
    static Rational decimal(std::int64_t mantissa, int places);

    std::int64_t numerator() const { return num_; }
    std::int64_t denominator() const { return den_; }
    bool isWhole() const { return den_ == 1; }
    int sign() const { return num_ > 0 ? 1 : (num_ < 0 ? -1 : 0); }
    double toDouble() const { return static_cast<double>(num_) / static_cast<double>(den_); }
    // Whether the decimal writing ends (the denominator has no prime factor
    // but 2 and 5).
    bool isTerminating() const;

    friend Rational operator+(const Rational &a, const Rational &b);
    friend Rational operator-(const Rational &a, const Rational &b);
    friend Rational operator*(const Rational &a, const Rational &b);
    friend Rational operator/(const Rational &a, const Rational &b);
    friend Rational operator-(const Rational &a) { return Rational(-a.num_, a.den_); }
    friend bool operator==(const Rational &a, const Rational &b) = default;
    friend bool operator<(const Rational &a, const Rational &b);

private:
    std::int64_t num_ = 0, den_ = 1;
};

// Rounded to a number of decimal places, halves away from zero.
Rational roundHalfUp(const Rational &value, int places);
// The text a pupil would type with Western digits: "12.5", "-3", "7/12" for a
// fraction whose decimals do not end (or always as a fraction when asked).
QString decimalText(const Rational &value);
QString fractionText(const Rational &value);
// The shortest exact text: the decimal when it ends, else the fraction.
QString exactText(const Rational &value);

// The sections that set exercises, as the command line names them.
const QStringList &sections();

// One exercise.
struct Exercise {
    QString section, kind;
    int level = 1;
    std::uint64_t seed = 0;
    int index = 0;
    QString question;                      // Arabic, with Western digits (shown in the chosen shape)
    QList<QPair<QString, Rational>> given; // the numbers given, in order
    std::optional<int> round;              // the decimal places asked, or none when exact
    QString answer;                        // the text a pupil would type, Western digits

    // What the answer checker needs: the answer's numbers (rounded as
    // asked), the true values behind them (to judge extra digits), whether
    // the answer is in words (a choice: parity, prime or not), whether there
    // is no real root, and whether lowest terms were asked.
    QList<Rational> values;
    QList<double> exact;
    bool words = false;
    bool noSolution = false;
    bool lowestTerms = false;

    Rational number(const QString &key) const;
};

// The π of the exercises, ط = 3.14 as the laws pictures teach it; a teacher
// may ask for another (22/7) on a worksheet. An answer that π leaves without
// an end to its decimals is asked rounded to two places.
Rational piTaught();

// The exercise `index` of a section at a level for a seed. Throws
// std::invalid_argument for a section that is not one of sections() or a
// level outside 1..3.
Exercise makeExercise(const QString &section, int level, std::uint64_t seed, int index,
                      const Rational &pi = piTaught());

// The kinds a section sets, in the order it sets them.
QStringList kinds(const QString &section);

// What a pupil or a teacher reads for a section ("المساحات") and a kind
// ("مساحة الدائرة"); the name itself for one that is not known.
QString sectionTitle(const QString &section);
QString kindTitle(const QString &kind);

// The exercise as one JSON line: section, kind, level, seed, index,
// question, given, round (null when exact), answer.
QByteArray jsonLine(const Exercise &exercise);

} // namespace practice
