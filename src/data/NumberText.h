// The runtime's plain text of a number: at most 7 significant digits for a
// Single and 15 for a Double, trailing zeros dropped, an exponent only where
// plain digits cannot show the value at that precision.
#pragma once

#include <string>

#include "data/Scalars.h"

namespace voro {

// Significant digits of the plain text of each type.
inline constexpr int kSingleDigits = 7;
inline constexpr int kDoubleDigits = 15;

// The plain text of x with at most `digits` significant digits, `decimal` as
// the decimal separator, and a "0" before the separator for magnitudes below 1
// only when `leadingZero` is set (the data file writes .5 and -.25).
std::string numberText(double x, int digits, const std::string& decimal, bool leadingZero);

// The plain text the runtime gives a Single or a Double ("0.5", "1E-05", "12.5").
inline std::string singleText(Single x, const std::string& decimal = ".") {
  return numberText(x, kSingleDigits, decimal, true);
}
inline std::string doubleText(double x, const std::string& decimal = ".") {
  return numberText(x, kDoubleDigits, decimal, true);
}

}  // namespace voro
