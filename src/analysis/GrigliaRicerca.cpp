// The voussoir arrays of the hinge search.
#include "analysis/GrigliaRicerca.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace voro {

namespace {

// The width the joint stresses use: never below the minimum width.
double larghezza(double bSez, Single minima) { return static_cast<Single>(bSez) < minima ? minima : bSez; }

// Sections whose depth and width keep every bound of the lanes far from
// overflow and underflow.
bool sezioneSana(double h, double b) { return h >= 1e-6 && h <= 1e6 && b >= 1e-6 && b <= 1e6; }

}  // namespace

ConciRicerca::ConciRicerca(const ModelloArco& m, double bPrima, double sinA, double cosA, bool distanze) {
  const int n = m.nConciTot;
  for (auto* v : {&Ftot_, &FOrizzontale_, &SinAlfa_, &CosAlfa_, &xMedio_, &yMedio_, &momentoFtot_, &momentoFOriz_,
                  &h_, &hMezzi_, &hSesto_, &b_, &invH_, &invHB_})
    v->resize(static_cast<std::size_t>(n));
  const Concio& primo = m.Conci(1);
  c_.h1 = primo.hSezioneEff;
  c_.h1Mezzi = c_.h1 / 2;
  c_.h1Sesto = c_.h1 / 6;
  c_.b1 = larghezza(bPrima, m.LarghezzaMinima);
  c_.invH1 = 1 / c_.h1;
  c_.invHB1 = 1 / (c_.h1 * c_.b1);
  bool sane = sezioneSana(c_.h1, c_.b1);
  double minimoHB = c_.h1 * c_.b1, carichi = 0;
  for (int v = 0; v < n; ++v) {
    const Concio& k = m.Conci(v + 1);
    const auto i = static_cast<std::size_t>(v);
    Ftot_[i] = k.Ftot;
    FOrizzontale_[i] = k.FOrizzontale;
    SinAlfa_[i] = k.SinAlfa;
    CosAlfa_[i] = k.CosAlfa;
    xMedio_[i] = k.xMedio;
    yMedio_[i] = k.yMedio;
    momentoFtot_[i] = k.Ftot * (k.xMedio - k.xFtot);
    momentoFOriz_[i] = k.FOrizzontale * (k.yMedio - k.yFOrizzontale);
    h_[i] = k.hSezioneEff;
    hMezzi_[i] = k.hSezioneEff / 2;
    hSesto_[i] = k.hSezioneEff / 6;
    b_[i] = larghezza(k.bSez, m.LarghezzaMinima);
    invH_[i] = 1 / h_[i];
    invHB_[i] = 1 / (h_[i] * b_[i]);
    sane = sane && sezioneSana(h_[i], b_[i]);
    if (!(h_[i] * b_[i] >= minimoHB)) minimoHB = h_[i] * b_[i];
    carichi += std::fabs(k.Ftot) + std::fabs(k.FOrizzontale);
  }
  c_.n = n;
  c_.Ftot = Ftot_.data();
  c_.FOrizzontale = FOrizzontale_.data();
  c_.SinAlfa = SinAlfa_.data();
  c_.CosAlfa = CosAlfa_.data();
  c_.xMedio = xMedio_.data();
  c_.yMedio = yMedio_.data();
  c_.momentoFtot = momentoFtot_.data();
  c_.momentoFOriz = momentoFOriz_.data();
  c_.h = h_.data();
  c_.hMezzi = hMezzi_.data();
  c_.hSesto = hSesto_.data();
  c_.b = b_.data();
  c_.invH = invH_.data();
  c_.invHB = invHB_.data();
  c_.sinA = sinA;
  c_.cosA = cosA;
  c_.distanze = distanze;
  c_.limiti = sane;
  // The shear force of a joint is at most |V| + |H| of the force crossing
  // it, which the loads change by at most their sum: below this limit every
  // shear stress (force / depth / width) stays a quarter of the largest Double.
  const double limite = 0.25 * std::numeric_limits<double>::max() * std::min(minimoHB, 1.0) - carichi;
  c_.limiteTaglio = std::isfinite(limite) && minimoHB > 0 ? limite : -1;
}

}  // namespace voro
