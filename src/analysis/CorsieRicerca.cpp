// The block evaluation of the hinge search, compiled once for the processor
// every x86-64 machine has and once for AVX2. Each lane repeats the plain
// procedures operation for operation (no fused products: AVX2 without FMA)
// and records their arithmetic faults: a quotient or a Single that is not
// finite is exactly what makes `divide`, `checked` or `toSingle` raise.
#include "analysis/CorsieRicerca.h"

#include <cmath>
#include <limits>

namespace voro {
namespace {

// Vectors of L doubles, their masks (-1 true, 0 false) and Singles: two
// lanes fill an SSE2 register, four an AVX2 register.
template <int L>
struct Vettori {
  typedef double V __attribute__((vector_size(8 * L)));
  typedef long long M __attribute__((vector_size(8 * L)));
  typedef float F __attribute__((vector_size(4 * L)));
};

constexpr long long kModulo = 0x7fffffffffffffffLL;
// Relative and absolute margins of the stress bounds: far beyond the few
// roundings by which a bound and the exact stress may differ.
constexpr double kMargine = 1e-9;
constexpr double kMinimo = 1e-20;

#define VORO_INLINE [[gnu::always_inline]] inline

template <class V>
VORO_INLINE void carica(V& v, const double* p) {
  __builtin_memcpy(&v, p, sizeof v);
}
template <class V>
VORO_INLINE void tutti(V& v, double x) {
  for (unsigned q = 0; q < sizeof(V) / sizeof(double); ++q) v[q] = x;
}
template <class V, class M>
VORO_INLINE void modulo(V& a, const V& x) {
  a = (V)((M)x & kModulo);
}
template <class V, class F>
VORO_INLINE void comeSingle(V& r, const V& x) {
  r = __builtin_convertvector(__builtin_convertvector(x, F), V);
}
// x - x is 0 for a finite x, NaN otherwise: added to a lane's fault sum, any
// quotient or Single that is not finite leaves the sum NaN.
template <class V>
VORO_INLINE void guasto(V& z, const V& x) {
  z += x - x;
}
// Whether any lane is still to evaluate: not dropped and without a fault so far.
template <class V, class M, int U>
VORO_INLINE bool attive(const M* vivo, const V* z) {
  M o = vivo[0] & (z[0] == z[0]);
  for (int u = 1; u < U; ++u) o |= vivo[u] & (z[u] == z[u]);
  long long r = 0;
  for (unsigned q = 0; q < sizeof(M) / sizeof(long long); ++q) r |= o[q];
  return r != 0;
}

// The branch of the stress rule: |e|, the distance u of the thrust point
// from the nearer edge, and whether the linear formula holds (the point on or
// beyond an edge, or inside the middle third).
template <class T>
VORO_INLINE void ramo(const typename T::V& e, double hMezzi, double hSesto, typename T::V& a, typename T::V& u,
                      typename T::M& lin) {
  modulo<typename T::V, typename T::M>(a, e);
  u = hMezzi - a;
  lin = (u <= 0.0) | (a < hSesto);
}

// The edge stresses of one joint as SigmaBordi computes them, rounded to
// Singles as the merit reads them; in the no-tension branch one edge is 0.
template <class T>
VORO_INLINE void sigma(const typename T::V& e, const typename T::V& N, double h, double hMezzi, double hSesto,
                       double b, typename T::V& f1, typename T::V& f2) {
  using V = typename T::V;
  V a, u, hv;
  typename T::M lin;
  ramo<T>(e, hMezzi, hSesto, a, u, lin);
  tutti(hv, h);
  const V k = (6.0 * e) / h;
  const V num = lin ? (k + 1.0) * N : 2.0 * N;
  const V den = lin ? hv : 3.0 * u;
  comeSingle<V, typename T::F>(f1, (num / den) / b);
  comeSingle<V, typename T::F>(f2, (((1.0 - k) * N) / h) / b);
  f2 = lin ? f2 : V{};
}

// Drops the lanes that certainly have an edge in tension, or an edge stress
// certainly at or above `sopra` (the Single next above an admissible bound,
// widened by the margin): estimates without divisions, valid for sound sections.
template <class T>
VORO_INLINE void scarta(typename T::M& vivo, const typename T::V& e, const typename T::V& N, double hMezzi,
                        double hSesto, double invH, double invHB, double b, double sopra) {
  using V = typename T::V;
  using M = typename T::M;
  V a, u;
  M lin;
  ramo<T>(e, hMezzi, hSesto, a, u, lin);
  const V g = N * invHB;  // mean stress
  const V k = 6.0 * a * invH;
  const M trazione = (g < -kMinimo) | (lin & (g > kMinimo) & (k > 1.0 + kMargine));
  const M picco = lin ? (M)((1.0 + k) * g >= sopra) : (M)(2.0 * N >= sopra * (3.0 * u) * b);
  vivo &= ~(trazione | ((g > kMinimo) & picco));
}

template <int L, bool Distanze>
VORO_INLINE void valuta(const ConciCorsie& c, const PuntiCorsie& p, Soglia s, double* memoria, EsitiCorsie& esiti) {
  using T = Vettori<L>;
  using Vt = typename T::V;
  using Mt = typename T::M;
  using Ft = typename T::F;
  constexpr int U = kCorsie / L;
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const bool pota = s.attiva;
  const bool ammissibile = s.F >= 0;
  // Distances below the Single under the bound round below it.
  const double sotto = pota ? static_cast<double>(std::nextafter(s.F, -std::numeric_limits<float>::infinity())) : -kInf;
  const double sopra =
      static_cast<double>(std::nextafter(s.F, std::numeric_limits<float>::infinity())) * (1 + kMargine);
  const bool filtro = !Distanze && pota && ammissibile && c.limiti;

  Vt V[U], H[U], xP[U], yP[U], z[U], mn[U], N1[U], E1[U];
  Mt vivo[U], sicura[U] = {};
  for (int u = 0; u < U; ++u) {
    const int l = L * u;
    Vt x1, y1, x2, y2, M2v, M2h, x3, y3, M3v, M3h;
    carica(E1[u], p.e1 + l);
    carica(x1, p.x1 + l);
    carica(y1, p.y1 + l);
    carica(x2, p.x2 + l);
    carica(y2, p.y2 + l);
    carica(M2v, p.M2v + l);
    carica(M2h, p.M2h + l);
    carica(x3, p.x3 + l);
    carica(y3, p.y3 + l);
    carica(M3v, p.M3v + l);
    carica(M3h, p.M3h + l);
    for (int q = 0; q < L; ++q) vivo[u][q] = p.usata[l + q] ? -1 : 0;

    // The reactions of the three-hinged arch (ReazioniTreCerniere).
    const Vt dx2 = x2 - x1, dx3 = x3 - x1, dy2 = y2 - y1, dy3 = y3 - y1;
    const Vt q1 = (dy3 * dx2) / dx3;
    const Vt D = q1 - dy2;
    const Vt q2 = (dx2 * M3v) / dx3;
    const Vt Hv = (M2v - q2) / D;
    const Vt q3 = (dx2 * M3h) / dx3;
    const Vt Hh = (M2h - q3) / D;
    const Vt Vv = (Hv * dy3 + M3v) / dx3;
    const Vt Vh = (Hh * dy3 + M3h) / dx3;
    z[u] = Vt{};
    guasto(z[u], q1);
    guasto(z[u], q2);
    guasto(z[u], Hv);
    guasto(z[u], q3);
    guasto(z[u], Hh);
    guasto(z[u], Vv);
    guasto(z[u], Vh);
    H[u] = Hv + Hh;
    V[u] = Vv + Vh;

    // The springing section's forces, stored as Singles.
    Vt T1;
    comeSingle<Vt, Ft>(N1[u], V[u] * c.sinA + H[u] * c.cosA);
    comeSingle<Vt, Ft>(T1, V[u] * c.cosA - H[u] * c.sinA);
    guasto(z[u], N1[u]);
    guasto(z[u], T1);
    xP[u] = x1;
    yP[u] = y1;
    if (Distanze) {
      Vt a;
      modulo<Vt, Mt>(a, E1[u]);
      mn[u] = c.h1Mezzi - a;
      if (pota) vivo[u] &= ~(mn[u] < sotto);
    } else {
      Vt a, b;
      modulo<Vt, Mt>(a, V[u]);
      modulo<Vt, Mt>(b, H[u]);
      sicura[u] = a + b <= c.limiteTaglio;
      if (filtro) scarta<T>(vivo[u], E1[u], N1[u], c.h1Mezzi, c.h1Sesto, c.invH1, c.invHB1, c.b1, sopra);
    }
  }

  bool resta = attive<Vt, Mt, U>(vivo, z);

  // The thrust line voussoir by voussoir (FunicolareConcio).
  for (int v = 0; v < c.n && resta; ++v) {
    const double F = c.Ftot[v], FO = c.FOrizzontale[v], S = c.SinAlfa[v], C = c.CosAlfa[v];
    const double xm = c.xMedio[v], ym = c.yMedio[v], mF = c.momentoFtot[v], mH = c.momentoFOriz[v];
    const double hh = c.hMezzi[v];
    double* eMem = memoria + 2 * kCorsie * v;
    for (int u = 0; u < U; ++u) {
      const Vt V0 = V[u], H0 = H[u];
      V[u] = V0 - F;
      H[u] = H0 + FO;
      const Vt N = V[u] * S + H[u] * C;
      const Vt Mo = ((V0 * (xm - xP[u]) - H0 * (ym - yP[u])) - mF) - mH;
      const Vt e = Mo / N;
      xP[u] = xm - e * S;
      yP[u] = ym + e * C;
      if (Distanze) {
        const Vt d = e > 0.0 ? hh - e : hh + e;
        mn[u] = d < mn[u] ? d : mn[u];
      } else {
        __builtin_memcpy(eMem + L * u, &e, sizeof e);
        __builtin_memcpy(eMem + kCorsie + L * u, &N, sizeof N);
        if (filtro) scarta<T>(vivo[u], e, N, hh, c.hSesto[v], c.invH[v], c.invHB[v], c.b[v], sopra);
      }
    }
    if ((v & 3) == 3) {
      if (Distanze && pota)
        for (int u = 0; u < U; ++u) vivo[u] &= ~(mn[u] < sotto);
      resta = attive<Vt, Mt, U>(vivo, z);
    }
  }
  // A fault in the thrust line leaves every later eccentricity and the last
  // thrust point not finite.
  for (int u = 0; u < U; ++u) {
    guasto(z[u], xP[u]);
    guasto(z[u], yP[u]);
  }

  Vt F[U];
  if (Distanze) {
    for (int u = 0; u < U; ++u) {
      comeSingle<Vt, Ft>(F[u], mn[u]);
      guasto(z[u], F[u]);
    }
  } else if (attive<Vt, Mt, U>(vivo, z)) {
    // The merit from the exact edge stresses of every joint: the most
    // negative when an edge is in tension, else the largest.
    Vt mx[U];
    for (int u = 0; u < U; ++u) {
      Vt f1, f2;
      sigma<T>(E1[u], N1[u], c.h1, c.h1Mezzi, c.h1Sesto, c.b1, f1, f2);
      guasto(z[u], f1);
      guasto(z[u], f2);
      mn[u] = f1 < f2 ? f1 : f2;
      mx[u] = f1 > f2 ? f1 : f2;
    }
    const double limite = s.F;
    bool resta2 = true;
    for (int v = 0; v < c.n && resta2; ++v) {
      const double* eMem = memoria + 2 * kCorsie * v;
      for (int u = 0; u < U; ++u) {
        Vt e, N, f1, f2;
        carica(e, eMem + L * u);
        carica(N, eMem + kCorsie + L * u);
        sigma<T>(e, N, c.h[v], c.hMezzi[v], c.hSesto[v], c.b[v], f1, f2);
        guasto(z[u], f1);
        guasto(z[u], f2);
        mn[u] = f1 < mn[u] ? f1 : mn[u];
        mn[u] = f2 < mn[u] ? f2 : mn[u];
        mx[u] = f1 > mx[u] ? f1 : mx[u];
        mx[u] = f2 > mx[u] ? f2 : mx[u];
      }
      if ((v & 7) == 7 && pota) {
        for (int u = 0; u < U; ++u)
          vivo[u] &= ~(ammissibile ? (mn[u] < 0.0) | (mx[u] > limite) : mn[u] < limite);
        resta2 = attive<Vt, Mt, U>(vivo, z);
      }
    }
    for (int u = 0; u < U; ++u) F[u] = mn[u] < 0.0 ? mn[u] : mx[u];
  } else {
    for (int u = 0; u < U; ++u) F[u] = Vt{};
  }

  for (int l = 0; l < kCorsie; ++l) {
    const int u = l / L, q = l % L;
    signed char stato;
    if (!vivo[u][q]) stato = Scartata;
    else if (z[u][q] != z[u][q]) stato = Guasta;
    else if (!Distanze && !sicura[u][q]) stato = DaRivedere;
    else stato = Valutata;
    esiti.stato[l] = stato;
    esiti.F[l] = static_cast<float>(F[u][q]);
  }
}

void valutaBase(const ConciCorsie& c, const PuntiCorsie& p, Soglia s, double* memoria, EsitiCorsie& esiti) {
  if (c.distanze) valuta<2, true>(c, p, s, memoria, esiti);
  else valuta<2, false>(c, p, s, memoria, esiti);
}

__attribute__((target("avx2"))) void valutaAvx2(const ConciCorsie& c, const PuntiCorsie& p, Soglia s,
                                                double* memoria, EsitiCorsie& esiti) {
  if (c.distanze) valuta<4, true>(c, p, s, memoria, esiti);
  else valuta<4, false>(c, p, s, memoria, esiti);
}

}  // namespace

bool IstruzioniDisponibili(Istruzioni set) {
  switch (set) {
    case Istruzioni::Base:
      return true;
    case Istruzioni::Avx2:
      return __builtin_cpu_supports("avx2");
  }
  return false;
}

Istruzioni IstruzioniMigliori() {
  return IstruzioniDisponibili(Istruzioni::Avx2) ? Istruzioni::Avx2 : Istruzioni::Base;
}

void ValutaCorsie(Istruzioni set, const ConciCorsie& c, const PuntiCorsie& p, Soglia s, double* memoria,
                  EsitiCorsie& esiti) {
  if (set == Istruzioni::Avx2) valutaAvx2(c, p, s, memoria, esiti);
  else valutaBase(c, p, s, memoria, esiti);
}

}  // namespace voro
