// A dense simplex for linear programs in a few free unknowns and many rows:
// the thrust-line problems of an arch, rows for every joint, and an unknown
// for each group of voussoirs the soil may push back.
#pragma once

#include <array>
#include <vector>

namespace voro {

inline constexpr int kMaxIncognite = 16;
using VettoreLP = std::array<double, kMaxIncognite>;

enum class EsitoLP { Ottimo, Impossibile, Illimitato };

// The answer of one program. At an optimum the basis holds one row per
// unknown: the rows that fix the vertex (the hinges of a thrust line), with
// their dual values, which are the hinge rotations of the mechanism.
struct SoluzioneLP {
  EsitoLP esito = EsitoLP::Impossibile;
  VettoreLP x{};                          // the optimal vertex; the least infeasible point when Impossibile
  std::array<int, kMaxIncognite> base{};  // row indices, in the order of the rows added
  VettoreLP moltiplicatori{};             // dual values of the basic rows, >= 0 at an optimum
  VettoreLP raggio{};                     // a direction of unlimited improvement, when Illimitato
  double violazione = 0;                  // Impossibile: the least largest violation (normalised rows)
  int iterazioni = 0;
};

// maximise c.x subject to a_i.x <= b_i, x free. Rows are normalised on entry,
// so feasibility is measured as a distance in the caller's (scaled) unknowns:
// the caller scales the unknowns to be of order one.
class ProgrammaLineare {
 public:
  explicit ProgrammaLineare(int nIncognite);

  int nIncognite() const { return n_; }
  int nRighe() const { return static_cast<int>(b_.size()); }

  // Adds the row a.x <= b (a holds nIncognite coefficients) and returns its
  // index. A zero row holds when b >= 0 and makes the program infeasible
  // otherwise.
  int Riga(const double* a, double b);
  void Svuota();
  // Room for this many rows, so that adding them allocates nothing more.
  void Riserva(int righe);
  // Whether the ratio test always takes the first row met. By default it may
  // pass a row by 1e-11 to pivot on a steeper one; near a hinge of finite
  // strength the chords differ by less than that, and the row passed would
  // stay broken, putting the line outside the strength domain.
  void RapportoStretto(bool stretto) { stretto_ = stretto; }

  // Maximises c.x, starting from x0, which need not be feasible (a first
  // phase then minimises the largest violation). The optimum is exact up to
  // rounding: a vertex solved from its basis.
  SoluzioneLP Massimizza(const VettoreLP& c, const VettoreLP& x0) const;

  // Largest violation a_i.x - b_i over the rows (normalised), 0 or less when feasible.
  double Violazione(const VettoreLP& x) const;

 private:
  int n_;
  std::vector<double> a_;  // row-major, n_ per row, unit norm
  std::vector<double> b_;
  std::vector<double> norme_;  // norm of each row as given
  std::vector<int> indice_;  // caller's index of each kept row
  int nRigheChiamante_ = 0;
  bool impossibile_ = false;  // a zero row with negative right side
  bool stretto_ = false;      // no slack in the ratio test
};

}  // namespace voro
