// The hinge search: an exhaustive grid over the three hinge eccentricities,
// a coarse pass over the whole joint depths and a fine pass about the best
// point, scored by the stress merit or by the distance merit.
#include <algorithm>
#include <string>
#include <vector>

#include "analysis/Calcolo.h"
#include "analysis/Reazioni.h"
#include "geometry/Grafica.h"
#include "numerics/Matematica.h"

namespace voro {

Single PassiRicerca(Integer& nDivisioni, Single hSinistra, Single hChiave, Single hDestra, double t, Integer& n,
                    Single& s1, Single& s2, Single& s3, Single& p1, Single& p2, Single& p3, Integer& half) {
  if (nDivisioni <= 0) return 0;
  if (nDivisioni < 2) nDivisioni = 2;
  n = nDivisioni;
  if (n % 2 == 0) n = addIntegers(n, 1);  // the search needs a middle point
  half = static_cast<Integer>((n - 1) / 2);
  s1 = toSingle(-(t + hSinistra) / 2);
  s2 = toSingle(-(t + hChiave) / 2);
  s3 = toSingle(-(t + hDestra) / 2);
  p1 = -s1 / half;
  p2 = -s2 / half;
  p3 = -s3 / half;
  Single pmax = p1;
  if (p2 > pmax) pmax = p2;
  if (p3 > pmax) pmax = p3;
  return pmax / half;
}

void Calcolo::CercaCerniereOttime(double& e1, double& e2, double& e3) {
  const double t = AmpiezzaExtra();
  Integer n = 0, half = 0;
  Single s1 = 0, s2 = 0, s3 = 0, p1 = 0, p2 = 0, p3 = 0;
  const Single prec = PassiRicerca(d_.nDivisioni, m_.hSinistra, m_.hChiave, m_.hDestra, t, n, s1, s2, s3, p1, p2,
                                   p3, half);
  if (osservatore_) osservatore_->precisione(prec);
  const bool grossa = RicercaGriglia(s1, s2, s3, p1, p2, p3, n, e1, e2, e3, 0);
  if (grossa) r_.PrecisioneRicerca = std::max({p1, p2, p3});

  // The fine grid spans one coarse step on either side of the coarse optimum.
  const Single a1 = toSingle(e1 - p1), a2 = toSingle(e2 - p2), a3 = toSingle(e3 - p3);
  const Single h = half;
  p1 = divide(p1, h);
  p2 = divide(p2, h);
  p3 = divide(p3, h);
  const bool fine = RicercaGriglia(a1, a2, a3, p1, p2, p3, n, e1, e2, e3, n / 2.0);
  if (grossa && fine) r_.PrecisioneRicerca = prec;
  r_.RicercaInterrotta = !grossa || !fine;
}

double Calcolo::AmpiezzaExtra() {
  double t = 0;
  PosizionaCerniere(0, 0, 0);
  double V = 0, H = 0;
  ReazioniCerniere(V, H);
  Funicolare(V, H);
  Single F = 0;
  Integer j = 0;
  ValutaCurva(0, F, j);
  if (F < 0) t = DistanzeMassime();
  return t;
}

double Calcolo::DistanzeMassime() const {
  double maxInt = 0, maxEst = 0;
  for (int i = 1; i <= m_.nConciTot; ++i) {
    double dInt = 0, dEst = 0;
    m_.Conci(i).DistanzeIntEst(dInt, dEst);
    if (dInt > maxInt) maxInt = dInt;
    if (dEst > maxEst) maxEst = dEst;
  }
  return maxInt + maxEst;
}

namespace {

// Distance of the springing hinge from the nearer edge of the springing joint.
double DistanzaImposta(const Concio& c1, double e1) { return c1.hSezioneEff / 2 - std::fabs(e1); }

// The stress merit from the extremes of the two edge stresses: the most
// negative stress when any edge is in tension, else the largest compression;
// the intrados wins ties.
void meritoTensioni(Single minI, Integer jMinI, Single maxI, Integer jMaxI, Single minE, Integer jMinE, Single maxE,
                    Integer jMaxE, Single& F, Integer& j) {
  if (minI < 0) {
    F = minI;
    j = jMinI;
  } else {
    F = maxI;
    j = jMaxI;
  }
  if (F < 0) {
    if (minE < F) F = minE, j = jMinE;
  } else if (minE >= 0) {
    if (maxE > F) F = maxE, j = jMaxE;
  } else {
    F = minE;
    j = jMinE;
  }
}

// Running extremes of a scan over the joints: the first of equal extremes keeps its joint.
struct Estremi {
  Single vmin = 1e20f, vmax = -1e20f;
  Integer imin = 0, imax = 0;
  void add(Single v, int i) {
    if (v < vmin) vmin = v, imin = static_cast<Integer>(i);
    if (v > vmax) vmax = v, imax = static_cast<Integer>(i);
  }
};

}  // namespace

void Calcolo::ValutaCurva(double e1, Single& F, Integer& j) {
  if (d_.OttimizzaEccentricita) {
    DistanzaMinimaBordi(e1, F, j);
    return;
  }
  double perc1 = 0, tau1 = 0;
  TensioniGiunti(e1, perc1, tau1);
  double vmin = 0, vmax = 0;
  int imin = 0, imax = 0;
  MinMaxVettore(m_.nGiunti, r_.SigmaIntGiunti, vmin, vmax, imin, imax);
  double emin = 0, emax = 0;
  int jmin = 0, jmax = 0;
  MinMaxVettore(m_.nGiunti, r_.SigmaEstGiunti, emin, emax, jmin, jmax);
  meritoTensioni(static_cast<Single>(vmin), static_cast<Integer>(imin), static_cast<Single>(vmax),
                 static_cast<Integer>(imax), static_cast<Single>(emin), static_cast<Integer>(jmin),
                 static_cast<Single>(emax), static_cast<Integer>(jmax), F, j);
}

void Calcolo::DistanzaMinimaBordi(double e1, Single& F, Integer& j) const {
  Array1<double> L(1, m_.nGiunti);
  for (int i = 1; i <= m_.nConciTot; ++i) L(i + 1) = m_.Conci(i).dBordo();
  L(1) = DistanzaImposta(m_.Conci(1), e1);
  int jmin = 0;
  F = toSingle(MinVettore(m_.nGiunti, L, jmin));
  j = static_cast<Integer>(jmin);
}

// The evaluation of grid points, equal bit for bit to hinge placement,
// reactions, thrust line and merit of the plain procedures: the hinge
// points and the load moments about them depend on one eccentricity each, so
// they are computed once per grid line and reused, and the joint stresses go
// straight into their extremes.
class Calcolo::Griglia {
 public:
  Griglia(Calcolo& c, Integer n)
      : c_(c), m_(c.m_), n_(n), h1_(n), h2_(n), h3_(n), M2_(n), M3_(n) {
    const Concio& c1 = m_.ConcioI(1);
    const double a = ArcTan2(c1.y(4) - c1.y(1), c1.x(4) - c1.x(1)) - kPi / 2;
    sinA_ = std::sin(a);
    cosA_ = std::cos(a);
    bPrima_ = c.bSezPrimaSezione();
    distanze_ = c.d_.OttimizzaEccentricita;
  }

  // Merit of the grid point (i, j, k), 1-based, at eccentricities e1, e2, e3.
  Single valuta(int i, int j, int k, double e1, double e2, double e3) {
    const Punto& P1 = cerniera(h1_, i, 1, e1);
    const Punto& P2 = cerniera(h2_, j, m_.iChiave, e2);
    const Punto& P3 = cerniera(h3_, k, m_.nConciTot, e3);
    const Momenti& A = momentiCorona(j, P2);
    const Momenti& B = momentiDestra(k, P3);
    const std::array<double, 3> x{P1.x, P2.x, P3.x}, y{P1.y, P2.y, P3.y};
    c_.r_.xCerniera = x;
    c_.r_.yCerniera = y;

    double V = 0, H = 0;
    ReazioniTreCerniere(x, y, A.v, A.h, B.v, B.h, V, H);
    const Single N1 = toSingle(V * sinA_ + H * cosA_);
    const Single T1 = toSingle(V * cosA_ - H * sinA_);
    c_.r_.NPrimaSezione = N1;
    c_.r_.TPrimaSezione = T1;
    double xP = P1.x, yP = P1.y;
    Concio* conci = m_.Conci.data();
    const int nc = m_.nConciTot;
    for (int v = 0; v < nc; ++v) conci[v].FunicolareConcio(V, H, xP, yP);

    Single F = 0;
    if (distanze_) {
      double best = DistanzaImposta(conci[0], e1);
      for (int v = 0; v < nc; ++v) {
        const double dv = conci[v].dBordo();
        if (dv < best) best = dv;
      }
      return toSingle(best);
    }

    double sE = 0, sI = 0, perc1 = 0, tau1 = 0;
    conci[0].SigmaCalcolaPrimaSezione(e1, N1, T1, bPrima_, m_.LarghezzaMinima, sE, sI, perc1, tau1);
    const Single lm = m_.LarghezzaMinima;
    double b = 0;
    for (int v = 0; v < nc; ++v) conci[v].SigmaBordi(lm, b);
    Estremi est, intr;
    est.add(toSingle(sE), 1);
    intr.add(toSingle(sI), 1);
    for (int v = 0; v < nc; ++v) {
      est.add(toSingle(conci[v].sigmaEst), v + 2);
      intr.add(toSingle(conci[v].sigmaInt), v + 2);
    }
    Integer jF = 0;
    meritoTensioni(intr.vmin, intr.imin, intr.vmax, intr.imax, est.vmin, est.imin, est.vmax, est.imax, F, jF);
    return F;
  }

 private:
  struct Punto {
    bool pronto = false;
    double x = 0, y = 0;
  };
  struct Momenti {
    bool pronto = false;
    double v = 0, h = 0;
  };

  const Punto& cerniera(std::vector<Punto>& cache, int idx, int concio, double e) {
    Punto& p = cache[static_cast<std::size_t>(idx - 1)];
    if (!p.pronto) {
      m_.ConcioI(concio).CoordinateCerniera(e, p.x, p.y, m_, c_.msg_);
      p.pronto = true;
    }
    return p;
  }

  const Momenti& momentiCorona(int j, const Punto& P2) {
    Momenti& mo = M2_[static_cast<std::size_t>(j - 1)];
    if (!mo.pronto) {
      double v = 0, h = 0;
      for (int i = 1; i <= m_.iChiave; ++i) {
        double a, b, c, e;
        m_.Conci(i).MomentiCerniere(P2.x, P2.y, 0, 0, m_.iChiave, a, b, c, e);
        v += a;
        h += b;
      }
      mo = {true, v, h};
    }
    return mo;
  }

  const Momenti& momentiDestra(int k, const Punto& P3) {
    Momenti& mo = M3_[static_cast<std::size_t>(k - 1)];
    if (!mo.pronto) {
      double v = 0, h = 0;
      for (int i = 1; i <= m_.nConciTot; ++i) {
        double a, b, c, e;
        m_.Conci(i).MomentiCerniere(0, 0, P3.x, P3.y, m_.iChiave, a, b, c, e);
        v += c;
        h += e;
      }
      mo = {true, v, h};
    }
    return mo;
  }

  Calcolo& c_;
  ModelloArco& m_;
  Integer n_;
  std::vector<Punto> h1_, h2_, h3_;
  std::vector<Momenti> M2_, M3_;
  double sinA_ = 0, cosA_ = 0, bPrima_ = 0;
  bool distanze_ = false;
};

bool Calcolo::RicercaGriglia(Single a1, Single a2, Single a3, Single p1, Single p2, Single p3, Integer n,
                             double& b1, double& b2, double& b3, double k0) {
  if (n <= 0) return true;
  Griglia griglia(*this, n);
  bool first = true;
  Single best = 0;
  const bool massimo = d_.OttimizzaEccentricita;
  double e1 = a1;
  for (int i = 1; i <= n; ++i) {
    if (osservatore_) {
      osservatore_->passo("Step " + std::to_string(static_cast<long>(intPart(k0 + i / 2.0))) + "/" +
                          std::to_string(n));
    }
    if (fermato()) return false;
    double e2 = a2;
    for (int j = 1; j <= n; ++j) {
      double e3 = a3;
      for (int k = 1; k <= n; ++k) {
        // A thrust line that meets an arithmetic fault (a zero axial force,
        // an overflow) is no candidate: the search goes on without it.
        Single val;
        try {
          val = griglia.valuta(i, j, k, e1, e2, e3);
        } catch (const RuntimeError&) {
          e3 = e3 + p3;
          continue;
        }
        if (first) {
          best = val;
          first = false;
        }
        bool prendi;
        if (val >= 0) {
          // Any admissible point beats every inadmissible one.
          if (best < 0) best = val;
          prendi = massimo ? val >= best : val <= best;
        } else {
          prendi = val > best;
        }
        if (prendi) {
          best = val;
          b1 = e1;
          b2 = e2;
          b3 = e3;
        }
        e3 = e3 + p3;
      }
      e2 = e2 + p2;
    }
    e1 = e1 + p1;
  }
  return true;
}

}  // namespace voro
