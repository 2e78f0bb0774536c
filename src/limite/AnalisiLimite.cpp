// The thrust-line problems as linear programs. The unknowns are scaled to be
// of order one: H and V by the total load W, M1 by W times the size of the
// structure L, the multiplier of the variable load by W over its total Q.
#include "limite/AnalisiLimite.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "limite/ProgrammaLineare.h"

namespace voro {

namespace {

// The largest reaction a thrust line may take, in units of the total load:
// beyond it the thrust is taken as unbounded (the line straightens out).
constexpr double kScatola = 1e6;
// How near the edge of the reduced section a point counts as touching it,
// relative to that edge's distance from the centre: the loads are kept in
// single precision, so a symmetric arch is symmetric to about 1e-7.
constexpr double kContatto = 1e-6;

// Joint j's row sigma M - s h/2 N - z peso <= 0 in the scaled unknowns
// (H', V', M1'[, λ' or z]). sigma = +1 bounds the extrados side, -1 the
// intrados side. With lambdaIncognita the variable load's multiplier is the
// fourth unknown; otherwise it is lambda, and a nonzero peso makes the
// fourth unknown the excess z.
struct Righe {
  const StaticaGiunti& st;
  double W, L, Q;

  void giunto(ProgrammaLineare& lp, const GiuntoLineare& g, double sigma, double s, bool lambdaIncognita,
              double lambda, double peso = 0) const {
    const double k = s * g.h / 2;
    const double cH = sigma * g.mH - k * g.nH;
    const double cV = sigma * g.mV - k * g.nV;
    const double cL = sigma * g.mL - k * g.nL;
    double c0 = sigma * g.m0 - k * g.n0;
    double a[4] = {cH / L, cV / L, sigma, 0};
    if (lambdaIncognita) a[3] = Q > 0 ? cL / (Q * L) : 0;
    else c0 += cL * lambda;
    if (peso != 0) a[3] = -peso / (W * L);
    lp.Riga(a, -c0 / (W * L));
  }

  void scatola(ProgrammaLineare& lp) const {
    const double riga[4][4] = {{1, 0, 0, 0}, {-1, 0, 0, 0}, {0, 1, 0, 0}, {0, -1, 0, 0}};
    for (const auto& a : riga) lp.Riga(a, kScatola);
  }

  VettoreLP scala(const Reazione& r, bool conLambda) const {
    VettoreLP x{};
    x[0] = r.H / W;
    x[1] = r.V / W;
    x[2] = r.M1 / (W * L);
    if (conLambda) x[3] = Q > 0 ? r.lambda * Q / W : 0;
    return x;
  }

  Reazione reazione(const VettoreLP& x, double lambda) const { return {x[0] * W, x[1] * W, x[2] * W * L, lambda}; }
};


// One trial of the bisection: the least largest excess z of the joints over
// the fraction theta of their half depths (weighted by the half depths),
// every joint in compression. Within when z is zero.
struct ProvaFrazione {
  bool entro = false;
  Reazione reazione;
  std::array<int, 4> base{-1, -1, -1, -1};  // (joint - 1) * 3 + side for the joint rows, -1 otherwise
};

bool sullaScatola(const VettoreLP& x) {
  return std::fabs(x[0]) >= kScatola * (1 - 1e-9) || std::fabs(x[1]) >= kScatola * (1 - 1e-9);
}

Cerniera cernieraRiga(int riga) {
  return {riga / 2 + 1, riga % 2 == 0 ? Faccia::Estradosso : Faccia::Intradosso};
}


ProvaFrazione Eccesso(const Righe& R, double theta, double lambda, const Reazione& da) {
  ProgrammaLineare lp(4);
  const auto& giunti = R.st.giunti();
  lp.Riserva(3 * static_cast<int>(giunti.size()) + 5);
  VettoreLP x0 = R.scala(da, false);
  double z0 = 0;
  for (const GiuntoLineare& g : giunti) {
    const double peso = g.h / 2 * R.W;
    R.giunto(lp, g, 1, theta, false, lambda, peso);
    R.giunto(lp, g, -1, theta, false, lambda, peso);
    const double k = g.h / 2 / (R.W * R.L);
    const double compresso[4] = {-k * g.nH * R.W, -k * g.nV * R.W, 0, 0};
    lp.Riga(compresso, k * (g.nL * lambda + g.n0));
    const double N = g.nH * da.H + g.nV * da.V + g.nL * lambda + g.n0;
    const double M = g.mH * da.H + g.mV * da.V + da.M1 + g.mL * lambda + g.m0;
    z0 = std::max(z0, (std::fabs(M) - theta * g.h / 2 * N) / peso);
  }
  R.scatola(lp);
  const double nonNegativo[4] = {0, 0, 0, -1};
  lp.Riga(nonNegativo, 0);
  x0[3] = z0;
  const SoluzioneLP s = lp.Massimizza({0, 0, 0, -1}, x0);
  ProvaFrazione p;
  if (s.esito != EsitoLP::Ottimo) return p;
  p.reazione = R.reazione(s.x, lambda);
  p.entro = s.x[3] <= 1e-10;
  const int nRigheGiunti = 3 * static_cast<int>(giunti.size());
  for (int k = 0; k < 4; ++k) {
    const int r = s.base[static_cast<std::size_t>(k)];
    p.base[static_cast<std::size_t>(k)] = r < nRigheGiunti && r % 3 != 2 ? r : -1;
  }
  return p;
}

// Newton's method on sigma_k M_k - theta h_k/2 N_k = 0 for the four basic
// rows, in the scaled unknowns (H', V', M1') and theta; false when a row is
// not a joint's or the equations do not converge.
bool Newton(const Righe& R, const std::array<int, 4>& base, double lambda, Reazione& r, double& theta) {
  for (int k : base)
    if (k < 0) return false;
  const auto& giunti = R.st.giunti();
  VettoreLP x = R.scala(r, false);
  double t = theta;
  for (int iter = 0; iter < 40; ++iter) {
    double J[4][5];
    for (int k = 0; k < 4; ++k) {
      const int riga = base[static_cast<std::size_t>(k)];
      const GiuntoLineare& g = giunti[static_cast<std::size_t>(riga / 3)];
      const double sigma = riga % 3 == 0 ? 1 : -1;
      const double H = x[0] * R.W, V = x[1] * R.W, M1 = x[2] * R.W * R.L;
      const double N = g.nH * H + g.nV * V + g.nL * lambda + g.n0;
      const double M = g.mH * H + g.mV * V + M1 + g.mL * lambda + g.m0;
      J[k][0] = (sigma * g.mH - t * g.h / 2 * g.nH) / R.L;
      J[k][1] = (sigma * g.mV - t * g.h / 2 * g.nV) / R.L;
      J[k][2] = sigma;
      J[k][3] = -g.h / 2 * N / (R.W * R.L);
      J[k][4] = -(sigma * M - t * g.h / 2 * N) / (R.W * R.L);
    }
    for (int c = 0; c < 4; ++c) {
      int p = c;
      for (int i = c + 1; i < 4; ++i)
        if (std::fabs(J[i][c]) > std::fabs(J[p][c])) p = i;
      if (std::fabs(J[p][c]) < 1e-14) return false;
      std::swap(J[p], J[c]);
      for (int i = 0; i < 4; ++i) {
        if (i == c) continue;
        const double f = J[i][c] / J[c][c];
        for (int k = c; k < 5; ++k) J[i][k] -= f * J[c][k];
      }
    }
    double passo = 0;
    for (int i = 0; i < 3; ++i) {
      const double d = J[i][4] / J[i][i];
      x[i] += d;
      passo = std::max(passo, std::fabs(d));
    }
    const double dt = J[3][4] / J[3][3];
    t += dt;
    passo = std::max(passo, std::fabs(dt));
    if (!std::isfinite(passo)) return false;
    if (passo <= 1e-15 * (1 + std::fabs(t))) {
      r = R.reazione(x, lambda);
      theta = t;
      return true;
    }
  }
  return false;
}

// Whether the four rows are the hinges of the line of least eccentricity at
// (r, theta): the multipliers y of min theta, sum y_k grad g_k = -e_theta,
// all non-negative. Otherwise the point only bounds the minimum from above.
bool MoltiplicatoriNonNegativi(const Righe& R, const std::array<int, 4>& base, const Reazione& r, double theta) {
  const auto& giunti = R.st.giunti();
  double A[4][5];  // A = J^T, the right side -e_theta
  for (int k = 0; k < 4; ++k) {
    const int riga = base[static_cast<std::size_t>(k)];
    const GiuntoLineare& g = giunti[static_cast<std::size_t>(riga / 3)];
    const double sigma = riga % 3 == 0 ? 1 : -1;
    const double N = g.nH * r.H + g.nV * r.V + g.nL * r.lambda + g.n0;
    A[0][k] = (sigma * g.mH - theta * g.h / 2 * g.nH) / R.L;
    A[1][k] = (sigma * g.mV - theta * g.h / 2 * g.nV) / R.L;
    A[2][k] = sigma;
    A[3][k] = -g.h / 2 * N / (R.W * R.L);
  }
  for (int i = 0; i < 4; ++i) A[i][4] = i == 3 ? -1 : 0;
  for (int c = 0; c < 4; ++c) {
    int p = c;
    for (int i = c + 1; i < 4; ++i)
      if (std::fabs(A[i][c]) > std::fabs(A[p][c])) p = i;
    if (std::fabs(A[p][c]) < 1e-14) return false;
    std::swap(A[p], A[c]);
    for (int i = 0; i < 4; ++i) {
      if (i == c) continue;
      const double f = A[i][c] / A[c][c];
      for (int k = c; k < 5; ++k) A[i][k] -= f * A[c][k];
    }
  }
  for (int i = 0; i < 4; ++i)
    if (A[i][4] / A[i][i] < -1e-9) return false;
  return true;
}

}  // namespace

double AnalisiLimite::Rapporto(const Reazione& r) const {
  double peggiore = 0;
  for (const GiuntoLineare& g : st_.giunti()) {
    const double N = g.nH * r.H + g.nV * r.V + g.nL * r.lambda + g.n0;
    const double M = g.mH * r.H + g.mV * r.V + r.M1 + g.mL * r.lambda + g.m0;
    const double cap = g.h / 2 * N;
    if (cap <= 0) {
      if (M != 0 || cap < 0) return std::numeric_limits<double>::infinity();
      continue;
    }
    peggiore = std::max(peggiore, std::fabs(M) / cap);
  }
  return peggiore;
}

std::optional<EccentricitaMinima> AnalisiLimite::LineaMinima(double lambda) const {
  const Righe R{st_, st_.Wref(), st_.Lref(), st_.Qtot()};
  const auto& giunti = st_.giunti();

  // A first line with every joint in compression: the reaction that makes
  // the least normal force largest, the springing thrust at the joint
  // centre. A small reaction is tried first, so that the start is a line of
  // the arch's own scale, not a straightened one.
  std::optional<Reazione> primo;
  for (double B = 1; B <= kScatola && !primo; B *= 100) {
    ProgrammaLineare avvio(3);
    double tMin = 1;
    for (const GiuntoLineare& g : giunti) {
      const double a[3] = {-g.nH, -g.nV, 1};
      const double b = (g.nL * lambda + g.n0) / R.W;
      avvio.Riga(a, b);
      tMin = std::min(tMin, b);
    }
    const double riga[5][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}};
    for (int k = 0; k < 4; ++k) avvio.Riga(riga[k], B);
    avvio.Riga(riga[4], 1);
    const SoluzioneLP s0 = avvio.Massimizza({0, 0, 1}, {0, 0, tMin});
    if (s0.esito == EsitoLP::Ottimo && s0.x[2] > 1e-12) primo = Reazione{s0.x[0] * R.W, s0.x[1] * R.W, 0, lambda};
  }
  if (!primo) return std::nullopt;

  // Bisection on s between a fraction no line fits (lo) and the fraction of
  // a line that fits (hi), each trial a program that finds the least
  // weighted excess of the joints over s h/2. Below the optimum the rows
  // that bound that excess are the hinges of the line of least
  // eccentricity: Newton's method on their equations (sigma M = s h/2 N,
  // bilinear in the reaction and s) gives the exact s and its line, which
  // is taken when no other joint needs more.
  Reazione alto = *primo;
  double hi = Rapporto(alto);
  double lo = 0;
  Reazione basso = alto;
  std::array<int, 4> baseBasso{-1, -1, -1, -1};
  bool esatto = false;
  for (int iter = 0; iter < 200 && !esatto; ++iter) {
    const double theta = iter == 0 ? 0 : (lo + hi) / 2;
    if (iter > 0 && !(hi - lo > 1e-13 * hi)) break;
    const ProvaFrazione p = Eccesso(R, theta, lambda, iter == 0 ? alto : basso);
    if (p.entro) {
      // Within, up to the rounding of the program: theta bounds the optimum
      // from above; the line itself is kept when it needs less than the best.
      hi = theta;
      if (Rapporto(p.reazione) < Rapporto(alto) || theta == 0) alto = p.reazione;
      if (hi == 0) break;
      continue;
    }
    lo = theta;
    basso = p.reazione;
    baseBasso = p.base;
    Reazione n = basso;
    double tN = theta;
    if (Newton(R, baseBasso, lambda, n, tN) && tN > lo && tN <= hi * (1 + 1e-9)) {
      const double r = Rapporto(n);
      if (r <= tN * (1 + 1e-10) + 1e-300 && MoltiplicatoriNonNegativi(R, baseBasso, n, tN)) {
        hi = r, alto = n;
        esatto = true;
      } else if (r < hi) {
        hi = r, alto = n;
      }
    }
  }
  const Reazione corrente = alto;
  const double theta = hi == 0 ? 0 : Rapporto(alto);

  EccentricitaMinima r;
  r.s = theta <= 1e-12 ? 0 : theta;
  r.reazione = corrente;
  r.spintaIllimitata = sullaScatola(R.scala(corrente, false));
  if (r.s > 0) {
    const LineaSpinte l = st_.Linea(corrente.H, corrente.V, corrente.M1, lambda);
    for (std::size_t j = 0; j < giunti.size(); ++j) {
      const double limite = r.s * giunti[j].h / 2;
      if (std::fabs(l.e[j]) >= limite * (1 - kContatto))
        r.contatti.push_back({static_cast<int>(j) + 1, l.e[j] > 0 ? Faccia::Estradosso : Faccia::Intradosso});
    }
  }
  return r;
}

std::optional<CampoSpinta> AnalisiLimite::Campo(const Reazione& dentro) const {
  const Righe R{st_, st_.Wref(), st_.Lref(), st_.Qtot()};
  ProgrammaLineare lp(3);
  lp.Riserva(2 * st_.nGiunti() + 4);
  for (const GiuntoLineare& g : st_.giunti()) {
    R.giunto(lp, g, 1, 1, false, dentro.lambda);
    R.giunto(lp, g, -1, 1, false, dentro.lambda);
  }
  {
    const double riga[4][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
    for (const auto& a : riga) lp.Riga(a, kScatola);
  }
  const VettoreLP x0 = R.scala(dentro, false);
  const SoluzioneLP lo = lp.Massimizza({-1, 0, 0}, x0);
  const SoluzioneLP hi = lp.Massimizza({1, 0, 0}, x0);
  if (lo.esito != EsitoLP::Ottimo || hi.esito != EsitoLP::Ottimo) return std::nullopt;
  CampoSpinta c;
  c.minima = R.reazione(lo.x, dentro.lambda);
  c.massima = R.reazione(hi.x, dentro.lambda);
  c.massimaIllimitata = hi.x[0] >= kScatola * (1 - 1e-9);
  return c;
}

MoltiplicatoreCarico AnalisiLimite::Moltiplicatore(const Reazione& avvio) const {
  MoltiplicatoreCarico m;
  const Righe R{st_, st_.Wref(), st_.Lref(), st_.Qtot()};
  if (!(R.Q > 0)) return m;
  ProgrammaLineare lp(4);
  lp.Riserva(2 * st_.nGiunti() + 1);
  for (const GiuntoLineare& g : st_.giunti()) {
    R.giunto(lp, g, 1, 1, true, 0);
    R.giunto(lp, g, -1, 1, true, 0);
  }
  const double nonNegativo[4] = {0, 0, 0, -1};
  const int rigaLambda = lp.Riga(nonNegativo, 0);
  const SoluzioneLP s = lp.Massimizza({0, 0, 0, 1}, R.scala(avvio, true));
  if (s.esito == EsitoLP::Impossibile) {
    m.esito = EsitoCarico::Impossibile;
    return m;
  }
  if (s.esito == EsitoLP::Illimitato) {
    m.esito = EsitoCarico::Illimitato;
    return m;
  }
  m.esito = EsitoCarico::Finito;
  m.lambda = std::max(0.0, s.x[3] * R.W / R.Q);
  m.reazione = R.reazione(s.x, m.lambda);
  for (int k = 0; k < 4; ++k) {
    const int riga = s.base[static_cast<std::size_t>(k)];
    if (riga != rigaLambda) m.meccanismo.push_back(cernieraRiga(riga));
  }
  std::sort(m.meccanismo.begin(), m.meccanismo.end(),
            [](const Cerniera& a, const Cerniera& b) { return a.giunto < b.giunto; });
  return m;
}

}  // namespace voro
