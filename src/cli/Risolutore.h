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
  std::atomic<bool>* stop = nullptr;
};

// The overall span of a chain of segments, recorded as the geometry form does.
void ApplicaRegoleLettura(DatiProgetto& d);

// Reads the file ("-": standard input), applies the settings (already
// validated) and assembles the model; false when one of them failed, the
// failure recorded in the solution.
bool PreparaModello(Soluzione& s, const OpzioniSoluzione& opzioni);

// Prepares the model and runs the calculation; failures land in the solution.
void Risolvi(Soluzione& s, const OpzioniSoluzione& opzioni);

// Solves every file on all cores; the solutions keep the files' order.
std::vector<Soluzione> RisolviTutti(const std::vector<std::string>& files, const OpzioniSoluzione& opzioni);

}  // namespace voro::cli
