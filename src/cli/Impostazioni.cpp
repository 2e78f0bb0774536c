// Checking the options shared by the commands that read a project.
#include "cli/Impostazioni.h"

#include "data/CampiScalari.h"

namespace voro::cli {

std::vector<std::pair<std::string, std::string>> LeggiImpostazioni(const Argomenti& a) {
  std::vector<std::pair<std::string, std::string>> impostazioni;
  for (const std::string& v : a.valori("--set")) {
    const auto uguale = v.find('=');
    if (uguale == std::string::npos || uguale == 0) throw ErroreUso("--set needs NAME=VALUE, got '" + v + "'");
    DatiProgetto prova;
    std::string motivo;
    if (!ImpostaCampo(prova, v.substr(0, uguale), v.substr(uguale + 1), motivo)) throw ErroreUso("--set: " + motivo);
    impostazioni.emplace_back(v.substr(0, uguale), v.substr(uguale + 1));
  }
  return impostazioni;
}

int LeggiPosizioni(const Argomenti& a) {
  constexpr int kPredefinite = 50, kMassime = 100000;
  const auto testo = a.valore("--sweep");
  if (!testo) return kPredefinite;
  const bool cifre = !testo->empty() && testo->size() <= 6 && testo->find_first_not_of("0123456789") == std::string::npos;
  if (!cifre || std::stoi(*testo) > kMassime)
    throw ErroreUso("--sweep needs a whole number of positions, from 0 to 100000");
  return std::stoi(*testo);
}

}  // namespace voro::cli
