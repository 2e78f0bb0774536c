// The program's main window: a multiple-document frame with the menus, the
// toolbar and the status bar, the file commands and the road from the data
// forms through the calculation to the plot and the report. It keeps the
// windows honest: results shown always belong to the project on screen, and
// a modified project is never closed or replaced without asking.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "Lingue.h"
#include "ui/Calcolatore.h"
#include "ui/Impostazioni.h"
#include "ui/MessaggiQt.h"
#include "ui/Sessione.h"

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QLabel;
class QMenu;
class QToolBar;

namespace voro::ui {

class FormGeometria;
class FormCarichi;
class FormOpzioni;
class FormRisultati;
class FinestraPlot;
class FinestraSicurezza;
class ComandiRapporto;
class StoriaProgetto;

// Shows a child window of the main window and brings it forward.
void Davanti(QWidget* form);

class FinestraPrincipale : public QMainWindow {
  Q_OBJECT
 public:
  // cartellaProgramma: the folder of the examples and the help files;
  // cartellaUtente: the user's own settings.
  FinestraPrincipale(const QString& cartellaProgramma, const QString& cartellaUtente, Messages* messaggi = nullptr,
                     Dialoghi* dialoghi = nullptr);
  ~FinestraPrincipale() override;

  Sessione& sessione() { return s_; }
  // The caption before the project's name, in the language of the program.
  QString FormCaption() const { return tr("Arch assessment - File: "); }

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
  // The Assess command: the Safety window on the current project.
  void MostraSicurezza();

  // File commands. The ones that replace the project ask first whether to
  // save its changes; Save and Save As first read the data forms' edits.
  void FileNuovo();
  void FileApri();
  void ApriFileDati(const QString& cartellaIniziale);
  void ApriRecente(const QString& percorso);
  bool FileSalva();
  bool FileSalvaConNome();
  void AggiornaCaption();
  // The caption as the window system shows it: with "*" after the file name
  // while the project holds unsaved changes.
  QString Didascalia() const;

  // The geometry form was read into the project: the voussoirs are built
  // again when the input they stand on changed. False, with "Error: Check
  // Geometry", when they cannot be built; the commands that need a geometry
  // follow the outcome.
  bool GeometriaLetta();
  // Whether the voussoirs in memory are those of the project's geometry.
  bool ModelloValido() const;
  // After any change of the project's input: results that no longer belong
  // to it expire, a drawing of the geometry follows it, the caption shows
  // whether the project was modified.
  void DatiCambiati();
  // The caption's modified mark, after an edit in a data form.
  void AggiornaModificato();
  // The project's data become d (a step undone or redone): the open forms
  // show them, the voussoirs and the results follow.
  void ApplicaDati(const DatiProgetto& d);
  StoriaProgetto& storia() { return *storia_; }
  // The project differs from its file, or a data form holds unread edits.
  bool Modificato() const;
  // Reads every open data form holding unread edits; false, with that
  // form's message and the form in front, when one cannot be read.
  bool LeggiFormAperti();
  // The open forms read and the voussoirs those of the geometry on screen;
  // false, with the message that says what is missing.
  bool DatiPronti();

  // A window that shows results (the report, the results plot, any other)
  // joins here: it is closed as soon as the results no longer belong to the
  // project on screen, and greyed out, its caption saying so, while a data
  // form holds edits not yet read.
  void RegistraFinestraRisultati(QWidget* finestra);
  bool RisultatiValidi() const { return improntaRisultati_.has_value(); }

  // Grows the window, within the screen, until its child windows have the
  // given room.
  void FaiSpazio(QSize perArea);

  // The regional-settings check of the geometry form, with its advisory
  // unless the user asked not to see it again.
  void ControllaSeparatori();

  // The View menu's item i toggles flag i and replots.
  void VisualizzaItem(int i);
  // The Language menu's item i: the program's language (0 Italian,
  // 1 English), kept in the user's settings and applied at once.
  void mnuLingua_Click(int indice);
  void mnuLinguaSetta(int indice);

  FormGeometria* formGeometria() const;
  FormCarichi* formCarichi() const;
  FormOpzioni* formOpzioni() const;
  FormRisultati* formRisultati() const;
  FinestraPlot* finestraPlot() const;
  FinestraSicurezza* finestraSicurezza() const;
  QAction* azione(const QString& nome) const;
  QMdiArea* area() const { return area_; }
  const QString& cartellaProgramma() const { return cartellaProgramma_; }
  Impostazioni& impostazioni() { return impostazioni_; }

 signals:
  // A calculation ended: solved, or failed with its messages shown.
  void calcoloConcluso(bool riuscito);
  // The results no longer belong to the project on screen.
  void risultatiScaduti();
  // A data form holds edits not yet read (true), or none any more (false):
  // the results may no longer belong to what the screen shows.
  void datiInSospeso(bool sospesi);

 protected:
  void closeEvent(QCloseEvent* e) override;
  void changeEvent(QEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void creaMenu();
  void creaToolbar();
  QMdiSubWindow* figlia(QWidget* w);
  // Loads a data form if needed and brings it forward.
  template <class Form>
  void mostraForm(QPointer<Form>& form);
  // Reads the project file into a new project; on success it replaces the
  // project on screen, on failure one message says why and nothing changes.
  bool leggiProgetto(const QString& percorso);
  // A project read from a file is ready to solve and assess at once: its
  // geometry form is read and its voussoirs built, as Next would.
  void PreparaGeometria();
  // The project on screen becomes `dati`, read from `percorso` (a new
  // project when empty): data forms closed unread, results and drawings
  // closed, the geometry form showing the new project.
  void sostituisciProgetto(DatiProgetto dati, const QString& percorso);
  // Before the project is closed or replaced: false when the user cancels.
  bool confermaAbbandono();
  bool salvaIn(const QString& percorso);
  void chiudiFormDati();
  void scadonoRisultati();
  void aggiornaRecenti();
  void esempi();
  void aiuto();
  void informazioni();
  void mostraPlot(int PlottaGeometria);
  void fineCalcolo(bool riuscito);
  void LinguaLeggeIni();
  // The menus, the toolbar and the open windows again, in the language now
  // installed.
  void RicreaMenu();

  bool sospesi_ = false;  // a data form holds edits not yet read
  TraduzioniQt traduzioni_;
  Sessione s_;
  std::unique_ptr<MessaggiQt> messaggiQt_;
  std::unique_ptr<DialoghiQt> dialoghiQt_;
  Impostazioni impostazioni_;
  Calcolatore calcolatore_;
  QString cartellaProgramma_;
  QMdiArea* area_ = nullptr;
  QPointer<FormGeometria> geo_;
  QPointer<FormCarichi> carichi_;
  QPointer<FormOpzioni> opzioni_;
  QPointer<FormRisultati> risultati_;
  QPointer<FinestraPlot> plot_;
  QPointer<FinestraSicurezza> sicurezza_;
  std::string improntaSicurezza_;  // the input the Safety window was assessed on
  std::string improntaAvvio_;      // the input the running calculation started from
  ComandiRapporto* rapporto_ = nullptr;
  StoriaProgetto* storia_ = nullptr;
  std::array<QAction*, 5> vista_{};
  std::array<QAction*, 2> lingua_{};
  bool avvisoSeparatoriDato_ = false;  // the regional advisory was offered in this run
  bool nuovaLinguaInAttesa_ = false;   // the windows wait to take the new language
  QList<QPointer<QWidget>> daRitradurre_;  // the windows open when the language changed
  std::array<QAction*, Impostazioni::kRecenti> recenti_{};
  QList<QAction*> dipendenti_;
  // The project as last opened or saved, to tell whether it was modified.
  std::string improntaSalvata_;
  // The geometry the voussoirs in memory were built from, if any.
  std::optional<std::string> improntaModello_;
  // The input the results in memory were computed from, while they belong
  // to the project.
  std::optional<std::string> improntaRisultati_;
};

// A child window the user closed is deleted later: until then it is gone all
// the same, and a command that needs it makes a new one.
template <class W>
W* Aperta(const QPointer<W>& w) {
  return w && w->parentWidget() && !w->parentWidget()->isHidden() ? w.data() : nullptr;
}

// The file name of a command line: its words joined with single blanks.
QString NomeDaRigaComando(const QStringList& parole);

}  // namespace voro::ui
