// The program in one language at a time: every window, menu, tip and
// message of the Italian program is Italian, of the English program English.
// A text added without its translation, or left out of tr(), turns this red.
#include <QAbstractButton>
#include <QComboBox>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>

#include "Banco.h"
#include "ui/Aiuto.h"
#include "ui/DialogoMuratura.h"
#include "ui/DialogoNormativa.h"
#include "ui/DialogoVeicolo.h"
#include "ui/FinestraPlot.h"
#include "ui/FinestraSicurezza.h"
#include "ui/FormCarichi.h"
#include "ui/FormInfo.h"
#include "ui/FormOpzioni.h"
#include "ui/FormRisultati.h"

using namespace voro;
using namespace voro::ui;
using namespace voro::ui::test;

namespace {

// Words that give a sentence away as English or as Italian; symbols,
// units and names common to both ("File", "Stop", "Kp", "xq1") are neither.
const QStringList kInglesi{"the",  "of",   "and",  "with", "to",    "is",     "not",    "from",   "by",
                           "at",   "for",  "must", "has",  "been",  "cannot", "there",  "open",   "save",
                           "load", "loads", "thrust", "span", "rise", "thickness", "width", "solve", "report",
                           "assess", "geometry", "options", "help", "new", "exit", "view", "plot", "print",
                           "search", "ready", "solved", "left", "right", "crown", "springing", "voussoirs",
                           "none", "yes", "value", "figure", "mechanism", "admissible", "automatic", "scale",
                           "number", "segments", "error", "check", "results", "window", "language", "about"};
const QStringList kItaliani{"il",    "della", "dell",   "di",      "non",     "è",      "del",     "delle",
                            "degli", "la",    "lo",     "gli",     "che",     "per",    "con",     "sono",
                            "carico", "carichi", "spessore", "luce", "freccia", "larghezza", "conci",
                            "imposta", "chiave", "geometria", "relazione", "verifica", "calcolo", "risolvi",
                            "apri", "salva", "nuovo", "esci", "guida", "lingua", "errore", "controllare",
                            "risultati", "nessun", "nessuna", "sì", "valore", "meccanismo", "ammissibile",
                            "numero", "segmenti", "spinta", "pronto", "scala", "sinistra", "destra"};

// The words of a text, lower case, without the menus' accelerator marks.
QStringList Parole(QString testo) {
  testo.remove('&');
  return testo.toLower().split(QRegularExpression("[^\\p{L}]+"), Qt::SkipEmptyParts);
}

// The texts the engineer reads in a window: captions, labels, buttons,
// frames, tips, tab and column titles, menus and toolbars. The language menu
// names each language in its own words, the language form speaks both.
QStringList Testi(QWidget* radice) {
  QStringList t;
  auto aggiungi = [&t](const QString& s) {
    if (!s.trimmed().isEmpty()) t << s;
  };
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

// Every window of the program on the bridge example, with the messages of a
// typing mistake, of a missing file and of a report asked for too soon.
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
  b.finestra->azione("mnuAssess")->trigger();
  FinestraSicurezza* s = b.finestra->finestraSicurezza();
  if (!s) return {};
  QSignalSpy fine(s, &FinestraSicurezza::concluso);
  if (s->inCorso()) fine.wait(60000);
  if (!s->valutata()) return {};
  t << Testi(b.finestra.get());
  b.finestra->azione("mnuAiutoItem0")->trigger();
  if (auto* a = b.finestra->findChild<Aiuto*>()) t << Testi(a);
  FormInfo info(b.s().msg(), b.finestra.get());
  t << Testi(&info);
  // The dialogs of the masonry, the code basis and the vehicle, the code
  // basis with its presets named in the combo box.
  DialogoMuratura muratura(b.s().dati, b.s().msg(), b.finestra.get());
  t << Testi(&muratura);
  DialogoNormativa normativa(b.finestra.get());
  normativa.ScriveDatiInForm(b.s().dati);
  t << Testi(&normativa);
  for (QComboBox* c : normativa.findChildren<QComboBox*>())
    for (int i = 0; i < c->count(); ++i) t << c->itemText(i);
  DialogoVeicolo veicolo(b.s(), b.finestra.get());
  t << Testi(&veicolo);
  for (const auto& m : b.messaggi.entries()) t << QString::fromStdString(m.text) << QString::fromStdString(m.title);
  t << DomandaModifiche("") << DomandaModifiche("ponte");
  return t;
}

}  // namespace

class TestLingue : public QObject {
  Q_OBJECT
 private slots:
  void ogniTestoNellaLingua_data();
  void ogniTestoNellaLingua();
  void cambioSenzaRiavvio();
  void messaggiDelCalcolo();
};

void TestLingue::ogniTestoNellaLingua_data() {
  QTest::addColumn<bool>("italiano");
  QTest::newRow("ITA") << true;
  QTest::newRow("ENG") << false;
}

void TestLingue::ogniTestoNellaLingua() {
  QFETCH(bool, italiano);
  Banco b(italiano ? "ITA" : "ENG");
  const QStringList testi = Giro(b);
  QVERIFY(testi.size() > 150);
  QVERIFY(b.messaggi.entries().size() >= 4);
  if (qEnvironmentVariableIsSet("VORO_TESTI")) qDebug().noquote() << testi.join("\n");
  const QStringList fuori = Estranei(testi, italiano);
  QVERIFY2(fuori.isEmpty(), qPrintable(fuori.join("\n")));
}

void TestLingue::cambioSenzaRiavvio() {
  // Chosen in the menu, the language takes the menus, the toolbar and the
  // caption at once; the message numbers stay.
  Banco b("ENG");
  b.avvia({b.esempio("ponte-stradale.vro")});
  QVERIFY(b.risolvi());
  b.finestra->MostraGeometria();
  b.finestra->MostraRisultati();
  // With a vehicle, so that its page, rows and slider line are read too.
  b.s().dati.VeicoloCarico = Veicolo{"LM1 tandem", {{300, 0, 0.4f}, {300, 1.2f, 0.4f}}, 2, 0.4f};
  b.s().dati.ResistenzaAnello = 5;
  b.finestra->DatiCambiati();
  b.finestra->azione("mnuAssess")->trigger();
  QTRY_VERIFY_WITH_TIMEOUT(b.finestra->finestraSicurezza()->valutata(), 60000);
  b.finestra->azione("mnuLingua0")->trigger();
  QTRY_VERIFY(Estranei(Testi(b.finestra->menuBar()), true).isEmpty());
  // The open windows too, opened afresh in the new language.
  QTRY_COMPARE(b.finestra->formGeometria()->cbPltGeom->text(), QString("&Avanti -->"));
  QVERIFY(Estranei(Testi(b.finestra->formGeometria()), true).isEmpty());
  QVERIFY(Estranei(Testi(b.finestra->formRisultati()), true).isEmpty());
  QCOMPARE(b.finestra->formRisultati()->Grid1->item(0, 0)->text(), QString("Sez."));
  QCOMPARE(b.finestra->finestraPlot()->windowTitle(), QString("Disegno"));
  // The Safety window too: its widgets and its drawings in one language.
  QTRY_VERIFY_WITH_TIMEOUT(b.finestra->finestraSicurezza() && b.finestra->finestraSicurezza()->valutata(), 60000);
  QCOMPARE(b.finestra->finestraSicurezza()->windowTitle(), QString("Sicurezza"));
  QVERIFY(Estranei(Testi(b.finestra->finestraSicurezza()), true).isEmpty());
  QVERIFY(b.finestra->RisultatiValidi());
  QVERIFY(Estranei(Testi(b.finestra->findChild<QToolBar*>("Toolbar1")), true).isEmpty());
  QVERIFY(b.finestra->Didascalia().startsWith("Verifica di archi"));
  b.finestra->azione("mnuLingua1")->trigger();
  QTRY_VERIFY(Estranei(Testi(b.finestra->menuBar()), false).isEmpty());
  QVERIFY(b.finestra->Didascalia().startsWith("Arch assessment"));
}

void TestLingue::messaggiDelCalcolo() {
  // The search asked for with no steps fails in the calculation, off the
  // window thread: its message in the program's language, with its number's words.
  for (const bool italiano : {true, false}) {
    Banco b(italiano ? "ITA" : "ENG");
    b.avvia({b.esempio("ponte-stradale.vro")});
    b.s().dati.OttimizzaCerniere = true;
    b.s().dati.nDivisioni = 0;
    b.finestra->DatiCambiati();
    QVERIFY(!b.risolvi());
    QStringList testi;
    for (const auto& m : b.messaggi.entries()) testi << QString::fromStdString(m.text);
    const QString atteso = italiano ? "Errore: Overflow in CalcoloMain" : "Error: Overflow in CalcoloMain";
    QVERIFY2(testi.contains(atteso), qPrintable(testi.join(" | ")));
    QVERIFY2(Estranei(testi, italiano).isEmpty(), qPrintable(Estranei(testi, italiano).join("\n")));
  }
}

QTEST_MAIN(TestLingue)
#include "test_lingue.moc"
