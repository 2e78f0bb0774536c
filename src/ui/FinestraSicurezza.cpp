// The Safety window.
#include "ui/FinestraSicurezza.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTimer>
#include <QPainter>
#include <QPrinter>
#include <QSplitter>
#include <QVBoxLayout>

#include "drawing/qt/SuperficieQt.h"
#include "ui/EsportaPlot.h"
#include "ui/Sessione.h"

namespace voro::ui {

AreaTavola::AreaTavola(const Sessione& s, QWidget* parent) : QWidget(parent), s_(s) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 120);
}

void AreaTavola::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), s_.stato.Visualizza[4] ? Qt::white : Qt::black);
  if (!tavola_) return;
  SuperficieQt superficie(p, width(), height(), logicalDpiY());
  tavola_->PlottaVoro("VIDEO", &superficie);
}

FinestraSicurezza::FinestraSicurezza(Sessione& s, QWidget* parent)
    : QWidget(parent), s_(s), disegnoArco_(messaggiDisegno_), disegnoGrafico_(messaggiDisegno_) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName("FrmSicurezza");
  valutatore_.ImpostaTraduzioni(s.msg().traduzioni());
  messaggiDisegno_.setTraduzioni(s.msg().traduzioni());
  setWindowTitle(tr("Safety"));

  menu = new QMenuBar(this);
  QMenu* file = menu->addMenu(tr("&File"));
  file->addAction(tr("&Print"), this, [this] { mnuFileItem(0); });
  file->addAction(tr("&Export DXF"), this, [this] { mnuFileItem(1); });

  tabella = new QTableWidget(0, 3, this);
  tabella->setObjectName("grdSicurezza");
  tabella->setHorizontalHeaderLabels({tr("Figure"), tr("Value"), tr("What it means")});
  tabella->verticalHeader()->hide();
  tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabella->setWordWrap(true);
  tabella->horizontalHeader()->setStretchLastSection(true);
  // The explanations wrap within the room the window gives them, their rows
  // as tall as the wrapped text, whatever the window's size.
  // Once the layout has settled: a scroll bar that appears narrows the column again.
  connect(tabella->horizontalHeader(), &QHeaderView::sectionResized, tabella, [t = tabella](int colonna) {
    if (colonna == 2) QTimer::singleShot(0, t, &QTableWidget::resizeRowsToContents);
  });

  areaArco = new AreaTavola(s, this);
  areaArco->setObjectName("picArco");
  areaGrafico = new AreaTavola(s, this);
  areaGrafico->setObjectName("picSpostamento");
  // The figures above, the arch and the sweep chart side by side below.
  auto* disegni = new QSplitter(Qt::Horizontal, this);
  disegni->addWidget(areaArco);
  disegni->addWidget(areaGrafico);
  disegni->setStretchFactor(0, 3);
  disegni->setStretchFactor(1, 2);
  auto* divisore = new QSplitter(Qt::Vertical, this);
  divisore->addWidget(tabella);
  divisore->addWidget(disegni);
  divisore->setStretchFactor(0, 0);
  divisore->setStretchFactor(1, 1);
  divisore->setSizes({Twips(3600, this), Twips(7200, this)});

  lblStato = new QLabel(this);
  progresso = new QProgressBar(this);
  cmdStop = new QPushButton(tr("&Stop"), this);
  auto* stato = new QHBoxLayout;
  stato->addWidget(lblStato, 1);
  stato->addWidget(progresso);
  stato->addWidget(cmdStop);
  auto* tutto = new QVBoxLayout(this);
  tutto->setMenuBar(menu);
  tutto->addWidget(divisore, 1);
  tutto->addLayout(stato);

  connect(cmdStop, &QPushButton::clicked, this, [this] { valutatore_.Ferma(); fine(false); });
  connect(&valutatore_, &ValutatoreSicurezza::avanzamento, this, [this](int fatti, int totale) {
    progresso->setMaximum(totale);
    progresso->setValue(fatti);
    lblStato->setText(fatti < totale ? tr("Load position %1 of %2").arg(fatti).arg(totale - 1)
                                     : tr("Minimum thickness..."));
  });
  connect(&valutatore_, &ValutatoreSicurezza::concluso, this, &FinestraSicurezza::fine);
}

FinestraSicurezza::~FinestraSicurezza() { valutatore_.Ferma(); }

void FinestraSicurezza::closeEvent(QCloseEvent* e) {
  valutatore_.Ferma();
  e->accept();
}

void FinestraSicurezza::Avvia() {
  valutata_ = false;
  areaArco->Imposta(nullptr);
  areaGrafico->Imposta(nullptr);
  plot_.reset();
  grafico_.reset();
  tabella->setRowCount(0);
  lblStato->setText(tr("Assessing..."));
  progresso->setRange(0, 0);
  progresso->show();
  cmdStop->show();
  valutatore_.Avvia(s_.dati, kPosizioni);
}

void FinestraSicurezza::fine(bool riuscito) {
  progresso->hide();
  cmdStop->hide();
  valutatore_.Riproduci(s_.msg());
  if (!riuscito) {
    const QString perche = valutatore_.errore();
    lblStato->setText(perche.isEmpty() ? tr("Stopped") : tr("No assessment: %1").arg(perche));
    if (!perche.isEmpty()) s_.msg().critical(perche.toStdString());
    emit concluso(false);
    return;
  }
  lblStato->setText(tr("Assessed: exact limit analysis (rigid voussoirs, no tension, no sliding)"));
  plot_ = std::make_unique<PlottaSicurezza>(valutatore_.dati(), valutatore_.modello(), valutatore_.risultati(),
                                            s_.regional, disegnoArco_);
  grafico_ = std::make_unique<GraficoSpostamento>(valutatore_.risultati(), s_.regional, disegnoGrafico_);
  areaArco->Imposta(plot_.get());
  areaGrafico->Imposta(grafico_.get());
  riempiTabella();
  valutata_ = true;
  emit concluso(true);
}

void FinestraSicurezza::riempiTabella() {
  const RisultatiSicurezza& r = valutatore_.risultati();
  auto numero = [this](double v) { return QString::fromStdString(Spoglio(s_.regional.FormattaNumero(5, v))); };
  auto cerniere = [](const std::vector<Cerniera>& c) {
    QStringList t;
    for (const Cerniera& h : c) t << QString("%1 %2").arg(h.giunto).arg(h.faccia == Faccia::Intradosso ? "i" : "e");
    return t.join(", ");
  };
  std::vector<std::array<QString, 3>> righe;
  righe.push_back({tr("Admissible"), r.ammissibile ? tr("yes") : tr("no"),
                   r.ammissibile ? tr("A thrust line fits within the masonry: the arch stands (safe theorem)")
                                 : tr("No thrust line fits within the masonry, whatever the hinges")});
  righe.push_back({tr("Thickness ratio s"), r.rapportoSpessore ? numero(*r.rapportoSpessore) : tr("none"),
                   tr("The least fraction of each joint's half depth a thrust line needs")});
  righe.push_back({tr("Geometric safety factor"), r.fattoreGeometrico ? numero(*r.fattoreGeometrico) : tr("none"),
                   tr("1/s: how many times thinner the ring could be about its centre line")});
  righe.push_back({tr("Contacts"), cerniere(r.contatti), tr("Joints where that line touches the reduced section (i intrados, e extrados)")});
  righe.push_back({tr("Least thrust [kN]"), r.spintaMinima ? numero(*r.spintaMinima) : tr("none"),
                   tr("Least horizontal force of the left support on the arch among the lines that fit")});
  righe.push_back({tr("Largest thrust [kN]"),
                   r.spintaMassima ? numero(*r.spintaMassima) : r.spintaMassimaIllimitata ? tr("no limit") : tr("none"),
                   tr("The most a tie or an abutment may have to take")});
  QString carico;
  switch (r.esitoCarico) {
    case EsitoCarico::Finito: carico = numero(*r.fattoreCarico); break;
    case EsitoCarico::Illimitato: carico = tr("no collapse"); break;
    case EsitoCarico::NessunCarico: carico = tr("no variable load"); break;
    case EsitoCarico::Impossibile: carico = tr("none fits"); break;
  }
  righe.push_back({tr("Live-load factor"), carico,
                   tr("Largest multiplier of the variable load before collapse (dead loads and passive pressure as given)")});
  righe.push_back({tr("Mechanism"), cerniere(r.meccanismo), tr("The four hinges of the collapse (joint, i intrados, e extrados)")});
  righe.push_back({tr("Worst live-load factor"), r.fattorePeggiore ? numero(*r.fattorePeggiore) : tr("none"),
                   r.posizioni.size() == 1
                       ? tr("The strip load covers the whole structure: one position")
                       : tr("Least factor over %1 positions of the strip load").arg(r.posizioni.size())});
  righe.push_back({tr("Worst position [m]"),
                   r.xq1Peggiore ? numero(*r.xq1Peggiore) + " - " + numero(*r.xq2Peggiore) : tr("none"),
                   tr("Where the strip load is worst")});
  righe.push_back({tr("Minimum thickness [m]"), r.spessoreMinimo ? numero(*r.spessoreMinimo) : tr("none"),
                   tr("Thinnest segment when every thickness is scaled down until no thrust line fits")});
  righe.push_back({tr("Thickness factor"), r.fattoreSpessore ? numero(*r.fattoreSpessore) : tr("none"),
                   tr("The project's thicknesses over the least ones")});
  tabella->setRowCount(static_cast<int>(righe.size()));
  for (int i = 0; i < static_cast<int>(righe.size()); ++i)
    for (int k = 0; k < 3; ++k) tabella->setItem(i, k, new QTableWidgetItem(righe[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)]));
  tabella->resizeColumnToContents(0);
  tabella->resizeColumnToContents(1);
  tabella->resizeRowsToContents();
}

void FinestraSicurezza::mnuFileItem(int indice) {
  if (!plot_) return;
  messaggiDisegno_.clear();
  try {
    if (indice == 0) {
      QPrinter printer(QPrinter::HighResolution);
      printer.setPageOrientation(QPageLayout::Landscape);
      if (!s_.dialoghi->stampa(this, printer)) return;
      QPainter p;
      if (!p.begin(&printer)) throw RuntimeError(482);
      const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
      SuperficieQt superficie(p, page.width(), page.height(), printer.resolution());
      plot_->PlottaVoro("STAMPANTE", &superficie);
      p.end();
    } else {
      const QString filtro = tr("All Files (*.*)|*.*|Autocad Files (*.dxf)|*.dxf");
      const QString base = s_.NomeFileBreve.empty() ? QString("Voro") : QString::fromStdString(s_.NomeFileBreve);
      const auto scelto = s_.dialoghi->salva(this, QString::fromStdString(s_.stato.CartellaDati),
                                             FiltroDialogo(filtro), VoceFiltro(filtro, 2), base + "-safety.dxf");
      if (!scelto) return;
      s_.stato.CartellaDati = QFileInfo(*scelto).absolutePath().toStdString();
      disegnoArco_.dxf.Apri(scelto->toStdString());
      plot_->PlottaVoro("DXF", nullptr);
      disegnoArco_.dxf.Chiudi();
    }
  } catch (const RuntimeError& e) {
    const std::string testo = MessaggioErroreStampa(e.number(), e.description());
    if (!testo.empty()) s_.msg().information(testo);
  }
  for (const auto& e : messaggiDisegno_.entries()) s_.msg().show(e.kind, e.text, e.title);
  messaggiDisegno_.clear();
}

}  // namespace voro::ui
