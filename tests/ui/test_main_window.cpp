// The main window: menus and toolbar, the commands that need a geometry, the
// caption through New, Open and Save As, the command line, the View flags,
// the plot's exports, the help and its language.
#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWindow>
#include <QMenu>
#include <QMenuBar>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <QTest>
#include <QSettings>
#include <QToolBar>

#include "Banco.h"
#include "data/ProjectFile.h"
#include "ui/Aiuto.h"
#include "ui/FinestraPlot.h"
#include "ui/FormCarichi.h"
#include "ui/FormGeometria.h"

using namespace voro;
using namespace voro::ui;
using namespace voro::ui::test;

namespace {

// Builds the voussoirs from the geometry form, as its Next button does.
void Avanti(Banco& b) {
  b.finestra->formGeometria()->cbPltGeom->click();
  QCoreApplication::processEvents();
}

}  // namespace

class TestMainWindow : public QObject {
  Q_OBJECT

 private slots:
  void menuEToolbar();
  void comandiCheRichiedonoLaGeometria();
  void captionNuovoApriSalva();
  void asteriscoDopoIngrandisciERipristina();
  void rigaDiComando_data();
  void rigaDiComando();
  void fileMancanteDaRigaDiComando();
  void vistaRidisegna();
  void plotEsportaDxfEStampa();
  void avantiEIndietro();
  void esempi();
  void linguaSenzaFile();
  void linguaDalMenu();
  void aiuto();
  void comandiInOgniOrdine();
};

void TestMainWindow::menuEToolbar() {
  Banco b;
  b.avvia();
  auto* f = b.finestra.get();
  QStringList titoli;
  for (QAction* a : f->menuBar()->actions()) titoli << a->text();
  QCOMPARE(titoli, (QStringList{"&File", "&Edit", "&Data", "S&olve", "&Assess", "&Report", "P&lot", "&View", "&Window", "&?"}));
  // The shortcut every desktop program knows is the one the menu shows; the
  // program's own still works.
  QCOMPARE(f->azione("mnuFileItem0")->shortcut(), QKeySequence("Ctrl+N"));
  QCOMPARE(f->azione("mnuFileItem1")->shortcut(), QKeySequence("Ctrl+O"));
  QVERIFY(f->azione("mnuFileItem1")->shortcuts().contains(QKeySequence("Ctrl+F12")));
  QCOMPARE(f->azione("mnuFileItem2")->shortcut(), QKeySequence("Ctrl+Shift+S"));
  QVERIFY(f->azione("mnuFileItem2")->shortcuts().contains(QKeySequence("Shift+F12")));
  QCOMPARE(f->azione("mnuFileItem4")->shortcut(), QKeySequence("Ctrl+P"));
  QVERIFY(f->azione("mnuFileItem4")->shortcuts().contains(QKeySequence("Ctrl+Shift+F12")));
  QCOMPARE(f->azione("mnuDataItem2")->text(), QString("Solve &Options"));
  QCOMPARE(f->azione("mnuVisualizzaItem1")->text(), QString("&Vertical forces"));
  QCOMPARE(f->azione("mnuVisualizzaItem4")->text(), QString("&White Background"));
  QCOMPARE(f->azione("mnuPlotItem2")->text(), QString("&Draw in Autocad"));
  for (int i = 0; i < 5; ++i) QVERIFY(f->azione(QString("mnuVisualizzaItem%1").arg(i))->isCheckable());
  // Every command of the File, Edit, Data, Solve, Assess, Report and Plot
  // menus has its key, shown in the menu (the recent files have their number).
  std::vector<QAction*> recenti;
  for (int i = 0; i < Impostazioni::kRecenti; ++i) recenti.push_back(f->azione(QString("mnuFileItem%1").arg(6 + i)));
  for (QAction* m : f->menuBar()->actions()) {
    if (!m->menu() || f->menuBar()->actions().indexOf(m) > 6) continue;
    for (QAction* a : m->menu()->actions()) {
      if (a->isSeparator() || a->menu() || std::any_of(recenti.begin(), recenti.end(), [a](QAction* r) { return r == a; }))
        continue;
      QVERIFY2(!a->shortcut().isEmpty() || a->text().contains('\t'), qPrintable(m->text() + " > " + a->text()));
    }
  }
  QCOMPARE(f->azione("mnuDataItem0")->shortcut(), QKeySequence("Ctrl+1"));
  QVERIFY(f->azione("mnuPlotAdatta")->text().endsWith("\tCtrl+0"));

  auto* barra = f->findChild<QToolBar*>("Toolbar1");
  QVERIFY(barra);
  const QList<QAction*> voci = barra->actions();
  QCOMPARE(voci.size(), 12);
  const QStringList suggerimenti{"Open (Ctrl+O)", "Save as (Ctrl+Shift+S)", "", "Geometry (Ctrl+1)", "Loads (Ctrl+2)",
                                 "Solve Options (Ctrl+3)", "", "Solve (F5)", "", "Report (F7)", "", "Assess (F6)"};
  int immagini = 0;
  for (int i = 0; i < 12; ++i) {
    QCOMPARE(voci[i]->isSeparator(), suggerimenti[i].isEmpty());
    if (voci[i]->isSeparator()) continue;
    QCOMPARE(voci[i]->toolTip(), suggerimenti[i]);
    QVERIFY(!voci[i]->icon().pixmap(32, 32).isNull());
    ++immagini;
  }
  QCOMPARE(immagini, 8);

  // The report's commands ask where to save it; cancelled, nothing happens.
  const std::size_t messaggi = b.messaggi.entries().size();
  f->azione("mnuFileItem5")->trigger();
  f->azione("mnuFileEsportaRapporto")->trigger();
  QCOMPARE(f->azione("mnuFileEsportaRapporto")->text(), QString("&Export Report..."));
  QCOMPARE(b.messaggi.entries().size(), messaggi);
}

void TestMainWindow::comandiCheRichiedonoLaGeometria() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  auto* f = b.finestra.get();
  const QStringList dipendenti{"mnuFileItem2", "mnuDataItem1", "mnuDataItem2", "mnuSolve", "mnuReport",
                               "Toolbar1Button2", "Toolbar1Button5", "Toolbar1Button6", "Toolbar1Button8",
                               "Toolbar1Button10", "mnuAssess", "Toolbar1Button12"};
  auto stato = [&](bool atteso) {
    for (const QString& n : dipendenti) QVERIFY2(f->azione(n)->isEnabled() == atteso, qPrintable(n));
    for (const char* m : {"mnuPlot", "mnuVisualizza"})
      QCOMPARE(f->findChild<QMenu*>(m)->menuAction()->isEnabled(), atteso);
    for (const char* n : {"mnuFileItem0", "mnuFileItem1", "mnuDataItem0", "Toolbar1Button1", "Toolbar1Button4"})
      QVERIFY(f->azione(n)->isEnabled());
  };
  stato(true);  // a project read from its file builds at once
  Avanti(b);
  stato(true);
  f->FileNuovo();
  stato(false);
  b.finestra->formGeometria()->LeggeDatiGeom();
  stato(false);  // a new project has no span yet
  b.dialoghi.nomi.push_back(b.esempio("volta-semicircolare.vro"));
  f->FileApri();
  stato(true);
}

void TestMainWindow::captionNuovoApriSalva() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  auto* f = b.finestra.get();
  QCOMPARE(f->Didascalia(), kCaption + "ponte-stradale");
  // Open cancelled: the model and the form as they were, typing not read.
  f->formGeometria()->txtTitolo->setText("scritto ma non letto");
  const std::string titolo = b.s().dati.Titolo;
  f->FileApri();
  QVERIFY(b.messaggi.empty());
  QCOMPARE(b.s().dati.Titolo, titolo);
  QCOMPARE(f->Didascalia(), kCaption + "ponte-stradale");
  QCOMPARE(f->formGeometria()->txtTitolo->text().toStdString(), titolo);
  // Save As into a folder that does not exist: a message, no file.
  f->formGeometria()->cbPltGeom->click();
  b.dialoghi.nomi.push_back(b.utente.filePath("non/esiste/arco.vro"));
  f->FileSalvaConNome();
  QVERIFY(!b.messaggi.empty());
  QVERIFY(!QFile::exists(b.utente.filePath("non/esiste/arco.vro")));
  b.messaggi.clear();
  b.dialoghi.richieste.clear();
  f->FileNuovo();
  QCOMPARE(f->Didascalia(), kCaption);
  QCOMPARE(f->formGeometria()->windowTitle(), QString("Geometry"));
  QCOMPARE(f->formGeometria()->txtNvori->text(), QString("1"));
  QVERIFY(f->formGeometria()->txtTitolo->text().isEmpty());

  // Save As proposes the previous base name, with the Voro files preselected.
  const char* anello[4] = {"10", "3", "0,5", "30"};
  for (int i = 0; i < 4; ++i) f->formGeometria()->txt1Voro[static_cast<std::size_t>(i)]->setText(anello[i]);
  f->formGeometria()->LeggeDatiGeom();
  const QString salvato = b.utente.filePath("nuovo arco.vro");
  b.dialoghi.nomi.push_back(salvato);
  f->FileSalvaConNome();
  QCOMPARE(b.dialoghi.richieste.back().proposto, QString("ponte-stradale.vro"));
  QCOMPARE(b.dialoghi.richieste.back().preselezionato, QString("Voro Files (*.vro)"));
  QCOMPARE(b.dialoghi.richieste.back().filtri, QString("All Files (*.*);;Voro Files (*.vro)"));
  QCOMPARE(f->Didascalia(), kCaption + "nuovo arco");
  QVERIFY(QFile::exists(salvato));
  QVERIFY(!QFile::exists(salvato + ".part"));

  // Open reads the file into the model and the form.
  b.dialoghi.nomi.push_back(b.esempio("arco-policentrico.vro"));
  f->FileApri();
  QCOMPARE(f->Didascalia(), kCaption + "arco-policentrico");
  QCOMPARE(b.dialoghi.richieste.back().proposto, QString("nuovo arco.vro"));
  QVERIFY(b.s().dati.nVori > 1);
  QCOMPARE(f->formGeometria()->txtNvori->text().toInt(), int(b.s().dati.nVori));
  QVERIFY(f->formGeometria()->FlexGrid->isVisibleTo(f->formGeometria()));

  // Saving over the example and reading it back gives the same file.
  const QByteArray originale = Contenuto(b.esempio("arco-policentrico.vro"));
  b.dialoghi.nomi.push_back(b.esempio("arco-policentrico.vro"));
  f->FileSalvaConNome();
  QCOMPARE(Contenuto(b.esempio("arco-policentrico.vro")), originale);
}

// The caption as the window system shows it keeps the "*" of a modified
// project while a child window is maximised and after it is restored.
void TestMainWindow::asteriscoDopoIngrandisciERipristina() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  auto* f = b.finestra.get();
  Avanti(b);
  b.s().dati.qCarico += 10;
  f->DatiCambiati();
  QVERIFY(f->Modificato());
  auto titolo = [f] { return f->windowHandle()->title(); };
  QCOMPARE(titolo(), kCaption + "ponte-stradale*");
  f->MostraGeometria();
  QMdiSubWindow* sub = f->area()->activeSubWindow();
  QVERIFY(sub);
  sub->showMaximized();
  QCoreApplication::processEvents();
  QVERIFY2(titolo().startsWith(kCaption + "ponte-stradale* - ["), qPrintable(titolo()));
  sub->showNormal();
  QCoreApplication::processEvents();
  QCOMPARE(titolo(), kCaption + "ponte-stradale*");
  // Saved: the mark goes, and stays gone after another maximise.
  b.dialoghi.nomi.push_back(b.utente.filePath("salvato.vro"));
  QVERIFY(f->FileSalvaConNome());
  sub->showMaximized();
  sub->showNormal();
  QCoreApplication::processEvents();
  QCOMPARE(titolo(), kCaption + "salvato");
}

void TestMainWindow::rigaDiComando_data() {
  QTest::addColumn<QStringList>("parole");
  QTest::addRow("quoted") << QStringList{"@/cartella con spazi/arco a tutto sesto.vro"};
  QTest::addRow("split") << QStringList{"@/cartella", "con", "spazi/arco", "a", "tutto", "sesto.vro"};
  QTest::addRow("quotes kept") << QStringList{"\"@/cartella con spazi/arco a tutto sesto.vro\""};
}

void TestMainWindow::rigaDiComando() {
  QFETCH(QStringList, parole);
  Banco b;
  QDir(b.utente.path()).mkpath("cartella con spazi");
  const QString percorso = b.utente.filePath("cartella con spazi/arco a tutto sesto.vro");
  QVERIFY(QFile::copy(b.esempio("volta-semicircolare.vro"), percorso));
  for (QString& p : parole) p.replace("@", b.utente.path());
  b.avvia(parole);
  QVERIFY(b.messaggi.empty());
  QCOMPARE(b.finestra->Didascalia(), kCaption + "arco a tutto sesto");
  QCOMPARE(QString::fromStdString(b.s().stato.CartellaDati), b.utente.filePath("cartella con spazi"));
  QVERIFY(!b.s().stato.DatiNuovi);
}

void TestMainWindow::fileMancanteDaRigaDiComando() {
  Banco b;
  const QString manca = b.utente.filePath("manca.vro");
  b.avvia({manca});
  QCOMPARE(b.messaggi.entries().size(), std::size_t(1));
  QCOMPARE(b.messaggi.entries()[0].kind, MessageKind::Critical);
  QCOMPARE(QString::fromStdString(b.messaggi.entries()[0].text), "File " + manca + " not found");
  QCOMPARE(b.finestra->Didascalia(), kCaption);
  // A new project, with its defaults.
  QVERIFY(b.finestra->formGeometria());
  QCOMPARE(b.s().dati.Larghezza, Single(1));
}

void TestMainWindow::vistaRidisegna() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  Avanti(b);
  FinestraPlot* plot = b.finestra->finestraPlot();
  QVERIFY(plot);
  QAction* bianco = b.finestra->azione("mnuVisualizzaItem4");
  auto sfondo = [&] { return plot->area()->grab().toImage().pixelColor(2, 2); };
  QCOMPARE(sfondo(), QColor(Qt::black));
  bianco->trigger();
  QVERIFY(bianco->isChecked());
  QVERIFY(b.s().stato.Visualizza[4]);
  QCOMPARE(sfondo(), QColor(Qt::white));
  bianco->trigger();
  QVERIFY(!bianco->isChecked());
  QCOMPARE(sfondo(), QColor(Qt::black));
  QVERIFY(plot->area()->disegnato());

  // A resize draws the plot afresh at the new size.
  b.finestra->resize(900, 700);
  QCoreApplication::processEvents();
  QCOMPARE(plot->parentWidget()->size(), b.finestra->area()->viewport()->size());
}

void TestMainWindow::plotEsportaDxfEStampa() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  Avanti(b);
  auto* f = b.finestra.get();

  // DXF: the Part's filter and default name; the file ends as a DXF must.
  const QString dxf = b.utente.filePath("ponte.dxf");
  b.dialoghi.nomi.push_back(dxf);
  f->azione("mnuPlotItem1")->trigger();
  QCOMPARE(b.dialoghi.richieste.back().proposto, QString("ponte-stradale.dxf"));
  QCOMPARE(b.dialoghi.richieste.back().preselezionato, QString("Autocad Files (*.dxf)"));
  QVERIFY(b.messaggi.empty());
  const QByteArray testo = Contenuto(dxf);
  QVERIFY(testo.startsWith("0\r\nSECTION") || testo.startsWith("  0\r\nSECTION") || testo.contains("SECTION"));
  QVERIFY(testo.trimmed().endsWith("EOF"));

  // A cancelled dialog ends quietly.
  f->azione("mnuPlotItem1")->trigger();
  f->azione("mnuPlotItem0")->trigger();
  QVERIFY(b.messaggi.empty());

  // The printer: a PDF page holding the plot.
  b.dialoghi.stampaAccettata = true;
  b.dialoghi.filePdf = b.utente.filePath("ponte.pdf");
  f->azione("mnuPlotItem0")->trigger();
  QVERIFY(b.messaggi.empty());
  QVERIFY(Contenuto(b.dialoghi.filePdf).startsWith("%PDF"));
  QVERIFY(QFileInfo(b.dialoghi.filePdf).size() > 5000);

  // The same commands from the plot window's own File menu.
  FinestraPlot* plot = f->finestraPlot();
  const QString altro = b.utente.filePath("dal menu.dxf");
  b.dialoghi.nomi.push_back(altro);
  plot->menu->actions()[0]->menu()->actions()[1]->trigger();
  QCOMPARE(Contenuto(altro), testo);
}

void TestMainWindow::avantiEIndietro() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  Avanti(b);
  auto* f = b.finestra.get();
  QVERIFY(!f->formGeometria());
  FinestraPlot* plot = f->finestraPlot();
  QCOMPARE(plot->PlottaGeometria(), 1);
  plot->cmdNext->click();
  QCoreApplication::processEvents();
  FormCarichi* c = f->formCarichi();
  QVERIFY(c);
  c->cmdNext->click();
  QCoreApplication::processEvents();
  QVERIFY(!f->formCarichi());
  // Every plot command makes a new plot window.
  QVERIFY(f->finestraPlot() != plot || f->finestraPlot()->PlottaGeometria() == 2);
  QCOMPARE(f->finestraPlot()->PlottaGeometria(), 2);
  f->finestraPlot()->cmdPrevious->click();
  QCoreApplication::processEvents();
  QVERIFY(f->formCarichi());
  f->formCarichi()->cmdPrevious->click();
  QCoreApplication::processEvents();
  QVERIFY(f->formGeometria());
  QVERIFY(!f->formCarichi());
}

void TestMainWindow::esempi() {
  Banco b;
  b.avvia();
  const std::string dati = b.s().stato.CartellaDati;
  b.dialoghi.nomi.push_back(b.esempio("arco-ribassato-spinta.vro"));
  b.finestra->azione("mnuAiutoItem1")->trigger();
  QCOMPARE(b.dialoghi.richieste.back().cartella, b.programma.path() + "/examples");
  QCOMPARE(b.finestra->Didascalia(), kCaption + "arco-ribassato-spinta");
  QCOMPARE(b.s().stato.CartellaDati, dati);
  QVERIFY(b.s().dati.SpintaPassiva);
}

// The language kept in the user's settings, as QSettings reads them.
static QString LinguaImpostata(const Banco& b) {
  return QSettings(QDir(b.utente.path()).filePath("voro.ini"), QSettings::IniFormat).value("Language").toString();
}

void TestMainWindow::linguaSenzaFile() {
  Banco b("");
  b.dialoghi.lingua = 1;
  b.avvia();
  QCOMPARE(b.dialoghi.lingueChieste, 1);
  // The choice is the user's own: nothing is written beside the program.
  QCOMPARE(LinguaImpostata(b), QString("ENG"));
  QVERIFY(!QFile::exists(b.programma.filePath("Lingua.ini")));
  QCOMPARE(b.s().stato.Lingua, std::string("ENG"));
  QVERIFY(b.finestra->azione("mnuLingua1")->isChecked());
  QVERIFY(!b.finestra->azione("mnuLingua0")->isChecked());

  // The form closed without a choice: Italian, nothing stored, asked again.
  Banco c("");
  c.dialoghi.lingua = std::nullopt;
  c.avvia();
  QCOMPARE(c.s().stato.Lingua, std::string("ITA"));
  QVERIFY(LinguaImpostata(c).isEmpty());
  QVERIFY(c.messaggi.empty());

  // A language the program does not have is asked again.
  Banco d("FRA");
  d.dialoghi.lingua = 0;
  d.avvia();
  QCOMPARE(d.dialoghi.lingueChieste, 1);
  QCOMPARE(LinguaImpostata(d), QString("ITA"));
}

void TestMainWindow::linguaDalMenu() {
  Banco b("ENG");
  b.avvia();
  QCOMPARE(b.dialoghi.lingueChieste, 0);
  QCOMPARE(b.s().stato.Lingua, std::string("ENG"));
  b.finestra->azione("mnuLingua0")->trigger();
  QCOMPARE(LinguaImpostata(b), QString("ITA"));
  // The old file beside the program is read once, never written again.
  QCOMPARE(Contenuto(b.programma.filePath("Lingua.ini")), QByteArray("\"ENG\"\r\n"));
  QVERIFY(b.finestra->azione("mnuLingua0")->isChecked());
  QVERIFY(!b.finestra->azione("mnuLingua1")->isChecked());
  QCOMPARE(PercorsoAiuto(b.programma.path(), b.s().stato.Lingua), b.programma.path() + "/docs/Voro-ITA.html");
  b.finestra->azione("mnuLingua1")->trigger();

  // The settings win over the old file on the next start.
  auto dopo = std::make_unique<FinestraPrincipale>(b.programma.path(), b.utente.path(), &b.messaggi, &b.dialoghi);
  dopo->Avvio({});
  QCOMPARE(dopo->sessione().stato.Lingua, std::string("ENG"));
  QCOMPARE(b.dialoghi.lingueChieste, 0);
}

void TestMainWindow::aiuto() {
  Banco b("ENG");
  b.avvia();
  b.finestra->azione("mnuAiutoItem0")->trigger();
  auto* a = b.finestra->findChild<Aiuto*>();
  QVERIFY(a);
  QVERIFY(a->isVisible());
  QVERIFY(b.messaggi.empty());
  QVERIFY(a->indice->topLevelItemCount() >= 6);
  QVERIFY(a->pagina->toPlainText().contains("thrust line"));
  // The search finds the sections that hold every word.
  a->ricerca->setText("tie thrust");
  QVERIFY(a->trovati->count() >= 1);
  a->ricerca->setText("parolachenonce");
  QCOMPARE(a->trovati->count(), 0);

  // Italian help, and a missing file's message.
  b.finestra->azione("mnuLingua0")->trigger();
  b.finestra->azione("mnuAiutoItem0")->trigger();
  QVERIFY(a->pagina->toPlainText().contains("curva delle pressioni"));
  QFile::remove(b.programma.filePath("docs/Voro-ITA.html"));
  b.finestra->azione("mnuAiutoItem0")->trigger();
  QCOMPARE(b.messaggi.entries().size(), std::size_t(1));
  QCOMPARE(b.messaggi.entries()[0].kind, MessageKind::Critical);
}

void TestMainWindow::comandiInOgniOrdine() {
  // Every command on an empty project and then on an example, in menu order
  // and reversed: messages, never a crash, never a number that is not one.
  const QStringList comandi{"mnuDataItem0", "mnuDataItem1", "mnuDataItem2", "mnuSolve", "mnuReport",
                            "mnuPlotItem0", "mnuPlotItem1", "mnuVisualizzaItem4", "mnuFileItem0",
                            "mnuFileItem2", "mnuFileItem4", "mnuFileItem5", "mnuFileEsportaRapporto"};
  for (const QString& file : {QString(), QString("ponte-stradale.vro")}) {
    for (bool rovescio : {false, true}) {
      Banco b;
      b.avvia(file.isEmpty() ? QStringList{} : QStringList{b.esempio(file)});
      if (auto* g = b.finestra->formGeometria()) g->cbPltGeom->click();
      QStringList ordine = comandi;
      if (rovescio) std::reverse(ordine.begin(), ordine.end());
      for (const QString& c : ordine) {
        QAction* a = b.finestra->azione(c);
        a->setEnabled(true);  // also the commands the window would keep disabled
        a->trigger();
        QVERIFY(b.attendiCalcolo());
        QCoreApplication::processEvents();
      }
      for (QLineEdit* e : b.finestra->findChildren<QLineEdit*>()) {
        const QString t = e->text().toLower();
        QVERIFY2(!t.contains("nan") && !t.contains("inf"), qPrintable(t));
      }
    }
  }
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
