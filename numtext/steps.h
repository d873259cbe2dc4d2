#pragma once
// Worked steps: how a calculation reached its result, line by line, as plain
// data, written in the notation of numtext/notation.h. Every line is a formula in the markup of the laws pictures (exponents
// ^{..}, \frac{..}{..}, \sqrt{..}, [colour:..]), written with Western digits
// and the full stop as decimal point; the digits take their shape only when
// the steps are shown (numtext/digits.h).
//
// A formula writes its steps into a Steps it is given, next to computing its
// value, so the two cannot disagree:
//
//     double circleArea(double r, numtext::Steps &s)
//     {
//         s.line(symbol::Area, " = ", symbol::Pi, " × ", symbol::Radius, "^{2}");
//         s.line("= ", written(Pi), " × ", power(r, "2"));
//         const double r2 = times(r, r);
//         s.line("= ", written(Pi), " × ", operand(r2));
//         const double area = times(r2, Pi);
//         s.result(area, Unit::Area);     // "= 12.566368 وحدة مربعة"
//         return area;
//     }
//
// A computation failure on the way leaves the lines written so far; the text
// of the failure ends them (fail(), or the failure's own wording when the
// formula gave none). A calculation refused with a notice (an empty box, a
// negative number under a root) computes nothing: its steps say only that,
// and why (refuse()).

#include "numtext/figure.h"
#include "numtext/notation.h"
#include "numtext/numtext.h"

#include <QString>
#include <QStringList>

#include <utility>

namespace numtext {

// A double in the general number format, as a result box shows it. A line of
// the steps writes its numbers with written() (numtext/notation.h).
inline QString num(double value) { return format(value); }

namespace detail {
inline QString part(const QString &text) { return text; }
inline QString part(QStringView text) { return text.toString(); }
inline QString part(const char *text) { return QString::fromUtf8(text); }
inline QString part(const char16_t *text) { return QString::fromUtf16(text); }
inline QString part(QChar c) { return QString(c); }
// A number is written with written() or operand() (numtext/notation.h).
template <class T> QString part(T) = delete;
} // namespace detail

// Why a window refused a calculation with a notice before computing it.
enum class Refusal {
    EmptyBox,          // a box the calculation needs is empty
    RadiusAndDiameter, // both the radius and the diameter are given
    NegativeUnderRoot, // a square root of a number below zero
    ZeroDenominator,   // a fraction over zero
    NothingToRound,    // no result to round yet
    NegativeLength,    // a length below zero
    NoSuchTriangle,    // one side longer than the other two together
    BelowAbsoluteZero, // a temperature below the lowest there is
    TooLargeToTest,    // a whole number too large for the prime test
};

// "لم يتم الحساب: الخانة فارغة، والخانات تبقى على نتيجة الحساب السابق" and the
// like: why, and that no box has changed.
QString refusalText(Refusal kind);

class Steps {
public:
    // Adds a line; its parts (texts, not numbers: write numbers with
    // written() or operand()) are joined.
    template <class... Parts> Steps &line(const Parts &...parts)
    {
        lines_.append((QString() + ... + detail::part(parts)));
        return *this;
    }

    // Adds the line "= value" (or "name = value"), with ≈ when the value is
    // written rounded and its unit after it when it has one, and keeps the
    // value's text: the text its result box shows.
    Steps &result(double value);
    Steps &result(double value, Unit unit);
    Steps &result(const QString &name, double value);
    Steps &result(const QString &name, double value, Unit unit);
    // Keeps the text of a result box that the lines show in another way (a
    // set of roots, a fraction), without adding a line.
    Steps &keep(const QString &boxText)
    {
        results_.append(boxText);
        return *this;
    }
    // The same for a result box that takes a typed text as it is, not a
    // number the program wrote (the text stays as typed).
    Steps &resultText(const QString &name, const QString &text);

    // Ends the steps with why the calculation cannot go on ("ظا 90° غير معرف
    // لأن جتا 90° = 0"). The first text given stays.
    Steps &fail(const QString &text);
    // Ends the steps with the wording of a failure of this kind, unless a
    // text ends them already.
    Steps &fail(Failure kind);

    // Replaces whatever was written with the refusal's line and, when given,
    // the text of the notice that refused (its line breaks as spaces).
    Steps &refuse(Refusal kind, const QString &noticeText = QString());

    // The picture of the problem worked on (numtext/figure.h), given by a
    // formula that knows its numbers; none by default. It changes no line.
    Steps &figure(Figure f)
    {
        figure_ = std::move(f);
        return *this;
    }
    const Figure &figure() const { return figure_; }

    const QStringList &lines() const { return lines_; }
    // The texts of the results, in the order they were given.
    const QStringList &results() const { return results_; }
    const QString &failure() const { return failure_; }
    bool failed() const { return !failure_.isEmpty(); }
    // The lines of a refusal: why nothing was computed, then the notice.
    const QStringList &refusal() const { return refusal_; }
    bool refused() const { return !refusal_.isEmpty(); }
    // No line, no failure and no refusal: nothing has been worked yet.
    bool isEmpty() const { return lines_.isEmpty() && failure_.isEmpty() && refusal_.isEmpty(); }

    bool operator==(const Steps &) const = default;

private:
    QStringList lines_;
    QStringList results_;
    QString failure_;
    QStringList refusal_;
    Figure figure_;
};

// The wording of a failure of a kind, as a line of the steps.
QString failureText(Failure kind);

} // namespace numtext
