// Reading a command's options and files: options before, between or after
// the files, "--name value" or "--name=value", "-" as a file, "--" before
// files that begin with a dash.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/Comando.h"

namespace voro::cli {

// The options and files of one command. Empty when the help is asked for
// (-h or --help); raises ErroreUso for an unknown option, a value given to a
// flag or a missing value.
std::optional<Argomenti> LeggiArgomenti(const Comando& comando, const std::vector<std::string>& args);

}  // namespace voro::cli
