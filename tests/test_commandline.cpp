// The program's command line (app/commandline): which mode each line asks
// for, what it reads from it, and every refusal, which names what is allowed.
// The program itself, run without a display, is in tests/CMakeLists.txt
// (help_cli, version_cli, exercises_cli, worksheet_cli).
#include "app/commandline.h"
#include "practice/exercises.h"

#include <QRegularExpression>
#include <QTest>

#include <limits>

using app::CommandLine;
using Mode = CommandLine::Mode;

namespace {

CommandLine read(const QString &line)
{
    QStringList arguments{QStringLiteral("nabrosa")};
    if (!line.isEmpty())
        arguments += line.split(QLatin1Char(' '));
    return app::readCommandLine(arguments);
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void modes_data();
    void modes();
    void exercises();
    void worksheet();
    void refusals_data();
    void refusals();
    void help();
};

void CommandLineTest::init()
{
    // The parser is set up without a complaint of Qt's (an option named twice).
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
}

void CommandLineTest::modes_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("mode");
    QTest::addColumn<qlonglong>("seed"); // the main menu's, -1 for none
    QTest::newRow("nothing") << "" << int(Mode::Window) << -1LL;
    QTest::newRow("a seed") << "--seed 42" << int(Mode::Window) << 42LL;
    QTest::newRow("a seed in Arabic-Indic digits") << "--seed ٤٢" << int(Mode::Window) << 42LL;
    QTest::newRow("with Qt's own") << "-platform offscreen --seed 7 -reverse" << int(Mode::Window) << 7LL;
    QTest::newRow("seed 0") << "--seed=0" << int(Mode::Window) << 0LL;
    QTest::newRow("help") << "--help" << int(Mode::Help) << -1LL;
    QTest::newRow("help wins") << "--exercises music --help" << int(Mode::Help) << -1LL;
    QTest::newRow("version") << "--version" << int(Mode::Version) << -1LL;
    QTest::newRow("exercises") << "--exercises areas" << int(Mode::Exercises) << -1LL;
    QTest::newRow("worksheet") << "--worksheet equation -o a.pdf" << int(Mode::Worksheet) << -1LL;
}

void CommandLineTest::modes()
{
    QFETCH(QString, line);
    QFETCH(int, mode);
    QFETCH(qlonglong, seed);
    const CommandLine read_ = read(line);
    QVERIFY2(read_.refusal.isEmpty(), qPrintable(read_.refusal));
    QCOMPARE(int(read_.mode), mode);
    QCOMPARE(read_.seed.has_value(), seed >= 0);
    if (seed >= 0)
        QCOMPARE(qlonglong(*read_.seed), seed);
}

void CommandLineTest::exercises()
{
    // The defaults: level 1, ten exercises, seed 1.
    CommandLine line = read(QStringLiteral("--exercises fractions"));
    QCOMPARE(line.section, QStringLiteral("fractions"));
    QCOMPARE(line.level, 1);
    QCOMPARE(line.count, 10);
    QCOMPARE(line.exerciseSeed, std::uint64_t(1));

    line = read(QStringLiteral("--count ٣ --exercises areas --level 2 --seed 18446744073709551615"));
    QCOMPARE(int(line.mode), int(Mode::Exercises));
    QCOMPARE(line.level, 2);
    QCOMPARE(line.count, 3);
    QCOMPARE(line.exerciseSeed, std::numeric_limits<std::uint64_t>::max());

    // What it prints: the exercises of the practice core, one JSON line each.
    line = read(QStringLiteral("--exercises areas --count 3 --seed 5 --level 3"));
    QString printed;
    QTextStream out(&printed);
    app::printExercises(line, out);
    QStringList expected;
    for (int i = 0; i < 3; ++i)
        expected << QString::fromUtf8(practice::jsonLine(practice::makeExercise(QStringLiteral("areas"), 3, 5, i)));
    QCOMPARE(printed, expected.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void CommandLineTest::worksheet()
{
    CommandLine line = read(QStringLiteral("--worksheet areas,fractions --count 20 --level 2 --seed 9 --key --figures "
                                           "--digits western --pi 22/7 --paper letter --title ورقة -o a.pdf"));
    QCOMPARE(int(line.mode), int(Mode::Worksheet));
    const practice::WorksheetOptions &o = line.worksheet;
    QCOMPARE(o.sections, (QStringList{"areas", "fractions"}));
    QCOMPARE(o.count, 20);
    QCOMPARE(o.level, 2);
    QCOMPARE(o.seed, std::uint64_t(9));
    QVERIFY(o.key);
    QVERIFY(o.figures);
    QCOMPARE(o.digits, numtext::DigitShape::Western);
    QVERIFY(o.pi == practice::Rational(22, 7));
    QCOMPARE(o.paper, QPageSize::Letter);
    QCOMPARE(o.title, QStringLiteral("ورقة"));
    QCOMPARE(line.fileName, QStringLiteral("a.pdf"));

    // The defaults, and π written with the Arabic decimal separator.
    line = read(QStringLiteral("--worksheet equation --pi ٣٫١٤ -o b.pdf"));
    const practice::WorksheetOptions defaults;
    QCOMPARE(line.worksheet.sections, QStringList{"equation"});
    QCOMPARE(line.worksheet.count, defaults.count);
    QCOMPARE(line.worksheet.level, defaults.level);
    QCOMPARE(line.worksheet.seed, defaults.seed);
    QVERIFY(!line.worksheet.key);
    QVERIFY(!line.worksheet.figures);
    QCOMPARE(line.worksheet.digits, numtext::DigitShape::ArabicIndic);
    QVERIFY(line.worksheet.pi == practice::piTaught());
    QCOMPARE(line.worksheet.paper, QPageSize::A4);
    QCOMPARE(line.worksheet.title, defaults.title);
}

void CommandLineTest::refusals_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("said");
    // The main menu.
    QTest::newRow("seed without a value") << "--seed"
                                          << "Missing value after '--seed'";
    QTest::newRow("seed not a number") << "--seed abc"
                                       << "bad value for --seed: abc\n--seed: من ٠ إلى ١٨٤٤٦٧٤٤٠٧٣٧٠٩٥٥١٦١٥";
    QTest::newRow("negative seed") << "--seed -1"
                                   << "bad value for --seed: -1";
    QTest::newRow("seed too large") << "--seed 18446744073709551616"
                                    << "--seed: من ٠ إلى";
    QTest::newRow("unknown option") << "--colour red"
                                    << "Unknown option 'colour'";
    QTest::newRow("a stray word") << "areas"
                                  << "unknown argument areas";
    QTest::newRow("a worksheet's option") << "--key"
                                          << "--key does not go with the main menu";
    QTest::newRow("both modes") << "--exercises areas --worksheet areas -o a.pdf"
                                << "one at a time";
    // --exercises
    QTest::newRow("unknown section") << "--exercises music"
                                     << "unknown section music\nusage: nabrosa --exercises";
    QTest::newRow("no section") << "--exercises"
                                << "Missing value after '--exercises'";
    QTest::newRow("level 4") << "--exercises areas --level 4"
                             << "bad value for --level: 4\n--level: من ١ إلى ٣";
    QTest::newRow("count not a number") << "--exercises areas --count x"
                                        << "--count: من ١ إلى ١٠٠٠٠٠";
    QTest::newRow("count 0") << "--exercises areas --count 0"
                             << "--count: من ١ إلى ١٠٠٠٠٠";
    QTest::newRow("count with a sign") << "--exercises areas --count +5"
                                       << "--count: من ١ إلى ١٠٠٠٠٠";
    QTest::newRow("unknown option with exercises") << "--exercises areas --colour red"
                                                   << "Unknown option 'colour'";
    QTest::newRow("a worksheet's option with exercises") << "--exercises areas --key"
                                                         << "--key does not go with --exercises";
    QTest::newRow("Qt's option with exercises") << "--exercises areas -platform xcb"
                                                << "-platform does not go with --exercises";
    // --worksheet
    QTest::newRow("no file") << "--worksheet equation"
                             << "-o FILE.pdf is needed";
    QTest::newRow("file without a name") << "--worksheet equation -o"
                                         << "Missing value after '-o'";
    QTest::newRow("empty sections") << "--worksheet , -o a.pdf"
                                    << "--worksheet needs a section";
    QTest::newRow("unknown section on a sheet") << "--worksheet areas,music -o a.pdf"
                                                << "unknown section music";
    QTest::newRow("count 101") << "--worksheet areas --count 101 -o a.pdf"
                               << "--count: من ١ إلى ١٠٠\n";
    QTest::newRow("level 0") << "--worksheet areas --level ٠ -o a.pdf"
                             << "--level: من ١ إلى ٣";
    QTest::newRow("digits") << "--worksheet areas --digits roman -o a.pdf"
                            << "--digits: arabic أو western";
    QTest::newRow("pi 3") << "--worksheet areas --pi 3 -o a.pdf"
                          << "bad value for --pi: 3\n--pi: 3.14 أو 22/7";
    QTest::newRow("paper") << "--worksheet areas --paper a3 -o a.pdf"
                           << "--paper: a4 أو letter";
    QTest::newRow("an exercise's stray word") << "--worksheet areas extra -o a.pdf"
                                              << "unknown argument extra";
}

void CommandLineTest::refusals()
{
    QFETCH(QString, line);
    QFETCH(QString, said);
    const CommandLine read_ = read(line);
    QCOMPARE(int(read_.mode), int(Mode::Refused));
    QVERIFY2(read_.refusal.startsWith(QStringLiteral("nabrosa: ")), qPrintable(read_.refusal));
    QVERIFY2(read_.refusal.contains(said), qPrintable(read_.refusal));
    QVERIFY(read_.refusal.contains(QStringLiteral("usage: nabrosa")));
    QVERIFY(read_.refusal.endsWith(QLatin1Char('\n')));
}

void CommandLineTest::help()
{
    // Every option of the program is in the help, and the sections.
    const QString text = app::helpText();
    for (const char *option : {"--seed", "--exercises", "--level", "--count", "--worksheet", "--key", "--figures",
                               "--digits", "--pi", "--paper", "--title", "-o FILE.pdf", "--help", "--version"})
        QVERIFY2(text.contains(QLatin1String(option)), option);
    for (const QString &section : practice::sections())
        QVERIFY2(text.contains(section), qPrintable(section));
    QVERIFY(app::versionText().startsWith(QStringLiteral("nabrosa ")));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_commandline.moc"
