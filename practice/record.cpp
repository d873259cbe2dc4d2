#include "practice/record.h"

#include <QStandardPaths>

namespace practice {

// Kept in memory only, for now.
struct Record::Private {
    QString folder;
    QList<Answer> answers;
};

Record::Record(const QString &folder) : d(std::make_unique<Private>())
{
    d->folder = folder.isEmpty() ? defaultFolder() : folder;
}

Record::~Record() = default;

QString Record::defaultFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

QString Record::fileName() const { return d->folder + QStringLiteral("/practice.sqlite"); }

QString Record::takeNotice() { return QString(); }

bool Record::saving() const { return false; }

bool Record::add(const Answer &answer)
{
    d->answers.append(answer);
    return false;
}

QList<Answer> Record::answers(const QString &pupil, const QString &section) const
{
    QList<Answer> found;
    for (const Answer &a : d->answers)
        if (a.pupil == pupil && (section.isEmpty() || a.section == section))
            found.append(a);
    return found;
}

QStringList Record::pupils() const
{
    QStringList names;
    for (const Answer &a : d->answers)
        if (!names.contains(a.pupil))
            names.append(a.pupil);
    names.sort();
    return names;
}

bool Record::remove(const QString &pupil)
{
    d->answers.removeIf([&](const Answer &a) { return a.pupil == pupil; });
    return true;
}

QByteArray Record::csv() const { return QByteArray("\xEF\xBB\xBF"); }

} // namespace practice
