// The reactions of a three-hinged arch from the load moments about its hinges.
#pragma once

#include <array>

#include "data/Scalars.h"

namespace voro {

// The force (V up, H toward +x) of the left support on the arch, from the
// hinges (x, y)[0..2] and the moments of the vertical (v) and horizontal (h)
// loads about hinge 2 (loads between hinges 1 and 2 only) and hinge 3.
// Two moment equations: about hinge 3 for the whole arch, about hinge 2 for
// the part between hinges 1 and 2; the vertical and horizontal load parts
// are solved separately and added.
inline void ReazioniTreCerniere(const std::array<double, 3>& x, const std::array<double, 3>& y, double M2v,
                                double M2h, double M3v, double M3h, double& V, double& H) {
  const double dx2 = x[1] - x[0], dx3 = x[2] - x[0];
  const double dy2 = y[1] - y[0], dy3 = y[2] - y[0];
  const double D = divide(dy3 * dx2, dx3) - dy2;
  const double Hv = divide(M2v - divide(dx2 * M3v, dx3), D);
  const double Hh = divide(M2h - divide(dx2 * M3h, dx3), D);
  const double Vv = divide(Hv * dy3 + M3v, dx3);
  const double Vh = divide(Hh * dy3 + M3h, dx3);
  H = Hv + Hh;
  V = Vv + Vh;
}

}  // namespace voro
