// The chart of the vehicle sweep: the live-load factor against the position
// of the vehicle's first axle, one curve for each direction it is driven,
// the least factor marked and, when given, the position the user looks at.
#pragma once

#include <optional>

#include "data/Regional.h"
#include "drawing/Disegno.h"
#include "drawing/Plottaggio.h"
#include "drawing/Tavola.h"
#include "limite/RisultatiVeicolo.h"

namespace voro {

class GraficoVeicolo : public TavolaProtetta {
 public:
  // corrente: the position shown in the Safety window, drawn as a vertical line.
  GraficoVeicolo(const RisultatiVeicolo& risultati, const Regional& regional, Disegno& disegno,
                 std::optional<double> corrente = std::nullopt);

 private:
  void disegna() override;

  const RisultatiVeicolo& r_;
  const Regional& reg_;
  std::optional<double> corrente_;
  Plottaggio finestra_;
};

}  // namespace voro
