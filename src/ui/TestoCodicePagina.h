// Text boxes whose text goes into the project file: the file keeps the
// Windows-1252 code page, so a character it lacks is refused where it is
// typed, and named, rather than coming back as "?".
#pragma once

#include <QLineEdit>
#include <QString>
#include <QValidator>

namespace voro::ui {

// Accepts only text every character of which the project file can keep.
class ValidatoreCodicePagina : public QValidator {
  Q_OBJECT
 public:
  using QValidator::QValidator;
  State validate(QString& testo, int& posizione) const override;
  // The last character refused.
  const QString& rifiutato() const { return rifiutato_; }
  // The message that names the refused character.
  QString Messaggio() const;

 private:
  mutable QString rifiutato_;
};

// Installs the validator on the box; a refused character is named in a tip under the box.
void SoloCodicePagina(QLineEdit* box);

}  // namespace voro::ui
