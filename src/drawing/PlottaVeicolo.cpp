// Drawing the vehicle, its spread and its collapse mechanism on the bridge.
#include "drawing/PlottaVeicolo.h"

#include <algorithm>
#include <cmath>

#include "drawing/DisegniElementi.h"
#include "drawing/FigureSicurezza.h"
#include "drawing/PlottaSicurezza.h"
#include "drawing/StrutturaPonte.h"

namespace voro {

VeicoloInPosizione PosizionePeggiore(const RisultatiVeicolo& r) {
  VeicoloInPosizione v;
  v.nome = r.veicolo.Nome;
  v.assi = r.assiPeggiori;
  for (const AsseVeicolo& a : r.veicolo.Assi) v.carichi.push_back(a.P);
  v.valutato = true;
  v.fattore = r.fattorePeggiore;
  v.meccanismo = r.meccanismo;
  v.lineaCollasso = r.lineaCollasso;
  return v;
}

void PlottaAssi(const ModelloArco& m, const VeicoloInPosizione& v, double hFreccia, double hTesto,
                const Regional& reg, Disegno& g) {
  // Each axle: the spread from its contact on the road down to the
  // extrados, its arrow and its load (times the factor at collapse). Loads
  // of close axles go on a second line rather than over each other.
  std::vector<double> fineRiga;  // where the last text of each line ends
  for (std::size_t k = 0; k < v.assi.size(); ++k) {
    const ImprontaAsse& a = v.assi[k];
    const double yE = m.ySoletta - a.h;
    g.ImpostaColore(13);
    const std::vector<double> X{a.x - a.a / 2, a.x + a.a / 2, a.x2, a.x1}, Y{m.ySoletta, m.ySoletta, yE, yE};
    g.Poligonale(4, X, Y, 1);
    g.ImpostaColore(11);
    g.SpessoreLinea(2);
    g.Linea(a.x, m.ySoletta, a.x, m.ySoletta + hFreccia, 1);
    g.Linea(a.x, m.ySoletta, a.x - hTesto / 2, m.ySoletta + hTesto, 1);
    g.Linea(a.x, m.ySoletta, a.x + hTesto / 2, m.ySoletta + hTesto, 1);
    g.SpessoreLinea(1);
    if (k < v.carichi.size()) {
      const double P = v.fattore ? *v.fattore * v.carichi[k] : v.carichi[k];
      const std::string testo = TestoKn(reg, P) + " kN";
      const double x = a.x + hTesto / 2;
      const double largo = g.superficie ? g.superficie->LarghezzaTesto(testo) : 0.6 * hTesto * testo.size();
      std::size_t riga = 0;
      while (riga < fineRiga.size() && x <= fineRiga[riga]) ++riga;
      if (riga == fineRiga.size()) fineRiga.push_back(0);
      fineRiga[riga] = x + largo + hTesto / 2;
      const double alto = g.superficie ? std::max(1.4 * hTesto, 1.2 * g.superficie->AltezzaTesto(testo)) : 1.4 * hTesto;
      // In the colour of the drawing's other texts: the arrows' dark red does not read on black.
      g.ImpostaColore(1);
      g.Testo(x, m.ySoletta + hFreccia + hTesto + alto * static_cast<double>(riga), hTesto, testo, 1, true);
    }
  }
}

PlottaVeicolo::PlottaVeicolo(const DatiProgetto& dati, const ModelloArco& modello, const VeicoloInPosizione& veicolo,
                             const Regional& regional, Disegno& disegno)
    : TavolaProtetta(disegno, "PlottaVeicolo"), d_(dati), m_(modello), v_(veicolo), reg_(regional) {}

void PlottaVeicolo::disegna() {
  const ModelloArco& m = m_;
  const double yB = LivelloBase(m);
  const double altezza = m.ySoletta - yB;
  const double hFreccia = altezza / 5;  // the axles' arrows above the road
  const double hTesto = altezza / 28;
  double x0 = m.xMinStruttura, x1 = m.xMaxStruttura;
  for (const ImprontaAsse& a : v_.assi) x0 = std::min(x0, a.x1), x1 = std::max(x1, a.x2);
  if (v_.strada) x0 = std::min(x0, v_.strada->first), x1 = std::max(x1, v_.strada->second);
  xMinPlt = toSingle(x0);
  xMaxPlt = toSingle(x1);
  yMaxPlt = toSingle(m.ySoletta + hFreccia + 4 * hTesto);
  yMinPlt = toSingle(yB - 3 * hTesto);
  if (destinazione_ == "VIDEO") finestra_.EstremiFinestra(0.03f, 0.03f, 0.97f, 0.95f);
  else if (destinazione_ == "STAMPANTE") finestra_.EstremiFinestra(0.1f, 0.1f, 0.9f, 0.9f);
  // Two lines of axle loads above the arrows and the caption below the
  // structure, as tall as the surface draws its text: the drawing gives up
  // height until they fit.
  for (int volta = 0; volta < 6; ++volta) {
    finestra_.Inizializza(xMinPlt, xMaxPlt, yMinPlt, yMaxPlt, destinazione_, superficie_, blocco_, 1, true, 0, g_);
    if (!superficie_) break;
    const double riga = std::max(1.4 * hTesto, 1.2 * superficie_->AltezzaTesto("Ag"));
    const double alto = m.ySoletta + hFreccia + hTesto + 2 * riga, basso = yB - hTesto - 1.5 * riga;
    if (yMaxPlt >= alto && yMinPlt <= basso) break;
    yMaxPlt = toSingle(std::max<double>(yMaxPlt, alto));
    yMinPlt = toSingle(std::min<double>(yMinPlt, basso));
  }
  g_.DefinisciFont(1, "Times", "Arial");
  g_.SelezionaFont(1);

  // The structure and the road.
  g_.SpessoreLinea(1);
  g_.ImpostaColore(8);
  for (int i = 1; i <= m.nConciPareteSinistra; ++i) Plotta(m.ConciPareteSinistra(i), g_);
  for (int i = 1; i <= m.nConciPareteDestra; ++i) Plotta(m.ConciPareteDestra(i), g_);
  if (d_.hSoletta != 0) g_.Linea(m.xMinStruttura, m.yRiempimento, m.xMaxStruttura, m.yRiempimento, 1);
  g_.Linea(x0, m.ySoletta, x1, m.ySoletta, 1);
  g_.ImpostaColore(1);
  for (int i = 1; i <= m.nConciTot; ++i) Plotta(m.Conci(i), g_);
  PlottaPile(m, g_);

  PlottaAssi(m, v_, hFreccia, hTesto, reg_, g_);

  // The collapse thrust line and its hinges.
  const double r = m.Conci(m.iChiave).hSezione / 5;
  if (v_.fattore && !v_.lineaCollasso.x.empty()) {
    const LineaSpinte& l = v_.lineaCollasso;
    g_.ImpostaColore(colori_sicurezza::Collasso);
    g_.SpessoreLinea(2);
    PlottaLinea(m, l, r / 2, g_);
    for (const Cerniera& c : v_.meccanismo) {
      if (m.ponte()) {
        PlottaCerniera(m, l, c, r, true, g_);
        continue;
      }
      const auto j = static_cast<std::size_t>(c.giunto - 1);
      if (j >= l.x.size()) continue;
      g_.ImpostaColore(c.faccia == Faccia::Intradosso ? colori_sicurezza::Intradosso : colori_sicurezza::Estradosso);
      g_.Cerchio(l.x[j], l.y[j], r, 1);
      g_.Cerchio(l.x[j], l.y[j], r / 3, 1);
      // Where the masonry crushes, a second ring, as on the strip load's drawing.
      if (c.tipo == TipoCerniera::Schiacciamento) g_.Cerchio(l.x[j], l.y[j], 1.5 * r, 1);
    }
    g_.SpessoreLinea(1);
  }
  g_.ImpostaColore(1);
  std::string t = v_.assi.empty() ? v_.nome
                                  : Componi(reg_.traduci("Voro", "%1, first axle at x = %2 m"),
                                            {v_.nome, TestoMetri(reg_, v_.assi.front().x)});
  if (v_.fattore)
    t = Componi(reg_.traduci("Voro", "%1: live-load factor %2, loads at collapse"), {t, TestoFattore(reg_, *v_.fattore)});
  else if (v_.valutato)
    t = Componi(reg_.traduci("Voro", "%1: no collapse by the variable load at this position"), {t});
  g_.Testo(xMinPlt, yB - hTesto, hTesto, t, 1, true);
}

}  // namespace voro
