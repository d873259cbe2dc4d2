// The worked solution of every exercise: written by the section's own
// formula with the exercise's numbers (and its ط = 3.14), every line
// following from the one before, the hints never giving the last line away,
// and the last line giving the exercise's answer, the formula's own value
// rounded as the exercise asks.

#include "numbers/formulas.h"
#include "numtext/numtext.h"
#include "practice/exercises.h"
#include "practice/solutions.h"
#include "support/linecheck.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace practice;

class SolutionsTest : public QObject {
    Q_OBJECT
private slots:
    void solvesEveryExercise_data();
    void solvesEveryExercise();
    void linesOfOneSolution_data();
    void linesOfOneSolution();
    void hintsStartWithTheMethod_data();
    void hintsStartWithTheMethod();
};

namespace {

// A number text of the steps (Western digits, "−" or "-", a decimal point,
// an exponent as the general number format writes it) as an exact fraction.
Rational exactly(QString text)
{
    text.replace(QChar(u'\u2212'), QLatin1Char('-'));
    int exponent = 0;
    if (const auto e = text.indexOf(QRegularExpression(QStringLiteral("[eE]"))); e >= 0) {
        exponent = text.mid(e + 1).toInt();
        text.truncate(e);
    }
    const bool negative = text.startsWith(u'-');
    text.remove(u'-');
    const auto point = text.indexOf(u'.');
    int places = 0;
    if (point >= 0) {
        places = static_cast<int>(text.size() - point - 1);
        text.remove(point, 1);
    }
    places -= exponent;
    bool ok = false;
    const Rational digits(text.toLongLong(&ok) * (negative ? -1 : 1));
    if (!ok)
        qFatal("not a number text: %s", qPrintable(text));
    return places >= 0 ? digits * Rational::decimal(1, places) : digits / Rational::decimal(1, -places);
}

// The numbers a line gives, in order: its fractions "\frac{7}{12}" and its
// decimals.
QList<Rational> numbersOf(const QString &line)
{
    static const QRegularExpression number(
        QStringLiteral("([−-]?)\\\\frac\\{(\\d+)\\}\\{(\\d+)\\}|[−-]?\\d+(?:\\.\\d+)?"));
    QList<Rational> found;
    for (auto it = number.globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(2).isEmpty())
            found.append(exactly(m.captured(0)));
        else
            found.append(Rational(m.captured(2).toLongLong(), m.captured(3).toLongLong())
                         * (m.captured(1).isEmpty() ? 1 : -1));
    }
    return found;
}

QList<Rational> sorted(QList<Rational> values)
{
    std::sort(values.begin(), values.end());
    return values;
}

// The formula's own values: the texts it gave its result boxes.
QList<Rational> formulaValues(const Exercise &e, const numtext::Steps &s)
{
    const QStringList &boxes = s.results();
    if (boxes.isEmpty())
        return {};
    if (e.section == u"fractions") // numerator and denominator
        return {exactly(boxes.value(0)) / exactly(boxes.value(1))};
    if (e.section == u"equation")
        return sorted({exactly(boxes.value(0)), exactly(boxes.value(1))});
    return {exactly(boxes.first())}; // trigonometry: the degrees box first
}

// The true values of the six functions of the exercise's angle in degrees,
// under the names the lines give them ("جا 30°", "جا (−30°)"), and the
// functions of a number of radians ("جا 0.523598775598298").
linecheck::Names degreeNames(double degrees)
{
    QString at = numtext::written(degrees) + u'°';
    if (degrees < 0)
        at = u'(' + at + u')';
    const long double x = std::fmod(static_cast<long double>(degrees), 360.0L) * std::numbers::pi_v<long double> / 180;
    const long double sine = std::sin(x), cosine = std::cos(x);
    linecheck::Names names{{QStringLiteral("جا ") + at, double(sine)}, {QStringLiteral("جتا ") + at, double(cosine)}};
    if (std::abs(cosine) > 1e-12L) {
        names[QStringLiteral("ظا ") + at] = double(sine / cosine);
        names[QStringLiteral("قا ") + at] = double(1 / cosine);
    }
    if (std::abs(sine) > 1e-12L) {
        names[QStringLiteral("ظتا ") + at] = double(cosine / sine);
        names[QStringLiteral("قتا ") + at] = double(1 / sine);
    }
    return names;
}

bool givesPi(const Exercise &e)
{
    return std::any_of(e.given.begin(), e.given.end(), [](const auto &g) { return g.first == u"pi"; });
}

// What the lines bind: ط to the π the exercise gives; the functions of the
// angle.
linecheck::Names namesOf(const Exercise &e)
{
    if (e.section == u"trigonometry")
        return degreeNames(e.number(QStringLiteral("angle")).toDouble());
    if (givesPi(e))
        return {{QStringLiteral("ط"), e.number(QStringLiteral("pi")).toDouble()}};
    return {};
}

// The functions the lines write: of degrees in trigonometry, the only
// section that has them.
const linecheck::Functions &functionsOf(const Exercise &e)
{
    return e.section == u"trigonometry" ? linecheck::degreeFunctions() : linecheck::radianFunctions();
}

// The last line of a parity or prime solution: the window's own answer.
QString wordsLine(const QString &answer)
{
    if (answer == u"زوجي")
        return numbers::EvenAnswer;
    if (answer == u"فردي")
        return numbers::OddAnswer;
    return answer == u"أولي" ? numbers::PrimeAnswer : numbers::NotPrimeAnswer;
}

QByteArray describe(const Exercise &e, const numtext::Steps &s)
{
    return (QStringLiteral("%1 level %2 seed %3 index %4: %5 → %6\n")
                .arg(e.kind)
                .arg(e.level)
                .arg(e.seed)
                .arg(e.index)
                .arg(e.question, e.answer)
            + s.lines().join(u'\n'))
        .toUtf8();
}

} // namespace

// Every kind of every section at every level, for many seeds.
void SolutionsTest::solvesEveryExercise_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("level");
    for (const QString &section : sections())
        for (int level = 1; level <= 3; ++level)
            QTest::addRow("%s level %d", qPrintable(section), level) << section << level;
}

void SolutionsTest::solvesEveryExercise()
{
    QFETCH(QString, section);
    QFETCH(int, level);
    const int kindCount = static_cast<int>(kinds(section).size());
    for (std::uint64_t seed = 0; seed < 40; ++seed) {
        for (int index = 0; index < kindCount; ++index) {
            const Exercise e = makeExercise(section, level, seed, index);
            const numtext::Steps s = solution(e);
            const QByteArray where = describe(e, s);
            QVERIFY2(!s.failed() && !s.refused(), where.constData());
            QVERIFY2(s.lines().size() >= 2, where.constData());
            QCOMPARE(hintLines(s), s.lines().size() - 1);
            const QString &last = s.lines().last();

            // The π the exercise gives, and no other.
            if (givesPi(e)) {
                QVERIFY2(s.lines().filter(QStringLiteral("3.14")).size() > 0, where.constData());
                QVERIFY2(s.lines().filter(QStringLiteral("3.1415")).isEmpty(), where.constData());
            }

            // Every line follows from the one before.
            const linecheck::Report report = linecheck::check(s, namesOf(e), functionsOf(e));
            QVERIFY2(report.ok(), (where + "\n" + report.text().toUtf8()).constData());
            QVERIFY2(report.relations > 0, where.constData());

            // The last line gives the answer.
            if (e.words) {
                QVERIFY2(last == wordsLine(e.answer), where.constData());
                continue;
            }
            if (e.noSolution) {
                QVERIFY2(last.contains(QStringLiteral("لا يوجد حل")), where.constData());
                continue;
            }
            const QList<Rational> numbers = numbersOf(last);
            QVERIFY2(numbers.size() >= e.values.size(), where.constData());
            QVERIFY2(sorted(numbers.mid(numbers.size() - e.values.size())) == sorted(e.values), where.constData());

            // The formula's own value, rounded as asked, is the answer.
            QList<Rational> values = formulaValues(e, s);
            QVERIFY2(values.size() == e.values.size(), where.constData());
            for (qsizetype i = 0; i < values.size(); ++i) {
                if (e.round) {
                    QVERIFY2(roundHalfUp(values[i], *e.round) == e.values[i], where.constData());
                } else {
                    // Exact: but the windows work in binary (cos 60° gives
                    // 0.500000000000001).
                    const double difference = (values[i] - e.values[i]).toDouble();
                    QVERIFY2(std::abs(difference) <= 1e-12 * std::max(1.0, std::abs(e.values[i].toDouble())),
                             where.constData());
                }
            }
        }
    }
}

// A few solutions by hand: the first line (the method: the formula or the rule)
// and the last (the answer, rounded as asked, exact where binary arithmetic
// left the value a little off, in lowest terms for a fraction); the π the
// exercise gives; nothing of what the exercise does not ask.
void SolutionsTest::linesOfOneSolution_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("given"); // key=value
    QTest::addColumn<int>("round");         // -1: exact
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("lines");
    const QString Quadratic = QStringLiteral(
        "[magenta:س] = \\frac{−[green:ب] ± \\sqrt{المميز}}{2 × [blue:أ]}، والمميز = "
        "[green:ب]^{2} − 4 × [blue:أ] × [red:جـ]");

    QTest::newRow("circle area, rounded")
        << "areas"
        << "circle-area" << QStringList{"r=1.25", "pi=3.14"} << 2 << "[blue:المساحة] = [red:ط] × [green:نق]^{2}"
        << "≈ 4.91 وحدة مربعة (مقربا إلى منزلتين عشريتين)" << 5;
    QTest::newRow("rounded to a whole number of hundredths") << "volumes"
                                                             << "sphere-volume" << QStringList{"r=6.87", "pi=3.14"} << 2
                                                             << "[blue:الحجم] = \\frac{4}{3} × [red:ط] × [green:نق]^{3}"
                                                             << "≈ 1357.50 وحدة مكعبة (مقربا إلى منزلتين عشريتين)" << 7;
    QTest::newRow("trapezoid: its formula, then the sum of the bases")
        << "areas"
        << "trapezoid-area" << QStringList{"base1=2", "base2=7", "height=7"} << -1
        << "[blue:المساحة] = \\frac{الارتفاع × مجموع القاعدتين}{2}"
        << "= 31.5 وحدة مربعة" << 5;
    QTest::newRow("exact, a little off in binary")
        << "arithmetic"
        << "subtract" << QStringList{"a=14.4", "b=14.3"} << -1 << "الناتج = العدد الأول − العدد الثاني"
        << "≈ 0.1 (الفرق في آخر الأرقام من حفظ الحاسوب الأعداد بالنظام الثنائي)" << 4;
    QTest::newRow("degrees to radians with 3.14")
        << "conversions"
        << "degrees-to-radians" << QStringList{"degrees=30", "pi=3.14"} << 2
        << "[green:التقدير الدائري] = \\frac{[blue:التقدير الستيني] × [red:ط]}{180}"
        << "≈ 0.52 راديان (مقربا إلى منزلتين عشريتين)" << 5;
    QTest::newRow("a special angle, its value in degrees only")
        << "trigonometry"
        << "cosine" << QStringList{"angle=300"} << -1
        << "نحذف من الزاوية الدورات الكاملة (360°) ونردها بقواعد الأرباع إلى زاوية حادة، ثم نحسب جتا"
        << "جتا 300° = 0.5" << 6;
    QTest::newRow("a negative angle, rounded")
        << "trigonometry"
        << "sine" << QStringList{"angle=-85"} << 2
        << "نحذف من الزاوية الدورات الكاملة (360°) ونردها بقواعد الأرباع إلى زاوية حادة، ثم نحسب جا"
        << "جا (−85°) ≈ −1.00 (مقربا إلى منزلتين عشريتين)" << 7;
    QTest::newRow("roots that are fractions") << "equation"
                                              << "quadratic" << QStringList{"a=3", "b=13", "c=12"} << -1 << Quadratic
                                              << "مجموعة الحل = {−3 ، −\\frac{4}{3}}" << 20;
    QTest::newRow("no real root") << "equation"
                                  << "quadratic" << QStringList{"a=1", "b=1", "c=1"} << -1 << Quadratic
                                  << "المميز سالب ولا يوجد جذر تربيعي لعدد سالب: لا يوجد حل لهذه المعادلة" << 9;
    QTest::newRow("a fraction in lowest terms")
        << "fractions"
        << "fraction-add" << QStringList{"n1=1", "d1=3", "n2=6", "d2=8"} << -1
        << "نجعل للكسرين مقاما واحدا، ثم نجمع البسطين ونبقي المقام، ثم نكتب الناتج في أبسط صورة"
        << "الناتج في أبسط صورة = \\frac{13}{12}" << 16;
    QTest::newRow("a whole number")
        << "fractions"
        << "fraction-subtract" << QStringList{"n1=5", "d1=4", "n2=1", "d2=4"} << -1
        << "نجعل للكسرين مقاما واحدا، ثم نطرح البسطين ونبقي المقام، ثم نكتب الناتج في أبسط صورة"
        << "الناتج في أبسط صورة = 1" << 12;
    QTest::newRow("odd, in the window's words")
        << "numbers"
        << "parity" << QStringList{"x=7"} << -1
        << "العدد الزوجي يقبل القسمة على 2، والعدد الفردي يبقى منه 1 إذا قسم على 2"
        << "نوع العدد فردي" << 5;
}

void SolutionsTest::linesOfOneSolution()
{
    QFETCH(QString, section);
    QFETCH(QString, kind);
    QFETCH(QStringList, given);
    QFETCH(int, round);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(int, lines);
    Exercise e;
    e.section = section;
    e.kind = kind;
    for (const QString &pair : given) {
        const QStringList parts = pair.split(u'=');
        e.given.append({parts[0], exactly(parts[1])});
    }
    if (round >= 0)
        e.round = round;
    const numtext::Steps s = solution(e);
    const QByteArray all = s.lines().join(u'\n').toUtf8();
    QVERIFY2(s.lines().size() == lines, all.constData());
    QCOMPARE(s.lines().first(), first);
    QCOMPARE(s.lines().last(), last);
    if (givesPi(e))
        QVERIFY2(s.lines().filter(QStringLiteral("3.1415")).isEmpty(), all.constData());
    QVERIFY2(s.lines().filter(QStringLiteral("بالراديان")).isEmpty(), all.constData());
    VERIFY_LINES(s.lines(), namesOf(e), functionsOf(e));
}

// The first hint is the method of the kind (its formula or its rule): the
// same line whatever the numbers, never one that only repeats the question
// (which changes with them). Every kind the practice core lists, at every
// level.
void SolutionsTest::hintsStartWithTheMethod_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("index");
    for (const QString &section : sections()) {
        const QStringList list = kinds(section);
        for (int index = 0; index < list.size(); ++index)
            QTest::addRow("%s %s", qPrintable(section), qPrintable(list[index])) << section << index;
    }
}

void SolutionsTest::hintsStartWithTheMethod()
{
    QFETCH(QString, section);
    QFETCH(int, index);
    const QString kind = kinds(section)[index];
    QString method;
    QByteArray first;
    for (int level = 1; level <= 3; ++level) {
        for (std::uint64_t seed = 0; seed < 30; ++seed) {
            const Exercise e = makeExercise(section, level, seed, index);
            QCOMPARE(e.kind, kind);
            const numtext::Steps s = solution(e);
            QVERIFY(hintLines(s) >= 1);
            const QString hint = s.lines().first();
            if (method.isNull()) {
                method = hint;
                first = describe(e, s);
            }
            QVERIFY2(hint == method, (first + "\n---- and\n" + describe(e, s)).constData());
        }
    }
}

QTEST_GUILESS_MAIN(SolutionsTest)
#include "test_solutions.moc"
