// Each span of a bridge solved alone on rigid springings: the three hinges
// belong to one ring, so the report gives them span by span.
#pragma once

#include <string>
#include <vector>

#include "analysis/RisultatiCalcolo.h"
#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"

namespace voro {

struct CampataRisolta {
  int campata = 1;
  DatiProgetto dati;
  ModelloArco modello;
  RisultatiCalcolo risultati;
  bool risolta = false;
  std::string errore;  // why the span has no results
};

// Every span of the bridge d, each as its own project; empty for a single arch.
std::vector<CampataRisolta> RisolviCampate(const DatiProgetto& d);

}  // namespace voro
