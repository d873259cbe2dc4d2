#pragma once
// The formulas of the areas, perimeters and volumes windows, without
// widgets: each takes its lengths as the window read them (the leading
// number of each box), computes the value exactly as the window does (the
// same guarded operations in the same order, the same round trips through
// the general number format) and writes its worked steps as it goes. The
// window writes the returned value into its result box.

#include "numtext/steps.h"

#include <span>

namespace geometry {

// π as the geometry windows compute with it: 3.141592, no more precise.
constexpr double Pi = 3.141592;

// A circle's or a sphere's size as given: its radius, or its diameter.
struct RoundSize {
    double length = 0;
    bool diameter = false;
};

// The areas window. Every length is rounded to 15 significant digits first.
double circleArea(RoundSize size, numtext::Steps &s);
double sphereSurface(RoundSize size, numtext::Steps &s);
double trapezoidArea(double height, double sumOfBases, numtext::Steps &s);
double rectangleArea(double length, double width, numtext::Steps &s);
double parallelogramArea(double base, double height, numtext::Steps &s);
double triangleArea(double base, double height, numtext::Steps &s);
double cubeSurface(double edge, numtext::Steps &s);

// The perimeters window.
double circlePerimeter(RoundSize size, numtext::Steps &s);
double squarePerimeter(double side, numtext::Steps &s);
double rectanglePerimeter(double length, double width, numtext::Steps &s);
// Three or four sides; the third is rounded to 15 significant digits.
double sumOfSides(std::span<const double> sides, numtext::Steps &s);

// The volumes window. The height of the cuboid, the cylinder and the cone is
// rounded to 15 significant digits; the sphere's cube of the radius is, when
// the radius is given.
double cubeVolume(double edge, numtext::Steps &s);
double cuboidVolume(double length, double width, double height, numtext::Steps &s);
double sphereVolume(RoundSize size, numtext::Steps &s);
double cylinderVolume(RoundSize size, double height, numtext::Steps &s);
double coneVolume(RoundSize size, double height, numtext::Steps &s);

} // namespace geometry
