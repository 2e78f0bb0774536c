// The user's settings.
#include "ui/Impostazioni.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace voro::ui {

namespace {
const char* const kChiaveRecenti = "RecentFiles";
const char* const kChiaveAvviso = "Advisories/HideRegionalSeparators";
const char* const kChiaveLingua = "Language";
}  // namespace

Impostazioni::Impostazioni(const QString& cartellaUtente) : file_(QDir(cartellaUtente).filePath("voro.ini")) {}

QStringList Impostazioni::Recenti() const {
  return QSettings(file_, QSettings::IniFormat).value(kChiaveRecenti).toStringList();
}

void Impostazioni::AggiungiRecente(const QString& percorso) {
  const QString assoluto = QFileInfo(percorso).absoluteFilePath();
  QStringList lista = Recenti();
  lista.removeAll(assoluto);
  lista.prepend(assoluto);
  while (lista.size() > kRecenti) lista.removeLast();
  QSettings(file_, QSettings::IniFormat).setValue(kChiaveRecenti, lista);
}

void Impostazioni::TogliRecente(const QString& percorso) {
  QStringList lista = Recenti();
  lista.removeAll(percorso);
  QSettings(file_, QSettings::IniFormat).setValue(kChiaveRecenti, lista);
}

bool Impostazioni::AvvisoSeparatoriNascosto() const {
  return QSettings(file_, QSettings::IniFormat).value(kChiaveAvviso, false).toBool();
}

void Impostazioni::NascondiAvvisoSeparatori() { QSettings(file_, QSettings::IniFormat).setValue(kChiaveAvviso, true); }

std::optional<std::string> Impostazioni::Lingua() const {
  const QString codice = QSettings(file_, QSettings::IniFormat).value(kChiaveLingua).toString();
  if (codice != "ITA" && codice != "ENG") return std::nullopt;
  return codice.toStdString();
}

void Impostazioni::ImpostaLingua(const std::string& codice) {
  QSettings(file_, QSettings::IniFormat).setValue(kChiaveLingua, QString::fromStdString(codice));
}

}  // namespace voro::ui
