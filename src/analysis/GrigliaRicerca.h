// What the hinge search precomputes: the loaded voussoirs as arrays, and per
// pass the grid lines of the three hinges with their points and load moments.
#pragma once

#include <array>
#include <vector>

#include "analysis/CorsieRicerca.h"
#include "arch/ModelloArco.h"
#include "data/Scalars.h"

namespace voro {

// The voussoirs of the model as the lanes read them.
class ConciRicerca {
 public:
  // bPrima: the width of the springing section; sinA, cosA: the split of the
  // springing force into its normal and tangential part.
  ConciRicerca(const ModelloArco& m, double bPrima, double sinA, double cosA, bool distanze);
  // The view points into the arrays: moved along with them, never copied.
  ConciRicerca(ConciRicerca&&) = default;
  ConciRicerca(const ConciRicerca&) = delete;
  ConciRicerca& operator=(const ConciRicerca&) = delete;
  const ConciCorsie& corsie() const { return c_; }

 private:
  std::vector<double> Ftot_, FOrizzontale_, SinAlfa_, CosAlfa_, xMedio_, yMedio_, momentoFtot_, momentoFOriz_;
  std::vector<double> h_, hMezzi_, hSesto_, b_, invH_, invHB_;
  ConciCorsie c_;
};

// One hinge's grid line: the eccentricities by repeated addition of the step,
// the hinge points (ok false where placing the hinge raises a fault) and the
// moments of the loads about the point (hinges 2 and 3).
struct LineaCerniera {
  std::vector<double> e, x, y, Mv, Mh;
  std::vector<char> ok;
};

struct LineeGriglia {
  int n = 0;
  std::array<LineaCerniera, 3> h;
};

}  // namespace voro
