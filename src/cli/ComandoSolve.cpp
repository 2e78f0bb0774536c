// voro-cli solve: solves projects and reports their results as text, JSON or
// a summary table.
#include <atomic>
#include <csignal>
#include <iostream>
#include <mutex>
#include <sstream>

#include "cli/Comandi.h"
#include "cli/Flussi.h"
#include "cli/Impostazioni.h"
#include "cli/Rapporti.h"
#include "cli/Risolutore.h"

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
  const bool json = a.ha("--json");
  const std::string csv = a.valore("--csv").value_or("");
  if (json && csv == kFlussoStandard) throw ErroreUso("--json and --csv - both write to standard output");

  ProgressoTerminale progresso;
  if (a.ha("--progress")) opzioni.osservatore = &progresso;
  opzioni.stop = &gStop;
  std::signal(SIGINT, onInterrupt);

  const std::vector<Soluzione> soluzioni = RisolviTutti(a.file, opzioni);

  int status = esito::Riuscito;
  for (const Soluzione& s : soluzioni) {
    StampaMessaggi(s.file, s.messaggi);
    if (s.esito == Esito::FileIllegibile) {
      StampaIllegibile(s.file, s.errore);
      status = esito::FileErrato;
    } else if (s.esito == Esito::Fallito && status == esito::Riuscito) {
      status = esito::Fallito;
    }
  }
  std::ostringstream out;
  if (json) {
    if (soluzioni.size() == 1) {
      ScriviJson(out, soluzioni[0]);
      out << "\n";
    } else {
      out << "[\n";
      for (std::size_t i = 0; i < soluzioni.size(); ++i) {
        out << "  ";
        ScriviJson(out, soluzioni[i], 2);
        out << (i + 1 < soluzioni.size() ? ",\n" : "\n");
      }
      out << "]\n";
    }
  } else if (csv.empty() || (soluzioni.size() == 1 && csv != kFlussoStandard)) {
    for (std::size_t i = 0; i < soluzioni.size(); ++i) {
      if (i) out << "\n" << std::string(78, '=') << "\n\n";
      ScriviRapporto(out, soluzioni[i]);
    }
  }
  ScriviUscita(kFlussoStandard, out.str());
  if (!csv.empty()) {
    std::ostringstream tabella;
    ScriviCsv(tabella, soluzioni);
    ScriviUscita(csv, tabella.str());
  }
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
