// The vehicle panel of the Safety window.
#include "ui/PannelloVeicolo.h"

#include <QHBoxLayout>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "drawing/FigureSicurezza.h"
#include "ui/FinestraSicurezza.h"
#include "ui/NomiVeicoli.h"
#include "ui/Sessione.h"

namespace voro::ui {

namespace {

// The slider moves the vehicle in millimetres.
constexpr double kPassoCursore = 1e-3;

}  // namespace

PannelloVeicolo::PannelloVeicolo(const Sessione& s, QWidget* parent)
    : QWidget(parent), s_(s), disegnoVeicolo_(messaggi_), disegnoGrafico_(messaggi_) {
  setObjectName("pnlVehicle");
  areaVeicolo = new AreaTavola(s, this);
  areaVeicolo->setObjectName("picVehicle");
  areaGrafico = new AreaTavola(s, this);
  areaGrafico->setObjectName("picVehicleSweep");
  sldPosizione = new QSlider(Qt::Horizontal, this);
  sldPosizione->setObjectName("sldVehicle");
  sldPosizione->setToolTip(tr("Drive the vehicle along the bridge: the position of its first axle"));
  cmbVerso = new QComboBox(this);
  cmbVerso->addItems({tr("Forward"), tr("Backward")});
  cmbVerso->setToolTip(tr("Forward: the other axles at x + d; backward: at x - d"));
  cmdPeggiore = new QPushButton(tr("&Worst position"), this);
  lblPosizione = new QLabel(this);
  lblPosizione->setObjectName("lblVehicle");
  // A bridge's mechanism makes the line long, in Italian most: it wraps
  // rather than widen the window past a small screen.
  lblPosizione->setWordWrap(true);

  auto* disegni = new QSplitter(Qt::Horizontal, this);
  disegni->addWidget(areaVeicolo);
  disegni->addWidget(areaGrafico);
  disegni->setStretchFactor(0, 3);
  disegni->setStretchFactor(1, 2);
  auto* comandi = new QHBoxLayout;
  comandi->addWidget(cmbVerso);
  comandi->addWidget(sldPosizione, 1);
  comandi->addWidget(cmdPeggiore);
  auto* tutto = new QVBoxLayout(this);
  tutto->setContentsMargins(0, 0, 0, 0);
  tutto->addWidget(disegni, 1);
  tutto->addLayout(comandi);
  tutto->addWidget(lblPosizione);

  connect(sldPosizione, &QSlider::valueChanged, this, [this](int v) { Sposta(v * kPassoCursore); });
  connect(cmbVerso, &QComboBox::currentIndexChanged, this, [this] {
    impostaCorsa();
    Sposta(sldPosizione->value() * kPassoCursore);
  });
  connect(cmdPeggiore, &QPushButton::clicked, this, [this] {
    if (!risultati_.fattorePeggiore) return;
    {
      const QSignalBlocker blocco(cmbVerso);
      cmbVerso->setCurrentIndex(risultati_.versoPeggiore == Verso::Avanti ? 0 : 1);
    }
    impostaCorsa();
    const QSignalBlocker blocco(sldPosizione);
    sldPosizione->setValue(static_cast<int>(std::lround(risultati_.xPeggiore / kPassoCursore)));
    Sposta(risultati_.xPeggiore);
  });
}

PannelloVeicolo::~PannelloVeicolo() = default;

Verso PannelloVeicolo::verso() const { return cmbVerso->currentIndex() == 1 ? Verso::Indietro : Verso::Avanti; }

void PannelloVeicolo::impostaCorsa() {
  if (!percorso_) return;
  const auto [inizio, fine] = percorso_->carico().Corsa(verso());
  const QSignalBlocker blocco(sldPosizione);
  sldPosizione->setRange(static_cast<int>(std::ceil(inizio / kPassoCursore)),
                         static_cast<int>(std::floor(fine / kPassoCursore)));
  // The arrow keys move by the sweep's own step, Page Up and Down by ten of
  // them, Home and End to the ends of the drive.
  const int passo = std::max(1, static_cast<int>(std::lround(risultati_.passo / kPassoCursore)));
  sldPosizione->setSingleStep(passo);
  sldPosizione->setPageStep(10 * passo);
}

void PannelloVeicolo::Svuota() {
  areaVeicolo->Imposta(nullptr);
  areaGrafico->Imposta(nullptr);
  plot_.reset();
  grafico_.reset();
  percorso_.reset();
  risultati_ = RisultatiVeicolo{};
}

void PannelloVeicolo::Mostra(const DatiProgetto& d, const ModelloArco& m, const RisultatiVeicolo& sweep) {
  Svuota();
  if (!d.VeicoloCarico) return;
  risultati_ = sweep;
  modello_ = &m;
  // The drawings name the vehicle as the windows do.
  risultati_.veicolo.Nome = NomeVeicolo(sweep.veicolo.Nome).toStdString();
  percorso_ = std::make_unique<PercorsoVeicolo>(d, m);
  cmbVerso->setEnabled(!percorso_->carico().veicolo().Simmetrico());
  corrente_ = VeicoloInPosizione{};
  corrente_.nome = NomeVeicolo(d.VeicoloCarico->Nome).toStdString();
  for (const AsseVeicolo& a : d.VeicoloCarico->Assi) corrente_.carichi.push_back(a.P);
  // The drawing fitted once to the road of the whole drive, both ways.
  double x0 = m.xMinStruttura, x1 = m.xMaxStruttura;
  for (const Verso v : {Verso::Avanti, Verso::Indietro}) {
    const auto [inizio, fine] = percorso_->carico().Corsa(v);
    for (const double x : {inizio, fine})
      for (const ImprontaAsse& a : percorso_->carico().Impronte(x, v)) x0 = std::min(x0, a.x1), x1 = std::max(x1, a.x2);
  }
  corrente_.strada = std::make_pair(x0, x1);
  plot_ = std::make_unique<PlottaVeicolo>(d, m, corrente_, s_.regional, disegnoVeicolo_);
  areaVeicolo->Imposta(plot_.get());
  if (risultati_.fattorePeggiore) {
    cmdPeggiore->click();
  } else {
    impostaCorsa();
    Sposta(sldPosizione->value() * kPassoCursore);
  }
}

void PannelloVeicolo::Sposta(double x) {
  if (!percorso_) return;
  const MoltiplicatoreCarico mc = percorso_->Valuta(x, verso());
  corrente_.assi = percorso_->carico().Impronte(x, verso());
  corrente_.valutato = true;
  corrente_.fattore.reset();
  corrente_.meccanismo.clear();
  corrente_.lineaCollasso = LineaSpinte{};
  if (mc.esito == EsitoCarico::Finito) {
    corrente_.fattore = mc.lambda;
    corrente_.meccanismo = mc.meccanismo;
    corrente_.lineaCollasso = percorso_->Linea(mc);
  }
  grafico_ = std::make_unique<GraficoVeicolo>(risultati_, s_.regional, disegnoGrafico_, x);
  areaGrafico->Imposta(grafico_.get());
  areaVeicolo->update();

  // The figures in the formats of the Safety table: factors and metres to three decimals.
  auto numero = [this](double v) { return QString::fromStdString(TestoFattore(s_.regional, v)); };
  auto metri = [this](double v) { return QString::fromStdString(TestoMetri(s_.regional, v)); };
  const QString cerniere = QString::fromStdString(TestoCerniere(corrente_.meccanismo, modello_));
  QString t = tr("Characteristic loads, first axle at x = %1 m: ").arg(metri(x));
  t += corrente_.fattore ? tr("live-load factor %1, mechanism %2").arg(numero(*corrente_.fattore), cerniere)
                         : tr("no collapse by the variable load at this position");
  if (risultati_.fattorePeggiore)
    t += tr(" — worst %1 at x = %2 m (%3)")
             .arg(numero(*risultati_.fattorePeggiore), metri(risultati_.xPeggiore),
                  risultati_.versoPeggiore == Verso::Avanti ? tr("forward") : tr("backward"));
  lblPosizione->setText(t);
}

}  // namespace voro::ui
