// voro-cli solve: solves projects and reports their results as text, JSON or
// a summary table.
#include <atomic>
#include <csignal>
#include <iostream>
#include <mutex>

#include "cli/Comandi.h"
#include "cli/Flussi.h"
#include "cli/Impostazioni.h"
#include "cli/Rapporti.h"
#include "cli/Risolutore.h"
#include "cli/UsciteProgetti.h"

namespace voro::cli {

namespace {

std::atomic<bool> gStop{false};
std::atomic<int> gInterruzioni{0};

extern "C" void onInterrupt(int) {
  if (++gInterruzioni >= 2) {
    std::signal(SIGINT, SIG_DFL);
    std::raise(SIGINT);
    return;
  }
  gStop.store(true);
}

// Progress of the hinge search on standard error, one line overwritten.
class ProgressoTerminale : public OsservatoreRicerca {
 public:
  void passo(const std::string& caption) override {
    std::lock_guard<std::mutex> lock(mutex_);
    std::cerr << "\r" << TestoTerminale(caption) << "   " << std::flush;
    scritto_ = true;
  }
  ~ProgressoTerminale() override {
    if (scritto_) std::cerr << "\n";
  }

 private:
  std::mutex mutex_;
  bool scritto_ = false;
};

int solve(const Argomenti& a) {
  if (a.file.empty()) throw ErroreUso("solve needs a project file");
  ControllaIngressoUnico(a.file);
  OpzioniSoluzione opzioni;
  opzioni.impostazioni = LeggiImpostazioni(a);
  const UsciteRisultati uscite = LeggiUsciteRisultati(a);

  ProgressoTerminale progresso;
  if (a.ha("--progress")) opzioni.osservatore = &progresso;
  opzioni.stop = &gStop;
  std::signal(SIGINT, onInterrupt);

  const std::vector<Soluzione> soluzioni = RisolviTutti(a.file, opzioni);

  int status = esito::Riuscito;
  for (const Soluzione& s : soluzioni) status = RiferisciProgetto(s, status);
  ScriviRisultati(soluzioni, uscite, ScritturaRisultati<Soluzione>{ScriviJson, ScriviRapporto, ScriviCsv});
  return status;
}

}  // namespace

const Comando& ComandoSolve() {
  static const Comando c{
      "solve",
      {"solve FILE.vro [FILE.vro ...] [options]"},
      "solve projects and report stresses, reactions and wall actions",
      "Reads each project, builds its voussoirs, places the three hinges of the\n"
      "thrust line (at the project's eccentricities, or by the hinge search when\n"
      "the project asks for it), and reports the joint forces and stresses, the\n"
      "worst values, the reactions at the springings, the tie thrust and the wall\n"
      "actions. Several projects are solved side by side on all processors.\n"
      "\n"
      "Units: lengths m, forces kN, stresses MPa in the report (kN/m2 in JSON),\n"
      "eccentricities mm in the report (m in JSON).\n",
      {{"--json", "", "print the results as one JSON object with the program's\nown names (an array of objects for several files)"},
       {"--csv", "FILE.csv",
        "write a summary row per project (worst stresses with\ntheir sections, smallest compressed part, reactions,\n"
        "tie thrust, eccentricities used, status); '-' prints\nthe table instead of the report"},
       {"--set", "NAME=VALUE", kAiutoSet},
       {"--progress", "",
        "show the hinge search's progress on standard error;\nCtrl+C stops the search with the best point so far,\n"
        "a second Ctrl+C aborts"}},
      solve};
  return c;
}

}  // namespace voro::cli
