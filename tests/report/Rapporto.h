// A solved project and its report as a reader finds things in it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "../drawing/Registratori.h"
#include "../limite/Valutato.h"
#include "report/ComponiRapporto.h"
#include "report/ScriviTesto.h"
#include "report/SezioneValutazione.h"

namespace voro {

// A solved project and the sources of its report.
struct Progetto {
  prova::Caso caso;
  FontiRapporto fonti;
  explicit Progetto(DatiProgetto d, bool risolvi = true) : caso(std::move(d)) {
    fonti.dati = &caso.dati;
    fonti.modello = &caso.modello;
    fonti.file = "prova.vro";
    if (risolvi) {
      caso.risolvi();
      fonti.risultati = &caso.risultati;
    }
  }
  Documento Componi(const Regional& lingua = Regional::inglese()) const {
    return ComponiRapporto(fonti, NumeriRapporto(lingua));
  }
};

// The project assessed, and its report with the safety section, composed and then left without it.
struct ConRapporto : Valutato {
  Progetto p;
  Documento doc;
  explicit ConRapporto(const DatiProgetto& dati, int posizioni = 8, const Regional& lingua = Regional::inglese())
      : Valutato(dati, posizioni, true), p(dati) {
    const SezioneValutazione sezione(d, m, r);
    doc = ComponiRapporto(p.fonti, NumeriRapporto(lingua), {&sezione});
  }
};

// The first table holding a row whose first cell is the given text, and that row.
inline std::pair<const Tabella*, std::vector<std::string>> Trova(const Documento& doc, const std::string& prima) {
  for (const Blocco& b : doc.blocchi)
    if (const auto* t = std::get_if<Tabella>(&b))
      for (const auto& r : t->righe)
        if (!r.empty() && r[0] == prima) return {t, r};
  return {nullptr, {}};
}

inline const Tabella* TabellaCon(const Documento& doc, const std::string& prima) { return Trova(doc, prima).first; }
inline std::vector<std::string> Riga(const Documento& doc, const std::string& prima) { return Trova(doc, prima).second; }

// One cell of that row, empty when there is none.
inline std::string Cella(const Documento& doc, const std::string& prima, std::size_t colonna) {
  const auto r = Riga(doc, prima);
  return colonna < r.size() ? r[colonna] : "";
}

// The tables that follow a heading, up to the next heading of its level.
inline std::vector<const Tabella*> Tabelle(const Documento& doc, const std::string& titolo) {
  std::vector<const Tabella*> t;
  bool dentro = false;
  for (const Blocco& b : doc.blocchi) {
    if (const auto* i = std::get_if<Intestazione>(&b)) {
      if (dentro && i->livello == 1) break;
      dentro = dentro || i->testo.find(titolo) != std::string::npos;
    }
    if (const auto* tab = std::get_if<Tabella>(&b); tab && dentro) t.push_back(tab);
  }
  return t;
}

// The table whose column title is the given text, and a column by its title.
inline const Tabella* ConColonna(const std::vector<const Tabella*>& tabelle, const std::string& colonna) {
  for (const Tabella* t : tabelle)
    for (const Colonna& c : t->colonne)
      if (c.titolo == colonna) return t;
  return nullptr;
}

inline std::size_t Indice(const Tabella& t, const std::string& colonna) {
  for (std::size_t k = 0; k < t.colonne.size(); ++k)
    if (t.colonne[k].titolo == colonna) return k;
  ADD_FAILURE() << "no column " << colonna;
  return 0;
}

inline std::vector<std::string> Intestazioni(const Documento& doc) {
  std::vector<std::string> h;
  for (const Blocco& b : doc.blocchi)
    if (const auto* i = std::get_if<Intestazione>(&b)) h.push_back(i->testo);
  return h;
}

inline std::vector<const Figura*> Figure(const Documento& doc) {
  std::vector<const Figura*> f;
  for (const Blocco& b : doc.blocchi)
    if (const auto* g = std::get_if<Figura>(&b)) f.push_back(g);
  return f;
}

// A figure as printed, stroke by stroke, drawn without a message.
inline SuperficieRegistrata Disegnata(const Figura& f) {
  SuperficieRegistrata s;
  RecordingMessages m;
  EXPECT_TRUE(f.disegna(s, m) && m.empty()) << f.didascalia;
  return s;
}

// The text report as written, line by line.
inline std::string TestoARighe(const Documento& doc) {
  std::ostringstream out;
  ScriviTesto(out, doc);
  return out.str();
}

// The text report with its line breaks undone.
inline std::string Testo(const Documento& doc) {
  std::string s = TestoARighe(doc);
  std::replace(s.begin(), s.end(), '\n', ' ');
  s.erase(std::unique(s.begin(), s.end(), [](char a, char b) { return a == ' ' && b == ' '; }), s.end());
  return s;
}

// Every phrase found in the text, and none of the absent ones.
inline void Dice(const std::string& testo, std::initializer_list<std::string> presenti,
                 std::initializer_list<std::string> assenti = {}) {
  for (const std::string& f : presenti) EXPECT_NE(testo.find(f), std::string::npos) << f;
  for (const std::string& f : assenti) EXPECT_EQ(testo.find(f), std::string::npos) << f;
}

}  // namespace voro
