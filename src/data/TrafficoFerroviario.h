// The design load of a rail vehicle on a masonry arch: rail traffic's own
// partial factor, the classification factor α and the dynamic factor Φ,
// found from the arch's span and the cover of fill and ballast over it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/DatiProgetto.h"
#include "data/Normative.h"
#include "data/Regional.h"

namespace voro {

// Φ2 = 1.44 / (√LΦ - 0.2) + 0.82 within 1.00 and 1.67 (carefully maintained
// track), Φ3 = 2.16 / (√LΦ - 0.2) + 0.73 within 1.00 and 2.00 (standard
// maintenance), LΦ the determinant length in metres; the upper bound where
// LΦ is too short for the formula.
double CoefficienteDinamico(double LPhi, ManutenzioneBinario m);

// How Φ of a project was found.
struct FattoreDinamico {
  double luce = 0;         // the clear span that sets it (the shortest of a bridge's) [m]
  double LPhi = 0;         // the determinant length of an arch with fill: twice the clear span [m]
  double phiBase = 0;      // Φ2 or Φ3 of LPhi
  double copertura = 0;    // h, fill and slab over the highest crown [m]
  double riduzione = 0;    // (h - 1.00) / 10 where h is above 1.00 m
  bool coperturaAlta = false;  // NTC 2018: more than 2.50 m of cover, Φ = 1
  double phi = 1;          // the factor the axles carry
  bool digitato = false;   // typed by the engineer (phi > 0), none of the above used
};

// Φ of the project under its code basis and track maintenance, or as typed
// (d.Normativa.coefficienti.phi > 0); none when no span of the arch is a
// positive length.
std::optional<FattoreDinamico> FattoreDinamicoArco(const DatiProgetto& d, const CoefficientiParziali& c);

// The Φ the rail axles carry: as found or typed, at its upper bound where
// the arch has no span to find it from.
double PhiDelProgetto(const DatiProgetto& d, const CoefficientiParziali& c);

// What one axle load of the project's vehicle is multiplied by in the
// design projects: gQ for a road vehicle (or none), gQf α Φ for a rail one.
double FattoreVeicolo(const DatiProgetto& d, const CoefficientiParziali& c);

// The rows of the partial-factor table for a rail vehicle, each with its
// source: gQf, α and Φ with how it was found; none for a road vehicle or
// none at all. In the language of lingua, in English without it.
std::vector<ClausolaFattore> ClausoleFerroviarie(const DatiProgetto& d, const CoefficientiParziali& c,
                                                 const Regional* lingua = nullptr);

}  // namespace voro
