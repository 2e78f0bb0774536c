// A chain of voussoirs drawn for paper: where the joints of many voussoirs
// would crowd into a solid band, the two long sides of the chain and only
// the joints that stay apart.
#pragma once

#include <array>
#include <vector>

#include "drawing/Disegno.h"

namespace voro {

// Four corners in the order of a voussoir's: 1 and 2 along one long side,
// 4 and 3 along the other, so that 1-4 and 2-3 are its joints. In a chain,
// the joint 2-3 of each is the joint 1-4 of the next.
struct Quadrilatero {
  std::array<double, 4> x{}, y{};
};

// The joints of the chain to draw: both ends, and between them each joint
// whose middle stands at least minimo from the middle of the last one drawn
// and of the far end. n quads have n + 1 joints.
std::vector<bool> GiuntiDistinti(const std::vector<Quadrilatero>& q, double minimo);

// The long sides of every quad and the joints GiuntiDistinti keeps.
void PlottaCatena(const std::vector<Quadrilatero>& q, double minimo, Disegno& g);

}  // namespace voro
