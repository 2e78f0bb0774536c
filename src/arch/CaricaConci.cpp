// Loading the voussoirs of an assembled model.
#include "arch/CaricaConci.h"

#include "arch/Ponte.h"

namespace voro {

void CaricaConci(DatiProgetto& d, ModelloArco& m, Messages& msg) {
  if (d.xq1 < m.xMinStruttura) d.xq1 = m.xMinStruttura;
  if (d.xq2 > m.xMaxStruttura) d.xq2 = m.xMaxStruttura;
  CaricaBlocchi(d, m, msg);
}

void CaricaBlocchi(const DatiProgetto& d, ModelloArco& m, Messages& msg) {
  for (int i = 1; i <= m.nConciTot; ++i) m.ConcioI(i).ForzaConcio(d, m, msg);
  ForzePile(d, m);
}

}  // namespace voro
