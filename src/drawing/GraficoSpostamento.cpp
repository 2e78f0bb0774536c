// Drawing the live-load factor against the load position.
#include "drawing/GraficoSpostamento.h"

#include <algorithm>
#include <cmath>

namespace voro {

GraficoSpostamento::GraficoSpostamento(const RisultatiSicurezza& risultati, const Regional& regional,
                                       Disegno& disegno)
    : TavolaProtetta(disegno, "GraficoSpostamento"), r_(risultati), reg_(regional) {}

double GraficoSpostamento::PassoAsse(double ampiezza, int n) {
  if (!(ampiezza > 0)) return 1;
  const double grezzo = ampiezza / n;
  const double dieci = std::pow(10.0, std::floor(std::log10(grezzo)));
  for (double m : {1.0, 2.0, 2.5, 5.0})
    if (grezzo <= m * dieci) return m * dieci;
  return 10 * dieci;
}

void GraficoSpostamento::disegna() {
  const auto& pos = r_.posizioni;
  double x0 = 0, x1 = 1, lMax = 1;
  if (!pos.empty()) {
    x0 = pos.front().xq1;
    x1 = pos.back().xq1;
  }
  for (const PosizioneCarico& p : pos)
    if (p.fattore) lMax = std::max(lMax, *p.fattore);
  // Near the positions where the load alone cannot make the arch collapse
  // the factor soars: the chart keeps to a few times the least factor, so
  // that the least and its neighbours stay readable.
  if (r_.fattorePeggiore) lMax = std::min(lMax, std::max(4 * *r_.fattorePeggiore, *r_.fattorePeggiore + 1));
  if (x1 <= x0) x1 = x0 + 1;
  const double py = PassoAsse(lMax, 5);
  const double y1 = std::ceil(lMax * 1.15 / py) * py;
  const double dx = x1 - x0;
  // The chart spans the data; the axis labels and the title lie in the margins.
  finestra_.Bordi(0.12, 0.16, 0.04, 0.14);
  if (destinazione_ == "VIDEO") finestra_.EstremiFinestra(0.02f, 0.02f, 0.98f, 0.98f);
  finestra_.Inizializza(x0, x1, 0, y1, destinazione_, superficie_, blocco_, 1, false, 0, g_);
  g_.DefinisciFont(1, "Times", "Arial");
  g_.SelezionaFont(1);
  const double ht = y1 / 30;  // text height on the vertical scale
  const double wt = dx / 80;  // a text gap on the horizontal scale

  // Axes, grid and their labels.
  g_.SpessoreLinea(1);
  g_.ImpostaColore(8);
  for (double y = py; y <= y1 + py / 1000; y += py) g_.Linea(x0, y, x1, y, 1);
  const double px = PassoAsse(dx, 8);
  for (double x = std::ceil(x0 / px) * px; x <= x1 + px / 1000; x += px) g_.Linea(x, 0, x, y1, 1);
  g_.ImpostaColore(1);
  g_.Linea(x0, 0, x1, 0, 1);
  g_.Linea(x0, 0, x0, y1, 1);
  for (double y = 0; y <= y1 + py / 1000; y += py) g_.Testo(x0 - 7 * wt, y + ht / 2, ht, Spoglio(reg_.FormattaNumero(4, y)), 1, true);
  for (double x = std::ceil(x0 / px) * px; x <= x1 + px / 1000; x += px)
    g_.Testo(x - wt, -ht / 2, ht, Spoglio(reg_.FormattaNumero(4, x)), 1, true);
  g_.Testo(x0, y1 + 3 * ht, ht,
           Componi(reg_.traduci("Voro", "Live-load factor against the position of the strip load (%1 m long)"),
                   {Spoglio(reg_.FormattaNumero(4, r_.lunghezzaCarico))}),
           1, true);
  g_.Testo(x0 + dx / 2 - 12 * wt, -2 * ht, ht, reg_.traduci("Voro", "left end of the strip xq1 [m]"), 1, true);
  // Below a factor of 1 the arch cannot carry the project's variable load there.
  if (y1 >= 1) {
    g_.ImpostaColore(1);
    g_.Linea(x0, 1, x1, 1, 1);
    g_.Testo(x0 + wt, 1 + 1.5 * ht, ht, reg_.traduci("Voro", "1: the project's variable load"), 1, true);
  }

  // The factors, joined where neighbouring positions both have one and cut
  // at the top of the chart; along the top the positions beyond it or
  // without a factor.
  g_.ImpostaColore(5);
  g_.SpessoreLinea(2);
  for (std::size_t k = 1; k < pos.size(); ++k) {
    if (!pos[k - 1].fattore || !pos[k].fattore) continue;
    double xa = pos[k - 1].xq1, ya = *pos[k - 1].fattore, xb = pos[k].xq1, yb = *pos[k].fattore;
    if (ya > y1 && yb > y1) continue;
    if (ya > y1) xa = xb + (xa - xb) * (y1 - yb) / (ya - yb), ya = y1;
    if (yb > y1) xb = xa + (xb - xa) * (y1 - ya) / (yb - ya), yb = y1;
    g_.Linea(xa, ya, xb, yb, 1);
  }
  g_.SpessoreLinea(1);
  bool oltre = false;
  for (const PosizioneCarico& p : pos) {
    if (p.fattore && *p.fattore <= y1) {
      g_.Linea(p.xq1, *p.fattore - ht / 4, p.xq1, *p.fattore + ht / 4, 1);
    } else {
      oltre = true;
      g_.ImpostaColore(p.fattore ? 5 : 8);
      g_.Linea(p.xq1, y1 - ht, p.xq1, y1, 1);
      g_.ImpostaColore(5);
    }
  }
  if (oltre) {
    g_.ImpostaColore(8);
    g_.Testo(x0, y1 + 1.5 * ht, ht,
             reg_.traduci("Voro", "marks on top: factor beyond the chart (blue), no collapse by the variable load "
                                  "alone (grey)"),
             1, true);
  }
  if (r_.fattorePeggiore && r_.xq1Peggiore) {
    g_.ImpostaColore(6);
    const double xm = *r_.xq1Peggiore, ym = *r_.fattorePeggiore;
    g_.Linea(xm - wt, ym - ht / 2, xm + wt, ym + ht / 2, 1);
    g_.Linea(xm - wt, ym + ht / 2, xm + wt, ym - ht / 2, 1);
    const std::string t = Componi(reg_.traduci("Voro", "least %1 at xq1 = %2 m"),
                                  {Spoglio(reg_.FormattaNumero(4, ym)), Spoglio(reg_.FormattaNumero(4, xm))});
    // The label on the side of the mark with more room.
    const double xt = xm - x0 < dx / 2 ? xm + 2 * wt : xm - dx / 3;
    g_.Testo(xt, ym + 2 * ht, ht, t, 1, true);
  }
  if (pos.empty()) {
    g_.ImpostaColore(1);
    g_.Testo(x0 + wt, y1 / 2, ht, reg_.traduci("Voro", "No load positions: the project has no strip load"), 1, true);
  }
}

}  // namespace voro
