// The data forms: the model into the boxes and back, the keyboard rules, the
// segment grid's cell editor, the loads form's scale and the options form.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QKeyEvent>
#include <QToolTip>
#include <cmath>

#include "Banco.h"
#include "data/Impronte.h"
#include "data/ProjectFile.h"
#include "ui/FormCarichi.h"
#include "ui/FormGeometria.h"
#include "ui/FormOpzioni.h"
#include "ui/GrigliaSegmenti.h"
#include "ui/Schemi.h"

using namespace voro;
using namespace voro::ui;
using namespace voro::ui::test;

Q_DECLARE_METATYPE(voro::Regional)

namespace {

void Attiva(QWidget* w) {
  w->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(w));
}

}  // namespace

class TestForms : public QObject {
  Q_OBJECT

 private slots:
  void geometriaAndataERitorno_data();
  void geometriaAndataERitorno();
  void caratteriFuoriDalCodiceDelFile();
  void invioPassaAllaCasellaSeguente();
  void segmentiAprono_laGriglia();
  void editorDellaGriglia();
  void tastierinoScriveIlSeparatore();
  void zoomDelloSchema();
  void carichiScalaAutomatica();
  void carichiFuoriScala();
  void opzioniLetturaEAnnulla();
  void opzioniTestoNonNumerico();
};

void TestForms::geometriaAndataERitorno_data() {
  QTest::addColumn<QString>("esempio");
  QTest::addColumn<Regional>("regional");
  for (const char* e : kEsempi) {
    QTest::addRow("%s italiano", e) << QString(e) << Regional::italiano();
    QTest::addRow("%s english", e) << QString(e) << Regional::inglese();
  }
}

void TestForms::geometriaAndataERitorno() {
  QFETCH(QString, esempio);
  QFETCH(Regional, regional);
  Banco b;
  b.avvia({b.esempio(esempio)}, regional);
  FormGeometria* g = b.finestra->formGeometria();
  QVERIFY(g);
  // The English program gives no advice on the Italian decimal comma.
  QVERIFY(b.messaggi.empty());
  // The form shows the numbers with the regional separator.
  const QString altro = regional.decimale() == "," ? "." : ",";
  for (QLineEdit* e : g->findChildren<QLineEdit*>()) QVERIFY2(!e->text().contains(altro), qPrintable(e->text()));
  QCOMPARE(g->txtNvori->text().toInt(), int(b.s().dati.nVori));
  QCOMPARE(g->Frame1Voro->isVisibleTo(g), b.s().dati.nVori == 1);
  QCOMPARE(g->FlexGrid->isVisibleTo(g), b.s().dati.nVori > 1);

  // Reading the boxes gives the model they were written from.
  DatiProgetto prima = b.s().dati;
  if (prima.nVori > 1) prima.LuceAnello = Single(prima.Vori(prima.nVori).X3 - prima.Vori(1).X1);
  b.s().dati = DatiProgetto{};
  QVERIFY(g->LeggeDatiGeom());
  DatiProgetto dopo = b.s().dati;
  // The loads and options are not in this form.
  dopo.qCarico = prima.qCarico, dopo.xq1 = prima.xq1, dopo.xq2 = prima.xq2, dopo.ScalaPlot = prima.ScalaPlot;
  dopo.ScalaManuale = prima.ScalaManuale, dopo.SpintaPassiva = prima.SpintaPassiva, dopo.Kp = prima.Kp;
  dopo.nConciSpinta = prima.nConciSpinta, dopo.OttimizzaCerniere = prima.OttimizzaCerniere;
  dopo.nDivisioni = prima.nDivisioni, dopo.OttimizzaEccentricita = prima.OttimizzaEccentricita;
  dopo.Riservato = prima.Riservato;
  QCOMPARE(QByteArray(TestoProgetto(dopo).c_str()), QByteArray(TestoProgetto(prima).c_str()));
  QVERIFY(b.finestra->azione("mnuSolve")->isEnabled());
}

// "Łódź" in the title: the file's code page lacks Ł and ź, so they are
// refused where they are typed and named; what the box keeps comes back
// from the saved file as it was.
void TestForms::caratteriFuoriDalCodiceDelFile() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  FormGeometria* g = b.finestra->formGeometria();
  g->txtTitolo->clear();
  for (const QChar c : QString::fromUtf8("Łódź")) {
    QKeyEvent tasto(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(g->txtTitolo, &tasto);
  }
  QCOMPARE(g->txtTitolo->text(), QString::fromUtf8("ód"));
  QVERIFY2(QToolTip::text().contains(QString::fromUtf8("\"ź\" (U+017A)")), qPrintable(QToolTip::text()));
  g->txtTitolo->setText(QString::fromUtf8("Niš"));
  QVERIFY(g->LeggeDatiGeom());
  const QString file = b.utente.filePath("titolo.vro");
  b.dialoghi.nomi.push_back(file);
  QVERIFY(b.finestra->FileSalvaConNome());
  DatiProgetto letto;
  RecordingMessages msg;
  LeggiFileProgetto(file.toStdString(), letto, msg);
  QCOMPARE(QString::fromStdString(letto.Titolo), QString::fromUtf8("Niš"));
  // A name that came in by another road (a vehicle of the user's UTF-8
  // library): Save refuses, naming it, and writes nothing.
  b.s().dati.VeicoloCarico = Veicolo{"Łoś", {{100, 0, 0.3f}}, 2, 0.4f};
  b.messaggi.clear();
  const QString altro = b.utente.filePath("altro.vro");
  b.dialoghi.nomi.push_back(altro);
  QVERIFY(!b.finestra->FileSalvaConNome());
  QVERIFY(!QFile::exists(altro));
  QVERIFY(QString::fromStdString(b.messaggi.entries().back().text).startsWith(QString::fromUtf8("The project is not saved: \"Ł\" in \"Łoś\"")));
}

void TestForms::invioPassaAllaCasellaSeguente() {
  Banco b;
  b.avvia();
  FormGeometria* g = b.finestra->formGeometria();
  Attiva(b.finestra.get());
  for (int i = 0; i < 3; ++i) {
    g->txt1Voro[static_cast<std::size_t>(i)]->setFocus();
    QTest::keyClick(g->txt1Voro[static_cast<std::size_t>(i)], Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), g->txt1Voro[static_cast<std::size_t>(i + 1)]);
  }
  QTest::keyClick(g->txt1Voro[3], Qt::Key_Return);
  QCOMPARE(QApplication::focusWidget(), g->txtDati[1]);
  // Getting the focus selects the whole text.
  g->txtDati[2]->setText("0,25");
  g->txtDati[1]->setFocus();
  QTest::keyClick(g->txtDati[1], Qt::Key_Enter);
  QCoreApplication::processEvents();
  QCOMPARE(QApplication::focusWidget(), g->txtDati[2]);
  QCOMPARE(g->txtDati[2]->selectedText(), QString("0,25"));

  // One segment: Enter in the segment box goes to the span.
  g->txtNvori->setFocus();
  g->txtNvori->setText("1");
  QTest::keyClick(g->txtNvori, Qt::Key_Return);
  QCOMPARE(QApplication::focusWidget(), g->txt1Voro[0]);
  QVERIFY(g->Frame1Voro->isVisible());
  // No segments: the message, focus back on the box.
  g->txtNvori->setFocus();
  g->txtNvori->setText("0");
  QTest::keyClick(g->txtNvori, Qt::Key_Return);
  QVERIFY(!b.messaggi.empty());
  QCOMPARE(b.messaggi.entries().back().text, std::string("The number of segments must be > 0"));
  QCOMPARE(b.messaggi.entries().back().kind, MessageKind::Critical);
  QTRY_COMPARE(QApplication::focusWidget(), g->txtNvori);
}

void TestForms::segmentiAprono_laGriglia() {
  Banco b;
  b.avvia();
  FormGeometria* g = b.finestra->formGeometria();
  Attiva(b.finestra.get());
  g->txtNvori->setFocus();
  g->txtNvori->setText("3");
  QTest::keyClick(g->txtNvori, Qt::Key_Return);
  GrigliaSegmenti* grid = g->FlexGrid;
  QVERIFY(grid->isVisible());
  QVERIFY(!g->Frame1Voro->isVisible());
  QCOMPARE(grid->rowCount(), 4);
  QCOMPARE(grid->columnCount(), 7);
  for (int r = 1; r <= 3; ++r) QCOMPARE(grid->Cella(r, 0), QString(" Segm. %1").arg(r));
  const QStringList testate{"x2", "y2", "x3", "y3", "t", "vouss. n°"};
  for (int c = 1; c <= 6; ++c) QCOMPARE(grid->Cella(0, c), testate[c - 1]);
  // The layout's sizes, widened where the screen's font needs it.
  QVERIFY(grid->width() >= Twips(6795, grid));
  QVERIFY(grid->columnWidth(0) >= Twips(1050, grid));
  for (int c = 1; c <= 6; ++c) {
    QVERIFY(grid->columnWidth(c) >= Twips(900, grid));
    QVERIFY(grid->columnWidth(c) > grid->fontMetrics().horizontalAdvance(grid->Cella(0, c)));
  }
  // The editor is open on row 1, column 1.
  QVERIFY(grid->editor()->isVisible());
  QCOMPARE(grid->currentRow(), 1);
  QCOMPARE(grid->currentColumn(), 1);
  QCOMPARE(QApplication::focusWidget(), grid->editor());
}

void TestForms::editorDellaGriglia() {
  Banco b;
  b.avvia({b.esempio("arco-policentrico.vro")});
  FormGeometria* g = b.finestra->formGeometria();
  GrigliaSegmenti* grid = g->FlexGrid;
  const int n = b.s().dati.nVori;
  QVERIFY(n > 1);
  Attiva(b.finestra.get());
  grid->setFocus();
  grid->setCurrentCell(1, 1);
  const QString x2 = grid->Cella(1, 1);

  // A typed digit replaces the text; Escape leaves the cell unchanged.
  QTest::keyClick(grid, Qt::Key_7);
  QVERIFY(grid->editor()->isVisible());
  QCOMPARE(grid->editor()->text(), QString("7"));
  QTest::keyClick(grid->editor(), Qt::Key_Escape);
  QVERIFY(!grid->editor()->isVisible());
  QCOMPARE(grid->Cella(1, 1), x2);
  QCOMPARE(QApplication::focusWidget(), grid);

  // Enter stores and moves down the column with the editor open again.
  grid->setCurrentCell(1, 6);
  QTest::keyClick(grid, Qt::Key_4);
  QTest::keyClick(grid->editor(), Qt::Key_2);
  QTest::keyClick(grid->editor(), Qt::Key_Return);
  QCOMPARE(grid->Cella(1, 6), QString("42"));
  QCOMPARE(grid->currentRow(), 2);
  QCOMPARE(grid->currentColumn(), 6);
  QVERIFY(grid->editor()->isVisible());
  QCOMPARE(grid->editor()->text(), grid->Cella(2, 6));
  QTest::keyClick(grid->editor(), Qt::Key_Escape);

  // At the bottom of a column Enter goes to the top of the next one.
  grid->setCurrentCell(n, 1);
  grid->ApriEditor(13);
  QTest::keyClick(grid->editor(), Qt::Key_Return);
  QCOMPARE(grid->currentRow(), 1);
  QCOMPARE(grid->currentColumn(), 2);

  // The down arrow moves one row without storing; the up arrow does nothing.
  grid->ApriEditor(0);
  const QString y2 = grid->Cella(1, 2);
  QCOMPARE(grid->editor()->selectedText(), y2);
  QTest::keyClick(grid->editor(), Qt::Key_9);
  QTest::keyClick(grid->editor(), Qt::Key_Up);
  QVERIFY(grid->editor()->isVisible());
  QTest::keyClick(grid->editor(), Qt::Key_Down);
  QVERIFY(!grid->editor()->isVisible());
  QCOMPARE(grid->Cella(1, 2), y2);
  QCOMPARE(grid->currentRow(), 2);

  // After the last cell Enter leaves the grid for the fill thickness.
  grid->setCurrentCell(n, 6);
  grid->ApriEditor(13);
  QTest::keyClick(grid->editor(), Qt::Key_Return);
  QCOMPARE(QApplication::focusWidget(), g->txtDati[1]);

  // The edited cells are what the model reads.
  QVERIFY(g->LeggeDatiGeom());
  QCOMPARE(b.s().dati.Vori(1).nConciInput, Integer(42));

  // An editor that loses the focus stores its text, to another box or to a
  // click on another cell.
  grid->setFocus();
  grid->setCurrentCell(1, 3);
  QTest::keyClick(grid, Qt::Key_5);
  g->txtTitolo->setFocus();
  QCoreApplication::processEvents();
  QVERIFY(!grid->editor()->isVisible());
  QCOMPARE(grid->Cella(1, 3), QString("5"));
  grid->setFocus();
  grid->setCurrentCell(1, 4);
  QTest::keyClick(grid, Qt::Key_8);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(2, 2)).center());
  QVERIFY(!grid->editor()->isVisible());
  QCOMPARE(grid->Cella(1, 4), QString("8"));
}

void TestForms::tastierinoScriveIlSeparatore() {
  for (const Regional& r : {Regional::italiano(), Regional::inglese()}) {
    Banco b;
    b.avvia({}, r);
    FormGeometria* g = b.finestra->formGeometria();
    Attiva(b.finestra.get());
    QLineEdit* e = g->txtDati[2];
    e->setFocus();
    e->clear();
    QTest::keyClick(e, Qt::Key_0);
    QTest::keyClick(e, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(e, Qt::Key_3);
    QCOMPARE(e->text(), QString::fromStdString("0" + r.decimale() + "3"));
    // The main keyboard's point stays a point.
    QTest::keyClick(e, Qt::Key_Period);
    QVERIFY(e->text().endsWith('.'));
  }
}

void TestForms::zoomDelloSchema() {
  Banco b;
  b.avvia();
  FormGeometria* g = b.finestra->formGeometria();
  const QSize base = g->pctSchema->size();
  g->cmdSchema->click();
  QCOMPARE(g->pctSchema->size(), base * 3);
  g->cmdSchema->click();
  QCOMPARE(g->pctSchema->size(), base);
}

void TestForms::carichiScalaAutomatica() {
  Banco b;
  b.avvia();
  b.s().dati.LuceAnello = 10;
  b.finestra->MostraCarichi();
  FormCarichi* c = b.finestra->formCarichi();
  QVERIFY(c);
  // A new project opens with the automatic scale.
  QVERIFY(c->Check1->isChecked());
  QVERIFY(c->txtDati[3]->isReadOnly());
  c->txtDati[0]->clear();
  QTest::keyClicks(c->txtDati[0], "10");
  QCOMPARE(c->txtDati[3]->text(), QString("5"));
  // What is typed reaches the model when the form is read, not before.
  QCOMPARE(b.s().dati.qCarico, Single(0));
  // Unticking keeps the scale and lets it be typed.
  c->Check1->click();
  QVERIFY(!c->txtDati[3]->isReadOnly());
  QCOMPARE(c->txtDati[3]->text(), QString("5"));
  c->txtDati[3]->setText("2,5");
  c->txtDati[1]->setText("1.500,5");  // grouped thousands are read too
  c->txtDati[2]->setText("6");
  QVERIFY(c->LeggeCarichi());
  QVERIFY(b.s().dati.ScalaManuale);
  QCOMPARE(b.s().dati.qCarico, Single(10));
  QCOMPARE(b.s().dati.xq1, Single(1500.5));
  QCOMPARE(b.s().dati.xq2, Single(6));
  QCOMPARE(b.s().dati.ScalaPlot, Single(2.5));
  // Automatic again: the model keeps 5 q / L whole, not its three digits.
  b.s().dati.LuceAnello = 3;
  c->txtDati[0]->setText("10");
  c->Check1->click();
  QCOMPARE(c->txtDati[3]->text(), QString("16,7"));
  QVERIFY(c->LeggeCarichi());
  QVERIFY(!b.s().dati.ScalaManuale);
  QCOMPARE(b.s().dati.ScalaPlot, Single(50) / Single(3));
  // With no span the automatic scale keeps the previous value.
  b.s().dati.LuceAnello = 0;
  QVERIFY(c->LeggeCarichi());
  QCOMPARE(b.s().dati.ScalaPlot, Single(50) / Single(3));
}

void TestForms::carichiFuoriScala() {
  // A load beyond a Single, typed or produced by the scale rule, keeps the
  // previous scale and is reported when the form is read.
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  b.finestra->MostraCarichi();
  FormCarichi* c = b.finestra->formCarichi();
  QVERIFY(c->Check1->isChecked());
  for (const char* t : {"-1e3", "3e3", "1e3"}) {
    c->txtDati[0]->clear();
    QTest::keyClicks(c->txtDati[0], t);
    const Single scala = b.s().dati.ScalaPlot;
    const QString testo = c->txtDati[3]->text();
    QTest::keyClick(c->txtDati[0], Qt::Key_9);  // -1e39, 3e39, 1e39
    QCOMPARE(b.s().dati.ScalaPlot, scala);
    QCOMPARE(c->txtDati[3]->text(), testo);
  }
  b.messaggi.clear();
  c->txtDati[0]->setText("1e39");
  c->LeggeCarichi();
  QCOMPARE(b.messaggi.entries().size(), std::size_t(1));
  QCOMPARE(b.messaggi.entries()[0].kind, MessageKind::Critical);
  QVERIFY(std::isfinite(b.s().dati.qCarico));
}

void TestForms::opzioniLetturaEAnnulla() {
  Banco b;
  b.avvia({b.esempio("arco-ribassato-spinta.vro")});
  b.finestra->formGeometria()->cbPltGeom->click();
  b.finestra->MostraOpzioni();
  FormOpzioni* o = b.finestra->formOpzioni();
  QVERIFY(o);
  const DatiProgetto d = b.s().dati;
  QCOMPARE(o->CheckOttimizzaCerniere->isChecked(), d.OttimizzaCerniere);
  QCOMPARE(o->FrameOtt->isVisibleTo(o), d.OttimizzaCerniere);
  QCOMPARE(o->CheckSpinta->isChecked(), d.SpintaPassiva);
  QCOMPARE(o->txtDati[13]->text().toInt(), int(d.nConciSpinta[0]));
  QVERIFY(!o->cmdStop->isVisibleTo(o));
  QVERIFY(!o->lblStep->isVisibleTo(o));

  // The precision box follows the steps; 0 empties it.
  o->CheckOttimizzaCerniere->setChecked(true);
  o->txtOttimizz->setText("10");
  QVERIFY(!o->txtPrecisione->text().isEmpty());
  o->txtOttimizz->setText("0");
  QVERIFY(o->txtPrecisione->text().isEmpty());
  o->txtOttimizz->setText("12");

  // Cancel leaves the model as it was (the steps box stores its value as it
  // is typed, so 12 is in the model already).
  const QByteArray prima = QByteArray(TestoProgetto(b.s().dati).c_str());
  o->txtDati[12]->setText("9");
  o->CancelButton->click();
  QCoreApplication::processEvents();
  QVERIFY(!b.finestra->formOpzioni());
  QCOMPARE(QByteArray(TestoProgetto(b.s().dati).c_str()), prima);

  // Unticking the optimisation keeps its steps; OK stores the rest.
  b.finestra->MostraOpzioni();
  o = b.finestra->formOpzioni();
  const Integer passi = b.s().dati.nDivisioni;
  o->CheckOttimizzaCerniere->click();
  o->CheckSpinta->setChecked(true);
  o->txtDati[12]->setText("2,5");
  o->txtDati[13]->setText("3");
  o->txtDati[14]->setText("4");
  o->OKButton->click();
  QCoreApplication::processEvents();
  QVERIFY(!b.s().dati.OttimizzaCerniere);
  QCOMPARE(b.s().dati.nDivisioni, passi);
  QCOMPARE(b.s().dati.OttimizzaEccentricita, d.OttimizzaEccentricita);
  QVERIFY(b.s().dati.SpintaPassiva);
  QCOMPARE(b.s().dati.Kp, Single(2.5));
  QCOMPARE(b.s().dati.nConciSpinta[0], Integer(3));
  QCOMPARE(b.s().dati.nConciSpinta[1], Integer(4));
}

void TestForms::opzioniTestoNonNumerico() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  b.finestra->MostraOpzioni();
  FormOpzioni* o = b.finestra->formOpzioni();
  o->CheckSpinta->setChecked(true);
  const QByteArray prima = QByteArray(TestoProgetto(b.s().dati).c_str());
  for (const char* t : {"abc", "", "1e999", "99999999"}) {
    b.messaggi.clear();
    o->txtDati[14]->setText(t);
    o->OKButton->click();
    QCoreApplication::processEvents();
    QVERIFY2(!b.messaggi.empty(), t);
    QCOMPARE(b.messaggi.entries()[0].kind, MessageKind::Critical);
    QCOMPARE(QByteArray(TestoProgetto(b.s().dati).c_str()), prima);
    QVERIFY(b.finestra->formOpzioni());  // the form stays for a correction
  }
}

QTEST_MAIN(TestForms)
#include "test_forms.moc"
