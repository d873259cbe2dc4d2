#include "reference/pictures.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <vector>

namespace reference {

namespace {

// ---------------------------------------------------------------------------
// The markup, read into a small tree.

struct Node {
    enum Kind { Text, Group, Raised, Fraction, Root };
    Kind kind = Text;
    QString text;               // Text
    QColor colour;              // Group: its colour, when it names one
    bool bold = false;          // Group
    std::vector<Node> children; // Group, Raised, Root: a row; Fraction: top and bottom groups
};

class MarkupReader {
public:
    explicit MarkupReader(const QString &markup) : s_(markup) {}

    std::vector<Node> read()
    {
        std::vector<Node> row = readRow(QChar());
        // Whatever could not be read stays visible as it is written.
        if (i_ < s_.size())
            row.push_back(text(s_.mid(i_)));
        return row;
    }

private:
    static Node text(const QString &t)
    {
        Node n;
        n.text = t;
        return n;
    }
    static bool special(QChar c)
    {
        return c == u'[' || c == u']' || c == u'{' || c == u'}' || c == u'^' || c == u'\\';
    }
    bool at(QChar c) const { return i_ < s_.size() && s_[i_] == c; }
    bool take(QChar c)
    {
        if (!at(c))
            return false;
        ++i_;
        return true;
    }

    // A row of items up to (not including) the closing character.
    std::vector<Node> readRow(QChar closer)
    {
        std::vector<Node> row;
        QString plain;
        auto flush = [&] {
            if (!plain.isEmpty())
                row.push_back(text(plain));
            plain.clear();
        };
        while (i_ < s_.size() && s_[i_] != closer) {
            const QChar c = s_[i_];
            if (!special(c)) {
                plain += c;
                ++i_;
                continue;
            }
            flush();
            const qsizetype start = i_;
            if (!readItem(row)) {
                // Not markup after all: the characters stay as text.
                i_ = start + 1;
                row.push_back(text(s_.mid(start, 1)));
            }
        }
        flush();
        return row;
    }

    // A braced row: "{...}".
    bool readBraced(Node &group)
    {
        if (!take(u'{'))
            return false;
        group.kind = Node::Group;
        group.children = readRow(u'}');
        return take(u'}');
    }

    bool readItem(std::vector<Node> &row)
    {
        Node n;
        if (take(u'[')) {
            const qsizetype colon = s_.indexOf(u':', i_);
            const qsizetype close = s_.indexOf(u']', i_);
            if (colon < 0 || (close >= 0 && close < colon))
                return false;
            for (const QString &word : s_.mid(i_, colon - i_).split(u' ', Qt::SkipEmptyParts)) {
                if (word == u"bold")
                    n.bold = true;
                else if (const QColor colour = QColor::fromString(word); colour.isValid())
                    n.colour = colour;
                else
                    return false;
            }
            i_ = colon + 1;
            n.kind = Node::Group;
            n.children = readRow(u']');
            if (!take(u']'))
                return false;
        } else if (take(u'^')) {
            Node group;
            if (!readBraced(group))
                return false;
            n.kind = Node::Raised;
            n.children = std::move(group.children);
        } else if (take(u'\\')) {
            qsizetype end = i_;
            while (end < s_.size() && s_[end].isLetter() && s_[end].unicode() < 128)
                ++end;
            const QString command = s_.mid(i_, end - i_);
            i_ = end;
            if (command == u"frac") {
                Node top, bottom;
                if (!readBraced(top) || !readBraced(bottom))
                    return false;
                n.kind = Node::Fraction;
                n.children = {std::move(top), std::move(bottom)};
            } else if (command == u"sqrt") {
                Node body;
                if (!readBraced(body))
                    return false;
                n.kind = Node::Root;
                n.children = std::move(body.children);
            } else {
                return false;
            }
        } else {
            return false;
        }
        row.push_back(std::move(n));
        return true;
    }

    QString s_;
    qsizetype i_ = 0;
};

QString plainRow(const std::vector<Node> &row);

QString plainNode(const Node &n)
{
    switch (n.kind) {
    case Node::Text:
        return n.text;
    case Node::Group:
    case Node::Raised:
        return plainRow(n.children);
    case Node::Fraction:
        return QStringLiteral("(%1) / (%2)").arg(plainRow(n.children[0].children), plainRow(n.children[1].children));
    case Node::Root:
        return QStringLiteral("√(%1)").arg(plainRow(n.children));
    }
    return QString();
}

QString plainRow(const std::vector<Node> &row)
{
    QString s;
    for (const Node &n : row)
        s += plainNode(n);
    return s;
}

// ---------------------------------------------------------------------------
// Setting the tree: every item becomes a block whose origin is the left end
// of its baseline; a row places its items from right to left.

struct Style {
    qreal px = 15;
    bool bold = false;
    QColor colour = Qt::black;
};

struct Block {
    qreal width = 0, ascent = 0, descent = 0;
    QList<Piece> pieces;

    void shift(QPointF by)
    {
        for (Piece &p : pieces) {
            p.origin += by;
            p.box.translate(by);
            p.path.translate(by);
        }
    }
    void take(Block &&other, QPointF at)
    {
        other.shift(at);
        pieces += std::move(other.pieces);
    }
};

QFont pictureFont(qreal px, bool bold)
{
    QFont f(QStringLiteral("Noto Naskh Arabic UI"));
    f.setPixelSize(std::max(1, qRound(px)));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// The height of the fraction bar above the baseline, in ems: the middle of
// the minus and equals signs beside it.
constexpr qreal MathAxis = 0.3;

Block setRow(const std::vector<Node> &row, const Style &style);

Block setText(const QString &text, const Style &style)
{
    Block b;
    Piece p;
    p.kind = Piece::Text;
    p.text = text;
    p.font = pictureFont(style.px, style.bold);
    p.colour = style.colour;
    const QFontMetricsF fm(p.font);
    b.width = fm.horizontalAdvance(text);
    const QRectF ink = fm.tightBoundingRect(text);
    b.ascent = std::max<qreal>(0, -ink.top());
    b.descent = std::max<qreal>(0, ink.bottom());
    p.box = QRectF(0, -b.ascent, b.width, b.ascent + b.descent);
    b.pieces.append(p);
    return b;
}

Block setRaised(const std::vector<Node> &row, const Style &style)
{
    Style small = style;
    small.px = std::max<qreal>(8, style.px * 0.62);
    Block b = setRow(row, small);
    const qreal raise = style.px * 0.42;
    // A hair of space between the exponent and its base at its right.
    const qreal gap = style.px * 0.06;
    b.shift(QPointF(0, -raise));
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
// line: its hook stands at the right and its bar runs left over the body.
Block setRoot(const std::vector<Node> &row, const Style &style)
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
    radical.box = QRectF(0, -b.ascent, b.width, b.ascent + b.descent);
    b.take(std::move(body), QPointF(pad, 0));
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
        inner.bold = inner.bold || n.bold;
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

Block setRow(const std::vector<Node> &row, const Style &style)
{
    std::vector<Block> blocks;
    Block b;
    for (const Node &n : row) {
        blocks.push_back(setNode(n, style));
        b.width += blocks.back().width;
        b.ascent = std::max(b.ascent, blocks.back().ascent);
        b.descent = std::max(b.descent, blocks.back().descent);
    }
    qreal right = b.width;
    for (Block &item : blocks) {
        right -= item.width;
        b.take(std::move(item), QPointF(right, 0));
    }
    return b;
}

// Sets a line of markup, smaller when it is wider than the room it has.
Block setFitted(const QString &markup, Style style, qreal room)
{
    const std::vector<Node> row = MarkupReader(markup).read();
    Block b = setRow(row, style);
    while (b.width > room && style.px > 8) {
        style.px -= 1;
        b = setRow(row, style);
    }
    return b;
}

// ---------------------------------------------------------------------------
// The pictures.

enum class Row {
    Title,        // centred, larger
    Formula,      // at the right
    Continuation, // the rest of the line above, indented and close under it
    Columns,      // two formulas side by side, the first at the right
    Centred,      // one formula in the middle
    Footer,       // at the bottom: the first part at the right, the second at the left
    RuledFooter,  // the same, under a horizontal rule
};

struct Line {
    Row row;
    const char *first;
    const char *second = nullptr;
};

enum class Drawing { BooksAndPencil, OpenBookWithGlasses, Cup, BookAndPencil, Globe, Marks, Books, CakeSlice };

struct Design {
    int height;
    Drawing drawing;
    qreal px;      // formulas
    qreal titlePx; // titles
    std::vector<Line> lines;
};

// ط is red and نق green wherever they stand; the names of the quantities are blue.
const Design &design(Picture picture)
{
    static const std::vector<Design> designs = [] {
        const Line radiusAndPi{Row::RuledFooter, "[green:نق = نصف القطر]", "[red:ط = ٣,١٤]"};
        std::vector<Design> d(8);
        d[int(Picture::Areas)] = {400, Drawing::BooksAndPencil, 15, 17, {
            {Row::Formula, "[blue:مساحة المثلث] = ١/٢ × القاعدة × الارتفاع"},
            {Row::Formula, "[blue:مساحة المربع والمستطيل] = الطول × العرض"},
            {Row::Formula, "[blue:مساحة متوازي الأضلاع] = القاعدة × الارتفاع"},
            {Row::Formula, "[blue:مساحة شبه منحرف]"},
            {Row::Continuation, "= ١/٢ × الارتفاع × (مجموع القاعدتين)"},
            {Row::Formula, "[blue:مساحة المكعب] = (طول الحرف)^{٢} × ٦"},
            {Row::Formula, "[blue:مساحة الدائرة] = [red:ط] × [green:نق]^{٢}"},
            {Row::Formula, "[blue:المساحة السطحية للكرة] = ٤ × [red:ط] × [green:نق]^{٢}"},
            radiusAndPi,
        }};
        d[int(Picture::Perimeters)] = {300, Drawing::OpenBookWithGlasses, 15, 17, {
            {Row::Formula, "[blue:محيط المربع] = ٤ × طول ضلع واحد"},
            {Row::Formula, "[blue:محيط المستطيل] = ٢ × (الطول + العرض)"},
            {Row::Formula, "[blue:محيط المثلث] = (مجموع أطوال أضلاعه)"},
            {Row::Formula, "[blue:محيط شبه منحرف] = (مجموع أطوال أضلاعه)"},
            {Row::Formula, "[blue:محيط متوازي الأضلاع] = (مجموع أطوال أضلاعه)"},
            {Row::Formula, "[blue:محيط الدائرة] = ٢ × [red:ط] × [green:نق]"},
            radiusAndPi,
        }};
        // Celsius blue, Kelvin green, Fahrenheit dark red.
        d[int(Picture::Temperature)] = {300, Drawing::Cup, 15, 17, {
            {Row::Formula, "[blue:الدرجة المئوية] = [green:الكالفن] − ٢٧٣"},
            {Row::Formula, "[green:الكالفن] = [blue:الدرجة المئوية] + ٢٧٣"},
            {Row::Formula, "[darkred:فهرنهايت] = (١,٨ × [blue:الدرجة المئوية]) + ٣٢"},
            {Row::Formula, "[blue:الدرجة المئوية] = \\frac{[darkred:فهرنهايت] − ٣٢}{١,٨}"},
        }};
        // Radians green, degrees blue.
        d[int(Picture::Angles)] = {300, Drawing::BookAndPencil, 16, 17, {
            {Row::Formula, "[green:التقدير الدائري] = \\frac{[red:ط] × [blue:التقدير الستيني]}{١٨٠}"},
            {Row::Formula, "[blue:التقدير الستيني] = \\frac{[green:التقدير الدائري] × ١٨٠}{[red:ط]}"},
            {Row::Footer, "", "[red:ط = ٣,١٤]"},
        }};
        d[int(Picture::Volumes)] = {400, Drawing::Globe, 15, 17, {
            {Row::Formula, "[blue:حجم المكعب] = (طول الحرف)^{٣}"},
            {Row::Formula, "[blue:حجم متوازي المستطيلات]"},
            {Row::Continuation, "= (طول القاعدة × عرض القاعدة) × الارتفاع"},
            // The cube of the radius, as the volumes window computes it.
            {Row::Formula, "[blue:حجم الكرة] = ٤/٣ × [red:ط] × [green:نق]^{٣}"},
            {Row::Formula, "[blue:حجم المخروط] = ١/٣ × [red:ط] × [green:نق]^{٢} × الارتفاع"},
            {Row::Formula, "[blue:حجم الاسطوانة] = [red:ط] × [green:نق]^{٢} × الارتفاع"},
            radiusAndPi,
        }};
        // x magenta, a blue, b green, c red.
        d[int(Picture::QuadraticFormula)] = {300, Drawing::Marks, 19, 22, {
            {Row::Title, "[darkblue:قانون المميز]"},
            {Row::Centred, "[magenta:س] = \\frac{−[green:ب] ± \\sqrt{[green:ب]^{٢} − ٤ × [blue:أ] × [red:جـ]}}"
                           "{٢ × [blue:أ]}"},
        }};
        d[int(Picture::GeneralForm)] = {300, Drawing::Books, 17, 19, {
            {Row::Title, "[darkblue bold:الصيغة العامة لمعادلة]"},
            {Row::Title, "[darkblue bold:من الدرجة الثانية]"},
            {Row::Centred, "أس^{٢} + ب س + جـ = ٠"},
            {Row::Formula, "حيث :-"},
            {Row::Columns, "أ : معامل س^{٢}", "ب : معامل س"},
            {Row::Formula, "جـ : عدد ثابت"},
        }};
        d[int(Picture::Trigonometry)] = {300, Drawing::CakeSlice, 17, 19, {
            {Row::Title, "[darkblue:قوانين الدوال المثلثية]"},
            {Row::Columns, "[green:جا = ١ / قتا]", "[green:جتا = ١ / قا]"},
            {Row::Columns, "[purple:ظا = جا / جتا]", "[purple:ظتا = ١ / ظا]"},
            {Row::Columns, "[darkred:قا = ١ / جتا]", "[darkred:قتا = ١ / جا]"},
            {Row::Centred, "[blue:جتا^{٢} + جا^{٢} = ١]"},
        }};
        return d;
    }();
    return designs[std::size_t(picture)];
}

constexpr qreal Margin = 10;   // left and right
constexpr qreal TopMargin = 12;
constexpr qreal BottomMargin = 10;
constexpr qreal Indent = 26;   // of a continuation line
constexpr qreal TightGap = 4;  // over a line that continues another, between titles
constexpr qreal RuleGap = 7;   // around the footer's rule

bool isFooter(Row row) { return row == Row::Footer || row == Row::RuledFooter; }

// A set line: its parts at their horizontal places, baseline at 0.
struct SetLine {
    Row row;
    qreal ascent = 0, descent = 0;
    QList<Piece> pieces;
};

SetLine setLine(const Line &line, const Design &d, int index)
{
    const qreal px = line.row == Row::Title ? d.titlePx : d.px;
    const qreal full = PictureWidth - 2 * Margin, half = full / 2 - Margin / 2;
    SetLine set;
    set.row = line.row;
    // Lines of little ink still take a whole line's height.
    set.ascent = px * 0.75;
    set.descent = px * 0.3;
    auto place = [&](const char *markup, qreal room, const std::function<qreal(qreal)> &leftFor) {
        if (!markup || !*markup)
            return;
        Block b = setFitted(QString::fromUtf8(markup), Style{px}, room);
        set.ascent = std::max(set.ascent, b.ascent);
        set.descent = std::max(set.descent, b.descent);
        b.shift(QPointF(leftFor(b.width), 0));
        for (Piece &p : b.pieces)
            p.line = index;
        set.pieces += b.pieces;
    };
    const qreal right = PictureWidth - Margin;
    switch (line.row) {
    case Row::Title:
    case Row::Centred:
        place(line.first, full, [](qreal w) { return (PictureWidth - w) / 2; });
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
    for (Piece &p : pieces) {
        p.origin.ry() += baseline;
        p.box.translate(0, baseline);
        p.path.translate(0, baseline);
    }
}

// ---------------------------------------------------------------------------
// The faded drawings, each in its own square.

QColor ink(int r, int g, int b, int a = 255) { return QColor(r, g, b, a); }

void drawPencil(QPainter &p, QPointF tip, qreal length, qreal angleDegrees)
{
    p.save();
    p.translate(tip);
    p.rotate(angleDegrees);
    const qreal w = length * 0.11;
    QPainterPath point;
    point.moveTo(0, 0);
    point.lineTo(length * 0.16, -w / 2);
    point.lineTo(length * 0.16, w / 2);
    point.closeSubpath();
    p.setBrush(ink(240, 210, 160));
    p.setPen(QPen(ink(120, 80, 40), length * 0.01));
    p.drawPath(point);
    p.setBrush(ink(60, 60, 60));
    p.drawEllipse(QPointF(length * 0.03, 0), w * 0.16, w * 0.16);
    p.setBrush(ink(250, 190, 40));
    p.drawRect(QRectF(length * 0.16, -w / 2, length * 0.68, w));
    p.setBrush(ink(190, 190, 200));
    p.drawRect(QRectF(length * 0.84, -w / 2, length * 0.06, w));
    p.setBrush(ink(240, 120, 140));
    p.drawRoundedRect(QRectF(length * 0.9, -w / 2, length * 0.1, w), w * 0.3, w * 0.3);
    p.restore();
}

void drawClosedBook(QPainter &p, const QRectF &r, const QColor &cover)
{
    p.setPen(QPen(cover.darker(150), r.height() * 0.04));
    p.setBrush(ink(250, 248, 235));
    p.drawRoundedRect(r.adjusted(r.width() * 0.03, r.height() * 0.12, 0, 0), r.height() * 0.06, r.height() * 0.06);
    p.setBrush(cover);
    p.drawRoundedRect(QRectF(r.left(), r.top(), r.width() * 0.97, r.height() * 0.88), r.height() * 0.08,
                      r.height() * 0.08);
    p.setPen(QPen(cover.lighter(140), r.height() * 0.05));
    p.drawLine(QPointF(r.left() + r.width() * 0.08, r.top() + r.height() * 0.2),
               QPointF(r.left() + r.width() * 0.08, r.top() + r.height() * 0.68));
    p.drawLine(QPointF(r.left() + r.width() * 0.3, r.top() + r.height() * 0.44),
               QPointF(r.left() + r.width() * 0.8, r.top() + r.height() * 0.44));
}

void drawBooksAndPencil(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    drawClosedBook(p, QRectF(r.left() + w * 0.08, r.top() + h * 0.62, w * 0.8, h * 0.17), ink(40, 90, 170));
    drawClosedBook(p, QRectF(r.left() + w * 0.14, r.top() + h * 0.45, w * 0.7, h * 0.17), ink(190, 50, 50));
    drawClosedBook(p, QRectF(r.left() + w * 0.1, r.top() + h * 0.28, w * 0.66, h * 0.17), ink(40, 140, 80));
    drawPencil(p, QPointF(r.left() + w * 0.12, r.top() + h * 0.95), w * 0.85, -18);
}

void drawOpenBookWithGlasses(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    const QPointF spineTop(r.left() + w * 0.5, r.top() + h * 0.3), spineBottom(r.left() + w * 0.5, r.top() + h * 0.8);
    p.setPen(QPen(ink(90, 60, 30), w * 0.012));
    p.setBrush(ink(150, 90, 40));
    QPainterPath cover;
    cover.moveTo(spineBottom + QPointF(0, h * 0.04));
    cover.quadTo(QPointF(r.left() + w * 0.25, r.top() + h * 0.74), QPointF(r.left(), r.top() + h * 0.84));
    cover.lineTo(QPointF(r.left(), r.top() + h * 0.34));
    cover.lineTo(QPointF(r.right(), r.top() + h * 0.34));
    cover.lineTo(QPointF(r.right(), r.top() + h * 0.84));
    cover.quadTo(QPointF(r.left() + w * 0.75, r.top() + h * 0.74), spineBottom + QPointF(0, h * 0.04));
    p.drawPath(cover);
    p.setBrush(ink(252, 250, 240));
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(spineBottom);
        page.quadTo(QPointF(spineBottom.x() + side * w * 0.22, r.top() + h * 0.7),
                    QPointF(spineBottom.x() + side * w * 0.46, r.top() + h * 0.78));
        page.lineTo(QPointF(spineTop.x() + side * w * 0.46, r.top() + h * 0.26));
        page.quadTo(QPointF(spineTop.x() + side * w * 0.22, r.top() + h * 0.2), spineTop);
        page.closeSubpath();
        p.drawPath(page);
        p.save();
        p.setPen(QPen(ink(160, 160, 170), w * 0.008));
        for (int i = 0; i < 5; ++i) {
            const qreal y = r.top() + h * (0.34 + i * 0.08);
            p.drawLine(QPointF(spineTop.x() + side * w * 0.07, y), QPointF(spineTop.x() + side * w * 0.4, y));
        }
        p.restore();
    }
    // The glasses lie across the pages.
    p.setPen(QPen(ink(30, 30, 30), w * 0.022));
    p.setBrush(ink(200, 230, 250, 160));
    const qreal lens = w * 0.13;
    const QPointF left(r.left() + w * 0.34, r.top() + h * 0.5), right(r.left() + w * 0.66, r.top() + h * 0.5);
    p.drawEllipse(left, lens, lens * 0.8);
    p.drawEllipse(right, lens, lens * 0.8);
    p.setBrush(Qt::NoBrush);
    QPainterPath bridge;
    bridge.moveTo(left + QPointF(lens, -lens * 0.1));
    bridge.quadTo(QPointF(r.left() + w * 0.5, r.top() + h * 0.44), right - QPointF(lens, lens * 0.1));
    p.drawPath(bridge);
    p.drawLine(left - QPointF(lens, lens * 0.2), left - QPointF(lens * 1.9, lens * 0.7));
    p.drawLine(right + QPointF(lens, -lens * 0.2), right + QPointF(lens * 1.9, -lens * 0.7));
}

void drawCup(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    p.setPen(QPen(ink(90, 60, 40), w * 0.015));
    p.setBrush(ink(230, 230, 235));
    p.drawEllipse(QPointF(r.left() + w * 0.48, r.top() + h * 0.86), w * 0.42, h * 0.07);
    // The handle, then the body over it.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink(200, 80, 60), w * 0.06));
    p.drawEllipse(QPointF(r.left() + w * 0.78, r.top() + h * 0.58), w * 0.12, h * 0.12);
    p.setPen(QPen(ink(90, 60, 40), w * 0.015));
    p.setBrush(ink(220, 90, 70));
    QPainterPath body;
    body.moveTo(r.left() + w * 0.18, r.top() + h * 0.38);
    body.lineTo(r.left() + w * 0.78, r.top() + h * 0.38);
    body.lineTo(r.left() + w * 0.7, r.top() + h * 0.8);
    body.quadTo(QPointF(r.left() + w * 0.48, r.top() + h * 0.9), QPointF(r.left() + w * 0.26, r.top() + h * 0.8));
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(ink(110, 60, 30));
    p.drawEllipse(QPointF(r.left() + w * 0.48, r.top() + h * 0.38), w * 0.3, h * 0.045);
    // Steam.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink(150, 150, 160), w * 0.025, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal x = r.left() + w * (0.36 + i * 0.12);
        QPainterPath steam;
        steam.moveTo(x, r.top() + h * 0.3);
        steam.cubicTo(QPointF(x - w * 0.06, r.top() + h * 0.22), QPointF(x + w * 0.06, r.top() + h * 0.16),
                      QPointF(x, r.top() + h * 0.06));
        p.drawPath(steam);
    }
}

void drawBookAndPencil(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    p.save();
    p.translate(r.center());
    p.rotate(-12);
    drawClosedBook(p, QRectF(-w * 0.36, -h * 0.3, w * 0.66, h * 0.5), ink(120, 70, 170));
    p.restore();
    drawPencil(p, QPointF(r.left() + w * 0.1, r.top() + h * 0.88), w * 0.82, -8);
}

void drawIsland(QPainter &p, QPointF centre, qreal size)
{
    QPainterPath rock;
    rock.moveTo(centre + QPointF(-size, 0));
    rock.lineTo(centre + QPointF(size, 0));
    rock.quadTo(centre + QPointF(size * 0.5, size * 0.5), centre + QPointF(0, size * 1.1));
    rock.quadTo(centre + QPointF(-size * 0.5, size * 0.5), centre + QPointF(-size, 0));
    p.setPen(QPen(ink(100, 70, 40), size * 0.08));
    p.setBrush(ink(160, 110, 60));
    p.drawPath(rock);
    p.setBrush(ink(70, 170, 70));
    p.drawRoundedRect(QRectF(centre + QPointF(-size * 1.05, -size * 0.22), QSizeF(size * 2.1, size * 0.3)),
                      size * 0.15, size * 0.15);
    p.setPen(QPen(ink(110, 80, 40), size * 0.12));
    p.drawLine(centre + QPointF(size * 0.3, -size * 0.2), centre + QPointF(size * 0.3, -size * 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(ink(40, 140, 60));
    p.drawEllipse(centre + QPointF(size * 0.3, -size * 0.9), size * 0.35, size * 0.25);
}

void drawGlobe(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    const QPointF c(r.left() + w * 0.5, r.top() + h * 0.52);
    const qreal radius = w * 0.32;
    p.setPen(QPen(ink(30, 80, 150), w * 0.012));
    p.setBrush(ink(90, 160, 230));
    p.drawEllipse(c, radius, radius);
    p.save();
    QPainterPath sphere;
    sphere.addEllipse(c, radius, radius);
    p.setClipPath(sphere);
    p.setBrush(ink(80, 170, 90));
    p.setPen(Qt::NoPen);
    QPainterPath land;
    land.moveTo(c + QPointF(-radius * 0.7, -radius * 0.3));
    land.cubicTo(c + QPointF(-radius * 0.2, -radius * 0.9), c + QPointF(radius * 0.2, -radius * 0.2),
                 c + QPointF(-radius * 0.1, radius * 0.2));
    land.cubicTo(c + QPointF(-radius * 0.4, radius * 0.6), c + QPointF(-radius * 0.9, radius * 0.2),
                 c + QPointF(-radius * 0.7, -radius * 0.3));
    p.drawPath(land);
    p.drawEllipse(c + QPointF(radius * 0.5, radius * 0.35), radius * 0.3, radius * 0.22);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink(230, 240, 255), w * 0.008));
    for (qreal k : {0.35, 0.7})
        p.drawEllipse(c, radius * k, radius);
    for (qreal y : {-0.5, 0.0, 0.5})
        p.drawLine(c + QPointF(-radius, radius * y), c + QPointF(radius, radius * y));
    p.restore();
    drawIsland(p, QPointF(r.left() + w * 0.12, r.top() + h * 0.16), w * 0.09);
    drawIsland(p, QPointF(r.left() + w * 0.88, r.top() + h * 0.24), w * 0.07);
    drawIsland(p, QPointF(r.left() + w * 0.84, r.top() + h * 0.9), w * 0.08);
    drawIsland(p, QPointF(r.left() + w * 0.14, r.top() + h * 0.86), w * 0.06);
}

void drawMarks(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    QPen pen(ink(200, 60, 140), w * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QPainterPath question;
    const QPointF q(r.left() + w * 0.38, r.top() + h * 0.3);
    question.moveTo(q + QPointF(-w * 0.16, 0));
    question.cubicTo(q + QPointF(-w * 0.16, -h * 0.2), q + QPointF(w * 0.16, -h * 0.2), q + QPointF(w * 0.16, 0));
    question.cubicTo(q + QPointF(w * 0.16, h * 0.12), q + QPointF(0, h * 0.1), q + QPointF(0, h * 0.3));
    p.drawPath(question);
    p.setPen(Qt::NoPen);
    p.setBrush(ink(200, 60, 140));
    p.drawEllipse(q + QPointF(0, h * 0.48), w * 0.06, w * 0.06);
    p.setBrush(ink(60, 120, 220));
    const qreal x = r.left() + w * 0.76;
    QPainterPath bar;
    bar.moveTo(x - w * 0.08, r.top() + h * 0.08);
    bar.lineTo(x + w * 0.08, r.top() + h * 0.08);
    bar.lineTo(x + w * 0.03, r.top() + h * 0.66);
    bar.lineTo(x - w * 0.03, r.top() + h * 0.66);
    bar.closeSubpath();
    p.drawPath(bar);
    p.drawEllipse(QPointF(x, r.top() + h * 0.8), w * 0.06, w * 0.06);
}

void drawBooks(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    const qreal shelf = r.top() + h * 0.9;
    struct Standing {
        qreal left, width, height;
        QColor colour;
    };
    const Standing books[] = {{0.06, 0.13, 0.62, ink(40, 90, 170)}, {0.19, 0.1, 0.7, ink(190, 60, 50)},
                              {0.29, 0.15, 0.55, ink(40, 140, 80)}, {0.44, 0.11, 0.66, ink(230, 160, 40)},
                              {0.55, 0.12, 0.5, ink(120, 70, 170)}};
    p.setPen(QPen(ink(60, 50, 40), w * 0.01));
    for (const Standing &b : books) {
        const QRectF spine(r.left() + w * b.left, shelf - h * b.height, w * b.width, h * b.height);
        p.setBrush(b.colour);
        p.drawRect(spine);
        p.save();
        p.setPen(QPen(b.colour.lighter(150), w * 0.012));
        for (qreal y : {0.12, 0.86})
            p.drawLine(QPointF(spine.left() + spine.width() * 0.15, spine.top() + spine.height() * y),
                       QPointF(spine.right() - spine.width() * 0.15, spine.top() + spine.height() * y));
        p.restore();
    }
    // One book leans on the others.
    p.save();
    p.translate(r.left() + w * 0.92, shelf);
    p.rotate(-20);
    p.setBrush(ink(60, 160, 170));
    p.drawRect(QRectF(-w * 0.13, -h * 0.6, w * 0.13, h * 0.6));
    p.restore();
    p.setBrush(ink(140, 100, 60));
    p.drawRect(QRectF(r.left(), shelf, w, h * 0.05));
}

void drawCakeSlice(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    const QPointF tip(r.left() + w * 0.08, r.top() + h * 0.62);
    const QPointF backTop(r.left() + w * 0.86, r.top() + h * 0.34), frontTop(r.left() + w * 0.62, r.top() + h * 0.5);
    const qreal depth = h * 0.34;
    p.setPen(QPen(ink(120, 70, 40), w * 0.012));
    // The side with its layers.
    QPainterPath side;
    side.moveTo(tip);
    side.lineTo(frontTop);
    side.lineTo(frontTop + QPointF(0, depth));
    side.lineTo(tip + QPointF(0, depth));
    side.closeSubpath();
    p.setBrush(ink(240, 210, 160));
    p.drawPath(side);
    p.setBrush(ink(230, 120, 150));
    for (qreal k : {0.33, 0.66}) {
        QPainterPath layer;
        layer.moveTo(tip + QPointF(0, depth * k));
        layer.lineTo(frontTop + QPointF(0, depth * k));
        layer.lineTo(frontTop + QPointF(0, depth * k + depth * 0.08));
        layer.lineTo(tip + QPointF(0, depth * k + depth * 0.08));
        layer.closeSubpath();
        p.drawPath(layer);
    }
    // The back, then the iced top.
    QPainterPath back;
    back.moveTo(frontTop);
    back.lineTo(backTop);
    back.lineTo(backTop + QPointF(0, depth));
    back.lineTo(frontTop + QPointF(0, depth));
    back.closeSubpath();
    p.setBrush(ink(200, 150, 100));
    p.drawPath(back);
    QPainterPath top;
    top.moveTo(tip);
    top.lineTo(backTop);
    top.lineTo(frontTop);
    top.closeSubpath();
    p.setBrush(ink(255, 245, 250));
    p.drawPath(top);
    p.setBrush(ink(210, 30, 50));
    p.drawEllipse(QPointF(r.left() + w * 0.66, r.top() + h * 0.36), w * 0.06, w * 0.06);
    p.setBrush(Qt::NoBrush);
    QPainterPath stalk;
    stalk.moveTo(r.left() + w * 0.66, r.top() + h * 0.31);
    stalk.quadTo(QPointF(r.left() + w * 0.68, r.top() + h * 0.22), QPointF(r.left() + w * 0.74, r.top() + h * 0.2));
    p.drawPath(stalk);
}

void drawBehind(QPainter &p, Drawing drawing, const QRectF &area)
{
    static const std::function<void(QPainter &, const QRectF &)> drawings[] = {
        drawBooksAndPencil, drawOpenBookWithGlasses, drawCup, drawBookAndPencil,
        drawGlobe,          drawMarks,               drawBooks, drawCakeSlice};
    const qreal side = std::min(area.width(), area.height()) * 0.86;
    const QRectF square(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    p.save();
    p.setOpacity(0.15);
    drawings[int(drawing)](p, square);
    p.restore();
}

} // namespace

// ---------------------------------------------------------------------------

int pictureHeight(Picture picture) { return design(picture).height; }

QList<Piece> layOutMarkup(const QString &markup, qreal pixelSize)
{
    Block b = setRow(MarkupReader(markup).read(), Style{pixelSize});
    b.shift(QPointF(-b.width, 0));
    return b.pieces;
}

QList<Piece> layOut(Picture picture, qreal height)
{
    const Design &d = design(picture);
    height = std::min<qreal>(height, d.height);
    std::vector<SetLine> body, footer;
    for (int i = 0; i < int(d.lines.size()); ++i)
        (isFooter(d.lines[i].row) ? footer : body).push_back(setLine(d.lines[i], d, i));

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

    // The titles stand at the top. The formulas spread over the room left
    // above the footer, no wider apart than a comfortable reading distance,
    // and what is left centres them; under titles they keep that distance
    // from the titles and the footer too.
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
    int spaces = first > 0 ? 2 : 0;
    for (std::size_t i = first; i < body.size(); ++i) {
        inked += body[i].ascent + body[i].descent;
        if (i > first && tight(i))
            fixed += TightGap;
        else if (i > first)
            ++spaces;
    }
    const qreal free = bottom - y - inked - fixed;
    const qreal gap = spaces > 0 ? std::min(free / spaces, d.px * 2.2) : 0;
    y += std::max<qreal>(0, (free - gap * spaces) / 2) + (first > 0 ? gap : 0);
    for (std::size_t i = first; i < body.size(); ++i) {
        if (i > first)
            y += tight(i) ? TightGap : gap;
        place(body[i], y);
    }
    return pieces;
}

void paint(QPainter &painter, Picture picture, qreal height)
{
    const Design &d = design(picture);
    height = std::min<qreal>(height, d.height);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(0, 0, PictureWidth, height);
    painter.fillRect(area, Qt::white);
    drawBehind(painter, d.drawing, area);
    painter.setLayoutDirection(Qt::RightToLeft);
    for (const Piece &p : layOut(picture, height)) {
        if (p.kind == Piece::Text) {
            painter.setFont(p.font);
            painter.setPen(p.colour);
            painter.drawText(p.origin, p.text);
        } else {
            painter.fillPath(p.path, p.colour);
        }
    }
    painter.restore();
}

QStringList lines(Picture picture)
{
    QStringList out;
    for (const Line &line : design(picture).lines) {
        for (const char *part : {line.first, line.second}) {
            if (part && *part)
                out << plainRow(MarkupReader(QString::fromUtf8(part)).read());
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
    setAccessibleDescription(lines(picture).join(u'\n'));
}

QSizeF PictureBox::shownSize() const
{
    const QRect inner = contentsRect();
    return QSizeF(std::min(inner.width(), PictureWidth), std::min(inner.height(), pictureHeight(picture_)));
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect inner = contentsRect();
    p.fillRect(inner, Qt::white);
    drawFrame(&p);
    p.setClipRect(inner);
    p.translate(inner.topLeft());
    paint(p, picture_, shownSize().height());
}

} // namespace reference
