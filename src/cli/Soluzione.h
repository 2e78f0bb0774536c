// One project solved by the command line: its input, model, results and the
// messages the calculation showed.
#pragma once

#include <string>
#include <vector>

#include "analysis/RisultatiCalcolo.h"
#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "data/Messages.h"
#include "data/RuntimeError.h"

namespace voro::cli {

// Outcome of one project, with the exit status it stands for.
enum class Esito { Risolto = 0, Fallito = 1, FileIllegibile = 3 };

struct Soluzione {
  std::string file;
  DatiProgetto dati;
  ModelloArco modello;
  RisultatiCalcolo risultati;
  RecordingMessages messaggi;
  std::string decimale = ".";  // the decimal separator of the reports a person reads
  Esito esito = Esito::Risolto;
  int numeroErrore = 0;   // 1002, 1003, the file error, or 18 when Ctrl+C kept it from starting
  std::string errore;     // the message that reports the failure
  double MomentoPareteSinistra = 0, MomentoPareteDestra = 0;
  double TiroCatena = 0;
  // A bridge is solved span by span, each on rigid springings: the span this
  // solves (1 the first) of how many; 0 of 1 for a single arch.
  int campata = 0, nCampate = 1;
};

// The status of a project without results in the summary tables.
inline const char* StatoSenzaRisultati(const Soluzione& s) {
  if (s.esito == Esito::FileIllegibile) return "unreadable";
  return s.numeroErrore == err::UserInterrupt ? "not started" : "failed";
}

}  // namespace voro::cli
