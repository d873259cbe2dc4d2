#pragma once
// The formulas of the trigonometry window, without widgets: the six functions
// of one angle, read once as degrees and once as radians, with their worked
// steps. The window puts the returned values into its result boxes, so the
// steps and the boxes cannot disagree.

#include "numtext/steps.h"

#include <QString>
#include <QStringView>

#include <numbers>
#include <optional>

namespace conversions {

// The trigonometry window's functions. The reciprocal ones divide 1 by the
// function they invert.
enum class Function { Sine, Cosine, Tangent, Cotangent, Secant, Cosecant };

// Degrees to radians: π ÷ 180, with π the double nearest to π.
constexpr double DegreeFactor = std::numbers::pi / 180;

// The two values of the trigonometry window: the function of the angle read
// as degrees and of the same number read as radians; none where the function
// is undefined for the angle.
struct Trigonometric {
    std::optional<double> degrees;
    std::optional<double> radians;
};

// The angle is the text typed, read with the strict number conversion (a
// text that is not a number, or a number beyond the range of a double,
// fails).
//
// In degrees the number typed is taken as the exact decimal it is. At a whole
// multiple of 30° or 45° the value is the exact one (the double nearest to
// it), and none at a pole: 90°, 270°, −90° … for the tangent and the secant,
// 0°, 180°, −180° … for the cotangent and the cosecant. At any other angle
// the whole turns are taken off exactly in decimal, the rest is written
// 90° × q + t with |t| < 45°, and the value is the function of t (or of its
// complement) worked from t in radians, t × π ÷ 180.
//
// In radians the value is the function of the nearest double; only the zero
// of the cotangent and the cosecant is a pole.
//
// The steps work the degrees first, in a pupil's rules (the sign of a
// negative angle, whole turns, the related angle), end that part with its
// value set apart, and then give the radians reading under RadiansHeading.
Trigonometric trigonometric(Function function, QStringView typed, numtext::Steps &s);

// The line that opens the radians reading in the steps.
extern const QString RadiansHeading;

} // namespace conversions
