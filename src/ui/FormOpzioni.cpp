// The options form.
#include "ui/FormOpzioni.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <optional>
#include <type_traits>

#include "analysis/Calcolo.h"
#include "data/LetturaCaselle.h"
#include "data/UnitConversions.h"
#include "data/ValoriFisici.h"
#include "ui/FinestraPrincipale.h"
#include "ui/Tastiera.h"

namespace voro::ui {

FormOpzioni::FormOpzioni(FinestraPrincipale& main, Sessione& s) : FormDiDati(main, s) {
  setObjectName("frmOption");
  setWindowTitle(tr("Solve options"));

  CheckOttimizzaCerniere = new QCheckBox(tr("Optimize thrust-line"), this);
  FrameOtt = new QGroupBox(this);
  auto* ott = new QGridLayout(FrameOtt);
  txtOttimizz = new QLineEdit(FrameOtt);
  txtOttimizz->setToolTip(tr("Number of divisions of the ring thickness for the optimization"));
  txtPrecisione = new QLineEdit(FrameOtt);
  txtPrecisione->setReadOnly(true);
  txtPrecisione->setFocusPolicy(Qt::NoFocus);
  txtPrecisione->setToolTip(tr("Approximation of the thrust-line optimization [mm]"));
  CheckEccentric = new QCheckBox(tr("Optimize eccentricity"), FrameOtt);
  ott->addWidget(new QLabel(tr("Steps n."), FrameOtt), 0, 0);
  ott->addWidget(txtOttimizz, 0, 1);
  ott->addWidget(new QLabel(tr("Approx. [mm]"), FrameOtt), 1, 0);
  ott->addWidget(txtPrecisione, 1, 1);
  ott->addWidget(CheckEccentric, 2, 0, 1, 2);

  CheckSpinta = new QCheckBox(tr("Passive pressures"), this);
  FrameSpinta = new QGroupBox(this);
  auto* sp = new QGridLayout(FrameSpinta);
  const char* suggerimenti[3] = {QT_TR_NOOP("Coefficient of passive pressure"),
                                 QT_TR_NOOP("Number of voussoirs to which apply passive pressures starting from left springing"),
                                 QT_TR_NOOP("Number of voussoirs to which apply passive pressures starting from right springing")};
  for (int i = 12; i <= 14; ++i) {
    txtDati[static_cast<std::size_t>(i)] = new QLineEdit(FrameSpinta);
    txtDati[static_cast<std::size_t>(i)]->setToolTip(tr(suggerimenti[i - 12]));
    txtDati[static_cast<std::size_t>(i)]->setMaximumWidth(70);
  }
  sp->addWidget(new QLabel(tr("Kp"), FrameSpinta), 0, 0);
  sp->addWidget(txtDati[12], 0, 1);
  sp->addWidget(new QLabel(tr("first"), FrameSpinta), 1, 0);
  sp->addWidget(txtDati[13], 1, 1);
  sp->addWidget(new QLabel(tr("voussoirs"), FrameSpinta), 1, 2);
  sp->addWidget(new QLabel(tr("last"), FrameSpinta), 2, 0);
  sp->addWidget(txtDati[14], 2, 1);
  sp->addWidget(new QLabel(tr("voussoirs"), FrameSpinta), 2, 2);

  lblStep = new QLabel(tr("Step"), this);
  lblStima = new QLabel(this);
  lblStima->setToolTip(tr("Estimated time of the search"));
  cmdStop = new QPushButton(tr("Stop"), this);
  cmdStop->setToolTip(tr("Stop optimization"));
  SolveButton = new QPushButton(tr("&Solve"), this);
  OKButton = new QPushButton(tr("&OK"), this);
  CancelButton = new QPushButton(tr("&Cancel"), this);

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
  connect(txtOttimizz, &QLineEdit::textChanged, this, &FormOpzioni::precisione);
  connect(OKButton, &QPushButton::clicked, this, [this] {
    if (LeggeOpzioni()) chiudi();
  });
  // Cancel leaves the model as it was.
  connect(CancelButton, &QPushButton::clicked, this, &FormOpzioni::Scarta);
  connect(SolveButton, &QPushButton::clicked, this, &FormOpzioni::Solve);
  connect(cmdStop, &QPushButton::clicked, this, [this] { s_.StopOttimizzazione = true; });

  // Load.
  ScriveOpzioni();
  cmdStop->hide();
  lblStep->hide();
  lblStima->hide();
  SeguiModifiche();
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
  Allineato();
}

bool FormOpzioni::LeggeOpzioni() {
  DatiProgetto d = s_.dati;
  std::string errore;
  QLineEdit* fallita = nullptr;
  auto leggi = [&](auto& slot, QLineEdit* box, const char* variabile, TipoCasella tipo) {
    if (fallita) return;
    const std::optional<double> v = LeggiCasella(s_.regional, box->text().toStdString(), variabile, tipo, errore);
    if (v) slot = static_cast<std::remove_reference_t<decltype(slot)>>(*v);
    else fallita = box;
  };
  d.OttimizzaCerniere = CheckOttimizzaCerniere->isChecked();
  if (d.OttimizzaCerniere) {
    leggi(d.nDivisioni, txtOttimizz, "nDivisioni", TipoCasella::Integer);
    d.OttimizzaEccentricita = CheckEccentric->isChecked();
  }
  d.SpintaPassiva = CheckSpinta->isChecked();
  if (d.SpintaPassiva) {
    leggi(d.Kp, txtDati[12], "Kp", TipoCasella::Single);
    leggi(d.nConciSpinta[0], txtDati[13], "nConciSpinta(0)", TipoCasella::Integer);
    leggi(d.nConciSpinta[1], txtDati[14], "nConciSpinta(1)", TipoCasella::Integer);
  }
  if (!fallita && d.SpintaPassiva) {
    for (const ValoreImpossibile& v : ValoriImpossibili(d, s_.regional)) {
      QLineEdit* box = v.variabile == "Kp"                ? txtDati[12]
                       : v.variabile == "nConciSpinta(0)" ? txtDati[13]
                       : v.variabile == "nConciSpinta(1)" ? txtDati[14]
                                                          : nullptr;
      if (box && !fallita) {
        errore = v.messaggio;
        fallita = box;
      }
    }
  }
  if (fallita) {
    s_.msg().critical(errore);
    MostraCasella(fallita);
    return false;
  }
  s_.dati = std::move(d);
  Allineato();
  main_.DatiCambiati();
  return true;
}

void FormOpzioni::precisione() {
  // The precision the steps typed would give; the model gets the steps when
  // the form is read.
  const std::optional<double> n = s_.regional.NumeroDigitato(txtOttimizz->text().toStdString());
  if (!n || roundHalfEven(*n) < 1 || *n > 32767) {
    txtPrecisione->clear();
    return;
  }
  Integer passi = static_cast<Integer>(roundHalfEven(*n)), k = 0, half = 0;
  Single s1, s2, s3, p1, p2, p3;
  const auto& m = s_.modello;
  MostraPrecisione(PassiRicerca(passi, m.hSinistra, m.hChiave, m.hDestra, 0, k, s1, s2, s3, p1, p2, p3, half));
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
