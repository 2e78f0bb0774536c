// Model assembly: from the geometry input to the numbered chain of voussoirs
// with the crown voussoir, the widths, the levels and the extents.
#pragma once

#include <string>

#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "data/Messages.h"

namespace voro {

// Assembles one ring (a single arch, or one span of a bridge as its project
// places it) into m; raises as the geometry refuses it.
void AssemblaCampata(const DatiProgetto& d, ModelloArco& m, Messages& msg);

// Builds the model, a bridge of several spans as one; any failure raises error 1002 and leaves the model as far
// as it was built.
void CostruisciModello(const DatiProgetto& d, ModelloArco& m, Messages& msg);

// The message of a failed assembly: "Error: Check Geometry", followed on a
// second line by the reason when the geometry was refused for one.
std::string MessaggioGeometria(const RuntimeError& e, const Messages& msg);

}  // namespace voro
