// The hinge search: its grid, its progress and stop. That it chooses what
// the plain procedures choose, a faulty grid point skipped alike, the
// identity tests prove on generated arches.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ProgettiProva.h"
#include "RicercaSemplice.h"
#include "analysis/DurataRicerca.h"
#include "analysis/MiglioreRicerca.h"

namespace voro {
namespace {

using prova::Caso;

DatiProgetto conRicerca(DatiProgetto d, Integer divisioni, bool distanze) {
  d.OttimizzaCerniere = true, d.nDivisioni = divisioni, d.OttimizzaEccentricita = distanze;
  return d;
}

// What the search tells its observer; it raises the stop, when given one,
// as the given outer step begins.
struct Registro : OsservatoreRicerca {
  void avvio() override { eventi.push_back("avvio"); }
  void senzaRicerca() override { eventi.push_back("senza"); }
  void precisione(Single p) override { precisioni.push_back(p); }
  void stima(double secondi) override { stime.push_back(secondi); }
  void passo(const std::string& caption) override {
    std::lock_guard<std::mutex> lock(m);
    passi.push_back(caption);
    if (passi.size() == 1) primo.set_value();
    if (stop && static_cast<int>(passi.size()) == fermaDopo) stop->store(true);
  }
  std::vector<std::string> eventi, passi;
  std::vector<Single> precisioni;
  std::vector<double> stime;
  std::promise<void> primo;  // kept when the first step begins
  std::mutex m;
  std::atomic<bool>* stop = nullptr;
  int fermaDopo = -1;
};

// The bridge's search by stresses on 10 divisions, stopped as the given outer
// step begins (never for -1); the stop is cleared when the search starts.
Caso corri(Registro& reg, int fermaDopo) {
  Caso c(conRicerca(prova::ponte(), 10, false));
  std::atomic<bool> stop{fermaDopo < 0};
  reg.stop = &stop, reg.fermaDopo = fermaDopo;
  Calcolo(c.dati, c.modello, c.risultati, c.messaggi, &reg, &stop).CalcoloMain();
  reg.stop = nullptr;
  return c;
}

TEST(RicercaCerniere, ProgressCountsTheOuterStepsOfBothPassesAndAStopKeepsWhatWasDone) {
  Registro reg;
  const Caso c = corri(reg, -1);
  std::vector<std::string> expected;
  for (int i = 1; i <= 11; ++i) expected.push_back("Step " + std::to_string(i / 2) + "/11");
  for (int i = 1; i <= 11; ++i) expected.push_back("Step " + std::to_string(static_cast<int>(5.5 + i / 2.0)) + "/11");
  EXPECT_EQ(reg.passi, expected);  // from "Step 0/11" to "Step 11/11", the fine pass from "Step 6/11"
  EXPECT_EQ(reg.eventi, std::vector<std::string>{"avvio"});
  EXPECT_TRUE(reg.stime.empty());  // a short search announces no duration
  ASSERT_EQ(reg.precisioni.size(), 1u);
  EXPECT_GT(reg.precisioni[0], 0.0f);
  // A search run to its end reaches the precision it announced.
  EXPECT_EQ(c.risultati.PrecisioneRicerca, reg.precisioni[0]);
  EXPECT_FALSE(c.risultati.RicercaInterrotta);
  // Stopped in the fine pass: the coarse step, the fine one times the half count of the grid.
  Registro fine;
  const Caso f = corri(fine, 13);
  EXPECT_TRUE(f.risultati.RicercaInterrotta);
  EXPECT_FLOAT_EQ(f.risultati.PrecisioneRicerca, reg.precisioni[0] * 5);
}

TEST(RicercaCerniere, StopEndsWithCompleteResultsForTheBestPointSoFar) {
  Registro reg;
  Caso c = corri(reg, 2);
  EXPECT_EQ(reg.passi, (std::vector<std::string>{"Step 0/11", "Step 1/11", "Step 6/11"}));
  const auto& r = c.risultati;
  ASSERT_EQ(r.SigmaEstGiunti.size(), c.modello.nGiunti);
  for (int j = 1; j <= c.modello.nGiunti; ++j) {
    EXPECT_TRUE(std::isfinite(r.SigmaEstGiunti(j)));
    EXPECT_TRUE(std::isfinite(r.PercGiunti(j)));
  }
  EXPECT_TRUE(c.messaggi.empty());
  // Stopped in the coarse pass: no grid was completed.
  EXPECT_TRUE(r.RicercaInterrotta);
  EXPECT_EQ(r.PrecisioneRicerca, 0.0f);
  // The best point so far is at least as good as the best of the first outer
  // step, which was searched whole (e1 at the intrados edge).
  Calcolo piano = c.calcolo();
  const prova::Griglia g = prova::grigliaGrossa(c, piano.AmpiezzaExtra());
  MiglioreRicerca primoPasso(false);
  double e2 = g.s2;
  for (int j = 1; j <= g.n; ++j, e2 = e2 + g.p2) {
    double e3 = g.s3;
    for (int k = 1; k <= g.n; ++k, e3 = e3 + g.p3) {
      const std::optional<Single> F = prova::meritoSemplice(piano, g.s1, e2, e3);
      ASSERT_TRUE(F.has_value());
      primoPasso.proponi(*F, (j - 1) * g.n + k);
    }
  }
  const double peggiore = std::min(r.SigmaEstPeggiore, r.SigmaIntPeggiore);
  const double scelto = peggiore < 0 ? peggiore : std::max(r.SigmaEstPeggiore, r.SigmaIntPeggiore);
  const double migliore = primoPasso.merito();
  if (migliore >= 0) {
    EXPECT_GE(scelto, 0);
    EXPECT_LE(scelto, migliore * (1 + 1e-5));
  } else {
    EXPECT_GE(scelto, migliore * (1 + 1e-5));
  }
  // Solved again without the search, the record of the search is gone.
  c.dati.OttimizzaCerniere = false;
  c.risolvi();
  EXPECT_FALSE(r.RicercaInterrotta);
  EXPECT_EQ(r.PrecisioneRicerca, 0.0f);
}

// A stop raised while an outer step of a huge grid runs (billions of points
// per step) ends the search within a tenth of a second; the bound of the
// test is generous so that a busy machine does not fail it. Such a search
// announces its duration.
TEST(RicercaCerniere, StopAnswersAtOnceAtAnyGridSizeAndALongSearchAnnouncesItsDuration) {
  using Orologio = std::chrono::steady_clock;
  for (Integer divisioni : {Integer{3000}, Integer{32767}}) {
    for (bool distanze : {false, true}) {
      Caso c(conRicerca(prova::ponte(), divisioni, distanze));
      std::atomic<bool> stop{false};
      Registro reg;
      std::atomic<Orologio::rep> fermato{0};
      std::thread utente([&] {
        reg.primo.get_future().wait();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        fermato = Orologio::now().time_since_epoch().count();
        stop = true;
      });
      Calcolo(c.dati, c.modello, c.risultati, c.messaggi, &reg, &stop).CalcoloMain();
      const Orologio::duration attesa(Orologio::now().time_since_epoch().count() - fermato.load());
      utente.join();
      const std::string n = std::to_string(divisioni % 2 ? divisioni : divisioni + 1);
      EXPECT_LT(std::chrono::duration<double>(attesa).count(), 1.0) << n;
      // The coarse pass stopped early; the fine pass showed its caption.
      ASSERT_GE(reg.passi.size(), 2u);
      EXPECT_EQ(reg.passi.front(), "Step 0/" + n);
      EXPECT_EQ(reg.passi.back(), "Step " + std::to_string((std::stoi(n) + 1) / 2) + "/" + n);
      ASSERT_EQ(reg.stime.size(), 1u);
      EXPECT_GT(reg.stime[0], 60);
      EXPECT_TRUE(std::isfinite(c.risultati.HSinistra));
      // The results say that the search was stopped before a grid was done.
      EXPECT_TRUE(c.risultati.RicercaInterrotta);
      EXPECT_EQ(c.risultati.PrecisioneRicerca, 0.0f);
    }
  }
}

TEST(RicercaCerniere, DurationsReadAsAnEngineerSaysThem) {
  const std::pair<double, const char*> casi[] = {{0.2, "about 1 s"},         {42.4, "about 42 s"},
                                                 {59.6, "about 1 min"},      {200, "about 3 min 20 s"},
                                                 {1500, "about 25 min"},     {7500, "about 2 h 05 min"},
                                                 {3 * 86400 + 100, "about 3 days"}};
  for (const auto& [secondi, testo] : casi) EXPECT_EQ(TestoDurata(secondi), testo);
}

// The grid of each hinge: n points from s one step p apart over the joint
// and the excursion t of the centred line, the fine step p / half.
TEST(RicercaCerniere, StepsOfTheGrid) {
  struct Passi {
    Integer nDiv;
    Single h1, h2, h3;
    double t;
    std::array<int, 3> nDivNHalf;
    std::array<Single, 7> sPPrec;
  };
  const Passi casi[] = {
      {1, 0.5f, 0.5f, 0.5f, 0, {2, 3, 1}, {-0.25f, -0.25f, -0.25f, 0.25f, 0.25f, 0.25f, 0.25f}},
      // The option keeps its even value.
      {10, 0.5f, 0.4f, 0.6f, 0, {10, 11, 5}, {-0.25f, -0.2f, -0.3f, 0.05f, 0.04f, 0.06f, 0.012f}},
      // A centred line outside the arch widens every range by the excursions.
      {10, 0.5f, 0.5f, 0.5f, 0.2, {10, 11, 5}, {-0.35f, -0.35f, -0.35f, 0.07f, 0.07f, 0.07f, 0.014f}}};
  for (const Passi& k : casi) {
    Integer nDiv = k.nDiv, n = 0, half = 0;
    std::array<Single, 7> v{};
    v[6] = PassiRicerca(nDiv, k.h1, k.h2, k.h3, k.t, n, v[0], v[1], v[2], v[3], v[4], v[5], half);
    EXPECT_EQ((std::array<int, 3>{nDiv, n, half}), k.nDivNHalf);
    for (std::size_t q = 0; q < v.size(); ++q) EXPECT_FLOAT_EQ(v[q], k.sPPrec[q]) << k.nDiv << " " << q;
  }
  Integer nDiv = 0, n = 7, half = 0;
  Single s1, s2, s3, p1, p2, p3;
  EXPECT_EQ(PassiRicerca(nDiv, 0.5f, 0.5f, 0.5f, 0, n, s1, s2, s3, p1, p2, p3, half), 0.0f);
  EXPECT_EQ(n, 7);  // untouched
}

TEST(RicercaCerniere, ZeroDivisionsFailTheCalculation) {
  Caso c(conRicerca(prova::ponte(), 0, false));
  EXPECT_EQ(Errore([&] { c.risolvi(); }).first, err::CalculationFailed);
  EXPECT_EQ(c.messaggi.texts(), std::vector<std::string>{"Error: Overflow in CalcoloMain"});
}

TEST(RicercaCerniere, AdmissibleCentredLineNeedsNoExtraWidth) {
  EXPECT_EQ(prova::risolto(prova::anello(10, 4, 1.0f, 30)).calcolo().AmpiezzaExtra(), 0.0);
  Caso thin = prova::risolto(prova::anello(10, 4.999f, 0.2f, 30));
  Calcolo c = thin.calcolo();
  const double t = c.AmpiezzaExtra();
  EXPECT_GT(t, 0.0);
  EXPECT_EQ(t, c.DistanzeMassime());
}

}  // namespace
}  // namespace voro
