// The forms' unit conversions: stresses in kN/m2 shown in MPa, lengths in m
// shown and typed in mm, with three significant digits.
#pragma once

#include <string>

#include "data/Regional.h"

namespace voro {

inline std::string FormattaDivisoMille(const Regional& r, double x) { return r.FormattaCifre(3, x / 1000); }
inline std::string FormattaPerMille(const Regional& r, double x) { return r.FormattaCifre(3, x * 1000); }
// Eccentricities: values within 0.001 mm of zero show as "0".
inline std::string FormattaPerMilleZero(const Regional& r, double x) {
  const Single y = toSingle(x * 1000);
  if (std::fabs(y) > 0.001) return r.FormattaCifre(3, y);
  return r.Formatta(y, "0");
}
inline double LeggeDivisoMille(const Regional& r, const std::string& s) { return r.ValInternazionale(s) / 1000; }

}  // namespace voro
