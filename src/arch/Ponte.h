// A bridge of several spans on piers: each span a ring as a single arch is,
// placed in the bridge's axes, the piers between them, all under one fill,
// slab and road.
#pragma once

#include <vector>

#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "data/Messages.h"

namespace voro {

// Span k (0 the first) of the bridge d as a project of its own, springing
// from its piers as from rigid abutments: its ring, its place, passive
// pressure only at an abutment, the bridge's top of fill, and the strip load
// where it stands on the first span, from this span's springing. d itself
// for a single arch.
DatiProgetto ProgettoCampata(const DatiProgetto& d, int k, Messages& msg);
// Every span's project, span 1's first: {d} for a single arch.
std::vector<DatiProgetto> ProgettiCampate(const DatiProgetto& d, Messages& msg);

// Assembles every span of d and the piers between them into m, the
// voussoirs numbered left to right across the bridge. Raises error 1002
// with its reason when a pier cannot carry its springings.
void CostruisciPonte(const DatiProgetto& d, ModelloArco& m, Messages& msg);

// Every pier's own weight and the fill, slab and live load above it.
void ForzePile(const DatiProgetto& d, ModelloArco& m);
void ForzaPila(const DatiProgetto& d, const ModelloArco& m, PilaModello& p, const DatiPila& dp);

}  // namespace voro
