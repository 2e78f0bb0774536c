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
#include "ui/GrigliaSegmenti.h"
#include "ui/Schemi.h"

namespace voro::ui {

class FinestraPrincipale;
struct Sessione;

class FormGeometria : public QWidget {
  Q_OBJECT
 public:
  FormGeometria(FinestraPrincipale& main, Sessione& s);

  // Caption "Geometry", empty title, one segment, grid hidden.
  void InizializzaForm();
  // The model into the boxes (after the default rule).
  void ScriveDatiInForm();
  // The boxes into the model; false, with its message, when they cannot be
  // read (the model then keeps its earlier values, but for a segment count
  // below 1, read with the fields before it).
  bool LeggeDatiGeom();
  // "&Next -->": read, build the model, plot the geometry, close.
  void cbPltGeom_Click();
  // The ring frame or the segment grid, as the segment count says.
  void Impagina();

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

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  TestiGeometria testi() const;
  void nVoriInvio();

  FinestraPrincipale& main_;
  Sessione& s_;
  bool chiusa_ = false;
  // The segment count the form is laid out for.
  int impaginati_ = 1;
};

}  // namespace voro::ui
