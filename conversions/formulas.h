#pragma once
// The formulas of the conversions and trigonometry windows, without widgets.
// Each reads its operand from the text typed into the window's input box as
// the window reads it, computes with guarded arithmetic in the window's order
// and with its constants, and writes its worked steps as it goes. The windows
// put the returned values into their result boxes, so the steps and the boxes
// cannot disagree.

#include "numtext/steps.h"

#include <QStringView>

#include <optional>

namespace conversions {

// The constants of the conversions window: 1.8 is the nearest double, the
// Kelvin offset is the whole 273 and pi is taken to six decimals.
constexpr double FahrenheitStep = 1.8;
constexpr double FahrenheitZero = 32;
constexpr double KelvinZero = 273;
constexpr double HalfTurn = 180;
constexpr double Pi = 3.141592;

// The eight conversions. The first four read their operand with a round trip
// through the general number format (the leading number written with fifteen
// digits and read strictly again); the Kelvin-Fahrenheit pair and the angles
// take the leading number as it is. The Kelvin-Fahrenheit pair passes through
// Celsius.
double celsiusToFahrenheit(QStringView typed, numtext::Steps &s); // (x × 1.8) + 32
double fahrenheitToCelsius(QStringView typed, numtext::Steps &s); // (x − 32) ÷ 1.8
double celsiusToKelvin(QStringView typed, numtext::Steps &s);     // x + 273
double kelvinToCelsius(QStringView typed, numtext::Steps &s);     // x − 273
double kelvinToFahrenheit(QStringView typed, numtext::Steps &s);  // ((x − 273) × 1.8) + 32
double fahrenheitToKelvin(QStringView typed, numtext::Steps &s);  // ((x − 32) ÷ 1.8) + 273
double radiansToDegrees(QStringView typed, numtext::Steps &s);    // (x × 180) ÷ 3.141592
double degreesToRadians(QStringView typed, numtext::Steps &s);    // (x × 3.141592) ÷ 180
// The same with another π: the 3.14 an exercise gives. The steps write that
// π and say nothing of the exact measure, which only the window's π misses.
double radiansToDegrees(QStringView typed, numtext::Steps &s, double pi);
double degreesToRadians(QStringView typed, numtext::Steps &s, double pi);

// The trigonometry window's functions. The reciprocal ones divide the whole
// number 1 by the function they invert.
enum class Function { Sine, Cosine, Tangent, Cotangent, Secant, Cosecant };

// Degrees to radians with pi taken to fifteen significant digits, which is why
// the tangent of 45 degrees comes out as 0.999999999999998.
constexpr double TrigonometryPi = 3.14159265358979;
constexpr double DegreeFactor = TrigonometryPi / 180;

// The two values of the trigonometry window: the function of the angle read
// as degrees and of the same number read as radians; none where the function
// is undefined for the angle.
struct Trigonometric {
    std::optional<double> degrees;
    std::optional<double> radians;
};

// The angle is the strict single conversion of the text typed. In degrees a
// pole is found on that single-precision number exactly (no rounding of pi can
// hide one): 90, 270, -90 ... for the tangent and the secant, 0, 180, -180 ...
// for the cotangent and the cosecant; in radians only the zero of the
// cotangent and the cosecant is one.
Trigonometric trigonometric(Function function, QStringView typed, numtext::Steps &s);

} // namespace conversions
