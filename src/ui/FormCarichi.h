// The loads form: the variable load q between xq1 and xq2 and the scale of
// the load diagram, automatic or typed.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "ui/Schemi.h"

namespace voro::ui {

class FinestraPrincipale;
struct Sessione;

class FormCarichi : public QWidget {
  Q_OBJECT
 public:
  FormCarichi(FinestraPrincipale& main, Sessione& s);

  // The boxes into the model (locale-tolerant reading).
  void LeggeCarichi();
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

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void scalaAutomatica();
  void chiudi();

  FinestraPrincipale& main_;
  Sessione& s_;
  bool letto_ = false;
};

}  // namespace voro::ui
