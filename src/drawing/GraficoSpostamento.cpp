// Drawing the live-load factor against the load position.
#include "drawing/GraficoSpostamento.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "data/Traduzioni.h"
#include "drawing/DisegniElementi.h"
#include "drawing/FigureSicurezza.h"
#include "drawing/PlottaSicurezza.h"
#include "drawing/StrutturaPonte.h"

namespace voro {

GraficoSpostamento::GraficoSpostamento(const RisultatiSicurezza& risultati, const ModelloArco& modello,
                                       const Regional& regional, Disegno& disegno)
    : TavolaProtetta(disegno, "GraficoSpostamento"), r_(risultati), m_(modello), reg_(regional) {}

double GraficoSpostamento::PassoAsse(double ampiezza, int n) {
  if (!(ampiezza > 0)) return 1;
  const double grezzo = ampiezza / n;
  const double dieci = std::pow(10.0, std::floor(std::log10(grezzo)));
  for (double m : {1.0, 2.0, 2.5, 5.0})
    if (grezzo <= m * dieci) return m * dieci;
  return 10 * dieci;
}

std::string GraficoSpostamento::TestoTacca(double v, double passo) const {
  // 2.5 steps need one decimal more than their power of ten.
  int decimali = 0;
  while (decimali < 6 && std::fabs(passo * std::pow(10.0, decimali) - std::round(passo * std::pow(10.0, decimali))) >
                             1e-6 * passo * std::pow(10.0, decimali))
    ++decimali;
  return reg_.Formatta(std::fabs(v) < passo * 1e-9 ? 0.0 : v, decimali == 0 ? "0" : "0." + std::string(decimali, '0'));
}

void GraficoSpostamento::senzaGrafico(const std::string& perche) {
  finestra_.EstremiFinestra(0.02f, 0.02f, 0.98f, 0.98f);
  finestra_.Inizializza(0, 1, 0, 1, destinazione_, superficie_, blocco_, 1, false, 0, g_);
  g_.DefinisciFont(1, "Times", "Arial");
  g_.SelezionaFont(1);
  const double ht = 1.0 / 30;
  double y = 0.95;
  if (const auto avviso = AvvisoSicurezza(r_, reg_, true)) y -= DisegnaAvviso(g_, *avviso, 0, 1, y, ht) + ht;
  g_.ImpostaColore(1);
  g_.Testo(0.02, y - ht, ht, perche, 1, true);
}

void GraficoSpostamento::disegna() {
  const auto& pos = r_.posizioni;
  if (pos.empty()) {
    senzaGrafico(r_.esitoCarico == EsitoCarico::NessunCarico || r_.lunghezzaCarico <= 0
                     ? reg_.traduci("Voro", "No sweep: the project has no strip load to move across the structure")
                     : reg_.traduci("Voro", "No sweep: no position of the strip load was assessed"));
    return;
  }
  if (std::none_of(pos.begin(), pos.end(), [](const PosizioneCarico& p) { return p.fattore.has_value(); })) {
    senzaGrafico(Componi(reg_.traduci("Voro", "No sweep chart: at none of the %1 positions can the strip load alone "
                                              "make the arch collapse"),
                         {std::to_string(pos.size())}));
    return;
  }
  // Below the chart, the mechanism of the worst position, on surfaces that
  // take a second scale.
  // A bridge's mechanism may take more than one span, and a pier, with more hinges.
  const bool meccanismo = m_.ponte() ? !r_.meccanismoPeggiore.empty() : r_.meccanismoPeggiore.size() == 4;
  const bool arco = r_.fattorePeggiore && meccanismo && m_.nConciTot > 0 &&
                    (destinazione_ == "VIDEO" || destinazione_ == "STAMPANTE");
  double x0 = pos.front().xq1, x1 = pos.back().xq1, lMax = 0;
  for (const PosizioneCarico& p : pos)
    if (p.fattore) lMax = std::max(lMax, *p.fattore);
  // Near the positions where the load alone cannot make the arch collapse
  // the factor soars: the chart stops short of it (marks on top show where).
  lMax = AltoGrafico(lMax, r_.fattorePeggiore);
  if (x1 <= x0) x1 = x0 + 1;
  const double py = PassoAsse(lMax, 5);
  const double y1 = std::ceil(lMax * 1.15 / py) * py;
  const double dx = x1 - x0;
  // The chart spans the data; the axis labels lie in the margins, and above
  // it the lines of the title, of the note on the marks and of the warning,
  // as tall as the surface's text where it has one.
  const std::optional<std::string> avviso = AvvisoSicurezza(r_, reg_, true);
  const bool schermo = superficie_ && (destinazione_ == "VIDEO" || destinazione_ == "STAMPANTE");
  const double righe = avviso ? 5.8 : 4.0;
  if (schermo) {
    const double alta = std::fabs(superficie_->ScaleHeight());
    const double riga = alta > 0 ? std::min(superficie_->AltezzaTesto("X") / alta, 0.1) : 0.0;
    const float basso = arco ? 0.42f : 0.02f;
    finestra_.Bordi(0.12, 0.16, 0.04, 0.02);
    finestra_.EstremiFinestra(0.02f, basso, 0.98f, std::max(basso + 0.25f, toSingle(0.98 - righe * riga)));
  } else {
    finestra_.Bordi(0.12, 0.16, 0.04, 0.28);
  }
  finestra_.Inizializza(x0, x1, 0, y1, destinazione_, superficie_, blocco_, 1, false, 0, g_);
  g_.DefinisciFont(1, "Times", "Arial");
  g_.SelezionaFont(1);
  const double ht = y1 / 30;  // text height on the vertical scale
  const double hl = schermo ? superficie_->AltezzaTesto("X") : ht;  // a line of text
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
  for (double y = 0; y <= y1 + py / 1000; y += py) g_.Testo(x0 - 7 * wt, y + ht / 2, ht, TestoTacca(y, py), 1, true);
  for (double x = std::ceil(x0 / px) * px; x <= x1 + px / 1000; x += px)
    g_.Testo(x - wt, -ht / 2, ht, TestoTacca(x, px), 1, true);
  g_.Testo(x0, y1 + 3.7 * hl, ht,
           Componi(reg_.traduci("Voro", "Live-load factor against the position of the strip load (%1 m long)"),
                   {TestoMetri(reg_, r_.lunghezzaCarico)}),
           1, true);
  // The factor's title over its axis; the position's under the tick labels,
  // which hang a line of text from just below the axis, at the left, the
  // least factor's label beside it, where no curve can run through it.
  g_.Testo(x0 - 7 * wt, y1 + 1.3 * hl, ht, reg_.traduci("Voro", "live-load factor λ"), 1, true);
  const double yAsse = -std::max(2 * ht, ht / 2 + 1.2 * hl);
  g_.Testo(x0, yAsse, ht, reg_.traduci("Voro", "left end of the strip xq1 [m]"), 1, true);
  // Below a factor of 1 the arch cannot carry the project's variable load there.
  g_.Linea(x0, 1, x1, 1, 1);
  // Its label just above it: the text hangs from its top, a line of text tall.
  g_.Testo(x0 + wt, 1 + std::max(1.5 * ht, hl + ht / 3), ht, reg_.traduci("Voro", "1: the project's variable load"), 1,
           true);

  // The factors, joined where neighbouring positions both have one and cut
  // at the top of the chart, each marked with a dot so that a factor without
  // a neighbour shows; along the top the positions beyond it or without a
  // factor.
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
  bool oltre = false;
  for (const PosizioneCarico& p : pos) {
    if (p.fattore && *p.fattore <= y1) {
      g_.Linea(p.xq1, *p.fattore - ht / 2, p.xq1, *p.fattore + ht / 2, 1);
      g_.Linea(p.xq1 - wt / 2, *p.fattore, p.xq1 + wt / 2, *p.fattore, 1);
    } else {
      oltre = true;
      g_.ImpostaColore(p.fattore ? 5 : 8);
      g_.Linea(p.xq1, y1 - ht, p.xq1, y1, 1);
      g_.ImpostaColore(5);
    }
  }
  g_.SpessoreLinea(1);
  if (oltre) {
    g_.ImpostaColore(8);
    g_.Testo(x0, y1 + 2.5 * hl, ht,
             reg_.traduci("Voro", "marks on top: factor beyond the chart (blue), no collapse by the variable load "
                                  "alone (grey)"),
             1, true);
  }
  if (r_.fattorePeggiore && r_.xq1Peggiore) {
    g_.ImpostaColore(6);
    g_.SpessoreLinea(2);
    const double xm = *r_.xq1Peggiore, ym = *r_.fattorePeggiore;
    g_.Linea(xm - wt, ym - ht / 2, xm + wt, ym + ht / 2, 1);
    g_.Linea(xm - wt, ym + ht / 2, xm + wt, ym - ht / 2, 1);
    g_.SpessoreLinea(1);
    g_.Testo(x0 + dx * 0.5, yAsse, ht,
             Componi(reg_.traduci("Voro", "least %1 at xq1 = %2 m (the cross)"),
                     {TestoFattore(reg_, ym), TestoMetri(reg_, xm)}),
             1, true);
  }
  if (avviso) DisegnaAvviso(g_, *avviso, x0, x1, y1 + 5.6 * hl, ht);
  if (arco) meccanismoPeggiore();
}

void GraficoSpostamento::meccanismoPeggiore() {
  const ModelloArco& m = m_;
  const double yB = LivelloBase(m);
  const double yA = m.yEstradossoMax;
  const double hq = (yA - yB) / 6;  // the strip's height: a sign, not a scale
  const double hT = (yA - yB) / 12;
  finestraArco_.Bordi(0.02, 0.02, 0.02, 0.02);
  finestraArco_.EstremiFinestra(0.02f, 0.02f, 0.98f, 0.36f);
  // The two lines of text above the strip as tall as the surface draws them:
  // the arch gives up height until they fit.
  double hl = hT, yTesto = yA + hq + 3.6 * hT;
  for (int volta = 0; volta < 6; ++volta) {
    finestraArco_.Inizializza(m.xMinStruttura, m.xMaxStruttura, yB, yTesto, destinazione_, superficie_, blocco_, 1,
                              true, 0, g_);
    if (!superficie_) break;
    hl = std::max(hT, 1.2 * superficie_->AltezzaTesto("Ag"));
    if (yTesto >= yA + hq + 2.6 * hl) break;
    yTesto = yA + hq + 2.8 * hl;
  }
  g_.SpessoreLinea(1);
  g_.ImpostaColore(8);
  for (int i = 1; i <= m.nConciPareteSinistra; ++i) Plotta(m.ConciPareteSinistra(i), g_);
  for (int i = 1; i <= m.nConciPareteDestra; ++i) Plotta(m.ConciPareteDestra(i), g_);
  g_.ImpostaColore(1);
  for (int i = 1; i <= m.nConciTot; ++i) Plotta(m.Conci(i), g_);
  PlottaPile(m, g_);
  // The strip at the worst position, over the top of the structure.
  const double xa = *r_.xq1Peggiore, xb = *r_.xq2Peggiore;
  g_.ImpostaColore(8);
  g_.Rettangolo(xa, yA, xb, yA + hq, 1, true, (m.xMaxStruttura - m.xMinStruttura) / 80, 90);
  g_.Rettangolo(xa, yA, xb, yA + hq, 1);
  // The collapse line and its hinges, in the colours of the safety plot.
  const LineaSpinte& l = r_.lineaCollassoPeggiore;
  g_.ImpostaColore(colori_sicurezza::Collasso);
  g_.SpessoreLinea(2);
  // Hinges that show on a thin ring too.
  const double r = std::max<double>(m.Conci(m.iChiave).hSezione / 5, (m.xMaxStruttura - m.xMinStruttura) / 120);
  PlottaLinea(m, l, r / 2, g_);
  for (const Cerniera& c : r_.meccanismoPeggiore) {
    if (m.ponte()) {
      PlottaCerniera(m, l, c, r, false, g_);
      continue;
    }
    const auto j = static_cast<std::size_t>(c.giunto - 1);
    if (j >= l.x.size()) continue;
    g_.ImpostaColore(c.faccia == Faccia::Intradosso ? colori_sicurezza::Intradosso : colori_sicurezza::Estradosso);
    g_.Cerchio(l.x[j], l.y[j], r, 1);
  }
  g_.SpessoreLinea(1);
  g_.ImpostaColore(1);
  // Two lines: one would run past the right of a narrow chart.
  g_.Testo(m.xMinStruttura, yA + hq + 2.4 * hl, hT, reg_.traduci("Voro", "Mechanism at the worst position:"), 1, true);
  g_.Testo(m.xMinStruttura, yA + hq + 1.2 * hl, hT,
           Componi(reg_.traduci("Voro", "strip from x = %1 to %2 m, live-load factor %3"),
                   {TestoMetri(reg_, xa), TestoMetri(reg_, xb), TestoFattore(reg_, *r_.fattorePeggiore)}),
           1, true);
}

}  // namespace voro
