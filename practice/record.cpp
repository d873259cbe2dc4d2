#include "practice/record.h"

#include "practice/exercises.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <atomic>

namespace practice {

namespace {

const QString FileName = QStringLiteral("practice.sqlite");

// The columns of the one table, in the order they are written and read.
const QStringList Columns = {
    QStringLiteral("id"),      QStringLiteral("pupil"), QStringLiteral("section"),  QStringLiteral("kind"),
    QStringLiteral("level"),   QStringLiteral("seed"),  QStringLiteral("idx"),      QStringLiteral("attempt"),
    QStringLiteral("correct"), QStringLiteral("hints"), QStringLiteral("solution"), QStringLiteral("at"),
};

const QString CreateTable = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS answers (id INTEGER PRIMARY KEY, pupil TEXT NOT NULL, section TEXT NOT NULL,"
    " kind TEXT NOT NULL, level INTEGER NOT NULL, seed TEXT NOT NULL, idx INTEGER NOT NULL,"
    " attempt INTEGER NOT NULL, correct INTEGER NOT NULL, hints INTEGER NOT NULL, solution INTEGER NOT NULL,"
    " at INTEGER)");
const QString CreateIndex = QStringLiteral("CREATE INDEX IF NOT EXISTS answers_pupil ON answers (pupil)");

// How long a file another copy of the program is writing is waited for.
constexpr int BusyTimeoutMs = 10000;

// SQLite's result codes that say the file is not a database, or a damaged
// one (SQLITE_CORRUPT, SQLITE_NOTADB).
bool isDamage(const QSqlError &error)
{
    const QString code = error.nativeErrorCode();
    return code == u"11" || code == u"26";
}

QString connectionName()
{
    static std::atomic<int> serial{0};
    return QStringLiteral("nabrosa-record-%1").arg(++serial);
}

// Moves a file aside, its name kept with the date added, never over an
// earlier one; the new name, or empty when it could not be moved.
QString moveAside(const QString &file)
{
    const QString base = file + QStringLiteral(".corrupt-") + QDate::currentDate().toString(Qt::ISODate);
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo::exists(aside + QStringLiteral("-journal")); ++n)
        aside = base + QStringLiteral("-%1").arg(n);
    if (!QFile::rename(file, aside))
        return QString();
    // A journal left by the damaged file would be played into the fresh one.
    for (const QString &side : {QStringLiteral("-journal"), QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFileInfo::exists(file + side))
            QFile::rename(file + side, aside + side);
    return aside;
}

Answer answerOf(const QSqlQuery &q)
{
    Answer a;
    a.pupil = q.value(1).toString();
    a.section = q.value(2).toString();
    a.kind = q.value(3).toString();
    a.level = q.value(4).toInt();
    a.seed = q.value(5).toString().toULongLong();
    a.index = q.value(6).toInt();
    a.attempt = q.value(7).toInt();
    a.right = q.value(8).toInt() != 0;
    a.hints = q.value(9).toInt();
    a.solutionShown = q.value(10).toInt() != 0;
    if (!q.value(11).isNull())
        a.at = QDateTime::fromMSecsSinceEpoch(q.value(11).toLongLong(), Qt::UTC);
    return a;
}

// A CSV field (RFC 4180): quoted when it holds a quote, a comma or a line
// break, its quotes doubled.
QString csvField(const QString &text)
{
    if (!text.contains(u'"') && !text.contains(u',') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

} // namespace

QString corruptNotice(const QString &movedTo)
{
    return QStringLiteral("تعذرت قراءة ملف سجل تمارينك لأنه تالف، فحفظناه جانبا باسم «%1» وبدأنا سجلا جديدا. "
                          "تمارينك من الآن تحفظ كالمعتاد.")
        .arg(QFileInfo(movedTo).fileName());
}

QString unsavedNotice()
{
    return QStringLiteral("لا يمكن الحفظ في مجلد بيانات البرنامج، فتمارين هذه الجلسة لن تبقى بعد إغلاقه. "
                          "يمكنك أن تتمرن كالمعتاد.");
}

struct Record::Private {
    QString folder;
    QString connection;   // empty when no file is open
    bool saving = false;  // the file is open for writing
    QList<Answer> memory; // answers of the session that reach no file
    QStringList notices;  // to say, once each
    bool toldUnsaved = false;

    QSqlDatabase db() const { return QSqlDatabase::database(connection, false); }
    QString file() const { return folder + u'/' + FileName; }

    // Opens the file (readOnly: for reading what it holds), and checks it
    // is a record: true when it is, or when it could not be judged (busy).
    enum class Check { Good, Damaged, Unusable };
    Check open(bool readOnly);
    void close();
    void stopSaving()
    {
        saving = false;
        if (!toldUnsaved) {
            toldUnsaved = true;
            notices << unsavedNotice();
        }
    }
};

Record::Private::Check Record::Private::open(bool readOnly)
{
    connection = connectionName();
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    d.setDatabaseName(file());
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs);
    if (readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    d.setConnectOptions(options);
    if (!d.open())
        return Check::Unusable;

    QSqlQuery q(d);
    // A rollback journal, synced to the disk at every commit: a program
    // killed after add() returned loses nothing.
    if (!readOnly
        && (!q.exec(QStringLiteral("PRAGMA journal_mode=DELETE"))
            || !q.exec(QStringLiteral("PRAGMA synchronous=FULL"))))
        return isDamage(q.lastError()) ? Check::Damaged : Check::Unusable;
    if (!q.exec(QStringLiteral("PRAGMA quick_check")))
        return isDamage(q.lastError()) ? Check::Damaged : Check::Unusable;
    if (!q.next() || q.value(0).toString() != u"ok")
        return Check::Damaged;
    // The file holds the record's table and nothing else, or nothing yet.
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'")))
        return isDamage(q.lastError()) ? Check::Damaged : Check::Unusable;
    QStringList tables;
    while (q.next())
        tables << q.value(0).toString();
    if (tables.isEmpty()) {
        if (readOnly)
            return Check::Good;
        if (!q.exec(CreateTable) || !q.exec(CreateIndex))
            return isDamage(q.lastError()) ? Check::Damaged : Check::Unusable;
        return Check::Good;
    }
    if (tables != QStringList{QStringLiteral("answers")})
        return Check::Damaged;
    if (!q.exec(QStringLiteral("PRAGMA table_info(answers)")))
        return Check::Unusable;
    QStringList columns;
    while (q.next())
        columns << q.value(1).toString();
    return columns == Columns ? Check::Good : Check::Damaged;
}

void Record::Private::close()
{
    if (connection.isEmpty())
        return;
    {
        QSqlDatabase d = db();
        d.close();
    }
    QSqlDatabase::removeDatabase(connection);
    connection.clear();
}

Record::Record(const QString &folder) : d(std::make_unique<Private>())
{
    d->folder = QDir::cleanPath(folder.isEmpty() ? defaultFolder() : folder);
    const bool folderWritable = QDir().mkpath(d->folder) && QFileInfo(d->folder).isWritable();
    const QFileInfo file(d->file());
    const bool readOnly = !folderWritable || (file.exists() && !file.isWritable());
    if (readOnly && !file.exists()) {
        d->stopSaving();
        return;
    }
    Private::Check check = d->open(readOnly);
    if (check == Private::Check::Damaged && !readOnly) {
        d->close();
        const QString aside = moveAside(d->file());
        if (!aside.isEmpty()) {
            d->notices << corruptNotice(aside);
            check = d->open(false);
        }
    }
    if (check == Private::Check::Good && !readOnly) {
        d->saving = true;
        return;
    }
    // What the file holds is still shown when it can be read.
    if (check != Private::Check::Good)
        d->close();
    d->stopSaving();
}

Record::~Record() { d->close(); }

QString Record::defaultFolder()
{
    const QString set = qEnvironmentVariable("NABROSA_DATA_DIR");
    return !set.isEmpty() ? set : QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString Record::fileName() const { return d->file(); }

QString Record::takeNotice()
{
    QString said = d->notices.join(QStringLiteral("\r\n"));
    d->notices.clear();
    return said;
}

bool Record::saving() const { return d->saving; }

bool Record::add(const Answer &answer)
{
    if (d->saving) {
        QSqlDatabase db = d->db();
        QSqlQuery q(db);
        // IMMEDIATE: the write lock is taken (or waited for) at once, so that
        // two copies of the program never meet half-way.
        bool ok = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
        if (ok) {
            q.prepare(QStringLiteral("INSERT INTO answers (pupil, section, kind, level, seed, idx, attempt, correct,"
                                     " hints, solution, at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            q.addBindValue(answer.pupil);
            q.addBindValue(answer.section);
            q.addBindValue(answer.kind);
            q.addBindValue(answer.level);
            q.addBindValue(QString::number(answer.seed));
            q.addBindValue(answer.index);
            q.addBindValue(answer.attempt);
            q.addBindValue(answer.right ? 1 : 0);
            q.addBindValue(answer.hints);
            q.addBindValue(answer.solutionShown ? 1 : 0);
            q.addBindValue(answer.at.isValid() ? QVariant(answer.at.toMSecsSinceEpoch()) : QVariant());
            ok = q.exec() && q.exec(QStringLiteral("COMMIT"));
            if (!ok)
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        }
        if (ok)
            return true;
        d->stopSaving();
    }
    d->memory.append(answer);
    return false;
}

QList<Answer> Record::answers(const QString &pupil, const QString &section) const
{
    QList<Answer> found;
    if (!d->connection.isEmpty()) {
        QSqlQuery q(d->db());
        q.prepare(QStringLiteral("SELECT %1 FROM answers WHERE pupil = ?%2 ORDER BY id")
                      .arg(Columns.join(u','), section.isEmpty() ? QString() : QStringLiteral(" AND section = ?")));
        q.addBindValue(pupil);
        if (!section.isEmpty())
            q.addBindValue(section);
        if (q.exec())
            while (q.next())
                found.append(answerOf(q));
    }
    for (const Answer &a : d->memory)
        if (a.pupil == pupil && (section.isEmpty() || a.section == section))
            found.append(a);
    return found;
}

QStringList Record::pupils() const
{
    QSet<QString> names;
    if (!d->connection.isEmpty()) {
        QSqlQuery q(d->db());
        if (q.exec(QStringLiteral("SELECT DISTINCT pupil FROM answers")))
            while (q.next())
                names.insert(q.value(0).toString());
    }
    for (const Answer &a : d->memory)
        names.insert(a.pupil);
    QStringList sorted(names.begin(), names.end());
    sorted.sort();
    return sorted;
}

bool Record::remove(const QString &pupil)
{
    d->memory.removeIf([&](const Answer &a) { return a.pupil == pupil; });
    if (d->connection.isEmpty())
        return true;
    if (!d->saving)
        return answers(pupil).isEmpty();
    QSqlQuery q(d->db());
    q.prepare(QStringLiteral("DELETE FROM answers WHERE pupil = ?"));
    q.addBindValue(pupil);
    return q.exec();
}

QByteArray Record::csv() const
{
    QStringList lines{QStringLiteral("التلميذ,القسم,النوع,المحاولات,الصحيحة,التلميحات,المستوى,متقن,آخر تمرين")};
    for (const QString &pupil : pupils()) {
        const QList<Answer> all = answers(pupil);
        // Sections and kinds in the order first answered.
        QList<QPair<QString, QString>> kinds;
        for (const Answer &a : all)
            if (!kinds.contains({a.section, a.kind}))
                kinds.append({a.section, a.kind});
        for (const auto &[section, kind] : kinds) {
            const KindState s = kindState(all, section, kind);
            lines << QStringList{csvField(pupil),
                                 csvField(sectionTitle(section)),
                                 csvField(kindTitle(kind)),
                                 QString::number(s.attempts),
                                 QString::number(s.right),
                                 QString::number(s.hints),
                                 QString::number(s.level),
                                 s.mastered ? QStringLiteral("نعم") : QStringLiteral("لا"),
                                 s.last.isValid() ? s.last.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                                                  : QString()}
                         .join(u',');
        }
    }
    return QByteArray("\xEF\xBB\xBF") + lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

} // namespace practice
