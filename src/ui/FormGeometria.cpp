// The geometry form.
#include "ui/FormGeometria.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

#include <cstdio>
#include <optional>

#include "arch/CostruisciModello.h"
#include "arch/ImposteArco.h"
#include "data/LetturaCaselle.h"
#include "ui/FinestraPrincipale.h"
#include "ui/Tastiera.h"
#include "ui/TestoCodicePagina.h"

namespace voro::ui {

namespace {

QLineEdit* box(QWidget* parent, const QString& tooltip) {
  auto* e = new QLineEdit(parent);
  e->setToolTip(tooltip);
  e->setMaximumWidth(90);
  return e;
}

}  // namespace

FormGeometria::FormGeometria(FinestraPrincipale& main, Sessione& s) : FormDiDati(main, s) {
  setObjectName("frmGeo");
  txtTitolo = new QLineEdit(this);
  txtTitolo->setToolTip(tr("Title of the project"));
  SoloCodicePagina(txtTitolo);
  txtNvori = box(this, tr("Number of segments of circles"));
  txtNvori->setProperty("enterProprio", true);

  Frame1Voro = new QGroupBox(tr("Ring geometry"), this);
  auto* ring = new QGridLayout(Frame1Voro);
  const char* etichette[4] = {QT_TR_NOOP("Span         L"), QT_TR_NOOP("Rise           h"), QT_TR_NOOP("Thickness  t"), QT_TR_NOOP("Voussoirs n°")};
  const char* suggerimenti[4] = {QT_TR_NOOP("Span of the arch [m]"), QT_TR_NOOP("Rise of the arch [m]"), QT_TR_NOOP("Thickness of the ring [m]"),
                                 QT_TR_NOOP("Number of voussoirs (masonry units) ")};
  for (int i = 0; i < 4; ++i) {
    txt1Voro[static_cast<std::size_t>(i)] = box(Frame1Voro, tr(suggerimenti[i]));
    ring->addWidget(new QLabel(tr(etichette[i]), Frame1Voro), i, 0);
    ring->addWidget(txt1Voro[static_cast<std::size_t>(i)], i, 1);
    ring->addWidget(new QLabel(i < 3 ? "m" : "", Frame1Voro), i, 2);
  }

  FlexGrid = new GrigliaSegmenti(this);
  FlexGrid->setToolTip(tr("Coordinates of the points that define the segments of circles."));
  FlexGrid->setFixedSize(Twips(2640, this), Twips(840, this));
  FlexGrid->hide();

  auto* dati = new QGridLayout;
  dati->setColumnStretch(3, 1);
  struct Voce {
    int indice;
    const char* etichetta;
    const char* suggerimento;
    const char* unita = "";
  };
  const Voce voci[] = {{1, "h1", QT_TR_NOOP("Fill thickness at crown [m]"), "m"},
                       {2, "h2", QT_TR_NOOP("Slab thickness [m]"), "m"},
                       {3, "γm", QT_TR_NOOP("Masonry unit weight [kN/m3]"), "kN/m³"},
                       {4, "γ1", QT_TR_NOOP("Fill unit weight [kN/m3]"), "kN/m³"},
                       {5, "γ2", QT_TR_NOOP("Slab unit weight [kN/m3]"), "kN/m³"},
                       {6, "dw", QT_TR_NOOP("Protrusion of the upper wall [m]"), "m"},
                       {7, "hw", QT_TR_NOOP("Depth of solid fill [m]"), "m"}};
  int riga = 0;
  for (const Voce& v : voci) {
    txtDati[static_cast<std::size_t>(v.indice)] = box(this, tr(v.suggerimento));
    dati->addWidget(new QLabel(QString::fromUtf8(v.etichetta), this), riga, 0);
    dati->addWidget(txtDati[static_cast<std::size_t>(v.indice)], riga, 1);
    dati->addWidget(new QLabel(QString::fromUtf8(v.unita), this), riga, 2);
    ++riga;
  }
  txtLarg[0] = box(this, tr("Width of the arch [m]"));
  txtLarg[1] = box(this, "");
  txtLarg[1]->hide();
  dati->addWidget(new QLabel(tr("Ring width"), this), riga, 0);
  dati->addWidget(txtLarg[0], riga, 1);
  dati->addWidget(new QLabel(tr("m"), this), riga, 2);

  Frame1 = new QGroupBox(tr("Start eccentricities [mm]"), this);
  Frame1->setToolTip(tr("Eccentricities of the thrust-line to be used without optimization"));
  auto* ecc = new QGridLayout(Frame1);
  const Voce eccs[] = {
      {9, QT_TR_NOOP("Left springing el"), QT_TR_NOOP("Eccentricity of the thrust line at the left springing [mm]")},
      {10, QT_TR_NOOP("Crown          ec"), QT_TR_NOOP("Eccentricity of the thrust line at the crown [mm]")},
      {11, QT_TR_NOOP("Right springing er"), QT_TR_NOOP("Eccentricity of the thrust line at the right springing [mm]")}};
  riga = 0;
  for (const Voce& v : eccs) {
    txtDati[static_cast<std::size_t>(v.indice)] = box(Frame1, tr(v.suggerimento));
    ecc->addWidget(new QLabel(tr(v.etichetta), Frame1), riga, 0);
    ecc->addWidget(txtDati[static_cast<std::size_t>(v.indice)], riga, 1);
    ++riga;
  }

  pctSchema = new Schema(Schema::Tipo::Geometria, this);
  cmdSchema = new QPushButton(tr("Zoom"), this);
  cbPltGeom = new QPushButton(tr("&Next -->"), this);

  auto* titolo = new QHBoxLayout;
  titolo->addWidget(new QLabel(tr("Title :"), this));
  titolo->addWidget(txtTitolo, 1);
  titolo->addWidget(new QLabel(tr("Units kN - m"), this));
  auto* segmenti = new QHBoxLayout;
  segmenti->addWidget(new QLabel(tr("Segments n."), this));
  segmenti->addWidget(txtNvori);
  segmenti->addStretch();
  auto* sinistra = new QVBoxLayout;
  sinistra->addLayout(segmenti);
  sinistra->addWidget(Frame1Voro);
  sinistra->addWidget(FlexGrid);
  sinistra->addLayout(dati);
  lblImposte = new QLabel(this);
  lblImposte->setObjectName("lblImposte");
  lblImposte->setWordWrap(true);
  sinistra->addWidget(lblImposte);
  tabCampate = new TabellaCampate(s_.regional, this);
  sinistra->addWidget(tabCampate);
  sinistra->addStretch();
  auto* destra = new QVBoxLayout;
  destra->addWidget(pctSchema);
  destra->addWidget(cmdSchema, 0, Qt::AlignLeft);
  destra->addWidget(Frame1);
  destra->addStretch();
  destra->addWidget(cbPltGeom, 0, Qt::AlignRight);
  auto* corpo = new QHBoxLayout;
  corpo->addLayout(sinistra);
  corpo->addLayout(destra);
  auto* tutto = new QVBoxLayout(this);
  tutto->addLayout(titolo);
  tutto->addLayout(corpo);

  // Tab order: Enter follows it from box to box.
  QList<QWidget*> ordine{txtTitolo, txtNvori, txt1Voro[0], txt1Voro[1], txt1Voro[2], txt1Voro[3]};
  for (int i = 1; i <= 7; ++i) ordine << txtDati[static_cast<std::size_t>(i)];
  ordine << txtLarg[0] << txtDati[9] << txtDati[10] << txtDati[11] << cbPltGeom;
  for (int i = 0; i + 1 < ordine.size(); ++i) setTabOrder(ordine[i], ordine[i + 1]);
  FlexGrid->setProssimoControllo(txtDati[1]);

  (new GestoreTastiera(this, s_.regional))->Installa(this);
  connect(txtNvori, &QLineEdit::returnPressed, this, &FormGeometria::nVoriInvio);
  // Leaving the box with a new count lays the form out again; Enter has
  // already done so (and may have opened the grid's editor).
  connect(txtNvori, &QLineEdit::editingFinished, this, [this] {
    const std::optional<double> n = s_.regional.NumeroDigitato(txtNvori->text().toStdString());
    if (!n || std::fabs(*n) > 32767) return;
    const int k = static_cast<int>(roundHalfEven(*n));
    if (k != impaginati_) Impagina(k);
  });
  connect(cmdSchema, &QPushButton::clicked, pctSchema, &Schema::Zoom);
  connect(cbPltGeom, &QPushButton::clicked, this, &FormGeometria::cbPltGeom_Click);
  connect(tabCampate, &TabellaCampate::modificata, this, &FormGeometria::tocca);

  // Load.
  s_.stato.FormDati = 1;
  main_.ControllaSeparatori();
  // The commands stay as they are while the voussoirs are those of the project.
  main_.AbilitaMenu(main_.ModelloValido());
  InizializzaForm();
  ScriveDatiInForm();
  SeguiModifiche();
}

void FormGeometria::Impagina(int n) {
  impaginati_ = n;
  if (n == 1) {
    Frame1Voro->show();
    FlexGrid->hide();
  } else if (n < 1) {
    s_.msg().critical(s_.msg().traduci("Voro", "Il numero di vori deve essere > 0"));
    QTimer::singleShot(0, txtNvori, [this] { txtNvori->setFocus(); });
  } else {
    Frame1Voro->hide();
    FlexGrid->DimensionaMsFlex(n);
    FlexGrid->show();
    FlexGrid->setCurrentCell(1, 1);
  }
}

void FormGeometria::InizializzaForm() {
  setWindowTitle(tr("Geometry"));
  txtTitolo->clear();
  txtNvori->setText("1");
  FlexGrid->hide();
  Frame1Voro->show();
  impaginati_ = 1;
}

void FormGeometria::MostraImposte(const DatiProgetto& d) {
  ImposteArco a;
  try {
    ModelloArco m;
    RecordingMessages muto;
    CostruisciModello(d, m, muto);
    a = ImposteSuPareti(m);
  } catch (const RuntimeError&) {
  }
  QStringList lati;
  auto lato = [this](const QString& nome, const ImpostaRialzata& i) {
    return tr("%1: the wall takes %2 voussoirs, the arch springs at y = %3 m (%4 m above the ring's end)")
        .arg(nome)
        .arg(i.conciParete)
        .arg(QString::fromStdString(s_.regional.Formatta(i.y, "0.000")))
        .arg(QString::fromStdString(s_.regional.Formatta(i.rialzo, "0.000")));
  };
  if (a.sinistra) lati << lato(tr("Left"), *a.sinistra);
  if (a.destra) lati << lato(tr("Right"), *a.destra);
  lblImposte->setText(lati.isEmpty() ? QString() : tr("Springings raised by the upper walls.") + "\n" + lati.join("\n"));
}

void FormGeometria::ScriveDatiInForm() {
  TestiGeometria t;
  RecordingMessages locale;
  const bool ok = voro::ScriveDatiInForm(s_.dati, s_.stato, s_.regional, locale, t);
  txtTitolo->setText(QString::fromStdString(t.txtTitolo));
  for (int i : {1, 2, 3, 4, 5, 6, 7}) txtDati[static_cast<std::size_t>(i)]->setText(QString::fromStdString(t.txtDati[static_cast<std::size_t>(i)]));
  txtLarg[0]->setText(QString::fromStdString(t.txtLarg[0]));
  txtLarg[1]->setText(QString::fromStdString(t.txtLarg[1]));
  txtNvori->setText(QString::fromStdString(t.txtNvori));
  Impagina(s_.dati.nVori);
  Allineato();
  if (!ok) return;
  if (s_.dati.nVori == 1) {
    for (std::size_t i = 0; i < 4; ++i) txt1Voro[i]->setText(QString::fromStdString(t.txt1Voro[i]));
  } else {
    for (int r = 1; r <= s_.dati.nVori; ++r)
      for (int c = 1; c <= 6; ++c) FlexGrid->ScriviCella(r, c, QString::fromStdString(t.cella(r, c)));
    FlexGrid->AdattaColonne();
  }
  for (int i : {9, 10, 11}) txtDati[static_cast<std::size_t>(i)]->setText(QString::fromStdString(t.txtDati[static_cast<std::size_t>(i)]));
  tabCampate->Scrivi(s_.dati);
  MostraImposte(s_.dati);
}

TestiGeometria FormGeometria::testi() const {
  TestiGeometria t;
  t.txtTitolo = txtTitolo->text().toStdString();
  for (int i : {1, 2, 3, 4, 5, 6, 7, 9, 10, 11})
    t.txtDati[static_cast<std::size_t>(i)] = txtDati[static_cast<std::size_t>(i)]->text().toStdString();
  t.txtLarg = {txtLarg[0]->text().toStdString(), txtLarg[1]->text().toStdString()};
  t.txtNvori = txtNvori->text().toStdString();
  for (std::size_t i = 0; i < 4; ++i) t.txt1Voro[i] = txt1Voro[i]->text().toStdString();
  for (int r = 1; r < FlexGrid->rowCount(); ++r) {
    std::array<std::string, 7> row{};
    for (int c = 1; c <= 6; ++c) row[static_cast<std::size_t>(c)] = FlexGrid->Cella(r, c).toStdString();
    t.griglia.push_back(row);
  }
  return t;
}

bool FormGeometria::leggiInCopia(DatiProgetto& d, Messages& msg, std::string* campo) {
  std::string errore;
  if (!tabCampate->Leggi(d, errore)) {
    msg.critical(tr("Error: Check Geometry").toStdString() + "\r" + errore);
    return false;
  }
  return voro::LeggeDatiGeom(testi(), d, s_.regional, msg, campo);
}

bool FormGeometria::LeggeDatiGeom() {
  std::string campo;
  try {
    DatiProgetto letti = s_.dati;
    if (!leggiInCopia(letti, s_.msg(), &campo)) {
      if (campo.empty() || campo.rfind("Campate(", 0) == 0) MostraCasella(tabCampate->griglia);
      else MostraCasella(casella(campo));
      return false;
    }
    s_.dati = std::move(letti);
  } catch (const RuntimeError& e) {
    s_.msg().critical(tr("Error: Check Geometry").toStdString() + "\r" + s_.msg().traduci("Voro", e.description().c_str()));
    return false;
  }
  Allineato();
  return main_.GeometriaLetta();
}

void FormGeometria::Modificato() {
  DatiProgetto prova = s_.dati;
  RecordingMessages muto;
  try {
    if (leggiInCopia(prova, muto, nullptr)) {
      MostraImposte(prova);
      return;
    }
  } catch (const RuntimeError&) {
  }
  lblImposte->clear();
  main_.AbilitaMenu(false);
}

QWidget* FormGeometria::casella(const std::string& v) {
  const std::pair<const char*, QLineEdit*> caselle[] = {
      {"hRiempimento", txtDati[1]},       {"hSoletta", txtDati[2]},         {"PesoMuratura", txtDati[3]},
      {"PesoRiempimento", txtDati[4]},    {"PesoSoletta", txtDati[5]},      {"SporgenzaParete", txtDati[6]},
      {"hRiempimentoSolido", txtDati[7]}, {"Larghezza", txtLarg[0]},        {"LarghezzaChiave", txtLarg[0]},
      {"nVori", txtNvori},                {"LuceAnello", txt1Voro[0]},      {"FrecciaAnello", txt1Voro[1]},
      {"SpessoreAnello", txt1Voro[2]},    {"nConciAnello", txt1Voro[3]},    {"EccSinistra", txtDati[9]},
      {"EccChiave", txtDati[10]},         {"EccDestra", txtDati[11]}};
  for (const auto& [nome, e] : caselle)
    if (v == nome) return e;
  // A segment's cell: "Vori(i).<property>", the properties in grid order.
  int riga = 0;
  char proprieta[16] = {};
  if (std::sscanf(v.c_str(), "Vori(%d).%15s", &riga, proprieta) == 2) {
    const char* colonne[6] = {"X2", "Y2", "X3", "Y3", "Spessore", "nConciInput"};
    for (int c = 0; c < 6; ++c)
      if (std::string(proprieta) == colonne[c] && riga >= 1 && riga < FlexGrid->rowCount()) {
        FlexGrid->setCurrentCell(riga, c + 1);
        return FlexGrid;
      }
  }
  return nullptr;
}

void FormGeometria::nVoriInvio() {
  std::string errore;
  const std::optional<double> n =
      LeggiCasella(s_.regional, txtNvori->text().toStdString(), "nVori", TipoCasella::Integer, errore);
  if (!n) {
    s_.msg().critical(tr("Error: Check Geometry").toStdString() + "\r" + errore);
    return;
  }
  Impagina(static_cast<int>(*n));
  if (*n > 1) FlexGrid->ApriEditor(13);
  else if (*n == 1) txt1Voro[0]->setFocus();
}

void FormGeometria::cbPltGeom_Click() {
  if (!main_.Libero()) return;
  if (!LeggeDatiGeom()) return;
  chiusa_ = true;
  main_.CalcolaEPlotta(1);
  if (auto* w = parentWidget()) w->close();
}

void FormGeometria::closeEvent(QCloseEvent* e) {
  // Closing the form stores its edits in the model; edits that cannot be
  // read keep it open, with their message.
  if (!scartato_ && !chiusa_) {
    if (toccato()) {
      if (!LeggeDatiGeom()) {
        e->ignore();
        return;
      }
    } else {
      main_.AbilitaMenu(main_.ModelloValido());
    }
  }
  e->accept();
}

}  // namespace voro::ui
