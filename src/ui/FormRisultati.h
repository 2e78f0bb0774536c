// The report of the last solution: the stresses of every section, the worst
// values, the reactions, the tie thrust, the wall actions and the
// eccentricities used, which can become the start values.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <array>

#include "analysis/RisultatiCalcolo.h"
#include "data/Regional.h"

namespace voro::ui {

class FinestraPrincipale;
struct Sessione;

class FormRisultati : public QWidget {
  Q_OBJECT
 public:
  FormRisultati(FinestraPrincipale& main, Sessione& s);

  // The used eccentricities become the start eccentricities.
  void Command2_Click();
  // Toggles the window between its small size and the size that shows the
  // whole report.
  void Command1_Click();

  QTableWidget* Grid1;
  std::array<QLineEdit*, 6> txtMax{};
  std::array<QLineEdit*, 9> txtReazioni{};
  std::array<QLineEdit*, 12> txtDati{};  // 9..11
  std::array<QGroupBox*, 3> FrameRis{};
  QGroupBox* FrameSpinta;
  QLabel* lblTiro;
  // Shown when the hinge search was stopped: the results are its best point.
  QLabel* lblInterrotta;
  QPushButton* Command2;
  QPushButton* Command1;

 private:
  void GrigliaRisultati();
  // The sections' values, one format for every number of a column.
  void RiempiGriglia();
  void AbilitaFrameCerniere();
  void RisultatiPeggioriVisualizza();

  FinestraPrincipale& main_;
  Sessione& s_;
  QWidget* pannello_;
  bool ridotta_ = true;
};

// What a stopped search's results are, with the grid's precision it reached.
QString TestoRicercaInterrotta(const RisultatiCalcolo& r, const Regional& regional);

}  // namespace voro::ui
