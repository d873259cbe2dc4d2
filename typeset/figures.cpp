#include "typeset/figures.h"

#include "numtext/notation.h"

#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <numbers>
#include <optional>
#include <vector>

using numtext::DigitShape;
using numtext::Figure;

namespace reference {

namespace {

constexpr qreal LabelPx = 14;
constexpr qreal CaptionPx = 13;
constexpr qreal Gap = 5;
// A length drawn shorter than this part of the longest would vanish.
constexpr double Smallest = 0.05;

const QColor MeasureColour(QStringLiteral("darkgreen"));
const QColor HiddenColour(QStringLiteral("dimgray"));
const QColor CurveColour(QStringLiteral("mediumblue"));
const QColor MarkColour(QStringLiteral("firebrick"));
const QColor PositiveColour(QStringLiteral("steelblue"));
const QColor NegativeColour(QStringLiteral("indianred"));
const QColor CaptionColour(QStringLiteral("dimgray"));

// Sides of a label from the point it names, in the area's directions (y
// grows down).
const QPointF Below(0, 1), Above(0, -1), LeftOf(-1, 0), RightOf(1, 0), Centre(0, 0);

QString lengthUnit() { return numtext::unitName(numtext::Unit::Length); }

// "name = value unit" in the markup of the steps.
QString measure(const QString &name, double value, const QString &unit = lengthUnit())
{
    QString text = name + QStringLiteral(" = ") + numtext::written(value);
    if (!unit.isEmpty())
        text += u' ' + unit;
    return text;
}

// A number written to four decimals at most, with ≈ when that rounds it.
QString rounded(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("= ") + numtext::written(value);
    const double near = std::round(value * 1e4) / 1e4;
    return (near == value ? QStringLiteral("= ") : QStringLiteral("≈ ")) + numtext::written(near == 0 ? 0 : near);
}

// Markup as plain words for a screen reader.
QString plainOf(QString markup)
{
    static const QRegularExpression colour(QStringLiteral("\\[[a-z]+:([^\\]]*)\\]"));
    static const QRegularExpression fraction(QStringLiteral("\\\\frac\\{([^{}]*)\\}\\{([^{}]*)\\}"));
    static const QRegularExpression power(QStringLiteral("\\^\\{([^{}]*)\\}"));
    markup.replace(colour, QStringLiteral("\\1"));
    markup.replace(power, QStringLiteral("^\\1"));
    markup.replace(fraction, QStringLiteral("\\1/\\2"));
    return markup;
}

// What a calculation drew, in its own units (y grows up), before it is
// fitted into an area.
struct Model {
    struct Label {
        QString name, markup;
        QPointF anchor, side;
        qreal size = LabelPx;
        QColor colour = Qt::black;
        bool optional = false; // left out where it would overlap another
    };
    QList<FigureStroke> strokes;
    QList<Label> labels;
    QMap<QString, QLineF> segments;
    QMap<QString, QPointF> points;
    QTransform plot; // a graph's numbers to the model's units
    bool toScale = true;
    QStringList captions;

    void stroke(const QPainterPath &path, FigureStroke::Style style = FigureStroke::Outline,
                const QColor &colour = Qt::black)
    {
        strokes.append({path, style, colour});
    }
    void line(QPointF from, QPointF to, FigureStroke::Style style = FigureStroke::Outline,
              const QColor &colour = Qt::black)
    {
        QPainterPath p(from);
        p.lineTo(to);
        stroke(p, style, colour);
    }
    void polygon(const QList<QPointF> &corners)
    {
        QPainterPath p(corners.first());
        for (qsizetype i = 1; i < corners.size(); ++i)
            p.lineTo(corners[i]);
        p.closeSubpath();
        stroke(p);
    }
    void dot(QPointF at, qreal radius, const QColor &colour)
    {
        QPainterPath p;
        p.addEllipse(at, radius, radius);
        stroke(p, FigureStroke::Filled, colour);
    }
    void label(const QString &name, const QString &markup, QPointF anchor, QPointF side)
    {
        labels.append({name, markup, anchor, side});
    }
    void notToScale() { toScale = false; }
};

// The lengths to draw for the lengths given: each its part of the longest,
// none shorter than Smallest of it. A zero, a negative or an endless length
// cannot be drawn as it is: the figure is then not to scale.
std::vector<double> drawnLengths(Model &m, std::initializer_list<double> given)
{
    double longest = 0;
    for (const double g : given)
        if (std::isfinite(g))
            longest = std::max(longest, std::fabs(g));
    std::vector<double> drawn;
    for (const double g : given) {
        double d = 1;
        if (!std::isfinite(g) || longest == 0) {
            m.notToScale();
        } else {
            d = std::fabs(g) / longest;
            if (g < 0 || d < Smallest)
                m.notToScale();
            d = std::max(d, Smallest);
        }
        drawn.push_back(d);
    }
    return drawn;
}

// An ellipse's arc from one angle to another (degrees, counterclockwise,
// y up).
QPainterPath arc(QPointF centre, qreal rx, qreal ry, qreal from, qreal to)
{
    QPainterPath p;
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = (from + (to - from) * i / steps) * std::numbers::pi / 180;
        const QPointF at(centre.x() + rx * std::cos(t), centre.y() + ry * std::sin(t));
        if (i == 0)
            p.moveTo(at);
        else
            p.lineTo(at);
    }
    return p;
}

// The same arc drawn on from the end of a path.
void arcOn(QPainterPath &path, QPointF centre, qreal r, qreal from, qreal to)
{
    const QPainterPath more = arc(centre, r, r, from, to);
    for (int i = 0; i < more.elementCount(); ++i)
        path.lineTo(more.elementAt(i).x, more.elementAt(i).y);
}

// The ellipses of round solids in the oblique view: as high as this part of
// their width.
constexpr qreal Flattening = 0.3;

// A radius or a diameter, given as the figure says, drawn across a circle of
// radius r about the centre, its label on the side given.
void roundSize(Model &m, const Figure &f, QPointF centre, qreal r, QPointF labelAt, QPointF side)
{
    if (f.has(u"d")) {
        const QLineF d(centre - QPointF(r, 0), centre + QPointF(r, 0));
        m.line(d.p1(), d.p2(), FigureStroke::Measure, MeasureColour);
        m.segments.insert(QStringLiteral("d"), d);
        m.label(QStringLiteral("d"), measure(numtext::symbol::Diameter, f.value(u"d")), labelAt, side);
    } else {
        const QLineF radius(centre, centre + QPointF(r, 0));
        m.line(radius.p1(), radius.p2(), FigureStroke::Measure, MeasureColour);
        m.segments.insert(QStringLiteral("r"), radius);
        m.label(QStringLiteral("r"), measure(numtext::symbol::Radius, f.value(u"r")), labelAt, side);
    }
    m.dot(centre, 0.025 * r, Qt::black);
}

double givenRound(const Figure &f) { return f.has(u"d") ? f.value(u"d") : f.value(u"r"); }

// ---- Plane figures -------------------------------------------------------

void circle(Model &m, const Figure &f)
{
    drawnLengths(m, {givenRound(f)});
    QPainterPath p;
    p.addEllipse(QPointF(0, 0), 1, 1);
    m.stroke(p);
    roundSize(m, f, {0, 0}, 1, f.has(u"d") ? QPointF(0, 0) : QPointF(0.5, 0), Above);
}

void sphere(Model &m, const Figure &f)
{
    drawnLengths(m, {givenRound(f)});
    QPainterPath p;
    p.addEllipse(QPointF(0, 0), 1, 1);
    m.stroke(p);
    m.stroke(arc({0, 0}, 1, Flattening, 180, 360));
    m.stroke(arc({0, 0}, 1, Flattening, 0, 180), FigureStroke::Dashed, HiddenColour);
    roundSize(m, f, {0, 0}, 1, f.has(u"d") ? QPointF(0, 0) : QPointF(0.5, 0), Above);
}

void rectangle(Model &m, const Figure &f, bool square)
{
    const double lengthGiven = square ? f.value(u"side") : f.value(u"length");
    const double widthGiven = square ? lengthGiven : f.value(u"width");
    const auto d = drawnLengths(m, {lengthGiven, widthGiven});
    const qreal l = d[0], w = d[1];
    m.polygon({{0, 0}, {l, 0}, {l, w}, {0, w}});
    if (square) {
        m.segments.insert(QStringLiteral("side"), QLineF(0, 0, l, 0));
        m.label(QStringLiteral("side"), measure(QStringLiteral("الضلع"), lengthGiven), {l / 2, 0}, Below);
        return;
    }
    m.segments.insert(QStringLiteral("length"), QLineF(0, 0, l, 0));
    m.segments.insert(QStringLiteral("width"), QLineF(0, 0, 0, w));
    m.label(QStringLiteral("length"), measure(QStringLiteral("الطول"), lengthGiven), {l / 2, 0}, Below);
    m.label(QStringLiteral("width"), measure(QStringLiteral("العرض"), widthGiven), {0, w / 2}, LeftOf);
}

// A height dashed from a corner down to the base, labelled at its right,
// inside the figure.
void heightLine(Model &m, const Figure &f, QPointF top)
{
    const QLineF h(top, QPointF(top.x(), 0));
    m.line(h.p1(), h.p2(), FigureStroke::Dashed, HiddenColour);
    m.segments.insert(QStringLiteral("h"), h);
    m.label(QStringLiteral("h"), measure(QStringLiteral("الارتفاع"), f.value(u"h")), h.center(), RightOf);
}

void parallelogram(Model &m, const Figure &f)
{
    const auto d = drawnLengths(m, {f.value(u"base"), f.value(u"h")});
    const qreal b = d[0], h = d[1], slant = 0.3 * b;
    m.polygon({{0, 0}, {b, 0}, {b + slant, h}, {slant, h}});
    m.segments.insert(QStringLiteral("base"), QLineF(0, 0, b, 0));
    m.label(QStringLiteral("base"), measure(QStringLiteral("القاعدة"), f.value(u"base")), {b / 2, 0}, Below);
    heightLine(m, f, {slant, h});
}

void triangle(Model &m, const Figure &f)
{
    const auto d = drawnLengths(m, {f.value(u"base"), f.value(u"h")});
    const qreal b = d[0], h = d[1], apex = b / 3;
    m.polygon({{0, 0}, {b, 0}, {apex, h}});
    m.segments.insert(QStringLiteral("base"), QLineF(0, 0, b, 0));
    m.label(QStringLiteral("base"), measure(QStringLiteral("القاعدة"), f.value(u"base")), {b / 2, 0}, Below);
    heightLine(m, f, {apex, h});
}

// Only the sum of the two bases is given: they are drawn as three fifths and
// two fifths of it.
void trapezoid(Model &m, const Figure &f)
{
    const auto d = drawnLengths(m, {f.value(u"sum"), f.value(u"h")});
    const qreal sum = d[0], h = d[1], lower = 0.6 * sum, upper = 0.4 * sum, inset = (lower - upper) / 2;
    m.polygon({{0, 0}, {lower, 0}, {lower - inset, h}, {inset, h}});
    m.segments.insert(QStringLiteral("b1"), QLineF(0, 0, lower, 0));
    m.segments.insert(QStringLiteral("b2"), QLineF(inset, h, lower - inset, h));
    m.label(QStringLiteral("sum"), measure(QStringLiteral("مجموع القاعدتين"), f.value(u"sum")), {lower / 2, 0}, Below);
    heightLine(m, f, {inset, h});
    m.captions << QStringLiteral("طول كل قاعدة للتوضيح، ومجموعهما هو المعطى");
}

// The corner of a triangle with sides a (from the origin along x), b (from
// the end of a) and c (back to the origin), above the x axis; none when the
// three close no triangle.
std::optional<QPointF> apexOf(double a, double b, double c)
{
    if (!(a > 0 && b > 0 && c > 0) || a >= b + c || b >= a + c || c >= a + b)
        return std::nullopt;
    const double x = (a * a - b * b + c * c) / (2 * a);
    return QPointF(x, std::sqrt(std::max(0.0, c * c - x * x)));
}

// Labels each side of a polygon whose corners go counterclockwise, outside it.
void sideLabels(Model &m, const QList<QPointF> &corners, const std::vector<double> &given)
{
    for (qsizetype i = 0; i < corners.size(); ++i) {
        const QPointF p = corners[i], q = corners[(i + 1) % corners.size()];
        const QString name = QStringLiteral("s") + QString::number(i + 1);
        m.segments.insert(name, QLineF(p, q));
        QPointF out(q.y() - p.y(), -(q.x() - p.x()));
        const qreal length = std::hypot(out.x(), out.y());
        out = length > 0 ? out / length : Below;
        m.label(name, measure(QStringLiteral("الضلع ") + QString::number(i + 1), given[std::size_t(i)]), (p + q) / 2,
                QPointF(out.x(), -out.y()));
    }
}

// Three sides close a triangle; four a quadrangle whose angles are not given:
// it is drawn of two triangles on a diagonal between the shortest and the
// longest it could be.
void sides(Model &m, const Figure &f)
{
    const bool four = f.has(u"s4");
    std::vector<double> given{f.value(u"s1"), f.value(u"s2"), f.value(u"s3")};
    if (four)
        given.push_back(f.value(u"s4"));
    const auto d = four ? drawnLengths(m, {given[0], given[1], given[2], given[3]})
                        : drawnLengths(m, {given[0], given[1], given[2]});
    QList<QPointF> corners;
    if (!four) {
        const auto apex = m.toScale ? apexOf(d[0], d[1], d[2]) : std::nullopt;
        if (apex) {
            corners = {{0, 0}, {d[0], 0}, *apex};
        } else {
            m.notToScale();
            corners = {{0, 0}, {1, 0}, {0.5, std::sqrt(3.0) / 2}};
        }
    } else {
        const double low = std::max(std::fabs(d[0] - d[1]), std::fabs(d[2] - d[3]));
        const double high = std::min(d[0] + d[1], d[2] + d[3]);
        const double diagonal = (low + high) / 2;
        const auto third = m.toScale && low < high ? apexOf(d[0], d[1], diagonal) : std::nullopt;
        if (third) {
            // The fourth corner on the other side of the diagonal from the
            // second, so that the corners go counterclockwise.
            const QPointF along = *third / diagonal, towardSecond(along.y(), -along.x());
            const double x = (diagonal * diagonal + d[3] * d[3] - d[2] * d[2]) / (2 * diagonal);
            const double y = std::sqrt(std::max(0.0, d[3] * d[3] - x * x));
            corners = {{0, 0}, {d[0], 0}, *third, along * x - towardSecond * y};
        } else {
            m.notToScale();
            corners = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        }
        m.captions << QStringLiteral("زوايا الشكل للتوضيح، وأضلاعه بأطوالها");
    }
    m.polygon(corners);
    sideLabels(m, corners, given);
}

// ---- Solids --------------------------------------------------------------

// The edges going back: at 45° and half their length.
QPointF depth(qreal length) { return QPointF(1, 1) * (length * 0.5 / std::numbers::sqrt2); }

// A box in the oblique view: its front face l × h, its depth back; the
// hidden edges dashed.
void oblong(Model &m, qreal l, qreal h, qreal w)
{
    const QPointF back = depth(w);
    m.polygon({{0, 0}, {l, 0}, {l, h}, {0, h}});
    m.line({0, h}, QPointF(0, h) + back);
    m.line({l, h}, QPointF(l, h) + back);
    m.line({l, 0}, QPointF(l, 0) + back);
    m.line(QPointF(0, h) + back, QPointF(l, h) + back);
    m.line(QPointF(l, 0) + back, QPointF(l, h) + back);
    m.line({0, 0}, back, FigureStroke::Dashed, HiddenColour);
    m.line(back, QPointF(0, h) + back, FigureStroke::Dashed, HiddenColour);
    m.line(back, QPointF(l, 0) + back, FigureStroke::Dashed, HiddenColour);
}

void cube(Model &m, const Figure &f)
{
    drawnLengths(m, {f.value(u"edge")});
    oblong(m, 1, 1, 1);
    m.segments.insert(QStringLiteral("edge"), QLineF(0, 0, 1, 0));
    m.segments.insert(QStringLiteral("edgeUp"), QLineF(0, 0, 0, 1));
    m.label(QStringLiteral("edge"), measure(QStringLiteral("الحرف"), f.value(u"edge")), {0.5, 0}, Below);
}

void cuboid(Model &m, const Figure &f)
{
    const auto d = drawnLengths(m, {f.value(u"length"), f.value(u"width"), f.value(u"h")});
    const qreal l = d[0], w = d[1], h = d[2];
    oblong(m, l, h, w);
    m.segments.insert(QStringLiteral("length"), QLineF(0, 0, l, 0));
    m.segments.insert(QStringLiteral("h"), QLineF(0, 0, 0, h));
    m.segments.insert(QStringLiteral("width"), QLineF(QPointF(l, 0), QPointF(l, 0) + depth(w)));
    m.label(QStringLiteral("length"), measure(QStringLiteral("الطول"), f.value(u"length")), {l / 2, 0}, Below);
    m.label(QStringLiteral("h"), measure(QStringLiteral("الارتفاع"), f.value(u"h")), {0, h / 2}, LeftOf);
    m.label(QStringLiteral("width"), measure(QStringLiteral("العرض"), f.value(u"width")), QPointF(l, 0) + depth(w) / 2,
            RightOf);
}

// A cylinder or a cone: its base an ellipse, its height up.
void roundSolid(Model &m, const Figure &f, bool cone)
{
    const auto d = drawnLengths(m, {givenRound(f), f.value(u"h")});
    const qreal r = f.has(u"d") ? d[0] / 2 : d[0], h = d[1], ry = Flattening * r;
    m.stroke(arc({0, 0}, r, ry, 180, 360));
    m.stroke(arc({0, 0}, r, ry, 0, 180), FigureStroke::Dashed, HiddenColour);
    if (cone) {
        m.line({-r, 0}, {0, h});
        m.line({r, 0}, {0, h});
        const QLineF height(QPointF(0, h), QPointF(0, 0));
        m.line(height.p1(), height.p2(), FigureStroke::Dashed, HiddenColour);
        m.segments.insert(QStringLiteral("h"), height);
        m.label(QStringLiteral("h"), measure(QStringLiteral("الارتفاع"), f.value(u"h")), {-r / 2, h / 2}, LeftOf);
        roundSize(m, f, {0, 0}, r, {f.has(u"d") ? 0 : r / 2, -ry}, Below);
        return;
    }
    QPainterPath top;
    top.addEllipse(QPointF(0, h), r, ry);
    m.stroke(top);
    m.line({-r, 0}, {-r, h});
    m.line({r, 0}, {r, h});
    m.segments.insert(QStringLiteral("h"), QLineF(-r, 0, -r, h));
    m.label(QStringLiteral("h"), measure(QStringLiteral("الارتفاع"), f.value(u"h")), {-r, h / 2}, LeftOf);
    roundSize(m, f, {0, h}, r, {f.has(u"d") ? 0 : r / 2, h + ry}, Above);
}

// ---- Graphs and bars -----------------------------------------------------

// A step of 1, 2 or 5 times a power of ten, near the span given.
double niceStep(double span)
{
    if (!(span > 0) || !std::isfinite(span))
        return 1;
    const double power = std::pow(10.0, std::floor(std::log10(span)));
    const double unit = span / power;
    return (unit < 1.5 ? 1 : unit < 3.5 ? 2 : unit < 7.5 ? 5 : 10) * power;
}

constexpr qreal PlotWidth = 4, PlotHeight = 3;

// The parabola y = ax² + bx + c over its roots and vertex; numbers too large
// or too small to plot give the same picture of a parabola opening the same
// way, not to scale, with the true numbers on it.
void parabola(Model &m, const Figure &f)
{
    const double ta = f.value(u"a"), tb = f.value(u"b"), tc = f.value(u"c");
    const bool roots = f.has(u"x1");
    const double tx1 = std::min(f.value(u"x1"), f.value(u"x2")), tx2 = std::max(f.value(u"x1"), f.value(u"x2"));
    const double txv = -tb / (2 * ta);
    const double tyv = ta * txv * txv + tb * txv + tc;

    double a = ta, b = tb, c = tc, x1 = tx1, x2 = tx2;
    double xv = txv, yv = tyv;
    double half = roots ? (x2 - x1) / 2 : std::sqrt(std::fabs(yv / a));
    if (!(half > 0))
        half = xv != 0 ? std::fabs(xv) / 2 : 1;
    const auto plottable = [&] {
        for (const double v : {a, b, c, xv, yv, half})
            if (!std::isfinite(v))
                return false;
        // The span must show apart from the numbers' own size.
        return a != 0 && half > 1e-9 * std::max(1.0, std::fabs(xv)) && std::fabs(yv) < 1e150;
    };
    if (!plottable()) {
        m.notToScale();
        a = ta < 0 ? -1 : 1;
        b = 0;
        xv = 0;
        half = 1;
        c = !roots ? a : tx1 == tx2 ? 0 : -a;
        x1 = roots ? (tx1 == tx2 ? 0 : -1) : 0;
        x2 = -x1;
        yv = c;
    }
    const auto y = [&](double x) { return a * x * x + b * x + c; };

    double xlo = xv - 1.6 * half, xhi = xv + 1.6 * half;
    if (std::fabs(xv) <= 4 * half) {
        xlo = std::min(xlo, -0.3 * half);
        xhi = std::max(xhi, 0.3 * half);
    }
    std::vector<QPointF> curve;
    double ylo = std::min(yv, 0.0), yhi = std::max(yv, 0.0);
    for (int i = 0; i <= 96; ++i) {
        const double x = xlo + (xhi - xlo) * i / 96;
        curve.emplace_back(x, y(x));
        ylo = std::min(ylo, y(x));
        yhi = std::max(yhi, y(x));
    }
    if (!roots && std::fabs(yv) > 3 * (yhi - ylo - std::fabs(yv))) {
        // Far from the x axis: the curve alone.
        ylo = std::min(yv, curve.front().y());
        yhi = std::max(yv, curve.front().y());
    }
    if (!(yhi > ylo)) {
        yhi = ylo + 1;
    }
    const double pad = (yhi - ylo) * 0.08;
    ylo -= pad;
    yhi += pad;
    const double sx = PlotWidth / (xhi - xlo), sy = PlotHeight / (yhi - ylo);
    m.plot = QTransform(sx, 0, 0, sy, -xlo * sx, -ylo * sy);

    // The grid, the axes and the curve.
    const auto gridLines = [&](double lo, double hi, bool vertical) {
        const double step = niceStep((hi - lo) / 8);
        const double first = std::ceil(lo / step);
        for (double k = first; k * step <= hi && k - first < 40; ++k) {
            const double at = k * step;
            const QPointF from = vertical ? QPointF(at, ylo) : QPointF(xlo, at);
            const QPointF to = vertical ? QPointF(at, yhi) : QPointF(xhi, at);
            m.line(m.plot.map(from), m.plot.map(to), FigureStroke::Grid, Qt::lightGray);
        }
    };
    gridLines(xlo, xhi, true);
    gridLines(ylo, yhi, false);
    if (ylo <= 0 && 0 <= yhi)
        m.line(m.plot.map(QPointF(xlo, 0)), m.plot.map(QPointF(xhi, 0)), FigureStroke::Axis, Qt::black);
    if (xlo <= 0 && 0 <= xhi)
        m.line(m.plot.map(QPointF(0, ylo)), m.plot.map(QPointF(0, yhi)), FigureStroke::Axis, Qt::black);
    // Cut at the top and bottom of the grid.
    QPainterPath path;
    bool drawing = false;
    for (const QPointF &p : curve) {
        if (p.y() < ylo || p.y() > yhi) {
            drawing = false;
            continue;
        }
        if (drawing)
            path.lineTo(m.plot.map(p));
        else
            path.moveTo(m.plot.map(p));
        drawing = true;
    }
    m.stroke(path, FigureStroke::Outline, CurveColour);
    m.line(m.plot.map(QPointF(xv, ylo)), m.plot.map(QPointF(xv, yhi)), FigureStroke::Dashed, HiddenColour);

    const qreal dot = 0.06;
    const QPointF vertex = m.plot.map(QPointF(xv, yv));
    m.dot(vertex, dot, MarkColour);
    m.points.insert(QStringLiteral("vertex"), vertex);
    m.label(QStringLiteral("vertex"),
            QStringLiteral("الرأس: س = ") + numtext::written(txv) + QStringLiteral(" ، ص = ") + numtext::written(tyv),
            vertex, a > 0 ? Below : Above);
    if (roots) {
        const QPointF first = m.plot.map(QPointF(x1, 0)), second = m.plot.map(QPointF(x2, 0));
        m.dot(first, dot, MarkColour);
        m.points.insert(QStringLiteral("x1"), first);
        m.points.insert(QStringLiteral("x2"), second);
        const QPointF side = a > 0 ? Above : Below;
        if (tx1 == tx2) {
            m.label(QStringLiteral("x1"), QStringLiteral("س١ = س٢ = ") + numtext::written(tx1), first,
                    a > 0 ? Above : Below);
        } else {
            m.dot(second, dot, MarkColour);
            m.label(QStringLiteral("x1"), QStringLiteral("س = ") + numtext::written(tx1), first, side + LeftOf);
            m.label(QStringLiteral("x2"), QStringLiteral("س = ") + numtext::written(tx2), second, side + RightOf);
        }
    } else {
        m.captions << QStringLiteral("لا يقطع المنحنى محور السينات: لا جذور حقيقية");
    }
}

// A fraction as bars, each bar one whole divided into the denominator's parts
// and as many parts shaded as the numerator says, from the right.
void fractions(Model &m, const Figure &f)
{
    constexpr qreal Whole = 6, BarHeight = 0.7, Between = 0.3;
    constexpr int MostBars = 4, MostParts = 48;
    bool undivided = false;
    int widest = 1;
    const auto row = [&](const QString &name, const QString &opening, double n, double d, qreal top) {
        const double value = n / d;
        int bars = 1;
        if (!std::isfinite(value)) {
            m.notToScale();
        } else if (std::fabs(value) > MostBars) {
            m.notToScale();
            bars = MostBars;
        } else {
            bars = std::max(1, static_cast<int>(std::ceil(std::fabs(value))));
        }
        widest = std::max(widest, bars);
        const bool divided = d == std::round(d) && std::fabs(d) >= 1 && std::fabs(d) <= MostParts;
        undivided = undivided || !divided;
        const int parts = divided ? static_cast<int>(std::fabs(d)) : 1;
        double left = std::isfinite(value) ? std::min<double>(std::fabs(value), bars) : 0;
        for (int k = 0; k < bars; ++k) {
            const qreal right = -k * (Whole + Between);
            const QRectF bar(right - Whole, top - BarHeight, Whole, BarHeight);
            const double shaded = std::clamp(left, 0.0, 1.0);
            left -= shaded;
            if (shaded > 0) {
                QPainterPath fill;
                fill.addRect(QRectF(right - Whole * shaded, bar.top(), Whole * shaded, BarHeight));
                m.stroke(fill, FigureStroke::Filled, value < 0 ? NegativeColour : PositiveColour);
            }
            for (int i = 1; i < parts; ++i)
                m.line({right - Whole * i / parts, bar.top()}, {right - Whole * i / parts, bar.bottom()},
                       FigureStroke::Grid, Qt::darkGray);
            QPainterPath outline;
            outline.addRect(bar);
            m.stroke(outline);
            if (k == 0)
                m.segments.insert(name, QLineF(bar.topRight(), bar.topRight() - QPointF(Whole * shaded, 0)));
        }
        m.label(name,
                opening + QStringLiteral("\\frac{") + numtext::written(n) + QStringLiteral("}{") + numtext::written(d)
                    + u'}',
                {0.15, top - BarHeight / 2}, RightOf);
        m.labels.last().size = LabelPx + 5; // a stacked fraction sets its digits smaller
    };
    const QString sign = f.value(u"sign", 1) < 0 ? QStringLiteral("− ") : QStringLiteral("+ ");
    row(QStringLiteral("first"), QString(), f.value(u"a"), f.value(u"b"), 3);
    row(QStringLiteral("second"), sign, f.value(u"c"), f.value(u"d"), 3 - BarHeight - 0.4);
    if (f.has(u"n") && f.has(u"m")) {
        const qreal rule = 3 - 2 * BarHeight - 0.6;
        m.line({-widest * Whole - (widest - 1) * Between, rule}, {0.1, rule}, FigureStroke::Dashed, HiddenColour);
        row(QStringLiteral("result"), QStringLiteral("= "), f.value(u"n"), f.value(u"m"), rule - 0.2);
    }
    if (undivided)
        m.captions << QStringLiteral("الشريط الذي مقامه ليس عددا صحيحا صغيرا لا يقسم إلى أجزائه");
}

double celsiusOf(QStringView scale, double value)
{
    if (scale == u"F")
        return (value - 32) / 1.8;
    if (scale == u"K")
        return value - 273;
    return value;
}

double fromCelsius(QStringView scale, double celsius)
{
    if (scale == u"F")
        return celsius * 1.8 + 32;
    if (scale == u"K")
        return celsius + 273;
    return celsius;
}

numtext::Unit unitOf(QStringView scale)
{
    if (scale == u"F")
        return numtext::Unit::Fahrenheit;
    if (scale == u"K")
        return numtext::Unit::Kelvin;
    return numtext::Unit::Celsius;
}

// A thermometer: the scale of the temperature given at its right, that of
// the result at its left, the liquid up to the temperature.
void thermometer(Model &m, const Figure &f)
{
    if (f.values.size() < 2)
        return;
    const QString given = f.values[0].first, result = f.values[1].first;
    const double celsius = celsiusOf(given, f.values[0].second);
    constexpr qreal Tube = 0.16, Bottom = 0.4, Top = 5;
    double lo = std::min(0.0, celsius), hi = std::max(100.0, celsius);
    // Near the largest double the scale itself would leave the doubles.
    if (!std::isfinite(celsius) || std::fabs(celsius) > 1e300) {
        m.notToScale();
        lo = 0;
        hi = 100;
    } else if (std::fabs(celsius) > 1000) {
        lo = celsius - std::fabs(celsius) / 2;
        hi = celsius + std::fabs(celsius) / 2;
    }
    const double pad = (hi - lo) * 0.08;
    lo -= pad;
    hi += pad;
    const auto level = [&](double c) { return Bottom + (c - lo) / (hi - lo) * (Top - Bottom - 0.3); };
    const qreal at = std::isfinite(celsius) ? level(celsius) : level(50);

    // The liquid: the bulb and the column up to the temperature, one outline.
    const auto meets = [](qreal bulb, qreal half) { return std::acos(half / bulb) * 180 / std::numbers::pi; };
    const qreal liquidAngle = meets(0.3, Tube / 2);
    QPainterPath liquid(QPointF(Tube / 2, at));
    arcOn(liquid, {0, 0}, 0.3, liquidAngle, -180 - liquidAngle);
    liquid.lineTo(-Tube / 2, at);
    liquid.closeSubpath();
    m.stroke(liquid, FigureStroke::Filled, MarkColour);
    // The glass: the tube rounded at the top, the bulb under it.
    const qreal glassAngle = meets(0.36, Tube);
    QPainterPath glass(QPointF(Tube, std::sqrt(0.36 * 0.36 - Tube * Tube)));
    glass.lineTo(Tube, Top);
    arcOn(glass, {0, Top}, Tube, 0, 180);
    arcOn(glass, {0, 0}, 0.36, 180 - glassAngle, 360 + glassAngle);
    glass.closeSubpath();
    m.stroke(glass);

    const auto scale = [&](const QString &name, qreal side) {
        const double from = fromCelsius(name, lo), to = fromCelsius(name, hi);
        const double step = niceStep((to - from) / 5);
        const double first = std::ceil(from / step);
        // At most 20 ticks; beyond 2^53 one more step may be the same double.
        for (double k = first; k * step <= to && k - first < 20 && k + 1 != k; ++k) {
            const qreal y = level(celsiusOf(name, k * step));
            m.line({side * Tube, y}, {side * (Tube + 0.15), y}, FigureStroke::Axis, Qt::black);
            Model::Label tick{QStringLiteral("tick"),
                              numtext::written(k * step),
                              {side * (Tube + 0.15), y},
                              QPointF(side, 0),
                              LabelPx - 3,
                              Qt::darkGray,
                              true};
            m.labels.append(tick);
        }
        m.label(QStringLiteral("scale"), numtext::unitName(unitOf(name)), {side * (Tube + 0.45), Top + 0.2}, Above);
        m.labels.last().optional = true;
    };
    const double value = f.values[0].second, other = f.values[1].second;
    m.line({-Tube - 0.3, at}, {Tube + 0.3, at}, FigureStroke::Measure, MarkColour);
    m.segments.insert(QStringLiteral("level"), QLineF(-Tube - 0.3, at, Tube + 0.3, at));
    m.label(given, numtext::written(value) + u' ' + numtext::unitName(unitOf(given)), {Tube + 0.3, at}, RightOf);
    m.label(result, numtext::written(other) + u' ' + numtext::unitName(unitOf(result)), {-Tube - 0.3, at}, LeftOf);
    scale(given, 1);
    scale(result, -1);
}

// An angle on the unit circle, its cosine along the x axis and its sine up
// from there.
void angle(Model &m, const Figure &f)
{
    const double degrees = f.value(u"degrees");
    double turned = std::isfinite(degrees) ? std::fmod(degrees, 360.0) : 0;
    if (!std::isfinite(degrees))
        m.notToScale();
    else if (turned != degrees)
        m.captions << QStringLiteral("ترسم الزاوية بعد طرح الدورات الكاملة منها");
    const double radians = turned * std::numbers::pi / 180;
    const double cosine = std::cos(radians), sine = std::sin(radians);
    QPainterPath unitCircle;
    unitCircle.addEllipse(QPointF(0, 0), 1, 1);
    m.stroke(unitCircle, FigureStroke::Grid, Qt::darkGray);
    m.line({-1.2, 0}, {1.2, 0}, FigureStroke::Axis, Qt::black);
    m.line({0, -1.2}, {0, 1.2}, FigureStroke::Axis, Qt::black);
    const QPointF p(cosine, sine);
    m.line({0, 0}, p);
    m.stroke(arc({0, 0}, 0.25, 0.25, 0, turned), FigureStroke::Outline, CurveColour);
    m.points.insert(QStringLiteral("point"), p);
    m.dot(p, 0.035, MarkColour);
    const QLineF cosLine(QPointF(0, 0), QPointF(cosine, 0)), sinLine(QPointF(cosine, 0), p);
    m.line(cosLine.p1(), cosLine.p2(), FigureStroke::Measure, CurveColour);
    m.line(sinLine.p1(), sinLine.p2(), FigureStroke::Measure, MarkColour);
    m.segments.insert(QStringLiteral("cos"), cosLine);
    m.segments.insert(QStringLiteral("sin"), sinLine);
    m.label(QStringLiteral("angle"), numtext::written(degrees) + QStringLiteral("°"),
            QPointF(std::cos(radians / 2), std::sin(radians / 2)) * 0.45, Centre);
    m.label(QStringLiteral("cos"), QStringLiteral("جتا ") + rounded(cosine), cosLine.center(),
            sine >= 0 ? Below : Above);
    m.label(QStringLiteral("sin"), QStringLiteral("جا ") + rounded(sine), sinLine.center(),
            cosine >= 0 ? RightOf : LeftOf);
}

const QMap<QString, std::function<void(Model &, const Figure &)>> &kinds()
{
    static const QMap<QString, std::function<void(Model &, const Figure &)>> all{
        {QStringLiteral("circle"), circle},
        {QStringLiteral("sphere"), sphere},
        {QStringLiteral("rectangle"), [](Model &m, const Figure &f) { rectangle(m, f, false); }},
        {QStringLiteral("square"), [](Model &m, const Figure &f) { rectangle(m, f, true); }},
        {QStringLiteral("parallelogram"), parallelogram},
        {QStringLiteral("triangle"), triangle},
        {QStringLiteral("trapezoid"), trapezoid},
        {QStringLiteral("sides"), sides},
        {QStringLiteral("cube"), cube},
        {QStringLiteral("cuboid"), cuboid},
        {QStringLiteral("cylinder"), [](Model &m, const Figure &f) { roundSolid(m, f, false); }},
        {QStringLiteral("cone"), [](Model &m, const Figure &f) { roundSolid(m, f, true); }},
        {QStringLiteral("parabola"), parabola},
        {QStringLiteral("fractions"), fractions},
        {QStringLiteral("temperature"), thermometer},
        {QStringLiteral("angle"), angle},
    };
    return all;
}

QString kindName(const QString &kind)
{
    static const QMap<QString, QString> names{
        {QStringLiteral("circle"), QStringLiteral("دائرة")},
        {QStringLiteral("sphere"), QStringLiteral("كرة")},
        {QStringLiteral("rectangle"), QStringLiteral("مستطيل")},
        {QStringLiteral("square"), QStringLiteral("مربع")},
        {QStringLiteral("parallelogram"), QStringLiteral("متوازي أضلاع")},
        {QStringLiteral("triangle"), QStringLiteral("مثلث")},
        {QStringLiteral("trapezoid"), QStringLiteral("شبه منحرف")},
        {QStringLiteral("sides"), QStringLiteral("مضلع بأضلاعه")},
        {QStringLiteral("cube"), QStringLiteral("مكعب")},
        {QStringLiteral("cuboid"), QStringLiteral("متوازي مستطيلات")},
        {QStringLiteral("cylinder"), QStringLiteral("أسطوانة")},
        {QStringLiteral("cone"), QStringLiteral("مخروط")},
        {QStringLiteral("parabola"), QStringLiteral("منحنى المعادلة على شبكة")},
        {QStringLiteral("fractions"), QStringLiteral("الكسور أشرطة")},
        {QStringLiteral("temperature"), QStringLiteral("ميزان حرارة بتدريجين")},
        {QStringLiteral("angle"), QStringLiteral("الزاوية على دائرة الوحدة")},
    };
    return names.value(kind);
}

// The point of a label's box nearest the shape: its centre moved out along
// the side by half the box and a gap.
QRectF placed(QPointF anchor, QPointF side, QSizeF size)
{
    const qreal length = std::hypot(side.x(), side.y());
    const QPointF unit = length > 0 ? side / length : QPointF();
    // Far enough along the side that the whole box is past the anchor.
    const qreal reach = Gap + (std::fabs(unit.x()) * size.width() + std::fabs(unit.y()) * size.height()) / 2;
    const QPointF centre = anchor + unit * reach;
    return QRectF(centre - QPointF(size.width() / 2, size.height() / 2), size);
}

QRectF inside(QRectF box, const QRectF &room)
{
    box.moveLeft(std::clamp(box.left(), room.left(), std::max(room.left(), room.right() - box.width())));
    box.moveTop(std::clamp(box.top(), room.top(), std::max(room.top(), room.bottom() - box.height())));
    return box;
}

} // namespace

QString notToScaleText() { return QStringLiteral("الشكل ليس بمقياس الرسم"); }

const FigureLabel *FigureLayout::label(const QString &name) const
{
    for (const FigureLabel &l : labels)
        if (l.name == name)
            return &l;
    return nullptr;
}

QString FigureLayout::description() const
{
    if (isEmpty())
        return QString();
    QStringList parts{QStringLiteral("الشكل: ") + kindName(kind)};
    for (const FigureLabel &l : labels)
        if (l.name != u"tick" && l.name != u"scale")
            parts << l.text;
    if (!caption.isEmpty())
        parts << caption;
    return parts.join(QStringLiteral("، "));
}

FigureLayout layOutFigure(const QRectF &area, const Figure &figure, DigitShape shape)
{
    FigureLayout out;
    const auto build = kinds().find(figure.kind);
    if (build == kinds().end())
        return out;
    Model m;
    (*build)(m, figure);
    out.area = area;
    out.kind = figure.kind;
    out.toScale = m.toScale;
    if (!m.toScale)
        m.captions.prepend(notToScaleText());
    out.caption = m.captions.join(QStringLiteral("، "));

    // The caption under everything, made smaller to fit the width.
    qreal bottomRoom = area.bottom();
    if (!out.caption.isEmpty()) {
        out.captionLayout = FormulaLayout::fitted(numtext::shapeDigits(out.caption, shape), formulaFont(CaptionPx),
                                                  area.width() - 4, 8, CaptionColour);
        const qreal h = out.captionLayout.ascent() + out.captionLayout.descent();
        out.captionBox = QRectF(area.center().x() - out.captionLayout.width() / 2, area.bottom() - h,
                                out.captionLayout.width(), h);
        bottomRoom = out.captionBox.top() - 2;
    }

    // The labels laid out, and the room they need around the shape.
    struct Pending {
        Model::Label label;
        FormulaLayout layout;
    };
    std::vector<Pending> pending;
    qreal left = 0, right = 0, top = 0, bottom = 0;
    for (const Model::Label &l : m.labels) {
        FormulaLayout layout(numtext::shapeDigits(l.markup, shape), formulaFont(l.size), l.colour);
        const QSizeF size(layout.width(), layout.ascent() + layout.descent());
        const qreal length = std::hypot(l.side.x(), l.side.y());
        const QPointF unit = length > 0 ? l.side / length : QPointF();
        if (unit.x() > 0.3)
            right = std::max(right, size.width() + Gap);
        if (unit.x() < -0.3)
            left = std::max(left, size.width() + Gap);
        if (unit.y() > 0.3)
            bottom = std::max(bottom, size.height() + Gap);
        if (unit.y() < -0.3)
            top = std::max(top, size.height() + Gap);
        pending.push_back({l, std::move(layout)});
    }
    QRectF room(area.left() + left + 2, area.top() + top + 2, area.width() - left - right - 4,
                bottomRoom - area.top() - top - bottom - 4);
    if (room.width() < 24 || room.height() < 24) {
        const QSizeF least(std::max(room.width(), 24.0), std::max(room.height(), 24.0));
        room = QRectF(area.center() - QPointF(least.width() / 2, least.height() / 2), least);
    }

    // One scale for the whole model, centred in the room.
    QRectF bounds;
    for (const FigureStroke &s : m.strokes)
        bounds = bounds.isNull() ? s.path.boundingRect() : bounds.united(s.path.boundingRect());
    for (const Model::Label &l : m.labels)
        bounds = bounds.united(QRectF(l.anchor, QSizeF(0, 0)));
    const qreal width = std::max(bounds.width(), 1e-9), height = std::max(bounds.height(), 1e-9);
    const qreal scale = std::min(room.width() / width, room.height() / height);
    QTransform toArea;
    toArea.translate(room.center().x(), room.center().y());
    toArea.scale(scale, -scale);
    toArea.translate(-bounds.center().x(), -bounds.center().y());

    for (FigureStroke s : m.strokes) {
        s.path = toArea.map(s.path);
        out.shape = out.shape.isNull() ? s.path.boundingRect() : out.shape.united(s.path.boundingRect());
        out.strokes.append(s);
    }
    for (auto i = m.segments.cbegin(); i != m.segments.cend(); ++i)
        out.segments.insert(i.key(), toArea.map(i.value()));
    for (auto i = m.points.cbegin(); i != m.points.cend(); ++i)
        out.points.insert(i.key(), toArea.map(i.value()));
    out.plot = m.plot * toArea;

    // Each label beside the point it names, inside the area, clear of the
    // labels placed before it and of the caption; one that cannot be is
    // moved on along its side, or, when it may, left out.
    const QRectF labelRoom(area.left(), area.top(), area.width(), bottomRoom - area.top());
    for (Pending &p : pending) {
        const QSizeF size(p.layout.width(), p.layout.ascent() + p.layout.descent());
        const QPointF anchor = toArea.map(p.label.anchor);
        const QPointF side = p.label.side.isNull() ? QPointF() : p.label.side;
        const auto clear = [&](const QRectF &box) {
            return std::none_of(out.labels.cbegin(), out.labels.cend(),
                                [&](const FigureLabel &l) { return l.box.intersects(box); });
        };
        QRectF box = inside(placed(anchor, side, size), labelRoom);
        if (!clear(box)) {
            if (p.label.optional)
                continue;
            // Try further along the side, then across it either way.
            const QPointF across(-side.y(), side.x());
            const QPointF unitAcross = across.isNull() ? QPointF(0, 1) : across;
            bool found = false;
            for (int step = 1; step < 60 && !found; ++step) {
                for (const QPointF &move : {unitAcross * (3.0 * step), unitAcross * (-3.0 * step)}) {
                    const QRectF tried = inside(placed(anchor, side, size).translated(move), labelRoom);
                    if (clear(tried)) {
                        box = tried;
                        found = true;
                        break;
                    }
                }
            }
        }
        FigureLabel label;
        label.name = p.label.name;
        label.markup = p.label.markup;
        label.text = numtext::shapeDigits(plainOf(p.label.markup), shape);
        label.layout = std::move(p.layout);
        label.box = box;
        label.anchor = anchor;
        out.labels.append(std::move(label));
    }
    return out;
}

void paintFigure(QPainter &painter, const FigureLayout &layout)
{
    if (layout.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const FigureStroke::Style order[] = {FigureStroke::Grid,   FigureStroke::Filled,  FigureStroke::Axis,
                                         FigureStroke::Dashed, FigureStroke::Outline, FigureStroke::Measure};
    for (const FigureStroke::Style style : order) {
        for (const FigureStroke &s : layout.strokes) {
            if (s.style != style)
                continue;
            QPen pen(s.colour, 1.6);
            pen.setCapStyle(Qt::RoundCap);
            painter.setBrush(Qt::NoBrush);
            switch (style) {
            case FigureStroke::Grid:
                pen.setWidthF(0.7);
                break;
            case FigureStroke::Axis:
                pen.setWidthF(1.1);
                break;
            case FigureStroke::Dashed:
                pen.setWidthF(1.3);
                pen.setStyle(Qt::DashLine);
                break;
            case FigureStroke::Measure:
                pen.setWidthF(2.2);
                break;
            case FigureStroke::Filled: {
                QColor fill = s.colour;
                fill.setAlphaF(0.55f);
                painter.setBrush(fill);
                pen.setWidthF(0.8);
                break;
            }
            case FigureStroke::Outline:
                break;
            }
            painter.setPen(pen);
            painter.drawPath(s.path);
        }
    }
    // Labels on a pale ground, so that no line crosses their words.
    for (const FigureLabel &l : layout.labels) {
        painter.fillRect(l.box, QColor(255, 255, 255, 210));
        l.layout.paint(painter, QPointF(l.box.left(), l.box.top() + l.layout.ascent()));
    }
    if (!layout.caption.isEmpty())
        layout.captionLayout.paint(painter, QPointF(layout.captionBox.left(),
                                                    layout.captionBox.top() + layout.captionLayout.ascent()));
    painter.restore();
}

void paintFigure(QPainter &painter, const QRectF &area, const Figure &figure, DigitShape shape)
{
    paintFigure(painter, layOutFigure(area, figure, shape));
}

} // namespace reference
