// The main window.
#include "ui/FinestraPrincipale.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "data/Lingua.h"
#include "data/ProjectFile.h"
#include "data/RuntimeError.h"
#include "ui/Aiuto.h"
#include "ui/ComandiRapporto.h"
#include "ui/FinestraPlot.h"
#include "ui/FormCarichi.h"
#include "ui/FormGeometria.h"
#include "ui/FormInfo.h"
#include "ui/FormOpzioni.h"
#include "ui/FormRisultati.h"

// The icons are compiled into the static library: register them once.
static void RegistraIcone() { Q_INIT_RESOURCE(icone); }

namespace voro::ui {

namespace {

// The dialog filter of the data files: all files, and the Voro files preselected.
const QString kFiltroVoro = "Tutti i Files (*.*)|*.*|Files Voro (*.vro)|*.vro";

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
    : cartellaProgramma_(cartellaProgramma) {
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
  s_.messaggi = messaggi;
  s_.dialoghi = dialoghi;
  s_.regional = RegionalDiSistema();
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
  // Nothing to solve, report or plot before a geometry has been read.
  AbilitaMenu(false);
  statusBar()->showMessage("Ready");

  connect(&calcolatore_, &Calcolatore::avvio, this, [this] {
    if (opzioni_) {
      opzioni_->lblStep->setText("");
      opzioni_->lblStep->show();
      opzioni_->cmdStop->show();
    }
  });
  connect(&calcolatore_, &Calcolatore::senzaRicerca, this, [this] {
    if (opzioni_) opzioni_->lblStep->hide();
  });
  connect(&calcolatore_, &Calcolatore::precisione, this, [this](float metri) {
    if (opzioni_) opzioni_->MostraPrecisione(metri);
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

FormGeometria* FinestraPrincipale::formGeometria() const { return geo_; }
FormCarichi* FinestraPrincipale::formCarichi() const { return carichi_; }
FormOpzioni* FinestraPrincipale::formOpzioni() const { return opzioni_; }
FormRisultati* FinestraPrincipale::formRisultati() const { return risultati_; }
FinestraPlot* FinestraPrincipale::finestraPlot() const { return plot_; }

QAction* FinestraPrincipale::azione(const QString& nome) const { return findChild<QAction*>(nome); }

void FinestraPrincipale::creaMenu() {
  auto voce = [this](QMenu* m, const QString& nome, const QString& testo, const QKeySequence& tasti,
                     auto&& azione) {
    QAction* a = m->addAction(testo);
    a->setObjectName(nome);
    if (!tasti.isEmpty()) a->setShortcut(tasti);
    connect(a, &QAction::triggered, this, azione);
    return a;
  };

  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("mnuFile");
  voce(file, "mnuFileItem0", "&New", QKeySequence(Qt::CTRL | Qt::Key_N), [this] { FileNuovo(); });
  voce(file, "mnuFileItem1", "&Open", QKeySequence(Qt::CTRL | Qt::Key_F12), [this] { FileApri(); });
  QAction* salva = voce(file, "mnuFileItem2", "&Save As...", QKeySequence(Qt::SHIFT | Qt::Key_F12),
                        [this] { FileSalvaConNome(); });
  file->addSeparator();
  voce(file, "mnuFileItem4", "&Print", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F12),
       [this] { rapporto_->Stampa(); });
  voce(file, "mnuFileItem5", "Output File (&TXT)", {}, [this] { rapporto_->FileTesto(); });
  voce(file, "mnuFileItem6", "&Export Report...", {}, [this] { rapporto_->Esporta(); });
  file->addSeparator();
  voce(file, "mnuFileItem19", "&Exit", {}, [this] { close(); });

  QMenu* dati = menuBar()->addMenu("&Data");
  dati->setObjectName("mnuData");
  voce(dati, "mnuDataItem0", "&Geometry", {}, [this] { MostraGeometria(); });
  QAction* carichi = voce(dati, "mnuDataItem1", "&Load", {}, [this] { MostraCarichi(); });
  QAction* opzioni = voce(dati, "mnuDataItem2", "&Solve Otions", {}, [this] { MostraOpzioni(); });

  // Menus without items act on a click of their own title.
  auto menuAzione = [this](const QString& nome, const QString& testo, auto&& azione) {
    QAction* a = menuBar()->addAction(testo);
    a->setObjectName(nome);
    connect(a, &QAction::triggered, this, azione);
    return a;
  };
  QAction* risolvi = menuAzione("mnuSolve", "&Solve", [this] { Risolvi(); });
  QAction* rapporto = menuAzione("mnuReport", "&Report", [this] { MostraRisultati(); });

  QMenu* plot = menuBar()->addMenu("&Plot");
  plot->setObjectName("mnuPlot");
  const char* vociPlot[3] = {"&Print", "&Export DXF", "&Draw in Autocad"};
  for (int i = 0; i < 3; ++i)
    voce(plot, QString("mnuPlotItem%1").arg(i), vociPlot[i], {}, [this, i] {
      if (plot_) plot_->mnuFileItem(i);
      else s_.msg().information("Non c'è nessun disegno: risolvere l'arco o tracciarne la geometria.");
    });

  QMenu* vista = menuBar()->addMenu("&View");
  vista->setObjectName("mnuVisualizza");
  const char* vociVista[5] = {"&Discretization", "&Verical forces", "&Horizontal forces", "&Resultants",
                              "&White BackColor"};
  for (int i = 0; i < 5; ++i) {
    QAction* a = voce(vista, QString("mnuVisualizzaItem%1").arg(i), vociVista[i], {}, [this, i] { VisualizzaItem(i); });
    a->setCheckable(true);
    vista_[static_cast<std::size_t>(i)] = a;
  }

  QMenu* aiuto = menuBar()->addMenu("&?");
  aiuto->setObjectName("mnuAiuto");
  voce(aiuto, "mnuAiutoItem0", "&Help", QKeySequence(Qt::Key_F1), [this] { this->aiuto(); });
  voce(aiuto, "mnuAiutoItem1", "&Example Files", {}, [this] { esempi(); });
  voce(aiuto, "mnuAiutoItem2", "&About", {}, [this] { informazioni(); });
  aiuto->addSeparator();
  QMenu* lingua = aiuto->addMenu("Help &Language");
  lingua->setObjectName("mnuLingua");
  const char* lingue[2] = {"Italian", "English"};
  for (int i = 0; i < 2; ++i) {
    QAction* a = voce(lingua, QString("mnuLingua%1").arg(i), lingue[i], {}, [this, i] { mnuLingua_Click(i); });
    a->setCheckable(true);
    lingua_[static_cast<std::size_t>(i)] = a;
  }

  dipendenti_ = {salva, carichi, opzioni, risolvi, rapporto, plot->menuAction(), vista->menuAction()};
}

void FinestraPrincipale::creaToolbar() {
  QToolBar* t = addToolBar("Toolbar1");
  t->setObjectName("Toolbar1");
  t->setMovable(false);
  t->setIconSize(QSize(Twips(360, this), Twips(360, this)));
  struct Pulsante {
    const char* icona;
    const char* suggerimento;
    const char* azione;
    bool dipendente;
  };
  const Pulsante pulsanti[] = {{"apri", "Open", "mnuFileItem1", false},
                               {"salva", "Save as", "mnuFileItem2", true},
                               {nullptr, nullptr, nullptr, false},
                               {"geometria", "Geometry", "mnuDataItem0", false},
                               {"carichi", "Loads", "mnuDataItem1", true},
                               {"opzioni", "Calc. Options", "mnuDataItem2", true},
                               {nullptr, nullptr, nullptr, false},
                               {"risolvi", "Solve", "mnuSolve", true},
                               {nullptr, nullptr, nullptr, false},
                               {"rapporto", "Report", "mnuReport", true}};
  int indice = 1;
  for (const Pulsante& p : pulsanti) {
    if (!p.icona) {
      t->addSeparator();
    } else {
      QAction* menu = azione(p.azione);
      QAction* b = t->addAction(QIcon(QString(":/icone/%1.svg").arg(p.icona)), p.suggerimento);
      b->setObjectName(QString("Toolbar1Button%1").arg(indice));
      b->setToolTip(p.suggerimento);
      connect(b, &QAction::triggered, menu, &QAction::trigger);
      if (p.dipendente) dipendenti_ << b;
    }
    ++indice;
  }
}

void FinestraPrincipale::AbilitaMenu(bool abilita) {
  for (QAction* a : dipendenti_) a->setEnabled(abilita);
}

void FinestraPrincipale::AggiornaCaption() {
  setWindowTitle(FormCaption + QString::fromStdString(s_.NomeFileBreve));
}

void FinestraPrincipale::Avvio(const QStringList& argomenti) {
  s_.stato.CartellaDati = utf8(QDir::currentPath());
  s_.regional.ControllaImpostazioni(s_.msg(), true);
  LinguaLeggeIni();
  setWindowTitle(FormCaption);
  move(0, 0);
  resize(Twips(11000, this), Twips(8000, this));
  s_.dati.nVori = 1;

  const QString nome = NomeDaRigaComando(argomenti);
  s_.stato.DatiNuovi = true;
  if (!nome.isEmpty()) {
    const QFileInfo info(nome);
    const QString assoluto = info.absoluteFilePath();
    s_.stato.CartellaDati = utf8(info.absolutePath());
    s_.NomeFileBreve = utf8(info.completeBaseName());
    try {
      LeggiFileProgetto(utf8(assoluto), s_.dati, s_.msg());
      s_.stato.DatiNuovi = false;
      AggiornaCaption();
    } catch (const RuntimeError& e) {
      if (e.number() == err::FileNotFound) s_.msg().critical(utf8("File " + assoluto + " non trovato "));
      else s_.msg().critical(e.description());
      setWindowTitle(FormCaption);
    }
  }
  MostraGeometria();
  if (plot_) plot_->parentWidget()->close();
  // Where the screen's font makes the geometry form larger than the window's
  // size in twips, the window grows to show it whole (within the screen).
  const QSize cornice = size() - area_->viewport()->size();
  QSize voluto = geo_->parentWidget()->sizeHint() + cornice;
  if (const QScreen* schermo = screen()) voluto = voluto.boundedTo(schermo->availableGeometry().size());
  resize(size().expandedTo(voluto));
}

void FinestraPrincipale::LinguaLeggeIni() {
  const auto letto = voro::LinguaLeggeIni(s_.stato.CartellaProgramma, s_.CartellaUtente);
  if (!letto || !LinguaValida(*letto)) {
    if (letto) s_.stato.Lingua = *letto;
    const std::optional<int> scelto = s_.dialoghi->sceltaLingua(this);
    if (scelto) {
      mnuLingua_Click(*scelto);
    } else if (!LinguaValida(s_.stato.Lingua)) {
      // Closed without a choice: the help opens in Italian, nothing is stored.
      mnuLinguaSetta(0);
    }
    return;
  }
  s_.stato.Lingua = *letto;
  mnuLinguaSetta(IndiceLingua(s_.stato.Lingua));
}

void FinestraPrincipale::mnuLinguaSetta(int indice) {
  for (int i = 0; i < 2; ++i) lingua_[static_cast<std::size_t>(i)]->setChecked(i == indice);
  LinguaSetta(indice, s_.stato.Lingua);
}

void FinestraPrincipale::mnuLingua_Click(int indice) {
  mnuLinguaSetta(indice);
  if (!LinguaScriveIni(s_.stato.Lingua, s_.stato.CartellaProgramma, s_.CartellaUtente))
    s_.msg().exclamation("Impossibile salvare la lingua dell'help in Lingua.ini");
}

QMdiSubWindow* FinestraPrincipale::figlia(QWidget* w) {
  QMdiSubWindow* sub = area_->addSubWindow(w);
  w->installEventFilter(new Crescita(sub));
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setWindowIcon(windowIcon());
  return sub;
}

namespace {

void Davanti(QWidget* form) {
  QWidget* sub = form->parentWidget();
  sub->show();
  sub->raise();
  if (auto* s = qobject_cast<QMdiSubWindow*>(sub)) s->mdiArea()->setActiveSubWindow(s);
}

}  // namespace

template <class Form>
void FinestraPrincipale::mostraForm(QPointer<Form>& form) {
  if (!form) {
    form = new Form(*this, s_);
    figlia(form)->move(0, 0);
  }
  Davanti(form);
}

void FinestraPrincipale::MostraGeometria() { mostraForm(geo_); }
void FinestraPrincipale::MostraCarichi() { mostraForm(carichi_); }
void FinestraPrincipale::MostraOpzioni() { mostraForm(opzioni_); }

void FinestraPrincipale::MostraRisultati() {
  if (risultati_) risultati_->parentWidget()->close();
  risultati_ = new FormRisultati(*this, s_);
  // The report opens reduced in the corner of the plot; Enlarge shows it whole.
  QMdiSubWindow* sub = figlia(risultati_);
  sub->move(0, 0);
  sub->resize(Twips(2865, this), Twips(2415, this));
  Davanti(risultati_);
}

void FinestraPrincipale::Risolvi() {
  MostraOpzioni();
  opzioni_->Solve();
}

bool FinestraPrincipale::Libero() {
  if (!calcolatore_.inCorso()) return true;
  s_.msg().information("Il calcolo è in corso: attendere che finisca o premere Stop.");
  return false;
}

void FinestraPrincipale::CalcolaEPlotta(int PlottaGeometria) {
  if (!Libero()) return;
  if (PlottaGeometria != 0) {
    mostraPlot(PlottaGeometria);
    return;
  }
  statusBar()->showMessage("Solving...");
  calcolatore_.Avvia(s_);
}

void FinestraPrincipale::fineCalcolo(bool riuscito) {
  statusBar()->showMessage(riuscito ? "Solved" : "Ready");
  if (opzioni_) {
    opzioni_->lblStep->hide();
    opzioni_->cmdStop->hide();
  }
  if (riuscito) {
    mostraPlot(0);
  } else {
    s_.msg().plain(utf8(calcolatore_.ultimoErrore()));
  }
  if (opzioni_) opzioni_->calcoloConcluso();
  emit calcoloConcluso(riuscito);
}

void FinestraPrincipale::mostraPlot(int PlottaGeometria) {
  if (plot_) plot_->parentWidget()->close();
  plot_ = new FinestraPlot(*this, s_, PlottaGeometria);
  QMdiSubWindow* sub = figlia(plot_);
  sub->move(0, 0);
  sub->resize(area_->size());
  Davanti(plot_);
}

void FinestraPrincipale::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  if (plot_) plot_->parentWidget()->resize(area_->size());
}

void FinestraPrincipale::closeEvent(QCloseEvent* e) {
  calcolatore_.Interrompi(s_.StopOttimizzazione);
  area_->closeAllSubWindows();
  e->accept();
}

void FinestraPrincipale::FileNuovo() {
  // The running calculation writes its results into this project when it ends.
  if (!Libero()) return;
  setWindowTitle(FormCaption);
  s_.stato.DatiNuovi = true;
  MostraGeometria();
  geo_->InizializzaForm();
  // The voussoirs in memory belong to the previous project until the new
  // geometry is read.
  AbilitaMenu(false);
}

void FinestraPrincipale::FileApri() { ApriFileDati(QString::fromStdString(s_.stato.CartellaDati)); }

void FinestraPrincipale::ApriFileDati(const QString& cartellaIniziale) {
  if (!Libero()) return;
  const QString proposto =
      s_.NomeFileBreve.empty() ? QString("*.vro") : QString::fromStdString(s_.NomeFileBreve) + ".vro";
  QString cartella = cartellaIniziale;
  if (!QFileInfo(cartella).isDir()) cartella = QDir::currentPath();
  const std::optional<QString> scelto =
      s_.dialoghi->apri(this, cartella, FiltroDialogo(kFiltroVoro), VoceFiltro(kFiltroVoro, 2), proposto);
  if (scelto) {
    const QFileInfo info(*scelto);
    s_.stato.CartellaDati = utf8(info.absolutePath());
    s_.NomeFileBreve = utf8(info.completeBaseName());
    AggiornaCaption();
    try {
      LeggiFileProgetto(utf8(info.absoluteFilePath()), s_.dati, s_.msg());
      s_.stato.DatiNuovi = false;
    } catch (const RuntimeError& e) {
      if (e.number() != err::DialogCancelled) s_.msg().plain(e.description());
    }
    AbilitaMenu(false);
  }
  AggiornaCaption();
  MostraGeometria();
  geo_->InizializzaForm();
  geo_->ScriveDatiInForm();
}

void FinestraPrincipale::FileSalvaConNome() {
  const QString proposto =
      s_.NomeFileBreve.empty() ? QString("*.vro") : QString::fromStdString(s_.NomeFileBreve) + ".vro";
  QString cartella = QString::fromStdString(s_.stato.CartellaDati);
  if (!QFileInfo(cartella).isDir()) cartella = QDir::currentPath();
  const std::optional<QString> scelto =
      s_.dialoghi->salva(this, cartella, FiltroDialogo(kFiltroVoro), VoceFiltro(kFiltroVoro, 2), proposto);
  if (!scelto) return;
  const QFileInfo info(*scelto);
  s_.NomeFileBreve = utf8(info.completeBaseName());
  AggiornaCaption();
  if (ScriviFileProgetto(utf8(info.absoluteFilePath()), s_.dati, s_.msg())) {
    s_.stato.CartellaDati = utf8(info.absolutePath());
    statusBar()->showMessage("Saved " + info.absoluteFilePath());
  }
}

void FinestraPrincipale::VisualizzaItem(int i) {
  bool& flag = s_.stato.Visualizza[static_cast<std::size_t>(i)];
  flag = !flag;
  vista_[static_cast<std::size_t>(i)]->setChecked(flag);
  if (plot_) plot_->Ridisegna();
}

void FinestraPrincipale::esempi() {
  const std::string salvata = s_.stato.CartellaDati;
  ApriFileDati(QDir(cartellaProgramma_).filePath("examples"));
  s_.stato.CartellaDati = salvata;
}

void FinestraPrincipale::aiuto() {
  const QString percorso = PercorsoAiuto(cartellaProgramma_, s_.stato.Lingua);
  auto* finestra = findChild<Aiuto*>();
  if (!finestra) {
    finestra = new Aiuto(this);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
  }
  if (!finestra->Apri(percorso)) {
    finestra->close();
    s_.msg().critical(utf8("Impossibile aprire il file della guida " + percorso));
    return;
  }
  finestra->show();
  finestra->raise();
}

void FinestraPrincipale::informazioni() {
  FormInfo f(s_.msg(), this);
  f.exec();
}

}  // namespace voro::ui
