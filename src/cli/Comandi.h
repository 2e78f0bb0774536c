// The commands of voro-cli and the texts made from them: the usage, the help
// of each command and the version. A new command is a runner file that
// defines its Comando, a declaration below and an entry in the table of
// Comandi.cpp; the usage, "help COMMAND" and the shell completion follow
// from it, and the manual page is checked against it by the tests.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/Comando.h"

namespace voro::cli {

const Comando& ComandoSolve();  // ComandoSolve.cpp
const Comando& ComandoPlot();   // ComandoPlot.cpp
const Comando& ComandoAssess(); // ComandoAssess.cpp
const Comando& ComandoReport(); // ComandoReport.cpp
const Comando& ComandoVehicles(); // ComandoVehicles.cpp
const Comando& ComandoHelp();   // Comandi.cpp

// Every command, in the order the usage lists them.
const std::vector<const Comando*>& Comandi();
// The command of that name; null when there is none.
const Comando* TrovaComando(std::string_view nome);

// The usage of voro-cli: every command's usage lines, the list of commands,
// the conventions shared by all and the exit status.
std::string TestoUso();
// The help of one command: its usage lines, what it does and its options.
std::string TestoAiuto(const Comando& comando);
// The program, its version and what it is.
std::string TestoVersione();

}  // namespace voro::cli
