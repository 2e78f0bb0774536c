// The test bench of the windows: a main window in a folder of its own, with
// recorded messages and dialogs that answer from a queue.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFile>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>

#include "data/Messages.h"
#include "ui/Dialoghi.h"
#include "ui/FinestraPrincipale.h"
#include "ui/FormGeometria.h"

namespace voro::ui::test {

// Dialogs answered by the test: every open or save takes the next queued
// name (nothing queued: cancelled); the requests are kept for inspection.
class DialoghiFinti : public Dialoghi {
 public:
  struct Richiesta {
    QString cartella, filtri, preselezionato, proposto;
  };
  QStringList nomi;
  std::optional<int> lingua = 1;
  int lingueChieste = 0;
  bool stampaAccettata = false;
  QString filePdf;  // the printer's output, when printing is accepted
  std::vector<Richiesta> richieste;

  std::optional<QString> apri(QWidget*, const QString& c, const QString& f, const QString& p,
                              const QString& n) override {
    return prossimo(c, f, p, n);
  }
  std::optional<QString> salva(QWidget*, const QString& c, const QString& f, const QString& p,
                               const QString& n) override {
    return prossimo(c, f, p, n);
  }
  bool stampa(QWidget*, QPrinter& printer) override {
    if (stampaAccettata && !filePdf.isEmpty()) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(filePdf);
    }
    return stampaAccettata;
  }
  // The preview's Print command: the print dialog, then the pages.
  int anteprime = 0;
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
  // "Save changes to ...?": the questions asked, answered from the queue,
  // then with Discard.
  QStringList domandeModifiche;
  QList<Modifiche> risposteModifiche;
  Modifiche salvareModifiche(QWidget*, const QString& nome) override {
    domandeModifiche << DomandaModifiche(nome);
    return risposteModifiche.isEmpty() ? Modifiche::Scarta : risposteModifiche.takeFirst();
  }

 private:
  std::optional<QString> prossimo(const QString& c, const QString& f, const QString& p, const QString& n) {
    richieste.push_back({c, f, p, n});
    if (nomi.isEmpty()) return std::nullopt;
    return nomi.takeFirst();
  }
};

// The caption's prefix, before the file's base name.
inline const QString kCaption = "Arch assessment - File: ";

// The bytes of a file, empty when it cannot be read.
inline QByteArray Contenuto(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

// The program folder holds the examples and the help, as when installed.
inline QString SorgenteVoro() { return QStringLiteral(VORO_SOURCE_DIR); }

// The bundled examples, by file name.
inline const char* const kEsempi[] = {"ponte-stradale.vro", "arco-policentrico.vro", "arco-ribassato-spinta.vro",
                                      "volta-semicircolare.vro"};

struct Banco {
  QTemporaryDir programma;
  QTemporaryDir utente;
  RecordingMessages messaggi;
  DialoghiFinti dialoghi;
  std::unique_ptr<FinestraPrincipale> finestra;

  // Lingua.ini holding `lingua` (nothing written when empty).
  explicit Banco(const QString& lingua = "ENG") {
    QDir p(programma.path());
    p.mkpath("examples");
    p.mkpath("docs");
    // Every bundled project, the folders of examples among them, as installed.
    const QDir esempi(SorgenteVoro() + "/examples");
    for (QDirIterator it(esempi.path(), {"*.vro"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
      const QString f = esempi.relativeFilePath(it.next());
      p.mkpath("examples/" + QFileInfo(f).path());
      QFile::copy(esempi.filePath(f), p.filePath("examples/" + f));
    }
    for (const char* f : {"Voro-ITA.html", "Voro-ENG.html"})
      QFile::copy(SorgenteVoro() + "/docs/" + f, p.filePath(QString("docs/") + f));
    if (!lingua.isEmpty()) {
      QFile ini(p.filePath("Lingua.ini"));
      if (ini.open(QIODevice::WriteOnly)) ini.write(("\"" + lingua + "\"\r\n").toUtf8());
    }
    finestra = std::make_unique<FinestraPrincipale>(programma.path(), utente.path(), &messaggi, &dialoghi);
  }

  Sessione& s() { return finestra->sessione(); }
  QString esempio(const QString& nome) const { return programma.path() + "/examples/" + nome; }

  // Starts the program with the given command-line words, under the given
  // settings (Italian by default: English ones add an advisory message).
  void avvia(const QStringList& argomenti = {}, const Regional& regional = Regional::italiano()) {
    finestra->sessione().regional = regional;
    finestra->show();
    finestra->Avvio(argomenti);
    QCoreApplication::processEvents();
  }

  // Geometry Next (when the form is open), then Solve from the options form;
  // true when solved.
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

  // Waits for the running calculation; false when it does not end in time.
  bool attendiCalcolo(int ms = 60000) {
    if (!finestra->calcoloInCorso()) return true;
    return QTest::qWaitFor([this] { return !finestra->calcoloInCorso(); }, ms);
  }
};

}  // namespace voro::ui::test
