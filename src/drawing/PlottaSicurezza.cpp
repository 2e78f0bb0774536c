// Drawing the arch with its thrust line of least eccentricity and its
// collapse mechanism.
#include "drawing/PlottaSicurezza.h"

#include <algorithm>
#include <cmath>

#include "data/CifreCoerenti.h"
#include "data/Traduzioni.h"
#include "drawing/DisegniElementi.h"
#include "drawing/FigureSicurezza.h"

namespace voro {

PlottaSicurezza::PlottaSicurezza(const DatiProgetto& dati, const ModelloArco& modello,
                                 const RisultatiSicurezza& risultati, const Regional& regional, Disegno& disegno)
    : TavolaProtetta(disegno, "PlottaSicurezza"), d_(dati), m_(modello), r_(risultati), reg_(regional) {}

void PlottaSicurezza::linea(const LineaSpinte& l) {
  g_.PoligonaleAperta(static_cast<int>(l.x.size()), l.x, l.y, 1);
}

void PlottaSicurezza::cerniera(const LineaSpinte& l, const Cerniera& c, double r, bool piena) {
  const auto j = static_cast<std::size_t>(c.giunto - 1);
  if (j >= l.x.size()) return;
  g_.ImpostaColore(c.faccia == Faccia::Intradosso ? colori_sicurezza::Intradosso : colori_sicurezza::Estradosso);
  if (c.tipo == TipoCerniera::Scorrimento) {
    // A sliding joint: a bar along the joint through the thrust point.
    const Concio& k = m_.Conci(j == 0 ? 1 : static_cast<int>(j));
    const int a = j == 0 ? 1 : 2, b = j == 0 ? 4 : 3;
    const double D = std::hypot(k.x(b) - k.x(a), k.y(b) - k.y(a));
    if (!(D > 0)) return;
    const double ux = (k.x(b) - k.x(a)) / D * 1.5 * r, uy = (k.y(b) - k.y(a)) / D * 1.5 * r;
    g_.Linea(l.x[j] - ux, l.y[j] - uy, l.x[j] + ux, l.y[j] + uy, 1);
    return;
  }
  g_.Cerchio(l.x[j], l.y[j], r, 1);
  if (piena) g_.Cerchio(l.x[j], l.y[j], r / 3, 1);
  // Where the masonry crushes, a second ring: the hinge is at the stress block's edge.
  if (c.tipo == TipoCerniera::Schiacciamento) g_.Cerchio(l.x[j], l.y[j], 1.5 * r, 1);
}

void PlottaSicurezza::disegna() {
  const ModelloArco& m = m_;
  const double yB = m.nConciPareteSinistra > 0 ? m.ConciPareteSinistra(1).y(1) : m.Conci(1).y(1);
  const double qS = d_.qCarico == 0 ? 0 : std::min<double>(d_.ScalaPlot == 0 ? d_.qCarico : d_.qCarico / d_.ScalaPlot,
                                                             (m.yEstradossoMax - m.yIntradossoMin) / 3.0);
  const double yT = m.ySoletta + qS;
  hTesto = toSingle((yT - yB) / 30);
  // Room for six lines of legend below the arch, and the warning of an arch
  // that does not stand or cannot carry its load, and the title above it.
  const std::optional<std::string> avviso = AvvisoSicurezza(r_, reg_);
  xMinPlt = m.xMinStruttura;
  xMaxPlt = m.xMaxStruttura;
  yMaxPlt = toSingle(yT + 2 * hTesto);
  yMinPlt = toSingle(yB - (avviso ? 17 : 14) * hTesto);
  if (destinazione_ == "VIDEO") finestra_.EstremiFinestra(0.05f, 0.05f, 0.95f, 0.92f);
  else if (destinazione_ == "STAMPANTE") finestra_.EstremiFinestra(0.1f, 0.1f, 0.9f, 0.9f);
  if (destinazione_ == "STAMPANTE" && superficie_) {
    superficie_->FontName("Times New Roman");
    superficie_->FontSize(8);
  }
  finestra_.Inizializza(xMinPlt, xMaxPlt, yMinPlt, yMaxPlt, destinazione_, superficie_, blocco_, 1, true, 0, g_);
  g_.DefinisciFont(1, "Times", "Arial");
  g_.SelezionaFont(1);

  // The structure: walls, voussoirs, fill and slab levels, the variable load.
  g_.SpessoreLinea(1);
  g_.ImpostaColore(8);
  for (int i = 1; i <= m.nConciPareteSinistra; ++i) Plotta(m.ConciPareteSinistra(i), g_);
  for (int i = 1; i <= m.nConciPareteDestra; ++i) Plotta(m.ConciPareteDestra(i), g_);
  g_.Linea(m.xMinStruttura, m.yRiempimento, m.xMaxStruttura, m.yRiempimento, 1);
  if (d_.hSoletta != 0) g_.Linea(m.xMinStruttura, m.ySoletta, m.xMaxStruttura, m.ySoletta, 1);
  g_.ImpostaColore(1);
  for (int i = 1; i <= m.nConciTot; ++i) Plotta(m.Conci(i), g_);
  if (d_.qCarico != 0 && d_.xq2 > d_.xq1) {
    g_.ImpostaColore(8);
    g_.Rettangolo(d_.xq1, m.ySoletta, d_.xq2, m.ySoletta + qS, 1, true, (static_cast<double>(xMaxPlt) - xMinPlt) / 60,
                  90);
    g_.Rettangolo(d_.xq1, m.ySoletta, d_.xq2, m.ySoletta + qS, 1);
    g_.Testo(d_.xq2 + hTesto, m.ySoletta + qS, hTesto, "q = " + Spoglio(reg_.TestoSingle(d_.qCarico)) + " kN/m2", 1,
             true);
  }
  g_.ImpostaColore(1);
  g_.Testo(xMinPlt, yMaxPlt + hTesto, hTesto, d_.Titolo, 1, true);

  const double r = m.Conci(m.iChiave).hSezione / 5;

  // The legend: a symbol in the colour of what it stands for, the text in
  // the colour of the other texts, so that both read on either background.
  const double xs = xMinPlt, xt = xMinPlt + 6 * r;
  double y = yB - 2 * hTesto;
  if (avviso) y -= DisegnaAvviso(g_, *avviso, xMinPlt, xMaxPlt, y + hTesto, hTesto) + hTesto;
  auto riga = [&](Long colore, const std::string& testo) {
    g_.ImpostaColore(colore);
    g_.SpessoreLinea(2);
    g_.Linea(xs, y - hTesto / 2, xs + 4 * r, y - hTesto / 2, 1);
    g_.SpessoreLinea(1);
    g_.ImpostaColore(1);
    g_.Testo(xt, y, hTesto, testo, 1, true);
    y -= 2 * hTesto;
  };

  // The thrust line of least eccentricity, its contacts as small marks.
  if (r_.rapportoSpessore) {
    g_.ImpostaColore(colori_sicurezza::Minima);
    g_.SpessoreLinea(2);
    linea(r_.lineaMinima);
    g_.SpessoreLinea(1);
    for (const Cerniera& c : r_.contatti) {
      const auto j = static_cast<std::size_t>(c.giunto - 1);
      g_.Cerchio(r_.lineaMinima.x[j], r_.lineaMinima.y[j], r / 2, 1);
    }
    std::string t = Componi(reg_.traduci("Voro", "Thrust line of least eccentricity: within s = %1 of the half depth"),
                           {TestoFattore(reg_, *r_.rapportoSpessore)});
    if (r_.fattoreGeometrico)
      t += Componi(reg_.traduci("Voro", ", depth ratio 1/s = %1"), {TestoFattore(reg_, *r_.fattoreGeometrico)});
    t += r_.ammissibile ? reg_.traduci("Voro", " (fits within the masonry)")
                        : reg_.traduci("Voro", " (no thrust line fits within the masonry)");
    riga(colori_sicurezza::Minima, t);
  } else {
    riga(1, reg_.traduci("Voro", "No thrust line keeps every joint in compression"));
  }

  // The collapse thrust line at the factored variable load and its hinges.
  if (r_.esitoCarico == EsitoCarico::Finito) {
    g_.ImpostaColore(colori_sicurezza::Collasso);
    g_.SpessoreLinea(2);
    linea(r_.lineaCollasso);
    for (const Cerniera& c : r_.meccanismo) cerniera(r_.lineaCollasso, c, r, true);
    g_.SpessoreLinea(1);
    riga(colori_sicurezza::Collasso,
         Componi(r_.resistenzaFinita
                     ? reg_.traduci("Voro", "Collapse thrust line: variable load x %1 (live-load factor)")
                     : reg_.traduci("Voro", "Collapse thrust line: variable load x %1 (live-load factor, masonry of "
                                            "unlimited strength)"),
                 {TestoFattore(reg_, *r_.fattoreCarico)}));
    // The hinge symbols, each before its text.
    const double xe = xMinPlt + (xMaxPlt - xMinPlt) / 3;
    const double yc = y - hTesto / 2;
    g_.SpessoreLinea(2);
    g_.ImpostaColore(colori_sicurezza::Intradosso);
    g_.Cerchio(xs + 2 * r, yc, r, 1);
    g_.ImpostaColore(colori_sicurezza::Estradosso);
    g_.Cerchio(xe + 2 * r, yc, r, 1);
    g_.SpessoreLinea(1);
    g_.ImpostaColore(1);
    g_.Testo(xt, y, hTesto, reg_.traduci("Voro", "hinge at the intrados"), 1, true);
    g_.Testo(xe + 6 * r, y, hTesto, reg_.traduci("Voro", "hinge at the extrados"), 1, true);
    y -= 2 * hTesto;
    if (!r_.giuntiSchiacciati.empty() || !r_.giuntiScorrevoli.empty()) {
      g_.Testo(xt, y, hTesto,
               reg_.traduci("Voro", "Double ring: the masonry crushes, the hinge at the stress block's edge; bar "
                                    "along a joint: it slides"),
               1, true);
      y -= 2 * hTesto;
    }
  } else {
    const char* perche = r_.esitoCarico == EsitoCarico::Illimitato ? VORO_NOOP("Voro", "the variable load alone can never make it collapse")
                         : r_.esitoCarico == EsitoCarico::NessunCarico ? VORO_NOOP("Voro", "the project has no variable load")
                                                                        : VORO_NOOP("Voro", "no multiplier of the variable load lets a thrust line fit");
    g_.ImpostaColore(1);
    g_.Testo(xt, y, hTesto, Componi(reg_.traduci("Voro", "No live-load factor: %1"), {reg_.traduci("Voro", perche)}), 1, true);
    y -= 2 * hTesto;
  }

  // The other figures.
  g_.ImpostaColore(1);
  if (r_.spintaMinima) {
    std::string t = r_.spintaMassima
                        ? Componi(reg_.traduci("Voro", "Thrust range of the left support: %1 to %2 kN"),
                                  {TestoKn(reg_, *r_.spintaMinima), TestoKn(reg_, *r_.spintaMassima)})
                        : Componi(reg_.traduci("Voro", "Thrust range of the left support: %1 to no upper limit"),
                                  {TestoKn(reg_, *r_.spintaMinima)});
    g_.Testo(xt, y, hTesto, t, 1, true);
    y -= 2 * hTesto;
  }
  if (r_.spessoreMinimo) {
    g_.Testo(xt, y, hTesto,
             Componi(reg_.traduci("Voro", "Minimum thickness %1 m (geometric factor of safety t/tmin %2)"),
                     {TestoMetri(reg_, *r_.spessoreMinimo), TestoFattore(reg_, *r_.fattoreSpessore)}),
             1, true);
  }
}

}  // namespace voro
