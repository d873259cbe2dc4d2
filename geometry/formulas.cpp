#include "geometry/formulas.h"

#include "numtext/decimal.h"
#include "numtext/mixed.h"
#include "numtext/numtext.h"

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

using numtext::divide;
using numtext::format;
using numtext::Mixed;
using numtext::Steps;
using numtext::strictNumber;
using numtext::times;
using numtext::Unit;
using numtext::written;

namespace geometry {

namespace {

const QString &Radius = numtext::symbol::Radius;
const QString &Diameter = numtext::symbol::Diameter;
const QString &Area = numtext::symbol::Area;
const QString &Perimeter = numtext::symbol::Perimeter;
const QString &Volume = numtext::symbol::Volume;
const QString &PiSymbol = numtext::symbol::Pi;

Mixed integer(std::int16_t value) { return Mixed(value); }

QString op(double value) { return numtext::operand(value); }
QString op(const Mixed &value) { return op(value.number()); }

// How a line goes on from the one before: "≈" when a value computed for it
// is written rounded, else "=".
QString rel(std::initializer_list<double> computed)
{
    for (const double value : computed) {
        if (numtext::isRounded(value))
            return QStringLiteral("≈");
    }
    return QStringLiteral("=");
}
QString rel(const Mixed &computed) { return rel({computed.number()}); }

// A length as the window reads it, and the lines that say how, before the
// formula: a text that is not a number on its own, digits beyond the fifteen
// the window keeps, a negative length. `rounded` is whether the window
// rounds the length to fifteen significant digits first.
struct Length {
    double value;
    // How the lines write it.
    QString text;
    QString operand;
};

Length read(const QString &name, const Typed &typed, bool rounded, Steps &s)
{
    if (!typed.text.isEmpty() && !numtext::isStrictNumber(typed.text))
        s.line(name, QStringLiteral(": "), numtext::leadingNumberLine(typed.value));
    Length length{typed.value, numtext::writtenTyped(typed), numtext::operandTyped(typed)};
    if (rounded) {
        length.value = strictNumber(format(typed.value));
        if (length.value != typed.value)
            s.line(numtext::roundedLine(name, typed.text, length.value));
        length.text = written(length.value);
        length.operand = op(length.value);
    }
    if (length.value < 0)
        s.line(QStringLiteral("[darkred:الطول لا يكون سالبا]، و"), name, QStringLiteral(" المكتوب هنا "), length.text,
               QStringLiteral("؛ فيجري الحساب بالعدد كما كتب"));
    return length;
}

// The radius of a round figure: as read, or half the diameter, in whichever
// way the window divides. Both boxes empty leave the diameter 0.
template <class Halve> Length radius(const RoundSize &size, bool rounded, Halve halve, Steps &s)
{
    if (!size.diameter)
        return read(Radius, size.length, rounded, s);
    if (size.length.text.isEmpty())
        s.line(QStringLiteral("لم يكتب نصف القطر ولا القطر، فيؤخذ القطر 0"));
    const Length d = read(Diameter, size.length, rounded, s);
    s.line(Radius, " = ", Diameter, " ÷ 2");
    s.line("= ", d.operand, " ÷ 2");
    const double r = halve(d.value);
    s.line(rel({r}), " ", written(r));
    return {r, written(r), op(r)};
}

double finish(double value, Unit unit, Steps &s)
{
    s.result(value, unit);
    return value;
}
double finish(const Mixed &value, Unit unit, Steps &s) { return finish(value.number(), unit, s); }

// The figure of the problem: its kind and its lengths as the calculation
// reads them.
void figure(const QString &kind, std::initializer_list<std::pair<const char *, double>> lengths, Steps &s)
{
    numtext::Figure f{kind, {}};
    for (const auto &[name, value] : lengths)
        f.set(QString::fromLatin1(name), value);
    s.figure(std::move(f));
}

// A round figure drawn with the size given: the radius, or the diameter.
void roundFigure(const QString &kind, const RoundSize &size, const Length &r, Steps &s)
{
    if (size.diameter)
        figure(kind, {{"d", size.length.value}}, s);
    else
        figure(kind, {{"r", r.value}}, s);
}

} // namespace

// ---- Areas ----------------------------------------------------------------

namespace {
// The areas window rounds every length to 15 significant digits first, the
// diameter before it halves it.
Length areaRadius(const RoundSize &size, Steps &s)
{
    return radius(
        size, true, [](double x) { return divide(x, 2); }, s);
}

// π as the areas window writes it before multiplying.
Mixed areaPi(const RoundSize &size) { return format(size.pi); }
} // namespace

double circleArea(const RoundSize &size, Steps &s)
{
    const Length r = areaRadius(size, s);
    roundFigure(QStringLiteral("circle"), size, r, s);
    const Mixed pi = areaPi(size);
    s.line(Area, " = ", PiSymbol, " × ", Radius, "^{2}");
    s.line("= ", op(pi), " × ", r.operand, "^{2}");
    const Mixed square = Mixed(r.value) * Mixed(r.value);
    s.line(rel(square), " ", op(pi), " × ", op(square));
    return finish(square * pi, Unit::Area, s);
}

double sphereSurface(const RoundSize &size, Steps &s)
{
    const Length r = areaRadius(size, s);
    roundFigure(QStringLiteral("sphere"), size, r, s);
    const Mixed pi = areaPi(size);
    s.line(Area, " = 4 × ", PiSymbol, " × ", Radius, "^{2}");
    s.line("= 4 × ", op(pi), " × ", r.operand, "^{2}");
    const Mixed square = Mixed(r.value) * Mixed(r.value);
    s.line(rel(square), " 4 × ", op(pi), " × ", op(square));
    const Mixed four = square * integer(4);
    s.line(rel(four), " ", op(pi), " × ", op(four));
    return finish(four * pi, Unit::Area, s);
}

namespace {
// Half of a product: (a × b) / 2.
double halfProduct(const QString &formula, const Length &a, const Length &b, Steps &s)
{
    s.line(Area, " = \\frac{", formula, "}{2}");
    s.line("= \\frac{", a.operand, " × ", b.operand, "}{2}");
    const double product = times(a.value, b.value);
    s.line(rel({product}), " \\frac{", written(product), "}{2}");
    return finish(divide(product, 2), Unit::Area, s);
}

double product(const QString &formula, const Length &a, const Length &b, Steps &s)
{
    s.line(Area, " = ", formula);
    s.line("= ", a.operand, " × ", b.operand);
    return finish(times(a.value, b.value), Unit::Area, s);
}
} // namespace

double trapezoidArea(const Typed &height, const Typed &sumOfBases, Steps &s)
{
    const Length h = read(QStringLiteral("الارتفاع"), height, true, s);
    const Length sum = read(QStringLiteral("مجموع القاعدتين"), sumOfBases, true, s);
    figure(QStringLiteral("trapezoid"), {{"h", h.value}, {"sum", sum.value}}, s);
    return halfProduct(QStringLiteral("الارتفاع × مجموع القاعدتين"), h, sum, s);
}

double rectangleArea(const Typed &length, const Typed &width, Steps &s)
{
    const Length l = read(QStringLiteral("الطول"), length, true, s);
    const Length w = read(QStringLiteral("العرض"), width, true, s);
    figure(QStringLiteral("rectangle"), {{"length", l.value}, {"width", w.value}}, s);
    return product(QStringLiteral("الطول × العرض"), l, w, s);
}

double parallelogramArea(const Typed &base, const Typed &height, Steps &s)
{
    const Length b = read(QStringLiteral("القاعدة"), base, true, s);
    const Length h = read(QStringLiteral("الارتفاع"), height, true, s);
    figure(QStringLiteral("parallelogram"), {{"base", b.value}, {"h", h.value}}, s);
    return product(QStringLiteral("القاعدة × الارتفاع"), b, h, s);
}

double triangleArea(const Typed &base, const Typed &height, Steps &s)
{
    const Length b = read(QStringLiteral("القاعدة"), base, true, s);
    const Length h = read(QStringLiteral("الارتفاع"), height, true, s);
    figure(QStringLiteral("triangle"), {{"base", b.value}, {"h", h.value}}, s);
    return halfProduct(QStringLiteral("القاعدة × الارتفاع"), b, h, s);
}

// Six faces of edge × edge.
double cubeSurface(const Typed &edge, Steps &s)
{
    const Length e = read(QStringLiteral("طول الحرف"), edge, true, s);
    figure(QStringLiteral("cube"), {{"edge", e.value}}, s);
    s.line(Area, " = (طول الحرف)^{2} × 6");
    s.line("= ", e.operand, "^{2} × 6");
    const double face = times(e.value, e.value);
    s.line(rel({face}), " ", op(face), " × 6");
    return finish(times(face, 6), Unit::Area, s);
}

// ---- Perimeters -----------------------------------------------------------

// 2 × π × r, computed as r × (π + π): the radius as read, or half the
// diameter rounded to 15 digits. π + π is 2 × π exactly, and a product does
// not depend on the order of its factors.
double circlePerimeter(const RoundSize &size, Steps &s)
{
    const Length r = size.diameter ? radius(
                         size, true, [](double x) { return divide(x, 2); }, s)
                                   : read(Radius, size.length, false, s);
    roundFigure(QStringLiteral("circle"), size, r, s);
    const double pi = strictNumber(format(size.pi));
    s.line(Perimeter, " = 2 × ", PiSymbol, " × ", Radius);
    s.line("= 2 × ", op(pi), " × ", r.operand);
    const double twoPi = numtext::plus(pi, pi);
    s.line(rel({twoPi}), " ", op(twoPi), " × ", r.operand);
    return finish(times(r.value, twoPi), Unit::Length, s);
}

double squarePerimeter(const Typed &side, Steps &s)
{
    const Length a = read(QStringLiteral("طول الضلع"), side, false, s);
    figure(QStringLiteral("square"), {{"side", a.value}}, s);
    s.line(Perimeter, " = 4 × طول الضلع");
    s.line("= 4 × ", a.operand);
    return finish(integer(4) * Mixed(a.value), Unit::Length, s);
}

// The sum of the length and the width, rounded to 15 significant digits,
// taken twice (s + s is 2 × s exactly).
double rectanglePerimeter(const Typed &length, const Typed &width, Steps &s)
{
    const Length l = read(QStringLiteral("الطول"), length, false, s);
    const Length w = read(QStringLiteral("العرض"), width, false, s);
    figure(QStringLiteral("rectangle"), {{"length", l.value}, {"width", w.value}}, s);
    s.line(Perimeter, " = 2 × (الطول + العرض)");
    s.line("= 2 × (", l.text, " + ", w.operand, ")");
    const double sum = (Mixed(l.value) + Mixed(w.value)).number();
    const double half = strictNumber(format(sum));
    s.line(rel({sum}), " 2 × ", op(half));
    return finish(Mixed(half) + Mixed(half), Unit::Length, s);
}

// The sides added one by one, from the first; the third rounded to 15
// significant digits.
double sumOfSides(std::span<const Typed> sides, Steps &s)
{
    std::vector<Length> side;
    for (std::size_t i = 0; i < sides.size(); ++i)
        side.push_back(read(QStringLiteral("الضلع ") + QString::number(i + 1), sides[i], i == 2, s));
    numtext::Figure f{QStringLiteral("sides"), {}};
    for (std::size_t i = 0; i < side.size(); ++i)
        f.set(QStringLiteral("s") + QString::number(i + 1), side[i].value);
    s.figure(std::move(f));

    QString formula = Perimeter + QStringLiteral(" = ");
    for (std::size_t i = 0; i < sides.size(); ++i)
        formula += (i ? QStringLiteral(" + الضلع ") : QStringLiteral("الضلع ")) + QString::number(i + 1);
    s.line(formula);

    Mixed sum = side[0].value;
    QString first = side[0].operand;
    for (std::size_t i = 1; i < side.size(); ++i) {
        QString line = (i == 1 ? QStringLiteral("=") : rel(sum)) + u' ' + first;
        for (std::size_t j = i; j < side.size(); ++j)
            line += QStringLiteral(" + ") + side[j].operand;
        s.line(line);
        sum = sum + Mixed(side[i].value);
        first = op(sum);
    }
    return finish(sum, Unit::Length, s);
}

bool isTriangle(const Typed &a, const Typed &b, const Typed &c)
{
    const Typed *sides[] = {&a, &b, &c};
    for (int i = 0; i < 3; ++i) {
        const Typed &side = *sides[i];
        const Typed &other = *sides[(i + 1) % 3];
        const Typed &third = *sides[(i + 2) % 3];
        const std::optional<numtext::ExactDecimal> others = numtext::sumOf(numtext::leadingDecimal(other.text),
                                                                           numtext::leadingDecimal(third.text));
        // Lengths whose digits lie thousands of places apart: the numbers read.
        if (others ? numtext::compare(numtext::leadingDecimal(side.text), *others) > 0
                   : side.value > other.value + third.value)
            return false;
    }
    return true;
}

// ---- Volumes --------------------------------------------------------------

namespace {
// The volumes window reads the radius as it is, or halves the diameter.
Length volumeRadius(const RoundSize &size, Steps &s)
{
    return radius(
        size, false, [](double x) { return (Mixed(x) / integer(2)).number(); }, s);
}

// The height, rounded to 15 significant digits and held as that text. An
// empty height row counts as 0.
Mixed volumeHeight(const Typed &height, Steps &s)
{
    if (height.text.isEmpty())
        s.line(QStringLiteral("لم يكتب الارتفاع، فيؤخذ 0"));
    return format(read(QStringLiteral("الارتفاع"), height, true, s).value);
}
} // namespace

double cubeVolume(const Typed &edge, Steps &s)
{
    const Length e = read(QStringLiteral("طول الحرف"), edge, false, s);
    figure(QStringLiteral("cube"), {{"edge", e.value}}, s);
    s.line(Volume, " = (طول الحرف)^{3}");
    s.line("= ", e.operand, "^{3}");
    s.line("= ", e.operand, " × ", e.operand, " × ", e.operand);
    const Mixed face = Mixed(e.value) * Mixed(e.value);
    s.line(rel(face), " ", op(face), " × ", e.operand);
    return finish(face * Mixed(e.value), Unit::Volume, s);
}

double cuboidVolume(const Typed &length, const Typed &width, const Typed &height, Steps &s)
{
    const Length l = read(QStringLiteral("طول القاعدة"), length, false, s);
    const Length w = read(QStringLiteral("عرض القاعدة"), width, false, s);
    const Mixed h = volumeHeight(height, s);
    figure(QStringLiteral("cuboid"), {{"length", l.value}, {"width", w.value}, {"h", h.number()}}, s);
    s.line(Volume, " = (طول القاعدة × عرض القاعدة) × الارتفاع");
    s.line("= (", l.text, " × ", w.operand, ") × ", op(h));
    const Mixed base = Mixed(l.value) * Mixed(w.value);
    s.line(rel(base), " ", op(base), " × ", op(h));
    return finish(base * h, Unit::Volume, s);
}

// 4/3 × π × r³, as ((r³ × π) × 4) / 3; the cube of a radius given is rounded
// to 15 significant digits.
double sphereVolume(const RoundSize &size, Steps &s)
{
    const Length r = volumeRadius(size, s);
    roundFigure(QStringLiteral("sphere"), size, r, s);
    s.line(Volume, " = \\frac{4}{3} × ", PiSymbol, " × ", Radius, "^{3}");
    s.line("= \\frac{4}{3} × ", op(size.pi), " × ", r.operand, "^{3}");
    const Mixed exact = (Mixed(r.value) * Mixed(r.value)) * Mixed(r.value);
    const Mixed cube = size.diameter ? exact : Mixed(strictNumber(format(exact.number())));
    s.line(rel(exact), " \\frac{4}{3} × ", op(size.pi), " × ", op(cube));
    const Mixed withPi = cube * Mixed(size.pi);
    s.line(rel(withPi), " \\frac{", op(withPi), " × 4}{3}");
    const Mixed four = withPi * integer(4);
    s.line(rel(four), " \\frac{", written(four.number()), "}{3}");
    return finish(four / integer(3), Unit::Volume, s);
}

namespace {
// ((r × r) × π) × height; the cone takes a third of it.
double roundBase(const RoundSize &size, const Typed &height, bool cone, Steps &s)
{
    const Length r = volumeRadius(size, s);
    const Mixed h = volumeHeight(height, s);
    roundFigure(cone ? QStringLiteral("cone") : QStringLiteral("cylinder"), size, r, s);
    numtext::Figure f = s.figure();
    s.figure(f.set(QStringLiteral("h"), h.number()));
    const QString open = cone ? QStringLiteral("\\frac{") : QString();
    const QString close = cone ? QStringLiteral("}{3}") : QString();
    s.line(Volume, " = ", open, PiSymbol, " × ", Radius, "^{2} × الارتفاع", close);
    s.line("= ", open, op(size.pi), " × ", r.operand, "^{2} × ", op(h), close);
    const Mixed square = Mixed(r.value) * Mixed(r.value);
    s.line(rel(square), " ", open, op(size.pi), " × ", op(square), " × ", op(h), close);
    const Mixed base = square * Mixed(size.pi);
    s.line(rel(base), " ", open, op(base), " × ", op(h), close);
    const Mixed volume = base * h;
    if (!cone)
        return finish(volume, Unit::Volume, s);
    s.line(rel(volume), " \\frac{", written(volume.number()), "}{3}");
    return finish(volume / integer(3), Unit::Volume, s);
}
} // namespace

double cylinderVolume(const RoundSize &size, const Typed &height, Steps &s)
{
    return roundBase(size, height, false, s);
}
double coneVolume(const RoundSize &size, const Typed &height, Steps &s) { return roundBase(size, height, true, s); }

} // namespace geometry
