// The three forms of the command line's output: the report an engineer
// reads, the JSON object for scripts and the one-row-per-project summary.
#pragma once

#include <ostream>
#include <vector>

#include "cli/Soluzione.h"
#include "report/SezioneRapporto.h"

namespace voro::cli {

// The report: model, eccentricities used, sections, worst values, reactions,
// tie thrust and wall actions; numbers with the point.
void ScriviRapporto(std::ostream& out, const Soluzione& s);

// What the calculation report reads of a solution: the model unless the
// geometry failed, the results when solved.
FontiRapporto FontiDaSoluzione(const Soluzione& s);

// One JSON object with the results under the system's own names, or
// {"error": ..., "number": ...} for a project that failed.
void ScriviJson(std::ostream& out, const Soluzione& s, int indent = 0);

// The summary table: a header and one row per project.
void ScriviCsv(std::ostream& out, const std::vector<Soluzione>& soluzioni);

}  // namespace voro::cli
