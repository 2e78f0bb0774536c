// The calculation report of one project, and the shorter results report that
// voro-cli solve prints, composed from the same sections.
#pragma once

#include <vector>

#include "report/SezioneRapporto.h"

namespace voro {

// Title block, the sections in testa (the conclusions), input data, model,
// the analysed arch beside the input ring, hypotheses, results, then each
// extra section (the safety assessment and the references, when there are some) and last the drawings of every section:
// the geometry plot, the results plot, then the extra sections' own drawings.
Documento ComponiRapporto(const FontiRapporto& f, const NumeriRapporto& num,
                          const std::vector<const SezioneRapporto*>& aggiunte = {},
                          const std::vector<const SezioneRapporto*>& inTesta = {});

// The results alone: file and project, model and results, no drawings.
Documento ComponiRisultati(const FontiRapporto& f, const NumeriRapporto& num);

}  // namespace voro
