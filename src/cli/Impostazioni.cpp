// Checking the --set options.
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

}  // namespace voro::cli
