// The full calculation with the hinge search on: the only heavy work of the
// program, by merit, voussoir count, grid and threads (wall time).
#include <benchmark/benchmark.h>

#include <vector>

#include "PonteBench.h"
#include "analysis/Calcolo.h"
#include "arch/CostruisciModello.h"

namespace voro {
namespace {

DatiProgetto ponte(Single voussoirs, Integer divisioni) {
  DatiProgetto d = bench::ponte(voussoirs);
  d.OttimizzaCerniere = true;
  d.nDivisioni = divisioni;
  return d;
}

// Arguments: voussoirs, nDivisioni, merit (0 stresses, 1 distances), threads.
void CalcoloConRicerca(benchmark::State& state) {
  const auto voussoirs = static_cast<Single>(state.range(0));
  const auto divisioni = static_cast<Integer>(state.range(1));
  DatiProgetto d = ponte(voussoirs, divisioni);
  d.OttimizzaEccentricita = state.range(2) != 0;
  OpzioniRicerca opzioni;
  opzioni.thread = static_cast<unsigned>(state.range(3));
  SilentMessages msg;
  ModelloArco m;
  CostruisciModello(d, m, msg);
  RisultatiCalcolo r;
  for (auto _ : state) {
    Calcolo c(d, m, r, msg);
    c.ImpostaRicerca(opzioni);
    c.CalcoloMain();
    benchmark::DoNotOptimize(r.EccCalcChiave);
  }
  const int n = divisioni % 2 ? divisioni : divisioni + 1;
  const double points = 2.0 * n * n * n;
  state.counters["voussoirs"] = m.nConciTot;
  state.counters["grid_points"] = points;
  // Wall seconds per voussoir per grid point (shown with an SI prefix: n = ns).
  state.counters["s_per_voussoir_point"] = benchmark::Counter(
      points * m.nConciTot, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void Argomenti(benchmark::internal::Benchmark* b) {
  for (int merito : {0, 1})
    for (int thread : {1, 2}) {
      b->Args({30, 10, merito, thread});
      b->Args({100, 50, merito, thread});
    }
  b->ArgNames({"voussoirs", "nDivisioni", "distance", "threads"});
}

BENCHMARK(CalcoloConRicerca)->Apply(Argomenti)->UseRealTime()->Unit(benchmark::kMillisecond);

// The lanes alone, every point of a coarse grid evaluated to the end (no
// bound): the cost of the evaluation itself, by instruction set and merit.
// Arguments: voussoirs, merit (0 stresses, 1 distances), set (0 base, 1 AVX2).
void Corsie(benchmark::State& state) {
  const auto set = state.range(2) ? Istruzioni::Avx2 : Istruzioni::Base;
  if (!IstruzioniDisponibili(set)) {
    state.SkipWithError("instruction set not available");
    return;
  }
  DatiProgetto d = ponte(static_cast<Single>(state.range(0)), 50);
  d.OttimizzaEccentricita = state.range(1) != 0;
  d.OttimizzaCerniere = false;
  SilentMessages msg;
  ModelloArco m;
  CostruisciModello(d, m, msg);
  RisultatiCalcolo r;
  Calcolo c(d, m, r, msg);
  c.CalcoloMain();  // loads every voussoir
  const ConciRicerca conci = c.ConciPerRicerca();
  const Integer n = 51;
  const LineeGriglia linee = c.LineePasso(-0.25f, -0.25f, -0.25f, 0.01f, 0.01f, 0.01f, n);
  std::vector<double> memoria(2 * static_cast<std::size_t>(m.nConciTot) * kCorsie);
  PuntiCorsie p;
  EsitiCorsie esiti;
  for (int l = 0; l < kCorsie; ++l) p.usata[l] = true;
  int i = 0, j = 0;
  for (auto _ : state) {
    // One block: hinge 1 and 2 fixed, hinge 3 along its line.
    const auto& h = linee.h;
    for (int l = 0; l < kCorsie; ++l) {
      const auto k = static_cast<std::size_t>(l);
      p.e1[l] = h[0].e[static_cast<std::size_t>(i)], p.x1[l] = h[0].x[static_cast<std::size_t>(i)],
      p.y1[l] = h[0].y[static_cast<std::size_t>(i)];
      p.x2[l] = h[1].x[static_cast<std::size_t>(j)], p.y2[l] = h[1].y[static_cast<std::size_t>(j)];
      p.M2v[l] = h[1].Mv[static_cast<std::size_t>(j)], p.M2h[l] = h[1].Mh[static_cast<std::size_t>(j)];
      p.x3[l] = h[2].x[k], p.y3[l] = h[2].y[k], p.M3v[l] = h[2].Mv[k], p.M3h[l] = h[2].Mh[k];
    }
    ValutaCorsie(set, conci.corsie(), p, Soglia{}, memoria.data(), esiti);
    benchmark::DoNotOptimize(esiti);
    if (++j == n) j = 0, i = (i + 1) % n;
  }
  state.counters["s_per_voussoir_point"] =
      benchmark::Counter(static_cast<double>(kCorsie) * m.nConciTot,
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(Corsie)
    ->ArgsProduct({{100}, {0, 1}, {0, 1}})
    ->ArgNames({"voussoirs", "distance", "avx2"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace voro

BENCHMARK_MAIN();
