// The vehicle dialog.
#include "ui/DialogoVeicolo.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "arch/CaricoVeicolo.h"
#include "ui/FinestraSicurezza.h"
#include "ui/NomiVeicoli.h"
#include "ui/Sessione.h"
#include "ui/TestoCodicePagina.h"

namespace voro::ui {

DialogoVeicolo::DialogoVeicolo(Sessione& s, QWidget* parent)
    : QDialog(parent), s_(s), libreria_(CaricaLibreria(s.stato.CartellaProgramma, s.msg().traduzioni())), disegno_(messaggi_) {
  setObjectName("dlgVehicle");
  setWindowTitle(tr("Vehicle on the fill"));

  cmbVeicolo = new QComboBox(this);
  riempiElenco();
  txtNome = new QLineEdit(this);
  SoloCodicePagina(txtNome);
  txtCarreggiata = new QLineEdit(this);
  txtCarreggiata->setToolTip(tr("Wheel track, centre to centre [m]"));
  txtLarghezza = new QLineEdit(this);
  txtLarghezza->setToolTip(tr("Contact width of a wheel across the road [m]"));
  cmbCategoria = new QComboBox(this);
  cmbCategoria->setObjectName("cmbCategory");
  cmbCategoria->addItem(tr("Road"), static_cast<int>(CategoriaTraffico::Stradale));
  cmbCategoria->addItem(tr("Rail"), static_cast<int>(CategoriaTraffico::Ferroviaria));
  cmbCategoria->setToolTip(tr("The code basis takes the partial factor of the vehicle's traffic; a rail vehicle's "
                              "axles also carry α and Φ"));
  tabAssi = new QTableWidget(0, 3, this);
  tabAssi->setObjectName("grdAxles");
  tabAssi->setHorizontalHeaderLabels({tr("P [kN]"), tr("d [m]"), tr("a [m]")});
  tabAssi->horizontalHeaderItem(0)->setToolTip(tr("Load of the whole axle"));
  tabAssi->horizontalHeaderItem(1)->setToolTip(tr("Distance from the first axle"));
  tabAssi->horizontalHeaderItem(2)->setToolTip(tr("Contact length along the span"));
  tabAssi->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  cmdAggiungi = new QPushButton(tr("&Add axle"), this);
  cmdTogli = new QPushButton(tr("&Remove axle"), this);
  cmbDiffusione = new QComboBox(this);
  cmbDiffusione->addItems({tr("None"), tr("1 horizontal : 2 vertical"), tr("30°"), tr("45°"), tr("Angle typed")});
  txtAngolo = new QLineEdit(this);
  txtAngolo->setToolTip(tr("Angle of spread from the vertical, 0 to 60 degrees"));
  cmdSalva = new QPushButton(tr("Save in &my library"), this);
  cmdSalva->setToolTip(QString::fromStdString(FileLibreriaUtente()));
  anteprima = new AreaTavola(s_, this);
  anteprima->setMinimumSize(420, 220);
  // What keeps the preview from drawing the vehicle, said as it happens.
  lblErrore = new QLabel(this);
  lblErrore->setObjectName("lblVehicleError");
  lblErrore->setWordWrap(true);
  lblErrore->setStyleSheet("QLabel { color: #a00000; }");

  auto* forma = new QFormLayout;
  forma->addRow(tr("Vehicle"), cmbVeicolo);
  forma->addRow(tr("Name"), txtNome);
  forma->addRow(tr("Track s [m]"), txtCarreggiata);
  forma->addRow(tr("Contact width w [m]"), txtLarghezza);
  forma->addRow(tr("Traffic"), cmbCategoria);
  auto* assi = new QHBoxLayout;
  assi->addWidget(cmdAggiungi);
  assi->addWidget(cmdTogli);
  assi->addStretch();
  auto* diffusione = new QFormLayout;
  diffusione->addRow(tr("Spread through the fill"), cmbDiffusione);
  diffusione->addRow(tr("Angle θ [°]"), txtAngolo);
  auto* sinistra = new QVBoxLayout;
  sinistra->addLayout(forma);
  sinistra->addWidget(tabAssi);
  sinistra->addLayout(assi);
  sinistra->addLayout(diffusione);
  sinistra->addWidget(cmdSalva, 0, Qt::AlignLeft);
  auto* destra = new QVBoxLayout;
  destra->addWidget(anteprima, 1);
  destra->addWidget(lblErrore);
  auto* corpo = new QHBoxLayout;
  corpo->addLayout(sinistra);
  corpo->addLayout(destra, 1);
  auto* bottoni = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  auto* tutto = new QVBoxLayout(this);
  tutto->addLayout(corpo, 1);
  tutto->addWidget(bottoni);

  connect(bottoni, &QDialogButtonBox::accepted, this, [this] {
    if (Leggi()) accept();
  });
  connect(bottoni, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(cmbVeicolo, &QComboBox::activated, this, [this](int i) {
    if (i == 0) scriviVeicolo(std::nullopt);
    else if (i <= static_cast<int>(libreria_.veicoli.size())) scriviVeicolo(libreria_.veicoli[static_cast<std::size_t>(i - 1)]);
    aggiornaAnteprima();
  });
  connect(cmdAggiungi, &QPushButton::clicked, this, [this] {
    // A new axle like the last one, as far behind it as the last two are
    // apart (1 m behind a single axle): never on top of another.
    const int r = tabAssi->rowCount();
    auto valore = [this](int riga, int colonna, double altrimenti) {
      const QTableWidgetItem* c = riga >= 0 ? tabAssi->item(riga, colonna) : nullptr;
      const std::optional<double> n = c ? s_.regional.NumeroDigitato(c->text().toStdString()) : std::nullopt;
      return n && std::isfinite(*n) ? *n : altrimenti;
    };
    const double dUltimo = valore(r - 1, 1, -1), dPenultimo = valore(r - 2, 1, dUltimo - 1);
    const double nuovo[3] = {valore(r - 1, 0, 100), r == 0 ? 0 : dUltimo + std::max(dUltimo - dPenultimo, 0.1),
                             valore(r - 1, 2, 0.3)};
    {
      const QSignalBlocker blocco(tabAssi);
      tabAssi->insertRow(r);
      for (int k = 0; k < 3; ++k) tabAssi->setItem(r, k, new QTableWidgetItem(numero(nuovo[k])));
    }
    cmbVeicolo->setCurrentIndex(cmbVeicolo->count() - 1);
    aggiornaAnteprima();
  });
  connect(cmdTogli, &QPushButton::clicked, this, [this] {
    if (tabAssi->rowCount() > 0) tabAssi->removeRow(tabAssi->currentRow() >= 0 ? tabAssi->currentRow() : tabAssi->rowCount() - 1);
    cmbVeicolo->setCurrentIndex(cmbVeicolo->count() - 1);
    aggiornaAnteprima();
  });
  // Typing makes the vehicle one of the user's own.
  auto modificato = [this] {
    cmbVeicolo->setCurrentIndex(cmbVeicolo->count() - 1);
    aggiornaAnteprima();
  };
  for (QLineEdit* e : {txtNome, txtCarreggiata, txtLarghezza}) connect(e, &QLineEdit::textEdited, this, modificato);
  connect(cmbCategoria, &QComboBox::activated, this, modificato);
  connect(tabAssi, &QTableWidget::itemChanged, this, [this] { aggiornaAnteprima(); });
  connect(cmbDiffusione, &QComboBox::currentIndexChanged, this, [this](int i) {
    // A rule shows its own angle, greyed; a typed angle starts from it.
    txtAngolo->setEnabled(i == 4);
    if (i < 4) txtAngolo->setText(testoAngolo(Diffusione{static_cast<RegolaDiffusione>(i), 0}));
    aggiornaAnteprima();
  });
  connect(txtAngolo, &QLineEdit::textEdited, this, [this] { aggiornaAnteprima(); });
  connect(cmdSalva, &QPushButton::clicked, this, [this] {
    QString errore;
    const std::optional<Veicolo> v = veicolo(errore);
    if (!v) {
      s_.msg().critical((errore.isEmpty() ? tr("Choose or type a vehicle first.") : errore).toStdString());
      return;
    }
    if (const auto e = SalvaInLibreria(FileLibreriaUtente(), *v, s_.msg().traduzioni())) {
      s_.msg().critical(e->c_str());
      return;
    }
    libreria_ = CaricaLibreria(s_.stato.CartellaProgramma, s_.msg().traduzioni());
    riempiElenco();
    cmbVeicolo->setCurrentIndex(cmbVeicolo->findData(QString::fromStdString(v->Nome)));
    s_.msg().information(tr("\"%1\" is saved in your vehicle library %2.")
                             .arg(QString::fromStdString(v->Nome), QString::fromStdString(FileLibreriaUtente()))
                             .toStdString());
  });

  // A broken user library hides nothing else: it is said once, here.
  for (const ErroreLibreria& e : libreria_.errori)
    s_.msg().information(tr("The vehicle library %1 was left out: %2")
                             .arg(QString::fromStdString(e.file), QString::fromStdString(e.Testo()))
                             .toStdString());

  scriviVeicolo(s_.dati.VeicoloCarico);
  if (s_.dati.VeicoloCarico) {
    const Veicolo* inLibreria = libreria_.Trova(s_.dati.VeicoloCarico->Nome);
    cmbVeicolo->setCurrentIndex(inLibreria && *inLibreria == *s_.dati.VeicoloCarico
                                    ? cmbVeicolo->findData(QString::fromStdString(inLibreria->Nome))
                                    : cmbVeicolo->count() - 1);
  }
  const Diffusione& d = s_.dati.DiffusioneCarico;
  cmbDiffusione->setCurrentIndex(static_cast<int>(d.regola));
  txtAngolo->setText(testoAngolo(d));
  txtAngolo->setEnabled(d.regola == RegolaDiffusione::Angolo);
  aggiornaAnteprima();
}

DialogoVeicolo::~DialogoVeicolo() = default;

void DialogoVeicolo::riempiElenco() {
  cmbVeicolo->clear();
  cmbVeicolo->addItem(tr("(no vehicle)"));
  for (const Veicolo& v : libreria_.veicoli) cmbVeicolo->addItem(NomeVeicolo(v.Nome), QString::fromStdString(v.Nome));
  cmbVeicolo->addItem(tr("Typed below"));
}

QString DialogoVeicolo::testoAngolo(const Diffusione& d) const {
  // A typed angle as typed; a rule's angle (26.565° for 1:2) to the hundredth.
  return d.regola == RegolaDiffusione::Angolo ? numero(d.Angolo())
                                              : QString::fromStdString(s_.regional.Formatta(d.Angolo(), "0.00"));
}

QString DialogoVeicolo::numero(double x) const {
  return QString::fromStdString(s_.regional.TestoSingle(static_cast<Single>(x)));
}

void DialogoVeicolo::scriviVeicolo(const std::optional<Veicolo>& v) {
  const QSignalBlocker blocco(tabAssi);
  txtNome->setText(v ? QString::fromStdString(v->Nome) : QString());
  txtCarreggiata->setText(v ? numero(v->Carreggiata) : QString());
  txtLarghezza->setText(v ? numero(v->LarghezzaImpronta) : QString());
  cmbCategoria->setCurrentIndex(cmbCategoria->findData(static_cast<int>(v ? v->Categoria : CategoriaTraffico::Stradale)));
  tabAssi->setRowCount(0);
  if (!v) return;
  for (const AsseVeicolo& a : v->Assi) {
    const int r = tabAssi->rowCount();
    tabAssi->insertRow(r);
    tabAssi->setItem(r, 0, new QTableWidgetItem(numero(a.P)));
    tabAssi->setItem(r, 1, new QTableWidgetItem(numero(a.d)));
    tabAssi->setItem(r, 2, new QTableWidgetItem(numero(a.a)));
  }
}

std::optional<Veicolo> DialogoVeicolo::veicolo(QString& errore) const {
  if (cmbVeicolo->currentIndex() == 0) return std::nullopt;
  Veicolo v;
  v.Nome = txtNome->text().trimmed().toStdString();
  v.Categoria = static_cast<CategoriaTraffico>(cmbCategoria->currentData().toInt());
  const QString nome = QString::fromStdString(v.Nome);
  auto leggi = [&](const QString& testo, const QString& cosa, Single& x) {
    const std::optional<double> n = s_.regional.NumeroDigitato(testo.toStdString());
    if (!n || !std::isfinite(*n) || std::fabs(*n) > 3e38) {
      errore = tr("Vehicle \"%1\": %2 \"%3\" is not a number").arg(nome, cosa, testo);
      return false;
    }
    x = static_cast<Single>(*n);
    return true;
  };
  if (!leggi(txtCarreggiata->text(), tr("track s"), v.Carreggiata) ||
      !leggi(txtLarghezza->text(), tr("contact width w"), v.LarghezzaImpronta))
    return std::nullopt;
  const QString nomi[3] = {tr("load P"), tr("distance d"), tr("contact length a")};
  for (int r = 0; r < tabAssi->rowCount(); ++r) {
    AsseVeicolo a;
    Single* campi[3] = {&a.P, &a.d, &a.a};
    for (int k = 0; k < 3; ++k) {
      const QTableWidgetItem* c = tabAssi->item(r, k);
      if (!leggi(c ? c->text() : QString(), tr("axle %1, %2").arg(r + 1).arg(nomi[k]), *campi[k])) return std::nullopt;
    }
    v.Assi.push_back(a);
  }
  if (const auto e = ErroreVeicolo(v, s_.msg().traduzioni())) {
    errore = QString::fromStdString(*e);
    return std::nullopt;
  }
  return v;
}

std::optional<Diffusione> DialogoVeicolo::diffusione(QString& errore) const {
  const int i = cmbDiffusione->currentIndex();
  if (i < 4) return Diffusione{static_cast<RegolaDiffusione>(i), 0};
  const std::optional<double> g = s_.regional.NumeroDigitato(txtAngolo->text().toStdString());
  if (!g || !(*g >= 0 && *g <= kAngoloDiffusioneMassimo)) {
    errore = tr("The angle of spread \"%1\" is not an angle from 0° to 60°").arg(txtAngolo->text());
    return std::nullopt;
  }
  return DiffusioneAngolo(static_cast<Single>(*g));
}

bool DialogoVeicolo::Leggi() {
  QString errore;
  const std::optional<Veicolo> v = veicolo(errore);
  if (!v && cmbVeicolo->currentIndex() != 0) {
    s_.msg().critical(errore.toStdString());
    return false;
  }
  const std::optional<Diffusione> d = diffusione(errore);
  if (!d) {
    s_.msg().critical(errore.toStdString());
    txtAngolo->setFocus();
    return false;
  }
  s_.dati.VeicoloCarico = v;
  s_.dati.DiffusioneCarico = *d;
  return true;
}

void DialogoVeicolo::aggiornaAnteprima() {
  // The vehicle drawn at mid-structure on the project's last model.
  QString errore;
  const std::optional<Veicolo> v = veicolo(errore);
  const std::optional<Diffusione> d = diffusione(errore);
  lblErrore->setText(cmbVeicolo->currentIndex() == 0 ? QString() : errore);
  if (!v || !d || s_.modello.nConciTot <= 0) {
    anteprima->Imposta(nullptr);
    return;
  }
  DatiProgetto dati = s_.dati;
  dati.VeicoloCarico = v;
  dati.DiffusioneCarico = *d;
  const CaricoVeicolo carico(dati, s_.modello);
  const double centro = (static_cast<double>(s_.modello.xMinStruttura) + s_.modello.xMaxStruttura) / 2;
  inPosizione_ = VeicoloInPosizione{};
  inPosizione_.nome = v->Nome;
  inPosizione_.assi = carico.Impronte(centro - v->Passo() / 2.0, Verso::Avanti);
  for (const AsseVeicolo& a : v->Assi) inPosizione_.carichi.push_back(a.P);
  plot_ = std::make_unique<PlottaVeicolo>(s_.dati, s_.modello, inPosizione_, s_.regional, disegno_);
  anteprima->Imposta(plot_.get());
}

}  // namespace voro::ui
