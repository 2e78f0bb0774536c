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

typedef double V4 __attribute__((vector_size(32)));
typedef long long M4 __attribute__((vector_size(32)));
typedef float F4 __attribute__((vector_size(16)));

constexpr int U = kCorsie / 4;  // vectors of four lanes in a block
constexpr long long kModulo = 0x7fffffffffffffffLL;
// Relative and absolute margins of the stress bounds: far beyond the few
// roundings by which a bound and the exact stress may differ.
constexpr double kMargine = 1e-9;
constexpr double kMinimo = 1e-20;

#define VORO_INLINE [[gnu::always_inline]] inline

VORO_INLINE void carica(V4& v, const double* p) { __builtin_memcpy(&v, p, sizeof v); }
VORO_INLINE void tutti(V4& v, double x) { v = V4{x, x, x, x}; }
VORO_INLINE void modulo(V4& a, const V4& x) { a = (V4)((M4)x & kModulo); }
VORO_INLINE void comeSingle(V4& r, const V4& x) {
  r = __builtin_convertvector(__builtin_convertvector(x, F4), V4);
}
// x - x is 0 for a finite x, NaN otherwise: added to a lane's fault sum, any
// quotient or Single that is not finite leaves the sum NaN.
VORO_INLINE void guasto(V4& z, const V4& x) { z += x - x; }
// The lanes still to evaluate: not dropped and without a fault so far.
VORO_INLINE bool attive(const M4* vivo, const V4* z) {
  M4 o = vivo[0] & (z[0] == z[0]);
  for (int u = 1; u < U; ++u) o |= vivo[u] & (z[u] == z[u]);
  return (o[0] | o[1] | o[2] | o[3]) != 0;
}

// The edge stresses of one joint as SigmaBordi computes them, rounded to
// Singles as the merit reads them; in the no-tension branch one edge is 0.
VORO_INLINE void sigma(const V4& e, const V4& N, const V4& h, const V4& hMezzi, const V4& hSesto, const V4& b,
                       V4& f1, V4& f2) {
  V4 a;
  modulo(a, e);
  const V4 u = hMezzi - a;
  const M4 lin = (u <= 0.0) | (a < hSesto);
  const V4 k = (6.0 * e) / h;
  const V4 num = lin ? (k + 1.0) * N : 2.0 * N;
  const V4 den = lin ? h : 3.0 * u;
  comeSingle(f1, (num / den) / b);
  comeSingle(f2, (((1.0 - k) * N) / h) / b);
  f2 = lin ? f2 : V4{};
}

// Lanes that certainly have an edge in tension, or an edge stress certainly
// at or above `sopra` (the Single next above an admissible bound, widened by
// the margin): estimates without divisions, valid for sound sections.
VORO_INLINE void scarta(M4& vivo, const V4& e, const V4& N, double hMezzi, double hSesto, double invH,
                        double invHB, double b, double sopra) {
  V4 a;
  modulo(a, e);
  const V4 u = hMezzi - a;
  const M4 lin = (u <= 0.0) | (a < hSesto);
  const V4 g = N * invHB;  // mean stress
  const V4 k = 6.0 * a * invH;
  const M4 trazione = (g < -kMinimo) | (lin & (g > kMinimo) & (k > 1.0 + kMargine));
  const M4 picco = lin ? (1.0 + k) * g >= sopra : 2.0 * N >= sopra * (3.0 * u) * b;
  vivo &= ~(trazione | ((g > kMinimo) & picco));
}

template <bool Distanze>
VORO_INLINE void valuta(const ConciCorsie& c, const PuntiCorsie& p, Soglia s, double* memoria, EsitiCorsie& esiti) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  const bool pota = s.attiva;
  const bool ammissibile = s.F >= 0;
  // Distances below the Single under the bound round below it.
  const double sotto = pota ? static_cast<double>(std::nextafter(s.F, -std::numeric_limits<float>::infinity())) : -kInf;
  const double sopra =
      static_cast<double>(std::nextafter(s.F, std::numeric_limits<float>::infinity())) * (1 + kMargine);
  const bool filtro = !Distanze && pota && ammissibile && c.limiti;

  V4 V[U], H[U], xP[U], yP[U], z[U], mn[U], N1[U], E1[U];
  M4 vivo[U], sicura[U] = {};
  for (int u = 0; u < U; ++u) {
    const int l = 4 * u;
    V4 x1, y1, x2, y2, M2v, M2h, x3, y3, M3v, M3h;
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
    vivo[u] = M4{p.usata[l] ? -1LL : 0, p.usata[l + 1] ? -1LL : 0, p.usata[l + 2] ? -1LL : 0,
                 p.usata[l + 3] ? -1LL : 0};

    // The reactions of the three-hinged arch (ReazioniTreCerniere).
    const V4 dx2 = x2 - x1, dx3 = x3 - x1, dy2 = y2 - y1, dy3 = y3 - y1;
    const V4 q1 = (dy3 * dx2) / dx3;
    const V4 D = q1 - dy2;
    const V4 q2 = (dx2 * M3v) / dx3;
    const V4 Hv = (M2v - q2) / D;
    const V4 q3 = (dx2 * M3h) / dx3;
    const V4 Hh = (M2h - q3) / D;
    const V4 Vv = (Hv * dy3 + M3v) / dx3;
    const V4 Vh = (Hh * dy3 + M3h) / dx3;
    z[u] = V4{};
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
    V4 T1;
    comeSingle(N1[u], V[u] * c.sinA + H[u] * c.cosA);
    comeSingle(T1, V[u] * c.cosA - H[u] * c.sinA);
    guasto(z[u], N1[u]);
    guasto(z[u], T1);
    xP[u] = x1;
    yP[u] = y1;
    if (Distanze) {
      V4 a;
      modulo(a, E1[u]);
      mn[u] = c.h1Mezzi - a;
      if (pota) vivo[u] &= ~(mn[u] < sotto);
    } else {
      V4 a, b;
      modulo(a, V[u]);
      modulo(b, H[u]);
      sicura[u] = a + b <= c.limiteTaglio;
      if (filtro) scarta(vivo[u], E1[u], N1[u], c.h1Mezzi, c.h1Sesto, c.invH1, c.invHB1, c.b1, sopra);
    }
  }

  bool resta = attive(vivo, z);

  // The thrust line voussoir by voussoir (FunicolareConcio).
  for (int v = 0; v < c.n && resta; ++v) {
    const double F = c.Ftot[v], FO = c.FOrizzontale[v], S = c.SinAlfa[v], C = c.CosAlfa[v];
    const double xm = c.xMedio[v], ym = c.yMedio[v], mF = c.momentoFtot[v], mH = c.momentoFOriz[v];
    const double hh = c.hMezzi[v];
    double* eMem = memoria + 2 * kCorsie * v;
    for (int u = 0; u < U; ++u) {
      const V4 V0 = V[u], H0 = H[u];
      V[u] = V0 - F;
      H[u] = H0 + FO;
      const V4 N = V[u] * S + H[u] * C;
      const V4 Mo = ((V0 * (xm - xP[u]) - H0 * (ym - yP[u])) - mF) - mH;
      const V4 e = Mo / N;
      xP[u] = xm - e * S;
      yP[u] = ym + e * C;
      if (Distanze) {
        const V4 d = e > 0.0 ? hh - e : hh + e;
        mn[u] = d < mn[u] ? d : mn[u];
      } else {
        __builtin_memcpy(eMem + 4 * u, &e, sizeof e);
        __builtin_memcpy(eMem + kCorsie + 4 * u, &N, sizeof N);
        if (filtro) scarta(vivo[u], e, N, hh, c.hSesto[v], c.invH[v], c.invHB[v], c.b[v], sopra);
      }
    }
    if ((v & 3) == 3) {
      if (Distanze && pota)
        for (int u = 0; u < U; ++u) vivo[u] &= ~(mn[u] < sotto);
      resta = attive(vivo, z);
    }
  }
  // A fault in the thrust line leaves every later eccentricity and the last
  // thrust point not finite.
  for (int u = 0; u < U; ++u) {
    guasto(z[u], xP[u]);
    guasto(z[u], yP[u]);
  }

  V4 F[U];
  if (Distanze) {
    for (int u = 0; u < U; ++u) {
      comeSingle(F[u], mn[u]);
      guasto(z[u], F[u]);
    }
  } else if (attive(vivo, z)) {
    // The merit from the exact edge stresses of every joint: the most
    // negative when an edge is in tension, else the largest.
    V4 mx[U];
    for (int u = 0; u < U; ++u) {
      V4 h, hh, h6, b, f1, f2;
      tutti(h, c.h1);
      tutti(hh, c.h1Mezzi);
      tutti(h6, c.h1Sesto);
      tutti(b, c.b1);
      sigma(E1[u], N1[u], h, hh, h6, b, f1, f2);
      guasto(z[u], f1);
      guasto(z[u], f2);
      mn[u] = f1 < f2 ? f1 : f2;
      mx[u] = f1 > f2 ? f1 : f2;
    }
    const double limite = s.F;
    bool resta2 = true;
    for (int v = 0; v < c.n && resta2; ++v) {
      V4 h, hh, h6, b;
      tutti(h, c.h[v]);
      tutti(hh, c.hMezzi[v]);
      tutti(h6, c.hSesto[v]);
      tutti(b, c.b[v]);
      const double* eMem = memoria + 2 * kCorsie * v;
      for (int u = 0; u < U; ++u) {
        V4 e, N, f1, f2;
        carica(e, eMem + 4 * u);
        carica(N, eMem + kCorsie + 4 * u);
        sigma(e, N, h, hh, h6, b, f1, f2);
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
        resta2 = attive(vivo, z);
      }
    }
    for (int u = 0; u < U; ++u) F[u] = mn[u] < 0.0 ? mn[u] : mx[u];
  } else {
    for (int u = 0; u < U; ++u) F[u] = V4{};
  }

  for (int l = 0; l < kCorsie; ++l) {
    const int u = l / 4, q = l % 4;
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
  if (c.distanze) valuta<true>(c, p, s, memoria, esiti);
  else valuta<false>(c, p, s, memoria, esiti);
}

__attribute__((target("avx2"))) void valutaAvx2(const ConciCorsie& c, const PuntiCorsie& p, Soglia s,
                                                double* memoria, EsitiCorsie& esiti) {
  if (c.distanze) valuta<true>(c, p, s, memoria, esiti);
  else valuta<false>(c, p, s, memoria, esiti);
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
