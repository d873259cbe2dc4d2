#pragma once
// What the tests of the worked steps share: the bidirectional marks the plain
// text of the steps carries, and the digit shape as a column of a table.

#include "numtext/digits.h"

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

} // namespace stepstext
