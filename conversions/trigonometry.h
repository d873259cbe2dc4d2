#pragma once
// The trigonometric functions window: the six functions of one angle, read
// once as degrees and once as radians. Where the function is undefined for
// the angle, its box says so in place of a number.

#include "kit/optionwindow.h"

class QLineEdit;

namespace app {
class StepsSource;
}
namespace conversions {
enum class Function;
}

class Form7 : public app::OptionWindow {
    Q_OBJECT
public:
    Form7();

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
    // Writes into Te2 the function of the angle in Te1 read as degrees and
    // into Te3 that of the same number read as radians, and keeps the steps;
    // an empty Te1 gets the empty-field notice with the given text.
    void calculate(const char *emptyText, conversions::Function function);

    QLineEdit *Te1;
    QLineEdit *Te2;
    QLineEdit *Te3;
    app::StepsSource *steps_;
};
