// Worksheets: which exercises a sheet sets, its command line, the PDF read
// back with the poppler tools as a teacher's computer would read it, and the
// window that makes it.

#include "kit/windows.h"
#include "practice/worksheet.h"
#include "practice/worksheetwindow.h"
#include "support/scripted.h"
#include "support/ui.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace practice;

Q_DECLARE_METATYPE(practice::WorksheetOptions)
Q_DECLARE_METATYPE(numtext::DigitShape)

namespace {

// The output of a poppler tool on a file; fails the test when the tool is
// missing (the test command installs poppler-utils).
QString poppler(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) {
        QTest::qFail(qPrintable(tool + QStringLiteral(" is missing: install poppler-utils")), __FILE__, __LINE__);
        return QString();
    }
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        QTest::qFail(qPrintable(tool + QStringLiteral(" failed: ") + QString::fromUtf8(p.readAllStandardError())),
                     __FILE__, __LINE__);
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of a PDF as a search finds it: the presentation forms of the
// Arabic letters that the PDF keeps read as the letters themselves.
QString pdfText(const QString &file, const QStringList &pages = {})
{
    return poppler(QStringLiteral("pdftotext"), pages + QStringList{file, QStringLiteral("-")})
        .normalized(QString::NormalizationForm_KC);
}

// The numbers of a text, without their signs: what pdftotext keeps of an
// answer whatever order it gives a mixed right-to-left line.
QStringList numbersOf(const QString &text)
{
    QStringList found;
    static const QRegularExpression number(QStringLiteral("[0-9]+(?:[./][0-9]+)?"));
    for (auto it = number.globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    return found;
}

WorksheetOptions sheet(const QStringList &sections, int count, bool key,
                       numtext::DigitShape digits = numtext::DigitShape::Western)
{
    WorksheetOptions o;
    o.sections = sections;
    o.count = count;
    o.key = key;
    o.seed = 11;
    o.digits = digits;
    o.title = QStringLiteral("تمارين الأسبوع");
    return o;
}

} // namespace

class WorksheetTest : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase();
    void exercisesAreThoseOfTheCommandLine_data();
    void exercisesAreThoseOfTheCommandLine();
    void piChosenByTheTeacher_data();
    void piChosenByTheTeacher();
    void pdfReadsBack_data();
    void pdfReadsBack();
    void sameSeedSameSheet();
    void numbersStandInTheirShapesOrder_data();
    void numbersStandInTheirShapesOrder();
    void figuresOfTheShapes();
    void nothingSpillsOutOfThePage();
    void windowSavesThePdf();
    void windowRefusesWithoutExercises();
    void windowSaysWhenTheFileCannotBeWritten();
    void windowPrintsAndNewSeed();
    void mainMenuOpensItWithCtrlP();
    void everyControlIsNamedAndReachedByTab();

private:
    QTemporaryDir dir;
};

void WorksheetTest::initTestCase() { QVERIFY(dir.isValid()); }

void WorksheetTest::exercisesAreThoseOfTheCommandLine_data()
{
    QTest::addColumn<QStringList>("sections");
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("level");
    QTest::newRow("one section") << QStringList{QStringLiteral("areas")} << QStringList() << 9 << 1;
    QTest::newRow("three sections take turns")
        << QStringList{QStringLiteral("fractions"), QStringLiteral("equation"), QStringLiteral("numbers")}
        << QStringList() << 10 << 2;
    QTest::newRow("some kinds only") << QStringList{QStringLiteral("perimeters"), QStringLiteral("conversions")}
                                     << QStringList{QStringLiteral("circle-perimeter"),
                                                    QStringLiteral("kelvin-to-celsius")}
                                     << 7 << 3;
    QTest::newRow("a section without a chosen kind drops out")
        << QStringList{QStringLiteral("areas"), QStringLiteral("numbers")} << QStringList{QStringLiteral("prime")} << 5
        << 1;
    QTest::newRow("a hundred") << sections() << QStringList() << 100 << 3;
}

void WorksheetTest::exercisesAreThoseOfTheCommandLine()
{
    QFETCH(QStringList, sections);
    QFETCH(QStringList, kinds);
    QFETCH(int, count);
    QFETCH(int, level);
    WorksheetOptions o = sheet(sections, count, false);
    o.kinds = kinds;
    o.level = level;
    const QList<Exercise> got = worksheetExercises(o);
    QCOMPARE(got.size(), count);
    // Each section's exercises are those `--exercises SECTION` prints, in
    // order, with the kinds not chosen left out.
    QHash<QString, int> next;
    for (const Exercise &e : got) {
        Exercise expected;
        do
            expected = makeExercise(e.section, level, o.seed, next[e.section]++);
        while (!kinds.isEmpty() && !kinds.contains(expected.kind));
        QCOMPARE(e.index, expected.index);
        QCOMPARE(e.question, expected.question);
        QCOMPARE(e.answer, expected.answer);
    }
    // The sections take turns.
    if (kinds.isEmpty())
        for (int i = 0; i < got.size(); ++i)
            QCOMPARE(got[i].section, sections[i % sections.size()]);
}

void WorksheetTest::piChosenByTheTeacher_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("level");
    for (const char *section : {"areas", "perimeters", "volumes", "conversions"})
        for (int level = 1; level <= 3; ++level)
            QTest::newRow(qPrintable(QStringLiteral("%1, level %2").arg(QLatin1String(section)).arg(level)))
                << QString::fromLatin1(section) << level;
}

void WorksheetTest::piChosenByTheTeacher()
{
    // With ط = 22/7 every exercise that uses π says so, gives it, and its
    // answer is worked with it: rounded to two places, since 22/7 has no end
    // to its decimals. The exercises that do not use π stay as they were.
    QFETCH(QString, section);
    QFETCH(int, level);
    WorksheetOptions o = sheet({section}, 24, false);
    o.level = level;
    o.pi = Rational(22, 7);
    const QList<Exercise> sevenths = worksheetExercises(o);
    o.pi = piTaught();
    const QList<Exercise> taught = worksheetExercises(o);
    int withPi = 0;
    for (int i = 0; i < sevenths.size(); ++i) {
        const Exercise &e = sevenths[i];
        const bool usesPi = std::any_of(e.given.cbegin(), e.given.cend(),
                                        [](const auto &g) { return g.first == u"pi"; });
        if (!usesPi) {
            QCOMPARE(e.answer, taught[i].answer);
            continue;
        }
        ++withPi;
        QCOMPARE(e.number(QStringLiteral("pi")), Rational(22, 7));
        QVERIFY2(e.question.contains(QStringLiteral("ط = 22/7")), qPrintable(e.question));
        QCOMPARE(e.given.size(), taught[i].given.size());
        // The same numbers, π apart: the answer scales from 3.14 to 22/7
        // (inversely where π divides).
        const double scale = (22.0 / 7.0) / 3.14;
        const double expected = taught[i].exact.first() * (e.kind == u"radians-to-degrees" ? 1 / scale : scale);
        // Not rounded only where π's sevenths cancel (a radius of 7).
        if (!e.round)
            QVERIFY(e.values.first().isTerminating());
        QVERIFY2(std::abs(e.values.first().toDouble() - expected) <= 0.005 + 1e-9 * std::abs(expected),
                 qPrintable(e.question + QStringLiteral(" → ") + e.answer));
    }
    QVERIFY(withPi > 0);
}

void WorksheetTest::pdfReadsBack_data()
{
    QTest::addColumn<WorksheetOptions>("options");
    QTest::addColumn<QString>("paper");
    WorksheetOptions everything = sheet(sections(), 27, true);
    QTest::newRow("every section with its key") << everything << QStringLiteral("A4");
    WorksheetOptions letter = sheet({QStringLiteral("equation"), QStringLiteral("fractions")}, 6, false,
                                    numtext::DigitShape::ArabicIndic);
    letter.paper = QPageSize::Letter;
    QTest::newRow("letter, Arabic digits, no key") << letter << QStringLiteral("letter");
    WorksheetOptions hundred = sheet(sections(), 100, true);
    hundred.level = 3;
    QTest::newRow("a hundred at level 3") << hundred << QStringLiteral("A4");
}

void WorksheetTest::pdfReadsBack()
{
    QFETCH(WorksheetOptions, options);
    QFETCH(QString, paper);
    const QString file = dir.filePath(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
    QString error;
    QVERIFY2(writeWorksheetPdf(options, file, &error), qPrintable(error));

    const QString info = poppler(QStringLiteral("pdfinfo"), {file});
    QVERIFY2(info.contains(QStringLiteral("(%1)").arg(paper)), qPrintable(info));

    // Every font is embedded.
    const QStringList fonts = poppler(QStringLiteral("pdffonts"), {file}).split(QLatin1Char('\n')).mid(2);
    QVERIFY(!fonts.join(QString()).trimmed().isEmpty());
    for (const QString &line : fonts)
        if (!line.trimmed().isEmpty())
            QVERIFY2(
                line.mid(line.indexOf(QStringLiteral("Identity-H"))).split(QLatin1Char(' '), Qt::SkipEmptyParts).value(1)
                    == u"yes",
                qPrintable(line));

    const QString text = pdfText(file);
    QVERIFY(text.contains(options.title));
    const QList<Exercise> exercises = worksheetExercises(options);
    // The words of every exercise, as a search finds them (where a mark
    // stands beside its letter is the reader's business).
    static const QRegularExpression marks(QStringLiteral("[\\x{064B}-\\x{0652}]"));
    static const QRegularExpression word(QStringLiteral("[\\x{0621}-\\x{064A}]{3,}"));
    const QString bare = QString(text).remove(marks);
    for (const Exercise &e : exercises)
        for (auto it = word.globalMatch(QString(e.question).remove(marks)); it.hasNext();) {
            const QString w = it.next().captured();
            QVERIFY2(bare.contains(w), qPrintable(w + QStringLiteral(" of ") + e.question));
        }

    const qsizetype keyAt = text.indexOf(QStringLiteral("مفتاح"));
    QCOMPARE(keyAt >= 0, options.key);
    if (!options.key)
        return;
    // Every answer of the key, in the key's pages, in the order of the sheet.
    const QString key = numtext::westernDigits(text.mid(keyAt));
    const QStringList keyNumbers = numbersOf(key);
    for (const Exercise &e : exercises)
        for (const QString &n : numbersOf(e.answer))
            QVERIFY2(keyNumbers.contains(n), qPrintable(e.question + QStringLiteral(" → ") + e.answer));
}

void WorksheetTest::sameSeedSameSheet()
{
    const WorksheetOptions o = sheet({QStringLiteral("volumes"), QStringLiteral("trigonometry")}, 12, true);
    const QString a = dir.filePath(QStringLiteral("a.pdf")), b = dir.filePath(QStringLiteral("b.pdf")),
                  c = dir.filePath(QStringLiteral("c.pdf"));
    QVERIFY(writeWorksheetPdf(o, a));
    QVERIFY(writeWorksheetPdf(o, b));
    WorksheetOptions other = o;
    other.seed = 12;
    QVERIFY(writeWorksheetPdf(other, c));
    QCOMPARE(pdfText(a), pdfText(b));
    QVERIFY(pdfText(a) != pdfText(c));
}

void WorksheetTest::numbersStandInTheirShapesOrder_data()
{
    QTest::addColumn<numtext::DigitShape>("digits");
    QTest::newRow("123") << numtext::DigitShape::Western;
    QTest::newRow("١٢٣") << numtext::DigitShape::ArabicIndic;
}

// Where the numbers of a question stand on the page: "احسب: 12 + 5" reads
// 12 + 5 left to right in the 123 shape, right to left in the ١٢٣ shape.
void WorksheetTest::numbersStandInTheirShapesOrder()
{
    QFETCH(numtext::DigitShape, digits);
    const WorksheetOptions options = sheet({QStringLiteral("arithmetic")}, 12, false, digits);
    const QString file = dir.filePath(QStringLiteral("order-%1.pdf").arg(int(digits)));
    QVERIFY(writeWorksheetPdf(options, file));
    // The number words of the page: their left edges and middle heights.
    struct Word {
        double x, y;
        QString number;
    };
    QList<Word> words;
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
    const QString page = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    for (auto it = word.globalMatch(page); it.hasNext();) {
        const auto m = it.next();
        const QStringList number = numbersOf(numtext::westernDigits(m.captured(4)));
        if (number.size() == 1)
            words.append(
                {m.captured(1).toDouble(), (m.captured(2).toDouble() + m.captured(3).toDouble()) / 2, number[0]});
    }
    std::sort(words.begin(), words.end(), [](const Word &a, const Word &b) { return a.x < b.x; });
    int checked = 0;
    const QList<Exercise> exercises = worksheetExercises(options);
    for (qsizetype i = 0; i < exercises.size(); ++i) {
        const Exercise &e = exercises[i];
        const QStringList numbers = numbersOf(e.question);
        if (!e.question.startsWith(QStringLiteral("احسب:")) || numbers.size() < 2 || numbers[0] == numbers[1])
            continue;
        // The exercise's line: the question's numbers once each, and the
        // exercise's number at its right.
        for (const Word &at : words) {
            if (at.number != numbers[0])
                continue;
            QList<Word> line;
            for (const Word &w : words) {
                if (std::abs(w.y - at.y) < 3)
                    line << w;
            }
            if (line.size() < 3 || line.last().number != QString::number(i + 1))
                continue;
            line.removeLast();
            QList<double> first, second;
            QStringList drawn;
            for (const Word &w : line) {
                drawn << QStringLiteral("%1@%2").arg(w.number).arg(w.x);
                if (w.number == numbers[0])
                    first << w.x;
                if (w.number == numbers[1])
                    second << w.x;
            }
            if (first.size() != 1 || second.size() != 1)
                continue;
            QVERIFY2((first[0] < second[0]) == (digits == numtext::DigitShape::Western),
                     qPrintable(e.question + QStringLiteral(": ") + drawn.join(u' ')));
            ++checked;
            break;
        }
    }
    QVERIFY2(checked >= 3, qPrintable(QString::number(checked)));
}

void WorksheetTest::figuresOfTheShapes()
{
    // With figures, each shape is drawn with its lengths labelled beside its
    // exercise; without them, no label is there.
    WorksheetOptions o = sheet({QStringLiteral("areas"), QStringLiteral("volumes")}, 4, false);
    const QString plain = dir.filePath(QStringLiteral("plain.pdf")), drawn = dir.filePath(QStringLiteral("drawn.pdf"));
    QVERIFY(writeWorksheetPdf(o, plain));
    o.figures = true;
    QVERIFY(writeWorksheetPdf(o, drawn));
    const QString label = QStringLiteral("وحدة طول");
    QVERIFY(!pdfText(plain).contains(label));
    QCOMPARE(pdfText(drawn).count(label) >= 4, true);
}

void WorksheetTest::nothingSpillsOutOfThePage()
{
    // Whatever a block measured, its ink stays in the text area: nothing in
    // the side margins, and nothing between the last block's room and the
    // page number (a block split or longer than measured would be there).
    WorksheetOptions o = sheet(sections(), 60, true, numtext::DigitShape::ArabicIndic);
    o.level = 3;
    o.figures = true;
    const QString file = dir.filePath(QStringLiteral("spill.pdf"));
    QVERIFY(writeWorksheetPdf(o, file));
    const QString prefix = dir.filePath(QStringLiteral("page"));
    poppler(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-gray"),
                                         QStringLiteral("-png"), file, prefix});
    const QStringList pages = QDir(dir.path()).entryList({QStringLiteral("page-*.png")}, QDir::Files, QDir::Name);
    QVERIFY(pages.size() > 3);
    for (const QString &name : pages) {
        const QImage page(dir.filePath(name));
        QVERIFY(!page.isNull());
        // At 72 dots per inch a pixel is a point: the margin is 42, the
        // page number stands 24 above its foot.
        const int margin = 40, footTop = page.height() - 42 - 22, footBottom = page.height() - 42 + 4;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const bool inMargin = x < margin || x >= page.width() - margin || y < margin - 4
                                      || y >= page.height() - 20;
                const bool aboveFoot = y >= footTop && y < footBottom;
                if ((inMargin || aboveFoot) && qGray(page.pixel(x, y)) < 128)
                    QFAIL(qPrintable(QStringLiteral("ink at %1,%2 of %3").arg(x).arg(y).arg(name)));
            }
    }
}

void WorksheetTest::windowSavesThePdf()
{
    QVERIFY(app::Windows::show<WorksheetWindow>());
    auto *w = app::Windows::find<WorksheetWindow>();
    w->chooseSections({QStringLiteral("fractions")});
    const QString file = dir.filePath(QStringLiteral("window"));
    QString suggested;
    WorksheetWindow::setFileChooser([&](QWidget *, const QString &s) {
        suggested = s;
        return QString(file);
    });
    notices.expect(QStringLiteral("حُفظت ورقة العمل في") + numtext::crlf() + file + QStringLiteral(".pdf"),
                   numtext::style::Information | numtext::style::RightAlign | numtext::style::RtlReading,
                   QStringLiteral("ورقة عمل"));
    QVERIFY(ui::click("WorksheetWindow", "SavePdf"));
    WorksheetWindow::setFileChooser([](QWidget *, const QString &) { return QString(); });
    QVERIFY(suggested.endsWith(QStringLiteral("ورقة عمل.pdf")));
    const WorksheetOptions o = w->options();
    QCOMPARE(o.sections, QStringList{QStringLiteral("fractions")});
    QCOMPARE(o.kinds, kinds(QStringLiteral("fractions")));
    const QString text = pdfText(file + QStringLiteral(".pdf"));
    QVERIFY(text.contains(QStringLiteral("مفتاح")));
    QVERIFY(text.contains(QStringLiteral("أبسط صورة")));
}

void WorksheetTest::windowRefusesWithoutExercises()
{
    QVERIFY(app::Windows::show<WorksheetWindow>());
    WorksheetWindow::setFileChooser([](QWidget *, const QString &) -> QString {
        QTest::qFail("no file is asked for before an exercise is chosen", __FILE__, __LINE__);
        return QString();
    });
    notices.expect(QStringLiteral("اختر نوعا واحدا من التمارين على الأقل"),
                   numtext::style::Exclamation | numtext::style::RightAlign | numtext::style::RtlReading,
                   QStringLiteral("ورقة عمل"));
    QVERIFY(ui::click("WorksheetWindow", "SavePdf"));
    WorksheetWindow::setFileChooser([](QWidget *, const QString &) { return QString(); });
}

void WorksheetTest::windowSaysWhenTheFileCannotBeWritten()
{
    QVERIFY(app::Windows::show<WorksheetWindow>());
    app::Windows::find<WorksheetWindow>()->chooseSections({QStringLiteral("areas")});
    const QString file = dir.filePath(QStringLiteral("no such folder/sheet.pdf"));
    WorksheetWindow::setFileChooser([&](QWidget *, const QString &) { return QString(file); });
    notices.expect(QStringLiteral("تعذر حفظ ورقة العمل في") + numtext::crlf() + file + numtext::crlf()
                       + QStringLiteral("تأكد أن المجلد موجود وأنه يمكن الكتابة فيه، ثم حاول مرة أخرى."),
                   numtext::style::Exclamation | numtext::style::RightAlign | numtext::style::RtlReading,
                   QStringLiteral("ورقة عمل"));
    QVERIFY(ui::click("WorksheetWindow", "SavePdf"));
    WorksheetWindow::setFileChooser([](QWidget *, const QString &) { return QString(); });
}

void WorksheetTest::windowPrintsAndNewSeed()
{
    QVERIFY(app::Windows::show<WorksheetWindow>());
    auto *w = app::Windows::find<WorksheetWindow>();
    w->chooseSections({QStringLiteral("numbers")});
    auto *seed = ui::control<QLineEdit>("WorksheetWindow", "Seed");
    const QString before = seed->text();
    QVERIFY(ui::click("WorksheetWindow", "NewSeed"));
    QVERIFY(seed->text() != before);
    QCOMPARE(w->options().seed, seed->text().toULongLong());

    // A printer that writes a file stands for the real one.
    const QString file = dir.filePath(QStringLiteral("printed.pdf"));
    int asked = 0;
    WorksheetWindow::setPrinterDialog([&](QWidget *, QPrinter &printer, bool preview) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        return !preview;
    });
    QVERIFY(ui::click("WorksheetWindow", "Preview"));
    QCOMPARE(asked, 1);
    QVERIFY(!QFile::exists(file));
    QVERIFY(ui::click("WorksheetWindow", "Print"));
    WorksheetWindow::setPrinterDialog([](QWidget *, QPrinter &, bool) { return false; });
    QCOMPARE(asked, 2);
    QVERIFY(pdfText(file).contains(QStringLiteral("هل العدد")));
}

void WorksheetTest::mainMenuOpensItWithCtrlP()
{
    QWidget *menu = ui::window("Form1");
    QApplication::setActiveWindow(menu);
    QVERIFY(QTest::qWaitForWindowActive(menu));
    QTest::keyClick(menu, Qt::Key_P, Qt::ControlModifier);
    QWidget *sheetWindow = app::Windows::find<WorksheetWindow>();
    QVERIFY(sheetWindow && sheetWindow->isVisible());
    QTest::keyClick(sheetWindow, Qt::Key_Escape);
    QVERIFY(!sheetWindow->isVisible());
}

void WorksheetTest::everyControlIsNamedAndReachedByTab()
{
    QWidget *w = app::Windows::show<WorksheetWindow>();
    QApplication::setActiveWindow(w);
    QVERIFY(QTest::qWaitForWindowActive(w));
    QSet<QWidget *> controls;
    for (QWidget *c : w->findChildren<QWidget *>())
        if (c->focusPolicy() & Qt::TabFocus && c->isVisible() && c->isEnabled() && !c->objectName().isEmpty()
            && !c->objectName().startsWith(QStringLiteral("qt_"))) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(c);
            QVERIFY2(a && !a->text(QAccessible::Name).isEmpty(), qPrintable(c->objectName()));
            controls.insert(c);
        }
    QStringList names;
    for (const QWidget *c : controls)
        names.append(c->objectName());
    names.sort();
    QCOMPARE(names,
             (QStringList{"ClassName", "Close", "Count", "Digits", "Figures", "Key", "Level", "NewSeed", "Paper", "Pi",
                          "Preview", "Print", "SavePdf", "School", "Sections", "Seed", "SheetDate", "SheetTitle"}));
    QSet<QWidget *> reached;
    for (int i = 0; i < 40 && reached.size() < controls.size(); ++i) {
        QWidget *focus = QApplication::focusWidget();
        while (focus && !controls.contains(focus))
            focus = focus->parentWidget();
        if (focus)
            reached.insert(focus);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(reached, controls);
}

QTEST_MAIN(WorksheetTest)
#include "test_worksheet.moc"
