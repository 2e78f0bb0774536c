// The loads form.
#include "ui/FormCarichi.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/FinestraPrincipale.h"
#include "ui/Tastiera.h"

namespace voro::ui {

FormCarichi::FormCarichi(FinestraPrincipale& main, Sessione& s) : main_(main), s_(s) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName("frmLoads");
  setWindowTitle("Load");
  auto* g = new QGridLayout;
  const char* etichette[3] = {"q [kN/m2]", "xq1", "xq2"};
  const char* suggerimenti[3] = {"Distributed variable load [kN/m2]", "Abscissa where the load begins [m]",
                                 "Abscissa where the load ends [m]"};
  for (int i = 0; i < 3; ++i) {
    txtDati[static_cast<std::size_t>(i)] = new QLineEdit(this);
    txtDati[static_cast<std::size_t>(i)]->setToolTip(suggerimenti[i]);
    txtDati[static_cast<std::size_t>(i)]->setMaximumWidth(90);
    g->addWidget(new QLabel(etichette[i], this), i, 0);
    g->addWidget(txtDati[static_cast<std::size_t>(i)], i, 1);
    if (i > 0) g->addWidget(new QLabel("m", this), i, 2);
  }
  Frame1 = new QGroupBox("Plot scale", this);
  auto* f = new QGridLayout(Frame1);
  txtDati[3] = new QLineEdit(Frame1);
  txtDati[3]->setMaximumWidth(90);
  txtDati[3]->setToolTip("Denominator of the scale of the load diagram");
  Check1 = new QCheckBox("Automatic", Frame1);
  f->addWidget(new QLabel("1:", Frame1), 0, 0);
  f->addWidget(txtDati[3], 0, 1);
  f->addWidget(Check1, 1, 0, 1, 2);
  g->addWidget(Frame1, 3, 0, 1, 2);

  cmdPrevious = new QPushButton("<-- &Previous", this);
  cmdNext = new QPushButton("&Next -->", this);
  SolveButton = new QPushButton("&Solve", this);
  pctSchema = new Schema(Schema::Tipo::Carichi, this);
  cmdSchema = new QPushButton("Zoom", this);

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
  connect(Check1, &QCheckBox::clicked, this, &FormCarichi::Check1_Click);
  connect(txtDati[0], &QLineEdit::textEdited, this, [this] {
    if (!Check1->isChecked()) return;
    try {
      s_.dati.qCarico = toSingle(s_.regional.ValInternazionale(txtDati[0]->text().toStdString()));
    } catch (const RuntimeError&) {
      return;  // beyond a Single while typing: reported when the form is read
    }
    scalaAutomatica();
  });
  connect(cmdPrevious, &QPushButton::clicked, this, [this] {
    LeggeCarichi();
    main_.MostraGeometria();
    chiudi();
  });
  connect(cmdNext, &QPushButton::clicked, this, [this] {
    chiudi();
    main_.CalcolaEPlotta(2);
  });
  connect(SolveButton, &QPushButton::clicked, this, [this] {
    LeggeCarichi();
    s_.StopOttimizzazione = false;
    main_.CalcolaEPlotta(0);
    chiudi();
  });

  // Load.
  s_.stato.FormDati = 2;
  txtDati[0]->setText(QString::fromStdString(s_.regional.TestoSingle(s_.dati.qCarico)));
  txtDati[1]->setText(QString::fromStdString(s_.regional.TestoSingle(s_.dati.xq1)));
  txtDati[2]->setText(QString::fromStdString(s_.regional.TestoSingle(s_.dati.xq2)));
  Check1->setChecked(!s_.dati.ScalaManuale);
  Check1_Click();
  txtDati[3]->setText(QString::fromStdString(s_.regional.TestoSingle(s_.dati.ScalaPlot)));
}

void FormCarichi::scalaAutomatica() {
  // Without a span, or for a load beyond a Single's range, the scale cannot
  // be computed: the previous one stays.
  try {
    s_.dati.ScalaPlot = divide(toSingle(5 * s_.dati.qCarico), s_.dati.LuceAnello);
  } catch (const RuntimeError&) {
    return;
  }
  txtDati[3]->setText(QString::fromStdString(s_.regional.FormattaNumeroEsp(3, s_.dati.ScalaPlot)).trimmed());
}

void FormCarichi::Check1_Click() {
  if (Check1->isChecked()) {
    scalaAutomatica();
    txtDati[3]->setReadOnly(true);
    s_.dati.ScalaManuale = false;
  } else {
    txtDati[3]->setReadOnly(false);
    s_.dati.ScalaManuale = true;
  }
}

void FormCarichi::LeggeCarichi() {
  auto val = [&](int i) { return s_.regional.ValInternazionale(txtDati[static_cast<std::size_t>(i)]->text().toStdString()); };
  try {
    const Single q = toSingle(val(0)), x1 = toSingle(val(1)), x2 = toSingle(val(2)), sc = toSingle(val(3));
    s_.dati.qCarico = q, s_.dati.xq1 = x1, s_.dati.xq2 = x2, s_.dati.ScalaPlot = sc;
  } catch (const RuntimeError& e) {
    s_.msg().critical("Dati dei carichi non validi: " + e.description());
  }
}

void FormCarichi::chiudi() {
  letto_ = true;
  LeggeCarichi();
  if (auto* w = parentWidget()) w->close();
}

void FormCarichi::closeEvent(QCloseEvent* e) {
  if (!letto_) LeggeCarichi();
  e->accept();
}

}  // namespace voro::ui
