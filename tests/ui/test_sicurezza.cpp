// The Safety window: the Assess command runs off the window thread with the
// sweep's progress, shows the core's figures, draws the mechanism and the
// sweep, stops on request and closes when the project changes.
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "Banco.h"
#include "Sicurezza.h"
#include "arch/CostruisciModello.h"
#include "data/CifreCoerenti.h"
#include "data/ProjectFile.h"
#include "limite/Valutazione.h"
#include "ui/FinestraSicurezza.h"
#include "ui/FormGeometria.h"
#include "drawing/FigureSicurezza.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>

using namespace voro;
using namespace voro::ui;
using namespace voro::ui::test;

namespace {

// The core alone on the project file.
RisultatiSicurezza Nucleo(const QString& file) {
  DatiProgetto d;
  ModelloArco m;
  RecordingMessages msg;
  RisultatiSicurezza r;
  LeggiFileProgetto(file.toStdString(), d, msg);
  if (d.nVori > 1) d.LuceAnello = Single(d.Vori(d.nVori).X3 - d.Vori(1).X1);
  CostruisciModello(d, m, msg);
  OpzioniSicurezza o;
  o.nPosizioni = FinestraSicurezza::kPosizioni;
  ValutaSicurezza(d, m, msg, o, r);
  return r;
}

QString Valore(FinestraSicurezza* f, const QString& figura) {
  for (int i = 0; i < f->tabella->rowCount(); ++i)
    if (f->tabella->item(i, 0)->text() == figura) return f->tabella->item(i, 1)->text();
  return "?";
}

}  // namespace

class TestSicurezza : public QObject {
  Q_OBJECT

 private slots:
  void mostraIValoriDelNucleo_data();
  void mostraIValoriDelNucleo();
  void disegnaMeccanismoESpostamento();
  void posizioniEPericoloLeggibili();
  void stopEGeometriaSbagliata();
  void risultatiVecchiNonRestanoValidi();
  void veicoloEIpotesiNellaTabella();
};

void TestSicurezza::mostraIValoriDelNucleo_data() {
  QTest::addColumn<QString>("esempio");
  for (const char* e : kEsempi) QTest::newRow(e) << QString(e);
}

void TestSicurezza::mostraIValoriDelNucleo() {
  QFETCH(QString, esempio);
  Banco b;
  b.avvia({b.esempio(esempio)});
  bool riuscito = false;
  FinestraSicurezza* f = Valuta(b, &riuscito);
  QVERIFY(f);
  QVERIFY(riuscito);
  QVERIFY(b.messaggi.empty());
  const RisultatiSicurezza atteso = Nucleo(b.esempio(esempio));
  const RisultatiSicurezza& r = f->risultati();
  QCOMPARE(*r.rapportoSpessore, *atteso.rapportoSpessore);
  QCOMPARE(r.fattoreCarico, atteso.fattoreCarico);
  QCOMPARE(r.meccanismo, atteso.meccanismo);
  QCOMPARE(r.posizioni.size(), atteso.posizioni.size());
  QCOMPARE(r.spessoreMinimo, atteso.spessoreMinimo);
  const Regional& reg = b.s().regional;
  auto testo = [&](double v) { return QString::fromStdString(TestoFattore(reg, v)); };
  QCOMPARE(Valore(f, "Admissible"), QString("yes"));
  QCOMPARE(Valore(f, "Depth ratio 1/s"), testo(*atteso.fattoreGeometrico));
  QCOMPARE(Valore(f, "Geometric factor of safety t/tmin"), testo(*atteso.fattoreSpessore));
  QCOMPARE(Valore(f, "Least thrust [kN]"), QString::fromStdString(TestoKn(reg, *atteso.spintaMinima)));
  QCOMPARE(Valore(f, "Live-load factor"), atteso.fattoreCarico ? testo(*atteso.fattoreCarico) : QString("no collapse"));
  QCOMPARE(Valore(f, "Minimum thickness [m]"), QString::fromStdString(TestoMetri(reg, *atteso.spessoreMinimo)));
  // The examples' every figure is proven, on the dense path or with CLP.
  QVERIFY2(Valore(f, "Certified").startsWith("all ("), qPrintable(Valore(f, "Certified")));
  // One format for each kind of figure: factors and lengths with three
  // decimals (more only where a factor beside 1 needs them to stay on its
  // side of 1), forces with two, never digit groups.
  const QRegularExpression tre("^-?\\d+,\\d{3}$"), due("^-?\\d+,\\d{2}$");
  for (const char* fig : {"Depth ratio 1/s", "Minimum thickness [m]", "Geometric factor of safety t/tmin"})
    QVERIFY2(tre.match(Valore(f, fig)).hasMatch(), qPrintable(Valore(f, fig)));
  QVERIFY2(due.match(Valore(f, "Least thrust [kN]")).hasMatch(), qPrintable(Valore(f, "Least thrust [kN]")));
  QCOMPARE(f->lblStato->text().left(9), QString("Assessed:"));
  // The verdict stands above the figures, in words and a sign, not in colour alone.
  QVERIFY(f->lblVerdetto->isVisible());
  QVERIFY(f->lblVerdetto->geometry().bottom() <= f->tabella->mapTo(f, QPoint(0, 0)).y());
  const QString verdetto = f->lblVerdetto->accessibleName();
  QVERIFY2(verdetto.startsWith(f->adeguatezza().adeguato() ? QString("\u2714 ADEQUATE") : QString("\u2718 NOT ADEQUATE")),
           qPrintable(verdetto));
  QVERIFY(!f->progresso->isVisible());
  for (int i = 0; i < f->tabella->rowCount(); ++i) {
    const QString t = f->tabella->item(i, 1)->text().toLower();
    QVERIFY2(!t.contains("nan") && !t.contains("inf"), qPrintable(t));
  }
}

void TestSicurezza::disegnaMeccanismoESpostamento() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  FinestraSicurezza* f = Valuta(b);
  QVERIFY(f);
  QVERIFY(f->risultati().fattoreCarico);
  // The two thrust lines and both kinds of hinge on the arch; the factors on the chart.
  const QImage arco = f->areaArco->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QVERIFY(Pixel(arco, QColor(0, 0, 255)) > 50);    // least eccentricity
  QVERIFY(Pixel(arco, QColor(255, 0, 255)) > 50);  // collapse
  QVERIFY(Pixel(arco, QColor(0, 192, 0)) > 10);    // intrados hinges
  QVERIFY(Pixel(arco, QColor(0, 255, 255)) > 10);  // extrados hinges
  const QImage grafico = f->areaGrafico->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QVERIFY(Pixel(grafico, QColor(0, 0, 255)) > 50);
  QVERIFY(Pixel(grafico, QColor(255, 0, 255)) > 4);  // the least factor's mark
}

void TestSicurezza::posizioniEPericoloLeggibili() {
  // The shallow example: its worst position at the left end, as a range of
  // metres in the format of the other lengths.
  Banco b;
  b.avvia({b.esempio("arco-ribassato-spinta.vro")});
  FinestraSicurezza* f = Valuta(b);
  QVERIFY(f);
  QCOMPARE(Valore(f, "Worst position [m]"), QString("-0,300 to 4,700"));
  QCOMPARE(Valore(f, "Worst live-load factor"), QString("1313,662"));

  // Ten times the variable load: the arch cannot carry it; said in the
  // status line, on red, and the figure in red.
  Banco p;
  p.avvia({p.esempio("ponte-stradale.vro")});
  p.s().dati.qCarico *= 10;
  f = Valuta(p);
  QVERIFY(f);
  QVERIFY2(f->lblStato->text().startsWith("UNSAFE: live-load factor "), qPrintable(f->lblStato->text()));
  QVERIFY(f->lblStato->styleSheet().contains("background"));
  for (int i = 0; i < f->tabella->rowCount(); ++i)
    if (f->tabella->item(i, 0)->text() == "Worst live-load factor")
      QCOMPARE(f->tabella->item(i, 1)->foreground().color(), QColor(0xc0, 0, 0));
}

void TestSicurezza::stopEGeometriaSbagliata() {
  Banco b;
  b.avvia({b.esempio("volta-semicircolare.vro")});
  b.finestra->MostraGeometria();
  b.finestra->formGeometria()->cbPltGeom->click();
  QCoreApplication::processEvents();
  b.finestra->azione("mnuAssess")->trigger();
  FinestraSicurezza* f = b.finestra->finestraSicurezza();
  QVERIFY(f);
  if (f->inCorso()) {
    f->cmdStop->click();
    QVERIFY(!f->inCorso());
    QCOMPARE(f->lblStato->text(), QString("Stopped"));
  }
  QVERIFY(b.messaggi.empty());

  // A geometry that has not been built cannot be assessed: the message of
  // the geometry, no new figures.
  QPointer<FinestraSicurezza> prima = b.finestra->finestraSicurezza();
  b.s().dati.FrecciaAnello = 7;
  b.finestra->MostraSicurezza();
  QCOMPARE(b.finestra->finestraSicurezza(), prima.data());
  QVERIFY(b.messaggi.entries().back().text.rfind("Error: Check Geometry", 0) == 0);
}

// Figures that no longer match the data (another geometry, New) are closed
// or marked stale with the vehicle's slider stopped; the masonry's strength
// and the title block do not expire the three-hinge results, which never
// read them.
void TestSicurezza::risultatiVecchiNonRestanoValidi() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  QPointer<FinestraSicurezza> f = Valuta(b);
  QVERIFY(f);
  // The geometry read again unchanged: the figures still belong to it.
  b.finestra->MostraGeometria();
  b.finestra->formGeometria()->cbPltGeom->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(f);
  const QString titolo = f->windowTitle();
  // A thickness typed and not yet read: the figures are marked, the window stays.
  b.finestra->MostraGeometria();
  FormGeometria* geo = b.finestra->formGeometria();
  QTest::keyClicks(geo->txt1Voro[2], "1");
  QVERIFY(f);
  QVERIFY(f->windowTitle() != titolo);
  QVERIFY(!f->tabella->isEnabled());
  // Read: they belong to another arch and close.
  geo->cbPltGeom->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!f);

  // Solved and assessed again, then only fc and the title change.
  b.finestra->Risolvi();
  QSignalSpy calcolo(b.finestra.get(), &FinestraPrincipale::calcoloConcluso);
  QVERIFY(calcolo.wait(60000));
  QVERIFY(b.finestra->RisultatiValidi());
  f = Valuta(b);
  QVERIFY(f);
  b.s().dati.ResistenzaAnello = 5;
  b.s().dati.Titolo = "Lodz";
  b.finestra->DatiCambiati();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!f);
  QVERIFY(b.finestra->RisultatiValidi());
  // New closes them too.
  f = Valuta(b);
  QVERIFY(f);
  b.finestra->FileNuovo();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!f);
}

// The road bridge with LM1 tandem 1:2, fc 5 and friction 0.6: the status
// line states these hypotheses, the table carries the vehicle's figures (and
// so does Ctrl+C), and the slider's line marks the crushing hinges as the
// table does. No figure groups its digits.
void TestSicurezza::veicoloEIpotesiNellaTabella() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  b.s().dati.VeicoloCarico = Veicolo{"LM1 tandem", {{300, 0, 0.4f}, {300, 1.2f, 0.4f}}, 2, 0.4f};
  b.s().dati.DiffusioneCarico = *LeggiDiffusione("1:2");
  b.s().dati.ResistenzaAnello = 5;
  b.s().dati.Attrito = 0.6f;
  FinestraSicurezza* f = Valuta(b);
  QVERIFY(f);
  const QString stato = f->lblStato->text();
  QVERIFY2(stato.contains("fc = 5,000 MPa") && stato.contains("friction \u03bc = 0,600") && !stato.contains("rigid") &&
               !stato.contains("no sliding"),
           qPrintable(stato));
  QVERIFY(Valore(f, "Hypotheses").startsWith("fc = 5,000 MPa"));

  const RisultatiVeicolo& v = f->veicoloValutato();
  QVERIFY(v.fattorePeggiore);
  QCOMPARE(Valore(f, "Vehicle"), QString("LM1 tandem"));
  QCOMPARE(Valore(f, "Vehicle's worst live-load factor"), QString::fromStdString(TestoFattore(b.s().regional, *v.fattorePeggiore)));
  const QString meccanismo = QString::fromStdString(TestoCerniere(v.meccanismo, nullptr));
  QCOMPARE(Valore(f, "Vehicle's mechanism"), meccanismo);
  QVERIFY2(meccanismo.contains("c"), qPrintable(meccanismo));  // fc 5: the masonry crushes
  QCOMPARE(Valore(f, "Vehicle's axle loads at collapse [kN]").count(';'), 1);
  QVERIFY(Valore(f, "Vehicle's worst position [m]").contains(QString::fromStdString(TestoMetri(b.s().regional, v.xPeggiore))));
  const QString riga = f->pannelloVeicolo->lblPosizione->text();
  QVERIFY2(riga.contains(meccanismo), qPrintable(riga));
  // Characteristic figures and the design verdict each say which they are.
  QVERIFY(riga.startsWith("Characteristic loads, first axle at x = "));
  QVERIFY(f->lblVerdetto->text().contains("design loads and strength"));

  f->tabella->selectAll();
  f->tabella->setFocus();
  QTest::keyClick(f->tabella, Qt::Key_C, Qt::ControlModifier);
  QVERIFY(QGuiApplication::clipboard()->text().contains("Vehicle's worst live-load factor"));

  // A factor above a thousand is never grouped: 1049 is not "1,049" nor "1.049".
  const QRegularExpression gruppi("\\d[.,]\\d{3}[.,]\\d");
  QVERIFY(!riga.contains(gruppi));
  QCOMPARE(QString::fromStdString(b.s().regional.FormattaNumero(4, 1049.0)), QString(" 1049"));
}

QTEST_MAIN(TestSicurezza)
#include "test_sicurezza.moc"
