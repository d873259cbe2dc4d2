#pragma once
// The main menu: the ten sections, the user name, the clock and the date.

#include "kit/window.h"
#include "kit/windows.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace app {
class Banner;
class ClickLabel;
} // namespace app

// One section of the menu: its option, where the option stands, and the window
// it opens.
struct MenuSection {
    const char *option;
    const char *caption;
    int top; // twips
    bool rightColumn;
    app::WindowRef window;
};

class Form1 : public app::Window {
    Q_OBJECT
public:
    Form1();

    // The sections in the order the navigate button tests them (Op1 .. Op10).
    static const std::array<MenuSection, 10> &sections();

    // The user name that Label2 shows.
    QString userName() const;
    void setUserName(const QString &name);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Form_CtrlP();
    void command5_Click();
    void Image1_Click();
    void Command6_Click();
    void Timer1_Timer();

protected:
    void Form_QueryUnload(bool &cancel) override;

private:
    app::Banner *Image1;
    QLabel *Label1;
    QLabel *Label4;
    QLabel *Label5;
    app::ClickLabel *command5;
    QLabel *Label2; // the user name
    QPushButton *Command3;
    QLineEdit *Text1;
    std::array<QRadioButton *, 10> options{};
    QPushButton *Command1;
    QPushButton *Command4;
    QPushButton *Command2;
    QPushButton *Command6; // "تقدمي"
    QPushButton *Command7; // "ورقة عمل"
    QTimer *Timer1;
};
