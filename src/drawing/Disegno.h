// The drawing layer: one set of primitives (line, circle, polylines, solid,
// rectangle, hatching, text, composite text, force arrow, colour, line width,
// fonts) serving every target: "VIDEO" (a screen surface), "STAMPANTE" (the
// printer), "DXF" (a DXF file), "DWG" (the model space of a CAD application)
// and "BLOCCO" (a CAD block).
#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "data/Messages.h"
#include "data/Scalars.h"
#include "drawing/Cad.h"
#include "drawing/DxfFile.h"
#include "drawing/Superficie.h"
#include "geometry/ContestoGeometrico.h"

namespace voro {

using Punti = std::span<const double>;

class Disegno {
 public:
  explicit Disegno(Messages& msg);

  // Target, vertical factor and surface of the drawing in progress.
  std::string Destinazione = "VIDEO";
  Superficie* superficie = nullptr;  // "VIDEO" and "STAMPANTE"
  ContenitoreCad* blocco = nullptr;  // "BLOCCO"
  double FattoreY = 1;
  Single OffsetY = 0;
  Long ColoreCorrente = 0;
  Single ScalaMantieneProporzioni = 1;
  std::array<std::string, 10> NomiFont{};
  ContestoGeometrico geo;

  // The DXF file of the "DXF" target.
  DxfFile dxf;
  // The CAD application of "DWG" and "BLOCCO" and its objects.
  std::unique_ptr<ApplicazioneCad> AppCad;
  DocumentoCad* DocumentoCad_ = nullptr;
  ContenitoreCad* ModelSpaceCad = nullptr;
  EntitaCad* UltimaEntita = nullptr;
  std::array<StileTestoCad*, 10> StiliTesto{};
  // Where the Windows font files of the text styles live.
  std::string CartellaFont = "C:\\Windows\\fonts\\";

  Messages& msg() const { return msg_; }

  void ImpostaDestinazione(double fattore, const std::string& destinazione, Superficie* s, ContenitoreCad* b = nullptr);
  // Colour-index number: kept as is for CAD targets, converted for screen and printer.
  void ImpostaColore(Long indice);
  // Line width in screen pixels (0.2 mm a pixel on paper).
  void SpessoreLinea(int larghezza);

  void Linea(double x1, double y1, double x2, double y2, double fattore);
  void Cerchio(double xc, double yc, double r, double fattore);
  // Closed polyline through points 1..n and back to 1.
  void Poligonale(int n, Punti X, Punti Y, double fattore);
  void PoligonaleAperta(int n, Punti X, Punti Y, double fattore);
  // Filled quadrilateral; on CAD targets always in the model space.
  void Solido(Punti X, Punti Y, double fattore);
  // Axis-parallel rectangle, outlined or hatched.
  void Rettangolo(double x1, double y1, double x2, double y2, double fattore, bool tratteggiato = false,
                  double passo = 0, double angolo = 0);
  // Hatch lines at the spacing, angle in degrees, inside a closed polygon.
  void Tratteggio(int n, Punti X, Punti Y, double passo, double angolo, double fattore);
  // Text; with alto the point is its top left corner (screen text hangs from
  // its top, CAD text stands on its base line).
  void Testo(double x, double y, double altezza, const std::string& testo, double fattore, bool alto = false);
  // A line of text made of pieces, each in its font slot (1..10).
  void TestoComposto(double x, double y, double altezza, const std::vector<std::string>& pezzi,
                     const std::vector<int>& slot, double fattore);
  // A force arrow, drawn when |valore| > minimo: the shaft, a filled
  // triangular head of size dimensione at point testa (1 or 2), the label.
  void Freccia(int testa, const std::array<Single, 2>& X, const std::array<Single, 2>& Y, double valore,
               double minimo, const std::string& etichetta, double fattore, double dimensione);

  // Font slot k (1..10): its name and, for a CAD drawing, a text style with the font file.
  void DefinisciFont(int k, const std::string& nome, const std::string& fileFont);
  void SelezionaFont(int k);

  // Attaches to the CAD application and takes its document and model space;
  // false, with a message, when it cannot be reached.
  bool ApriCad(const CollegaCad& collega, const AttivaFinestraCad& attiva);

 private:
  double trasformaY(double y, double fattore) const;
  bool cad() const { return Destinazione == "DWG" || Destinazione == "BLOCCO"; }
  ContenitoreCad& contenitore() const;
  void colora(EntitaCad& e);
  std::string testoSlot(const std::string& pezzo, int slot) const;

  Messages& msg_;
  int fontCorrente_ = 1;
};

}  // namespace voro
