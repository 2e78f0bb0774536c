// The golden-section search of a least value along one variable.
#pragma once

#include <cmath>

namespace voro {

// Narrows [a, b] about the least value of f by golden section until it is
// narrower than tol; f keeps whatever it learns on the way (the least met).
// False when avanti() says to stop before the end.
template <class F, class A>
bool SezioneAurea(double a, double b, double tol, F&& f, A&& avanti) {
  const double g = (std::sqrt(5.0) - 1) / 2;
  double c = b - g * (b - a), e = a + g * (b - a);
  double fc = f(c), fe = f(e);
  while (b - a > tol) {
    if (!avanti()) return false;
    if (fc <= fe) {
      b = e, e = c, fe = fc;
      c = b - g * (b - a);
      fc = f(c);
    } else {
      a = c, c = e, fc = fe;
      e = a + g * (b - a);
      fe = f(e);
    }
  }
  return true;
}

}  // namespace voro
