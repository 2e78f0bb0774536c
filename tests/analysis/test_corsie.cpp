// The lanes of the hinge search, point by point against the plain
// procedures: every merit the same bit for bit, every fault recognised, and
// a point dropped only when it is a fault or strictly worse than the bound;
// the order of the search's choice; its threads.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <optional>
#include <vector>

#include "ProgettiCasuali.h"
#include "ProgettiProva.h"
#include "RicercaSemplice.h"
#include "analysis/MiglioreRicerca.h"
#include "analysis/SquadraRicerca.h"
#include "analysis/ValutatorePunto.h"

namespace voro {
namespace {

using prova::Caso;

// A loaded arch, the coarse grid of its search and the plain merit of every
// grid point.
struct Banco {
  Caso caso;
  LineeGriglia linee;
  ConciRicerca conci;
  std::vector<std::optional<Single>> attesi;
  static DatiProgetto fisso(DatiProgetto d, Integer n) {
    d.OttimizzaCerniere = false, d.nDivisioni = n;
    return d;
  }
  static LineeGriglia posa(Caso& caso) {
    caso.risolvi();
    Calcolo c = caso.calcolo();
    const prova::Griglia g = prova::grigliaGrossa(caso, c.AmpiezzaExtra());
    return c.LineePasso(g.s1, g.s2, g.s3, g.p1, g.p2, g.p3, g.n);
  }
  Banco(const DatiProgetto& d, Integer n)
      : caso(fisso(d, n)), linee(posa(caso)), conci(caso.calcolo().ConciPerRicerca()) {
    Calcolo c = caso.calcolo();
    for (int i = 0; i < linee.n; ++i)
      for (int j = 0; j < linee.n; ++j)
        for (int k = 0; k < linee.n; ++k) attesi.push_back(prova::meritoSemplice(c, e(0, i), e(1, j), e(2, k)));
  }
  double e(int q, int t) const { return linee.h[static_cast<std::size_t>(q)].e[static_cast<std::size_t>(t)]; }
  // Every block of the grid through the lanes: f(lane, plain merit, points, outcomes).
  template <class F>
  void perOgniPunto(Istruzioni set, const ConciCorsie& c, Soglia s, F&& f) const {
    std::vector<double> memoria(2 * static_cast<std::size_t>(c.n) * kCorsie);
    PuntiCorsie p;
    EsitiCorsie esiti;
    const int n = linee.n, n2 = n * n, totale = n * n2;
    const auto& h = linee.h;
    for (int indice = 0; indice < totale; indice += kCorsie) {
      for (int l = 0; l < kCorsie; ++l) {
        const int g = std::min(indice + l, totale - 1);
        const auto i = static_cast<std::size_t>(g / n2), j = static_cast<std::size_t>(g % n2 / n),
                   k = static_cast<std::size_t>(g % n);
        p.e1[l] = h[0].e[i], p.x1[l] = h[0].x[i], p.y1[l] = h[0].y[i];
        p.x2[l] = h[1].x[j], p.y2[l] = h[1].y[j], p.M2v[l] = h[1].Mv[j], p.M2h[l] = h[1].Mh[j];
        p.x3[l] = h[2].x[k], p.y3[l] = h[2].y[k], p.M3v[l] = h[2].Mv[k], p.M3h[l] = h[2].Mh[k];
        p.usata[l] = indice + l < totale;
      }
      ValutaCorsie(set, c, p, s, memoria.data(), esiti);
      for (int l = 0; l < kCorsie && indice + l < totale; ++l) {
        SCOPED_TRACE("point " + std::to_string(indice + l));
        f(l, attesi[static_cast<std::size_t>(indice + l)], p, esiti);
      }
    }
  }
  // Every block with the given bound on every instruction set; returns the lanes dropped.
  int verifica(Soglia s) const {
    int scartate = 0;
    const ConciCorsie& c = conci.corsie();
    for (Istruzioni set : {Istruzioni::Base, Istruzioni::Avx2}) {
      if (!IstruzioniDisponibili(set)) continue;
      perOgniPunto(set, c, s, [&](int l, const std::optional<Single>& atteso, const PuntiCorsie&,
                                  const EsitiCorsie& x) {
        switch (x.stato[l]) {
          case Valutata:
            ASSERT_TRUE(atteso.has_value());
            EXPECT_EQ(x.F[l], *atteso);
            break;
          case Guasta:
            EXPECT_FALSE(atteso.has_value());
            break;
          case Scartata:
            ++scartate;
            EXPECT_TRUE(s.attiva);
            if (atteso) {
              EXPECT_TRUE(MiglioreRicerca::peggiore(*atteso, s.F, c.distanze)) << *atteso << " vs " << s.F;
            }
            break;
          case DaRivedere:
            EXPECT_LT(c.limiteTaglio, 0);
            break;
        }
      });
    }
    return scartate;
  }
};

// A bench of a generated project, or none when the model or the fixed line cannot take it.
bool banco(std::optional<Banco>& b, std::uint64_t seme, Integer n) {
  DatiProgetto d = prova::ProgettoCasuale(seme);
  d.OttimizzaEccentricita = seme % 2;
  try {
    b.emplace(d, n);
  } catch (const RuntimeError&) {
    return false;
  }
  return true;
}

TEST(Corsie, EveryLaneIsThePlainMeritOrItsFaultAndOnlyWorsePointsAreDropped) {
  int progetti = 0, scartate = 0, distanze = 0;
  for (int seme = 0; seme < 40; ++seme) {
    std::optional<Banco> b;
    if (!banco(b, static_cast<std::uint64_t>(seme) + 3100, static_cast<Integer>(4 + seme % 3))) continue;
    ++progetti;
    distanze += b->caso.dati.OttimizzaEccentricita;
    std::vector<Single> valori;
    for (const auto& a : b->attesi)
      if (a) valori.push_back(*a);
    ASSERT_FALSE(valori.empty());
    std::sort(valori.begin(), valori.end());
    // Bounds at merits of the grid itself (ties must stay), one Single beside
    // them, at 0 and beyond every merit.
    std::vector<Soglia> soglie = {Soglia{}, {true, 0.0f}, {true, -1e30f}, {true, 1e30f}};
    for (std::size_t q : {std::size_t{0}, valori.size() / 4, valori.size() / 2, valori.size() * 9 / 10,
                          valori.size() - 1}) {
      const Single v = valori[q];
      for (Single f : {v, std::nextafter(v, -1e30f), std::nextafter(v, 1e30f)}) soglie.push_back({true, f});
    }
    for (const Soglia& s : soglie) scartate += b->verifica(s);
  }
  EXPECT_GE(progetti, 30);
  EXPECT_GE(distanze, 12);
  EXPECT_GT(scartate, 10000);
}

// A shear stress that might overflow leaves the point to the plain procedures
// on private voussoirs, which give the same merit, by stresses or by distances.
TEST(Corsie, PointsLeftToThePlainProceduresGetTheSameMerit) {
  for (int seme = 0; seme < 12; ++seme) {
    std::optional<Banco> b;
    if (!banco(b, static_cast<std::uint64_t>(seme) + 3300, 4)) continue;
    const bool distanze = b->caso.dati.OttimizzaEccentricita;
    ConciCorsie c = b->conci.corsie();
    c.limiteTaglio = -1;
    const ModelloArco& m = b->caso.modello;
    const double bPrima = m.nConciPareteSinistra > 0 ? m.ConciPareteSinistra(m.nConciPareteSinistra).bSez
                                                     : static_cast<double>(b->caso.dati.Larghezza);
    ValutatorePunto valutatore(m, bPrima, c.sinA, c.cosA, distanze);
    int rivisti = 0;
    // The lanes leave every point but a fault to the plain procedures by
    // stresses; by distances, which need no shear, those are asked all the same.
    auto rivedi = [&](int l, const std::optional<Single>& atteso, const PuntiCorsie& p, const EsitiCorsie& x) {
      if (x.stato[l] == Guasta) {
        EXPECT_FALSE(atteso.has_value());
        return;
      }
      if (!distanze) {
        ASSERT_EQ(x.stato[l], DaRivedere);
      }
      ++rivisti;
      const auto F = valutatore.valuta(p.e1[l], {p.x1[l], p.x2[l], p.x3[l]}, {p.y1[l], p.y2[l], p.y3[l]}, p.M2v[l],
                                       p.M2h[l], p.M3v[l], p.M3h[l]);
      ASSERT_EQ(F.has_value(), atteso.has_value());
      if (F) {
        EXPECT_EQ(*F, *atteso);
      }
    };
    b->perOgniPunto(IstruzioniMigliori(), c, Soglia{}, rivedi);
    EXPECT_GT(rivisti, 0);
  }
}

// The choice among points proposed in any order and in any pieces is the
// choice of the scan in grid order, ties and the first point included.
TEST(MiglioreRicerca, AnyOrderAndPiecesChooseWhatTheScanChooses) {
  prova::Dado r(17);
  const Single valori[] = {-3.0f, -1.0f, -0.0f, 0.0f, 1.0f, 2.5f, 2.5f, -1.0f};
  int tenute = 0;
  for (int prova = 0; prova < 4000; ++prova) {
    const bool massimo = prova % 2;
    const int n = r.intero(1, 12);
    std::vector<std::optional<Single>> punti;
    for (int i = 0; i < n; ++i) {
      if (r.moneta(0.15)) punti.emplace_back();
      else punti.emplace_back(valori[r.intero(0, 7)] * (prova % 3 == 0 ? -1.0f : 1.0f));
    }
    prova::SceltaSemplice scan{massimo};
    int scelto = -1;
    for (int i = 0; i < n; ++i)
      if (punti[static_cast<std::size_t>(i)] && scan.prende(*punti[static_cast<std::size_t>(i)])) scelto = i;
    tenute += scelto < 0;
    // Pieces merged in a shuffled order, their points proposed shuffled.
    std::vector<int> ordine(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) ordine[static_cast<std::size_t>(i)] = i;
    for (int i = n - 1; i > 0; --i)
      std::swap(ordine[static_cast<std::size_t>(i)], ordine[static_cast<std::size_t>(r.intero(0, i))]);
    MiglioreRicerca tutto(massimo), pezzo(massimo);
    for (int i : ordine) {
      if (punti[static_cast<std::size_t>(i)]) pezzo.proponi(*punti[static_cast<std::size_t>(i)], i);
      if (r.moneta(0.3)) tutto.unisci(pezzo), pezzo = MiglioreRicerca(massimo);
    }
    tutto.unisci(pezzo);
    const auto scelta = tutto.scelta();
    EXPECT_EQ(scelta ? static_cast<int>(*scelta) : -1, scelto) << "trial " << prova;
  }
  EXPECT_GT(tenute, 200);
}

TEST(SquadraRicerca, EveryThreadRunsEachTaskAndErrorsComeBack) {
  SquadraRicerca squadra(3);
  ASSERT_EQ(squadra.thread(), 3);
  for (int volta = 0; volta < 50; ++volta) {
    std::atomic<int> somma{0};
    squadra.esegui([&](int k) { somma += k + 1; });
    EXPECT_EQ(somma.load(), 6);
  }
  EXPECT_THROW(squadra.esegui([](int k) {
    if (k == 2) throw RuntimeError(err::Overflow);
  }),
               RuntimeError);
  std::atomic<int> dopo{0};
  squadra.esegui([&](int) { ++dopo; });
  EXPECT_EQ(dopo.load(), 3);
}

}  // namespace
}  // namespace voro
