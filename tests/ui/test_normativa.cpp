// The code basis dialog: the presets it fills in, the project it writes, the
// menu that opens it; and the geometry form saying where the walls raise
// the springings.
#include <QtTest>

#include "Banco.h"
#include "ui/DialogoNormativa.h"
#include "ui/FinestraPrincipale.h"
#include "ui/FormGeometria.h"

using namespace voro;
using namespace voro::ui;
using voro::ui::test::Banco;

class TestNormativa : public QObject {
  Q_OBJECT
 private slots:
  void ilCodiceRiempieITuoiCoefficienti();
  void ilProgettoTornaComeEra();
  void laGeometriaDiceDoveLeImpostesiAlzano();
};

void TestNormativa::ilCodiceRiempieITuoiCoefficienti() {
  DialogoNormativa d;
  DatiProgetto p;
  p.Normativa.coefficienti.gM = 2;
  d.ScriveDatiInForm(p);
  d.cmbNormativa->setCurrentIndex(d.cmbNormativa->findData(static_cast<int>(BaseNormativa::Ntc2018)));
  emit d.cmbNormativa->activated(d.cmbNormativa->currentIndex());
  d.cmbLivello->setCurrentIndex(d.cmbLivello->findData(static_cast<int>(LivelloConoscenza::LC1)));
  emit d.cmbLivello->activated(d.cmbLivello->currentIndex());
  // NTC's rail factors too: gQrail 1.45, alpha 1.1, Phi found from the arch.
  const double atteso[12] = {1.35, 1.0, 1.5, 0.0, 1.35, 2.0, 1.35, 1.0, 1.0, 1.45, 1.1, 0.0};
  for (std::size_t i = 0; i < 12; ++i) QCOMPARE(d.spnFattori[i]->value(), atteso[i]);
  QCOMPARE(d.spnFattori[11]->text(), QString("from the span and cover"));
  // A value the engineer types afterwards stays theirs.
  d.spnFattori[4]->setValue(1.5);
  DatiProgetto letto;
  d.LeggeDati(letto);
  QCOMPARE(letto.Normativa.base, BaseNormativa::Ntc2018);
  QCOMPARE(letto.Normativa.coefficienti.gQ, 1.5f);
  QCOMPARE(letto.Normativa.coefficienti.FC, 1.35f);
}

void TestNormativa::ilProgettoTornaComeEra() {
  DatiProgetto p;
  p.Normativa.base = BaseNormativa::Eurocodice;
  p.Normativa.livello = LivelloConoscenza::LC2;
  p.Normativa.coefficienti = {1.35f, 1.0f, 1.35f, 1.0f, 1.35f, 2.5f, 1.2f, 1, 1, 1.45f, 1.21f, 1.3f};
  p.Normativa.gMDato = true;
  p.Normativa.manutenzione = ManutenzioneBinario::Standard;
  p.Cartiglio.riferimento = "SP 12 km 3+200";
  p.Cartiglio.committente = "Provincia";
  p.Cartiglio.progettista = "Ing. Rossi";
  p.Cartiglio.approvatore = "Ing. Bianchi";
  p.Cartiglio.revisione = "A";
  p.Cartiglio.stato = "emessa";
  p.Cartiglio.numeroDocumento = "VR-027";
  p.Cartiglio.proprietario = "Comune di Bergamo, Settore \u201cOpere\u201d";
  p.Cartiglio.iscrizioneVerificatore = "Ordine degli Ingegneri di Bergamo n. 1234";
  p.Cartiglio.dataApprovatore = "2026-12-07";
  DialogoNormativa d;
  d.ScriveDatiInForm(p);
  QCOMPARE(d.txtCartiglio[0]->text(), QString("SP 12 km 3+200"));
  QCOMPARE(d.findChild<QLineEdit*>("txtCartiglio13")->text(), QString("Ordine degli Ingegneri di Bergamo n. 1234"));
  // The title block beside the code basis still fits a 1366 x 768 screen.
  QVERIFY(d.sizeHint().width() <= 1366 && d.sizeHint().height() <= 700);
  DatiProgetto letto;
  d.LeggeDati(letto);
  QCOMPARE(letto.Normativa, p.Normativa);
  QCOMPARE(letto.Cartiglio, p.Cartiglio);
  // Neither the knowledge level nor gM given: the form says so and keeps it so.
  const DatiProgetto nuovo;
  d.ScriveDatiInForm(nuovo);
  QCOMPARE(d.cmbLivello->currentText(), QString("not given"));
  QCOMPARE(d.spnFattori[5]->text(), QString("not given"));
  d.LeggeDati(letto);
  QCOMPARE(letto.Normativa, nuovo.Normativa);
}

void TestNormativa::laGeometriaDiceDoveLeImpostesiAlzano() {
  Banco b;
  b.avvia({b.esempio("volta-semicircolare.vro")});
  QVERIFY(b.finestra->findChild<QAction*>("mnuDataNormativa"));
  b.finestra->MostraGeometria();
  FormGeometria* g = b.finestra->formGeometria();
  QVERIFY(g);
  QVERIFY2(g->lblImposte->text().contains("the wall takes 4 voussoirs"), qPrintable(g->lblImposte->text()));
}

QTEST_MAIN(TestNormativa)
#include "test_normativa.moc"
