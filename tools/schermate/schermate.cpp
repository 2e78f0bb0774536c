// voro_schermate: walks every bundled example through the program's windows
// (geometry, loads, options, solve, report, every plot command, the safety
// assessment) and saves a picture of each window, for a person to look at.
// Usage: voro_schermate OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QTextStream>
#include <functional>

#include "Banco.h"
#include "data/Normative.h"
#include "ui/Aiuto.h"
#include "ui/DialogoNormativa.h"
#include "ui/FinestraPlot.h"
#include "ui/DialogoVeicolo.h"
#include "ui/FinestraSicurezza.h"
#include "ui/FormCarichi.h"
#include "ui/FormGeometria.h"
#include "ui/FormInfo.h"
#include "ui/FormLingua.h"
#include "ui/FormOpzioni.h"
#include "ui/FormRisultati.h"
#include "ui/GrigliaSegmenti.h"

using namespace voro;
using namespace voro::ui;
using namespace voro::ui::test;

namespace {

QTextStream out(stdout);

void Attendi(int ms = 150) {
  QTest::qWait(ms);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Salva(QWidget* w, const QString& path) {
  Attendi();
  w->grab().save(path);
  out << path << "\n";
}

void Messaggi(Banco& b, const QString& dove) {
  for (const auto& e : b.messaggi.entries())
    out << "  message (" << dove << "): " << QString::fromStdString(e.text).replace('\r', " / ") << "\n";
  b.messaggi.clear();
}

// The folder made; a file in it by name.
std::function<QString(const QString&)> Cartella(const QString& cartella) {
  QDir().mkpath(cartella);
  return [cartella](const QString& n) { return QDir(cartella).filePath(n); };
}

// The program started on an example at the given size (again once shown).
void Avvia(Banco& b, const QString& esempio, QSize dimensione = {1280, 900}) {
  b.finestra->resize(dimensione);
  b.avvia({b.esempio(esempio)});
  b.finestra->resize(dimensione);
}

// Assess as the menu does, from whatever is on screen; the Safety window
// when it has finished.
FinestraSicurezza* Valutata(Banco& b) {
  b.finestra->azione("mnuAssess")->trigger();
  FinestraSicurezza* s = b.finestra->finestraSicurezza();
  if (!s) return nullptr;
  QSignalSpy valutata(s, &FinestraSicurezza::concluso);
  if (s->inCorso()) valutata.wait(120000);
  return s;
}

// The first page of a PDF as a PNG, through pdftoppm.
void PaginaPdf(const QString& pdf, const QString& png) {
  QString base = png;
  base.chop(4);
  if (QProcess::execute("pdftoppm", {"-png", "-r", "60", "-singlefile", pdf, base}) == 0) out << png << "\n";
}

void Esempio(const QString& nome, const QString& cartella) {
  Banco b("ENG");
  const auto f = Cartella(cartella);
  Avvia(b, nome + ".vro");
  Salva(b.finestra.get(), f("01-geometry.png"));
  Messaggi(b, "start");

  b.finestra->formGeometria()->cbPltGeom->click();
  Salva(b.finestra.get(), f("02-plot-geometry.png"));
  b.finestra->finestraPlot()->cmdNext->click();
  Salva(b.finestra.get(), f("03-loads.png"));
  b.finestra->formCarichi()->cmdNext->click();
  Salva(b.finestra.get(), f("04-plot-loads.png"));
  b.finestra->finestraPlot()->cmdNext->click();
  Salva(b.finestra.get(), f("05-options.png"));
  Messaggi(b, "data");

  QSignalSpy fine(b.finestra.get(), &FinestraPrincipale::calcoloConcluso);
  b.finestra->formOpzioni()->SolveButton->click();
  fine.wait(120000);
  Salva(b.finestra.get(), f("06-plot-results.png"));
  Messaggi(b, "solve");
  b.finestra->azione("mnuReport")->trigger();
  Salva(b.finestra.get(), f("07-report.png"));
  b.finestra->formRisultati()->Command1->click();
  Salva(b.finestra.get(), f("08-report-enlarged.png"));
  b.finestra->formRisultati()->parentWidget()->close();
  Attendi();

  for (int i = 0; i < 5; ++i) b.finestra->azione(QString("mnuVisualizzaItem%1").arg(i))->trigger();
  Salva(b.finestra.get(), f("09-plot-view-all.png"));

  b.dialoghi.stampaAccettata = true;
  b.dialoghi.filePdf = f("10-printed.pdf");
  b.finestra->azione("mnuPlotItem0")->trigger();
  PaginaPdf(b.dialoghi.filePdf, f("10-printed.png"));
  b.dialoghi.nomi << f("11-export.dxf");
  b.finestra->azione("mnuPlotItem1")->trigger();
  out << f("11-export.dxf") << "\n";
  Messaggi(b, "plot commands");

  // The assessment: the Safety window when it has finished.
  if (Valutata(b)) Salva(b.finestra.get(), f("12-safety.png"));
  Messaggi(b, "assess");
}

void Finestre(const QString& cartella) {
  const auto f = Cartella(cartella);
  Banco b("ENG");
  b.finestra->resize(1280, 900);
  b.avvia({b.esempio("arco-policentrico.vro")});
  // The segment grid with its editor open.
  GrigliaSegmenti* grid = b.finestra->formGeometria()->FlexGrid;
  grid->setFocus();
  grid->setCurrentCell(2, 3);
  grid->ApriEditor(0);
  Salva(b.finestra.get(), f("geometry-grid-editor.png"));

  // A long search with its step counter and Stop.
  b.finestra->formGeometria()->cbPltGeom->click();
  b.finestra->MostraOpzioni();
  FormOpzioni* o = b.finestra->formOpzioni();
  o->CheckOttimizzaCerniere->setChecked(true);
  o->txtOttimizz->setText("400");
  QSignalSpy fine(b.finestra.get(), &FinestraPrincipale::calcoloConcluso);
  o->SolveButton->click();
  if (!QTest::qWaitFor([o] { return o->lblStep->isVisible() && o->lblStep->text().startsWith("Step"); }, 20000))
    out << "  the search showed no step\n";
  Salva(b.finestra.get(), f("options-searching.png"));
  o->cmdStop->click();
  fine.wait(60000);
  Salva(b.finestra.get(), f("options-stopped.png"));
  Messaggi(b, "stop");

  b.finestra->azione("mnuAiutoItem0")->trigger();
  if (auto* a = b.finestra->findChild<Aiuto*>()) {
    a->ricerca->setText("thrust");
    Salva(a, f("help-eng.png"));
    b.finestra->azione("mnuLingua0")->trigger();
    b.finestra->azione("mnuAiutoItem0")->trigger();
    a->ricerca->clear();
    Salva(a, f("help-ita.png"));
    a->close();
  }
  FormInfo info(b.messaggi, b.finestra.get());
  info.show();
  Salva(&info, f("about.png"));
  FormLingua lingua(b.finestra.get());
  lingua.show();
  Salva(&lingua, f("language.png"));
  Messaggi(b, "windows");
}

// The whole screen, with the window manager's frames and titles.
void Schermo(const QString& path) {
  Attendi(300);
  if (QScreen* s = QGuiApplication::primaryScreen()) s->grabWindow(0).save(path);
  out << path << "\n";
}

// Runs a modal dialog, takes the screen while it is open, then closes it.
template <class F>
void Modale(const QString& path, F&& apri) {
  QTimer::singleShot(600, [path] {
    Schermo(path);
    if (QWidget* w = QApplication::activeModalWidget()) w->close();
  });
  apri();
}

// The points an engineer meets when the project on screen changes: under a
// real window manager, with the platform's own dialogs.
void Progetto(const QString& cartella) {
  const auto f = Cartella(cartella);
  Banco b("ENG");
  b.finestra->resize(1100, 800);
  b.avvia({b.esempio("ponte-stradale.vro")});
  b.risolvi();
  b.finestra->azione("mnuReport")->trigger();
  Schermo(f("01-solved-with-report.png"));
  // Another project: the results of the first one are gone.
  b.dialoghi.nomi << b.esempio("volta-semicircolare.vro");
  b.finestra->FileApri();
  Schermo(f("02-other-project-opened.png"));
  // Zero voussoirs typed: the commands that need a geometry wait.
  Digita(b.finestra->formGeometria()->txt1Voro[3], "0");
  Schermo(f("03-zero-voussoirs.png"));
  Digita(b.finestra->formGeometria()->txt1Voro[3], "30");
  b.finestra->formGeometria()->cbPltGeom->click();
  // A modified project in the caption, and the question before it is closed.
  b.finestra->MostraCarichi();
  Digita(b.finestra->formCarichi()->txtDati[0], "12");
  Schermo(f("04-modified-caption.png"));
  DialoghiQt veri;
  Modale(f("05-save-changes.png"), [&] { veri.salvareModifiche(b.finestra.get(), "volta-semicircolare"); });
  // The recently used projects in the File menu.
  QMenu* file = b.finestra->findChild<QMenu*>("mnuFile");
  file->popup(b.finestra->mapToGlobal(QPoint(0, b.finestra->menuBar()->height())));
  Schermo(f("06-recent-files.png"));
  file->hide();
  // The platform's dialogs and the language form.
  Modale(f("07-open-dialog.png"), [&] {
    veri.apri(b.finestra.get(), b.programma.filePath("examples"), "Voro Files (*.vro)", "Voro Files (*.vro)", "");
  });
  Modale(f("08-language.png"), [&] { veri.sceltaLingua(b.finestra.get()); });
  MessaggiQt avvisi(b.finestra.get());
  Modale(f("09-advisory.png"), [&] { Regional::inglese().ControllaImpostazioni(avvisi, false); });
  Modale(f("09-code-basis.png"), [&] { ModificaNormativa(b.finestra.get(), b.s().dati); });
  b.finestra->azione("mnuAiutoItem0")->trigger();
  Schermo(f("10-help.png"));
  if (auto* a = b.finestra->findChild<Aiuto*>()) a->close();
  // The plot at a narrow and a wide size.
  b.finestra->formCarichi()->cmdNext->click();
  b.finestra->resize(700, 760);
  Schermo(f("11-plot-narrow.png"));
  b.finestra->resize(1500, 700);
  Schermo(f("12-plot-wide.png"));
  Messaggi(b, "project");
}

// The drawings zoomed and panned, the sweep chart with the worst mechanism
// and the warning of an unsafe arch, the Edit and Window menus.
void Vista(const QString& cartella) {
  const auto f = Cartella(cartella);
  {
    Banco b("ENG");
    Avvia(b, "arco-ribassato-spinta.vro");
    if (FinestraSicurezza* s = b.valuta()) {
      Salva(b.finestra.get(), f("01-safety-ends-only.png"));
      s->areaArco->Ingrandisci(3, QPointF(s->areaArco->width() * 0.2, s->areaArco->height() * 0.3));
      Salva(b.finestra.get(), f("02-safety-zoomed.png"));
    }
    Messaggi(b, "sweep");
  }
  {
    Banco b("ENG");
    Avvia(b, "ponte-stradale.vro");
    b.risolvi();
    if (FinestraPlot* p = b.finestra->finestraPlot()) {
      p->area()->Ingrandisci(2.5, QPointF(p->area()->width() * 0.25, p->area()->height() * 0.35));
      p->area()->Sposta(QPointF(40, -20));
      Salva(b.finestra.get(), f("03-plot-zoomed.png"));
    }
    b.s().dati.qCarico *= 10;
    b.finestra->DatiCambiati();
    if (b.valuta()) Salva(b.finestra.get(), f("04-safety-unsafe.png"));
    b.finestra->MostraCarichi();
    b.finestra->formCarichi()->txtDati[0]->setText("15");
    b.finestra->formCarichi()->LeggeCarichi();
    b.finestra->MostraGeometria();
    b.finestra->MostraOpzioni();
    Attendi(300);
    b.finestra->azione("mnuFinestraAffianca")->trigger();
    for (QMdiSubWindow* w : b.finestra->area()->subWindowList())
      out << "  tiled: " << w->windowTitle() << " " << w->geometry().x() << "," << w->geometry().y() << " "
          << w->width() << "x" << w->height() << "\n";
    QMenu* modifica = b.finestra->findChild<QMenu*>("mnuModifica");
    modifica->popup(b.finestra->mapToGlobal(QPoint(40, b.finestra->menuBar()->height())));
    Schermo(f("05-edit-menu.png"));
    modifica->hide();
    QMenu* finestre = b.finestra->findChild<QMenu*>("mnuFinestra");
    finestre->popup(b.finestra->mapToGlobal(QPoint(500, b.finestra->menuBar()->height())));
    Schermo(f("06-window-menu.png"));
    finestre->hide();
    Messaggi(b, "edit and window");
  }
  {
    // A ring too thin to stand.
    Banco b("ENG");
    Avvia(b, "ponte-stradale.vro");
    b.s().dati.SpessoreAnello = 0.1f;
    b.finestra->formGeometria()->ScriveDatiInForm();
    if (b.valuta()) {
      b.finestra->resize(1280, 900);
      Salva(b.finestra.get(), f("07-safety-inadmissible.png"));
    }
    Messaggi(b, "inadmissible");
  }
}

// The vehicle on the road bridge: its dialog from the loads form, the Safety
// window at the worst position and with the vehicle moved on, and the loads
// plot with the vehicle at the worst position, then at mid-span.
void SuStrada(const QString& cartella) {
  const auto f = Cartella(cartella);
  Banco b("ENG");
  Avvia(b, "ponte-stradale.vro", {1400, 950});
  b.finestra->formGeometria()->cbPltGeom->click();
  b.finestra->MostraCarichi();
  b.s().dati.VeicoloCarico = kTandem;
  b.s().dati.DiffusioneCarico = {RegolaDiffusione::UnoDue, 0};
  Schermo(f("01-loads-form.png"));
  Modale(f("02-vehicle-dialog.png"), [&] { b.finestra->formCarichi()->cmdVeicolo->click(); });
  if (FinestraSicurezza* s = Valutata(b)) {
    if (auto* sotto = qobject_cast<QWidget*>(s->parent())) sotto->showMaximized();
    Schermo(f("03-safety-worst-position.png"));
    s->pannelloVeicolo->sldPosizione->setValue(8000);
    Schermo(f("04-safety-vehicle-moved.png"));
    // The loads plot while the assessment is open: the worst position.
    b.finestra->MostraCarichi();
    b.finestra->formCarichi()->cmdNext->click();
    Schermo(f("05-plot-vehicle-worst-position.png"));
    s->parentWidget()->close();
  }
  // Without an assessment: the first axle at mid-span.
  Attendi();
  if (FinestraPlot* p = b.finestra->finestraPlot()) Salva(p->parentWidget(), f("06-plot-vehicle-mid-span.png"));
  Messaggi(b, "vehicle");
}

// The program in each language as a new user meets it: the first start,
// then the Safety window at its default size on the bridge example and the
// loads plot with a vehicle.
void Lingue(const QString& cartella) {
  const auto f = Cartella(cartella);
  for (const auto& [indice, codice] : {std::pair{0, "ita"}, std::pair{1, "eng"}}) {
    Banco b("");
    b.dialoghi.lingua = indice;
    DialoghiQt veri;
    Modale(f(QString("first-start-language-%1.png").arg(codice)), [&] { veri.sceltaLingua(b.finestra.get()); });
    b.avvia({}, indice == 0 ? Regional::italiano() : Regional::inglese());
    Schermo(f(QString("first-start-%1.png").arg(codice)));
    b.dialoghi.nomi << b.esempio("ponte-stradale.vro");
    b.finestra->FileApri();
    if (Valutata(b)) Schermo(f(QString("safety-%1.png").arg(codice)));
    // The loads plot with a vehicle, its legend in the language chosen.
    b.s().dati.VeicoloCarico = kTandem;
    b.finestra->MostraCarichi();
    b.finestra->formCarichi()->cmdNext->click();
    Schermo(f(QString("plot-vehicle-%1.png").arg(codice)));
    Messaggi(b, codice);
  }
}

// The road bridge of the review, LM1 tandem 1:2, fc 5, mu 0.6, NTC LC2 with
// gM 2, then the bundled bridge of three spans under the same tandem (the
// whole bridge drawn, a pier rocking, the slider driving the tandem over the
// second pier), assessed in each language with every window at the size the
// program gives it: the screen as an engineer sees it, whatever its size.
void SicurezzaConVeicolo(const QString& cartella) {
  const QSize schermo = QGuiApplication::primaryScreen()->size();
  const auto f = Cartella(cartella);
  auto nome = [&](const char* cosa, const char* codice) {
    return f(QString("safety-%1-%2-%3x%4.png").arg(cosa, codice).arg(schermo.width()).arg(schermo.height()));
  };
  for (const bool ponte : {false, true})
    for (const auto& [italiano, codice] : {std::pair{true, "ita"}, std::pair{false, "eng"}}) {
      Banco b(italiano ? "ITA" : "ENG");
      b.avvia({b.esempio(ponte ? "ponti/ponte-tre-campate.vro" : "ponte-stradale.vro")},
              italiano ? Regional::italiano() : Regional::inglese());
      DatiProgetto& d = b.s().dati;
      d.VeicoloCarico = kTandem;
      d.DiffusioneCarico = {RegolaDiffusione::UnoDue, 0};
      if (!ponte) {
        d.ResistenzaAnello = 5;
        d.Attrito = 0.6f;
        ApplicaNormativa(d.Normativa, BaseNormativa::Ntc2018);
        ApplicaLivello(d.Normativa, LivelloConoscenza::LC2);
        d.Normativa.coefficienti.gM = 2;
        d.Normativa.gMDato = true;
      }
      b.finestra->DatiCambiati();
      if (FinestraSicurezza* s = Valutata(b)) {
        Schermo(nome(ponte ? "bridge" : "vehicle", codice));
        if (!ponte) {
          s->schede->setCurrentIndex(0);
          Schermo(nome("strip", codice));
        } else if (auto* cursore = s->findChild<QSlider*>()) {
          cursore->setValue(cursore->minimum() + (cursore->maximum() - cursore->minimum()) * 2 / 3);
          Attendi(300);
          Schermo(nome("bridge-slider", codice));
        }
      }
      Messaggi(b, codice);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) {
    out << "Usage: voro_schermate OUTPUT_FOLDER\n";
    return 2;
  }
  const QString cartella = QString::fromLocal8Bit(argv[1]);
  // Only the Safety window with a vehicle, at the size of this screen.
  if (argc > 2 && QString(argv[2]) == "safety") {
    SicurezzaConVeicolo(cartella);
    return 0;
  }
  for (const char* e : kEsempi) {
    const QString nome = QString(e).chopped(4);
    Esempio(nome, QDir(cartella).filePath(nome));
  }
  Finestre(QDir(cartella).filePath("windows"));
  Progetto(QDir(cartella).filePath("project"));
  Vista(QDir(cartella).filePath("view"));
  SuStrada(QDir(cartella).filePath("vehicle"));
  Lingue(QDir(cartella).filePath("languages"));
  return 0;
}
