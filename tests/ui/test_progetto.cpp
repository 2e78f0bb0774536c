// The project on screen: results that always belong to it, files that fail
// to open without touching it, commands that wait for a readable geometry,
// typed numbers that are never silently changed, unsaved changes that are
// never lost, and the recently used projects.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "Banco.h"
#include "data/Impronte.h"
#include "data/ProjectFile.h"
#include "ui/DialogoAnello.h"
#include "ui/FinestraPlot.h"
#include "ui/FormCarichi.h"
#include "ui/FormGeometria.h"
#include "ui/FormLingua.h"
#include "ui/FormOpzioni.h"
#include "ui/FormRisultati.h"
#include "ui/GrigliaSegmenti.h"

using namespace voro;
using namespace voro::ui;
using namespace voro::ui::test;

namespace {

void Scrivi(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

// Types into a box as the user does (each key an edit).
void Digita(QLineEdit* e, const QString& testo) {
  e->selectAll();
  QTest::keyClick(e, Qt::Key_Delete);
  QTest::keyClicks(e, testo);
}

// The first and last columns and rows of a picture that differ from its
// background (the colour of its corner).
QRect Disegnato(const QImage& img) {
  const QRgb sfondo = img.pixel(1, 1);
  int x0 = img.width(), x1 = -1, y0 = img.height(), y1 = -1;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != sfondo) {
        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
      }
  return QRect(QPoint(x0, y0), QPoint(x1, y1));
}

}  // namespace

class TestProgetto : public QObject {
  Q_OBJECT

 private slots:
  void risultatiDiUnAltroProgetto();
  void risultatiScadonoConIDati();
  void datiCambiatiDuranteIlCalcolo();
  void fileCheNonSiApre();
  void comandiConGeometriaIllegibile();
  void caselleNonNumeriche_data();
  void caselleNonNumeriche();
  void valoriImpossibiliNeiForm();
  void caricoOltreUnSingle();
  void grigliaTieneIlPrimoTasto();
  void avvisoNonMostrarePiu();
  void modificheMostrateEChieste();
  void salvaEScorciatoie();
  void progettiRecenti();
  void finestreLeggibili();
  void tabellaDelleCampate();
};

// The bridge's spans and piers in the geometry form: a pier's cell read into
// the project, a span added, moved left with its pier and removed, a cell
// that is not a number named with its span and the project kept.
void TestProgetto::tabellaDelleCampate() {
  Banco b;
  b.finestra->resize(1366, 768);
  b.avvia({SorgenteVoro() + "/examples/ponti/ponte-tre-campate.vro"}, Regional::inglese());
  b.finestra->MostraGeometria();
  FormGeometria* g = b.finestra->formGeometria();
  QTableWidget* t = g->tabCampate->griglia;
  QCOMPARE(t->rowCount(), 3);
  // The first span's ring is the form's own: its cells are not edited here.
  QVERIFY(!(t->item(0, 0)->flags() & Qt::ItemIsEditable));
  const int altezza = 7;
  t->item(1, altezza)->setText("7");
  QVERIFY(g->toccato());
  QVERIFY(g->Leggi());
  QCOMPARE(b.s().dati.Campate[0].Pila.Altezza, 7.0f);
  const float ultima = b.s().dati.Campate[1].Pila.Altezza;

  g->tabCampate->cmdAggiungi->click();
  QCOMPARE(t->rowCount(), 4);
  t->item(3, altezza)->setText("9");
  t->setCurrentCell(3, 0);
  g->tabCampate->cmdSinistra->click();
  QVERIFY(g->Leggi());
  QCOMPARE(b.s().dati.Campate.size(), std::size_t(3));
  QCOMPARE(b.s().dati.Campate[0].Pila.Altezza, 7.0f);
  QCOMPARE(b.s().dati.Campate[1].Pila.Altezza, 9.0f);
  QCOMPARE(b.s().dati.Campate[2].Pila.Altezza, ultima);

  t->setCurrentCell(2, 0);
  g->tabCampate->cmdTogli->click();
  QVERIFY(g->Leggi());
  QCOMPARE(b.s().dati.Campate.size(), std::size_t(2));
  QCOMPARE(b.s().dati.Campate[1].Pila.Altezza, ultima);

  const QByteArray prima = TestoProgetto(b.s().dati).c_str();
  t->item(2, altezza)->setText("alto");
  b.messaggi.clear();
  QVERIFY(!g->Leggi());
  QCOMPARE(b.messaggi.entries().size(), std::size_t(1));
  QVERIFY2(QString::fromStdString(b.messaggi.entries()[0].text).contains("Span 3"), b.messaggi.entries()[0].text.c_str());
  QCOMPARE(QByteArray(TestoProgetto(b.s().dati).c_str()), prima);
  t->item(2, altezza)->setText("6");

  // The ring form of span 2: two segments typed, the span's row then shows
  // its segments and the project holds them.
  t->setCurrentCell(1, 0);
  QTimer::singleShot(0, [] {
    auto* d = qobject_cast<DialogoAnello*>(QApplication::activeModalWidget());
    QVERIFY(d);
    d->spnSegmenti->setValue(2);
    const char* righe[2][7] = {{"3", "2.5", "6", "3.5", "0.6", "18", "0"}, {"9", "2.5", "12", "0", "0.6", "18", "0"}};
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 7; ++c) d->grdSegmenti->setItem(r, c, new QTableWidgetItem(righe[r][c]));
    d->accept();
  });
  g->tabCampate->cmdAnello->click();
  QVERIFY(g->Leggi());
  const DatiCampata& due = b.s().dati.Campate[0];
  QCOMPARE(int(due.nVori), 2);
  QCOMPARE(due.Vori(2).X3, 12.0);
  QCOMPARE(int(due.Vori(1).nConciInput), 18);
  QCOMPARE(due.Pila.Altezza, 7.0f);
  QVERIFY(!(t->item(1, 0)->flags() & Qt::ItemIsEditable));
}

void TestProgetto::risultatiDiUnAltroProgetto() {
  Banco b;
  b.finestra->resize(1100, 800);
  b.avvia({b.esempio("ponte-stradale.vro")});
  QVERIFY(b.risolvi());
  b.finestra->MostraRisultati();
  QPointer<FormRisultati> rapporto = b.finestra->formRisultati();
  QPointer<FinestraPlot> plot = b.finestra->finestraPlot();
  QVERIFY(rapporto && plot && b.finestra->RisultatiValidi());

  // Another project: no window shows the first one's arch or numbers.
  b.dialoghi.nomi << b.esempio("volta-semicircolare.vro");
  b.finestra->FileApri();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!rapporto && !plot);
  QVERIFY(!b.finestra->RisultatiValidi());
  // Its geometry builds, so Report is there, and says there are no results.
  QVERIFY(b.finestra->azione("mnuReport")->isEnabled());
  // Commands reached anyway say why instead of showing stale numbers.
  b.messaggi.clear();
  b.finestra->MostraRisultati();
  b.finestra->azione("mnuPlotItem1")->trigger();
  QCOMPARE(b.messaggi.entries().size(), std::size_t(2));

  // File New closes the results too, and any window that shows results
  // joins the rule with one call.
  QVERIFY(b.risolvi());
  plot = b.finestra->finestraPlot();
  QPointer<QWidget> altra = new QWidget;
  QMdiSubWindow* sub = b.finestra->area()->addSubWindow(altra);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->show();
  b.finestra->RegistraFinestraRisultati(altra);
  b.finestra->FileNuovo();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!plot && !altra);
  QVERIFY(!b.finestra->RisultatiValidi());
}

void TestProgetto::risultatiScadonoConIDati() {
  Banco b;
  b.finestra->resize(1100, 800);
  b.avvia({b.esempio("ponte-stradale.vro")});
  b.s().dati.OttimizzaCerniere = true;
  QVERIFY(b.risolvi());
  b.finestra->MostraRisultati();
  QPointer<FormRisultati> rapporto = b.finestra->formRisultati();
  QSignalSpy scaduti(b.finestra.get(), &FinestraPrincipale::risultatiScaduti);

  // Start values copied while the search chooses the hinges change nothing
  // the results depend on: the report stays.
  rapporto->Command2->click();
  QVERIFY(rapporto);
  QCOMPARE(scaduti.count(), 0);
  // A title or the plot scale change no result either.
  b.finestra->MostraCarichi();
  FormCarichi* c = b.finestra->formCarichi();
  c->Check1->click();
  Digita(c->txtDati[3], "12");
  QVERIFY(c->LeggeCarichi());
  QCOMPARE(scaduti.count(), 0);

  // A new load does: the report and the results plot close.
  Digita(c->txtDati[0], "25");
  QVERIFY(c->LeggeCarichi());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCOMPARE(scaduti.count(), 1);
  QVERIFY(!rapporto);
  QVERIFY(!b.finestra->finestraPlot());
  QVERIFY(!b.finestra->RisultatiValidi());
  QCOMPARE(b.finestra->statusBar()->currentMessage(), QString("Ready"));

  // A failed calculation leaves no results behind.
  QVERIFY(b.risolvi());
  b.s().dati.nDivisioni = 0;  // the search has no grid: the calculation fails
  b.finestra->MostraOpzioni();
  QVERIFY(!b.risolvi());
  QVERIFY(!b.finestra->RisultatiValidi());
  QCOMPARE(b.finestra->statusBar()->currentMessage(), QString("Calculation failed"));
}

void TestProgetto::datiCambiatiDuranteIlCalcolo() {
  // Results of an input that changed while the search ran are not kept.
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  b.finestra->formGeometria()->cbPltGeom->click();
  b.finestra->MostraOpzioni();
  FormOpzioni* o = b.finestra->formOpzioni();
  o->CheckOttimizzaCerniere->setChecked(true);
  Digita(o->txtOttimizz, "1000");
  QSignalSpy fine(b.finestra.get(), &FinestraPrincipale::calcoloConcluso);
  o->SolveButton->click();
  QVERIFY(b.finestra->calcoloInCorso());
  b.finestra->MostraCarichi();
  Digita(b.finestra->formCarichi()->txtDati[0], "25");
  QVERIFY(b.finestra->formCarichi()->LeggeCarichi());
  QTRY_VERIFY_WITH_TIMEOUT(o->cmdStop->isVisible(), 30000);
  o->cmdStop->click();
  QVERIFY(fine.wait(30000));
  QVERIFY(!fine.at(0).at(0).toBool());
  QVERIFY(!b.finestra->RisultatiValidi());
  QVERIFY(!b.finestra->finestraPlot() || b.finestra->finestraPlot()->PlottaGeometria() != 0);
  QCOMPARE(b.s().dati.qCarico, Single(25));
  QVERIFY(b.finestra->statusBar()->currentMessage().startsWith("The input changed during the calculation"));
}

void TestProgetto::fileCheNonSiApre() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  auto* f = b.finestra.get();
  f->formGeometria()->cbPltGeom->click();
  const QByteArray prima = TestoProgetto(b.s().dati).c_str();
  const QString corto = b.utente.filePath("corto.vro");
  Scrivi(corto, "\"Titolo rotto\"\r\n1,2\r\n");
  const QString negativo = b.utente.filePath("negativo.vro");
  Scrivi(negativo, Contenuto(b.esempio("volta-semicircolare.vro")).replace("6,2.995,.45,30", "6,2.995,-.6,30"));
  for (const QString& file : {corto, negativo}) {
    b.messaggi.clear();
    b.dialoghi.nomi << file;
    f->FileApri();
    // One message, and the project as it was before the attempt.
    QCOMPARE(b.messaggi.entries().size(), std::size_t(1));
    QCOMPARE(b.messaggi.entries()[0].kind, MessageKind::Critical);
    QVERIFY(QString::fromStdString(b.messaggi.entries()[0].text).startsWith("Cannot open " + file));
    QCOMPARE(QByteArray(TestoProgetto(b.s().dati).c_str()), prima);
    QCOMPARE(f->Didascalia(), kCaption + "ponte-stradale");
    QVERIFY(f->azione("mnuSolve")->isEnabled());
    QVERIFY(f->finestraPlot());
  }
  QVERIFY(b.messaggi.entries()[0].text.find("Thickness of the ring t [m] = -0.6") != std::string::npos);
  QVERIFY(!f->formGeometria() || f->formGeometria()->txtTitolo->text() != "Titolo rotto");

  // The same file on the command line starts a new project, with one message.
  Banco c;
  c.avvia({negativo});
  QCOMPARE(c.messaggi.entries().size(), std::size_t(1));
  QCOMPARE(c.finestra->Didascalia(), kCaption);
  QCOMPARE(c.s().dati.SpessoreAnello, Single(0));
}

void TestProgetto::comandiConGeometriaIllegibile() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  auto* f = b.finestra.get();
  FormGeometria* g = f->formGeometria();
  g->cbPltGeom->click();
  QVERIFY(f->azione("mnuSolve")->isEnabled());
  f->MostraGeometria();
  g = f->formGeometria();
  QVERIFY(g->LeggeDatiGeom());
  QVERIFY(f->azione("mnuSolve")->isEnabled());
  // Zero voussoirs typed: Solve, Report and Plot wait for a readable geometry.
  Digita(g->txt1Voro[3], "0");
  for (const char* n : {"mnuSolve", "mnuReport", "Toolbar1Button8", "Toolbar1Button10"})
    QVERIFY2(!f->azione(n)->isEnabled(), n);
  QVERIFY(!f->findChild<QMenu*>("mnuPlot")->menuAction()->isEnabled());
  // Closing the form does not take the zero in: it stays open with the message.
  b.messaggi.clear();
  QVERIFY(!g->parentWidget()->close());
  QCOMPARE(b.messaggi.entries().size(), std::size_t(1));
  QVERIFY(b.messaggi.entries()[0].text.find("Number of voussoirs of the ring = 0") != std::string::npos);
  QCOMPARE(b.s().dati.nConciAnello, Single(36));
  // Solve from the options form refuses to run on it.
  f->MostraOpzioni();
  b.messaggi.clear();
  f->formOpzioni()->SolveButton->click();
  QVERIFY(!f->calcoloInCorso());
  QVERIFY(!b.messaggi.empty());
  // Corrected, Next builds the voussoirs again and the commands come back.
  const int prima = b.s().modello.nConciTot;
  Digita(g->txt1Voro[3], "40");
  g->cbPltGeom->click();
  QVERIFY(f->azione("mnuSolve")->isEnabled());
  QVERIFY(b.s().modello.nConciTot > prima);
  // Opening and closing an untouched geometry form leaves the commands be.
  f->MostraGeometria();
  QVERIFY(f->azione("mnuSolve")->isEnabled());
  f->formGeometria()->parentWidget()->close();
  QVERIFY(f->azione("mnuSolve")->isEnabled());
}

void TestProgetto::caselleNonNumeriche_data() {
  QTest::addColumn<bool>("italiano");
  QTest::addColumn<int>("form");  // 0 geometry, 1 loads, 2 options
  QTest::addColumn<int>("casella");
  QTest::addColumn<QString>("testo");
  QTest::addColumn<QString>("nome");
  QTest::addRow("span abc") << true << 0 << 0 << "abc" << "Luce dell'arco L [m]";
  QTest::addRow("rise empty") << true << 0 << 1 << "" << "Freccia dell'arco h [m]";
  QTest::addRow("rise 2,5 english") << false << 0 << 1 << "2,5" << "Freccia dell'arco h [m]";
  QTest::addRow("fill 0.5 italian") << true << 0 << 10 << "0.5" << "Spessore del riempimento in chiave h1 [m]";
  QTest::addRow("q abc") << true << 1 << 0 << "abc" << "Carico variabile q [kN/m2]";
  QTest::addRow("xq1 empty") << false << 1 << 1 << "" << "Inizio del carico variabile xq1 [m]";
  QTest::addRow("Kp 1,5 english") << false << 2 << 12 << "1,5" << "Coefficiente di spinta passiva Kp";
  QTest::addRow("steps empty") << true << 2 << 0 << "" << "Numero di passi della ricerca";
}

void TestProgetto::caselleNonNumeriche() {
  QFETCH(bool, italiano);
  QFETCH(int, form);
  QFETCH(int, casella);
  QFETCH(QString, testo);
  QFETCH(QString, nome);
  Banco b("ITA");
  b.avvia({b.esempio("arco-ribassato-spinta.vro")}, italiano ? Regional::italiano() : Regional::inglese());
  b.finestra->formGeometria()->cbPltGeom->click();
  const QByteArray prima = TestoProgetto(b.s().dati).c_str();
  QLineEdit* box = nullptr;
  FormDiDati* f = nullptr;
  if (form == 0) {
    b.finestra->MostraGeometria();
    FormGeometria* g = b.finestra->formGeometria();
    box = casella < 10 ? g->txt1Voro[static_cast<std::size_t>(casella)] : g->txtDati[1];
    f = g;
  } else if (form == 1) {
    b.finestra->MostraCarichi();
    box = b.finestra->formCarichi()->txtDati[static_cast<std::size_t>(casella)];
    f = b.finestra->formCarichi();
  } else {
    b.finestra->MostraOpzioni();
    FormOpzioni* o = b.finestra->formOpzioni();
    box = casella == 0 ? o->txtOttimizz : o->txtDati[static_cast<std::size_t>(casella)];
    f = o;
  }
  Digita(box, testo);
  b.messaggi.clear();
  QVERIFY(!f->Leggi());
  // A message that names the box, the focus on it, the model unchanged.
  QCOMPARE(b.messaggi.entries().size(), std::size_t(1));
  QCOMPARE(b.messaggi.entries()[0].kind, MessageKind::Critical);
  QVERIFY2(QString::fromStdString(b.messaggi.entries()[0].text).contains(nome),
           b.messaggi.entries()[0].text.c_str());
  QCOMPARE(QByteArray(TestoProgetto(b.s().dati).c_str()), prima);
  QCOMPARE(f->focusWidget(), box);
}

void TestProgetto::valoriImpossibiliNeiForm() {
  // The Italian program: the quantities named as an Italian engineer names
  // them, in every open form (the geometry's every box: ModuloGeometria).
  Banco b("ITA");
  b.avvia({b.esempio("arco-ribassato-spinta.vro")});
  auto* f = b.finestra.get();
  f->formGeometria()->cbPltGeom->click();
  const QByteArray prima = TestoProgetto(b.s().dati).c_str();
  struct Caso {
    QLineEdit* (*box)(FinestraPrincipale&);
    const char* testo;
    const char* messaggio;
  };
  const Caso casi[] = {
      {[](FinestraPrincipale& m) { return m.formGeometria()->txt1Voro[2]; }, "-0,6",
       "Errore: controllare la geometria\rSpessore dell'anello t [m] = -0,6: deve essere maggiore di zero."},
      {[](FinestraPrincipale& m) { return m.formCarichi()->txtDati[0]; }, "-20",
       "Carico variabile q [kN/m2] = -20: non può essere minore di zero."},
      {[](FinestraPrincipale& m) { return m.formOpzioni()->txtDati[12]; }, "-1",
       "Coefficiente di spinta passiva Kp = -1: non può essere minore di zero."},
      {[](FinestraPrincipale& m) { return m.formOpzioni()->txtDati[13]; }, "-2",
       "Numero dei conci con spinta passiva dall'imposta sinistra = -2: non può essere minore di zero."},
  };
  f->MostraGeometria();
  f->MostraCarichi();
  f->MostraOpzioni();
  for (const Caso& c : casi) {
    QLineEdit* box = c.box(*f);
    const QString vecchio = box->text();
    Digita(box, c.testo);
    b.messaggi.clear();
    QVERIFY(!f->LeggiFormAperti());
    QCOMPARE(b.messaggi.texts(), std::vector<std::string>{c.messaggio});
    QCOMPARE(QByteArray(TestoProgetto(b.s().dati).c_str()), prima);
    Digita(box, vecchio);
  }
  QVERIFY(f->LeggiFormAperti());
}

void TestProgetto::caricoOltreUnSingle() {
  // Typed as 1e4 then 1e40: a message, and no solution with 10000.
  Banco b("ITA");
  b.avvia({b.esempio("ponte-stradale.vro")}, Regional::inglese());
  b.finestra->formGeometria()->cbPltGeom->click();
  b.finestra->MostraCarichi();
  FormCarichi* c = b.finestra->formCarichi();
  const Single q = b.s().dati.qCarico;
  Digita(c->txtDati[0], "1e4");
  QTest::keyClick(c->txtDati[0], Qt::Key_0);
  b.messaggi.clear();
  b.finestra->azione("mnuSolve")->trigger();
  QVERIFY(!b.finestra->calcoloInCorso());
  QCOMPARE(b.messaggi.texts(),
           std::vector<std::string>{"Carico variabile q [kN/m2]: 1e40 supera il campo dei numeri Single (3.402823E+38)."});
  QCOMPARE(b.s().dati.qCarico, q);
  b.messaggi.clear();
  c->SolveButton->click();
  QVERIFY(!b.finestra->calcoloInCorso());
  QCOMPARE(b.messaggi.entries().size(), std::size_t(1));
  QCOMPARE(b.s().dati.qCarico, q);
}

void TestProgetto::grigliaTieneIlPrimoTasto() {
  Banco b;
  b.avvia({b.esempio("arco-policentrico.vro")}, Regional::inglese());
  FormGeometria* g = b.finestra->formGeometria();
  GrigliaSegmenti* grid = g->FlexGrid;
  b.finestra->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(b.finestra.get()));
  // The keys come one by one, with the window's events between them.
  auto batti = [&](int riga, int colonna, const QString& tasti) {
    grid->setFocus();
    grid->setCurrentCell(riga, colonna);
    for (QChar t : tasti) {
      QTest::keyClick(QApplication::focusWidget(), t.toLatin1());
      QTest::qWait(20);
    }
    QTest::keyClick(grid->editor(), Qt::Key_Return);
  };
  batti(1, 1, "123");
  QCOMPARE(grid->Cella(1, 1), QString("123"));
  batti(1, 4, "-0.45");
  QCOMPARE(grid->Cella(1, 4), QString("-0.45"));
  QVERIFY(g->toccato());
}

void TestProgetto::avvisoNonMostrarePiu() {
  // The advice on the decimal comma is given to the Italian program.
  Banco b("ITA");
  b.messaggi.setOptOut(true);
  b.avvia({}, Regional::inglese());
  QCOMPARE(b.messaggi.entries().size(), std::size_t(1));
  QCOMPARE(b.messaggi.entries()[0].title, std::string("ATTENZIONE "));
  QVERIFY(b.finestra->impostazioni().AvvisoSeparatoriNascosto());
  // Kept in the user's settings: the geometry form no longer shows it.
  b.finestra->formGeometria()->parentWidget()->close();
  b.finestra->MostraGeometria();
  QCOMPARE(b.messaggi.entries().size(), std::size_t(1));
  QVERIFY(Impostazioni(b.utente.path()).AvvisoSeparatoriNascosto());
  // Not ticked, it is given once a run, not at every form that opens.
  Banco c("ITA");
  c.avvia({}, Regional::inglese());
  c.finestra->formGeometria()->parentWidget()->close();
  c.finestra->MostraGeometria();
  QCOMPARE(c.messaggi.entries().size(), std::size_t(1));
  // The English program gives no advice on the Italian decimal comma.
  Banco e("ENG");
  e.avvia({}, Regional::inglese());
  QVERIFY(e.messaggi.empty());
}

void TestProgetto::modificheMostrateEChieste() {
  Banco b;
  const QString file = b.utente.filePath("ponte.vro");
  QVERIFY(QFile::copy(b.esempio("ponte-stradale.vro"), file));
  b.avvia({file});
  auto* f = b.finestra.get();
  f->formGeometria()->cbPltGeom->click();
  // Unmodified: the caption exactly as the program names it, and no question.
  QCOMPARE(f->Didascalia(), kCaption + "ponte");
  QVERIFY(!f->Modificato());
  // A load typed (even before the form is read) shows in the caption.
  f->MostraCarichi();
  Digita(f->formCarichi()->txtDati[0], "30");
  QCOMPARE(f->Didascalia(), kCaption + "ponte*");

  // Exit asks; Cancel keeps the program and the typing.
  b.dialoghi.risposteModifiche << Dialoghi::Modifiche::Annulla;
  QVERIFY(!f->close());
  QCOMPARE(b.dialoghi.domandeModifiche, QStringList{"Save changes to ponte?"});
  QCOMPARE(f->formCarichi()->txtDati[0]->text(), QString("30"));
  // New, Open and Example Files ask too; Cancel changes nothing.
  b.dialoghi.risposteModifiche << Dialoghi::Modifiche::Annulla << Dialoghi::Modifiche::Annulla
                               << Dialoghi::Modifiche::Annulla;
  f->FileNuovo();
  b.dialoghi.nomi << b.esempio("volta-semicircolare.vro");
  f->FileApri();
  b.dialoghi.nomi << b.esempio("volta-semicircolare.vro");
  f->azione("mnuAiutoItem1")->trigger();
  QCOMPARE(b.dialoghi.domandeModifiche.size(), 4);
  QCOMPARE(f->Didascalia(), kCaption + "ponte*");

  // Save writes what was typed into the project's own file, then exits.
  b.dialoghi.risposteModifiche << Dialoghi::Modifiche::Salva;
  QVERIFY(f->close());
  DatiProgetto letto;
  RecordingMessages m;
  LeggiFileProgetto(file.toStdString(), letto, m);
  QCOMPARE(letto.qCarico, Single(30));

  // Discard closes without writing.
  Banco c;
  c.avvia({file});
  c.finestra->formGeometria()->txtTitolo->setText("x");
  Digita(c.finestra->formGeometria()->txtTitolo, "altro titolo");
  QVERIFY(c.finestra->Modificato());
  c.dialoghi.risposteModifiche << Dialoghi::Modifiche::Scarta;
  QVERIFY(c.finestra->close());
  LeggiFileProgetto(file.toStdString(), letto, m);
  QVERIFY(letto.Titolo != "altro titolo");
  // A new project never saved is asked about by that name.
  Banco d;
  d.avvia({d.esempio("ponte-stradale.vro")});
  d.finestra->FileNuovo();
  Digita(d.finestra->formGeometria()->txtTitolo, "Nuovo");
  QCOMPARE(d.finestra->Didascalia(), kCaption + "*");
  QVERIFY(d.finestra->close());
  QCOMPARE(d.dialoghi.domandeModifiche, QStringList{"Save changes to the new project?"});
}

void TestProgetto::salvaEScorciatoie() {
  Banco b;
  const QString file = b.utente.filePath("arco.vro");
  QVERIFY(QFile::copy(b.esempio("ponte-stradale.vro"), file));
  b.avvia({file});
  auto* f = b.finestra.get();
  // Ctrl+S writes the project to its own file, with what the forms hold.
  Digita(f->formGeometria()->txtDati[1], "0,75");
  f->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(f));
  QTest::keyClick(f, Qt::Key_S, Qt::ControlModifier);
  QVERIFY(b.dialoghi.richieste.empty());
  QVERIFY(!f->Modificato());
  QCOMPARE(f->Didascalia(), kCaption + "arco");
  QVERIFY(Contenuto(file).contains("\r\n.75,18\r\n"));
  QVERIFY(!QFile::exists(file + ".part"));
  // A new project has no file of its own: Save asks for a name.
  f->FileNuovo();
  const char* anello[4] = {"10", "3", "0,5", "30"};
  for (int i = 0; i < 4; ++i) Digita(f->formGeometria()->txt1Voro[static_cast<std::size_t>(i)], anello[i]);
  const QString nuovo = b.utente.filePath("nuovo.vro");
  b.dialoghi.nomi << nuovo;
  QVERIFY(f->FileSalva());
  QCOMPARE(b.dialoghi.richieste.size(), std::size_t(1));
  QVERIFY(QFile::exists(nuovo));
  QCOMPARE(f->Didascalia(), kCaption + "nuovo");
  // A project the program could not open again is not written.
  Digita(f->formGeometria()->txt1Voro[2], "-1");
  b.messaggi.clear();
  QVERIFY(!f->FileSalva());
  QVERIFY(!b.messaggi.empty());
}

void TestProgetto::progettiRecenti() {
  Banco b;
  b.avvia();
  auto* f = b.finestra.get();
  auto visibili = [&] {
    QStringList t;
    for (int i = 0; i < Impostazioni::kRecenti; ++i)
      if (QAction* a = f->azione(QString("mnuFileItem%1").arg(6 + i)); a->isVisible()) t << a->data().toString();
    return t;
  };
  QVERIFY(visibili().isEmpty());
  for (const char* e : {"ponte-stradale.vro", "volta-semicircolare.vro"}) {
    b.dialoghi.nomi << b.esempio(e);
    f->FileApri();
  }
  QCOMPARE(visibili(), (QStringList{b.esempio("volta-semicircolare.vro"), b.esempio("ponte-stradale.vro")}));
  QVERIFY(f->azione("mnuFileItem6")->text().startsWith("&1 "));
  // Kept in the user's settings for the next run.
  QCOMPARE(Impostazioni(b.utente.path()).Recenti(), visibili());
  // Choosing one opens it.
  f->azione("mnuFileItem7")->trigger();
  QCOMPARE(f->Didascalia(), kCaption + "ponte-stradale");
  QCOMPARE(visibili().first(), b.esempio("ponte-stradale.vro"));
  // A file that has gone is dropped, with a message.
  QVERIFY(QFile::remove(b.esempio("volta-semicircolare.vro")));
  b.messaggi.clear();
  f->azione("mnuFileItem7")->trigger();
  QCOMPARE(b.messaggi.texts(),
           std::vector<std::string>{("File " + b.esempio("volta-semicircolare.vro") + " not found").toStdString()});
  QCOMPARE(visibili(), QStringList{b.esempio("ponte-stradale.vro")});
  QCOMPARE(f->Didascalia(), kCaption + "ponte-stradale");
}

void TestProgetto::finestreLeggibili() {
  // The plot is centred on its drawing, at any size.
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  QVERIFY(b.risolvi());
  for (const QSize dimensione : {QSize(1280, 900), QSize(900, 500), QSize(700, 760)}) {
    b.finestra->resize(dimensione);
    QCoreApplication::processEvents();
    AreaPlot* area = b.finestra->finestraPlot()->area();
    const QImage img = area->grab().toImage();
    const QRect r = Disegnato(img);
    const double dx = (r.left() + r.right()) / 2.0 - img.width() / 2.0;
    const double dy = (r.top() + r.bottom()) / 2.0 - img.height() / 2.0;
    QVERIFY2(std::fabs(dx) <= 0.06 * img.width() && std::fabs(dy) <= 0.06 * img.height(),
             qPrintable(QString("%1x%2: off by %3, %4").arg(img.width()).arg(img.height()).arg(dx).arg(dy)));
  }
  // The language dialog is wide enough for its title.
  FormLingua lingua;
  QVERIFY(lingua.minimumWidth() > lingua.fontMetrics().horizontalAdvance(lingua.windowTitle()) + 100);
  // A window larger than the screen is cut to it and kept wholly on it.
  QWidget finestra(nullptr, Qt::Window);
  const QRect schermo = finestra.screen()->availableGeometry();
  DimensionaSulloSchermo(finestra, schermo.size() * 2);
  QVERIFY(schermo.contains(finestra.geometry()));
  DimensionaSulloSchermo(finestra, QSize(300, 200));
  QCOMPARE(finestra.size(), QSize(300, 200));
  QVERIFY(schermo.contains(finestra.geometry()));
}

QTEST_MAIN(TestProgetto)
#include "test_progetto.moc"
