// The habits of a desktop program in the results windows: a table's
// selection copied as tab-separated text with its headers, drawings zoomed
// and panned with the mouse and exported as pictures, every data change
// undone and redone, the Window menu.
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRegularExpression>
#include <cmath>
#include <QSignalSpy>
#include <QTest>

#include "Banco.h"
#include "Sicurezza.h"
#include "data/Impronte.h"
#include "drawing/qt/FileGrafici.h"
#include "ui/EsportaImmagine.h"
#include "ui/FinestraPlot.h"
#include "ui/FinestraSicurezza.h"
#include "ui/FormCarichi.h"
#include "ui/FormOpzioni.h"
#include "ui/StoriaProgetto.h"
#include "ui/FormRisultati.h"

using namespace voro;
using namespace voro::ui;
using namespace voro::ui::test;

namespace {

// Select all, copy, and the clipboard's lines split at the tabs.
QList<QStringList> CopiaTutto(QTableWidget* t) {
  t->setFocus();
  QTest::keyClick(t, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(t, Qt::Key_C, Qt::ControlModifier);
  QList<QStringList> righe;
  for (const QString& r : QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts)) righe << r.split('\t');
  return righe;
}

}  // namespace

class TestVista : public QObject {
  Q_OBJECT

 private slots:
  void copiaLaTabellaDellaSicurezza();
  void numeriDelRapportoInUnFormatoECopiati();
  void zoomSulPuntatoreETrascinamento();
  void esportaPlotComeLaRigaDiComando();
  void annullaERipristinaOgniModifica();
  void menuFinestra();
};

void TestVista::copiaLaTabellaDellaSicurezza() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  FinestraSicurezza* f = Valuta(b);
  QVERIFY(f);
  const QList<QStringList> righe = CopiaTutto(f->tabella);
  QCOMPARE(righe.size(), f->tabella->rowCount() + 1);
  QCOMPARE(righe[0], (QStringList{"Figure", "Value", "What it means"}));
  for (int i = 1; i < righe.size(); ++i) {
    QCOMPARE(righe[i].size(), 3);
    QCOMPARE(righe[i][0], f->tabella->item(i - 1, 0)->text());
    QCOMPARE(righe[i][1], f->tabella->item(i - 1, 1)->text());
  }
}

void TestVista::numeriDelRapportoInUnFormatoECopiati() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  QVERIFY(b.risolvi());
  b.finestra->MostraRisultati();
  FormRisultati* f = b.finestra->formRisultati();
  QVERIFY(f);
  // Forces and moments with the two decimals of the sections' N and T,
  // stresses with three, eccentricities in mm with one, as in the grid;
  // never a digit group that reads as a decimal comma.
  auto decimali = [](int n) { return QRegularExpression(QString("^-?\\d+,\\d{%1}$").arg(n)); };
  for (QLineEdit* e : f->txtReazioni) QVERIFY2(decimali(2).match(e->text()).hasMatch(), qPrintable(e->text()));
  for (int i : {0, 2}) QVERIFY2(decimali(3).match(f->txtMax[i]->text()).hasMatch(), qPrintable(f->txtMax[i]->text()));
  QVERIFY2(decimali(1).match(f->txtMax[4]->text()).hasMatch(), qPrintable(f->txtMax[4]->text()));
  for (int i : {9, 10, 11}) QVERIFY2(decimali(1).match(f->txtDati[i]->text()).hasMatch(), qPrintable(f->txtDati[i]->text()));
  // The table copied: its selection as tab-separated text with its headers.
  const QList<QStringList> righe = CopiaTutto(f->Grid1);
  // The headers once, then one line per section, every column.
  QCOMPARE(righe.size(), f->Grid1->rowCount());
  QCOMPARE(righe[0], (QStringList{"Sect.", "sig_e [MPa]", "sig_i [MPa]", "%comp", "N [kN]", "T [kN]", "e [mm]"}));
  for (int i = 1; i < righe.size(); ++i) {
    QCOMPARE(righe[i].size(), 7);
    for (int c = 0; c < 7; ++c) QCOMPARE(righe[i][c], f->Grid1->item(i, c)->text());
  }
  // A block of two columns of a few sections: the headers of those columns.
  f->Grid1->clearSelection();
  f->Grid1->setRangeSelected(QTableWidgetSelectionRange(3, 1, 5, 2), true);
  QTest::keyClick(f->Grid1, Qt::Key_C, Qt::ControlModifier);
  const QStringList blocco = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  QCOMPARE(blocco.size(), 4);
  QCOMPARE(blocco[0], QString("sig_e [MPa]\tsig_i [MPa]"));
  QCOMPARE(blocco[1], f->Grid1->item(3, 1)->text() + '\t' + f->Grid1->item(3, 2)->text());
}

void TestVista::zoomSulPuntatoreETrascinamento() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  QVERIFY(b.risolvi());
  FinestraPlot* plot = b.finestra->finestraPlot();
  QVERIFY(plot);
  AreaPlot* a = plot->area();
  QVERIFY(a->Adattata());
  const QImage intera = a->grab().toImage();
  // Three notches of the wheel forward at a point: the drawing grows about it.
  const QPointF punto(a->width() * 0.3, a->height() * 0.4);
  const QPointF frazione = (punto - a->Riquadro().topLeft()) / a->Zoom();
  QWheelEvent rotella(punto, a->mapToGlobal(punto), QPoint(), QPoint(0, 360), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
  QApplication::sendEvent(a, &rotella);
  QVERIFY(std::fabs(a->Zoom() - 1.2 * 1.2 * 1.2) < 1e-9);
  const QPointF dopo = (punto - a->Riquadro().topLeft()) / a->Zoom();
  QVERIFY(std::fabs(dopo.x() - frazione.x()) < 1e-6 && std::fabs(dopo.y() - frazione.y()) < 1e-6);
  QVERIFY(a->grab().toImage() != intera);
  // A drag moves the drawing with the mouse.
  const QPointF prima = a->Riquadro().topLeft();
  QTest::mousePress(a, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
  QTest::mouseMove(a, QPoint(130, 90));
  QTest::mouseRelease(a, Qt::LeftButton, Qt::NoModifier, QPoint(130, 90));
  QCOMPARE(a->Riquadro().topLeft(), prima + QPointF(30, -10));
  // The zoom keeps to its limits.
  for (int i = 0; i < 40; ++i) a->Ingrandisci(2, punto);
  QCOMPARE(a->Zoom(), VistaZoom::kZoomMassimo);
  // Fit to Window, from the Plot menu: the whole drawing as before.
  b.finestra->azione("mnuPlotAdatta")->trigger();
  QVERIFY(a->Adattata());
  QCOMPARE(a->grab().toImage(), intera);
  a->Ingrandisci(0.5, punto);
  QTest::mouseDClick(a, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  QVERIFY(a->Adattata());
}

void TestVista::esportaPlotComeLaRigaDiComando() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  QVERIFY(b.risolvi());
  FinestraPlot* plot = b.finestra->finestraPlot();
  QVERIFY(plot);
  const QString cartella = b.utente.path();
  for (const QString f : {"arco.png", "arco.svg", "arco.pdf", "arco-bis"}) b.dialoghi.nomi << cartella + "/" + f;
  for (int i = 0; i < 4; ++i) b.finestra->azione("mnuPlotEsporta")->trigger();
  QCOMPARE(b.dialoghi.richieste.front().proposto, QString("ponte-stradale.png"));
  QVERIFY(b.dialoghi.richieste.front().filtri.contains("*.svg"));
  QVERIFY(b.messaggi.empty());
  // The bytes the command line's drawing code gives for the same plot.
  plot->plot().Visualizza = b.s().stato.Visualizza;
  QByteArray png, svg;
  QVERIFY(PlottaPng(plot->plot(), png, 1600, 1000, false));
  QVERIFY(PlottaSvg(plot->plot(), svg, 1600, 1000, false));
  QCOMPARE(Contenuto(cartella + "/arco.png"), png);
  QCOMPARE(Contenuto(cartella + "/arco.svg"), svg);
  QVERIFY(Contenuto(cartella + "/arco.pdf").startsWith("%PDF"));
  // A name without a picture's extension is a PNG picture.
  QCOMPARE(Contenuto(cartella + "/arco-bis.png"), png);
  QVERIFY(!QFileInfo::exists(cartella + "/arco-bis"));

  // A folder that does not exist: the reason, no file.
  b.dialoghi.nomi << cartella + "/manca/arco.png";
  b.finestra->azione("mnuPlotEsporta")->trigger();
  QCOMPARE(b.messaggi.entries().size(), std::size_t(1));
  QCOMPARE(b.messaggi.entries().back().kind, MessageKind::Critical);
  QVERIFY(b.messaggi.entries().back().text.rfind("Cannot write the file " + cartella.toStdString() + "/manca/arco.png", 0) == 0);
  b.messaggi.clear();
  // The Safety window's sweep chart, from its own File menu.
  FinestraSicurezza* f = Valuta(b);
  QVERIFY(f);
  b.dialoghi.nomi << cartella + "/sweep.svg";
  f->mnuEsportaImmagine(1);
  QCOMPARE(b.dialoghi.richieste.back().proposto, QString("ponte-stradale-sweep.png"));
  QVERIFY(Contenuto(cartella + "/sweep.svg").contains("<svg"));
  // Cancelled: no file, no message.
  f->mnuEsportaImmagine(0);
  QVERIFY(b.messaggi.empty());
}

void TestVista::annullaERipristinaOgniModifica() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  FinestraPrincipale& w = *b.finestra;
  const std::string originale = TestoProgetto(b.s().dati);
  QAction* annulla = w.azione("mnuModificaAnnulla");
  QAction* ripeti = w.azione("mnuModificaRipeti");
  QVERIFY(annulla && ripeti);
  QVERIFY(!annulla->isEnabled());
  // The loads form read: one step.
  w.MostraCarichi();
  FormCarichi* c = w.formCarichi();
  c->txtDati[0]->selectAll();
  QTest::keyClicks(c->txtDati[0], "12");
  QVERIFY(c->LeggeCarichi());
  QCOMPARE(b.s().dati.qCarico, 12.0f);
  QVERIFY(annulla->isEnabled());
  QCOMPARE(annulla->text(), QString("&Undo Loads"));
  QCOMPARE(w.Didascalia(), kCaption + "ponte-stradale*");
  const std::string dodici = TestoProgetto(b.s().dati);
  // Inside a box Ctrl+Z takes back the typing of that box, not a step.
  c->txtDati[2]->setFocus();
  c->txtDati[2]->selectAll();
  const QString xq2 = c->txtDati[2]->text();
  QTest::keyClicks(c->txtDati[2], "9");
  QTest::keyClick(c->txtDati[2], Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(c->txtDati[2]->text(), xq2);
  QCOMPARE(w.storia().pila().count(), 1);
  QCOMPARE(b.s().dati.qCarico, 12.0f);
  // Typed but not yet read: Undo reads it as a step of its own first.
  c->txtDati[1]->selectAll();
  QTest::keyClicks(c->txtDati[1], "1");
  annulla->trigger();
  QCOMPARE(TestoProgetto(b.s().dati), dodici);
  QCOMPARE(w.storia().pila().count(), 2);
  // Back to the project as opened: every value, the form's boxes, no mark.
  annulla->trigger();
  QCOMPARE(TestoProgetto(b.s().dati), originale);
  QCOMPARE(b.s().regional.ValInternazionale(c->txtDati[0]->text().toStdString()), double(b.s().dati.qCarico));
  QVERIFY(!c->toccato());
  QCOMPARE(w.Didascalia(), kCaption + "ponte-stradale");
  QVERIFY(!annulla->isEnabled());
  ripeti->trigger();
  QCOMPARE(TestoProgetto(b.s().dati), dodici);
  QCOMPARE(c->txtDati[0]->text(), QString("12"));
  QCOMPARE(w.Didascalia(), kCaption + "ponte-stradale*");

  // A geometry change undone: the voussoirs built again from the old geometry.
  w.MostraGeometria();
  FormGeometria* g = w.formGeometria();
  // Read unchanged, the geometry is no step.
  const int passi = w.storia().pila().count();
  QVERIFY(g->LeggeDatiGeom());
  QCOMPARE(w.storia().pila().count(), passi);
  const int conci = b.s().modello.nConciTot;
  g->txtNvori->setFocus();
  const QString prima = g->txt1Voro[3]->text();
  g->txt1Voro[3]->selectAll();
  QTest::keyClicks(g->txt1Voro[3], QString::number(prima.toInt() + 4));
  QVERIFY(g->LeggeDatiGeom());
  QCOMPARE(b.s().modello.nConciTot, conci + 4);
  QCOMPARE(annulla->text(), QString("&Undo Geometry"));
  annulla->trigger();
  QCOMPARE(b.s().modello.nConciTot, conci);
  QCOMPARE(w.formGeometria()->txt1Voro[3]->text(), prima);
  QVERIFY(w.ModelloValido());

  // A geometry that cannot be built is a step too; undone, the voussoirs
  // of the good one are built again at once.
  g = w.formGeometria();
  g->txt1Voro[1]->selectAll();
  QTest::keyClicks(g->txt1Voro[1], "70");
  QVERIFY(!g->LeggeDatiGeom());
  QVERIFY(!w.ModelloValido());
  QVERIFY(b.messaggi.entries().back().text.rfind("Error: Check Geometry", 0) == 0);
  annulla->trigger();
  QVERIFY(w.ModelloValido());
  QCOMPARE(b.s().modello.nConciTot, conci);
  QVERIFY(w.azione("mnuSolve")->isEnabled());
  b.messaggi.clear();
  // Saved: the clean state; an undo after it marks the project modified.
  b.dialoghi.nomi << b.utente.path() + "/salvato.vro";
  QVERIFY(w.FileSalvaConNome());
  QVERIFY(w.storia().pila().isClean());
  QCOMPARE(w.Didascalia(), kCaption + "salvato");
  annulla->trigger();
  QCOMPARE(TestoProgetto(b.s().dati), originale);
  QCOMPARE(w.Didascalia(), kCaption + "salvato*");
  ripeti->trigger();
  QCOMPARE(w.Didascalia(), kCaption + "salvato");
  // Another project: no history.
  w.FileNuovo();
  QVERIFY(!annulla->isEnabled() && !ripeti->isEnabled());
}

void TestVista::menuFinestra() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  FinestraPrincipale& w = *b.finestra;
  w.formGeometria()->cbPltGeom->click();
  w.MostraGeometria();
  w.MostraCarichi();
  w.MostraOpzioni();
  QMenu* m = w.menuBar()->findChild<QMenu*>("mnuFinestra");
  QVERIFY(m);
  // Between View and the help menu, after Edit after File.
  const QList<QAction*> menu = w.menuBar()->actions();
  QCOMPARE(menu.indexOf(w.menuBar()->findChild<QMenu*>("mnuModifica")->menuAction()), 1);
  QCOMPARE(menu.indexOf(m->menuAction()) + 1, menu.indexOf(w.menuBar()->findChild<QMenu*>("mnuAiuto")->menuAction()));
  // Tile works before the menu was ever opened.
  w.azione("mnuFinestraAffianca")->trigger();
  QCOMPARE(w.formOpzioni()->parentWidget()->geometry().topLeft(), QPoint(0, 0));
  QVERIFY(w.finestraPlot()->parentWidget()->geometry().topLeft() != QPoint(0, 0));
  emit m->aboutToShow();
  QStringList titoli;
  for (QAction* a : m->actions())
    if (a->objectName().startsWith("mnuFinestra") && a->isCheckable()) titoli << a->text();
  QCOMPARE(titoli.size(), w.area()->subWindowList().size());
  QVERIFY(titoli.join(' ').contains("Geometry") && titoli.join(' ').contains("Load"));
  // Choosing one brings it in front.
  for (QAction* a : m->actions())
    if (a->text().contains("Geometry")) a->trigger();
  QCOMPARE(w.area()->activeSubWindow()->widget(), static_cast<QWidget*>(w.formGeometria()));
  // Tile: side by side, no window over another.
  w.azione("mnuFinestraAffianca")->trigger();
  const QList<QMdiSubWindow*> finestre = w.area()->subWindowList();
  for (int i = 0; i < finestre.size(); ++i)
    for (int k = i + 1; k < finestre.size(); ++k)
      QVERIFY(!finestre[i]->geometry().intersects(finestre[k]->geometry()));
  w.azione("mnuFinestraCascata")->trigger();
  QVERIFY(finestre[0]->geometry().topLeft() != finestre[1]->geometry().topLeft());
}

QTEST_MAIN(TestVista)
#include "test_vista.moc"
