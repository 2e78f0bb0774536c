// Chords and tangents of the strength domain, refined where a solution sits.
#include "limite/DominioResistenza.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace voro {

namespace {

// The first normal forces at which the chords meet the parabola, as shares
// of the crushing force fc b h: dense where arches usually work.
constexpr double kPuntiIniziali[] = {0, 1.0 / 128, 1.0 / 32, 1.0 / 8, 1.0 / 4, 1.0 / 2, 3.0 / 4, 1};

}  // namespace

double MomentoResistente(double h, double fcb, double N) { return fcb > 0 ? N * (h / 2 - N / (2 * fcb)) : h / 2 * N; }

Retta Corda(double h, double fcb, double Na, double Nb) {
  return {h / 2 - (Na + Nb) / (2 * fcb), Na * Nb / (2 * fcb)};
}

double fcbGiunto(const IpotesiMuratura& ip, std::size_t j) {
  return j < ip.resistenza.size() ? ip.resistenza[j] : 0;
}

// Besides the shares of fc b h, a few multiples of the total load: where the
// masonry is strong the joints work far below fc b h.
Punti PuntiIniziali(const StaticaGiunti& st, const IpotesiMuratura& ip) {
  Punti p(st.giunti().size());
  for (std::size_t j = 0; j < p.size(); ++j) {
    const double Nu = fcbGiunto(ip, j) * st.giunti()[j].h;
    if (!(Nu > 0)) continue;
    for (const double f : kPuntiIniziali) p[j].push_back(f * Nu);
    for (const double w : {st.Wref() / 8, st.Wref(), 8 * st.Wref()})
      if (w < Nu / 128) p[j].push_back(w);
    std::sort(p[j].begin(), p[j].end());
  }
  return p;
}

Dominio Rette(const StaticaGiunti& st, const IpotesiMuratura& ip, const Punti& p, bool tangenti) {
  Dominio D(p.size());
  for (std::size_t j = 0; j < p.size(); ++j) {
    const double h = st.giunti()[j].h, fcb = fcbGiunto(ip, j);
    if (p[j].empty()) {
      D[j].push_back({h / 2, 0});
      continue;
    }
    if (tangenti)
      for (const double N : p[j]) D[j].push_back(Corda(h, fcb, N, N));
    else
      for (std::size_t k = 1; k < p[j].size(); ++k) D[j].push_back(Corda(h, fcb, p[j][k - 1], p[j][k]));
  }
  return D;
}

// More chords about N on joint j: N itself, two points a sixteenth of N
// away (close chords however strong the masonry) and the midpoints to its
// neighbours.
void Raffina(std::vector<double>& punti, double N) {
  if (punti.size() < 2) return;
  N = std::clamp(N, punti.front(), punti.back());
  const auto it = std::lower_bound(punti.begin(), punti.end(), N);
  const std::size_t k = static_cast<std::size_t>(it - punti.begin());
  const double a = punti[k > 0 ? k - 1 : 0], b = punti[std::min(k, punti.size() - 1)];
  const double scala = punti.back();
  std::vector<double> nuovi{N, (a + N) / 2, (N + b) / 2, N * (1 - 1.0 / 16), N * (1 + 1.0 / 16)};
  for (const double x : nuovi) {
    if (!(x > punti.front() && x < punti.back())) continue;
    const auto pos = std::lower_bound(punti.begin(), punti.end(), x);
    const bool vicino = (pos != punti.end() && std::fabs(*pos - x) <= 1e-12 * scala) ||
                        (pos != punti.begin() && std::fabs(*(pos - 1) - x) <= 1e-12 * scala);
    if (!vicino) punti.insert(pos, x);
  }
}

double Capacita(const std::vector<Retta>& rette, double N) {
  double c = std::numeric_limits<double>::infinity();
  for (const Retta& r : rette) c = std::min(c, r.alfa * N + r.beta);
  return c;
}

Dominio Vicine(const StaticaGiunti& st, const IpotesiMuratura& ip, const Punti& p, const std::vector<double>& N,
               bool tangenti) {
  Dominio D(p.size());
  for (std::size_t j = 0; j < p.size(); ++j) {
    const double h = st.giunti()[j].h, fcb = fcbGiunto(ip, j);
    const std::vector<double>& q = p[j];
    if (q.size() < 2) {
      D[j].push_back({h / 2, 0});
      continue;
    }
    const double n = j < N.size() ? N[j] : 0;
    const auto it = std::upper_bound(q.begin(), q.end(), n);
    const std::size_t k = static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(it - q.begin() - 1, 0, static_cast<std::ptrdiff_t>(q.size()) - 2));
    const std::size_t a = k > 0 ? k - 1 : 0, b = std::min(k + 1, q.size() - 2);
    if (tangenti) {
      D[j].push_back(Corda(h, fcb, q.front(), q.front()));
      for (std::size_t i = a; i <= b + 1; ++i) D[j].push_back(Corda(h, fcb, q[i], q[i]));
      D[j].push_back(Corda(h, fcb, q.back(), q.back()));
    } else {
      for (std::size_t i = a; i <= b; ++i) D[j].push_back(Corda(h, fcb, q[i], q[i + 1]));
    }
  }
  return D;
}

}  // namespace voro
