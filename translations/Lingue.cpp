// Installing the translations.
#include "Lingue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace voro {

namespace {

// The translators belong to the application, by this name, so the next
// language finds and replaces them.
const char* const kNomeTraduttore = "voro_lingua";

bool installa(const QString& file, const QString& cartella) {
  auto* t = new QTranslator(QCoreApplication::instance());
  t->setObjectName(kNomeTraduttore);
  if (!t->load(file, cartella)) {
    delete t;
    return false;
  }
  QCoreApplication::installTranslator(t);
  return true;
}

}  // namespace

Lingua LinguaDaCodice(const QString& codice) {
  const QString c = codice.trimmed().toLower();
  return c == "ita" || c.startsWith("it") ? Lingua::Italiano : Lingua::Inglese;
}

std::string CodiceLingua(Lingua l) { return l == Lingua::Italiano ? "ITA" : "ENG"; }

bool ImpostaLingua(Lingua l) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return false;
  for (QTranslator* vecchio : app->findChildren<QTranslator*>(kNomeTraduttore, Qt::FindDirectChildrenOnly)) {
    QCoreApplication::removeTranslator(vecchio);
    delete vecchio;
  }
  const QString sigla = l == Lingua::Italiano ? "it" : "en";
  // Qt's own buttons and dialogs, where the system has their translation.
  installa("qtbase_" + sigla, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return installa("voro_" + sigla, ":/lingue");
}

CatalogoLingua::CatalogoLingua(Lingua l) : lingua_(l) {
  // A missing file leaves every text as written.
  (void)traduttore_.load(QString(":/lingue/voro_") + (l == Lingua::Italiano ? "it" : "en"));
}

std::string CatalogoLingua::Traduci(const char* contesto, const char* testo) const {
  const QString t = traduttore_.translate(contesto, testo);
  return t.isEmpty() ? std::string(testo) : t.toStdString();
}

std::string TraduzioniQt::Traduci(const char* contesto, const char* testo) const {
  return QCoreApplication::translate(contesto, testo).toStdString();
}

}  // namespace voro
