// Drawing the live-load factor against the vehicle's position.
#include "drawing/GraficoVeicolo.h"

#include <algorithm>
#include <cmath>

#include "drawing/FigureSicurezza.h"
#include "drawing/GraficoSpostamento.h"

namespace voro {

GraficoVeicolo::GraficoVeicolo(const RisultatiVeicolo& risultati, const Regional& regional, Disegno& disegno,
                               std::optional<double> corrente)
    : TavolaProtetta(disegno, "GraficoVeicolo"), r_(risultati), reg_(regional), corrente_(corrente) {}

void GraficoVeicolo::disegna() {
  const auto& pos = r_.posizioni;
  double x0 = 0, x1 = 1, lMax = 1;
  bool primo = true;
  for (const PosizioneVeicolo& p : pos) {
    x0 = primo ? p.x : std::min(x0, p.x);
    x1 = primo ? p.x : std::max(x1, p.x);
    primo = false;
    if (p.fattore) lMax = std::max(lMax, *p.fattore);
  }
  const double lTutto = lMax;
  lMax = AltoGrafico(lMax, r_.fattorePeggiore);
  if (x1 <= x0) x1 = x0 + 1;
  const double py = GraficoSpostamento::PassoAsse(lMax, 5);
  const double y1 = std::ceil(lMax * 1.15 / py) * py;
  const double dx = x1 - x0;
  if (destinazione_ == "VIDEO") finestra_.EstremiFinestra(0.02f, 0.02f, 0.98f, 0.98f);
  auto mappa = [&](double sotto, double sopra) {
    finestra_.Bordi(0.12, sotto, 0.04, sopra);
    finestra_.Inizializza(x0, x1, 0, y1, destinazione_, superficie_, blocco_, 1, false, 0, g_);
    g_.DefinisciFont(1, "Times", "Arial");
    g_.SelezionaFont(1);
  };
  constexpr double basso = 0.16, alto = 0.22;
  mappa(basso, alto);
  // On a short panel (a bridge's Safety window on a small screen) the five
  // lines above the chart (title, legend, axis title) and the three below it
  // (tick labels, axis title) need more than the usual margins: they grow to
  // hold them, for a line's share of the panel's height.
  if (superficie_) {
    const double riga = superficie_->AltezzaTesto("X") / (y1 * (1 + basso + alto));
    if (riga * 8 < 0.8) {
      const double intero = 1 / (1 - 8 * riga);
      const double sopra = std::max(alto, 5 * riga * intero), sotto = std::max(basso, 3 * riga * intero);
      if (sopra > alto || sotto > basso) mappa(sotto, sopra);
    }
  }
  const double ht = y1 / 30, wt = dx / 80;
  // A line of text: the surface's own where it has one, taller than ht on a screen.
  const double hl = superficie_ ? std::max(ht, superficie_->AltezzaTesto("X")) : ht;
  auto numero = [this](double v) { return Spoglio(reg_.FormattaNumero(4, v)); };

  g_.SpessoreLinea(1);
  g_.ImpostaColore(8);
  const double px = GraficoSpostamento::PassoAsse(dx, 8);
  for (double y = py; y <= y1 + py / 1000; y += py) g_.Linea(x0, y, x1, y, 1);
  for (double x = std::ceil(x0 / px) * px; x <= x1 + px / 1000; x += px) g_.Linea(x, 0, x, y1, 1);
  g_.ImpostaColore(1);
  g_.Linea(x0, 0, x1, 0, 1);
  g_.Linea(x0, 0, x0, y1, 1);
  for (double y = 0; y <= y1 + py / 1000; y += py) g_.Testo(x0 - 7 * wt, y + ht / 2, ht, numero(y), 1, true);
  for (double x = std::ceil(x0 / px) * px; x <= x1 + px / 1000; x += px) g_.Testo(x - wt, -ht / 2, ht, numero(x), 1, true);
  const std::string diffusione = r_.diffusione.regola == RegolaDiffusione::Nessuna ? reg_.traduci("Diffusione", "none")
                                                                                  : r_.diffusione.Testo();
  g_.Testo(x0, y1 + 3.9 * hl, ht,
           Componi(reg_.traduci("Voro", "Live-load factor against the position of %1 (spread %2)"),
                   {r_.veicolo.Nome, diffusione}),
           1, true);
  // The axes' titles: the factor's over its axis, the position's under the
  // tick labels at the left, the least factor's label beside it, where no
  // curve can run through it.
  g_.Testo(x0 - 7 * wt, y1 + 1.3 * hl, ht, reg_.traduci("Voro", "live-load factor λ"), 1, true);
  if (lTutto > y1)
    g_.Testo(x0 + dx / 2, y1 + 1.3 * hl, ht,
             Componi(reg_.traduci("Voro", "curves cut at the top: largest factor %1"), {TestoFattore(reg_, lTutto)}), 1,
             true);
  const double yAsse = -std::max(2 * ht, ht / 2 + 1.2 * hl);
  g_.Testo(x0, yAsse, ht, reg_.traduci("Voro", "first axle x [m]"), 1, true);
  if (y1 >= 1) g_.Linea(x0, 1, x1, 1, 1);

  // One curve for each direction, cut at the top of the chart; thick forward
  // and thin backward, so that the two differ when printed in grey.
  for (const Verso v : {Verso::Avanti, Verso::Indietro}) {
    const int spessore = v == Verso::Avanti ? 3 : 1;
    g_.ImpostaColore(v == Verso::Avanti ? 5 : 13);
    g_.SpessoreLinea(spessore);
    const PosizioneVeicolo* prima = nullptr;
    bool presente = false;
    for (const PosizioneVeicolo& p : pos) {
      if (p.verso != v) continue;
      presente = true;
      if (prima && prima->fattore && p.fattore && (*prima->fattore <= y1 || *p.fattore <= y1)) {
        double xa = prima->x, ya = *prima->fattore, xb = p.x, yb = *p.fattore;
        if (ya > y1) xa = xb + (xa - xb) * (y1 - yb) / (ya - yb), ya = y1;
        if (yb > y1) xb = xa + (xb - xa) * (y1 - ya) / (yb - ya), yb = y1;
        g_.Linea(xa, ya, xb, yb, 1);
      }
      prima = &p;
    }
    if (presente) {
      // The legend: a stroke of the curve's own line, then its direction.
      const double xl = v == Verso::Avanti ? x0 + wt : x0 + dx / 2;
      g_.Linea(xl, y1 + 2.6 * hl - hl / 2, xl + 4 * wt, y1 + 2.6 * hl - hl / 2, 1);
      g_.SpessoreLinea(1);
      g_.Testo(xl + 5 * wt, y1 + 2.6 * hl, ht,
               v == Verso::Avanti ? reg_.traduci("Voro", "forward") : reg_.traduci("Voro", "backward"), 1, true);
    }
    g_.SpessoreLinea(1);
  }

  if (r_.fattorePeggiore) {
    g_.ImpostaColore(6);
    const double xm = r_.xPeggiore, ym = std::min(*r_.fattorePeggiore, y1);
    g_.Linea(xm - wt, ym - ht / 2, xm + wt, ym + ht / 2, 1);
    g_.Linea(xm - wt, ym + ht / 2, xm + wt, ym - ht / 2, 1);
    g_.Testo(x0 + dx * 0.45, yAsse, ht,
             Componi(reg_.traduci("Voro", "least %1 at x = %2 m (the cross)"),
                     {TestoFattore(reg_, *r_.fattorePeggiore), TestoMetri(reg_, xm)}),
             1, true);
  }
  if (corrente_) {
    g_.ImpostaColore(11);
    g_.Linea(*corrente_, 0, *corrente_, y1, 1);
  }
  if (pos.empty()) {
    g_.ImpostaColore(1);
    g_.Testo(x0 + wt, y1 / 2, ht, reg_.traduci("Voro", "No positions: the project has no vehicle"), 1, true);
  }
}

}  // namespace voro
