#pragma once
// The conventional calculator: two numbers, four operations and rounding of
// the result to hundredths.

#include "kit/handover.h"
#include "kit/window.h"

#include <QList>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;

namespace app {
class Banner;
class StepsSource;
} // namespace app

namespace calculators {
enum class Operation;
}

class Form3 : public app::Window, public app::OperandTaker {
    Q_OBJECT
public:
    Form3();

    // Puts two numbers into the boxes of the first and second number (the
    // fractions window hands over its result this way); the back button then
    // restores the window that handed them over.
    void setOperands(const QString &first, const QString &second, QWidget *returnTo) override;
    // A window that waits minimized while the calculator is used: the back
    // button restores it if it is still shown.
    void returnTo(QWidget *window);

    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command4_Click();
    void Command13_Click();
    void Command2_Click();
    void Command1_Click();

protected:
    void Form_QueryUnload(bool &cancel) override;

private:
    app::Banner *Picture1;
    QLineEdit *Text4;
    QLabel *Label1;
    QLineEdit *Text1;
    QPushButton *Command11;
    QLabel *Label2;
    QLineEdit *Text2;
    QPushButton *Command4;
    QPushButton *Command6;
    QPushButton *Command7;
    QPushButton *Command8;
    QPushButton *Command9;
    QLineEdit *Text3;
    QPushButton *Command13;
    QPushButton *Command10;
    QLabel *Label11;
    QLineEdit *Text5;
    QPushButton *Command2;
    QPushButton *Command1;
    app::StepsSource *steps_;
    QList<QPointer<QWidget>> returnTo_; // in the order they handed over

    void calculate(calculators::Operation operation);
};
