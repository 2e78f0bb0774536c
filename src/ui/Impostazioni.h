// The user's settings of the desktop program, kept from one run to the next
// in an INI file of the user's configuration folder: the recently used
// projects, the advisories the user asked not to see again and the
// language of the program.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace voro::ui {

class Impostazioni {
 public:
  // The settings file in the given folder (the user's, or a test's own).
  explicit Impostazioni(const QString& cartellaUtente);

  // The recently used projects, the latest first.
  QStringList Recenti() const;
  // Puts the project at the head of the list (absolute path), at most kRecenti kept.
  void AggiungiRecente(const QString& percorso);
  void TogliRecente(const QString& percorso);
  static constexpr int kRecenti = 8;

  // The advisory on the regional separators of the geometry form.
  bool AvvisoSeparatoriNascosto() const;
  void NascondiAvvisoSeparatori();

  // The language the user chose, "ITA" or "ENG"; nothing before a choice.
  std::optional<std::string> Lingua() const;
  void ImpostaLingua(const std::string& codice);

 private:
  QString file_;
};

}  // namespace voro::ui
