// The vehicle options of the commands that assess a project: which vehicle
// of the library crosses the bridge, how its axles spread through the fill
// and the step of its sweep; and the library itself, as the command line
// finds it.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "cli/Comando.h"
#include "data/DatiProgetto.h"
#include "data/LibreriaVeicoli.h"

namespace voro::cli {

inline constexpr const char* kAiutoVehicle =
    "drive the library's vehicle NAME across the bridge (see\n'voro-cli vehicles'); replaces the project's vehicle";
inline constexpr const char* kAiutoVehicleFile =
    "read further vehicles from FILE (after the shipped library\nand the user's ~/.config/voro/vehicles.txt)";
inline constexpr const char* kAiutoSpread =
    "spread of the axles through the fill: none, 1:2 (1\nhorizontal to 2 vertical), 30, 45 or an angle in degrees\n"
    "from 0 to 60 (default: the project's, else none)";
inline constexpr const char* kAiutoStep = "largest step of the vehicle sweep in metres (default\n0.05)";

// A vehicle that cannot be driven, an unknown name, a library that does not
// read or an angle out of range: main shows the message and exits with 1,
// nothing written.
class ErroreVeicoloScelto : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct SceltaVeicolo {
  std::optional<Veicolo> veicolo;        // --vehicle
  std::optional<Diffusione> diffusione;  // --spread
  double passo = 0.05;                   // --step

  // The project with the chosen vehicle and spread.
  void Applica(DatiProgetto& d) const;
};

// The share folder of the program: "../share/voro" beside it when installed,
// else the source tree it was built from.
std::string CartellaDati();

// The shipped library, the user's file and FILE of --vehicle-file; each
// error of the shipped or the user's file is shown as a warning on the
// standard error, a FILE that does not read raises ErroreVeicoloScelto.
LibreriaVeicoli LeggiLibreriaComando(const Argomenti& a);

// The options read and checked; ErroreUso for a value of the wrong form
// (--step that is not a number from 0.0001 to 10, --spread that is no rule
// and no number), ErroreVeicoloScelto for an unknown vehicle, a library
// that does not read or an angle outside 0 to 60 degrees.
SceltaVeicolo LeggiSceltaVeicolo(const Argomenti& a);

}  // namespace voro::cli
