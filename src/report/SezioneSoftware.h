// The calculation software in the report, as a report signed in Italy must
// describe it: the type of analysis, the program with its version, producer
// and licence, how it is validated, and the engineer's judgement of the
// results beside the checks the program made itself.
#pragma once

#include "limite/Adeguatezza.h"
#include "limite/RisultatiSicurezza.h"
#include "limite/RisultatiVeicolo.h"
#include "report/SezioneRapporto.h"

namespace voro {

class SezioneSoftware : public SezioneRapporto {
 public:
  // The assessment whose certificates the section counts; none when the
  // report has no assessment. All must outlive the document.
  SezioneSoftware(const RisultatiSicurezza* r, const RisultatiVeicolo* veicolo, const Adeguatezza* a)
      : r_(r), v_(veicolo), a_(a) {}
  void Componi(Documento& doc, const NumeriRapporto& num) const override;

 private:
  const RisultatiSicurezza* r_;
  const RisultatiVeicolo* v_;
  const Adeguatezza* a_;
};

}  // namespace voro
