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

// A loaded arch and the coarse grid of its search.
struct Banco {
  Caso caso;
  ConciRicerca conci;
  LineeGriglia linee;
  std::vector<std::optional<Single>> attesi;  // the plain merit of every grid point

  static DatiProgetto fisso(DatiProgetto d) {
    d.OttimizzaCerniere = false;
    return d;
  }
  Banco(const DatiProgetto& d, Integer n)
      : caso(fisso(d)), conci((caso.risolvi(), caso.calcolo().ConciPerRicerca())) {
    Calcolo c = caso.calcolo();
    Integer nn = 0, half = 0, nDiv = n;
    Single s1, s2, s3, p1, p2, p3;
    const auto& m = caso.modello;
    PassiRicerca(nDiv, m.hSinistra, m.hChiave, m.hDestra, c.AmpiezzaExtra(), nn, s1, s2, s3, p1, p2, p3, half);
    linee = c.LineePasso(s1, s2, s3, p1, p2, p3, nn);
    for (int i = 0; i < nn; ++i)
      for (int j = 0; j < nn; ++j)
        for (int k = 0; k < nn; ++k) attesi.push_back(prova::meritoSemplice(c, e(0, i), e(1, j), e(2, k)));
  }
  double e(int q, int t) const { return linee.h[static_cast<std::size_t>(q)].e[static_cast<std::size_t>(t)]; }
  int n() const { return linee.n; }

  // The lanes of the points from indice on.
  void riempi(PuntiCorsie& p, int indice) const {
    const int n2 = n() * n();
    for (int l = 0; l < kCorsie; ++l) {
      const int g = std::min(indice + l, n() * n2 - 1);
      const auto i = static_cast<std::size_t>(g / n2), j = static_cast<std::size_t>(g % n2 / n()),
                 k = static_cast<std::size_t>(g % n());
      const auto& h = linee.h;
      p.e1[l] = h[0].e[i], p.x1[l] = h[0].x[i], p.y1[l] = h[0].y[i];
      p.x2[l] = h[1].x[j], p.y2[l] = h[1].y[j], p.M2v[l] = h[1].Mv[j], p.M2h[l] = h[1].Mh[j];
      p.x3[l] = h[2].x[k], p.y3[l] = h[2].y[k], p.M3v[l] = h[2].Mv[k], p.M3h[l] = h[2].Mh[k];
      p.usata[l] = indice + l < n() * n2;
    }
  }
};

// Every block of the grid with the given bound; returns the lanes dropped.
int verificaBlocchi(const Banco& b, const ConciCorsie& c, Istruzioni set, Soglia s) {
  std::vector<double> memoria(2 * static_cast<std::size_t>(c.n) * kCorsie);
  PuntiCorsie p;
  EsitiCorsie esiti;
  int scartate = 0;
  const int totale = b.n() * b.n() * b.n();
  for (int indice = 0; indice < totale; indice += kCorsie) {
    b.riempi(p, indice);
    ValutaCorsie(set, c, p, s, memoria.data(), esiti);
    for (int l = 0; l < kCorsie && indice + l < totale; ++l) {
      const auto& atteso = b.attesi[static_cast<std::size_t>(indice + l)];
      SCOPED_TRACE("point " + std::to_string(indice + l));
      switch (esiti.stato[l]) {
        case Valutata:
          EXPECT_TRUE(atteso.has_value());
          if (atteso) {
            EXPECT_EQ(esiti.F[l], *atteso);
          }
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
    }
  }
  return scartate;
}

TEST(Corsie, EveryLaneIsThePlainMeritOrItsFaultAndOnlyWorsePointsAreDropped) {
  int progetti = 0, scartate = 0, distanze = 0;
  for (int seme = 0; seme < 40; ++seme) {
    DatiProgetto d = prova::ProgettoCasuale(static_cast<std::uint64_t>(seme) + 3100);
    d.OttimizzaEccentricita = seme % 2;
    std::optional<Banco> b;
    try {
      b.emplace(d, static_cast<Integer>(4 + seme % 3));
    } catch (const RuntimeError&) {
      continue;
    }
    ++progetti;
    distanze += d.OttimizzaEccentricita;
    std::vector<Single> valori;
    for (const auto& a : b->attesi)
      if (a) valori.push_back(*a);
    ASSERT_FALSE(valori.empty());
    std::sort(valori.begin(), valori.end());
    // Bounds at merits of the grid itself (ties must stay), one Single beside
    // them, at 0 and beyond every merit.
    std::vector<Soglia> soglie = {Soglia{}};
    for (std::size_t q : {std::size_t{0}, valori.size() / 4, valori.size() / 2, valori.size() * 9 / 10,
                          valori.size() - 1}) {
      const Single v = valori[q];
      for (Single f : {v, std::nextafter(v, -1e30f), std::nextafter(v, 1e30f)}) soglie.push_back({true, f});
    }
    soglie.push_back({true, 0.0f});
    soglie.push_back({true, -1e30f});
    soglie.push_back({true, 1e30f});
    for (Istruzioni set : {Istruzioni::Base, Istruzioni::Avx2}) {
      if (!IstruzioniDisponibili(set)) continue;
      for (const Soglia& s : soglie) scartate += verificaBlocchi(*b, b->conci.corsie(), set, s);
    }
  }
  EXPECT_GE(progetti, 30);
  EXPECT_GE(distanze, 12);
  EXPECT_GT(scartate, 10000);
}

// A shear stress that might overflow leaves the point to the plain procedures
// on private voussoirs, which give the same merit, by stresses or by distances.
TEST(Corsie, PointsLeftToThePlainProceduresGetTheSameMerit) {
  for (int seme = 0; seme < 12; ++seme) {
    const bool distanze = seme % 2;
    DatiProgetto d = prova::ProgettoCasuale(static_cast<std::uint64_t>(seme) + 3300);
    d.OttimizzaEccentricita = distanze;
    std::optional<Banco> b;
    try {
      b.emplace(d, 4);
    } catch (const RuntimeError&) {
      continue;
    }
    ConciCorsie c = b->conci.corsie();
    c.limiteTaglio = -1;
    std::vector<double> memoria(2 * static_cast<std::size_t>(c.n) * kCorsie);
    PuntiCorsie p;
    EsitiCorsie esiti;
    const ModelloArco& m = b->caso.modello;
    const double bPrima = m.nConciPareteSinistra > 0 ? m.ConciPareteSinistra(m.nConciPareteSinistra).bSez
                                                     : static_cast<double>(b->caso.dati.Larghezza);
    ValutatorePunto valutatore(m, bPrima, c.sinA, c.cosA, distanze);
    int rivisti = 0;
    const int totale = b->n() * b->n() * b->n();
    for (int indice = 0; indice < totale; indice += kCorsie) {
      b->riempi(p, indice);
      ValutaCorsie(IstruzioniMigliori(), c, p, Soglia{}, memoria.data(), esiti);
      for (int l = 0; l < kCorsie && indice + l < totale; ++l) {
        const auto& atteso = b->attesi[static_cast<std::size_t>(indice + l)];
        if (esiti.stato[l] == Guasta) {
          EXPECT_FALSE(atteso.has_value());
          continue;
        }
        // The lanes leave every point to them by stresses; by distances, which
        // need no shear, the plain procedures are asked all the same.
        if (!distanze) {
          ASSERT_EQ(esiti.stato[l], DaRivedere);
        }
        ++rivisti;
        const auto F = valutatore.valuta(p.e1[l], {p.x1[l], p.x2[l], p.x3[l]}, {p.y1[l], p.y2[l], p.y3[l]},
                                         p.M2v[l], p.M2h[l], p.M3v[l], p.M3h[l]);
        ASSERT_EQ(F.has_value(), atteso.has_value());
        if (F) {
          EXPECT_EQ(*F, *atteso);
        }
      }
    }
    EXPECT_GT(rivisti, 0);
  }
}

// A joint laid along the force that crosses it at one grid point: that lane
// alone has a zero axial force and is recognised as a fault.
TEST(Corsie, APlantedFaultIsRecognisedInItsLaneAlone) {
  for (bool distanze : {false, true}) {
    DatiProgetto d = prova::ponte();
    d.OttimizzaEccentricita = distanze;
    Caso caso(Banco::fisso(d));
    caso.risolvi();
    Calcolo c = caso.calcolo();
    const LineeGriglia linee = c.LineePasso(-0.2f, -0.2f, -0.2f, 0.1f, 0.1f, 0.1f, 5);
    // Plant the fault at the grid point (2, 3, 1).
    c.PosizionaCerniere(linee.h[0].e[2], linee.h[1].e[3], linee.h[2].e[1]);
    double V = 0, H = 0;
    c.ReazioniCerniere(V, H);
    const int guasto = 8;
    for (int v = 1; v <= guasto; ++v) V -= caso.modello.Conci(v).Ftot, H += caso.modello.Conci(v).FOrizzontale;
    caso.modello.Conci(guasto).SinAlfa = H;
    caso.modello.Conci(guasto).CosAlfa = -V;
    const ConciRicerca conci = c.ConciPerRicerca();
    std::vector<double> memoria(2 * static_cast<std::size_t>(conci.corsie().n) * kCorsie);
    for (Istruzioni set : {Istruzioni::Base, Istruzioni::Avx2}) {
      if (!IstruzioniDisponibili(set)) continue;
      PuntiCorsie p;
      EsitiCorsie esiti;
      for (int l = 0; l < kCorsie; ++l) {
        // Lanes (2, 3, k) and (2, 4, k): the planted point is lane 1.
        const auto j = static_cast<std::size_t>(l < 5 ? 3 : 4), k = static_cast<std::size_t>(l % 5);
        p.e1[l] = linee.h[0].e[2], p.x1[l] = linee.h[0].x[2], p.y1[l] = linee.h[0].y[2];
        p.x2[l] = linee.h[1].x[j], p.y2[l] = linee.h[1].y[j];
        p.M2v[l] = linee.h[1].Mv[j], p.M2h[l] = linee.h[1].Mh[j];
        p.x3[l] = linee.h[2].x[k], p.y3[l] = linee.h[2].y[k];
        p.M3v[l] = linee.h[2].Mv[k], p.M3h[l] = linee.h[2].Mh[k];
        p.usata[l] = l < 10;
      }
      ValutaCorsie(set, conci.corsie(), p, Soglia{}, memoria.data(), esiti);
      for (int l = 0; l < 10; ++l) {
        const auto atteso = prova::meritoSemplice(c, p.e1[l], linee.h[1].e[l < 5 ? 3u : 4u],
                                                  linee.h[2].e[static_cast<std::size_t>(l % 5)]);
        EXPECT_EQ(atteso.has_value(), l != 1) << l;
        EXPECT_EQ(esiti.stato[l], l == 1 ? Guasta : Valutata) << l;
        if (atteso) {
          EXPECT_EQ(esiti.F[l], *atteso);
        }
      }
    }
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
    // The scan.
    bool first = true;
    Single best = 0;
    int scelto = -1;
    for (int i = 0; i < n; ++i) {
      if (!punti[static_cast<std::size_t>(i)]) continue;
      const Single val = *punti[static_cast<std::size_t>(i)];
      if (first) best = val, first = false;
      bool take;
      if (val >= 0) {
        if (best < 0) best = val;
        take = massimo ? val >= best : val <= best;
      } else {
        take = val > best;
      }
      if (take) best = val, scelto = i;
    }
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
