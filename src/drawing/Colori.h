// Colour-index numbers of the drawings and their red-green-blue values on
// the screen and the printer.
#pragma once

#include "data/Scalars.h"

namespace voro {

struct Rgb {
  int r, g, b;
};

// The screen colour of a colour index; unknown indices are black.
inline Rgb ColoreIndice(Long indice) {
  switch (indice) {
    case 0: return {255, 255, 255};
    case 1: return {255, 0, 0};
    case 2: return {255, 255, 0};
    case 3: return {0, 255, 0};
    case 4: return {0, 255, 255};
    case 5: return {0, 0, 255};
    case 6: return {255, 0, 255};
    case 8: return {128, 128, 128};
    case 11: return {128, 0, 0};
    case 13: return {0, 192, 0};
    default: return {0, 0, 0};
  }
}

// The colour value red + 256 green + 65536 blue.
inline Long ValoreColore(Rgb c) { return c.r + 256 * c.g + 65536 * c.b; }
inline Rgb ComponentiColore(Long v) { return {v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF}; }

}  // namespace voro
