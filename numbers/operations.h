#pragma once
// The number operations window: square root, absolute value, the decimal and
// the natural logarithm, the prime test, even or odd, and rounding to
// hundredths, all on the one number typed.

#include "kit/optionwindow.h"
#include "numtext/steps.h"

#include <optional>

class QLineEdit;

namespace app {
class StepsSource;
}

class Form8 : public app::OptionWindow {
    Q_OBJECT
public:
    Form8();

    void Op1_Click();
    void Op2_Click();
    void Op3_Click();
    void Op4_Click();
    void Op5_Click();
    void Op6_Click();
    void Op9_Click();
    void Option2_Click();
    void Comj_Click();
    void Comg_Click();
    void Coml_Click();
    void Comldd_Click();
    void Comwl_Click();
    void Comw_Click();
    void Comt_Click();
    void com_Click();
    void Label4_Click();

private:
    // Writes into Te2 the answer for the number in Te1, when there is one,
    // and keeps its steps; an empty Te1 gets the empty-field notice with the
    // given text.
    void answer(const char *emptyText, std::optional<QString> (*answerFor)(QStringView text, numtext::Steps &s));

    QLineEdit *Te1;
    QLineEdit *Te2;
    app::StepsSource *steps_;
};
