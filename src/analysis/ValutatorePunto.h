// One grid point of the hinge search evaluated by the voussoirs' own
// procedures, on a private copy of the voussoirs so that threads do not
// share them: the path of the rare points the lanes leave to it.
#pragma once

#include <optional>
#include <vector>

#include "arch/ModelloArco.h"
#include "data/Scalars.h"

namespace voro {

class ValutatorePunto {
 public:
  ValutatorePunto(const ModelloArco& m, double bPrima, double sinA, double cosA, bool distanze);

  // The merit of the thrust line through the hinges (x, y)[0..2] with hinge 1
  // at eccentricity e1 and the load moments M2, M3 about hinges 2 and 3;
  // none when the plain procedures meet an arithmetic fault.
  std::optional<Single> valuta(double e1, const std::array<double, 3>& x, const std::array<double, 3>& y,
                               double M2v, double M2h, double M3v, double M3h);

 private:
  std::vector<Concio> conci_;
  Single larghezzaMinima_;
  double bPrima_, sinA_, cosA_;
  bool distanze_;
};

}  // namespace voro
