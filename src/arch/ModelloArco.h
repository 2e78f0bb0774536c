// The voussoir model of one structure: the voussoirs numbered left to right,
// the wall voussoirs at the outer springings, the partial arches and the
// levels and extents derived from them.
#pragma once

#include "arch/Concio.h"
#include "arch/VoroParziale.h"
#include "data/Array1.h"
#include "data/Scalars.h"

namespace voro {

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
