#pragma once
// The formulas of the conversions window, without widgets.
// Each reads its operand from the text typed into the window's input box as
// the window reads it, computes with guarded arithmetic in the window's order
// and with its constants, and writes its worked steps as it goes. The windows
// put the returned values into their result boxes, so the steps and the boxes
// cannot disagree.

#include "numtext/steps.h"

#include <QStringView>


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

} // namespace conversions
