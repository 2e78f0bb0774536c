// The length tolerance of the current figure and the message sink of the
// geometric procedures.
#pragma once

#include "data/Messages.h"

namespace voro {

struct ContestoGeometrico {
  // The largest dimension of the current figure divided by 1e6; 0 while unset.
  double ZeroMaxDimen = 0;
  Messages* messaggi = nullptr;

  Messages& msg() const { return *messaggi; }
};

inline void ImpostaZeroMaxDimen(ContestoGeometrico& ctx, double valore) { ctx.ZeroMaxDimen = valore; }

}  // namespace voro
