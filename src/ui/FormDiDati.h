// What the three data forms share: they know whether their boxes hold edits
// not yet read into the project, they can be read on request (before a save
// or a solution), and they can be closed without being read when the project
// is replaced or its changes are discarded.
#pragma once

#include <QWidget>
#include <string>

namespace voro::ui {

class FinestraPrincipale;
struct Sessione;

class FormDiDati : public QWidget {
  Q_OBJECT
 public:
  FormDiDati(FinestraPrincipale& main, Sessione& s);

  // The user edited a box or a tick since the form was last written or read.
  bool toccato() const { return toccato_; }
  // Reads the boxes into the project; false, with a message that names the
  // box (which gets the focus), when one cannot be read.
  virtual bool Leggi() = 0;
  // Closes the form without reading it.
  void Scarta();

 protected:
  // Follows the user's edits of every box and tick of the form.
  void SeguiModifiche();
  // The boxes now hold the project's values (written or read).
  void Allineato();
  // Brings the form forward with the focus on the box of a variable that
  // could not be read.
  void MostraCasella(QWidget* casella);
  // Called after every edit by the user.
  virtual void Modificato() {}
  // An edit by the user.
  void tocca();

  FinestraPrincipale& main_;
  Sessione& s_;
  bool scartato_ = false;

 private:
  bool toccato_ = false;
};

}  // namespace voro::ui
