#pragma once
// The faded drawings of the formula pictures, hand-placed vector shapes that
// each fill the square they are given.

class QPainter;
class QRectF;

namespace reference {

enum class Drawing { BooksAndPencil, OpenBookWithGlasses, Cup, BookAndPencil, Globe, Marks, Books, CakeSlice };

// Draws the drawing faded into the square.
void drawFaded(QPainter &painter, Drawing drawing, const QRectF &square);

} // namespace reference
