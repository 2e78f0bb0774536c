// Solving projects for the command line.
#include "cli/Risolutore.h"

#include "arch/Ponte.h"

#include <algorithm>
#include <thread>

#include "analysis/Calcolo.h"
#include "arch/CostruisciModello.h"
#include "cli/Flussi.h"
#include "data/CampiScalari.h"
#include "data/ProjectFile.h"
#include "data/RuntimeError.h"
#include "data/ValoriFisici.h"

namespace voro::cli {

namespace {

std::string ultimoMessaggio(const RecordingMessages& m, const std::string& altrimenti) {
  return m.empty() ? altrimenti : m.entries().back().text;
}

}  // namespace

void ApplicaRegoleLettura(DatiProgetto& d) {
  // A chain of segments spans from the start of the first to the end of the
  // last, as the geometry form records it.
  if (d.nVori > 1 && d.Vori.size() >= d.nVori) d.LuceAnello = toSingle(d.Vori(d.nVori).X3 - d.Vori(1).X1);
}

bool PreparaModello(Soluzione& s, const OpzioniSoluzione& opzioni) {
  s.messaggi.setTraduzioni(opzioni.traduzioni);
  s.decimale = opzioni.decimale;
  try {
    LeggiProgetto(s.file, s.dati, s.messaggi);
  } catch (const RuntimeError& e) {
    s.esito = e.number() == err::ImpossibleValue ? Esito::Fallito : Esito::FileIllegibile;
    s.numeroErrore = e.number();
    s.errore = e.description();
    return false;
  }
  ApplicaRegoleLettura(s.dati);
  for (const auto& [nome, valore] : opzioni.impostazioni) {
    std::string motivo;
    ImpostaCampo(s.dati, nome, valore, motivo);
  }
  ApplicaSceltaNormativa(opzioni.normativa, s.dati.Normativa);
  try {
    ControllaValoriFisici(s.dati, s.messaggi);
    CostruisciModello(s.dati, s.modello, s.messaggi);
  } catch (const RuntimeError& e) {
    const bool geometria = e.number() != err::ImpossibleValue;
    if (geometria) s.messaggi.critical(MessaggioGeometria(e, s.messaggi));
    s.esito = Esito::Fallito;
    s.numeroErrore = e.number();
    s.errore = geometria ? "Error: Check Geometry" : e.description();
    return false;
  }
  return true;
}

void Risolvi(Soluzione& s, const OpzioniSoluzione& opzioni, std::optional<int> campata) {
  if (!PreparaModello(s, opzioni)) return;
  if (!s.dati.Campate.empty()) {
    s.nCampate = s.dati.nCampate();
    if (!campata) return;
    // The three hinges belong to one ring: each span of a bridge alone.
    s.campata = *campata + 1;
    try {
      s.dati = ProgettoCampata(s.dati, *campata, s.messaggi);
      CostruisciModello(s.dati, s.modello, s.messaggi);
    } catch (const RuntimeError& e) {
      s.messaggi.critical(MessaggioGeometria(e, s.messaggi));
      s.esito = Esito::Fallito;
      s.numeroErrore = e.number();
      s.errore = "Error: Check Geometry";
      return;
    }
  }
  Calcolo calcolo(s.dati, s.modello, s.risultati, s.messaggi, opzioni.osservatore);
  OpzioniRicerca ricerca;
  ricerca.thread = opzioni.threadRicerca;
  ricerca.interruzione = opzioni.stop;
  calcolo.ImpostaRicerca(ricerca);
  try {
    calcolo.CalcoloMain();
  } catch (const RuntimeError& e) {
    s.esito = Esito::Fallito;
    s.numeroErrore = e.number();
    s.errore = ultimoMessaggio(s.messaggi, e.description());
    return;
  }
  if (s.risultati.RicercaInterrotta)
    s.messaggi.plain("search stopped: the results are those of the best point so far");
  // The wall actions about the extrados ends of the ring, as the report shows them.
  const ModelloArco& m = s.modello;
  calcolo.SommaMomentiPareti(m.Conci(1).y(4), m.Conci(m.nConciTot).y(3), s.MomentoPareteSinistra,
                             s.MomentoPareteDestra);
  s.TiroCatena = s.risultati.HSinistra + s.risultati.SommaHSinistra;
}

bool Interrotto(const OpzioniSoluzione& opzioni) { return opzioni.stop && opzioni.stop->load(); }

void NonAvviato(Soluzione& s) {
  s.esito = Esito::Fallito;
  s.numeroErrore = err::UserInterrupt;
  s.errore = RuntimeError(err::UserInterrupt).description();
  s.messaggi.plain("not started: the batch was interrupted");
}

std::vector<Soluzione> RisolviTutti(const std::vector<std::string>& files, const OpzioniSoluzione& opzioni) {
  std::vector<Soluzione> soluzioni(files.size());
  for (std::size_t i = 0; i < files.size(); ++i) soluzioni[i].file = files[i];
  const unsigned core = std::max(1u, std::thread::hardware_concurrency());
  const unsigned n = std::max(1u, std::min<unsigned>(core, static_cast<unsigned>(files.size())));
  OpzioniSoluzione perProgetto = opzioni;
  // The projects side by side share the cores; a project alone takes them all.
  if (perProgetto.threadRicerca == 0 && n > 1) perProgetto.threadRicerca = std::max(1u, core / n);
  std::atomic<std::size_t> prossimo{0};
  auto lavora = [&] {
    for (std::size_t i; (i = prossimo.fetch_add(1)) < soluzioni.size();) {
      if (Interrotto(opzioni)) NonAvviato(soluzioni[i]);
      else Risolvi(soluzioni[i], perProgetto, 0);
    }
  };
  std::vector<std::thread> workers;
  for (unsigned k = 1; k < n; ++k) workers.emplace_back(lavora);
  lavora();
  for (auto& w : workers) w.join();
  // A bridge's further spans follow its first.
  std::vector<Soluzione> tutte;
  for (Soluzione& s : soluzioni) {
    const int n = s.nCampate;
    const std::string file = s.file;
    tutte.push_back(std::move(s));
    for (int k = 1; k < n; ++k) {
      Soluzione t;
      t.file = file;
      if (Interrotto(opzioni)) NonAvviato(t);
      else Risolvi(t, opzioni, k);
      tutte.push_back(std::move(t));
    }
  }
  return tutte;
}

}  // namespace voro::cli
