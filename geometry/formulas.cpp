#include "geometry/formulas.h"

#include "numtext/mixed.h"
#include "numtext/numtext.h"

#include <QLocale>

#include <cstdlib>
#include <vector>

using numtext::divide;
using numtext::roundedLine;
using numtext::written;
using numtext::format;
using numtext::Mixed;
using numtext::num;
using numtext::Steps;
using numtext::strictNumber;
using numtext::times;

namespace geometry {

namespace {

const QString &Radius = numtext::symbol::Radius;
const QString &Diameter = numtext::symbol::Diameter;
const QString &Area = numtext::symbol::Area;
const QString &Perimeter = numtext::symbol::Perimeter;
const QString &Volume = numtext::symbol::Volume;

Mixed integer(std::int16_t value) { return Mixed(value); }

QString op(double value) { return numtext::operand(value); }
QString op(const Mixed &value) { return op(value.number()); }

// A length rounded to 15 significant digits, as a round trip through the
// general number format gives it; the steps show it where it changes.
double rounded(const Typed &read, const QString &name, Steps &s)
{
    const double value = strictNumber(format(read.value));
    if (value != read.value)
        s.line(roundedLine(name, read.text, value));
    return value;
}

// The radius from the diameter: r = d ÷ 2, in whichever way the window divides.
template <class Halve> auto halved(double diameter, Halve halve, Steps &s)
{
    s.line(Radius, " = ", Diameter, " ÷ 2");
    s.line("= ", op(diameter), " ÷ 2");
    auto r = halve(diameter);
    s.line(numtext::relation(Mixed(r).number()), " ", written(Mixed(r).number()));
    return r;
}

double finish(const Mixed &value, Steps &s)
{
    const double v = value.number();
    s.result(v);
    return v;
}

double finish(double value, Steps &s)
{
    s.result(value);
    return value;
}

} // namespace

// ---- Areas ----------------------------------------------------------------

namespace {
// The areas window reads the radius, or the diameter and halves it, each
// rounded to 15 significant digits first.
Mixed areaRadius(const RoundSize &size, Steps &s)
{
    if (!size.diameter)
        return rounded(size.length, Radius, s);
    const double d = rounded(size.length, Diameter, s);
    return halved(
        d, [](double x) { return divide(x, 2); }, s);
}

// π as the areas window writes it before multiplying.
Mixed areaPi() { return format(Pi); }
} // namespace

double circleArea(const RoundSize &size, Steps &s)
{
    const Mixed r = areaRadius(size, s);
    const Mixed pi = areaPi();
    s.line(Area, " = [red:ط] × ", Radius, "^{2}");
    s.line("= ", op(pi), " × ", op(r), "^{2}");
    const Mixed square = r * r;
    s.line("= ", op(pi), " × ", op(square));
    return finish(square * pi, s);
}

double sphereSurface(const RoundSize &size, Steps &s)
{
    const Mixed r = areaRadius(size, s);
    const Mixed pi = areaPi();
    s.line(Area, " = 4 × [red:ط] × ", Radius, "^{2}");
    s.line("= 4 × ", op(pi), " × ", op(r), "^{2}");
    const Mixed square = r * r;
    s.line("= 4 × ", op(pi), " × ", op(square));
    const Mixed four = square * integer(4);
    s.line("= ", op(pi), " × ", op(four));
    return finish(four * pi, s);
}

namespace {
// Half of a product: (a × b) / 2.
double halfProduct(const QString &formula, double a, double b, Steps &s)
{
    s.line(Area, " = \\frac{", formula, "}{2}");
    s.line("= \\frac{", op(a), " × ", op(b), "}{2}");
    const double product = times(a, b);
    s.line("= \\frac{", op(product), "}{2}");
    return finish(divide(product, 2), s);
}

double product(const QString &formula, double a, double b, Steps &s)
{
    s.line(Area, " = ", formula);
    s.line("= ", op(a), " × ", op(b));
    return finish(times(a, b), s);
}
} // namespace

double trapezoidArea(const Typed &height, const Typed &sumOfBases, Steps &s)
{
    const double h = rounded(height, QStringLiteral("الارتفاع"), s);
    const double sum = rounded(sumOfBases, QStringLiteral("مجموع القاعدتين"), s);
    return halfProduct(QStringLiteral("الارتفاع × مجموع القاعدتين"), h, sum, s);
}

double rectangleArea(const Typed &length, const Typed &width, Steps &s)
{
    const double l = rounded(length, QStringLiteral("الطول"), s);
    const double w = rounded(width, QStringLiteral("العرض"), s);
    return product(QStringLiteral("الطول × العرض"), l, w, s);
}

double parallelogramArea(const Typed &base, const Typed &height, Steps &s)
{
    const double b = rounded(base, QStringLiteral("القاعدة"), s);
    const double h = rounded(height, QStringLiteral("الارتفاع"), s);
    return product(QStringLiteral("القاعدة × الارتفاع"), b, h, s);
}

double triangleArea(const Typed &base, const Typed &height, Steps &s)
{
    const double b = rounded(base, QStringLiteral("القاعدة"), s);
    const double h = rounded(height, QStringLiteral("الارتفاع"), s);
    return halfProduct(QStringLiteral("القاعدة × الارتفاع"), b, h, s);
}

// Six faces of edge × edge.
double cubeSurface(const Typed &edge, Steps &s)
{
    const double e = rounded(edge, QStringLiteral("طول الحرف"), s);
    s.line(Area, " = (طول الحرف)^{2} × 6");
    s.line("= ", op(e), "^{2} × 6");
    const double face = times(e, e);
    s.line("= ", op(face), " × 6");
    return finish(times(face, 6), s);
}

// ---- Perimeters -----------------------------------------------------------

// r × (π + π), the radius as read or half the diameter rounded to 15 digits.
double circlePerimeter(const RoundSize &size, Steps &s)
{
    double r = size.length.value;
    if (size.diameter) {
        const double d = rounded(size.length, Diameter, s);
        r = halved(
            d, [](double x) { return divide(x, 2); }, s);
    }
    const double pi = strictNumber(format(Pi));
    s.line(Perimeter, " = 2 × [red:ط] × ", Radius, " = ", Radius, " × ([red:ط] + [red:ط])");
    s.line("= ", op(r), " × (", op(pi), " + ", op(pi), ")");
    const double twoPi = numtext::plus(pi, pi);
    s.line("= ", op(r), " × ", op(twoPi));
    return finish(times(r, twoPi), s);
}

double squarePerimeter(const Typed &side, Steps &s)
{
    s.line(Perimeter, " = 4 × طول الضلع");
    s.line("= 4 × ", op(side.value));
    return finish(integer(4) * Mixed(side.value), s);
}

// Half the perimeter, rounded to 15 significant digits, taken twice.
double rectanglePerimeter(const Typed &length, const Typed &width, Steps &s)
{
    s.line(Perimeter, " = 2 × (الطول + العرض) = (الطول + العرض) + (الطول + العرض)");
    s.line("الطول + العرض = ", op(length.value), " + ", op(width.value));
    const double sum = (Mixed(length.value) + Mixed(width.value)).number();
    const double half = strictNumber(format(sum));
    s.line(numtext::relation(sum), " ", written(half));
    s.line(Perimeter, " = ", op(half), " + ", op(half));
    return finish(Mixed(half) + Mixed(half), s);
}

// The sides added one by one, from the first.
double sumOfSides(std::span<const Typed> sides, Steps &s)
{
    QString formula = Perimeter + QStringLiteral(" = ");
    for (std::size_t i = 0; i < sides.size(); ++i)
        formula += (i ? QStringLiteral(" + الضلع ") : QStringLiteral("الضلع ")) + QString::number(i + 1);
    s.line(formula);

    std::vector<Mixed> side;
    for (const Typed &length : sides)
        side.emplace_back(length.value);
    const QString third = format(sides[2].value);
    side[2] = third;
    if (strictNumber(third) != sides[2].value)
        s.line(roundedLine(QStringLiteral("الضلع 3"), sides[2].text, strictNumber(third)));

    Mixed sum = side[0];
    for (std::size_t i = 1; i < side.size(); ++i) {
        QString line = QStringLiteral("= ") + op(sum);
        for (std::size_t j = i; j < side.size(); ++j)
            line += QStringLiteral(" + ") + op(side[j]);
        s.line(line);
        sum = sum + side[i];
    }
    return finish(sum, s);
}

// ---- Volumes --------------------------------------------------------------

namespace {
// The volumes window reads the radius as it is, or halves the diameter.
Mixed volumeRadius(const RoundSize &size, Steps &s)
{
    if (!size.diameter)
        return size.length.value;
    return halved(
        size.length.value, [](double x) { return Mixed(x) / integer(2); }, s);
}

// The height, rounded to 15 significant digits and held as that text.
Mixed volumeHeight(const Typed &height, Steps &s)
{
    const QString text = format(height.value);
    if (strictNumber(text) != height.value)
        s.line(roundedLine(QStringLiteral("الارتفاع"), height.text, strictNumber(text)));
    return text;
}
} // namespace

double cubeVolume(const Typed &edge, Steps &s)
{
    const Mixed e = edge.value;
    s.line(Volume, " = (طول الحرف)^{3}");
    s.line("= ", op(e), "^{3}");
    s.line("= ", op(e), " × ", op(e), " × ", op(e));
    const Mixed face = e * e;
    s.line("= ", op(face), " × ", op(e));
    return finish(face * e, s);
}

double cuboidVolume(const Typed &length, const Typed &width, const Typed &height, Steps &s)
{
    s.line(Volume, " = (طول القاعدة × عرض القاعدة) × الارتفاع");
    const Mixed h = volumeHeight(height, s);
    s.line("= (", op(length.value), " × ", op(width.value), ") × ", op(h));
    const Mixed base = Mixed(length.value) * Mixed(width.value);
    s.line("= ", op(base), " × ", op(h));
    return finish(base * h, s);
}

// 4/3 × π × r³, as ((r³ × π) × 4) / 3; the cube of a radius given is rounded
// to 15 significant digits.
double sphereVolume(const RoundSize &size, Steps &s)
{
    const Mixed r = volumeRadius(size, s);
    s.line(Volume, " = \\frac{4}{3} × [red:ط] × ", Radius, "^{3}");
    s.line("= \\frac{4}{3} × ", op(Pi), " × ", op(r), "^{3}");
    Mixed cube = (r * r) * r;
    if (!size.diameter) {
        const double read = cube.number();
        cube = strictNumber(format(read));
        if (cube.number() != read)
            s.line(Radius, "^{3} ≈ ", written(cube.number()), " (مقربا إلى 15 رقما)");
    }
    s.line("= \\frac{4}{3} × ", op(Pi), " × ", op(cube));
    const Mixed withPi = cube * Mixed(Pi);
    s.line("= \\frac{", op(withPi), " × 4}{3}");
    const Mixed four = withPi * integer(4);
    s.line("= \\frac{", op(four), "}{3}");
    return finish(four / integer(3), s);
}

namespace {
// ((r × r) × π) × height; the cone takes a third of it.
double roundBase(const RoundSize &size, const Typed &height, bool cone, Steps &s)
{
    const Mixed r = volumeRadius(size, s);
    const QString open = cone ? QStringLiteral("\\frac{") : QString();
    const QString close = cone ? QStringLiteral("}{3}") : QString();
    s.line(Volume, " = ", open, "[red:ط] × ", Radius, "^{2} × الارتفاع", close);
    const Mixed h = volumeHeight(height, s);
    s.line("= ", open, op(Pi), " × ", op(r), "^{2} × ", op(h), close);
    const Mixed square = r * r;
    s.line("= ", open, op(Pi), " × ", op(square), " × ", op(h), close);
    const Mixed base = square * Mixed(Pi);
    s.line("= ", open, op(base), " × ", op(h), close);
    const Mixed volume = base * h;
    if (!cone)
        return finish(volume, s);
    s.line("= \\frac{", op(volume), "}{3}");
    return finish(volume / integer(3), s);
}
} // namespace

double cylinderVolume(const RoundSize &size, const Typed &height, Steps &s)
{
    return roundBase(size, height, false, s);
}
double coneVolume(const RoundSize &size, const Typed &height, Steps &s) { return roundBase(size, height, true, s); }

} // namespace geometry
