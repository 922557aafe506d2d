// Distances and angles written as rtos and angtos do, in the C locale.
#pragma once
#include <string>

namespace lisp {

// Modes: 1 scientific, 2 decimal, 3 engineering (feet and decimal inches),
// 4 architectural (feet and fractional inches), 5 fractional. `dimzin` bit 8
// drops trailing zeros of decimals, bit 4 the leading zero (0.5 -> .5).
std::string formatDistance(double value, int mode, int precision, int dimzin = 0);

// Modes: 0 degrees, 1 degrees/minutes/seconds, 2 grads, 3 radians. Other
// modes are written as degrees. The angle is first brought into [0, 2pi).
std::string formatAngle(double radians, int mode, int precision);

}  // namespace lisp
