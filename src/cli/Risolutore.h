// Reads, assembles and solves projects for the command line, one at a time
// or several side by side.
#pragma once

#include <optional>

#include <atomic>
#include <string>
#include <utility>
#include <vector>

#include "analysis/OsservatoreRicerca.h"
#include "cli/OpzioniNormativa.h"
#include "cli/Soluzione.h"

namespace voro::cli {

struct OpzioniSoluzione {
  std::vector<std::pair<std::string, std::string>> impostazioni;  // --set NAME=VALUE, in order
  SceltaNormativa normativa;  // --code, --knowledge, --factor over the project's own
  OsservatoreRicerca* osservatore = nullptr;
  // Ctrl+C: stops every running search (never cleared by a search) and keeps
  // the projects not yet started from starting.
  const std::atomic<bool>* stop = nullptr;
  unsigned threadRicerca = 0;  // threads of each hinge search, 0: every core
  const Traduzioni* traduzioni = nullptr;  // the language of the messages
  std::string decimale = ".";               // the decimal separator of the text reports
};

// The overall span of a chain of segments, recorded as the geometry form does.
void ApplicaRegoleLettura(DatiProgetto& d);

// Reads the file ("-": standard input), applies the settings and the code
// basis (already validated) and assembles the model; false when one of them failed, the
// failure recorded in the solution.
bool PreparaModello(Soluzione& s, const OpzioniSoluzione& opzioni);

// Prepares the model and runs the calculation; failures land in the solution.
// With campata, a bridge's span (0 the first) alone on rigid springings;
// without it a bridge stays whole, its three hinges left unplaced (they
// belong to one ring), for the drawings and the assessment of the whole.
void Risolvi(Soluzione& s, const OpzioniSoluzione& opzioni, std::optional<int> campata = std::nullopt);

// Whether Ctrl+C has interrupted the batch.
bool Interrotto(const OpzioniSoluzione& opzioni);

// Records a project that the batch's interruption kept from starting: error
// 18, "User interrupt occurred", and a message that says so.
void NonAvviato(Soluzione& s);

// Solves every file on all cores, one search thread per project when the
// projects fill the cores; the solutions keep the files' order. After Ctrl+C
// the running searches end at their best point so far and the projects
// still waiting are not started.
std::vector<Soluzione> RisolviTutti(const std::vector<std::string>& files, const OpzioniSoluzione& opzioni);

}  // namespace voro::cli
