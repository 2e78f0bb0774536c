// The arch plot drawn for the report on the printer's target.
#include "report/FigureArco.h"

#include <algorithm>

#include "drawing/PlottaArco.h"
#include "report/SuperficieVuota.h"

namespace voro {

namespace {

// The printed plot fills 0.7 of the page's width and 0.8 of its height
// (labels stand to the right): the box that fits its extents.
double Proporzione(const PlottaArco& p) {
  const double dx = static_cast<double>(p.xMaxPlt) - p.xMinPlt, dy = static_cast<double>(p.yMaxPlt) - p.yMinPlt;
  if (!(dx > 0) || !(dy > 0)) return 0.6;
  return std::clamp(dy / 0.8 / (dx / 0.7), 0.3, 1.2);
}

bool Disegna(const FontiRapporto& f, const Regional& regional, int modo, Superficie& s, Messages& msg,
             double* proporzione) {
  static const RisultatiCalcolo nessuno;
  Disegno disegno(msg);
  PlottaArco plot(*f.dati, *f.modello, f.risultati ? *f.risultati : nessuno, regional, disegno);
  plot.PlottaGeometria = modo;
  // The results show the reactions at the springings with the resultant load
  // of every voussoir.
  plot.Visualizza[3] = modo == 0;
  // On paper the joints of a ring of many voussoirs stay 1 % of the width
  // apart (about 1.2 mm), and the elevation carries its dimensions.
  plot.DistanzaGiunti = 0.01;
  plot.Quote = true;
  const bool ok = plot.PlottaVoro("STAMPANTE", &s);
  if (proporzione) *proporzione = Proporzione(plot);
  return ok;
}

}  // namespace

Figura FiguraArco(const FontiRapporto& f, const Regional& regional, int modo, std::string didascalia) {
  Figura figura;
  figura.didascalia = std::move(didascalia);
  SuperficieVuota vuota;
  RecordingMessages ignorati;
  Disegna(f, regional, modo, vuota, ignorati, &figura.proporzione);
  // The figure keeps its own copy of the sources' pointers: the document may
  // be drawn after the caller's sources are gone, while the project lives on.
  figura.disegna = [f, regional, modo](Superficie& s, Messages& msg) {
    return Disegna(f, regional, modo, s, msg, nullptr);
  };
  return figura;
}

}  // namespace voro
