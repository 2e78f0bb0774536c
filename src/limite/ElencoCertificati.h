// The figures of an assessment with their certificates, in the order the
// outputs list them.
#pragma once

#include <vector>

#include "limite/RisultatiSicurezza.h"
#include "limite/RisultatiVeicolo.h"

namespace voro {

struct FiguraCertificata {
  const char* nome;  // in words, to be translated in the "Voro" context
  const char* chiave;  // the figure's key in the JSON output
  Certificato certificato;
};

// Every figure the assessment states (none for a figure it does not).
std::vector<FiguraCertificata> ElencoCertificati(const RisultatiSicurezza& r, const RisultatiVeicolo* veicolo);

}  // namespace voro
