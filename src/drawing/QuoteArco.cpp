// Dimension lines and scale bar of the printed elevation.
#include "drawing/QuoteArco.h"

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

void QuotaArco(const ModelloArco& m, const Regional& reg, Disegno& g, double hTesto, double yBase, double spazio) {
  if (m.nConciTot < 1 || m.Vori.empty() || m.iChiave < 1) return;
  const double h = hTesto;
  const double x1 = m.Vori(1).X1, x2 = m.Vori(m.Vori.size()).X3;
  const double yImposta = std::min(m.Vori(1).Y1, m.Vori(m.Vori.size()).Y3);
  g.ImpostaColore(1);
  g.SpessoreLinea(1);

  // Span, between the ring's ends, just under the base.
  const double yL = yBase - spazio * 0.25;
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
  if (m.yRiempimento > yEstradosso)
    QuotaVerticale(g, k.x(3), yEstradosso, m.yRiempimento, h, Misura(reg, "h1", m.yRiempimento - yEstradosso));

  // Scale bar at the right end, below the span, its length written beyond it.
  const double lunghezza = LunghezzaScala((x2 - x1) / 4);
  if (lunghezza > 0) {
    const double yS = yBase - spazio * 0.7;
    const double xFine = m.xMaxStruttura, xInizio = xFine - lunghezza;
    g.SpessoreLinea(2);
    g.Linea(xInizio, yS, xFine, yS, 1);
    g.SpessoreLinea(1);
    g.Linea(xInizio, yS - h / 2, xInizio, yS + h / 2, 1);
    g.Linea(xInizio + lunghezza / 2, yS - h / 4, xInizio + lunghezza / 2, yS + h / 4, 1);
    g.Linea(xFine, yS - h / 2, xFine, yS + h / 2, 1);
    g.Testo(xFine + h / 2, yS + h / 2, h, reg.Formatta(lunghezza, lunghezza < 1 ? "0.0" : "0") + " m", 1, true);
  }
}

}  // namespace voro
