// Bridges of several spans on piers: one live-load factor of the whole
// bridge (three spans of 60 voussoirs, ten of 40), the LM1 tandem driven
// across three spans in 0.05 m steps with its least factor refined, and one
// position of it alone, as the Safety window's slider asks for it.
#include <benchmark/benchmark.h>

#include "PonteBench.h"
#include "arch/CaricaConci.h"
#include "arch/CostruisciModello.h"
#include "limite/AnalisiLimite.h"
#include "limite/PercorsoVeicolo.h"

namespace voro {
namespace {

// n equal spans of 10 m on piers 1.5 m wide and 8 m high.
struct Ponte {
  DatiProgetto d;
  ModelloArco m;
  SilentMessages msg;
  Ponte(int n, Single voussoirs) : d(bench::ponte(voussoirs)) {
    DatiCampata c;
    c.Pila = {1.5f, 8, 0.02f, 0.02f, 20};
    c.LuceAnello = 10, c.FrecciaAnello = 3, c.SpessoreAnello = 0.5f, c.nConciAnello = voussoirs;
    d.Campate.assign(static_cast<std::size_t>(n - 1), c);
    d.VeicoloCarico = Veicolo{"LM1 tandem", {{300, 0, 0.4f}, {300, 1.2f, 0.4f}}, 2, 0.4f};
    d.DiffusioneCarico = {RegolaDiffusione::UnoDue, 0};
    CostruisciModello(d, m, msg);
    CaricaConci(d, m, msg);
  }
};

void Fattore(benchmark::State& state) {
  const Ponte p(static_cast<int>(state.range(0)), static_cast<Single>(state.range(1)));
  const StaticaGiunti st(p.m);
  for (auto _ : state) benchmark::DoNotOptimize(AnalisiLimite(st).Moltiplicatore({}));
  state.counters["joints"] = st.nGiunti();
}
BENCHMARK(Fattore)->Args({3, 60})->Args({10, 40})->Unit(benchmark::kMillisecond);

void SpostamentoLM1(benchmark::State& state) {
  const Ponte p(3, 60);
  RisultatiVeicolo r;
  for (auto _ : state) {
    PercorriVeicolo(p.d, p.m, 0.05, nullptr, r);
    benchmark::DoNotOptimize(r);
  }
  state.counters["positions"] = static_cast<double>(r.posizioni.size());
}
BENCHMARK(SpostamentoLM1)->Unit(benchmark::kMillisecond);

void UnaPosizione(benchmark::State& state) {
  const Ponte p(3, 60);
  PercorsoVeicolo percorso(p.d, p.m);
  double x = 2;
  for (auto _ : state) {
    benchmark::DoNotOptimize(percorso.Valuta(x, Verso::Avanti));
    x = x < 30 ? x + 0.1 : 2;
  }
}
BENCHMARK(UnaPosizione)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace voro

BENCHMARK_MAIN();
