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
#include "ui/FinestraSicurezza.h"
#include "ui/FormRisultati.h"

using namespace voro;
using namespace voro::ui;
using namespace voro::ui::test;

namespace {

// Geometry Next, then Assess; the window when it has finished.
FinestraSicurezza* Valuta(Banco& b) {
  b.finestra->MostraGeometria();
  b.finestra->formGeometria()->cbPltGeom->click();
  QCoreApplication::processEvents();
  b.finestra->azione("mnuAssess")->trigger();
  FinestraSicurezza* f = b.finestra->finestraSicurezza();
  if (!f) return nullptr;
  QSignalSpy fine(f, &FinestraSicurezza::concluso);
  if (!f->inCorso() && fine.isEmpty()) return f;
  return fine.wait(60000) ? f : nullptr;
}

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
  void copiaLaTabellaDelRapporto();
  void copiaLaTabellaDellaSicurezza();
  void numeriDelRapportoInUnFormato();
};

void TestVista::copiaLaTabellaDelRapporto() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  QVERIFY(b.risolvi());
  b.finestra->MostraRisultati();
  FormRisultati* f = b.finestra->formRisultati();
  QVERIFY(f);
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

void TestVista::numeriDelRapportoInUnFormato() {
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
  // The left reaction is the force across the first section.
  const Regional& reg = b.s().regional;
  auto valore = [&](const QString& t) { return reg.ValInternazionale(t.toStdString()); };
  const double N = valore(f->Grid1->item(1, 4)->text()), T = valore(f->Grid1->item(1, 5)->text());
  const double H = valore(f->txtReazioni[0]->text()), V = valore(f->txtReazioni[2]->text());
  QVERIFY(std::fabs(std::hypot(N, T) - std::hypot(H, V)) < 0.02);
}

QTEST_MAIN(TestVista)
#include "test_vista.moc"
