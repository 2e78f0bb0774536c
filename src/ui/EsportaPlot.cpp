// Printing and exporting the plot.
#include "ui/EsportaPlot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include "drawing/CadDxf.h"
#include "drawing/qt/CadLocale.h"
#include "drawing/qt/SuperficieQt.h"
#include "ui/FinestraPlot.h"
#include "ui/Sessione.h"

namespace voro::ui {

namespace {

constexpr int kStampanteSpenta = 57, kStampanteAssente = 68, kNonSupportato = 438, kStampanteGenerico = 482,
              kDriver = 483, kInformazioni = 484;

std::string testo(const char* t) { return QCoreApplication::translate("EsportaPlot", t).toStdString(); }

QString nomeBase(const Sessione& s) {
  return s.NomeFileBreve.empty() ? QString("Voro") : QString::fromStdString(s.NomeFileBreve);
}

void stampa(Sessione& s, FinestraPlot& plot, QWidget* parent) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  if (!s.dialoghi->stampa(parent, printer)) throw RuntimeError(err::DialogCancelled);
  QPainter p;
  if (!p.begin(&printer)) throw RuntimeError(kStampanteGenerico);
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  SuperficieQt superficie(p, page.width(), page.height(), printer.resolution());
  plot.PlottaInOggetto("STAMPANTE", &superficie);
  p.end();
}

void dxf(Sessione& s, FinestraPlot& plot, QWidget* parent) {
  const QString filtro = QCoreApplication::translate("EsportaPlot", "All Files (*.*)|*.*|Autocad Files (*.dxf)|*.dxf");
  const auto scelto = s.dialoghi->salva(parent, QString::fromStdString(s.stato.CartellaDati), FiltroDialogo(filtro),
                                        VoceFiltro(filtro, 2), nomeBase(s) + ".dxf");
  if (!scelto) throw RuntimeError(err::DialogCancelled);
  s.stato.CartellaDati = QFileInfo(*scelto).absolutePath().toStdString();
  Disegno& d = plot.disegno();
  d.dxf.Apri(scelto->toStdString());
  plot.PlottaInOggetto("DXF", nullptr);
  d.dxf.Chiudi();
}

void cad(Sessione& s, FinestraPlot& plot) {
  const QString cartella = s.stato.CartellaDati.empty() ? QDir::currentPath() : QString::fromStdString(s.stato.CartellaDati);
  const std::string percorso = QDir(cartella).filePath(nomeBase(s) + "-cad.dxf").toStdString();
  Disegno& d = plot.disegno();
  if (!d.ApriCad(CollegaCadLocale(percorso), nullptr)) return;
  plot.PlottaInOggetto("DWG", nullptr);
  d.AppCad->ZoomExtents();
  if (auto* app = dynamic_cast<ApplicazioneCadDxf*>(d.AppCad.get()); app && !app->aperto()) {
    d.msg().critical(Componi(d.msg().traduci("Voro", "Impossibile aprire Autocad.\rControllare che la versione di "
                                                     "Autocad non sia LT\rIl disegno è stato salvato in %1"),
                             {percorso}));
  }
}

}  // namespace

std::string MessaggioErroreStampa(int numero, const std::string& descrizione) {
  switch (numero) {
    case kStampanteSpenta: return testo("The printer may be switched off.");
    case kStampanteAssente: return testo("Printer missing or not available.");
    case kNonSupportato: return "";
    case kStampanteGenerico: return testo("Generic printer error.");
    case kDriver: return testo("The printer driver does not support the requested property.");
    case kInformazioni:
      return testo("Cannot read the printer's information from the system.\r"
                   "Check that the printer is set up correctly.");
    case err::DialogCancelled: return "";
    default:
      return QCoreApplication::translate("EsportaPlot", "While printing, this error occurred: %1\r%2")
          .arg(numero)
          .arg(QString::fromStdString(descrizione))
          .toStdString();
  }
}

void EsportaPlot(int scelta, Sessione& s, FinestraPlot& plot, QWidget* parent) {
  try {
    if (scelta == 0) stampa(s, plot, parent);
    else if (scelta == 1) dxf(s, plot, parent);
    else if (scelta == 2) cad(s, plot);
    plot.MostraMessaggi();
  } catch (const RuntimeError& e) {
    plot.MostraMessaggi();
    const std::string testo = MessaggioErroreStampa(e.number(), e.description());
    if (!testo.empty()) s.msg().information(testo);
  }
}

}  // namespace voro::ui
