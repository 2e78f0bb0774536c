// The chart of the load sweep: the live-load factor against the position of
// the strip load (its left end), the least factor marked, the positions
// where no factor exists shown along the top.
#pragma once

#include <string>

#include "data/Regional.h"
#include "drawing/Disegno.h"
#include "drawing/Plottaggio.h"
#include "drawing/Tavola.h"
#include "limite/RisultatiSicurezza.h"

namespace voro {

class GraficoSpostamento : public TavolaProtetta {
 public:
  GraficoSpostamento(const RisultatiSicurezza& risultati, const Regional& regional, Disegno& disegno);

  // The round step of an axis that gives about n divisions of the range.
  static double PassoAsse(double ampiezza, int n);

 private:
  void disegna() override;

  const RisultatiSicurezza& r_;
  const Regional& reg_;
  Plottaggio finestra_;
};

}  // namespace voro
