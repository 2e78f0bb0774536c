// The plot sent whole to a DXF file or into the CAD application.
#pragma once

#include <string>

#include "drawing/Disegno.h"
#include "drawing/Tavola.h"

namespace voro {

// Draws the plot as the text of a DXF file. False when the drawing failed
// (its message already shown); testo is then left as it was.
bool PlottaInDxf(Tavola& plot, Disegno& d, std::string& testo);

// Draws the plot into the CAD application: attach, draw with the target
// "DWG", bring to the front, zoom to the extents. False when the application
// cannot be reached or the drawing failed (messages already shown).
bool PlottaInCad(Tavola& plot, Disegno& d, const CollegaCad& collega, const AttivaFinestraCad& attiva);

}  // namespace voro
