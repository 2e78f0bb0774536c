// The plot window.
#include "ui/FinestraPlot.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include "drawing/Colori.h"
#include "drawing/qt/SuperficieQt.h"
#include "ui/EsportaPlot.h"
#include "ui/FinestraPrincipale.h"
#include "ui/FinestraSicurezza.h"

namespace voro::ui {

AreaPlot::AreaPlot(Sessione& s, PlottaArco& plot, RecordingMessages& messaggi, QWidget* parent)
    : VistaZoom(parent), s_(s), plot_(plot), messaggi_(messaggi) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(200, 150);
}

void AreaPlot::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), s_.stato.Visualizza[4] ? Qt::white : Qt::black);
  const QRectF v = Riquadro();
  p.translate(v.topLeft());
  SuperficieQt superficie(p, v.width(), v.height(), logicalDpiY());
  ok_ = plot_.PlottaVoro("VIDEO", &superficie);
  // A failed drawing reports once, after the painting, not on every repaint.
  if (!messaggi_.empty()) {
    RecordingMessages copia = messaggi_;
    messaggi_.clear();
    if (!segnalato_) {
      segnalato_ = true;
      QTimer::singleShot(0, this, [this, copia] {
        for (const auto& e : copia.entries()) s_.msg().show(e.kind, e.text, e.title);
      });
    }
  }
}

FinestraPlot::FinestraPlot(FinestraPrincipale& main, Sessione& s, int PlottaGeometria)
    : main_(main), s_(s), disegno_(messaggiDisegno_), plot_(s.dati, s.modello, s.risultati, s.regional, disegno_) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName("FrmPlotta");
  messaggiDisegno_.setTraduzioni(s.msg().traduzioni());
  setWindowTitle(tr("Plot"));
  plot_.PlottaGeometria = PlottaGeometria;
  plot_.Visualizza = s.stato.Visualizza;
  posizionaVeicolo();

  menu = new QMenuBar(this);
  QMenu* file = menu->addMenu(tr("&File"));
  const char* voci[3] = {QT_TR_NOOP("&Print"), QT_TR_NOOP("&Export DXF"), QT_TR_NOOP("&Draw in Autocad")};
  for (int i = 0; i < 3; ++i) file->addAction(tr(voci[i]), this, [this, i] { mnuFileItem(i); });
  file->addAction(tr("Export &Plot..."), this, [this] { mnuEsportaImmagine(); });
  menu->addMenu(tr("&View"))->addAction(tr("&Fit to Window") + '\t' + TastoAdatta(), this, [this] { Adatta(); });

  area_ = new AreaPlot(s, plot_, messaggiDisegno_, this);
  area_->esporta = [this] { mnuEsportaImmagine(); };
  cmdPrevious = new QPushButton(tr("<-- &Previous"), this);
  cmdNext = new QPushButton(tr("&Next -->"), this);
  auto* comandi = new QHBoxLayout;
  comandi->addStretch();
  comandi->addWidget(cmdPrevious);
  comandi->addWidget(cmdNext);
  auto* tutto = new QVBoxLayout(this);
  tutto->setMenuBar(menu);
  tutto->addWidget(area_, 1);
  tutto->addLayout(comandi);
  const bool dati = PlottaGeometria != 0;
  cmdNext->setVisible(dati);
  cmdPrevious->setVisible(dati);

  connect(cmdNext, &QPushButton::clicked, this, [this] {
    if (s_.stato.FormDati == 1) {
      main_.MostraCarichi();
    } else {
      main_.MostraOpzioni();
    }
  });
  connect(cmdPrevious, &QPushButton::clicked, this, [this] {
    if (s_.stato.FormDati == 1) main_.MostraGeometria();
    else main_.MostraCarichi();
  });
}

bool FinestraPlot::PlottaInOggetto(const std::string& destinazione, Superficie* superficie) {
  QCoreApplication::processEvents();
  plot_.Visualizza = s_.stato.Visualizza;
  posizionaVeicolo();
  messaggiDisegno_.clear();
  return plot_.PlottaVoro(destinazione, superficie);
}

void FinestraPlot::MostraMessaggi() {
  RecordingMessages copia = messaggiDisegno_;
  messaggiDisegno_.clear();
  for (const auto& e : copia.entries()) s_.msg().show(e.kind, e.text, e.title);
}

void FinestraPlot::Ridisegna() {
  plot_.Visualizza = s_.stato.Visualizza;
  posizionaVeicolo();
  area_->update();
}

void FinestraPlot::posizionaVeicolo() {
  // The Safety window closes when the input changes: an assessment it holds
  // belongs to the project as it stands.
  const FinestraSicurezza* sicurezza = main_.finestraSicurezza();
  if (sicurezza && sicurezza->valutata())
    plot_.Veicolo = VeicoloPeggiore(s_.dati, s_.modello, sicurezza->pannelloVeicolo->risultati());
  else
    plot_.Veicolo = VeicoloAMetaLuce(s_.dati, s_.modello);
}

void FinestraPlot::mnuFileItem(int indice) { EsportaPlot(indice, s_, *this, this); }

}  // namespace voro::ui
