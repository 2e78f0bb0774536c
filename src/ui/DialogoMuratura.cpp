// The masonry and soil dialog.
#include "ui/DialogoMuratura.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

#include "data/SezioniFile.h"

namespace voro::ui {

namespace {

QString Testo(float x) { return QString::fromStdString(CampoNumero(x)); }

// A number from 0 up, with the point or the comma; none otherwise.
std::optional<float> NonNegativo(const QString& t) {
  float x = 0;
  QString s = t.trimmed();
  s.replace(',', '.');
  if (s.isEmpty() || !LeggiNumero(s.toStdString(), x) || !(x >= 0) || !std::isfinite(x)) return std::nullopt;
  return x;
}

}  // namespace

DialogoMuratura::DialogoMuratura(DatiProgetto& d, Messages& msg, QWidget* parent)
    : QDialog(parent), d_(d), msg_(msg) {
  setWindowTitle(tr("Masonry and Soil"));
  nSegmenti_ = d.nVori > 1 ? d.nVori : 1;
  auto* layout = new QVBoxLayout(this);

  layout->addWidget(new QLabel(tr("Compressive strength of the masonry fc [MPa] (0: unlimited, rigid voussoirs)")));
  tabellaResistenza = new QTableWidget(nSegmenti_, 1, this);
  tabellaResistenza->setObjectName("tabellaResistenza");
  tabellaResistenza->setHorizontalHeaderLabels({tr("fc [MPa]")});
  tabellaResistenza->horizontalHeader()->setStretchLastSection(true);
  for (int i = 0; i < nSegmenti_; ++i) {
    const bool anello = d.nVori <= 1;
    const float fc = anello ? d.ResistenzaAnello : (d.Vori.contains(i + 1) ? d.Vori(i + 1).Resistenza : 0.0f);
    tabellaResistenza->setVerticalHeaderItem(i, new QTableWidgetItem(anello ? tr("Ring") : tr("Segment %1").arg(i + 1)));
    tabellaResistenza->setItem(i, 0, new QTableWidgetItem(Testo(fc)));
  }
  layout->addWidget(tabellaResistenza);

  auto* modulo = new QFormLayout;
  chkAttrito = new QCheckBox(tr("Check sliding of the joints"), this);
  chkAttrito->setObjectName("chkAttrito");
  chkAttrito->setChecked(d.Attrito.has_value());
  txtAttrito = new QLineEdit(Testo(d.Attrito.value_or(0.6f)), this);
  txtAttrito->setObjectName("txtAttrito");
  txtAttrito->setEnabled(chkAttrito->isChecked());
  connect(chkAttrito, &QCheckBox::toggled, txtAttrito, &QWidget::setEnabled);
  modulo->addRow(chkAttrito);
  modulo->addRow(tr("Friction coefficient mu (|T| <= mu N)"), txtAttrito);
  txtMobilitazione = new QLineEdit(Testo(d.Mobilitazione), this);
  txtMobilitazione->setObjectName("txtMobilitazione");
  modulo->addRow(tr("Mobilisation factor of the passive pressure"), txtMobilitazione);
  layout->addLayout(modulo);

  auto* aiuto = new QLabel(
      tr("Typical mean compressive strengths: rubble masonry 1-2 MPa, roughly dressed stone 2-4 MPa, solid "
         "brickwork in lime mortar 2.5-4.5 MPa (more with cement mortar), ashlar of squared blocks 6-8 MPa and "
         "above. Friction of dry or lime-mortar joints: mu 0.4-0.7. The soil behind the haunches pushes back "
         "only where the ring moves into it, up to the mobilisation factor times the full passive pressure."),
      this);
  aiuto->setWordWrap(true);
  layout->addWidget(aiuto);

  auto* bottoni = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(bottoni, &QDialogButtonBox::accepted, this, &DialogoMuratura::accetta);
  connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(bottoni);
}

bool DialogoMuratura::Leggi() {
  DatiProgetto& d = d_;
  std::vector<float> fc;
  for (int i = 0; i < nSegmenti_; ++i) {
    const QTableWidgetItem* v = tabellaResistenza->item(i, 0);
    const auto x = NonNegativo(v ? v->text() : QString());
    if (!x) {
      msg_.information(tr("The compressive strength must be a number from 0 up.").toStdString());
      return false;
    }
    fc.push_back(*x);
  }
  std::optional<float> mu;
  if (chkAttrito->isChecked()) {
    mu = NonNegativo(txtAttrito->text());
    if (!mu) {
      msg_.information(tr("The friction coefficient must be a number from 0 up.").toStdString());
      return false;
    }
  }
  const auto mob = NonNegativo(txtMobilitazione->text());
  if (!mob) {
    msg_.information(tr("The mobilisation factor must be a number from 0 up.").toStdString());
    return false;
  }
  if (d.nVori <= 1) {
    d.ResistenzaAnello = fc[0];
  } else {
    for (int i = 0; i < nSegmenti_ && i + 1 <= d.Vori.size(); ++i) d.Vori(i + 1).Resistenza = fc[static_cast<std::size_t>(i)];
  }
  d.Attrito = mu;
  d.Mobilitazione = *mob;
  return true;
}

void DialogoMuratura::accetta() {
  if (!Leggi()) return;
  accept();
}

}  // namespace voro::ui
