// The code basis of an assessment and the report's title block: the partial
// factors that turn the project's characteristic loads and strength into
// design values, and who signs the report.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "data/Scalars.h"

namespace voro {

// The code whose partial factors the assessment uses; "as typed" takes the
// engineer's own table.
enum class BaseNormativa { Digitata, Eurocodice, Ntc2018 };

// The knowledge level of an existing masonry structure: it sets the
// confidence factor FC on the masonry's strength.
enum class LivelloConoscenza { LC1, LC2, LC3 };

// The partial factors: on the structural permanent loads (masonry, fill,
// walls) G1 and the non-structural ones (slab and surfacing) G2, each at its
// unfavourable (sup) and favourable (inf) value; on the variable loads Q
// (strip and vehicle together); on the masonry's strength gM and FC (design
// strength fc / (gM FC)); on the joints' friction gMu (design friction
// mu / gMu); on the soil's passive resistance gR (its bound, from the
// characteristic loads, over gR). A rail vehicle's axles take gQf, rail
// traffic's own factor, times the classification factor alpha and the
// dynamic factor phi (0: found from the arch's span and cover) instead of
// gQ, which stays on the strip load and road vehicles. All 1 and phi 0 for a
// road vehicle: the characteristic project itself.
struct CoefficientiParziali {
  Single gG1sup = 1, gG1inf = 1;
  Single gG2sup = 1, gG2inf = 1;
  Single gQ = 1;
  Single gM = 1, FC = 1;
  Single gMu = 1;
  Single gR = 1;
  Single gQf = 1;
  Single alpha = 1;
  Single phi = 0;
  bool operator==(const CoefficientiParziali&) const = default;
};

// How the track over the arch is maintained: it chooses the dynamic factor
// Φ2 (carefully) or Φ3 (standard).
enum class ManutenzioneBinario { Accurata, Standard };

struct DatiNormativa {
  BaseNormativa base = BaseNormativa::Digitata;
  // The codes give no default for either: a verdict under EN or NTC needs
  // the knowledge level and the masonry's factor gM stated by the engineer.
  std::optional<LivelloConoscenza> livello;
  bool gMDato = false;
  CoefficientiParziali coefficienti;
  ManutenzioneBinario manutenzione = ManutenzioneBinario::Accurata;
  bool operator==(const DatiNormativa&) const = default;
};

// The title block of the report; an empty field is left blank for signing by hand.
struct Cartiglio {
  std::string riferimento;   // structure reference
  std::string committente;   // client
  std::string progettista;   // engineer
  std::string verificatore;  // checker
  std::string approvatore;   // approver
  std::string revisione;
  std::string stato;         // status of the report: for checking, approved, ...
  std::string numeroDocumento;
  std::string localita;      // where the structure stands
  std::string proprietario;  // owner of the structure
  std::string scopo;         // purpose of the report: assessment, design of a repair, ...
  // For each signature the professional register and number, and the date signed.
  std::string iscrizioneProgettista, dataProgettista;
  std::string iscrizioneVerificatore, dataVerificatore;
  std::string iscrizioneApprovatore, dataApprovatore;
  bool operator==(const Cartiglio&) const = default;
};

// The fields of the title block in the order the project file keeps them:
// the first seven as they always were, then the ten added later.
inline constexpr std::size_t kCampiCartiglio = 17, kCampiCartiglioPrimi = 7;
template <typename C>
std::array<decltype(&std::declval<C&>().stato), kCampiCartiglio> CampiCartiglio(C& c) {
  return {&c.riferimento,           &c.committente,     &c.progettista,           &c.verificatore,
          &c.approvatore,           &c.revisione,       &c.stato,                 &c.numeroDocumento,
          &c.localita,              &c.proprietario,    &c.scopo,                 &c.iscrizioneProgettista,
          &c.dataProgettista,       &c.iscrizioneVerificatore, &c.dataVerificatore, &c.iscrizioneApprovatore,
          &c.dataApprovatore};
}

}  // namespace voro
