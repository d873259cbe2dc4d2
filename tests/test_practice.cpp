// The practice core without windows: the exercises of every section, solved
// again by the section's own formulas; the checking of a pupil's answers in
// every way a right one may be written; the command line's JSON lines.

#include "algebra/formulas.h"
#include "calculators/formulas.h"
#include "conversions/formulas.h"
#include "conversions/trigformulas.h"
#include "geometry/formulas.h"
#include "numbers/formulas.h"
#include "numtext/notation.h"
#include "numtext/numtext.h"
#include "practice/answers.h"
#include "practice/exercises.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace practice;

class PracticeTest : public QObject {
    Q_OBJECT
private slots:
    void solvedBySectionFormulas_data();
    void solvedBySectionFormulas();
    void sameSeedSameExercises();
    void everyKindHasATitle();
    void answers_data();
    void answers();
    void exerciseAnswersAreAccepted_data();
    void exerciseAnswersAreAccepted();
    void commandLine_data();
    void commandLine();
};

namespace {

constexpr double WindowPi = 3.141592; // π of the geometry and conversions windows
constexpr double TaughtPi = 3.14;

QString text(const Exercise &e, const QString &key) { return decimalText(e.number(key)); }
numtext::Typed typed(const Exercise &e, const QString &key) { return numtext::leadingTyped(text(e, key)); }
geometry::RoundSize radius(const Exercise &e) { return {typed(e, QStringLiteral("r"))}; }

// What the section's own formula gives for the numbers of the exercise: its
// values, or its words (parity, prime or not).
struct Solved {
    QList<double> values;
    QString words;
    bool noRealRoot = false;
};

Solved solve(const Exercise &e)
{
    numtext::Steps s;
    const QString &k = e.kind;
    auto one = [](double v) { return Solved{{v}, {}, false}; };
    auto number = [](const QString &t) { return numtext::strictNumber(t); };
    // The windows compute with π = 3.141592; the exercises give ط = 3.14.
    const double toTaught = TaughtPi / WindowPi;
    if (e.section == u"arithmetic") {
        const auto operation = k == u"add"        ? calculators::Operation::Add
                               : k == u"subtract" ? calculators::Operation::Subtract
                               : k == u"multiply" ? calculators::Operation::Multiply
                                                  : calculators::Operation::Divide;
        return one(number(calculators::operate(
            operation, calculators::readOperands(text(e, QStringLiteral("a")), text(e, QStringLiteral("b"))), s)));
    }
    if (k == u"circle-area")
        return one(geometry::circleArea(radius(e), s) * toTaught);
    if (k == u"sphere-area")
        return one(geometry::sphereSurface(radius(e), s) * toTaught);
    if (k == u"rectangle-area")
        return one(geometry::rectangleArea(typed(e, QStringLiteral("length")), typed(e, QStringLiteral("width")), s));
    if (k == u"triangle-area")
        return one(geometry::triangleArea(typed(e, QStringLiteral("base")), typed(e, QStringLiteral("height")), s));
    if (k == u"parallelogram-area")
        return one(
            geometry::parallelogramArea(typed(e, QStringLiteral("base")), typed(e, QStringLiteral("height")), s));
    if (k == u"trapezoid-area")
        return one(geometry::trapezoidArea(typed(e, QStringLiteral("height")),
                                           numtext::leadingTyped(decimalText(e.number(QStringLiteral("base1"))
                                                                             + e.number(QStringLiteral("base2")))),
                                           s));
    if (k == u"cube-area")
        return one(geometry::cubeSurface(typed(e, QStringLiteral("edge")), s));
    if (k == u"circle-perimeter")
        return one(geometry::circlePerimeter(radius(e), s) * toTaught);
    if (k == u"square-perimeter")
        return one(geometry::squarePerimeter(typed(e, QStringLiteral("side")), s));
    if (k == u"rectangle-perimeter")
        return one(
            geometry::rectanglePerimeter(typed(e, QStringLiteral("length")), typed(e, QStringLiteral("width")), s));
    if (k == u"triangle-perimeter" || k == u"quadrilateral-perimeter") {
        QList<numtext::Typed> sides;
        for (const auto &[key, value] : e.given)
            sides.append(numtext::leadingTyped(decimalText(value)));
        return one(geometry::sumOfSides(sides, s));
    }
    if (k == u"cube-volume")
        return one(geometry::cubeVolume(typed(e, QStringLiteral("edge")), s));
    if (k == u"cuboid-volume")
        return one(geometry::cuboidVolume(typed(e, QStringLiteral("length")), typed(e, QStringLiteral("width")),
                                          typed(e, QStringLiteral("height")), s));
    if (k == u"sphere-volume")
        return one(geometry::sphereVolume(radius(e), s) * toTaught);
    if (k == u"cylinder-volume")
        return one(geometry::cylinderVolume(radius(e), typed(e, QStringLiteral("height")), s) * toTaught);
    if (k == u"cone-volume")
        return one(geometry::coneVolume(radius(e), typed(e, QStringLiteral("height")), s) * toTaught);
    if (e.section == u"conversions") {
        const QString operand = decimalText(e.given.first().second);
        if (k == u"celsius-to-fahrenheit")
            return one(conversions::celsiusToFahrenheit(operand, s));
        if (k == u"fahrenheit-to-celsius")
            return one(conversions::fahrenheitToCelsius(operand, s));
        if (k == u"celsius-to-kelvin")
            return one(conversions::celsiusToKelvin(operand, s));
        if (k == u"kelvin-to-celsius")
            return one(conversions::kelvinToCelsius(operand, s));
        if (k == u"kelvin-to-fahrenheit")
            return one(conversions::kelvinToFahrenheit(operand, s));
        if (k == u"fahrenheit-to-kelvin")
            return one(conversions::fahrenheitToKelvin(operand, s));
        if (k == u"degrees-to-radians")
            return one(conversions::degreesToRadians(operand, s) * toTaught);
        if (k == u"radians-to-degrees")
            return one(conversions::radiansToDegrees(operand, s) / toTaught);
    }
    if (e.section == u"trigonometry") {
        using F = conversions::Function;
        const F f = k == u"sine"        ? F::Sine
                    : k == u"cosine"    ? F::Cosine
                    : k == u"tangent"   ? F::Tangent
                    : k == u"cotangent" ? F::Cotangent
                    : k == u"secant"    ? F::Secant
                                        : F::Cosecant;
        const auto value = conversions::trigonometric(f, text(e, QStringLiteral("angle")), s).degrees;
        return value ? one(*value) : Solved{};
    }
    if (e.section == u"numbers") {
        const QString x = text(e, QStringLiteral("x"));
        if (k == u"square-root")
            return one(number(numbers::squareRootAnswer(x, s).value_or(QString())));
        if (k == u"rounding")
            return one(number(numbers::hundredthsAnswer(x, s)));
        if (k == u"parity")
            return {{},
                    numbers::parityAnswer(x, s) == numbers::EvenAnswer ? QStringLiteral("زوجي")
                                                                       : QStringLiteral("فردي")};
        if (k == u"prime")
            return {{},
                    numbers::primeAnswer(x, s) == numbers::PrimeAnswer ? QStringLiteral("أولي")
                                                                       : QStringLiteral("غير أولي")};
    }
    if (k == u"quadratic") {
        const auto equation = algebra::readEquation(text(e, QStringLiteral("a")), text(e, QStringLiteral("b")),
                                                    text(e, QStringLiteral("c")), s);
        const algebra::Roots roots = algebra::solveEquation(equation, s);
        if (roots.kind == algebra::Roots::Kind::NoRealRoot)
            return {{}, {}, true};
        if (roots.kind != algebra::Roots::Kind::Two)
            return {};
        QList<double> values{number(roots.first), number(roots.second)};
        std::sort(values.begin(), values.end());
        return {values, {}, false};
    }
    if (e.section == u"fractions") {
        const auto f = algebra::readFractions(text(e, QStringLiteral("n1")), text(e, QStringLiteral("d1")),
                                              text(e, QStringLiteral("n2")), text(e, QStringLiteral("d2")));
        const auto r = algebra::combineFractions(f,
                                                 k == u"fraction-add" ? algebra::FractionOperation::Add
                                                                      : algebra::FractionOperation::Subtract,
                                                 text(e, QStringLiteral("d1")), s);
        return one(number(r.numerator) / number(r.denominator));
    }
    qFatal("no formula for the kind %s", qPrintable(k));
}

} // namespace

// Every kind of every section at every level, for many seeds: the section's
// formula, given the same numbers, comes to the answer (within the rounding
// asked), and no exercise is trivial or absurd.
void PracticeTest::solvedBySectionFormulas_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("level");
    for (const QString &section : sections())
        for (int level = 1; level <= 3; ++level)
            QTest::addRow("%s level %d", qPrintable(section), level) << section << level;
}

void PracticeTest::solvedBySectionFormulas()
{
    QFETCH(QString, section);
    QFETCH(int, level);
    QSet<QString> kindsSeen;
    for (std::uint64_t seed = 0; seed < 40; ++seed) {
        for (int index = 0; index < 2 * static_cast<int>(kinds(section).size()); ++index) {
            const Exercise e = makeExercise(section, level, seed, index);
            kindsSeen.insert(e.kind);
            const QByteArray where = QStringLiteral("%1 seed %2 index %3: %4 → %5")
                                         .arg(e.kind)
                                         .arg(seed)
                                         .arg(index)
                                         .arg(e.question, e.answer)
                                         .toUtf8();
            QVERIFY2(!e.question.isEmpty() && !e.answer.isEmpty(), where.constData());
            QVERIFY2(e.question.contains(QStringLiteral("قرّب الناتج إلى منزلتين عشريتين"))
                         == (e.round.has_value() && e.kind != u"rounding"),
                     where.constData());
            if (e.question.contains(QStringLiteral("ط = 3.14")))
                QVERIFY2(e.number(QStringLiteral("pi")) == Rational::decimal(314, 2), where.constData());
            // Nothing absurd: no length, radius or denominator of 0.
            for (const auto &[key, value] : e.given)
                if (section == u"areas" || section == u"perimeters" || section == u"volumes" || key == u"d1"
                    || key == u"d2")
                    QVERIFY2(value.sign() > 0, where.constData());

            const Solved solved = solve(e);
            if (e.words) {
                QCOMPARE(e.answer, solved.words);
                continue;
            }
            if (e.noSolution) {
                QVERIFY2(solved.noRealRoot, where.constData());
                continue;
            }
            QVERIFY2(solved.values.size() == e.values.size(), where.constData());
            for (qsizetype i = 0; i < e.values.size(); ++i) {
                const double answer = e.values[i].toDouble(), formula = solved.values[i];
                // Nothing trivial: no answer is 0.
                QVERIFY2(!(e.values[i] == 0), where.constData());
                const double slack = 1e-9 * std::max(1.0, std::abs(formula));
                const double allowed = e.round && e.kind != u"rounding" ? 0.5 * std::pow(10.0, -*e.round) + slack
                                                                        : slack;
                QVERIFY2(std::abs(answer - formula) <= allowed,
                         (where + " formula " + QByteArray::number(formula, 'g', 17)).constData());
            }
            if (e.kind == u"quadratic")
                QVERIFY2(!(e.values[0] == e.values[1]), where.constData());
        }
    }
    QCOMPARE(QStringList(kindsSeen.begin(), kindsSeen.end()).size(), kinds(section).size());
}

void PracticeTest::sameSeedSameExercises()
{
    for (const QString &section : sections()) {
        QStringList first, again, other;
        for (int index = 0; index < 12; ++index) {
            first.append(QString::fromUtf8(jsonLine(makeExercise(section, 2, 1234, index))));
            again.append(QString::fromUtf8(jsonLine(makeExercise(section, 2, 1234, index))));
            other.append(QString::fromUtf8(jsonLine(makeExercise(section, 2, 1235, index))));
        }
        QCOMPARE(again, first);
        QVERIFY2(other != first, qPrintable(section));
    }
    // An exercise depends on its own index only, not on those made before.
    QCOMPARE(jsonLine(makeExercise(QStringLiteral("areas"), 1, 9, 5)),
             jsonLine(makeExercise(QStringLiteral("areas"), 1, 9, 5)));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, makeExercise(QStringLiteral("music"), 1, 1, 0));
    QVERIFY_THROWS_EXCEPTION(std::invalid_argument, makeExercise(QStringLiteral("areas"), 4, 1, 0));
}

namespace {

// An exercise whose answer is the given values, by hand.
Exercise expecting(QList<Rational> values, std::optional<int> round = std::nullopt, QList<double> truth = {},
                   bool lowestTerms = false)
{
    Exercise e;
    e.values = values;
    e.round = round;
    e.lowestTerms = lowestTerms;
    for (qsizetype i = 0; i < values.size(); ++i)
        e.exact.append(i < truth.size() ? truth[i] : values[i].toDouble());
    return e;
}

} // namespace

void PracticeTest::everyKindHasATitle()
{
    // A kind added to a section without its Arabic title would show its
    // English name to the pupil.
    QSet<QString> seen;
    for (const QString &section : practice::sections()) {
        QVERIFY2(practice::sectionTitle(section) != section, qPrintable(section));
        for (const QString &kind : practice::kinds(section)) {
            const QString title = practice::kindTitle(kind);
            QVERIFY2(title != kind, qPrintable(kind));
            QVERIFY2(!seen.contains(title), qPrintable(title));
            seen.insert(title);
        }
    }
}

void PracticeTest::answers_data()
{
    QTest::addColumn<Exercise>("exercise");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("message");

    const int right = int(Verdict::Right), can = int(Verdict::RightCanSimplify), simplify = int(Verdict::Simplify),
              wrong = int(Verdict::Wrong), none = int(Verdict::NotAnswer);
    const QString ok = RightText;
    const Exercise half = expecting({Rational(1, 2)});
    QTest::newRow("0.5 for 1/2") << half << "0.5" << right << ok;
    QTest::newRow("Arabic digits and ٫") << half << "٠٫٥" << right << ok;
    QTest::newRow("decimal comma") << half << "0,5" << right << ok;
    QTest::newRow("spaces around") << half << "  1/2 " << right << ok;
    QTest::newRow("Arabic fraction") << half << "١/٢" << right << ok;
    QTest::newRow("no leading zero") << half << ".5" << right << ok;
    QTest::newRow("trailing zero") << half << "0.50" << right << ok;
    QTest::newRow("equivalent fraction") << half << "2/4" << can << "صحيح، ويمكن تبسيطه إلى ١/٢";
    QTest::newRow("wrong decimal") << half << "0.6" << wrong << WrongText;
    QTest::newRow("letters") << half << "abc" << none << NotAnswerText;
    QTest::newRow("empty") << half << "" << none << NotAnswerText;
    QTest::newRow("number then letters") << half << "12abc" << none << NotAnswerText;
    QTest::newRow("lone slash") << half << "1/" << none << NotAnswerText;
    QTest::newRow("denominator 0") << half << "1/0" << none << NotAnswerText;

    const Exercise sixHundredths = expecting({Rational(6, 100)});
    QTest::newRow("0.06 for 6/100") << sixHundredths << "0.06" << right << ok;
    QTest::newRow("6/100 as typed") << sixHundredths << "6/100" << can << "صحيح، ويمكن تبسيطه إلى ٣/٥٠";

    const Exercise lowest = expecting({Rational(7, 12)}, std::nullopt, {}, true);
    QTest::newRow("lowest terms") << lowest << "7/12" << right << ok;
    QTest::newRow("lowest terms asked, 14/24") << lowest << "١٤/٢٤" << simplify << SimplifyText;
    QTest::newRow("lowest terms, near decimal") << lowest << "0.58" << wrong << WrongText;

    const Exercise mixed = expecting({Rational(31, 12)});
    QTest::newRow("mixed number") << mixed << "٢ و ٧/١٢" << right << ok;
    QTest::newRow("mixed number, Western, joined") << mixed << "2و7/12" << right << ok;
    QTest::newRow("improper fraction") << mixed << "31/12" << right << ok;
    QTest::newRow("mixed number to simplify") << mixed << "2 و 14/24" << can << "صحيح، ويمكن تبسيطه إلى ٢ و ٧/١٢";
    QTest::newRow("mixed number, lowest terms asked")
        << expecting({Rational(31, 12)}, std::nullopt, {}, true) << "2 و 14/24" << simplify << SimplifyText;
    QTest::newRow("mixed number without fraction") << mixed << "2 و" << none << NotAnswerText;

    const Exercise negative = expecting({Rational(-3, 4)});
    QTest::newRow("negative fraction") << negative << "-3/4" << right << ok;
    QTest::newRow("minus sign and Arabic digits") << negative << "−٣/٤" << right << ok;
    QTest::newRow("direction mark before the minus") << negative << "\u061C−٣/٤" << right << ok;
    QTest::newRow("negative decimal") << negative << "-0.75" << right << ok;
    QTest::newRow("sign forgotten") << negative << "0.75" << wrong << WrongText;

    const Exercise pi = expecting({Rational(314, 100)}, 2, {3.14159265358979});
    QTest::newRow("rounded as asked") << pi << "3.14" << right << ok;
    QTest::newRow("rounded, decimal comma") << pi << "3,14" << right << ok;
    QTest::newRow("more digits, rounded") << pi << "3.1416" << right << ok;
    QTest::newRow("more digits, cut") << pi << "3.14159" << right << ok;
    QTest::newRow("three digits, rounded") << pi << "3.142" << right << ok;
    QTest::newRow("more digits, not the value's") << pi << "3.143" << wrong << WrongText;
    QTest::newRow("rounded the wrong way") << pi << "3.15" << wrong << WrongText;
    QTest::newRow("fewer digits than asked") << pi << "3.1" << wrong << WrongText;
    const Exercise rounded = expecting({Rational(125, 10)}, 2, {12.5});
    QTest::newRow("with its unit") << rounded << "١٢٫٥ سم²" << right << ok;
    QTest::newRow("with degrees") << rounded << "12.5°" << right << ok;
    QTest::newRow("a unit alone") << rounded << "سم" << none << NotAnswerText;
    QTest::newRow("trailing zeros not needed") << rounded << "12.5" << right << ok;
    QTest::newRow("trailing zeros kept") << rounded << "١٢٫٥٠" << right << ok;

    const Exercise roots = expecting({Rational(-2), Rational(3)});
    QTest::newRow("roots in order") << roots << "-2، 3" << right << ok;
    QTest::newRow("roots turned round") << roots << "3، -2" << right << ok;
    QTest::newRow("roots with a comma") << roots << "3, -2" << right << ok;
    QTest::newRow("roots with a space") << roots << "3 -2" << right << ok;
    QTest::newRow("roots, Arabic digits") << roots << "٣ ، −٢" << right << ok;
    QTest::newRow("one root of two") << roots << "3" << wrong << WrongText;
    QTest::newRow("one root twice") << roots << "3، 3" << wrong << WrongText;
    QTest::newRow("no solution said wrongly") << roots << "لا يوجد حل" << wrong << WrongText;
    const Exercise commaRoots = expecting({Rational(1), Rational(5)});
    QTest::newRow("comma between digits as separator") << commaRoots << "1,5" << right << ok;
    const Exercise decimalRoots = expecting({Rational(3, 2), Rational(2)});
    QTest::newRow("comma between digits as decimal mark") << decimalRoots << "2، 1,5" << right << ok;
    QTest::newRow("fraction root to simplify") << decimalRoots << "6/4 2" << can << "صحيح، ويمكن تبسيطه إلى ٣/٢، ٢";

    Exercise noRoot;
    noRoot.noSolution = true;
    QTest::newRow("no solution") << noRoot << "لا يوجد حل" << right << ok;
    QTest::newRow("no solution, spaced") << noRoot << " لا  يوجد  حل " << right << ok;
    QTest::newRow("a root where there is none") << noRoot << "2" << wrong << WrongText;
    QTest::newRow("no solution, letters") << noRoot << "abc" << none << NotAnswerText;

    Exercise even;
    even.words = true;
    even.answer = QStringLiteral("زوجي");
    QTest::newRow("even") << even << "زوجي" << right << ok;
    QTest::newRow("odd for even") << even << "فردي" << wrong << WrongText;
    QTest::newRow("neither word") << even << "abc" << none << NotAnswerText;
    Exercise notPrime;
    notPrime.words = true;
    notPrime.answer = QStringLiteral("غير أولي");
    QTest::newRow("not prime") << notPrime << "غير أولي" << right << ok;
    QTest::newRow("prime for not prime") << notPrime << "أولي" << wrong << WrongText;
}

void PracticeTest::answers()
{
    QFETCH(Exercise, exercise);
    QFETCH(QString, typed);
    QFETCH(int, verdict);
    QFETCH(QString, message);
    const Judgement j = judge(exercise, typed, numtext::DigitShape::ArabicIndic);
    QCOMPARE(j.message, numtext::shapeDigits(message, numtext::DigitShape::ArabicIndic));
    QCOMPARE(int(j.verdict), verdict);
}

// The answer of every exercise, as the command line writes it, in Arabic
// digits and with the decimal comma, is right.
void PracticeTest::exerciseAnswersAreAccepted_data()
{
    QTest::addColumn<QString>("section");
    for (const QString &section : sections())
        QTest::newRow(qPrintable(section)) << section;
}

void PracticeTest::exerciseAnswersAreAccepted()
{
    QFETCH(QString, section);
    for (int level = 1; level <= 3; ++level)
        for (int index = 0; index < 24; ++index) {
            const Exercise e = makeExercise(section, level, 77, index);
            for (const QString &typed : {e.answer, numtext::shapeDigits(e.answer, numtext::DigitShape::ArabicIndic),
                                         QString(e.answer).replace(QLatin1Char('.'), QLatin1Char(','))})
                QVERIFY2(judge(e, typed).verdict == Verdict::Right,
                         qPrintable(e.question + QStringLiteral(" ← ") + typed));
        }
}

void PracticeTest::commandLine_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("circle-area") << "areas" << 0 << "circle-area" << QStringList{"r", "pi"};
    QTest::newRow("rectangle-area") << "areas" << 1 << "rectangle-area" << QStringList{"length", "width"};
    QTest::newRow("celsius-to-fahrenheit") << "conversions" << 0 << "celsius-to-fahrenheit" << QStringList{"c"};
    QTest::newRow("quadratic") << "equation" << 0 << "quadratic" << QStringList{"a", "b", "c"};
    QTest::newRow("fraction-add") << "fractions" << 0 << "fraction-add" << QStringList{"n1", "d1", "n2", "d2"};
}

void PracticeTest::commandLine()
{
    QFETCH(QString, section);
    QFETCH(int, index);
    QFETCH(QString, kind);
    QFETCH(QStringList, keys);
    for (int level = 1; level <= 3; ++level) {
        // The line `nabrosa --exercises SECTION --level L --seed 42` prints.
        const QString line = QString::fromUtf8(jsonLine(makeExercise(section, level, 42, index)));
        QJsonParseError error;
        const QJsonObject o = QJsonDocument::fromJson(line.toUtf8(), &error).object();
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString() + ": " + line));
        QCOMPARE(o.keys().size(), 9);
        QCOMPARE(o["section"].toString(), section);
        QCOMPARE(o["kind"].toString(), kind);
        QCOMPARE(o["level"].toInt(), level);
        QCOMPARE(o["seed"].toInteger(), 42);
        QCOMPARE(o["index"].toInt(), index);
        QVERIFY(!o["question"].toString().isEmpty());
        QVERIFY(o["round"].isNull() || o["round"].toInt() == 2);
        // The given numbers under the fixed keys, in their order.
        const QJsonObject given = o["given"].toObject();
        QCOMPARE(given.keys().size(), keys.size());
        qsizetype at = line.indexOf(QStringLiteral("\"given\""));
        for (const QString &key : keys) {
            QVERIFY2(given[key].isDouble(), qPrintable(key));
            const qsizetype next = line.indexOf(QLatin1Char('"') + key + QStringLiteral("\":"), at);
            QVERIFY2(next > at, qPrintable(key + " out of order: " + line));
            at = next;
        }
        auto g = [&](const char *key) { return given[QLatin1String(key)].toDouble(); };
        const QString answer = o["answer"].toString();
        const double tolerance = o["round"].isNull() ? 1e-9 : 0.005 + 1e-9;
        if (kind == u"circle-area") {
            QCOMPARE(g("pi"), 3.14);
            QVERIFY(std::abs(answer.toDouble() - 3.14 * g("r") * g("r")) <= tolerance);
        } else if (kind == u"rectangle-area") {
            QVERIFY(std::abs(answer.toDouble() - g("length") * g("width")) <= tolerance);
        } else if (kind == u"celsius-to-fahrenheit") {
            QVERIFY(std::abs(answer.toDouble() - (g("c") * 1.8 + 32)) <= tolerance);
        } else if (kind == u"quadratic") {
            if (answer == NoSolutionText) {
                QVERIFY(g("b") * g("b") - 4 * g("a") * g("c") < 0);
                continue;
            }
            const QStringList roots = answer.split(QStringLiteral("، "));
            QCOMPARE(roots.size(), 2);
            for (const QString &root : roots) {
                const QStringList parts = root.split(QLatin1Char('/'));
                const double x = parts.size() == 2 ? parts[0].toDouble() / parts[1].toDouble() : root.toDouble();
                const double slack = o["round"].isNull() ? 1e-9 : 0.1 * (std::abs(g("b")) + 2 * std::abs(g("a") * x));
                QVERIFY2(std::abs(g("a") * x * x + g("b") * x + g("c")) <= slack, qPrintable(line));
            }
        } else {
            const Rational sum = Rational(given["n1"].toInteger(), given["d1"].toInteger())
                                 + Rational(given["n2"].toInteger(), given["d2"].toInteger());
            QCOMPARE(answer, fractionText(sum));
        }
    }
}

QTEST_GUILESS_MAIN(PracticeTest)
#include "test_practice.moc"
