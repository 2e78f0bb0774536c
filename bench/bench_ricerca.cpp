// The full calculation with the hinge search on: the only heavy work of the
// program, by merit, voussoir count, grid and threads (wall time).
#include <benchmark/benchmark.h>

#include "analysis/Calcolo.h"
#include "analysis/CostruisciModello.h"

namespace voro {
namespace {

DatiProgetto ponte(Single voussoirs, Integer divisioni) {
  DatiProgetto d;
  d.PesoMuratura = 18;
  d.hRiempimento = 0.5f;
  d.PesoRiempimento = 16;
  d.hSoletta = 0.2f;
  d.PesoSoletta = 20;
  d.Larghezza = 1;
  d.LarghezzaChiave = 1;
  d.LuceAnello = 10;
  d.FrecciaAnello = 3;
  d.SpessoreAnello = 0.5f;
  d.nConciAnello = voussoirs;
  d.SporgenzaParete = 2;  // no wall voussoirs: every voussoir is in the ring
  d.hRiempimentoSolido = -1;
  d.qCarico = 10;
  d.xq1 = 2;
  d.xq2 = 6;
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

}  // namespace
}  // namespace voro

BENCHMARK_MAIN();
