// The habits of a desktop program: New starts afresh, the report and the
// Safety window never mix old and new data, results stay while their data
// do, menus open menus and every command has its shortcut, windows open at a
// size where everything can be read.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QMdiArea>
#include <QTest>

#include "Banco.h"
#include "Sicurezza.h"
#include "data/Impronte.h"
#include "ui/FinestraPlot.h"
#include "ui/FinestraSicurezza.h"
#include "ui/FormCarichi.h"
#include "ui/FormRisultati.h"

using namespace voro;
using namespace voro::ui;
using namespace voro::ui::test;

namespace {

// The letters a window's buttons and a menu bar's titles take with Alt.
QChar Mnemonico(const QString& testo) {
  const int i = testo.indexOf('&');
  return i >= 0 && i + 1 < testo.size() ? testo[i + 1].toLower() : QChar();
}

}  // namespace

class TestInterfaccia : public QObject {
  Q_OBJECT
 private slots:
  void nuovoDopoScartaParteDaiValoriIniziali();
  void risultatiRestanoFinoAlCambioDeiDati();
  void rapportoLeggeIFormAperti();
  void menuApronoMenuEComandiConScorciatoia();
  void apriPartiDallaCartellaDeiProgetti();
  void finestraSicurezzaLeggibile();
};

void TestInterfaccia::nuovoDopoScartaParteDaiValoriIniziali() {
  Banco primo;
  primo.avvia();
  const std::string iniziale = TestoProgetto(primo.s().dati);

  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  QVERIFY(TestoProgetto(b.s().dati) != iniziale);
  // An unread edit, then New with Discard.
  QTest::keyClicks(b.finestra->formGeometria()->txtTitolo, "scartato");
  b.finestra->FileNuovo();
  QCOMPARE(b.dialoghi.domandeModifiche.size(), 1);
  QCOMPARE(TestoProgetto(b.s().dati), iniziale);
  QCOMPARE(b.finestra->Didascalia(), kCaption);
  QVERIFY(!b.finestra->Modificato());
}

void TestInterfaccia::risultatiRestanoFinoAlCambioDeiDati() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  // A strip load past the structure's end, which the calculation brings back to it.
  b.s().dati.xq2 = 1000;
  b.finestra->DatiCambiati();
  QVERIFY(Valuta(b));
  QVERIFY(b.risolvi());
  QVERIFY(b.s().dati.xq2 < 1000);
  b.finestra->MostraRisultati();
  QVERIFY(b.finestra->formRisultati());

  // The geometry form closed unchanged: every result stays.
  b.finestra->MostraGeometria();
  b.finestra->formGeometria()->parentWidget()->close();
  QCoreApplication::processEvents();
  QVERIFY(b.finestra->finestraSicurezza());
  QVERIFY(b.finestra->formRisultati());
  // The same data solved again: the assessment still belongs to them.
  QVERIFY(b.risolvi());
  QVERIFY(b.finestra->finestraSicurezza());
  QVERIFY(b.finestra->finestraPlot());

  // A change of the data: all of them go.
  b.finestra->MostraGeometria();
  FormGeometria* g = b.finestra->formGeometria();
  g->txtDati[1]->setText(g->txtDati[1]->text() + "1");
  QVERIFY(g->LeggeDatiGeom());
  QCoreApplication::processEvents();
  QVERIFY(!b.finestra->finestraSicurezza());
  QVERIFY(!b.finestra->formRisultati());
}

void TestInterfaccia::rapportoLeggeIFormAperti() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  QVERIFY(b.risolvi());
  QVERIFY(Valuta(b));
  // A new fill thickness typed, not yet read.
  b.finestra->MostraGeometria();
  FormGeometria* g = b.finestra->formGeometria();
  g->txtDati[1]->end(false);
  QTest::keyClicks(g->txtDati[1], "1");
  QVERIFY(g->toccato());
  const QString file = b.utente.filePath("rapporto.html");
  b.dialoghi.nomi << file;
  b.finestra->azione("mnuFileEsportaRapporto")->trigger();
  const QString html = QString::fromUtf8(Contenuto(file));
  QVERIFY(!html.isEmpty());
  // The report is of the data on screen: read, no longer solved, and with
  // no assessment of the voussoirs before the edit.
  QVERIFY(!g->toccato());
  QVERIFY(!html.contains("geometry has not been read"));
  QVERIFY(html.contains("the data have changed since the last solution"));
  QVERIFY(!html.contains("Safety assessment"));
  QVERIFY(!b.finestra->finestraSicurezza());

  // An edit that cannot be read: refused with the form's message, no file.
  g->txtDati[1]->selectAll();
  QTest::keyClicks(g->txtDati[1], "abc");
  const QString rifiutato = b.utente.filePath("rifiutato.html");
  b.dialoghi.nomi << rifiutato;
  b.messaggi.clear();
  b.finestra->azione("mnuFileEsportaRapporto")->trigger();
  QCOMPARE(b.messaggi.entries().size(), std::size_t(1));
  QVERIFY(!QFile::exists(rifiutato));
}

void TestInterfaccia::menuApronoMenuEComandiConScorciatoia() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  // Every title of the menu bar opens a menu.
  for (QAction* a : b.finestra->menuBar()->actions()) QVERIFY2(a->menu(), qPrintable(a->text()));
  const std::pair<const char*, QKeySequence> scorciatoie[] = {
      {"mnuFileSalva", QKeySequence("Ctrl+S")}, {"mnuSolve", QKeySequence("F5")}, {"mnuAssess", QKeySequence("F6")}};
  // The first shortcut is the one the menu shows.
  for (const auto& [nome, tasto] : scorciatoie) QCOMPARE(b.finestra->azione(nome)->shortcut(), tasto);
  QVERIFY(b.finestra->azione("Toolbar1Button8")->toolTip().contains("F5"));
  // F5 solves.
  b.finestra->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(b.finestra.get()));
  QSignalSpy fine(b.finestra.get(), &FinestraPrincipale::calcoloConcluso);
  QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : b.finestra.get(), Qt::Key_F5);
  QVERIFY(fine.wait(60000));
  QVERIFY(b.finestra->finestraPlot());

  // Alt and a letter is one thing in the loads form, in either language:
  // its button or a menu.
  for (const QString lingua : {"ENG", "ITA"}) {
    Banco c(lingua);
    c.avvia({c.esempio("ponte-stradale.vro")});
    QCoreApplication::processEvents();
    c.finestra->MostraCarichi();
    QList<QChar> titoli;
    for (QAction* a : c.finestra->menuBar()->actions()) {
      QVERIFY2(!titoli.contains(Mnemonico(a->text())), qPrintable(a->text()));
      titoli << Mnemonico(a->text());
    }
    for (QPushButton* p : c.finestra->formCarichi()->findChildren<QPushButton*>())
      if (!Mnemonico(p->text()).isNull()) QVERIFY2(!titoli.contains(Mnemonico(p->text())), qPrintable(p->text()));
  }

}

void TestInterfaccia::apriPartiDallaCartellaDeiProgetti() {
  // The first start: the user's documents, not the folder the program was started from.
  Banco b;
  b.avvia();
  b.finestra->FileApri();
  const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  QCOMPARE(b.dialoghi.richieste.back().cartella, QFileInfo(documenti).isDir() ? documenti : QDir::homePath());
  // Afterwards: the folder of the latest project.
  const QString cartella = b.utente.filePath("progetti");
  QDir().mkpath(cartella);
  QVERIFY(QFile::copy(b.esempio("ponte-stradale.vro"), cartella + "/ponte.vro"));
  b.dialoghi.nomi << cartella + "/ponte.vro";
  b.finestra->FileApri();
  auto dopo = std::make_unique<FinestraPrincipale>(b.programma.path(), b.utente.path(), &b.messaggi, &b.dialoghi);
  dopo->Avvio({});
  dopo->FileApri();
  QCOMPARE(b.dialoghi.richieste.back().cartella, cartella);
}

void TestInterfaccia::finestraSicurezzaLeggibile() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  FinestraSicurezza* f = Valuta(b);
  QVERIFY(f);
  QTableWidget* t = f->tabella;
  // At its default size every explanation is whole: wrapped within its
  // column, its row as tall as the wrapped text, once the rows have followed
  // the column's last resize.
  auto intere = [t] {
    for (int i = 0; i < t->rowCount(); ++i) {
      const QRect serve = t->fontMetrics().boundingRect(QRect(0, 0, t->columnWidth(2) - 8, 10000), Qt::TextWordWrap,
                                                         t->item(i, 2)->text());
      if (serve.height() > t->rowHeight(i)) return false;
    }
    return true;
  };
  QTRY_VERIFY(intere());
  const int colonna = t->columnWidth(2);
  QVERIFY(t->columnViewportPosition(2) + colonna <= t->viewport()->width());
  for (int i = 0; i < t->rowCount(); ++i) {
    const QString testo = t->item(i, 2)->text();
    const QRect serve = t->fontMetrics().boundingRect(QRect(0, 0, colonna - 8, 10000), Qt::TextWordWrap, testo);
    QVERIFY2(serve.height() <= t->rowHeight(i), qPrintable(testo));
  }

  // Tiled or cascaded with the other windows, at least three rows of figures
  // and a drawing of some size stay in view.
  b.finestra->MostraGeometria();
  b.finestra->MostraCarichi();
  for (const bool tiled : {true, false}) {
    if (tiled) b.finestra->area()->tileSubWindows();
    else b.finestra->area()->cascadeSubWindows();
    QCoreApplication::processEvents();
    QVERIFY2(t->viewport()->height() >= 3 * t->fontMetrics().height(),
             qPrintable(QString("%1: %2 px").arg(tiled ? "tile" : "cascade").arg(t->viewport()->height())));
    QVERIFY2(f->schede->height() >= 150, tiled ? "tile" : "cascade");
  }
}

QTEST_MAIN(TestInterfaccia)
#include "test_interfaccia.moc"
