// The CAD application a plot can be drawn into: the operations the drawing
// layer calls on it, its document, model space, blocks and text styles.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data/Scalars.h"

namespace voro {

struct PuntoCad {
  double x = 0, y = 0, z = 0;
};

// One entity created in the model space or a block.
class EntitaCad {
 public:
  virtual ~EntitaCad() = default;
  virtual void Color(Long indice) = 0;
  // Lower-left and upper-right corners.
  virtual void GetBoundingBox(PuntoCad& minimo, PuntoCad& massimo) const = 0;
};

// The model space, or a block: the containers of entities.
class ContenitoreCad {
 public:
  virtual ~ContenitoreCad() = default;
  virtual EntitaCad& AddLine(const PuntoCad& inizio, const PuntoCad& fine) = 0;
  virtual EntitaCad& AddCircle(const PuntoCad& centro, double raggio) = 0;
  // Flat coordinates x1, y1, x2, y2, ...
  virtual EntitaCad& AddLightWeightPolyline(const std::vector<double>& coordinate) = 0;
  virtual EntitaCad& AddSolid(const PuntoCad& p1, const PuntoCad& p2, const PuntoCad& p3, const PuntoCad& p4) = 0;
  virtual EntitaCad& AddText(const std::string& testo, const PuntoCad& inserimento, double altezza) = 0;
};

class StileTestoCad {
 public:
  virtual ~StileTestoCad() = default;
  // Sets the style's font file; raises a RuntimeError when it cannot be found.
  virtual void fontFile(const std::string& percorso) = 0;
};

class DocumentoCad {
 public:
  virtual ~DocumentoCad() = default;
  virtual ContenitoreCad& ModelSpace() = 0;
  // TextStyles.Add(name).
  virtual StileTestoCad& TextStylesAdd(const std::string& nome) = 0;
  virtual void ActiveTextStyle(StileTestoCad& stile) = 0;
};

class ApplicazioneCad {
 public:
  virtual ~ApplicazioneCad() = default;
  virtual void Visible(bool visibile) = 0;
  virtual DocumentoCad& ActiveDocument() = 0;
  virtual std::string Caption() const = 0;
  virtual void ZoomExtents() = 0;
};

// Attaches to a running instance of the application class, else starts a
// new one; null when neither is possible.
using CollegaCad = std::function<std::unique_ptr<ApplicazioneCad>(const std::string& classe)>;
// Brings the window with the given caption to the front.
using AttivaFinestraCad = std::function<void(const std::string& caption)>;

}  // namespace voro
