#pragma once
// What the formula pictures of the laws windows say: for every picture its
// lines in the markup of typeset/markup.h, how each line stands, the sizes
// of its text and its faded drawing.

#include "reference/drawings.h"

#include <QtGlobal>

#include <vector>

namespace reference {

enum class Picture {
    Areas,            // areas of plane figures and solids, with books and a pencil
    Perimeters,       // perimeters, with an open book and glasses
    Temperature,      // temperature scales, with a cup
    Angles,           // degrees and radians, with a book and a pencil
    Volumes,          // volumes, with a globe and floating islands
    QuadraticFormula, // the roots of a quadratic, with a question and an exclamation mark
    GeneralForm,      // the general form of a quadratic, with books
    Trigonometry,     // the trigonometric functions, with a slice of cake
};

constexpr Picture AllPictures[] = {Picture::Areas,       Picture::Perimeters,  Picture::Temperature,
                                   Picture::Angles,      Picture::Volumes,     Picture::QuadraticFormula,
                                   Picture::GeneralForm, Picture::Trigonometry};

// How a line stands in its picture.
enum class Row {
    Title,        // centred, larger
    Formula,      // at the right
    Continuation, // the rest of the line above, indented and close under it
    Columns,      // two formulas side by side, the first at the right
    Centred,      // one formula in the middle
    Display,      // one formula in the middle, as large as the width allows
    Footer,       // at the bottom: the first part at the right, the second at the left
    RuledFooter,  // the same, under a horizontal rule
};

struct FormulaLine {
    Row row;
    const char *first;
    const char *second = nullptr;
};

struct PictureDesign {
    int height; // pixels; every picture is 300 pixels wide
    Drawing drawing;
    qreal px;        // the pixel size of the formulas
    qreal titlePx;   // of the titles
    qreal displayPx; // the largest size of a display formula
    std::vector<FormulaLine> lines;
};

const PictureDesign &design(Picture picture);

} // namespace reference
