#pragma once
// The typesetter of formulas: a line of markup (typeset/markup.h) laid out
// once, right to left (its runs of mathematics of the 123 digit shape left
// to right), into pieces of text, bars and radicals at their places, which
// can then be measured and painted any number of times.
//
//     const reference::FormulaLayout f(QStringLiteral("[green:نق]^{٢} × ٢"), font);
//     f.boundingRect();                 // the ink, around the baseline's left end
//     f.paint(painter, {x, baseline});  // drawn with the baseline's left end there
//
// The text is shaped when the layout is made; painting only places glyphs.

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace reference {

// One drawn element of a laid-out formula, in pixels (y grows down).
struct Piece {
    enum Kind { Text, FractionBar, Radical, Rule };
    Kind kind = Text;
    QString text;   // the characters of a Text piece
    QFont font;     // its font
    QPointF origin; // the left end of its baseline
    QRectF box;     // the ink it covers: the advance across, the ink up and down
    QColor colour;
    QPainterPath path;       // the stroke of a bar, radical or rule
    int line = -1;           // the line of a picture it belongs to
    bool raised = false;     // a Text piece set as an exponent
    qreal baseSize = 0;      // for a raised piece: the pixel size of the text it is raised over
    QList<QGlyphRun> glyphs; // a Text piece shaped, its baseline's left end at (0, 0)

    void translate(QPointF by);
};

// The face of the formulas, at a pixel size.
QFont formulaFont(qreal pixelSize, bool bold = false);

class FormulaLayout {
public:
    FormulaLayout() = default;
    // Lays out the markup in the font's family, weight and size (a point size
    // is taken at 96 dots per inch), black unless the markup colours it.
    explicit FormulaLayout(const QString &markup, const QFont &font = formulaFont(15),
                           const QColor &colour = Qt::black);

    // The same, made smaller in whole pixels (not below the smallest size)
    // until it is no wider than the room.
    static FormulaLayout fitted(const QString &markup, const QFont &font, qreal room, qreal smallest = 8,
                                const QColor &colour = Qt::black);

    // The advance across, and the height above and below the baseline that
    // the pieces take; the origin is the left end of the baseline.
    qreal width() const { return width_; }
    qreal ascent() const { return ascent_; }
    qreal descent() const { return descent_; }
    // The pixel size the text is set at.
    qreal pixelSize() const { return pixelSize_; }
    // The union of the pieces' boxes.
    QRectF boundingRect() const;
    const QList<Piece> &pieces() const { return pieces_; }

    // Moves every piece (and the origin with them).
    void translate(QPointF by);
    // Marks every piece as belonging to a line of a picture.
    void setLine(int line);

    // Paints the pieces with the origin at the given point.
    void paint(QPainter &painter, QPointF at = QPointF()) const;

private:
    friend struct Setter;
    qreal width_ = 0, ascent_ = 0, descent_ = 0, pixelSize_ = 0;
    QList<Piece> pieces_;
};

// A line of markup in parts no wider than the room (as laid out in the font):
// broken between terms (at spaces outside every bracket, brace and colour),
// the terms taken from the right while they fit, a break before an operator
// or "=" rather than after it; a left-to-right run broken over two parts is
// held on each.
QStringList brokenMarkup(const QString &markup, const QFont &font, qreal room);

// Paints laid-out pieces, each where it stands.
void paintPieces(QPainter &painter, const QList<Piece> &pieces);

} // namespace reference
