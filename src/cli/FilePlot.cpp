// Plot files in every format.
#include "cli/FilePlot.h"

#include "cli/Comune.h"
#include "drawing/Esportazioni.h"
#include "drawing/qt/FileGrafici.h"

namespace voro::cli {

std::string FormatoDalNome(const std::string& percorso) {
  const std::string e = EstensioneFile(percorso);
  return e == "svg" || e == "png" || e == "pdf" || e == "dxf" ? e : "";
}

bool FormatoBinario(const std::string& formato) { return formato == "png" || formato == "pdf"; }

bool DisegnaFilePlot(Tavola& tavola, Disegno& disegno, const FormatoPlot& f, std::string& bytes) {
  if (f.formato == "dxf") return PlottaInDxf(tavola, disegno, bytes);
  QByteArray dati;
  bool ok = false;
  if (f.formato == "png") ok = PlottaPng(tavola, dati, f.width, f.height, f.bianco);
  else if (f.formato == "svg") ok = PlottaSvg(tavola, dati, f.width, f.height, f.bianco);
  else if (f.formato == "pdf") ok = PlottaPdf(tavola, dati);
  if (ok) bytes = dati.toStdString();
  return ok;
}

}  // namespace voro::cli
