// The conclusions that open the report (the verdict under the code's partial
// factors, the governing load, the mechanism and the hypotheses the verdict
// rests on) and the references that close it.
#pragma once

#include "limite/Adeguatezza.h"
#include "limite/RisultatiSicurezza.h"
#include "report/SezioneRapporto.h"

namespace voro {

class SezioneConclusioni : public SezioneRapporto {
 public:
  // a and r: the adequacy and the assessment of the project, none when no
  // assessment was made (richiesta: it was asked for and failed); modello
  // none when the voussoirs could not be built. All must outlive the document.
  SezioneConclusioni(const DatiProgetto& dati, const ModelloArco* modello, const RisultatiSicurezza* r,
                     const Adeguatezza* a, bool richiesta = false)
      : d_(dati), m_(modello), r_(r), a_(a), richiesta_(richiesta) {}
  void Componi(Documento& doc, const NumeriRapporto& num) const override;

 private:
  // The partial factors with the source of each, or why it is missing.
  void TabellaCoefficienti(Documento& doc, const NumeriRapporto& num) const;

  const DatiProgetto& d_;
  const ModelloArco* m_;
  const RisultatiSicurezza* r_;
  const Adeguatezza* a_;
  bool richiesta_;
};

// The codes of the project's basis and the theory of the masonry arch.
class SezioneRiferimenti : public SezioneRapporto {
 public:
  explicit SezioneRiferimenti(const DatiProgetto& dati) : d_(dati) {}
  void Componi(Documento& doc, const NumeriRapporto& num) const override;

 private:
  const DatiProgetto& d_;
};

}  // namespace voro
