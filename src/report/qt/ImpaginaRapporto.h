// The report laid out on the pages of a printer or PDF writer and painted
// with QPainter: a first pass breaks the document into pages (rows never
// split, table headings repeated, headings kept with what follows), the
// second paints them with the project title in the header and "page k of n".
#pragma once

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <functional>
#include <vector>

#include "data/Messages.h"
#include "report/Documento.h"

namespace voro {

class ImpaginaRapporto {
 public:
  // Lays the document out on the device's page (size and margins from its
  // page layout). The document must outlive the painting.
  ImpaginaRapporto(const Documento& doc, QPagedPaintDevice& device);

  int pagine() const { return static_cast<int>(pagine_.size()); }
  // The rows of table t (0-based among the document's tables) on page k (0-based).
  const std::vector<std::pair<int, int>>& righePagina(int k) const { return righe_[static_cast<std::size_t>(k)]; }

  // Paints every page with a painter open on the device; false when a
  // drawing failed (its messages in msg).
  bool Dipingi(QPainter& p, Messages& msg) const;

 private:
  // One element placed on a page; true unless its drawing failed.
  using Elemento = std::function<bool(QPainter&, Messages&)>;
  struct Attesa {
    double prima, altezza;
    std::function<Elemento(double y)> colloca;
  };

  double mm(double x) const { return x * dpi_ / 25.4; }
  QFont carattere(double punti, bool grassetto = false, bool corsivo = false) const;
  double altezzaTesto(const QFont& f, const QString& testo, double larghezza) const;

  void nuovaPagina();
  // Puts an element of height h after a space (dropped at the top of a page),
  // with the headings waiting before it; a new page when they, and the
  // seguito that must stand on the same page after it, do not fit.
  void colloca(double prima, double h, const std::function<Elemento(double y)>& crea, double seguito = 0);
  void titolo(const BloccoTitolo& b);
  void intestazione(const Intestazione& h);
  void paragrafo(const Paragrafo& p);
  void tabella(const Tabella& t);
  void figura(const Figura& f);

  const Documento& doc_;
  QPagedPaintDevice& device_;
  double dpi_ = 72, larghezza_ = 0, altezza_ = 0, cima_ = 0, fondo_ = 0;
  double y_ = 0;
  int tabelle_ = 0, figure_ = 0;
  std::vector<Attesa> attese_;
  std::vector<std::vector<Elemento>> pagine_;
  std::vector<std::vector<std::pair<int, int>>> righe_;
};

}  // namespace voro
