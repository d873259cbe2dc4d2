#pragma once
// The number operations window: square root, absolute value, the decimal and
// the natural logarithm, the prime test, even or odd, and rounding to
// hundredths, all on the one number typed.

#include "app/frame.h"

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace app {
class Banner;
class ClickLabel;
} // namespace app

class Form8 : public app::SectionWindow {
    Q_OBJECT
public:
    Form8();

    app::Banner *Picture1;
    QLineEdit *Text1;
    QRadioButton *Op2; // absolute value
    QRadioButton *Op1; // square root
    QRadioButton *Op9; // natural logarithm
    QRadioButton *Op3; // decimal logarithm
    QRadioButton *Op4; // prime test
    QRadioButton *Op5; // rounding to hundredths
    QRadioButton *Op6; // even or odd
    QRadioButton *Option2; // the cumulative average, not available
    QLineEdit *la22;
    QLabel *Lak1;
    QLineEdit *Te1;
    QPushButton *com;
    QPushButton *Comj;
    QPushButton *Comg;
    QPushButton *Coml;
    QPushButton *Comldd;
    QPushButton *Comwl;
    QPushButton *Comw;
    QPushButton *Comt;
    QLabel *Lak2;
    QLineEdit *Te2;
    QPushButton *Command1;
    app::ClickLabel *Label4;
    QPushButton *Command3;

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
    struct Operation;
    static const std::array<Operation, 7> &operations();
    void choose(const Operation &chosen);
    void answer(const Operation &operation);
    void selectShownOperation();
    QButtonGroup *group_;
};
