// The user's settings of the desktop program, kept from one run to the next
// in an INI file of the user's configuration folder: the recently used
// projects and the advisories the user asked not to see again.
#pragma once

#include <QString>
#include <QStringList>

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

 private:
  QString file_;
};

}  // namespace voro::ui
