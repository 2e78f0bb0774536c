// Undo and Redo of the project's data: every committed edit (a data form
// read, the start values set from the report) is one step that holds the
// project as it was before and after, so that going back restores every
// value at once and the forms, the voussoirs and the results follow.
#pragma once

#include <QUndoCommand>
#include <QUndoStack>
#include <string>

#include "data/DatiProgetto.h"

namespace voro::ui {

class FinestraPrincipale;
struct Sessione;

class StoriaProgetto : public QObject {
  Q_OBJECT
 public:
  StoriaProgetto(FinestraPrincipale& main, Sessione& s);

  QUndoStack& pila() { return pila_; }
  // After a committed change: one step from the project as it was to the
  // project as it is, when they differ.
  void Registra();
  // A project opened or started afresh: no steps, the project as it is is
  // where they start.
  void Azzera();
  // The project was saved as it is: the stack's clean state.
  void Salvato() { pila_.setClean(); }
  // Undo and Redo after the open data forms are read, so that unread typing
  // is a step of its own; nothing when a form cannot be read.
  void Annulla();
  void Ripeti();

 private:
  friend class ComandoDati;
  // The project becomes d, as a step undone or redone.
  void applica(const DatiProgetto& d);

  FinestraPrincipale& main_;
  Sessione& s_;
  QUndoStack pila_;
  DatiProgetto ultimo_;       // the project as of the last step
  std::string testoUltimo_;   // ... as its file would hold it
};

// One committed edit: the project before and after it.
class ComandoDati : public QUndoCommand {
 public:
  ComandoDati(StoriaProgetto& storia, DatiProgetto prima, DatiProgetto dopo, const QString& testo);
  void undo() override { storia_.applica(prima_); }
  // The first redo is the edit itself, already made.
  void redo() override;

 private:
  StoriaProgetto& storia_;
  DatiProgetto prima_, dopo_;
  bool fatto_ = true;
};

}  // namespace voro::ui
