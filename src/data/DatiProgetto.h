// The input of one project: ring and segment geometry, weights, widths,
// loads and calculation options, with their start values.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "data/Array1.h"
#include "data/DatiVerifica.h"
#include "data/Scalars.h"
#include "data/Veicolo.h"

namespace voro {

// The input of one circle segment (partial arch) of the intrados line.
struct DatiVoro {
  double X1 = 0, Y1 = 0;  // start point; set by the geometry reading on segment 1
  double X2 = 0, Y2 = 0;  // intermediate point
  double X3 = 0, Y3 = 0;  // end point
  double Spessore = 0;    // ring thickness of the segment
  Integer nConciInput = 0;
  Integer nConci = 0;     // equal to nConciInput whenever the input is read
  Single Resistenza = 0;  // compressive strength of the segment's masonry fc [MPa]; 0 unlimited
};

// The most spans a bridge may have.
inline constexpr std::size_t kMaxCampate = 20;

// The pier between two spans: its width at the springings, its height from
// the top of its foundation to the higher of the two springings, the batter
// of its faces (horizontal per vertical, positive where the face leans out
// toward the base) and its unit weight.
struct DatiPila {
  Single Larghezza = 0;
  Single Altezza = 0;
  Single ScarpaSinistra = 0, ScarpaDestra = 0;
  Single PesoUnita = 0;  // kN/m3
  bool operator==(const DatiPila&) const = default;
};

// A span after the first, with the pier on its left: its ring described as
// the first span's is (one circular ring, or a chain of segments from its
// left springing at the origin of its own axes), its masonry's strength and
// the level of its left springing above the first span's.
struct DatiCampata {
  DatiPila Pila;
  Integer nVori = 1;
  Single LuceAnello = 0, FrecciaAnello = 0, SpessoreAnello = 0, nConciAnello = 0;
  Array1<DatiVoro> Vori;  // 1 .. nVori when nVori > 1
  Single ResistenzaAnello = 0;
  Single Quota = 0;
};

// One span of a bridge built on its own: where its left springing lies in
// the bridge's axes and the bridge's top of fill above it.
struct CampataIsolata {
  double x0 = 0, y0 = 0;
  std::optional<Single> yRiempimento;
};

// The soil's passive resistance in a design project: bounded by the pressure
// of the characteristic fill, slab and strip load over gR, not by the design
// loads, which would raise a resistance by the loads' factors.
struct SpintaCaratteristica {
  Single PesoRiempimento = 0, PesoSoletta = 0, qCarico = 0;
  Single gR = 1;
};

// Every input variable of a project. A new project has every number 0, an
// empty title and one segment.
struct DatiProgetto {
  std::string Titolo;
  Integer Riservato = 0;  // stored and restored unchanged
  Single PesoMuratura = 0;
  Single hRiempimento = 0;
  Single PesoRiempimento = 0;
  Single hSoletta = 0;
  Single PesoSoletta = 0;
  Single Larghezza = 0;
  Single LarghezzaChiave = 0;
  Single SporgenzaParete = 0;
  Single hRiempimentoSolido = 0;
  Integer nVori = 1;
  Single LuceAnello = 0;
  Single FrecciaAnello = 0;
  Single SpessoreAnello = 0;
  Single nConciAnello = 0;
  Single EccSinistra = 0;
  Single EccChiave = 0;
  Single EccDestra = 0;
  Single qCarico = 0;
  Single xq1 = 0;
  Single xq2 = 0;
  Single ScalaPlot = 0;
  bool ScalaManuale = false;
  bool SpintaPassiva = false;
  Single Kp = 0;
  std::array<Integer, 2> nConciSpinta{0, 0};  // 0 = from the left, 1 = from the right
  bool OttimizzaCerniere = false;
  Integer nDivisioni = 0;
  bool OttimizzaEccentricita = false;
  Array1<DatiVoro> Vori;  // 1 .. nVori; empty until the geometry has segments

  // The masonry and the soil in the assessment. The ring's compressive
  // strength (the segments carry their own) and the friction coefficient of
  // the joints, none meaning unlimited strength and no sliding check (rigid,
  // Heyman's hypotheses); the share of the full passive pressure the soil may
  // mobilise as a resistance.
  Single ResistenzaAnello = 0;        // fc [MPa]; 0 unlimited
  std::optional<Single> Attrito;      // mu; empty: joints never slide
  Single Mobilitazione = 1;

  // The traffic on the fill: the vehicle moved across the bridge in the
  // assessment (none: the strip load alone) and how its axles spread
  // through the fill down to the ring.
  std::optional<Veicolo> VeicoloCarico;
  Diffusione DiffusioneCarico;

  // The code basis and partial factors of the adequacy check, and the
  // report's title block.
  voro::DatiNormativa Normativa;
  voro::Cartiglio Cartiglio;

  // The spans after the first, left to right, each on the pier at its left:
  // empty for a single arch between its abutments. The first span is the
  // ring above; the fill, slab, road, walls and loads are the whole bridge's.
  std::vector<DatiCampata> Campate;
  int nCampate() const { return 1 + static_cast<int>(Campate.size()); }
  // Set on the project of one span taken out of a bridge; never stored.
  std::optional<CampataIsolata> Isolata;
  // Set on the design projects of the adequacy check; never stored.
  std::optional<voro::SpintaCaratteristica> SpintaCaratteristica;

  // Re-dimensions Vori to 1 .. n keeping the segments that stay; n < 1 is
  // Subscript out of range.
  void dimensionaVori(int n) {
    if (Vori.empty()) Vori.redim(1, n);
    else Vori.redimPreserve(n);
  }
};

// State of the user interface that is not stored with the project.
struct StatoInterfaccia {
  bool DatiNuovi = true;   // the project was not read from a file
  Integer FormDati = 1;    // 1 geometry form, 2 loads form
  std::string Lingua;      // "ITA" or "ENG"
  std::string CartellaProgramma;
  std::string CartellaDati;
  std::array<bool, 6> Visualizza{};  // the View flags
};

// The default rule applied whenever the geometry form is filled: a new project
// gets width 1 and plot scale 1 where they are not positive.
void Datidefault(DatiProgetto& d, StatoInterfaccia& stato);

}  // namespace voro
