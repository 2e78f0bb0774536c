// The governing design case in the report: the combination the verdict
// rests on, its factors and design strength, where its variable load stands,
// the design loads of every voussoir, the collapse mechanism, the forces of
// every joint at collapse and the drawing of its collapse thrust line.
#pragma once

#include <memory>

#include "drawing/PlottaVeicolo.h"
#include "limite/Adeguatezza.h"
#include "report/SezioneRapporto.h"

namespace voro {

// The design project of the governing combination with its voussoirs loaded
// as the assessment loaded them: the strip load where it governs, each
// voussoir's share of the vehicle's design axles at their worst position.
struct CasoDiProgetto {
  DatiProgetto dati;
  ModelloArco modello;
  std::vector<double> veicolo;  // each voussoir's share of the design axles (kN), voussoir 1 first
  VeicoloInPosizione posizione;
};

// The design case of a's governing combination for the project d as it was
// assessed; none when it has no collapse mechanism or its voussoirs cannot
// be built.
std::shared_ptr<const CasoDiProgetto> CasoGovernante(const DatiProgetto& d, const Adeguatezza& a,
                                                     const Regional& lingua);

class SezioneCombinazione : public SezioneRapporto {
 public:
  // d and a must outlive the document; the drawing keeps its own case.
  SezioneCombinazione(const DatiProgetto& d, const Adeguatezza& a, const Regional& lingua)
      : d_(d), a_(a), caso_(CasoGovernante(d, a, lingua)) {}
  void Componi(Documento& doc, const NumeriRapporto& num) const override;
  std::vector<Figura> Figure(const NumeriRapporto& num) const override;

 private:
  const DatiProgetto& d_;
  const Adeguatezza& a_;
  std::shared_ptr<const CasoDiProgetto> caso_;
};

}  // namespace voro
