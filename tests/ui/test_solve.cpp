// Solving from the windows: the report shows the engine's numbers, the
// search runs without freezing the window and stops on request, the used
// eccentricities become start values, and the results plot follows the View
// flags.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QMdiArea>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <cmath>

#include "Banco.h"
#include "analysis/Calcolo.h"
#include "arch/CostruisciModello.h"
#include "data/ProjectFile.h"
#include "ui/FinestraPlot.h"
#include "ui/FormGeometria.h"
#include "ui/FormOpzioni.h"
#include "ui/FormRisultati.h"

using namespace voro;
using namespace voro::ui;
using namespace voro::ui::test;

namespace {

struct Soluzione {
  DatiProgetto dati;
  ModelloArco modello;
  RisultatiCalcolo risultati;
};

// The engine alone on the project file.
Soluzione Motore(const QString& file) {
  Soluzione s;
  RecordingMessages m;
  LeggiFileProgetto(file.toStdString(), s.dati, m);
  if (s.dati.nVori > 1) s.dati.LuceAnello = Single(s.dati.Vori(s.dati.nVori).X3 - s.dati.Vori(1).X1);
  CostruisciModello(s.dati, s.modello, m);
  Calcolo(s.dati, s.modello, s.risultati, m).CalcoloMain();
  return s;
}

double Valore(const Banco& b, const QLineEdit* e) { return b.finestra->sessione().regional.ValInternazionale(e->text().toStdString()); }

// A box shows x to the digits it has.
bool Mostra(const Banco& b, const QLineEdit* e, double x, double relativa = 6e-4, double assoluta = 1e-3) {
  const double v = Valore(b, e);
  return std::fabs(v - x) <= std::max(assoluta, relativa * std::fabs(x));
}

}  // namespace

class TestSolve : public QObject {
  Q_OBJECT

 private slots:
  void rapportoMostraIRisultati_data();
  void rapportoMostraIRisultati();
  void stopDuranteLaRicerca();
  void valoriIniziali();
  void dimensioniDelRapporto();
  void vistaSulDisegnoDeiRisultati();
  void chiusuraDuranteIlCalcolo();
};

void TestSolve::rapportoMostraIRisultati_data() {
  QTest::addColumn<QString>("esempio");
  for (const char* e : kEsempi) QTest::newRow(e) << QString(e);
}

void TestSolve::rapportoMostraIRisultati() {
  QFETCH(QString, esempio);
  Banco b;
  b.avvia({b.esempio(esempio)});
  const Soluzione atteso = Motore(b.esempio(esempio));
  QVERIFY(b.risolvi());
  QVERIFY(b.messaggi.empty());
  FinestraPlot* plot = b.finestra->finestraPlot();
  QVERIFY(plot);
  QCOMPARE(plot->PlottaGeometria(), 0);
  QVERIFY(!b.finestra->formOpzioni());  // closed after a solution that was not stopped

  // The window's results are the engine's, bit for bit.
  const RisultatiCalcolo& r = b.s().risultati;
  QCOMPARE(r.HSinistra, atteso.risultati.HSinistra);
  QCOMPARE(r.VDestra, atteso.risultati.VDestra);
  QCOMPARE(r.EccCalcChiave, atteso.risultati.EccCalcChiave);
  QCOMPARE(r.SigmaIntPeggiore, atteso.risultati.SigmaIntPeggiore);

  b.finestra->azione("mnuReport")->trigger();
  FormRisultati* f = b.finestra->formRisultati();
  QVERIFY(f);
  const int n = atteso.modello.nConciTot;
  QCOMPARE(f->Grid1->rowCount(), n + 2);
  QCOMPARE(f->Grid1->columnCount(), 7);
  const QStringList testate{"Sect.", "sig_e [MPa]", "sig_i [MPa]", "%comp", "N [kN]", "T [kN]", "e [mm]"};
  for (int c = 0; c < 7; ++c) QCOMPARE(f->Grid1->item(0, c)->text(), testate[c]);
  const Regional& reg = b.s().regional;
  auto cella = [&](int i, int c) { return reg.ValInternazionale(f->Grid1->item(i, c)->text().toStdString()); };
  // Every number of a column has the column's decimals.
  const int decimali[7] = {0, 3, 3, 1, 2, 2, 1};
  for (int i = 1; i <= n + 1; ++i) {
    QCOMPARE(f->Grid1->item(i, 0)->text(), QString::number(i));
    for (int c = 1; c < 7; ++c) {
      const QString t = f->Grid1->item(i, c)->text();
      QCOMPARE(t.size() - t.indexOf(QString::fromStdString(reg.decimale())) - 1, decimali[c]);
    }
    QVERIFY(std::fabs(cella(i, 1) - atteso.risultati.SigmaEstGiunti(i) / 1000) <= 5e-4 + 1e-9);
    QVERIFY(std::fabs(cella(i, 3) - atteso.risultati.PercGiunti(i)) <= 0.05 + 1e-9);
    const double N = i == 1 ? atteso.risultati.NPrimaSezione : atteso.modello.Conci(i - 1).Fassiale;
    const double e = i == 1 ? atteso.risultati.EccCalcSinistra : atteso.modello.Conci(i - 1).Eccentric;
    QVERIFY(std::fabs(cella(i, 4) - N) <= 5e-3 + 1e-9);
    QVERIFY(std::fabs(cella(i, 6) - e * 1000) <= 0.05 + 1e-9);
  }
  // Physics: the force on the springing section is the left reaction, and
  // a thrust line within the ring compresses every joint.
  const RisultatiCalcolo& a = atteso.risultati;
  QVERIFY(std::fabs(std::hypot(cella(1, 4), cella(1, 5)) - std::hypot(a.HSinistra, a.VSinistra)) <=
          1e-3 * std::hypot(a.HSinistra, a.VSinistra) + 0.01);
  for (int i = 1; i <= n + 1; ++i) QVERIFY(cella(i, 4) > 0);
  const RisultatiCalcolo& e = atteso.risultati;
  QVERIFY(Mostra(b, f->txtReazioni[0], e.HSinistra, 6e-4, 5.1e-3));
  QVERIFY(Mostra(b, f->txtReazioni[1], e.HDestra, 6e-4, 5.1e-3));
  QVERIFY(Mostra(b, f->txtReazioni[2], e.VSinistra, 6e-4, 5.1e-3));
  QVERIFY(Mostra(b, f->txtReazioni[3], e.VDestra, 6e-4, 5.1e-3));
  QVERIFY(Mostra(b, f->txtReazioni[4], e.HSinistra + e.SommaHSinistra, 6e-4, 5.1e-3));
  QVERIFY(Mostra(b, f->txtReazioni[5], e.SommaHSinistra, 6e-4, 5.1e-3));
  QVERIFY(Mostra(b, f->txtReazioni[6], -e.SommaHDestra, 6e-4, 5.1e-3));
  QCOMPARE(f->txtMax[1]->text().toInt(), int(e.iSigmaEstPeggiore));
  QCOMPARE(f->txtMax[3]->text().toInt(), int(e.iSigmaIntPeggiore));
  QCOMPARE(f->txtMax[5]->text().toInt(), int(e.iPercMinima));
  QVERIFY(Mostra(b, f->txtMax[2], e.SigmaIntPeggiore / 1000, 6e-3, 5.1e-4));
  QVERIFY(Mostra(b, f->txtDati[10], e.EccCalcChiave * 1000, 6e-3, 0.051));
  // Physics: the horizontal thrust is the same at both springings without
  // passive pressure, and the vertical reactions carry every load.
  if (!b.s().dati.SpintaPassiva) QVERIFY(std::fabs(e.HSinistra - e.HDestra) <= 1e-3 * std::fabs(e.HSinistra));
  QVERIFY(e.VSinistra > 0 && e.VDestra > 0);
}

void TestSolve::stopDuranteLaRicerca() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  b.finestra->formGeometria()->cbPltGeom->click();
  b.finestra->MostraOpzioni();
  FormOpzioni* o = b.finestra->formOpzioni();
  o->CheckOttimizzaCerniere->setChecked(true);
  o->txtOttimizz->setText("1000");  // hours of search
  QSignalSpy fine(b.finestra.get(), &FinestraPrincipale::calcoloConcluso);
  o->SolveButton->click();
  QVERIFY(b.finestra->calcoloInCorso());
  // The window answers while the search runs, and shows its steps.
  QTRY_VERIFY_WITH_TIMEOUT(o->lblStep->isVisible() && o->lblStep->text().startsWith("Step "), 30000);
  QVERIFY(o->cmdStop->isVisible());
  // Before its grid is scanned, a long search tells how long it will take.
  QTRY_VERIFY_WITH_TIMEOUT(o->lblStima->isVisible(), 30000);
  QVERIFY(o->lblStima->text().startsWith("Estimated time: about "));
  // A second Solve is refused with a message, not run beside the first.
  b.finestra->azione("mnuSolve")->trigger();
  QCOMPARE(b.messaggi.entries().size(), std::size_t(1));
  QCOMPARE(b.messaggi.entries()[0].kind, MessageKind::Information);
  // So are the commands that would replace the project under it.
  b.finestra->FileNuovo();
  QCOMPARE(b.messaggi.entries().size(), std::size_t(2));
  QVERIFY(b.finestra->calcoloInCorso());

  o->cmdStop->click();
  QVERIFY(fine.wait(30000));
  QVERIFY(fine.at(0).at(0).toBool());
  // The best point so far, with every result of a full solution.
  const RisultatiCalcolo& r = b.s().risultati;
  const int n = b.s().modello.nGiunti;
  QVERIFY(n > 0);
  for (int i = 1; i <= n; ++i) {
    QVERIFY(std::isfinite(r.SigmaEstGiunti(i)) && std::isfinite(r.SigmaIntGiunti(i)));
    QVERIFY(r.PercGiunti(i) >= 0 && r.PercGiunti(i) <= 100);
  }
  QVERIFY(std::isfinite(r.HSinistra) && r.HSinistra > 0);
  QVERIFY(std::fabs(r.EccCalcSinistra) <= b.s().modello.Conci(1).hSezione / 2 + 1e-6);
  // The results, and so the report, say that the search was stopped.
  QVERIFY(r.RicercaInterrotta);
  // The options form stays in front, the plot shows the results.
  QVERIFY(b.finestra->formOpzioni());
  QVERIFY(!o->cmdStop->isVisible());
  QVERIFY(!o->lblStima->isVisible());
  QCOMPARE(b.finestra->finestraPlot()->PlottaGeometria(), 0);
  QCOMPARE(b.s().dati.nDivisioni, Integer(1000));
  // The status bar says the search was stopped, not that it solved; so do
  // the plot, the report window with how fine the grid was, and the
  // exported report.
  QCOMPARE(b.finestra->statusBar()->currentMessage(),
           QString("Search stopped: the results are those of the best point found so far"));
  QVERIFY(b.finestra->finestraPlot()->windowTitle().contains("stopped"));
  b.finestra->MostraRisultati();
  FormRisultati* rapporto = b.finestra->formRisultati();
  QVERIFY(rapporto->lblInterrotta->isVisible());
  QVERIFY(rapporto->lblInterrotta->text().contains("stopped"));
  QVERIFY(rapporto->lblInterrotta->text().contains("mm"));
  const QString file = b.utente.filePath("fermato.html");
  b.dialoghi.nomi << file;
  b.finestra->azione("mnuFileEsportaRapporto")->trigger();
  QVERIFY(QString::fromUtf8(Contenuto(file)).contains("The search was stopped before its end"));
  // A full solution afterwards says Solved again and takes the marks away.
  o->txtOttimizz->setText("10");
  o->SolveButton->click();
  QVERIFY(fine.wait(30000));
  QCOMPARE(b.finestra->statusBar()->currentMessage(), QString("Solved"));
  QVERIFY(!b.finestra->finestraPlot()->windowTitle().contains("stopped"));
  QVERIFY(!b.s().risultati.RicercaInterrotta);
  QVERIFY(b.s().risultati.PrecisioneRicerca > 0);
}

void TestSolve::valoriIniziali() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  b.s().dati.OttimizzaCerniere = true;
  b.s().dati.nDivisioni = 12;
  QVERIFY(b.risolvi());
  b.finestra->MostraRisultati();
  FormRisultati* f = b.finestra->formRisultati();
  QVERIFY(f->FrameRis[2]->isEnabled());
  const QString el = f->txtDati[9]->text(), ec = f->txtDati[10]->text(), er = f->txtDati[11]->text();
  const Single chiave = b.s().dati.EccChiave;
  f->Command2->click();
  const Regional& reg = b.s().regional;
  QCOMPARE(b.s().dati.EccSinistra, Single(reg.ValInternazionale(el.toStdString()) / 1000));
  // Copied start values are one step of Undo.
  QAction* annulla = b.finestra->azione("mnuModificaAnnulla");
  QCOMPARE(annulla->text(), QString("&Undo Start eccentricities"));
  annulla->trigger();
  QCOMPARE(b.s().dati.EccChiave, chiave);
  f->Command2->click();

  // A value beyond a Single is refused and the start values stay.
  const std::string sx = f->txtDati[9]->text().toStdString();
  f->txtDati[9]->setText("1e99");
  const Single prima = b.s().dati.EccSinistra;
  f->Command2->click();
  QCOMPARE(b.messaggi.entries().back().kind, MessageKind::Critical);
  QCOMPARE(b.s().dati.EccSinistra, prima);
  f->txtDati[9]->setText(QString::fromStdString(sx));
  b.messaggi.clear();

  // Without the search the solution uses exactly the displayed values.
  b.finestra->MostraGeometria();
  QCOMPARE(b.finestra->formGeometria()->txtDati[10]->text().trimmed(), ec);
  b.finestra->MostraOpzioni();
  b.finestra->formOpzioni()->CheckOttimizzaCerniere->setChecked(false);
  QVERIFY(b.risolvi());
  const RisultatiCalcolo& r = b.s().risultati;
  QCOMPARE(r.EccCalcSinistra, Single(reg.ValInternazionale(el.toStdString()) / 1000));
  QCOMPARE(r.EccCalcChiave, Single(reg.ValInternazionale(ec.toStdString()) / 1000));
  QCOMPARE(r.EccCalcDestra, Single(reg.ValInternazionale(er.toStdString()) / 1000));
  // The frame of the optimal eccentricities is off without the search.
  b.finestra->MostraRisultati();
  QVERIFY(!b.finestra->formRisultati()->FrameRis[2]->isEnabled());
}

void TestSolve::dimensioniDelRapporto() {
  Banco b;
  b.avvia({b.esempio("volta-semicircolare.vro")});
  QVERIFY(b.risolvi());
  b.finestra->MostraRisultati();
  FormRisultati* f = b.finestra->formRisultati();
  QCOMPARE(f->FrameRis[0]->title(), QString("Worst values"));
  QCOMPARE(f->FrameRis[1]->title(), QString("Reactions at springings"));
  QCOMPARE(f->FrameSpinta->title(), QString("Walls reactions"));
  QCOMPARE(f->lblTiro->text(), QString("Tie thrust"));
  // The report opens showing its grid and every box.
  QWidget* w = f->parentWidget();
  QCOMPARE(f->Command1->text(), QString("Reduce"));
  QCoreApplication::processEvents();
  auto dentro = [w](QWidget* box) {
    return w->rect().contains(box->mapTo(w, box->rect().bottomRight())) &&
           w->rect().contains(box->mapTo(w, box->rect().topLeft()));
  };
  for (QWidget* box : {static_cast<QWidget*>(f->txtReazioni[8]), static_cast<QWidget*>(f->Command2),
                       static_cast<QWidget*>(f->txtMax[5]), static_cast<QWidget*>(f->txtDati[11])})
    QVERIFY(dentro(box));
  QVERIFY(dentro(f->Grid1));
  QVERIFY(f->Grid1->height() >= 10 * f->Grid1->rowHeight(1));
  // Every column of the grid shows whole.
  int colonne = 0;
  for (int c = 0; c < 7; ++c) colonne += f->Grid1->columnWidth(c);
  QVERIFY(f->Grid1->viewport()->width() >= colonne);
  // Reduce gives the small window of the corner; Enlarge the whole report again.
  f->Command1->click();
  QCOMPARE(w->size(), QSize(Twips(2865, f), Twips(2415, f)));
  QCOMPARE(f->Command1->text(), QString("Enlarge"));
  f->Command1->click();
  QVERIFY(dentro(f->txtReazioni[8]));
  QCOMPARE(f->Command1->text(), QString("Reduce"));
  // Report shows the form afresh from the current results.
  b.finestra->azione("mnuReport")->trigger();
  QVERIFY(b.finestra->formRisultati());
  QVERIFY(b.finestra->formRisultati() != f);
}

void TestSolve::vistaSulDisegnoDeiRisultati() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  QVERIFY(b.risolvi());
  FinestraPlot* plot = b.finestra->finestraPlot();
  const QImage prima = plot->area()->grab().toImage();
  for (int i = 0; i < 4; ++i) {
    b.finestra->azione(QString("mnuVisualizzaItem%1").arg(i))->trigger();
    QVERIFY(b.s().stato.Visualizza[static_cast<std::size_t>(i)]);
    const QImage dopo = plot->area()->grab().toImage();
    QVERIFY2(dopo != prima, qPrintable(QString("View item %1").arg(i)));
    b.finestra->azione(QString("mnuVisualizzaItem%1").arg(i))->trigger();
    QCOMPARE(plot->area()->grab().toImage(), prima);
  }
  QVERIFY(b.messaggi.empty());
}

void TestSolve::chiusuraDuranteIlCalcolo() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  b.finestra->formGeometria()->cbPltGeom->click();
  b.s().dati.OttimizzaCerniere = true;
  b.s().dati.nDivisioni = 1000;
  b.finestra->Risolvi();
  QVERIFY(b.finestra->calcoloInCorso());
  // Exit stops the search and waits for it.
  b.finestra->close();
  QVERIFY(!b.finestra->isVisible());
  b.finestra.reset();
}

QTEST_MAIN(TestSolve)
#include "test_solve.moc"
