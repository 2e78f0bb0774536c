// The project with its ring made thinner or thicker: the voussoirs and walls
// rebuilt, the road surface, the slab and the loads above them left where the
// project puts them, as the search of the least thickness needs.
#pragma once

#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "data/Messages.h"

namespace voro {

// The project q with every segment's thickness (the ring's when it has one
// segment) that of d times f; returns the thinnest segment's thickness.
double ScalaSpessore(const DatiProgetto& d, double f, DatiProgetto& q);

// Assembles q and sets its top of fill and top of slab where the project's
// own model progetto has them; a ring grown through the road lifts the road
// to its extrados, the slab keeping its depth. Raises as CostruisciModello.
void CostruisciConStrada(const DatiProgetto& q, const ModelloArco& progetto, ModelloArco& m, Messages& msg);

}  // namespace voro
