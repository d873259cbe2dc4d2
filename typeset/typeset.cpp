#include "typeset/typeset.h"

#include "typeset/markup.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPathStroker>
#include <QTextLayout>
#include <QTransform>

#include <algorithm>

namespace reference {

void Piece::translate(QPointF by)
{
    origin += by;
    box.translate(by);
    path.translate(by);
}

QFont formulaFont(qreal pixelSize, bool bold)
{
    QFont f;
    f.setFamilies({QStringLiteral("Noto Naskh Arabic UI"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(std::max(1, qRound(pixelSize)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

namespace {

using markup::Node;
using markup::Row;

// Every item of the tree becomes a block whose origin is the left end of its
// baseline; a row places its items from right to left, or from left to right
// inside an isolate (the runs of mathematics of the 123 digit shape).
struct Style {
    QFont font;
    qreal px = 15;
    QColor colour = Qt::black;
    bool leftToRight = false;

    QFont fontAt(qreal size) const
    {
        QFont f = font;
        f.setPixelSize(std::max(1, qRound(size)));
        return f;
    }
};

struct Block {
    qreal width = 0, ascent = 0, descent = 0;
    QList<Piece> pieces;

    void shift(QPointF by)
    {
        for (Piece &p : pieces)
            p.translate(by);
    }
    void take(Block &&other, QPointF at)
    {
        other.shift(at);
        pieces += std::move(other.pieces);
    }
};

// The height of the fraction bar above the baseline, in ems: the middle of
// the minus and equals signs beside it.
constexpr qreal MathAxis = 0.3;

// An exponent is set at this part of its base's size and raised by this part
// of it: its digits stay legible and stand clearly above the line.
constexpr qreal ExponentScale = 0.78;
constexpr qreal ExponentRaise = 0.42;

// The text shaped once in its row's direction, with its baseline's left end
// at (0, 0).
QList<QGlyphRun> shape(const QString &text, const QFont &font, bool leftToRight)
{
    QTextLayout layout(text, font);
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(leftToRight ? Qt::LeftToRight : Qt::RightToLeft);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setPosition(QPointF(0, 0));
    layout.endLayout();
    QList<QGlyphRun> runs = layout.glyphRuns();
    for (QGlyphRun &run : runs) {
        QList<QPointF> at = run.positions();
        for (QPointF &p : at)
            p.ry() -= line.ascent();
        run.setPositions(at);
    }
    return runs;
}

Block setRow(const Row &row, const Style &style);

Block setText(const QString &text, const Style &style)
{
    Block b;
    Piece p;
    p.kind = Piece::Text;
    p.text = text;
    p.font = style.fontAt(style.px);
    p.colour = style.colour;
    const QFontMetricsF fm(p.font);
    b.width = fm.horizontalAdvance(text);
    const QRectF ink = fm.tightBoundingRect(text);
    b.ascent = std::max<qreal>(0, -ink.top());
    b.descent = std::max<qreal>(0, ink.bottom());
    p.box = QRectF(0, -b.ascent, b.width, b.ascent + b.descent);
    p.glyphs = shape(text, p.font, style.leftToRight);
    b.pieces.append(p);
    return b;
}

Block setRaised(const Row &row, const Style &style)
{
    Style small = style;
    small.px = std::max<qreal>(8, style.px * ExponentScale);
    Block b = setRow(row, small);
    for (Piece &p : b.pieces) {
        if (p.kind == Piece::Text && !p.raised) {
            p.raised = true;
            p.baseSize = style.fontAt(style.px).pixelSize();
        }
    }
    const qreal raise = style.px * ExponentRaise;
    // A hair of space between the exponent and its base, at its right (at
    // its left in a row set from left to right).
    const qreal gap = style.px * 0.06;
    b.shift(QPointF(style.leftToRight ? gap : 0, -raise));
    b.ascent += raise;
    b.descent = std::max<qreal>(0, b.descent - raise);
    b.width += gap;
    return b;
}

qreal barThickness(const Style &style) { return std::max<qreal>(1, style.px / 16); }

Block setFraction(const Node &fraction, const Style &style)
{
    Style part = style;
    part.px = style.px * 0.9;
    Block top = setRow(fraction.children[0].children, part);
    Block bottom = setRow(fraction.children[1].children, part);
    const qreal pad = style.px * 0.2, gap = style.px * 0.18, thick = barThickness(style);
    const qreal axis = -style.px * MathAxis;
    Block b;
    b.width = std::max(top.width, bottom.width) + 2 * pad;
    const qreal topBaseline = axis - thick / 2 - gap - top.descent;
    const qreal bottomBaseline = axis + thick / 2 + gap + bottom.ascent;
    b.ascent = -(topBaseline - top.ascent);
    b.descent = bottomBaseline + bottom.descent;
    const qreal topWidth = top.width, bottomWidth = bottom.width;
    b.take(std::move(top), QPointF((b.width - topWidth) / 2, topBaseline));
    b.take(std::move(bottom), QPointF((b.width - bottomWidth) / 2, bottomBaseline));
    Piece bar;
    bar.kind = Piece::FractionBar;
    bar.colour = style.colour;
    bar.box = QRectF(pad / 2, axis - thick / 2, b.width - pad, thick);
    bar.path.addRect(bar.box);
    b.pieces.append(bar);
    return b;
}

// The radical opens toward the left, where its body follows in a right-to-left
// line: its hook stands at the right and its bar runs left over the body. In
// a row set from left to right it is the other way round.
Block setRoot(const Row &row, const Style &style)
{
    Block body = setRow(row, style);
    const qreal thick = barThickness(style), pad = style.px * 0.15;
    const qreal sign = style.px * 0.7;
    Block b;
    const qreal bodyWidth = body.width;
    b.width = pad + bodyWidth + pad + sign;
    b.ascent = body.ascent + pad + thick;
    b.descent = body.descent + thick;
    const qreal top = -b.ascent + thick / 2, bottom = b.descent - thick / 2;
    const qreal right = b.width, left = pad + bodyWidth + pad;
    const qreal height = bottom - top;
    QPainterPath stroke;
    stroke.moveTo(right, top + height * 0.62);
    stroke.lineTo(right - sign * 0.2, top + height * 0.52);
    stroke.lineTo(right - sign * 0.45, bottom);
    stroke.lineTo(left, top);
    stroke.lineTo(0, top);
    QPainterPathStroker stroker;
    stroker.setWidth(thick);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setCapStyle(Qt::FlatCap);
    Piece radical;
    radical.kind = Piece::Radical;
    radical.text = QStringLiteral("√");
    radical.colour = style.colour;
    radical.path = stroker.createStroke(stroke);
    if (style.leftToRight)
        radical.path = QTransform(-1, 0, 0, 1, b.width, 0).map(radical.path);
    // The mitred point of the sign may reach a little below its line.
    const QRectF ink = radical.path.boundingRect();
    b.ascent = std::max(b.ascent, -ink.top());
    b.descent = std::max(b.descent, ink.bottom());
    radical.box = QRectF(0, -b.ascent, b.width, b.ascent + b.descent);
    b.take(std::move(body), QPointF(style.leftToRight ? sign + pad : pad, 0));
    b.pieces.append(radical);
    return b;
}

Block setNode(const Node &n, const Style &style)
{
    switch (n.kind) {
    case Node::Text:
        return setText(n.text, style);
    case Node::Group: {
        Style inner = style;
        if (n.colour.isValid())
            inner.colour = n.colour;
        if (n.bold)
            inner.font.setBold(true);
        if (n.leftToRight)
            inner.leftToRight = true;
        return setRow(n.children, inner);
    }
    case Node::Raised:
        return setRaised(n.children, style);
    case Node::Fraction:
        return setFraction(n, style);
    case Node::Root:
        return setRoot(n.children, style);
    }
    return Block();
}

Block setRow(const Row &row, const Style &style)
{
    std::vector<Block> blocks;
    Block b;
    for (const Node &n : row) {
        blocks.push_back(setNode(n, style));
        b.width += blocks.back().width;
        b.ascent = std::max(b.ascent, blocks.back().ascent);
        b.descent = std::max(b.descent, blocks.back().descent);
    }
    qreal left = 0, right = b.width;
    for (Block &item : blocks) {
        const qreal width = item.width;
        if (style.leftToRight) {
            b.take(std::move(item), QPointF(left, 0));
            left += width;
        } else {
            right -= width;
            b.take(std::move(item), QPointF(right, 0));
        }
    }
    return b;
}

qreal pixelSizeOf(const QFont &font)
{
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return font.pointSizeF() * 96 / 72;
}

} // namespace

struct Setter {
    static FormulaLayout set(const Row &row, const QFont &font, qreal px, const QColor &colour)
    {
        Style style{font, px, colour};
        Block b = setRow(row, style);
        FormulaLayout f;
        f.width_ = b.width;
        f.ascent_ = b.ascent;
        f.descent_ = b.descent;
        f.pixelSize_ = style.fontAt(px).pixelSize();
        f.pieces_ = std::move(b.pieces);
        return f;
    }
};

FormulaLayout::FormulaLayout(const QString &markup, const QFont &font, const QColor &colour)
    : FormulaLayout(Setter::set(markup::read(markup), font, pixelSizeOf(font), colour))
{
}

FormulaLayout FormulaLayout::fitted(const QString &markup, const QFont &font, qreal room, qreal smallest,
                                    const QColor &colour)
{
    const Row row = markup::read(markup);
    qreal px = pixelSizeOf(font);
    FormulaLayout f = Setter::set(row, font, px, colour);
    while (f.width() > room && px - 1 >= smallest) {
        px -= 1;
        f = Setter::set(row, font, px, colour);
    }
    return f;
}

QRectF FormulaLayout::boundingRect() const
{
    QRectF r;
    for (const Piece &p : pieces_)
        r = r.united(p.box);
    return r;
}

void FormulaLayout::translate(QPointF by)
{
    for (Piece &p : pieces_)
        p.translate(by);
}

void FormulaLayout::setLine(int line)
{
    for (Piece &p : pieces_)
        p.line = line;
}

void FormulaLayout::paint(QPainter &painter, QPointF at) const
{
    painter.save();
    painter.translate(at);
    paintPieces(painter, pieces_);
    painter.restore();
}

namespace {

// The terms of a line of markup: its parts between spaces that stand outside
// every bracket, brace and colour, so that no break falls inside a fraction,
// a radical, an exponent, a bracketed number or a coloured word.
QStringList termsOf(const QString &markup)
{
    QStringList terms;
    QString term;
    int depth = 0;
    for (QChar c : markup) {
        if (c == u'[' || c == u'{' || c == u'(')
            ++depth;
        else if ((c == u']' || c == u'}' || c == u')') && depth > 0)
            --depth;
        if (c == u' ' && depth == 0) {
            if (!term.isEmpty())
                terms << term;
            term.clear();
            continue;
        }
        term += c;
    }
    if (!term.isEmpty())
        terms << term;
    return terms;
}

bool isOperator(const QString &term)
{
    static const QStringList operators{QStringLiteral("="), QStringLiteral("≈"), QStringLiteral("×"),
                                       QStringLiteral("÷"), QStringLiteral("+"), QStringLiteral("−"),
                                       QStringLiteral("-")};
    return operators.contains(term);
}

// A power of ten ("× ١٠^{٦}") stays with the number before it.
bool powerOfTen(const QString &term) { return term.startsWith(u"١٠^{") || term.startsWith(u"10^{"); }

constexpr char16_t Isolate = u'\u2066';
constexpr char16_t PopIsolate = u'\u2069';

// A left-to-right run broken over lines is held on each of its parts.
void holdIsolates(QStringList &parts)
{
    int open = 0;
    for (QString &part : parts) {
        part.prepend(QString(open, QChar(Isolate)));
        for (QChar c : part) {
            if (c == QChar(Isolate))
                ++open;
            else if (c == QChar(PopIsolate) && open > 0)
                --open;
        }
        part.append(QString(open, QChar(PopIsolate)));
    }
}

} // namespace

QStringList brokenMarkup(const QString &markup, const QFont &font, qreal room)
{
    QStringList terms = termsOf(markup);
    // Glue "×" to the power of ten that follows it.
    for (qsizetype i = 0; i + 1 < terms.size(); ++i) {
        if (terms[i] == u"×" && powerOfTen(terms[i + 1])) {
            terms[i] += u' ' + terms[i + 1];
            terms.removeAt(i + 1);
        }
    }
    QStringList parts;
    QString part;
    for (const QString &term : terms) {
        const QString longer = part.isEmpty() ? term : part + u' ' + term;
        if (part.isEmpty() || FormulaLayout(longer, font).width() <= room) {
            part = longer;
            continue;
        }
        // An operator at the end of a part moves on to open the next one.
        QStringList words = part.split(u' ');
        QString carried;
        if (words.size() > 1 && isOperator(words.last())) {
            carried = words.takeLast();
            part = words.join(u' ');
        }
        parts << part;
        part = carried.isEmpty() ? term : carried + u' ' + term;
    }
    if (!part.isEmpty())
        parts << part;
    holdIsolates(parts);
    return parts;
}

void paintPieces(QPainter &painter, const QList<Piece> &pieces)
{
    for (const Piece &p : pieces) {
        if (p.kind == Piece::Text) {
            painter.setPen(p.colour);
            for (const QGlyphRun &run : p.glyphs)
                painter.drawGlyphRun(p.origin, run);
        } else {
            painter.fillPath(p.path, p.colour);
        }
    }
}

} // namespace reference
