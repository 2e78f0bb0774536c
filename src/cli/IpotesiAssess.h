// The assessment's hypotheses on the command line: the masonry's compressive
// strength, the joints' friction and the soil's mobilisation, each replacing
// the project's own for this run.
#pragma once

#include <optional>

#include "cli/Comando.h"
#include "data/DatiProgetto.h"

namespace voro::cli {

struct IpotesiAssess {
  std::optional<Single> resistenza;     // --strength MPA: every segment and the ring; 0 unlimited
  std::optional<Single> attrito;        // --friction MU
  std::optional<Single> mobilitazione;  // --mobilisation F
};

inline constexpr const char* kAiutoStrength =
    "compressive strength fc of the masonry in MPa, every\nsegment alike (0: unlimited, Heyman's hypothesis)";
inline constexpr const char* kAiutoFriction = "friction coefficient of the joints (|T| <= MU N)";
inline constexpr const char* kAiutoMobilisation =
    "share of the full passive pressure the soil may mobilise\nas a resistance (default 1)";

// Raises ErroreUso for a value that is not a number >= 0.
IpotesiAssess LeggiIpotesi(const Argomenti& a);

void ApplicaIpotesi(const IpotesiAssess& h, DatiProgetto& d);

}  // namespace voro::cli
