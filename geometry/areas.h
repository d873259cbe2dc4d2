#pragma once
// The areas window: circle, sphere (surface), trapezoid, square and
// rectangle, parallelogram, triangle and cube (surface). Each figure has an
// input panel of its own; all panels stand in one place and only the chosen
// one is shown.

#include "geometry/figurewindow.h"

class Form4 : public geometry::FigureWindow {
    Q_OBJECT
public:
    Form4();

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
    // A length box and the notice that asks for it when it is empty.
    struct Length {
        const char *box = nullptr;
        const char *emptyNotice = nullptr;
    };
    using Round = double (*)(const geometry::RoundSize &, numtext::Steps &);
    using Sides = double (*)(const numtext::Typed &first, const numtext::Typed &second, numtext::Steps &);
    // The circle and the sphere: from the radius or the diameter.
    void radiusOrDiameter(const char *radiusBox, const char *diameterBox, const char *resultBox, Round area);
    // The figures of one or two lengths; the cube has no second one.
    void lengths(Length first, Length second, const char *resultBox, Sides area);
    QString text(const char *box) const;
    void clear(const char *box);
};
