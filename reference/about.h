#pragma once
// The About window: the product, its version and its designer.

#include "kit/window.h"

class QLabel;
class QLineEdit;
class QPushButton;

class Form10 : public app::Window {
    Q_OBJECT
public:
    Form10();

    QLabel *Label5;
    QLabel *Label3;
    QLabel *Label6;
    QLabel *Label4;
    QLabel *Label7;
    QLabel *Label1;
    QLabel *Label8;
    QLineEdit *Text1;
    QPushButton *Command1;

    void Command1_Click();
};
