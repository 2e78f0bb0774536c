// The project every benchmark measures: a road bridge of span 10 and rise 3
// with fill, slab and a partial live load, all of whose voussoirs lie in the
// ring (the walls stand clear of it); and the whole assessment of a project.
#pragma once

#include <benchmark/benchmark.h>

#include "arch/CostruisciModello.h"
#include "data/DatiProgetto.h"
#include "limite/Valutazione.h"

namespace voro::bench {

inline DatiProgetto ponte(Single voussoirs) {
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

// A whole assessment of the project (the three problems, a sweep of
// nPosizioni positions and the least thickness), each time on a fresh copy.
inline void MisuraValutazione(benchmark::State& state, const DatiProgetto& d0, int nPosizioni) {
  OpzioniSicurezza o;
  o.nPosizioni = nPosizioni;
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

}  // namespace voro::bench
