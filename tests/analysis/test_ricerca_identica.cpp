// The fast hinge search against the plain scan of the plain procedures on
// many generated arches: the same chosen eccentricities and every output the
// same bit for bit, the command line's JSON included, on every instruction
// set, on one thread and on two, also with a fault planted at a grid point.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "ProgettiCasuali.h"
#include "ProgettiProva.h"
#include "RicercaSemplice.h"
#include "cli/Rapporti.h"

namespace voro {
namespace {

using prova::Caso;

template <class T>
bool stessiBit(const T& a, const T& b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}

// Every member of a voussoir the calculation writes.
std::array<double, 36> membri(const Concio& c) {
  return {c.Alfa, c.CosAlfa, c.SinAlfa, c.xMedio, c.yMedio, c.bSez, c.FPermanente, c.xFPermanente,
          c.FPermSopraConcio, c.FVariabile, c.xFVariabile, c.FOrizzontale, c.yFOrizzontale, c.Ftot,
          c.xFtot, c.Fassiale, c.Ftaglio, c.Momento, c.Eccentric, c.x_Fun, c.y_Fun, c.hSezioneEff,
          c.hSezione, c.hSezioneSin, c.sigmaEst, c.sigmaInt, c.Tau, c.Perc, c.x(1), c.x(2), c.x(3),
          c.x(4), c.y(1), c.y(2), c.y(3), c.y(4)};
}

std::string json(const Caso& c) {
  cli::Soluzione s;
  s.dati = c.dati, s.modello = c.modello, s.risultati = c.risultati;
  std::ostringstream out;
  cli::ScriviJson(out, s);
  return out.str();
}

// Every output of a calculation: results, the input it changes, every member
// of every voussoir, and the JSON the command line writes.
void confronta(const Caso& a, const Caso& b, const std::string& dove) {
  SCOPED_TRACE(dove);
  const RisultatiCalcolo &r = a.risultati, &s = b.risultati;
#define VORO_UGUALE(x) EXPECT_TRUE(stessiBit(r.x, s.x)) << #x
  VORO_UGUALE(EccCalcSinistra); VORO_UGUALE(EccCalcChiave); VORO_UGUALE(EccCalcDestra);
  VORO_UGUALE(xCerniera); VORO_UGUALE(yCerniera);
  VORO_UGUALE(VSinistra); VORO_UGUALE(HSinistra); VORO_UGUALE(VDestra); VORO_UGUALE(HDestra);
  VORO_UGUALE(SommaV); VORO_UGUALE(SommaHSinistra); VORO_UGUALE(SommaHDestra);
  VORO_UGUALE(NPrimaSezione); VORO_UGUALE(TPrimaSezione);
  VORO_UGUALE(SigmaEstPeggiore); VORO_UGUALE(SigmaIntPeggiore); VORO_UGUALE(PercMinima);
  VORO_UGUALE(iSigmaEstPeggiore); VORO_UGUALE(iSigmaIntPeggiore); VORO_UGUALE(iPercMinima);
#undef VORO_UGUALE
  for (auto arr : {&RisultatiCalcolo::SigmaEstGiunti, &RisultatiCalcolo::SigmaIntGiunti,
                   &RisultatiCalcolo::TauGiunti, &RisultatiCalcolo::PercGiunti}) {
    const Array1<Single>&x = r.*arr, &y = s.*arr;
    ASSERT_EQ(x.size(), y.size());
    EXPECT_EQ(std::memcmp(x.data(), y.data(), sizeof(Single) * static_cast<std::size_t>(x.size())), 0);
  }
  EXPECT_TRUE(stessiBit(a.dati.xq1, b.dati.xq1) && stessiBit(a.dati.xq2, b.dati.xq2));
  ASSERT_EQ(a.modello.nConciTot, b.modello.nConciTot);
  for (int i = 1; i <= a.modello.nConciTot; ++i)
    EXPECT_TRUE(stessiBit(membri(a.modello.Conci(i)), membri(b.modello.Conci(i)))) << "voussoir " << i;
  EXPECT_EQ(json(a), json(b));
}

// The plain search's choice with every result at it, or the error the
// calculation ends with.
struct Riferimento {
  std::optional<Caso> caso;
  int errore = 0;
  prova::PassoSemplice passi[2];
  double ampiezza = 0;
  Single precisione = 0;  // the fine step, which a search run to its end reports
};

Riferimento riferimento(const Caso& base) {
  Riferimento rif;
  Caso plain = base;
  plain.dati.OttimizzaCerniere = false;
  plain.risolvi();  // loads every voussoir
  double e1 = 0, e2 = 0, e3 = 0;
  prova::ricercaSemplice(plain, e1, e2, e3, rif.passi, &rif.ampiezza);
  rif.precisione = prova::grigliaGrossa(plain, rif.ampiezza).precisione;
  plain.dati.EccSinistra = toSingle(e1), plain.dati.EccChiave = toSingle(e2), plain.dati.EccDestra = toSingle(e3);
  plain.messaggi.clear();
  rif.errore = Errore([&] { plain.risolvi(); }).first;
  plain.dati.OttimizzaCerniere = true, plain.dati.EccSinistra = base.dati.EccSinistra;
  plain.dati.EccChiave = base.dati.EccChiave, plain.dati.EccDestra = base.dati.EccDestra;
  rif.caso = std::move(plain);
  return rif;
}

// Every instruction set of the processor, on one thread and on two (the
// second thread even on the smallest grid).
template <class F>
void perOgniModo(F&& f) {
  for (Istruzioni set : {Istruzioni::Base, Istruzioni::Avx2}) {
    if (!IstruzioniDisponibili(set)) continue;
    for (unsigned thread : {1u, 2u}) {
      OpzioniRicerca o;
      o.thread = thread, o.lavoroParallelo = 0, o.istruzioni = set;
      f(o, std::string(set == Istruzioni::Avx2 ? " avx2" : " base") + " threads " + std::to_string(thread));
    }
  }
}

// The fast search in every way it runs.
void verifica(const Caso& base, const Riferimento& rif, const std::string& dove) {
  perOgniModo([&](const OpzioniRicerca& o, const std::string& modo) {
    Caso fast = base;
    const int errore = Errore([&] {
      Calcolo c = fast.calcolo();
      c.ImpostaRicerca(o);
      c.CalcoloMain();
    }).first;
    const std::string qui = dove + modo;
    ASSERT_EQ(errore, rif.errore) << qui;
    EXPECT_EQ(fast.messaggi.texts(), rif.caso->messaggi.texts()) << qui;
    confronta(fast, *rif.caso, qui);
    if (errore) return;
    // Run to its end, the search reports the fine step and no stop.
    EXPECT_EQ(fast.risultati.PrecisioneRicerca, rif.precisione) << qui;
    EXPECT_FALSE(fast.risultati.RicercaInterrotta) << qui;
  });
}

// A project and its search, or none when the model or the fixed line cannot take it.
std::optional<Caso> ricerca(DatiProgetto d, bool distanze) {
  d.OttimizzaEccentricita = distanze, d.OttimizzaCerniere = false;
  if (!prova::seRisolto(d)) return std::nullopt;
  d.OttimizzaCerniere = true;
  return Caso(d);
}

TEST(RicercaIdentica, GeneratedArchesBothMeritsEveryInstructionSetAndThreadCount) {
  int casi = 0, allargati = 0, inammissibili = 0, dispari = 0, pari = 0;
  for (int seme = 0; seme < 90; ++seme) {
    prova::OpzioniCasuali opzioni;
    opzioni.divisioniMassime = 12;
    const DatiProgetto d = prova::ProgettoCasuale(static_cast<std::uint64_t>(seme) + 7000, opzioni);
    for (bool distanze : {false, true}) {
      const auto base = ricerca(d, distanze);
      if (!base) continue;
      const Riferimento rif = riferimento(*base);
      verifica(*base, rif, "seed " + std::to_string(seme) + (distanze ? " distances" : " stresses"));
      ++casi;
      allargati += rif.ampiezza > 0;
      inammissibili += !rif.passi[0].ammissibili || !rif.passi[1].ammissibili;
      (d.nDivisioni % 2 ? dispari : pari) += 1;
    }
  }
  // The cases cover what the choice depends on.
  EXPECT_GE(casi, 120);
  EXPECT_GE(allargati, 10);
  EXPECT_GE(inammissibili, 3);
  EXPECT_GE(dispari, 30);
  EXPECT_GE(pari, 30);
}

// Finer grids: many pieces per outer step taken by both threads in turn, the
// coarse subgrid first, whole outer steps dropped by the springing distance.
TEST(RicercaIdentica, FinerGridsInManyPiecesOnTwoThreads) {
  int casi = 0;
  for (std::uint64_t seme : {5u, 8u, 13u}) {
    for (bool distanze : {false, true}) {
      DatiProgetto d = prova::ProgettoCasuale(seme + 7100);
      d.nDivisioni = static_cast<Integer>(distanze ? 30 : 31);
      const auto base = ricerca(d, distanze);
      if (!base) continue;
      verifica(*base, riferimento(*base), "seed " + std::to_string(seme) + (distanze ? " distances" : " stresses"));
      ++casi;
    }
  }
  EXPECT_GE(casi, 4);
}

// A joint laid along the force that crosses it at the plain coarse optimum:
// that grid point alone meets a zero axial force, and both searches skip it.
TEST(RicercaIdentica, AFaultPlantedAtTheCoarseOptimumIsSkippedByBoth) {
  std::vector<DatiProgetto> progetti = {prova::ponte(), prova::anelloPassivo(), prova::dueSegmenti(0.6, 0.45)};
  for (std::uint64_t seme : {11u, 23u, 42u}) {
    prova::OpzioniCasuali o;
    o.segmenti = false;
    progetti.push_back(prova::ProgettoCasuale(seme, o));
  }
  int piantati = 0;
  for (std::size_t q = 0; q < progetti.size(); ++q) {
    for (bool distanze : {false, true}) {
      DatiProgetto d = progetti[q];
      d.OttimizzaCerniere = false, d.OttimizzaEccentricita = distanze, d.nDivisioni = static_cast<Integer>(6 + q % 2);
      std::optional<Caso> caso = prova::seRisolto(d);  // loads every voussoir
      if (!caso) continue;
      caso->dati.OttimizzaCerniere = true;
      Calcolo c = caso->calcolo();
      const prova::Griglia g = prova::grigliaGrossa(*caso, c.AmpiezzaExtra());
      double b1 = 0, b2 = 0, b3 = 0, f1 = 0, f2 = 0, f3 = 0;
      prova::grigliaSemplice(c, distanze, g.s1, g.s2, g.s3, g.p1, g.p2, g.p3, g.n, b1, b2, b3);
      prova::piantaGuasto(*caso, b1, b2, b3, caso->modello.nConciTot / 3 + 1);
      const prova::PassoSemplice grosso =
          prova::grigliaSemplice(c, distanze, g.s1, g.s2, g.s3, g.p1, g.p2, g.p3, g.n, f1, f2, f3);
      if (grosso.guasti == 0) continue;
      ++piantati;
      EXPECT_FALSE(f1 == b1 && f2 == b2 && f3 == b3);
      verifica(*caso, riferimento(*caso), "project " + std::to_string(q) + (distanze ? " distances" : " stresses"));
    }
  }
  EXPECT_GE(piantati, 8);
}

// One pass over grids of any start, step and size, also wholly outside the
// joints, where only inadmissible points or faults may be met: the point
// taken, or the point kept when the pass takes none.
TEST(RicercaIdentica, ArbitraryGridsTakeOrKeepWhatThePlainScanDoes) {
  int prese = 0, tenute = 0;
  for (int seme = 0; seme < 40; ++seme) {
    prova::Dado r(static_cast<std::uint64_t>(seme) + 500);
    DatiProgetto d = prova::ProgettoCasuale(static_cast<std::uint64_t>(seme) + 9000);
    d.OttimizzaEccentricita = seme % 2, d.OttimizzaCerniere = false;
    std::optional<Caso> caso = prova::seRisolto(d);
    if (!caso) continue;
    const double h = caso->modello.hSinistra;
    for (int g = 0; g < 6; ++g) {
      Single a[3], p[3];
      for (int q = 0; q < 3; ++q) {
        a[q] = static_cast<Single>(r.uniforme(-1.5, 1.5) * h);
        p[q] = static_cast<Single>(r.moneta(0.2) ? 0.0 : r.uniforme(0, 0.6) * h);
      }
      const auto n = static_cast<Integer>(r.intero(1, 6));
      constexpr double kPrima = 1234.5;  // the point the pass had before
      double e1 = kPrima, e2 = kPrima, e3 = kPrima;
      Calcolo piano = caso->calcolo();
      prova::grigliaSemplice(piano, d.OttimizzaEccentricita, a[0], a[1], a[2], p[0], p[1], p[2], n, e1, e2, e3);
      (e1 == kPrima ? tenute : prese) += 1;
      perOgniModo([&](const OpzioniRicerca& o, const std::string& modo) {
        Calcolo c = caso->calcolo();
        c.ImpostaRicerca(o);
        double f1 = kPrima, f2 = kPrima, f3 = kPrima;
        c.RicercaGriglia(a[0], a[1], a[2], p[0], p[1], p[2], n, f1, f2, f3, 0);
        EXPECT_TRUE(stessiBit(f1, e1) && stessiBit(f2, e2) && stessiBit(f3, e3))
            << "seed " << seme << " grid " << g << " n " << n << modo;
      });
    }
  }
  EXPECT_GE(prese, 50);
  EXPECT_GE(tenute, 5);
}

}  // namespace
}  // namespace voro
