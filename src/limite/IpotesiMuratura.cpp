// The project's masonry and soil hypotheses, joint by joint.
#include "limite/IpotesiMuratura.h"

#include <algorithm>

namespace voro {

bool IpotesiMuratura::resistenzaFinita() const {
  return std::any_of(resistenza.begin(), resistenza.end(), [](double r) { return r > 0; });
}

double ResistenzaConcio(const DatiProgetto& d, const ModelloArco& m, int i) {
  if (d.nVori <= 1) return d.ResistenzaAnello;
  for (int k = 1; k <= m.Vori.size() && k <= d.Vori.size(); ++k) {
    const VoroParziale& v = m.Vori(k);
    if (i >= v.iConcio1 && i < v.iConcio1 + v.nConci) return d.Vori(k).Resistenza;
  }
  return 0;
}

double LarghezzaImposta(const DatiProgetto& d, const ModelloArco& m) {
  return m.nConciPareteSinistra > 0 ? m.ConciPareteSinistra(m.nConciPareteSinistra).bSez
                                    : static_cast<double>(d.Larghezza);
}

IpotesiMuratura IpotesiProgetto(const DatiProgetto& d, const ModelloArco& m) {
  IpotesiMuratura h;
  // A joint is as strong as the weaker voussoir beside it; MPa to kN/m2.
  std::vector<double> fc(static_cast<std::size_t>(m.nConciTot) + 1, 0);
  bool finita = false;
  for (int j = 0; j <= m.nConciTot; ++j) {
    const double a = j >= 1 ? ResistenzaConcio(d, m, j) : 0;
    const double b = j < m.nConciTot ? ResistenzaConcio(d, m, j + 1) : 0;
    const double r = a > 0 && b > 0 ? std::min(a, b) : std::max(a, b);
    const double larghezza = j > 0 ? m.Conci(j).bSez : LarghezzaImposta(d, m);
    fc[static_cast<std::size_t>(j)] = r > 0 ? r * 1000 * std::max(larghezza, static_cast<double>(m.LarghezzaMinima)) : 0;
    finita = finita || r > 0;
  }
  if (finita) h.resistenza = std::move(fc);
  if (d.Attrito) h.attrito = *d.Attrito;
  if (d.SpintaPassiva) h.mobilitazione = d.Mobilitazione;
  return h;
}

}  // namespace voro
