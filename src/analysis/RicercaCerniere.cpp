// The hinge search: an exhaustive grid over the three hinge eccentricities,
// a coarse pass over the whole joint depths and a fine pass about the best
// point, scored by the stress merit or by the distance merit.
#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "analysis/Calcolo.h"
#include "analysis/Merito.h"
#include "analysis/PassoRicerca.h"
#include "geometry/Grafica.h"
#include "numerics/Matematica.h"

namespace voro {

namespace {

// Voussoir evaluations of a search below which no estimate is measured, and
// the duration above which the estimate is shown (s).
constexpr double kLavoroStima = 1e7;
constexpr double kSogliaStima = 3;

}  // namespace

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
  const auto stato = preparaRicerca(n);
  const bool grossa = passoGriglia(*stato, s1, s2, s3, p1, p2, p3, n, e1, e2, e3, 0, true);
  if (grossa) r_.PrecisioneRicerca = std::max({p1, p2, p3});

  // The fine grid spans one coarse step on either side of the coarse optimum.
  const Single a1 = toSingle(e1 - p1), a2 = toSingle(e2 - p2), a3 = toSingle(e3 - p3);
  const Single h = half;
  p1 = divide(p1, h);
  p2 = divide(p2, h);
  p3 = divide(p3, h);
  const bool fine = passoGriglia(*stato, a1, a2, a3, p1, p2, p3, n, e1, e2, e3, n / 2.0, false);
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
  MeritoTensioni(static_cast<Single>(vmin), static_cast<Integer>(imin), static_cast<Single>(vmax),
                 static_cast<Integer>(imax), static_cast<Single>(emin), static_cast<Integer>(jmin),
                 static_cast<Single>(emax), static_cast<Integer>(jmax), F, j);
}

void Calcolo::DistanzaMinimaBordi(double e1, Single& F, Integer& j) const {
  Array1<double> L(1, m_.nGiunti);
  for (int i = 1; i <= m_.nConciTot; ++i) L(i + 1) = m_.Conci(i).dBordo();
  L(1) = m_.Conci(1).dBordoImposta(e1);
  int jmin = 0;
  F = toSingle(MinVettore(m_.nGiunti, L, jmin));
  j = static_cast<Integer>(jmin);
}

// What both passes of one search share: the voussoir arrays and the threads.
struct Calcolo::StatoRicerca {
  explicit StatoRicerca(ConciRicerca c) : conci(std::move(c)) {}
  ConciRicerca conci;
  std::unique_ptr<SquadraRicerca> squadra;
  AmbienteRicerca ambiente;
};

ConciRicerca Calcolo::ConciPerRicerca() {
  // The springing force splits along the springing joint as in Funicolare.
  const Concio& c1 = m_.ConcioI(1);
  const double a = ArcTan2(c1.y(4) - c1.y(1), c1.x(4) - c1.x(1)) - kPi / 2;
  return ConciRicerca(m_, bSezPrimaSezione(), std::sin(a), std::cos(a), d_.OttimizzaEccentricita);
}

std::unique_ptr<Calcolo::StatoRicerca> Calcolo::preparaRicerca(Integer n) {
  auto s = std::make_unique<StatoRicerca>(ConciPerRicerca());
  unsigned thread = opzioni_.thread ? opzioni_.thread : std::max(1u, std::thread::hardware_concurrency());
  const double lavoro = static_cast<double>(n) * n * n * m_.nConciTot;
  if (thread > 1 && lavoro >= opzioni_.lavoroParallelo)
    s->squadra = std::make_unique<SquadraRicerca>(static_cast<int>(thread));
  AmbienteRicerca& amb = s->ambiente;
  amb.modello = &m_;
  amb.conci = &s->conci;
  amb.bPrima = bSezPrimaSezione();
  amb.set = opzioni_.istruzioni.value_or(IstruzioniMigliori());
  amb.squadra = s->squadra.get();
  amb.fermato = [this] { return fermato(); };
  return s;
}

LineeGriglia Calcolo::LineePasso(Single a1, Single a2, Single a3, Single p1, Single p2, Single p3, Integer n) {
  LineeGriglia linee;
  linee.n = n;
  const Single a[3] = {a1, a2, a3}, p[3] = {p1, p2, p3};
  const int concio[3] = {1, m_.iChiave, m_.nConciTot};
  for (int q = 0; q < 3; ++q) {
    LineaCerniera& h = linee.h[static_cast<std::size_t>(q)];
    const auto nn = static_cast<std::size_t>(n);
    h.e.assign(nn, 0.0);
    h.x.assign(nn, 0.0);
    h.y.assign(nn, 0.0);
    h.Mv.assign(nn, 0.0);
    h.Mh.assign(nn, 0.0);
    h.ok.assign(nn, 1);
    double e = a[q];
    for (std::size_t t = 0; t < nn; ++t) {
      h.e[t] = e;
      try {
        m_.ConcioI(concio[q]).CoordinateCerniera(e, h.x[t], h.y[t], m_, msg_);
      } catch (const RuntimeError&) {
        h.ok[t] = 0;
      }
      // The load moments about the crown hinge (the voussoirs left of the
      // crown joint) and about the right hinge (all voussoirs).
      double v = 0, o = 0;
      if (q == 1) {
        for (int i = 1; i <= m_.iChiave; ++i) {
          double M2v, M2h, M3v, M3h;
          m_.Conci(i).MomentiCerniere(h.x[t], h.y[t], 0, 0, m_.iChiave, M2v, M2h, M3v, M3h);
          v += M2v;
          o += M2h;
        }
      } else if (q == 2) {
        for (int i = 1; i <= m_.nConciTot; ++i) {
          double M2v, M2h, M3v, M3h;
          m_.Conci(i).MomentiCerniere(0, 0, h.x[t], h.y[t], m_.iChiave, M2v, M2h, M3v, M3h);
          v += M3v;
          o += M3h;
        }
      }
      h.Mv[t] = v;
      h.Mh[t] = o;
      e = e + p[q];
    }
  }
  return linee;
}

bool Calcolo::RicercaGriglia(Single a1, Single a2, Single a3, Single p1, Single p2, Single p3, Integer n,
                             double& b1, double& b2, double& b3, double k0) {
  if (n <= 0) return true;
  const auto stato = preparaRicerca(n);
  return passoGriglia(*stato, a1, a2, a3, p1, p2, p3, n, b1, b2, b3, k0, false);
}

bool Calcolo::passoGriglia(StatoRicerca& s, Single a1, Single a2, Single a3, Single p1, Single p2, Single p3,
                           Integer n, double& b1, double& b2, double& b3, double k0, bool stima) {
  if (n <= 0) return true;
  AmbienteRicerca amb = s.ambiente;
  amb.passo = [this, k0, n](int i) {
    if (osservatore_) {
      osservatore_->passo("Step " + std::to_string(static_cast<long>(intPart(k0 + i / 2.0))) + "/" +
                          std::to_string(n));
    }
  };
  // The first outer step's caption, then the stop, before any work.
  amb.passo(1);
  if (fermato()) return false;
  const LineeGriglia linee = LineePasso(a1, a2, a3, p1, p2, p3, n);
  PassoRicerca passo(amb, linee);
  passo.semina();
  const double lavoro = 2.0 * n * n * n * m_.nConciTot;
  if (stima && osservatore_ && lavoro >= kLavoroStima) {
    // Both passes on every thread of the search. The fine pass's points all
    // lie close to the best, so that few can be dropped early: it is costed
    // as if none were.
    const double perPunto = passo.campiona(false) + passo.campiona(true);
    const double secondi = perPunto * n * n * n / (s.squadra ? s.squadra->thread() : 1);
    if (secondi >= kSogliaStima) osservatore_->stima(secondi);
  }
  const bool completo = passo.percorri();
  if (const auto punto = passo.scelta()) {
    b1 = linee.h[0].e[static_cast<std::size_t>((*punto)[0])];
    b2 = linee.h[1].e[static_cast<std::size_t>((*punto)[1])];
    b3 = linee.h[2].e[static_cast<std::size_t>((*punto)[2])];
  }
  return completo;
}

}  // namespace voro
