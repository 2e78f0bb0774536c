// The data forms and dialogs: the model into the boxes and back, the keys, the segment grid, a
// bridge's spans, the loads' scale, the options, boxes that cannot be read, masonry, code basis.
#include <QKeyEvent>
#include <QTimer>
#include <QToolTip>
#include <tuple>

#include "Banco.h"
#include "ui/DialogoAnello.h"
#include "ui/DialogoMuratura.h"
#include "ui/DialogoNormativa.h"
#include "ui/GrigliaSegmenti.h"
#include "ui/Schemi.h"

Q_DECLARE_METATYPE(voro::Regional)

namespace voro::ui::test {

// A box that cannot be read, in the Italian program with every form open: one
// error naming the quantity as an Italian engineer does (the whole message where
// it ends with a full stop), the focus on the box, the form open, the project
// kept, no calculation. Each way a text fails to be a number is the core reader's own test.
struct Illeggibile {
  const char* nome;
  bool italiano;
  int form;     // 0 geometry, 1 loads, 2 options
  int casella;  // geometry 0-3 the ring's, 10 + i the form's i; else the form's i, -1 the steps
  const char* testo;
  const char* comando;  // the open forms read, Solve, the options' OK, the loads' Solve
  const char* messaggio;
};
const Illeggibile kIlleggibili[] = {
    {"span abc", true, 0, 0, "abc", "leggi", "Luce dell'arco L [m]"},
    {"rise 2,5 english", false, 0, 1, "2,5", "leggi", "Freccia dell'arco h [m]"},
    {"fill 0.5 italian", true, 0, 11, "0.5", "leggi", "Spessore del riempimento in chiave h1 [m]"},
    {"thickness -0,6", true, 0, 2, "-0,6", "leggi",
     "Errore: controllare la geometria\rSpessore dell'anello t [m] = -0,6: deve essere maggiore di zero."},
    {"q -20", true, 1, 0, "-20", "leggi", "Carico variabile q [kN/m2] = -20: non può essere minore di zero."},
    {"xq1 empty", false, 1, 1, "", "leggi", "Inizio del carico variabile xq1 [m]"},
    {"q 1e40 solve", false, 1, 0, "1e40", "solve",
     "Carico variabile q [kN/m2]: 1e40 supera il campo dei numeri Single (3.402823E+38)."},
    {"q 1e40 form's solve", false, 1, 0, "1e40", "risolvi", "1e40"},
    {"Kp 1,5 english", false, 2, 12, "1,5", "leggi", "Coefficiente di spinta passiva Kp"},
    {"Kp -1", true, 2, 12, "-1", "leggi", "Coefficiente di spinta passiva Kp = -1: non può essere minore di zero."},
    {"left -2", true, 2, 13, "-2", "leggi",
     "Numero dei conci con spinta passiva dall'imposta sinistra = -2: non può essere minore di zero."},
    {"right abc ok", true, 2, 14, "abc", "ok", "Numero dei conci con spinta passiva dall'imposta destra"},
    {"steps empty", true, 2, -1, "", "leggi", "Numero di passi della ricerca"},
};

class TestForms : public QObject {
  Q_OBJECT

 private slots:
  // Each example once: the arches (the segment grid's among them) under Italian settings, the others English.
  void geometriaAndataERitorno_data() {
    QTest::addColumn<QString>("esempio");
    QTest::addColumn<Regional>("regional");
    for (const char* e : kEsempi)
      QTest::newRow(e) << QString(e) << (QString(e).startsWith("arco") ? Regional::italiano() : Regional::inglese());
  }
  void geometriaAndataERitorno() {
    QFETCH(QString, esempio);
    QFETCH(Regional, regional);
    Banco b("ENG", esempio, regional);
    FormGeometria* g = b.finestra->formGeometria();
    QVERIFY(g && b.messaggi.empty());  // the English program gives no advice on the decimal comma
    // The form shows the numbers with the regional separator.
    const QString altro = regional.decimale() == "," ? "." : ",";
    for (QLineEdit* e : g->findChildren<QLineEdit*>()) QVERIFY2(!e->text().contains(altro), qPrintable(e->text()));
    // The form says where the walls raise the springings.
    if (esempio == "volta-semicircolare.vro")
      QVERIFY2(g->lblImposte->text().contains("the wall takes 4 voussoirs"), qPrintable(g->lblImposte->text()));
    // Reading the boxes gives the model they were written from.
    DatiProgetto prima = b.s().dati;
    if (prima.nVori > 1) prima.LuceAnello = Single(prima.Vori(prima.nVori).X3 - prima.Vori(1).X1);
    b.s().dati = DatiProgetto{};
    QVERIFY(g->LeggeDatiGeom());
    DatiProgetto dopo = b.s().dati;
    // The loads and options are not in this form.
    auto altri = [](DatiProgetto& d) {
      return std::tie(d.qCarico, d.xq1, d.xq2, d.ScalaPlot, d.ScalaManuale, d.SpintaPassiva, d.Kp, d.nConciSpinta,
                      d.OttimizzaCerniere, d.nDivisioni, d.OttimizzaEccentricita, d.Riservato);
    };
    altri(dopo) = altri(prima);
    QCOMPARE(QByteArray(TestoProgetto(dopo).c_str()), QByteArray(TestoProgetto(prima).c_str()));
  }
  // "Łódź" in the title: Ł and ź, not in the file's code page, refused and named.
  void caratteriFuoriDalCodiceDelFile() {
    Banco b("ENG", "ponte-stradale.vro");
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
    b.dialoghi.nomi << file;
    QVERIFY(b.finestra->FileSalvaConNome());
    QCOMPARE(QString::fromStdString(Letto(file).Titolo), QString::fromUtf8("Niš"));
    // Such a name come by another road (a vehicle): Save refuses, names it, writes nothing.
    b.s().dati.VeicoloCarico = Veicolo{"Łoś", {{100, 0, 0.3f}}, 2, 0.4f};
    const QString altro = b.utente.filePath("altro.vro");
    b.dialoghi.nomi << altro;
    QVERIFY(!b.finestra->FileSalvaConNome() && !QFile::exists(altro));
    QVERIFY(b.ultimo().startsWith(QString::fromUtf8("The project is not saved: \"Ł\" in \"Łoś\"")));
  }
  // Enter moves on, selecting; the segments open the ring's boxes or the grid.
  void invioESegmenti() {
    Banco b;
    b.avvia();
    FormGeometria* g = b.finestra->formGeometria();
    b.attiva();
    for (std::size_t i = 0; i < 3; ++i) {
      g->txt1Voro[i]->setFocus();
      QTest::keyClick(g->txt1Voro[i], Qt::Key_Return);
      QCOMPARE(QApplication::focusWidget(), g->txt1Voro[i + 1]);
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
    // The keypad's point writes the regional separator; the main keyboard's stays a point.
    QLineEdit* e = g->txtDati[2];
    for (const Regional& regional : {Regional::inglese(), Regional::italiano()}) {
      b.s().regional = regional;
      e->clear();
      QTest::keyClick(e, Qt::Key_0);
      QTest::keyClick(e, Qt::Key_Period, Qt::KeypadModifier);
      QTest::keyClick(e, Qt::Key_3);
      QCOMPARE(e->text(), QString::fromStdString("0" + regional.decimale() + "3"));
    }
    QTest::keyClick(e, Qt::Key_Period);
    QVERIFY(e->text().endsWith('.'));
    // One segment: Enter in the segment box goes to the span.
    auto segmenti = [g](const char* n) {
      g->txtNvori->setFocus();
      g->txtNvori->setText(n);
      QTest::keyClick(g->txtNvori, Qt::Key_Return);
    };
    segmenti("1");
    QVERIFY(QApplication::focusWidget() == g->txt1Voro[0] && g->Frame1Voro->isVisible());
    // No segments: the message, focus back on the box.
    segmenti("0");
    QVERIFY(b.unErrore("The number of segments must be > 0"));
    QTRY_COMPARE(QApplication::focusWidget(), g->txtNvori);
    // Three: the grid, its headings, wide enough for the font, its editor open.
    segmenti("3");
    GrigliaSegmenti* grid = g->FlexGrid;
    QVERIFY(grid->isVisible() && !g->Frame1Voro->isVisible());
    QCOMPARE(QSize(grid->columnCount(), grid->rowCount()), QSize(7, 4));
    for (int r = 1; r <= 3; ++r) QCOMPARE(grid->Cella(r, 0), QString(" Segm. %1").arg(r));
    const QStringList testate{"x2", "y2", "x3", "y3", "t", "vouss. n°"};
    QVERIFY(grid->width() >= Twips(6795, grid));
    for (int c = 0; c <= 6; ++c) {
      if (c) QCOMPARE(grid->Cella(0, c), testate[c - 1]);
      QVERIFY(grid->columnWidth(c) > grid->fontMetrics().horizontalAdvance(grid->Cella(c ? 0 : 3, c)));
    }
    QVERIFY(grid->editor()->isVisible());
    QCOMPARE(QPoint(grid->currentRow(), grid->currentColumn()), QPoint(1, 1));
    QCOMPARE(QApplication::focusWidget(), grid->editor());
    const QSize base = g->pctSchema->size();
    g->cmdSchema->click();
    QCOMPARE(g->pctSchema->size(), base * 3);  // the scheme zoomed
    g->cmdSchema->click();
    QCOMPARE(g->pctSchema->size(), base);
  }
  void editorDellaGriglia() {
    Banco b("ENG", "arco-policentrico.vro", Regional::inglese());
    FormGeometria* g = b.finestra->formGeometria();
    GrigliaSegmenti* grid = g->FlexGrid;
    const int n = b.s().dati.nVori;
    QVERIFY(n > 1);
    b.attiva();
    auto cella = [grid] { return QPoint(grid->currentRow(), grid->currentColumn()); };
    // A typed digit replaces the text; Escape leaves the cell unchanged.
    grid->setFocus();
    grid->setCurrentCell(1, 1);
    const QString x2 = grid->Cella(1, 1);
    QTest::keyClick(grid, Qt::Key_7);
    QVERIFY(grid->editor()->isVisible() && grid->editor()->text() == "7");
    QTest::keyClick(grid->editor(), Qt::Key_Escape);
    QVERIFY(!grid->editor()->isVisible() && grid->Cella(1, 1) == x2 && QApplication::focusWidget() == grid);
    // Enter stores and moves down the column with the editor open again.
    grid->setCurrentCell(1, 6);
    QTest::keyClick(grid, Qt::Key_4);
    QTest::keyClick(grid->editor(), Qt::Key_2);
    QTest::keyClick(grid->editor(), Qt::Key_Return);
    QCOMPARE(grid->Cella(1, 6), QString("42"));
    QCOMPARE(cella(), QPoint(2, 6));
    QVERIFY(grid->editor()->isVisible() && grid->editor()->text() == grid->Cella(2, 6));
    QTest::keyClick(grid->editor(), Qt::Key_Escape);
    // At the bottom of a column Enter goes to the top of the next one.
    grid->setCurrentCell(n, 1);
    grid->ApriEditor(13);
    QTest::keyClick(grid->editor(), Qt::Key_Return);
    QCOMPARE(cella(), QPoint(1, 2));
    // The down arrow moves one row without storing; the up arrow does nothing.
    grid->ApriEditor(0);
    const QString y2 = grid->Cella(1, 2);
    QCOMPARE(grid->editor()->selectedText(), y2);
    QTest::keyClick(grid->editor(), Qt::Key_9);
    QTest::keyClick(grid->editor(), Qt::Key_Up);
    QVERIFY(grid->editor()->isVisible());
    QTest::keyClick(grid->editor(), Qt::Key_Down);
    QVERIFY(!grid->editor()->isVisible() && grid->Cella(1, 2) == y2);
    QCOMPARE(cella(), QPoint(2, 2));
    // After the last cell Enter leaves the grid for the fill thickness.
    grid->setCurrentCell(n, 6);
    grid->ApriEditor(13);
    QTest::keyClick(grid->editor(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), g->txtDati[1]);
    // The edited cells are what the model reads.
    QVERIFY(g->LeggeDatiGeom() && b.s().dati.Vori(1).nConciInput == 42);
    // An editor losing the focus, to a box or another cell, stores its text.
    grid->setFocus();
    grid->setCurrentCell(1, 3);
    QTest::keyClick(grid, Qt::Key_5);
    g->txtTitolo->setFocus();
    QCoreApplication::processEvents();
    QVERIFY(!grid->editor()->isVisible() && grid->Cella(1, 3) == "5");
    grid->setFocus();
    grid->setCurrentCell(1, 4);
    QTest::keyClick(grid, Qt::Key_8);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(2, 2)).center());
    QVERIFY(!grid->editor()->isVisible() && grid->Cella(1, 4) == "8");
    // Keys one by one with events between: the first, opening the editor, is kept.
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
    QVERIFY(grid->Cella(1, 4) == "-0.45" && g->toccato());
  }
  // A bridge's spans and piers: read, added, moved, removed, misread, their rings typed.
  void tabellaDelleCampate() {
    Banco b;
    b.finestra->resize(1366, 768);
    b.avvia({SorgenteVoro() + "/examples/ponti/ponte-tre-campate.vro"}, Regional::inglese());
    FormGeometria* g = b.geometria();
    QTableWidget* t = g->tabCampate->griglia;
    auto pila = [&](std::size_t i) { return b.s().dati.Campate[i].Pila.Altezza; };
    // The first span's ring is the form's own: its cells are not edited here.
    QVERIFY(t->rowCount() == 3 && !(t->item(0, 0)->flags() & Qt::ItemIsEditable));
    const int altezza = 7;
    t->item(1, altezza)->setText("7");
    QVERIFY(g->toccato() && g->Leggi() && pila(0) == 7.0f);
    const float ultima = pila(1);
    g->tabCampate->cmdAggiungi->click();
    QCOMPARE(t->rowCount(), 4);
    t->item(3, altezza)->setText("9");
    t->setCurrentCell(3, 0);
    g->tabCampate->cmdSinistra->click();
    QVERIFY(g->Leggi() && b.s().dati.Campate.size() == 3 && pila(0) == 7.0f && pila(1) == 9.0f && pila(2) == ultima);
    t->setCurrentCell(2, 0);
    g->tabCampate->cmdTogli->click();
    QVERIFY(g->Leggi() && b.s().dati.Campate.size() == 2 && pila(1) == ultima);
    const QByteArray prima = b.progetto();
    t->item(2, altezza)->setText("alto");
    b.messaggi.clear();
    QVERIFY(!g->Leggi());
    QVERIFY2(b.quanti() == 1 && b.ultimo().contains("Span 3") && b.progetto() == prima, qPrintable(b.ultimo()));
    t->item(2, altezza)->setText("6");
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
    QVERIFY(due.nVori == 2 && due.Vori(2).X3 == 12.0 && due.Vori(1).nConciInput == 18 && due.Pila.Altezza == 7.0f);
    QVERIFY(!(t->item(1, 0)->flags() & Qt::ItemIsEditable));
  }
  void carichiEScala() {
    Banco b;
    b.avvia();
    b.s().dati.LuceAnello = 10;
    FormCarichi* c = b.carichi();
    // A new project opens with the automatic scale.
    QVERIFY(c->Check1->isChecked() && c->txtDati[3]->isReadOnly());
    Digita(c->txtDati[0], "10");
    // The scale follows; the model takes what is typed when the form is read.
    QVERIFY(c->txtDati[3]->text() == "5" && b.s().dati.qCarico == 0);
    // A load beyond a Single, typed or from the scale rule, keeps the scale.
    for (const char* t : {"-1e3", "3e3", "1e3"}) {
      Digita(c->txtDati[0], t);
      const QString testo = c->txtDati[3]->text();
      const Single scala = b.s().dati.ScalaPlot;
      QTest::keyClick(c->txtDati[0], Qt::Key_9);  // -1e39, 3e39, 1e39
      QVERIFY(c->txtDati[3]->text() == testo && b.s().dati.ScalaPlot == scala);
    }
    Digita(c->txtDati[0], "10");
    // Unticking keeps the scale and lets it be typed.
    c->Check1->click();
    QVERIFY(!c->txtDati[3]->isReadOnly() && c->txtDati[3]->text() == "5");
    c->txtDati[3]->setText("2,5");
    c->txtDati[1]->setText("1.500,5");  // grouped thousands are read too
    c->txtDati[2]->setText("6");
    QVERIFY(c->LeggeCarichi());
    const DatiProgetto& d = b.s().dati;
    QVERIFY(d.ScalaManuale);
    QCOMPARE((std::vector<Single>{d.qCarico, d.xq1, d.xq2, d.ScalaPlot}), (std::vector<Single>{10, 1500.5, 6, 2.5}));
    // Automatic again: the model keeps 5 q / L whole, not its three digits.
    b.s().dati.LuceAnello = 3;
    c->txtDati[0]->setText("10");
    c->Check1->click();
    QCOMPARE(c->txtDati[3]->text(), QString("16,7"));
    QVERIFY(c->LeggeCarichi() && !d.ScalaManuale && d.ScalaPlot == Single(50) / Single(3));
    b.s().dati.LuceAnello = 0;  // with no span the automatic scale keeps the previous value
    QVERIFY(c->LeggeCarichi() && d.ScalaPlot == Single(50) / Single(3));
  }
  void opzioniLetturaEAnnulla() {
    Banco b("ENG", "arco-ribassato-spinta.vro");
    b.avanti();
    FormOpzioni* o = b.opzioni();
    const DatiProgetto d = b.s().dati;
    QVERIFY(o->CheckOttimizzaCerniere->isChecked() == d.OttimizzaCerniere &&
            o->FrameOtt->isVisibleTo(o) == d.OttimizzaCerniere);
    QVERIFY(o->CheckSpinta->isChecked() == d.SpintaPassiva && o->txtDati[13]->text().toInt() == d.nConciSpinta[0]);
    QVERIFY(!o->cmdStop->isVisibleTo(o) && !o->lblStep->isVisibleTo(o));
    // The precision box follows the steps; 0 empties it.
    o->CheckOttimizzaCerniere->setChecked(true);
    o->txtOttimizz->setText("10");
    const bool precisione = !o->txtPrecisione->text().isEmpty();
    o->txtOttimizz->setText("0");
    QVERIFY(precisione && o->txtPrecisione->text().isEmpty());
    o->txtOttimizz->setText("12");
    // Cancel leaves the model (the steps box stored its 12 as typed).
    const QByteArray prima = b.progetto();
    o->txtDati[12]->setText("9");
    o->CancelButton->click();
    QCoreApplication::processEvents();
    QVERIFY(!b.finestra->formOpzioni() && b.progetto() == prima);
    // Unticking the optimisation keeps its steps; OK stores the rest.
    o = b.opzioni();
    const Integer passi = b.s().dati.nDivisioni;
    o->CheckOttimizzaCerniere->click();
    o->CheckSpinta->setChecked(true);
    o->txtDati[12]->setText("2,5");
    o->txtDati[13]->setText("3");
    o->txtDati[14]->setText("4");
    o->OKButton->click();
    QCoreApplication::processEvents();
    const DatiProgetto& letto = b.s().dati;
    QVERIFY(!letto.OttimizzaCerniere && letto.SpintaPassiva && letto.nDivisioni == passi && letto.Kp == Single(2.5));
    QVERIFY(letto.OttimizzaEccentricita == d.OttimizzaEccentricita &&
            letto.nConciSpinta == (std::array<Integer, 2>{3, 4}));
  }
  void caselleCheNonSiLeggono_data() {
    QTest::addColumn<int>("caso");
    for (int i = 0; i < int(std::size(kIlleggibili)); ++i) QTest::newRow(kIlleggibili[i].nome) << i;
  }
  void caselleCheNonSiLeggono() {
    QFETCH(int, caso);
    const Illeggibile& c = kIlleggibili[caso];
    Banco b("ITA", "arco-ribassato-spinta.vro", c.italiano ? Regional::italiano() : Regional::inglese());
    auto* f = b.finestra.get();
    b.avanti();
    const QByteArray prima = b.progetto();
    FormGeometria* g = b.geometria();
    FormCarichi* l = b.carichi();
    FormOpzioni* o = b.opzioni();
    const auto i = static_cast<std::size_t>(c.casella);
    FormDiDati* moduli[3] = {g, l, o};
    QPointer<QLineEdit> box = c.form == 0 ? (c.casella < 10 ? g->txt1Voro[i] : g->txtDati[i - 10])
                              : c.form == 1 ? l->txtDati[i]
                              : c.casella < 0 ? o->txtOttimizz : o->txtDati[i];
    Digita(box, c.testo);
    b.messaggi.clear();
    const QString comando = c.comando, messaggio = c.messaggio;
    if (comando == "leggi") QVERIFY(!f->LeggiFormAperti());
    else if (comando == "solve") f->azione("mnuSolve")->trigger();
    else if (comando == "ok") o->OKButton->click();
    else l->SolveButton->click();
    QCoreApplication::processEvents();
    QVERIFY(!f->calcoloInCorso() && b.unErrore(""));
    if (messaggio.endsWith('.')) QCOMPARE(b.ultimo(), messaggio);
    else QVERIFY2(b.ultimo().contains(messaggio), qPrintable(b.ultimo()));
    QVERIFY(b.progetto() == prima && box && moduli[c.form]->focusWidget() == box.data());
  }
  // Masonry and soil: into the boxes and back, per segment; a bad value keeps the project.
  void dialogoMuratura() {
    DatiProgetto d;
    d.ResistenzaAnello = 4.5f;
    RecordingMessages msg;
    DialogoMuratura dlg(d, msg);
    QTableWidget* fc = dlg.tabellaResistenza;
    QVERIFY(fc->rowCount() == 1 && fc->item(0, 0)->text() == "4.5" && dlg.txtMobilitazione->text() == "1");
    QVERIFY(!dlg.chkAttrito->isChecked() && !dlg.txtAttrito->isEnabled());
    fc->item(0, 0)->setText("5");
    dlg.chkAttrito->setChecked(true);
    QVERIFY(dlg.txtAttrito->isEnabled());
    dlg.txtAttrito->setText("0,6");
    dlg.txtMobilitazione->setText("0.5");
    QVERIFY(dlg.Leggi() && d.ResistenzaAnello == 5.0f && d.Attrito == 0.6f && d.Mobilitazione == 0.5f && msg.empty());
    // Unchecked, the joints never slide again.
    dlg.chkAttrito->setChecked(false);
    QVERIFY(dlg.Leggi() && !d.Attrito.has_value());
    fc->item(0, 0)->setText("8");
    dlg.txtMobilitazione->setText("-1");
    QVERIFY(!dlg.Leggi() && d.ResistenzaAnello == 5.0f && d.Mobilitazione == 0.5f && !msg.empty());
    dlg.txtMobilitazione->setText("1");
    fc->item(0, 0)->setText("abc");
    QVERIFY(!dlg.Leggi() && d.ResistenzaAnello == 5.0f);
    DatiProgetto s;
    s.nVori = 3;
    s.dimensionaVori(3);
    s.Vori(2).Resistenza = 7;
    DialogoMuratura segmenti(s, msg);
    QVERIFY(segmenti.tabellaResistenza->rowCount() == 3 && segmenti.tabellaResistenza->item(1, 0)->text() == "7");
    segmenti.tabellaResistenza->item(2, 0)->setText("3.2");
    QVERIFY(segmenti.Leggi() && s.Vori(1).Resistenza == 0.0f && s.Vori(2).Resistenza == 7.0f &&
            s.Vori(3).Resistenza == 3.2f);
  }
  // Code basis: presets fill the factors, typed ones stay; the title block round trip.
  void dialogoNormativa() {
    Banco inglese("ENG", "ponte-stradale.vro");  // the English program, whatever a test before started
    DialogoNormativa d;
    DatiProgetto p;
    p.Normativa.coefficienti.gM = 2;
    d.ScriveDatiInForm(p);
    Scegli(d.cmbNormativa, "NTC 2018 (Italy)");
    Scegli(d.cmbLivello, "LC1");
    QCOMPARE(d.spnFattori[11]->text(), QString("from the span and cover"));  // Phi found from the arch
    d.spnFattori[4]->setValue(1.5);
    DatiProgetto letto;
    d.LeggeDati(letto);
    const CoefficientiParziali& c = letto.Normativa.coefficienti;
    QVERIFY(letto.Normativa.base == BaseNormativa::Ntc2018 && c.gG2sup == 1.5f && c.alpha == 1.1f && c.gM == 2 &&
            c.gQ == 1.5f && c.FC == 1.35f);
    p.Normativa.base = BaseNormativa::Eurocodice;
    p.Normativa.livello = LivelloConoscenza::LC2;
    p.Normativa.coefficienti = {1.35f, 1.0f, 1.35f, 1.0f, 1.35f, 2.5f, 1.2f, 1, 1, 1.45f, 1.21f, 1.3f};
    p.Normativa.gMDato = true;
    p.Normativa.manutenzione = ManutenzioneBinario::Standard;
    p.Cartiglio = {"SP 12 km 3+200", "Provincia", "Ing. Rossi", "", "Ing. Bianchi", "A", "emessa", "VR-027", "",
                   "Comune di Bergamo, Settore \u201cOpere\u201d", "", "", "",
                   "Ordine degli Ingegneri di Bergamo n. 1234", "", "", "2026-12-07"};
    d.ScriveDatiInForm(p);
    QCOMPARE(QStringList({d.txtCartiglio[0]->text(), d.findChild<QLineEdit*>("txtCartiglio13")->text()}),
             QStringList({"SP 12 km 3+200", "Ordine degli Ingegneri di Bergamo n. 1234"}));
    // The title block beside the code basis still fits a 1366 x 768 screen.
    QVERIFY(d.sizeHint().width() <= 1366 && d.sizeHint().height() <= 700);
    d.LeggeDati(letto);
    QVERIFY(letto.Normativa == p.Normativa && letto.Cartiglio == p.Cartiglio);
    const DatiProgetto nuovo;
    d.ScriveDatiInForm(nuovo);
    QCOMPARE(QStringList({d.cmbLivello->currentText(), d.spnFattori[5]->text()}),
             QStringList({"not given", "not given"}));
    d.LeggeDati(letto);
    QCOMPARE(letto.Normativa, nuovo.Normativa);
  }
};

}  // namespace voro::ui::test

QTEST_MAIN(voro::ui::test::TestForms)
#include "test_forms.moc"
