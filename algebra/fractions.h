#pragma once
// The fractions window: adds or subtracts a/b and c/d over a common
// denominator, and hands the result over to the conventional calculator for
// the division.

#include "kit/frame.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace app {
class Banner;
class ClickLabel;
class StepsSource;
} // namespace app

namespace algebra {
enum class FractionOperation;
}

class Form17 : public app::SectionWindow {
    Q_OBJECT
public:
    Form17();

    void Opt1_Click();
    void Opt2_Click();
    void Com2_Click();
    void Com4_Click();
    void Command2_Click();
    void Command4_Click();
    void Label4_Click();

private:
    app::Banner *Picture1;
    QLineEdit *la22;
    QLabel *Label1;
    QLabel *Label2;
    app::Option *Opt1;
    app::Option *Opt2;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QLabel *La3;
    QLabel *La2;
    QLabel *La1;
    QLineEdit *Text5;
    QLineEdit *Text6;
    QPushButton *Com2;
    QPushButton *Com4;
    QPushButton *Command2;
    QPushButton *Command4;
    QPushButton *Command1;
    app::ClickLabel *Label4;
    QPushButton *Command3;
    app::StepsSource *steps_;

    void choose(algebra::FractionOperation operation);
    void calculate(algebra::FractionOperation operation);
};
