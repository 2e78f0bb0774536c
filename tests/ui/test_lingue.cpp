// Every window, menu, tip and message of the Italian program is Italian, of the
// English program English: a text left untranslated, or out of tr(), turns this red.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QToolBar>

#include "Banco.h"
#include "ui/Aiuto.h"
#include "ui/DialogoMuratura.h"
#include "ui/DialogoNormativa.h"
#include "ui/DialogoVeicolo.h"
#include "ui/FormInfo.h"

namespace voro::ui::test {

// Words that give a text away as English or Italian (not "File", "Stop", "Kp").
const QStringList kInglesi = QString(
    "the of and with to is not from by at for must has been cannot there open save load loads thrust span rise "
    "thickness width solve report assess geometry options help new exit view plot print search ready solved left "
    "right crown springing voussoirs none yes value figure mechanism admissible automatic scale number segments "
    "error check results window language about").split(' ');
const QStringList kItaliani = QString::fromUtf8(
    "il della dell di non è del delle degli la lo gli che per con sono carico carichi spessore luce freccia "
    "larghezza conci imposta chiave geometria relazione verifica calcolo risolvi apri salva nuovo esci guida lingua "
    "errore controllare risultati nessun nessuna sì valore meccanismo ammissibile numero segmenti spinta pronto "
    "scala sinistra destra").split(' ');

// The words of a text, lower case, without the menus' accelerator marks.
QStringList Parole(QString testo) {
  testo.remove('&');
  return testo.toLower().split(QRegularExpression("[^\\p{L}]+"), Qt::SkipEmptyParts);
}

// The texts a person reads in a window, but the language menu and form, which speak both.
QStringList Testi(QWidget* radice) {
  QStringList t;
  auto aggiungi = [&t](const QString& s) { t << s.trimmed(); };
  QList<QWidget*> widget = radice->findChildren<QWidget*>();
  widget.prepend(radice);
  for (QWidget* w : widget) {
    if (w->objectName() == "mnuLingua" || w->objectName() == "frmLingua") continue;
    if (w->isWindow() || qobject_cast<QMdiSubWindow*>(w)) aggiungi(w->windowTitle());
    aggiungi(w->toolTip());
    if (auto* l = qobject_cast<QLabel*>(w)) aggiungi(l->text());
    if (auto* b = qobject_cast<QAbstractButton*>(w)) aggiungi(b->text());
    if (auto* g = qobject_cast<QGroupBox*>(w)) aggiungi(g->title());
    if (auto* e = qobject_cast<QLineEdit*>(w)) aggiungi(e->placeholderText());
    if (auto* s = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < s->count(); ++i) aggiungi(s->tabText(i));
    if (auto* g = qobject_cast<QTableWidget*>(w)) {
      for (int c = 0; c < g->columnCount(); ++c)
        if (g->horizontalHeaderItem(c)) aggiungi(g->horizontalHeaderItem(c)->text());
      for (int r = 0; r < g->rowCount(); ++r)
        for (int c = 0; c < g->columnCount(); ++c)
          if (g->item(r, c)) aggiungi(g->item(r, c)->text());
    }
    if (qobject_cast<QMenu*>(w) || qobject_cast<QMenuBar*>(w) || qobject_cast<QToolBar*>(w))
      for (QAction* a : w->actions()) {
        if (a->objectName().startsWith("mnuLingua") || a->objectName().startsWith("mnuFileItem")) {
          // The recent files are names, not words of the program.
          if (!a->objectName().startsWith("mnuFileItem") || a->data().toString().isEmpty()) aggiungi(a->text());
          continue;
        }
        aggiungi(a->text());
        aggiungi(a->toolTip());
      }
  }
  t.removeAll("");
  return t;
}

// The texts in the wrong language, each with the word that gives it away.
QStringList Estranei(const QStringList& testi, bool italiano) {
  const QStringList& altra = italiano ? kInglesi : kItaliani;
  QStringList fuori;
  for (const QString& t : testi)
    for (const QString& p : Parole(t))
      if (altra.contains(p)) {
        fuori << QString("%1  [%2]").arg(t, p);
        break;
      }
  return fuori;
}

// Every window on the bridge, with messages of a typo, a missing file, an early
// report and a search of no steps that fails off the window thread.
QStringList Giro(Banco& b) {
  QStringList t;
  b.finestra->resize(1280, 900);
  b.avvia({b.esempio("ponte-stradale.vro")});
  // The menus take the language once the start has ended.
  QTest::qWait(50);
  t << Testi(b.finestra.get());
  b.finestra->MostraCarichi();
  b.finestra->MostraOpzioni();
  t << Testi(b.finestra.get());
  // Messages before any result.
  b.finestra->MostraRisultati();
  b.finestra->ApriRecente(b.utente.filePath("manca.vro"));
  FormGeometria* g = b.finestra->formGeometria();
  g->txt1Voro[0]->setText("abc");
  g->txtNvori->setText("0");
  g->Impagina(0);
  g->txtNvori->setText("1");
  g->LeggeDatiGeom();
  g->txt1Voro[0]->setText(QString::fromStdString(b.s().regional.TestoSingle(b.s().dati.LuceAnello)));
  const bool risolto = b.risolvi();
  b.finestra->MostraRisultati();
  if (!risolto || !b.finestra->formRisultati()) return {};
  b.comando("mnuAssess");
  if (!QTest::qWaitFor([&] { return b.finestra->finestraSicurezza() && b.finestra->finestraSicurezza()->valutata(); },
                       60000))
    return {};
  t << Testi(b.finestra.get());
  b.comando("mnuAiutoItem0");
  if (auto* a = b.finestra->findChild<Aiuto*>()) t << Testi(a);
  FormInfo info(b.s().msg(), b.finestra.get());
  t << Testi(&info);
  // The dialogs of masonry, code basis (its presets too) and vehicle.
  DialogoMuratura muratura(b.s().dati, b.s().msg(), b.finestra.get());
  t << Testi(&muratura);
  DialogoNormativa normativa(b.finestra.get());
  normativa.ScriveDatiInForm(b.s().dati);
  t << Testi(&normativa);
  for (QComboBox* c : normativa.findChildren<QComboBox*>())
    for (int i = 0; i < c->count(); ++i) t << c->itemText(i);
  DialogoVeicolo veicolo(b.s(), b.finestra.get());
  t << Testi(&veicolo);
  b.s().dati.OttimizzaCerniere = true;
  b.s().dati.nDivisioni = 0;
  b.finestra->DatiCambiati();
  if (b.risolvi()) return {};
  for (const auto& m : b.messaggi.entries()) t << QString::fromStdString(m.text) << QString::fromStdString(m.title);
  t << DomandaModifiche("") << DomandaModifiche("ponte");
  t.removeAll("");
  return t;
}

class TestLingue : public QObject {
  Q_OBJECT

 private slots:
  void ogniTestoNellaLingua_data() {
    QTest::addColumn<bool>("italiano");
    QTest::newRow("ITA") << true;
    QTest::newRow("ENG") << false;
  }
  void ogniTestoNellaLingua() {
    QFETCH(bool, italiano);
    Banco b(italiano ? "ITA" : "ENG");
    const QStringList testi = Giro(b);
    QVERIFY(testi.size() > 150 && b.messaggi.entries().size() >= 5);
    QVERIFY(testi.contains(italiano ? "Errore: Overflow in CalcoloMain" : "Error: Overflow in CalcoloMain"));
    if (qEnvironmentVariableIsSet("VORO_TESTI")) qDebug().noquote() << testi.join("\n");
    const QStringList fuori = Estranei(testi, italiano);
    QVERIFY2(fuori.isEmpty(), qPrintable(fuori.join("\n")));
  }
  // Chosen in the menu, the language takes every window at once, with a
  // vehicle's page, rows and slider line; the results stay.
  void cambioSenzaRiavvio() {
    Banco b("ENG", "ponte-stradale.vro");
    auto* w = b.finestra.get();
    QVERIFY(b.risolvi());
    w->MostraGeometria();
    w->MostraRisultati();
    b.s().dati.VeicoloCarico = kTandem;
    b.s().dati.ResistenzaAnello = 5;
    w->DatiCambiati();
    b.comando("mnuAssess");
    QTRY_VERIFY_WITH_TIMEOUT(w->finestraSicurezza()->valutata(), 60000);
    b.comando("mnuLingua0");
    QTRY_VERIFY_WITH_TIMEOUT(w->finestraSicurezza() && w->finestraSicurezza()->valutata(), 60000);
    QTRY_VERIFY2(Estranei(Testi(w), true).isEmpty(), qPrintable(Estranei(Testi(w), true).join('\n')));
    QCOMPARE(QStringList({w->formGeometria()->cbPltGeom->text(), w->formRisultati()->Grid1->item(0, 0)->text(),
                          w->finestraPlot()->windowTitle(), w->finestraSicurezza()->windowTitle()}),
             QStringList({"&Avanti -->", "Sez.", "Disegno", "Sicurezza"}));
    QVERIFY(w->RisultatiValidi() && w->Didascalia().startsWith("Verifica di archi"));
    b.comando("mnuLingua1");
    QTRY_VERIFY(Estranei(Testi(w->menuBar()), false).isEmpty());
    QVERIFY(w->Didascalia().startsWith("Arch assessment"));
  }
};

}  // namespace voro::ui::test

QTEST_MAIN(voro::ui::test::TestLingue)
#include "test_lingue.moc"
