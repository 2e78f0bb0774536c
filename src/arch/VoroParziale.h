// One partial arch: a circular segment of the ring through three points, with
// its thickness and voussoirs, the wall voussoirs it splits off at the outer
// springings and the junction with the next segment.
#pragma once

#include "data/DatiProgetto.h"
#include "data/Messages.h"
#include "data/Scalars.h"

namespace voro {

struct ModelloArco;

class VoroParziale {
 public:
  double X1 = 0, X2 = 0, X3 = 0;
  double Y1 = 0, Y2 = 0, Y3 = 0;
  double Spessore = 0;
  double Raggio = 0, xC = 0, yC = 0;
  double Sviluppo = 0;
  Integer iVoro = 0;
  Integer nConci = 0;
  Integer iConcio1 = 0;
  Integer nConciInput = 0;

  // The circle, the arc length and the angles; the wall splits of the first
  // and last partial arch of the chain (nVori arches in all).
  void Calcola(const DatiProgetto& d, ModelloArco& m, Messages& msg);

  // Creates this arch's voussoirs as Conci(offset + 1 .. offset + nConci).
  void CreaConci(ModelloArco& m, int offset);

  // Reshapes the last voussoir of this arch and the first of the next so that
  // the two rings meet on a common joint.
  void Raccorda(VoroParziale& next, ModelloArco& m, Messages& msg);

 private:
  // Splits off the voussoirs whose extrados lies inside the solid backing.
  void PareteSinistra(const DatiProgetto& d, ModelloArco& m);
  void PareteDestra(const DatiProgetto& d, ModelloArco& m);

  double theta_ = 0;   // polar angle of the left joint of the next voussoir to create
  double dTheta_ = 0;  // angular width of each own voussoir
};

}  // namespace voro
