// The progress window "تقدمي": nothing of the record before it opens, the
// figures of a record, the deletion after a confirmation, the CSV written to
// the chosen file, what the record must tell the pupil, the keyboard and the
// names a screen reader hears.

#include "support/scripted.h"
#include "support/ui.h"

#include "app/mainmenu.h"
#include "numtext/digits.h"
#include "practice/exercises.h"
#include "practice/mastery.h"
#include "practice/progresswindow.h"
#include "practice/record.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QTableWidget>
#include <QTemporaryDir>

#include <optional>

using namespace numtext;
using namespace practice;

namespace {

Answer answer(const QString &pupil, const QString &kind, bool right, int daysAgo, int hints = 0)
{
    Answer a;
    a.pupil = pupil;
    a.section = kind == u"fraction-add" ? QStringLiteral("fractions") : QStringLiteral("areas");
    a.kind = kind;
    a.right = right;
    a.hints = hints;
    a.at = QDateTime::currentDateTimeUtc().addDays(-daysAgo);
    return a;
}

// Sara's answers: circles over three weeks, one fraction today; Omar's one.
QList<Answer> fixture()
{
    const QString sara = QStringLiteral("سارة");
    return {answer(sara, QStringLiteral("circle-area"), true, 15, 2),
            answer(sara, QStringLiteral("circle-area"), false, 8),
            answer(sara, QStringLiteral("circle-area"), true, 8, 1),
            answer(sara, QStringLiteral("circle-area"), true, 1),
            answer(sara, QStringLiteral("fraction-add"), false, 0),
            answer(QStringLiteral("عمر"), QStringLiteral("circle-area"), true, 0)};
}

// Whether the SQLite driver is in the process.
bool sqlDriverLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libqsqlite");
}

QString cell(QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QStringLiteral("(none)");
}

} // namespace

class ProgressTest : public WindowTest {
    Q_OBJECT
private slots:
    void nothingBeforeItOpens();
    void showsTheRecordsFigures();
    void deletesAfterConfirmation_data();
    void deletesAfterConfirmation();
    void exportsToTheChosenFile();
    void tellsOfADamagedRecord();
    void keyboardAndNames();
    void cleanup();

private:
    // A record of the fixture in a folder of its own.
    std::unique_ptr<Record> fixtureRecord()
    {
        folder.emplace();
        auto record = std::make_unique<Record>(folder->path());
        for (const Answer &a : fixture())
            record->add(a);
        return record;
    }
    std::optional<QTemporaryDir> folder;
};

void ProgressTest::cleanup()
{
    delete progressWindow();
    setExportChooser(nullptr);
    WindowTest::cleanup();
}

void ProgressTest::nothingBeforeItOpens()
{
    // The program started (init) and its menu shown: no record yet.
    QVERIFY(app::Windows::find<Form1>()->isVisible());
    QVERIFY(QSqlDatabase::connectionNames().isEmpty());
    QVERIFY(!sqlDriverLoaded());
    QVERIFY(!progressWindow());

    // "تقدمي" opens the window of the pupil without a name, on the record
    // of the data folder (NABROSA_DATA_DIR, set by main below).
    QVERIFY(ui::click("Form1", "Command6"));
    FormProgress *window = progressWindow();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->objectName(), QStringLiteral("FormProgress"));
    QCOMPARE(window->pupil(), NoName);
    QCOMPARE(QSqlDatabase::connectionNames().size(), 1);
    QVERIFY(sqlDriverLoaded());
    QVERIFY(QFile::exists(QDir(qEnvironmentVariable("NABROSA_DATA_DIR")).filePath(QStringLiteral("practice.sqlite"))));

    // The name given at login is the pupil's.
    app::Context::current().setPupilName(QStringLiteral("سارة"));
    QVERIFY(ui::click("Form1", "Command6"));
    QCOMPARE(progressWindow(), window);
    QCOMPARE(window->pupil(), QStringLiteral("سارة"));
}

void ProgressTest::showsTheRecordsFigures()
{
    const auto record = fixtureRecord();
    FormProgress *window = showProgress(*record, QStringLiteral("سارة"));
    auto *table = window->findChild<QTableWidget *>(QStringLiteral("Table1"));
    QVERIFY(table && table->isVisible());
    QVERIFY(window->findChild<QLabel *>(QStringLiteral("Label1"))->text().contains(QStringLiteral("سارة")));
    QCOMPARE(table->rowCount(), 2);
    const QList<Answer> sara = fixture().mid(0, 5);
    const QList<QPair<QString, QString>> rows{{QStringLiteral("areas"), QStringLiteral("circle-area")},
                                              {QStringLiteral("fractions"), QStringLiteral("fraction-add")}};
    for (int row = 0; row < rows.size(); ++row) {
        const KindState s = kindState(sara, rows[row].first, rows[row].second);
        const QDate last = s.last.toLocalTime().date();
        const QStringList expected{
            sectionTitle(rows[row].first),
            kindTitle(rows[row].second),
            shownDigits(QString::number(s.attempts)),
            shownDigits(QString::number(s.right)),
            shownDigits(QString::number(s.hints)),
            shownDigits(QString::number(s.level)),
            s.mastered ? QStringLiteral("نعم") : QStringLiteral("ليس بعد"),
            shownDigits(QStringLiteral("%1/%2/%3").arg(last.day()).arg(last.month()).arg(last.year())),
        };
        QStringList shown;
        for (int column = 0; column < table->columnCount(); ++column)
            shown << cell(table, row, column);
        QCOMPARE(shown, expected);
    }
    QCOMPARE(cell(table, 0, 2), shownDigits(QStringLiteral("4")));
    QCOMPARE(cell(table, 0, 3), shownDigits(QStringLiteral("3")));

    // The weeks: this week two answers (one right), the week before two
    // (one right), then one right; nothing older.
    auto *chart = window->findChild<WeeksChart *>(QStringLiteral("Picture1"));
    QVERIFY(chart);
    QList<QPair<int, int>> figures;
    for (const WeeksChart::Week &w : chart->weeks())
        figures.append({w.answers, w.right});
    const QList<QPair<int, int>> expected{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, 0}, {1, 1}, {2, 1}, {2, 1}};
    QCOMPARE(figures, expected);
    QCOMPARE(chart->weeks().last().first, QDate::currentDate().addDays(-6));
    QVERIFY(chart->accessibleDescription().contains(shownDigits(QStringLiteral("2 إجابة، منها 1 صحيحة"))));

    // Another pupil, and one with nothing practised.
    window->setPupil(QStringLiteral("عمر"));
    QCOMPARE(table->rowCount(), 1);
    window->setPupil(QString());
    QCOMPARE(window->pupil(), NoName);
    QVERIFY(!table->isVisible());
    QVERIFY(window->findChild<QLabel *>(QStringLiteral("Label2"))->isVisible());
    QVERIFY(!ui::control<QPushButton>(window, "Command2")->isEnabled());
}

void ProgressTest::deletesAfterConfirmation_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("left");
    QTest::newRow("yes deletes") << answer::Yes << 0;
    QTest::newRow("no keeps") << answer::No << 5;
}

void ProgressTest::deletesAfterConfirmation()
{
    QFETCH(int, answer);
    QFETCH(int, left);
    const auto record = fixtureRecord();
    FormProgress *window = showProgress(*record, QStringLiteral("سارة"));
    notices.expect(QStringLiteral("هل تريد حذف سجل تمارين «سارة» كله؟ لا يمكن الرجوع عن ذلك."),
                   style::YesNo | style::Question | style::RightAlign, QStringLiteral("حذف السجل"), answer);
    QVERIFY(ui::click(ui::control<QPushButton>(window, "Command2")));
    QCOMPARE(record->answers(QStringLiteral("سارة")).size(), left);
    QCOMPARE(window->findChild<QTableWidget *>(QStringLiteral("Table1"))->rowCount(), left ? 2 : 0);
    // Another pupil's record stays.
    QCOMPARE(record->answers(QStringLiteral("عمر")).size(), 1);
    QCOMPARE(Record(folder->path()).answers(QStringLiteral("سارة")).size(), left);
}

void ProgressTest::exportsToTheChosenFile()
{
    const auto record = fixtureRecord();
    FormProgress *window = showProgress(*record, QStringLiteral("سارة"));
    QTemporaryDir out;
    QString chosen;
    QString suggested;
    setExportChooser([&](QWidget *parent, const QString &offered) {
        suggested = offered;
        Q_UNUSED(parent);
        return chosen;
    });

    // Cancelled: nothing written.
    QVERIFY(ui::click(ui::control<QPushButton>(window, "Command1")));
    QVERIFY(suggested.endsWith(QStringLiteral(".csv")));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList());

    chosen = out.filePath(QStringLiteral("صف ٥.csv"));
    QVERIFY(ui::click(ui::control<QPushButton>(window, "Command1")));
    QFile written(chosen);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), record->csv());
    QVERIFY(record->csv().startsWith("\xEF\xBB\xBF"));
    QCOMPARE(record->csv().count("\r\n"), 4); // the header, Omar's kind and Sara's two

    // A file that cannot be written: the pupil is told.
    chosen = out.filePath(QStringLiteral("no folder/record.csv"));
    notices.expect(QStringLiteral("تعذر حفظ الملف «record.csv»، فاختر مكانا آخر."),
                   style::Exclamation | style::RightAlign, QStringLiteral("تصدير السجل"));
    QVERIFY(ui::click(ui::control<QPushButton>(window, "Command1")));
}

void ProgressTest::tellsOfADamagedRecord()
{
    folder.emplace();
    QFile damaged(folder->filePath(QStringLiteral("practice.sqlite")));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray("not a record at all").repeated(50));
    damaged.close();
    Record record(folder->path());
    notices.expect(corruptNotice(record.fileName() + QStringLiteral(".corrupt-")
                                 + QDate::currentDate().toString(Qt::ISODate)),
                   style::Information | style::RightAlign, QStringLiteral("سجل التمارين"));
    showProgress(record, QStringLiteral("سارة"));
    // Once only.
    delete progressWindow();
    showProgress(record, QStringLiteral("سارة"));
    QCOMPARE(notices.shown.size(), 1);
}

void ProgressTest::keyboardAndNames()
{
    const auto record = fixtureRecord();
    FormProgress *window = showProgress(*record, QStringLiteral("سارة"));
    QVERIFY(QTest::qWaitForWindowActive(window));
    QStringList reached;
    for (int i = 0; i < 5; ++i) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        reached << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(reached, (QStringList{QStringLiteral("Table1"), QStringLiteral("Picture1"), QStringLiteral("Command1"),
                                   QStringLiteral("Command2"), QStringLiteral("Command3")}));
    for (QWidget *w : window->findChildren<QWidget *>())
        if (w->parentWidget() == window && w->focusPolicy() != Qt::NoFocus)
            QVERIFY2(!w->accessibleName().isEmpty() || !w->property("text").toString().isEmpty(),
                     qPrintable(w->objectName()));
    QCOMPARE(window->layoutDirection(), Qt::RightToLeft);
    QCOMPARE(window->windowTitle(), QStringLiteral("تقدمي"));
    // Escape closes it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!progressWindow());
}

int main(int argc, char **argv)
{
    // The program's record in a folder of the test's own.
    QTemporaryDir data;
    qputenv("NABROSA_DATA_DIR", data.path().toUtf8());
    QApplication application(argc, argv);
    ProgressTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_progress.moc"
