// The certificate of a program's answer, checked on its rows alone: whatever
// solver found it, an optimum is proven by its multipliers (weak duality), an
// infeasible program by Farkas's combination, an unbounded one by its ray.
#include <algorithm>
#include <cmath>

#include "limite/SolutoriLP.h"

namespace voro {

namespace {

constexpr double kTolleranza = 1e-9;

double Prodotto(const double* a, const VettoreLP& x, int n) {
  double s = 0;
  for (int j = 0; j < n; ++j) s += a[j] * x[static_cast<std::size_t>(j)];
  return s;
}

double NormaMax(const VettoreLP& v, int n) {
  double m = 0;
  for (int j = 0; j < n; ++j) m = std::max(m, std::fabs(v[static_cast<std::size_t>(j)]));
  return m;
}

// The largest violation of x over the rows, and whether it is within the
// tolerance at x's own scale.
bool Dentro(const RigheLP& R, const VettoreLP& x) {
  if (!std::isfinite(NormaMax(x, R.n))) return false;
  const double tol = kTolleranza * std::max(1.0, NormaMax(x, R.n));
  for (int i = 0; i < R.m; ++i)
    if (Prodotto(R.riga(i), x, R.n) - R.b[i] > tol) return false;
  return true;
}

// The combination sum_k y_k a_k of the rows the answer lists, the sum of the
// y_k and b.y; false when a multiplier is negative, not finite or names no row.
bool Combina(const RigheLP& R, const SoluzioneLP& s, VettoreLP& somma, double& totale, double& by) {
  somma = VettoreLP{};
  totale = 0;
  by = 0;
  double piu = 0;
  for (int k = 0; k < s.nBase; ++k) {
    const int i = s.base[static_cast<std::size_t>(k)];
    const double y = s.moltiplicatori[static_cast<std::size_t>(k)];
    if (i < 0 || i >= R.m || !std::isfinite(y)) return false;
    piu = std::max(piu, std::fabs(y));
    if (y < -kTolleranza * std::max(1.0, piu)) return false;
    const double* a = R.riga(i);
    for (int j = 0; j < R.n; ++j) somma[static_cast<std::size_t>(j)] += y * a[j];
    totale += std::fabs(y);
    by += y * R.b[i];
  }
  return std::isfinite(by);
}

}  // namespace

bool CertificaLP(const RigheLP& R, const VettoreLP& c, SoluzioneLP& s) {
  VettoreLP somma;
  double totale = 0, by = 0;
  switch (s.esito) {
    case EsitoLP::Ottimo: {
      if (!Dentro(R, s.x) || !Combina(R, s, somma, totale, by)) return false;
      // The rows' multipliers sum to c: any point within the rows has
      // c.x <= b.y, and this one reaches it.
      const double scala = std::max({1.0, NormaMax(c, R.n), totale});
      for (int j = 0; j < R.n; ++j)
        if (std::fabs(somma[static_cast<std::size_t>(j)] - c[static_cast<std::size_t>(j)]) > kTolleranza * scala) return false;
      const double cx = Prodotto(c.data(), s.x, R.n);
      if (std::fabs(cx - by) > kTolleranza * std::max({1.0, std::fabs(cx), std::fabs(by)})) return false;
      s.duale = by;
      return true;
    }
    case EsitoLP::Impossibile: {
      // sum y_i (a_i.x - b_i) = (sum y_i a_i).x - b.y > 0 for every x: some
      // row is broken. The combination is zero only to rounding, so the proof
      // holds over the unknowns of a line (scaled, at most kScatola).
      if (!Combina(R, s, somma, totale, by) || !(totale > 0)) return false;
      if (!(by < -kTolleranza * totale)) return false;
      double residuo = 0;
      for (int j = 0; j < R.n; ++j) residuo += std::fabs(somma[static_cast<std::size_t>(j)]);
      if (residuo * kScatola >= -by) return false;
      s.violazione = -by / totale;
      return true;
    }
    case EsitoLP::Illimitato: {
      if (!Dentro(R, s.x)) return false;
      const double n = NormaMax(s.raggio, R.n);
      if (!(n > 0) || !std::isfinite(n)) return false;
      if (!(Prodotto(c.data(), s.raggio, R.n) > kTolleranza * n * std::max(1.0, NormaMax(c, R.n)))) return false;
      for (int i = 0; i < R.m; ++i)
        if (Prodotto(R.riga(i), s.raggio, R.n) > 1e-11 * n) return false;
      return true;
    }
    case EsitoLP::Fallito: return false;
  }
  return false;
}

}  // namespace voro
