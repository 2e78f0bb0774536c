// The certified engine on random projects across the hypotheses: how many
// figures are certified, how many projects needed CLP, and the time of a
// whole assessment by the dense path (CLP where it fails) beside CLP alone.
// Run by hand: build/bin/bench_certificati [--progetti=N]; the suite runs a
// smaller draw of the same projects.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "../tests/analysis/ProgettiCasuali.h"
#include "arch/CostruisciModello.h"
#include "limite/ElencoCertificati.h"
#include "limite/Valutazione.h"

namespace voro {
namespace {

struct Ipotesi {
  double fc;
  std::optional<double> mu;
  double mob;
};

// Unlimited, 2, 5 and 10 MPa; no sliding, 0.4 and 0.6; the soil mobilised 0, 0.5 and 1.
const Ipotesi kIpotesi[] = {{0, {}, 1.0}, {0, 0.6, 0.0}, {2, 0.6, 0.5}, {2, {}, 1.0},
                            {5, 0.4, 1.0}, {5, {}, 0.0}, {10, 0.4, 0.5}, {10, 0.6, 1.0}};

int nProgetti = 500;

DatiProgetto Progetto(int k) {
  const Ipotesi& h = kIpotesi[static_cast<std::size_t>(k) % std::size(kIpotesi)];
  DatiProgetto d = prova::ProgettoCasuale(static_cast<std::uint64_t>(k / static_cast<int>(std::size(kIpotesi)) + 1000), {});
  d.ResistenzaAnello = static_cast<Single>(h.fc);
  for (int i = 1; i <= d.Vori.size(); ++i) d.Vori(i).Resistenza = static_cast<Single>(h.fc);
  if (h.mu) d.Attrito = static_cast<Single>(*h.mu);
  d.Mobilitazione = static_cast<Single>(h.mob);
  return d;
}

void Casuali(benchmark::State& state) {
  const auto scelta = static_cast<SceltaSolutori>(state.range(0));
  double certificati = 0, figure = 0, conClp = 0, tutti = 0, valutati = 0;
  for (auto _ : state) {
    for (int k = 0; k < nProgetti; ++k) {
      DatiProgetto d = Progetto(k);
      ModelloArco m;
      SilentMessages msg;
      RisultatiSicurezza r;
      OpzioniSicurezza o;
      o.nPosizioni = 10;
      o.solutori = scelta;
      try {
        CostruisciModello(d, m, msg);
        ValutaSicurezza(d, m, msg, o, r);
      } catch (const RuntimeError&) {
        continue;
      }
      ++valutati;
      bool clp = false, interi = true;
      for (const FiguraCertificata& f : ElencoCertificati(r, nullptr)) {
        ++figure;
        certificati += f.certificato.valido();
        interi = interi && f.certificato.valido();
        clp = clp || f.certificato.solutore == Solutore::Clp;
      }
      conClp += clp;
      tutti += interi;
    }
  }
  const double n = valutati;
  state.counters["projects"] = valutati;
  state.counters["wholly_certified"] = tutti / n;
  state.counters["figures_certified"] = certificati / figure;
  state.counters["needed_clp"] = conClp / n;
  state.counters["s_per_project"] = benchmark::Counter(n, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(Casuali)
    ->Arg(static_cast<int>(SceltaSolutori::DensoPoiClp))
    ->Arg(static_cast<int>(SceltaSolutori::SoloClp))
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace
}  // namespace voro

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a.rfind("--progetti=", 0) == 0) voro::nProgetti = std::atoi(a.c_str() + 11);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
