// The table of spans and piers.
#include "ui/TabellaCampate.h"

#include <QMessageBox>

#include "ui/DialogoAnello.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <array>
#include <cmath>
#include <optional>

namespace voro::ui {

namespace {

// The columns: the ring, the span's springing level, the pier on its left.
enum Colonna { L, Freccia, Spessore, Conci, Fc, Quota, Larghezza, Altezza, ScarpaSx, ScarpaDx, Peso, nColonne };

const std::array<const char*, nColonne> kIntestazioni{
    QT_TRANSLATE_NOOP("voro::ui::TabellaCampate", "L [m]"),
    QT_TRANSLATE_NOOP("voro::ui::TabellaCampate", "h [m]"),
    QT_TRANSLATE_NOOP("voro::ui::TabellaCampate", "t [m]"),
    QT_TRANSLATE_NOOP("voro::ui::TabellaCampate", "n"),
    QT_TRANSLATE_NOOP("voro::ui::TabellaCampate", "fc [MPa]"),
    QT_TRANSLATE_NOOP("voro::ui::TabellaCampate", "Level [m]"),
    QT_TRANSLATE_NOOP("voro::ui::TabellaCampate", "Pier b [m]"),
    QT_TRANSLATE_NOOP("voro::ui::TabellaCampate", "Pier H [m]"),
    QT_TRANSLATE_NOOP("voro::ui::TabellaCampate", "Batter left"),
    QT_TRANSLATE_NOOP("voro::ui::TabellaCampate", "Batter right"),
    QT_TRANSLATE_NOOP("voro::ui::TabellaCampate", "Pier γ [kN/m³]")};

}  // namespace

TabellaCampate::TabellaCampate(const Regional& regional, QWidget* parent)
    : QGroupBox(tr("Spans and piers"), parent), reg_(regional) {
  setObjectName("grpCampate");
  griglia = new QTableWidget(0, nColonne, this);
  griglia->setObjectName("grdCampate");
  griglia->setToolTip(tr("One row a span: the first is the ring above; each further span has its ring, the level of "
                         "its left springing above the first span's and the pier on its left (width at the "
                         "springings, height from its foundation, batters horizontal over vertical, unit weight)."));
  QStringList intestazioni;
  for (const char* t : kIntestazioni) intestazioni << tr(t);
  griglia->setHorizontalHeaderLabels(intestazioni);
  griglia->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  griglia->setMinimumHeight(110);
  cmdAggiungi = new QPushButton(tr("Add span"), this);
  cmdTogli = new QPushButton(tr("Remove span"), this);
  cmdSinistra = new QPushButton(tr("Move left"), this);
  cmdDestra = new QPushButton(tr("Move right"), this);
  cmdAnello = new QPushButton(tr("Ring..."), this);
  cmdAnello->setToolTip(tr("The ring of the current span: one circle, or a chain of segments"));
  cmdSinistra->setToolTip(tr("The span moves with the pier on its left"));
  cmdDestra->setToolTip(tr("The span moves with the pier on its left"));
  auto* comandi = new QHBoxLayout;
  for (QPushButton* b : {cmdAggiungi, cmdTogli, cmdSinistra, cmdDestra, cmdAnello}) comandi->addWidget(b);
  comandi->addStretch();
  auto* tutto = new QVBoxLayout(this);
  tutto->addWidget(griglia);
  tutto->addLayout(comandi);

  connect(cmdAggiungi, &QPushButton::clicked, this, &TabellaCampate::aggiungi);
  connect(cmdAnello, &QPushButton::clicked, this, &TabellaCampate::anello);
  connect(cmdTogli, &QPushButton::clicked, this, &TabellaCampate::togli);
  connect(cmdSinistra, &QPushButton::clicked, this, [this] { sposta(-1); });
  connect(cmdDestra, &QPushButton::clicked, this, [this] { sposta(1); });
  connect(griglia, &QTableWidget::itemChanged, this, [this] {
    if (!scrivendo_) emit modificata();
  });
}

void TabellaCampate::riga(int k, const DatiCampata& c, bool prima) {
  const bool anello = c.nVori <= 1;
  auto cella = [&](int col, const QString& testo, bool modificabile) {
    auto* item = new QTableWidgetItem(testo);
    if (!modificabile) item->setFlags(item->flags() & ~Qt::ItemIsEditable & ~Qt::ItemIsEnabled);
    griglia->setItem(k, col, item);
  };
  auto numero = [this](Single x) { return QString::fromStdString(reg_.TestoSingle(x)); };
  cella(L, numero(c.LuceAnello), !prima && anello);
  cella(Freccia, anello ? numero(c.FrecciaAnello) : tr("segments"), !prima && anello);
  cella(Spessore, anello ? numero(c.SpessoreAnello) : "-", !prima && anello);
  cella(Conci, anello ? numero(c.nConciAnello) : "-", !prima && anello);
  cella(Fc, anello ? numero(c.ResistenzaAnello) : "-", !prima && anello);
  cella(Quota, numero(c.Quota), !prima);
  const DatiPila& p = c.Pila;
  const std::array<std::pair<int, Single>, 5> pila{
      {{Larghezza, p.Larghezza}, {Altezza, p.Altezza}, {ScarpaSx, p.ScarpaSinistra}, {ScarpaDx, p.ScarpaDestra},
       {Peso, p.PesoUnita}}};
  for (const auto& [col, v] : pila) cella(col, prima ? "-" : numero(v), !prima);
  griglia->setVerticalHeaderItem(k, new QTableWidgetItem(tr("Span %1").arg(k + 1)));
}

void TabellaCampate::Scrivi(const DatiProgetto& d) {
  scrivendo_ = true;
  campate_ = d.Campate;
  griglia->setRowCount(d.nCampate());
  DatiCampata prima;
  prima.nVori = d.nVori;
  prima.LuceAnello = d.LuceAnello;
  prima.FrecciaAnello = d.FrecciaAnello;
  prima.SpessoreAnello = d.SpessoreAnello;
  prima.nConciAnello = d.nConciAnello;
  prima.ResistenzaAnello = d.ResistenzaAnello;
  riga(0, prima, true);
  for (std::size_t k = 0; k < campate_.size(); ++k) riga(static_cast<int>(k) + 1, campate_[k], false);
  cmdAggiungi->setEnabled(campate_.size() < kMaxCampate - 1);
  scrivendo_ = false;
}

bool TabellaCampate::Leggi(DatiProgetto& d, std::string& errore) {
  std::vector<DatiCampata> lette = campate_;
  for (std::size_t k = 0; k < lette.size(); ++k) {
    DatiCampata& c = lette[k];
    const int r = static_cast<int>(k) + 1;
    const bool anello = c.nVori <= 1;
    std::array<Single*, nColonne> campi{anello ? &c.LuceAnello : nullptr,
                                       anello ? &c.FrecciaAnello : nullptr,
                                       anello ? &c.SpessoreAnello : nullptr,
                                       anello ? &c.nConciAnello : nullptr,
                                       anello ? &c.ResistenzaAnello : nullptr,
                                       &c.Quota,
                                       &c.Pila.Larghezza,
                                       &c.Pila.Altezza,
                                       &c.Pila.ScarpaSinistra,
                                       &c.Pila.ScarpaDestra,
                                       &c.Pila.PesoUnita};
    for (int col = 0; col < nColonne; ++col) {
      if (!campi[static_cast<std::size_t>(col)]) continue;
      const QTableWidgetItem* item = griglia->item(r, col);
      const std::optional<double> v = reg_.NumeroDigitato(item ? item->text().toStdString() : "");
      if (!v || !std::isfinite(*v)) {
        errore = tr("Span %1, %2: not a number").arg(r + 1).arg(tr(kIntestazioni[static_cast<std::size_t>(col)])).toStdString();
        griglia->setCurrentCell(r, col);
        return false;
      }
      *campi[static_cast<std::size_t>(col)] = static_cast<Single>(*v);
    }
  }
  campate_ = lette;
  d.Campate = std::move(lette);
  return true;
}

void TabellaCampate::aggiungi() {
  if (campate_.size() + 1 >= kMaxCampate) return;
  std::string errore;
  DatiProgetto letto;
  letto.Campate = campate_;
  if (!Leggi(letto, errore)) return;
  // A new span repeats the last one with its pier; after the first span, a
  // ring like it on a pier a tenth of its span wide and as tall as its rise.
  DatiCampata nuova;
  if (!campate_.empty()) {
    nuova = campate_.back();
  } else {
    auto numero = [this](int col) {
      const QTableWidgetItem* item = griglia->item(0, col);
      return static_cast<Single>(reg_.NumeroDigitato(item ? item->text().toStdString() : "").value_or(0));
    };
    nuova.LuceAnello = numero(L);
    nuova.FrecciaAnello = numero(Freccia);
    nuova.SpessoreAnello = numero(Spessore);
    nuova.nConciAnello = numero(Conci);
    nuova.ResistenzaAnello = numero(Fc);
    nuova.Pila.Larghezza = nuova.LuceAnello / 10;
    nuova.Pila.Altezza = nuova.FrecciaAnello;
    nuova.Pila.PesoUnita = 20;
  }
  campate_.push_back(nuova);
  const int n = static_cast<int>(campate_.size()) + 1;
  scrivendo_ = true;
  griglia->setRowCount(n);
  riga(n - 1, nuova, false);
  cmdAggiungi->setEnabled(campate_.size() + 1 < kMaxCampate);
  scrivendo_ = false;
  griglia->setCurrentCell(n - 1, L);
  emit modificata();
}

void TabellaCampate::togli() {
  const int r = griglia->currentRow();
  if (r < 1 || r > static_cast<int>(campate_.size())) return;
  DatiProgetto letto;
  std::string errore;
  if (!Leggi(letto, errore)) return;
  campate_.erase(campate_.begin() + (r - 1));
  scrivendo_ = true;
  griglia->removeRow(r);
  for (int k = 1; k < griglia->rowCount(); ++k) griglia->setVerticalHeaderItem(k, new QTableWidgetItem(tr("Span %1").arg(k + 1)));
  cmdAggiungi->setEnabled(true);
  scrivendo_ = false;
  emit modificata();
}

void TabellaCampate::sposta(int verso) {
  const int r = griglia->currentRow(), s = r + verso;
  // The first span is the project's own ring: the further spans move among themselves.
  if (r < 1 || s < 1 || r > static_cast<int>(campate_.size()) || s > static_cast<int>(campate_.size())) return;
  DatiProgetto letto;
  std::string errore;
  if (!Leggi(letto, errore)) return;
  std::swap(campate_[static_cast<std::size_t>(r - 1)], campate_[static_cast<std::size_t>(s - 1)]);
  scrivendo_ = true;
  riga(r, campate_[static_cast<std::size_t>(r - 1)], false);
  riga(s, campate_[static_cast<std::size_t>(s - 1)], false);
  scrivendo_ = false;
  griglia->setCurrentCell(s, griglia->currentColumn());
  emit modificata();
}

void TabellaCampate::anello() {
  const int r = griglia->currentRow();
  if (r < 1 || r > static_cast<int>(campate_.size())) return;
  DatiProgetto letto;
  std::string errore;
  if (!Leggi(letto, errore)) return;
  DialogoAnello dialogo(reg_, r + 1, campate_[static_cast<std::size_t>(r - 1)], this);
  if (dialogo.exec() != QDialog::Accepted) return;
  DatiCampata c = campate_[static_cast<std::size_t>(r - 1)];
  if (!dialogo.Leggi(c, errore)) {
    QMessageBox::warning(this, windowTitle(), QString::fromStdString(errore));
    return;
  }
  campate_[static_cast<std::size_t>(r - 1)] = c;
  scrivendo_ = true;
  riga(r, c, false);
  scrivendo_ = false;
  emit modificata();
}

}  // namespace voro::ui
