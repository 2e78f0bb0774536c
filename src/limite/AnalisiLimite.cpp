// The thrust-line problems as linear programs. The unknowns are scaled to be
// of order one: H and V by the total load W, M1 by W times the size of the
// structure L, the multiplier of the variable load by W over its total Q;
// the share each group of passive voussoirs mobilises is its own scale.
// Every joint's row bounds its moment by s times its capacity alfa N + beta:
// h/2 N for rigid masonry, chords of the parabola N (h/2 - N/(2 fc b))
// otherwise, from inside, so that every line the programs return is safe.
#include "limite/AnalisiLimite.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "limite/DominioResistenza.h"
#include "limite/ProgrammaGiunti.h"
#include "limite/VerificaStatica.h"

namespace voro {

namespace {

// How near the edge of the reduced section a point counts as touching it,
// relative to that edge's distance from the centre: the loads are kept in
// single precision, so a symmetric arch is symmetric to about 1e-7.
constexpr double kContatto = 1e-6;
// A hinge crushes the masonry when its stress block is at least this share
// of the joint's depth.
constexpr double kSchiacciamento = 0.01;

// The certified answer of a program; NonCertificato where neither solver
// gives one. The certificate notes CLP where it answered.
SoluzioneLP Risolvi(const ProgrammaLineare& lp, const VettoreLP& c, const VettoreLP& x0, Certificato& cert) {
  const SoluzioneLP s = lp.Massimizza(c, x0);
  if (s.esito == EsitoLP::Fallito) throw NonCertificato();
  if (s.solutore == Solutore::Clp) cert.solutore = Solutore::Clp;
  return s;
}

// The relative distance of two bounds of one figure, against the larger of
// them and the scale below which a difference means nothing.
double Scarto(double a, double b, double scala) {
  const double d = std::fabs(a - b);
  return d == 0 ? 0 : d / std::max({std::fabs(a), std::fabs(b), scala});
}

bool sullaScatola(const Reazione& r, double W) {
  auto scatola = [&](const Appoggio& a) {
    return std::fabs(a.H / W) >= kScatola * (1 - 1e-9) || std::fabs(a.V / W) >= kScatola * (1 - 1e-9);
  };
  if (scatola({r.H, r.V, r.M1})) return true;
  return std::any_of(r.altre.begin(), r.altre.end(), scatola);
}

// The joint a basic row makes a hinge of, crushing or sliding; none for the
// other rows.
std::optional<Cerniera> CernieraRiga(const InfoRiga& i, const StaticaGiunti& st, const IpotesiMuratura& ip,
                                     const Reazione& r) {
  if (i.tipo != TipoRiga::Momento && i.tipo != TipoRiga::Attrito) return std::nullopt;
  Cerniera c{i.giunto + 1, i.sigma > 0 ? Faccia::Estradosso : Faccia::Intradosso, TipoCerniera::Cerniera};
  if (i.tipo == TipoRiga::Attrito) {
    c.tipo = TipoCerniera::Scorrimento;
    return c;
  }
  const auto j = static_cast<std::size_t>(i.giunto);
  const double fcb = fcbGiunto(ip, j);
  if (fcb > 0) {
    const double N = ForzeGiunto(st.giunti()[j], r).N;
    if (N / fcb >= kSchiacciamento * st.giunti()[j].h) c.tipo = TipoCerniera::Schiacciamento;
  }
  return c;
}

// The joints a program's optimum makes turn or slide: its basic rows of
// non-zero multiplier (a row at its bound with a zero multiplier is no hinge),
// each joint once, with its rate relative to the fastest.
std::vector<Cerniera> Meccanismo(const Programma& P, const SoluzioneLP& s, const IpotesiMuratura& ip,
                                 const Reazione& r) {
  double massimo = 0;
  for (int k = 0; k < s.nBase; ++k) massimo = std::max(massimo, s.moltiplicatori[static_cast<std::size_t>(k)]);
  std::vector<Cerniera> m;
  for (int k = 0; k < s.nBase; ++k) {
    const double y = s.moltiplicatori[static_cast<std::size_t>(k)];
    if (!(y > 1e-9 * massimo)) continue;
    auto c = CernieraRiga(P.info[static_cast<std::size_t>(s.base[static_cast<std::size_t>(k)])], P.st, ip, r);
    if (!c) continue;
    c->rotazione = y / massimo;
    // Two chords of one joint at their common point: one hinge.
    const auto uguale = std::find(m.begin(), m.end(), *c);
    if (uguale != m.end()) uguale->rotazione += c->rotazione;
    else m.push_back(*c);
  }
  std::sort(m.begin(), m.end(), [](const Cerniera& a, const Cerniera& b) { return a.giunto < b.giunto; });
  return m;
}

// One trial of the bisection: the least largest excess z of the joints over
// the fraction theta of their capacities (weighted by the half depths),
// every joint in compression. Within when z is zero.
// No line in compression at all is certified too (not within).
struct ProvaFrazione {
  bool entro = false;
  bool fuori = false;  // proven: the multipliers bound z above 0
  bool impossibile = false;  // no line keeps every joint in compression
  double z = 0;
  Reazione reazione;
  std::array<InfoRiga, 4> base{};  // the basic rows, when the program has four unknowns
};

// With libero, z may fall below 0: how much room the best line leaves.
ProvaFrazione Eccesso(const StaticaGiunti& st, const IpotesiMuratura& ip, const Dominio& D, double theta,
                      double lambda, const Reazione& da, SceltaSolutori solutori, Certificato& cert,
                      bool libero = false) {
  Programma P(st, 4, false, lambda, solutori);
  const auto& giunti = st.giunti();
  P.lp.Riserva(3 * static_cast<int>(giunti.size()) + 5);
  VettoreLP x0 = P.scala(da, false);
  double z0 = libero ? -std::numeric_limits<double>::infinity() : 0;
  for (std::size_t j = 0; j < giunti.size(); ++j) {
    const GiuntoLineare& g = giunti[j];
    const double peso = g.h / 2 * P.W;
    const Forze f = ForzeGiunto(g, da);
    for (const Retta& r : D[j]) z0 = std::max(z0, (std::fabs(f.M) - theta * r.alfa * f.N - theta * r.beta) / peso);
    if (fcbGiunto(ip, j) > 0) z0 = std::max(z0, g.h / 2 * (f.N - fcbGiunto(ip, j) * g.h) / peso);
    if (ip.attrito) z0 = std::max(z0, g.h / 2 * (std::fabs(f.T) - *ip.attrito * f.N) / peso);
  }
  P.giunti(D, theta, ip, true);
  P.scatola();
  if (!libero) {
    VettoreLP nonNegativo{};
    nonNegativo[3] = -1;
    P.riga(nonNegativo, 0);
  }
  P.quote();
  x0[3] = std::isfinite(z0) ? z0 : 0;
  VettoreLP c{};
  c[3] = -1;
  const SoluzioneLP s = Risolvi(P.lp, c, x0, cert);
  ProvaFrazione p;
  if (s.esito == EsitoLP::Impossibile) {
    p.fuori = p.impossibile = true;
    return p;
  }
  // z >= 0 bounds the objective: an unbounded answer is a fault.
  if (s.esito != EsitoLP::Ottimo) throw NonCertificato();
  p.reazione = P.reazione(s.x, lambda);
  p.z = s.x[3];
  p.entro = s.x[3] <= 1e-10;
  // max -z <= b.y for every line: z >= -b.y.
  p.fuori = !p.entro && -s.duale > 0;
  if (P.G == 0 && s.nBase == 4)
    for (int k = 0; k < 4; ++k) p.base[static_cast<std::size_t>(k)] = P.info[static_cast<std::size_t>(s.base[static_cast<std::size_t>(k)])];
  return p;
}

// The Jacobian of sigma_k M_k - theta (alfa_k N_k + beta_k) for the four
// basic rows in the scaled unknowns (H', V', M1') and theta, with minus the
// rows' values in column 4.
void Jacobiano(const StaticaGiunti& st, const std::array<InfoRiga, 4>& base, const Reazione& r, double t,
               double J[4][5]) {
  const double W = st.Wref(), L = st.Lref();
  for (int k = 0; k < 4; ++k) {
    const InfoRiga& i = base[static_cast<std::size_t>(k)];
    const GiuntoLineare& g = st.giunti()[static_cast<std::size_t>(i.giunto)];
    const double sigma = i.sigma;
    const double a = i.retta.alfa, b = i.retta.beta;
    const double N = g.nH * r.H + g.nV * r.V + g.nL * r.lambda + g.n0;
    const double M = g.mH * r.H + g.mV * r.V + r.M1 + g.mL * r.lambda + g.m0;
    J[k][0] = (sigma * g.mH - t * a * g.nH) / L;
    J[k][1] = (sigma * g.mV - t * a * g.nV) / L;
    J[k][2] = sigma;
    J[k][3] = -(a * N + b) / (W * L);
    J[k][4] = -(sigma * M - (t * a * N + t * b)) / (W * L);
  }
}

// Gauss-Jordan with partial pivoting on a 4 x 5 system; false when singular.
bool Risolvi(double A[4][5]) {
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
  return true;
}

// Newton's method on sigma_k M_k = theta (alfa_k N_k + beta_k) for the four
// basic rows; false when a row is not a joint's moment or the equations do
// not converge.
bool Newton(const StaticaGiunti& st, const std::array<InfoRiga, 4>& base, double lambda, Reazione& r, double& theta) {
  for (const InfoRiga& i : base)
    if (i.tipo != TipoRiga::Momento) return false;
  const double W = st.Wref(), L = st.Lref();
  VettoreLP x{};
  x[0] = r.H / W, x[1] = r.V / W, x[2] = r.M1 / (W * L);
  double t = theta;
  for (int iter = 0; iter < 40; ++iter) {
    double J[4][5];
    Jacobiano(st, base, {x[0] * W, x[1] * W, x[2] * W * L, lambda, {}, {}}, t, J);
    if (!Risolvi(J)) return false;
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
      r = {x[0] * W, x[1] * W, x[2] * W * L, lambda, {}, {}};
      theta = t;
      return true;
    }
  }
  return false;
}

// Whether the four rows are the hinges of the line of least eccentricity at
// (r, theta): the multipliers y of min theta, sum y_k grad g_k = -e_theta,
// all non-negative. Otherwise the point only bounds the minimum from above.
bool MoltiplicatoriNonNegativi(const StaticaGiunti& st, const std::array<InfoRiga, 4>& base, const Reazione& r,
                               double theta) {
  double J[4][5];
  Jacobiano(st, base, r, theta, J);
  double A[4][5];
  for (int i = 0; i < 4; ++i) {
    for (int k = 0; k < 4; ++k) A[i][k] = J[k][i];
    A[i][4] = i == 3 ? -1 : 0;
  }
  if (!Risolvi(A)) return false;
  for (int i = 0; i < 4; ++i)
    if (A[i][4] / A[i][i] < -1e-9) return false;
  return true;
}

// The fraction of the capacities a line needs over the rows of D; infinite
// when a joint is in tension, beyond its crushing force or sliding.
double RapportoDominio(const StaticaGiunti& st, const IpotesiMuratura& ip, const Dominio& D, const Reazione& r) {
  double peggiore = 0;
  const auto& giunti = st.giunti();
  for (std::size_t j = 0; j < giunti.size(); ++j) {
    const Forze f = ForzeGiunto(giunti[j], r);
    if (ip.attrito && std::fabs(f.T) > *ip.attrito * f.N * (1 + 1e-9) + 1e-12 * st.Wref())
      return std::numeric_limits<double>::infinity();
    const double cap = Capacita(D[j], f.N);
    if (cap <= 0) {
      if (f.M != 0 || cap < 0) return std::numeric_limits<double>::infinity();
      continue;
    }
    peggiore = std::max(peggiore, std::fabs(f.M) / cap);
  }
  return peggiore;
}

// A first line with every joint in compression (below the share c of its
// crushing force, and without sliding): the reaction that makes the least
// normal force largest, the springing thrust at the joint centre. A small
// reaction is tried first, so that the start is a line of the arch's own
// scale, not a straightened one.
std::optional<Reazione> PrimaLinea(const StaticaGiunti& st, const IpotesiMuratura& ip, double lambda, double c,
                                   SceltaSolutori solutori, Certificato& cert) {
  const double W = st.Wref();
  const auto& giunti = st.giunti();
  const int G = static_cast<int>(st.gruppi().size());
  // The unknowns: the first springing's H and V, the least normal force t,
  // the groups' shares, each further span's springing H and V.
  const int S = st.nCampate();
  auto colonna = [&](int k) { return static_cast<std::size_t>(k == 0 ? 0 : 3 + G + 2 * (k - 1)); };
  for (double B = 1; B <= kScatola; B *= 100) {
    ProgrammaLineare avvio(3 + G + 2 * (S - 1));
    avvio.Solutori(solutori);
    double tMin = 1;
    auto riga = [&](const GiuntoLineare& g, double cN, double cT, double b) {
      VettoreLP a{};
      const std::size_t c = colonna(g.campata);
      a[c] = cN * g.nH + cT * g.tH;
      a[c + 1] = cN * g.nV + cT * g.tV;
      if (g.campata2 >= 0) {
        const std::size_t c2 = colonna(g.campata2);
        a[c2] = cN * g.nH2 + cT * g.tH2;
        a[c2 + 1] = cN * g.nV2 + cT * g.tV2;
      }
      for (int k = 0; k < G; ++k) {
        const auto q = static_cast<std::size_t>(k);
        a[static_cast<std::size_t>(3 + k)] = (cN * g.nP[q] + cT * g.tP[q]) / W;
      }
      return std::pair{a, b};
    };
    for (std::size_t j = 0; j < giunti.size(); ++j) {
      const GiuntoLineare& g = giunti[j];
      const double N0 = g.nL * lambda + g.n0, T0 = g.tL * lambda + g.t0;
      auto [a, b] = riga(g, -1, 0, N0 / W);
      a[2] = 1;
      avvio.Riga(a.data(), b);
      tMin = std::min(tMin, b);
      if (fcbGiunto(ip, j) > 0) {
        const auto [u, bu] = riga(g, 1, 0, (c * fcbGiunto(ip, j) * g.h - N0) / W);
        avvio.Riga(u.data(), bu);
      }
      if (ip.attrito)
        for (const double sigma : {1.0, -1.0}) {
          const auto [f, bf] = riga(g, -*ip.attrito, sigma, -(sigma * T0 - *ip.attrito * N0) / W);
          avvio.Riga(f.data(), bf);
        }
    }
    const double box[5][3] = {{1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {0, 0, 1}};
    for (int k = 0; k < 5; ++k) {
      VettoreLP a{};
      for (int i = 0; i < 3; ++i) a[static_cast<std::size_t>(i)] = box[k][i];
      avvio.Riga(a.data(), k < 4 ? B : 1);
    }
    for (int campata = 1; campata < S; ++campata)
      for (int k = 0; k < 4; ++k) {
        VettoreLP a{};
        a[colonna(campata) + static_cast<std::size_t>(k / 2)] = k % 2 == 0 ? 1 : -1;
        avvio.Riga(a.data(), B);
      }
    for (int k = 0; k < G; ++k) {
      VettoreLP a{};
      a[static_cast<std::size_t>(3 + k)] = 1;
      avvio.Riga(a.data(), st.gruppi()[static_cast<std::size_t>(k)].massimo);
      a[static_cast<std::size_t>(3 + k)] = -1;
      avvio.Riga(a.data(), 0);
    }
    VettoreLP obiettivo{};
    obiettivo[2] = 1;
    VettoreLP x0{};
    x0[2] = tMin;
    const SoluzioneLP s0 = Risolvi(avvio, obiettivo, x0, cert);
    if (s0.esito == EsitoLP::Ottimo && s0.x[2] > 1e-12) {
      Reazione r{s0.x[0] * W, s0.x[1] * W, 0, lambda, {}, {}};
      for (int k = 0; k < G; ++k) r.quote.push_back(s0.x[static_cast<std::size_t>(3 + k)]);
      for (int k = 1; k < S; ++k) r.altre.push_back({s0.x[colonna(k)] * W, s0.x[colonna(k) + 1] * W, 0});
      return r;
    }
  }
  return std::nullopt;
}

// The least fraction over the rows of D, from a line that fits some
// fraction: the bisection between a fraction no line fits (lo) and the
// fraction of a line that fits (hi), each trial a program that finds the
// least weighted excess of the joints over the fraction. Below the optimum
// the rows that bound that excess may be the hinges of the line of least
// eccentricity: Newton's method on their equations (sigma M = s (alfa N +
// beta), bilinear in the reaction and s) gives a line that fits at its s,
// the minimum itself when its multipliers are non-negative.
// lo is the largest fraction a trial proved no line fits; esatto when
// Newton's point is the minimum, its hinges' multipliers all non-negative.
struct EsitoBisezione {
  double s = 0;
  Reazione linea;
  double lo = 0;
  bool esatto = false;
};

EsitoBisezione Bisezione(const StaticaGiunti& st, const IpotesiMuratura& ip, const Dominio& D, double lambda,
                         const Reazione& primo, double tolleranza, SceltaSolutori solutori, Certificato& cert) {
  Reazione alto = primo;
  double hi = RapportoDominio(st, ip, D, alto);
  double lo = 0;
  Reazione basso = alto;
  bool esatto = false;
  for (int iter = 0; iter < 200 && !esatto; ++iter) {
    const double theta = iter == 0 ? 0 : (lo + hi) / 2;
    if (iter > 0 && !(hi - lo > tolleranza * hi)) break;
    const ProvaFrazione p = Eccesso(st, ip, D, theta, lambda, iter == 0 ? alto : basso, solutori, cert);
    if (p.entro) {
      // Within, up to the rounding of the program: theta bounds the optimum
      // from above; the line itself is kept when it needs less than the best.
      hi = theta;
      if (RapportoDominio(st, ip, D, p.reazione) < RapportoDominio(st, ip, D, alto) || theta == 0) alto = p.reazione;
      if (hi == 0) break;
      continue;
    }
    if (!p.fuori) {
      // Beyond the line only by the program's rounding: an upper bound.
      hi = theta;
      continue;
    }
    lo = theta;
    basso = p.reazione;
    Reazione n = basso;
    double tN = theta;
    if (Newton(st, p.base, lambda, n, tN) && tN > lo && tN <= hi * (1 + 1e-9)) {
      const double r = RapportoDominio(st, ip, D, n);
      if (r <= tN * (1 + 1e-10) + 1e-300 && MoltiplicatoriNonNegativi(st, p.base, n, tN)) {
        hi = r, alto = n;
        esatto = true;
      } else if (r < hi) {
        hi = r, alto = n;
      }
    }
  }
  return {hi == 0 ? 0 : RapportoDominio(st, ip, D, alto), alto, lo, esatto || hi == 0};
}

// Where the rows of D bind a line: the joints within the share kContatto
// of their capacity at the fraction s.
std::vector<Cerniera> Contatti(const StaticaGiunti& st, const Dominio& D, const Reazione& r, double s) {
  std::vector<Cerniera> c;
  const auto& giunti = st.giunti();
  const LineaSpinte l = st.Linea(r);
  for (std::size_t j = 0; j < giunti.size(); ++j) {
    const bool rigido = D[j].size() == 1 && D[j][0].beta == 0;
    const double limite = rigido ? s * giunti[j].h / 2 : s * Capacita(D[j], l.N[j]) / l.N[j];
    if (std::fabs(l.e[j]) >= limite * (1 - kContatto))
      c.push_back({static_cast<int>(j) + 1, l.e[j] > 0 ? Faccia::Estradosso : Faccia::Intradosso});
  }
  return c;
}

}  // namespace

AnalisiLimite::AnalisiLimite(const StaticaGiunti& statica, IpotesiMuratura ipotesi, SceltaSolutori solutori)
    : st_(statica), ip_(std::move(ipotesi)), solutori_(solutori) {
  for (std::size_t j = 0; j < ip_.resistenza.size() && j < st_.giunti().size(); ++j)
    if (ip_.resistenza[j] * st_.giunti()[j].h > kRigida * st_.Wref()) ip_.resistenza[j] = 0;
  if (!ip_.resistenzaFinita()) ip_.resistenza.clear();
}

std::optional<EccentricitaMinima> AnalisiLimite::LineaMinima(double lambda) const {
  const bool finita = ip_.resistenzaFinita();
  Certificato cert;
  cert.tolleranza = finita ? kTolleranzaResistenza : kTolleranzaEccentricita;
  std::optional<Reazione> primo;
  for (const double c : {0.5, 0.9, 0.999}) {
    primo = PrimaLinea(st_, ip_, lambda, c, solutori_, cert);
    if (primo || !finita) break;
  }
  if (!primo) return std::nullopt;

  Punti punti = PuntiIniziali(st_, ip_);
  Dominio D = Rette(st_, ip_, punti, false);
  // The chords' own tolerance needs no sharper bisection than this.
  const double tolleranza = finita ? 1e-9 : 1e-13;
  EsitoBisezione b = Bisezione(st_, ip_, D, lambda, *primo, tolleranza, solutori_, cert);
  // With finite strength, more chords where the line meets the domain,
  // until the fraction settles.
  for (int giro = 0; giro < 4 && finita && std::isfinite(b.s) && b.s > 0; ++giro) {
    const LineaSpinte l = st_.Linea(b.linea);
    for (const Cerniera& c : Contatti(st_, D, b.linea, b.s))
      Raffina(punti[static_cast<std::size_t>(c.giunto - 1)], l.N[static_cast<std::size_t>(c.giunto - 1)]);
    D = Rette(st_, ip_, punti, false);
    const EsitoBisezione b2 = Bisezione(st_, ip_, D, lambda, b.linea, tolleranza, solutori_, cert);
    const bool fermo = std::fabs(b2.s - b.s) <= 1e-5 * b.s;
    if (b2.s <= b.s) b = b2;
    if (fermo) break;
  }
  if (!std::isfinite(b.s)) return std::nullopt;

  EccentricitaMinima r;
  r.s = b.s <= 1e-12 ? 0 : b.s;
  r.reazione = b.linea;
  r.spintaIllimitata = sullaScatola(b.linea, st_.Wref());
  if (r.s > 0) r.contatti = Contatti(st_, D, b.linea, r.s);

  // Static: the line within s of the exact domain; where s > 1 (the arch
  // does not stand) only its moments are within s of the capacities.
  IpotesiMuratura soloMomenti = ip_;
  if (r.s > 1) soloMomenti.attrito.reset();
  cert.statico = LineaAmmissibile(st_, r.s > 1 ? soloMomenti : ip_, r.reazione, r.s * (1 + 1e-9) + 1e-12);
  // Kinematic: no line within a smaller fraction. Newton's hinges with
  // multipliers >= 0 are the minimum itself; otherwise the trial that proved
  // no line fits just below, over the tangents of a finite strength.
  if (r.s == 0 || (!finita && b.esatto)) {
    cert.cinematico = true;
  } else if (!finita) {
    // Relative to s, or to a hundredth of the depth for a line that
    // nearly follows the centres.
    cert.cinematico = true;
    cert.scarto = (r.s - b.lo) / std::max(r.s, 1e-2);
  } else {
    const double theta = r.s * (1 - cert.tolleranza / 2);
    const ProvaFrazione p = Eccesso(st_, ip_, Rette(st_, ip_, punti, true), theta, lambda, b.linea, solutori_, cert);
    cert.cinematico = p.fuori;
    cert.scarto = cert.tolleranza / 2;
  }
  r.certificato = cert;
  return r;
}

std::optional<CampoSpinta> AnalisiLimite::Campo(const Reazione& dentro, int campata) const {
  const bool finita = ip_.resistenzaFinita();
  Certificato cert;
  cert.tolleranza = finita ? kTolleranzaResistenza : kTolleranzaRigida;
  Punti punti = PuntiIniziali(st_, ip_);
  // The chords about the line that fits, so that it fits them too.
  const LineaSpinte l0 = st_.Linea(dentro);
  for (std::size_t j = 0; j < punti.size(); ++j) Raffina(punti[j], l0.N[j]);
  VettoreLP meno{}, piu{};
  // The column of that span's H in the programs below, of three unknowns before the shares.
  const auto h = static_cast<std::size_t>(Programma::Colonna(3, static_cast<int>(st_.gruppi().size()), campata));
  meno[h] = -1, piu[h] = 1;
  auto programma = [&](Programma& P, bool tangenti) {
    P.lp.Riserva(2 * st_.nGiunti() + 4);
    P.giunti(Rette(st_, ip_, punti, tangenti), 1, ip_, false);
    P.scatola();
    P.quote();
  };
  std::optional<CampoSpinta> c;
  for (int giro = 0; giro < (finita ? 16 : 1); ++giro) {
    Programma P(st_, 3, false, dentro.lambda, solutori_);
    programma(P, false);
    const VettoreLP x0 = P.scala(dentro, false);
    const SoluzioneLP lo = Risolvi(P.lp, meno, x0, cert);
    const SoluzioneLP hi = Risolvi(P.lp, piu, x0, cert);
    // The box bounds both: no line fits the chords (proven by the multipliers).
    if (lo.esito != EsitoLP::Ottimo || hi.esito != EsitoLP::Ottimo) {
      if (c) throw NonCertificato();
      return std::nullopt;
    }
    c = CampoSpinta{};
    c->minima = P.reazione(lo.x, dentro.lambda);
    c->massima = P.reazione(hi.x, dentro.lambda);
    c->massimaIllimitata = hi.x[h] >= kScatola * (1 - 1e-9);
    cert.statico = LineaAmmissibile(st_, ip_, c->minima) && LineaAmmissibile(st_, ip_, c->massima);
    if (!finita) {
      // The rows are the exact domain: the programs' multipliers prove that
      // no line has a smaller or a larger thrust.
      cert.cinematico = true;
      break;
    }
    // The same over the tangents: no line of the exact domain goes beyond.
    Programma E(st_, 3, false, dentro.lambda, solutori_);
    programma(E, true);
    const SoluzioneLP loE = Risolvi(E.lp, meno, lo.x, cert);
    const SoluzioneLP hiE = Risolvi(E.lp, piu, hi.x, cert);
    cert.cinematico = loE.esito == EsitoLP::Ottimo && hiE.esito == EsitoLP::Ottimo;
    if (!cert.cinematico) throw NonCertificato();
    const double scala = 1e-6 * st_.Wref();
    cert.scarto = Scarto(lo.x[h] * P.W, loE.x[h] * E.W, scala);
    if (!c->massimaIllimitata) cert.scarto = std::max(cert.scarto, Scarto(hi.x[h] * P.W, hiE.x[h] * E.W, scala));
    if (cert.scarto <= cert.tolleranza) break;
    // More chords at the normal forces of the four lines.
    for (const auto* x : {&lo.x, &hi.x, &loE.x, &hiE.x}) {
      const Reazione r = P.reazione(*x, dentro.lambda);
      const LineaSpinte l = st_.Linea(r);
      for (std::size_t j = 0; j < punti.size(); ++j) Raffina(punti[j], l.N[j]);
    }
  }
  c->certificato = cert;
  return c;
}

Margine AnalisiLimite::MargineMinimo(double lambda) const {
  const bool finita = ip_.resistenzaFinita();
  Margine m;
  m.certificato.tolleranza = finita ? kTolleranzaResistenza : kTolleranzaRigida;
  Punti punti = PuntiIniziali(st_, ip_);
  Reazione da;
  da.lambda = lambda;
  for (int giro = 0; giro < 12; ++giro) {
    const Dominio D = Rette(st_, ip_, punti, false);
    // Where a start leads a program nowhere certified, it starts afresh.
    auto margine = [&](const Dominio& rette, const Reazione& avvio) {
      try {
        return Eccesso(st_, ip_, rette, 1, lambda, avvio, solutori_, m.certificato, true);
      } catch (const NonCertificato&) {
        Reazione nuova;
        nuova.lambda = lambda;
        return Eccesso(st_, ip_, rette, 1, lambda, nuova, solutori_, m.certificato, true);
      }
    };
    const ProvaFrazione dentro = margine(D, da);
    // Not even a line in compression: proven by the multipliers.
    if (dentro.impossibile) {
      m.nonSta = true;
      break;
    }
    m.z = dentro.z;
    m.reazione = dentro.reazione;
    if (dentro.z <= 0 && LineaAmmissibile(st_, ip_, dentro.reazione)) {
      m.sta = true;
      m.contatti = Contatti(st_, D, dentro.reazione, 1);
      break;
    }
    if (!finita) {
      m.nonSta = dentro.fuori;
      break;
    }
    // Over the tangents: where even they leave no room, no line of the
    // exact domain fits.
    const ProvaFrazione fuori = margine(Rette(st_, ip_, punti, true), dentro.reazione);
    if (fuori.fuori) {
      m.nonSta = true;
      break;
    }
    for (const Reazione* r : {&dentro.reazione, &fuori.reazione}) {
      const LineaSpinte l = st_.Linea(*r);
      for (std::size_t j = 0; j < punti.size(); ++j) Raffina(punti[j], l.N[j]);
    }
    da = dentro.reazione;
  }
  m.certificato.statico = m.sta;
  m.certificato.cinematico = m.nonSta;
  return m;
}

MoltiplicatoreCarico AnalisiLimite::Moltiplicatore(const Reazione& avvio) const {
  // The previous position's line starts the programs near their answer; where
  // that start leads them nowhere certified, they start afresh.
  for (const Reazione& da : {avvio, Reazione{}}) {
    try {
      MoltiplicatoreCarico m = MoltiplicatoreDa(da);
      if (m.certificato.valido()) return m;
    } catch (const NonCertificato&) {
    }
  }
  MoltiplicatoreCarico m;
  m.esito = EsitoCarico::NonCertificato;
  return m;
}

MoltiplicatoreCarico AnalisiLimite::MoltiplicatoreDa(const Reazione& avvio) const {
  MoltiplicatoreCarico m;
  m.certificato.statico = m.certificato.cinematico = true;
  if (!(st_.Qtot() > 0)) return m;
  const bool finita = ip_.resistenzaFinita();
  Certificato cert;
  cert.tolleranza = finita ? kTolleranzaResistenza : kTolleranzaRigida;
  auto programma = [&](Programma& P, const Dominio& D) {
    P.lp.Riserva(2 * st_.nGiunti() + 1);
    // The chords about a hinge differ by less than the ratio test's slack:
    // a chord passed would stay broken, and the factor would be unsafe.
    P.lp.RapportoStretto(finita);
    P.giunti(D, 1, ip_, false);
    VettoreLP nonNegativo{};
    nonNegativo[3] = -1;
    P.riga(nonNegativo, 0);
    P.quote();
  };
  VettoreLP obiettivo{};
  obiettivo[3] = 1;
  auto normali = [&](const Reazione& r) { return st_.Linea(r).N; };

  // The chords from inside give the factor. The program carries each
  // joint's chords about the normal force of the last line, and takes in
  // any other its answer breaks, so that the answer holds for them all.
  // With finite strength the tangents from outside bound the exact factor,
  // and more chords go where either program's line meets the domain until
  // the two are close.
  Punti punti = PuntiIniziali(st_, ip_);
  std::vector<double> N = normali(avvio);
  bool esternoImpossibile = false;
  double lambdaEsterno = 0, lambdaCinematico = 0;
  bool esternoOttimo = false;
  for (int giro = 0; giro < 16; ++giro) {
    const Dominio D = Rette(st_, ip_, punti, false);
    Programma P(st_, 4, true, 0, solutori_);
    programma(P, finita ? Vicine(st_, ip_, punti, N, false) : D);
    SoluzioneLP s = Risolvi(P.lp, obiettivo, P.scala(avvio, true), cert);
    // A chord the answer still breaks by its rounding is taken in once more:
    // as a row the answer starts outside, it is then met exactly.
    for (int taglio = 0; finita && taglio < 50; ++taglio) {
      bool aggiunte = false;
      if (s.esito == EsitoLP::Illimitato) {
        // Too few chords to bound the load: all of them.
        for (std::size_t j = 0; j < D.size(); ++j)
          for (const Retta& q : D[j]) {
            P.momento(static_cast<int>(j), 1, 1, q);
            P.momento(static_cast<int>(j), -1, 1, q);
          }
        s = Risolvi(P.lp, obiettivo, P.scala(avvio, true), cert);
        break;
      }
      if (s.esito != EsitoLP::Ottimo) break;
      const Reazione r = P.reazione(s.x, s.x[3] * P.W / P.Q);
      for (std::size_t j = 0; j < D.size(); ++j) {
        const Forze f = ForzeGiunto(st_.giunti()[j], r);
        for (const Retta& q : D[j]) {
          const double eccesso = std::fabs(f.M) - (q.alfa * f.N + q.beta);
          if (eccesso > 1e-12 * (std::fabs(f.M) + std::fabs(q.alfa * f.N) + q.beta)) {
            P.momento(static_cast<int>(j), f.M > 0 ? 1 : -1, 1, q);
            aggiunte = true;
          }
        }
      }
      if (!aggiunte) break;
      s = Risolvi(P.lp, obiettivo, s.x, cert);
    }
    if (s.esito == EsitoLP::Ottimo) {
      m.esito = EsitoCarico::Finito;
      m.lambda = std::max(0.0, s.x[3] * P.W / P.Q);
      m.reazione = P.reazione(s.x, m.lambda);
      m.meccanismo = Meccanismo(P, s, ip_, m.reazione);
      // Rigid masonry: the rows are the exact domain, and the multipliers'
      // bound b.y is the virtual work of the mechanism.
      if (!finita) lambdaCinematico = std::max(0.0, s.duale * P.W / P.Q);
      N = normali(m.reazione);
    } else {
      m = MoltiplicatoreCarico{};
      m.esito = s.esito == EsitoLP::Impossibile ? EsitoCarico::Impossibile : EsitoCarico::Illimitato;
    }
    if (!finita) break;
    Punti esterni = punti;
    if (s.esito == EsitoLP::Ottimo)
      for (std::size_t j = 0; j < punti.size(); ++j) Raffina(esterni[j], N[j]);
    Programma E(st_, 4, true, 0, solutori_);
    programma(E, s.esito == EsitoLP::Ottimo ? Vicine(st_, ip_, esterni, N, true) : Rette(st_, ip_, esterni, true));
    const SoluzioneLP so = Risolvi(E.lp, obiettivo, s.esito == EsitoLP::Ottimo ? s.x : E.scala(avvio, true), cert);
    esternoImpossibile = so.esito == EsitoLP::Impossibile;
    esternoOttimo = so.esito == EsitoLP::Ottimo;
    if (esternoImpossibile) {
      m = MoltiplicatoreCarico{};
      m.esito = EsitoCarico::Impossibile;
      break;
    }
    if (esternoOttimo) lambdaEsterno = std::max(0.0, so.duale * E.W / E.Q);
    // At least one refinement, so that very strong masonry gives the rigid factor.
    if (giro > 0 && s.esito == EsitoLP::Ottimo && esternoOttimo &&
        lambdaEsterno - m.lambda <= kTolleranzaResistenza * lambdaEsterno)
      break;
    punti = esterni;
    if (esternoOttimo) {
      const std::vector<double> No = normali(E.reazione(so.x, so.x[3] * E.W / E.Q));
      for (std::size_t j = 0; j < punti.size(); ++j) Raffina(punti[j], No[j]);
    }
  }

  // Both sides of the answer.
  switch (m.esito) {
    case EsitoCarico::Finito:
      if (finita) lambdaCinematico = lambdaEsterno;
      cert.statico = LineaAmmissibile(st_, ip_, m.reazione);
      cert.cinematico = !finita || esternoOttimo;
      cert.scarto = Scarto(lambdaCinematico, m.lambda, 1e-12);
      break;
    case EsitoCarico::Illimitato:
      // A ray of lines that stand however large the load: the chords' ray
      // lies within the exact domain too.
      cert.statico = cert.cinematico = true;
      break;
    case EsitoCarico::Impossibile:
      // The multipliers combine the rows into 0 < 0; over the tangents where
      // the strength is finite.
      cert.statico = true;
      cert.cinematico = !finita || esternoImpossibile;
      break;
    default: break;
  }
  m.certificato = cert;
  return m;
}

}  // namespace voro
