// The vehicle sweep: the project's vehicle driven across the bridge, the
// exact live-load factor at each position, the least one refined.
#pragma once

#include <atomic>
#include <vector>

#include "arch/CaricoVeicolo.h"
#include "limite/AnalisiLimite.h"
#include "limite/RisultatiVeicolo.h"
#include "limite/StaticaGiunti.h"

namespace voro {

// The statics of a loaded model with the vehicle standing anywhere on the
// road: each position re-forms the variable load (the strip load and the
// vehicle's axles) of the joints and solves the largest multiplier, starting
// from the previous position's reaction.
class PercorsoVeicolo {
 public:
  // m assembled and loaded with the project's loads (CaricaConci); d holds
  // the vehicle.
  PercorsoVeicolo(const DatiProgetto& d, const ModelloArco& m);

  const CaricoVeicolo& carico() const { return carico_; }

  // The largest multiplier of the strip load and the vehicle standing at x
  // together.
  MoltiplicatoreCarico Valuta(double x, Verso verso);
  // Its thrust line at collapse, with the soil's mobilised shares.
  LineaSpinte Linea(const MoltiplicatoreCarico& mc) const;

 private:
  CaricoVeicolo carico_;
  IpotesiMuratura ip_;
  StaticaGiunti st_;
  std::vector<double> Fq_, Fqx_;  // the strip load of each voussoir
  std::vector<double> F_, Fx_;
  Reazione avvio_;
};

// The sweep in steps of at most passo (m) and an eighth of the shortest span,
// each way the vehicle can travel, the least factor refined to 0.1 mm of
// position. False when stopped.
bool PercorriVeicolo(const DatiProgetto& d, const ModelloArco& m, double passo, const std::atomic<bool>* stop,
                     RisultatiVeicolo& r);

}  // namespace voro
