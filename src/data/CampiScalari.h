// The scalar input variables of a project by name, for setting any of them
// from outside (the command line's --set NAME=VALUE).
#pragma once

#include <string>
#include <vector>

#include "data/DatiProgetto.h"
#include "data/ProjectFile.h"

namespace voro {

struct CampoScalare {
  const char* nome;
  CampoFile (*variabile)(DatiProgetto&);
};

// Every scalar input variable, in the order of the data file, then the
// assessment's strength and mobilisation (Attrito, the friction, is set by
// ImpostaCampo alone: a number, or none).
const std::vector<CampoScalare>& CampiScalari();

// Sets the variable called nome from the text valore (numbers with the point,
// Booleans as true/false, 1/0, yes/no or #TRUE#/#FALSE#). On failure returns
// false with the reason in errore and leaves the project unchanged.
bool ImpostaCampo(DatiProgetto& d, const std::string& nome, const std::string& valore, std::string& errore);

}  // namespace voro
