#pragma once
// A section window built from an option list. Each option of the list owns a
// panel: a heading for la22, an action button that runs its calculation and
// becomes the default button, and the labels and other controls it shows.
// Choosing an option (by a click, the arrow keys, the space bar or a screen
// reader's action) runs its handler once; the handler shows its panel with
// showPanel(), the one place that says what choosing an option shows.
//
// A window describes its options in a table of Choice, every field named:
//
//     {.option = {.name = "Op1", .caption = "من المئوي إلى الفهرنهايت", .at = {2400, 2040, 2175, 240}},
//      .chosen = &Form5::Op1_Click,
//      .heading = "التحويل من المئوي إلى الفهرنهايت",
//      .action = {.name = "Comh1", .caption = "تحويل إلى فهرنهايت", .clicked = &Form5::Comh1_Click},
//      .labels = {{.name = "Lamh1", .caption = "أدخل الدرجة بالمئوي", .at = InputLabelAt}, ...}},
//
// and its handlers are one line each: Op1_Click() { showPanel("Op1"); }, and
// the action's handler calls the window's formula.

#include "kit/controls.h"
#include "kit/frame.h"

#include <QString>

#include <concepts>
#include <functional>
#include <initializer_list>
#include <span>
#include <vector>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;

namespace app {

class OptionWindow;

// A handler of a window as a table names it, &Form5::Comh1_Click; it runs on
// the window that the table builds. It holds the member pointer itself, as a
// member of OptionWindow, so a table of handlers is a constant: nothing is
// allocated or run to build it.
class Handler {
public:
    Handler() = default;
    template <class W>
    requires std::derived_from<W, OptionWindow>
    constexpr Handler(void (W::*handler)()) : call_(static_cast<void (OptionWindow::*)()>(handler)) {}
    explicit operator bool() const { return call_ != nullptr; }
    // `w` is the window of the table, so of the handler's own class.
    void operator()(OptionWindow &w) const { (w.*call_)(); }

private:
    void (OptionWindow::*call_)() = nullptr;
};

// A control that a table builds: its name, its caption and its place in twips.
struct Control {
    const char *name = nullptr;
    const char *caption = "";
    Tw at{};
};

// A button that a table builds at the window's action place, with its handler.
struct Action {
    const char *name = nullptr;
    const char *caption = "";
    Handler clicked = {};
};

// One option of the list and the panel that choosing it shows.
struct Choice {
    // The option; it keeps the width of its circle and caption from the
    // right edge of its place, so that a click anywhere on it chooses it.
    Control option = {};
    // Its handler, run once per choice however the choice is made.
    Handler chosen = {};
    // An option that is not available yet is red and has no panel: choosing
    // it only says so (its handler calls notAvailable()).
    bool available = true;
    // Put into la22.
    const char *heading = "";
    // Runs the calculation; the default button while the option is chosen.
    Action action = {};
    // Labels of its own, built hidden.
    std::vector<Control> labels = {};
    // Other controls of its panel, built by the window.
    std::vector<const char *> shows = {};
    // The labels that stand beside the shared input rows, row 1 first; the
    // rows without one are disabled.
    std::vector<const char *> rowLabels = {};
};

class OptionWindow : public SectionWindow {
    Q_OBJECT
public:
    // The option whose panel is shown, or none.
    Option *chosenOption() const;

protected:
    using SectionWindow::SectionWindow;

    // The heading box la22 across the window at the given top.
    QLineEdit *headingBox(int top);
    // Builds the option list from the table, each option's labels and its
    // action button at `actionAt`, and connects their handlers.
    void buildChoices(std::span<const Choice> choices, Tw actionAt);
    // The control above the option list that names it (the instruction
    // line): a screen reader says it as the focus enters the list. Before
    // or after the list is built.
    void headList(QWidget *heading);
    // Controls that every panel shows, hidden until the first choice.
    void setSharedPanel(std::initializer_list<QWidget *> controls);
    // Input rows (a box and its clear button) that all panels share.
    void setSharedRows(std::vector<QLineEdit *> boxes, std::vector<QPushButton *> clears);

    // What choosing the named option does: its action button becomes the
    // default button; the shared panel, the shared rows and the option's own
    // controls are shown and the other options' hidden; the shared rows that
    // the option labels are enabled, the others disabled (their texts stay);
    // la22 gets the option's heading. No box is cleared.
    void showPanel(const char *option);
    // What choosing an option that is not available yet does: the mark goes
    // back to the option whose panel is shown (or to none), and a notice says
    // the option is not available. Nothing else changes.
    void notAvailable();

    // The control of this window with the given name; a name that no
    // control of that kind has is a programming fault that ends the program.
    template <class T = QWidget> T *named(const char *name) const
    {
        auto *c = qobject_cast<T *>(namedWidget(name));
        if (!c)
            qFatal("%s: %s is not of the kind asked for", qPrintable(objectName()), name);
        return c;
    }
    // Sets the tab order to the options in the order of the table, the given
    // controls, then the frame buttons from the right.
    void orderTabs(std::initializer_list<QWidget *> first, const std::vector<QWidget *> &middle,
                   std::initializer_list<QWidget *> frame);
    const std::vector<Option *> &options() const { return options_; }
    // Runs a handler that a table names when the button is clicked.
    void onClick(QPushButton *button, const Handler &handler);

    QLineEdit *heading_ = nullptr; // la22

private:
    struct Panel {
        QString heading;
        Option *option;
        QPushButton *action;
        std::vector<QWidget *> controls;
        std::vector<QLabel *> rowLabels;
    };
    QWidget *namedWidget(const char *name) const;
    const Panel &panelOf(const char *option) const;

    QButtonGroup *group_ = nullptr;
    QWidget *listHeading_ = nullptr;
    std::vector<Option *> options_;
    std::vector<Panel> panels_;
    std::vector<QWidget *> shared_;
    std::vector<QLineEdit *> rowBoxes_;
    std::vector<QPushButton *> rowClears_;
    int shown_ = -1; // the panel shown, or none
};

} // namespace app
