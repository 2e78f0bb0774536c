// The simplex on the dual of a program in few unknowns: every basis is a set
// of active rows, one per unknown, and a step exchanges one of them.
#include "limite/SolutoriLP.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "data/RuntimeError.h"
#include "data/Traduzioni.h"

namespace voro {

namespace {

constexpr int K = kMaxIncognite;
constexpr double kPivot = 1e-11;     // a_i.p below this does not block a step along the unit direction p
constexpr double kDuale = 1e-12;     // a dual value below -kDuale still improves the objective
constexpr double kHarris = 1e-11;    // slack the ratio test may spend to pick a larger pivot
constexpr double kFattibile = 1e-11;  // the largest violation of a point taken as feasible
constexpr int kBlandDopo = 30;       // degenerate steps in a row before Bland's rule keeps off cycling

using Matrice = std::array<VettoreLP, K>;

// The rows of one program, with the slack its ratio test may spend.
struct Righe : RigheLP {
  double harris;  // slack the ratio test may spend, kHarris or 0
};

double prodotto(const double* a, const double* x, int d) {
  double s = 0;
  for (int j = 0; j < d; ++j) s += a[j] * x[j];
  return s;
}

void normalizza(double* v, int d) {
  const double n = std::sqrt(prodotto(v, v, d));
  if (n > 0)
    for (int j = 0; j < d; ++j) v[j] /= n;
}

// The reason whole, so that it reads in the user's language where it is shown.
[[noreturn]] void nonConverge(const char* perche) { throw RuntimeError(err::CalculationFailed, perche); }

// The inverse of the matrix of the basic rows (row k = row base[k]), by
// Gauss-Jordan with partial pivoting; false when it is singular.
bool inverti(const Righe& R, const std::array<int, K>& base, Matrice& inv) {
  const int d = R.n;
  // Only the d x d corner is read: no need to clear the whole of a matrix
  // sized for the largest bridge.
  Matrice M;
  for (int i = 0; i < d; ++i) {
    const double* a = R.riga(base[static_cast<std::size_t>(i)]);
    for (int j = 0; j < d; ++j) M[i][j] = a[j], inv[i][j] = 0;
    inv[i][i] = 1;
  }
  for (int c = 0; c < d; ++c) {
    int p = c;
    for (int r = c + 1; r < d; ++r)
      if (std::fabs(M[r][c]) > std::fabs(M[p][c])) p = r;
    if (std::fabs(M[p][c]) < 1e-13) return false;
    std::swap(M[p], M[c]);
    std::swap(inv[p], inv[c]);
    const double piv = M[c][c];
    for (int j = 0; j < d; ++j) {
      M[c][j] /= piv;
      inv[c][j] /= piv;
    }
    for (int r = 0; r < d; ++r) {
      if (r == c || M[r][c] == 0) continue;
      const double f = M[r][c];
      for (int j = 0; j < d; ++j) {
        M[r][j] -= f * M[c][j];
        inv[r][j] -= f * inv[c][j];
      }
    }
  }
  return true;
}

// D, the number of unknowns, is fixed at compile time so that the products
// over the rows, where the time goes, unroll; D = 0 takes it from the rows.
template <int D>
class Simplesso {
 public:
  Simplesso(const Righe& R, const VettoreLP& c)
      : R_(R), c_(c), ap_(static_cast<std::size_t>(R.m)), sl_(static_cast<std::size_t>(R.m)),
        inBase_(static_cast<std::size_t>(R.m), 0), vietato_(static_cast<std::size_t>(R.m), 0) {
    candidati_.reserve(static_cast<std::size_t>(R.m));
  }

  // From the feasible point x: first to a vertex (each step follows the
  // objective within the rows met so far, or any free direction when the
  // objective gives none), then from vertex to vertex.
  EsitoLP esegui(VettoreLP& x, std::array<int, K>& base, VettoreLP& y, VettoreLP& raggio, int& iterazioni) {
    const int d = dim();
    for (int i = 0; i < R_.m; ++i) sl_[static_cast<std::size_t>(i)] = R_.b[i] - prodotto(R_.riga(i), x.data(), d);
    nBase_ = 0;
    Matrice Q{};  // orthonormal basis of the rows met
    while (nBase_ < d) {
      VettoreLP p = c_;
      for (int k = 0; k < nBase_; ++k) proietta(p, Q[k]);
      bool neutra = std::sqrt(prodotto(p.data(), p.data(), d)) <= 1e-12 * (1 + std::sqrt(prodotto(c_.data(), c_.data(), d)));
      if (neutra) {
        double migliore = -1;
        for (int j = 0; j < d; ++j) {
          VettoreLP e{};
          e[j] = 1;
          for (int k = 0; k < nBase_; ++k) proietta(e, Q[k]);
          const double n = prodotto(e.data(), e.data(), d);
          if (n > migliore) migliore = n, p = e;
        }
      }
      normalizza(p.data(), d);
      double t = 0;
      VettoreLP q{};
      int r = -1;
      // The first row met, unless it (nearly) depends on the rows met so far:
      // such a row would leave the vertex's basis singular.
      while (true) {
        r = rapporto(p, false, t);
        if (r < 0) {
          if (!neutra) {
            raggio = p;
            return EsitoLP::Illimitato;
          }
          for (int j = 0; j < d; ++j) p[j] = -p[j];
          neutra = false;
          libera();
          r = rapporto(p, false, t);
          if (r < 0) nonConverge(VORO_NOOP("Voro", "Analisi limite: le righe non fissano tutte le incognite"));
        }
        if (indipendente(r, Q, q)) break;
        // Many chords of one joint lie nearly parallel: the rows met in
        // order of distance, the first independent one taken.
        r = primaIndipendente(Q, q, t);
        if (r >= 0) break;
        for (const int i : candidati_) vieta(i);
      }
      libera();
      passo(x, p, t);
      base[static_cast<std::size_t>(nBase_)] = r;
      inBase_[static_cast<std::size_t>(r)] = 1;
      normalizza(q.data(), d);
      Q[nBase_++] = q;
    }

    int degeneri = 0;
    bool bland = false;
    // A vertex of d rows is reached in a few times d exchanges; a program
    // that takes many more is cycling, and CLP takes it over.
    const int limite = 100 + 20 * R_.n;
    Matrice inv{};
    int uscita = -1, entrata = -1;  // the last exchange: position q in the basis, the row that came in
    int uscitaRiga = -1;
    for (iterazioni = 0; iterazioni < limite; ++iterazioni) {
      if (!inverti(R_, base, inv)) {
        // A degenerate vertex may offer a row that depends on the others (a
        // joint with no normal force bounds its moment and its shear alike):
        // undo the exchange and keep that row out of the next ratio test.
        if (uscita < 0) nonConverge(VORO_NOOP("Voro", "Analisi limite: base singolare"));
        inBase_[static_cast<std::size_t>(entrata)] = 0;
        inBase_[static_cast<std::size_t>(uscitaRiga)] = 1;
        base[static_cast<std::size_t>(uscita)] = uscitaRiga;
        vieta(entrata);
        if (!inverti(R_, base, inv)) nonConverge(VORO_NOOP("Voro", "Analisi limite: base singolare"));
      } else {
        libera();
      }
      // The vertex solved from its rows, so that no drift accumulates.
      VettoreLP xv{};
      for (int i = 0; i < d; ++i)
        for (int k = 0; k < d; ++k) xv[i] += inv[i][k] * R_.b[base[static_cast<std::size_t>(k)]];
      x = xv;
      for (int k = 0; k < d; ++k) {
        double s = 0;
        for (int i = 0; i < d; ++i) s += inv[i][k] * c_[i];
        y[k] = s;
      }
      int q = -1;
      for (int k = 0; k < d; ++k) {
        if (y[k] >= -kDuale) continue;
        if (q < 0 || (bland ? base[static_cast<std::size_t>(k)] < base[static_cast<std::size_t>(q)] : y[k] < y[q])) q = k;
      }
      if (q < 0) return EsitoLP::Ottimo;
      VettoreLP p{};
      for (int i = 0; i < d; ++i) p[i] = -inv[i][q];
      normalizza(p.data(), d);
      if (iterazioni % 16 == 0)
        for (int i = 0; i < R_.m; ++i) sl_[static_cast<std::size_t>(i)] = R_.b[i] - prodotto(R_.riga(i), x.data(), d);
      double t = 0;
      const int r = rapporto(p, bland, t);
      if (r < 0) {
        raggio = p;
        return EsitoLP::Illimitato;
      }
      passo(x, p, t);
      uscita = q, entrata = r, uscitaRiga = base[static_cast<std::size_t>(q)];
      inBase_[static_cast<std::size_t>(base[static_cast<std::size_t>(q)])] = 0;
      inBase_[static_cast<std::size_t>(r)] = 1;
      base[static_cast<std::size_t>(q)] = r;
      degeneri = t <= 1e-13 ? degeneri + 1 : 0;
      if (degeneri > kBlandDopo) bland = true;
    }
    nonConverge(VORO_NOOP("Voro", "Analisi limite: troppe iterazioni del simplesso"));
  }

 private:
  int dim() const { return D > 0 ? D : R_.n; }

  void proietta(VettoreLP& v, const VettoreLP& q) const {
    const double s = prodotto(v.data(), q.data(), R_.n);
    for (int j = 0; j < R_.n; ++j) v[j] -= s * q[j];
  }

  // The first row met along p from x (Harris's two passes: the largest
  // pivot among the rows met within a small slack); -1 when none is met.
  int rapporto(const VettoreLP& p, bool bland, double& t) {
    double tMax = std::numeric_limits<double>::infinity();
    candidati_.clear();
    for (int i = 0; i < R_.m; ++i) {
      const double* a = R_.riga(i);
      double ap = 0;
      for (int j = 0; j < dim(); ++j) ap += a[j] * p[j];
      ap_[static_cast<std::size_t>(i)] = ap;
      if (ap > kPivot && !inBase_[static_cast<std::size_t>(i)] &&
          !vietato_[static_cast<std::size_t>(i)]) {
        const double s = std::max(sl_[static_cast<std::size_t>(i)], 0.0);
        tMax = std::min(tMax, (s + R_.harris) / ap);
        candidati_.push_back(i);
      }
    }
    if (candidati_.empty()) return -1;
    int r = -1;
    double tMin = std::numeric_limits<double>::infinity();
    for (const int i : candidati_) {
      const double ap = ap_[static_cast<std::size_t>(i)];
      const double ti = std::max(sl_[static_cast<std::size_t>(i)], 0.0) / ap;
      if (ti > tMax) continue;
      if (bland) {
        if (ti < tMin - 1e-15) tMin = ti, r = i;
      } else if (r < 0 || ap > ap_[static_cast<std::size_t>(r)]) {
        r = i;
      }
    }
    t = std::max(sl_[static_cast<std::size_t>(r)], 0.0) / ap_[static_cast<std::size_t>(r)];
    return r;
  }

  // Whether row r is independent of the rows met (the orthonormal Q), with
  // its part orthogonal to them in q.
  bool indipendente(int r, const Matrice& Q, VettoreLP& q) const {
    const double* a = R_.riga(r);
    for (int j = 0; j < dim(); ++j) q[j] = a[j];
    for (int k = 0; k < nBase_; ++k) proietta(q, Q[k]);
    return std::sqrt(prodotto(q.data(), q.data(), dim())) > 1e-9;
  }

  // The nearest row of the last ratio test that is independent of the rows
  // met, and its distance t; -1 when none is.
  int primaIndipendente(const Matrice& Q, VettoreLP& q, double& t) {
    std::vector<std::pair<double, int>> ordine;
    ordine.reserve(candidati_.size());
    for (const int i : candidati_)
      ordine.push_back({std::max(sl_[static_cast<std::size_t>(i)], 0.0) / ap_[static_cast<std::size_t>(i)], i});
    std::sort(ordine.begin(), ordine.end());
    for (const auto& [ti, i] : ordine)
      if (indipendente(i, Q, q)) {
        t = ti;
        return i;
      }
    return -1;
  }

  void vieta(int r) {
    vietati_.push_back(r);
    vietato_[static_cast<std::size_t>(r)] = 1;
  }
  void libera() {
    for (const int r : vietati_) vietato_[static_cast<std::size_t>(r)] = 0;
    vietati_.clear();
  }

  void passo(VettoreLP& x, const VettoreLP& p, double t) {
    for (int j = 0; j < dim(); ++j) x[j] += t * p[j];
    for (int i = 0; i < R_.m; ++i) sl_[static_cast<std::size_t>(i)] -= t * ap_[static_cast<std::size_t>(i)];
  }

  const Righe& R_;
  VettoreLP c_;
  std::vector<double> ap_, sl_;
  std::vector<char> inBase_;  // whether each row is in the basis
  std::vector<int> candidati_;  // the rows a step meets
  std::vector<int> vietati_;    // rows that made the basis singular at this vertex
  std::vector<char> vietato_;   // the same, by row, so that the ratio test asks in one step
  int nBase_ = 0;
};

EsitoLP simplesso(const Righe& R, const VettoreLP& c, VettoreLP& x, std::array<int, K>& base, VettoreLP& y,
                  VettoreLP& raggio, int& iterazioni) {
  switch (R.n) {
    case 1: return Simplesso<1>(R, c).esegui(x, base, y, raggio, iterazioni);
    case 2: return Simplesso<2>(R, c).esegui(x, base, y, raggio, iterazioni);
    case 3: return Simplesso<3>(R, c).esegui(x, base, y, raggio, iterazioni);
    case 4: return Simplesso<4>(R, c).esegui(x, base, y, raggio, iterazioni);
    case 5: return Simplesso<5>(R, c).esegui(x, base, y, raggio, iterazioni);
    case 6: return Simplesso<6>(R, c).esegui(x, base, y, raggio, iterazioni);
    // The reaction and the multiplier with the soil's groups (up to 11 at
    // the most the statics makes), and the first phase's extra unknown.
    case 7: return Simplesso<7>(R, c).esegui(x, base, y, raggio, iterazioni);
    case 8: return Simplesso<8>(R, c).esegui(x, base, y, raggio, iterazioni);
    case 9: return Simplesso<9>(R, c).esegui(x, base, y, raggio, iterazioni);
    case 10: return Simplesso<10>(R, c).esegui(x, base, y, raggio, iterazioni);
    case 11: return Simplesso<11>(R, c).esegui(x, base, y, raggio, iterazioni);
    case 12: return Simplesso<12>(R, c).esegui(x, base, y, raggio, iterazioni);
    case 13: return Simplesso<13>(R, c).esegui(x, base, y, raggio, iterazioni);
    case 14: return Simplesso<14>(R, c).esegui(x, base, y, raggio, iterazioni);
    case 15: return Simplesso<15>(R, c).esegui(x, base, y, raggio, iterazioni);
    default: return Simplesso<0>(R, c).esegui(x, base, y, raggio, iterazioni);
  }
}

}  // namespace

SoluzioneLP SimplessoDenso(const RigheLP& righe, const VettoreLP& c, const VettoreLP& x0, bool stretto) {
  SoluzioneLP s;
  const int m = righe.m, n = righe.n;
  VettoreLP x{};
  for (int j = 0; j < n; ++j) x[j] = x0[j];
  double v0 = -std::numeric_limits<double>::infinity();
  for (int i = 0; i < m; ++i) v0 = std::max(v0, prodotto(righe.a + static_cast<std::ptrdiff_t>(i) * n, x.data(), n) - righe.b[i]);
  if (v0 > kFattibile) {
    // First phase: the least largest violation z, over (x, z) with z >= 0.
    // Its dual values on the rows, times k, combine them into 0 <= -z: the
    // proof that no point fits when z stays positive.
    const int d = n + 1;
    std::vector<double> A(static_cast<std::size_t>(m + 1) * d), b(static_cast<std::size_t>(m + 1));
    const double k = 1 / std::sqrt(2.0);
    for (int i = 0; i < m; ++i) {
      for (int j = 0; j < n; ++j) A[static_cast<std::size_t>(i * d + j)] = righe.a[static_cast<std::size_t>(i * n + j)] * k;
      A[static_cast<std::size_t>(i * d + n)] = -k;
      b[static_cast<std::size_t>(i)] = righe.b[static_cast<std::size_t>(i)] * k;
    }
    A[static_cast<std::size_t>(m * d + n)] = -1;
    const Righe R{{A.data(), b.data(), m + 1, d}, stretto ? 0.0 : kHarris};
    VettoreLP c1{};
    c1[n] = -1;
    VettoreLP x1 = x;
    x1[n] = v0;
    VettoreLP y{}, raggio{};
    std::array<int, K> base{};
    if (simplesso(R, c1, x1, base, y, raggio, s.iterazioni) != EsitoLP::Ottimo)
      nonConverge(VORO_NOOP("Voro", "Analisi limite: la prima fase del simplesso non ha un minimo"));
    if (x1[n] > kFattibile) {
      s.esito = EsitoLP::Impossibile;
      for (int j = 0; j < n; ++j) s.x[j] = x1[j];
      s.violazione = x1[n];
      for (int q = 0; q < d; ++q) {
        if (base[static_cast<std::size_t>(q)] == m) continue;
        s.base[static_cast<std::size_t>(s.nBase)] = base[static_cast<std::size_t>(q)];
        s.moltiplicatori[static_cast<std::size_t>(s.nBase++)] = y[q] * k;
      }
      return s;
    }
    for (int j = 0; j < n; ++j) x[j] = x1[j];
  }
  const Righe R{{righe.a, righe.b, m, n}, stretto ? 0.0 : kHarris};
  int iter = 0;
  std::array<int, K> base{};
  VettoreLP y{};
  s.esito = simplesso(R, c, x, base, y, s.raggio, iter);
  s.iterazioni += iter;
  s.x = x;
  if (s.esito == EsitoLP::Ottimo) {
    s.nBase = n;
    s.base = base;
    s.moltiplicatori = y;
  }
  return s;
}

}  // namespace voro
