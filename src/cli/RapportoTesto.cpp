// The report of one solved project, as voro-cli solve prints it.
#include "cli/Rapporti.h"
#include "data/RuntimeError.h"
#include "report/ComponiRapporto.h"
#include "report/ScriviTesto.h"

namespace voro::cli {

FontiRapporto FontiDaSoluzione(const Soluzione& s) {
  FontiRapporto f;
  f.dati = &s.dati;
  f.file = s.file;
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
  const FontiRapporto f = FontiDaSoluzione(s);
  ScriviTesto(out, ComponiRisultati(f, NumeriRapporto(Regional::inglese())));
}

}  // namespace voro::cli
