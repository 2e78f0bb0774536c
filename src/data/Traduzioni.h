// The program's texts in the engineer's language. The core writes its texts
// in one language and asks a Traduzioni, handed to it by the program with
// the messages and the regional settings, for the text in the language the
// user chose; the desktop program and the command line answer from the
// translation files, the core alone answers with the text as written.
#pragma once

#include <initializer_list>
#include <string>

// Marks a text kept in a table for the translation files; the table's entry
// is translated where it is shown, through Traduzioni::Traduci.
#define VORO_NOOP(contesto, testo) testo

namespace voro {

class Traduzioni {
 public:
  virtual ~Traduzioni() = default;
  // The text in the chosen language; the text itself when it has no translation.
  virtual std::string Traduci(const char* contesto, const char* testo) const = 0;
};

// A text with its "%1" ... "%9" replaced by the values in order, as the
// translations carry them (a translation may move a value within the sentence).
std::string Componi(std::string modello, std::initializer_list<std::string> valori);

}  // namespace voro
