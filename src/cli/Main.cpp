// voro-cli: solves arch projects from the command line.
#include <csignal>
#include <cstring>
#include <fstream>
#include <iostream>
#include <mutex>
#include <string>
#include <vector>

#include "cli/ComandoAssess.h"
#include "cli/ComandoPlot.h"
#include "cli/ComandoReport.h"
#include "cli/Rapporti.h"
#include "cli/Risolutore.h"
#include "data/CampiScalari.h"

namespace voro::cli {
namespace {

constexpr const char* kUsage = R"(voro-cli - limit analysis of masonry arches and vaults

Usage:
  voro-cli solve FILE.vro [FILE.vro ...] [options]
  voro-cli plot FILE.vro --out PLOT.svg|.png|.pdf|.dxf [plot options]
  voro-cli plot FILE.vro --cad [--out DRAWING.dxf] [plot options]
  voro-cli assess FILE.vro [FILE.vro ...] [assess options]
  voro-cli report FILE.vro --out REPORT.pdf|.html|.txt [report options]
  voro-cli --help

solve: reads each project, builds its voussoirs, places the three hinges of
the thrust line (at the project's eccentricities, or by the hinge search when
the project asks for it), and reports the joint forces and stresses, the worst
values, the reactions at the springings, the tie thrust and the wall actions.

Options:
  --json             print the results as one JSON object with the program's
                     own names (an array of objects for several files)
  --set NAME=VALUE   change an input variable before the solution, e.g.
                     --set SpessoreAnello=0.45 --set OttimizzaCerniere=true
                     --set nDivisioni=20 (repeatable; numbers with the point,
                     Booleans true/false; nConciSpinta(0) and nConciSpinta(1)
                     are the passive-pressure voussoir counts)
  --progress         show the hinge search's progress on standard error;
                     Ctrl+C stops the search with the best point so far,
                     a second Ctrl+C aborts
  --csv FILE.csv     write a summary row per project (worst stresses with
                     their sections, smallest compressed part, reactions,
                     tie thrust, eccentricities used, status)
  --help             show this text

plot: draws the arch plot: the voussoirs, walls, fill, slab and plan view
(geometry), the same with the variable load (loads), or the solved arch with
its hinges, thrust line, reactions, force arrows and the exploded view with
the stress diagrams (results, which solves first). The format follows the
extension of --out; PNG and SVG look like the plot window, PDF like the
printed page, DXF is the plot's DXF file.

Plot options:
  --mode MODE        geometry, loads or results (default results)
  --view LIST        comma-separated: discretization, vertical, horizontal,
                     resultants (the View menu's flags)
  --white, --black   background of PNG and SVG (default black, as on screen)
  --size WxH         PNG and SVG size in pixels (default 1600x1000)
  --cad              the CAD drawing: a DXF drawing (release 2000, with text
                     styles) saved at --out or beside the project as
                     NAME-cad.dxf, and opened in the desktop's CAD program
  --no-open          with --cad, save the drawing without opening it
  --set NAME=VALUE   as for solve

report: the calculation report an engineer signs: title block, every input
value, the model, the hypotheses, the results and the drawings. The PDF is
A4 portrait, the HTML one self-contained page with the drawings inline as SVG,
the text the same content without the drawings. A project that fails to solve
still gets its report, which says so; the exit status is then 1.

Report options:
  --out FILE         the report; the format follows the extension
  --locale it|en     decimal comma (it) or point (en, the default)
  --set NAME=VALUE   as for solve

Units: lengths m, forces kN, stresses MPa in the report (kN/m2 in JSON),
eccentricities mm in the report (m in JSON).

Exit status: 0 solved, 1 the geometry or the calculation failed,
2 usage error, 3 a file cannot be read.
)";

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
    std::cerr << "\r" << caption << "   " << std::flush;
    scritto_ = true;
  }
  ~ProgressoTerminale() override {
    if (scritto_) std::cerr << "\n";
  }

 private:
  std::mutex mutex_;
  bool scritto_ = false;
};

int usageError(const std::string& what) {
  std::cerr << "voro-cli: " << what << "\nTry 'voro-cli --help'.\n";
  return 2;
}

void stampaMessaggi(const Soluzione& s) {
  for (const auto& e : s.messaggi.entries()) {
    std::cerr << "voro-cli: " << s.file << ": ";
    std::string t = e.text;
    for (auto& c : t)
      if (c == '\r') c = '\n';
    std::cerr << t << "\n";
  }
  if (s.esito == Esito::FileIllegibile) std::cerr << "voro-cli: cannot read " << s.file << ": " << s.errore << "\n";
}

int solve(const std::vector<std::string>& args) {
  std::vector<std::string> files;
  OpzioniSoluzione opzioni;
  bool json = false, progress = false;
  std::string csv;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--json") {
      json = true;
    } else if (a == "--progress") {
      progress = true;
    } else if (a == "--set" || a == "--csv") {
      if (i + 1 >= args.size()) return usageError(a + " needs a value");
      const std::string& v = args[++i];
      if (a == "--csv") {
        csv = v;
        continue;
      }
      auto eq = v.find('=');
      if (eq == std::string::npos || eq == 0) return usageError("--set needs NAME=VALUE, got '" + v + "'");
      DatiProgetto prova;
      std::string motivo;
      if (!ImpostaCampo(prova, v.substr(0, eq), v.substr(eq + 1), motivo)) return usageError("--set: " + motivo);
      opzioni.impostazioni.emplace_back(v.substr(0, eq), v.substr(eq + 1));
    } else if (a.size() > 1 && a[0] == '-') {
      return usageError("unknown option '" + a + "'");
    } else {
      files.push_back(a);
    }
  }
  if (files.empty()) return usageError("solve needs a project file");

  ProgressoTerminale progresso;
  if (progress) opzioni.osservatore = &progresso;
  opzioni.stop = &gStop;
  std::signal(SIGINT, onInterrupt);

  std::vector<Soluzione> soluzioni = RisolviTutti(files, opzioni);

  int status = 0;
  for (const Soluzione& s : soluzioni) {
    stampaMessaggi(s);
    if (s.esito == Esito::FileIllegibile) status = 3;
    else if (s.esito == Esito::Fallito && status == 0) status = 1;
  }
  if (json) {
    if (soluzioni.size() == 1) {
      ScriviJson(std::cout, soluzioni[0]);
      std::cout << "\n";
    } else {
      std::cout << "[\n";
      for (std::size_t i = 0; i < soluzioni.size(); ++i) {
        std::cout << "  ";
        ScriviJson(std::cout, soluzioni[i], 2);
        std::cout << (i + 1 < soluzioni.size() ? ",\n" : "\n");
      }
      std::cout << "]\n";
    }
  } else if (csv.empty() || soluzioni.size() == 1) {
    for (std::size_t i = 0; i < soluzioni.size(); ++i) {
      if (i) std::cout << "\n" << std::string(78, '=') << "\n\n";
      ScriviRapporto(std::cout, soluzioni[i]);
    }
  }
  if (!csv.empty()) {
    std::ofstream out(csv, std::ios::binary | std::ios::trunc);
    ScriviCsv(out, soluzioni);
    if (!out.flush()) {
      std::cerr << "voro-cli: cannot write " << csv << "\n";
      return 3;
    }
  }
  return status;
}

}  // namespace
}  // namespace voro::cli

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return voro::cli::usageError("no command");
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    std::cout << voro::cli::kUsage << "\n" << voro::cli::kUsageAssess;
    return 0;
  }
  if (args[0] == "solve") {
    args.erase(args.begin());
    for (const auto& a : args)
      if (a == "--help") {
        std::cout << voro::cli::kUsage;
        return 0;
      }
    return voro::cli::solve(args);
  }
  if (args[0] == "assess") {
    args.erase(args.begin());
    for (const auto& a : args)
      if (a == "--help") {
        std::cout << voro::cli::kUsage << "\n" << voro::cli::kUsageAssess;
        return 0;
      }
    return voro::cli::Assess(args, argc, argv);
  }
  if (args[0] == "report") {
    args.erase(args.begin());
    for (const auto& a : args)
      if (a == "--help") {
        std::cout << voro::cli::kUsage;
        return 0;
      }
    return voro::cli::Report(args, argc, argv);
  }
  if (args[0] == "plot") {
    args.erase(args.begin());
    for (const auto& a : args)
      if (a == "--help") {
        std::cout << voro::cli::kUsage;
        return 0;
      }
    return voro::cli::Plot(args, argc, argv);
  }
  return voro::cli::usageError("unknown command '" + args[0] + "'");
}
