// The options form.
#include "ui/FormOpzioni.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "analysis/Calcolo.h"
#include "data/UnitConversions.h"
#include "ui/FinestraPrincipale.h"
#include "ui/Tastiera.h"

namespace voro::ui {

FormOpzioni::FormOpzioni(FinestraPrincipale& main, Sessione& s) : main_(main), s_(s) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName("frmOption");
  setWindowTitle("Solve options");

  CheckOttimizzaCerniere = new QCheckBox("Optimize thrust-line", this);
  FrameOtt = new QGroupBox(this);
  auto* ott = new QGridLayout(FrameOtt);
  txtOttimizz = new QLineEdit(FrameOtt);
  txtOttimizz->setToolTip("Number of divisions of the ring thickness for the optimization");
  txtPrecisione = new QLineEdit(FrameOtt);
  txtPrecisione->setReadOnly(true);
  txtPrecisione->setFocusPolicy(Qt::NoFocus);
  txtPrecisione->setToolTip("Approximation of the thrust-line optimization [mm]");
  CheckEccentric = new QCheckBox(QString::fromUtf8("Ottimizza eccenticità"), FrameOtt);
  ott->addWidget(new QLabel("Steps n.", FrameOtt), 0, 0);
  ott->addWidget(txtOttimizz, 0, 1);
  ott->addWidget(new QLabel("Approx. [mm]", FrameOtt), 1, 0);
  ott->addWidget(txtPrecisione, 1, 1);
  ott->addWidget(CheckEccentric, 2, 0, 1, 2);

  CheckSpinta = new QCheckBox("Passive pressures", this);
  FrameSpinta = new QGroupBox(this);
  auto* sp = new QGridLayout(FrameSpinta);
  const char* suggerimenti[3] = {"Coefficient of passive pressure",
                                 "Number of voussoirs to which apply passive pressures starting from left springing",
                                 "Number of voussoirs to which apply passive pressures starting from right springing"};
  for (int i = 12; i <= 14; ++i) {
    txtDati[static_cast<std::size_t>(i)] = new QLineEdit(FrameSpinta);
    txtDati[static_cast<std::size_t>(i)]->setToolTip(suggerimenti[i - 12]);
    txtDati[static_cast<std::size_t>(i)]->setMaximumWidth(70);
  }
  sp->addWidget(new QLabel("Kp", FrameSpinta), 0, 0);
  sp->addWidget(txtDati[12], 0, 1);
  sp->addWidget(new QLabel("first", FrameSpinta), 1, 0);
  sp->addWidget(txtDati[13], 1, 1);
  sp->addWidget(new QLabel("voissoirs", FrameSpinta), 1, 2);
  sp->addWidget(new QLabel("last", FrameSpinta), 2, 0);
  sp->addWidget(txtDati[14], 2, 1);
  sp->addWidget(new QLabel("voissoirs", FrameSpinta), 2, 2);

  lblStep = new QLabel("Step", this);
  lblStima = new QLabel(this);
  lblStima->setToolTip("Estimated time of the search");
  cmdStop = new QPushButton("Stop", this);
  cmdStop->setToolTip("Stop optimization");
  SolveButton = new QPushButton("&Solve", this);
  OKButton = new QPushButton("&OK", this);
  CancelButton = new QPushButton("&Cancel", this);

  auto* passo = new QHBoxLayout;
  passo->addWidget(lblStep, 1);
  passo->addWidget(lblStima);
  passo->addWidget(cmdStop);
  auto* comandi = new QHBoxLayout;
  comandi->addWidget(SolveButton);
  comandi->addWidget(OKButton);
  comandi->addWidget(CancelButton);
  auto* tutto = new QVBoxLayout(this);
  tutto->addWidget(CheckOttimizzaCerniere);
  tutto->addWidget(FrameOtt);
  tutto->addWidget(CheckSpinta);
  tutto->addWidget(FrameSpinta);
  tutto->addLayout(passo);
  tutto->addStretch();
  tutto->addLayout(comandi);

  (new GestoreTastiera(this, s_.regional))->Installa(this);
  connect(CheckOttimizzaCerniere, &QCheckBox::clicked, this, [this](bool on) {
    lblStep->hide();
    lblStima->hide();
    cmdStop->hide();
    FrameOtt->setVisible(on);
  });
  connect(CheckSpinta, &QCheckBox::clicked, this, [this](bool on) { FrameSpinta->setVisible(on); });
  connect(CheckEccentric, &QCheckBox::clicked, this, [this](bool on) { s_.dati.OttimizzaEccentricita = on; });
  connect(txtOttimizz, &QLineEdit::textChanged, this, &FormOpzioni::precisione);
  connect(OKButton, &QPushButton::clicked, this, [this] {
    if (LeggeOpzioni()) chiudi();
  });
  connect(CancelButton, &QPushButton::clicked, this, [this] {
    annullato_ = true;
    chiudi();
  });
  connect(SolveButton, &QPushButton::clicked, this, &FormOpzioni::Solve);
  connect(cmdStop, &QPushButton::clicked, this, [this] { s_.StopOttimizzazione = true; });

  // Load.
  ScriveOpzioni();
  cmdStop->hide();
  lblStep->hide();
  lblStima->hide();
}

void FormOpzioni::ScriveOpzioni() {
  txtOttimizz->setText(QString::number(s_.dati.nDivisioni));
  CheckOttimizzaCerniere->setChecked(s_.dati.OttimizzaCerniere);
  FrameOtt->setVisible(s_.dati.OttimizzaCerniere);
  CheckEccentric->setChecked(s_.dati.OttimizzaEccentricita);
  CheckSpinta->setChecked(s_.dati.SpintaPassiva);
  FrameSpinta->setVisible(s_.dati.SpintaPassiva);
  txtDati[12]->setText(QString::fromStdString(s_.regional.TestoSingle(s_.dati.Kp)));
  txtDati[13]->setText(QString::number(s_.dati.nConciSpinta[0]));
  txtDati[14]->setText(QString::number(s_.dati.nConciSpinta[1]));
}

bool FormOpzioni::LeggeOpzioni() {
  if (annullato_) return true;
  DatiProgetto d = s_.dati;
  try {
    if (CheckOttimizzaCerniere->isChecked()) {
      d.OttimizzaCerniere = true;
      d.nDivisioni = s_.regional.CIntTesto(txtOttimizz->text().toStdString());
      d.OttimizzaEccentricita = CheckEccentric->isChecked();
    } else {
      d.OttimizzaCerniere = false;
    }
    if (CheckSpinta->isChecked()) {
      d.SpintaPassiva = true;
      d.Kp = s_.regional.CSngTesto(txtDati[12]->text().toStdString());
      d.nConciSpinta[0] = s_.regional.CIntTesto(txtDati[13]->text().toStdString());
      d.nConciSpinta[1] = s_.regional.CIntTesto(txtDati[14]->text().toStdString());
    } else {
      d.SpintaPassiva = false;
    }
  } catch (const RuntimeError& e) {
    s_.msg().critical("Opzioni non valide: " + e.description() +
                      "\rI passi, Kp e i numeri dei conci devono essere numeri.");
    return false;
  }
  s_.dati = std::move(d);
  return true;
}

void FormOpzioni::precisione() {
  try {
    s_.dati.nDivisioni = toInteger(s_.regional.ValInternazionale(txtOttimizz->text().toStdString()));
  } catch (const RuntimeError&) {
    txtPrecisione->clear();
    return;
  }
  if (s_.dati.nDivisioni <= 0) {
    txtPrecisione->clear();
    return;
  }
  Integer n = 0, half = 0;
  Single s1, s2, s3, p1, p2, p3;
  const auto& m = s_.modello;
  const Single prec =
      PassiRicerca(s_.dati.nDivisioni, m.hSinistra, m.hChiave, m.hDestra, 0, n, s1, s2, s3, p1, p2, p3, half);
  MostraPrecisione(prec);
}

void FormOpzioni::MostraPrecisione(Single metri) {
  txtPrecisione->setText(QString::fromStdString(FormattaPerMille(s_.regional, metri)).trimmed());
}

void FormOpzioni::Solve() {
  if (!LeggeOpzioni()) return;
  s_.StopOttimizzazione = false;
  attesa_ = true;
  main_.CalcolaEPlotta(0);
}

void FormOpzioni::calcoloConcluso() {
  if (!attesa_) return;
  attesa_ = false;
  if (s_.StopOttimizzazione) {
    if (auto* w = parentWidget()) {
      w->raise();
      w->setFocus();
    }
  } else {
    chiudi();
  }
}

void FormOpzioni::chiudi() {
  if (auto* w = parentWidget()) w->close();
}

}  // namespace voro::ui
