// The arch plot: voussoirs, walls, fill, slab and plan view in geometry mode,
// the variable load in loads mode, and in results mode the hinges, the thrust
// line, the reactions, the force arrows and the exploded view with the
// stress diagrams. One routine draws on every target.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "analysis/RisultatiCalcolo.h"
#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "data/Regional.h"
#include "drawing/Disegno.h"
#include "drawing/Plottaggio.h"
#include "drawing/Tavola.h"
#include "drawing/VeicoloSullaStrada.h"

namespace voro {

// The view flags: discretisation, vertical forces, horizontal forces,
// resultants, white background.
using FlagVista = std::array<bool, 6>;

class PlottaArco : public Tavola {
 public:
  PlottaArco(const DatiProgetto& dati, const ModelloArco& modello, const RisultatiCalcolo& risultati,
             const Regional& regional, Disegno& disegno);

  // 0 results of a calculation (of a bridge: 2 and a note), 1 geometry only,
  // 2 geometry with loads.
  int PlottaGeometria = 0;
  FlagVista Visualizza{};
  // The least distance between the joints drawn, as a part of the drawing's
  // width: a ring of many voussoirs (its walls, plan and exploded view alike)
  // then shows its long sides and only the joints that stay apart. 0 draws
  // every joint.
  double DistanzaGiunti = 0;
  // Dimensions and a scale bar on the elevation (the geometry modes), for paper.
  bool Quote = false;
  // The project's vehicle on the road, drawn with the loads (loads and
  // results modes) and named with its position under the title.
  std::optional<VeicoloSullaStrada> Veicolo;

  // The whole drawing on the target; any run-time error shows "Error in
  // PlottaVoro" and ends the drawing (false), leaving what was drawn.
  bool PlottaVoro(const std::string& destinazione, Superficie* superficie, ContenitoreCad* blocco = nullptr) override;

  // The extents and text height of the last drawing.
  Single xMinPlt = 0, xMaxPlt = 0, yMinPlt = 0, yMaxPlt = 0;
  Single hTesto = 0;
  const Plottaggio& finestra() const { return FinestraPlt; }

  // The largest non-negative stress of two per-joint arrays (flag: found in
  // the first); -1e20 when there is none.
  static double MassimoTensioni(int n, const Array1<Single>& A, const Array1<Single>& B, bool& primo);

 private:
  void PltInizializza(double x1, double x2, double y1, double y2, Single offset);
  void disegna();
  // The least distance between drawn joints in drawing units; 0: every joint.
  double DistanzaMinima() const;
  // Voussoirs 1..n of the elevation, every joint or only those apart.
  void PlottaElevazione(const Array1<Concio>& conci, int n);
  void PlottaQ(double h, double t);
  // The vehicle's axles and their spread, arrows hFreccia high.
  void PlottaAssiVeicolo(double hFreccia);
  void VisualizzaDiscretizzazione(double h);
  void PlottaMuri();
  void PlottaLuce(double x1, double x2, double y);
  void PlottaPianta(double yA);
  void ForzeConci();
  void EsplosoVoro(double y0, double r);
  void DiagrammaSigma(double y0, double m, const std::vector<double>& X);
  void testoGreco(double x, double y, const std::string& lettera, const std::string& resto);

  const DatiProgetto& d_;
  const ModelloArco& m_;
  const RisultatiCalcolo& r_;
  const Regional& reg_;
  Disegno& g_;
  Plottaggio FinestraPlt;
  int modo_ = 0;  // the mode drawn: a bridge's results are drawn as its loads
  std::string DestinazionePlt;
  Superficie* SuperficiePlt = nullptr;
  ContenitoreCad* BloccoPlt = nullptr;
  Single DimFreccia = 0;
  Single ScalaForze = 0;
};

}  // namespace voro
