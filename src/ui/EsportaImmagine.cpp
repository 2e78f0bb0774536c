// Writing a drawing as a picture, a vector drawing or a document.
#include "ui/EsportaImmagine.h"

#include <QFileInfo>

#include "data/FileAtomico.h"
#include "data/RuntimeError.h"
#include "drawing/qt/FileGrafici.h"
#include "ui/FinestraPlot.h"
#include "ui/FinestraSicurezza.h"
#include "ui/Sessione.h"

namespace voro::ui {

namespace {

// The command line's default picture size.
constexpr int kLarghezza = 1600, kAltezza = 1000;

QString NomeBase(const Sessione& s) {
  return s.NomeFileBreve.empty() ? QString("Voro") : QString::fromStdString(s.NomeFileBreve);
}

}  // namespace

bool BytesImmagine(Tavola& tavola, const QString& formato, bool sfondoBianco, QByteArray& bytes) {
  if (formato == "svg") return PlottaSvg(tavola, bytes, kLarghezza, kAltezza, sfondoBianco);
  if (formato == "pdf") return PlottaPdf(tavola, bytes);
  return PlottaPng(tavola, bytes, kLarghezza, kAltezza, sfondoBianco);
}

bool EsportaImmagine(Tavola& tavola, Sessione& s, QWidget* parent, const QString& nomeProposto) {
  const QString filtro = QObject::tr("PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg|PDF document (*.pdf)|*.pdf");
  const auto scelto = s.dialoghi->salva(parent, QString::fromStdString(s.stato.CartellaDati), FiltroDialogo(filtro),
                                        VoceFiltro(filtro, 1), nomeProposto + ".png");
  if (!scelto) return false;
  // A name without one of the three extensions becomes a PNG picture.
  QString percorso = *scelto;
  QString formato = QFileInfo(percorso).suffix().toLower();
  if (formato != "png" && formato != "svg" && formato != "pdf") {
    formato = "png";
    percorso += ".png";
  }
  const QFileInfo info(percorso);
  QByteArray bytes;
  if (!BytesImmagine(tavola, formato, s.stato.Visualizza[4], bytes)) return false;
  try {
    ScriviFileAtomico(info.absoluteFilePath().toStdString(),
                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  } catch (const RuntimeError& e) {
    s.msg().critical(QObject::tr("Impossibile scrivere il file %1: ").arg(info.absoluteFilePath()).toStdString() +
                     e.description());
    return false;
  }
  s.stato.CartellaDati = info.absolutePath().toStdString();
  return true;
}

void FinestraPlot::mnuEsportaImmagine() {
  plot_.Visualizza = s_.stato.Visualizza;
  messaggiDisegno_.clear();
  EsportaImmagine(plot_, s_, this, NomeBase(s_));
  MostraMessaggi();
}

void FinestraSicurezza::mnuEsportaImmagine(int quale) {
  Tavola* t = quale == 0 ? static_cast<Tavola*>(plot_.get()) : static_cast<Tavola*>(grafico_.get());
  if (!t) return;
  messaggiDisegno_.clear();
  EsportaImmagine(*t, s_, this, NomeBase(s_) + (quale == 0 ? "-safety" : "-sweep"));
  for (const auto& e : messaggiDisegno_.entries()) s_.msg().show(e.kind, e.text, e.title);
  messaggiDisegno_.clear();
}

}  // namespace voro::ui
