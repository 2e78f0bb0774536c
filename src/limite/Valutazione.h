// The assessment of a project: the voussoirs loaded as the calculation loads
// them, the exact limit analysis under the project's loads, the strip load
// moved across the structure and the least thickness of the ring.
#pragma once

#include <atomic>
#include <functional>

#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "data/Messages.h"
#include "limite/ProgrammaLineare.h"
#include "limite/RisultatiSicurezza.h"

namespace voro {

struct OpzioniSicurezza {
  int nPosizioni = 50;          // positions of the strip load; 0 leaves the sweep out
  bool spessoreMinimo = true;   // search the least thickness
  double passoVeicolo = 0.05;   // the largest step of a vehicle's sweep (m)
  // Called after each step with the steps done and their total.
  std::function<void(int, int)> avanzamento;
  const std::atomic<bool>* stop = nullptr;
  // Both solvers in turn; one alone only to compare them.
  SceltaSolutori solutori = SceltaSolutori::DensoPoiClp;
};

// Assesses the project whose model is assembled in m; leaves m loaded under
// the project's loads. False when stopped through opzioni.stop (r is then
// incomplete). Raises error 1003 after the message "Error: ... in
// ValutaSicurezza" when the calculation fails.
bool ValutaSicurezza(DatiProgetto& d, ModelloArco& m, Messages& msg, const OpzioniSicurezza& opzioni,
                     RisultatiSicurezza& r);

}  // namespace voro
