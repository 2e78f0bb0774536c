// The Safety window's warning of an arch that does not stand or cannot carry
// its variable load.
#include "drawing/FigureSicurezza.h"
#include "ui/FinestraSicurezza.h"
#include "ui/Sessione.h"

namespace voro::ui {

void FinestraSicurezza::SegnalaPericolo(const RisultatiSicurezza& r) {
  const std::optional<std::string> avviso = AvvisoSicurezza(r, s_.regional);
  lblStato->setStyleSheet(avviso ? "QLabel { color: white; background: #c00000; font-weight: bold; padding: 2px; }"
                                 : QString());
  if (!avviso) return;
  lblStato->setText(QString::fromStdString(*avviso));
  // The figures that make it so, in red and bold.
  auto segna = [this](const QString& figura) {
    for (int i = 0; i < tabella->rowCount(); ++i) {
      if (tabella->item(i, 0)->text() != figura) continue;
      for (int k = 0; k < 2; ++k) {
        QTableWidgetItem* it = tabella->item(i, k);
        it->setForeground(QColor(0xc0, 0, 0));
        QFont f = it->font();
        f.setBold(true);
        it->setFont(f);
      }
    }
  };
  if (!r.ammissibile) segna(tr("Admissible"));
  if (r.fattoreCarico && *r.fattoreCarico < 1) segna(tr("Live-load factor"));
  if (r.fattorePeggiore && *r.fattorePeggiore < 1) segna(tr("Worst live-load factor"));
}

}  // namespace voro::ui
