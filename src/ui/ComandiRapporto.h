// The calculation report from the desktop program: File > Print through the
// print preview and dialog, File > Output File (TXT) and File > Export
// Report... as PDF or HTML. The report carries the results only while they
// are those of the data in memory.
#pragma once

#include <QObject>
#include <optional>
#include <string>

#include "report/CampateRisolte.h"
#include "report/Documento.h"
#include "report/SezioneRapporto.h"

namespace voro::ui {

struct Sessione;
class FinestraPrincipale;

class ComandiRapporto : public QObject {
 public:
  ComandiRapporto(FinestraPrincipale& main, Sessione& s);

  void Stampa();
  void FileTesto();
  void Esporta();

  // What the report of the open project reads now: the model once the
  // geometry has been read, the results while the data are those solved.
  FontiRapporto Fonti();
  // The report of those sources, numbers in the regional settings.
  Documento Componi(const FontiRapporto& f) const;

 private:
  void calcoloConcluso(bool riuscito);
  // Saves the bytes at the chosen path, replacing the file only when complete.
  void salva(const QString& percorso, const QByteArray& byte);
  QString nomeBase() const;

  FinestraPrincipale& main_;
  Sessione& s_;
  // The project file's bytes of the data the last solution used, and the
  // message of the last failed calculation.
  std::optional<std::string> datiRisolti_;
  std::vector<CampataRisolta> campate_;  // a bridge's spans, each solved alone for the report
  std::string errore_;
};

}  // namespace voro::ui
