// Numbers formatted with the numeric patterns of the forms: fixed decimals
// with or without digit grouping, and one-digit mantissas with an exponent.
#pragma once

#include <string>

namespace voro {

// x formatted with one of "#,##0", "#,##0." + zeros, "0", "0.0", "#.00E+00"
// (in general "#." + zeros + "E+00"), "#,#", "#,#.#", with the given decimal
// separator and grouping symbol. The value is taken to 15 significant digits
// and rounded half away from zero at the pattern's last digit.
std::string formatPattern(double x, const std::string& pattern, const std::string& decimal,
                          const std::string& grouping);

}  // namespace voro
