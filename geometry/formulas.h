#pragma once
// The formulas of the areas, perimeters and volumes windows, without
// widgets: each takes its lengths as typed, with the leading number the
// window read from each box before testing any, computes the value exactly as the window does (the
// same guarded operations in the same order, the same round trips through
// the general number format) and writes its worked steps as it goes. The
// window writes the returned value into its result box.

#include "numtext/steps.h"

#include <span>

namespace geometry {

// π as the geometry windows compute with it: 3.141592, no more precise.
constexpr double Pi = 3.141592;

// A circle's or a sphere's size as given: its radius, or its diameter; and
// the π to compute with: the windows' own, or the 3.14 an exercise gives (the
// steps then write that one).
struct RoundSize {
    numtext::Typed length;
    bool diameter = false;
    double pi = Pi;
};

using numtext::Typed;

// The areas window. Every length is rounded to 15 significant digits first.
double circleArea(const RoundSize &size, numtext::Steps &s);
double sphereSurface(const RoundSize &size, numtext::Steps &s);
double trapezoidArea(const Typed &height, const Typed &sumOfBases, numtext::Steps &s);
double rectangleArea(const Typed &length, const Typed &width, numtext::Steps &s);
double parallelogramArea(const Typed &base, const Typed &height, numtext::Steps &s);
double triangleArea(const Typed &base, const Typed &height, numtext::Steps &s);
double cubeSurface(const Typed &edge, numtext::Steps &s);

// The perimeters window.
double circlePerimeter(const RoundSize &size, numtext::Steps &s);
double squarePerimeter(const Typed &side, numtext::Steps &s);
double rectanglePerimeter(const Typed &length, const Typed &width, numtext::Steps &s);
// Three or four sides; the third is rounded to 15 significant digits.
double sumOfSides(std::span<const Typed> sides, numtext::Steps &s);
// Whether three lengths, none below zero, can be the sides of a triangle: no
// side is longer than the other two together. A flat triangle, one side the
// sum of the others (1, 2, 3), is one, and so are zero lengths. Decided on
// the numbers exactly as typed, so that 0.1, 0.7 and 0.8 are flat.
bool isTriangle(const Typed &a, const Typed &b, const Typed &c);

// The volumes window. The height of the cuboid, the cylinder and the cone is
// rounded to 15 significant digits; the sphere's cube of the radius is, when
// the radius is given.
double cubeVolume(const Typed &edge, numtext::Steps &s);
double cuboidVolume(const Typed &length, const Typed &width, const Typed &height, numtext::Steps &s);
double sphereVolume(const RoundSize &size, numtext::Steps &s);
double cylinderVolume(const RoundSize &size, const Typed &height, numtext::Steps &s);
double coneVolume(const RoundSize &size, const Typed &height, numtext::Steps &s);

} // namespace geometry
