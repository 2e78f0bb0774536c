// A vehicle's axles on the road above the ring: how each spreads through the
// fill down to the extrados and which share of it each voussoir takes, as
// part of the variable load the live-load factor multiplies.
#pragma once

#include <utility>
#include <vector>

#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"

namespace voro {

// Which way the vehicle is driven: forward its other axles stand at x + d,
// backward at x - d (x the abscissa of its first listed axle).
enum class Verso { Avanti, Indietro };

// One axle at a position of the vehicle: where it stands, the depth of the
// fill under it, the interval of the extrados it loads, the ring's width b
// and the effective width b_e under it, and the load it puts on the
// two-dimensional model (P b / b_e).
struct ImprontaAsse {
  double x = 0;
  double a = 0;  // the contact length on the road
  double h = 0;
  double x1 = 0, x2 = 0;
  double b = 0, be = 0;
  double F = 0;
};

class CaricoVeicolo {
 public:
  // From a model whose voussoirs are assembled; the vehicle and the spread
  // rule of the project.
  CaricoVeicolo(const DatiProgetto& d, const ModelloArco& m);

  const Veicolo& veicolo() const { return v_; }
  // The directions the vehicle is driven in: both unless it is its own
  // mirror image.
  std::vector<Verso> Versi() const;

  // The axles of the vehicle standing at x.
  std::vector<ImprontaAsse> Impronte(double x, Verso verso) const;

  // The positions from where the first spread touches the structure to
  // where the last one leaves it.
  std::pair<double, double> Corsa(Verso verso) const;

  // Each voussoir's share of the axles (index i - 1 for voussoir i, then
  // each pier of a bridge): its
  // force F[i] and that force's moment about x = 0, Fx[i]. Each axle acts
  // uniformly over its interval; the part beyond the voussoirs goes to the
  // ground.
  void Ripartisci(const std::vector<ImprontaAsse>& assi, std::vector<double>& F, std::vector<double>& Fx) const;

  // The depth of fill and slab from the road surface down to the extrados at
  // x; beyond the structure, at its nearer end.
  double Profondita(double x) const;

 private:
  double larghezza(double x) const;

  Veicolo v_;
  double tanTheta_ = 0;
  double yStrada_ = 0;
  double xSinistra_ = 0, xDestra_ = 0;      // the structure and the voussoirs' extents together
  std::vector<double> xa_, xb_, b_;          // each voussoir's loaded extent and width
  std::vector<double> xe_, ye_;              // the extrados, left to right
};

}  // namespace voro
