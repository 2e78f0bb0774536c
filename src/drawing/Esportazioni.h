// The plot sent whole to a DXF file or into the CAD application.
#pragma once

#include <string>

#include "drawing/Disegno.h"
#include "drawing/Tavola.h"

namespace voro {

// Draws the plot into the DXF file at percorso. Raises a RuntimeError (75)
// when the file cannot be written; no half-written file is left behind.
// False when the drawing itself failed (its message already shown).
bool PlottaInDxf(Tavola& plot, Disegno& d, const std::string& percorso);

// Draws the plot into the CAD application: attach, draw with the target
// "DWG", bring to the front, zoom to the extents. False when the application
// cannot be reached or the drawing failed (messages already shown).
bool PlottaInCad(Tavola& plot, Disegno& d, const CollegaCad& collega, const AttivaFinestraCad& attiva);

}  // namespace voro
