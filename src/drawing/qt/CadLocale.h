// The CAD application of this desktop: a DXF drawing saved at a path, with
// the machine's fonts for its text styles, opened through the desktop's file
// association.
#pragma once

#include <string>

#include "drawing/Cad.h"

namespace voro {

// Attaches to the CAD drawing that will be saved at percorso; apri decides
// whether the saved drawing is opened in the user's CAD program.
CollegaCad CollegaCadLocale(const std::string& percorso, bool apri = true);

}  // namespace voro
