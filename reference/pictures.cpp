#include "reference/pictures.h"

#include "kit/speech.h"
#include "kit/stepswindow.h"
#include "numtext/digits.h"
#include "typeset/markup.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <atomic>
#include <functional>
#include <vector>

namespace reference {

namespace {

constexpr qreal Margin = 10; // left and right
constexpr qreal TopMargin = 12;
constexpr qreal BottomMargin = 10;
constexpr qreal Indent = 26;   // of a continuation line
constexpr qreal TightGap = 4;  // over a line that continues another, between titles
constexpr qreal RuleGap = 7;   // around the footer's rule
constexpr qreal LineGap = 1.1; // between formulas, in ems at most
constexpr qreal Clearance = 5; // between the drawing and any line, and the picture's edge

bool isFooter(Row row) { return row == Row::Footer || row == Row::RuledFooter; }

// A set line: its parts at their horizontal places, baseline at 0.
struct SetLine {
    Row row;
    qreal ascent = 0, descent = 0;
    QList<Piece> pieces;
};

SetLine setLine(const FormulaLine &line, const PictureDesign &d, int index)
{
    const qreal px = line.row == Row::Title ? d.titlePx : d.px;
    const qreal full = PictureWidth - 2 * Margin, half = full / 2 - Margin / 2;
    SetLine set;
    set.row = line.row;
    // Lines of little ink still take a whole line's height.
    set.ascent = px * 0.75;
    set.descent = px * 0.3;
    auto place = [&](const char *markup, qreal room, const std::function<qreal(qreal)> &leftFor, qreal size = 0) {
        if (!markup || !*markup)
            return;
        FormulaLayout f = FormulaLayout::fitted(numtext::shownDigits(QString::fromUtf8(markup)),
                                                formulaFont(size > 0 ? size : px), room);
        set.ascent = std::max(set.ascent, f.ascent());
        set.descent = std::max(set.descent, f.descent());
        f.translate(QPointF(leftFor(f.width()), 0));
        f.setLine(index);
        set.pieces += f.pieces();
    };
    const qreal right = PictureWidth - Margin;
    auto centred = [](qreal w) { return (PictureWidth - w) / 2; };
    switch (line.row) {
    case Row::Title:
    case Row::Centred:
        place(line.first, full, centred);
        break;
    case Row::Display:
        place(line.first, full, centred, std::max(d.displayPx, px));
        break;
    case Row::Formula:
        place(line.first, full, [&](qreal w) { return right - w; });
        break;
    case Row::Continuation:
        place(line.first, full - Indent, [&](qreal w) { return right - Indent - w; });
        break;
    case Row::Columns:
        place(line.first, half, [&](qreal w) { return right - w; });
        place(line.second, half, [&](qreal w) { return right - half - Margin - w; });
        break;
    case Row::Footer:
    case Row::RuledFooter:
        place(line.first, half, [&](qreal w) { return right - w; });
        place(line.second, half, [](qreal) { return Margin; });
        break;
    }
    return set;
}

void lower(QList<Piece> &pieces, qreal baseline)
{
    for (Piece &p : pieces)
        p.translate(QPointF(0, baseline));
}

QList<Piece> setLines(const PictureDesign &d, qreal height)
{
    std::vector<SetLine> body, footer;
    for (std::size_t i = 0; i < d.lines.size(); ++i)
        (isFooter(d.lines[i].row) ? footer : body).push_back(setLine(d.lines[i], d, static_cast<int>(i)));

    QList<Piece> pieces;
    qreal bottom = height - BottomMargin;
    for (SetLine &line : footer) {
        const qreal baseline = bottom - line.descent;
        lower(line.pieces, baseline);
        pieces += line.pieces;
        if (line.row == Row::RuledFooter) {
            Piece rule;
            rule.kind = Piece::Rule;
            rule.colour = Qt::black;
            rule.box = QRectF(Margin, baseline - line.ascent - RuleGap - 1, PictureWidth - 2 * Margin, 1);
            rule.path.addRect(rule.box);
            rule.line = line.pieces.isEmpty() ? -1 : line.pieces.first().line;
            pieces.append(rule);
            bottom = rule.box.top();
        } else {
            bottom = baseline - line.ascent;
        }
        bottom -= RuleGap;
    }

    // The titles stand at the top and the formulas under them, a comfortable
    // reading distance apart (closer where the room is short); the room left
    // above the footer is the drawing's.
    auto tight = [&](std::size_t i) { return body[i].row == Row::Continuation; };
    auto place = [&](SetLine &line, qreal &y) {
        lower(line.pieces, y + line.ascent);
        pieces += line.pieces;
        y += line.ascent + line.descent;
    };
    qreal y = TopMargin;
    std::size_t first = 0;
    for (; first < body.size() && body[first].row == Row::Title; ++first) {
        if (first > 0)
            y += TightGap;
        place(body[first], y);
    }
    qreal inked = 0, fixed = 0;
    int spaces = first > 0 ? 1 : 0;
    for (std::size_t i = first; i < body.size(); ++i) {
        inked += body[i].ascent + body[i].descent;
        if (i > first && tight(i))
            fixed += TightGap;
        else if (i > first)
            ++spaces;
    }
    const qreal free = bottom - y - inked - fixed;
    const qreal gap = spaces > 0 ? std::clamp(free / spaces, qreal(0), d.px * LineGap) : 0;
    y += first > 0 ? gap : 0;
    for (std::size_t i = first; i < body.size(); ++i) {
        if (i > first)
            y += tight(i) ? TightGap : gap;
        place(body[i], y);
    }
    return pieces;
}

QList<QRectF> boxesOfLines(const QList<Piece> &pieces)
{
    QList<QRectF> boxes;
    QList<int> lines;
    for (const Piece &p : pieces) {
        const qsizetype at = lines.indexOf(p.line);
        if (at < 0) {
            lines.append(p.line);
            boxes.append(p.box);
        } else {
            boxes[at] = boxes[at].united(p.box);
        }
    }
    return boxes;
}

// The largest square inside the area that keeps its clearance from every
// box: among the rectangles whose sides lie on the area's edges or the boxes'
// edges, the one that holds the largest square (then the largest area), with
// the square in its middle.
QRectF freeSquare(const QRectF &area, const QList<QRectF> &boxes)
{
    QList<QRectF> kept;
    std::vector<qreal> xs{area.left(), area.right()}, ys{area.top(), area.bottom()};
    for (const QRectF &b : boxes) {
        const QRectF k = b.adjusted(-Clearance, -Clearance, Clearance, Clearance).intersected(area);
        if (k.isEmpty())
            continue;
        kept.append(k);
        xs.insert(xs.end(), {k.left(), k.right()});
        ys.insert(ys.end(), {k.top(), k.bottom()});
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    auto isFree = [&](const QRectF &r) {
        return std::none_of(kept.begin(), kept.end(), [&](const QRectF &k) {
            return k.left() < r.right() && r.left() < k.right() && k.top() < r.bottom() && r.top() < k.bottom();
        });
    };
    QRectF best;
    qreal bestSide = 0, bestArea = 0;
    for (std::size_t a = 0; a < xs.size(); ++a) {
        for (std::size_t b = a + 1; b < xs.size(); ++b) {
            const qreal w = xs[b] - xs[a];
            if (w <= bestSide)
                continue;
            for (std::size_t c = 0; c < ys.size(); ++c) {
                for (std::size_t e = c + 1; e < ys.size(); ++e) {
                    const qreal h = ys[e] - ys[c];
                    const qreal side = std::min(w, h);
                    if (side < bestSide || (side == bestSide && w * h <= bestArea))
                        continue;
                    const QRectF r(xs[a], ys[c], w, h);
                    if (!isFree(r))
                        break; // a taller rectangle from the same top is not free either
                    best = r, bestSide = side, bestArea = w * h;
                }
            }
        }
    }
    if (bestSide <= 0)
        return QRectF();
    return QRectF(best.center().x() - bestSide / 2, best.center().y() - bestSide / 2, bestSide, bestSide);
}

std::atomic<quint64> layoutsMade{0};

} // namespace

// ---------------------------------------------------------------------------

int pictureHeight(Picture picture) { return design(picture).height; }

PictureLayout::PictureLayout(Picture picture, qreal height)
    : picture_(picture), height_(std::min<qreal>(height, design(picture).height)), serial_(++layoutsMade)
{
    const PictureDesign &d = design(picture);
    pieces_ = setLines(d, height_);
    const QRectF area = QRectF(0, 0, PictureWidth, height_).adjusted(Clearance, Clearance, -Clearance, -Clearance);
    drawingSquare_ = freeSquare(area, lineBoxes());
    // The drawing is no larger than it was when it stood behind the text.
    const qreal largest = std::min<qreal>(PictureWidth, height_) * 0.86;
    if (drawingSquare_.width() > largest) {
        const QPointF centre = drawingSquare_.center();
        drawingSquare_ = QRectF(centre.x() - largest / 2, centre.y() - largest / 2, largest, largest);
    }
}

quint64 PictureLayout::made() { return layoutsMade; }

QList<QRectF> PictureLayout::lineBoxes() const { return boxesOfLines(pieces_); }

void PictureLayout::paintDrawing(QPainter &painter) const
{
    if (!drawingSquare_.isEmpty())
        drawFaded(painter, design(picture_).drawing, drawingSquare_);
}

void PictureLayout::paint(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, PictureWidth, height_), Qt::white);
    paintDrawing(painter);
    paintPieces(painter, pieces_);
    painter.restore();
}

QStringList lines(Picture picture)
{
    QStringList out;
    for (const FormulaLine &line : design(picture).lines) {
        for (const char *part : {line.first, line.second}) {
            if (part && *part)
                out << markup::plainText(markup::read(numtext::shownDigits(QString::fromUtf8(part))));
        }
    }
    return out;
}

QStringList spokenLines(Picture picture)
{
    QStringList out;
    for (const FormulaLine &line : design(picture).lines) {
        for (const char *part : {line.first, line.second}) {
            if (part && *part)
                out << spokenStepLine(QString::fromUtf8(part), numtext::digitShape());
        }
    }
    return out;
}

// ---------------------------------------------------------------------------

PictureBox::PictureBox(QWidget *parent, const char *name, const QRect &at, Picture picture)
    : QFrame(parent), picture_(picture)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(at);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    // A screen reader walks the formulas line by line, with the words of
    // the worked steps; the picture is a Tab stop for it.
    app::setSpokenLines(this, spokenLines(picture));
    setAccessibleName(QStringLiteral("القوانين"));
    setFocusPolicy(Qt::StrongFocus);
    // The digits take the shape the pupil chooses: the picture is set again.
    connect(&numtext::DigitChoice::instance(), &numtext::DigitChoice::changed, this, [this] {
        layout_.reset();
        app::setSpokenLines(this, spokenLines(picture_));
        update();
    });
}

QSizeF PictureBox::shownSize() const
{
    const QRect inner = contentsRect();
    return QSizeF(std::min(inner.width(), PictureWidth), std::min(inner.height(), pictureHeight(picture_)));
}

const PictureLayout &PictureBox::layout() const
{
    if (!layout_)
        layout_.emplace(picture_, shownSize().height());
    return *layout_;
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    if (layout_ && layout_->height() != shownSize().height())
        layout_.reset();
}

void PictureBox::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        layout_.reset();
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier && app::moveAlongLines(this, event->key())) {
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect inner = contentsRect();
    p.fillRect(inner, Qt::white);
    drawFrame(&p);
    p.setClipRect(inner);
    p.translate(inner.topLeft());
    layout().paint(p);
}

} // namespace reference
