#pragma once
// The perimeters window: circle (from the radius or the diameter), trapezoid,
// square, parallelogram, triangle and rectangle. All figures share four input
// rows; choosing a figure relabels them.

#include "geometry/figurewindow.h"

class Form6 : public geometry::SharedRowsWindow {
    Q_OBJECT
public:
    Form6();

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
