// Drawing voussoirs.
#include "drawing/DisegniElementi.h"

namespace voro {

namespace {

// A closed outline of four points, built in single precision.
void quadrilatero(Disegno& d, double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
  const double X[4] = {toSingle(x1), toSingle(x2), toSingle(x3), toSingle(x4)};
  const double Y[4] = {toSingle(y1), toSingle(y2), toSingle(y3), toSingle(y4)};
  d.Poligonale(4, X, Y, 1);
}

std::array<Single, 2> coppia(double a, double b) { return {toSingle(a), toSingle(b)}; }

}  // namespace

void Plotta(const Concio& c, Disegno& d) {
  quadrilatero(d, c.x(1), c.y(1), c.x(2), c.y(2), c.x(3), c.y(3), c.x(4), c.y(4));
}

void PlottaEsploso(const Concio& c, Disegno& d, double y0, double k) {
  quadrilatero(d, c.x(1), y0, c.x(2), y0, c.x(2), y0 + k * c.hSezione, c.x(1), y0 + k * c.hSezioneSin);
}

void PlottaPianta(const Concio& c, Disegno& d, double yAsse, double bPrec) {
  quadrilatero(d, c.x(4), yAsse - bPrec / 2, c.x(3), yAsse - c.bSez / 2, c.x(3), yAsse + c.bSez / 2, c.x(4),
               yAsse + bPrec / 2);
}

void VisualizzaForzeVerticali(const Concio& c, Disegno& d, double scala, double fattore, double dimensione) {
  d.Freccia(2, coppia(c.xFtot, c.xFtot), coppia(c.yFOrizzontale, c.yFOrizzontale - divide(c.Ftot, scala)), c.Ftot,
            0, "", fattore, dimensione);
}

void VisualizzaForzeOrizzontali(const Concio& c, Disegno& d, double scala, double fattore, double dimensione) {
  if (c.FOrizzontale == 0) return;
  // The arrow ends on the extrados and points the way the pressure acts.
  const double xm = (c.x(4) + c.x(3)) / 2;
  d.Freccia(1, coppia(xm, xm - divide(c.FOrizzontale, scala)), coppia(c.yFOrizzontale, c.yFOrizzontale), c.Ftot, 0,
            "", fattore, dimensione);
}

void VisualizzaForzeRisultanti(const Concio& c, Disegno& d, double scala, double fattore, double dimensione) {
  d.Freccia(2, coppia(c.xFtot, c.xFtot + divide(c.FOrizzontale, scala)),
            coppia(c.yFOrizzontale, c.yFOrizzontale - divide(c.Ftot, scala)), c.Ftot, 0, "", fattore, dimensione);
}

}  // namespace voro
