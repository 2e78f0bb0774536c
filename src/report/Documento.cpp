// Numbered headings and tables of the report document.
#include "report/Documento.h"

namespace voro {

void Documento::sezione(const std::string& testo) {
  sottosezioni_ = 0;
  blocchi.emplace_back(Intestazione{1, std::to_string(++sezioni_) + " " + testo});
}

void Documento::sottosezione(const std::string& testo) {
  blocchi.emplace_back(
      Intestazione{2, std::to_string(sezioni_) + "." + std::to_string(++sottosezioni_) + " " + testo});
}

Tabella& Documento::tabella(std::vector<Colonna> colonne) {
  blocchi.emplace_back(Tabella{std::move(colonne), {}});
  return std::get<Tabella>(blocchi.back());
}

}  // namespace voro
