// A vehicle of the traffic codes, its axles on the road, and the rule by
// which their contact spreads through the fill down to the ring.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/Scalars.h"
#include "data/Traduzioni.h"

namespace voro {

// The traffic a vehicle belongs to: the code basis takes its partial factor
// by it, and a rail vehicle's loads also carry the classification factor α
// and the dynamic factor Φ.
enum class CategoriaTraffico { Stradale, Ferroviaria };

// "road" or "rail", as the files write it; the category from that word, none
// for any other.
const char* TestoCategoria(CategoriaTraffico c);
std::optional<CategoriaTraffico> LeggiCategoria(const std::string& testo);

// One axle: its whole load, its distance from the vehicle's first axle and
// the length of its contact along the span.
struct AsseVeicolo {
  Single P = 0;  // [kN], both wheels
  Single d = 0;  // [m]
  Single a = 0;  // [m]
  bool operator==(const AsseVeicolo&) const = default;
};

// A vehicle: its axles in the order listed (the first at distance 0), the
// wheel track s (centre to centre) and the contact width w across the road.
struct Veicolo {
  std::string Nome;
  std::vector<AsseVeicolo> Assi;
  Single Carreggiata = 0;        // s [m]
  Single LarghezzaImpronta = 0;  // w [m]
  CategoriaTraffico Categoria = CategoriaTraffico::Stradale;
  bool operator==(const Veicolo&) const = default;

  bool Ferroviario() const { return Categoria == CategoriaTraffico::Ferroviaria; }

  // Whether the vehicle driven backward puts the same loads where it did
  // forward (up to a shift): then one direction of travel is enough.
  bool Simmetrico() const;
  // The largest distance of an axle from the first.
  Single Passo() const;
};

// The largest values a road or rail vehicle can have. Beyond them a value is
// a slip of the hand or a damaged file, and the sweep, whose positions grow
// with the vehicle's length, would run for minutes.
inline constexpr Single kMassimoCaricoAsse = 2000;  // kN on one axle
inline constexpr Single kMassimaDistanzaAssi = 500; // m from the first axle (a whole train)
inline constexpr Single kMassimaImpronta = 25;      // m of contact along the span (a distributed rail load)
inline constexpr Single kMassimaLarghezza = 5;      // m of track s or contact width w
inline constexpr std::size_t kMassimoAssi = 200;

// What is wrong with a vehicle, naming it, the axle and the value; none when
// it can be driven: at least one axle, every load, distance and contact
// finite, not negative and within the bounds above, a load somewhere. In the language of lingua, in
// English without it (as the vehicle files' messages are).
std::optional<std::string> ErroreVeicolo(const Veicolo& v, const Traduzioni* lingua = nullptr);
// What is wrong with axle k (from 0) of the vehicle alone: a load, distance
// or contact that is negative, not finite or beyond its bound.
std::optional<std::string> ErroreAsse(const Veicolo& v, std::size_t k, const Traduzioni* lingua = nullptr);

// The angle at which an axle's contact spreads through the fill on each
// side, from the vertical.
enum class RegolaDiffusione { Nessuna, UnoDue, Trenta, Quarantacinque, Angolo };

struct Diffusione {
  RegolaDiffusione regola = RegolaDiffusione::Nessuna;
  Single gradi = 0;  // the angle typed, for RegolaDiffusione::Angolo
  bool operator==(const Diffusione&) const = default;

  // tan θ of the rule: 0, 1/2, tan 30°, 1 or the tangent of the angle typed.
  double Tangente() const;
  // θ in degrees.
  double Angolo() const;
  // As the command line and the files write it: "none", "1:2", "30", "45"
  // or the degrees typed.
  std::string Testo() const;
};

// The largest angle of spread the program accepts, in degrees.
inline constexpr double kAngoloDiffusioneMassimo = 60;

// The rule of an angle in degrees: 0, 30 and 45 are those rules, any other
// angle is typed (so that a rule reads back from its text as it was).
Diffusione DiffusioneAngolo(Single gradi);

// The rule from its text ("none", "1:2", "30", "45" or degrees from 0 to
// 60); none for anything else.
std::optional<Diffusione> LeggiDiffusione(const std::string& testo);

}  // namespace voro
