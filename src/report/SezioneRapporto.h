// What a report is made of: the project's input, its voussoir model and the
// results of its calculation (or why there are none), and the sections that
// write them into the document.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "analysis/RisultatiCalcolo.h"
#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "report/CampateRisolte.h"
#include "report/DataRapporto.h"
#include "report/Documento.h"
#include "report/NumeriRapporto.h"

namespace voro {

struct FontiRapporto {
  const DatiProgetto* dati = nullptr;
  const ModelloArco* modello = nullptr;        // none: the geometry was not assembled
  const RisultatiCalcolo* risultati = nullptr; // none: not solved
  std::string errore;                          // why there is no model or no results
  // Moments of the passive pressures about the extrados ends of the ring.
  double MomentoPareteSinistra = 0, MomentoPareteDestra = 0;
  std::string file;       // the project file
  std::optional<MomentoRapporto> momento;  // when the report was made (none: not dated)
  std::string programma;  // the program's name and version
  // A bridge: each span solved alone on rigid springings (none: not given).
  const std::vector<CampataRisolta>* campate = nullptr;
};

// The columns of a list of quantities with a symbol, a value and a unit each.
inline std::vector<Colonna> ColonneValori(const NumeriRapporto& num) {
  return {{num.traduci("Rapporto", "Quantity"), "", false},
          {num.traduci("Rapporto", "Symbol"), "", false},
          {num.traduci("Rapporto", "Value"), "", true},
          {num.traduci("Rapporto", "Unit"), "", false}};
}

// One section of the report. The report takes its sections in order and
// collects the drawings of every section into its last section, Drawings.
class SezioneRapporto {
 public:
  virtual ~SezioneRapporto() = default;
  // Writes the section's headings, paragraphs and tables.
  virtual void Componi(Documento& doc, const NumeriRapporto& num) const = 0;
  // The drawings this section adds, in order.
  virtual std::vector<Figura> Figure(const NumeriRapporto&) const { return {}; }
};

}  // namespace voro
