// The exact limit analysis: one linear program of the thrust-line problems,
// the thrust line of least eccentricity, and a whole assessment with the
// load sweep and the least thickness.
#include <benchmark/benchmark.h>

#include "analysis/CostruisciModello.h"
#include "limite/AnalisiLimite.h"
#include "limite/Valutazione.h"

namespace voro {
namespace {

// A road bridge of n voussoirs, all in the ring (no wall voussoirs).
DatiProgetto ponte(Single voussoirs) {
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
  d.SporgenzaParete = 2;
  d.hRiempimentoSolido = -1;
  d.qCarico = 10;
  d.xq1 = 2;
  d.xq2 = 6;
  return d;
}

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
  const DatiProgetto d0 = ponte(static_cast<Single>(state.range(0)));
  OpzioniSicurezza o;
  o.nPosizioni = static_cast<int>(state.range(1));
  for (auto _ : state) {
    DatiProgetto d = d0;
    ModelloArco m;
    SilentMessages msg;
    RisultatiSicurezza r;
    CostruisciModello(d, m, msg);
    ValutaSicurezza(d, m, msg, o, r);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(Valutazione)->Args({100, 100})->Args({30, 50})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace voro

BENCHMARK_MAIN();
