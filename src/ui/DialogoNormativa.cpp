// The code basis dialog.
#include "ui/DialogoNormativa.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "data/Normative.h"
#include "ui/TestoCodicePagina.h"

namespace voro::ui {

namespace {

Single* Fattore(CoefficientiParziali& c, std::size_t i) {
  Single* f[12] = {&c.gG1sup, &c.gG1inf, &c.gG2sup, &c.gG2inf, &c.gQ,    &c.gM,
                   &c.FC,     &c.gMu,    &c.gR,     &c.gQf,    &c.alpha, &c.phi};
  return f[i];
}

}  // namespace

DialogoNormativa::DialogoNormativa(QWidget* parent) : QDialog(parent) {
  setObjectName("DlgNormativa");
  setWindowTitle(tr("Code basis and title block"));

  cmbNormativa = new QComboBox(this);
  cmbNormativa->setObjectName("cmbNormativa");
  for (const BaseNormativa b : {BaseNormativa::Digitata, BaseNormativa::Eurocodice, BaseNormativa::Ntc2018})
    cmbNormativa->addItem(QCoreApplication::translate("Voro", NomeNormativa(b).c_str()), static_cast<int>(b));
  cmbLivello = new QComboBox(this);
  cmbLivello->setObjectName("cmbLivello");
  // The codes set no knowledge level of their own: until one is chosen there is no verdict.
  cmbLivello->addItem(tr("not given"), -1);
  for (const LivelloConoscenza l : {LivelloConoscenza::LC1, LivelloConoscenza::LC2, LivelloConoscenza::LC3})
    cmbLivello->addItem(QString::fromStdString(NomeLivello(l)), static_cast<int>(l));

  auto* codice = new QGroupBox(tr("Code basis and partial factors"), this);
  auto* fc = new QFormLayout(codice);
  fc->addRow(tr("Code basis"), cmbNormativa);
  fc->addRow(tr("Knowledge level"), cmbLivello);
  const QString nomi[12] = {tr("γG1,sup structural permanent loads, unfavourable"),
                           tr("γG1,inf structural permanent loads, favourable"),
                           tr("γG2,sup slab and surfacing, unfavourable"),
                           tr("γG2,inf slab and surfacing, favourable"),
                           tr("γQ variable loads (strip and road vehicle)"),
                           tr("γM masonry"),
                           tr("FC confidence factor"),
                           tr("γμ friction of the joints"),
                           tr("γR passive resistance of the soil"),
                           tr("γQ,rail rail vehicle"),
                           tr("α classification factor of rail loads"),
                           tr("Φ dynamic factor of rail loads")};
  for (std::size_t i = 0; i < spnFattori.size(); ++i) {
    auto* s = new QDoubleSpinBox(this);
    s->setObjectName(QString("spnFattore%1").arg(i));
    s->setDecimals(3);
    s->setSingleStep(0.05);
    // gM and FC divide the strength, gMu the friction, gR the soil's
    // resistance, alpha classifies the loads: never zero. Phi 0 is found
    // from the arch.
    s->setRange((i >= 5 && i <= 8) || i == 10 ? 0.001 : 0.0, 100.0);
    if (i == 11) s->setSpecialValueText(tr("from the span and cover"));
    // gM has no code value: its lowest step reads "not given", and a code
    // basis then gives no verdict.
    if (i == 5) {
      s->setMinimum(0.0);
      s->setSpecialValueText(tr("not given"));
    }
    spnFattori[i] = s;
    fc->addRow(nomi[i], s);
  }
  cmbManutenzione = new QComboBox(this);
  cmbManutenzione->setObjectName("cmbManutenzione");
  cmbManutenzione->addItem(tr("Carefully maintained (Φ2)"), static_cast<int>(ManutenzioneBinario::Accurata));
  cmbManutenzione->addItem(tr("Standard maintenance (Φ3)"), static_cast<int>(ManutenzioneBinario::Standard));
  fc->addRow(tr("Track over the arch"), cmbManutenzione);
  auto* nota = new QLabel(tr("Design strength fc / (γM FC), design friction μ / γμ, the soil's passive resistance "
                             "from the characteristic loads over γR; a rail vehicle's axles at γQ,rail α Φ. The "
                             "adequacy factor is the live-load factor of the design loads, the smallest of the "
                             "combinations."),
                          this);
  nota->setWordWrap(true);
  fc->addRow(nota);

  auto* cartiglio = new QGroupBox(tr("Title block of the report (empty fields stay blank for signing by hand)"), this);
  auto* ft = new QFormLayout(cartiglio);
  for (std::size_t i = 0; i < txtCartiglio.size(); ++i) {
    txtCartiglio[i] = new QLineEdit(this);
    txtCartiglio[i]->setObjectName(QString("txtCartiglio%1").arg(i));
    SoloCodicePagina(txtCartiglio[i]);
  }
  // The document and the structure first, then the signatures as a table:
  // a role a row, its name, registration and date across, to keep the dialog low.
  const std::pair<std::size_t, QString> voci[] = {{7, tr("Document number")}, {0, tr("Structure")},
                                                  {8, tr("Location")},        {9, tr("Owner")},
                                                  {1, tr("Client")},          {10, tr("Purpose")},
                                                  {5, tr("Revision")},        {6, tr("Status")}};
  for (const auto& [i, nome] : voci) ft->addRow(nome, txtCartiglio[i]);
  auto* firme = new QGridLayout;
  const QString colonne[] = {tr("Name"), tr("Registration"), tr("Date")};
  for (int k = 0; k < 3; ++k) firme->addWidget(new QLabel(colonne[k], this), 0, k + 1);
  const std::pair<QString, std::array<std::size_t, 3>> ruoli[] = {
      {tr("Engineer"), {2, 11, 12}}, {tr("Checker"), {3, 13, 14}}, {tr("Approver"), {4, 15, 16}}};
  for (int r = 0; r < 3; ++r) {
    firme->addWidget(new QLabel(ruoli[r].first, this), r + 1, 0);
    for (int k = 0; k < 3; ++k) firme->addWidget(txtCartiglio[ruoli[r].second[static_cast<std::size_t>(k)]], r + 1, k + 1);
  }
  firme->setColumnStretch(2, 2);
  ft->addRow(firme);

  auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* tutto = new QVBoxLayout(this);
  auto* riga = new QHBoxLayout;
  riga->addWidget(codice);
  riga->addWidget(cartiglio);
  tutto->addLayout(riga);
  tutto->addWidget(pulsanti);

  connect(cmbNormativa, &QComboBox::activated, this, [this] { applicaPreset(); });
  connect(cmbLivello, &QComboBox::activated, this, [this] { applicaPreset(); });
}

DatiNormativa DialogoNormativa::normativa() const {
  DatiNormativa n;
  n.base = static_cast<BaseNormativa>(cmbNormativa->currentData().toInt());
  const int livello = cmbLivello->currentData().toInt();
  if (livello >= 0) n.livello = static_cast<LivelloConoscenza>(livello);
  n.manutenzione = static_cast<ManutenzioneBinario>(cmbManutenzione->currentData().toInt());
  for (std::size_t i = 0; i < spnFattori.size(); ++i)
    *Fattore(n.coefficienti, i) = static_cast<Single>(spnFattori[i]->value());
  n.gMDato = n.coefficienti.gM > 0;
  if (!n.gMDato) n.coefficienti.gM = 1;
  return n;
}

void DialogoNormativa::mostraFattori(const DatiNormativa& n) {
  CoefficientiParziali copia = n.coefficienti;
  if (!n.gMDato && copia.gM == 1) copia.gM = 0;
  for (std::size_t i = 0; i < spnFattori.size(); ++i) spnFattori[i]->setValue(*Fattore(copia, i));
}

void DialogoNormativa::applicaPreset() {
  DatiNormativa n = normativa();
  ApplicaNormativa(n, n.base);
  if (n.livello) ApplicaLivello(n, *n.livello);
  mostraFattori(n);
}

void DialogoNormativa::ScriveDatiInForm(const DatiProgetto& d) {
  cmbNormativa->setCurrentIndex(cmbNormativa->findData(static_cast<int>(d.Normativa.base)));
  cmbLivello->setCurrentIndex(
      cmbLivello->findData(d.Normativa.livello ? static_cast<int>(*d.Normativa.livello) : -1));
  cmbManutenzione->setCurrentIndex(cmbManutenzione->findData(static_cast<int>(d.Normativa.manutenzione)));
  mostraFattori(d.Normativa);
  const auto campi = CampiCartiglio(d.Cartiglio);
  for (std::size_t i = 0; i < txtCartiglio.size(); ++i) txtCartiglio[i]->setText(QString::fromStdString(*campi[i]));
}

void DialogoNormativa::LeggeDati(DatiProgetto& d) const {
  d.Normativa = normativa();
  const auto campi = CampiCartiglio(d.Cartiglio);
  for (std::size_t i = 0; i < txtCartiglio.size(); ++i) *campi[i] = txtCartiglio[i]->text().trimmed().toStdString();
}

bool ModificaNormativa(QWidget* parent, DatiProgetto& d) {
  DialogoNormativa dialogo(parent);
  dialogo.ScriveDatiInForm(d);
  if (dialogo.exec() != QDialog::Accepted) return false;
  DatiProgetto nuovi = d;
  dialogo.LeggeDati(nuovi);
  if (nuovi.Normativa == d.Normativa && nuovi.Cartiglio == d.Cartiglio) return false;
  d.Normativa = nuovi.Normativa;
  d.Cartiglio = nuovi.Cartiglio;
  return true;
}

}  // namespace voro::ui
