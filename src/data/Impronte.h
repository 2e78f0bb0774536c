// Fingerprints of a project's input: the text of its data file, which tells
// whether the project differs from the one saved, and the part of it the
// calculation reads, which tells whether results still belong to it.
#pragma once

#include <string>

#include "data/DatiProgetto.h"

namespace voro {

// The project as its data file holds it.
std::string TestoProgetto(const DatiProgetto& d);

// The input the voussoirs are built from: the ring or the segments, the
// widths, the fill, the slab and the walls.
std::string ImprontaGeometria(const DatiProgetto& d);

// The input the voussoirs and the calculation depend on: the project's data
// file without the title, the plot scale of the loads and, while the thrust
// line is optimised, the start eccentricities the search does not use.
std::string ImprontaCalcolo(const DatiProgetto& d);

// The input the safety assessment depends on: all of the project's data but
// its title block and plot scale.
std::string ImprontaValutazione(const DatiProgetto& d);

}  // namespace voro
