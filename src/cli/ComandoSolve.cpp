// voro-cli solve: solves projects and reports their results as text, JSON or
// a summary table.
#include <iostream>
#include <mutex>

#include "analysis/DurataRicerca.h"
#include "cli/LinguaComandi.h"
#include "cli/Comandi.h"
#include "cli/Flussi.h"
#include "cli/Impostazioni.h"
#include "cli/Interruzione.h"
#include "cli/Rapporti.h"
#include "cli/Risolutore.h"
#include "cli/UsciteProgetti.h"

namespace voro::cli {

namespace {

// Progress of the hinge search on standard error, one line overwritten, and
// the estimated time of a long search on a line of its own.
class ProgressoTerminale : public OsservatoreRicerca {
 public:
  void stima(double secondi) override {
    std::lock_guard<std::mutex> lock(mutex_);
    std::cerr << "\rEstimated time of the hinge search: " << TestoDurata(secondi) << "\n" << std::flush;
    scritto_ = false;
  }
  void passo(const std::string& caption) override {
    std::lock_guard<std::mutex> lock(mutex_);
    std::cerr << "\r" << TestoTerminale(caption) << "   " << std::flush;
    scritto_ = true;
  }
  // Ends the progress line, so that the messages that follow start on a line of their own.
  void fine() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (scritto_) std::cerr << "\n";
    scritto_ = false;
  }
  ~ProgressoTerminale() override { fine(); }

 private:
  std::mutex mutex_;
  bool scritto_ = false;
};

int solve(const Argomenti& a) {
  if (a.file.empty()) throw ErroreUso("solve needs a project file");
  ControllaIngressoUnico(a.file);
  OpzioniSoluzione opzioni;
  opzioni.impostazioni = LeggiImpostazioni(a);
  opzioni.traduzioni = a.traduzioni;
  opzioni.decimale = LinguaRichiesta(a) == Lingua::Italiano ? "," : ".";
  const UsciteRisultati uscite = LeggiUsciteRisultati(a);

  ProgressoTerminale progresso;
  if (a.ha("--progress")) opzioni.osservatore = &progresso;
  opzioni.stop = &IntercettaInterruzione();

  const std::vector<Soluzione> soluzioni = RisolviTutti(a.file, opzioni);
  progresso.fine();

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
        "tie thrust, eccentricities used, status: ok, stopped,\nnot started, failed, unreadable); '-' prints the\n"
        "table instead of the report"},
       {"--set", "NAME=VALUE", kAiutoSet},
       {"--progress", "",
        "show the hinge search's progress on standard error,\nwith its estimated time when that is long; Ctrl+C\n"
        "stops the searches with the best point so far and\nstarts no further project, a second Ctrl+C aborts"},
       OpzioneLocale()},
      solve};
  return c;
}

}  // namespace voro::cli
