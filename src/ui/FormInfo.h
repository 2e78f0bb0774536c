// The About window: who made the program, and a link to its web page.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "data/Messages.h"

namespace voro::ui {

// The address of the program's web page.
inline constexpr const char* kIndirizzoWeb = "https://voro-arch.github.io/voro/";

class FormInfo : public QDialog {
  Q_OBJECT
 public:
  FormInfo(Messages& messaggi, QWidget* parent = nullptr);
  // Opens the web page in the user's browser.
  void Naviga_Click();

  QLabel* Naviga;
  QPushButton* cbOK;

 private:
  Messages& messaggi_;
};

}  // namespace voro::ui
