// The main window: its menus and toolbar, its child windows and the language.
#include "ui/FinestraPrincipale.h"

#include <QAction>
#include <QCloseEvent>
#include <algorithm>
#include <utility>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

#include "analysis/DurataRicerca.h"
#include "arch/CostruisciModello.h"
#include "data/Impronte.h"
#include "data/Lingua.h"
#include "data/RuntimeError.h"
#include "ui/Aiuto.h"
#include "ui/ComandiRapporto.h"
#include "ui/FinestraPlot.h"
#include "ui/DialogoNormativa.h"
#include "ui/FinestraSicurezza.h"
#include "ui/FormCarichi.h"
#include "ui/FormGeometria.h"
#include "ui/FormInfo.h"
#include "ui/DialogoMuratura.h"
#include "ui/FormOpzioni.h"
#include "ui/FormRisultati.h"
#include "ui/MenuDesktop.h"
#include "ui/StoriaProgetto.h"

// The icons are compiled into the static library: register them once.
static void RegistraIcone() { Q_INIT_RESOURCE(icone); }

namespace voro::ui {

namespace {

std::string utf8(const QString& s) { return s.toStdString(); }

// A form that shows more controls (the segment grid, the search's step
// counter) grows its window rather than squeezing them.
class Crescita : public QObject {
 public:
  explicit Crescita(QMdiSubWindow* sub) : QObject(sub), sub_(sub) {}
  bool eventFilter(QObject* obj, QEvent* ev) override {
    if (ev->type() == QEvent::LayoutRequest)
      QTimer::singleShot(0, sub_, [s = sub_] { s->resize(s->size().expandedTo(s->minimumSizeHint())); });
    return QObject::eventFilter(obj, ev);
  }

 private:
  QMdiSubWindow* sub_;
};

// The folder of the latest project that still exists, else the user's documents.
QString CartellaProgetti(const QStringList& recenti) {
  for (const QString& r : recenti)
    if (QFileInfo(r).isFile()) return QFileInfo(r).absolutePath();
  const QString documenti = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return QFileInfo(documenti).isDir() ? documenti : QDir::homePath();
}

Regional RegionalDiSistema() {
  const QLocale l = QLocale::system();
  return Regional(l.decimalPoint().toStdString(), l.groupSeparator().toStdString());
}

}  // namespace

QString NomeDaRigaComando(const QStringList& parole) {
  // The shell has already split the line: an argument holding blanks was
  // quoted and stays whole, separate words of an unquoted name are joined.
  QStringList pulite;
  for (const QString& p : parole) {
    QString w = p;
    w.remove('"');
    if (!w.trimmed().isEmpty()) pulite << w;
  }
  return pulite.join(' ');
}

FinestraPrincipale::FinestraPrincipale(const QString& cartellaProgramma, const QString& cartellaUtente,
                                       Messages* messaggi, Dialoghi* dialoghi)
    : impostazioni_(cartellaUtente), cartellaProgramma_(cartellaProgramma) {
  setObjectName("MDIFormMain");
  RegistraIcone();
  if (!messaggi) {
    messaggiQt_ = std::make_unique<MessaggiQt>(this);
    messaggi = messaggiQt_.get();
  }
  if (!dialoghi) {
    dialoghiQt_ = std::make_unique<DialoghiQt>();
    dialoghi = dialoghiQt_.get();
  }
  // The core's texts follow the language installed in the application.
  messaggi->setTraduzioni(&traduzioni_);
  s_.messaggi = messaggi;
  s_.dialoghi = dialoghi;
  s_.regional = RegionalDiSistema();
  s_.regional.setTraduzioni(&traduzioni_);
  // The user's language, when chosen on an earlier run, before any window text.
  if (const auto codice = impostazioni_.Lingua()) {
    s_.stato.Lingua = *codice;
    ImpostaLingua(LinguaDaCodice(QString::fromStdString(*codice)));
  }
  s_.stato.CartellaProgramma = utf8(cartellaProgramma);
  s_.CartellaUtente = utf8(cartellaUtente);
  setWindowIcon(QIcon(":/icone/voro.svg"));

  area_ = new QMdiArea(this);
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setBackground(QColor(128, 128, 128));
  setCentralWidget(area_);
  rapporto_ = new ComandiRapporto(*this, s_);
  creaMenu();
  creaToolbar();
  storia_ = new StoriaProgetto(*this, s_);
  CreaMenuDesktop(*this, *storia_);
  // Nothing to solve, report or plot before a geometry has been read.
  AbilitaMenu(false);
  statusBar()->showMessage(tr("Ready"));

  connect(&calcolatore_, &Calcolatore::avvio, this, [this] {
    if (opzioni_) {
      opzioni_->lblStep->setText("");
      opzioni_->lblStep->show();
      opzioni_->lblStima->hide();
      opzioni_->cmdStop->show();
    }
  });
  connect(&calcolatore_, &Calcolatore::senzaRicerca, this, [this] {
    if (opzioni_) opzioni_->lblStep->hide();
  });
  connect(&calcolatore_, &Calcolatore::precisione, this, [this](float metri) {
    if (opzioni_) opzioni_->MostraPrecisione(metri);
  });
  connect(&calcolatore_, &Calcolatore::stima, this, [this](double secondi) {
    if (!opzioni_) return;
    opzioni_->lblStima->setText(tr("Estimated time: %1").arg(QString::fromStdString(TestoDurata(secondi))));
    opzioni_->lblStima->show();
  });
  connect(&calcolatore_, &Calcolatore::passo, this, [this](const QString& caption) {
    if (opzioni_) opzioni_->lblStep->setText(caption);
    statusBar()->showMessage(caption);
  });
  connect(&calcolatore_, &Calcolatore::concluso, this, &FinestraPrincipale::fineCalcolo);
}

FinestraPrincipale::~FinestraPrincipale() {
  // A search still running stops at its next step; its results are not needed.
  calcolatore_.Interrompi(s_.StopOttimizzazione);
}

FormGeometria* FinestraPrincipale::formGeometria() const { return Aperta(geo_); }
FormCarichi* FinestraPrincipale::formCarichi() const { return Aperta(carichi_); }
FormOpzioni* FinestraPrincipale::formOpzioni() const { return Aperta(opzioni_); }
FormRisultati* FinestraPrincipale::formRisultati() const { return Aperta(risultati_); }
FinestraPlot* FinestraPrincipale::finestraPlot() const { return Aperta(plot_); }
FinestraSicurezza* FinestraPrincipale::finestraSicurezza() const { return Aperta(sicurezza_); }

QAction* FinestraPrincipale::azione(const QString& nome) const { return findChild<QAction*>(nome); }

void FinestraPrincipale::creaMenu() {
  auto voce = [this](QMenu* m, const QString& nome, const QString& testo, const QList<QKeySequence>& tasti,
                     auto&& azione) {
    QAction* a = m->addAction(testo);
    a->setObjectName(nome);
    if (!tasti.isEmpty()) a->setShortcuts(tasti);
    connect(a, &QAction::triggered, this, azione);
    return a;
  };

  QMenu* file = menuBar()->addMenu(tr("&File"));
  file->setObjectName("mnuFile");
  voce(file, "mnuFileItem0", tr("&New"), {QKeySequence(Qt::CTRL | Qt::Key_N)}, [this] { FileNuovo(); });
  // The shortcuts every desktop program knows first, as the menus show
  // them, then the program's own.
  voce(file, "mnuFileItem1", tr("&Open..."), {QKeySequence(Qt::CTRL | Qt::Key_O), QKeySequence(Qt::CTRL | Qt::Key_F12)},
       [this] { FileApri(); });
  voce(file, "mnuFileSalva", tr("Sa&ve"), {QKeySequence(Qt::CTRL | Qt::Key_S)}, [this] { FileSalva(); });
  QAction* salva = voce(file, "mnuFileItem2", tr("&Save As..."),
                        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), QKeySequence(Qt::SHIFT | Qt::Key_F12)},
                        [this] { FileSalvaConNome(); });
  file->addSeparator();
  voce(file, "mnuFileItem4", tr("&Print..."),
       {QKeySequence(Qt::CTRL | Qt::Key_P), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F12)},
       [this] { rapporto_->Stampa(); });
  voce(file, "mnuFileItem5", tr("Output File (&TXT)..."), {QKeySequence(Qt::CTRL | Qt::Key_T)}, [this] { rapporto_->FileTesto(); });
  voce(file, "mnuFileEsportaRapporto", tr("&Export Report..."), {QKeySequence(Qt::CTRL | Qt::Key_E)}, [this] { rapporto_->Esporta(); });
  file->addSeparator();
  // The recently used projects, between the commands and Exit.
  for (int i = 0; i < Impostazioni::kRecenti; ++i) {
    QAction* a = voce(file, QString("mnuFileItem%1").arg(6 + i), "", {}, [this, i] {
      ApriRecente(recenti_[static_cast<std::size_t>(i)]->data().toString());
    });
    recenti_[static_cast<std::size_t>(i)] = a;
  }
  file->addSeparator();
  voce(file, "mnuFileItem19", tr("E&xit"), {QKeySequence(Qt::CTRL | Qt::Key_Q)}, [this] { close(); });
  aggiornaRecenti();

  QMenu* dati = menuBar()->addMenu(tr("&Data"));
  dati->setObjectName("mnuData");
  voce(dati, "mnuDataItem0", tr("&Geometry"), {QKeySequence(Qt::CTRL | Qt::Key_1)}, [this] { MostraGeometria(); });
  QAction* carichi = voce(dati, "mnuDataItem1", tr("&Loads"), {QKeySequence(Qt::CTRL | Qt::Key_2)}, [this] { MostraCarichi(); });
  QAction* opzioni = voce(dati, "mnuDataItem2", tr("Solve &Options"), {QKeySequence(Qt::CTRL | Qt::Key_3)}, [this] { MostraOpzioni(); });
  voce(dati, "mnuDataMuratura", tr("&Masonry and Soil..."), {QKeySequence(Qt::CTRL | Qt::Key_4)}, [this] {
    DialogoMuratura dialogo(s_.dati, s_.msg(), this);
    if (dialogo.exec() == QDialog::Accepted) DatiCambiati();
  });
  voce(dati, "mnuDataNormativa", tr("&Code Basis and Title Block..."), {QKeySequence(Qt::CTRL | Qt::Key_5)}, [this] {
    if (ModificaNormativa(this, s_.dati)) DatiCambiati();
  });

  // A menu title opens its menu; the command lives in it, with its shortcut.
  QMenu* menuRisolvi = menuBar()->addMenu(tr("S&olve"));
  menuRisolvi->setObjectName("mnuSolveMenu");
  QAction* risolvi = voce(menuRisolvi, "mnuSolve", tr("&Solve"), {QKeySequence(Qt::Key_F5)}, [this] { Risolvi(); });
  QMenu* menuValuta = menuBar()->addMenu(tr("&Assess"));
  menuValuta->setObjectName("mnuAssessMenu");
  QAction* valuta =
      voce(menuValuta, "mnuAssess", tr("&Assess Safety"), {QKeySequence(Qt::Key_F6)}, [this] { MostraSicurezza(); });
  QMenu* menuRapporto = menuBar()->addMenu(tr("&Report"));
  menuRapporto->setObjectName("mnuReportMenu");
  QAction* rapporto = voce(menuRapporto, "mnuReport", tr("Show &Report"), {QKeySequence(Qt::Key_F7)},
                           [this] { MostraRisultati(); });

  QMenu* plot = menuBar()->addMenu(tr("P&lot"));
  plot->setObjectName("mnuPlot");
  const char* vociPlot[3] = {QT_TR_NOOP("&Print"), QT_TR_NOOP("&Export DXF"), QT_TR_NOOP("&Draw in Autocad")};
  const QKeySequence tastiPlot[3] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)};
  for (int i = 0; i < 3; ++i)
    voce(plot, QString("mnuPlotItem%1").arg(i), tr(vociPlot[i]), {tastiPlot[i]}, [this, i] {
      if (plot_) plot_->mnuFileItem(i);
      else s_.msg().information(utf8(tr("There is no drawing: solve the arch or plot its geometry.")));
    });

  QMenu* vista = menuBar()->addMenu(tr("&View"));
  vista->setObjectName("mnuVisualizza");
  const char* vociVista[5] = {QT_TR_NOOP("&Discretization"), QT_TR_NOOP("&Vertical forces"),
                              QT_TR_NOOP("&Horizontal forces"), QT_TR_NOOP("&Resultants"),
                              QT_TR_NOOP("&White Background")};
  for (int i = 0; i < 5; ++i) {
    QAction* a =
        voce(vista, QString("mnuVisualizzaItem%1").arg(i), tr(vociVista[i]), {}, [this, i] { VisualizzaItem(i); });
    a->setCheckable(true);
    a->setChecked(s_.stato.Visualizza[static_cast<std::size_t>(i)]);
    vista_[static_cast<std::size_t>(i)] = a;
  }

  QMenu* aiuto = menuBar()->addMenu(tr("&?"));
  aiuto->setObjectName("mnuAiuto");
  voce(aiuto, "mnuAiutoItem0", tr("&Help"), {QKeySequence(Qt::Key_F1)}, [this] { this->aiuto(); });
  voce(aiuto, "mnuAiutoItem1", tr("&Example Files..."), {}, [this] { esempi(); });
  voce(aiuto, "mnuAiutoItem2", tr("&About"), {}, [this] { informazioni(); });
  aiuto->addSeparator();
  // Each language named in its own words, so either can be found in the other.
  QMenu* lingua = aiuto->addMenu(tr("&Language"));
  lingua->setObjectName("mnuLingua");
  const char* lingue[2] = {"Italiano", "English"};
  for (int i = 0; i < 2; ++i) {
    QAction* a = voce(lingua, QString("mnuLingua%1").arg(i), lingue[i], {}, [this, i] { mnuLingua_Click(i); });
    a->setCheckable(true);
    a->setChecked(LinguaValida(s_.stato.Lingua) && IndiceLingua(s_.stato.Lingua) == i);
    lingua_[static_cast<std::size_t>(i)] = a;
  }

  dipendenti_ = {salva, carichi, opzioni, risolvi, valuta, rapporto, plot->menuAction(), vista->menuAction()};
}

void FinestraPrincipale::creaToolbar() {
  // Built again in another language, the toolbar keeps its place.
  QToolBar* t = findChild<QToolBar*>("Toolbar1");
  if (!t) {
    t = addToolBar(QString());
    t->setObjectName("Toolbar1");
    t->setMovable(false);
  }
  t->setWindowTitle(tr("Toolbar"));
  t->setIconSize(QSize(Twips(360, this), Twips(360, this)));
  struct Pulsante {
    const char* icona;
    const char* suggerimento;
    const char* azione;
    bool dipendente;
  };
  const Pulsante pulsanti[] = {{"apri", QT_TR_NOOP("Open"), "mnuFileItem1", false},
                               {"salva", QT_TR_NOOP("Save as"), "mnuFileItem2", true},
                               {nullptr, nullptr, nullptr, false},
                               {"geometria", QT_TR_NOOP("Geometry"), "mnuDataItem0", false},
                               {"carichi", QT_TR_NOOP("Loads"), "mnuDataItem1", true},
                               {"opzioni", QT_TR_NOOP("Solve Options"), "mnuDataItem2", true},
                               {nullptr, nullptr, nullptr, false},
                               {"risolvi", QT_TR_NOOP("Solve"), "mnuSolve", true},
                               {nullptr, nullptr, nullptr, false},
                               {"rapporto", QT_TR_NOOP("Report"), "mnuReport", true},
                               {nullptr, nullptr, nullptr, false},
                               {"sicurezza", QT_TR_NOOP("Assess"), "mnuAssess", true}};
  int indice = 1;
  for (const Pulsante& p : pulsanti) {
    if (!p.icona) {
      t->addSeparator();
    } else {
      QAction* menu = azione(p.azione);
      QAction* b = t->addAction(QIcon(QString(":/icone/%1.svg").arg(p.icona)), tr(p.suggerimento));
      b->setObjectName(QString("Toolbar1Button%1").arg(indice));
      // The tip names the command's shortcut, as the menu does.
      const QString tasto = menu->shortcut().toString(QKeySequence::NativeText);
      b->setToolTip(tasto.isEmpty() ? tr(p.suggerimento) : QString("%1 (%2)").arg(tr(p.suggerimento), tasto));
      connect(b, &QAction::triggered, menu, &QAction::trigger);
      if (p.dipendente) dipendenti_ << b;
    }
    ++indice;
  }
}

void FinestraPrincipale::AbilitaMenu(bool abilita) {
  for (QAction* a : dipendenti_) a->setEnabled(abilita);
}

void FinestraPrincipale::Avvio(const QStringList& argomenti) {
  s_.regional.setTraduzioni(&traduzioni_);
  // Open looks first where the engineer's projects are, not where the
  // program happened to be started from.
  s_.stato.CartellaDati = utf8(CartellaProgetti(impostazioni_.Recenti()));
  AggiornaCaption();
  s_.regional.ControllaImpostazioni(s_.msg(), true);
  LinguaLeggeIni();
  move(0, 0);
  // Most of the screen, as a desktop program opens: the Safety window's
  // drawings and tables are readable at once; never less than the form's size.
  QSize iniziale(Twips(11000, this), Twips(8000, this));
  if (const QScreen* schermo = screen()) iniziale = iniziale.expandedTo(schermo->availableGeometry().size() * 0.85);
  resize(iniziale);

  DatiProgetto nuovo;
  nuovo.nVori = 1;
  const QString nome = NomeDaRigaComando(argomenti);
  if (nome.isEmpty() || !leggiProgetto(nome)) sostituisciProgetto(std::move(nuovo), QString());
  // Where the screen's font makes the geometry form larger than the window's
  // size in twips, the window grows to show it whole.
  FaiSpazio(geo_->parentWidget()->sizeHint());
}

void FinestraPrincipale::FaiSpazio(QSize perArea) {
  const QSize cornice = size() - area_->viewport()->size();
  QSize voluto = size().expandedTo(perArea + cornice);
  const QScreen* schermo = screen();
  if (!schermo) {
    resize(voluto);
    return;
  }
  const QRect libero = schermo->availableGeometry();
  QSize telaio = frameGeometry().size() - size();
  // Before the window system has framed the window its frame is not known: a
  // title bar's height stands for it, so that the status bar stays on a
  // screen the geometry form of a bridge would otherwise fill.
  if (telaio.isEmpty()) telaio = telaio.expandedTo(QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this)));
  resize(voluto.boundedTo(libero.size() - telaio));
  // Grown, the window stays wholly on the screen: its frame as it is about to
  // be, before the window system has drawn it.
  QRect r(frameGeometry().topLeft(), size() + telaio);
  r.moveLeft(std::clamp(r.left(), libero.left(), std::max(libero.left(), libero.right() - r.width() + 1)));
  r.moveTop(std::clamp(r.top(), libero.top(), std::max(libero.top(), libero.bottom() - r.height() + 1)));
  move(r.topLeft());
}

void FinestraPrincipale::ControllaSeparatori() {
  // The advisory recommends the decimal comma to an Italian engineer: it is
  // not shown in English, and once a run at most.
  const bool muto = impostazioni_.AvvisoSeparatoriNascosto() || avvisoSeparatoriDato_ || s_.stato.Lingua != "ITA";
  if (s_.regional.ControllaImpostazioni(s_.msg(), muto)) impostazioni_.NascondiAvvisoSeparatori();
  avvisoSeparatoriDato_ = true;
}

void FinestraPrincipale::LinguaLeggeIni() {
  if (impostazioni_.Lingua()) {
    mnuLinguaSetta(IndiceLingua(s_.stato.Lingua));
    return;
  }
  // The choice an older version kept in Lingua.ini moves, once, into the
  // user's settings.
  const auto letto = voro::LinguaLeggeIni(s_.stato.CartellaProgramma, s_.CartellaUtente);
  if (letto && LinguaValida(*letto)) {
    mnuLingua_Click(IndiceLingua(*letto));
    return;
  }
  const std::optional<int> scelto = s_.dialoghi->sceltaLingua(this);
  if (scelto) {
    mnuLingua_Click(*scelto);
  } else {
    // Closed without a choice: Italian for this run, nothing stored, asked again next time.
    mnuLinguaSetta(0);
    ImpostaLingua(Lingua::Italiano);
  }
}

void FinestraPrincipale::mnuLinguaSetta(int indice) {
  for (int i = 0; i < 2; ++i) lingua_[static_cast<std::size_t>(i)]->setChecked(i == indice);
  LinguaSetta(indice, s_.stato.Lingua);
}

void FinestraPrincipale::mnuLingua_Click(int indice) {
  // The windows open now speak the old language; those opened from here on the new one.
  for (QWidget* w : std::initializer_list<QWidget*>{formGeometria(), formCarichi(), formOpzioni(), formRisultati(),
                                                   finestraPlot(), finestraSicurezza()})
    if (w && !daRitradurre_.contains(w)) daRitradurre_ << w;
  mnuLinguaSetta(indice);
  impostazioni_.ImpostaLingua(s_.stato.Lingua);
  ImpostaLingua(LinguaDaCodice(QString::fromStdString(s_.stato.Lingua)));
}

void FinestraPrincipale::changeEvent(QEvent* e) {
  // Once the command that changed the language has ended, and once for the
  // several translations installed together.
  if (e->type() == QEvent::LanguageChange && !nuovaLinguaInAttesa_) {
    nuovaLinguaInAttesa_ = true;
    QTimer::singleShot(0, this, &FinestraPrincipale::RicreaMenu);
  }
  QMainWindow::changeEvent(e);
}

void FinestraPrincipale::RicreaMenu() {
  nuovaLinguaInAttesa_ = false;
  const bool abilitati = dipendenti_.isEmpty() || dipendenti_.first()->isEnabled();
  // The old menus go at once from the names the commands are found by.
  QList<QObject*> vecchi;
  for (QMenu* m : menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) vecchi << m;
  menuBar()->clear();
  if (auto* t = findChild<QToolBar*>("Toolbar1")) {
    for (QAction* a : t->actions()) vecchi << a;
    t->clear();
  }
  for (QObject* o : vecchi) {
    for (QAction* a : o->findChildren<QAction*>()) a->setObjectName(QString());
    o->setObjectName(QString());
    o->deleteLater();
  }
  dipendenti_.clear();
  creaMenu();
  creaToolbar();
  CreaMenuDesktop(*this, *storia_);
  AbilitaMenu(abilitati);
  AggiornaCaption();
  statusBar()->showMessage(tr("Ready"));
  // The windows that were open take the language too, opened afresh: the
  // data forms that hold no unread edit, the report, the plot.
  const QList<QPointer<QWidget>> vecchie = std::exchange(daRitradurre_, {});
  auto vecchia = [&vecchie](QWidget* w) { return w && vecchie.contains(w); };
  if (FormGeometria* g = formGeometria(); vecchia(g) && !g->toccato()) {
    g->parentWidget()->close();
    MostraGeometria();
  }
  if (FormCarichi* c = formCarichi(); vecchia(c) && !c->toccato()) {
    c->parentWidget()->close();
    MostraCarichi();
  }
  if (FormOpzioni* o = formOpzioni(); vecchia(o) && !o->toccato() && !calcoloInCorso()) {
    o->parentWidget()->close();
    MostraOpzioni();
  }
  if (vecchia(formRisultati())) MostraRisultati();
  if (FinestraPlot* p = finestraPlot(); vecchia(p)) mostraPlot(p->PlottaGeometria());
  // The assessment is made again in the new language, its tables and
  // drawings together; figures a form is changing are not worth it.
  if (FinestraSicurezza* f = finestraSicurezza(); vecchia(f)) {
    if (sospesi_) f->parentWidget()->close();
    else MostraSicurezza();
  }
}

QMdiSubWindow* FinestraPrincipale::figlia(QWidget* w) {
  QMdiSubWindow* sub = area_->addSubWindow(w);
  w->installEventFilter(new Crescita(sub));
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowIcon(windowIcon());
  // A data form that goes takes its unread edits with it.
  connect(w, &QObject::destroyed, this, [this] { QTimer::singleShot(0, this, &FinestraPrincipale::AggiornaModificato); });
  // A maximised child lends the main window its own modified flag (a form's
  // is never set), and restoring it gives the caption back without its "[*]":
  // once the area has finished, the project's flag and caption are set again.
  connect(sub, &QMdiSubWindow::windowStateChanged, this, [this](Qt::WindowStates, Qt::WindowStates ora) {
    if (ora & Qt::WindowMaximized) {
      QTimer::singleShot(0, this, [this] { setWindowModified(Modificato()); });
      return;
    }
    QTimer::singleShot(0, this, [this] {
      const QMdiSubWindow* attiva = area_->activeSubWindow();
      if (!attiva || !attiva->isMaximized()) AggiornaCaption();
    });
  });
  return sub;
}

void Davanti(QWidget* form) {
  QWidget* sub = form->parentWidget();
  sub->show();
  sub->raise();
  if (auto* s = qobject_cast<QMdiSubWindow*>(sub)) s->mdiArea()->setActiveSubWindow(s);
}

template <class Form>
void FinestraPrincipale::mostraForm(QPointer<Form>& form) {
  if (!Aperta(form)) {
    form = new Form(*this, s_);
    figlia(form)->move(0, 0);
  }
  Davanti(form);
}

void FinestraPrincipale::MostraGeometria() { mostraForm(geo_); }
void FinestraPrincipale::MostraCarichi() { mostraForm(carichi_); }
void FinestraPrincipale::MostraOpzioni() { mostraForm(opzioni_); }

void FinestraPrincipale::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  if (plot_) plot_->parentWidget()->resize(area_->viewport()->size());
}

void FinestraPrincipale::closeEvent(QCloseEvent* e) {
  if (!confermaAbbandono()) {
    e->ignore();
    return;
  }
  calcolatore_.Interrompi(s_.StopOttimizzazione);
  chiudiFormDati();
  area_->closeAllSubWindows();
  e->accept();
}

void FinestraPrincipale::VisualizzaItem(int i) {
  bool& flag = s_.stato.Visualizza[static_cast<std::size_t>(i)];
  flag = !flag;
  vista_[static_cast<std::size_t>(i)]->setChecked(flag);
  if (plot_) plot_->Ridisegna();
}

void FinestraPrincipale::aiuto() {
  const QString percorso = PercorsoAiuto(cartellaProgramma_, s_.stato.Lingua);
  auto* finestra = findChild<Aiuto*>();
  const bool nuova = !finestra;
  if (nuova) {
    finestra = new Aiuto(this);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
  }
  if (!finestra->Apri(percorso)) {
    finestra->close();
    s_.msg().critical(utf8(tr("Cannot open the help file %1").arg(percorso)));
    return;
  }
  if (nuova) DimensionaSulloSchermo(*finestra, QSize(900, 640));
  finestra->show();
  finestra->raise();
}

void FinestraPrincipale::informazioni() {
  FormInfo f(s_.msg(), this);
  f.exec();
}

}  // namespace voro::ui
