// The language of the program: the translations of Voro's own texts and of
// Qt's (the buttons of message boxes, the file dialogs) installed into the
// application, and the core's texts answered from them.
#pragma once

#include <QString>
#include <QTranslator>
#include <string>

#include "data/Traduzioni.h"

namespace voro {

// The two languages, by their codes in the settings and on the command line.
enum class Lingua { Italiano, Inglese };

// "ITA" or "it..." is Italian, anything else English.
Lingua LinguaDaCodice(const QString& codice);
// "ITA" or "ENG", the code kept in the settings and in the help file's name.
std::string CodiceLingua(Lingua l);

// Installs the translations of the language into the running application,
// replacing those of the language before; the windows receive a
// LanguageChange event. False when a translation file is missing.
bool ImpostaLingua(Lingua l);

// The core's texts in the language installed into the application.
class TraduzioniQt : public Traduzioni {
 public:
  std::string Traduci(const char* contesto, const char* testo) const override;
};

// The texts of one language, read without an application: the command line's.
class CatalogoLingua : public Traduzioni {
 public:
  explicit CatalogoLingua(Lingua l);
  std::string Traduci(const char* contesto, const char* testo) const override;
  Lingua lingua() const { return lingua_; }

 private:
  Lingua lingua_;
  QTranslator traduttore_;
};

}  // namespace voro
