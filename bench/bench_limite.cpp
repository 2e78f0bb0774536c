// The exact limit analysis: one linear program of the thrust-line problems,
// the thrust line of least eccentricity, a whole assessment with the load
// sweep and the least thickness, and the adequacy under a code's factors.
#include <benchmark/benchmark.h>

#include "PonteBench.h"
#include "arch/CaricaConci.h"
#include "arch/CostruisciModello.h"
#include "data/Normative.h"
#include "limite/Adeguatezza.h"
#include "limite/AnalisiLimite.h"
#include "limite/Valutazione.h"

namespace voro {
namespace {

using bench::ponte;

struct Caricato {
  DatiProgetto d;
  ModelloArco m;
  SilentMessages msg;
  explicit Caricato(Single n) : d(ponte(n)) {
    CostruisciModello(d, m, msg);
    CaricaConci(d, m, msg);
  }
};

// One program: the largest live-load factor (four unknowns, two rows a joint)
// from the thrust line of least eccentricity.
void UnProgramma(benchmark::State& state) {
  Caricato c(static_cast<Single>(state.range(0)));
  const StaticaGiunti st(c.m);
  const AnalisiLimite al(st);
  const Reazione avvio = al.LineaMinima(1)->reazione;
  for (auto _ : state) benchmark::DoNotOptimize(al.Moltiplicatore(avvio));
}
BENCHMARK(UnProgramma)->Arg(30)->Arg(100)->Arg(400)->Unit(benchmark::kMicrosecond);

// The thrust line of least eccentricity: bisection and Newton's method.
void LineaMinima(benchmark::State& state) {
  Caricato c(static_cast<Single>(state.range(0)));
  const StaticaGiunti st(c.m);
  const AnalisiLimite al(st);
  for (auto _ : state) benchmark::DoNotOptimize(al.LineaMinima(1));
}
BENCHMARK(LineaMinima)->Arg(30)->Arg(100)->Arg(400)->Unit(benchmark::kMicrosecond);

// The whole assessment: the three problems, a sweep of N positions and the
// least thickness.
void Valutazione(benchmark::State& state) {
  bench::MisuraValutazione(state, ponte(static_cast<Single>(state.range(0))), static_cast<int>(state.range(1)));
}
BENCHMARK(Valutazione)->Args({100, 100})->Args({30, 50})->Unit(benchmark::kMillisecond);

// The adequacy under NTC 2018: both combinations, each with its sweep of N positions.
void Adeguatezza(benchmark::State& state) {
  DatiProgetto d = ponte(static_cast<Single>(state.range(0)));
  ApplicaNormativa(d.Normativa, BaseNormativa::Ntc2018);
  OpzioniSicurezza o;
  o.nPosizioni = static_cast<int>(state.range(1));
  for (auto _ : state) {
    voro::Adeguatezza a;
    ValutaAdeguatezza(d, o, a);
    benchmark::DoNotOptimize(a);
  }
}
BENCHMARK(Adeguatezza)->Args({100, 50})->Args({30, 50})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace voro

BENCHMARK_MAIN();
