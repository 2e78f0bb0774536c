// The program's main window: a multiple-document frame with the menus, the
// toolbar and the status bar, the file commands and the road from the data
// forms through the calculation to the plot and the report.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "ui/Calcolatore.h"
#include "ui/MessaggiQt.h"
#include "ui/Sessione.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QLabel;
class QToolBar;

namespace voro::ui {

class FormGeometria;
class FormCarichi;
class FormOpzioni;
class FormRisultati;
class FinestraPlot;
class ComandiRapporto;

class FinestraPrincipale : public QMainWindow {
  Q_OBJECT
 public:
  // cartellaProgramma: the folder of the examples and the help files.
  FinestraPrincipale(const QString& cartellaProgramma, const QString& cartellaUtente, Messages* messaggi = nullptr,
                     Dialoghi* dialoghi = nullptr);
  ~FinestraPrincipale() override;

  Sessione& sessione() { return s_; }
  const QString FormCaption = "Arch assessment - File: ";

  // The start of the program: the language, the file on the command line
  // (its words joined with single blanks), the geometry form.
  void Avvio(const QStringList& argomenti);

  // Enables the commands that need a geometry.
  void AbilitaMenu(bool abilita);
  // 0 solve then plot the results, 1 plot the geometry, 2 plot with the loads.
  void CalcolaEPlotta(int PlottaGeometria);
  bool calcoloInCorso() const { return calcolatore_.inCorso(); }
  // The description of the error that ended the last calculation.
  QString ultimoErrore() const { return calcolatore_.ultimoErrore(); }
  // False, with a message, while a calculation runs: the commands that
  // replace the project or its voussoirs wait for it to end.
  bool Libero();

  void MostraGeometria();
  void MostraCarichi();
  void MostraOpzioni();
  void MostraRisultati();
  // The Solve command of the options form.
  void Risolvi();

  // File commands.
  void FileNuovo();
  void FileApri();
  void ApriFileDati(const QString& cartellaIniziale);
  void FileSalvaConNome();
  void AggiornaCaption();

  // The View menu's item i toggles flag i and replots.
  void VisualizzaItem(int i);
  // The Help Language menu's item i.
  void mnuLingua_Click(int indice);
  void mnuLinguaSetta(int indice);

  FormGeometria* formGeometria() const;
  FormCarichi* formCarichi() const;
  FormOpzioni* formOpzioni() const;
  FormRisultati* formRisultati() const;
  FinestraPlot* finestraPlot() const;
  QAction* azione(const QString& nome) const;
  QMdiArea* area() const { return area_; }
  const QString& cartellaProgramma() const { return cartellaProgramma_; }

 signals:
  // A calculation ended: solved, or failed with its messages shown.
  void calcoloConcluso(bool riuscito);

 protected:
  void closeEvent(QCloseEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void creaMenu();
  void creaToolbar();
  QMdiSubWindow* figlia(QWidget* w);
  // Loads a data form if needed and brings it forward.
  template <class Form>
  void mostraForm(QPointer<Form>& form);
  void leggiFile(const QString& percorso);
  void esempi();
  void aiuto();
  void informazioni();
  void mostraPlot(int PlottaGeometria);
  void fineCalcolo(bool riuscito);
  void LinguaLeggeIni();

  Sessione s_;
  std::unique_ptr<MessaggiQt> messaggiQt_;
  std::unique_ptr<DialoghiQt> dialoghiQt_;
  Calcolatore calcolatore_;
  QString cartellaProgramma_;
  QMdiArea* area_ = nullptr;
  QPointer<FormGeometria> geo_;
  QPointer<FormCarichi> carichi_;
  QPointer<FormOpzioni> opzioni_;
  QPointer<FormRisultati> risultati_;
  QPointer<FinestraPlot> plot_;
  ComandiRapporto* rapporto_ = nullptr;
  std::array<QAction*, 5> vista_{};
  std::array<QAction*, 2> lingua_{};
  QList<QAction*> dipendenti_;
};

// The file name of a command line: its words joined with single blanks.
QString NomeDaRigaComando(const QStringList& parole);

}  // namespace voro::ui
