// The calculation report from the windows: printed through the preview,
// saved as text, exported as PDF and HTML, with the regional numbers, and
// without results that no longer belong to the data.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include "Banco.h"
#include "Sicurezza.h"
#include "report/NumeriRapporto.h"
#include "ui/FinestraSicurezza.h"
#include "ui/FormInfo.h"
#include "ui/FormGeometria.h"

using namespace voro;
using namespace voro::ui;
using namespace voro::ui::test;

namespace {

// File > Output File (TXT) into the user's folder; the text written.
QString Testo(Banco& b, const QString& nome = "rapporto.txt") {
  const QString percorso = b.utente.filePath(nome);
  b.dialoghi.nomi.push_back(percorso);
  b.finestra->azione("mnuFileItem5")->trigger();
  return QString::fromUtf8(Contenuto(percorso));
}

// The version the build sets once, in the project's CMakeLists.txt.
QString VersioneDelProgetto() {
  const QString cmake = QString::fromUtf8(Contenuto(SorgenteVoro() + "/CMakeLists.txt"));
  return QRegularExpression(R"(project\(Voro VERSION (\d+\.\d+\.\d+))").match(cmake).captured(1);
}

}  // namespace

class TestRapporto : public QObject {
  Q_OBJECT

 private slots:
  void testoConINumeriRegionali();
  void esportaPdfEHtml();
  void stampaConAnteprima();
  void risultatiDiAltriDati();
  void calcoloFallito();
  void senzaGeometria();
  void ilVeicoloNelRapporto();
  void versioneDelProgetto();
  void cartellaNonScrivibile();
};

void TestRapporto::testoConINumeriRegionali() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  QVERIFY(b.risolvi());
  const QString testo = Testo(b);
  // The save dialog proposes the project's name with the text extension.
  QCOMPARE(b.dialoghi.richieste.back().proposto, QString("ponte-stradale.txt"));
  QCOMPARE(b.dialoghi.richieste.back().preselezionato, QString("Text Files (*.txt)"));
  for (const char* parte : {"Calculation report", "Ponte stradale ad arco", "ponte-stradale.vro", "Engineer:",
                            "Input data", "hypotheses", "Sections", "Force a tie", "Figure 2:"})
    QVERIFY2(testo.contains(parte), parte);
  // Italian settings: decimal commas, the same digits as the tables print.
  const NumeriRapporto num(b.s().regional);
  const auto& r = b.s().risultati;
  QVERIFY(testo.contains(QString::fromStdString(num.kN(r.HSinistra))));
  QVERIFY(QString::fromStdString(num.kN(r.HSinistra)).contains(','));
  QVERIFY(testo.contains(QString::fromStdString(num.MPa(r.SigmaEstPeggiore))));
  QVERIFY(!testo.contains("nan", Qt::CaseInsensitive) && !testo.contains("inf ", Qt::CaseInsensitive));
  QVERIFY(b.messaggi.empty());
}

void TestRapporto::esportaPdfEHtml() {
  Banco b;
  b.avvia({b.esempio("volta-semicircolare.vro")});
  QVERIFY(b.risolvi());
  const QString pdf = b.utente.filePath("rapporto.pdf"), html = b.utente.filePath("rapporto.html");
  b.dialoghi.nomi << pdf << html << b.utente.filePath("senza-estensione");
  for (int i = 0; i < 3; ++i) b.finestra->azione("mnuFileEsportaRapporto")->trigger();
  QCOMPARE(b.dialoghi.richieste.back().proposto, QString("volta-semicircolare.pdf"));
  QVERIFY(Contenuto(pdf).startsWith("%PDF-"));
  // A name without extension gets the PDF's.
  QVERIFY(Contenuto(b.utente.filePath("senza-estensione.pdf")).startsWith("%PDF-"));
  const QByteArray pagina = Contenuto(html);
  QXmlStreamReader xml(pagina);
  int svg = 0;
  while (!xml.atEnd())
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("svg")) ++svg;
  QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
  QCOMPARE(svg, 2);  // the geometry and the results, inline
  QVERIFY(pagina.contains("Volta a botte semicircolare"));
  QVERIFY(b.messaggi.empty());
  // The folder of the last export is where the next dialog starts.
  QCOMPARE(QString::fromStdString(b.s().stato.CartellaDati), b.utente.path());
}

void TestRapporto::stampaConAnteprima() {
  Banco b;
  b.avvia({b.esempio("arco-ribassato-spinta.vro")});
  QVERIFY(b.risolvi());
  // Cancelled in the print dialog: nothing printed, nothing said.
  b.finestra->azione("mnuFileItem4")->trigger();
  QCOMPARE(b.dialoghi.anteprime, 1);
  QVERIFY(b.messaggi.empty());
  b.dialoghi.stampaAccettata = true;
  b.dialoghi.filePdf = b.utente.filePath("stampa.pdf");
  b.finestra->azione("mnuFileItem4")->trigger();
  QCOMPARE(b.dialoghi.anteprime, 2);
  const QByteArray stampa = Contenuto(b.dialoghi.filePdf);
  QVERIFY(stampa.startsWith("%PDF-"));
  QVERIFY(stampa.size() > 20000);
  QVERIFY(b.messaggi.empty());
}

void TestRapporto::risultatiDiAltriDati() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  QVERIFY(b.risolvi());
  QVERIFY(Testo(b).contains("Passive pressure resultants"));
  // The loads form read with another load: the results belong to the old one.
  const Single q = b.s().dati.qCarico;
  b.s().dati.qCarico = q + 5;
  const QString testo = Testo(b, "altro.txt");
  QVERIFY(testo.contains("No results: the data have changed since the last solution"));
  QVERIFY(!testo.contains("Passive pressure resultants"));
  QVERIFY(testo.contains("Voussoirs of the ring"));  // the model stands
  b.s().dati.qCarico = q;
  QVERIFY(Testo(b, "di-nuovo.txt").contains("Passive pressure resultants"));
  // The masonry's strength, the code basis and the title block change no
  // three-hinge figure: the results stay in the report.
  b.s().dati.ResistenzaAnello = 5;
  b.s().dati.Normativa.coefficienti.gM = 2;
  b.s().dati.Titolo = "Ponte sul Serio";
  b.finestra->DatiCambiati();
  QVERIFY(Testo(b, "resistenza.txt").contains("Passive pressure resultants"));
  QVERIFY(!Testo(b, "non-valutato.txt").contains("Safety assessment"));

  // Assess: a finished assessment goes into the report, with its figures.
  FinestraSicurezza* f = Valuta(b);
  QVERIFY(f && f->valutata());
  const QString valutato = Testo(b, "valutato.txt");
  QVERIFY(valutato.contains("Safety assessment"));
  const NumeriRapporto num(b.s().regional);
  QVERIFY(valutato.contains(QString::fromStdString(num.fattore(*f->risultati().fattoreGeometrico))));
  QVERIFY(valutato.contains("Live-load factor against the position of the strip load"));
  // Another fill: the assessment no longer belongs to the data.
  b.s().dati.hRiempimento += 0.1f;
  b.finestra->DatiCambiati();
  QVERIFY(!Testo(b, "dopo.txt").contains("Safety assessment"));
}

void TestRapporto::calcoloFallito() {
  Banco b;
  b.avvia({SorgenteVoro() + "/tests/cli/reference/f02_ndivisioni_zero.vro"});
  b.messaggi.clear();
  QVERIFY(!b.risolvi());
  const QString testo = Testo(b);
  QVERIFY2(testo.contains("No results: the calculation failed: " + b.finestra->ultimoErrore()), qPrintable(testo));
  QVERIFY(testo.contains("Span") && testo.contains("Steps of the search"));
}

void TestRapporto::senzaGeometria() {
  Banco b;
  b.avvia();
  const QString testo = Testo(b);
  QVERIFY(testo.contains("No voussoir model: the geometry has not been read"));
  QVERIFY(testo.contains("(untitled)") && testo.contains("(not saved)"));
  QCOMPARE(b.dialoghi.richieste.back().proposto, QString("Voro.txt"));
  // Nothing to draw, nothing fails: the PDF still has its pages.
  b.dialoghi.nomi.push_back(b.utente.filePath("vuoto.pdf"));
  b.finestra->azione("mnuFileEsportaRapporto")->trigger();
  QVERIFY(Contenuto(b.utente.filePath("vuoto.pdf")).startsWith("%PDF-"));
  QVERIFY(b.messaggi.empty());
}

// The report of the road bridge assessed with LM1 tandem has the vehicle's
// section, as voro-cli's: its axles, b_e, the loads at collapse and the
// hinges, the crushing ones said so; not only the conclusions' name.
void TestRapporto::ilVeicoloNelRapporto() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  b.s().dati.VeicoloCarico = Veicolo{"LM1 tandem", {{300, 0, 0.4f}, {300, 1.2f, 0.4f}}, 2, 0.4f};
  b.s().dati.ResistenzaAnello = 5;
  QVERIFY(b.risolvi());
  FinestraSicurezza* f = Valuta(b);
  QVERIFY(f && f->valutata());
  const QString testo = Testo(b, "veicolo.txt");
  QVERIFY2(testo.contains("Vehicle: LM1 tandem"), qPrintable(testo));
  QVERIFY(testo.contains("b_e") && testo.contains("P b / b_e") && testo.contains(QString::fromUtf8("λ P")));
  // The desktop's report carries the governing design case and the software, as the command line's.
  QVERIFY(testo.contains("Governing design case") && testo.contains("Calculation software"));
  const QString dopo = testo.mid(testo.indexOf("The collapse mechanism at the worst position:"));
  QVERIFY(dopo.contains("crushing hinge"));
  QVERIFY(testo.contains("Live-load factor against the position of the vehicle's first axle"));
  // Exported, its drawings are made after the sections that composed them are gone.
  const QString html = b.utente.filePath("veicolo.html");
  b.dialoghi.nomi.push_back(html);
  b.finestra->azione("mnuFileEsportaRapporto")->trigger();
  const QString pagina = QString::fromUtf8(Contenuto(html));
  QVERIFY(pagina.count("<svg") >= 6);
  QVERIFY(!pagina.contains("The drawing could not be made"));
}

void TestRapporto::versioneDelProgetto() {
  const QString versione = VersioneDelProgetto();
  QVERIFY(!versione.isEmpty());
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  QVERIFY(Testo(b).contains(QRegularExpression("\\nProgram: +Voro " + QRegularExpression::escape(versione) + "\\n")));
  // The About window names the same version.
  FormInfo info(b.messaggi, b.finestra.get());
  QStringList testi;
  for (const QLabel* l : info.findChildren<QLabel*>()) testi << l->text();
  QVERIFY2(testi.contains("Voro, version " + versione), qPrintable(testi.join(" | ")));
}

void TestRapporto::cartellaNonScrivibile() {
  Banco b;
  b.avvia({b.esempio("ponte-stradale.vro")});
  QVERIFY(b.risolvi());
  // A folder that does not exist: the reason is said, no file is left.
  const QString pdf = b.utente.filePath("manca/rapporto.pdf");
  b.dialoghi.nomi << pdf;
  b.finestra->azione("mnuFileEsportaRapporto")->trigger();
  QCOMPARE(b.messaggi.texts(), std::vector<std::string>{"Cannot write the file " + pdf.toStdString() +
                                                         ": No such file or directory"});
  QVERIFY(!QFile::exists(pdf));
  // A folder in the way of the text report: said, and nothing left beside it.
  const QString txt = b.utente.filePath("rapporto.txt");
  QVERIFY(QDir(b.utente.path()).mkdir("rapporto.txt"));
  b.messaggi.clear();
  QVERIFY(Testo(b).isEmpty());
  QCOMPARE(b.messaggi.texts(), std::vector<std::string>{"Cannot write the file " + txt.toStdString() +
                                                         ": Is a directory"});
  QCOMPARE(QDir(b.utente.path()).entryList(QDir::Files | QDir::Hidden).filter(".tmp").size(), 0);
}

QTEST_MAIN(TestRapporto)
#include "test_rapporto.moc"
