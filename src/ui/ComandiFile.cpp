// The main window's file commands: New, Open, Save, Save As, the example
// files and the recently used projects, with the question asked before
// unsaved changes are lost and the rule that a file that cannot be read
// leaves the project on screen as it was.
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QStatusBar>

#include "data/Cp1252.h"
#include "data/Impronte.h"
#include "data/ProjectFile.h"
#include "data/RuntimeError.h"
#include "data/ValoriFisici.h"
#include "ui/FinestraPlot.h"
#include "ui/FinestraPrincipale.h"
#include "ui/FormCarichi.h"
#include "ui/FormGeometria.h"
#include "ui/FormOpzioni.h"
#include "ui/StoriaProgetto.h"

namespace voro::ui {

namespace {

// The dialog filter of the data files: all files, and the Voro files preselected.
QString FiltroVoro() {
  return FinestraPrincipale::tr("All Files (*.*)|*.*|Voro Files (*.vro)|*.vro");
}

std::string utf8(const QString& s) { return s.toStdString(); }

}  // namespace

void FinestraPrincipale::AggiornaCaption() {
  // "[*]" shows as "*" only while the project is modified: the caption of an
  // unmodified project is exactly the prefix and the base name.
  setWindowTitle(FormCaption() + QString::fromStdString(s_.PercorsoFile.empty() ? std::string() : s_.NomeFileBreve) +
                 "[*]");
  AggiornaModificato();
}

QString FinestraPrincipale::Didascalia() const {
  QString t = windowTitle();
  t.replace("[*]", isWindowModified() ? "*" : "");
  return t;
}

bool FinestraPrincipale::Modificato() const {
  if (TestoProgetto(s_.dati) != improntaSalvata_) return true;
  for (const FormDiDati* f : std::initializer_list<const FormDiDati*>{formGeometria(), formCarichi(), formOpzioni()})
    if (f && f->toccato()) return true;
  return false;
}

void FinestraPrincipale::AggiornaModificato() {
  setWindowModified(Modificato());
  bool sospesi = false;
  for (const FormDiDati* f : std::initializer_list<const FormDiDati*>{formGeometria(), formCarichi(), formOpzioni()})
    sospesi = sospesi || (f && f->toccato());
  if (sospesi == sospesi_) return;
  sospesi_ = sospesi;
  emit datiInSospeso(sospesi);
}

bool FinestraPrincipale::LeggiFormAperti() {
  for (FormDiDati* f : std::initializer_list<FormDiDati*>{formGeometria(), formCarichi(), formOpzioni()})
    if (f && f->toccato() && !f->Leggi()) return false;
  return true;
}

void FinestraPrincipale::chiudiFormDati() {
  for (FormDiDati* f : std::initializer_list<FormDiDati*>{formGeometria(), formCarichi(), formOpzioni()})
    if (f) f->Scarta();
  // Closed windows are deleted later: none of them may be shown again.
  geo_ = nullptr;
  carichi_ = nullptr;
  opzioni_ = nullptr;
}

bool FinestraPrincipale::confermaAbbandono() {
  if (!Modificato()) return true;
  const QString nome = s_.PercorsoFile.empty() ? QString() : QString::fromStdString(s_.NomeFileBreve);
  switch (s_.dialoghi->salvareModifiche(this, nome)) {
    case Dialoghi::Modifiche::Salva: return FileSalva();
    case Dialoghi::Modifiche::Scarta: return true;
    case Dialoghi::Modifiche::Annulla: break;
  }
  return false;
}

void FinestraPrincipale::sostituisciProgetto(DatiProgetto dati, const QString& percorso) {
  chiudiFormDati();
  scadonoRisultati();
  if (plot_) plot_->parentWidget()->close();
  s_.dati = std::move(dati);
  s_.modello = ModelloArco{};
  improntaModello_.reset();
  s_.PercorsoFile = utf8(percorso);
  if (percorso.isEmpty()) {
    // The base name stays, so that Save As proposes it.
    s_.stato.DatiNuovi = true;
  } else {
    const QFileInfo info(percorso);
    s_.NomeFileBreve = utf8(info.completeBaseName());
    s_.stato.CartellaDati = utf8(info.absolutePath());
    s_.stato.DatiNuovi = false;
    impostazioni_.AggiungiRecente(info.absoluteFilePath());
    aggiornaRecenti();
  }
  AbilitaMenu(false);
  statusBar()->showMessage(tr("Ready"));
  MostraGeometria();
  if (percorso.isEmpty()) geo_->InizializzaForm();
  else PreparaGeometria();
  // The geometry form applied the defaults of a new project: that is the
  // project as it starts.
  improntaSalvata_ = TestoProgetto(s_.dati);
  storia_->Azzera();
  AggiornaCaption();
}

void FinestraPrincipale::PreparaGeometria() {
  // A geometry that does not build waits, without a word, for the engineer's
  // Next, which says what is wrong.
  RecordingMessages muti;
  Messages* messaggi = s_.messaggi;
  s_.messaggi = &muti;
  geo_->LeggeDatiGeom();
  s_.messaggi = messaggi;
}

bool FinestraPrincipale::leggiProgetto(const QString& percorso) {
  const QFileInfo info(percorso);
  const QString assoluto = info.absoluteFilePath();
  DatiProgetto nuovo;
  RecordingMessages letti;
  letti.setTraduzioni(s_.msg().traduzioni());
  try {
    LeggiFileProgetto(utf8(assoluto), nuovo, letti);
  } catch (const RuntimeError& e) {
    // One message: what the reader found, or why the file cannot be read.
    if (e.number() == err::FileNotFound) {
      s_.msg().critical(utf8(tr("File %1 not found").arg(assoluto)));
    } else {
      std::string motivo;
      for (const std::string& t : letti.texts()) motivo += "\r" + t;
      if (motivo.empty()) motivo = "\r" + e.description();
      s_.msg().critical(utf8(tr("Cannot open %1").arg(assoluto)) + motivo);
    }
    return false;
  }
  for (const auto& m : letti.entries()) s_.msg().show(m.kind, m.text, m.title);
  sostituisciProgetto(std::move(nuovo), assoluto);
  return true;
}

void FinestraPrincipale::FileNuovo() {
  // The running calculation writes its results into this project when it ends.
  if (!Libero() || !confermaAbbandono()) return;
  // A new project starts from the defaults of a new project, as at the
  // first start: nothing of the project just discarded survives.
  DatiProgetto nuovo;
  nuovo.nVori = 1;
  sostituisciProgetto(std::move(nuovo), QString());
}

void FinestraPrincipale::FileApri() { ApriFileDati(QString::fromStdString(s_.stato.CartellaDati)); }

void FinestraPrincipale::ApriFileDati(const QString& cartellaIniziale) {
  if (!Libero()) return;
  const QString proposto =
      s_.NomeFileBreve.empty() ? QString("*.vro") : QString::fromStdString(s_.NomeFileBreve) + ".vro";
  QString cartella = cartellaIniziale;
  if (!QFileInfo(cartella).isDir()) cartella = QDir::currentPath();
  const std::optional<QString> scelto =
      s_.dialoghi->apri(this, cartella, FiltroDialogo(FiltroVoro()), VoceFiltro(FiltroVoro(), 2), proposto);
  if (!scelto) {
    // Cancelled: the geometry form shows the project again, unless it holds
    // edits the engineer has not yet read into it.
    if (!formGeometria() || !formGeometria()->toccato()) {
      MostraGeometria();
      geo_->InizializzaForm();
      geo_->ScriveDatiInForm();
    }
    return;
  }
  if (!confermaAbbandono()) return;
  leggiProgetto(*scelto);
}

void FinestraPrincipale::ApriRecente(const QString& percorso) {
  if (!Libero()) return;
  if (!QFileInfo(percorso).isFile()) {
    s_.msg().critical(utf8(tr("File %1 not found").arg(percorso)));
    impostazioni_.TogliRecente(percorso);
    aggiornaRecenti();
    return;
  }
  if (!confermaAbbandono()) return;
  leggiProgetto(percorso);
}

void FinestraPrincipale::esempi() {
  const std::string salvata = s_.stato.CartellaDati;
  ApriFileDati(QDir(cartellaProgramma_).filePath("examples"));
  s_.stato.CartellaDati = salvata;
}

bool FinestraPrincipale::FileSalva() {
  if (s_.PercorsoFile.empty()) return FileSalvaConNome();
  if (!LeggiFormAperti()) return false;
  return salvaIn(QString::fromStdString(s_.PercorsoFile));
}

bool FinestraPrincipale::FileSalvaConNome() {
  if (!LeggiFormAperti()) return false;
  const QString proposto =
      s_.NomeFileBreve.empty() ? QString("*.vro") : QString::fromStdString(s_.NomeFileBreve) + ".vro";
  QString cartella = QString::fromStdString(s_.stato.CartellaDati);
  if (!QFileInfo(cartella).isDir()) cartella = QDir::currentPath();
  const std::optional<QString> scelto =
      s_.dialoghi->salva(this, cartella, FiltroDialogo(FiltroVoro()), VoceFiltro(FiltroVoro(), 2), proposto);
  return scelto && salvaIn(*scelto);
}

bool FinestraPrincipale::salvaIn(const QString& percorso) {
  // A file the program would refuse to open is not written.
  try {
    ControllaValoriFisici(s_.dati, s_.msg());
  } catch (const RuntimeError&) {
    return false;
  }
  // A character the file's code page lacks would come back as "?": it is
  // named, and nothing is written, rather than lost without a word.
  std::vector<const std::string*> testi{&s_.dati.Titolo};
  for (const std::string* c : CampiCartiglio(s_.dati.Cartiglio)) testi.push_back(c);
  testi.push_back(s_.dati.VeicoloCarico ? &s_.dati.VeicoloCarico->Nome : nullptr);
  for (const std::string* testo : testi) {
    if (!testo) continue;
    if (const auto car = FuoriCp1252(*testo)) {
      s_.msg().critical(tr("The project is not saved: \"%1\" in \"%2\" cannot be kept in the project file, whose "
                           "code page (Windows-1252) lacks it. Change it and save again.")
                            .arg(QString::fromStdString(*car), QString::fromStdString(*testo))
                            .toStdString());
      return false;
    }
  }
  const QFileInfo info(percorso);
  if (!ScriviFileProgetto(utf8(info.absoluteFilePath()), s_.dati, s_.msg())) return false;
  s_.PercorsoFile = utf8(info.absoluteFilePath());
  s_.NomeFileBreve = utf8(info.completeBaseName());
  s_.stato.CartellaDati = utf8(info.absolutePath());
  improntaSalvata_ = TestoProgetto(s_.dati);
  storia_->Salvato();
  impostazioni_.AggiungiRecente(info.absoluteFilePath());
  aggiornaRecenti();
  AggiornaCaption();
  statusBar()->showMessage(tr("Saved %1").arg(info.absoluteFilePath()));
  return true;
}

void FinestraPrincipale::aggiornaRecenti() {
  const QStringList lista = impostazioni_.Recenti();
  const QFontMetrics fm(font());
  for (int i = 0; i < Impostazioni::kRecenti; ++i) {
    QAction* a = recenti_[static_cast<std::size_t>(i)];
    const bool c = i < lista.size();
    a->setVisible(c);
    if (!c) continue;
    const QString percorso = lista[i];
    const QString mostrato = fm.elidedText(QDir::toNativeSeparators(percorso), Qt::ElideMiddle, 60 * fm.averageCharWidth());
    a->setText(QString("&%1 %2").arg(i + 1).arg(QString(mostrato).replace("&", "&&")));
    a->setData(percorso);
    a->setStatusTip(percorso);
  }
}

}  // namespace voro::ui
