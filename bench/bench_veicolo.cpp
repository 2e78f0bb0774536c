// The vehicle sweep: a vehicle of three unequal axles (so driven both ways)
// moved in 0.05 m steps across a 20 m structure of 100 voussoirs, the least
// factor refined; and one position alone, as the Safety window's slider
// asks for it.
#include <benchmark/benchmark.h>

#include "PonteBench.h"
#include "arch/CaricaConci.h"
#include "arch/CostruisciModello.h"
#include "limite/PercorsoVeicolo.h"

namespace voro {
namespace {

// A bridge of span 16 m with 2 m of wall each side: a 20 m structure.
struct Caricato {
  DatiProgetto d;
  ModelloArco m;
  SilentMessages msg;
  Caricato() : d(bench::ponte(100)) {
    d.LuceAnello = 16;
    d.FrecciaAnello = 4.8f;
    d.SpessoreAnello = 0.7f;
    d.VeicoloCarico = Veicolo{"three", {{100, 0, 0.3f}, {180, 1.3f, 0.3f}, {60, 3.1f, 0.2f}}, 1.8f, 0.3f};
    d.DiffusioneCarico = {RegolaDiffusione::UnoDue, 0};
    CostruisciModello(d, m, msg);
    CaricaConci(d, m, msg);
  }
};

void SpostamentoVeicolo(benchmark::State& state) {
  const Caricato c;
  RisultatiVeicolo r;
  for (auto _ : state) {
    PercorriVeicolo(c.d, c.m, 0.05, nullptr, r);
    benchmark::DoNotOptimize(r);
  }
  state.counters["positions"] = static_cast<double>(r.posizioni.size());
}
BENCHMARK(SpostamentoVeicolo)->Unit(benchmark::kMillisecond);

void UnaPosizione(benchmark::State& state) {
  const Caricato c;
  PercorsoVeicolo p(c.d, c.m);
  double x = 5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(p.Valuta(x, Verso::Avanti));
    x = x < 15 ? x + 0.01 : 5;
  }
}
BENCHMARK(UnaPosizione)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace voro

BENCHMARK_MAIN();
