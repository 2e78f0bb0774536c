// Reading and applying the assessment's hypotheses.
#include "cli/IpotesiAssess.h"

#include <cmath>
#include <string>

#include "data/SezioniFile.h"

namespace voro::cli {

namespace {

std::optional<Single> nonNegativo(const Argomenti& a, const std::string& opzione) {
  const auto testo = a.valore(opzione);
  if (!testo) return std::nullopt;
  float x = 0;
  if (testo->empty() || !LeggiNumero(*testo, x) || !(x >= 0) || !std::isfinite(x))
    throw ErroreUso(opzione + " needs a number from 0 up, with the point");
  return x;
}

}  // namespace

IpotesiAssess LeggiIpotesi(const Argomenti& a) {
  return {nonNegativo(a, "--strength"), nonNegativo(a, "--friction"), nonNegativo(a, "--mobilisation")};
}

void ApplicaIpotesi(const IpotesiAssess& h, DatiProgetto& d) {
  if (h.resistenza) {
    d.ResistenzaAnello = *h.resistenza;
    for (int i = 1; i <= d.Vori.size(); ++i) d.Vori(i).Resistenza = *h.resistenza;
    for (DatiCampata& c : d.Campate) {
      c.ResistenzaAnello = *h.resistenza;
      for (int i = 1; i <= c.Vori.size(); ++i) c.Vori(i).Resistenza = *h.resistenza;
    }
  }
  if (h.attrito) d.Attrito = *h.attrito;
  if (h.mobilitazione) d.Mobilitazione = *h.mobilitazione;
}

}  // namespace voro::cli
