// The language codes "ITA" and "ENG", the help file each names, and the
// Lingua.ini an older version kept the choice in (read once, when the user's
// settings hold no language yet).
#pragma once

#include <optional>
#include <string>

namespace voro {

// The code stored in the Lingua.ini of the user's configuration folder, else
// of the program's folder; nothing when neither can be read.
std::optional<std::string> LinguaLeggeIni(const std::string& cartellaProgramma, const std::string& cartellaUtente);

// Index 0 sets "ITA", 1 "ENG"; any other index changes nothing.
void LinguaSetta(int indice, std::string& lingua);
// 0 for "ITA", 1 for "ENG", 0 for anything else.
int IndiceLingua(const std::string& lingua);
// A code the program knows.
inline bool LinguaValida(const std::string& lingua) { return lingua == "ITA" || lingua == "ENG"; }

// "Voro-" + code + ".HLP", the help file's name without folder.
inline std::string NomeFileAiuto(const std::string& lingua) { return "Voro-" + lingua + ".HLP"; }

}  // namespace voro
