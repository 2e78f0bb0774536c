// The code basis of the adequacy check, its partial factors and the report's
// title block, edited together in one dialog.
#pragma once

#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <array>

#include "data/DatiProgetto.h"

namespace voro::ui {

class DialogoNormativa : public QDialog {
  Q_OBJECT
 public:
  explicit DialogoNormativa(QWidget* parent = nullptr);

  // The project's code basis and title block into the widgets, and back.
  void ScriveDatiInForm(const DatiProgetto& d);
  void LeggeDati(DatiProgetto& d) const;

  QComboBox* cmbNormativa;
  QComboBox* cmbLivello;
  QComboBox* cmbManutenzione;  // the track over a rail bridge: Φ2 or Φ3
  // gG1sup, gG1inf, gG2sup, gG2inf, gQ, gM, FC, gMu, gR, gQf, alpha, phi
  std::array<QDoubleSpinBox*, 12> spnFattori{};
  // The title block's fields in the project file's order (CampiCartiglio).
  std::array<QLineEdit*, kCampiCartiglio> txtCartiglio{};

 private:
  // A code or a knowledge level chosen: the table takes its presets.
  void applicaPreset();
  DatiNormativa normativa() const;
  void mostraFattori(const DatiNormativa& n);
};

// Shows the dialog, modal, on the project; true when it was accepted with a
// change, the change then in d.
bool ModificaNormativa(QWidget* parent, DatiProgetto& d);

}  // namespace voro::ui
