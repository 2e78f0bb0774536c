// The calculation report of one project, and the shorter results report that
// voro-cli solve prints, composed from the same sections.
#pragma once

#include <vector>

#include "report/SezioneRapporto.h"

namespace voro {

// Title block, input data, model, hypotheses, results, then each extra
// section (the safety assessment, when there is one) and last the drawings
// of every section: the geometry plot, the results plot, then the extra
// sections' own drawings.
Documento ComponiRapporto(const FontiRapporto& f, const NumeriRapporto& num,
                          const std::vector<const SezioneRapporto*>& aggiunte = {});

// The results alone: file and project, model and results, no drawings.
Documento ComponiRisultati(const FontiRapporto& f, const NumeriRapporto& num);

}  // namespace voro
