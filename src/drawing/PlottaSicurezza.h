// The safety plot: the arch with the thrust line of least eccentricity and
// its contacts, the collapse thrust line at the factored variable load with
// its four hinges (intrados and extrados in their own colours), and a legend
// with the figures. One routine draws on every target.
#pragma once

#include <string>
#include <vector>

#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "data/Regional.h"
#include "drawing/Disegno.h"
#include "drawing/Plottaggio.h"
#include "drawing/Tavola.h"
#include "limite/RisultatiSicurezza.h"

namespace voro {

// Colour-index numbers of the safety plot.
namespace colori_sicurezza {
constexpr Long Minima = 5;       // the thrust line of least eccentricity and its contacts, as the arch plot's thrust line
constexpr Long Collasso = 6;     // the collapse thrust line
constexpr Long Intradosso = 13;  // a hinge at the intrados
constexpr Long Estradosso = 4;   // a hinge at the extrados
}  // namespace colori_sicurezza

// One line of the legend of the safety plot.
struct VoceLegenda;

class PlottaSicurezza : public TavolaProtetta {
 public:
  PlottaSicurezza(const DatiProgetto& dati, const ModelloArco& modello, const RisultatiSicurezza& risultati,
                  const Regional& regional, Disegno& disegno);

  // The extents and text height of the last drawing.
  Single xMinPlt = 0, xMaxPlt = 0, yMinPlt = 0, yMaxPlt = 0;
  Single hTesto = 0;

 private:
  void disegna() override;
  void linea(const LineaSpinte& l);
  void cerniera(const LineaSpinte& l, const Cerniera& c, double r, bool piena);
  // The lines of the legend, in their order.
  std::vector<VoceLegenda> legenda() const;

  const DatiProgetto& d_;
  const ModelloArco& m_;
  const RisultatiSicurezza& r_;
  const Regional& reg_;
  Plottaggio finestra_;
};

}  // namespace voro
