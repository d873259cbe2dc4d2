#pragma once
// The login window: the user types a name that the main menu then shows.

#include "kit/window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace app {
class Banner;
}

class Form2 : public app::Window {
    Q_OBJECT
public:
    Form2();

    void Command1_Click();
    void Command4_Click();
    void Command7_Click();
    void Command2_Click();

protected:
    void Form_QueryUnload(bool &cancel) override;

private:
    app::Banner *Image1;
    QLabel *Label1;
    QLineEdit *Text1;
    QPushButton *Command4;
    QPushButton *Command1;
    QPushButton *Command7;
    QPushButton *Command2;
};
