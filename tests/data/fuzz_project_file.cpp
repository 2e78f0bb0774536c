// Thousands of mutated and truncated project files fed to the reader, built
// with the address and undefined-behaviour sanitizers: each one loads, or
// fails with "Lettura incompleta del file" (a segment count below 1 with the
// subscript error), and nothing it loads is NaN or infinite.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "Progetti.h"

namespace voro {
namespace {

std::vector<std::string> seeds() {
  std::vector<std::string> out;
  // Every bundled project, the bridges among them.
  for (const auto& e : std::filesystem::recursive_directory_iterator(std::string(VORO_SOURCE_DIR) + "/examples"))
    if (e.is_regular_file()) out.push_back(bytesOf(e.path()));
  return out;
}

bool finite(const DatiProgetto& d) {
  for (Single v : {d.PesoMuratura, d.hRiempimento, d.PesoRiempimento, d.hSoletta, d.PesoSoletta, d.Larghezza,
                   d.LarghezzaChiave, d.SporgenzaParete, d.hRiempimentoSolido, d.LuceAnello, d.FrecciaAnello,
                   d.SpessoreAnello, d.nConciAnello, d.EccSinistra, d.EccChiave, d.EccDestra, d.qCarico, d.xq1,
                   d.xq2, d.ScalaPlot, d.Kp})
    if (!std::isfinite(v)) return false;
  for (const DatiVoro& v : d.Vori)
    for (double x : {v.X2, v.Y2, v.X3, v.Y3, v.Spessore})
      if (!std::isfinite(x)) return false;
  return true;
}

// Reads bytes and checks the outcome; returns the error number, 0 when loaded.
int check(const std::string& bytes) {
  DatiProgetto d;
  RecordingMessages m;
  const int number = readInto(bytes, d, m);
  EXPECT_TRUE(finite(d));
  if (number == err::IncompleteFile) {
    EXPECT_EQ(m.texts(), std::vector<std::string>{"Lettura incompleta del file"});
  } else if (number == err::SubscriptOutOfRange) {
    EXPECT_LT(d.nVori, 1);
  } else {
    EXPECT_EQ(number, 0);
    EXPECT_TRUE(m.empty());
    // What loads and writes also reads back and writes the same.
    FileDati w = FileDati::perScrittura();
    if (FileLeggeScrive("S", w, d, m)) {
      DatiProgetto again;
      EXPECT_EQ(readInto(w.contenuto(), again, m), 0);
      EXPECT_EQ(written(again), w.contenuto());
    }
  }
  return number;
}

TEST(FuzzProjectFile, TruncatedAtEveryByte) {
  for (const std::string& s : seeds())
    for (std::size_t n = 0; n < s.size(); ++n) check(s.substr(0, n));
}

TEST(FuzzProjectFile, RandomMutations) {
  std::mt19937 rng(20261206);
  const std::vector<std::string> base = seeds();
  const std::string tokens[] = {",", "\r\n", "\"", "-", ".", "E", "1e39", "1e400", "#TRUE#", "0", "-1", "32768",
                                "99999", " ", "\n", "NaN", "inf", "0x10", "\xE0", "2.5", "-0", "1E-45"};
  int loaded = 0, failed = 0;
  for (int iteration = 0; iteration < 6000; ++iteration) {
    std::string s = base[rng() % base.size()];
    const int edits = 1 + static_cast<int>(rng() % 4);
    for (int e = 0; e < edits && !s.empty(); ++e) {
      const std::size_t pos = rng() % s.size();
      switch (rng() % 4) {
        case 0: s[pos] = static_cast<char>(rng() % 256); break;
        case 1: s.erase(pos, 1 + rng() % 8); break;
        case 2: s.insert(pos, tokens[rng() % std::size(tokens)]); break;
        case 3: s.insert(pos, 1, static_cast<char>(rng() % 256)); break;
      }
    }
    (check(s) == 0 ? loaded : failed)++;
  }
  EXPECT_GT(loaded, 100);
  EXPECT_GT(failed, 100);
}

}  // namespace
}  // namespace voro
