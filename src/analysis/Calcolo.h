// One calculation of an assembled arch model: loads, hinges, the three-hinged
// thrust line, joint stresses, worst values, reactions and the hinge search.
#pragma once

#include <atomic>
#include <memory>
#include <optional>

#include "analysis/CorsieRicerca.h"
#include "analysis/GrigliaRicerca.h"
#include "analysis/OsservatoreRicerca.h"
#include "analysis/RisultatiCalcolo.h"
#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "data/Messages.h"

namespace voro {

// The steps of the search grid for the joint depths hSinistra, hChiave,
// hDestra widened by t: point count n (odd), starts s, steps p and the half
// count; returns the precision of the fine pass (m), 0 when nDivisioni <= 0
// (the outputs are then left untouched). nDivisioni below 2 becomes 2.
Single PassiRicerca(Integer& nDivisioni, Single hSinistra, Single hChiave, Single hDestra, double t, Integer& n,
                    Single& s1, Single& s2, Single& s3, Single& p1, Single& p2, Single& p3, Integer& half);

// How the hinge search runs: its threads, a flag that stops it without being
// cleared (a whole batch's interruption), the instruction set of its lanes.
struct OpzioniRicerca {
  unsigned thread = 0;  // 0: every core
  // Voussoir evaluations of a pass below which one thread ends it sooner
  // than a second one starts.
  double lavoroParallelo = 2e6;
  const std::atomic<bool>* interruzione = nullptr;
  std::optional<Istruzioni> istruzioni;  // none: the fastest this processor runs
};

class Calcolo {
 public:
  // stop: the flag the Stop command sets; the search clears it when it starts.
  Calcolo(DatiProgetto& d, ModelloArco& m, RisultatiCalcolo& r, Messages& msg,
          OsservatoreRicerca* osservatore = nullptr, std::atomic<bool>* stop = nullptr);

  void ImpostaRicerca(const OpzioniRicerca& o) { opzioni_ = o; }

  // The whole calculation; any run-time error shows "Error: ... in
  // CalcoloMain" (except 1002) and raises error 1003.
  void CalcoloMain();

  // Sums of the vertical loads and of the passive pressures of the two groups.
  void SommaForze(double& sV, double& sHs, double& sHd) const;
  // The three hinges at eccentricities e1 (left), e2 (crown), e3 (right).
  void PosizionaCerniere(double e1, double e2, double e3);
  // Moments of all loads about the crown and the right hinge.
  void SommaMomentiCerniere(double& M2v, double& M2h, double& M3v, double& M3h) const;
  // The force of the left support on the arch.
  void ReazioniCerniere(double& V, double& H) const;
  // Carries the thrust line from hinge 1 through every joint.
  void Funicolare(double V, double H);

  // Edge stresses of every joint for the current thrust line.
  void TensioniGiunti(double e1, double& perc1, double& tau1);
  // All four per-joint result arrays.
  void RisultatiGiunti(double e1);
  // Worst stresses and smallest compressed percentage with their joints.
  void RisultatiPeggioriCalcola();
  // Moments of the passive pressures about the wall bases yL and yR.
  void SommaMomentiPareti(double yL, double yR, double& ML, double& MR) const;

  // The hinge search: the best eccentricities into e1, e2, e3 (kept when no
  // grid point qualifies).
  void CercaCerniereOttime(double& e1, double& e2, double& e3);
  // The extra search width when the centred thrust line leaves the arch.
  double AmpiezzaExtra();
  // Largest excursions of the thrust line beyond the intrados and the extrados.
  double DistanzeMassime() const;
  // One exhaustive pass over n x n x n eccentricities from a with steps p:
  // the point the scan in grid order takes (b kept when it takes none);
  // false when the stop flag ended it early.
  bool RicercaGriglia(Single a1, Single a2, Single a3, Single p1, Single p2, Single p3, Integer n, double& b1,
                      double& b2, double& b3, double k0);
  // The loaded voussoirs as the search's lanes read them.
  ConciRicerca ConciPerRicerca();
  // The grid lines of one pass: the eccentricities by repeated addition of
  // the steps, the hinge points and the load moments about them.
  LineeGriglia LineePasso(Single a1, Single a2, Single a3, Single p1, Single p2, Single p3, Integer n);
  // Figure of merit of the current thrust line and the joint that decides it.
  void ValutaCurva(double e1, Single& F, Integer& j);
  // The distance merit: the smallest distance of the thrust line from an edge.
  void DistanzaMinimaBordi(double e1, Single& F, Integer& j) const;

 private:
  struct StatoRicerca;
  bool fermato() const {
    return (stop_ && stop_->load(std::memory_order_relaxed)) ||
           (opzioni_.interruzione && opzioni_.interruzione->load(std::memory_order_relaxed));
  }
  double bSezPrimaSezione();
  std::unique_ptr<StatoRicerca> preparaRicerca(Integer n);
  // One pass with the search's threads; false when the stop flag ended it early.
  bool passoGriglia(StatoRicerca& s, Single a1, Single a2, Single a3, Single p1, Single p2, Single p3, Integer n,
                    double& b1, double& b2, double& b3, double k0, bool stima);

  DatiProgetto& d_;
  ModelloArco& m_;
  RisultatiCalcolo& r_;
  Messages& msg_;
  OsservatoreRicerca* osservatore_;
  std::atomic<bool>* stop_;
  OpzioniRicerca opzioni_;
};

}  // namespace voro
