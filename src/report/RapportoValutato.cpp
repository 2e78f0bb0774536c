// The report with its assessment sections in their order.
#include "report/RapportoValutato.h"

#include <optional>
#include <vector>

#include "report/ComponiRapporto.h"
#include "report/SezioneCombinazione.h"
#include "report/SezioneConclusioni.h"
#include "report/SezioneSoftware.h"
#include "report/SezioneValutazione.h"
#include "report/SezioneVeicolo.h"

namespace voro {

Documento ComponiRapportoValutato(const FontiRapporto& f, const NumeriRapporto& num, const ValutazioneRapporto* v,
                                  bool richiesta) {
  std::optional<SezioneValutazione> valutazione;
  std::optional<SezioneVeicolo> veicolo;
  std::optional<SezioneCombinazione> combinazione;
  std::vector<const SezioneRapporto*> aggiunte;
  if (v) {
    valutazione.emplace(*v->dati, *v->modello, *v->risultati);
    aggiunte.push_back(&*valutazione);
    if (v->veicolo && v->dati->VeicoloCarico) {
      veicolo.emplace(*v->dati, *v->modello, *v->veicolo);
      aggiunte.push_back(&*veicolo);
    }
    combinazione.emplace(*v->dati, *v->adeguatezza, num.regional());
    aggiunte.push_back(&*combinazione);
  }
  const SezioneSoftware software(v ? v->risultati : nullptr, v && v->dati->VeicoloCarico ? v->veicolo : nullptr,
                                 v ? v->adeguatezza : nullptr);
  aggiunte.push_back(&software);
  const SezioneRiferimenti riferimenti(*f.dati);
  aggiunte.push_back(&riferimenti);
  // The verdict speaks of the project assessed: its vehicle, whose traffic chooses the factors, among its data.
  const SezioneConclusioni conclusioni(v ? *v->dati : *f.dati, f.modello, v ? v->risultati : nullptr,
                                       v ? v->adeguatezza : nullptr, richiesta);
  return ComponiRapporto(f, num, aggiunte, {&conclusioni});
}

}  // namespace voro
