// The default rule of a new project.
#include "data/DatiProgetto.h"

namespace voro {

void Datidefault(DatiProgetto& d, StatoInterfaccia& stato) {
  if (!stato.DatiNuovi) return;
  if (!(d.Larghezza > 0)) d.Larghezza = 1;
  if (!(d.ScalaPlot > 0)) d.ScalaPlot = 1;
  stato.DatiNuovi = false;
}

}  // namespace voro
