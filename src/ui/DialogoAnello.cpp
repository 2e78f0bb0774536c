// The ring of a further span.
#include "ui/DialogoAnello.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QVBoxLayout>
#include <cmath>
#include <optional>

namespace voro::ui {

namespace {

const std::array<const char*, 5> kAnello{QT_TRANSLATE_NOOP("voro::ui::DialogoAnello", "Span L [m]"),
                                          QT_TRANSLATE_NOOP("voro::ui::DialogoAnello", "Rise h [m]"),
                                          QT_TRANSLATE_NOOP("voro::ui::DialogoAnello", "Thickness t [m]"),
                                          QT_TRANSLATE_NOOP("voro::ui::DialogoAnello", "Voussoirs n°"),
                                          QT_TRANSLATE_NOOP("voro::ui::DialogoAnello", "fc [MPa]")};
const std::array<const char*, 7> kSegmento{"x2 [m]", "y2 [m]", "x3 [m]", "y3 [m]", "t [m]",
                                           QT_TRANSLATE_NOOP("voro::ui::DialogoAnello", "Voussoirs n°"), "fc [MPa]"};

}  // namespace

DialogoAnello::DialogoAnello(const Regional& regional, int campata, const DatiCampata& c, QWidget* parent)
    : QDialog(parent), reg_(regional) {
  setObjectName("DlgAnello");
  setWindowTitle(tr("Ring of span %1").arg(campata));
  spnSegmenti = new QSpinBox(this);
  spnSegmenti->setObjectName("spnSegmenti");
  spnSegmenti->setRange(1, 20);
  auto* anello = new QGroupBox(tr("One circular ring"), this);
  auto* fa = new QFormLayout(anello);
  const std::array<Single, 5> valori{c.LuceAnello, c.FrecciaAnello, c.SpessoreAnello, c.nConciAnello,
                                     c.ResistenzaAnello};
  for (std::size_t i = 0; i < txtAnello.size(); ++i) {
    txtAnello[i] = new QLineEdit(QString::fromStdString(reg_.TestoSingle(valori[i])), this);
    txtAnello[i]->setObjectName(QString("txtAnello%1").arg(i));
    fa->addRow(tr(kAnello[i]), txtAnello[i]);
  }
  grdSegmenti = new QTableWidget(0, static_cast<int>(kSegmento.size()), this);
  grdSegmenti->setObjectName("grdSegmentiCampata");
  QStringList intestazioni;
  for (const char* t : kSegmento) intestazioni << tr(t);
  grdSegmenti->setHorizontalHeaderLabels(intestazioni);
  grdSegmenti->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grdSegmenti->setToolTip(tr("Each segment's intermediate and end point of the intrados, from the span's own left "
                             "springing at (0, 0); each segment starts where the one before ends."));
  auto* pulsanti = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(pulsanti, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(pulsanti, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* tutto = new QVBoxLayout(this);
  auto* riga = new QFormLayout;
  riga->addRow(tr("Segments n."), spnSegmenti);
  tutto->addLayout(riga);
  tutto->addWidget(anello);
  tutto->addWidget(grdSegmenti);
  tutto->addWidget(pulsanti);

  const int n = std::max<int>(1, c.nVori);
  grdSegmenti->setRowCount(n > 1 ? n : 0);
  for (int i = 1; i <= n && n > 1; ++i) {
    const DatiVoro v = c.Vori.contains(i) ? c.Vori(i) : DatiVoro{};
    const std::array<std::string, 7> testi{reg_.TestoDouble(v.X2), reg_.TestoDouble(v.Y2), reg_.TestoDouble(v.X3),
                                           reg_.TestoDouble(v.Y3), reg_.TestoDouble(v.Spessore),
                                           std::to_string(v.nConciInput), reg_.TestoSingle(v.Resistenza)};
    for (std::size_t k = 0; k < testi.size(); ++k)
      grdSegmenti->setItem(i - 1, static_cast<int>(k), new QTableWidgetItem(QString::fromStdString(testi[k])));
  }
  spnSegmenti->setValue(n);
  mostraSegmenti(n);
  connect(spnSegmenti, &QSpinBox::valueChanged, this, [this](int k) { mostraSegmenti(k); });
}

void DialogoAnello::mostraSegmenti(int n) {
  // One segment is the circular ring of the boxes; several, the grid's rows.
  for (QLineEdit* t : txtAnello) t->setEnabled(n == 1);
  grdSegmenti->setEnabled(n > 1);
  grdSegmenti->setRowCount(n > 1 ? n : 0);
}

bool DialogoAnello::Leggi(DatiCampata& c, std::string& errore) const {
  auto numero = [this](const QString& testo) -> std::optional<double> {
    const std::optional<double> v = reg_.NumeroDigitato(testo.toStdString());
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return v;
  };
  DatiCampata letta = c;
  const int n = spnSegmenti->value();
  letta.nVori = static_cast<Integer>(n);
  if (n == 1) {
    std::array<Single*, 5> campi{&letta.LuceAnello, &letta.FrecciaAnello, &letta.SpessoreAnello, &letta.nConciAnello,
                                 &letta.ResistenzaAnello};
    for (std::size_t i = 0; i < campi.size(); ++i) {
      const auto v = numero(txtAnello[i]->text());
      if (!v) {
        errore = tr("%1: not a number").arg(tr(kAnello[i])).toStdString();
        return false;
      }
      *campi[i] = static_cast<Single>(*v);
    }
    letta.Vori = Array1<DatiVoro>();
  } else {
    letta.Vori.redim(1, n);
    for (int i = 1; i <= n; ++i) {
      std::array<double, 7> v{};
      for (std::size_t k = 0; k < v.size(); ++k) {
        const QTableWidgetItem* item = grdSegmenti->item(i - 1, static_cast<int>(k));
        const auto x = numero(item ? item->text() : QString());
        if (!x) {
          errore = tr("Segment %1, %2: not a number").arg(i).arg(tr(kSegmento[k])).toStdString();
          return false;
        }
        v[k] = *x;
      }
      DatiVoro& s = letta.Vori(i);
      s.X2 = v[0], s.Y2 = v[1], s.X3 = v[2], s.Y3 = v[3], s.Spessore = v[4];
      s.nConciInput = s.nConci = static_cast<Integer>(std::lround(v[5]));
      s.Resistenza = static_cast<Single>(v[6]);
    }
  }
  c = letta;
  return true;
}

}  // namespace voro::ui
