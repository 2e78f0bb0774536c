// The safety assessment in the report: the exact limit analysis of the
// project, each figure with a sentence saying what it means, and its
// drawings (the safety plot and the chart of the load sweep).
#pragma once

#include "arch/ModelloArco.h"
#include "limite/RisultatiSicurezza.h"
#include "report/SezioneRapporto.h"

namespace voro {

// A joint of the figures by its number: on a bridge "span K joint J" (J from
// the span's left springing) or "pier K base".
std::string NomeSezione(const ModelloArco& m, int giunto, const NumeriRapporto& num);

// The face the thrust line touches at a hinge: "intrados" or "extrados".
std::string NomeFaccia(Faccia f, const NumeriRapporto& num);

// The joints of a mechanism as a table: the joint, the face where the line
// touches it (or the side a sliding joint slides to), how it gives way.
void TabellaCerniere(Documento& doc, const ModelloArco& m, const std::vector<Cerniera>& c, const NumeriRapporto& num);

class SezioneValutazione : public SezioneRapporto {
 public:
  // dati and modello: the project as assessed (its load range clamped to the
  // structure) and its voussoirs; all three must outlive the document and
  // its drawings.
  SezioneValutazione(const DatiProgetto& dati, const ModelloArco& modello, const RisultatiSicurezza& r)
      : d_(dati), m_(modello), r_(r) {}
  void Componi(Documento& doc, const NumeriRapporto& num) const override;
  std::vector<Figura> Figure(const NumeriRapporto& num) const override;

 private:
  const DatiProgetto& d_;
  const ModelloArco& m_;
  const RisultatiSicurezza& r_;
};

// The caption of the safety plot: what it draws, line by line.
std::string DidascaliaSicurezza(const RisultatiSicurezza& r, const NumeriRapporto& num);

}  // namespace voro
