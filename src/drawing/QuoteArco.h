// The dimensions a printed elevation of the arch needs to be read on paper:
// span, rise, ring thickness, fill and slab depth at the crown, the backing's
// depth, the wall's protrusion and the springing level, and a scale bar.
#pragma once

#include <vector>

#include "arch/ModelloArco.h"
#include "data/Regional.h"
#include "drawing/Disegno.h"

namespace voro {

// Draws the dimensions in the drawing's own units (m) under the elevation,
// whose base level is yBase; hTesto the text height, spazio the room kept
// below the base before the plan view.
void QuotaArco(const ModelloArco& m, const DatiProgetto& d, const Regional& reg, Disegno& g, double hTesto,
               double yBase, double spazio);

// The same for a bridge: each span's ring (campate, each built on its own in
// the bridge's axes), each pier's width at the springings and height, one
// scale bar for the whole.
void QuotaPonte(const ModelloArco& m, const std::vector<ModelloArco>& campate, const Regional& reg, Disegno& g,
                double hTesto, double yBase, double spazio);

// The length of a scale bar: 1, 2 or 5 times a power of ten, the largest not
// beyond massimo (m); 0 when massimo is not positive.
double LunghezzaScala(double massimo);

}  // namespace voro
