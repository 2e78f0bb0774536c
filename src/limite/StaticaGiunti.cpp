// Cumulative sums of the voussoir loads give every joint's forces.
#include "limite/StaticaGiunti.h"

#include <algorithm>
#include <cmath>

#include "numerics/Matematica.h"

namespace voro {

namespace {

// The voussoirs with passive pressure, in runs of neighbours, split into at
// most kMax groups of about equal length.
std::vector<GruppoPassivo> Gruppi(const std::vector<double>& passiva, double massimo, int kMax) {
  std::vector<int> spinti;
  for (std::size_t i = 1; i < passiva.size(); ++i)
    if (passiva[i] != 0) spinti.push_back(static_cast<int>(i));
  std::vector<GruppoPassivo> g;
  const std::size_t n = spinti.size();
  const std::size_t k = std::min<std::size_t>(n, static_cast<std::size_t>(kMax));
  for (std::size_t a = 0; a < k; ++a) {
    const std::size_t i0 = a * n / k, i1 = (a + 1) * n / k - 1;
    // A group never spans the crown: the two springings' soils act alone.
    for (std::size_t i = i0; i <= i1; ++i) {
      if (i == i0 || spinti[i] != spinti[i - 1] + 1) g.push_back({spinti[i], spinti[i], massimo});
      else g.back().ultimo = spinti[i];
    }
  }
  return g;
}

}  // namespace

StaticaGiunti::StaticaGiunti(const ModelloArco& m, std::optional<double> mobilitazione) {
  const int n = m.nConciTot;
  nConci_ = n;
  if (mobilitazione) {
    passiva_.assign(static_cast<std::size_t>(n) + 1, 0);
    yPassiva_.assign(static_cast<std::size_t>(n) + 1, 0);
    for (int i = 1; i <= n; ++i) {
      passiva_[static_cast<std::size_t>(i)] = m.Conci(i).FOrizzontale;
      yPassiva_[static_cast<std::size_t>(i)] = m.Conci(i).yFOrizzontale;
    }
    // Soil that may mobilise nothing leaves no unknown: the pressure is simply gone.
    if (*mobilitazione > 0) gruppi_ = Gruppi(passiva_, *mobilitazione, kMaxGruppi);
  }
  if (!m.ponte()) {
    Campata(m, 1, n, mobilitazione.has_value());
  } else {
    // Every span's joints, each span on its own springing's reaction, then
    // each pier's base.
    nCampate_ = static_cast<int>(m.Campate.size());
    for (const CampataModello& c : m.Campate) Campata(m, c.primo, c.ultimo, mobilitazione.has_value());
    for (std::size_t k = 0; k < m.Pile.size(); ++k) {
      const PilaModello& p = m.Pile[k];
      conci_.push_back({p.FPermanente, p.FPermanente * p.xFPermanente, p.FVariabile, p.FVariabile * p.xFVariabile, 0,
                        0});
      W_ += std::fabs(p.FPermanente) + std::fabs(p.FVariabile);
      Wfisso_ += std::fabs(p.FPermanente);
      Qtot_ += p.FVariabile;
      basi_.push_back({(p.xBaseSinistra + p.xBaseDestra) / 2, p.yBase, p.xBaseDestra - p.xBaseSinistra});
      giunti_.emplace_back();
      pile_.push_back(static_cast<int>(giunti_.size()) - 1);
      Pila(static_cast<int>(k));
      L_ = std::max({L_, basi_.back().h, std::fabs(basi_.back().x - giunti_.front().xM),
                     std::fabs(basi_.back().y - giunti_.front().yM)});
    }
  }
  Wref_ = W_ > 0 ? W_ : 1;
  Lref_ = L_ > 0 ? L_ : 1;
}

void StaticaGiunti::Campata(const ModelloArco& m, int primo, int ultimo, bool mobilita) {
  const int campata = static_cast<int>(primi_.size());
  const std::size_t g0 = giunti_.size();
  primi_.push_back(static_cast<int>(g0));
  giunti_.resize(g0 + static_cast<std::size_t>(ultimo - primo) + 2);
  // The springing joint: corners 1 and 4 of the span's first voussoir, its
  // direction as the thrust-line step takes it, the length of that face as
  // its depth (the voussoir's right joint may be deeper where a thinner
  // segment follows).
  const Concio& c1 = m.Conci(primo);
  GiuntoLineare& g1 = giunti_[g0];
  const double a = ArcTan2(c1.y(4) - c1.y(1), c1.x(4) - c1.x(1)) - kPi / 2;
  g1.campata = campata;
  g1.nH = std::cos(a);
  g1.nV = std::sin(a);
  g1.xM = (c1.x(1) + c1.x(4)) / 2;
  g1.yM = (c1.y(1) + c1.y(4)) / 2;
  g1.ux = -std::sin(a);
  g1.uy = std::cos(a);
  g1.h = std::hypot(c1.x(4) - c1.x(1), c1.y(4) - c1.y(1));
  g1.tH = -g1.nV;
  g1.tV = g1.nH;
  g1.nP.assign(gruppi_.size(), 0);
  g1.mP.assign(gruppi_.size(), 0);
  g1.tP.assign(gruppi_.size(), 0);

  double SP = 0, SPx = 0, SQ = 0, SQx = 0, SF = 0, SFy = 0;
  if (campata == 0) L_ = g1.h;
  for (int i = primo; i <= ultimo; ++i) {
    const Concio& c = m.Conci(i);
    SP += c.FPermanente;
    SPx += c.FPermanente * c.xFPermanente;
    SQ += c.FVariabile;
    SQx += c.FVariabile * c.xFVariabile;
    // A resisting soil's pressure is an unknown of its group, not a load.
    if (!mobilita) {
      SF += c.FOrizzontale;
      SFy += c.FOrizzontale * c.yFOrizzontale;
    }
    const int j = static_cast<int>(g0) + i - primo;
    conci_.push_back({c.FPermanente, c.FPermanente * c.xFPermanente, c.FVariabile, c.FVariabile * c.xFVariabile,
                      c.FOrizzontale, c.FOrizzontale * c.yFOrizzontale, j, j + 1});
    W_ += std::fabs(c.FPermanente) + std::fabs(c.FVariabile) + std::fabs(c.FOrizzontale);
    Wfisso_ += std::fabs(c.FPermanente) + std::fabs(c.FOrizzontale);
    Qtot_ += c.FVariabile;

    GiuntoLineare& g = giunti_[static_cast<std::size_t>(j + 1)];
    const double dx = c.xMedio - g1.xM, dy = c.yMedio - g1.yM;
    g.campata = campata;
    g.xM = c.xMedio;
    g.yM = c.yMedio;
    g.ux = -c.SinAlfa;
    g.uy = c.CosAlfa;
    g.h = c.hSezioneEff;
    // Across the joint passes the reaction plus every load on its left.
    g.nH = c.CosAlfa;
    g.nV = c.SinAlfa;
    g.nL = -SQ * c.SinAlfa;
    g.n0 = -SP * c.SinAlfa + SF * c.CosAlfa;
    g.mH = -dy;
    g.mV = dx;
    g.mL = -(c.xMedio * SQ - SQx);
    g.m0 = -(c.xMedio * SP - SPx) - (c.yMedio * SF - SFy);
    // The force along the joint, (V - loads) cos - (H + pressure) sin.
    g.tH = -c.SinAlfa;
    g.tV = c.CosAlfa;
    g.tL = -SQ * c.CosAlfa;
    g.t0 = -SP * c.CosAlfa - SF * c.SinAlfa;
    for (const GruppoPassivo& gp : gruppi_) {
      double F = 0, Fy = 0;
      for (int k = std::max(gp.primo, primo); k <= std::min(gp.ultimo, i); ++k) {
        F += passiva_[static_cast<std::size_t>(k)];
        Fy += passiva_[static_cast<std::size_t>(k)] * yPassiva_[static_cast<std::size_t>(k)];
      }
      g.nP.push_back(F * c.CosAlfa);
      g.mP.push_back(-(c.yMedio * F - Fy));
      g.tP.push_back(-F * c.SinAlfa);
    }
    L_ = std::max({L_, std::fabs(dx), std::fabs(dy), g.h});
  }
}

namespace {

// A force in the plane as an affine function of the unknowns: its
// components and its moment about x = y = 0, each with the coefficients of
// the left span's springing (H, V, M1), the right span's (H2, V2, M12), λ,
// the constant and the soil groups' shares.
struct Affine {
  double H = 0, V = 0, M1 = 0, H2 = 0, V2 = 0, M12 = 0, L = 0, c = 0;
  std::vector<double> P;
};
struct ForzaAffine {
  Affine Rx, Ry, K;
};

// The force joint g passes to its right, from its own N, M and T.
ForzaAffine Trasmessa(const GiuntoLineare& g, bool destra) {
  auto campo = [&](double Nv, double Mv, double Tv, double& rx, double& ry, double& k) {
    rx = Nv * g.uy + Tv * g.ux;
    ry = -Nv * g.ux + Tv * g.uy;
    k = -Mv + g.xM * ry - g.yM * rx;
  };
  ForzaAffine f;
  if (destra) {
    campo(g.nH, g.mH, g.tH, f.Rx.H2, f.Ry.H2, f.K.H2);
    campo(g.nV, g.mV, g.tV, f.Rx.V2, f.Ry.V2, f.K.V2);
    campo(0, 1, 0, f.Rx.M12, f.Ry.M12, f.K.M12);
  } else {
    campo(g.nH, g.mH, g.tH, f.Rx.H, f.Ry.H, f.K.H);
    campo(g.nV, g.mV, g.tV, f.Rx.V, f.Ry.V, f.K.V);
    campo(0, 1, 0, f.Rx.M1, f.Ry.M1, f.K.M1);
  }
  campo(g.nL, g.mL, g.tL, f.Rx.L, f.Ry.L, f.K.L);
  campo(g.n0, g.m0, g.t0, f.Rx.c, f.Ry.c, f.K.c);
  for (Affine* a : {&f.Rx, &f.Ry, &f.K}) a->P.assign(g.nP.size(), 0);
  for (std::size_t q = 0; q < g.nP.size(); ++q) campo(g.nP[q], g.mP[q], g.tP[q], f.Rx.P[q], f.Ry.P[q], f.K.P[q]);
  return f;
}

}  // namespace

void StaticaGiunti::Pila(int k) {
  const auto kk = static_cast<std::size_t>(k);
  const GiuntoLineare& sinistra = giunti_[static_cast<std::size_t>(primi_[kk + 1] - 1)];
  const GiuntoLineare& destra = giunti_[static_cast<std::size_t>(primi_[kk + 1])];
  // The pier takes what the left span passes on and gives the right span its
  // springing's reaction; it bears its own loads and passes the rest down.
  const ForzaAffine a = Trasmessa(sinistra, false), b = Trasmessa(destra, true);
  const CaricoConcio& carico = conci_[static_cast<std::size_t>(nConci_) + kk];
  ForzaAffine r = a;
  auto meno = [](Affine& x, const Affine& y) {
    x.H -= y.H, x.V -= y.V, x.M1 -= y.M1, x.H2 -= y.H2, x.V2 -= y.V2, x.M12 -= y.M12, x.L -= y.L, x.c -= y.c;
    for (std::size_t q = 0; q < x.P.size(); ++q) x.P[q] -= y.P[q];
  };
  meno(r.Rx, b.Rx);
  meno(r.Ry, b.Ry);
  meno(r.K, b.K);
  r.Ry.c -= carico.P;
  r.K.c -= carico.Px;
  r.Ry.L -= carico.Q;
  r.K.L -= carico.Qx;
  // The base, horizontal, its extrados side toward +x: N = -Ry, T = Rx, M = -K + x Ry - y Rx.
  const Base& base = basi_[kk];
  GiuntoLineare& g = giunti_[static_cast<std::size_t>(pile_[kk])];
  g.campata = k;
  g.campata2 = k + 1;
  g.pila = k;
  g.xM = base.x;
  g.yM = base.y;
  g.ux = 1;
  g.uy = 0;
  g.h = base.h;
  auto M = [&](double rx, double ry, double kv) { return -kv + base.x * ry - base.y * rx; };
  g.nH = -r.Ry.H, g.nV = -r.Ry.V, g.nL = -r.Ry.L, g.n0 = -r.Ry.c;
  g.nH2 = -r.Ry.H2, g.nV2 = -r.Ry.V2;
  g.tH = r.Rx.H, g.tV = r.Rx.V, g.tL = r.Rx.L, g.t0 = r.Rx.c;
  g.tH2 = r.Rx.H2, g.tV2 = r.Rx.V2;
  g.mH = M(r.Rx.H, r.Ry.H, r.K.H), g.mV = M(r.Rx.V, r.Ry.V, r.K.V);
  g.mL = M(r.Rx.L, r.Ry.L, r.K.L), g.m0 = M(r.Rx.c, r.Ry.c, r.K.c);
  g.mH2 = M(r.Rx.H2, r.Ry.H2, r.K.H2), g.mV2 = M(r.Rx.V2, r.Ry.V2, r.K.V2);
  g.mM2 = M(r.Rx.M12, r.Ry.M12, r.K.M12);
  g.nP.assign(r.Rx.P.size(), 0);
  g.mP.assign(r.Rx.P.size(), 0);
  g.tP.assign(r.Rx.P.size(), 0);
  for (std::size_t q = 0; q < r.Rx.P.size(); ++q) {
    g.nP[q] = -r.Ry.P[q];
    g.tP[q] = r.Rx.P[q];
    g.mP[q] = M(r.Rx.P[q], r.Ry.P[q], r.K.P[q]);
  }
  // The pier's block: from the left span's last joint to the right span's
  // springing and to its base.
  CaricoConcio& c = conci_[static_cast<std::size_t>(nConci_) + kk];
  c.riceve = primi_[kk + 1] - 1;
  c.passa = primi_[kk + 1];
  c.passa2 = pile_[kk];
}

void StaticaGiunti::ImpostaVariabili(const std::vector<double>& F, const std::vector<double>& Fx) {
  double W = Wfisso_, Q = 0;
  for (std::size_t i = 0; i < conci_.size() && i < F.size(); ++i) {
    W += std::fabs(F[i]);
    Q += F[i];
    conci_[i].Q = F[i];
    conci_[i].Qx = Fx[i];
  }
  // Each span's joints carry the variable load on their left within the
  // span; each pier's base what its left span passes on and its own.
  for (std::size_t k = 0; k < primi_.size(); ++k) {
    const std::size_t fine = k + 1 < primi_.size() ? static_cast<std::size_t>(primi_[k + 1])
                                                   : giunti_.size() - pile_.size();
    double SQ = 0, SQx = 0;
    for (std::size_t j = static_cast<std::size_t>(primi_[k]) + 1; j < fine; ++j) {
      const CaricoConcio& c = conci_[j - k - 1];
      SQ += c.Q;
      SQx += c.Qx;
      GiuntoLineare& g = giunti_[j];
      g.nL = SQ * g.ux;
      g.mL = -(g.xM * SQ - SQx);
      g.tL = -SQ * g.uy;
    }
  }
  for (std::size_t k = 0; k < pile_.size(); ++k) Pila(static_cast<int>(k));
  Qtot_ = Q;
  Wref_ = W > 0 ? W : 1;
}

LineaSpinte StaticaGiunti::Linea(const Reazione& r) const {
  LineaSpinte l;
  l.H = r.H;
  l.V = r.V;
  l.fattoreCarico = r.lambda;
  const std::size_t n = giunti_.size();
  l.x.resize(n);
  l.y.resize(n);
  l.N.resize(n);
  l.e.resize(n);
  l.T.resize(n);
  for (std::size_t j = 0; j < n; ++j) {
    const GiuntoLineare& g = giunti_[j];
    const Forze f = ForzeGiunto(g, r);
    l.T[j] = f.T;
    // A joint without normal force carries no moment on a line that fits.
    const double e = f.N != 0 ? f.M / f.N : 0;
    l.N[j] = f.N;
    l.e[j] = std::isfinite(e) ? e : 0;
    l.x[j] = g.xM + l.e[j] * g.ux;
    l.y[j] = g.yM + l.e[j] * g.uy;
  }
  const std::vector<double>& quote = r.quote;
  if (!passiva_.empty()) {
    l.FPassiva.assign(passiva_.size() - 1, 0);
    for (std::size_t k = 0; k < quote.size() && k < gruppi_.size(); ++k)
      for (int i = gruppi_[k].primo; i <= gruppi_[k].ultimo; ++i)
        l.FPassiva[static_cast<std::size_t>(i - 1)] = quote[k] * passiva_[static_cast<std::size_t>(i)];
  }
  return l;
}

}  // namespace voro
