// The vehicle in the report's assessment: the vehicle and the spread rule,
// the worst position of the sweep with its mechanism and its axles, the
// chart of the sweep and the drawing of the vehicle at its worst position.
#pragma once

#include "drawing/PlottaVeicolo.h"
#include "limite/RisultatiVeicolo.h"
#include "report/SezioneRapporto.h"

namespace voro {

class SezioneVeicolo : public SezioneRapporto {
 public:
  // dati, modello and r must outlive the document and its drawings.
  SezioneVeicolo(const DatiProgetto& dati, const ModelloArco& modello, const RisultatiVeicolo& r);
  void Componi(Documento& doc, const NumeriRapporto& num) const override;
  std::vector<Figura> Figure(const NumeriRapporto& num) const override;

 private:
  const DatiProgetto& d_;
  const ModelloArco& m_;
  const RisultatiVeicolo& r_;
  VeicoloInPosizione peggiore_;
};

}  // namespace voro
