// The test bench of the windows: a main window in a folder of its own, with recorded
// messages and dialogs answered from a queue; a person's steps; the core alone.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

#include "arch/CostruisciModello.h"
#include "data/Impronte.h"
#include "data/Messages.h"
#include "data/ProjectFile.h"
#include "ui/Dialoghi.h"
#include "ui/FinestraPrincipale.h"
#include "ui/FinestraPlot.h"
#include "ui/FinestraSicurezza.h"
#include "ui/FormCarichi.h"
#include "ui/FormGeometria.h"
#include "ui/FormOpzioni.h"
#include "ui/FormRisultati.h"

namespace voro::ui::test {

// Dialogs answered by the test: every open or save takes the next queued
// name (nothing queued: cancelled); the requests are kept for inspection.
class DialoghiFinti : public Dialoghi {
 public:
  struct Richiesta {
    QString cartella, filtri, preselezionato, proposto;
  };
  QStringList nomi;
  std::vector<Richiesta> richieste;
  std::optional<int> lingua = 1;
  int lingueChieste = 0, anteprime = 0;
  bool stampaAccettata = false;
  QString filePdf;  // the printer's output, when printing is accepted
  // "Save changes to ...?": the questions asked, answered from the queue, then with Discard.
  QStringList domandeModifiche;
  QList<Modifiche> risposteModifiche;
  using T = const QString&;
  std::optional<QString> apri(QWidget*, T c, T f, T p, T n) override { return prossimo(c, f, p, n); }
  std::optional<QString> salva(QWidget*, T c, T f, T p, T n) override { return prossimo(c, f, p, n); }
  bool stampa(QWidget*, QPrinter& printer) override {
    if (stampaAccettata && !filePdf.isEmpty()) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(filePdf);
    }
    return stampaAccettata;
  }
  // The preview's Print command: the print dialog, then the pages.
  bool anteprima(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& disegna) override {
    ++anteprime;
    if (!stampa(parent, printer)) return false;
    disegna(printer);
    return true;
  }
  std::optional<int> sceltaLingua(QWidget*) override {
    ++lingueChieste;
    return lingua;
  }
  Modifiche salvareModifiche(QWidget*, const QString& nome) override {
    domandeModifiche << DomandaModifiche(nome);
    return risposteModifiche.isEmpty() ? Modifiche::Scarta : risposteModifiche.takeFirst();
  }

 private:
  std::optional<QString> prossimo(T c, T f, T p, T n) {
    richieste.push_back({c, f, p, n});
    return nomi.isEmpty() ? std::nullopt : std::optional<QString>(nomi.takeFirst());
  }
};

// The caption's prefix, before the file's base name.
inline const QString kCaption = "Arch assessment - File: ";

// The tandem of the road codes, two axles of 300 kN 1.2 m apart.
inline const Veicolo kTandem{"LM1 tandem", {{300, 0, 0.4f}, {300, 1.2f, 0.4f}}, 2, 0.4f};

// The bytes of a file, empty when it cannot be read.
inline QByteArray Contenuto(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void Scrivi(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

// Types into a box as the user does (each key an edit).
inline void Digita(QLineEdit* e, const QString& testo) {
  e->selectAll();
  QTest::keyClick(e, Qt::Key_Delete);
  QTest::keyClicks(e, testo);
}

// The program folder holds the examples and the help, as when installed.
inline QString SorgenteVoro() { return QStringLiteral(VORO_SOURCE_DIR); }

// The bundled examples, by file name, and as the rows of a test's data.
inline const char* const kEsempi[] = {"ponte-stradale.vro", "arco-policentrico.vro", "arco-ribassato-spinta.vro",
                                      "volta-semicircolare.vro"};
inline void RigheEsempi() {
  QTest::addColumn<QString>("esempio");
  for (const char* e : kEsempi) QTest::newRow(e) << QString(e);
}

// The project a file holds, as the program reads it.
inline DatiProgetto Letto(const QString& file) {
  DatiProgetto d;
  RecordingMessages m;
  LeggiFileProgetto(file.toStdString(), d, m);
  return d;
}

// The core alone on a project file: its data and voussoirs.
struct Nucleo {
  DatiProgetto d;
  ModelloArco m;
  RecordingMessages msg;
  explicit Nucleo(const QString& file) : d(Letto(file)) {
    if (d.nVori > 1) d.LuceAnello = Single(d.Vori(d.nVori).X3 - d.Vori(1).X1);
    CostruisciModello(d, m, msg);
  }
};

// Chooses an entry of a list as the user does, by its text.
inline void Scegli(QComboBox* c, const QString& testo) {
  c->setCurrentIndex(c->findText(testo));
  emit c->activated(c->currentIndex());
}

// A number written with a decimal comma and n decimals, never a digit group.
inline QRegularExpression Decimali(int n) { return QRegularExpression(QString("^-?\\d+,\\d{%1}$").arg(n)); }

// A table's whole text as Ctrl+A, Ctrl+C copy it, line by line.
inline QStringList Copiato(QTableWidget* t) {
  t->setFocus();
  QTest::keyClick(t, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(t, Qt::Key_C, Qt::ControlModifier);
  return QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
}

struct Banco {
  QTemporaryDir programma;
  QTemporaryDir utente;
  RecordingMessages messaggi;
  DialoghiFinti dialoghi;
  std::unique_ptr<FinestraPrincipale> finestra;

  // Lingua.ini holding `lingua` (nothing written when empty).
  explicit Banco(const QString& lingua = "ENG") {
    QDir p(programma.path());
    p.mkpath("docs");
    // Every bundled project, the folders of examples among them, as installed.
    const QDir esempi(SorgenteVoro() + "/examples");
    for (QDirIterator it(esempi.path(), {"*.vro"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
      const QString f = esempi.relativeFilePath(it.next());
      p.mkpath("examples/" + QFileInfo(f).path());
      QFile::copy(esempi.filePath(f), p.filePath("examples/" + f));
    }
    for (const char* f : {"docs/Voro-ITA.html", "docs/Voro-ENG.html", "vehicles.txt"})
      QFile::copy(SorgenteVoro() + "/" + f, p.filePath(f));
    if (!lingua.isEmpty()) Scrivi(p.filePath("Lingua.ini"), ("\"" + lingua + "\"\r\n").toUtf8());
    finestra = std::make_unique<FinestraPrincipale>(programma.path(), utente.path(), &messaggi, &dialoghi);
  }

  // The program started on a bundled example, under Italian settings unless told.
  Banco(const QString& lingua, const QString& nome, const Regional& regional = Regional::italiano()) : Banco(lingua) {
    avvia({esempio(nome)}, regional);
  }

  Sessione& s() { return finestra->sessione(); }
  QString esempio(const QString& nome) const { return programma.path() + "/examples/" + nome; }
  // A bundled example copied into the user's folder as `nome`; its path.
  QString copia(const QString& nome, const QString& esempio = "ponte-stradale.vro") {
    QFile::copy(this->esempio(esempio), utente.filePath(nome));
    return utente.filePath(nome);
  }
  // A data form or the report as its command shows it.
  FormGeometria* geometria() { return finestra->MostraGeometria(), finestra->formGeometria(); }
  FormCarichi* carichi() { return finestra->MostraCarichi(), finestra->formCarichi(); }
  FormOpzioni* opzioni() { return finestra->MostraOpzioni(), finestra->formOpzioni(); }
  FormRisultati* rapporto() { return finestra->MostraRisultati(), finestra->formRisultati(); }
  // File > Open answered with this file.
  void apri(const QString& file) {
    dialoghi.nomi << file;
    finestra->FileApri();
  }
  // The project as its file would hold it.
  QByteArray progetto() { return TestoProgetto(s().dati).c_str(); }
  // The language kept in the user's settings, as QSettings reads them.
  QString linguaImpostata() const {
    return QSettings(QDir(utente.path()).filePath("voro.ini"), QSettings::IniFormat).value("Language").toString();
  }
  // The text of the last message, and how many there are.
  QString ultimo() const {
    return messaggi.empty() ? QString() : QString::fromStdString(messaggi.entries().back().text);
  }
  std::size_t quanti() const { return messaggi.entries().size(); }
  // One message, an error, that begins so.
  bool unErrore(const QString& inizio) const {
    return quanti() == 1 && messaggi.entries()[0].kind == MessageKind::Critical && ultimo().startsWith(inizio);
  }
  void comando(const char* nome) { finestra->azione(nome)->trigger(); }
  // A command that asks where to write, answered with `nome` in the user's folder; the bytes written.
  QByteArray scritto(const char* voce, const QString& nome) {
    dialoghi.nomi << utente.filePath(nome);
    comando(voce);
    return Contenuto(utente.filePath(nome));
  }
  // The window in front, as for keys typed by a person.
  void attiva() {
    finestra->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(finestra.get()));
  }

  // Starts the program with these words, under Italian settings unless told.
  void avvia(const QStringList& argomenti = {}, const Regional& regional = Regional::italiano()) {
    s().regional = regional;
    finestra->show();
    finestra->Avvio(argomenti);
    QCoreApplication::processEvents();
  }

  // Geometry Next, as its button does: the voussoirs built.
  void avanti() {
    finestra->MostraGeometria();
    finestra->formGeometria()->cbPltGeom->click();
    QCoreApplication::processEvents();
  }

  // Geometry Next (when the form is open), then Solve; true when solved.
  bool risolvi() {
    if (FormGeometria* g = finestra->formGeometria()) g->cbPltGeom_Click();
    finestra->MostraOpzioni();
    QSignalSpy fine(finestra.get(), &FinestraPrincipale::calcoloConcluso);
    finestra->Risolvi();
    if (!finestra->calcoloInCorso() && fine.isEmpty()) return false;
    if (fine.isEmpty() && !fine.wait(120000)) return false;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return fine.at(0).at(0).toBool();
  }

  // Geometry Next, then Assess; the Safety window once finished (riuscito: how), else none.
  FinestraSicurezza* valuta(bool* riuscito = nullptr) {
    avanti();
    finestra->azione("mnuAssess")->trigger();
    FinestraSicurezza* f = finestra->finestraSicurezza();
    if (!f) return nullptr;
    QSignalSpy fine(f, &FinestraSicurezza::concluso);
    if (!f->inCorso() && fine.isEmpty()) return f;
    if (!fine.wait(60000)) return nullptr;
    if (riuscito) *riuscito = fine.at(0).at(0).toBool();
    return f;
  }
};

// How many pixels of the picture have about this colour (lines may be smoothed).
inline int Pixel(const QImage& immagine, QColor c) {
  const QImage img = immagine.convertToFormat(QImage::Format_RGB32);
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor p = img.pixelColor(x, y);
      n += std::abs(p.red() - c.red()) < 40 && std::abs(p.green() - c.green()) < 40 &&
           std::abs(p.blue() - c.blue()) < 40;
    }
  return n;
}

}  // namespace voro::ui::test
