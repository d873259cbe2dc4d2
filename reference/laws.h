#pragma once
// The laws windows: small read-only windows that show the formulas of a
// section as pictures, opened by the section's laws button beside it. The
// close button only hides a laws window, which keeps its chosen option and
// picture; its close box destroys it, and the next opening builds it afresh.

#include "kit/controls.h"
#include "kit/window.h"
#include "reference/pictures.h"

#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;

namespace reference {

// What a laws window is made of, in twips: its pictures, its close button, a
// footer title or two options that switch the pictures, a note button, and the
// rectangle that frames the bottom row.
struct LawsDesign {
    struct Shown {
        const char *name;
        app::Tw at;
        Picture picture;
        bool hidden;
    };
    struct Control {
        const char *name = nullptr; // none when null
        const char *caption = nullptr;
        app::Tw at{};
    };
    const char *name;
    const char *caption;
    int width, height;
    std::vector<Shown> pictures;
    Control close;
    Control title;
    std::vector<Control> options;
    Control note;
    app::Tw bottomFrame;
};

class LawsWindow : public app::Window {
    Q_OBJECT
public:
    QPushButton *Command1;

    void Command1_Click();

protected:
    explicit LawsWindow(const LawsDesign &design);

    PictureBox *picture(std::size_t i) const { return pictures_.at(i); }
    app::Option *option(std::size_t i) const { return options_.at(i); }
    QLabel *title() const { return title_; }
    QPushButton *note() const { return note_; }

private:
    std::vector<PictureBox *> pictures_;
    std::vector<app::Option *> options_;
    QLabel *title_ = nullptr;
    QPushButton *note_ = nullptr;
};

} // namespace reference

// Areas.
class Form11 : public reference::LawsWindow {
    Q_OBJECT
public:
    Form11();
    reference::PictureBox *Picture2;
    QLabel *Label9;
};

// Perimeters.
class Form12 : public reference::LawsWindow {
    Q_OBJECT
public:
    Form12();
    reference::PictureBox *Picture2;
    QLabel *Label9;
};

// Temperature and angle conversions: two pictures chosen by the options, and
// a note on converting between Kelvin and Fahrenheit beside the temperatures.
class Form13 : public reference::LawsWindow {
    Q_OBJECT
public:
    Form13();
    reference::PictureBox *Pic2;
    reference::PictureBox *Pic3;
    app::Option *Op1;
    app::Option *Op2;
    QPushButton *Command2;

    void Form_Load();
    void Op1_Click();
    void Op2_Click();
    void Command2_Click();
};

// Volumes.
class Form14 : public reference::LawsWindow {
    Q_OBJECT
public:
    Form14();
    reference::PictureBox *Picture2;
    QLabel *Label9;
};

// The quadratic equation: the formula of its roots and its general form,
// chosen by the options, and a note on the number of roots.
class Form19 : public reference::LawsWindow {
    Q_OBJECT
public:
    Form19();
    reference::PictureBox *Pic1;
    reference::PictureBox *Pic2;
    app::Option *Op1;
    app::Option *Op2;
    QPushButton *Command2;

    void Op1_Click();
    void Op2_Click();
    void Command2_Click();
};

// The trigonometric functions.
class Form22 : public reference::LawsWindow {
    Q_OBJECT
public:
    Form22();
    reference::PictureBox *Picture1;
    QLabel *Label9;
};
