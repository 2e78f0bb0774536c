// The vehicle on the bridge: the structure, the axles on the road with their
// loads, each axle's spread through the fill down to the extrados and, when
// given, the collapse thrust line with its four hinges at that position.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "arch/CaricoVeicolo.h"
#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "data/Regional.h"
#include "drawing/Disegno.h"
#include "drawing/Plottaggio.h"
#include "drawing/Tavola.h"
#include "limite/RisultatiSicurezza.h"
#include "limite/RisultatiVeicolo.h"

namespace voro {

// The vehicle at one position and, at collapse, its factor and mechanism.
struct VeicoloInPosizione {
  std::string nome;
  std::vector<ImprontaAsse> assi;
  std::vector<Single> carichi;        // each axle's P [kN]
  bool valutato = false;              // the position was assessed
  std::optional<double> fattore;      // the live-load factor at this position
  std::vector<Cerniera> meccanismo;
  LineaSpinte lineaCollasso;
  // The stretch of road the whole drive covers, spreads included: a drawing
  // fitted to it stays still while the vehicle moves. None: fitted to this position.
  std::optional<std::pair<double, double>> strada;
};

// The vehicle of a sweep at its worst position, with the loads at collapse.
VeicoloInPosizione PosizionePeggiore(const RisultatiVeicolo& r);

// The vehicle's axles on the road: each one's spread through the fill down to
// the extrados, its arrow hFreccia high and its load in text hTesto high.
void PlottaAssi(const ModelloArco& m, const VeicoloInPosizione& v, double hFreccia, double hTesto,
                const Regional& reg, Disegno& g);

class PlottaVeicolo : public TavolaProtetta {
 public:
  PlottaVeicolo(const DatiProgetto& dati, const ModelloArco& modello, const VeicoloInPosizione& veicolo,
                const Regional& regional, Disegno& disegno);

  // The extents of the last drawing.
  Single xMinPlt = 0, xMaxPlt = 0, yMinPlt = 0, yMaxPlt = 0;

 private:
  void disegna() override;

  const DatiProgetto& d_;
  const ModelloArco& m_;
  const VeicoloInPosizione& v_;
  const Regional& reg_;
  Plottaggio finestra_;
};

}  // namespace voro
