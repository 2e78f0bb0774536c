// The project's vehicle as the arch plot shows it on the road: where its
// first axle stands, in which direction, and why there.
#pragma once

#include <optional>
#include <string>

#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "data/Regional.h"
#include "drawing/PlottaVeicolo.h"
#include "limite/RisultatiVeicolo.h"

namespace voro {

struct VeicoloSullaStrada {
  VeicoloInPosizione veicolo;  // its axles with their loads as given
  double x = 0;                // the first axle's abscissa (m)
  Verso verso = Verso::Avanti;
  // The live-load factor of the safety assessment when this is the worst
  // position it found; none for the vehicle standing at mid-span.
  std::optional<double> fattorePeggiore;
};

// The project's vehicle with its first axle at the middle of the span,
// driven forward; none without a vehicle or before the voussoirs exist.
std::optional<VeicoloSullaStrada> VeicoloAMetaLuce(const DatiProgetto& d, const ModelloArco& m);

// The project's vehicle at the worst position of an assessment's sweep; at
// mid-span when the sweep found no collapse.
std::optional<VeicoloSullaStrada> VeicoloPeggiore(const DatiProgetto& d, const ModelloArco& m,
                                                  const RisultatiVeicolo& r);

// The legend of the plot: the vehicle's name and the position drawn.
std::string LegendaVeicolo(const VeicoloSullaStrada& v, const Regional& reg);

}  // namespace voro
