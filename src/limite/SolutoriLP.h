// The two solvers behind a linear program and the certificate of their
// answers, on the program's rows as the solvers see them.
#pragma once

#include "limite/ProgrammaLineare.h"

namespace voro {

// m rows a_i.x <= b_i of n coefficients, each row of unit norm.
struct RigheLP {
  const double* a;
  const double* b;
  int m;
  int n;
  const double* riga(int i) const { return a + static_cast<std::ptrdiff_t>(i) * n; }
};

// The dense simplex from x0; the basis in indices of R, the multipliers on
// its unit rows. Raises error 1003 on a singular basis, a first phase
// without a minimum or too many iterations.
SoluzioneLP SimplessoDenso(const RigheLP& R, const VettoreLP& c, const VettoreLP& x0, bool stretto);

// The same program solved by COIN-OR CLP; Fallito when CLP gives no proven
// answer.
SoluzioneLP SimplessoClp(const RigheLP& R, const VettoreLP& c);

// Whether s answers max c.x over R: an optimum within every row (to 1e-9),
// with multipliers >= 0 that sum its rows to c and a dual bound equal to
// c.x; an infeasible program with Farkas's combination of rows; an unbounded
// one with a ray that improves c and leaves every row. Sets s.duale.
bool CertificaLP(const RigheLP& R, const VettoreLP& c, SoluzioneLP& s);

}  // namespace voro
