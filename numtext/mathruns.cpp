#include "numtext/mathruns.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace numtext {

namespace {

// What an item of a row is to a run of mathematics.
enum class Kind {
    Number,   // digits, a fraction or root of numbers, a colour of numbers
    Word,     // letters, or a fraction, root or colour that holds letters
    Space,    // spaces and format marks
    Operator, // + − × ÷ / ±
    Relation, // = ≈ < > ≤ ≥ ≠
    Open,     // ( [ {
    Close,    // ) ] }
    Bar,      // | of an absolute value
    After,    // ° % after a number
    Raised,   // ^{...} after a number or a bracket
    Break,    // punctuation: ends every run
};

struct Item {
    Kind kind = Kind::Break;
    qsizetype begin = 0, end = 0;                           // in the line
    std::vector<std::pair<qsizetype, qsizetype>> rows = {}; // the markup rows inside it
    bool sign = false;                                      // an operator that is the sign of what follows
    bool bare = false;                                      // a number of digits only, coloured or not
};

bool isOperator(QChar c) { return QStringView(u"+−-×÷/*±∓·").contains(c); }
bool isRelation(QChar c) { return QStringView(u"=≈<>≤≥≠").contains(c); }
bool isAfter(QChar c) { return QStringView(u"°%٪′″").contains(c); }
bool isDigit(QChar c) { return c.isDigit(); }
bool isWordChar(QChar c) { return c.isLetter() || c.isMark(); }

Kind rowKind(const std::vector<Item> &items)
{
    bool number = false;
    for (const Item &i : items) {
        if (i.kind == Kind::Word)
            return Kind::Word;
        number = number || i.kind == Kind::Number || i.kind == Kind::Raised;
    }
    return number ? Kind::Number : Kind::Operator;
}

class Runs {
public:
    explicit Runs(QStringView line) : s_(line) {}

    // A row of the line, its runs isolated.
    QString row(qsizetype begin, qsizetype end)
    {
        qsizetype i = begin;
        items_ = scan(i, end, QChar());
        inRun_.assign(items_.size(), false);
        opens_.assign(items_.size(), false);
        closes_.assign(items_.size(), false);
        runs();
        // The rows of the items outside every run have runs of their own.
        const std::vector<Item> items = std::move(items_);
        const std::vector<bool> inRun = std::move(inRun_), opens = std::move(opens_), closes = std::move(closes_);
        QString out;
        for (std::size_t k = 0; k < items.size(); ++k) {
            const Item &item = items[k];
            if (opens[k])
                out += LeftToRightIsolate;
            qsizetype at = item.begin;
            if (!inRun[k]) {
                for (const auto &[rowBegin, rowEnd] : item.rows) {
                    out += s_.mid(at, rowBegin - at);
                    out += Runs(s_).row(rowBegin, rowEnd);
                    at = rowEnd;
                }
            }
            out += s_.mid(at, item.end - at);
            if (closes[k])
                out += PopDirectionalIsolate;
        }
        return out;
    }

private:
    bool at(qsizetype i, qsizetype end, QChar c) const { return i < end && s_[i] == c; }

    // A braced row "{...}" from i: its range, and i after its brace.
    bool braced(qsizetype &i, qsizetype end, std::vector<Item> &inside, std::pair<qsizetype, qsizetype> &range)
    {
        if (!at(i, end, u'{'))
            return false;
        qsizetype j = i + 1;
        inside = scan(j, end, u'}');
        if (!at(j, end, u'}'))
            return false;
        range = {i + 1, j};
        i = j + 1;
        return true;
    }

    // The markup items the typesetter reads: a colour, an exponent, a
    // fraction, a root. False when what starts at i is none of them.
    bool markupItem(qsizetype &i, qsizetype end, const std::vector<Item> &before, Item &item)
    {
        const QChar c = s_[i];
        if (c == u'[') {
            const qsizetype colon = s_.indexOf(u':', i), close = s_.indexOf(u']', i);
            if (colon < 0 || colon >= end || (close >= 0 && close < colon))
                return false;
            // A colour's name, "bold", or "#0000ff".
            for (qsizetype k = i + 1; k < colon; ++k) {
                if (!(s_[k] == u' ' || s_[k] == u'#' || (s_[k].unicode() < 128 && s_[k].isLetterOrNumber())))
                    return false;
            }
            qsizetype j = colon + 1;
            const std::vector<Item> inside = scan(j, end, u']');
            if (!at(j, end, u']'))
                return false;
            item.kind = rowKind(inside);
            item.bare = inside.size() == 1 && inside[0].bare;
            item.rows = {{colon + 1, j}};
            i = j + 1;
            return true;
        }
        if (c == u'^') {
            qsizetype j = i + 1;
            std::vector<Item> inside;
            std::pair<qsizetype, qsizetype> range;
            if (!braced(j, end, inside, range))
                return false;
            // The exponent of a word is the word's; that of a number, a
            // bracket or a sign after a number goes with them.
            const bool ofNumber = !before.empty() && before.back().end == i
                                  && (before.back().kind == Kind::Number || before.back().kind == Kind::Close
                                      || before.back().kind == Kind::After || before.back().kind == Kind::Bar
                                      || before.back().kind == Kind::Raised);
            item.kind = ofNumber && rowKind(inside) != Kind::Word ? Kind::Raised : Kind::Word;
            item.rows = {range};
            i = j;
            return true;
        }
        if (c == u'\\') {
            qsizetype j = i + 1;
            while (j < end && s_[j].unicode() < 128 && s_[j].isLetter())
                ++j;
            const QStringView command = s_.mid(i + 1, j - i - 1);
            const int parts = command == u"frac" ? 2 : command == u"sqrt" ? 1 : 0;
            if (parts == 0)
                return false;
            Kind kind = Kind::Number;
            std::vector<std::pair<qsizetype, qsizetype>> rows;
            for (int p = 0; p < parts; ++p) {
                std::vector<Item> inside;
                std::pair<qsizetype, qsizetype> range;
                if (!braced(j, end, inside, range))
                    return false;
                if (rowKind(inside) == Kind::Word)
                    kind = Kind::Word;
                rows.push_back(range);
            }
            item.kind = kind;
            item.rows = std::move(rows);
            i = j;
            return true;
        }
        return false;
    }

    // The items of a row from i up to its closing character (not taken).
    std::vector<Item> scan(qsizetype &i, qsizetype end, QChar closer)
    {
        std::vector<Item> items;
        while (i < end && s_[i] != closer) {
            Item item;
            item.begin = i;
            const QChar c = s_[i];
            if (markupItem(i, end, items, item)) {
            } else if (isDigit(c)) {
                item.kind = Kind::Number;
                item.bare = true;
                while (i < end && (isDigit(s_[i]) || (s_[i] == u'.' && i + 1 < end && isDigit(s_[i + 1]))))
                    ++i;
            } else if (isWordChar(c)) {
                item.kind = Kind::Word;
                while (i < end && isWordChar(s_[i]))
                    ++i;
            } else {
                ++i;
                if (c.isSpace() || c.category() == QChar::Other_Format)
                    item.kind = Kind::Space;
                else if (isOperator(c))
                    item.kind = Kind::Operator;
                else if (isRelation(c))
                    item.kind = Kind::Relation;
                else if (c == u'(' || c == u'[' || c == u'{')
                    item.kind = Kind::Open;
                else if (c == u')' || c == u']' || c == u'}')
                    item.kind = Kind::Close;
                else if (c == u'|')
                    item.kind = Kind::Bar;
                else if (isAfter(c))
                    item.kind = Kind::After;
                else
                    item.kind = Kind::Break;
            }
            item.end = i;
            // A sign after a space belongs to the word after it ("°م").
            if (item.kind == Kind::After
                && (items.empty() || items.back().end != item.begin
                    || !(items.back().kind == Kind::Number || items.back().kind == Kind::Close
                         || items.back().kind == Kind::Raised)))
                item.kind = Kind::Word;
            items.push_back(std::move(item));
        }
        // A minus, plus or ± is a sign where it stands before what it signs
        // and not after a number, a word or a closing bracket.
        for (std::size_t k = 0; k < items.size(); ++k) {
            Item &op = items[k];
            if (op.kind != Kind::Operator || k + 1 >= items.size())
                continue;
            const Item &next = items[k + 1];
            const bool signs = next.begin == op.end
                               && (next.kind == Kind::Number || next.kind == Kind::Open || next.kind == Kind::Bar);
            const bool attached = k > 0 && items[k - 1].end == op.begin && items[k - 1].kind != Kind::Open
                                  && items[k - 1].kind != Kind::Space && items[k - 1].kind != Kind::Operator
                                  && items[k - 1].kind != Kind::Relation && items[k - 1].kind != Kind::Break;
            const QChar c = s_[op.begin];
            op.sign = signs && !attached && (c == u'−' || c == u'-' || c == u'+' || c == u'±');
        }
        return items;
    }

    bool isWord(std::size_t k) const { return k < items_.size() && items_[k].kind == Kind::Word; }

    // Every stretch of items that words and punctuation leave.
    void runs()
    {
        std::size_t b = 0;
        while (b < items_.size()) {
            if (items_[b].kind == Kind::Word || items_[b].kind == Kind::Break) {
                ++b;
                continue;
            }
            std::size_t e = b;
            while (e < items_.size() && items_[e].kind != Kind::Word && items_[e].kind != Kind::Break)
                ++e;
            settle(b, e, b > 0 && isWord(b - 1) ? Glue::Space : Glue::None, isWord(e) ? Glue::Space : Glue::None);
            b = e;
        }
    }

    // How a stretch joins the words beside it: not at all (a relation sign
    // stands between), by a space only, or through an operator or bracket.
    enum class Glue { None, Space, Through };

    static Glue joined(Glue glue, Kind dropped)
    {
        if (glue == Glue::None || dropped == Kind::Relation)
            return Glue::None;
        return dropped == Kind::Space ? glue : Glue::Through;
    }

    // The runs inside items [b, e): the edges trimmed to whole pairs. A
    // stretch that follows a word directly is its argument up to the first
    // relation sign ("جا 30° = 0.5"). A stretch that an expression of words
    // goes on with through an operator, before it (up to its first relation
    // sign) or after it (from its last one), is that expression's: there it
    // is held operand by operand, so that "م × 1.8 + 32" keeps reading as one
    // expression.
    void settle(std::size_t b, std::size_t e, Glue before, Glue after)
    {
        for (;;) {
            while (b < e) {
                const Item &i = items_[b];
                const bool drop = i.kind == Kind::Space || (i.kind == Kind::Operator && !i.sign)
                                  || i.kind == Kind::Relation || i.kind == Kind::Close || i.kind == Kind::After
                                  || i.kind == Kind::Raised;
                if (!drop)
                    break;
                before = joined(before, i.kind);
                ++b;
            }
            while (e > b) {
                const Kind k = items_[e - 1].kind;
                if (!(k == Kind::Space || k == Kind::Operator || k == Kind::Relation || k == Kind::Open))
                    break;
                after = joined(after, k);
                --e;
            }
            if (b >= e)
                return;
            // The brackets and bars of the run pair up inside it; the first
            // that does not divides it, and holds words on its other side.
            std::vector<std::size_t> open;
            std::size_t bars = 0, lastBar = e;
            std::size_t unpaired = e;
            for (std::size_t k = b; k < e && unpaired == e; ++k) {
                if (items_[k].kind == Kind::Open)
                    open.push_back(k);
                else if (items_[k].kind == Kind::Close && open.empty())
                    unpaired = k;
                else if (items_[k].kind == Kind::Close)
                    open.pop_back();
                else if (items_[k].kind == Kind::Bar) {
                    ++bars;
                    lastBar = k;
                }
            }
            if (unpaired == e && !open.empty())
                unpaired = open.front();
            if (unpaired == e && bars % 2 == 1)
                unpaired = lastBar;
            if (unpaired == e)
                break;
            settle(b, unpaired, before, Glue::Through);
            b = unpaired + 1;
            before = Glue::Through;
        }
        // The relation signs outside every bracket.
        std::vector<std::size_t> relations;
        int depth = 0;
        for (std::size_t k = b; k < e; ++k) {
            const Kind kind = items_[k].kind;
            depth += kind == Kind::Open ? 1 : kind == Kind::Close ? -1 : 0;
            if (kind == Kind::Relation && depth == 0)
                relations.push_back(k);
        }
        if (after != Glue::Through)
            after = Glue::None;
        if (before == Glue::Space) {
            if (relations.empty()) {
                hold(b, e);
                return;
            }
            settle(b, relations.front(), Glue::None, Glue::None);
            settle(relations.front(), e, Glue::None, after);
            return;
        }
        const bool through = before == Glue::Through || after == Glue::Through;
        if (through && relations.empty()) {
            operands(b, e);
            return;
        }
        if (before == Glue::Through) {
            operands(b, relations.front());
            b = relations.front();
        }
        if (after == Glue::Through) {
            operands(relations.back() + 1, e);
            e = relations.back();
        }
        if (through) {
            settle(b, e, Glue::None, Glue::None);
            return;
        }
        hold(b, e);
    }

    // Items [b, e) operand by operand: split at the operators and relation
    // signs outside every bracket.
    void operands(std::size_t b, std::size_t e)
    {
        int depth = 0;
        std::size_t from = b;
        for (std::size_t k = b; k < e; ++k) {
            const Item &i = items_[k];
            depth += i.kind == Kind::Open ? 1 : i.kind == Kind::Close ? -1 : 0;
            // A slash or sign between two numbers without spaces joins them
            // (1/2).
            const bool joins = k > b && k + 1 < e && items_[k - 1].kind != Kind::Space
                               && items_[k + 1].kind != Kind::Space;
            if (depth == 0 && (i.kind == Kind::Relation || (i.kind == Kind::Operator && !i.sign && !joins))) {
                settle(from, k, Glue::None, Glue::None);
                from = k + 1;
            }
        }
        settle(from, e, Glue::None, Glue::None);
    }

    // A run of items [b, e), when it holds a number and is more than one.
    void hold(std::size_t b, std::size_t e)
    {
        bool number = false;
        for (std::size_t k = b; k < e; ++k)
            number = number || items_[k].kind == Kind::Number || items_[k].kind == Kind::Raised;
        const bool lone = e - b == 1 && items_[b].bare;
        if (!number || lone)
            return;
        opens_[b] = true;
        closes_[e - 1] = true;
        for (std::size_t k = b; k < e; ++k)
            inRun_[k] = true;
    }

    QStringView s_;
    std::vector<Item> items_;
    std::vector<bool> inRun_, opens_, closes_;
};

} // namespace

QString isolateMathRuns(QStringView line)
{
    QString bare;
    bare.reserve(line.size());
    for (const QChar c : line) {
        if (c != LeftToRightIsolate && c != PopDirectionalIsolate)
            bare += c;
    }
    // Without a digit there is no run to find.
    if (std::none_of(bare.cbegin(), bare.cend(), [](QChar c) { return c.isDigit(); }))
        return bare;
    return Runs(bare).row(0, bare.size());
}

} // namespace numtext
