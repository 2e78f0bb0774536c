// The help-language file: its one quoted line, and the user's copy when the
// program folder cannot be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "data/Lingua.h"

namespace voro {
namespace {

// Which file holds what, and the language read: none, the program's, an
// unknown code as it stands (then not a language of the program), or the
// user's copy over the program's.
TEST(LinguaIni, TheUsersCopyOverTheProgramsOneQuotedLine) {
  struct Caso {
    const char* programma;
    const char* utente;
    std::optional<std::string> letta;
  };
  const auto root = std::filesystem::temp_directory_path() / ("voro-lingua-" + std::to_string(::getpid()));
  for (const Caso& c : {Caso{nullptr, nullptr, std::nullopt}, Caso{"\"ENG\"\r\n", nullptr, "ENG"},
                        Caso{"\"FRA\"\r\n", nullptr, "FRA"}, Caso{"\"ITA\"\r\n", "\"ENG\"\r\n", "ENG"}}) {
    const auto prog = root / "prog", user = root / "user";
    std::filesystem::create_directories(prog);
    std::filesystem::create_directories(user);
    if (c.programma) std::ofstream(prog / "Lingua.ini") << c.programma;
    if (c.utente) std::ofstream(user / "Lingua.ini") << c.utente;
    EXPECT_EQ(LinguaLeggeIni(prog, user), c.letta) << (c.programma ? c.programma : "none");
    std::filesystem::remove_all(root);
  }
  EXPECT_FALSE(LinguaValida("FRA"));
  EXPECT_EQ(IndiceLingua("FRA"), 0);
}

}  // namespace
}  // namespace voro
