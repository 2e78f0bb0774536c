// The hinge search: its grid, its progress and stop. That it chooses what
// the plain procedures choose, a faulty grid point skipped alike, the
// identity tests prove on generated arches.
#include <gtest/gtest.h>

#include <algorithm>
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
  d.OttimizzaCerniere = true;
  d.nDivisioni = divisioni;
  d.OttimizzaEccentricita = distanze;
  return d;
}

class Registro : public OsservatoreRicerca {
 public:
  explicit Registro(std::atomic<bool>* stop = nullptr, int fermaDopo = -1) : stop_(stop), fermaDopo_(fermaDopo) {}
  void avvio() override { eventi.push_back("avvio"); }
  void senzaRicerca() override { eventi.push_back("senza"); }
  void precisione(Single p) override { precisioni.push_back(p); }
  void passo(const std::string& caption) override {
    passi.push_back(caption);
    if (stop_ && static_cast<int>(passi.size()) == fermaDopo_) stop_->store(true);
  }
  std::vector<std::string> eventi, passi;
  std::vector<Single> precisioni;

 private:
  std::atomic<bool>* stop_;
  int fermaDopo_;
};

TEST(RicercaCerniere, ProgressCountsTheOuterStepsOfBothPasses) {
  Caso c(conRicerca(prova::ponte(), 10, false));
  Registro reg;
  std::atomic<bool> stop{true};  // cleared when the search starts
  Calcolo(c.dati, c.modello, c.risultati, c.messaggi, &reg, &stop).CalcoloMain();
  std::vector<std::string> expected;
  for (int i = 1; i <= 11; ++i) expected.push_back("Step " + std::to_string(i / 2) + "/11");
  for (int i = 1; i <= 11; ++i) expected.push_back("Step " + std::to_string(static_cast<int>(5.5 + i / 2.0)) + "/11");
  EXPECT_EQ(reg.passi, expected);  // from "Step 0/11" to "Step 11/11", the fine pass from "Step 6/11"
  EXPECT_EQ(reg.eventi, std::vector<std::string>{"avvio"});
  ASSERT_EQ(reg.precisioni.size(), 1u);
  EXPECT_GT(reg.precisioni[0], 0.0f);
  // A search run to its end reaches the precision it announced.
  EXPECT_EQ(c.risultati.PrecisioneRicerca, reg.precisioni[0]);
  EXPECT_FALSE(c.risultati.RicercaInterrotta);
}

TEST(RicercaCerniere, StopEndsWithCompleteResultsForTheBestPointSoFar) {
  Caso c(conRicerca(prova::ponte(), 10, false));
  std::atomic<bool> stop{false};
  Registro reg(&stop, 2);
  Calcolo(c.dati, c.modello, c.risultati, c.messaggi, &reg, &stop).CalcoloMain();
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
  Integer n = 0, half = 0;
  Single s1, s2, s3, p1, p2, p3;
  const auto& m = c.modello;
  PassiRicerca(c.dati.nDivisioni, m.hSinistra, m.hChiave, m.hDestra, piano.AmpiezzaExtra(), n, s1, s2, s3, p1, p2,
               p3, half);
  MiglioreRicerca primoPasso(false);
  double e2 = s2;
  for (int j = 1; j <= n; ++j, e2 = e2 + p2) {
    double e3 = s3;
    for (int k = 1; k <= n; ++k, e3 = e3 + p3) {
      const std::optional<Single> F = prova::meritoSemplice(piano, s1, e2, e3);
      ASSERT_TRUE(F.has_value());
      primoPasso.proponi(*F, (j - 1) * n + k);
    }
  }
  const double scelto = std::min(r.SigmaEstPeggiore, r.SigmaIntPeggiore) < 0
                            ? std::min(r.SigmaEstPeggiore, r.SigmaIntPeggiore)
                            : std::max(r.SigmaEstPeggiore, r.SigmaIntPeggiore);
  const double migliore = primoPasso.merito();
  if (migliore >= 0) {
    EXPECT_GE(scelto, 0);
    EXPECT_LE(scelto, migliore * (1 + 1e-5));
  } else {
    EXPECT_GE(scelto, migliore * (1 + 1e-5));
  }

  // Solved again without the search, the record of the search is gone.
  c.dati.OttimizzaCerniere = false;
  Calcolo(c.dati, c.modello, c.risultati, c.messaggi).CalcoloMain();
  EXPECT_FALSE(r.RicercaInterrotta);
  EXPECT_EQ(r.PrecisioneRicerca, 0.0f);
}

TEST(RicercaCerniere, StopInTheFinePassKeepsTheCoarseStep) {
  Caso c(conRicerca(prova::ponte(), 10, false));
  std::atomic<bool> stop{false};
  Registro reg(&stop, 13);
  Calcolo(c.dati, c.modello, c.risultati, c.messaggi, &reg, &stop).CalcoloMain();
  ASSERT_EQ(reg.precisioni.size(), 1u);
  EXPECT_TRUE(c.risultati.RicercaInterrotta);
  // The coarse step is the fine one times the half count of the grid.
  EXPECT_FLOAT_EQ(c.risultati.PrecisioneRicerca, reg.precisioni[0] * 5);
}

// A stop raised while an outer step of a huge grid runs (billions of points
// per step) ends the search within a tenth of a second; the bound of the
// test is generous so that a busy machine does not fail it. Such a search
// announces its duration, a short one does not.
TEST(RicercaCerniere, StopAnswersAtOnceAtAnyGridSizeAndOnlyALongSearchAnnouncesItsDuration) {
  class Cronometro : public OsservatoreRicerca {
   public:
    void passo(const std::string& caption) override {
      std::lock_guard<std::mutex> lock(m);
      passi.push_back(caption);
      if (passi.size() == 1) primo.set_value();
    }
    void stima(double secondi) override { stime.push_back(secondi); }
    std::mutex m;
    std::vector<std::string> passi;
    std::vector<double> stime;
    std::promise<void> primo;
  };
  using Orologio = std::chrono::steady_clock;
  // A short search announces nothing.
  Caso breve(conRicerca(prova::ponte(), 30, false));
  Cronometro muto;
  Calcolo(breve.dati, breve.modello, breve.risultati, breve.messaggi, &muto).CalcoloMain();
  EXPECT_TRUE(muto.stime.empty());
  for (Integer divisioni : {Integer{3000}, Integer{32767}}) {
    for (bool distanze : {false, true}) {
      Caso c(conRicerca(prova::ponte(), divisioni, distanze));
      std::atomic<bool> stop{false};
      Cronometro cronometro;
      std::atomic<Orologio::rep> fermato{0};
      std::thread utente([&] {
        cronometro.primo.get_future().wait();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        fermato = Orologio::now().time_since_epoch().count();
        stop = true;
      });
      Calcolo(c.dati, c.modello, c.risultati, c.messaggi, &cronometro, &stop).CalcoloMain();
      const Orologio::duration attesa(Orologio::now().time_since_epoch().count() - fermato.load());
      utente.join();
      const std::string n = std::to_string(divisioni % 2 ? divisioni : divisioni + 1);
      EXPECT_LT(std::chrono::duration<double>(attesa).count(), 1.0) << n;
      // The coarse pass stopped early; the fine pass showed its caption.
      ASSERT_GE(cronometro.passi.size(), 2u);
      EXPECT_EQ(cronometro.passi.front(), "Step 0/" + n);
      EXPECT_EQ(cronometro.passi.back(), "Step " + std::to_string((std::stoi(n) + 1) / 2) + "/" + n);
      // The search was long enough to announce its duration.
      ASSERT_EQ(cronometro.stime.size(), 1u);
      EXPECT_GT(cronometro.stime[0], 60);
      EXPECT_TRUE(std::isfinite(c.risultati.HSinistra));
      // The results say that the search was stopped before a grid was done.
      EXPECT_TRUE(c.risultati.RicercaInterrotta);
      EXPECT_EQ(c.risultati.PrecisioneRicerca, 0.0f);
    }
  }
}

TEST(RicercaCerniere, DurationsReadAsAnEngineerSaysThem) {
  EXPECT_EQ(TestoDurata(0.2), "about 1 s");
  EXPECT_EQ(TestoDurata(42.4), "about 42 s");
  EXPECT_EQ(TestoDurata(59.6), "about 1 min");
  EXPECT_EQ(TestoDurata(200), "about 3 min 20 s");
  EXPECT_EQ(TestoDurata(1500), "about 25 min");
  EXPECT_EQ(TestoDurata(7500), "about 2 h 05 min");
  EXPECT_EQ(TestoDurata(3 * 86400 + 100), "about 3 days");
}

TEST(RicercaCerniere, StepsOfTheGrid) {
  Integer nDiv = 1, n = 0, half = 0;
  Single s1, s2, s3, p1, p2, p3;
  Single prec = PassiRicerca(nDiv, 0.5f, 0.5f, 0.5f, 0, n, s1, s2, s3, p1, p2, p3, half);
  EXPECT_EQ(nDiv, 2);
  EXPECT_EQ(n, 3);
  EXPECT_EQ(half, 1);
  EXPECT_EQ(s1, -0.25f);
  EXPECT_EQ(p1, 0.25f);
  EXPECT_EQ(prec, 0.25f);

  nDiv = 10;
  prec = PassiRicerca(nDiv, 0.5f, 0.4f, 0.6f, 0, n, s1, s2, s3, p1, p2, p3, half);
  EXPECT_EQ(nDiv, 10);  // the option keeps its even value
  EXPECT_EQ(n, 11);
  EXPECT_EQ(half, 5);
  EXPECT_FLOAT_EQ(p1, 0.05f);
  EXPECT_FLOAT_EQ(p3, 0.06f);
  EXPECT_FLOAT_EQ(prec, 0.012f);

  nDiv = 0;
  n = 7;
  EXPECT_EQ(PassiRicerca(nDiv, 0.5f, 0.5f, 0.5f, 0, n, s1, s2, s3, p1, p2, p3, half), 0.0f);
  EXPECT_EQ(n, 7);  // untouched

  // A centred line outside the arch widens every range by the excursions.
  nDiv = 10;
  PassiRicerca(nDiv, 0.5f, 0.5f, 0.5f, 0.2, n, s1, s2, s3, p1, p2, p3, half);
  EXPECT_FLOAT_EQ(s2, -0.35f);
}

TEST(RicercaCerniere, ZeroDivisionsFailTheCalculation) {
  Caso c(conRicerca(prova::ponte(), 0, false));
  try {
    c.risolvi();
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), err::CalculationFailed);
  }
  EXPECT_EQ(c.messaggi.texts(), std::vector<std::string>{"Error: Overflow in CalcoloMain"});
}

TEST(RicercaCerniere, AdmissibleCentredLineNeedsNoExtraWidth) {
  Caso thick(prova::anello(10, 4, 1.0f, 30));
  thick.risolvi();
  EXPECT_EQ(thick.calcolo().AmpiezzaExtra(), 0.0);
  Caso thin(prova::anello(10, 4.999f, 0.2f, 30));
  thin.risolvi();
  Calcolo c = thin.calcolo();
  const double t = c.AmpiezzaExtra();
  EXPECT_GT(t, 0.0);
  EXPECT_EQ(t, c.DistanzeMassime());
}

}  // namespace
}  // namespace voro
