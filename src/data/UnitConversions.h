// The forms' unit conversions: stresses in kN/m2 shown in MPa, lengths in m
// shown and typed in mm, with three significant digits.
#pragma once

#include <string>

#include "data/Regional.h"

namespace voro {

inline std::string FormattaDivisoMille(const Regional& r, double x) { return r.FormattaCifre(3, x / 1000); }
inline std::string FormattaPerMille(const Regional& r, double x) { return r.FormattaCifre(3, x * 1000); }
// Eccentricities in mm with one decimal: the same figure in the geometry
// form, the report's boxes and its grid.
inline std::string FormattaMillimetri(const Regional& r, double x) { return r.Formatta(toSingle(x * 1000), "0.0"); }
inline double LeggeDivisoMille(const Regional& r, const std::string& s) { return r.ValInternazionale(s) / 1000; }

}  // namespace voro
