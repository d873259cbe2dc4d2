#pragma once
// What the tests of the worked steps share: the bidirectional marks the plain
// text of the steps carries, and the digit shape as a column of a table.

#include "numtext/digits.h"
#include "numtext/steps.h"

#include <QMetaType>
#include <QString>
#include <QStringList>

Q_DECLARE_METATYPE(numtext::DigitShape)

namespace stepstext {

inline const QString RLM = QStringLiteral("\u200F");
inline const QString LRM = QStringLiteral("\u200E");
inline const QString ALM = QStringLiteral("\u061C");

// Lines as the steps window writes them: each opened by a right-to-left mark.
inline QString rtl(const QStringList &lines)
{
    QStringList marked;
    for (const QString &l : lines)
        marked << RLM + l;
    return marked.join(u'\n');
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
