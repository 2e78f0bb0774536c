// Cumulative sums of the voussoir loads give every joint's forces.
#include "limite/StaticaGiunti.h"

#include <algorithm>
#include <cmath>

#include "numerics/Matematica.h"

namespace voro {

StaticaGiunti::StaticaGiunti(const ModelloArco& m) {
  const int n = m.nConciTot;
  giunti_.resize(static_cast<std::size_t>(n) + 1);

  // The springing joint: corners 1 and 4 of voussoir 1, its direction as the
  // thrust-line step takes it, the depth of voussoir 1.
  const Concio& c1 = m.Conci(1);
  GiuntoLineare& g1 = giunti_[0];
  const double a = ArcTan2(c1.y(4) - c1.y(1), c1.x(4) - c1.x(1)) - kPi / 2;
  g1.nH = std::cos(a);
  g1.nV = std::sin(a);
  g1.xM = (c1.x(1) + c1.x(4)) / 2;
  g1.yM = (c1.y(1) + c1.y(4)) / 2;
  g1.ux = -std::sin(a);
  g1.uy = std::cos(a);
  g1.h = c1.hSezioneEff;

  double SP = 0, SPx = 0, SQ = 0, SQx = 0, SF = 0, SFy = 0;
  double W = 0, L = g1.h;
  for (int i = 1; i <= n; ++i) {
    const Concio& c = m.Conci(i);
    SP += c.FPermanente;
    SPx += c.FPermanente * c.xFPermanente;
    SQ += c.FVariabile;
    SQx += c.FVariabile * c.xFVariabile;
    SF += c.FOrizzontale;
    SFy += c.FOrizzontale * c.yFOrizzontale;
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
    GiuntoLineare& g = giunti_[i];
    g.nL = SQ * g.ux;
    g.mL = -(g.xM * SQ - SQx);
  }
  Qtot_ = SQ;
  Wref_ = W > 0 ? W : 1;
}

LineaSpinte StaticaGiunti::Linea(double H, double V, double M1, double lambda) const {
  LineaSpinte l;
  l.H = H;
  l.V = V;
  l.fattoreCarico = lambda;
  const std::size_t n = giunti_.size();
  l.x.resize(n);
  l.y.resize(n);
  l.N.resize(n);
  l.e.resize(n);
  for (std::size_t j = 0; j < n; ++j) {
    const GiuntoLineare& g = giunti_[j];
    const double N = g.nH * H + g.nV * V + g.nL * lambda + g.n0;
    const double M = g.mH * H + g.mV * V + M1 + g.mL * lambda + g.m0;
    // A joint without normal force carries no moment on a line that fits.
    const double e = N != 0 ? M / N : 0;
    l.N[j] = N;
    l.e[j] = std::isfinite(e) ? e : 0;
    l.x[j] = g.xM + l.e[j] * g.ux;
    l.y[j] = g.yM + l.e[j] * g.uy;
  }
  return l;
}

}  // namespace voro
