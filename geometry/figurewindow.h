#pragma once
// What the areas, perimeters and volumes windows share: the banner with the
// section's word, the instruction line, the option list, the heading box
// la22, input rows (a label, a box and a clear button "مسح"), the result row
// with its caption and the "؟" label that names the unit, and the frame
// buttons along the bottom.

#include "geometry/formulas.h"
#include "kit/optionwindow.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <span>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace app {
class StepsSource;
}

namespace geometry {

// The two columns of the option list (twips); an option keeps the width of
// its circle and caption from the column's right edge.
constexpr app::Tw rightColumn(int top) { return {2400, top, 2295, 240}; }
constexpr app::Tw leftColumn(int top) { return {120, top, 2175, 240}; }

// Everything that tells one geometry window's frame from another's (twips;
// every window is 4815 wide).
struct Section {
    const char *name;
    const char *caption;
    const char *word; // on the banner
    int height;
    int headingTop;  // la22
    int labelDrop;   // how much lower than its box a row label starts
    int resultTop;   // the result row
    int resultWidth; // its result box, which starts at x = 480
    const char *resultCaptionName;
    const char *resultCaption;
    int resultCaptionX;
    const char *unitTip;
    const char *unitText;
    const char *unitTitle;
    int frameTop;           // the frame buttons
    int lawsX;              // the laws button
    const char *lawsWindow; // the name of the window its laws button opens
    const char *practice;   // the section its practice window sets exercises of
};

// Parts of an input row at the given top: a label that stands beside it, and
// the box with its clear button. A row may have either or both.
struct Row {
    const char *label = nullptr;
    const char *caption = "";
    bool green = false;
    const char *box = nullptr;
    const char *clear = nullptr;
    app::Handler cleared = {};
    int top = 0;
};

class FigureWindow : public app::OptionWindow {
    Q_OBJECT
public:
    // The unit notice of the "؟" label.
    void Label7_Click();
    // The pyramid and prism option: a notice that it is not available yet.
    void Option1_Click();

protected:
    explicit FigureWindow(const Section &section);

    // Builds the parts of the rows, hidden; a box is named by its label
    // until a figure names it.
    void buildRows(std::span<const Row> rows);
    // A read-only result box in the result row, captioned like the row; it
    // offers the worked steps of the window's last calculation.
    QLineEdit *resultBox(const char *name);
    // Where every calculation of the window records its steps.
    app::StepsSource *steps() const { return steps_; }
    // After the notices of empty boxes: true when no length the calculation
    // uses is below zero; else the notice "الطول لا يكون سالبا .. اكتب عددا
    // موجبا" and the steps say why nothing was computed.
    bool notNegative(std::initializer_list<double> lengths, numtext::Steps &s) const;
    // A figure that cannot exist: a notice titled "خطأ رياضي", and the steps
    // say why nothing was computed.
    void cannotExist(numtext::Refusal why, const QString &text, numtext::Steps &s) const;
    QLabel *resultCaption() const { return resultCaption_; }

    // Tab order: the options, the given controls, the frame buttons from the
    // right; the first option holds the focus when the window opens.
    void orderTabs(const std::vector<QWidget *> &middle);

private:
    const Section section_;
    app::StepsSource *steps_;
    QLabel *resultCaption_;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;
};

// A window whose figures all share one set of input rows Te1, Te2, ... and
// one result box Te5: choosing a figure relabels the rows and enables as many
// as it needs. Texts are never cleared; a disabled row keeps and shows its text.
class SharedRowsWindow : public FigureWindow {
    Q_OBJECT
protected:
    using FigureWindow::FigureWindow;

    // Builds the rows, the labels that may stand beside them, the option list
    // and its calculate buttons at `calculateAt`, and the result box.
    void build(std::span<const Row> rows, std::span<const app::Choice> figures, app::Tw calculateAt);

    // The text of row n (counted from 1).
    QString row(int n) const;
    // The lengths of the first `rows` rows: each row's text with its leading
    // number.
    std::vector<numtext::Typed> lengths(int rows) const;
    // Tests the rows in order, row 1 first, against the exactly empty text;
    // the first empty one shows its notice and the answer is false.
    bool filled(std::span<const QString> notices, std::uint32_t style) const;
    // Runs a calculation that writes its steps and gives the result, and
    // writes the result in the general number format into the result box.
    // The calculation gives nothing when a notice stopped it.
    void calculate(const std::function<std::optional<double>(numtext::Steps &)> &calculation);
    // Empties row n (counted from 1).
    void clearRow(int n);

private:
    std::vector<QLineEdit *> boxes_;
    QLineEdit *result_ = nullptr;
};

} // namespace geometry
