// The voussoir model of one structure: the voussoirs numbered left to right,
// the wall voussoirs at the outer springings, the partial arches and the
// levels and extents derived from them.
#pragma once

#include <vector>

#include "arch/Concio.h"
#include "arch/VoroParziale.h"
#include "data/Array1.h"
#include "data/Scalars.h"

namespace voro {

// Where one span of a bridge lies among the voussoirs of the whole: its
// first and last voussoir and its crown voussoir.
struct CampataModello {
  int primo = 0, ultimo = 0;
  int iChiave = 0;
};

// A pier between two spans, one rigid block from its base on the foundation
// to the springings of the two rings it carries, loaded by its own weight
// and by the fill, slab and road above it, between the two rings' extrados
// springings.
struct PilaModello {
  // Its outline from the left end of the base, up to the two rings' ends;
  // above it the masonry of the rings' ends and backing, up to the arches'
  // springing joints and the line between their extrados corners.
  std::vector<double> x, y;
  std::vector<double> xSopra, ySopra;
  double xBaseSinistra = 0, xBaseDestra = 0, yBase = 0;
  double b = 0;                  // its width across the bridge (m)
  double fc = 0;                 // the masonry's strength at its base [MPa]; 0 unlimited
  int concioSinistro = 0;        // the left span's last voussoir
  int concioDestro = 0;          // the right span's first voussoir
  double xa = 0, xb = 0;         // the stretch of road whose loads come down on it
  double FPeso = 0, xFPeso = 0;  // its own weight with the masonry above it (kN) and where it acts
  double FPermSopra = 0, FSoletta = 0;
  double FPermanente = 0, xFPermanente = 0;  // its own weight with the fill and slab above it
  double FVariabile = 0, xFVariabile = 0;
};

struct ModelloArco {
  Array1<VoroParziale> Vori;        // 1 .. nVori
  Array1<Concio> Conci;             // 1 .. nConciTot, kept across assemblies
  Integer nConciTot = 0;
  Integer nGiunti = 0;              // nConciTot + 1
  Array1<Concio> ConciPareteSinistra;
  Integer nConciPareteSinistra = 0;
  Array1<Concio> ConciPareteDestra;
  Integer nConciPareteDestra = 0;

  Single LarghezzaMinima = 0;       // lower bound of a voussoir's width in the stresses
  Single hSinistra = 0, hChiave = 0, hDestra = 0;  // depths of the three hinge joints
  Single yEstradossoMax = 0;        // highest extrados corner: the fill and slab rest on it
  Integer iChiave = 0;              // the crown voussoir: hinge 2 lies on its right joint
  double hSezioneChiave = 0;
  Single yIntradossoMin = 0;
  Single xMinStruttura = 0, xMaxStruttura = 0;
  Single yRiempimento = 0;          // top of the fill
  Single ySoletta = 0;              // top of the slab

  // A bridge of several spans: every span's voussoirs in Conci, left to
  // right, and the piers between them. Both empty for a single arch.
  std::vector<CampataModello> Campate;
  std::vector<PilaModello> Pile;
  std::vector<double> ResistenzaConci;  // each voussoir's fc [MPa], index i - 1, for a bridge
  bool ponte() const { return !Pile.empty(); }
  // Where the analysis' joint giunto (1 based: each span's joints from its
  // left springing, then each pier's base) lies: its span k (0 the first)
  // and its number there (0 the springing), or its pier; false beyond the
  // last. A single arch is one span of nConciTot voussoirs.
  struct LuogoGiunto {
    int campata = -1, indice = 0, pila = -1;
  };
  bool Luogo(int giunto, LuogoGiunto& l) const {
    if (giunto < 1) return false;
    int resto = giunto - 1;
    const std::size_t n = ponte() ? Campate.size() : 1;
    for (std::size_t k = 0; k < n; ++k) {
      const int giunti = ponte() ? Campate[k].ultimo - Campate[k].primo + 2 : nConciTot + 1;
      if (resto < giunti) {
        l = {static_cast<int>(k), resto, -1};
        return true;
      }
      resto -= giunti;
    }
    if (resto >= static_cast<int>(Pile.size())) return false;
    l = {-1, 0, resto};
    return true;
  }

  // Whether voussoir i is the first of its span (so that its left joint is a springing).
  bool primoDiCampata(int i) const {
    if (i == 1) return true;
    for (const CampataModello& c : Campate)
      if (c.primo == i) return true;
    return false;
  }

  // The voussoir in slot i, creating the slot when the array is shorter.
  Concio& ConcioI(int i) {
    if (!Conci.contains(i) && i >= 1) {
      if (Conci.empty()) Conci.redim(1, i);
      else Conci.redimPreserve(i);
    }
    return Conci(i);
  }
};

}  // namespace voro
