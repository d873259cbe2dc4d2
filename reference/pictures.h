#pragma once
// The formula pictures of the laws windows: Arabic formulas set right to left
// on white, with one faded drawing in the room the text leaves free. Every
// picture is a short list of lines (reference/picturemarkup.h) set by the
// typesetter (typeset/typeset.h) and drawn as vectors, so it stays crisp at
// any scale and pixel density and costs nothing until a laws window is first
// shown. A picture box lays its picture out once and keeps the layout until
// its size or font or the digit shape (numtext/digits.h) changes.

#include "reference/picturemarkup.h"
#include "typeset/typeset.h"

#include <QFrame>
#include <QList>
#include <QRectF>
#include <QStringList>

#include <optional>

class QPainter;

namespace reference {

// Every picture is 300 pixels wide; its height is 300 or 400 pixels.
constexpr int PictureWidth = 300;
int pictureHeight(Picture picture);

// A picture laid out in a 300-pixel-wide area of a height (at most the
// picture's own): the lines spread over the area from top to bottom, a line
// too wide for its place is set smaller, and the drawing takes the largest
// square that no line covers. The digits are in the shape chosen when the
// layout is made.
class PictureLayout {
public:
    PictureLayout(Picture picture, qreal height);

    Picture picture() const { return picture_; }
    qreal height() const { return height_; }
    const QList<Piece> &pieces() const { return pieces_; }
    // The ink of every line, one box for each line of the picture that shows.
    QList<QRectF> lineBoxes() const;
    // The square the faded drawing fills; empty when no room is left for it.
    QRectF drawingSquare() const { return drawingSquare_; }
    // Tells layouts apart: every layout made gets a number of its own.
    quint64 serial() const { return serial_; }
    // How many picture layouts have been made so far.
    static quint64 made();

    // White background, drawing and lines, the top left corner at the
    // painter's origin.
    void paint(QPainter &painter) const;
    void paintDrawing(QPainter &painter) const;

private:
    Picture picture_;
    qreal height_;
    QList<Piece> pieces_;
    QRectF drawingSquare_;
    quint64 serial_;
};

// The lines of a picture as plain text, digits in the shape chosen now (a raised digit follows its base, a
// stacked fraction reads "(top) / (bottom)", a radical "√(…)"), for screen
// readers and for finding a line.
QStringList lines(Picture picture);

// The lines of a picture as heard (the words of the worked steps), digits
// in the shape chosen now.
QStringList spokenLines(Picture picture);

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
    // The picture laid out for what the box shows; made when first needed and
    // kept until the box's size or font or the digit shape changes.
    const PictureLayout &layout() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Up, Down, Home and End walk the formulas for a screen reader.
    void keyPressEvent(QKeyEvent *event) override;

private:
    Picture picture_;
    mutable std::optional<PictureLayout> layout_;
};

} // namespace reference
