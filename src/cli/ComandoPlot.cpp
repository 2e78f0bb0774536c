// The plot command.
#include "cli/ComandoPlot.h"

#include <QGuiApplication>
#include <iostream>
#include <sstream>

#include "analysis/CostruisciModello.h"
#include "cli/Comune.h"
#include "cli/Risolutore.h"
#include "data/CampiScalari.h"
#include "data/ProjectFile.h"
#include "data/ValoriFisici.h"
#include "drawing/Esportazioni.h"
#include "drawing/PlottaArco.h"
#include "drawing/qt/CadLocale.h"
#include "drawing/qt/FileGrafici.h"

namespace voro::cli {

namespace {

int usage(const std::string& what) {
  std::cerr << "voro-cli: " << what << "\nTry 'voro-cli --help'.\n";
  return 2;
}

}  // namespace

int Plot(const std::vector<std::string>& args, int argc, char** argv) {
  std::string file, out, mode = "results";
  std::string viste;
  bool bianco = false, cad = false, apri = true;
  int width = 1600, height = 1000;
  OpzioniSoluzione opzioni;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto valore = [&](std::string& v) {
      if (i + 1 >= args.size()) return false;
      v = args[++i];
      return true;
    };
    std::string v;
    if (a == "--out") {
      if (!valore(out)) return usage("--out needs a file name");
    } else if (a == "--mode") {
      if (!valore(mode) || (mode != "geometry" && mode != "loads" && mode != "results"))
        return usage("--mode is geometry, loads or results");
    } else if (a == "--view") {
      if (!valore(viste)) return usage("--view needs a list");
    } else if (a == "--white") {
      bianco = true;
    } else if (a == "--black") {
      bianco = false;
    } else if (a == "--cad") {
      cad = true;
    } else if (a == "--no-open") {
      apri = false;
    } else if (a == "--size") {
      char x = 0;
      std::istringstream s(valore(v) ? v : "");
      if (!(s >> width >> x >> height) || x != 'x' || width < 16 || height < 16 || width > 20000 || height > 20000)
        return usage("--size needs WIDTHxHEIGHT in pixels, e.g. 1600x1000");
    } else if (a == "--set") {
      if (!valore(v)) return usage("--set needs NAME=VALUE");
      const auto eq = v.find('=');
      DatiProgetto prova;
      std::string motivo;
      if (eq == std::string::npos || !ImpostaCampo(prova, v.substr(0, eq), v.substr(eq + 1), motivo))
        return usage("--set: " + (eq == std::string::npos ? "needs NAME=VALUE, got '" + v + "'" : motivo));
      opzioni.impostazioni.emplace_back(v.substr(0, eq), v.substr(eq + 1));
    } else if (a.size() > 1 && a[0] == '-') {
      return usage("unknown option '" + a + "'");
    } else if (file.empty()) {
      file = a;
    } else {
      return usage("plot takes one project file");
    }
  }
  if (file.empty()) return usage("plot needs a project file");
  const std::string ext = EstensioneFile(out);
  if (!cad && out.empty()) return usage("plot needs --out FILE.svg|.png|.pdf|.dxf or --cad");
  if (!out.empty() && ext != "svg" && ext != "png" && ext != "pdf" && ext != "dxf")
    return usage("--out must end in .svg, .png, .pdf or .dxf");
  if (cad && !out.empty() && ext != "dxf") return usage("--cad saves a .dxf drawing");

  FlagVista flags{};
  flags[4] = bianco;
  std::istringstream lista(viste);
  for (std::string nome; std::getline(lista, nome, ',');) {
    if (nome == "discretization") flags[0] = true;
    else if (nome == "vertical") flags[1] = true;
    else if (nome == "horizontal") flags[2] = true;
    else if (nome == "resultants") flags[3] = true;
    else if (!nome.empty()) return usage("--view takes discretization, vertical, horizontal, resultants");
  }

  Soluzione s;
  s.file = file;
  if (mode == "results") {
    Risolvi(s, opzioni);
  } else {
    try {
      LeggiFileProgetto(file, s.dati, s.messaggi);
      ApplicaRegoleLettura(s.dati);
      for (const auto& [n, val] : opzioni.impostazioni) {
        std::string motivo;
        ImpostaCampo(s.dati, n, val, motivo);
      }
      ControllaValoriFisici(s.dati, s.messaggi);
      CostruisciModello(s.dati, s.modello, s.messaggi);
    } catch (const RuntimeError& e) {
      const bool geometria = e.number() == err::AssemblyFailed;
      s.esito = geometria || e.number() == err::ImpossibleValue ? Esito::Fallito : Esito::FileIllegibile;
      s.errore = geometria ? "Error: Check Geometry" : e.description();
      if (geometria) s.messaggi.critical(MessaggioGeometria(e));
    }
  }
  StampaMessaggi(file, s.messaggi);
  if (s.esito == Esito::FileIllegibile) {
    std::cerr << "voro-cli: cannot read " << file << ": " << s.errore << "\n";
    return 3;
  }
  if (s.esito == Esito::Fallito) return 1;

  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  RecordingMessages msg;
  Disegno disegno(msg);
  const Regional regional = Regional::inglese();
  PlottaArco plot(s.dati, s.modello, s.risultati, regional, disegno);
  plot.PlottaGeometria = mode == "results" ? 0 : mode == "geometry" ? 1 : 2;
  plot.Visualizza = flags;

  bool ok = true;
  int status = 0;
  try {
    if (cad) {
      std::string path = out;
      if (path.empty()) {
        path = file;
        const auto dot = path.find_last_of('.');
        if (dot != std::string::npos && path.find_last_of('/') < dot) path.erase(dot);
        path += "-cad.dxf";
      }
      ok = PlottaInCad(plot, disegno, CollegaCadLocale(path, apri), nullptr);
      if (ok) std::cout << "CAD drawing saved in " << path << "\n";
    } else if (ext == "dxf") {
      ok = PlottaInDxf(plot, disegno, out);
    } else if (ext == "png") {
      ok = PlottaPng(plot, disegno, QString::fromStdString(out), width, height, bianco);
    } else if (ext == "svg") {
      ok = PlottaSvg(plot, disegno, QString::fromStdString(out), width, height, bianco);
    } else {
      ok = PlottaPdf(plot, disegno, QString::fromStdString(out));
    }
  } catch (const RuntimeError& e) {
    std::cerr << "voro-cli: cannot write " << (out.empty() ? "the CAD drawing" : out) << ": " << e.description()
              << "\n";
    status = 3;
  }
  StampaMessaggi(file, msg);
  if (status) return status;
  return ok ? 0 : 1;
}

}  // namespace voro::cli
