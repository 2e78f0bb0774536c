// The calculation report with its safety assessment, as the desktop program
// and voro-cli both write it: one list of sections whichever program asks.
#pragma once

#include "limite/Adeguatezza.h"
#include "limite/RisultatiSicurezza.h"
#include "limite/RisultatiVeicolo.h"
#include "report/Documento.h"
#include "report/NumeriRapporto.h"
#include "report/SezioneRapporto.h"

namespace voro {

// An assessment made for the report: the project as assessed (with the
// vehicle it was driven with), its voussoirs, its figures, its adequacy and
// the vehicle's sweep (none without a vehicle). All must outlive the document.
struct ValutazioneRapporto {
  const DatiProgetto* dati = nullptr;
  const ModelloArco* modello = nullptr;
  const RisultatiSicurezza* risultati = nullptr;
  const Adeguatezza* adeguatezza = nullptr;
  const RisultatiVeicolo* veicolo = nullptr;
};

// The report of f: the conclusions first, then the calculation, the safety
// assessment, the vehicle's section and the governing design case when v is
// given, the calculation software, the references and the drawings. richiesta: an assessment was asked for (a missing one is then
// said to have failed).
Documento ComponiRapportoValutato(const FontiRapporto& f, const NumeriRapporto& num, const ValutazioneRapporto* v,
                                  bool richiesta);

}  // namespace voro
