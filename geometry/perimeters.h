#pragma once
// The perimeters window: circle (from the radius or the diameter), trapezoid,
// square, parallelogram, triangle and rectangle. All figures share four input
// rows; choosing a figure relabels them.

#include "geometry/figurewindow.h"

class Form6 : public geometry::SharedRowsWindow {
    Q_OBJECT
public:
    Form6();

    QRadioButton *Op5;
    QRadioButton *Op2;
    QRadioButton *Op4;
    QRadioButton *Op1;
    QRadioButton *Op3;
    QRadioButton *Op6;
    QLineEdit *Te1;
    QLineEdit *Te2;
    QLineEdit *Te3;
    QLineEdit *Te4;
    QPushButton *Com1;
    QPushButton *Com2;
    QPushButton *Com3;
    QPushButton *Com4;
    QLabel *Lac1;
    QLabel *Lac2;
    QLabel *Lak1;
    QLabel *Lak2;
    QLabel *Lak3;
    QLabel *Lak4;
    QLabel *Lak5;
    QLabel *Lak6;
    QLabel *Lak7;
    QPushButton *Comc;
    QPushButton *Comh;
    QPushButton *Comb;
    QPushButton *Comz;
    QPushButton *Comt;
    QPushButton *Coms;
    QLineEdit *Te5;
    QLabel *Label1;

    void Op1_Click();
    void Op2_Click();
    void Op3_Click();
    void Op4_Click();
    void Op5_Click();
    void Op6_Click();

    void Comc_Click();
    void Comh_Click();
    void Comb_Click();
    void Comz_Click();
    void Comt_Click();
    void Coms_Click();

    void Com1_Click();
    void Com2_Click();
    void Com3_Click();
    void Com4_Click();

private:
    // The sum of the sides in rows 1 to `sides`, the third held as text.
    void sumOfSides(int sides);
};
