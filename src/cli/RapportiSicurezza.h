// The assessment of a project for the command line: the report in words,
// the JSON object and the summary table.
#pragma once

#include <optional>
#include <ostream>
#include <vector>

#include "arch/ImposteArco.h"
#include "cli/Soluzione.h"
#include "limite/Adeguatezza.h"
#include "limite/RisultatiSicurezza.h"
#include "limite/RisultatiVeicolo.h"

namespace voro::cli {

// One project read, assembled and assessed; failures land in soluzione.
struct ProgettoValutato {
  Soluzione soluzione;
  RisultatiSicurezza sicurezza;
  std::optional<Adeguatezza> adeguatezza;  // under the project's partial factors
  int nPosizioni = 0;  // positions asked for
  std::optional<RisultatiVeicolo> veicolo;  // the vehicle sweep, when the project has a vehicle
};

// Where the upper walls raise the springings, a line a side, in the language
// of the messages; empty when they do not.
// A mechanism's hinges in words: "6 (intrados, crushing), 16 (extrados)".
std::string CerniereInParole(const std::vector<Cerniera>& c, const RisultatiSicurezza& r, const Messages& lingua);

std::string RigheImposte(const ImposteArco& a, const Messages& lingua, const std::string& decimale);

// The verdict under the project's partial factors; nothing when there is no
// adequacy to state.
void ScriviVerdetto(std::ostream& out, const ProgettoValutato& p);

// What each figure means, in plain words with units.
void ScriviRapportoSicurezza(std::ostream& out, const ProgettoValutato& p);

// The vehicle, its spread, the worst position and its axles, in words.
void ScriviRapportoVeicolo(std::ostream& out, const RisultatiVeicolo& r, const RisultatiSicurezza& sicurezza, const Messages& lingua,
                           const std::string& decimale);

// How each figure is proven: the line that stands, the mechanism on the
// other side, their gap and the solver.
void ScriviCertificati(std::ostream& out, const RisultatiSicurezza& r, const RisultatiVeicolo* veicolo,
                       const Messages& lingua, const std::string& decimale);

// One object with the figures (kN and m), or {"error": ..., "number": ...}.
void ScriviJsonSicurezza(std::ostream& out, const ProgettoValutato& p, int indent = 0);

// The summary table: a header and one row per project.
void ScriviCsvSicurezza(std::ostream& out, const std::vector<ProgettoValutato>& progetti);

}  // namespace voro::cli
