// voro-cli plot: the arch plot of a project written to SVG, PNG, PDF, DXF or
// a CAD drawing.
#pragma once

#include <atomic>
#include <string>
#include <vector>

namespace voro::cli {

// Runs the plot command; returns the exit status.
int Plot(const std::vector<std::string>& args, int argc, char** argv);

}  // namespace voro::cli
