// The assess command.
#include "cli/ComandoAssess.h"

#include <QGuiApplication>
#include <fstream>
#include <iostream>

#include "cli/Comune.h"
#include "cli/RapportiSicurezza.h"
#include "cli/Risolutore.h"
#include "data/CampiScalari.h"
#include "drawing/Esportazioni.h"
#include "drawing/GraficoSpostamento.h"
#include "drawing/PlottaSicurezza.h"
#include "drawing/qt/FileGrafici.h"
#include "limite/Valutazione.h"

namespace voro::cli {

const char* const kUsageAssess = R"(assess: how safe the arch is, by exact limit analysis (Heyman's hypotheses:
rigid voussoirs, no tension, unlimited compressive strength, no sliding) on the
voussoirs and loads that solve builds, without the hinge search:
  1. the thrust line of least eccentricity, the fraction s of each joint's
     half depth it needs and the geometric safety factor 1/s (s <= 1: a thrust
     line fits, the arch stands; s > 1: none fits, whatever the hinges);
  2. the least and largest horizontal thrust of the lines that fit (kN);
  3. the live-load factor: the largest multiplier of the variable load before
     collapse, with its four-hinge mechanism;
  4. the worst position of the strip load, moved across the structure;
  5. the minimum thickness: every segment's thickness scaled by one factor.

Assess options:
  --json             one JSON object per project (kN, m): admissible,
                     thicknessRatio, geometricSafetyFactor, thrustMin,
                     thrustMax, liveLoadFactor, mechanism, sweep,
                     worstLiveLoadFactor, worstXq1, minimumThickness,
                     thicknessFactor, eccentricities
  --sweep N          load positions of the sweep (default 50, 0 leaves it out)
  --set NAME=VALUE   as for solve
  --csv FILE.csv     a summary row per project
  --plot OUT         the arch with the thrust line of least eccentricity and
                     the collapse mechanism: .svg, .png, .pdf or .dxf
  --plot-sweep OUT   the live-load factor against the load position: .svg or .png
  --white            white background for the PNG and SVG plots
)";

namespace {

int usage(const std::string& what) {
  std::cerr << "voro-cli: " << what << "\nTry 'voro-cli --help'.\n";
  return 2;
}

void Valuta(ProgettoValutato& p, const OpzioniSoluzione& opzioni, int nPosizioni) {
  Soluzione& s = p.soluzione;
  p.nPosizioni = nPosizioni;
  if (!PreparaModello(s, opzioni)) return;
  OpzioniSicurezza o;
  o.nPosizioni = nPosizioni;
  try {
    ValutaSicurezza(s.dati, s.modello, s.messaggi, o, p.sicurezza);
  } catch (const RuntimeError& e) {
    s.esito = Esito::Fallito;
    s.numeroErrore = e.number();
    s.errore = s.messaggi.empty() ? e.description() : s.messaggi.entries().back().text;
  }
}

// The plots of one assessed project; false with a message when a file
// cannot be written.
bool Disegna(ProgettoValutato& p, const std::string& plot, const std::string& grafico, bool bianco, int argc,
             char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const Regional regional = Regional::inglese();
  bool ok = true;
  auto scrivi = [&](Tavola& t, Disegno& d, const std::string& out) {
    const std::string ext = EstensioneFile(out);
    bool fatto = false;
    try {
      if (ext == "dxf") fatto = PlottaInDxf(t, d, out);
      else if (ext == "png") fatto = PlottaPng(t, d, QString::fromStdString(out), 1600, 1000, bianco);
      else if (ext == "svg") fatto = PlottaSvg(t, d, QString::fromStdString(out), 1600, 1000, bianco);
      else fatto = PlottaPdf(t, d, QString::fromStdString(out));
    } catch (const RuntimeError& e) {
      std::cerr << "voro-cli: cannot write " << out << ": " << e.description() << "\n";
      return false;
    }
    if (!fatto) std::cerr << "voro-cli: cannot write " << out << "\n";
    return fatto;
  };
  RecordingMessages msg;
  if (!plot.empty()) {
    Disegno d(msg);
    PlottaSicurezza t(p.soluzione.dati, p.soluzione.modello, p.sicurezza, regional, d);
    ok = scrivi(t, d, plot) && ok;
  }
  if (!grafico.empty()) {
    Disegno d(msg);
    GraficoSpostamento t(p.sicurezza, regional, d);
    ok = scrivi(t, d, grafico) && ok;
  }
  StampaMessaggi(p.soluzione.file, msg);
  return ok;
}

}  // namespace

int Assess(const std::vector<std::string>& args, int argc, char** argv) {
  std::vector<std::string> files;
  OpzioniSoluzione opzioni;
  bool json = false, bianco = false;
  std::string csv, plot, grafico;
  int nPosizioni = 50;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto valore = [&](std::string& v) {
      if (i + 1 >= args.size()) return false;
      v = args[++i];
      return true;
    };
    std::string v;
    if (a == "--json") {
      json = true;
    } else if (a == "--white") {
      bianco = true;
    } else if (a == "--sweep") {
      std::size_t fine = 0;
      int n = -1;
      if (valore(v)) try {
          n = std::stoi(v, &fine);
        } catch (const std::exception&) {
          n = -1;
        }
      if (n < 0 || n > 100000 || fine != v.size()) return usage("--sweep needs a whole number of positions, 0 or more");
      nPosizioni = n;
    } else if (a == "--csv") {
      if (!valore(csv)) return usage("--csv needs a file name");
    } else if (a == "--plot") {
      if (!valore(plot)) return usage("--plot needs a file name");
      const std::string e = EstensioneFile(plot);
      if (e != "svg" && e != "png" && e != "pdf" && e != "dxf") return usage("--plot must end in .svg, .png, .pdf or .dxf");
    } else if (a == "--plot-sweep") {
      if (!valore(grafico)) return usage("--plot-sweep needs a file name");
      const std::string e = EstensioneFile(grafico);
      if (e != "svg" && e != "png") return usage("--plot-sweep must end in .svg or .png");
    } else if (a == "--set") {
      if (!valore(v)) return usage("--set needs a value");
      const auto eq = v.find('=');
      if (eq == std::string::npos || eq == 0) return usage("--set needs NAME=VALUE, got '" + v + "'");
      DatiProgetto prova;
      std::string motivo;
      if (!ImpostaCampo(prova, v.substr(0, eq), v.substr(eq + 1), motivo)) return usage("--set: " + motivo);
      opzioni.impostazioni.emplace_back(v.substr(0, eq), v.substr(eq + 1));
    } else if (a.size() > 1 && a[0] == '-') {
      return usage("unknown option '" + a + "'");
    } else {
      files.push_back(a);
    }
  }
  if (files.empty()) return usage("assess needs a project file");
  if ((!plot.empty() || !grafico.empty()) && files.size() > 1) return usage("--plot and --plot-sweep take one project");

  std::vector<ProgettoValutato> progetti(files.size());
  int status = 0;
  for (std::size_t k = 0; k < files.size(); ++k) {
    progetti[k].soluzione.file = files[k];
    Valuta(progetti[k], opzioni, nPosizioni);
    const Soluzione& s = progetti[k].soluzione;
    StampaMessaggi(s.file, s.messaggi);
    if (s.esito == Esito::FileIllegibile) {
      std::cerr << "voro-cli: cannot read " << s.file << ": " << s.errore << "\n";
      status = 3;
    } else if (s.esito == Esito::Fallito && status == 0) {
      status = 1;
    }
  }

  if (json) {
    if (progetti.size() == 1) {
      ScriviJsonSicurezza(std::cout, progetti[0]);
      std::cout << "\n";
    } else {
      std::cout << "[\n";
      for (std::size_t i = 0; i < progetti.size(); ++i) {
        std::cout << "  ";
        ScriviJsonSicurezza(std::cout, progetti[i], 2);
        std::cout << (i + 1 < progetti.size() ? ",\n" : "\n");
      }
      std::cout << "]\n";
    }
  } else if (csv.empty() || progetti.size() == 1) {
    for (std::size_t i = 0; i < progetti.size(); ++i) {
      if (i) std::cout << "\n" << std::string(78, '=') << "\n\n";
      ScriviRapportoSicurezza(std::cout, progetti[i]);
    }
  }
  if (!csv.empty()) {
    std::ofstream out(csv, std::ios::binary | std::ios::trunc);
    ScriviCsvSicurezza(out, progetti);
    if (!out.flush()) {
      std::cerr << "voro-cli: cannot write " << csv << "\n";
      return 3;
    }
  }
  if ((!plot.empty() || !grafico.empty()) && progetti[0].soluzione.esito == Esito::Risolto &&
      !Disegna(progetti[0], plot, grafico, bianco, argc, argv))
    return 3;
  return status;
}

}  // namespace voro::cli
