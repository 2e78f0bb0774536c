// The help-language file: its one quoted line, and the user's copy when the
// program folder cannot be written.
#include <gtest/gtest.h>

#include <optional>

#include "Progetti.h"
#include "data/Lingua.h"

namespace voro {
namespace {

// Which file holds what, and the language read: none, the program's, an
// unknown code as it stands (then not a language of the program), or the
// user's copy over the program's.
TEST(LinguaIni, TheUsersCopyOverTheProgramsOneQuotedLine) {
  const std::tuple<const char*, const char*, std::optional<std::string>> casi[] = {
      {nullptr, nullptr, std::nullopt}, {"\"ENG\"\r\n", nullptr, "ENG"}, {"\"FRA\"\r\n", nullptr, "FRA"},
      {"\"ITA\"\r\n", "\"ENG\"\r\n", "ENG"}};
  for (const auto& [programma, utente, letta] : casi) {
    const Cartella prog("lingua-programma"), user("lingua-utente");
    if (programma) std::ofstream(prog / "Lingua.ini") << programma;
    if (utente) std::ofstream(user / "Lingua.ini") << utente;
    EXPECT_EQ(LinguaLeggeIni(prog.p, user.p), letta) << (programma ? programma : "none");
  }
  EXPECT_EQ(std::tuple(LinguaValida("FRA"), IndiceLingua("FRA")), std::tuple(false, 0));
}

}  // namespace
}  // namespace voro
