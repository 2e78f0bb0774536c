// The partial factors each code basis gives for the assessment of a masonry
// arch bridge, with the clause of every value for the report's references.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/DatiVerifica.h"
#include "data/Regional.h"

namespace voro {

// "EN 1990 / EN 1991-2", "NTC 2018 (Italy)", "as typed": in English, as the
// files and the JSON carry them; translated ("Voro") where they are shown.
std::string NomeNormativa(BaseNormativa b);
// "LC1", "LC2", "LC3".
std::string NomeLivello(LivelloConoscenza l);
// The code basis from its short name on the command line (en, ntc, typed),
// the knowledge level from its name (LC1, LC2, LC3); none when unknown.
std::optional<BaseNormativa> LeggiBaseNormativa(const std::string& nome);
std::optional<LivelloConoscenza> LeggiLivello(const std::string& nome);

// The factors of the code basis: its preset values, with FC from the
// knowledge level and gM as typed (the codes leave the masonry's factor to
// the engineer); "as typed" returns the typed table unchanged.
CoefficientiParziali CoefficientiNormativa(const DatiNormativa& n);

// The rail factors of a code basis where a file or a new project gives none:
// its presets, or under "as typed" gQf equal to the typed gQ and alpha 1;
// phi 0 (found from the arch).
void FattoriFerroviariPredefiniti(BaseNormativa b, CoefficientiParziali& c);

// Chooses the code basis and fills the table with its presets (gM kept).
void ApplicaNormativa(DatiNormativa& n, BaseNormativa b);
// Sets the knowledge level and its confidence factor FC.
void ApplicaLivello(DatiNormativa& n, LivelloConoscenza l);

// One value of the table with where it comes from.
struct ClausolaFattore {
  std::string fattore;    // "γG1,sup"
  Single valore = 0;
  std::string fonte;      // the clause, "typed by the engineer", or why it is missing
  bool dato = true;       // false: a factor the verdict needs that was not given
};

// The factors of n in the order of the table, each with its clause; a value
// that differs from the code's preset is "typed by the engineer", a
// resistance's factor left at 1 a default, and gM or FC without a knowledge
// level under a code basis not given.
// The clauses in the language of lingua, in English without it.
std::vector<ClausolaFattore> ClausoleNormativa(const DatiNormativa& n, const Regional* lingua = nullptr);

// The codes the assessment refers to, one full citation each.
std::vector<std::string> RiferimentiNormativa(BaseNormativa b);

// The short names of the factors on the command line (gG1sup ... FC, gMu,
// gR, gQrail, alpha, phi) and
// the factor each stands for; none when the name is unknown.
Single* FattorePerNome(CoefficientiParziali& c, const std::string& nome);

}  // namespace voro
