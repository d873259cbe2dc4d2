#pragma once
// Recomputing the worked steps line by line, without any widget: whether
// every "=" of every line holds and every "≈" holds to the digits shown.
//
// A line is read as the steps window writes it in either digit shape, or as
// the formula markup it comes from: Arabic-Indic or Western digits, "٫" or
// "." as decimal mark, the minus sign U+2212 or "-", "×", "÷" (or "/"),
// brackets, raised powers ("^{2}", "^(−6)", "²", "⁻⁶"), fractions
// ("\frac{a}{b}"), radicals ("\sqrt{x}", "√(x)"), powers of ten ("× ١٠^{٦}")
// and names bound to values ("ط", "نق"). Colours and direction marks are
// ignored.
//
// The sides of a line between its "=" and "≈" signs are evaluated; one that
// is words (a name not bound, a sentence) is left alone. A side may end in
// words after a space (a unit: "= ١٢٫٥٦ وحدة مربعة", a remark in brackets),
// and the first side may open with a label ("المعادلة: …"); the clauses of a
// line between "،" and "؛" are read each on its own ("أ = ١ ، ب = −٣"). Then:
//   - "=" holds when both sides agree to fifteen significant digits, allowing
//     for what double arithmetic loses on the way (a difference of nearly
//     equal numbers);
//   - "≈" holds when they agree within the rounding of the digits written on
//     either side (ط ≈ ٣٫١٤ holds, ط ≈ ٣٫١٥ does not);
//   - a line that opens with "= " or "≈ " continues the line before it: its
//     first value stands in that relation to the last value of the line
//     before (so "الزاوية = ٣٠" then "= ٣٠ × ط ÷ ١٨٠" is a fault); the first
//     line cannot open so.
//
// Use in a test:
//
//     numtext::Steps s;
//     circleArea(numtext::leadingTyped("2"), s);
//     VERIFY_LINES(s.lines(), {{"نق", 2}});
//
// or, to look at the report: const linecheck::Report r = linecheck::check(s.lines(), names);
// r.ok(), r.text(), r.relations (how many relations were checked: a table
// can require that its steps were checked at all).

#include "numtext/steps.h"

#include <QString>
#include <QStringList>
#include <QTest>

#include <functional>
#include <map>
#include <optional>

namespace linecheck {

// Names and their values, written as the lines write them ("نق", "[green:نق]",
// "س١", "جتا ٩٠°"). "ط" stands for π unless bound otherwise.
using Names = std::map<QString, double>;
// Functions written before their argument ("لو ١٠٠٠", "جا (٣٠°)"), in the
// unit the caller chooses.
using Functions = std::map<QString, std::function<double(double)>>;

struct Report {
    // One text for each offending line: its number (from 1), the line, and
    // the two values that disagree.
    QStringList faults;
    // The relations checked (each "=" or "≈" between two values).
    int relations = 0;

    bool ok() const { return faults.isEmpty(); }
    QString text() const { return faults.join(u'\n'); }
};

Report check(const QStringList &lines, const Names &names = {}, const Functions &functions = {});
// The lines of the steps (a refusal and a failure are words).
inline Report check(const numtext::Steps &steps, const Names &names = {}, const Functions &functions = {})
{
    return check(steps.lines(), names, functions);
}

// The value of one expression, as a side of a line is read; nothing when it
// is not arithmetic.
std::optional<double> value(const QString &expression, const Names &names = {}, const Functions &functions = {});

// The six trigonometric functions of a number of radians, under the names
// the lines write them with.
const Functions &radianFunctions();
// The same of a number of degrees ("جا ٣٠°"), exact on the axes (جا ١٨٠° is
// 0) and not a number at a pole.
const Functions &degreeFunctions();

} // namespace linecheck

// Fails the test with the offending lines when a line does not follow, or
// when no relation at all could be checked.
#define VERIFY_LINES(...)                                                                                              \
    do {                                                                                                               \
        const linecheck::Report lineReport_ = linecheck::check(__VA_ARGS__);                                           \
        QVERIFY2(lineReport_.ok(), qPrintable(lineReport_.text()));                                                    \
        QVERIFY2(lineReport_.relations > 0, "no line of the steps could be recomputed");                               \
    } while (false)
