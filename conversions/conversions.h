#pragma once
// The conversions window: six conversions among the Celsius, Fahrenheit and
// Kelvin scales and two between radians and degrees. Each option shows its own
// labels and convert button over the shared input and result boxes.

#include "app/frame.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace app {
class Banner;
}

class Form5 : public app::SectionWindow {
    Q_OBJECT
public:
    Form5();

    app::Banner *Picture1;
    QLineEdit *Text1;
    QLabel *Label1;
    QLabel *Label2;
    QRadioButton *Op1;
    QRadioButton *Op2;
    QRadioButton *Op3;
    QRadioButton *Op4;
    QRadioButton *Op5;
    QRadioButton *Op6;
    QRadioButton *Op7;
    QRadioButton *Op8;
    QLineEdit *la22;
    QLineEdit *Te1;
    QPushButton *Com1;
    QLineEdit *Te2;
    // The panel of each option: input label, result label, convert button.
    QLabel *Lamh1, *lamh2;
    QPushButton *Comh1;
    QLabel *Lahm1, *lahm2;
    QPushButton *Cohm1;
    QLabel *Lamk1, *Lamk2;
    QPushButton *Comk1;
    QLabel *Lakm1, *Lakm2;
    QPushButton *Cokm1;
    QLabel *Lakh1, *lakh2;
    QPushButton *Comkh1;
    QLabel *Lahk1, *Lahk2;
    QPushButton *Comhk1;
    QLabel *Lads1, *Lads2;
    QPushButton *Comds1;
    QLabel *Lasd1, *Lasd2;
    QPushButton *Comsd1;
    QPushButton *Command1;
    QPushButton *Command5;
    QPushButton *Command3;

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
    struct Conversion;
    static const std::array<Conversion, 8> &conversions();
    void choose(const Conversion &chosen);
    void convert(const Conversion &conversion);
};
