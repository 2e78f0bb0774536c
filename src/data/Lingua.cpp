// Reading and writing Lingua.ini.
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

bool scrivi(const std::filesystem::path& cartella, const std::string& lingua) {
  std::error_code ec;
  if (cartella.empty()) return false;
  std::filesystem::create_directories(cartella, ec);
  FileDati f = FileDati::perScrittura();
  std::string copia = lingua;
  SilentMessages quiet;
  FileInOut("S", f, {&copia}, quiet);
  std::ofstream out(cartella / "Lingua.ini", std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out << f.contenuto();
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace

std::optional<std::string> LinguaLeggeIni(const std::string& cartellaProgramma, const std::string& cartellaUtente) {
  if (!cartellaUtente.empty())
    if (auto l = leggi(std::filesystem::path(cartellaUtente) / "Lingua.ini")) return l;
  return leggi(std::filesystem::path(cartellaProgramma) / "Lingua.ini");
}

bool LinguaScriveIni(const std::string& lingua, const std::string& cartellaProgramma,
                     const std::string& cartellaUtente) {
  if (scrivi(cartellaProgramma, lingua)) {
    // A stale choice kept for the user would hide this one.
    std::error_code ec;
    if (!cartellaUtente.empty()) std::filesystem::remove(std::filesystem::path(cartellaUtente) / "Lingua.ini", ec);
    return true;
  }
  return scrivi(cartellaUtente, lingua);
}

void LinguaSetta(int indice, std::string& lingua) {
  if (indice == 0) lingua = "ITA";
  else if (indice == 1) lingua = "ENG";
}

int IndiceLingua(const std::string& lingua) { return lingua == "ENG" ? 1 : 0; }

}  // namespace voro
