// Numbers formatted with the numeric patterns of the forms: fixed decimals
// with or without digit grouping, and one-digit mantissas with an exponent.
#pragma once

#include <string>

namespace voro {

// Finite x formatted with a pattern of the forms, with the given decimal
// separator and grouping symbol (empty: no grouping):
//  - "0", "0.0", "0.000"...: fixed decimals;
//  - "#,##0", "#,##0." + zeros: digit groups of three, fixed decimals ("#,##0."
//    keeps the separator: 1 gives "1.");
//  - "#,#", "#,#.#": groups, no forced digit (0 gives "");
//  - "#." + zeros + "E+00": one mantissa digit, signed exponent of at least as
//    many digits as the pattern's zeros after "E+".
// The value is first taken to 15 significant digits, then rounded half away
// from zero at the pattern's last digit; a value that rounds to zero carries
// no minus sign.
std::string formatPattern(double x, const std::string& pattern, const std::string& decimal,
                          const std::string& grouping);

}  // namespace voro
