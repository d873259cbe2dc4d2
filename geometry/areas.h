#pragma once
// The areas window: circle, sphere (surface), trapezoid, square and
// rectangle, parallelogram, triangle and cube (surface). Each figure has an
// input panel of its own; all panels stand in one place and only the chosen
// one is shown.

#include "geometry/figurewindow.h"

#include <vector>

class Form4 : public geometry::FigureWindow {
    Q_OBJECT
public:
    Form4();

    QRadioButton *Op1;
    QRadioButton *Op11;
    QRadioButton *Op5;
    QRadioButton *Op3;
    QRadioButton *Op2;
    QRadioButton *Op4;
    QRadioButton *Op6;
    QRadioButton *Option1;
    QLabel *Label8;

    // circle
    QLabel *Label1;
    QLineEdit *tc2;
    QPushButton *Command5;
    QLabel *Label3;
    QLineEdit *tc1;
    QPushButton *Command6;
    QPushButton *Comc;
    QLineEdit *tc3;
    // sphere
    QLabel *Label6;
    QLineEdit *tb2;
    QPushButton *Command7;
    QLabel *Label4;
    QLineEdit *tb1;
    QPushButton *Command4;
    QPushButton *Comb;
    QLineEdit *tb3;
    // trapezoid
    QLabel *Laf1;
    QLineEdit *Tf1;
    QPushButton *Comf1;
    QLabel *Laf2;
    QLineEdit *Tf2;
    QPushButton *Comf2;
    QPushButton *Comf3;
    QLineEdit *Tf3;
    QPushButton *Comf4;
    // square and rectangle
    QLabel *Las1;
    QLineEdit *Ts1;
    QPushButton *Coms1;
    QLabel *Las2;
    QLineEdit *Ts2;
    QPushButton *Coms2;
    QPushButton *Coms3;
    QLineEdit *Ts3;
    // parallelogram
    QLabel *Lam1;
    QLineEdit *Tm1;
    QPushButton *Com1;
    QLabel *Lam2;
    QLineEdit *Tm2;
    QPushButton *Com2;
    QPushButton *Com3;
    QLineEdit *Tm3;
    // triangle
    QLabel *lat1;
    QLineEdit *tt1;
    QPushButton *Comt1;
    QLabel *lat2;
    QLineEdit *tt2;
    QPushButton *Comt2;
    QPushButton *Comt3;
    QLineEdit *tt3;
    // cube
    QLabel *Lak1;
    QLineEdit *Tk1;
    QPushButton *Comk1;
    QLineEdit *Tk2;
    QPushButton *Comk2;
    QPushButton *Comk3;
    QLineEdit *Tk3;

    void Op1_Click();
    void Op11_Click();
    void Op2_Click();
    void Op3_Click();
    void Op4_Click();
    void Op5_Click();
    void Op6_Click();

    void Comc_Click();
    void Comb_Click();
    void Comf3_Click();
    void Coms3_Click();
    void Com3_Click();
    void Comt3_Click();
    void Comk3_Click();

    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command4_Click();
    void Comf1_Click();
    void Comf2_Click();
    void Coms1_Click();
    void Coms2_Click();
    void Com1_Click();
    void Com2_Click();
    void Comt1_Click();
    void Comt2_Click();
    void Comk1_Click();

    void Comf4_Click();

private:
    // The figures in the order of the option list.
    enum Figure { Circle, Sphere, Triangle, Rectangle, Trapezoid, Parallelogram, Cube };
    struct Panel {
        QRadioButton *option;
        QString heading;
        QPushButton *calculate;
        std::vector<QWidget *> controls;
    };
    void showPanel(Figure figure);
    // The circle and the sphere: from the radius or the diameter.
    void radiusOrDiameter(Figure figure);
    // The figures of one or two lengths.
    void lengths(Figure figure);

    std::vector<Panel> panels_;
};
