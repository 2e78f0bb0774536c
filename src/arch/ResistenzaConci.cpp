// The masonry's strength of each voussoir.
#include "arch/ResistenzaConci.h"

namespace voro {

double ResistenzaConcio(const DatiProgetto& d, const ModelloArco& m, int i) {
  if (m.ponte()) {
    const auto k = static_cast<std::size_t>(i - 1);
    return k < m.ResistenzaConci.size() ? m.ResistenzaConci[k] : 0;
  }
  if (d.nVori <= 1) return d.ResistenzaAnello;
  for (int k = 1; k <= m.Vori.size() && k <= d.Vori.size(); ++k) {
    const VoroParziale& v = m.Vori(k);
    if (i >= v.iConcio1 && i < v.iConcio1 + v.nConci) return d.Vori(k).Resistenza;
  }
  return 0;
}

}  // namespace voro
