#pragma once
// The pupils' record of practice: every answer checked, per pupil name, in
// an SQLite file in the user's data folder. Each answer is one transaction,
// committed before add() returns. Nothing of it opens before a practice or
// progress window does.
//
// Faults never stop practice: a corrupt file is moved aside (its name kept,
// with the date) and a fresh one starts; a folder where nothing can be
// written keeps the answers in memory only; a file another copy of the
// program holds is waited for, briefly, and written after it. notice() says
// once what the pupil must know.

#include "practice/mastery.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

namespace practice {

class Record {
public:
    // The record in a folder (created when missing); defaultFolder() when
    // none is given.
    explicit Record(const QString &folder = QString());
    ~Record();
    Record(const Record &) = delete;
    Record &operator=(const Record &) = delete;

    // The user's data folder for the program, or the folder named by the
    // environment variable NABROSA_DATA_DIR when it is set.
    static QString defaultFolder();
    // The record's file.
    QString fileName() const;

    // What the pupil must be told, once (empty once said, or when all is
    // well): the file was corrupt and was moved aside; nothing is saved.
    QString takeNotice();
    // Whether answers reach the file.
    bool saving() const;

    // Adds an answer in one transaction, committed on return. False when it
    // could not be saved: it is then kept in memory for the session, and
    // takeNotice() says so once.
    bool add(const Answer &answer);

    // A pupil's answers, oldest first; of one section when one is given.
    QList<Answer> answers(const QString &pupil, const QString &section = QString()) const;
    // Every pupil with answers, sorted.
    QStringList pupils() const;
    // Deletes a pupil's answers. False when they could not be deleted.
    bool remove(const QString &pupil);

    // Every pupil's record as CSV for a spreadsheet: UTF-8 with a byte-order
    // mark, a header line, then one row per pupil, section and kind (their
    // Arabic titles): attempts, right answers, hints, level, mastered or
    // not, last practised (local time).
    QByteArray csv() const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// What takeNotice() says: the damaged file was moved aside to movedTo; no
// answer is saved.
QString corruptNotice(const QString &movedTo);
QString unsavedNotice();

} // namespace practice
