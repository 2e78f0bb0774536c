// The chart of the load sweep: the live-load factor against the position of
// the strip load (its left end), the least factor marked, the positions
// where no factor exists shown along the top; below it the arch with the
// strip at the worst position and the mechanism it forms there. An arch that
// does not stand or cannot carry its variable load is flagged in words on a
// red band; a project without a sweep says so instead of drawing empty axes.
#pragma once

#include <string>

#include "arch/ModelloArco.h"
#include "data/Regional.h"
#include "drawing/Disegno.h"
#include "drawing/Plottaggio.h"
#include "drawing/Tavola.h"
#include "limite/RisultatiSicurezza.h"

namespace voro {

class GraficoSpostamento : public TavolaProtetta {
 public:
  // modello: the assessed voussoirs, for the picture of the worst mechanism.
  GraficoSpostamento(const RisultatiSicurezza& risultati, const ModelloArco& modello, const Regional& regional,
                     Disegno& disegno);

  // The round step of an axis that gives about n divisions of the range.
  static double PassoAsse(double ampiezza, int n);
  // A tick's text with as many decimals as the step needs.
  std::string TestoTacca(double v, double passo) const;

 private:
  void disegna() override;
  // The message in place of the chart; the warning above it, if any.
  void senzaGrafico(const std::string& perche);
  // The arch below the chart: the strip at the worst position, the collapse
  // line there and its four hinges.
  void meccanismoPeggiore();

  const RisultatiSicurezza& r_;
  const ModelloArco& m_;
  const Regional& reg_;
  Plottaggio finestra_;
  Plottaggio finestraArco_;
};

}  // namespace voro
