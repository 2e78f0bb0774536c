// Everything one open project holds in the desktop program: its input, the
// state of the windows, the model, the results and the settings they read.
#pragma once

#include <QSize>
#include <QString>
#include <atomic>
#include <string>

#include "analysis/RisultatiCalcolo.h"
#include "arch/ModelloArco.h"
#include "data/DatiProgetto.h"
#include "data/Messages.h"
#include "data/Regional.h"
#include "ui/Dialoghi.h"

class QTableWidget;

namespace voro::ui {

struct Sessione {
  DatiProgetto dati;
  StatoInterfaccia stato;
  ModelloArco modello;
  RisultatiCalcolo risultati;
  Regional regional;
  std::atomic<bool> StopOttimizzazione{false};
  std::string NomeFileBreve;
  // The project's own file, where Save writes it; empty for a project never
  // saved or read (NomeFileBreve may still hold the name Save As proposes).
  std::string PercorsoFile;
  // Where the help-language choice is kept when the program folder cannot be written.
  std::string CartellaUtente;

  Messages* messaggi = nullptr;
  Dialoghi* dialoghi = nullptr;

  Messages& msg() const { return *messaggi; }
};

// Pixels for a size in twips (1440 to the inch) at the screen's resolution.
int Twips(double twips, const QWidget* w = nullptr);

// A grid column's width: the size in twips, widened to show its longest text
// in the screen's font.
int LarghezzaColonna(const QTableWidget* t, int colonna, double twips);
// Grid rows as tall as the font needs.
void RigheCompatte(QTableWidget* t);

// Sizes a top-level window to `voluta` (never below what its contents need),
// within the screen it opens on, and centres it over its parent window, or
// the screen, without letting any part of it leave the screen.
void DimensionaSulloSchermo(QWidget& finestra, QSize voluta);

}  // namespace voro::ui
