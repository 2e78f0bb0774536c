// voro-cli assess: how safe each project's arch is, by exact limit analysis,
// as a report, JSON or a summary table, with the safety plot and the chart
// of the load sweep.
#pragma once

#include <string>
#include <vector>

namespace voro::cli {

// The usage text of the command, part of voro-cli --help.
extern const char* const kUsageAssess;

// Runs the command; returns the exit status (as solve).
int Assess(const std::vector<std::string>& args, int argc, char** argv);

}  // namespace voro::cli
