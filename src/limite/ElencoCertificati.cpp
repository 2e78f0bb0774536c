// Which figures an assessment states, each with how it is proven.
#include "limite/ElencoCertificati.h"

#include "data/Traduzioni.h"

namespace voro {

std::vector<FiguraCertificata> ElencoCertificati(const RisultatiSicurezza& r, const RisultatiVeicolo* veicolo) {
  std::vector<FiguraCertificata> e;
  e.push_back({VORO_NOOP("Voro", "geometric safety"), "geometricSafetyFactor", r.certificatoGeometrico});
  e.push_back({VORO_NOOP("Voro", "whether a line fits"), "admissible", r.certificatoAmmissibile});
  if (r.ammissibile) e.push_back({VORO_NOOP("Voro", "thrust range"), "thrustRange", r.certificatoCampo});
  if (r.esitoCarico != EsitoCarico::NessunCarico)
    e.push_back({VORO_NOOP("Voro", "live-load factor"), "liveLoadFactor", r.certificatoCarico});
  if (!r.posizioni.empty())
    e.push_back({VORO_NOOP("Voro", "worst position of the strip load"), "worstLiveLoadFactor", r.certificatoPeggiore});
  if (r.spessoreMinimo || r.spessoreNonCertificato)
    e.push_back({VORO_NOOP("Voro", "minimum thickness"), "minimumThickness", r.certificatoSpessore});
  if (veicolo && !veicolo->veicolo.Assi.empty())
    e.push_back({VORO_NOOP("Voro", "worst position of the vehicle"), "worstVehicleFactor", veicolo->certificato});
  return e;
}

}  // namespace voro
