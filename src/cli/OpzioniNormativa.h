// The code basis on the command line: --code, --knowledge and --factor over
// the project's own partial factors, for assess and report.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/Comando.h"
#include "data/DatiVerifica.h"

namespace voro::cli {

inline constexpr const char* kAiutoCode =
    "the code basis of the partial factors: EN 1990 Annex A2,\nNTC 2018, or the project's own table (typed)";
inline constexpr const char* kAiutoKnowledge = "the knowledge level, which sets the confidence factor FC\n(1.35, 1.20, 1.00)";
inline constexpr const char* kAiutoFactor =
    "one partial factor over the code's: gG1sup, gG1inf,\ngG2sup, gG2inf, gQ, gM, FC, gMu, the friction's\n(design mu = mu / gMu, default 1), gR, the soil's\npassive resistance (its bound from the characteristic\nloads over gR, default 1); for a rail vehicle gQrail\n(1.45 under en and ntc; as typed, gQ unless given),\nalpha, LM71's classification factor (en 1.0, ntc 1.1)\nand phi, the dynamic factor (0: from the span and the\ncover, see --track) (repeatable)";
inline constexpr const char* kAiutoTrack =
    "the maintenance of the track over a rail bridge: careful\n(Phi2, the default) or standard (Phi3)";

// What the options ask for, applied in this order: the code's presets, the
// knowledge level, the track's maintenance, then each factor.
struct SceltaNormativa {
  std::optional<BaseNormativa> base;
  std::optional<LivelloConoscenza> livello;
  std::optional<ManutenzioneBinario> manutenzione;
  std::vector<std::pair<std::string, Single>> fattori;
};

// Reads the options; raises ErroreUso for an unknown code, level or factor
// name, or a value that is not a number.
SceltaNormativa LeggiSceltaNormativa(const Argomenti& a);

// The choice over the project's own code basis.
void ApplicaSceltaNormativa(const SceltaNormativa& s, DatiNormativa& n);

}  // namespace voro::cli
