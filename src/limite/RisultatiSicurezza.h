// The assessment of an arch by exact limit analysis: every figure, thrust
// line and mechanism, for the command line, the Safety window and the report.
#pragma once

#include <optional>
#include <vector>

#include "data/Scalars.h"
#include "limite/Certificato.h"

namespace voro {

// A thrust line: the force of the left support on the arch (V up, H toward
// +x, kN), the multiplier of the variable load it carries and, joint by
// joint (joint 1 the left springing, joint i + 1 the right joint of voussoir
// i), its point, the normal force (compression positive) and the
// eccentricity (m, from the joint centre, positive toward the extrados).
struct LineaSpinte {
  double H = 0, V = 0;
  double fattoreCarico = 1;
  std::vector<double> x, y, N, e;
  std::vector<double> T;         // force along each joint (kN)
  // With the soil as a resistance: the pressure it mobilises on each
  // voussoir, voussoir 1 first (kN); empty when the pressure is a fixed load.
  std::vector<double> FPassiva;
};

enum class Faccia { Intradosso, Estradosso };

// How a joint of a mechanism gives way: it turns about an edge of the
// masonry, about the edge of the crushed stress block, or it slides.
enum class TipoCerniera { Cerniera, Schiacciamento, Scorrimento };

// A joint where a thrust line touches the (reduced) section: a hinge. A
// sliding joint's side is the way the part on its right slides (toward the
// extrados or the intrados).
struct Cerniera {
  int giunto = 0;
  Faccia faccia = Faccia::Intradosso;
  TipoCerniera tipo = TipoCerniera::Cerniera;
  // How fast it turns (or slides) in the mechanism, the fastest joint 1;
  // 0 where only the position of a hinge is known.
  double rotazione = 0;
  bool operator==(const Cerniera& c) const { return giunto == c.giunto && faccia == c.faccia && tipo == c.tipo; }
};

// What became of the largest multiplier of the variable load.
enum class EsitoCarico {
  Finito,        // a multiplier with its four-hinge mechanism
  Illimitato,    // the variable load alone can never form a mechanism
  NessunCarico,  // the project has no variable load
  Impossibile,   // no multiplier >= 0 lets a thrust line fit
  NonCertificato // no solver gave a certified answer: the factor is unknown
};

// One position of the strip load in the sweep; no factor when none exists there.
struct PosizioneCarico {
  Single xq1 = 0, xq2 = 0;
  std::optional<double> fattore;
  bool certificata = true;  // false: no solver certified this position's answer
};

// Where a joint of the figures lies in a bridge: its span (1 the first)
// and its number there (1 the span's left springing), or the pier whose
// base it is (0: a joint of a ring); its depth (m).
struct PostoGiunto {
  int campata = 1, giunto = 1, pila = 0;
  double h = 0;
};

// A bridge: one span's thrust range, and one pier's base forces.
struct CampoCampata {
  int campata = 1;
  std::optional<double> minima, massima;
};
struct BasePila {
  int pila = 1;
  double N = 0, T = 0, M = 0;  // kN, kN, kNm about the base's centre (positive: the force right of it)
};

struct RisultatiSicurezza {
  int nGiunti = 0;
  // Every joint of the lines and mechanisms below, in their order.
  std::vector<PostoGiunto> posti;
  int nCampate = 1;
  std::vector<CampoCampata> campiCampate;  // a bridge's spans, each with its own thrust range
  std::vector<BasePila> basiPile;          // on the line of least eccentricity

  // The hypotheses every figure below rests on, but the geometric factor,
  // which is always Heyman's (rigid, unlimited strength, no sliding).
  bool resistenzaFinita = false;            // some joint's masonry crushes
  std::optional<double> resistenzaMinima;   // the least fc [MPa] of the structure
  std::optional<double> attrito;            // mu; none: joints never slide
  std::optional<double> mobilitazione;      // soil as a resistance up to this share; none: fixed load
  // The tolerance of the strength domain's chords on the live-load factor.
  double tolleranzaResistenza = 0;

  // 1. The thrust line of least eccentricity: it lies within the fraction s
  // of every joint's depth and within no smaller one. Admissible when s <= 1.
  // No s when no thrust line keeps every joint in compression.
  std::optional<double> rapportoSpessore;
  std::optional<double> fattoreGeometrico;  // 1 / s; none when s = 0
  Certificato certificatoGeometrico;
  // Whether a line stands under the stated hypotheses; certified by a line
  // that stands, or by a proof that none does.
  bool ammissibile = false;
  Certificato certificatoAmmissibile;
  bool spintaIllimitataMinima = false;      // s is reached only as the thrust grows without end
  LineaSpinte lineaMinima;
  std::vector<Cerniera> contatti;           // where it touches the reduced section

  // 2. The thrust range of all thrust lines within the masonry (s = 1).
  std::optional<double> spintaMinima, spintaMassima;
  bool spintaMassimaIllimitata = false;     // a straight thrust line fits: no upper limit
  LineaSpinte lineaSpintaMinima, lineaSpintaMassima;
  Certificato certificatoCampo;             // not valid: no range is given

  // 3. The largest multiplier of the variable load and its collapse mechanism.
  EsitoCarico esitoCarico = EsitoCarico::NessunCarico;
  std::optional<double> fattoreCarico;
  std::vector<Cerniera> meccanismo;         // hinges and sliding joints, by joint
  std::vector<int> giuntiSchiacciati;       // joints of the mechanism where the masonry crushes
  std::vector<int> giuntiScorrevoli;        // joints of the mechanism that slide
  LineaSpinte lineaCollasso;                // at the factored load
  Certificato certificatoCarico;

  // 4. The strip load moved across the structure.
  double lunghezzaCarico = 0;               // Lq = xq2 - xq1 after clamping
  std::vector<PosizioneCarico> posizioni;
  std::optional<double> fattorePeggiore;
  std::optional<Single> xq1Peggiore, xq2Peggiore;
  std::vector<Cerniera> meccanismoPeggiore; // the four hinges at the worst position
  LineaSpinte lineaCollassoPeggiore;        // its collapse line, at the factored load there
  // Every position certified, and the least refined between its neighbours:
  // the worst position's mechanism bounds the least factor from above.
  Certificato certificatoPeggiore;
  int posizioniNonCertificate = 0;

  // 5. The least thickness factor f for which a thrust line fits, every
  // segment's thickness scaled by f.
  std::optional<double> spessoreMinimo;     // thinnest segment at the least f (m)
  std::optional<double> fattoreSpessore;    // 1 / f
  std::optional<double> fattoreMinimo;      // f
  std::vector<Cerniera> contattiSpessoreMinimo;
  bool spessoreMinimoCalcolato = false;     // the search was asked for
  // A thickness at which a line stands (static) and one just below at which
  // none does (kinematic).
  Certificato certificatoSpessore;
  bool spessoreNonCertificato = false;      // a trial of the search had no certified answer
  // Whether thicker rings about the answer stand and thinner ones do not: a
  // single least thickness. False: feasibility changes more than once.
  bool spessoreMonotono = true;
};

}  // namespace voro
