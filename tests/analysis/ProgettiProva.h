// Projects built in code for the engine tests.
#pragma once

#include <optional>
#include <string>

#include "analysis/Calcolo.h"
#include "arch/CostruisciModello.h"
#include "data/DatiProgetto.h"
#include "data/ProjectFile.h"
#include "data/Progetti.h"

namespace voro::prova {

// A single ring of span L, rise h, thickness t and n voussoirs, masonry only,
// with the solid backing below the springings so that no wall voussoir is split off.
inline DatiProgetto anello(Single L, Single h, Single t, Single n) {
  DatiProgetto d;
  d.PesoMuratura = 20, d.Larghezza = 1, d.LarghezzaChiave = 1, d.ScalaPlot = 1, d.SporgenzaParete = 2 * t + 1;
  d.hRiempimentoSolido = -0.5f, d.nVori = 1, d.LuceAnello = L, d.FrecciaAnello = h, d.SpessoreAnello = t;
  d.nConciAnello = n;
  return d;
}

// A road bridge: ring with fill, slab and a partial live load, walls split off.
inline DatiProgetto ponte() {
  DatiProgetto d = anello(10, 3, 0.5f, 30);
  d.PesoMuratura = 18, d.hRiempimento = 0.5f, d.PesoRiempimento = 16, d.hSoletta = 0.2f, d.PesoSoletta = 20;
  d.SporgenzaParete = 0, d.hRiempimentoSolido = 0, d.qCarico = 10, d.xq1 = 2, d.xq2 = 6;
  return d;
}

// A small ring under fill and a partial load, with passive pressure on
// groups of voussoirs at both springings.
inline DatiProgetto anelloPassivo() {
  DatiProgetto d = anello(8, 1.6f, 0.4f, 24);
  d.hRiempimento = 0.6f, d.PesoRiempimento = 18, d.qCarico = 10, d.xq2 = 3, d.SpintaPassiva = true, d.Kp = 3;
  d.nConciSpinta = {5, 4};
  return d;
}

// Two segments of different thickness meeting at a common joint.
inline DatiProgetto dueSegmenti(double s1, double s2) {
  DatiProgetto d = anello(9, 3, 0.5f, 20);
  d.hRiempimento = 0.35f, d.PesoRiempimento = 16, d.SporgenzaParete = 0.3f, d.hRiempimentoSolido = 0.5f, d.nVori = 2;
  d.dimensionaVori(2);
  d.Vori(1) = {0, 0, 1.2, 2.1, 4, 3.2, s1, 12, 12};
  d.Vori(2) = {0, 0, 7.2, 2.4, 9, 0, s2, 14, 14};
  return d;
}

// Two segments 0.6 and 0.45 thick under a partial load, passive pressure on
// groups of voussoirs at both springings.
inline DatiProgetto dueSegmentiSpinta() {
  DatiProgetto d = dueSegmenti(0.6, 0.45);
  d.qCarico = 15, d.xq1 = 1, d.xq2 = 3.5f, d.SpintaPassiva = true, d.Kp = 2;
  d.nConciSpinta = {3, 5};
  return d;
}

// A project file of the source tree, by its path there.
inline DatiProgetto leggi(const std::string& percorso) {
  DatiProgetto d;
  RecordingMessages msg;
  LeggiFileProgetto(std::string(VORO_SOURCE_DIR) + "/" + percorso, d, msg);
  return d;
}

// Everything one calculation needs, side by side with any other.
struct Caso {
  DatiProgetto dati;
  ModelloArco modello;
  RisultatiCalcolo risultati;
  RecordingMessages messaggi;

  explicit Caso(DatiProgetto d) : dati(std::move(d)) { CostruisciModello(dati, modello, messaggi); }
  Calcolo calcolo() { return Calcolo(dati, modello, risultati, messaggi); }
  void risolvi() { calcolo().CalcoloMain(); }
};

// A project built and solved.
inline Caso risolto(DatiProgetto d) {
  Caso c(std::move(d));
  c.risolvi();
  return c;
}

// A project built and solved, or none when the model or the calculation refuses it.
inline std::optional<Caso> seRisolto(const DatiProgetto& d) {
  try {
    return risolto(d);
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

}  // namespace voro::prova
