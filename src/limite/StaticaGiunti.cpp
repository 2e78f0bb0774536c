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
  giunti_.resize(static_cast<std::size_t>(n) + 1);
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

  // The springing joint: corners 1 and 4 of voussoir 1, its direction as the
  // thrust-line step takes it, the length of that face as its depth (voussoir
  // 1's right joint may be deeper where a thinner segment follows).
  const Concio& c1 = m.Conci(1);
  GiuntoLineare& g1 = giunti_[0];
  const double a = ArcTan2(c1.y(4) - c1.y(1), c1.x(4) - c1.x(1)) - kPi / 2;
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
  double W = 0, L = g1.h;
  for (int i = 1; i <= n; ++i) {
    const Concio& c = m.Conci(i);
    SP += c.FPermanente;
    SPx += c.FPermanente * c.xFPermanente;
    SQ += c.FVariabile;
    SQx += c.FVariabile * c.xFVariabile;
    // A resisting soil's pressure is an unknown of its group, not a load.
    if (!mobilitazione) {
      SF += c.FOrizzontale;
      SFy += c.FOrizzontale * c.yFOrizzontale;
    }
    conci_.push_back({c.FPermanente, c.FPermanente * c.xFPermanente, c.FVariabile, c.FVariabile * c.xFVariabile,
                      c.FOrizzontale, c.FOrizzontale * c.yFOrizzontale});
    W += std::fabs(c.FPermanente) + std::fabs(c.FVariabile) + std::fabs(c.FOrizzontale);
    Wfisso_ += std::fabs(c.FPermanente) + std::fabs(c.FOrizzontale);
    Qtot_ += c.FVariabile;

    GiuntoLineare& g = giunti_[static_cast<std::size_t>(i)];
    const double dx = c.xMedio - g1.xM, dy = c.yMedio - g1.yM;
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
      for (int k = gp.primo; k <= std::min(gp.ultimo, i); ++k) {
        F += passiva_[static_cast<std::size_t>(k)];
        Fy += passiva_[static_cast<std::size_t>(k)] * yPassiva_[static_cast<std::size_t>(k)];
      }
      g.nP.push_back(F * c.CosAlfa);
      g.mP.push_back(-(c.yMedio * F - Fy));
      g.tP.push_back(-F * c.SinAlfa);
    }
    L = std::max({L, std::fabs(dx), std::fabs(dy), g.h});
  }
  Wref_ = W > 0 ? W : 1;
  Lref_ = L > 0 ? L : 1;
}

void StaticaGiunti::ImpostaVariabili(const std::vector<double>& F, const std::vector<double>& Fx) {
  double SQ = 0, SQx = 0, W = Wfisso_;
  for (std::size_t i = 1; i < giunti_.size() && i <= F.size(); ++i) {
    SQ += F[i - 1];
    SQx += Fx[i - 1];
    W += std::fabs(F[i - 1]);
    conci_[i - 1].Q = F[i - 1];
    conci_[i - 1].Qx = Fx[i - 1];
    GiuntoLineare& g = giunti_[i];
    g.nL = SQ * g.ux;
    g.mL = -(g.xM * SQ - SQx);
    g.tL = -SQ * g.uy;
  }
  Qtot_ = SQ;
  Wref_ = W > 0 ? W : 1;
}

LineaSpinte StaticaGiunti::Linea(double H, double V, double M1, double lambda,
                                 const std::vector<double>& quote) const {
  LineaSpinte l;
  l.H = H;
  l.V = V;
  l.fattoreCarico = lambda;
  const std::size_t n = giunti_.size();
  l.x.resize(n);
  l.y.resize(n);
  l.N.resize(n);
  l.e.resize(n);
  l.T.resize(n);
  for (std::size_t j = 0; j < n; ++j) {
    const GiuntoLineare& g = giunti_[j];
    double N = g.nH * H + g.nV * V + g.nL * lambda + g.n0;
    double M = g.mH * H + g.mV * V + M1 + g.mL * lambda + g.m0;
    double T = g.tH * H + g.tV * V + g.tL * lambda + g.t0;
    for (std::size_t k = 0; k < quote.size() && k < g.nP.size(); ++k) {
      N += g.nP[k] * quote[k];
      M += g.mP[k] * quote[k];
      T += g.tP[k] * quote[k];
    }
    l.T[j] = T;
    // A joint without normal force carries no moment on a line that fits.
    const double e = N != 0 ? M / N : 0;
    l.N[j] = N;
    l.e[j] = std::isfinite(e) ? e : 0;
    l.x[j] = g.xM + l.e[j] * g.ux;
    l.y[j] = g.yM + l.e[j] * g.uy;
  }
  if (!passiva_.empty()) {
    l.FPassiva.assign(passiva_.size() - 1, 0);
    for (std::size_t k = 0; k < quote.size() && k < gruppi_.size(); ++k)
      for (int i = gruppi_[k].primo; i <= gruppi_[k].ultimo; ++i)
        l.FPassiva[static_cast<std::size_t>(i - 1)] = quote[k] * passiva_[static_cast<std::size_t>(i)];
  }
  return l;
}

}  // namespace voro
