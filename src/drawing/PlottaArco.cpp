// Drawing the arch, its loads and its results.
#include "drawing/PlottaArco.h"

#include <algorithm>
#include <cmath>

#include "data/UnitConversions.h"
#include "drawing/CatenaConci.h"
#include "drawing/DisegniElementi.h"
#include "drawing/QuoteArco.h"
#include "drawing/StrutturaPonte.h"
#include "geometry/Grafica.h"

namespace voro {

PlottaArco::PlottaArco(const DatiProgetto& dati, const ModelloArco& modello, const RisultatiCalcolo& risultati,
                       const Regional& regional, Disegno& disegno)
    : d_(dati), m_(modello), r_(risultati), reg_(regional), g_(disegno) {}

void PlottaArco::PltInizializza(double x1, double x2, double y1, double y2, Single offset) {
  if (DestinazionePlt == "VIDEO") {
    // The drawing stands in the middle of the window: the labels take the
    // band on its right, and the margins above and below are equal.
    FinestraPlt.EstremiFinestra(0.1f, 0.1f, 0.8f, 0.9f);
  } else if (DestinazionePlt == "STAMPANTE") {
    if (SuperficiePlt) {
      SuperficiePlt->FontName("Times New Roman");
      SuperficiePlt->FontSize(8);
    }
    FinestraPlt.EstremiFinestra(0.1f, 0.1f, 0.8f, 0.9f);
  }
  FinestraPlt.Inizializza(x1, x2, y1, y2, DestinazionePlt, SuperficiePlt, BloccoPlt, 1, true, offset, g_);
}

bool PlottaArco::PlottaVoro(const std::string& destinazione, Superficie* superficie, ContenitoreCad* blocco) {
  DestinazionePlt = destinazione;
  SuperficiePlt = superficie;
  // A bridge's three-hinge thrust lines are each span's own, on rigid
  // springings: its results draw the bridge with its loads.
  modo_ = PlottaGeometria == 0 && m_.ponte() ? 2 : PlottaGeometria;
  BloccoPlt = blocco;
  try {
    disegna();
  } catch (const RuntimeError&) {
    g_.msg().critical(g_.msg().traduci("Voro", "Error in PlottaVoro"));
    return false;
  }
  return true;
}

void PlottaArco::testoGreco(double x, double y, const std::string& lettera, const std::string& resto) {
  g_.TestoComposto(x, y, hTesto, {lettera, resto}, {2, 1}, 1);
}

void PlottaArco::disegna() {
  const ModelloArco& m = m_;
  auto conci = [&](int i) -> const Concio& { return m.Conci(i); };
  const double d5 = (static_cast<double>(m.yEstradossoMax) - m.yIntradossoMin) / 5;
  const double yB = LivelloBase(m);

  xMinPlt = m.xMinStruttura;
  xMaxPlt = m.xMaxStruttura;
  const Single qS = d_.ScalaPlot == 0 ? d_.qCarico : toSingle(divide(d_.qCarico, d_.ScalaPlot));
  const double yT = qS + m.ySoletta;
  hTesto = toSingle((yT - yB) / 30);
  yMaxPlt = toSingle(yT + 2 * hTesto);
  // The vehicle, with the loads: its arrows and their loads above the road,
  // its legend under the title, its spread wherever it reaches.
  const bool veicolo = Veicolo && modo_ != 1;
  const double hFreccia = (static_cast<double>(m.ySoletta) - yB) / 5;
  if (veicolo) {
    yMaxPlt = toSingle(std::max<double>(yT, m.ySoletta + hFreccia + hTesto) + 3.5 * hTesto);
    for (const ImprontaAsse& a : Veicolo->veicolo.assi) {
      xMinPlt = toSingle(std::min({static_cast<double>(xMinPlt), a.x1, a.x - a.a / 2}));
      xMaxPlt = toSingle(std::max({static_cast<double>(xMaxPlt), a.x2, a.x + a.a / 2}));
    }
  }
  // Room under the title for the note on a bridge's results.
  if (modo_ != PlottaGeometria) yMaxPlt = toSingle(yMaxPlt + 1.5 * hTesto);
  if (modo_ != 0) {
    yMinPlt = toSingle(yB - std::max(d_.Larghezza, d_.LarghezzaChiave) - d5);
  } else {
    yMinPlt = toSingle(yB - 2 * d5 - 4 * m.hSezioneChiave);
  }
  PltInizializza(xMinPlt, xMaxPlt, yMinPlt, yMaxPlt, 0);

  g_.DefinisciFont(1, "Times", "Arial");
  g_.DefinisciFont(2, "Symbol", "Symbol");
  g_.SelezionaFont(1);

  g_.ImpostaColore(8);
  g_.SpessoreLinea(1);
  PlottaElevazione(m.ConciPareteSinistra, m.nConciPareteSinistra);
  PlottaElevazione(m.ConciPareteDestra, m.nConciPareteDestra);
  PlottaMuri();

  g_.ImpostaColore(1);
  g_.SpessoreLinea(1);
  PlottaElevazione(m.Conci, m.nConciTot);
  PlottaPile(m, g_);

  // Unit weights beside the structure.
  const Concio& ultimo = m.nConciPareteDestra > 0 ? m.ConciPareteDestra(m.nConciPareteDestra) : conci(m.nConciTot);
  testoGreco(ultimo.x(3) + hTesto, ultimo.y(3), "g", "m = " + reg_.TestoSingle(d_.PesoMuratura) + " kN/m³");
  g_.Linea(m.xMinStruttura, m.yRiempimento, m.xMaxStruttura, m.yRiempimento, 1);
  testoGreco(m.xMaxStruttura + hTesto, (static_cast<double>(m.yRiempimento) + m.yIntradossoMin) / 2, "g",
             "1 = " + reg_.TestoSingle(d_.PesoRiempimento) + " kN/m³");
  if (d_.hSoletta != 0) {
    g_.Linea(m.xMinStruttura, m.ySoletta, m.xMaxStruttura, m.ySoletta, 1);
    testoGreco(m.xMaxStruttura + hTesto, m.ySoletta, "g", "2 = " + reg_.TestoSingle(d_.PesoSoletta) + " kN/m³");
  }

  g_.ImpostaColore(1);
  g_.Testo(xMinPlt, yMaxPlt + hTesto, hTesto, d_.Titolo, 1, true);

  if (modo_ != 0) {
    // The plan view fills the room kept for it below the elevation: its top
    // edge one fifth of the arch's height below the base level.
    PlottaPianta(yB - d5 - std::max(d_.Larghezza, d_.LarghezzaChiave) / 2.0);
    if (Quote && m.ponte()) QuotaPonte(m, ModelliCampate(d_), reg_, g_, hTesto, yB, d5);
    else if (Quote) QuotaArco(m, d_, reg_, g_, hTesto, yB, d5);
    if (modo_ == 2) PlottaQ(qS, hTesto);
    if (veicolo) PlottaAssiVeicolo(hFreccia);
    if (PlottaGeometria == 0)
      g_.Testo(xMinPlt, yMaxPlt - (veicolo ? 1.8 : 0.3) * hTesto, hTesto,
               reg_.traduci("Voro", "The three-hinge thrust lines are each span's own, on rigid springings; the "
                                    "safety assessment draws the bridge's collapse mechanism"),
               1, true);
    return;
  }

  PlottaQ(qS, hTesto);
  VisualizzaDiscretizzazione(qS);
  if (veicolo) PlottaAssiVeicolo(hFreccia);

  const Concio& chiave = conci(m.iChiave);
  const double rCerniera = chiave.hSezione / 4;
  g_.ImpostaColore(5);
  g_.SpessoreLinea(1);
  for (int k = 0; k < 3; ++k) g_.Cerchio(r_.xCerniera[static_cast<std::size_t>(k)], r_.yCerniera[static_cast<std::size_t>(k)], rCerniera, 1);

  g_.SpessoreLinea(2);
  std::vector<double> X{r_.xCerniera[0]}, Y{r_.yCerniera[0]};
  for (int i = 1; i <= m.nConciTot; ++i) {
    X.push_back(conci(i).x_Fun);
    Y.push_back(conci(i).y_Fun);
  }
  g_.PoligonaleAperta(static_cast<int>(X.size()), X, Y, 1);

  g_.ImpostaColore(6);
  g_.SpessoreLinea(1);
  if (d_.SpintaPassiva && d_.Kp != 0) {
    g_.Testo((static_cast<double>(m.xMinStruttura) + m.xMaxStruttura) / 2,
             (static_cast<double>(m.yIntradossoMin) + m.yEstradossoMax) / 2, hTesto, " Kp=" + reg_.TestoSingle(d_.Kp),
             1, true);
  }

  DimFreccia = (xMaxPlt - xMinPlt) / 100;
  if (Visualizza[1] || Visualizza[2] || Visualizza[3]) {
    g_.ImpostaColore(3);
    Array1<double> R(1, 2);
    R(1) = std::sqrt(static_cast<double>(r_.VSinistra) * r_.VSinistra + static_cast<double>(r_.HSinistra) * r_.HSinistra);
    R(2) = std::sqrt(static_cast<double>(r_.HDestra) * r_.HDestra + static_cast<double>(r_.VDestra) * r_.VDestra);
    const double s = divide(5 * MassimoVettore(R), static_cast<double>(xMaxPlt) - xMinPlt);
    const double x1 = X.front(), y1 = Y.front(), xn = X.back(), yn = Y.back();
    g_.Freccia(1, {toSingle(x1), toSingle(x1 - divide(r_.HSinistra, s))},
               {toSingle(y1), toSingle(y1 - divide(r_.VSinistra, s))}, R(1), 0, "", 1, DimFreccia);
    g_.Freccia(1, {toSingle(xn), toSingle(xn + divide(r_.HDestra, s))},
               {toSingle(yn), toSingle(yn - divide(r_.VDestra, s))}, R(2), 0, "", 1, DimFreccia);
    ScalaForze = toSingle(4 * s / m.nConciTot);
  }
  DimFreccia = DimFreccia * 0.6f;
  ForzeConci();
  EsplosoVoro(yMinPlt, rCerniera);
}

double PlottaArco::DistanzaMinima() const {
  return DistanzaGiunti * (static_cast<double>(xMaxPlt) - xMinPlt);
}

void PlottaArco::PlottaElevazione(const Array1<Concio>& conci, int n) {
  if (!(DistanzaMinima() > 0)) {
    for (int i = 1; i <= n; ++i) Plotta(conci(i), g_);
    return;
  }
  std::vector<Quadrilatero> q;
  for (int i = 1; i <= n; ++i) {
    const Concio& c = conci(i);
    q.push_back({{c.x(1), c.x(2), c.x(3), c.x(4)}, {c.y(1), c.y(2), c.y(3), c.y(4)}});
  }
  PlottaCatena(q, DistanzaMinima(), g_);
}

void PlottaArco::PlottaQ(double h, double t) {
  g_.ImpostaColore(6);
  if (d_.qCarico == 0) return;
  const double y0 = m_.ySoletta;
  g_.Rettangolo(d_.xq1, y0, d_.xq2, y0 + h, 1);
  g_.Rettangolo(d_.xq1, y0, d_.xq2, y0 + h, 1, true, (static_cast<double>(xMaxPlt) - xMinPlt) / 40, 90);
  std::string etichetta = " q=" + reg_.TestoSingle(d_.qCarico) + " kN/m²";
  if (modo_ == 0) {
    double Q = 0;
    for (int i = 1; i <= m_.nConciTot; ++i) Q += m_.Conci(i).FVariabile;
    etichetta += " - Q=" + reg_.FormattaNumero(4, Q) + " kN";
  }
  g_.ImpostaColore(1);
  g_.Testo(d_.xq2 + t, y0 + h + t, t, etichetta, 1, true);
}

void PlottaArco::PlottaAssiVeicolo(double hFreccia) {
  // The road goes on beyond the structure as far as the vehicle stands.
  g_.ImpostaColore(8);
  g_.SpessoreLinea(1);
  if (xMinPlt < m_.xMinStruttura) g_.Linea(xMinPlt, m_.ySoletta, m_.xMinStruttura, m_.ySoletta, 1);
  if (xMaxPlt > m_.xMaxStruttura) g_.Linea(m_.xMaxStruttura, m_.ySoletta, xMaxPlt, m_.ySoletta, 1);
  PlottaAssi(m_, Veicolo->veicolo, hFreccia, hTesto, reg_, g_);
  g_.ImpostaColore(1);
  std::string legenda = LegendaVeicolo(*Veicolo, reg_);
  // The three-hinged line reads the strip load alone: the vehicle shows where
  // it stands, not what it does to this thrust line.
  if (modo_ == 0)
    legenda = Componi(reg_.traduci("Voro", "%1. The thrust line and the stresses drawn leave the vehicle out: the "
                                           "Safety window assesses it"),
                      {legenda});
  g_.Testo(xMinPlt, yMaxPlt, hTesto, legenda, 1, true);
}

void PlottaArco::VisualizzaDiscretizzazione(double h) {
  if (!Visualizza[0]) return;
  g_.ImpostaColore(8);
  g_.SpessoreLinea(1);
  const double y0 = m_.ySoletta;
  auto striscia = [&](double x, double y) {
    const bool caricata = x >= d_.xq1 && x <= d_.xq2;
    g_.Linea(x, y, x, caricata ? y0 + h : y0, 1);
  };
  striscia(m_.Conci(1).x(4), m_.Conci(1).y(4));
  for (int i = 1; i <= m_.nConciTot; ++i) striscia(m_.Conci(i).x(3), m_.Conci(i).y(3));
}

void PlottaArco::PlottaMuri() {
  // The upper walls rise from the wall face beyond each outer springing to
  // the top of the slab; the solid backing reaches the extrados at its level.
  g_.ImpostaColore(8);
  g_.SpessoreLinea(2);
  const ModelloArco& m = m_;
  if (m.Vori.empty() || m.nConciTot < 1) return;
  const double yTop = m.ySoletta;
  // A bridge keeps the first span's segments: its right end is the last
  // span's, at the intrados of its last voussoir.
  const Concio& destro = m.nConciPareteDestra > 0 ? m.ConciPareteDestra(m.nConciPareteDestra) : m.Conci(m.nConciTot);
  const double ySx = m.Vori(1).Y1, yDx = m.ponte() ? destro.y(2) : m.Vori(m.Vori.size()).Y3;
  g_.Linea(m.xMinStruttura, ySx, m.xMinStruttura, yTop, 1);
  g_.Linea(m.xMaxStruttura, yDx, m.xMaxStruttura, yTop, 1);
  // Where the backing level meets the extrados, along the extrados corners.
  auto incontro = [&](double livello, bool sinistra, double& x) {
    std::vector<std::pair<double, double>> bordo;
    auto aggiungi = [&](const Concio& c) {
      bordo.emplace_back(c.x(4), c.y(4));
      bordo.emplace_back(c.x(3), c.y(3));
    };
    for (int i = 1; i <= m.nConciPareteSinistra; ++i) aggiungi(m.ConciPareteSinistra(i));
    for (int i = 1; i <= m.nConciTot; ++i) aggiungi(m.Conci(i));
    for (int i = 1; i <= m.nConciPareteDestra; ++i) aggiungi(m.ConciPareteDestra(i));
    if (!sinistra) std::reverse(bordo.begin(), bordo.end());
    for (std::size_t k = 0; k + 1 < bordo.size(); ++k) {
      const auto [xa, ya] = bordo[k];
      const auto [xb, yb] = bordo[k + 1];
      if ((ya - livello) * (yb - livello) <= 0 && ya != yb) {
        x = xa + (livello - ya) * (xb - xa) / (yb - ya);
        return true;
      }
    }
    return false;
  };
  g_.SpessoreLinea(1);
  double x = 0;
  const double livelloSx = ySx + d_.hRiempimentoSolido, livelloDx = yDx + d_.hRiempimentoSolido;
  if (d_.hRiempimentoSolido > 0 && incontro(livelloSx, true, x) && x > m.xMinStruttura) {
    g_.Linea(m.xMinStruttura, livelloSx, x, livelloSx, 1);
    const double Xs[4] = {m.xMinStruttura, x, m.xMinStruttura, m.xMinStruttura};
    const double Ys[4] = {livelloSx, livelloSx, ySx, ySx};
    g_.Tratteggio(3, Xs, Ys, (static_cast<double>(m.xMaxStruttura) - m.xMinStruttura) / 80, 45, 1);
  }
  if (d_.hRiempimentoSolido > 0 && incontro(livelloDx, false, x) && x < m.xMaxStruttura) {
    g_.Linea(x, livelloDx, m.xMaxStruttura, livelloDx, 1);
    const double Xs[3] = {x, m.xMaxStruttura, m.xMaxStruttura};
    const double Ys[3] = {livelloDx, livelloDx, yDx};
    g_.Tratteggio(3, Xs, Ys, (static_cast<double>(m.xMaxStruttura) - m.xMinStruttura) / 80, 135, 1);
  }
}

void PlottaArco::PlottaLuce(double x1, double x2, double y) {
  g_.ImpostaColore(1);
  g_.SpessoreLinea(1);
  g_.Linea(x1, y, x2, y, 1);
  const double luce = m_.ponte() ? x2 - x1 : d_.LuceAnello;
  g_.Testo((x1 + x2) / 2, y - 1.5 * hTesto, hTesto, reg_.FormattaNumero(4, luce) + "m", 1, true);
}

void PlottaArco::PlottaPianta(double yA) {
  const ModelloArco& m = m_;
  const double w = std::max(d_.Larghezza, d_.LarghezzaChiave) / 2.0;
  g_.ImpostaColore(1);
  const Concio& destro = m.nConciPareteDestra > 0 ? m.ConciPareteDestra(m.nConciPareteDestra) : m.Conci(m.nConciTot);
  g_.Testo(std::max<double>(m.xMaxStruttura, destro.x(3)) + hTesto, yA + w, hTesto, reg_.traduci("Voro", "PLAN VIEW"),
           1, true);
  // One chain from the left wall through the ring to the right wall, each
  // voussoir between the width of the previous one and its own.
  std::vector<const Concio*> catena;
  for (int i = 1; i <= m.nConciPareteSinistra; ++i) catena.push_back(&m.ConciPareteSinistra(i));
  for (int i = 1; i <= m.nConciTot; ++i) catena.push_back(&m.Conci(i));
  for (int i = 1; i <= m.nConciPareteDestra; ++i) catena.push_back(&m.ConciPareteDestra(i));
  double bPrec = d_.Larghezza;
  std::vector<Quadrilatero> q;
  for (const Concio* c : catena) {
    if (DistanzaMinima() > 0)
      q.push_back({{c->x(4), c->x(3), c->x(3), c->x(4)},
                   {yA - bPrec / 2, yA - c->bSez / 2, yA + c->bSez / 2, yA + bPrec / 2}});
    else
      voro::PlottaPianta(*c, g_, yA, bPrec);
    bPrec = c->bSez;
  }
  if (!q.empty()) PlottaCatena(q, DistanzaMinima(), g_);
  // The masonry over each pier, between the two rings' extrados springings.
  for (const PilaModello& p : m.Pile) g_.Rettangolo(p.xa, yA - d_.Larghezza / 2.0, p.xb, yA + d_.Larghezza / 2.0, 1);
  if (!m.ponte()) {
    if (!m.Vori.empty()) PlottaLuce(m.Vori(1).X1, m.Vori(m.Vori.size()).X3, yA - w - hTesto);
    return;
  }
  for (const ModelloArco& c : ModelliCampate(d_))
    PlottaLuce(c.Vori(1).X1, c.Vori(c.Vori.size()).X3, yA - w - hTesto);
}

void PlottaArco::ForzeConci() {
  g_.ImpostaColore(3);
  g_.SpessoreLinea(1);
  const double f = 1;
  for (int i = 1; i <= m_.nConciTot; ++i) {
    const Concio& c = m_.Conci(i);
    if (Visualizza[1]) VisualizzaForzeVerticali(c, g_, ScalaForze, f, DimFreccia);
    if (Visualizza[2]) VisualizzaForzeOrizzontali(c, g_, ScalaForze, f, DimFreccia);
    if (Visualizza[3]) VisualizzaForzeRisultanti(c, g_, ScalaForze, f, DimFreccia);
  }
}

void PlottaArco::EsplosoVoro(double y0, double r) {
  const ModelloArco& m = m_;
  const double k = 4;
  g_.ImpostaColore(1);
  g_.SpessoreLinea(1);
  std::vector<double> X{m.Conci(1).x(1)}, Y;
  Y.push_back(y0 + (m.Conci(1).hSezioneSin / 2 + r_.EccCalcSinistra) * k);
  std::vector<Quadrilatero> q;
  for (int i = 1; i <= m.nConciTot; ++i) {
    const Concio& c = m.Conci(i);
    if (DistanzaMinima() > 0)
      q.push_back({{c.x(1), c.x(2), c.x(2), c.x(1)}, {y0, y0, y0 + k * c.hSezione, y0 + k * c.hSezioneSin}});
    else
      PlottaEsploso(c, g_, y0, k);
    X.push_back(c.x(2));
    Y.push_back(y0 + (c.hSezione / 2 + c.Eccentric) * k);
  }
  if (!q.empty()) PlottaCatena(q, DistanzaMinima(), g_);
  g_.ImpostaColore(5);
  g_.SpessoreLinea(2);
  g_.PoligonaleAperta(static_cast<int>(X.size()), X, Y, 1);
  g_.SpessoreLinea(1);
  const Concio& chiave = m.Conci(m.iChiave);
  const Concio& ultimo = m.Conci(m.nConciTot);
  g_.Cerchio(X.front(), y0 + (m.Conci(1).hSezioneSin / 2 + r_.EccCalcSinistra) * k, r, 1);
  g_.Cerchio(chiave.x(2), y0 + (chiave.hSezione / 2 + r_.EccCalcChiave) * k, r, 1);
  g_.Cerchio(ultimo.x(2), y0 + (ultimo.hSezione / 2 + r_.EccCalcDestra) * k, r, 1);
  DiagrammaSigma(y0, k, X);
}

double PlottaArco::MassimoTensioni(int n, const Array1<Single>& A, const Array1<Single>& B, bool& primo) {
  double largest = -1e20f;
  for (int i = 1; i <= n; ++i) {
    if (A(i) >= B(i) && A(i) >= 0) {
      if (A(i) > largest) largest = A(i), primo = true;
    } else if (B(i) > A(i) && B(i) >= 0) {
      if (B(i) > largest) largest = B(i), primo = false;
    }
  }
  return largest;
}

void PlottaArco::DiagrammaSigma(double y0, double m, const std::vector<double>& X) {
  const int n = m_.nGiunti;
  bool primo = false;
  const double sMax = MassimoTensioni(n, r_.SigmaIntGiunti, r_.SigmaEstGiunti, primo);
  const double k = divide(m * m_.hSezioneChiave, sMax);
  std::vector<double> ye(static_cast<std::size_t>(n)), yi(static_cast<std::size_t>(n));
  for (int j = 1; j <= n; ++j) {
    ye[static_cast<std::size_t>(j - 1)] = y0 + k * r_.SigmaEstGiunti(j);
    yi[static_cast<std::size_t>(j - 1)] = y0 + k * r_.SigmaIntGiunti(j);
  }
  g_.SpessoreLinea(1);
  g_.ImpostaColore(3);
  g_.PoligonaleAperta(n, X, ye, 1);
  const double xl = X.back() + hTesto, yl = y0 + m * m_.hSezioneChiave;
  testoGreco(xl, yl, "s", "e max = " + FormattaDivisoMille(reg_, r_.SigmaEstPeggiore) + " MPa");
  g_.ImpostaColore(6);
  g_.PoligonaleAperta(n, X, yi, 1);
  testoGreco(xl, yl - 2 * hTesto, "s", "i max = " + FormattaDivisoMille(reg_, r_.SigmaIntPeggiore) + " MPa");
}

}  // namespace voro
