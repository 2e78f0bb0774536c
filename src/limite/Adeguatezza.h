// The adequacy of an arch under a code's partial factors: the live-load
// factor of the design variable loads with the design permanent loads and
// the design strength, in every combination of the structural (G1) and the
// non-structural (G2) permanent loads each at its favourable (inf) or
// unfavourable (sup) factor; the smallest governs, and the arch is adequate
// when it is at least 1.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "data/DatiProgetto.h"
#include "data/Mancanze.h"
#include "data/Regional.h"
#include "limite/RisultatiSicurezza.h"
#include "limite/RisultatiVeicolo.h"
#include "limite/Valutazione.h"

namespace voro {

// Both permanent loads favourable, both unfavourable, then the mixed ones:
// either may govern where the slab's weight works against the ring's.
enum class Combinazione { Inf, Sup, G1SupG2Inf, G1InfG2Sup };
inline constexpr std::array<Combinazione, 4> kCombinazioni = {Combinazione::Inf, Combinazione::Sup,
                                                              Combinazione::G1SupG2Inf, Combinazione::G1InfG2Sup};

// "inf", "sup", "G1 sup, G2 inf" or "G1 inf, G2 sup".
std::string NomeCombinazione(Combinazione c);

// Where the governing variable load stands: its kind in words ("strip load",
// or the vehicle with its direction) and its extent along the structure (m):
// the strip's ends, or the vehicle's first and last axle.
struct CaricoGovernante {
  std::string carico;
  double x1 = 0, x2 = 0;
  bool veicolo = false;  // the vehicle, with the strip load where the project puts it
  std::string nomeVeicolo;
  bool avanti = true;    // the vehicle driven forward (its other axles at x + d)
  bool simmetrico = false;  // its own mirror image: no way of driving it to name
};

// The kind of the governing load in the language of lingua, as carico says it.
std::string TestoCarico(const CaricoGovernante& c, const Regional& lingua);

// One combination assessed on its design project.
struct EsitoCombinazione {
  Combinazione combinazione = Combinazione::Sup;
  RisultatiSicurezza risultati;           // of the design project, no thickness search
  std::optional<double> fattore;          // least live-load factor; none: no finite one
  EsitoCarico esito = EsitoCarico::NessunCarico;
  bool adeguata = false;
  std::vector<Cerniera> meccanismo;       // of the governing load
  std::optional<CaricoGovernante> governante;
  LineaSpinte lineaCollasso;              // of the governing load, at its factor
  // The vehicle's sweep of the design project, where it has a vehicle: the
  // report draws its worst position and the forces of the case that governs.
  std::optional<RisultatiVeicolo> veicolo;
  // Every figure the combination rests on certified; otherwise its verdict
  // is unknown, neither adequate nor not.
  bool certificata = true;
};

struct Adeguatezza {
  CoefficientiParziali coefficienti;
  // What the code basis needs for a verdict and the project does not state;
  // then no combination is assessed and there is no verdict at all.
  MancanzeVerdetto mancanze;
  bool verdetto() const { return mancanze.nessuna(); }
  std::array<EsitoCombinazione, 4> combinazioni;  // in the order of kCombinazioni
  int governa = 0;                                 // the index of the governing one
  const EsitoCombinazione& governante() const { return combinazioni[static_cast<std::size_t>(governa)]; }
  // The adequacy factor: the governing combination's live-load factor; none
  // when no variable load can make a mechanism (or there is none).
  std::optional<double> fattore() const { return governante().fattore; }
  bool adeguato() const {
    for (const EsitoCombinazione& e : combinazioni)
      if (!e.adeguata) return false;
    return true;
  }
  bool certificata() const {
    for (const EsitoCombinazione& e : combinazioni)
      if (!e.certificata) return false;
    return true;
  }
};

// The factors of G1 and G2 in combination k.
std::pair<Single, Single> FattoriPermanenti(const CoefficientiParziali& c, Combinazione k);

// The project with design values for the combination: the unit weights of
// masonry and fill times gG1, of the slab times gG2 (inf or sup), the
// variable loads (strip and road vehicle axles) times gQ, a rail vehicle's
// axles times gQf alpha Phi (FattoreVeicolo), every compressive
// strength over gM FC, the friction over gMu.
DatiProgetto ProgettoDiCalcolo(const DatiProgetto& d, const CoefficientiParziali& c, Combinazione k);

// Assesses every combination of the project's own factors (one whose design
// project another already is, once); the strip load
// swept over o.nPosizioni positions and the project's vehicle driven across
// in steps of o.passoVeicolo (the least thickness is never searched). The
// project's own assessment and vehicle sweep, where given, stand for a
// combination whose factors are all 1. A project that misses what the code
// basis needs (Mancanze) gets no combination assessed and no verdict. False
// when stopped. Raises as ValutaSicurezza.
bool ValutaAdeguatezza(const DatiProgetto& d, const OpzioniSicurezza& o, Adeguatezza& a,
                       const RisultatiSicurezza* proprie = nullptr, const RisultatiVeicolo* veicoloProprio = nullptr);

}  // namespace voro
