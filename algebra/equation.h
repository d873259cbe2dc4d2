#pragma once
// The equation solver: a·x² + b·x + c = 0, quadratic when a is not 0 and
// linear when it is. The coefficients are typed into three boxes and the roots
// are written into two.

#include "kit/frame.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace app {
class Banner;
class StepsSource;
} // namespace app

class Form16 : public app::SectionWindow {
    Q_OBJECT
public:
    Form16();

    void Command4_Click();
    void Command2_Click();

private:
    app::Banner *Picture1;
    QLineEdit *la22;
    QLabel *Label1;
    QLabel *Label4;
    QLabel *Label11;
    QLineEdit *Te1;
    QLabel *Label5;
    QLabel *Label10;
    QLineEdit *Te2;
    QLabel *Label6;
    QLabel *Label3;
    QLineEdit *Te3;
    QPushButton *Command4;
    QPushButton *Command2;
    QLabel *Label8;
    QLabel *Label7;
    QLabel *Label2;
    QLineEdit *Te4;
    QLabel *Label13;
    QLabel *Label12;
    QLabel *Label9;
    QLineEdit *Te5;
    QPushButton *Command1;
    QPushButton *Command5;
    QPushButton *Command3;
    app::StepsSource *steps_;

    // The second-root row: its box, the conjunction and its caption pair.
    void showSecondRoot(bool shown);
};
