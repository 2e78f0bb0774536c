// The domain of the normal force N and the moment M a joint of masonry of
// finite compressive strength carries: 0 <= N <= fc b h and
// |M| <= N (h/2 - N/(2 fc b)), the thrust N/(2 fc b) inside the compressed
// edge (a rectangular stress block). The linear programs see it through
// chords from inside, or tangents from outside to bound the exact answer.
#pragma once

#include <cstddef>
#include <vector>

#include "limite/IpotesiMuratura.h"
#include "limite/StaticaGiunti.h"

namespace voro {

// A joint's moment capacity alfa N + beta: h/2 N for rigid masonry.
struct Retta {
  double alfa = 0, beta = 0;
};

// The largest moment a joint of depth h carries at the normal force N, with
// fcb = fc times its width (0: unlimited strength); negative beyond the
// crushing force.
double MomentoResistente(double h, double fcb, double N);

// The chord of the parabola N (h/2 - N/(2 fcb)) between Na and Nb; its
// tangent at Na when Nb = Na.
Retta Corda(double h, double fcb, double Na, double Nb);

// The smallest capacity of the rows at N.
double Capacita(const std::vector<Retta>& rette, double N);

double fcbGiunto(const IpotesiMuratura& ip, std::size_t j);

// The normal forces of each joint where the chords meet the parabola (empty
// for a joint of unlimited strength), and the rows they give.
using Punti = std::vector<std::vector<double>>;
using Dominio = std::vector<std::vector<Retta>>;

Punti PuntiIniziali(const StaticaGiunti& st, const IpotesiMuratura& ip);

// Chords from inside (the programs' answers safe) or tangents from outside
// (a bound the exact domain cannot beat); the rigid row where the strength
// is unlimited.
Dominio Rette(const StaticaGiunti& st, const IpotesiMuratura& ip, const Punti& p, bool tangenti);

// The rows of each joint near the normal force N[j] of a line: the chord
// through N and its two neighbours, or the tangents at the points about N
// with those at 0 and at the crushing force (still a bound from outside).
Dominio Vicine(const StaticaGiunti& st, const IpotesiMuratura& ip, const Punti& p, const std::vector<double>& N,
               bool tangenti);

// More chords about N on one joint's points.
void Raffina(std::vector<double>& punti, double N);

}  // namespace voro
