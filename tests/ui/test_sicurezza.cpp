// The Safety window: the Assess command runs off the window thread with the
// sweep's progress, shows the core's figures, draws the mechanism and the
// sweep, stops on request and closes when the project changes.
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "Banco.h"
#include "arch/CostruisciModello.h"
#include "data/CifreCoerenti.h"
#include "data/ProjectFile.h"
#include "limite/Valutazione.h"
#include "ui/FinestraSicurezza.h"
#include "ui/FormGeometria.h"

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

// Geometry Next, then Assess; the window when it has finished.
FinestraSicurezza* Valuta(Banco& b, bool* riuscito = nullptr) {
  b.finestra->MostraGeometria();
  b.finestra->formGeometria()->cbPltGeom->click();
  QCoreApplication::processEvents();
  b.finestra->azione("mnuAssess")->trigger();
  FinestraSicurezza* f = b.finestra->finestraSicurezza();
  if (!f) return nullptr;
  QSignalSpy fine(f, &FinestraSicurezza::concluso);
  if (!f->inCorso() && fine.isEmpty()) return f;
  if (!fine.wait(60000)) return nullptr;
  if (riuscito) *riuscito = fine.at(0).at(0).toBool();
  return f;
}

QString Valore(FinestraSicurezza* f, const QString& figura) {
  for (int i = 0; i < f->tabella->rowCount(); ++i)
    if (f->tabella->item(i, 0)->text() == figura) return f->tabella->item(i, 1)->text();
  return "?";
}

// How many pixels of the picture have about this colour (lines may be smoothed).
int Pixel(const QImage& img, QColor c) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor p = img.pixelColor(x, y);
      n += std::abs(p.red() - c.red()) < 40 && std::abs(p.green() - c.green()) < 40 && std::abs(p.blue() - c.blue()) < 40;
    }
  return n;
}

}  // namespace

class TestSicurezza : public QObject {
  Q_OBJECT

 private slots:
  void mostraIValoriDelNucleo_data();
  void mostraIValoriDelNucleo();
  void disegnaMeccanismoESpostamento();
  void siChiudeQuandoCambiaIlProgetto();
  void stopEGeometriaSbagliata();
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
  auto testo = [&](double v) { return QString::fromStdString(Spoglio(b.s().regional.FormattaNumero(5, v))); };
  QCOMPARE(Valore(f, "Admissible"), QString("yes"));
  auto fattore = [&](double v) {
    return QString::fromStdString(b.s().regional.Formatta(v, FormatoDecimali(DecimaliCoerenti(v, 3))));
  };
  QCOMPARE(Valore(f, "Depth ratio 1/s"), fattore(*atteso.fattoreGeometrico));
  QCOMPARE(Valore(f, "Geometric factor of safety t/tmin"), fattore(*atteso.fattoreSpessore));
  QCOMPARE(Valore(f, "Least thrust [kN]"), testo(*atteso.spintaMinima));
  QCOMPARE(Valore(f, "Live-load factor"), atteso.fattoreCarico ? fattore(*atteso.fattoreCarico) : QString("no collapse"));
  // The verdict stands above the figures, in words and a sign, not in colour alone.
  QVERIFY(f->lblVerdetto->isVisible());
  QVERIFY(f->lblVerdetto->geometry().bottom() <= f->tabella->mapTo(f, QPoint(0, 0)).y());
  const QString verdetto = f->lblVerdetto->accessibleName();
  QVERIFY2(verdetto.startsWith(f->adeguatezza().adeguato() ? QString("\u2714 ADEQUATE") : QString("\u2718 NOT ADEQUATE")),
           qPrintable(verdetto));
  QCOMPARE(Valore(f, "Minimum thickness [m]"), testo(*atteso.spessoreMinimo));
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

void TestSicurezza::siChiudeQuandoCambiaIlProgetto() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  QPointer<FinestraSicurezza> f = Valuta(b);
  QVERIFY(f);
  // The geometry read again unchanged: the figures still belong to it.
  b.finestra->MostraGeometria();
  b.finestra->formGeometria()->cbPltGeom->click();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(f);
  // A thicker fill: they no longer do, solved or not.
  b.s().dati.hRiempimento += 0.1f;
  b.finestra->DatiCambiati();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!f);
  f = Valuta(b);
  QVERIFY(f);
  b.finestra->FileNuovo();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QVERIFY(!f);
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

QTEST_MAIN(TestSicurezza)
#include "test_sicurezza.moc"
