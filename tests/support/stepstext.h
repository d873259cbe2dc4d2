#pragma once
// What the tests of the worked steps share: the bidirectional marks the plain
// text of the steps carries, and the digit shape as a column of a table.

#include "kit/stepswindow.h"
#include "numtext/digits.h"
#include "numtext/notation.h"
#include "numtext/steps.h"

#include <QMetaType>
#include <QString>
#include <QStringList>

Q_DECLARE_METATYPE(numtext::DigitShape)

namespace stepstext {

inline const QString RLM = QStringLiteral("\u200F");
inline const QString LRM = QStringLiteral("\u200E");
inline const QString ALM = QStringLiteral("\u061C");
// The isolate that holds a run of mathematics left to right in the 123 shape.
inline const QString LRI = QStringLiteral("\u2066");
inline const QString PDI = QStringLiteral("\u2069");

// The text without the isolates that hold the runs of mathematics of the 123
// shape left to right: for the tests of what the lines say. Where the runs
// stand is checked where they are made and drawn (test_glyphorder).
inline QString withoutIsolates(QString text)
{
    text.remove(QChar(u'\u2066'));
    text.remove(QChar(u'\u2069'));
    return text;
}

// Lines as the steps window writes them: each opened by a right-to-left mark.
inline QString rtl(const QStringList &lines)
{
    QStringList marked;
    for (const QString &l : lines)
        marked << RLM + l;
    return marked.join(u'\n');
}

// Whether a line of the steps, as markup or as the steps window's plain text
// in the 123 shape, gives a result box's text: "= " or "≈ " (the value
// written rounded) and the box's number as the steps write it.
inline bool isResultLine(const QString &line, const QString &box)
{
    const QString written = numtext::writtenText(box);
    for (const QString &relation : {QStringLiteral("= "), QStringLiteral("≈ ")}) {
        const QString markup = relation + written;
        if (line == markup || line == RLM + reference::plainStepLine(markup, numtext::DigitShape::Western))
            return true;
    }
    return false;
}

// The same for a result line that ends with its unit ("= 12.566368 وحدة
// مربعة").
inline bool isResultLine(const QString &line, const QString &box, numtext::Unit unit)
{
    const QString suffix = u' ' + numtext::unitName(unit);
    return line.endsWith(suffix) && isResultLine(line.chopped(suffix.size()), box);
}

// The steps of a calculation refused by a notice: nothing but why, and the
// notice's own text.
inline bool refusedWith(const numtext::Steps &steps, const QString &notice)
{
    return steps.lines().isEmpty() && !steps.failed() && steps.refusal().size() == 2
           && steps.refusal().first().startsWith(QStringLiteral("لم يتم الحساب: "))
           && steps.refusal().last() == notice.simplified();
}

} // namespace stepstext
