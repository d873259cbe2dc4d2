#pragma once
// The advanced calculator: a display and a keypad with square root, decimal
// logarithm, percent and memory keys. Its running value, memory, pending
// operator and new-entry flag belong to the program and outlive the window's
// controls.

#include "calculators/keypadformulas.h"
#include "kit/frame.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace app {
class Banner;
}

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

    void operatorKey(keypad::Operator key);
    // Empties the display after a memory key and gives it the focus.
    void emptyDisplay();
    // Sizes the display's figure to its text.
    void fitDisplay();
};
