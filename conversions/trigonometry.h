#pragma once
// The trigonometric functions window: the six functions of one angle, read
// once as degrees and once as radians. Where the function is undefined for
// the angle, its box says so in place of a number.

#include "app/frame.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace app {
class Banner;
}

class Form7 : public app::SectionWindow {
    Q_OBJECT
public:
    Form7();

    app::Banner *Picture1;
    QLineEdit *Text2;
    QRadioButton *Op3; // sine
    QRadioButton *Op1; // cosine
    QRadioButton *Op5; // tangent
    QRadioButton *Op2; // cotangent
    QRadioButton *Op4; // secant
    QRadioButton *Op6; // cosecant
    QLineEdit *la22;
    QLabel *Label3;
    QLineEdit *Te1;
    QPushButton *Comc;
    QPushButton *comsine;
    QPushButton *comcos;
    QPushButton *comtan;
    QPushButton *comcot;
    QPushButton *comsec;
    QPushButton *comcosc;
    QLabel *Label1;
    QLineEdit *Te2;
    QPushButton *Command4;
    QLabel *Label2;
    QLineEdit *Te3;
    QPushButton *Command5;
    QPushButton *Command1;
    QPushButton *Command2;
    QPushButton *Command3;

    void Op1_Click();
    void Op2_Click();
    void Op3_Click();
    void Op4_Click();
    void Op5_Click();
    void Op6_Click();
    void comsine_Click();
    void comcos_Click();
    void comtan_Click();
    void comcot_Click();
    void comsec_Click();
    void comcosc_Click();
    void Comc_Click();
    void Command4_Click();
    void Command5_Click();

private:
    struct Function;
    static const std::array<Function, 6> &functions();
    void choose(const Function &chosen);
    void calculate(const Function &function);
};
