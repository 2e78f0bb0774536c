// The report of one solved project, as voro-cli solve prints it.
#include <sstream>

#include "cli/Flussi.h"
#include "cli/Rapporti.h"
#include "data/RuntimeError.h"
#include "data/Versione.h"
#include "report/ComponiRapporto.h"
#include "report/ScriviTesto.h"

namespace voro::cli {

FontiRapporto FontiDaSoluzione(const Soluzione& s) {
  FontiRapporto f;
  f.dati = &s.dati;
  f.file = NomeFile(s.file);
  f.programma = std::string("Voro ") + kVersioneVoro;
  f.errore = s.errore;
  if (s.esito == Esito::FileIllegibile) return f;
  // A calculation that failed still had its voussoirs; a refused input or geometry had none.
  if (s.esito == Esito::Risolto || s.numeroErrore == err::CalculationFailed) f.modello = &s.modello;
  if (s.esito == Esito::Risolto) f.risultati = &s.risultati;
  f.MomentoPareteSinistra = s.MomentoPareteSinistra;
  f.MomentoPareteDestra = s.MomentoPareteDestra;
  return f;
}

void ScriviRapporto(std::ostream& out, const Soluzione& s) {
  std::ostringstream testo;
  // The words and the decimal separator in the language of the messages.
  Regional regional(s.decimale, "");
  regional.setTraduzioni(s.messaggi.traduzioni());
  if (s.campata > 0)
    testo << Componi(s.messaggi.traduci("Voro", "Span %1 of %2 of the bridge, solved alone on rigid springings: the "
                                                "three hinges belong to one ring."),
                     {std::to_string(s.campata), std::to_string(s.nCampate)})
          << "\n\n";
  ScriviTesto(testo, ComponiRisultati(FontiDaSoluzione(s), NumeriRapporto(regional)));
  // Titles and file names may hold control characters that would drive the terminal.
  out << TestoTerminale(testo.str(), true);
}

}  // namespace voro::cli
