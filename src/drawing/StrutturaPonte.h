// What every elevation of a bridge of several spans draws beyond a single
// arch: the piers, their foundation lines, a thrust line broken at the
// piers, and the hinge marks of a mechanism wherever its joints lie, a
// pier's base among them. On a single arch each falls back to what the
// drawings of one ring have always done.
#pragma once

#include <vector>

#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "drawing/Disegno.h"
#include "limite/RisultatiSicurezza.h"

namespace voro {

// Each span of the bridge d built as a ring of its own in the bridge's axes,
// for the dimensions of its ring; empty for a single arch or when a span
// cannot be built.
std::vector<ModelloArco> ModelliCampate(const DatiProgetto& d);

// The lowest level the elevation reaches: the left abutment's springing or,
// for a bridge, the lowest pier base.
double LivelloBase(const ModelloArco& m);

// Each pier's outline in the voussoirs' colour (1), the masonry above it and
// its foundation line, hatched below, in the walls' colour (8); the colour
// left at 1.
void PlottaPile(const ModelloArco& m, Disegno& g);

// The thrust line: one polyline across a single arch; on a bridge one per
// span, and a dot of radius r where each pier's base takes its resultant.
void PlottaLinea(const ModelloArco& m, const LineaSpinte& l, double r, Disegno& g);

// The two ends of joint giunto (1-based in the numbering of the figures:
// every span's joints from its left springing, then each pier's base):
// a ring joint's intrados and extrados corners, a pier base's left and
// right edges. False, with the ends untouched, for a joint the model lacks.
bool EstremiGiunto(const ModelloArco& m, int giunto, double& xi, double& yi, double& xe, double& ye);

// The mark of one joint of a mechanism on the line l, in the colour of its
// face: a circle (with a dot when piena, a second ring where the masonry
// crushes), or a bar along the joint where it slides. A pier base's hinge
// stands at the edge the pier rocks about.
void PlottaCerniera(const ModelloArco& m, const LineaSpinte& l, const Cerniera& c, double raggio, bool piena,
                    Disegno& g);

}  // namespace voro
