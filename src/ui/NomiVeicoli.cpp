// The shipped vehicles' names in the program's language.
#include "ui/NomiVeicoli.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace voro::ui {

QString NomeVeicolo(const std::string& chiave) {
  // The names of vehicles.txt as shipped; a user's own vehicle keeps its name.
  static const char* const spediti[] = {
      QT_TRANSLATE_NOOP("Veicoli", "LM1 tandem"),         QT_TRANSLATE_NOOP("Veicoli", "LM2 single axle"),
      QT_TRANSLATE_NOOP("Veicoli", "LM71 axles"),         QT_TRANSLATE_NOOP("Veicoli", "11.5 t single axle"),
      QT_TRANSLATE_NOOP("Veicoli", "2 × 10 t bogie at 1.8 m"), QT_TRANSLATE_NOOP("Veicoli", "3 × 8 t bogie at 1.3 m")};
  const bool spedito =
      std::any_of(std::begin(spediti), std::end(spediti), [&](const char* n) { return chiave == n; });
  return spedito ? QCoreApplication::translate("Veicoli", chiave.c_str()) : QString::fromStdString(chiave);
}

}  // namespace voro::ui
