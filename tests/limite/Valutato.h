// A project assessed as the program assesses it, side by side with any
// other, the bundled examples read as the command line reads them, and a
// project's file.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

#include "analysis/ProgettiProva.h"
#include "arch/CaricaConci.h"
#include "arch/CostruisciModello.h"
#include "data/ProjectFile.h"
#include "limite/ElencoCertificati.h"
#include "limite/Valutazione.h"

namespace voro {

// An example of the source tree, its span that of its segments.
inline DatiProgetto esempio(const std::string& nome) {
  DatiProgetto d = prova::leggi("examples/" + nome);
  if (d.nVori > 1) d.LuceAnello = toSingle(d.Vori(d.nVori).X3 - d.Vori(1).X1);
  return d;
}

// The project a project file's bytes hold.
inline DatiProgetto Letto(const std::string& testo) {
  DatiProgetto d;
  RecordingMessages msg;
  FileDati f = FileDati::perLettura(testo);
  FileLeggeScrive("L", f, d, msg);
  return d;
}

inline OpzioniSicurezza Opzioni(int posizioni, bool spessore, SceltaSolutori s = SceltaSolutori::DensoPoiClp) {
  OpzioniSicurezza o;
  o.nPosizioni = posizioni, o.spessoreMinimo = spessore, o.solutori = s;
  return o;
}

// The masonry's hypotheses: its strength in every segment, its friction and
// how much of the soil's resistance the ring may mobilise.
struct Ipotesi {
  double fc = 0;                     // MPa, 0 unlimited
  std::optional<double> mu;          // none: joints that never slide
  std::optional<double> mob;         // none: the project's own
};

inline DatiProgetto Con(DatiProgetto d, const Ipotesi& h) {
  d.ResistenzaAnello = static_cast<Single>(h.fc);
  for (int i = 1; i <= d.Vori.size(); ++i) d.Vori(i).Resistenza = static_cast<Single>(h.fc);
  if (h.mu) d.Attrito = static_cast<Single>(*h.mu);
  if (h.mob) d.Mobilitazione = static_cast<Single>(*h.mob);
  return d;
}

// The project with a strip load q over [x1, x2].
inline DatiProgetto Striscia(DatiProgetto d, Single q, Single x1, Single x2) {
  d.qCarico = q, d.xq1 = x1, d.xq2 = x2;
  return d;
}

struct Valutato {
  DatiProgetto d;
  ModelloArco m;
  RecordingMessages msg;
  RisultatiSicurezza r;
  explicit Valutato(DatiProgetto dati, const OpzioniSicurezza& o = {}) : d(std::move(dati)) {
    CostruisciModello(d, m, msg);
    EXPECT_TRUE(ValutaSicurezza(d, m, msg, o, r));
  }
  Valutato(DatiProgetto dati, int posizioni, bool spessore, SceltaSolutori s = SceltaSolutori::DensoPoiClp)
      : Valutato(std::move(dati), Opzioni(posizioni, spessore, s)) {}
};

// Whether every figure the assessment states is proven by both theorems.
inline bool TuttoCertificato(const RisultatiSicurezza& r) {
  const auto e = ElencoCertificati(r, nullptr);
  return std::all_of(e.begin(), e.end(), [](const FiguraCertificata& f) { return f.certificato.valido(); });
}

// A project's model built and loaded as the analysis finds it.
struct ModelloCaricato {
  DatiProgetto d;
  ModelloArco m;
  RecordingMessages msg;
  explicit ModelloCaricato(DatiProgetto dati) : d(std::move(dati)) {
    CostruisciModello(d, m, msg);
    CaricaConci(d, m, msg);
  }
};

// The figures of an assessment an engineer reads, by name.
using Cifra = std::optional<double> RisultatiSicurezza::*;
constexpr Cifra kSpintaMinima = &RisultatiSicurezza::spintaMinima, kSpintaMassima = &RisultatiSicurezza::spintaMassima,
                kFattoreCarico = &RisultatiSicurezza::fattoreCarico, kFattorePeggiore = &RisultatiSicurezza::fattorePeggiore,
                kSpessoreMinimo = &RisultatiSicurezza::spessoreMinimo;
constexpr Cifra kRapportoSpessore = &RisultatiSicurezza::rapportoSpessore;

// Two figures alike: both absent, or within tol of each other relative to the
// second (or to piano, if larger).
inline void Vicini(const std::optional<double>& a, const std::optional<double>& b, double tol, const char* cosa = "",
                   double piano = 0) {
  ASSERT_EQ(a.has_value(), b.has_value()) << cosa;
  if (a) {
    EXPECT_NEAR(*a, *b, tol * std::max(piano, std::fabs(*b))) << cosa;
  }
}

// The same figures of two assessments alike.
inline void StesseCifre(const RisultatiSicurezza& a, const RisultatiSicurezza& b, double tol,
                        std::initializer_list<Cifra> cifre, double piano = 0) {
  int k = 0;
  for (const Cifra c : cifre) Vicini(a.*c, b.*c, tol, ("figure " + std::to_string(k++)).c_str(), piano);
}

}  // namespace voro
