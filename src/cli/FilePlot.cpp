// Plot files in every format.
#include "cli/FilePlot.h"

#include <cctype>
#include <filesystem>

#include "drawing/Esportazioni.h"
#include "drawing/qt/FileGrafici.h"

namespace voro::cli {

std::string FormatoDalNome(const std::string& percorso) {
  std::string e = std::filesystem::path(percorso).extension().string();
  if (e.empty()) return "";
  e.erase(0, 1);
  for (auto& c : e) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return e == "svg" || e == "png" || e == "pdf" || e == "dxf" ? e : "";
}

bool FormatoBinario(const std::string& formato) { return formato == "png" || formato == "pdf"; }

bool DisegnaFilePlot(PlottaArco& plot, Disegno& disegno, const FormatoPlot& f, std::string& bytes) {
  if (f.formato == "dxf") return PlottaInDxf(plot, disegno, bytes);
  QByteArray dati;
  bool ok = false;
  if (f.formato == "png") ok = PlottaPng(plot, dati, f.width, f.height, f.bianco);
  else if (f.formato == "svg") ok = PlottaSvg(plot, dati, f.width, f.height, f.bianco);
  else if (f.formato == "pdf") ok = PlottaPdf(plot, dati);
  if (ok) bytes = dati.toStdString();
  return ok;
}

}  // namespace voro::cli
