#pragma once
// The advanced calculator: a display and a keypad with square root, decimal
// logarithm, percent and memory keys. Its running value, memory, pending
// operator and new-entry flag belong to the program and outlive the window's
// controls. Its worked steps are the lines of the current calculation, one
// for each key that works something out. The keyboard types on the keypad:
// each key of the keyboard clicks the key of the keypad it stands for, and
// every key says what it did through the screen reader.

#include "calculators/keypadformulas.h"
#include "kit/frame.h"

#include <array>

class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace app {
class Banner;
class StepsSource;
} // namespace app

class Form15 : public app::SectionWindow {
    Q_OBJECT
public:
    Form15();

    // The values the calculator holds apart from its controls.
    static keypad::Held &held();

    // The digit keys and the point append their own character.
    void Digit_Click(QChar key);
    void Command13_Click(); // +
    void Command14_Click(); // -
    void Command15_Click(); // *
    void Command16_Click(); // /
    void Command12_Click(); // =
    void Command18_Click(); // Sqr
    void Command28_Click(); // Log
    void Command27_Click(); // %
    void Command8_Click();  // C
    void Command20_Click(); // AC
    void Command29_Click(); // ON
    void Command22_Click(); // M+
    void Command23_Click(); // M-
    void Command24_Click(); // MS
    void Command25_Click(); // Mr
    void Command26_Click(); // Mc
    void Command21_Click(); // About this
    void Command31_Click(); // to the conventional calculator
    void Command30_Click(); // to the main menu, when it is not shown

    // A key of the keyboard: clicks the key of the keypad it stands for and
    // says true, or says false for a key that stands for none.
    bool Form_KeyPress(const QKeyEvent &event);
    // The key of the keypad that a key of the keyboard stands for, or nullptr:
    // digits (also the Arabic ones), "." and "٫", + - * / (also − × ÷), Enter
    // and "=", Backspace for "C", Escape and Delete for "AC", %, "@" for the
    // square root, "L" for the logarithm, and the memory keys with Ctrl: P
    // (M+), Q (M-), M (MS), R (Mr), L (Mc). Enter on a focused button that
    // no key stands for (the frame buttons) is that button's.
    QPushButton *keyFor(const QKeyEvent &event) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The keys as they stand on the keypad.
    struct Key;
    static const std::array<Key, 31> &keys();

    app::Banner *Picture1;
    QLineEdit *Text1; // the display
    QLineEdit *Text2; // the memory mark
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7, *Command8, *Command9,
        *Command10, *Command11, *Command12, *Command13, *Command14, *Command15, *Command16, *Command17, *Command18,
        *Command19, *Command20, *Command21, *Command22, *Command23, *Command24, *Command25, *Command26, *Command27,
        *Command28, *Command29, *Command30, *Command31;

    app::StepsSource *steps_;
    // The lines of the current calculation, which each key that works
    // something out adds to.
    numtext::Steps calculation_;
    // Whether an operator key or "=" has worked in it.
    bool begun_ = false;

    // Runs a key's work with the steps of the calculation so far, which its
    // lines join, and publishes them.
    template <class Work> void work(Work &&key);
    void operatorKey(keypad::Operator key, const QPushButton *button);
    // The display as heard: "الشاشة ٥", "الشاشة فارغة".
    QString displayHeard() const;
    // A memory key as heard, with the memory after it.
    void announceMemory(const QPushButton *button);
    // Empties the display after a memory key and gives it the focus.
    void emptyDisplay();
    // Sizes the display's figure to its text.
    void fitDisplay();
};
