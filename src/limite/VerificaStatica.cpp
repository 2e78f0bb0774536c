// Each voussoir's equilibrium from its own loads and the forces of its two
// joints, and each joint's forces against the domain of the masonry.
#include "limite/VerificaStatica.h"

#include <algorithm>
#include <cmath>

#include "limite/DominioResistenza.h"
#include "limite/ProgrammaGiunti.h"

namespace voro {

namespace {

constexpr double kTolleranza = 1e-9;

// The force the part left of joint g passes to the part on its right, and
// its moment about x = y = 0 (counter-clockwise): the joint's moment M is
// minus that of the left part about the joint's centre.
struct Trasmessa {
  double Rx, Ry, K;
};

Trasmessa Passa(const GiuntoLineare& g, const Forze& f) {
  // Along the normal (uy, -ux) and along the joint (ux, uy).
  const double nx = g.uy, ny = -g.ux;
  const double Rx = f.N * nx + f.T * g.ux, Ry = f.N * ny + f.T * g.uy;
  return {Rx, Ry, -f.M + g.xM * Ry - g.yM * Rx};
}

// The total load the line carries: the variable load times its multiplier,
// which at a collapse by crushing of very strong masonry may be huge.
double Carico(const StaticaGiunti& st, const Reazione& r) {
  double W = 0;
  for (const CaricoConcio& c : st.conci()) W += std::fabs(c.P) + std::fabs(r.lambda * c.Q) + std::fabs(c.F);
  return std::max(W, st.Wref());
}

}  // namespace

double Squilibrio(const StaticaGiunti& st, const Reazione& r) {
  const auto& giunti = st.giunti();
  const auto& conci = st.conci();
  const double W = Carico(st, r), L = st.Lref();
  std::vector<double> quota(conci.size(), st.pressioneFissa() ? 1.0 : 0.0);
  for (std::size_t k = 0; k < st.gruppi().size() && k < r.quote.size(); ++k)
    for (int i = st.gruppi()[k].primo; i <= st.gruppi()[k].ultimo; ++i) quota[static_cast<std::size_t>(i - 1)] = r.quote[k];
  std::vector<Trasmessa> passata(giunti.size());
  for (std::size_t j = 0; j < giunti.size(); ++j) passata[j] = Passa(giunti[j], ForzeGiunto(giunti[j], r));
  double peggiore = 0;
  // Every block: what it takes from one joint, less what it passes on to
  // the others, with its own loads.
  for (std::size_t i = 0; i < conci.size(); ++i) {
    const CaricoConcio& c = conci[i];
    const Trasmessa& sinistra = passata[static_cast<std::size_t>(c.riceve)];
    Trasmessa destra = passata[static_cast<std::size_t>(c.passa)];
    if (c.passa2 >= 0) {
      const Trasmessa& base = passata[static_cast<std::size_t>(c.passa2)];
      destra.Rx += base.Rx, destra.Ry += base.Ry, destra.K += base.K;
    }
    const double F = quota[i] * c.F, Fy = quota[i] * c.Fy;
    const double P = c.P + r.lambda * c.Q, Px = c.Px + r.lambda * c.Qx;
    const double fx = sinistra.Rx - destra.Rx + F;
    const double fy = sinistra.Ry - destra.Ry - P;
    const double k = sinistra.K - destra.K - Px - Fy;
    peggiore = std::max({peggiore, std::hypot(fx, fy) / W, std::fabs(k) / (W * L)});
  }
  return peggiore;
}

bool LineaAmmissibile(const StaticaGiunti& st, const IpotesiMuratura& ip, const Reazione& r, double s) {
  const double W = Carico(st, r), L = st.Lref();
  for (std::size_t k = 0; k < st.gruppi().size(); ++k) {
    const double q = k < r.quote.size() ? r.quote[k] : 0;
    if (!(q >= -kTolleranza && q <= st.gruppi()[k].massimo + kTolleranza)) return false;
  }
  if (!(Squilibrio(st, r) <= kTolleranza)) return false;
  const auto& giunti = st.giunti();
  for (std::size_t j = 0; j < giunti.size(); ++j) {
    const GiuntoLineare& g = giunti[j];
    const Forze f = ForzeGiunto(g, r);
    if (!std::isfinite(f.N) || !std::isfinite(f.M) || !std::isfinite(f.T)) return false;
    if (f.N < -kTolleranza * W) return false;
    const double fcb = fcbGiunto(ip, j);
    if (fcb > 0 && f.N > fcb * g.h + kTolleranza * W) return false;
    const double N = std::max(f.N, 0.0);
    const double capacita = MomentoResistente(g.h, fcb, N);
    if (std::fabs(f.M) > s * std::max(capacita, 0.0) + kTolleranza * W * L) return false;
    if (ip.attrito && std::fabs(f.T) > *ip.attrito * N + kTolleranza * W) return false;
  }
  return true;
}

}  // namespace voro
