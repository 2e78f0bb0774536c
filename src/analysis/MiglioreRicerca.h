// The choice of the hinge search among grid points evaluated in any order
// and by several threads: the point the scan in grid order chooses.
#pragma once

#include <cstdint>
#include <limits>
#include <optional>

#include "data/Scalars.h"

namespace voro {

// The scan in grid order keeps the best merit: any admissible point (F >= 0)
// beats every inadmissible one; among admissible points the smallest stress
// merit or the largest distance merit wins, ties going to the later point;
// among inadmissible ones the least negative wins, ties keeping the earlier
// point; and the first point without fault only sets the best, so that it is
// taken only when admissible. That is a total order of the points, by merit
// and then by grid position, plus that one rule for the first point.
class MiglioreRicerca {
 public:
  explicit MiglioreRicerca(bool massimo) : massimo_(massimo) {}

  // Whether merit a is strictly worse than merit b, whatever the positions.
  static bool peggiore(Single a, Single b, bool massimo) {
    if ((a >= 0) != (b >= 0)) return a < 0;
    if (a >= 0 && !massimo) return a > b;
    return a < b;
  }

  // A grid point without fault, by its position in grid order.
  void proponi(Single F, std::int64_t indice) {
    if (indice < primo_) primo_ = indice;
    if (!ha_ || meglio(F, indice)) {
      ha_ = true;
      F_ = F;
      indice_ = indice;
    }
  }

  // The points of another part of the grid.
  void unisci(const MiglioreRicerca& altro) {
    if (altro.ha_) proponi(altro.F_, altro.indice_);
    if (altro.primo_ < primo_) primo_ = altro.primo_;
  }

  bool haPunti() const { return ha_; }
  Single merito() const { return F_; }
  // The position of the first point without fault (the largest integer when none).
  std::int64_t primo() const { return primo_; }

  // The point the scan takes; none when it keeps the point it had before: no
  // point without fault, or an inadmissible best that is the first point.
  std::optional<std::int64_t> scelta() const {
    if (!ha_ || (F_ < 0 && indice_ == primo_)) return std::nullopt;
    return indice_;
  }

 private:
  bool meglio(Single F, std::int64_t indice) const {
    if (peggiore(F_, F, massimo_)) return true;
    if (peggiore(F, F_, massimo_)) return false;
    return F >= 0 ? indice > indice_ : indice < indice_;
  }

  bool massimo_;
  bool ha_ = false;
  Single F_ = 0;
  std::int64_t indice_ = 0;
  std::int64_t primo_ = std::numeric_limits<std::int64_t>::max();
};

}  // namespace voro
