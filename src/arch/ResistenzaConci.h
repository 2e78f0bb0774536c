// The masonry's compressive strength voussoir by voussoir.
#pragma once

#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"

namespace voro {

// The compressive strength of voussoir i's masonry [MPa]: its segment's
// strength in a chain of segments, the ring's otherwise, its span's in a
// bridge; 0 unlimited. The only place the analysis reads the strength from
// the project.
double ResistenzaConcio(const DatiProgetto& d, const ModelloArco& m, int i);

}  // namespace voro
