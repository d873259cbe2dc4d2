#pragma once
// The volumes window: cube, sphere, cuboid, cylinder and cone; the sphere,
// the cylinder and the cone take the radius or the diameter. All solids share
// three input rows; choosing a solid relabels them.

#include "geometry/figurewindow.h"

class Form9 : public geometry::SharedRowsWindow {
    Q_OBJECT
public:
    Form9();

    void Op1_Click();
    void Op2_Click();
    void Op3_Click();
    void Op4_Click();
    void Op5_Click();

    void Comk_Click();
    void Comr_Click();
    void Coms_Click();
    void Comn_Click();
    void Comd_Click();

    void Com1_Click();
    void Com2_Click();
    void Com3_Click();

private:
    // The cylinder and the cone: a circular base from the radius or the
    // diameter times the height; the cone takes a third of that.
    void roundBase(const QString &heightNotice, bool cone);
};
