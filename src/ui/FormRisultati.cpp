// The results form.
#include "ui/FormRisultati.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include "analysis/Calcolo.h"
#include "data/LetturaCaselle.h"
#include "data/UnitConversions.h"
#include "ui/CopiaTabella.h"
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
  setWindowTitle(tr("Report"));
  Grid1 = new QTableWidget(this);
  Grid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Grid1->verticalHeader()->hide();
  Grid1->horizontalHeader()->hide();
  CopiaTabella::Installa(Grid1, 0);

  FrameRis[0] = new QGroupBox(this);
  auto* peggiori = new QGridLayout(FrameRis[0]);
  const char* sugg[6] = {QT_TR_NOOP("Max compression stress at extrados (negative if traction)"), QT_TR_NOOP("Section number"),
                         QT_TR_NOOP("Max compression stress at intrados (negative if traction)"), QT_TR_NOOP("Section number"),
                         QT_TR_NOOP("Min percent of compressed section (0 if traction)"), QT_TR_NOOP("Section number")};
  const char* eti[3] = {QT_TR_NOOP("sig_e [MPa]"), QT_TR_NOOP("sig_i [MPa]"), QT_TR_NOOP("%comp")};
  for (int i = 0; i < 6; ++i) txtMax[static_cast<std::size_t>(i)] = casella(FrameRis[0], tr(sugg[i]));
  peggiori->addWidget(new QLabel("", FrameRis[0]), 0, 0);
  peggiori->addWidget(new QLabel(tr("Value"), FrameRis[0]), 0, 1);
  peggiori->addWidget(new QLabel(tr("Sect."), FrameRis[0]), 0, 2);
  for (int r = 0; r < 3; ++r) {
    peggiori->addWidget(new QLabel(tr(eti[r]), FrameRis[0]), r + 1, 0);
    peggiori->addWidget(txtMax[static_cast<std::size_t>(2 * r)], r + 1, 1);
    peggiori->addWidget(txtMax[static_cast<std::size_t>(2 * r + 1)], r + 1, 2);
  }

  FrameRis[1] = new QGroupBox(this);
  auto* reazioni = new QGridLayout(FrameRis[1]);
  const char* reazSugg[5] = {QT_TR_NOOP("Horizontal force of the left support on the arch, positive toward the arch"),
                             QT_TR_NOOP("Horizontal force of the right support on the arch, positive toward the arch"),
                             QT_TR_NOOP("Vertical force at the left springing"), QT_TR_NOOP("Vertical force at the right springing"),
                             QT_TR_NOOP("Tie thrust (if tie is positioned at springers)")};
  const char* reazEti[4] = {QT_TR_NOOP("Hl [kN]"), QT_TR_NOOP("Hr [kN]"), QT_TR_NOOP("Vl [kN]"), QT_TR_NOOP("Vr [kN]")};
  for (int i = 0; i < 5; ++i) txtReazioni[static_cast<std::size_t>(i)] = casella(FrameRis[1], tr(reazSugg[i]));
  for (int i = 0; i < 4; ++i) {
    reazioni->addWidget(new QLabel(tr(reazEti[i]), FrameRis[1]), i / 2, (i % 2) * 2);
    reazioni->addWidget(txtReazioni[static_cast<std::size_t>(i)], i / 2, (i % 2) * 2 + 1);
  }
  lblTiro = new QLabel(FrameRis[1]);
  auto* tiro = new QHBoxLayout;
  tiro->addWidget(lblTiro);
  tiro->addWidget(new QLabel(tr("[kN]"), FrameRis[1]));
  tiro->addStretch();
  reazioni->addLayout(tiro, 2, 0, 1, 3);
  reazioni->addWidget(txtReazioni[4], 2, 3);

  FrameSpinta = new QGroupBox(this);
  auto* muri = new QGridLayout(FrameSpinta);
  const char* muriSugg[4] = {QT_TR_NOOP("Resultant of the passive pressures next to the left springing, positive toward the crown"),
                             QT_TR_NOOP("Resultant of the passive pressures next to the right springing, positive toward the crown"),
                             QT_TR_NOOP("Moment of the passive pressures about the left extrados end of the ring"),
                             QT_TR_NOOP("Moment of the passive pressures about the right extrados end of the ring")};
  const char* muriEti[4] = {QT_TR_NOOP("Pl [kN]"), QT_TR_NOOP("Pr [kN]"), QT_TR_NOOP("Ml [kNm]"), QT_TR_NOOP("Mr [kNm]")};
  for (int i = 0; i < 4; ++i) {
    txtReazioni[static_cast<std::size_t>(5 + i)] = casella(FrameSpinta, tr(muriSugg[i]));
    muri->addWidget(new QLabel(tr(muriEti[i]), FrameSpinta), i / 2, (i % 2) * 2);
    muri->addWidget(txtReazioni[static_cast<std::size_t>(5 + i)], i / 2, (i % 2) * 2 + 1);
  }

  FrameRis[2] = new QGroupBox(tr("Optimal eccentricities [mm]"), this);
  auto* ecc = new QGridLayout(FrameRis[2]);
  const char* eccEti[3] = {QT_TR_NOOP("Left springing el"), QT_TR_NOOP("Crown           ec"), QT_TR_NOOP("Right spring.  er")};
  for (int i = 0; i < 3; ++i) {
    txtDati[static_cast<std::size_t>(9 + i)] = casella(FrameRis[2], tr(eccEti[i]));
    txtDati[static_cast<std::size_t>(9 + i)]->setReadOnly(false);
    ecc->addWidget(new QLabel(tr(eccEti[i]), FrameRis[2]), i, 0);
    ecc->addWidget(txtDati[static_cast<std::size_t>(9 + i)], i, 1);
  }
  Command2 = new QPushButton(tr("Set as start values"), FrameRis[2]);
  ecc->addWidget(Command2, 3, 0, 1, 2);
  Command1 = new QPushButton(this);

  auto* destra = new QVBoxLayout;
  destra->addWidget(FrameRis[0]);
  destra->addWidget(FrameRis[1]);
  destra->addWidget(FrameSpinta);
  destra->addWidget(FrameRis[2]);
  destra->addStretch();
  lblInterrotta = new QLabel(this);
  lblInterrotta->setObjectName("lblInterrotta");
  lblInterrotta->setWordWrap(true);
  lblInterrotta->setStyleSheet("color: #b00000; font-weight: bold");
  lblInterrotta->setText(TestoRicercaInterrotta(s_.risultati, s_.regional));
  lblInterrotta->setVisible(s_.risultati.RicercaInterrotta);
  auto* sinistra = new QVBoxLayout;
  sinistra->addWidget(lblInterrotta);
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
  Command1->setText(tr("Enlarge"));
  FrameRis[0]->setTitle(tr("Worst values"));
  FrameRis[1]->setTitle(tr("Reactions at springings"));
  FrameSpinta->setTitle(tr("Walls reactions"));
  lblTiro->setText(tr("Tie thrust"));
  RisultatiPeggioriVisualizza();
  GrigliaRisultati();
  RiempiGriglia();
  const auto& r = s_.risultati;
  const Regional& reg = s_.regional;
  // Forces and moments as the grid's N and T, eccentricities as its e.
  auto forza = [&reg](double v) { return q(reg.Formatta(v, "0.00")); };
  auto millimetri = [&reg](double v) { return q(FormattaMillimetri(reg, v)); };
  txtReazioni[0]->setText(forza(r.HSinistra));
  txtReazioni[1]->setText(forza(r.HDestra));
  txtReazioni[4]->setText(forza(r.HSinistra + r.SommaHSinistra));
  txtReazioni[2]->setText(forza(r.VSinistra));
  txtReazioni[3]->setText(forza(r.VDestra));
  txtReazioni[5]->setText(forza(r.SommaHSinistra));
  txtReazioni[6]->setText(forza(-r.SommaHDestra));
  double ML = 0, MR = 0;
  if (s_.modello.nConciTot > 0) {
    DatiProgetto& d = s_.dati;
    Calcolo c(d, s_.modello, s_.risultati, s_.msg());
    c.SommaMomentiPareti(s_.modello.Conci(1).y(4), s_.modello.Conci(s_.modello.nConciTot).y(3), ML, MR);
  }
  txtReazioni[7]->setText(forza(ML));
  txtReazioni[8]->setText(forza(MR));
  txtDati[9]->setText(millimetri(r.EccCalcSinistra));
  txtDati[10]->setText(millimetri(r.EccCalcChiave));
  txtDati[11]->setText(millimetri(r.EccCalcDestra));
}

QString TestoRicercaInterrotta(const RisultatiCalcolo& r, const Regional& regional) {
  return FormRisultati::tr("The search was stopped before its end: the hinges are the best point found so far, "
                           "on a grid of %1 mm.")
      .arg(QString::fromStdString(regional.FormattaNumero(3, r.PrecisioneRicerca * 1000.0)).trimmed());
}

void FormRisultati::GrigliaRisultati() {
  Grid1->setMinimumHeight(Twips(3975, this));
  Grid1->setRowCount(s_.modello.nConciTot + 2);
  Grid1->setColumnCount(7);
  RigheCompatte(Grid1);
  const char* intestazioni[7] = {QT_TR_NOOP("Sect."), QT_TR_NOOP("sig_e [MPa]"), QT_TR_NOOP("sig_i [MPa]"), QT_TR_NOOP("%comp"), QT_TR_NOOP("N [kN]"), QT_TR_NOOP("T [kN]"), QT_TR_NOOP("e [mm]")};
  for (int c = 0; c < 7; ++c) {
    auto* it = new QTableWidgetItem(tr(intestazioni[c]));
    it->setTextAlignment(Qt::AlignCenter);
    it->setBackground(palette().button());
    Grid1->setItem(0, c, it);
  }
}

void FormRisultati::RiempiGriglia() {
  const auto& r = s_.risultati;
  const auto& m = s_.modello;
  const Regional& reg = s_.regional;
  for (int i = 1; i <= m.nGiunti && i <= r.SigmaEstGiunti.size(); ++i) {
    auto cella = [&](int c, const QString& t) {
      auto* it = new QTableWidgetItem(t);
      it->setTextAlignment(c == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
      Grid1->setItem(i, c, it);
    };
    // Section 1 is the left springing; section i + 1 the right joint of voussoir i.
    double N = r.NPrimaSezione, T = r.TPrimaSezione, e = r.EccCalcSinistra;
    if (i > 1) {
      const Concio& c = m.Conci(i - 1);
      N = c.Fassiale, T = c.Ftaglio, e = c.Eccentric;
    }
    cella(0, QString::number(i));
    cella(1, QString::fromStdString(reg.Formatta(r.SigmaEstGiunti(i) / 1000.0, "0.000")));
    cella(2, QString::fromStdString(reg.Formatta(r.SigmaIntGiunti(i) / 1000.0, "0.000")));
    cella(3, QString::fromStdString(reg.Formatta(r.PercGiunti(i), "0.0")));
    cella(4, QString::fromStdString(reg.Formatta(N, "0.00")));
    cella(5, QString::fromStdString(reg.Formatta(T, "0.00")));
    cella(6, QString::fromStdString(reg.Formatta(e * 1000.0, "0.0")));
  }
  int larghezza = 2 * Grid1->frameWidth() + Grid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
  for (int c = 0; c < 7; ++c) {
    Grid1->setColumnWidth(c, LarghezzaColonna(Grid1, c, c == 0 ? 520 : 1212));
    larghezza += Grid1->columnWidth(c);
  }
  Grid1->setMinimumWidth(std::max(larghezza, Twips(4470, this)));
}

void FormRisultati::AbilitaFrameCerniere() { FrameRis[2]->setEnabled(s_.dati.OttimizzaCerniere); }

void FormRisultati::RisultatiPeggioriVisualizza() {
  const auto& r = s_.risultati;
  txtMax[1]->setText(QString::number(r.iSigmaEstPeggiore));
  txtMax[3]->setText(QString::number(r.iSigmaIntPeggiore));
  txtMax[5]->setText(QString::number(r.iPercMinima));
  // In MPa with the grid's decimals.
  txtMax[0]->setText(q(s_.regional.Formatta(r.SigmaEstPeggiore / 1000.0, "0.000")));
  txtMax[2]->setText(q(s_.regional.Formatta(r.SigmaIntPeggiore / 1000.0, "0.000")));
  txtMax[4]->setText(q(s_.regional.Formatta(r.PercMinima, "0.0")));
}

void FormRisultati::Command2_Click() {
  const char* variabili[3] = {"EccSinistra", "EccChiave", "EccDestra"};
  Single valori[3] = {};
  for (int i = 0; i < 3; ++i) {
    QLineEdit* box = txtDati[static_cast<std::size_t>(9 + i)];
    std::string errore;
    const std::optional<double> v =
        LeggiCasella(s_.regional, box->text().toStdString(), variabili[i], TipoCasella::Single, errore, 1000);
    if (!v) {
      s_.msg().critical(errore);
      box->setFocus();
      return;
    }
    valori[i] = static_cast<Single>(*v);
  }
  s_.dati.EccSinistra = valori[0], s_.dati.EccChiave = valori[1], s_.dati.EccDestra = valori[2];
  if (FormGeometria* g = main_.formGeometria()) {
    g->txtDati[9]->setText(txtDati[9]->text());
    g->txtDati[10]->setText(txtDati[10]->text());
    g->txtDati[11]->setText(txtDati[11]->text());
  }
  main_.DatiCambiati();
}

void FormRisultati::Command1_Click() {
  QWidget* w = parentWidget() ? parentWidget() : this;
  if (!ridotta_) {
    w->resize(Twips(2865, this), Twips(2415, this));
    Command1->setText(tr("Enlarge"));
  } else {
    // Enlarged, the whole report shows even where the screen's font needs
    // more room than the layout's size, as far as the main window allows;
    // measured now, with the fonts of the window it stands in.
    const QSize cornice = w->size() - size();
    const QSize tutto = pannello_->sizeHint().expandedTo(pannello_->minimumSizeHint()) + cornice;
    QSize voluto(std::max(Twips(7785, this), tutto.width()), std::max(Twips(6200, this), tutto.height()));
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w); sub && sub->mdiArea()) {
      main_.FaiSpazio(voluto + QSize(sub->x(), sub->y()));
      voluto = voluto.boundedTo(sub->mdiArea()->viewport()->size());
    }
    w->resize(voluto);
    Command1->setText(tr("Reduce"));
  }
  ridotta_ = !ridotta_;
}

}  // namespace voro::ui
