// The language form: the language of the program, asked for at the first
// start, before the user has chosen one.
#pragma once

#include <QDialog>
#include <QRadioButton>
#include <array>

namespace voro::ui {

class FormLingua : public QDialog {
  Q_OBJECT
 public:
  explicit FormLingua(QWidget* parent = nullptr);
  // 0 when "Italian" is selected, 1 for "English".
  int indice() const { return Option1[1]->isChecked() ? 1 : 0; }

  std::array<QRadioButton*, 2> Option1{};
};

}  // namespace voro::ui
