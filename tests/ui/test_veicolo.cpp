// The vehicle in the desktop program: chosen from the library or typed in
// its dialog, bad values named, kept by Save, swept in the Safety window,
// and moved by the slider with the core's factor and mechanism at every
// position; drawn on the road in the plot window.
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "../drawing/Registratori.h"
#include "Banco.h"
#include "drawing/FigureSicurezza.h"
#include "Sicurezza.h"
#include "arch/CaricaConci.h"
#include "arch/CostruisciModello.h"
#include "data/ProjectFile.h"
#include "drawing/Colori.h"
#include "limite/PercorsoVeicolo.h"
#include "ui/DialogoVeicolo.h"
#include "ui/FinestraPlot.h"
#include "ui/FinestraSicurezza.h"
#include "ui/FormCarichi.h"
#include "ui/FormGeometria.h"

using namespace voro;
using namespace voro::ui;
using namespace voro::ui::test;

namespace {

// The program folder as installed: the vehicle library beside the examples.
void Libreria(Banco& b) {
  QFile::copy(SorgenteVoro() + "/vehicles.txt", b.programma.path() + "/vehicles.txt");
}

int Indice(QComboBox* c, const QString& testo) { return c->findText(testo); }

void Scegli(QComboBox* c, int i) {
  c->setCurrentIndex(i);
  emit c->activated(i);
}

// The loads plot (after the loads form) recorded stroke by stroke.
prova::SuperficieRegistrata PlotCarichi(Banco& b) {
  prova::SuperficieRegistrata s;
  FinestraPlot* plot = b.finestra->finestraPlot();
  if (!plot || plot->PlottaGeometria() != 2) {
    b.finestra->MostraCarichi();
    b.finestra->formCarichi()->cmdNext->click();
    plot = b.finestra->finestraPlot();
  }
  if (plot && plot->PlottaGeometria() == 2) plot->PlottaInOggetto("VIDEO", &s);
  return s;
}

int Linee(const prova::SuperficieRegistrata& s, Long indice) { return s.conta("linea", ValoreColore(ColoreIndice(indice))); }

bool HaTesto(const prova::SuperficieRegistrata& s, const QString& t) {
  for (const auto& x : s.tratti)
    if (x.tipo == "testo" && QString::fromStdString(x.testo).contains(t)) return true;
  return false;
}

}  // namespace

class TestVeicolo : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("XDG_CONFIG_HOME", config_.path().toUtf8()); }
  void ilDialogoScriveIlVeicoloDellaLibreria();
  void valoriSbagliatiSonoNominati();
  void ilDialogoDiceCosaFa();
  void nomiNellaLinguaDelProgramma();
  void unVeicoloScrittoVaNellaLibreriaDellUtente();
  void ilCursoreMuoveIlVeicolo();
  void ilPlotDisegnaIlVeicolo();

 private:
  QTemporaryDir config_;
};

void TestVeicolo::ilDialogoScriveIlVeicoloDellaLibreria() {
  Banco b;
  Libreria(b);
  b.avvia({b.esempio("ponte-stradale.vro")});
  DialogoVeicolo d(b.s());
  QCOMPARE(d.cmbVeicolo->currentIndex(), 0);
  Scegli(d.cmbVeicolo, Indice(d.cmbVeicolo, "LM1 tandem"));
  QCOMPARE(d.tabAssi->rowCount(), 2);
  d.cmbDiffusione->setCurrentIndex(1);
  QVERIFY(d.Leggi());
  QVERIFY(b.s().dati.VeicoloCarico);
  QCOMPARE(b.s().dati.VeicoloCarico->Nome, std::string("LM1 tandem"));
  QCOMPARE(b.s().dati.VeicoloCarico->Assi[1].d, 1.2f);
  QVERIFY(b.s().dati.DiffusioneCarico == (Diffusione{RegolaDiffusione::UnoDue, 0}));

  // Opened again it shows what the project holds; "(no vehicle)" takes it away.
  DialogoVeicolo di(b.s());
  QCOMPARE(di.cmbVeicolo->currentText(), QString("LM1 tandem"));
  QCOMPARE(di.cmbDiffusione->currentIndex(), 1);
  QCOMPARE(di.cmbCategoria->currentText(), QString("Road"));
  Scegli(di.cmbVeicolo, 0);
  QVERIFY(di.Leggi());
  QVERIFY(!b.s().dati.VeicoloCarico);

  // LM71 comes as rail traffic; made road traffic it is the engineer's own vehicle.
  DialogoVeicolo dr(b.s());
  Scegli(dr.cmbVeicolo, Indice(dr.cmbVeicolo, "LM71 axles"));
  QCOMPARE(dr.cmbCategoria->currentText(), QString("Rail"));
  QVERIFY(dr.Leggi());
  QVERIFY(b.s().dati.VeicoloCarico->Ferroviario());
  Scegli(dr.cmbCategoria, 0);
  QCOMPARE(dr.cmbVeicolo->currentText(), QString("Typed below"));
  QVERIFY(dr.Leggi());
  QVERIFY(!b.s().dati.VeicoloCarico->Ferroviario());
  QVERIFY(b.messaggi.empty());
}

void TestVeicolo::valoriSbagliatiSonoNominati() {
  Banco b;
  Libreria(b);
  b.avvia({b.esempio("ponte-stradale.vro")});
  DialogoVeicolo d(b.s());
  Scegli(d.cmbVeicolo, Indice(d.cmbVeicolo, "LM2 single axle"));
  d.tabAssi->item(0, 0)->setText("-5");
  QVERIFY(!d.Leggi());
  QVERIFY(!b.s().dati.VeicoloCarico);
  QCOMPARE(QString::fromStdString(b.messaggi.entries().back().text),
           QString("vehicle \"LM2 single axle\", axle 1: load P = -5 kN is not a load >= 0"));
  d.tabAssi->item(0, 0)->setText("400");
  d.cmbDiffusione->setCurrentIndex(4);
  d.txtAngolo->setText("75");
  QVERIFY(!d.Leggi());
  QVERIFY(QString::fromStdString(b.messaggi.entries().back().text).contains("not an angle from 0° to 60°"));
  d.txtAngolo->setText("20");
  QVERIFY(d.Leggi());
  QCOMPARE(b.s().dati.DiffusioneCarico.gradi, 20.0f);
}

// The dialog as an engineer meets it: a rule's angle shown, rounded, when
// chosen and on reopening; a bad value said under the preview at once; a new
// axle behind the last one, never on top of axle 1.
void TestVeicolo::ilDialogoDiceCosaFa() {
  Banco b;
  Libreria(b);
  b.avvia({b.esempio("ponte-stradale.vro")});
  b.finestra->formGeometria()->cbPltGeom->click();
  {
    DialogoVeicolo d(b.s());
    Scegli(d.cmbVeicolo, Indice(d.cmbVeicolo, "LM1 tandem"));
    d.cmbDiffusione->setCurrentIndex(1);
    QCOMPARE(d.txtAngolo->text(), QString("26,57"));
    QVERIFY(!d.txtAngolo->isEnabled());
    QVERIFY(d.lblErrore->text().isEmpty());
    d.txtCarreggiata->setText("due");
    emit d.txtCarreggiata->textEdited("due");
    QVERIFY2(d.lblErrore->text().contains("track s \"due\" is not a number"), qPrintable(d.lblErrore->text()));
    d.txtCarreggiata->setText("2");
    emit d.txtCarreggiata->textEdited("2");
    QVERIFY(d.lblErrore->text().isEmpty());
    d.cmdAggiungi->click();
    QCOMPARE(d.tabAssi->rowCount(), 3);
    QCOMPARE(d.tabAssi->item(2, 0)->text(), QString("300"));
    QCOMPARE(d.tabAssi->item(2, 1)->text(), QString("2,4"));
    QCOMPARE(d.tabAssi->item(2, 2)->text(), QString("0,4"));
    d.tabAssi->removeRow(2);
    QVERIFY(d.Leggi());
  }
  DialogoVeicolo riaperto(b.s());
  QCOMPARE(riaperto.cmbDiffusione->currentIndex(), 1);
  QCOMPARE(riaperto.txtAngolo->text(), QString("26,57"));
}

// In Italian the shipped vehicles are listed and shown by their Italian
// names; the project and the files keep the library's key.
void TestVeicolo::nomiNellaLinguaDelProgramma() {
  Banco b("ITA");
  Libreria(b);
  b.avvia({b.esempio("ponte-stradale.vro")});
  DialogoVeicolo d(b.s());
  const int i = Indice(d.cmbVeicolo, "LM2 asse singolo");
  QVERIFY(i > 0);
  QVERIFY(Indice(d.cmbVeicolo, "carrello 2 × 10 t a 1,8 m") > 0);
  Scegli(d.cmbVeicolo, i);
  QVERIFY(d.Leggi());
  QCOMPARE(b.s().dati.VeicoloCarico->Nome, std::string("LM2 single axle"));
  {
    DialogoVeicolo riaperto(b.s());
    QCOMPARE(riaperto.cmbVeicolo->currentText(), QString("LM2 asse singolo"));
  }
  // The Safety window names it so in its table, its band and its slider's drawing.
  FinestraSicurezza* f = Valuta(b);
  QVERIFY(f && f->valutata());
  bool riga = false;
  for (int i = 0; i < f->tabella->rowCount(); ++i) riga = riga || f->tabella->item(i, 1)->text() == "LM2 asse singolo";
  QVERIFY(riga);
  QVERIFY(!f->lblVerdetto->text().contains("single axle"));
  QCOMPARE(QString::fromStdString(f->pannelloVeicolo->corrente().nome), QString("LM2 asse singolo"));
}

void TestVeicolo::unVeicoloScrittoVaNellaLibreriaDellUtente() {
  Banco b;
  Libreria(b);
  b.avvia({b.esempio("ponte-stradale.vro")});
  DialogoVeicolo d(b.s());
  d.cmdAggiungi->click();
  d.cmdAggiungi->click();
  d.txtNome->setText("Tractor");
  // Numbers as the user's regional settings write them.
  auto n = [&](Single x) { return QString::fromStdString(b.s().regional.TestoSingle(x)); };
  d.txtCarreggiata->setText(n(1.6f));
  d.txtLarghezza->setText(n(0.4f));
  const Single valori[2][3] = {{60, 0, 0.3f}, {90, 2.5f, 0.3f}};
  for (int r = 0; r < 2; ++r)
    for (int k = 0; k < 3; ++k) d.tabAssi->item(r, k)->setText(n(valori[r][k]));
  d.cmdSalva->click();
  // Saved, and said where.
  QCOMPARE(b.messaggi.entries().size(), std::size_t(1));
  QCOMPARE(b.messaggi.entries().back().kind, MessageKind::Information);
  QCOMPARE(QString::fromStdString(b.messaggi.entries().back().text),
           QString("\"Tractor\" is saved in your vehicle library %1.").arg(QString::fromStdString(FileLibreriaUtente())));
  QCOMPARE(d.cmbVeicolo->currentText(), QString("Tractor"));
  LibreriaVeicoli l;
  l.Aggiungi(FileLibreriaUtente(), false);
  QVERIFY(l.Trova("Tractor"));
  QCOMPARE(l.Trova("Tractor")->Assi[1].P, 90.0f);
  QFile::remove(QString::fromStdString(FileLibreriaUtente()));
}

void TestVeicolo::ilCursoreMuoveIlVeicolo() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  const Veicolo treno{"Train", {{100, 0, 0.3f}, {180, 1.3f, 0.3f}, {60, 3.1f, 0.2f}}, 1.8f, 0.3f};
  b.s().dati.VeicoloCarico = treno;
  b.s().dati.DiffusioneCarico = {RegolaDiffusione::UnoDue, 0};
  FinestraSicurezza* f = Valuta(b);
  QVERIFY(f);
  PannelloVeicolo* p = f->pannelloVeicolo;
  QVERIFY(p->isVisible());
  QVERIFY(p->cmbVerso->isEnabled());

  // The core alone on the same project.
  DatiProgetto d;
  ModelloArco m;
  RecordingMessages msg;
  LeggiFileProgetto(b.esempio("ponte-stradale.vro").toStdString(), d, msg);
  d.VeicoloCarico = treno;
  d.DiffusioneCarico = {RegolaDiffusione::UnoDue, 0};
  CostruisciModello(d, m, msg);
  CaricaConci(d, m, msg);
  RisultatiVeicolo atteso;
  QVERIFY(PercorriVeicolo(d, m, 0.05, nullptr, atteso));
  QCOMPARE(p->risultati().fattorePeggiore, atteso.fattorePeggiore);
  QCOMPARE(p->risultati().xPeggiore, atteso.xPeggiore);
  // Shown at the worst position first.
  QCOMPARE(*p->corrente().fattore, *atteso.fattorePeggiore);
  QVERIFY(p->lblPosizione->text().contains("live-load factor"));

  // The slider: every position the core's factor and mechanism.
  PercorsoVeicolo nucleo(d, m);
  for (const int mm : {2000, 4500, 4501, 8000}) {
    p->sldPosizione->setValue(mm);
    const MoltiplicatoreCarico mc = nucleo.Valuta(mm / 1000.0, p->cmbVerso->currentIndex() ? Verso::Indietro : Verso::Avanti);
    QCOMPARE(p->corrente().fattore.has_value(), mc.esito == EsitoCarico::Finito);
    if (mc.esito == EsitoCarico::Finito) {
      QVERIFY(std::fabs(*p->corrente().fattore - mc.lambda) <= 1e-9 * mc.lambda);
      QVERIFY(p->corrente().meccanismo == mc.meccanismo);
    }
    QCOMPARE(p->corrente().assi.front().x, mm / 1000.0);
  }
  // The keys: one step of the sweep, ten with Page Down, the ends with Home
  // and End; the drawing fitted once to the whole drive, not to each position.
  const int passo = static_cast<int>(std::lround(p->risultati().passo * 1000));
  QCOMPARE(p->sldPosizione->singleStep(), passo);
  QCOMPARE(p->sldPosizione->pageStep(), 10 * passo);
  p->sldPosizione->setValue(4000);
  QTest::keyClick(p->sldPosizione, Qt::Key_PageUp);
  QCOMPARE(p->sldPosizione->value(), 4000 + 10 * passo);
  QTest::keyClick(p->sldPosizione, Qt::Key_End);
  QCOMPARE(p->sldPosizione->value(), p->sldPosizione->maximum());
  const auto strada = p->corrente().strada;
  QTest::keyClick(p->sldPosizione, Qt::Key_Home);
  QCOMPARE(p->sldPosizione->value(), p->sldPosizione->minimum());
  QVERIFY(strada && p->corrente().strada == strada);
  QVERIFY(strada->first <= p->corrente().assi.back().x1 && strada->second >= p->corrente().assi.front().x2);

  // The vehicle, its spread and the collapse line drawn.
  p->cmdPeggiore->click();
  const QImage img = p->areaVeicolo->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QVERIFY(Pixel(img, QColor(0, 192, 0)) > 20);    // the spread
  QVERIFY(Pixel(img, QColor(255, 0, 255)) > 20);  // the collapse line
  QVERIFY(Pixel(p->areaGrafico->grab().toImage().convertToFormat(QImage::Format_RGB32), QColor(0, 0, 255)) > 50);

  // A project without a vehicle has no panel.
  b.s().dati.VeicoloCarico.reset();
  f = Valuta(b);
  QVERIFY(f);
  QVERIFY(!f->pannelloVeicolo->isVisible());
}

void TestVeicolo::ilPlotDisegnaIlVeicolo() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  b.finestra->MostraGeometria();
  b.finestra->formGeometria()->cbPltGeom->click();
  b.finestra->MostraCarichi();
  const prova::SuperficieRegistrata senza = PlotCarichi(b);
  QVERIFY(!senza.tratti.empty());
  QCOMPARE(Linee(senza, 13) + Linee(senza, 11), 0);

  // The tandem at mid-span: both axles' spread and arrows, and the legend.
  b.s().dati.VeicoloCarico = Veicolo{"LM1 tandem", {{300, 0, 0.4f}, {300, 1.2f, 0.4f}}, 2, 0.4f};
  b.s().dati.DiffusioneCarico = {RegolaDiffusione::UnoDue, 0};
  b.finestra->DatiCambiati();
  const prova::SuperficieRegistrata meta = PlotCarichi(b);
  QCOMPARE(Linee(meta, 13), 2 * 4);
  QCOMPARE(Linee(meta, 11), 2 * 3);
  QCOMPARE(meta.conta("linea"), senza.conta("linea") + 2 * 7);
  QVERIFY(HaTesto(meta, "LM1 tandem: first axle at mid-span"));

  // Assessed, at the worst position the Safety window found.
  FinestraSicurezza* f = Valuta(b);
  QVERIFY(f && f->valutata());
  const RisultatiVeicolo& r = f->pannelloVeicolo->risultati();
  QVERIFY(r.fattorePeggiore);
  const prova::SuperficieRegistrata peggiore = PlotCarichi(b);
  QCOMPARE(Linee(peggiore, 13), 2 * 4);
  QVERIFY(HaTesto(peggiore, QString("worst position of the safety assessment, first axle at x = %1 m")
                                .arg(QString::fromStdString(TestoMetri(b.s().regional, r.xPeggiore)))));
  QCOMPARE(b.finestra->finestraPlot()->plot().Veicolo->x, r.xPeggiore);

  // The Safety window closed: back to mid-span.
  f->parentWidget()->close();
  QTest::qWait(50);
  QVERIFY(HaTesto(PlotCarichi(b), "LM1 tandem: first axle at mid-span"));

  // The vehicle taken away: the plot as it was, stroke by stroke.
  b.s().dati.VeicoloCarico.reset();
  b.finestra->DatiCambiati();
  const prova::SuperficieRegistrata di_nuovo = PlotCarichi(b);
  QCOMPARE(di_nuovo.tratti.size(), senza.tratti.size());
  for (std::size_t i = 0; i < senza.tratti.size(); ++i) QVERIFY(di_nuovo.tratti[i].v == senza.tratti[i].v);
  QVERIFY(b.messaggi.empty());
}

QTEST_MAIN(TestVeicolo)
#include "test_veicolo.moc"
