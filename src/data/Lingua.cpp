// Reading an older Lingua.ini.
#include "data/Lingua.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "data/ProjectFile.h"

namespace voro {

namespace {

std::optional<std::string> leggi(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  FileDati f = FileDati::perLettura(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
  std::string lingua;
  SilentMessages quiet;
  try {
    FileInOut("L", f, {&lingua}, quiet);
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
  return lingua;
}

}  // namespace

std::optional<std::string> LinguaLeggeIni(const std::string& cartellaProgramma, const std::string& cartellaUtente) {
  if (!cartellaUtente.empty())
    if (auto l = leggi(std::filesystem::path(cartellaUtente) / "Lingua.ini")) return l;
  return leggi(std::filesystem::path(cartellaProgramma) / "Lingua.ini");
}

void LinguaSetta(int indice, std::string& lingua) {
  if (indice == 0) lingua = "ITA";
  else if (indice == 1) lingua = "ENG";
}

int IndiceLingua(const std::string& lingua) { return lingua == "ENG" ? 1 : 0; }

}  // namespace voro
