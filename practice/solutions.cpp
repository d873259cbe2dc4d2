#include "practice/solutions.h"

#include "algebra/formulas.h"
#include "calculators/formulas.h"
#include "conversions/formulas.h"
#include "conversions/trigformulas.h"
#include "geometry/formulas.h"
#include "numbers/formulas.h"
#include "numtext/notation.h"
#include "numtext/numtext.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

namespace practice {

namespace {

using numtext::Steps;
using numtext::Typed;
using numtext::Unit;
using numtext::written;

// ---- The numbers of the exercise as typed ------------------------------------

QString text(const Exercise &e, const QString &key) { return decimalText(e.number(key)); }
Typed typed(const Exercise &e, const QString &key) { return numtext::leadingTyped(text(e, key)); }

// The radius of a round figure, and the π the exercise gives (ط = 3.14).
geometry::RoundSize roundSize(const Exercise &e)
{
    return {typed(e, QStringLiteral("r")), false, e.number(QStringLiteral("pi")).toDouble()};
}

// ---- Values as the steps write them -----------------------------------------

// A value as its fifteen significant digits write it, exactly: what the
// result line of the steps shows, read as a short decimal.
Rational shownValue(double value)
{
    const QString digits = QString::number(value, 'e', 14); // d.dddddddddddddde±x
    const auto mark = digits.indexOf(u'e');
    QString mantissa = digits.left(mark);
    const int exponent = digits.mid(mark + 1).toInt();
    const bool negative = mantissa.startsWith(u'-');
    mantissa.remove(u'-').remove(u'.');
    int places = 14 - exponent;
    while (places > 0 && mantissa.size() > 1 && mantissa.endsWith(u'0')) {
        mantissa.chop(1);
        --places;
    }
    if (places > 18) // a tiny value of many digits: nothing of it shows at the places an exercise asks
        return Rational(0);
    const Rational whole(mantissa.toLongLong() * (negative ? -1 : 1));
    if (places >= 0)
        return whole * Rational::decimal(1, places);
    return whole / Rational::decimal(1, -places);
}

// The nearest fraction with a small denominator to a value worked out in
// binary (2/3 for 0.666666666666667), when one lies within 1E-9 of it; the
// value's own digits otherwise.
Rational nearestFraction(double value)
{
    for (std::int64_t d = 1; d <= 1000; ++d) {
        const double n = std::round(value * static_cast<double>(d));
        if (std::abs(n / static_cast<double>(d) - value) <= 1e-9 * std::max(1.0, std::abs(value)))
            return Rational(static_cast<std::int64_t>(n), d);
    }
    return shownValue(value);
}

// "منزلتين عشريتين".
QString placesName(int places)
{
    switch (places) {
    case 1:
        return QStringLiteral("منزلة عشرية واحدة");
    case 2:
        return QStringLiteral("منزلتين عشريتين");
    default:
        return QStringLiteral("%1 منازل عشرية").arg(places);
    }
}

QString roundedRemark(int places) { return QStringLiteral(" (مقربا إلى ") + placesName(places) + u')'; }

QString withUnit(const QString &number, std::optional<Unit> unit)
{
    return unit ? number + u' ' + numtext::unitName(*unit) : number;
}

// "\frac{7}{12}", "−\frac{1}{2}", or a whole number.
QString fractionMarkup(const Rational &value)
{
    if (value.isWhole())
        return written(static_cast<double>(value.numerator()));
    const QString sign = value.sign() < 0 ? QString(numtext::MinusSign) : QString();
    const std::int64_t top = value.numerator() < 0 ? -value.numerator() : value.numerator();
    return sign + QStringLiteral("\\frac{") + QString::number(top) + QStringLiteral("}{")
           + QString::number(value.denominator()) + u'}';
}

// A rounded value with all the places asked: "−1.00".
QString placesText(const Rational &value, int places)
{
    QString digits = written(value.toDouble());
    if (places <= 0)
        return digits;
    if (!digits.contains(u'.'))
        digits += u'.';
    while (digits.size() - digits.indexOf(u'.') - 1 < places)
        digits += u'0';
    return digits;
}

// The value without what binary arithmetic added to its last digits
// (0.0999999999999996 for 14.4 − 14.3 is 0.1): the shortest decimal within
// a millionth of a millionth of it.
Rational withoutBinaryError(double value)
{
    for (int digits = 1; digits < 15; ++digits) {
        const double shorter = QString::number(value, 'g', digits).toDouble();
        if (std::abs(shorter - value) <= 1e-12 * std::abs(value))
            return shownValue(shorter);
    }
    return shownValue(value);
}

const QString BinaryRemark = QStringLiteral(" (الفرق في آخر الأرقام من حفظ الحاسوب الأعداد بالنظام الثنائي)");

// The answer after a result line that gives the formula's value: where the
// exercise asks rounding, a last line with the value rounded as asked; where
// it does not, and binary arithmetic left the value a little off the exact
// answer, a last line with the exact one.
void answerLine(const Exercise &e, double value, std::optional<Unit> unit, Steps &s)
{
    const Rational shown = shownValue(value);
    if (!e.round) {
        const Rational exact = withoutBinaryError(value);
        if (!(exact == shown))
            s.line("≈ ", withUnit(written(exact.toDouble()), unit), BinaryRemark);
        return;
    }
    const Rational rounded = roundHalfUp(shown, *e.round);
    if (rounded == shown)
        return;
    s.line("≈ ", withUnit(placesText(rounded, *e.round), unit), roundedRemark(*e.round));
}

// The first lines of steps (all of them when count is -1), with the texts
// they kept for result boxes; a failure's text becomes a line of its own
// (the end of the solution: "لا يوجد حل").
Steps linesOf(const Steps &worked, qsizetype count = -1)
{
    Steps s;
    const QStringList &lines = worked.lines();
    for (qsizetype i = 0; i < (count < 0 ? lines.size() : count); ++i)
        s.line(lines[i]);
    if (count < 0 && worked.failed())
        s.line(worked.failure());
    if (count < 0)
        for (const QString &box : worked.results())
            s.keep(box);
    s.figure(worked.figure());
    return s;
}

// ---- Each section ------------------------------------------------------------

Steps arithmetic(const Exercise &e)
{
    using calculators::Operation;
    const QString &k = e.kind;
    const Operation operation = k == u"add"        ? Operation::Add
                                : k == u"subtract" ? Operation::Subtract
                                : k == u"multiply" ? Operation::Multiply
                                                   : Operation::Divide;
    Steps s;
    const QString result =
        calculators::operate(operation,
                             calculators::readOperands(text(e, QStringLiteral("a")), text(e, QStringLiteral("b"))), s);
    answerLine(e, numtext::strictNumber(result), std::nullopt, s);
    return s;
}

// The trapezoid's formula takes the sum of its bases: worked out first.
double trapezoid(const Exercise &e, Steps &s)
{
    const Rational sum = e.number(QStringLiteral("base1")) + e.number(QStringLiteral("base2"));
    Steps formula;
    const double value = geometry::trapezoidArea(typed(e, QStringLiteral("height")),
                                                 numtext::leadingTyped(decimalText(sum)), formula);
    // The formula first, then the sum it takes; the line that goes on from
    // the formula names the area again, as it no longer follows it.
    const QStringList &lines = formula.lines();
    s.line(lines.first());
    s.line("مجموع القاعدتين = ", written(e.number(QStringLiteral("base1")).toDouble()), " + ",
           written(e.number(QStringLiteral("base2")).toDouble()), " = ", written(sum.toDouble()));
    for (qsizetype i = 1; i < lines.size(); ++i)
        s.line(i == 1 && lines[i].startsWith(QStringLiteral("= "))
                   ? lines.first().section(QStringLiteral(" = "), 0, 0) + u' ' + lines[i]
                   : lines[i]);
    for (const QString &box : formula.results())
        s.keep(box);
    s.figure(formula.figure());
    return value;
}

Steps geometryFigure(const Exercise &e)
{
    const QString &k = e.kind;
    Steps s;
    double value = 0;
    Unit unit = Unit::Area;
    auto t = [&e](const char *key) { return typed(e, QString::fromUtf8(key)); };
    if (k == u"circle-area") {
        value = geometry::circleArea(roundSize(e), s);
    } else if (k == u"sphere-area") {
        value = geometry::sphereSurface(roundSize(e), s);
    } else if (k == u"rectangle-area") {
        value = geometry::rectangleArea(t("length"), t("width"), s);
    } else if (k == u"triangle-area") {
        value = geometry::triangleArea(t("base"), t("height"), s);
    } else if (k == u"parallelogram-area") {
        value = geometry::parallelogramArea(t("base"), t("height"), s);
    } else if (k == u"trapezoid-area") {
        value = trapezoid(e, s);
    } else if (k == u"cube-area") {
        value = geometry::cubeSurface(t("edge"), s);
    } else if (e.section == u"perimeters") {
        unit = Unit::Length;
        if (k == u"circle-perimeter") {
            value = geometry::circlePerimeter(roundSize(e), s);
        } else if (k == u"square-perimeter") {
            value = geometry::squarePerimeter(t("side"), s);
        } else if (k == u"rectangle-perimeter") {
            value = geometry::rectanglePerimeter(t("length"), t("width"), s);
        } else {
            QList<Typed> sides;
            for (const auto &given : e.given)
                sides.append(numtext::leadingTyped(decimalText(given.second)));
            value = geometry::sumOfSides(sides, s);
        }
    } else {
        unit = Unit::Volume;
        if (k == u"cube-volume")
            value = geometry::cubeVolume(t("edge"), s);
        else if (k == u"cuboid-volume")
            value = geometry::cuboidVolume(t("length"), t("width"), t("height"), s);
        else if (k == u"sphere-volume")
            value = geometry::sphereVolume(roundSize(e), s);
        else if (k == u"cylinder-volume")
            value = geometry::cylinderVolume(roundSize(e), t("height"), s);
        else
            value = geometry::coneVolume(roundSize(e), t("height"), s);
    }
    answerLine(e, value, unit, s);
    return s;
}

Steps conversion(const Exercise &e)
{
    const QString &k = e.kind;
    const QString x = decimalText(e.given.first().second);
    Steps s;
    double value = 0;
    Unit unit = Unit::Celsius;
    if (k == u"celsius-to-fahrenheit") {
        value = conversions::celsiusToFahrenheit(x, s);
        unit = Unit::Fahrenheit;
    } else if (k == u"fahrenheit-to-celsius") {
        value = conversions::fahrenheitToCelsius(x, s);
    } else if (k == u"celsius-to-kelvin") {
        value = conversions::celsiusToKelvin(x, s);
        unit = Unit::Kelvin;
    } else if (k == u"kelvin-to-celsius") {
        value = conversions::kelvinToCelsius(x, s);
    } else if (k == u"kelvin-to-fahrenheit") {
        value = conversions::kelvinToFahrenheit(x, s);
        unit = Unit::Fahrenheit;
    } else if (k == u"fahrenheit-to-kelvin") {
        value = conversions::fahrenheitToKelvin(x, s);
        unit = Unit::Kelvin;
    } else if (k == u"degrees-to-radians") {
        value = conversions::degreesToRadians(x, s, e.number(QStringLiteral("pi")).toDouble());
        unit = Unit::Radian;
    } else {
        value = conversions::radiansToDegrees(x, s, e.number(QStringLiteral("pi")).toDouble());
        unit = Unit::Degree;
    }
    answerLine(e, value, unit, s);
    return s;
}

// The function of the angle in degrees: the window's steps up to where it
// reads the same number as radians, which the exercise does not ask; then
// the value as the exercise asks it.
Steps trigonometry(const Exercise &e)
{
    using conversions::Function;
    const QString &k = e.kind;
    struct Named {
        Function function;
        const char *name;
    };
    const Named f = k == u"sine"        ? Named{Function::Sine, "جا"}
                    : k == u"cosine"    ? Named{Function::Cosine, "جتا"}
                    : k == u"tangent"   ? Named{Function::Tangent, "ظا"}
                    : k == u"cotangent" ? Named{Function::Cotangent, "ظتا"}
                    : k == u"secant"    ? Named{Function::Secant, "قا"}
                                        : Named{Function::Cosecant, "قتا"};
    Steps worked;
    const auto values = conversions::trigonometric(f.function, text(e, QStringLiteral("angle")), worked);
    if (!values.degrees)
        throw std::logic_error("practice: an exercise asks a function at its pole");
    qsizetype degreesLines = 0;
    while (degreesLines < worked.lines().size() && worked.lines()[degreesLines] != conversions::RadiansHeading)
        ++degreesLines;
    Steps s = linesOf(worked, degreesLines);
    s.keep(worked.results().first()); // the degrees box
    const double angle = e.number(QStringLiteral("angle")).toDouble();
    const QString at = written(angle) + u'°';
    const QString call = QString::fromUtf8(f.name) + u' ' + (angle < 0 ? u'(' + at + u')' : at);
    if (e.round) {
        const Rational rounded = roundHalfUp(shownValue(*values.degrees), *e.round);
        s.line(call, " ≈ ", placesText(rounded, *e.round), roundedRemark(*e.round));
    } else {
        s.line(call, " = ", written(nearestFraction(*values.degrees).toDouble()));
    }
    return s;
}

Steps numberSection(const Exercise &e)
{
    const QString x = text(e, QStringLiteral("x"));
    const QString &k = e.kind;
    Steps s;
    if (k == u"square-root") {
        const std::optional<QString> root = numbers::squareRootAnswer(x, s);
        if (!root)
            throw std::logic_error("practice: an exercise asks the root of a negative number");
        answerLine(e, numtext::strictNumber(*root), std::nullopt, s);
    } else if (k == u"parity") {
        numbers::parityAnswer(x, s);
    } else if (k == u"prime") {
        numbers::primeAnswer(x, s);
    } else {
        numbers::hundredthsAnswer(x, s);
    }
    return s;
}

Steps quadratic(const Exercise &e)
{
    Steps worked;
    const algebra::Equation equation = algebra::readEquation(text(e, QStringLiteral("a")), text(e, QStringLiteral("b")),
                                                             text(e, QStringLiteral("c")), worked);
    const algebra::Roots roots = algebra::solveEquation(equation, worked);
    Steps s = linesOf(worked);
    if (roots.kind != algebra::Roots::Kind::Two)
        return s;
    QList<double> values{numtext::strictNumber(roots.first), numtext::strictNumber(roots.second)};
    std::sort(values.begin(), values.end());
    if (e.round) {
        QStringList set;
        for (const double v : values)
            set.append(placesText(roundHalfUp(shownValue(v), *e.round), *e.round));
        s.line("مجموعة الحل ≈ {", set.join(QStringLiteral(" ، ")), "}", roundedRemark(*e.round));
        return s;
    }
    // Roots that are fractions whose decimals do not end, as fractions.
    bool fractions = false;
    QStringList set;
    for (const double v : values) {
        const Rational root = nearestFraction(v);
        fractions = fractions || !root.isTerminating();
        set.append(fractionMarkup(root));
    }
    if (fractions)
        s.line("مجموعة الحل = {", set.join(QStringLiteral(" ، ")), "}");
    return s;
}

Steps fraction(const Exercise &e)
{
    const QString d1 = text(e, QStringLiteral("d1"));
    const algebra::Fractions f = algebra::readFractions(text(e, QStringLiteral("n1")), d1,
                                                        text(e, QStringLiteral("n2")), text(e, QStringLiteral("d2")));
    Steps s;
    const algebra::FractionResult r = algebra::combineFractions(
        f, e.kind == u"fraction-add" ? algebra::FractionOperation::Add : algebra::FractionOperation::Subtract, d1, s);
    const Rational value(static_cast<std::int64_t>(numtext::strictNumber(r.numerator)),
                         static_cast<std::int64_t>(numtext::strictNumber(r.denominator)));
    s.line("الناتج في أبسط صورة = ", fractionMarkup(value));
    return s;
}

// ---- The method first --------------------------------------------------------

// The method of a kind whose section's steps open with the question's own
// numbers (the angle, the number, the equation, the fractions): its rule,
// the same whatever the numbers. Empty where the steps open with the
// formula already.
QString methodOf(const Exercise &e)
{
    const QString &k = e.kind;
    if (e.section == u"trigonometry") {
        const char16_t *function = k == u"sine"        ? u"جا"
                                   : k == u"cosine"    ? u"جتا"
                                   : k == u"tangent"   ? u"ظا"
                                   : k == u"cotangent" ? u"ظتا = \\frac{1}{ظا}"
                                   : k == u"secant"    ? u"قا = \\frac{1}{جتا}"
                                                       : u"قتا = \\frac{1}{جا}";
        return QStringLiteral("نحذف من الزاوية الدورات الكاملة (360°) ونردها بقواعد الأرباع إلى زاوية حادة، ثم نحسب ")
               + QString::fromUtf16(function);
    }
    if (k == u"parity")
        return QStringLiteral("العدد الزوجي يقبل القسمة على 2، والعدد الفردي يبقى منه 1 إذا قسم على 2");
    if (k == u"prime")
        return QStringLiteral("العدد الأولي عدد صحيح أكبر من 1 لا يقبل القسمة إلا على 1 وعلى نفسه");
    if (k == u"quadratic") {
        using namespace numtext::symbol;
        return X + QStringLiteral(" = \\frac{−") + B + QStringLiteral(" ± \\sqrt{المميز}}{2 × ") + A
               + QStringLiteral("}، والمميز = ") + B + QStringLiteral("^{2} − 4 × ") + A + QStringLiteral(" × ") + C;
    }
    if (e.section == u"fractions")
        return QStringLiteral("نجعل للكسرين مقاما واحدا، ثم ")
               + (k == u"fraction-add" ? QStringLiteral("نجمع البسطين") : QStringLiteral("نطرح البسطين"))
               + QStringLiteral(" ونبقي المقام، ثم نكتب الناتج في أبسط صورة");
    return QString();
}

// The steps with the method as their first line (taken from where they
// wrote it, if they did), so that the first hint is the method.
Steps methodFirst(const Steps &worked, const QString &method)
{
    if (method.isEmpty() || worked.lines().value(0) == method)
        return worked;
    Steps s;
    s.line(method);
    for (const QString &line : worked.lines())
        if (line != method)
            s.line(line);
    for (const QString &box : worked.results())
        s.keep(box);
    if (worked.failed())
        s.fail(worked.failure());
    s.figure(worked.figure());
    return s;
}

Steps sectionSteps(const Exercise &exercise)
{
    const QString &section = exercise.section;
    if (section == u"arithmetic")
        return arithmetic(exercise);
    if (section == u"areas" || section == u"perimeters" || section == u"volumes")
        return geometryFigure(exercise);
    if (section == u"conversions")
        return conversion(exercise);
    if (section == u"trigonometry")
        return trigonometry(exercise);
    if (section == u"numbers")
        return numberSection(exercise);
    if (section == u"equation")
        return quadratic(exercise);
    if (section == u"fractions")
        return fraction(exercise);
    throw std::invalid_argument("practice: no solution for the section " + section.toStdString());
}

} // namespace

numtext::Steps solution(const Exercise &exercise) { return methodFirst(sectionSteps(exercise), methodOf(exercise)); }

} // namespace practice
