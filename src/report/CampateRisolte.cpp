// The three-hinge calculation of each span of a bridge.
#include "report/CampateRisolte.h"

#include "analysis/Calcolo.h"
#include "arch/CostruisciModello.h"
#include "arch/Ponte.h"
#include "data/RuntimeError.h"

namespace voro {

std::vector<CampataRisolta> RisolviCampate(const DatiProgetto& d) {
  std::vector<CampataRisolta> campate;
  if (d.Campate.empty()) return campate;
  RecordingMessages geometria;
  std::vector<DatiProgetto> progetti;
  try {
    progetti = ProgettiCampate(d, geometria);
  } catch (const RuntimeError&) {
    return campate;  // the bridge's own assembly says why
  }
  for (std::size_t k = 0; k < progetti.size(); ++k) {
    CampataRisolta c;
    c.campata = static_cast<int>(k) + 1;
    RecordingMessages msg;
    try {
      c.dati = progetti[k];
      CostruisciModello(c.dati, c.modello, msg);
      Calcolo(c.dati, c.modello, c.risultati, msg).CalcoloMain();
      c.risolta = true;
    } catch (const RuntimeError& e) {
      c.errore = msg.empty() ? e.description() : msg.entries().back().text;
    }
    campate.push_back(std::move(c));
  }
  return campate;
}

}  // namespace voro
