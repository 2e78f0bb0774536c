// The arch plot as a drawing of the report: the printed plot of the
// geometry or of the results, in a box shaped to its extents.
#pragma once

#include <string>

#include "data/Regional.h"
#include "report/SezioneRapporto.h"

namespace voro {

// modo: the plot mode (0 results, 1 geometry, 2 geometry with the load).
// The sources must outlive the drawing.
Figura FiguraArco(const FontiRapporto& f, const Regional& regional, int modo, std::string didascalia);

}  // namespace voro
