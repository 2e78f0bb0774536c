// The arch plot drawn for the report on the printer's target.
#include "report/FigureArco.h"

#include <algorithm>

#include "drawing/PlottaArco.h"

namespace voro {

namespace {

// A surface that draws nothing: one pass of the plot on it gives the extents
// the printed plot will have.
class SuperficieVuota : public Superficie {
 public:
  void ScalaPredefinita() override { l_ = 0, t_ = 0, w_ = 1000, h_ = 1000; }
  double ScaleLeft() const override { return l_; }
  double ScaleTop() const override { return t_; }
  double ScaleWidth() const override { return w_; }
  double ScaleHeight() const override { return h_; }
  void ImpostaScala(double l, double t, double w, double h) override { l_ = l, t_ = t, w_ = w, h_ = h; }
  void Linea(double, double, double, double, Long) override {}
  void Cerchio(double, double, double, Long) override {}
  void Riempi(const std::vector<double>&, const std::vector<double>&, Long) override {}
  void Stampa(double, double, const std::string&, Long) override {}
  double LarghezzaTesto(const std::string&) const override { return 0; }
  double AltezzaTesto(const std::string&) const override { return 0; }
  void DrawWidth(int) override {}
  double TwipsPerPixelX() const override { return 15; }
  void FontName(const std::string&) override {}
  void FontSize(double) override {}

 private:
  double l_ = 0, t_ = 0, w_ = 1000, h_ = 1000;
};

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
  figura.disegna = [&f, regional, modo](Superficie& s, Messages& msg) {
    return Disegna(f, regional, modo, s, msg, nullptr);
  };
  return figura;
}

}  // namespace voro
