// The loads form.
#include "ui/FormCarichi.h"

#include <QCloseEvent>
#include <cfloat>
#include <cmath>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "data/LetturaCaselle.h"
#include "data/ValoriFisici.h"
#include "ui/DialogoVeicolo.h"
#include "ui/FinestraPrincipale.h"
#include "ui/Tastiera.h"

namespace voro::ui {

FormCarichi::FormCarichi(FinestraPrincipale& main, Sessione& s) : FormDiDati(main, s) {
  setObjectName("frmLoads");
  setWindowTitle(tr("Load"));
  auto* g = new QGridLayout;
  const char* etichette[3] = {QT_TR_NOOP("q [kN/m2]"), QT_TR_NOOP("xq1"), QT_TR_NOOP("xq2")};
  const char* suggerimenti[3] = {QT_TR_NOOP("Distributed variable load [kN/m2]"), QT_TR_NOOP("Abscissa where the load begins [m]"),
                                 QT_TR_NOOP("Abscissa where the load ends [m]")};
  for (int i = 0; i < 3; ++i) {
    txtDati[static_cast<std::size_t>(i)] = new QLineEdit(this);
    txtDati[static_cast<std::size_t>(i)]->setToolTip(tr(suggerimenti[i]));
    txtDati[static_cast<std::size_t>(i)]->setMaximumWidth(90);
    g->addWidget(new QLabel(tr(etichette[i]), this), i, 0);
    g->addWidget(txtDati[static_cast<std::size_t>(i)], i, 1);
    if (i > 0) g->addWidget(new QLabel(tr("m"), this), i, 2);
  }
  Frame1 = new QGroupBox(tr("Plot scale"), this);
  auto* f = new QGridLayout(Frame1);
  txtDati[3] = new QLineEdit(Frame1);
  txtDati[3]->setMaximumWidth(90);
  txtDati[3]->setToolTip(tr("Denominator of the scale of the load diagram"));
  Check1 = new QCheckBox(tr("Automatic"), Frame1);
  f->addWidget(new QLabel("1:", Frame1), 0, 0);
  f->addWidget(txtDati[3], 0, 1);
  f->addWidget(Check1, 1, 0, 1, 2);
  g->addWidget(Frame1, 3, 0, 1, 2);
  cmdVeicolo = new QPushButton(tr("Ve&hicle..."), this);
  g->addWidget(cmdVeicolo, 4, 0, 1, 2);

  cmdPrevious = new QPushButton(tr("<-- &Previous"), this);
  cmdNext = new QPushButton(tr("&Next -->"), this);
  SolveButton = new QPushButton(tr("&Solve"), this);
  pctSchema = new Schema(Schema::Tipo::Carichi, this);
  cmdSchema = new QPushButton(tr("Zoom"), this);

  auto* comandi = new QHBoxLayout;
  comandi->addWidget(cmdPrevious);
  comandi->addWidget(cmdNext);
  comandi->addWidget(SolveButton);
  auto* sinistra = new QVBoxLayout;
  sinistra->addLayout(g);
  sinistra->addStretch();
  auto* destra = new QVBoxLayout;
  destra->addWidget(pctSchema);
  destra->addWidget(cmdSchema, 0, Qt::AlignLeft);
  destra->addStretch();
  auto* corpo = new QHBoxLayout;
  corpo->addLayout(sinistra);
  corpo->addLayout(destra);
  auto* tutto = new QVBoxLayout(this);
  tutto->addLayout(corpo);
  tutto->addLayout(comandi);

  (new GestoreTastiera(this, s_.regional))->Installa(this);
  connect(cmdSchema, &QPushButton::clicked, pctSchema, &Schema::Zoom);
  connect(cmdVeicolo, &QPushButton::clicked, this, [this] {
    DialogoVeicolo dialogo(s_, this);
    if (dialogo.exec() == QDialog::Accepted) main_.DatiCambiati();
  });
  connect(Check1, &QCheckBox::clicked, this, &FormCarichi::Check1_Click);
  // While the scale is automatic it follows the q being typed; the model
  // gets both when the form is read.
  connect(txtDati[0], &QLineEdit::textEdited, this, [this] {
    if (Check1->isChecked()) mostraScalaAutomatica();
  });
  connect(cmdPrevious, &QPushButton::clicked, this, [this] {
    if (!LeggeCarichi()) return;
    main_.MostraGeometria();
    chiudi();
  });
  connect(cmdNext, &QPushButton::clicked, this, [this] {
    if (!LeggeCarichi()) return;
    chiudi();
    main_.CalcolaEPlotta(2);
  });
  connect(SolveButton, &QPushButton::clicked, this, [this] {
    if (!LeggeCarichi()) return;
    s_.StopOttimizzazione = false;
    main_.CalcolaEPlotta(0);
    chiudi();
  });

  // Load.
  s_.stato.FormDati = 2;
  ScriveCarichi();
  SeguiModifiche();
}

void FormCarichi::ScriveCarichi() {
  txtDati[0]->setText(QString::fromStdString(s_.regional.TestoSingle(s_.dati.qCarico)));
  txtDati[1]->setText(QString::fromStdString(s_.regional.TestoSingle(s_.dati.xq1)));
  txtDati[2]->setText(QString::fromStdString(s_.regional.TestoSingle(s_.dati.xq2)));
  Check1->setChecked(!s_.dati.ScalaManuale);
  Check1_Click();
  const Single scala = Check1->isChecked() ? scalaAutomatica(s_.dati.qCarico).value_or(s_.dati.ScalaPlot)
                                           : s_.dati.ScalaPlot;
  txtDati[3]->setText(QString::fromStdString(s_.regional.TestoSingle(scala)));
  Allineato();
}

std::optional<Single> FormCarichi::scalaAutomatica(Single q) const {
  // Without a span, or for a load beyond a Single's range, there is none.
  try {
    return divide(toSingle(5 * q), s_.dati.LuceAnello);
  } catch (const RuntimeError&) {
    return std::nullopt;
  }
}

void FormCarichi::mostraScalaAutomatica() {
  const std::optional<double> q = s_.regional.NumeroDigitato(txtDati[0]->text().toStdString());
  if (!q || std::fabs(*q) > FLT_MAX) return;
  if (const std::optional<Single> scala = scalaAutomatica(static_cast<Single>(*q)))
    txtDati[3]->setText(QString::fromStdString(s_.regional.FormattaNumeroEsp(3, *scala)).trimmed());
}

void FormCarichi::Check1_Click() {
  if (Check1->isChecked()) mostraScalaAutomatica();
  txtDati[3]->setReadOnly(Check1->isChecked());
}

bool FormCarichi::LeggeCarichi() {
  DatiProgetto d = s_.dati;
  const char* variabili[4] = {"qCarico", "xq1", "xq2", "ScalaPlot"};
  Single* valori[4] = {&d.qCarico, &d.xq1, &d.xq2, &d.ScalaPlot};
  const bool automatica = Check1->isChecked();
  std::string errore;
  int fallita = -1;
  for (int i = 0; i < 4 && fallita < 0; ++i) {
    if (i == 3 && automatica) continue;
    const std::optional<double> v = LeggiCasella(s_.regional, txtDati[static_cast<std::size_t>(i)]->text().toStdString(),
                                                 variabili[i], TipoCasella::Single, errore);
    if (v) *valori[i] = static_cast<Single>(*v);
    else fallita = i;
  }
  if (fallita < 0) {
    for (const ValoreImpossibile& v : ValoriImpossibili(d, s_.regional))
      if (v.variabile == "qCarico") {
        errore = v.messaggio;
        fallita = 0;
      }
  }
  if (fallita >= 0) {
    s_.msg().critical(errore);
    MostraCasella(txtDati[static_cast<std::size_t>(fallita)]);
    return false;
  }
  d.ScalaManuale = !automatica;
  // The automatic scale is kept whole, not as the three digits it shows.
  if (automatica) d.ScalaPlot = scalaAutomatica(d.qCarico).value_or(d.ScalaPlot);
  s_.dati = std::move(d);
  Allineato();
  main_.DatiCambiati();
  return true;
}

void FormCarichi::chiudi() {
  letto_ = true;
  if (auto* w = parentWidget()) w->close();
}

void FormCarichi::closeEvent(QCloseEvent* e) {
  // Closing the form stores its boxes; boxes that cannot be read keep it open.
  if (!letto_ && !scartato_ && !LeggeCarichi()) {
    e->ignore();
    return;
  }
  e->accept();
}

}  // namespace voro::ui
