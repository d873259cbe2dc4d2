#include "app/commandline.h"

#include "numtext/digits.h"
#include "practice/exercises.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <limits>
#include <utility>

namespace app {

namespace {

using Mode = CommandLine::Mode;

// Qt's own options (QGuiApplication's, QApplication's and X11's), which
// the main menu's application object takes from the line itself; X11's
// -title is the worksheet's --title here.
constexpr const char *QtOptionsWithValue[] = {"platform",    "platformpluginpath", "platformtheme",
                                              "plugin",      "qmljsdebugger",      "qwindowgeometry",
                                              "qwindowicon", "qwindowtitle",       "session",
                                              "display",     "geometry",           "name",
                                              "style",       "stylesheet"};
constexpr const char *QtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The options of each mode, beside --help and --version.
constexpr const char *WindowOptions[] = {"seed"};
constexpr const char *ExerciseOptions[] = {"exercises", "level", "count", "seed"};
constexpr const char *WorksheetOptions[] = {"worksheet", "count", "level", "seed",  "key", "figures",
                                            "digits",    "pi",    "paper", "title", "o"};

QString usage(Mode mode)
{
    switch (mode) {
    case Mode::Exercises:
        return QStringLiteral("usage: nabrosa --exercises SECTION [--level 1|2|3] [--count N] [--seed N]\n");
    case Mode::Worksheet:
        return QStringLiteral(
            "usage: nabrosa --worksheet SECTION[,SECTION...] [--count N] [--level 1|2|3] [--seed N] [--key]\n"
            "       [--figures] [--digits arabic|western] [--pi 3.14|22/7] [--paper a4|letter] [--title TEXT]\n"
            "       -o FILE.pdf\n");
    default:
        return QStringLiteral("usage: nabrosa [--seed N]\n"
                              "       nabrosa --exercises SECTION [--level 1|2|3] [--count N] [--seed N]\n"
                              "       nabrosa --worksheet SECTION[,SECTION...] [...] -o FILE.pdf\n");
    }
}

QString sectionList() { return QStringLiteral("SECTION: ") + practice::sections().join(QStringLiteral(", ")); }

CommandLine refused(Mode mode, const QString &why)
{
    CommandLine line;
    line.mode = Mode::Refused;
    line.refusal = QStringLiteral("nabrosa: ") + why + QLatin1Char('\n') + usage(mode);
    if (mode == Mode::Exercises || mode == Mode::Worksheet)
        line.refusal += sectionList() + QLatin1Char('\n');
    line.refusal += QStringLiteral("More: nabrosa --help\n");
    return line;
}

// A whole number of Western or Arabic-Indic digits, without a sign.
std::optional<std::uint64_t> wholeNumber(const QString &text)
{
    const QString digits = numtext::westernDigits(text.trimmed());
    if (digits.isEmpty())
        return std::nullopt;
    for (const QChar ch : digits)
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
    bool ok = false;
    const std::uint64_t value = digits.toULongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

class Reader {
public:
    Reader(const QCommandLineParser &parser, Mode mode) : parser_(parser), mode_(mode) {}

    // The option's value as a number from..to, or a refusal that names the
    // range ("--count: من ١ إلى ١٠٠").
    template <typename T> bool number(const char *name, T &to, std::uint64_t least, std::uint64_t most)
    {
        const QString option = QString::fromLatin1(name);
        if (!parser_.isSet(option))
            return true;
        const QString value = parser_.value(option);
        const std::optional<std::uint64_t> n = wholeNumber(value);
        if (n && *n >= least && *n <= most) {
            to = static_cast<T>(*n);
            return true;
        }
        const auto arabic = [](std::uint64_t v) {
            return numtext::shapeDigits(QString::number(v), numtext::DigitShape::ArabicIndic);
        };
        return refuse(option, value, QStringLiteral("من %1 إلى %2").arg(arabic(least), arabic(most)));
    }

    // The option's value as one of two words; the first unless given.
    bool choice(const char *name, const char *first, const char *second, bool &isSecond)
    {
        const QString option = QString::fromLatin1(name);
        isSecond = false;
        if (!parser_.isSet(option))
            return true;
        const QString value = numtext::westernDigits(parser_.value(option).trimmed());
        if (value == QLatin1String(first) || value == QLatin1String(second)) {
            isSecond = value == QLatin1String(second);
            return true;
        }
        return refuse(option, parser_.value(option),
                      QStringLiteral("%1 أو %2").arg(QLatin1String(first), QLatin1String(second)));
    }

    bool refuse(const QString &option, const QString &value, const QString &allowed)
    {
        refusal = refused(mode_, QStringLiteral("bad value for %1%2: %3\n%1%2: %4")
                                     .arg(option.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), option,
                                          value, allowed));
        return false;
    }

    CommandLine refusal;

private:
    const QCommandLineParser &parser_;
    Mode mode_;
};

template <std::size_t N> bool contains(const char *const (&names)[N], const QString &name)
{
    for (const char *n : names)
        if (name == QLatin1String(n))
            return true;
    return false;
}

bool fits(Mode mode, const QString &option)
{
    switch (mode) {
    case Mode::Window:
        return contains(WindowOptions, option) || contains(QtOptionsWithValue, option) || contains(QtFlags, option);
    case Mode::Exercises:
        return contains(ExerciseOptions, option);
    default:
        return contains(WorksheetOptions, option);
    }
}

// An option as it is written: Qt's and -o with one dash.
QString dashes(const QString &option)
{
    const bool single = option.size() == 1 || contains(QtOptionsWithValue, option) || contains(QtFlags, option);
    return single ? QStringLiteral("-") : QStringLiteral("--");
}

QString modeName(Mode mode)
{
    switch (mode) {
    case Mode::Exercises:
        return QStringLiteral("--exercises");
    case Mode::Worksheet:
        return QStringLiteral("--worksheet");
    default:
        return QStringLiteral("the main menu");
    }
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    // -platform, -reverse and -o as Qt and the worksheet spell them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QList<QCommandLineOption> options;
    for (const char *name : {"help", "version", "key", "figures"})
        options.append(QCommandLineOption(QString::fromLatin1(name)));
    for (const char *name : {"exercises", "worksheet", "level", "count", "seed", "digits", "pi", "paper", "title", "o"})
        options.append(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char *name : QtOptionsWithValue) {
        options.append(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
        options.last().setFlags(QCommandLineOption::HiddenFromHelp);
    }
    for (const char *name : QtFlags) {
        options.append(QCommandLineOption(QString::fromLatin1(name)));
        options.last().setFlags(QCommandLineOption::HiddenFromHelp);
    }
    parser.addOptions(options);
    if (!parser.parse(arguments))
        return refused(Mode::Window, parser.errorText());

    const QStringList given = parser.optionNames();
    CommandLine line;
    if (given.contains(u"help") || given.contains(u"version")) {
        line.mode = given.contains(u"help") ? Mode::Help : Mode::Version;
        return line;
    }
    Mode mode = Mode::Window;
    if (parser.isSet(QStringLiteral("exercises")) && parser.isSet(QStringLiteral("worksheet")))
        return refused(Mode::Window, QStringLiteral("--exercises and --worksheet: one at a time"));
    if (parser.isSet(QStringLiteral("exercises")))
        mode = Mode::Exercises;
    else if (parser.isSet(QStringLiteral("worksheet")))
        mode = Mode::Worksheet;
    if (!parser.positionalArguments().isEmpty())
        return refused(mode, QStringLiteral("unknown argument ") + parser.positionalArguments().first());
    for (const QString &name : given)
        if (!fits(mode, name))
            return refused(mode, QStringLiteral("%1%2 does not go with %3").arg(dashes(name), name, modeName(mode)));

    line.mode = mode;
    Reader read(parser, mode);
    constexpr std::uint64_t AnySeed = std::numeric_limits<std::uint64_t>::max();
    switch (mode) {
    case Mode::Window: {
        std::uint64_t seed = 0;
        if (!read.number("seed", seed, 0, AnySeed))
            return read.refusal;
        if (parser.isSet(QStringLiteral("seed")))
            line.seed = seed;
        break;
    }
    case Mode::Exercises:
        line.section = parser.value(QStringLiteral("exercises"));
        if (!practice::sections().contains(line.section))
            return refused(mode, QStringLiteral("unknown section ") + line.section);
        if (!read.number("level", line.level, 1, 3) || !read.number("count", line.count, 1, 100000)
            || !read.number("seed", line.exerciseSeed, 0, AnySeed))
            return read.refusal;
        break;
    case Mode::Worksheet: {
        practice::WorksheetOptions &o = line.worksheet;
        o.sections = parser.value(QStringLiteral("worksheet")).split(QLatin1Char(','), Qt::SkipEmptyParts);
        if (o.sections.isEmpty())
            return refused(mode, QStringLiteral("--worksheet needs a section"));
        for (const QString &s : std::as_const(o.sections))
            if (!practice::sections().contains(s))
                return refused(mode, QStringLiteral("unknown section ") + s);
        bool western = false, sevenths = false, letter = false;
        if (!read.number("count", o.count, 1, 100) || !read.number("level", o.level, 1, 3)
            || !read.number("seed", o.seed, 0, AnySeed) || !read.choice("digits", "arabic", "western", western)
            || !read.choice("pi", "3.14", "22/7", sevenths) || !read.choice("paper", "a4", "letter", letter))
            return read.refusal;
        o.digits = western ? numtext::DigitShape::Western : numtext::DigitShape::ArabicIndic;
        if (sevenths)
            o.pi = practice::Rational(22, 7);
        o.paper = letter ? QPageSize::Letter : QPageSize::A4;
        o.key = parser.isSet(QStringLiteral("key"));
        o.figures = parser.isSet(QStringLiteral("figures"));
        if (parser.isSet(QStringLiteral("title")))
            o.title = parser.value(QStringLiteral("title"));
        line.fileName = parser.value(QStringLiteral("o"));
        if (line.fileName.isEmpty())
            return refused(mode, QStringLiteral("-o FILE.pdf is needed"));
        break;
    }
    default:
        break;
    }
    return line;
}

QString helpText()
{
    return usage(Mode::Window) + QStringLiteral("       nabrosa --help | --version\n\n")
           + QStringLiteral("Nabrosa (نبروسة, \"nabrosa\"), a teaching tool for school mathematics in\n"
                            "Arabic. Without --exercises or --worksheet it opens its main menu (and takes\n"
                            "Qt's options, such as -platform NAME); the other modes need no display.\n"
                            "\n"
                            "  --seed N             the seed of the exercises: the same seed, the same\n"
                            "                       exercises (in the main menu, of every practice window)\n"
                            "  --exercises SECTION  print a section's exercises as JSON lines, one a line\n"
                            "  --level 1|2|3        the level of the exercises (1 unless given)\n"
                            "  --count N            how many exercises (10 unless given): 1 to 100000\n"
                            "                       printed, 1 to 100 on a worksheet\n"
                            "  --worksheet SECTION[,SECTION...]\n"
                            "                       write a worksheet of these sections as a PDF file\n"
                            "  --key                with the answer key and the worked steps, on pages of\n"
                            "                       their own\n"
                            "  --figures            with a picture of each exercise that has one\n"
                            "  --digits arabic|western\n"
                            "                       the digits of the sheet (arabic unless given)\n"
                            "  --pi 3.14|22/7       the value of pi the exercises use (3.14 unless given)\n"
                            "  --paper a4|letter    the paper (a4 unless given)\n"
                            "  --title TEXT         the sheet's title\n"
                            "  -o FILE.pdf          the file the sheet is written to\n"
                            "  --help               this text\n"
                            "  --version            the program's version\n"
                            "\n")
           + sectionList()
           + QStringLiteral("\nNumbers may be written with Arabic-Indic digits (٠١٢٣٤٥٦٧٨٩) as well.\n");
}

QString versionText() { return QStringLiteral("nabrosa " NABROSA_VERSION "\n"); }

void printExercises(const CommandLine &line, QTextStream &out)
{
    for (int i = 0; i < line.count; ++i)
        out << QString::fromUtf8(
            practice::jsonLine(practice::makeExercise(line.section, line.level, line.exerciseSeed, i)))
            << '\n';
    out.flush();
}

} // namespace app
