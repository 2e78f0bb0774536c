// The bundled example projects: each reads, solves and is stored in the
// program's own file format.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "ProgettiProva.h"
#include "data/ProjectFile.h"

namespace voro {
namespace {

TEST(Esempi, EveryBundledProjectSolvesAndIsCanonical) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(VORO_SOURCE_DIR) + "/examples")) {
    if (entry.path().extension() != ".vro") continue;
    ++count;
    SCOPED_TRACE(entry.path().filename().string());
    RecordingMessages msg;
    DatiProgetto d;
    LeggiFileProgetto(entry.path().string(), d, msg);
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    FileDati out = FileDati::perScrittura();
    ASSERT_TRUE(FileLeggeScrive("S", out, d, msg));
    EXPECT_EQ(out.contenuto(), bytes);

    prova::Caso c(d);
    c.risolvi();
    EXPECT_TRUE(c.messaggi.empty()) << c.messaggi.texts().front();
    EXPECT_GT(c.risultati.PercMinima, 0);
    EXPECT_GT(c.risultati.SigmaEstPeggiore, 0);
  }
  EXPECT_GE(count, 4);
}

}  // namespace
}  // namespace voro
