// The help-language setting: the code "ITA" or "ENG" kept in Lingua.ini and
// the help file it names.
#pragma once

#include <optional>
#include <string>

namespace voro {

// The code stored in the Lingua.ini of the user's configuration folder, else
// of the program's folder; nothing when neither can be read.
std::optional<std::string> LinguaLeggeIni(const std::string& cartellaProgramma, const std::string& cartellaUtente);

// Writes the code into the program folder's Lingua.ini, or into the user's
// configuration folder when the program folder cannot be written (a
// system-wide install); the user's copy is then the one read back. False
// when neither can be written.
bool LinguaScriveIni(const std::string& lingua, const std::string& cartellaProgramma,
                     const std::string& cartellaUtente);

// Index 0 sets "ITA", 1 "ENG"; any other index changes nothing.
void LinguaSetta(int indice, std::string& lingua);
// 0 for "ITA", 1 for "ENG", 0 for anything else.
int IndiceLingua(const std::string& lingua);
// A code the program knows.
inline bool LinguaValida(const std::string& lingua) { return lingua == "ITA" || lingua == "ENG"; }

// "Voro-" + code + ".HLP", the help file's name without folder.
inline std::string NomeFileAiuto(const std::string& lingua) { return "Voro-" + lingua + ".HLP"; }

}  // namespace voro
