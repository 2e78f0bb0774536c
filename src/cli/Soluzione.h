// One project solved by the command line: its input, model, results and the
// messages the calculation showed.
#pragma once

#include <string>
#include <vector>

#include "analysis/RisultatiCalcolo.h"
#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "data/Messages.h"

namespace voro::cli {

// Outcome of one project, with the exit status it stands for.
enum class Esito { Risolto = 0, Fallito = 1, FileIllegibile = 3 };

struct Soluzione {
  std::string file;
  DatiProgetto dati;
  ModelloArco modello;
  RisultatiCalcolo risultati;
  RecordingMessages messaggi;
  Esito esito = Esito::Risolto;
  int numeroErrore = 0;   // 1002, 1003 or the file error
  std::string errore;     // the message that reports the failure
  double MomentoPareteSinistra = 0, MomentoPareteDestra = 0;
  double TiroCatena = 0;
  bool ricercaFermata = false;  // Ctrl+C stopped the hinge search: the best point so far
  bool nonAvviato = false;      // Ctrl+C came before the project started
};

}  // namespace voro::cli
