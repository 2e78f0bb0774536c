// The Safety window.
#include "ui/FinestraSicurezza.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTimer>
#include <QPainter>
#include <QPrinter>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "drawing/FigureSicurezza.h"
#include "arch/ImposteArco.h"
#include "data/CifreCoerenti.h"
#include "data/Normative.h"
#include "drawing/qt/SuperficieQt.h"
#include "limite/ElencoCertificati.h"
#include "ui/CopiaTabella.h"
#include "ui/EsportaPlot.h"
#include "ui/NomiVeicoli.h"
#include "ui/Sessione.h"

namespace voro::ui {

AreaTavola::AreaTavola(const Sessione& s, QWidget* parent) : VistaZoom(parent), s_(s) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 120);
}

void AreaTavola::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), s_.stato.Visualizza[4] ? Qt::white : Qt::black);
  if (!tavola_) return;
  const QRectF v = Riquadro();
  p.translate(v.topLeft());
  SuperficieQt superficie(p, v.width(), v.height(), logicalDpiY());
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
  file->addAction(tr("Export &Plot..."), this, [this] { mnuEsportaImmagine(0); });
  file->addAction(tr("Export Sweep &Chart..."), this, [this] { mnuEsportaImmagine(1); });
  menu->addMenu(tr("&View"))->addAction(tr("&Fit to Window") + '\t' + TastoAdatta(), this, [this] { Adatta(); });

  tabella = new QTableWidget(0, 3, this);
  tabella->setObjectName("grdSicurezza");
  tabella->setHorizontalHeaderLabels({tr("Figure"), tr("Value"), tr("What it means")});
  tabella->verticalHeader()->hide();
  tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabella->setWordWrap(true);
  tabella->horizontalHeader()->setStretchLastSection(true);
  CopiaTabella::Installa(tabella);
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
  areaArco->esporta = [this] { mnuEsportaImmagine(0); };
  areaGrafico->esporta = [this] { mnuEsportaImmagine(1); };
  // The figures above; below, one load at a time with the room of the whole
  // window: the strip load's arch and sweep chart, or the vehicle's.
  auto* disegni = new QSplitter(Qt::Horizontal, this);
  disegni->addWidget(areaArco);
  disegni->addWidget(areaGrafico);
  disegni->setStretchFactor(0, 3);
  disegni->setStretchFactor(1, 2);
  pannelloVeicolo = new PannelloVeicolo(s, this);
  schede = new QTabWidget(this);
  schede->setObjectName("tabCarichi");
  schede->addTab(disegni, tr("Strip load"));
  schede->addTab(pannelloVeicolo, tr("Vehicle"));
  schede->setTabVisible(1, false);
  auto* divisore = new QSplitter(Qt::Vertical, this);
  divisore->addWidget(tabella);
  divisore->addWidget(schede);
  divisore->setStretchFactor(0, 0);
  divisore->setStretchFactor(1, 1);
  divisore->setSizes({Twips(2000, this), Twips(7200, this)});
  // Tiled or cascaded, the window keeps a few rows of figures and drawings
  // that can be read: the area arranges it no smaller.
  const int riga = fontMetrics().height() + 8;
  tabella->setMinimumHeight(tabella->horizontalHeader()->sizeHint().height() + 4 * riga);
  schede->setMinimumHeight(14 * riga);
  divisore->setChildrenCollapsible(false);

  // The verdict first, in words and a sign as well as in colour.
  lblVerdetto = new QLabel(this);
  lblVerdetto->setObjectName("lblVerdetto");
  lblVerdetto->setWordWrap(true);
  lblVerdetto->setFrameShape(QFrame::Box);
  lblVerdetto->setMargin(6);
  lblVerdetto->hide();

  lblStato = new QLabel(this);
  lblStato->setWordWrap(true);
  progresso = new QProgressBar(this);
  cmdStop = new QPushButton(tr("&Stop"), this);
  auto* stato = new QHBoxLayout;
  stato->addWidget(lblStato, 1);
  stato->addWidget(progresso);
  stato->addWidget(cmdStop);
  auto* tutto = new QVBoxLayout(this);
  tutto->setMenuBar(menu);
  tutto->addWidget(lblVerdetto);
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
  pannelloVeicolo->Svuota();
  schede->setTabVisible(1, false);
  tabella->setRowCount(0);
  lblVerdetto->hide();
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
  lblStato->setText(tr("Assessed: exact limit analysis (%1)").arg(ipotesi().join(", ")));
  plot_ = std::make_unique<PlottaSicurezza>(valutatore_.dati(), valutatore_.modello(), valutatore_.risultati(),
                                            s_.regional, disegnoArco_);
  grafico_ = std::make_unique<GraficoSpostamento>(valutatore_.risultati(), valutatore_.modello(), s_.regional,
                                                  disegnoGrafico_);
  areaArco->Imposta(plot_.get());
  areaGrafico->Imposta(grafico_.get());
  riempiTabella();
  pannelloVeicolo->Mostra(valutatore_.dati(), valutatore_.modello(), valutatore_.veicolo());
  // A vehicle is what the engineer asked about: its page in front.
  if (valutatore_.dati().VeicoloCarico) {
    schede->setTabVisible(1, true);
    schede->setCurrentIndex(1);
  }
  mostraVerdetto();
  valutata_ = true;
  emit concluso(true);
}

void FinestraSicurezza::mostraVerdetto() {
  const Adeguatezza& a = valutatore_.adeguatezza();
  const EsitoCombinazione& g = a.governante();
  const DatiNormativa& n = valutatore_.dati().Normativa;
  if (!a.verdetto()) {
    const QString testo = tr("NO VERDICT");
    lblVerdetto->setText("<b>" + testo.toHtmlEscaped() + "</b><br>" +
                         QString::fromStdString(TestoMancanze(a.mancanze, s_.regional)).toHtmlEscaped());
    lblVerdetto->setAccessibleName(testo);
    lblVerdetto->setStyleSheet("QLabel { color: #5a4500; background: #fbf3d9; }");
    lblVerdetto->show();
    return;
  }
  QString testo = !a.certificata() ? tr("? NOT CERTIFIED") : a.adeguato() ? tr("\u2714 ADEQUATE") : tr("\u2718 NOT ADEQUATE");
  if (!a.certificata())
    testo += " \u2014 " + tr("a figure the verdict rests on has no certified answer");
  else if (a.fattore())
    testo += " \u2014 " + tr("adequacy factor %1 (%2 1), design loads and strength")
                               .arg(fattore(*a.fattore()), a.adeguato() ? QString("\u2265") : QString("<"));
  else if (g.esito == EsitoCarico::Illimitato)
    testo += " \u2014 " + tr("no design variable load can make a mechanism");
  else if (g.esito == EsitoCarico::Impossibile)
    testo += " \u2014 " + tr("no thrust line fits under the design permanent loads");
  QString dettagli = tr("Code basis: %1").arg(QCoreApplication::translate("Voro", NomeNormativa(n.base).c_str()));
  if (n.base != BaseNormativa::Digitata)
    dettagli += ", " + tr("knowledge level %1").arg(QString::fromStdString(NomeLivello(*n.livello)));
  if (a.fattore()) {
    switch (g.combinazione) {
      case Combinazione::Inf: dettagli += "; " + tr("permanent loads at their favourable factors"); break;
      case Combinazione::Sup: dettagli += "; " + tr("permanent loads at their unfavourable factors"); break;
      case Combinazione::G1SupG2Inf:
        dettagli += "; " + tr("structural permanent loads unfavourable, slab and surfacing favourable");
        break;
      case Combinazione::G1InfG2Sup:
        dettagli += "; " + tr("structural permanent loads favourable, slab and surfacing unfavourable");
        break;
    }
  }
  if (g.governante) {
    // The vehicle by the name the windows give it.
    CaricoGovernante carico = *g.governante;
    carico.nomeVeicolo = NomeVeicolo(carico.nomeVeicolo).toStdString();
    dettagli += "; " + tr("%1 from x = %2 to %3 m")
                           .arg(QString::fromStdString(TestoCarico(carico, s_.regional)))
                           .arg(QString::fromStdString(s_.regional.Formatta(g.governante->x1, "0.000")))
                           .arg(QString::fromStdString(s_.regional.Formatta(g.governante->x2, "0.000")));
  }
  lblVerdetto->setText("<b>" + testo.toHtmlEscaped() + "</b><br>" + dettagli.toHtmlEscaped());
  lblVerdetto->setAccessibleName(testo);
  lblVerdetto->setStyleSheet(a.adeguato() ? "QLabel { color: #0b5d1e; background: #e3f4e6; }"
                                          : "QLabel { color: #8a1010; background: #fbe3e3; }");
  lblVerdetto->show();
}

QString FinestraSicurezza::fattore(double v) const { return QString::fromStdString(TestoFattore(s_.regional, v)); }

// Whether every figure above is certified, by which solver, or which are not.
std::array<QString, 3> FinestraSicurezza::rigaCertificati() const {
  const DatiProgetto& d = valutatore_.dati();
  QStringList incerti;
  bool clp = false;
  for (const FiguraCertificata& f :
       ElencoCertificati(valutatore_.risultati(), d.VeicoloCarico ? &valutatore_.veicolo() : nullptr)) {
    if (!f.certificato.valido()) incerti << QCoreApplication::translate("Voro", f.nome);
    clp = clp || f.certificato.solutore == Solutore::Clp;
  }
  const QString valore = !incerti.isEmpty() ? tr("not certified: %1").arg(incerti.join(", "))
                         : clp              ? tr("all (dense simplex and COIN-OR CLP)")
                                            : tr("all (dense simplex)");
  return {tr("Certified"), valore,
          tr("Each figure lies between a thrust line that stands (safe) and a mechanism that collapses (unsafe), "
             "and the two agree within the stated gap")};
}

void FinestraSicurezza::righeVeicolo(std::vector<std::array<QString, 3>>& righe) const {
  const DatiProgetto& d = valutatore_.dati();
  if (!d.VeicoloCarico) return;
  const RisultatiVeicolo& v = valutatore_.veicolo();
  const QString nome = NomeVeicolo(d.VeicoloCarico->Nome);
  righe.push_back({tr("Vehicle"), nome,
                   tr("Driven across the bridge in %1 positions, the least factor refined between them")
                       .arg(v.posizioni.size())});
  righe.push_back({tr("Vehicle's worst live-load factor"), v.fattorePeggiore ? fattore(*v.fattorePeggiore) : tr("none"),
                   tr("Largest multiplier of the strip load and the vehicle together, at the vehicle's worst "
                      "position (the project's characteristic loads)")});
  if (!v.fattorePeggiore) return;
  righe.push_back({tr("Vehicle's worst position [m]"),
                   (v.versoPeggiore == Verso::Avanti ? tr("x = %1, forward") : tr("x = %1, backward"))
                       .arg(QString::fromStdString(TestoMetri(s_.regional, v.xPeggiore))),
                   tr("The first axle's position; forward: the other axles at x + d, backward: at x - d")});
  righe.push_back({tr("Vehicle's mechanism"), QString::fromStdString(TestoCerniere(v.meccanismo, &valutatore_.modello())),
                   tr("The joints of the collapse (i intrados, e extrados, c crushing, s sliding)")});
  QStringList carichi, larghezze;
  for (std::size_t k = 0; k < v.assiPeggiori.size(); ++k) {
    const double P = k < d.VeicoloCarico->Assi.size() ? d.VeicoloCarico->Assi[k].P : 0;
    carichi << QString::fromStdString(TestoKn(s_.regional, *v.fattorePeggiore * P));
    larghezze << QString::fromStdString(TestoMetri(s_.regional, v.assiPeggiori[k].be));
  }
  righe.push_back({tr("Vehicle's axle loads at collapse [kN]"), carichi.join("; "),
                   tr("Each axle's load times the worst factor, axle 1 first")});
  righe.push_back({tr("Vehicle's effective widths b_e [m]"), larghezze.join("; "),
                   tr("The width of ring that carries each axle: the ring takes P b / b_e")});
}

QStringList FinestraSicurezza::ipotesi() const {
  const RisultatiSicurezza& r = valutatore_.risultati();
  QStringList t;
  if (r.resistenzaMinima) {
    t << tr("%1 MPa").arg(QString::fromStdString(TestoResistenza(valutatore_.dati(), valutatore_.modello(), r,
                                                                 fattore(*r.resistenzaMinima).toStdString())));
  } else {
    t << tr("rigid voussoirs of unlimited strength");
  }
  t << tr("no tension");
  t << (r.attrito ? tr("friction μ = %1").arg(fattore(*r.attrito)) : tr("no sliding"));
  if (r.mobilitazione) t << tr("soil resisting up to %1 of the passive pressure").arg(fattore(*r.mobilitazione));
  return t;
}

void FinestraSicurezza::riempiTabella() {
  const RisultatiSicurezza& r = valutatore_.risultati();
  // One format for each kind of figure, as in the drawings.
  auto metri = [this](double v) { return QString::fromStdString(TestoMetri(s_.regional, v)); };
  auto kN = [this](double v) { return QString::fromStdString(TestoKn(s_.regional, v)); };
  auto cerniere = [this](const std::vector<Cerniera>& c) {
    return QString::fromStdString(TestoCerniere(c, &valutatore_.modello()));
  };
  std::vector<std::array<QString, 3>> righe;
  righe.push_back({tr("Hypotheses"), ipotesi().join(", "),
                   r.resistenzaFinita ? tr("Of every figure below but the geometric factor, which is Heyman's (rigid)")
                                      : tr("Rigid masonry of unlimited strength: crushing is not checked; the "
                                           "geometric factor is Heyman's")});
  const QString incerto = tr("not certified");
  righe.push_back({tr("Admissible"), !r.certificatoAmmissibile.valido() ? incerto : r.ammissibile ? tr("yes") : tr("no"),
                   r.ammissibile ? tr("A thrust line fits within the masonry: the arch stands (safe theorem)")
                                 : tr("No thrust line fits within the masonry, whatever the hinges")});
  righe.push_back({tr("Thickness ratio s"),
                   r.rapportoSpessore ? QString::fromStdString(s_.regional.Formatta(
                                            *r.rapportoSpessore, FormatoDecimali(DecimaliCoerenti(*r.rapportoSpessore, 4))))
                                      : tr("none"),
                   tr("The least fraction of each joint's half depth a thrust line needs")});
  righe.push_back({tr("Depth ratio 1/s"), r.fattoreGeometrico ? fattore(*r.fattoreGeometrico) : tr("none"),
                   tr("Each joint's depth over the depth the thrust line of least eccentricity needs")});
  righe.push_back({tr("Contacts"), cerniere(r.contatti), tr("Joints where that line touches the reduced section (i intrados, e extrados)")});
  const bool campoIncerto = r.ammissibile && !r.certificatoCampo.valido();
  righe.push_back({tr("Least thrust [kN]"), campoIncerto ? incerto : r.spintaMinima ? kN(*r.spintaMinima) : tr("none"),
                   tr("Least horizontal force of the left support on the arch among the lines that fit")});
  righe.push_back({tr("Largest thrust [kN]"),
                   campoIncerto             ? incerto
                   : r.spintaMassima        ? kN(*r.spintaMassima)
                   : r.spintaMassimaIllimitata ? tr("no limit")
                                            : tr("none"),
                   tr("The most a tie or an abutment may have to take")});
  QString carico;
  switch (r.esitoCarico) {
    case EsitoCarico::Finito: carico = fattore(*r.fattoreCarico); break;
    case EsitoCarico::Illimitato: carico = tr("no collapse"); break;
    case EsitoCarico::NessunCarico: carico = tr("no variable load"); break;
    case EsitoCarico::Impossibile: carico = tr("none fits"); break;
    case EsitoCarico::NonCertificato: carico = tr("not certified"); break;
  }
  righe.push_back({tr("Live-load factor"), carico,
                   tr("Largest multiplier of the variable load before collapse (dead loads as given)")});
  righe.push_back({tr("Mechanism"), cerniere(r.meccanismo),
                   tr("The joints of the collapse (i intrados, e extrados, c crushing, s sliding)")});
  righe.push_back({tr("Worst live-load factor"),
                   r.posizioniNonCertificate > 0 ? incerto : r.fattorePeggiore ? fattore(*r.fattorePeggiore) : tr("none"),
                   r.posizioni.size() == 1
                       ? tr("The strip load covers the whole structure: one position")
                       : tr("Least factor over %1 positions of the strip load").arg(r.posizioni.size())});
  righe.push_back({tr("Worst position [m]"),
                   r.xq1Peggiore ? tr("%1 to %2").arg(metri(*r.xq1Peggiore), metri(*r.xq2Peggiore)) : tr("none"),
                   tr("Where the strip load is worst")});
  righe.push_back({tr("Minimum thickness [m]"),
                   r.spessoreNonCertificato ? incerto : r.spessoreMinimo ? metri(*r.spessoreMinimo) : tr("none"),
                   tr("Thinnest segment when every thickness is scaled down until no thrust line fits, the road, "
                      "slab and loads kept where the project puts them")});
  righe.push_back({tr("Geometric factor of safety t/tmin"), r.fattoreSpessore ? fattore(*r.fattoreSpessore) : tr("none"),
                   tr("Heyman: the ring's thickness over the least thickness that still holds a thrust line")});
  righeVeicolo(righe);
  righe.push_back(rigaCertificati());
  const ImposteArco imposte = ImposteSuPareti(valutatore_.modello());
  auto rialzo = [this](const ImpostaRialzata& i) {
    return tr("%1 voussoirs, y = %2 m (%3 m above the ring's end)")
        .arg(i.conciParete)
        .arg(QString::fromStdString(s_.regional.Formatta(i.y, "0.000")))
        .arg(QString::fromStdString(s_.regional.Formatta(i.rialzo, "0.000")));
  };
  if (imposte.sinistra)
    righe.push_back({tr("Springing raised, left"), rialzo(*imposte.sinistra),
                     tr("The upper wall takes these voussoirs off the ring: the arch springs higher")});
  if (imposte.destra)
    righe.push_back({tr("Springing raised, right"), rialzo(*imposte.destra),
                     tr("The upper wall takes these voussoirs off the ring: the arch springs higher")});
  tabella->setRowCount(static_cast<int>(righe.size()));
  for (int i = 0; i < static_cast<int>(righe.size()); ++i)
    for (int k = 0; k < 3; ++k) tabella->setItem(i, k, new QTableWidgetItem(righe[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)]));
  SegnalaPericolo(r);
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
