// The three-hinge calculation of each span of a bridge.
#include "report/CampateRisolte.h"

#include "analysis/Calcolo.h"
#include "arch/CostruisciModello.h"
#include "arch/Ponte.h"
#include "data/RuntimeError.h"

namespace voro {

std::vector<CampataRisolta> RisolviCampate(const DatiProgetto& d) {
  std::vector<CampataRisolta> campate;
  for (int k = 0; k < d.nCampate() && !d.Campate.empty(); ++k) {
    CampataRisolta c;
    c.campata = k + 1;
    RecordingMessages msg;
    try {
      c.dati = ProgettoCampata(d, k, msg);
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
