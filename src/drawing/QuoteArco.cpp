// Dimension lines and scale bar of the printed elevation.
#include "drawing/QuoteArco.h"

#include <algorithm>
#include <cmath>

namespace voro {

namespace {

std::string Misura(const Regional& reg, const std::string& simbolo, double metri) {
  return simbolo + " = " + reg.Formatta(metri, "0.00") + " m";
}

// A vertical dimension from y1 to y2 at x, ticked at both ends, its label on
// the right at mid height.
void QuotaVerticale(Disegno& g, double x, double y1, double y2, double h, const std::string& testo) {
  g.Linea(x, y1, x, y2, 1);
  g.Linea(x - h / 2, y1, x + h / 2, y1, 1);
  g.Linea(x - h / 2, y2, x + h / 2, y2, 1);
  g.Testo(x + h / 2, (y1 + y2) / 2 + h / 2, h, testo, 1, true);
}

}  // namespace

double LunghezzaScala(double massimo) {
  if (!(massimo > 0) || !std::isfinite(massimo)) return 0;
  const double potenza = std::pow(10.0, std::floor(std::log10(massimo)));
  for (const double k : {5.0, 2.0, 1.0})
    if (k * potenza <= massimo) return k * potenza;
  return potenza;
}

namespace {

// Span, rise, ring thickness and fill depth of one ring, whose own voussoirs
// and segments are those of m; the span's line at yL.
void QuotaAnello(const ModelloArco& m, const Regional& reg, Disegno& g, double h, double yL, double yRiempimento) {
  const double x1 = m.Vori(1).X1, x2 = m.Vori(m.Vori.size()).X3;
  const double yImposta = std::min(m.Vori(1).Y1, m.Vori(m.Vori.size()).Y3);
  g.Linea(x1, yL, x2, yL, 1);
  g.Linea(x1, yL - h / 2, x1, yL + h / 2, 1);
  g.Linea(x2, yL - h / 2, x2, yL + h / 2, 1);
  g.Testo((x1 + x2) / 2, yL - h / 4, h, Misura(reg, "L", x2 - x1), 1, true);

  // Rise, ring thickness and fill depth stacked on the crown joint.
  const Concio& k = m.Conci(m.iChiave);
  const double xK = k.x(2);
  const double yIntradosso = k.y(2), yEstradosso = k.y(3);
  QuotaVerticale(g, xK, yImposta, yIntradosso, h, Misura(reg, "f", yIntradosso - yImposta));
  QuotaVerticale(g, k.x(3), yIntradosso, yEstradosso, h, Misura(reg, "t", std::hypot(k.x(3) - xK, yEstradosso - yIntradosso)));
  if (yRiempimento > yEstradosso)
    QuotaVerticale(g, k.x(3), yEstradosso, yRiempimento, h, Misura(reg, "h1", yRiempimento - yEstradosso));
}

// Scale bar ending at xFine, below the spans, its length written beyond it.
void Scala(const Regional& reg, Disegno& g, double h, double massimo, double xFine, double yS) {
  const double lunghezza = LunghezzaScala(massimo);
  if (!(lunghezza > 0)) return;
  const double xInizio = xFine - lunghezza;
  g.SpessoreLinea(2);
  g.Linea(xInizio, yS, xFine, yS, 1);
  g.SpessoreLinea(1);
  g.Linea(xInizio, yS - h / 2, xInizio, yS + h / 2, 1);
  g.Linea(xInizio + lunghezza / 2, yS - h / 4, xInizio + lunghezza / 2, yS + h / 4, 1);
  g.Linea(xFine, yS - h / 2, xFine, yS + h / 2, 1);
  g.Testo(xFine + h / 2, yS + h / 2, h, reg.Formatta(lunghezza, lunghezza < 1 ? "0.0" : "0") + " m", 1, true);
}

// The slab over the fill at the crown; at the left springing the solid
// backing's depth above the ring's end, the wall's protrusion beyond it, and
// the level where the arch springs.
void QuotaRinfianco(const ModelloArco& m, const DatiProgetto& d, const Regional& reg, Disegno& g, double h) {
  const Concio& k = m.Conci(m.iChiave);
  if (m.ySoletta > m.yRiempimento)
    QuotaVerticale(g, k.x(3) + 6 * h, m.yRiempimento, m.ySoletta, h, Misura(reg, "h2", m.ySoletta - m.yRiempimento));
  const double x1 = m.Vori(1).X1, y1 = m.Vori(1).Y1;
  // Left of the wall, its label further left (about 0.6 h a character).
  if (d.hRiempimentoSolido > 0) {
    const double x = m.xMinStruttura - h, y2 = y1 + d.hRiempimentoSolido;
    g.Linea(x, y1, x, y2, 1);
    g.Linea(x - h / 2, y1, x + h / 2, y1, 1);
    g.Linea(x - h / 2, y2, x + h / 2, y2, 1);
    g.Testo(x - 8 * h, (y1 + y2) / 2 + h / 2, h, Misura(reg, "hw", d.hRiempimentoSolido), 1, true);
  }
  // Above the road at the left end, where nothing else is drawn.
  if (d.SporgenzaParete > 0) {
    const double y = m.ySoletta + 1.5 * h;
    g.Linea(m.xMinStruttura, y, x1, y, 1);
    g.Linea(m.xMinStruttura, y - h / 2, m.xMinStruttura, y + h / 2, 1);
    g.Linea(x1, y - h / 2, x1, y + h / 2, 1);
    g.Testo(x1 + h / 2, y + h / 2, h, Misura(reg, "dw", d.SporgenzaParete), 1, true);
  }
  // The level of the analysed springing, above the ring's end where the walls take voussoirs.
  const double yImposta = m.Conci(1).y(1);
  g.Linea(m.Conci(1).x(1) - h, yImposta, m.Conci(1).x(1) + h, yImposta, 1);
  g.Testo(m.Conci(1).x(1) + 1.5 * h, yImposta + h / 2, h, Misura(reg, "y", yImposta), 1, true);
}

}  // namespace

void QuotaArco(const ModelloArco& m, const DatiProgetto& d, const Regional& reg, Disegno& g, double hTesto,
               double yBase, double spazio) {
  if (m.nConciTot < 1 || m.Vori.empty() || m.iChiave < 1) return;
  g.ImpostaColore(1);
  g.SpessoreLinea(1);
  QuotaAnello(m, reg, g, hTesto, yBase - spazio * 0.25, m.yRiempimento);
  QuotaRinfianco(m, d, reg, g, hTesto);
  Scala(reg, g, hTesto, (m.Vori(m.Vori.size()).X3 - m.Vori(1).X1) / 4, m.xMaxStruttura, yBase - spazio * 0.7);
}

void QuotaPonte(const ModelloArco& m, const std::vector<ModelloArco>& campate, const Regional& reg, Disegno& g,
                double hTesto, double yBase, double spazio) {
  const double h = hTesto;
  g.ImpostaColore(1);
  g.SpessoreLinea(1);
  // Each span's length in its opening, under its springings: the piers
  // stand below them.
  for (const ModelloArco& c : campate)
    if (c.nConciTot >= 1 && !c.Vori.empty() && c.iChiave >= 1)
      QuotaAnello(c, reg, g, h, std::min(c.Vori(1).Y1, c.Vori(c.Vori.size()).Y3) - 3 * h, m.yRiempimento);
  // Each pier: its width between the rings' ends, drawn across its shaft
  // below the spans' lines, and its height from its base to the higher
  // springing, beside its right face; both labels on its right.
  for (const PilaModello& p : m.Pile) {
    if (p.x.size() < 4 || p.y.size() < 4) continue;
    const double xa = p.x[3], xb = p.x[2], ya = p.y[3], yb = p.y[2];
    const double yQ = std::min(ya, yb) - 5 * h;
    const double xQ = std::max(p.xBaseDestra, xb) + h;
    g.Linea(xa, yQ, xb, yQ, 1);
    g.Linea(xa, yQ - h / 2, xa, yQ + h / 2, 1);
    g.Linea(xb, yQ - h / 2, xb, yQ + h / 2, 1);
    g.Testo(xQ + h / 2, yQ + h / 2, h, Misura(reg, "b", xb - xa), 1, true);
    const double yTop = std::max(ya, yb);
    QuotaVerticale(g, xQ, p.yBase, yTop, h, Misura(reg, "H", yTop - p.yBase));
  }
  Scala(reg, g, h, (static_cast<double>(m.xMaxStruttura) - m.xMinStruttura) / 8, m.xMaxStruttura,
        yBase - spazio * 0.7);
}

}  // namespace voro
