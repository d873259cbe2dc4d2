// The pupils' record on a real SQLite file in a temporary folder: answers
// kept as given, names stored as typed, nothing committed lost when the
// program is killed, a damaged file moved aside, a folder where nothing can
// be written, two copies of the program on one file, the CSV for the
// teacher.
//
// The test program is also its own helper process: `test_record --adds
// FOLDER` adds answers until it is killed, printing the count of each one
// committed; `test_record --holds FOLDER MS` holds the file's write lock for
// MS milliseconds.

#include "practice/exercises.h"
#include "practice/mastery.h"
#include "practice/record.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <limits>

#include <unistd.h>

using namespace practice;

namespace {

Answer answer(const QString &pupil, int n = 0, const QString &section = QStringLiteral("areas"),
              const QString &kind = QStringLiteral("circle-area"))
{
    Answer a;
    a.pupil = pupil;
    a.section = section;
    a.kind = kind;
    a.level = 1 + n % 3;
    a.seed = std::numeric_limits<std::uint64_t>::max() - static_cast<std::uint64_t>(n);
    a.index = n;
    a.attempt = 1 + n % 2;
    a.right = n % 3 != 1;
    a.hints = n % 4;
    a.solutionShown = n % 5 == 4;
    a.at = QDateTime(QDate(2026, 12, 1), QTime(9, 30), Qt::UTC).addSecs(3600LL * 24 * n).addMSecs(n);
    return a;
}

// The answers in the file, counted without the record.
int rowsIn(const QString &file)
{
    const QString name = QStringLiteral("count");
    int rows = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT COUNT(*) FROM answers")) && q.next())
                rows = q.value(0).toInt();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

QString helper() { return QCoreApplication::applicationFilePath(); }

int addsUntilKilled(const QString &folder)
{
    Record record(folder);
    QTextStream out(stdout);
    for (int n = 1;; ++n) {
        if (!record.add(answer(QStringLiteral("killed"), n)))
            return 1;
        out << n << Qt::endl;
    }
}

int holdsTheFile(const QString &folder, int ms)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        db.setDatabaseName(folder + QStringLiteral("/practice.sqlite"));
        QSqlQuery q(db);
        if (!db.open() || !q.exec(QStringLiteral("BEGIN EXCLUSIVE"))
            || !q.exec(QStringLiteral("DELETE FROM answers WHERE pupil = 'nobody'")))
            return 1;
        QTextStream(stdout) << "holding" << Qt::endl;
        QThread::msleep(static_cast<unsigned long>(ms));
        if (!q.exec(QStringLiteral("COMMIT")))
            return 1;
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    return 0;
}

bool isRoot() { return ::geteuid() == 0; }

} // namespace

class RecordTest : public QObject {
    Q_OBJECT
private slots:
    void roundTrip();
    void namesAsTyped_data();
    void namesAsTyped();
    void killedProgramLosesNothing();
    void damagedFileMovedAside_data();
    void damagedFileMovedAside();
    void damagedFileNeverOverwritesAnEarlierOne();
    void nothingCanBeWritten_data();
    void nothingCanBeWritten();
    void twoCopiesBothRecord();
    void removeOnePupil();
    void csvForTheTeacher();
    void dataFolderFromTheEnvironment();
};

void RecordTest::roundTrip()
{
    QTemporaryDir dir;
    QList<Answer> given;
    for (int n = 0; n < 6; ++n)
        given << answer(QStringLiteral("سارة"), n, n < 4 ? QStringLiteral("areas") : QStringLiteral("fractions"));
    Answer undated = answer(QStringLiteral("سارة"), 9);
    undated.at = QDateTime();
    given << undated;
    {
        Record record(dir.path());
        QVERIFY(record.saving());
        QCOMPARE(record.takeNotice(), QString());
        for (const Answer &a : given)
            QVERIFY(record.add(a));
        QCOMPARE(record.answers(QStringLiteral("سارة")), given);
    }
    Record again(dir.path());
    QCOMPARE(again.fileName(), dir.filePath(QStringLiteral("practice.sqlite")));
    QCOMPARE(again.answers(QStringLiteral("سارة")), given);
    QCOMPARE(again.answers(QStringLiteral("سارة"), QStringLiteral("fractions")), given.mid(4, 2));
    QCOMPARE(again.answers(QStringLiteral("سارة"), QStringLiteral("volumes")), QList<Answer>());
    QCOMPARE(again.answers(QStringLiteral("ساره")), QList<Answer>());
    QCOMPARE(again.pupils(), QStringList{QStringLiteral("سارة")});
    QCOMPARE(again.takeNotice(), QString());
}

void RecordTest::namesAsTyped_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("quotes") << QStringLiteral("O'Brien \"Bob\"; DROP TABLE answers; --");
    QTest::newRow("right-to-left marks") << QStringLiteral("\u200Fمحمد\u200E 2\u202B");
    QTest::newRow("emoji") << QStringLiteral("ليلى 🌟👩🏽‍🏫");
    QTest::newRow("very long") << QStringLiteral("ع").repeated(5000);
    QTest::newRow("percent and backslash") << QStringLiteral("50% \\n _");
    QTest::newRow("spaces around") << QStringLiteral("  أحمد  ");
    QTest::newRow("no name") << NoName;
}

void RecordTest::namesAsTyped()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    {
        Record record(dir.path());
        QVERIFY(record.add(answer(name)));
        QVERIFY(record.add(answer(QStringLiteral("other"))));
    }
    Record again(dir.path());
    QCOMPARE(again.answers(name), QList<Answer>{answer(name)});
    QVERIFY(again.pupils().contains(name));
    QCOMPARE(again.pupils().size(), 2);
}

void RecordTest::killedProgramLosesNothing()
{
    QTemporaryDir dir;
    QProcess child;
    child.start(helper(), {QStringLiteral("--adds"), dir.path()});
    QVERIFY(child.waitForStarted());
    int committed = 0;
    while (committed < 25 && child.waitForReadyRead(20000))
        while (child.canReadLine())
            committed = child.readLine().trimmed().toInt();
    QVERIFY2(committed >= 25, qPrintable(child.readAllStandardError()));
    child.kill(); // SIGKILL
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);

    Record again(dir.path());
    QCOMPARE(again.takeNotice(), QString());
    QVERIFY(again.saving());
    const QList<Answer> kept = again.answers(QStringLiteral("killed"));
    QVERIFY2(kept.size() >= committed, qPrintable(QStringLiteral("%1 of %2").arg(kept.size()).arg(committed)));
    for (int n = 0; n < kept.size(); ++n)
        QCOMPARE(kept[n], answer(QStringLiteral("killed"), n + 1));
}

void RecordTest::damagedFileMovedAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QByteArray garbage;
    for (int i = 0; i < 8192; ++i)
        garbage += char((i * 7919) % 251);
    QTest::newRow("garbage bytes") << garbage;
    QTest::newRow("a text file") << QByteArray("pupil,section\nسارة,areas\n");
    QTest::newRow("header only") << QByteArray("SQLite format 3\0", 16) + QByteArray(84, '\xff');
    QTest::newRow("truncated") << QByteArray("truncated");
    QTest::newRow("another program's table") << QByteArray("other table");
    QTest::newRow("the table without a column") << QByteArray("old columns");
}

void RecordTest::damagedFileMovedAside()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("practice.sqlite"));
    const QString aside = file + QStringLiteral(".corrupt-") + QDate::currentDate().toString(Qt::ISODate);
    if (content == "truncated") {
        {
            Record record(dir.path());
            for (int n = 0; n < 300; ++n)
                record.add(answer(QStringLiteral("سارة %1").arg(n), n));
        }
        QFile f(file);
        QVERIFY(f.size() > 16384);
        QVERIFY(f.resize(f.size() / 2 + 100));
        QFile f2(file);
        QVERIFY(f2.open(QIODevice::ReadOnly));
        content = f2.readAll();
    } else if (content == "other table" || content == "old columns") {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("maker"));
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(content == "other table" ? QStringLiteral("CREATE TABLE marks (name TEXT)")
                                                    : QStringLiteral("CREATE TABLE answers (id INTEGER, pupil TEXT)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("maker"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        content = f.readAll();
    } else {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    {
        Record record(dir.path());
        QVERIFY(record.saving());
        QCOMPARE(record.takeNotice(), corruptNotice(aside));
        QVERIFY(corruptNotice(aside).contains(QFileInfo(aside).fileName()));
        QCOMPARE(record.takeNotice(), QString());
        QVERIFY(record.add(answer(QStringLiteral("سارة"))));
        QCOMPARE(record.takeNotice(), QString());
    }
    QFile moved(aside);
    QVERIFY(moved.open(QIODevice::ReadOnly));
    QCOMPARE(moved.readAll(), content);
    Record again(dir.path());
    QCOMPARE(again.takeNotice(), QString());
    QCOMPARE(again.answers(QStringLiteral("سارة")), QList<Answer>{answer(QStringLiteral("سارة"))});
}

void RecordTest::damagedFileNeverOverwritesAnEarlierOne()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("practice.sqlite"));
    const QString aside = file + QStringLiteral(".corrupt-") + QDate::currentDate().toString(Qt::ISODate);
    QStringList notices;
    for (const QByteArray &content : {QByteArray("first damaged file"), QByteArray("second damaged file")}) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content.repeated(100));
        f.close();
        Record record(dir.path());
        notices << record.takeNotice();
    }
    QCOMPARE(notices, (QStringList{corruptNotice(aside), corruptNotice(aside + QStringLiteral("-2"))}));
    QFile first(aside), second(aside + QStringLiteral("-2"));
    QVERIFY(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
    QVERIFY(first.readAll().startsWith("first"));
    QVERIFY(second.readAll().startsWith("second"));
}

void RecordTest::nothingCanBeWritten_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("a folder that cannot be made") << QStringLiteral("under a file");
    QTest::newRow("a read-only folder") << QStringLiteral("folder");
    QTest::newRow("a read-only folder with a record") << QStringLiteral("folder with record");
    QTest::newRow("a read-only file") << QStringLiteral("file");
}

void RecordTest::nothingCanBeWritten()
{
    QFETCH(QString, how);
    QTemporaryDir dir;
    QString folder = dir.filePath(QStringLiteral("data"));
    const Answer earlier = answer(QStringLiteral("سارة"), 1);
    if (how == u"under a file") {
        QFile blocker(dir.filePath(QStringLiteral("plain")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        folder = blocker.fileName() + QStringLiteral("/data");
    } else {
        if (isRoot())
            QSKIP("root writes where permissions forbid it");
        QVERIFY(QDir().mkpath(folder));
        if (how != u"folder") {
            Record record(folder);
            QVERIFY(record.add(earlier));
        }
        const QString target = how == u"file" ? folder + QStringLiteral("/practice.sqlite") : folder;
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ExeOwner));
    }

    {
        Record record(folder);
        QVERIFY(!record.saving());
        QCOMPARE(record.takeNotice(), unsavedNotice());
        QCOMPARE(record.takeNotice(), QString());
        const Answer now = answer(QStringLiteral("سارة"), 2);
        QVERIFY(!record.add(now));
        QVERIFY(!record.add(now));
        QCOMPARE(record.takeNotice(), QString());
        // The session's answers are there while it lasts, after what the
        // file held.
        const QList<Answer> expected = how == u"under a file" || how == u"folder" ? QList<Answer>{now, now}
                                                                                  : QList<Answer>{earlier, now, now};
        QCOMPARE(record.answers(QStringLiteral("سارة")), expected);
        QCOMPARE(record.pupils(), QStringList{QStringLiteral("سارة")});
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void RecordTest::twoCopiesBothRecord()
{
    QTemporaryDir dir;
    Record first(dir.path());
    Record second(dir.path());
    QVERIFY(first.saving() && second.saving());

    // Another copy of the program holds the file while both add.
    QProcess holder;
    holder.start(helper(), {QStringLiteral("--holds"), dir.path(), QStringLiteral("400")});
    QVERIFY(holder.waitForReadyRead(20000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("holding"));
    QVERIFY(first.add(answer(QStringLiteral("أ"), 1)));
    QVERIFY(second.add(answer(QStringLiteral("ب"), 2)));
    QVERIFY(holder.waitForFinished());
    QCOMPARE(holder.exitCode(), 0);

    // And this copy holds it while another adds.
    QProcess adder;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        db.setDatabaseName(first.fileName());
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        adder.start(helper(), {QStringLiteral("--adds"), dir.path()});
        QVERIFY(adder.waitForStarted());
        QTest::qWait(300);
        QVERIFY(!adder.canReadLine());
        QVERIFY(q.exec(QStringLiteral("COMMIT")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
    QVERIFY(adder.waitForReadyRead(20000));
    adder.kill();
    adder.waitForFinished();

    for (Record *r : {&first, &second}) {
        QCOMPARE(r->answers(QStringLiteral("أ")), QList<Answer>{answer(QStringLiteral("أ"), 1)});
        QCOMPARE(r->answers(QStringLiteral("ب")), QList<Answer>{answer(QStringLiteral("ب"), 2)});
        QVERIFY(!r->answers(QStringLiteral("killed")).isEmpty());
        QCOMPARE(r->takeNotice(), QString());
    }
    QCOMPARE(rowsIn(first.fileName()), 2 + first.answers(QStringLiteral("killed")).size());
}

void RecordTest::removeOnePupil()
{
    QTemporaryDir dir;
    {
        Record record(dir.path());
        for (int n = 0; n < 3; ++n) {
            QVERIFY(record.add(answer(QStringLiteral("سارة"), n)));
            QVERIFY(record.add(answer(QStringLiteral("O'Brien"), n)));
        }
        QVERIFY(record.remove(QStringLiteral("O'Brien")));
        QVERIFY(record.remove(QStringLiteral("nobody")));
    }
    Record again(dir.path());
    QCOMPARE(again.pupils(), QStringList{QStringLiteral("سارة")});
    QCOMPARE(again.answers(QStringLiteral("سارة")).size(), 3);
    QCOMPARE(rowsIn(again.fileName()), 3);
}

void RecordTest::csvForTheTeacher()
{
    QTemporaryDir dir;
    Record record(dir.path());
    const QString quoted = QStringLiteral("Bob \"the\", 2nd\nline");
    QList<Answer> sara;
    for (int n = 0; n < 3; ++n)
        sara << answer(QStringLiteral("سارة"), n);
    sara << answer(QStringLiteral("سارة"), 3, QStringLiteral("fractions"), QStringLiteral("fraction-add"));
    for (const Answer &a : sara)
        QVERIFY(record.add(a));
    const Answer bob = answer(quoted, 5, QStringLiteral("numbers"), QStringLiteral("prime"));
    QVERIFY(record.add(bob));

    const QByteArray csv = record.csv();
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(csv.mid(3)).split(QStringLiteral("\r\n"));
    // A row: the pupil's name as a CSV field, then the figures of the kind.
    auto row = [](const QString &field, const QList<Answer> &of, const QString &section, const QString &kind) {
        const KindState s = kindState(of, section, kind);
        return QStringList{field,
                           sectionTitle(section),
                           kindTitle(kind),
                           QString::number(s.attempts),
                           QString::number(s.right),
                           QString::number(s.hints),
                           QString::number(s.level),
                           s.mastered ? QStringLiteral("نعم") : QStringLiteral("لا"),
                           s.last.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))}
            .join(u',');
    };
    const QStringList expected{
        QStringLiteral("التلميذ,القسم,النوع,المحاولات,الصحيحة,التلميحات,المستوى,متقن,آخر تمرين"),
        row(QStringLiteral("\"Bob \"\"the\"\", 2nd\nline\""), {bob}, bob.section, bob.kind),
        row(QStringLiteral("سارة"), sara, QStringLiteral("areas"), QStringLiteral("circle-area")),
        row(QStringLiteral("سارة"), sara, QStringLiteral("fractions"), QStringLiteral("fraction-add")),
        QString(),
    };
    QCOMPARE(lines, expected);
    QCOMPARE(lines[2].section(u',', 3, 4), QStringLiteral("3,2"));
}

void RecordTest::dataFolderFromTheEnvironment()
{
    QTemporaryDir dir;
    const QByteArray before = qgetenv("NABROSA_DATA_DIR");
    qputenv("NABROSA_DATA_DIR", dir.path().toUtf8());
    const QString folder = Record::defaultFolder();
    qunsetenv("NABROSA_DATA_DIR");
    QCOMPARE(folder, dir.path());
    QVERIFY(!Record::defaultFolder().isEmpty());
    QVERIFY(Record::defaultFolder() != dir.path());
    if (!before.isEmpty())
        qputenv("NABROSA_DATA_DIR", before);
}

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == u"--adds")
        return addsUntilKilled(arguments[2]);
    if (arguments.size() == 4 && arguments[1] == u"--holds")
        return holdsTheFile(arguments[2], arguments[3].toInt());
    RecordTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_record.moc"
