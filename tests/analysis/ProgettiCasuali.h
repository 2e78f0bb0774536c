// Random but reproducible arch projects for the physics checks: rings and
// chains of segments, thickness changes both ways, walls, passive groups of
// every length and loads anywhere; and the mirror image of a project.
#pragma once

#include <cstdint>
#include <vector>

#include "data/DatiProgetto.h"

namespace voro::prova {

// A small generator of its own, so that a seed gives the same project on
// every standard library.
class Dado {
 public:
  // Each seed starts its own stream, not a shifted copy of its neighbour's.
  explicit Dado(std::uint64_t seme) : s_(seme) { s_ = prossimo(); }
  double uniforme(double a, double b) { return a + (b - a) * (static_cast<double>(prossimo() >> 11) * 0x1.0p-53); }
  int intero(int a, int b) { return a + static_cast<int>(prossimo() % static_cast<std::uint64_t>(b - a + 1)); }
  bool moneta(double p = 0.5) { return uniforme(0, 1) < p; }

 private:
  std::uint64_t prossimo() {
    std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  std::uint64_t s_;
};

struct OpzioniCasuali {
  bool segmenti = true;       // chains of segments besides single rings
  bool larghezzaCostante = false;
  bool ricerca = true;        // the hinge search on (else given eccentricities)
  int divisioniMassime = 6;
};

// One arch between x = 0 and x = L: a ring, or two or three circular segments
// each bent upwards by less than a half circle.
inline DatiProgetto ProgettoCasuale(std::uint64_t seme, const OpzioniCasuali& o = {}) {
  Dado r(seme);
  DatiProgetto d;
  const double L = r.uniforme(3, 18);
  d.Titolo = "casuale", d.PesoMuratura = static_cast<Single>(r.uniforme(16, 24));
  d.hRiempimento = r.moneta(0.3) ? 0 : static_cast<Single>(r.uniforme(0, 1.2));
  d.PesoRiempimento = static_cast<Single>(r.uniforme(14, 20));
  d.hSoletta = r.moneta(0.4) ? 0 : static_cast<Single>(r.uniforme(0, 0.4));
  d.PesoSoletta = static_cast<Single>(r.uniforme(18, 25));
  d.Larghezza = static_cast<Single>(r.uniforme(1, 6));
  d.LarghezzaChiave = o.larghezzaCostante ? d.Larghezza : static_cast<Single>(r.uniforme(1, 6));
  d.SporgenzaParete = r.moneta(0.3) ? 0 : static_cast<Single>(r.uniforme(0, 1.5));
  d.hRiempimentoSolido = r.moneta(0.3) ? 0 : static_cast<Single>(r.uniforme(0, 0.1 * L));
  d.ScalaPlot = 1;

  const bool anello = !o.segmenti || r.moneta(0.4);
  if (anello) {
    d.nVori = 1, d.LuceAnello = static_cast<Single>(L);
    d.FrecciaAnello = static_cast<Single>(r.moneta(0.15) ? L / 2 : r.uniforme(0.12, 0.5) * L);
    d.SpessoreAnello = static_cast<Single>(r.uniforme(0.04, 0.12) * L);
    d.nConciAnello = static_cast<Single>(r.intero(6, 40));
  } else {
    // The intrados runs through the knots (0, 0), ..., (L, 0); each segment
    // bulges to its left by a fraction of its chord below one half.
    const int n = r.intero(2, 3);
    std::vector<double> xs{0}, ys{0};
    const double h = r.uniforme(0.2, 0.6) * L;
    if (n == 2) {
      xs.push_back(r.uniforme(0.35, 0.65) * L), ys.push_back(h);
    } else {
      const double a = r.uniforme(0.2, 0.4) * L, b = r.uniforme(0.6, 0.8) * L;
      const double y = h * r.uniforme(0.85, 1.0);
      xs.push_back(a), ys.push_back(y);
      xs.push_back(b), ys.push_back(r.moneta(0.5) ? y : h * r.uniforme(0.85, 1.0));
    }
    xs.push_back(L), ys.push_back(0);
    d.nVori = static_cast<Integer>(n);
    d.dimensionaVori(n);
    const double t0 = r.uniforme(0.04, 0.1) * L;
    for (int i = 1; i <= n; ++i) {
      const double x1 = xs[static_cast<std::size_t>(i - 1)], y1 = ys[static_cast<std::size_t>(i - 1)];
      const double x3 = xs[static_cast<std::size_t>(i)], y3 = ys[static_cast<std::size_t>(i)];
      const double dx = x3 - x1, dy = y3 - y1;
      const double f = r.uniforme(0.04, 0.3);
      DatiVoro& v = d.Vori(i);
      v.X1 = x1, v.Y1 = y1, v.X2 = (x1 + x3) / 2 - f * dy, v.Y2 = (y1 + y3) / 2 + f * dx, v.X3 = x3, v.Y3 = y3;
      v.Spessore = r.moneta(0.4) ? t0 : t0 * r.uniforme(0.6, 1.6);
      v.nConciInput = v.nConci = static_cast<Integer>(r.intero(4, 16));
    }
    d.LuceAnello = static_cast<Single>(L);
  }

  if (r.moneta(0.8)) {
    d.qCarico = static_cast<Single>(r.uniforme(1, 40));
    d.xq1 = static_cast<Single>(r.uniforme(-1, L));
    d.xq2 = static_cast<Single>(r.uniforme(d.xq1, L + 1));
  }
  d.SpintaPassiva = r.moneta(0.4);
  if (d.SpintaPassiva) {
    d.Kp = static_cast<Single>(r.uniforme(0.5, 3));
    d.nConciSpinta = {static_cast<Integer>(r.intero(0, 12)), static_cast<Integer>(r.intero(0, 12))};
  }
  d.EccSinistra = static_cast<Single>(r.uniforme(-0.4, 0.4) * 0.04 * L);
  d.EccChiave = static_cast<Single>(r.uniforme(-0.4, 0.4) * 0.04 * L);
  d.EccDestra = static_cast<Single>(r.uniforme(-0.4, 0.4) * 0.04 * L);
  d.OttimizzaCerniere = o.ricerca, d.nDivisioni = static_cast<Integer>(r.intero(2, o.divisioniMassime));
  d.OttimizzaEccentricita = r.moneta(0.5);
  return d;
}

// The same structure seen from the other side: every point mirrored about the
// middle of the span, the segments in reverse order, the load range and the
// passive groups swapped.
inline DatiProgetto Specchio(const DatiProgetto& d) {
  DatiProgetto m = d;
  const double x0 = d.nVori == 1 ? 0 : d.Vori(1).X1;
  const double x1 = d.nVori == 1 ? d.LuceAnello : d.Vori(d.nVori).X3;
  auto sx = [&](double x) { return x0 + x1 - x; };
  if (d.nVori > 1) {
    for (int i = 1; i <= d.nVori; ++i) {
      // A segment starts where the previous one ends.
      const int k = d.nVori + 1 - i;
      const DatiVoro& v = d.Vori(k);
      const double xInizio = k == 1 ? v.X1 : d.Vori(k - 1).X3, yInizio = k == 1 ? v.Y1 : d.Vori(k - 1).Y3;
      DatiVoro& w = m.Vori(i);
      w = v;
      w.X1 = sx(v.X3), w.Y1 = v.Y3, w.X2 = sx(v.X2), w.Y2 = v.Y2, w.X3 = sx(xInizio), w.Y3 = yInizio;
    }
  }
  m.xq1 = static_cast<Single>(sx(d.xq2)), m.xq2 = static_cast<Single>(sx(d.xq1));
  m.nConciSpinta = {d.nConciSpinta[1], d.nConciSpinta[0]};
  m.EccSinistra = d.EccDestra, m.EccDestra = d.EccSinistra;
  return m;
}

}  // namespace voro::prova
