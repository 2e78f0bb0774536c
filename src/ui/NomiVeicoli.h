// The shipped vehicles' names in the program's language. The project and the
// library files keep each vehicle's name as the library has it, its key;
// the windows show the translation of a shipped vehicle's key.
#pragma once

#include <QString>
#include <string>

namespace voro::ui {

// The name to show for the vehicle whose key is chiave: the translation of
// a shipped vehicle's name, any other name as it is.
QString NomeVeicolo(const std::string& chiave);

}  // namespace voro::ui
