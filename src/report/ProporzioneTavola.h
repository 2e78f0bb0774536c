// The shape of a printed drawing's box from the extents the drawing took.
#pragma once

#include <algorithm>

namespace voro {

// Height over width of the extents, kept between 0.3 and 1.2 so that a long
// flat arch and a tall narrow one both stay readable; 0.6 for a drawing that
// took no extents.
template <class Tavola>
double ProporzioneTavola(const Tavola& t) {
  const double dx = static_cast<double>(t.xMaxPlt) - t.xMinPlt;
  const double dy = static_cast<double>(t.yMaxPlt) - t.yMinPlt;
  return dx > 0 && dy > 0 ? std::clamp(dy / dx, 0.3, 1.2) : 0.6;
}

}  // namespace voro
