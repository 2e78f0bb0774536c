// voro-cli report: the calculation report of a project as PDF, HTML or text.
#pragma once

#include <string>
#include <vector>

namespace voro::cli {

// Runs the report command; returns the exit status.
int Report(const std::vector<std::string>& args, int argc, char** argv);

// Writes a finished output file: through a temporary file in the same folder,
// renamed over the target only when every byte is written. False with the
// reason when it cannot be written.
bool ScriviUscita(const std::string& percorso, const std::string& byte, std::string& motivo);

}  // namespace voro::cli
