// The options form: the hinge search (steps and the precision they give, the
// distance merit) and the passive earth pressures; Solve, and Stop while the
// search runs.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "data/Scalars.h"
#include "ui/FormDiDati.h"

namespace voro::ui {

class FinestraPrincipale;
struct Sessione;

class FormOpzioni : public FormDiDati {
  Q_OBJECT
 public:
  FormOpzioni(FinestraPrincipale& main, Sessione& s);

  // The model into the boxes.
  void ScriveOpzioni();
  // The boxes into the model; false, with a message that names the box and
  // the model unchanged, when a box is not a number or Kp or a passive
  // voussoir count is negative.
  bool LeggeOpzioni();
  bool Leggi() override { return LeggeOpzioni(); }
  // Solve: read, clear the stop flag, solve and plot.
  void Solve();
  // The precision the hinge search reaches [m], shown in mm.
  void MostraPrecisione(Single metri);
  // After a calculation: stays in front when stopped, else closes.
  void calcoloConcluso();

  QCheckBox* CheckOttimizzaCerniere;
  QGroupBox* FrameOtt;
  QLineEdit* txtOttimizz;
  QLineEdit* txtPrecisione;
  QCheckBox* CheckEccentric;
  QCheckBox* CheckSpinta;
  QGroupBox* FrameSpinta;
  std::array<QLineEdit*, 15> txtDati{};  // 12..14
  QLabel* lblStep;
  QLabel* lblStima;  // the estimated time of a long search
  QPushButton* cmdStop;
  QPushButton* SolveButton;
  QPushButton* OKButton;
  QPushButton* CancelButton;

 private:
  void precisione();
  void chiudi();

  bool attesa_ = false;
};

}  // namespace voro::ui
