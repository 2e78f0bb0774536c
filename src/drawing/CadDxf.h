// The CAD application of this platform: it keeps the entities of the plot in
// memory and, when the drawing ends, saves them as a DXF drawing of release
// 2000 (lines, circles, light-weight polylines, solids, texts with the text
// styles of the font slots, blocks) and opens it in the user's CAD program.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "drawing/Cad.h"

namespace voro {

struct ServiziCad {
  // Where the drawing is saved.
  std::string percorso;
  // The local font file standing for a Windows font file ("" when none).
  std::function<std::string(const std::string& fileWindows)> risolviFont;
  // Width of a text of the given height in a font file.
  std::function<double(const std::string& testo, const std::string& font, double altezza)> larghezzaTesto;
  // Opens the saved drawing in the user's CAD program; false when none can.
  std::function<bool(const std::string& percorso)> apri;
};

class ApplicazioneCadDxf : public ApplicazioneCad {
 public:
  explicit ApplicazioneCadDxf(ServiziCad servizi);
  ~ApplicazioneCadDxf() override;

  void Visible(bool visibile) override { visibile_ = visibile; }
  DocumentoCad& ActiveDocument() override;
  std::string Caption() const override { return "Voro - " + servizi_.percorso; }
  // The end of a drawing: saves it and opens it.
  void ZoomExtents() override;

  // A block of the drawing, created on first use.
  ContenitoreCad& Blocco(const std::string& nome);
  // The drawing as DXF text.
  std::string TestoDxf() const;
  // Whether the last ZoomExtents saved and opened the drawing.
  bool salvato() const { return salvato_; }
  bool aperto() const { return aperto_; }
  // Whether the saved drawing is to be opened in the user's CAD program.
  bool daAprire() const { return static_cast<bool>(servizi_.apri); }
  const std::string& percorsoSalvato() const { return servizi_.percorso; }

  class Documento;

 private:
  ServiziCad servizi_;
  std::unique_ptr<Documento> doc_;
  bool visibile_ = false, salvato_ = false, aperto_ = false;
};

}  // namespace voro
