// The loads of an assembled model: every voussoir's dead, variable and
// passive forces, as the calculation and the assessment both apply them.
#pragma once

#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "data/Messages.h"

namespace voro {

// Loads every voussoir of an assembled model as the calculation does: the
// variable load's range is first clamped to the structure (and stays so in
// the project), then every voussoir computes its forces.
void CaricaConci(DatiProgetto& d, ModelloArco& m, Messages& msg);

// Every voussoir's and pier's forces under the project's loads as they stand.
void CaricaBlocchi(const DatiProgetto& d, ModelloArco& m, Messages& msg);

}  // namespace voro
