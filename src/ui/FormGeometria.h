// The geometry form: title, the ring (span, rise, thickness, voussoirs) or
// the grid of circle segments, fill, slab, walls, unit weights, width and the
// start eccentricities; "Next" reads it, builds the voussoirs and plots them.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "data/ModuloGeometria.h"
#include "ui/FormDiDati.h"
#include "ui/GrigliaSegmenti.h"
#include "ui/Schemi.h"
#include "ui/TabellaCampate.h"

namespace voro::ui {

class FinestraPrincipale;
struct Sessione;

class FormGeometria : public FormDiDati {
  Q_OBJECT
 public:
  FormGeometria(FinestraPrincipale& main, Sessione& s);

  // Caption "Geometry", empty title, one segment, grid hidden.
  void InizializzaForm();
  // The model into the boxes (after the default rule).
  void ScriveDatiInForm();
  // The boxes into the model, then the voussoirs built from it; false, with
  // a message that names the box (which gets the focus), when a box is not a
  // number or not physically possible, and the model keeps every earlier
  // value; false with "Error: Check Geometry" when the voussoirs cannot be built.
  bool LeggeDatiGeom();
  bool Leggi() override { return LeggeDatiGeom(); }
  // "&Next -->": read, build the model, plot the geometry, close.
  void cbPltGeom_Click();
  // The ring frame or the segment grid, for n segments.
  void Impagina(int n);
  // The springings the walls raise, for the geometry d.
  void MostraImposte(const DatiProgetto& d);

  QLineEdit* txtTitolo;
  QLineEdit* txtNvori;
  std::array<QLineEdit*, 4> txt1Voro{};
  std::array<QLineEdit*, 12> txtDati{};  // 1..7 and 9..11
  std::array<QLineEdit*, 2> txtLarg{};
  QGroupBox* Frame1Voro;
  QGroupBox* Frame1;
  GrigliaSegmenti* FlexGrid;
  Schema* pctSchema;
  QPushButton* cmdSchema;
  QPushButton* cbPltGeom;
  // Where the upper walls raise the springings above the ring's ends.
  QLabel* lblImposte;
  // A bridge's further spans and their piers.
  TabellaCampate* tabCampate;

 protected:
  void closeEvent(QCloseEvent* e) override;
  // An edit that leaves the boxes unreadable disables the commands that
  // need a geometry.
  void Modificato() override;

 private:
  TestiGeometria testi() const;
  // The boxes and the table of spans read into a copy of the project's data.
  bool leggiInCopia(DatiProgetto& d, Messages& msg, std::string* campo);
  void nVoriInvio();
  // The box (or grid cell) that shows a variable.
  QWidget* casella(const std::string& variabile);

  bool chiusa_ = false;
  // The segment count the form is laid out for.
  int impaginati_ = 1;
};

}  // namespace voro::ui
