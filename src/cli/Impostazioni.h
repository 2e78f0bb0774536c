// The options shared by the commands that solve, assess or draw a project:
// --set NAME=VALUE and the positions of the load sweep.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "cli/Comando.h"

namespace voro::cli {

// The help of --set.
inline constexpr const char* kAiutoSet =
    "change an input variable before the solution, e.g.\n"
    "--set SpessoreAnello=0.45 --set OttimizzaCerniere=true\n"
    "--set nDivisioni=20 (repeatable; numbers with the point,\n"
    "Booleans true/false; nConciSpinta(0) and nConciSpinta(1)\n"
    "are the passive-pressure voussoir counts; ResistenzaAnello,\n"
    "Attrito (a number or none) and Mobilitazione the ring's\n"
    "fc, the joints' friction and the soil's mobilisation)";

// The --set options in order, each checked against the project's variables;
// raises ErroreUso naming the first that is not a variable or not a value of
// its type.
std::vector<std::pair<std::string, std::string>> LeggiImpostazioni(const Argomenti& a);

// The help of --sweep.
inline constexpr const char* kAiutoSweep = "load positions of the sweep (default 50, 0 leaves it\nout)";

// The positions of the load sweep from --sweep N (default 50); raises
// ErroreUso for anything but a whole number from 0 to 100000.
int LeggiPosizioni(const Argomenti& a);

}  // namespace voro::cli
