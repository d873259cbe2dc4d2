#pragma once
// The formula pictures of the laws windows: Arabic formulas set right to left
// on white, over one large faded drawing. Every picture is a short list of
// lines written in a small markup and is drawn as vectors when it is painted,
// so it stays crisp at any scale and pixel density and costs nothing until a
// laws window is first shown.
//
// The markup of a line:
//   text                 drawn as it is, right to left, in the line's colour
//   [colour:...]         the enclosed markup in a colour (an SVG colour name);
//                        the word "bold" may join the colour: [darkblue bold:...]
//   ^{...}               a small raised exponent after its base
//   \frac{...}{...}      a stacked fraction, numerator over denominator
//   \sqrt{...}           a radical sign with its bar over the enclosed markup
// Arabic-Indic digits with the comma as decimal separator (٣,١٤) and one-line
// fractions (١/٢) are plain text.

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace reference {

enum class Picture {
    Areas,            // areas of plane figures and solids, over books and a pencil
    Perimeters,       // perimeters, over an open book with glasses
    Temperature,      // temperature scales, over a cup
    Angles,           // degrees and radians, over a book and a pencil
    Volumes,          // volumes, over a globe with floating islands
    QuadraticFormula, // the roots of a quadratic, over a question and an exclamation mark
    GeneralForm,      // the general form of a quadratic, over books
    Trigonometry,     // the trigonometric functions, over a slice of cake
};

// Every picture is 300 pixels wide; its height is 300 or 400 pixels.
constexpr int PictureWidth = 300;
int pictureHeight(Picture picture);

// One drawn element of a laid-out picture, in picture pixels (y grows down).
struct Piece {
    enum Kind { Text, FractionBar, Radical, Rule };
    Kind kind = Text;
    QString text;       // the characters of a Text piece
    QFont font;         // its font
    QPointF origin;     // the left end of its baseline
    QRectF box;         // the ink it covers: the advance across, the ink up and down
    QColor colour;
    QPainterPath path;  // the stroke of a bar, radical or rule
    int line = -1;      // the line of the picture it belongs to
};

// Lays out a picture in a 300-pixel-wide area of the given height (at most
// the picture's own): the lines spread over the area from top to bottom, a
// line too wide for its place is set smaller.
QList<Piece> layOut(Picture picture, qreal height);

// Lays out one line of markup with the right end of its baseline at the origin.
QList<Piece> layOutMarkup(const QString &markup, qreal pixelSize = 15);

// Draws a picture (white background, faded drawing, lines) into the given
// height, its top left corner at the painter's origin.
void paint(QPainter &painter, Picture picture, qreal height);

// The lines of a picture as plain text (a raised digit follows its base, a
// stacked fraction reads "(top) / (bottom)", a radical "√(…)"), for screen
// readers and for finding a line.
QStringList lines(Picture picture);

// A picture box: shows its picture from the top left corner of its inner
// area, on white, clipped by the box.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    PictureBox(QWidget *parent, const char *name, const QRect &at, Picture picture);
    Picture picture() const { return picture_; }
    // The part of the picture the box shows: 300 pixels wide at most, as high
    // as the picture or the box's inner area, whichever is less.
    QSizeF shownSize() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Picture picture_;
};

} // namespace reference
