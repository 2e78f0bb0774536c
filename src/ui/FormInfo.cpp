// The About window.
#include "ui/FormInfo.h"

#include <QDesktopServices>
#include <QUrl>
#include <QVBoxLayout>

#include "data/Versione.h"

namespace voro::ui {

namespace {

QLabel* riga(const QString& testo, int punti, bool grassetto, QWidget* parent) {
  auto* l = new QLabel(testo, parent);
  QFont f("Times New Roman", punti);
  f.setBold(grassetto);
  l->setFont(f);
  l->setAlignment(Qt::AlignHCenter);
  return l;
}

}  // namespace

FormInfo::FormInfo(Messages& messaggi, QWidget* parent) : QDialog(parent), messaggi_(messaggi) {
  setObjectName("FrmInfor");
  setWindowTitle(tr("About Program Voro"));
  auto* l = new QVBoxLayout(this);
  l->addWidget(riga(tr("Assessment of masonry arches and vaults"), 16, true, this));
  l->addWidget(riga(tr("Voro, version %1").arg(kVersioneVoro), 12, false, this));
  l->addSpacing(8);
  l->addWidget(riga(tr("Limit analysis by three-hinged thrust lines"), 12, false, this));
  l->addWidget(riga(tr("The Voro developers"), 12, false, this));
  l->addWidget(riga("voro-arch@users.noreply.github.com", 12, false, this));
  Naviga = riga(QString("<a href=\"%1\">%1</a>").arg(kIndirizzoWeb), 12, false, this);
  Naviga->setObjectName("Naviga");
  Naviga->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  Naviga->setCursor(Qt::PointingHandCursor);
  l->addWidget(Naviga);
  cbOK = new QPushButton(tr("&OK"), this);
  cbOK->setDefault(true);
  l->addSpacing(8);
  l->addWidget(cbOK, 0, Qt::AlignHCenter);
  connect(Naviga, &QLabel::linkActivated, this, &FormInfo::Naviga_Click);
  connect(cbOK, &QPushButton::clicked, this, &QDialog::accept);
}

void FormInfo::Naviga_Click() {
  if (!QDesktopServices::openUrl(QUrl(kIndirizzoWeb)))
    messaggi_.plain(tr("Cannot open the browser for %1").arg(kIndirizzoWeb).toStdString());
}

}  // namespace voro::ui
