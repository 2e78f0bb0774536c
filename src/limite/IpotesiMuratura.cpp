// The project's masonry and soil hypotheses, joint by joint.
#include "limite/IpotesiMuratura.h"

#include <algorithm>

namespace voro {

bool IpotesiMuratura::resistenzaFinita() const {
  return std::any_of(resistenza.begin(), resistenza.end(), [](double r) { return r > 0; });
}

double LarghezzaImposta(const DatiProgetto& d, const ModelloArco& m) {
  return m.nConciPareteSinistra > 0 ? m.ConciPareteSinistra(m.nConciPareteSinistra).bSez
                                    : static_cast<double>(d.Larghezza);
}

IpotesiMuratura IpotesiProgetto(const DatiProgetto& d, const ModelloArco& m) {
  IpotesiMuratura h;
  // A joint is as strong as the weaker voussoir beside it; MPa to kN/m2.
  // The joints as the statics numbers them: each span's from its left
  // springing, then each pier's base.
  std::vector<double> fc;
  bool finita = false;
  auto giunto = [&](double r, double larghezza) {
    fc.push_back(r > 0 ? r * 1000 * std::max(larghezza, static_cast<double>(m.LarghezzaMinima)) : 0);
    finita = finita || r > 0;
  };
  const std::vector<CampataModello> campate =
      m.ponte() ? m.Campate : std::vector<CampataModello>{{1, m.nConciTot, m.iChiave}};
  for (std::size_t k = 0; k < campate.size(); ++k) {
    const int primo = campate[k].primo, ultimo = campate[k].ultimo;
    for (int j = primo - 1; j <= ultimo; ++j) {
      const double a = j >= primo ? ResistenzaConcio(d, m, j) : 0;
      const double b = j < ultimo ? ResistenzaConcio(d, m, j + 1) : 0;
      const double r = a > 0 && b > 0 ? std::min(a, b) : std::max(a, b);
      // A pier's springing is as wide as the bridge: no wall cuts it.
      const double larghezza = j >= primo ? m.Conci(j).bSez : k == 0 ? LarghezzaImposta(d, m) : d.Larghezza;
      giunto(r, larghezza);
    }
  }
  for (const PilaModello& p : m.Pile) giunto(p.fc, p.b);
  if (finita) h.resistenza = std::move(fc);
  if (d.Attrito) h.attrito = *d.Attrito;
  if (d.SpintaPassiva) h.mobilitazione = d.Mobilitazione;
  return h;
}

}  // namespace voro
