#pragma once
// What the areas, perimeters and volumes windows share: the banner with the
// section's word, the instruction line, the option list, the heading box
// la22, input rows (a label, a box and a clear button "مسح"), calculate
// buttons, the result row with its caption and the "؟" label that names the
// unit, and the frame buttons along the bottom.

#include "app/controls.h"
#include "app/dispatch.h"
#include "app/frame.h"
#include "numtext/mixed.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

class QButtonGroup;
class QLabel;

namespace app {
class Banner;
}

namespace geometry {

// π as the geometry windows compute with it: 3.141592, no more precise.
constexpr double Pi = 3.141592;

// A control member of window W together with the name it carries; written
// once with GEOMETRY_MEMBER(W, member) in the windows' tables.
template <class W, class C> struct Member {
    C *W::*pointer;
    const char *name;
};
#define GEOMETRY_MEMBER(W, member) {&W::member, #member}

// The tables a window is built from: an option of the list and its handler,
// an input row (box and clear button), a label that stands beside a row, and
// a calculate button with its handler.
template <class W> struct OptionEntry {
    Member<W, QRadioButton> option;
    const char *caption;
    bool rightColumn;
    int top;
    void (W::*click)(); // none for the pyramid and prism, which only says it is not available
};
template <class W> struct RowEntry {
    Member<W, QLineEdit> box;
    Member<W, QPushButton> clear;
    void (W::*click)();
    int top;
};
template <class W> struct LabelEntry {
    Member<W, QLabel> label;
    const char *caption;
    int top; // of the row it stands beside
    bool green;
};
template <class W> struct ButtonEntry {
    Member<W, QPushButton> button;
    const char *caption;
    void (W::*click)();
};

// Everything that tells one geometry window's frame from another's (twips).
struct Section {
    const char *name;
    const char *caption;
    const char *word; // on the banner
    int height;       // client height; every window is 4815 wide
    int headingTop;   // la22
    int labelDrop;    // how much lower than its box a row label starts
    int resultTop;    // the result row
    int resultWidth;  // its result box, which starts at x = 480
    const char *resultCaptionName;
    const char *resultCaption;
    int resultCaptionX;
    const char *unitTip;
    const char *unitText;
    const char *unitTitle;
    int frameTop;   // the frame buttons
    int lawsX;      // the laws button
    const char *lawsWindow;
};

class FigureWindow : public app::SectionWindow {
    Q_OBJECT
public:
    app::Banner *Picture1;
    QLineEdit *Text1;
    QLineEdit *la22;
    app::ClickLabel *Label7;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;

    // The unit notice of the "؟" label.
    void Label7_Click();
    // The pyramid and prism option: a notice that it is not available yet.
    void Option1_Click();

    // The option whose figure is shown, or none.
    QRadioButton *chosenOption() const { return chosen_; }

protected:
    explicit FigureWindow(const Section &section);

    // An option of the list, in the right or the left column at the given top.
    QRadioButton *addOption(const char *name, const QString &caption, bool rightColumn, int top);
    // The pyramid and prism option, in red, answered by Option1_Click.
    QRadioButton *addUnavailableOption(const char *name, const QString &caption, bool rightColumn, int top);

    // The parts of an input row whose box stands at the given top.
    QLabel *rowLabel(const char *name, const QString &caption, int top, bool green);
    QLineEdit *rowBox(const char *name, int top, const QString &caption);
    QPushButton *clearButton(const char *name, int top);
    QPushButton *calculateButton(const char *name, const QString &caption, app::Tw at);
    // A read-only result box in the result row, captioned like the row.
    QLineEdit *resultBox(const char *name);
    QLabel *resultCaption() const { return resultCaption_; }

    // The chosen option's calculate button becomes the default button that
    // Enter presses, and its heading goes into la22.
    void choose(QRadioButton *option, QPushButton *calculate, const QString &heading);

    // Tab order: the options, then the given controls, then the frame buttons
    // from the right.
    void orderTabs(const std::vector<QWidget *> &middle);

private:
    const Section section_;
    QButtonGroup *options_;
    QLabel *resultCaption_;
    QRadioButton *chosen_ = nullptr;
};

// A window whose figures all share one set of input rows: choosing a figure
// relabels the rows, enables as many as it needs and shows its calculate
// button. Texts are never cleared; a disabled row keeps and shows its text.
class SharedRowsWindow : public FigureWindow {
    Q_OBJECT
protected:
    using FigureWindow::FigureWindow;

    // Builds the option list, the rows, every label that may stand beside a
    // row and the calculate buttons stacked in one place, all from the
    // window's tables; then the result box, which it returns.
    template <class W>
    QLineEdit *build(W *self, std::span<const OptionEntry<W>> options, std::span<const RowEntry<W>> rows,
                     std::span<const LabelEntry<W>> labels, std::span<const ButtonEntry<W>> buttons,
                     app::Tw calculateAt);

    // Shows a figure: every row, the first `rows` of them enabled, the given
    // labels and the figure's calculate button.
    void showFigure(QRadioButton *option, const QString &heading, int rows, std::initializer_list<QLabel *> labels,
                    QPushButton *calculate);

    // The operands of the first `rows` rows: each the leading number of its
    // row, held as a number, except the row `asText` (counted from 0), which
    // is held as that number written in the general number format.
    std::vector<numtext::Mixed> operands(int rows, int asText = -1) const;
    // Tests the rows in order, row 1 first, against the exactly empty text;
    // the first empty one shows its notice and the answer is false.
    bool filled(std::span<const QString> notices, std::uint32_t style) const;
    // Writes a result in the general number format into the result box.
    void showResult(const numtext::Mixed &value);

private:
    QLineEdit *result_ = nullptr;
    std::vector<QLineEdit *> boxes_;
    std::vector<QPushButton *> clears_;
    std::vector<QLabel *> labels_;
    std::vector<QPushButton *> calculates_;
};

template <class W>
QLineEdit *SharedRowsWindow::build(W *self, std::span<const OptionEntry<W>> options, std::span<const RowEntry<W>> rows,
                                   std::span<const LabelEntry<W>> labels, std::span<const ButtonEntry<W>> buttons,
                                   app::Tw calculateAt)
{
    for (const OptionEntry<W> &o : options) {
        const QString caption = QString::fromUtf8(o.caption);
        QRadioButton *option = o.click ? addOption(o.option.name, caption, o.rightColumn, o.top)
                                       : addUnavailableOption(o.option.name, caption, o.rightColumn, o.top);
        self->*o.option.pointer = option;
        if (o.click)
            app::on(option, &QRadioButton::clicked, self, o.click);
    }
    for (const RowEntry<W> &r : rows) {
        // Named by its place until a figure gives the row its caption.
        QLineEdit *box = rowBox(r.box.name, r.top, QStringLiteral("الخانة %1").arg(boxes_.size() + 1));
        QPushButton *clear = clearButton(r.clear.name, r.top);
        self->*r.box.pointer = box;
        self->*r.clear.pointer = clear;
        app::on(clear, &QPushButton::clicked, self, r.click);
        boxes_.push_back(box);
        clears_.push_back(clear);
    }
    for (const LabelEntry<W> &l : labels) {
        QLabel *label = rowLabel(l.label.name, QString::fromUtf8(l.caption), l.top, l.green);
        self->*l.label.pointer = label;
        labels_.push_back(label);
    }
    for (const ButtonEntry<W> &b : buttons) {
        QPushButton *button = calculateButton(b.button.name, QString::fromUtf8(b.caption), calculateAt);
        self->*b.button.pointer = button;
        app::on(button, &QPushButton::clicked, self, b.click);
        calculates_.push_back(button);
    }
    result_ = resultBox("Te5");
    std::vector<QWidget *> tabs;
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        tabs.insert(tabs.end(), {boxes_[i], clears_[i]});
    tabs.insert(tabs.end(), calculates_.begin(), calculates_.end());
    tabs.push_back(result_);
    orderTabs(tabs);
    return result_;
}

} // namespace geometry
