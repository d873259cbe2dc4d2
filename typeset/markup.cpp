#include "typeset/markup.h"

#include <QStringList>

namespace reference::markup {

namespace {

constexpr char16_t Isolate = u'\u2066';
constexpr char16_t PopIsolate = u'\u2069';

class MarkupReader {
public:
    explicit MarkupReader(const QString &markup) : s_(markup) {}

    Row read()
    {
        Row row = readRow(QChar());
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
        return c == u'[' || c == u']' || c == u'{' || c == u'}' || c == u'^' || c == u'\\' || c == Isolate
               || c == PopIsolate;
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
    Row readRow(QChar closer)
    {
        Row row;
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
            // The end of an isolate that was never opened (a line broken
            // inside one is held on each of its parts) is dropped.
            if (c == PopIsolate) {
                ++i_;
                continue;
            }
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

    bool readItem(Row &row)
    {
        Node n;
        if (take(Isolate)) {
            // Held to the end of the line when its end is missing.
            n.kind = Node::Group;
            n.leftToRight = true;
            n.children = readRow(PopIsolate);
            take(PopIsolate);
        } else if (take(u'[')) {
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

QString plainRow(const Row &row);

QString plainNode(const Node &n)
{
    switch (n.kind) {
    case Node::Text:
        return n.text;
    case Node::Group:
        if (n.leftToRight)
            return QChar(Isolate) + plainRow(n.children) + QChar(PopIsolate);
        return plainRow(n.children);
    case Node::Raised:
        return plainRow(n.children);
    case Node::Fraction:
        return QStringLiteral("(%1) / (%2)").arg(plainRow(n.children[0].children), plainRow(n.children[1].children));
    case Node::Root:
        return QStringLiteral("√(%1)").arg(plainRow(n.children));
    }
    return QString();
}

QString plainRow(const Row &row)
{
    QString s;
    for (const Node &n : row)
        s += plainNode(n);
    return s;
}

} // namespace

Row read(const QString &markup) { return MarkupReader(markup).read(); }

QString plainText(const Row &row) { return plainRow(row); }

} // namespace reference::markup
