// The geometry form's boxes as texts, and the two conversions between them
// and the project input, so that the form itself does no arithmetic.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "data/DatiProgetto.h"
#include "data/Messages.h"
#include "data/Regional.h"

namespace voro {

// The texts of the geometry form: the title, the data boxes 1..11, the two
// width boxes, the segment count, the four ring boxes, and the segment grid
// (row i at index i - 1, columns 1..6 at indices 1..6).
struct TestiGeometria {
  std::string txtTitolo;
  std::array<std::string, 12> txtDati{};
  std::array<std::string, 2> txtLarg{};
  std::string txtNvori;
  std::array<std::string, 4> txt1Voro{};
  std::vector<std::array<std::string, 7>> griglia;

  // The grid cell of segment row i (1-based) and column c; empty when missing.
  std::string cella(int i, int c) const;
};

// Reads the form into the project in the form's order. Every box must hold a
// number under the settings, and the geometry must be physically possible; the
// first box that fails is reported in one critical message that names its
// quantity (after "Error: Check Geometry"; fewer than one segment has its own
// "Il numero di vori deve essere > 0"), its variable goes into `campo`, and
// the project keeps every earlier value. True when the project was read.
bool LeggeDatiGeom(const TestiGeometria& form, DatiProgetto& d, const Regional& r, Messages& msg,
                   std::string* campo = nullptr);

// Writes the project into the form's texts, after the default rule; fewer than
// one segment shows the message and stops (returns false).
bool ScriveDatiInForm(DatiProgetto& d, StatoInterfaccia& stato, const Regional& r, Messages& msg,
                      TestiGeometria& form);

}  // namespace voro
