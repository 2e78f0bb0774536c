// The linear programs of the thrust lines, in a few free unknowns and many
// rows: the rows for every joint of an arch, and an unknown for each group of
// voussoirs the soil may push back. A program is stated once and solved by
// the fast dense simplex, or by COIN-OR CLP where that fails; no answer
// leaves without its certificate.
#pragma once

#include <array>
#include <vector>

#include "limite/Certificato.h"

namespace voro {

// A bridge of 20 spans: three reaction unknowns a span, the multiplier and
// the soil's ten groups, and the first phase's extra unknown.
inline constexpr int kMaxIncognite = 72;

// The largest reaction a thrust line may take, in units of the total load:
// beyond it the thrust is taken as unbounded (the line straightens out). The
// programs' unknowns are scaled so that none of a line's exceeds it.
inline constexpr double kScatola = 1e6;
using VettoreLP = std::array<double, kMaxIncognite>;

// Fallito: neither solver gave an answer that passes its certificate; the
// program's answer is unknown, never "no point fits".
enum class EsitoLP { Ottimo, Impossibile, Illimitato, Fallito };

// Which solvers a program may use: both in turn (the program's own way), or
// one alone, to compare them.
enum class SceltaSolutori { DensoPoiClp, SoloDenso, SoloClp };

// The answer of one program, certified. At an optimum the basis holds the
// rows that fix the vertex (the hinges of a thrust line) with their dual
// values (the hinge rotations of the mechanism): non-negative, they sum the
// rows to c, and b.y equals c.x (strong duality). When no point fits, the
// rows listed combine, with their non-negative multipliers, into 0 < 0
// (Farkas's proof).
struct SoluzioneLP {
  EsitoLP esito = EsitoLP::Impossibile;
  VettoreLP x{};                          // the optimal vertex; the least infeasible point when Impossibile
  int nBase = 0;                          // how many rows base lists
  std::array<int, kMaxIncognite> base{};  // row indices, in the order of the rows added
  VettoreLP moltiplicatori{};             // dual values of the basic rows (or Farkas's multipliers), >= 0
  VettoreLP raggio{};                     // a direction of unlimited improvement, when Illimitato
  double violazione = 0;                  // Impossibile: the least largest violation (normalised rows)
  double duale = 0;                       // Ottimo: b.y, the bound the multipliers prove
  int iterazioni = 0;
  Solutore solutore = Solutore::Denso;    // the one whose answer passed the certificate
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

  void Solutori(SceltaSolutori s) { scelta_ = s; }

  // Maximises c.x, starting from x0, which need not be feasible (a first
  // phase then minimises the largest violation). The dense simplex first;
  // where it fails or its answer fails the certificate, CLP; Fallito when
  // neither certifies. The optimum is exact up to rounding: a vertex solved
  // from its basis.
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
  SceltaSolutori scelta_ = SceltaSolutori::DensoPoiClp;
};

}  // namespace voro
