// voro-cli plot: the arch plot of a project written to SVG, PNG, PDF, DXF or
// a CAD drawing.
#include <cctype>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "cli/LinguaComandi.h"
#include "cli/AmbienteGrafico.h"
#include "cli/Comandi.h"
#include "cli/FilePlot.h"
#include "cli/Flussi.h"
#include "cli/Impostazioni.h"
#include "cli/Risolutore.h"
#include "drawing/Esportazioni.h"
#include "drawing/PlottaArco.h"
#include "drawing/qt/CadLocale.h"

namespace voro::cli {

namespace {

// The View menu's flags named by --view.
FlagVista leggiViste(const std::string& lista, bool bianco) {
  FlagVista flags{};
  flags[4] = bianco;
  std::istringstream in(lista);
  for (std::string nome; std::getline(in, nome, ',');) {
    if (nome == "discretization") flags[0] = true;
    else if (nome == "vertical") flags[1] = true;
    else if (nome == "horizontal") flags[2] = true;
    else if (nome == "resultants") flags[3] = true;
    else if (!nome.empty()) throw ErroreUso("--view takes discretization, vertical, horizontal, resultants");
  }
  return flags;
}

void leggiDimensioni(const std::string& testo, FormatoPlot& f) {
  std::istringstream s(testo);
  char x = 0;
  int w = 0, h = 0;
  if (!(s >> w >> x >> h) || x != 'x' || !s.eof() || w < 16 || h < 16 || w > 20000 || h > 20000)
    throw ErroreUso("--size needs WIDTHxHEIGHT in pixels, e.g. 1600x1000");
  f.width = w;
  f.height = h;
}

std::string Maiuscolo(std::string s) {
  for (auto& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// The drawing beside the project: NAME-cad.dxf.
std::string percorsoCad(const std::string& progetto) {
  std::filesystem::path p(progetto);
  return (p.parent_path() / (p.stem().string() + "-cad.dxf")).string();
}

// Where the plot goes, from --out and --cad, and its format, from --format or
// the name.
std::string leggiUscita(const Argomenti& a, const std::string& file, FormatoPlot& f) {
  const std::string out = a.valore("--out").value_or("");
  if (a.ha("--cad")) {
    if (a.ha("--format")) throw ErroreUso("--cad saves a .dxf drawing; --format is for plot files");
    if (out == kFlussoStandard) throw ErroreUso("--cad saves a drawing file: give --out DRAWING.dxf");
    if (!out.empty() && FormatoDalNome(out) != "dxf") throw ErroreUso("--cad saves a .dxf drawing");
    if (out.empty() && file == kFlussoStandard)
      throw ErroreUso("--cad with a project from standard input needs --out DRAWING.dxf");
    return out.empty() ? percorsoCad(file) : out;
  }
  if (out.empty()) throw ErroreUso("plot needs --out FILE.svg|.png|.pdf|.dxf or --cad");
  if (auto formato = a.valore("--format")) {
    f.formato = *formato;
    if (FormatoDalNome("plot." + f.formato) != f.formato) throw ErroreUso("--format is svg, png, pdf or dxf");
  } else if (out == kFlussoStandard) {
    throw ErroreUso("--out - needs --format svg|png|pdf|dxf");
  } else {
    f.formato = FormatoDalNome(out);
    if (f.formato.empty()) throw ErroreUso("--out must end in .svg, .png, .pdf or .dxf, or give --format");
  }
  if (FormatoBinario(f.formato)) ControllaUscitaBinaria(out, "a " + Maiuscolo(f.formato) + " plot");
  return out;
}

int plot(const Argomenti& a) {
  if (a.file.empty()) throw ErroreUso("plot needs a project file");
  if (a.file.size() > 1) throw ErroreUso("plot takes one project file");
  const std::string file = a.file[0];
  const bool cad = a.ha("--cad");
  const std::string mode = a.valore("--mode").value_or("results");
  if (mode != "geometry" && mode != "loads" && mode != "results")
    throw ErroreUso("--mode is geometry, loads or results");

  FormatoPlot f;
  for (const auto& [nome, valore] : a.opzioni)
    if (nome == "--white" || nome == "--black") f.bianco = nome == "--white";
  if (auto s = a.valore("--size")) leggiDimensioni(*s, f);
  const FlagVista flags = leggiViste(a.valore("--view").value_or(""), f.bianco);

  const std::string percorso = leggiUscita(a, file, f);
  OpzioniSoluzione opzioni;
  opzioni.impostazioni = LeggiImpostazioni(a);
  opzioni.traduzioni = a.traduzioni;

  Soluzione s;
  s.file = file;
  if (mode == "results") Risolvi(s, opzioni);
  else PreparaModello(s, opzioni);
  StampaMessaggi(file, s.messaggi);
  if (s.esito == Esito::FileIllegibile) {
    StampaIllegibile(file, s.errore);
    return esito::FileErrato;
  }
  if (s.esito == Esito::Fallito) return esito::Fallito;

  AmbienteGrafico grafica;
  RecordingMessages msg;
  msg.setTraduzioni(a.traduzioni);
  Disegno disegno(msg);
  // The numbers as the files write them, the words in the language asked for.
  Regional regional = Regional::inglese();
  regional.setTraduzioni(a.traduzioni);
  PlottaArco arco(s.dati, s.modello, s.risultati, regional, disegno);
  arco.PlottaGeometria = mode == "results" ? 0 : mode == "geometry" ? 1 : 2;
  arco.Visualizza = flags;

  if (cad) {
    bool ok = false;
    try {
      ok = PlottaInCad(arco, disegno, CollegaCadLocale(percorso, !a.ha("--no-open")), nullptr);
    } catch (const RuntimeError& e) {
      StampaMessaggi(file, msg);
      throw ErroreUscita(percorso, e.description());
    }
    StampaMessaggi(file, msg);
    if (!ok) return esito::Fallito;
    ScriviUscita(kFlussoStandard, "CAD drawing saved in " + TestoTerminale(percorso) + "\n");
    return esito::Riuscito;
  }
  std::string bytes;
  const bool ok = DisegnaFilePlot(arco, disegno, f, bytes);
  StampaMessaggi(file, msg);
  if (!ok) return esito::Fallito;
  ScriviUscita(percorso, bytes);
  return esito::Riuscito;
}

}  // namespace

const Comando& ComandoPlot() {
  static const Comando c{
      "plot",
      {"plot FILE.vro --out PLOT.svg|.png|.pdf|.dxf [options]", "plot FILE.vro --cad [--out DRAWING.dxf] [options]"},
      "draw the arch plot as SVG, PNG, PDF, DXF or a CAD drawing",
      "Draws the arch plot: the voussoirs, walls, fill, slab and plan view\n"
      "(geometry), the same with the variable load (loads), or the solved arch with\n"
      "its hinges, thrust line, reactions, force arrows and the exploded view with\n"
      "the stress diagrams (results, which solves first). The format follows the\n"
      "extension of --out, or --format; PNG and SVG look like the plot window, PDF\n"
      "like the printed page, DXF is the plot's DXF file. A file is replaced only\n"
      "by a complete new one.\n",
      {{"--out", "PLOT.svg|.png|.pdf|.dxf", "the plot file ('-' for standard output, with --format)"},
       {"--format", "svg|png|pdf|dxf", "the format, when --out does not end in it"},
       {"--mode", "geometry|loads|results", "what the plot shows (default results)"},
       {"--view", "LIST",
        "comma-separated: discretization, vertical, horizontal,\nresultants (the View menu's flags)"},
       {"--white", "", "white background of PNG and SVG"},
       {"--black", "", "black background of PNG and SVG (the default, as on\nscreen)"},
       {"--size", "WxH", "PNG and SVG size in pixels (default 1600x1000)"},
       {"--cad", "",
        "the CAD drawing: a DXF drawing (release 2000, with text\nstyles) saved at --out or beside the project as\n"
        "NAME-cad.dxf, and opened in the desktop's CAD program"},
       {"--no-open", "", "with --cad, save the drawing without opening it"},
       {"--set", "NAME=VALUE", kAiutoSet},
       OpzioneLocale()},
      plot};
  return c;
}

}  // namespace voro::cli
