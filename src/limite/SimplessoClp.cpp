// The programs handed to COIN-OR CLP, where the dense simplex fails: the same
// rows, the answer read back in the dense simplex's terms (the rows at their
// bound with their multipliers) so that one certificate checks both.
#include <coin/ClpSimplex.hpp>

#include <cmath>
#include <memory>
#include <vector>

#include "limite/SolutoriLP.h"

namespace voro {

namespace {

// The rows, with an extra column -1 in every row when z (the largest
// violation, z >= 0) is an unknown too; the objective as CLP minimises it.
void Carica(ClpSimplex& lp, const RigheLP& R, const std::vector<double>& obiettivo, bool conZ, double lasco = 0) {
  const int n = R.n + (conZ ? 1 : 0);
  std::vector<CoinBigIndex> inizio(static_cast<std::size_t>(n) + 1);
  std::vector<int> indice;
  std::vector<double> valore;
  for (int j = 0; j < n; ++j) {
    inizio[static_cast<std::size_t>(j)] = static_cast<CoinBigIndex>(indice.size());
    for (int i = 0; i < R.m; ++i) {
      const double a = j < R.n ? R.riga(i)[j] : -1;
      if (a == 0) continue;
      indice.push_back(i);
      valore.push_back(a);
    }
  }
  inizio[static_cast<std::size_t>(n)] = static_cast<CoinBigIndex>(indice.size());
  std::vector<double> colMin(static_cast<std::size_t>(n), -COIN_DBL_MAX), colMax(static_cast<std::size_t>(n), COIN_DBL_MAX);
  if (conZ) colMin.back() = 0;
  std::vector<double> rigaMin(static_cast<std::size_t>(R.m), -COIN_DBL_MAX), rigaMax(R.b, R.b + R.m);
  for (double& b : rigaMax) b += lasco;
  lp.loadProblem(n, R.m, inizio.data(), indice.data(), valore.data(), colMin.data(), colMax.data(),
                 obiettivo.data(), rigaMin.data(), rigaMax.data());
  lp.setLogLevel(0);
  // The rows come normalised and the unknowns scaled: CLP's own scaling
  // would only loosen its tolerances on them.
  lp.scaling(0);
  lp.setPrimalTolerance(1e-10);
  lp.setDualTolerance(1e-10);
}

// The rows CLP holds at their bound (its non-basic slacks), with the
// multipliers of a maximisation: the dense simplex's basis.
bool Base(const ClpSimplex& lp, int m, SoluzioneLP& s) {
  const double* duali = lp.dualRowSolution();
  s.nBase = 0;
  for (int i = 0; i < m; ++i) {
    if (lp.getRowStatus(i) == ClpSimplex::basic) continue;
    if (s.nBase >= kMaxIncognite) return false;
    s.base[static_cast<std::size_t>(s.nBase)] = i;
    s.moltiplicatori[static_cast<std::size_t>(s.nBase++)] = -duali[i];
  }
  return true;
}

// The vertex and its multipliers solved afresh from the n rows held at their
// bound, as the dense simplex solves them, so that the answer is exact to
// rounding rather than to CLP's tolerances; false where those rows are not
// n or do not fix a vertex.
bool Rifinisci(const RigheLP& R, const VettoreLP& c, SoluzioneLP& s) {
  const int n = R.n;
  if (s.nBase != n) return false;
  // [A_B | b_B | c] with A_B's rows the basic rows: x = A_B^-1 b_B; y solves
  // A_B^T y = c, from the transposed system.
  double A[kMaxIncognite][kMaxIncognite + 1], T[kMaxIncognite][kMaxIncognite + 1];
  for (int k = 0; k < n; ++k) {
    const double* a = R.riga(s.base[static_cast<std::size_t>(k)]);
    for (int j = 0; j < n; ++j) A[k][j] = a[j], T[j][k] = a[j];
    A[k][n] = R.b[s.base[static_cast<std::size_t>(k)]];
  }
  for (int j = 0; j < n; ++j) T[j][n] = c[static_cast<std::size_t>(j)];
  for (auto* M : {A, T}) {
    for (int col = 0; col < n; ++col) {
      int p = col;
      for (int i = col + 1; i < n; ++i)
        if (std::fabs(M[i][col]) > std::fabs(M[p][col])) p = i;
      if (std::fabs(M[p][col]) < 1e-13) return false;
      for (int j = 0; j <= n; ++j) std::swap(M[p][j], M[col][j]);
      for (int i = 0; i < n; ++i) {
        if (i == col || M[i][col] == 0) continue;
        const double f = M[i][col] / M[col][col];
        for (int j = col; j <= n; ++j) M[i][j] -= f * M[col][j];
      }
    }
  }
  for (int k = 0; k < n; ++k) {
    s.x[static_cast<std::size_t>(k)] = A[k][n] / A[k][k];
    s.moltiplicatori[static_cast<std::size_t>(k)] = T[k][n] / T[k][k];
  }
  return true;
}

// The least largest violation z and the point that reaches it; the rows'
// multipliers at that minimum prove z > 0 when it is.
bool PrimaFase(const RigheLP& R, SoluzioneLP& s, double& z) {
  ClpSimplex lp;
  std::vector<double> obiettivo(static_cast<std::size_t>(R.n) + 1, 0);
  obiettivo.back() = 1;
  Carica(lp, R, obiettivo, true);
  lp.dual();
  if (!lp.isProvenOptimal()) return false;
  const double* x = lp.primalColumnSolution();
  for (int j = 0; j < R.n; ++j) s.x[static_cast<std::size_t>(j)] = x[j];
  z = x[R.n];
  return Base(lp, R.m, s);
}

// The optimum of lp, read back and polished; false where CLP has none.
bool Ottimo(ClpSimplex& lp, const RigheLP& R, const VettoreLP& c, SoluzioneLP& s) {
  if (!lp.isProvenOptimal()) return false;
  // A free unknown CLP left out of its basis leaves too few rows to fix
  // the vertex: its primal simplex takes it in.
  SoluzioneLP prova = s;
  if (Base(lp, R.m, prova) && prova.nBase < R.n) lp.primal(1);
  if (!lp.isProvenOptimal()) return false;
  const double* x = lp.primalColumnSolution();
  for (int j = 0; j < R.n; ++j) s.x[static_cast<std::size_t>(j)] = x[j];
  if (!Base(lp, R.m, s)) return false;
  s.esito = EsitoLP::Ottimo;
  // Kept as CLP gave it where the polished vertex fails its certificate.
  SoluzioneLP esatta = s;
  if (Rifinisci(R, c, esatta) && CertificaLP(R, c, esatta)) s = esatta;
  return true;
}

}  // namespace

SoluzioneLP SimplessoClp(const RigheLP& R, const VettoreLP& c) {
  SoluzioneLP s;
  s.esito = EsitoLP::Fallito;
  s.solutore = Solutore::Clp;
  ClpSimplex lp;
  std::vector<double> obiettivo(static_cast<std::size_t>(R.n));
  for (int j = 0; j < R.n; ++j) obiettivo[static_cast<std::size_t>(j)] = -c[static_cast<std::size_t>(j)];
  Carica(lp, R, obiettivo, false);
  lp.dual();
  if (Ottimo(lp, R, c, s)) return s;
  if (lp.isProvenPrimalInfeasible()) {
    double z = 0;
    if (!PrimaFase(R, s, z)) return s;
    if (z > 1e-9) {
      s.esito = EsitoLP::Impossibile;
      s.violazione = z;
      return s;
    }
    // Out by no more than CLP's own tolerances: the rows eased by that much
    // have an optimum, within the rows as they are to 1e-9.
    ClpSimplex lasco;
    Carica(lasco, R, obiettivo, false, 2 * std::max(z, 0.0));
    lasco.dual();
    Ottimo(lasco, R, c, s);
    return s;
  }
  if (lp.isProvenDualInfeasible()) {
    // A point within the rows, and the direction CLP's primal simplex found
    // unbounded from it.
    double z = 0;
    SoluzioneLP dentro;
    if (!PrimaFase(R, dentro, z) || z > 1e-9) return s;
    lp.primal();
    const std::unique_ptr<double[]> raggio(lp.unboundedRay());
    if (!raggio) return s;
    s.x = dentro.x;
    s.nBase = 0;
    for (int j = 0; j < R.n; ++j) s.raggio[static_cast<std::size_t>(j)] = raggio[static_cast<std::size_t>(j)];
    s.esito = EsitoLP::Illimitato;
  }
  return s;
}

}  // namespace voro
