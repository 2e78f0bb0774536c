// What the tests of the data share: a sound ring, the bytes a project writes
// and reads, the error a call raises, and a folder of their own that goes
// when the test ends.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "data/ProjectFile.h"
#include "data/RuntimeError.h"

namespace voro {

// A sound single ring of 12 m with fill, slab, walls and a strip load.
inline DatiProgetto Anello() {
  DatiProgetto d;
  d.PesoMuratura = 19, d.hRiempimento = 0.6f, d.PesoRiempimento = 18, d.hSoletta = 0.25f, d.PesoSoletta = 24;
  d.Larghezza = d.LarghezzaChiave = 6, d.SporgenzaParete = 0.4f, d.hRiempimentoSolido = 1;
  d.LuceAnello = 12, d.FrecciaAnello = 3.5f, d.SpessoreAnello = 0.6f, d.nConciAnello = 36;
  d.qCarico = 20, d.xq1 = 3, d.xq2 = 8, d.ScalaPlot = 1;
  return d;
}

// The bytes of the project file, with no message.
inline std::string written(DatiProgetto d) {
  RecordingMessages m;
  FileDati f = FileDati::perScrittura();
  EXPECT_TRUE(FileLeggeScrive("S", f, d, m));
  EXPECT_TRUE(m.empty());
  return f.contenuto();
}

// The error a call raises, as its number and description; {0, ""} when none.
template <class F>
std::pair<int, std::string> Errore(F&& f) {
  try {
    f();
  } catch (const RuntimeError& e) {
    return {e.number(), e.description()};
  }
  return {0, ""};
}

// Reads bytes into d; returns the error number raised, 0 when none.
inline int readInto(const std::string& bytes, DatiProgetto& d, RecordingMessages& m) {
  FileDati f = FileDati::perLettura(bytes);
  return Errore([&] { FileLeggeScrive("L", f, d, m); }).first;
}

inline std::string bytesOf(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A temporary folder of the test's own, emptied first and removed at the end.
struct Cartella {
  std::filesystem::path p;
  explicit Cartella(const std::string& nome)
      : p(std::filesystem::temp_directory_path() / ("voro-" + nome + "-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(p);
    std::filesystem::create_directories(p);
  }
  ~Cartella() { std::filesystem::remove_all(p); }
  std::filesystem::path operator/(const std::string& nome) const { return p / nome; }
};

}  // namespace voro
