// The exact limit analysis under finite strength and friction: the
// live-load factor with the chords refined where the solution sits, and a
// whole assessment with the load sweep and the least thickness.
#include <benchmark/benchmark.h>

#include "PonteBench.h"
#include "arch/CaricaConci.h"
#include "arch/CostruisciModello.h"
#include "limite/AnalisiLimite.h"
#include "limite/Valutazione.h"

namespace voro {
namespace {

// fc = 5 MPa (brickwork), mu = 0.6; with soil, passive pressure on a fifth
// of the voussoirs at each springing, a resistance up to its full value.
DatiProgetto ponteMuratura(Single n, bool terreno = false) {
  DatiProgetto d = bench::ponte(n);
  d.ResistenzaAnello = 5;
  d.Attrito = 0.6f;
  if (terreno) {
    d.SpintaPassiva = true;
    d.Kp = 2;
    const auto k = static_cast<Integer>(n / 5);
    d.nConciSpinta = {k, k};
  }
  return d;
}

void MoltiplicatoreResistenza(benchmark::State& state) {
  DatiProgetto d = ponteMuratura(static_cast<Single>(state.range(0)), state.range(1) != 0);
  ModelloArco m;
  SilentMessages msg;
  CostruisciModello(d, m, msg);
  CaricaConci(d, m, msg);
  const IpotesiMuratura ip = IpotesiProgetto(d, m);
  const StaticaGiunti st(m, ip.mobilitazione);
  const AnalisiLimite al(st, ip);
  const Reazione avvio = al.LineaMinima(1)->reazione;
  for (auto _ : state) benchmark::DoNotOptimize(al.Moltiplicatore(avvio));
}
BENCHMARK(MoltiplicatoreResistenza)->Args({30, 0})->Args({100, 0})->Args({100, 1})->Unit(benchmark::kMicrosecond);

void ValutazioneResistenza(benchmark::State& state) {
  bench::MisuraValutazione(state, ponteMuratura(static_cast<Single>(state.range(0))), static_cast<int>(state.range(1)));
}
BENCHMARK(ValutazioneResistenza)->Args({100, 100})->Args({30, 50})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace voro

BENCHMARK_MAIN();
