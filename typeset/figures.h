#pragma once
// Pictures of the pupil's own problem: the figure a calculation worked on
// (numtext/figure.h) drawn with its numbers, in vector strokes and text
// that any paint device takes (a widget, an image, a PDF page).
//
//     const reference::FigureLayout f = reference::layOutFigure(area, steps.figure(), shape);
//     reference::paintFigure(painter, f);
//
// Lengths are drawn to scale: one scale for every length of a figure, so
// that the drawn sides keep the ratios of the given ones. Where that cannot
// be (a zero, a negative or an endless length, lengths so unequal that one
// would vanish, sides that close no triangle) the figure is drawn in
// readable proportions and its caption says that it is not to scale; its
// labels always give the numbers as the calculation read them. Solids are
// drawn in an oblique view: the front face to scale, the edges going back
// at 45° and half their length.

#include "numtext/digits.h"
#include "numtext/figure.h"
#include "typeset/typeset.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QTransform>

class QPainter;

namespace reference {

// A line of the drawing.
struct FigureStroke {
    enum Style {
        Outline, // the shape's own edges
        Dashed,  // a height, an axis of symmetry, a hidden edge
        Grid,    // the squares behind a graph
        Axis,    // the axes of a graph
        Measure, // a radius, a diameter, a sine or a cosine
        Filled,  // a part shaded (a fraction's parts, the thermometer's liquid)
    };
    QPainterPath path;
    Style style = Outline;
    QColor colour = Qt::black;
};

// A label of the drawing: its text laid out and the box it stands in.
struct FigureLabel {
    QString name;   // what it names: "r", "length", "x1", "vertex", ...
    QString text;   // as read, plain ("نق = ٣ وحدة طول")
    QString markup; // as set (a fraction stacked)
    FormulaLayout layout;
    QRectF box;     // the box it takes, in the area's coordinates
    QPointF anchor; // the point of the shape it names
};

struct FigureLayout {
    QRectF area;
    QString kind;
    QList<FigureStroke> strokes;
    QList<FigureLabel> labels;
    // The drawn shape's bounds (without its labels and caption).
    QRectF shape;
    // Named parts of the shape, in the area's coordinates: the ends of each
    // drawn length ("length", "width", "h", "r", "d", "s1" ...), and the
    // marked points of a graph ("x1", "x2", "vertex").
    QMap<QString, QLineF> segments;
    QMap<QString, QPointF> points;
    // For a graph: from its numbers (x, y) to the area's coordinates.
    QTransform plot;
    // Whether every length is drawn to scale; when not, the caption says so.
    bool toScale = true;
    QString caption;
    FormulaLayout captionLayout;
    QRectF captionBox;

    bool isEmpty() const { return kind.isEmpty(); }
    const FigureLabel *label(const QString &name) const;
    // The figure in words for a screen reader: what it shows, its labels and
    // its caption.
    QString description() const;
};

// The caption of a figure that is not to scale.
QString notToScaleText();

// The figure laid out within the area, its digits in the shape; an empty
// layout for an empty figure or one of a kind not known.
FigureLayout layOutFigure(const QRectF &area, const numtext::Figure &figure, numtext::DigitShape shape);

// Paints a laid-out figure, and lays out and paints a figure at once.
void paintFigure(QPainter &painter, const FigureLayout &layout);
void paintFigure(QPainter &painter, const QRectF &area, const numtext::Figure &figure, numtext::DigitShape shape);

} // namespace reference
