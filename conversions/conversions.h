#pragma once
// The conversions window: six conversions among the Celsius, Fahrenheit and
// Kelvin scales and two between radians and degrees. Each option shows its own
// labels and convert button over the shared input and result boxes.

#include "conversions/temperatureformulas.h"
#include "kit/optionwindow.h"

#include <QStringView>

#include <optional>

class QLineEdit;
class QPushButton;

namespace app {
class StepsSource;
}
namespace numtext {
class Steps;
}

class Form5 : public app::OptionWindow {
    Q_OBJECT
public:
    Form5();

    void Op1_Click();
    void Op2_Click();
    void Op3_Click();
    void Op4_Click();
    void Op5_Click();
    void Op6_Click();
    void Op7_Click();
    void Op8_Click();
    void Comh1_Click();
    void Cohm1_Click();
    void Comk1_Click();
    void Cokm1_Click();
    void Comkh1_Click();
    void Comhk1_Click();
    void Comds1_Click();
    void Comsd1_Click();
    void Com1_Click();

private:
    // Converts the number typed in Te1 with the formula (conversions/formulas.h),
    // writes the result into Te2 and keeps the steps; an empty Te1 gets the
    // empty-field notice with the given text, and a temperature below
    // absolute zero on the scale it is converted from a notice that there is
    // none.
    void convert(const char *emptyText, double (*formula)(QStringView typed, numtext::Steps &s),
                 std::optional<conversions::Scale> from = std::nullopt);

    QLineEdit *Te1;
    QPushButton *Com1;
    QLineEdit *Te2;
    app::StepsSource *steps_;
};
