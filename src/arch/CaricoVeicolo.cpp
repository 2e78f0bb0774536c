// The axles spread through the fill and shared among the voussoirs.
#include "arch/CaricoVeicolo.h"

#include <algorithm>
#include <cmath>

namespace voro {

CaricoVeicolo::CaricoVeicolo(const DatiProgetto& d, const ModelloArco& m)
    : v_(d.VeicoloCarico.value_or(Veicolo{})), tanTheta_(d.DiffusioneCarico.Tangente()), yStrada_(m.ySoletta) {
  const int n = m.nConciTot;
  xa_.resize(static_cast<std::size_t>(n));
  xb_.resize(xa_.size());
  b_.resize(xa_.size());
  for (int i = 1; i <= n; ++i) {
    const Concio& c = m.Conci(i);
    const std::size_t k = static_cast<std::size_t>(i - 1);
    c.EstensioneCarico(m, xa_[k], xb_[k]);
    // The width the voussoir's loads are taken over, as ForzaConcio takes it.
    const double bPrev = !m.primoDiCampata(i) ? m.Conci(i - 1).bSez : static_cast<double>(d.Larghezza);
    b_[k] = (bPrev + c.bSez) / 2;
    xe_.push_back(c.x(4));
    ye_.push_back(c.y(4));
    xe_.push_back(c.x(3));
    ye_.push_back(c.y(3));
  }
  xSinistra_ = n > 0 ? std::min<double>(m.xMinStruttura, xa_.front()) : m.xMinStruttura;
  xDestra_ = n > 0 ? std::max<double>(m.xMaxStruttura, xb_.back()) : m.xMaxStruttura;
  // After the voussoirs, each pier carries the road between its two rings.
  for (const PilaModello& p : m.Pile) {
    xa_.push_back(p.xa);
    xb_.push_back(p.xb);
    b_.push_back(p.b);
  }
}

std::vector<Verso> CaricoVeicolo::Versi() const {
  if (v_.Simmetrico()) return {Verso::Avanti};
  return {Verso::Avanti, Verso::Indietro};
}

double CaricoVeicolo::Profondita(double x) const {
  if (xe_.empty()) return 0;
  double y = ye_.front();
  if (x >= xe_.back()) {
    y = ye_.back();
  } else if (x > xe_.front()) {
    for (std::size_t k = 1; k < xe_.size(); ++k) {
      if (x > xe_[k]) continue;
      const double dx = xe_[k] - xe_[k - 1];
      y = dx > 0 ? ye_[k - 1] + (ye_[k] - ye_[k - 1]) * (x - xe_[k - 1]) / dx : std::max(ye_[k - 1], ye_[k]);
      break;
    }
  }
  return std::max(0.0, yStrada_ - y);
}

double CaricoVeicolo::larghezza(double x) const {
  if (b_.empty()) return 0;
  if (x <= xa_.front()) return b_.front();
  for (std::size_t k = 0; k < b_.size(); ++k)
    if (x <= xb_[k]) return b_[k];
  return b_.back();
}

std::vector<ImprontaAsse> CaricoVeicolo::Impronte(double x, Verso verso) const {
  std::vector<ImprontaAsse> assi;
  assi.reserve(v_.Assi.size());
  const double s = verso == Verso::Avanti ? 1 : -1;
  for (const AsseVeicolo& a : v_.Assi) {
    ImprontaAsse p;
    p.x = x + s * a.d;
    p.a = a.a;
    p.h = Profondita(p.x);
    const double semi = a.a / 2.0 + p.h * tanTheta_;
    p.x1 = p.x - semi;
    p.x2 = p.x + semi;
    // Across the road the two wheels spread over s + w + 2 h tan θ, never
    // wider than the ring: the model, whose dead loads are on the ring's
    // width, takes the share of the axle that falls on its width.
    p.b = larghezza(p.x);
    p.be = std::min<double>(v_.Carreggiata + v_.LarghezzaImpronta + 2 * p.h * tanTheta_, p.b);
    p.F = p.be > 0 ? a.P * p.b / p.be : static_cast<double>(a.P);
    assi.push_back(p);
  }
  return assi;
}

std::pair<double, double> CaricoVeicolo::Corsa(Verso verso) const {
  const double s = verso == Verso::Avanti ? 1 : -1;
  const double hL = Profondita(xSinistra_), hR = Profondita(xDestra_);
  double inizio = 0, fine = 0;
  for (std::size_t k = 0; k < v_.Assi.size(); ++k) {
    const AsseVeicolo& a = v_.Assi[k];
    const double daInizio = xSinistra_ - a.a / 2.0 - hL * tanTheta_ - s * a.d;
    const double daFine = xDestra_ + a.a / 2.0 + hR * tanTheta_ - s * a.d;
    inizio = k == 0 ? daInizio : std::min(inizio, daInizio);
    fine = k == 0 ? daFine : std::max(fine, daFine);
  }
  return {inizio, fine};
}

void CaricoVeicolo::Ripartisci(const std::vector<ImprontaAsse>& assi, std::vector<double>& F,
                               std::vector<double>& Fx) const {
  const std::size_t n = xa_.size();
  F.assign(n, 0);
  Fx.assign(n, 0);
  for (const ImprontaAsse& p : assi) {
    const double L = p.x2 - p.x1;
    if (!(L > 0)) {
      // A contact without length and no spread: the whole axle on the
      // voussoir below it.
      for (std::size_t k = 0; k < n; ++k) {
        if (p.x >= xa_[k] && (p.x < xb_[k] || (k + 1 == n && p.x <= xb_[k]))) {
          F[k] += p.F;
          Fx[k] += p.F * p.x;
          break;
        }
      }
      continue;
    }
    const double q = p.F / L;
    for (std::size_t k = 0; k < n; ++k) {
      const double a = std::max(p.x1, xa_[k]), b = std::min(p.x2, xb_[k]);
      if (!(b > a)) continue;
      const double f = q * (b - a);
      F[k] += f;
      Fx[k] += f * (a + b) / 2;
    }
  }
}

}  // namespace voro
