// The common dialogs (open, save with overwrite prompt, print), behind an
// interface so that tests can answer them.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

class QPrinter;

namespace voro::ui {

class Dialoghi {
 public:
  virtual ~Dialoghi() = default;
  // The chosen file, nothing when cancelled. filtri in the dialog's form
  // ("Name (*.ext);;..."), the one preselected, and the proposed name.
  virtual std::optional<QString> apri(QWidget* parent, const QString& cartella, const QString& filtri,
                                      const QString& preselezionato, const QString& proposto) = 0;
  virtual std::optional<QString> salva(QWidget* parent, const QString& cartella, const QString& filtri,
                                       const QString& preselezionato, const QString& proposto) = 0;
  // The print dialog; false when cancelled.
  virtual bool stampa(QWidget* parent, QPrinter& printer) = 0;
  // The print preview of the pages disegna paints on the printer; its Print
  // command shows the print dialog and prints. False when nothing was printed.
  virtual bool anteprima(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& disegna) = 0;
  // The language form, modal: 0 Italian, 1 English, nothing when closed
  // without OK.
  virtual std::optional<int> sceltaLingua(QWidget* parent) = 0;
  // "Save changes to NAME?" before the project is closed or replaced.
  enum class Modifiche { Salva, Scarta, Annulla };
  virtual Modifiche salvareModifiche(QWidget* parent, const QString& nome) = 0;
};

// The platform's dialogs.
class DialoghiQt : public Dialoghi {
 public:
  std::optional<QString> apri(QWidget* parent, const QString& cartella, const QString& filtri,
                              const QString& preselezionato, const QString& proposto) override;
  std::optional<QString> salva(QWidget* parent, const QString& cartella, const QString& filtri,
                               const QString& preselezionato, const QString& proposto) override;
  bool stampa(QWidget* parent, QPrinter& printer) override;
  bool anteprima(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& disegna) override;
  std::optional<int> sceltaLingua(QWidget* parent) override;
  Modifiche salvareModifiche(QWidget* parent, const QString& nome) override;
};

// The question asked before a modified project is closed or replaced.
QString DomandaModifiche(const QString& nome);

// A dialog filter of the form "Desc|*.ext|Desc|*.ext" in the dialog's form,
// and its n-th entry (1-based).
QString FiltroDialogo(const QString& filtro);
QString VoceFiltro(const QString& filtro, int n);

}  // namespace voro::ui
