#pragma once
// The small markup in which formulas are written, read into a tree.
//
//   text                 drawn as it is, right to left, in the line's colour
//   [colour:...]         the enclosed markup in a colour (an SVG colour name);
//                        the word "bold" may join the colour: [darkblue bold:...]
//   ^{...}               a small raised exponent after its base
//   \frac{...}{...}      a stacked fraction, numerator over denominator
//   \sqrt{...}           a radical sign with its bar over the enclosed markup
//   U+2066 ... U+2069    a left-to-right isolate: the enclosed markup set from
//                        left to right, an exponent at the right of its base
//                        (the runs of mathematics of the 123 digit shape,
//                        numtext/mathruns.h)
//
// Arabic-Indic digits with the comma as decimal separator (٣,١٤) and one-line
// fractions (١/٢) are plain text. Whatever cannot be read as markup stays in
// the tree as text, so that a slip shows as it is written rather than vanish.

#include <QColor>
#include <QString>

#include <vector>

namespace reference::markup {

struct Node {
    enum Kind { Text, Group, Raised, Fraction, Root };
    Kind kind = Text;
    QString text;               // Text
    QColor colour;              // Group: its colour, when it names one
    bool bold = false;          // Group
    bool leftToRight = false;   // Group: an isolate, its row set from left to right
    std::vector<Node> children; // Group, Raised, Root: a row; Fraction: top and bottom groups
};

// A row of items, set one after another from right to left (from left to
// right inside an isolate).
using Row = std::vector<Node>;

Row read(const QString &markup);

// The row as plain text: a raised digit follows its base, a stacked fraction
// reads "(top) / (bottom)", a radical "√(…)", an isolate keeps its marks.
QString plainText(const Row &row);

} // namespace reference::markup
