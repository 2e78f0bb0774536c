// Drawing a chain of voussoirs with only the joints that stay apart.
#include "drawing/CatenaConci.h"

#include <cmath>

namespace voro {

namespace {

// The joint j of the chain: the first quad's 1-4, then each quad's 2-3.
std::array<double, 4> Giunto(const std::vector<Quadrilatero>& q, std::size_t j) {
  if (j == 0) return {q[0].x[0], q[0].y[0], q[0].x[3], q[0].y[3]};
  const Quadrilatero& c = q[j - 1];
  return {c.x[1], c.y[1], c.x[2], c.y[2]};
}

double Distanza(const std::array<double, 4>& a, const std::array<double, 4>& b) {
  return std::hypot((a[0] + a[2]) / 2 - (b[0] + b[2]) / 2, (a[1] + a[3]) / 2 - (b[1] + b[3]) / 2);
}

}  // namespace

std::vector<bool> GiuntiDistinti(const std::vector<Quadrilatero>& q, double minimo) {
  const std::size_t n = q.size();
  std::vector<bool> disegna(n + 1, false);
  if (n == 0) return disegna;
  disegna[0] = disegna[n] = true;
  const auto fine = Giunto(q, n);
  auto ultimo = Giunto(q, 0);
  for (std::size_t j = 1; j < n; ++j) {
    const auto g = Giunto(q, j);
    if (Distanza(g, ultimo) >= minimo && Distanza(g, fine) >= minimo) {
      disegna[j] = true;
      ultimo = g;
    }
  }
  return disegna;
}

void PlottaCatena(const std::vector<Quadrilatero>& q, double minimo, Disegno& g) {
  for (const Quadrilatero& c : q) {
    g.Linea(c.x[0], c.y[0], c.x[1], c.y[1], 1);
    g.Linea(c.x[3], c.y[3], c.x[2], c.y[2], 1);
  }
  const std::vector<bool> disegna = GiuntiDistinti(q, minimo);
  for (std::size_t j = 0; j < disegna.size(); ++j)
    if (disegna[j]) {
      const auto k = Giunto(q, j);
      g.Linea(k[0], k[1], k[2], k[3], 1);
    }
}

}  // namespace voro
