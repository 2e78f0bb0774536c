// Reads, assembles and solves projects for the command line, one at a time
// or several side by side.
#pragma once

#include <atomic>
#include <string>
#include <utility>
#include <vector>

#include "analysis/OsservatoreRicerca.h"
#include "cli/Soluzione.h"

namespace voro::cli {

struct OpzioniSoluzione {
  std::vector<std::pair<std::string, std::string>> impostazioni;  // --set NAME=VALUE, in order
  OsservatoreRicerca* osservatore = nullptr;
  // Ctrl+C: stops every running search (never cleared by a search) and keeps
  // the projects not yet started from starting.
  const std::atomic<bool>* stop = nullptr;
  unsigned threadRicerca = 0;  // threads of each hinge search, 0: every core
};

// The overall span of a chain of segments, recorded as the geometry form does.
void ApplicaRegoleLettura(DatiProgetto& d);

// Reads the file, applies the settings (already validated), assembles the
// model and runs the calculation; failures land in the solution.
void Risolvi(Soluzione& s, const OpzioniSoluzione& opzioni);

// Solves every file on all cores, one search thread per project when the
// projects fill the cores; the solutions keep the files' order.
std::vector<Soluzione> RisolviTutti(const std::vector<std::string>& files, const OpzioniSoluzione& opzioni);

}  // namespace voro::cli
