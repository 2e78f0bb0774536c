// One pass of the hinge search over its n x n x n grid, in blocks of lanes on
// one or more threads, choosing exactly the point the plain scan in grid
// order chooses.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include "analysis/GrigliaRicerca.h"
#include "analysis/MiglioreRicerca.h"
#include "analysis/SquadraRicerca.h"
#include "analysis/ValutatorePunto.h"

namespace voro {

// What every pass of one search shares.
struct AmbienteRicerca {
  const ModelloArco* modello = nullptr;
  const ConciRicerca* conci = nullptr;
  double bPrima = 0;                   // the springing section's width, as the plain procedures take it
  Istruzioni set = Istruzioni::Base;
  SquadraRicerca* squadra = nullptr;   // none: the calling thread alone
  std::function<void(int)> passo;      // the caption of outer step i = 2 .. n, in order (1 is the caller's)
  std::function<bool()> fermato;       // the stop command
};

class PassoRicerca {
 public:
  PassoRicerca(const AmbienteRicerca& a, const LineeGriglia& linee);

  // A coarse subgrid first (with the middle point), so that most grid points
  // can be dropped as soon as they can no longer beat it.
  void semina();
  // Seconds per grid point on one thread, measured on pieces spread over the
  // grid, dropping points as the pass does or (senzaLimite) none.
  double campiona(bool senzaLimite);
  // Every grid point; false when stopped (the choice is then the best of the
  // points evaluated so far).
  bool percorri();
  // The chosen grid point (i, j, k from 0), or none when the scan keeps the
  // point it had.
  std::optional<std::array<int, 3>> scelta() const;

 private:
  struct Lavoratore {
    std::vector<double> memoria;
    PuntiCorsie punti;
    EsitiCorsie esiti;
    std::optional<ValutatorePunto> piano;
  };
  struct Pezzo {
    int i = 0;
    std::int64_t r0 = 0, r1 = 0;  // positions in the outer step's n x n points
  };

  bool fermatoOra();
  bool prendi(Pezzo& p);
  void consegna(const MiglioreRicerca& locale);
  void valutaPezzo(Lavoratore& w, const Pezzo& p, MiglioreRicerca& locale);
  void valutaBlocco(Lavoratore& w, const std::int64_t* indici, int conta, MiglioreRicerca& locale);
  bool riempi(PuntiCorsie& p, int l, std::int64_t indice) const;
  Soglia soglia(const MiglioreRicerca& locale, std::int64_t indice) const;
  bool senzaLimite_ = false;

  const AmbienteRicerca& a_;
  const LineeGriglia& linee_;
  const ConciCorsie& c_;
  const int n_;
  const std::int64_t n2_;
  const std::int64_t pezzo_;  // grid points a thread takes at once
  std::vector<Lavoratore> lavoratori_;

  std::mutex m_;
  MiglioreRicerca globale_;
  int i_ = 0;
  std::int64_t r_ = 0;
  std::atomic<bool> fermata_{false};
  // The best merit so far and the first point without fault, read by every
  // thread without the lock.
  std::atomic<bool> haLimite_{false};
  std::atomic<float> limite_{0};
  std::atomic<std::int64_t> primo_{MiglioreRicerca(false).primo()};
};

}  // namespace voro
