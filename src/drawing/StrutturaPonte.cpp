// Drawing the piers of a bridge and the joints of its figures.
#include "drawing/StrutturaPonte.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "arch/CostruisciModello.h"
#include "arch/Ponte.h"
#include "drawing/PlottaSicurezza.h"

namespace voro {

namespace {

// Span k's joints in a line's numbering: its left springing and the right
// joint of each of its voussoirs.
int GiuntiCampata(const CampataModello& c) { return c.ultimo - c.primo + 2; }

void Contorno(const std::vector<double>& x, const std::vector<double>& y, Disegno& g) {
  if (x.size() < 3 || y.size() != x.size()) return;
  g.Poligonale(static_cast<int>(x.size()), x, y, 1);
}

}  // namespace

std::vector<ModelloArco> ModelliCampate(const DatiProgetto& d) {
  std::vector<ModelloArco> campate;
  if (d.Campate.empty()) return campate;
  RecordingMessages muto;
  try {
    for (const DatiProgetto& p : ProgettiCampate(d, muto)) {
      ModelloArco m;
      CostruisciModello(p, m, muto);
      if (m.Vori.empty() || m.nConciTot < 1) return {};
      campate.push_back(std::move(m));
    }
  } catch (const RuntimeError&) {
    return {};
  }
  return campate;
}

double LivelloBase(const ModelloArco& m) {
  double y = m.nConciPareteSinistra > 0 ? m.ConciPareteSinistra(1).y(1) : m.Conci(1).y(1);
  for (const PilaModello& p : m.Pile) y = std::min(y, p.yBase);
  return y;
}

void PlottaPile(const ModelloArco& m, Disegno& g) {
  for (const PilaModello& p : m.Pile) {
    g.ImpostaColore(1);
    Contorno(p.x, p.y, g);
    g.ImpostaColore(8);
    Contorno(p.xSopra, p.ySopra, g);
    // The foundation: a line a little wider than the base, hatched below.
    const double w = p.xBaseDestra - p.xBaseSinistra;
    const double x0 = p.xBaseSinistra - w / 4, x1 = p.xBaseDestra + w / 4, y0 = p.yBase, y1 = p.yBase - w / 8;
    g.Linea(x0, y0, x1, y0, 1);
    const std::array<double, 4> X{x0, x1, x1, x0}, Y{y0, y0, y1, y1};
    g.Tratteggio(4, X, Y, w / 10, 45, 1);
  }
  g.ImpostaColore(1);
}

void PlottaLinea(const ModelloArco& m, const LineaSpinte& l, double r, Disegno& g) {
  if (!m.ponte()) {
    g.PoligonaleAperta(static_cast<int>(l.x.size()), l.x, l.y, 1);
    return;
  }
  std::size_t primo = 0;
  for (const CampataModello& c : m.Campate) {
    const auto n = static_cast<std::size_t>(GiuntiCampata(c));
    if (primo + n > l.x.size() || primo + n > l.y.size()) return;
    const std::vector<double> X(l.x.begin() + static_cast<std::ptrdiff_t>(primo),
                                l.x.begin() + static_cast<std::ptrdiff_t>(primo + n));
    const std::vector<double> Y(l.y.begin() + static_cast<std::ptrdiff_t>(primo),
                                l.y.begin() + static_cast<std::ptrdiff_t>(primo + n));
    g.PoligonaleAperta(static_cast<int>(n), X, Y, 1);
    primo += n;
  }
  for (std::size_t k = 0; k < m.Pile.size() && primo + k < l.x.size(); ++k)
    g.Cerchio(l.x[primo + k], l.y[primo + k], r, 1);
}

bool EstremiGiunto(const ModelloArco& m, int giunto, double& xi, double& yi, double& xe, double& ye) {
  ModelloArco::LuogoGiunto l;
  if (!m.Luogo(giunto, l)) return false;
  if (l.campata >= 0) {
    // A span's springing, or the right joint of its voussoir.
    const int primo = m.ponte() ? m.Campate[static_cast<std::size_t>(l.campata)].primo : 1;
    const bool sinistro = l.indice == 0;
    const int i = sinistro ? primo : primo + l.indice - 1;
    if (!m.Conci.contains(i)) return false;
    const Concio& k = m.Conci(i);
    const int a = sinistro ? 1 : 2, b = sinistro ? 4 : 3;
    xi = k.x(a), yi = k.y(a), xe = k.x(b), ye = k.y(b);
    return true;
  }
  // A pier's base: horizontal, its extrados side toward the right.
  const PilaModello& p = m.Pile[static_cast<std::size_t>(l.pila)];
  xi = p.xBaseSinistra, yi = p.yBase, xe = p.xBaseDestra, ye = p.yBase;
  return true;
}

void PlottaCerniera(const ModelloArco& m, const LineaSpinte& l, const Cerniera& c, double raggio, bool piena,
                    Disegno& g) {
  const auto j = static_cast<std::size_t>(c.giunto - 1);
  if (c.giunto < 1 || j >= l.x.size() || j >= l.y.size()) return;
  g.ImpostaColore(c.faccia == Faccia::Intradosso ? colori_sicurezza::Intradosso : colori_sicurezza::Estradosso);
  double xi = 0, yi = 0, xe = 0, ye = 0;
  const bool estremi = EstremiGiunto(m, c.giunto, xi, yi, xe, ye);
  if (c.tipo == TipoCerniera::Scorrimento) {
    // A sliding joint: a bar along the joint through the thrust point.
    const double D = std::hypot(xe - xi, ye - yi);
    if (!estremi || !(D > 0)) return;
    const double ux = (xe - xi) / D * 1.5 * raggio, uy = (ye - yi) / D * 1.5 * raggio;
    g.Linea(l.x[j] - ux, l.y[j] - uy, l.x[j] + ux, l.y[j] + uy, 1);
    return;
  }
  double x = l.x[j], y = l.y[j];
  // A pier rocks about an edge of its base: the hinge at that edge.
  int giuntiCampate = 0;
  for (const CampataModello& k : m.Campate) giuntiCampate += GiuntiCampata(k);
  const bool base = estremi && m.ponte() && c.giunto > giuntiCampate;
  if (base && c.tipo == TipoCerniera::Cerniera) {
    x = c.faccia == Faccia::Intradosso ? xi : xe;
    y = yi;
  }
  g.Cerchio(x, y, raggio, 1);
  if (piena) g.Cerchio(x, y, raggio / 3, 1);
  // Where the masonry crushes, a second ring: the hinge is at the stress block's edge.
  if (c.tipo == TipoCerniera::Schiacciamento) g.Cerchio(x, y, 1.5 * raggio, 1);
}

}  // namespace voro
