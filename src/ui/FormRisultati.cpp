// The results form.
#include "ui/FormRisultati.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include "analysis/Calcolo.h"
#include "data/UnitConversions.h"
#include "ui/FinestraPrincipale.h"
#include "ui/FormGeometria.h"

namespace voro::ui {

namespace {

QLineEdit* casella(QWidget* parent, const QString& tooltip) {
  auto* e = new QLineEdit(parent);
  e->setReadOnly(true);
  e->setToolTip(tooltip);
  e->setMaximumWidth(90);
  e->setAlignment(Qt::AlignRight);
  return e;
}

QString q(const std::string& s) { return QString::fromStdString(s).trimmed(); }

}  // namespace

FormRisultati::FormRisultati(FinestraPrincipale& main, Sessione& s) : main_(main), s_(s) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName("frmRisultati");
  setWindowTitle("Report");
  Grid1 = new QTableWidget(this);
  Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Grid1->verticalHeader()->hide();
  Grid1->horizontalHeader()->hide();

  FrameRis[0] = new QGroupBox(this);
  auto* peggiori = new QGridLayout(FrameRis[0]);
  const char* sugg[6] = {"Max compression stress at extrados (negative if traction)", "Section number",
                         "Max compression stress at intrados (negative if traction)", "Section number",
                         "Min percent of compressed section (0 if traction)", "Section number"};
  const char* eti[3] = {"sig_e [MPa]", "sig_i [MPa]", "%comp"};
  for (int i = 0; i < 6; ++i) txtMax[static_cast<std::size_t>(i)] = casella(FrameRis[0], sugg[i]);
  peggiori->addWidget(new QLabel("", FrameRis[0]), 0, 0);
  peggiori->addWidget(new QLabel("Value", FrameRis[0]), 0, 1);
  peggiori->addWidget(new QLabel("Sect.", FrameRis[0]), 0, 2);
  for (int r = 0; r < 3; ++r) {
    peggiori->addWidget(new QLabel(eti[r], FrameRis[0]), r + 1, 0);
    peggiori->addWidget(txtMax[static_cast<std::size_t>(2 * r)], r + 1, 1);
    peggiori->addWidget(txtMax[static_cast<std::size_t>(2 * r + 1)], r + 1, 2);
  }

  FrameRis[1] = new QGroupBox(this);
  auto* reazioni = new QGridLayout(FrameRis[1]);
  const char* reazSugg[5] = {"Horizontal force at left springer", "Horizontal force at right springer",
                             "Vertical force at left springer", "Vertical force at right springer",
                             "Tie thrust (if tie is positioned at springers)"};
  const char* reazEti[4] = {"Hl [kN]", "Hr [kN]", "Vl [kN]", "Vr [kN]"};
  for (int i = 0; i < 5; ++i) txtReazioni[static_cast<std::size_t>(i)] = casella(FrameRis[1], reazSugg[i]);
  for (int i = 0; i < 4; ++i) {
    reazioni->addWidget(new QLabel(reazEti[i], FrameRis[1]), i / 2, (i % 2) * 2);
    reazioni->addWidget(txtReazioni[static_cast<std::size_t>(i)], i / 2, (i % 2) * 2 + 1);
  }
  lblTiro = new QLabel(FrameRis[1]);
  auto* tiro = new QHBoxLayout;
  tiro->addWidget(lblTiro);
  tiro->addWidget(new QLabel("[kN]", FrameRis[1]));
  tiro->addStretch();
  reazioni->addLayout(tiro, 2, 0, 1, 3);
  reazioni->addWidget(txtReazioni[4], 2, 3);

  FrameSpinta = new QGroupBox(this);
  auto* muri = new QGridLayout(FrameSpinta);
  const char* muriSugg[4] = {"Horizontal force on the left upper wall due to horizontal pressures",
                             "Horizontal force on the right upper wall due to horizontal pressures",
                             "Flexural moment on the left upper wall due to horizontal pressures",
                             "Flexural moment on the right upper wall due to horizontal pressures"};
  const char* muriEti[4] = {"Hl [kN]", "Hr [kN]", "Ml [kNm]", "Mr [kNm]"};
  for (int i = 0; i < 4; ++i) {
    txtReazioni[static_cast<std::size_t>(5 + i)] = casella(FrameSpinta, muriSugg[i]);
    muri->addWidget(new QLabel(muriEti[i], FrameSpinta), i / 2, (i % 2) * 2);
    muri->addWidget(txtReazioni[static_cast<std::size_t>(5 + i)], i / 2, (i % 2) * 2 + 1);
  }

  FrameRis[2] = new QGroupBox("Optimal eccentricities [mm]", this);
  auto* ecc = new QGridLayout(FrameRis[2]);
  const char* eccEti[3] = {"Left springing el", "Crown           ec", "Right sping.   er"};
  for (int i = 0; i < 3; ++i) {
    txtDati[static_cast<std::size_t>(9 + i)] = casella(FrameRis[2], eccEti[i]);
    txtDati[static_cast<std::size_t>(9 + i)]->setReadOnly(false);
    ecc->addWidget(new QLabel(eccEti[i], FrameRis[2]), i, 0);
    ecc->addWidget(txtDati[static_cast<std::size_t>(9 + i)], i, 1);
  }
  Command2 = new QPushButton("Set as start values", FrameRis[2]);
  ecc->addWidget(Command2, 3, 0, 1, 2);
  Command1 = new QPushButton(this);

  auto* destra = new QVBoxLayout;
  destra->addWidget(FrameRis[0]);
  destra->addWidget(FrameRis[1]);
  destra->addWidget(FrameSpinta);
  destra->addWidget(FrameRis[2]);
  destra->addStretch();
  auto* sinistra = new QVBoxLayout;
  sinistra->addWidget(Command1, 0, Qt::AlignLeft);
  sinistra->addWidget(Grid1, 1);
  // The reduced window shows the top of the report; the rest scrolls into
  // view instead of being squeezed.
  pannello_ = new QWidget;
  auto* tutto = new QHBoxLayout(pannello_);
  tutto->addLayout(sinistra, 1);
  tutto->addLayout(destra);
  auto* scorri = new QScrollArea(this);
  scorri->setFrameShape(QFrame::NoFrame);
  scorri->setWidgetResizable(true);
  scorri->setWidget(pannello_);
  auto* esterno = new QVBoxLayout(this);
  esterno->setContentsMargins(0, 0, 0, 0);
  esterno->addWidget(scorri);

  connect(Command2, &QPushButton::clicked, this, &FormRisultati::Command2_Click);
  connect(Command1, &QPushButton::clicked, this, &FormRisultati::Command1_Click);

  // Load.
  AbilitaFrameCerniere();
  Command1->setText("Enlarge");
  FrameRis[0]->setTitle("Worst values");
  FrameRis[1]->setTitle("Reactions at springings");
  FrameSpinta->setTitle("Walls reactions");
  lblTiro->setText("Tie thrust");
  RisultatiPeggioriVisualizza();
  GrigliaRisultati();
  const auto& r = s_.risultati;
  const int n = s_.modello.nGiunti;
  for (int i = 1; i <= n && i <= r.SigmaEstGiunti.size(); ++i) {
    auto cella = [&](int c, const QString& t) {
      auto* it = new QTableWidgetItem(t);
      it->setTextAlignment(Qt::AlignCenter);
      Grid1->setItem(i, c, it);
    };
    cella(0, QString::number(i));
    cella(1, q(FormattaDivisoMille(s_.regional, r.SigmaEstGiunti(i))));
    cella(2, q(FormattaDivisoMille(s_.regional, r.SigmaIntGiunti(i))));
    cella(3, q(s_.regional.Formatta(r.PercGiunti(i), "0.0")));
  }
  int larghezza = 2 * Grid1->frameWidth() + Grid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
  for (int c = 0; c < 4; ++c) {
    Grid1->setColumnWidth(c, LarghezzaColonna(Grid1, c, c == 0 ? 520 : 1212));
    larghezza += Grid1->columnWidth(c);
  }
  Grid1->setMinimumWidth(std::max(larghezza, Twips(4470, this)));
  pannello_->setMinimumSize(pannello_->sizeHint());
  const Regional& reg = s_.regional;
  txtReazioni[0]->setText(q(reg.FormattaNumero(4, r.HSinistra)));
  txtReazioni[1]->setText(q(reg.FormattaNumero(4, r.HDestra)));
  txtReazioni[4]->setText(q(reg.FormattaNumero(4, r.HSinistra + r.SommaHSinistra)));
  txtReazioni[2]->setText(q(reg.FormattaNumero(4, r.VSinistra)));
  txtReazioni[3]->setText(q(reg.FormattaNumero(4, r.VDestra)));
  txtReazioni[5]->setText(q(reg.FormattaNumero(4, r.SommaHSinistra)));
  txtReazioni[6]->setText(q(reg.FormattaNumero(4, -r.SommaHDestra)));
  double ML = 0, MR = 0;
  if (s_.modello.nConciTot > 0) {
    DatiProgetto& d = s_.dati;
    Calcolo c(d, s_.modello, s_.risultati, s_.msg());
    c.SommaMomentiPareti(s_.modello.Conci(1).y(4), s_.modello.Conci(s_.modello.nConciTot).y(3), ML, MR);
  }
  txtReazioni[7]->setText(q(reg.FormattaNumero(4, ML)));
  txtReazioni[8]->setText(q(reg.FormattaNumero(4, MR)));
  txtDati[9]->setText(q(FormattaPerMilleZero(reg, r.EccCalcSinistra)));
  txtDati[10]->setText(q(FormattaPerMilleZero(reg, r.EccCalcChiave)));
  txtDati[11]->setText(q(FormattaPerMilleZero(reg, r.EccCalcDestra)));
}

void FormRisultati::GrigliaRisultati() {
  Grid1->setMinimumHeight(Twips(3975, this));
  Grid1->setRowCount(s_.modello.nConciTot + 2);
  Grid1->setColumnCount(4);
  RigheCompatte(Grid1);
  const char* intestazioni[4] = {"Sect.", "sig_e [MPa]", "sig_i [MPa]", "%comp"};
  for (int c = 0; c < 4; ++c) {
    auto* it = new QTableWidgetItem(intestazioni[c]);
    it->setTextAlignment(Qt::AlignCenter);
    it->setBackground(palette().button());
    Grid1->setItem(0, c, it);
  }
}

void FormRisultati::AbilitaFrameCerniere() { FrameRis[2]->setEnabled(s_.dati.OttimizzaCerniere); }

void FormRisultati::RisultatiPeggioriVisualizza() {
  const auto& r = s_.risultati;
  txtMax[1]->setText(QString::number(r.iSigmaEstPeggiore));
  txtMax[3]->setText(QString::number(r.iSigmaIntPeggiore));
  txtMax[5]->setText(QString::number(r.iPercMinima));
  txtMax[0]->setText(q(FormattaDivisoMille(s_.regional, r.SigmaEstPeggiore)));
  txtMax[2]->setText(q(FormattaDivisoMille(s_.regional, r.SigmaIntPeggiore)));
  txtMax[4]->setText(q(s_.regional.Formatta(r.PercMinima, "0.0")));
}

void FormRisultati::Command2_Click() {
  const Regional& reg = s_.regional;
  auto ecc = [&](int i) { return toSingle(LeggeDivisoMille(reg, txtDati[static_cast<std::size_t>(i)]->text().toStdString())); };
  try {
    const Single el = ecc(9), ec = ecc(10), er = ecc(11);
    s_.dati.EccSinistra = el, s_.dati.EccChiave = ec, s_.dati.EccDestra = er;
  } catch (const RuntimeError& e) {
    s_.msg().critical("Eccentricità non valide: " + e.description());
    return;
  }
  if (FormGeometria* g = main_.formGeometria()) {
    g->txtDati[9]->setText(txtDati[9]->text());
    g->txtDati[10]->setText(txtDati[10]->text());
    g->txtDati[11]->setText(txtDati[11]->text());
  }
}

void FormRisultati::Command1_Click() {
  QWidget* w = parentWidget() ? parentWidget() : this;
  if (w->width() != Twips(2865, this)) {
    w->resize(Twips(2865, this), Twips(2415, this));
    Command1->setText("Enlarge");
  } else {
    // Enlarged, the whole report shows even where the screen's font needs
    // more room than the layout's size.
    const QSize cornice = w->size() - size();
    const QSize tutto = pannello_->minimumSize() + cornice;
    w->resize(std::max(Twips(7785, this), tutto.width()), std::max(Twips(6200, this), tutto.height()));
    Command1->setText("Reduce");
  }
}

}  // namespace voro::ui
