// The loads form: the variable load q between xq1 and xq2 and the scale of
// the load diagram, automatic or typed.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <optional>

#include "data/Scalars.h"

#include "ui/FormDiDati.h"
#include "ui/Schemi.h"

namespace voro::ui {

class FinestraPrincipale;
struct Sessione;

class FormCarichi : public FormDiDati {
  Q_OBJECT
 public:
  FormCarichi(FinestraPrincipale& main, Sessione& s);

  // The boxes into the model: q, xq1, xq2 and the scale, typed or (while
  // automatic) 5 q / L. False, with a message that names the box and the
  // model unchanged, when a box is not a number or q is negative.
  bool LeggeCarichi();
  bool Leggi() override { return LeggeCarichi(); }
  // The project's loads into the boxes.
  void ScriveCarichi();
  // The automatic scale 5 q / L with three digits, or the typed one.
  void Check1_Click();

  std::array<QLineEdit*, 4> txtDati{};
  QCheckBox* Check1;
  QGroupBox* Frame1;
  QPushButton* cmdPrevious;
  QPushButton* cmdNext;
  QPushButton* SolveButton;
  Schema* pctSchema;
  QPushButton* cmdSchema;
  QPushButton* cmdVeicolo;  // the vehicle on the fill and its spread

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  // The automatic scale for the load q; nothing without a span.
  std::optional<Single> scalaAutomatica(Single q) const;
  // Shows the automatic scale of the q typed, as far as it is a number.
  void mostraScalaAutomatica();
  void chiudi();

  bool letto_ = false;
};

}  // namespace voro::ui
