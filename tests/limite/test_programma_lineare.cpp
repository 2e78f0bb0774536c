// The dense simplex and CLP alone on small linear programs with known answers and their proofs.
#include <gtest/gtest.h>

#include <cmath>

#include "limite/ProgrammaLineare.h"

namespace voro {
namespace {

// Rows a x <= b, each given as {a..., b}.
ProgrammaLineare programma(int n, std::initializer_list<std::initializer_list<double>> righe) {
  ProgrammaLineare lp(n);
  for (const auto& r : righe) {
    std::vector<double> a(r.begin(), r.end() - 1);
    lp.Riga(a.data(), *(r.end() - 1));
  }
  return lp;
}

const SceltaSolutori kSolutori[] = {SceltaSolutori::SoloDenso, SceltaSolutori::SoloClp};

TEST(ProgrammaLineare, FindsTheUniqueVertexWithItsDualValues) {
  // max 3x + 2y: x + y <= 4, x + 3y <= 7, x <= 3, x, y >= 0 -> (3, 1), 11.
  auto lp = programma(2, {{1, 1, 4}, {1, 3, 7}, {1, 0, 3}, {-1, 0, 0}, {0, -1, 0}});
  for (const SceltaSolutori solutori : kSolutori) {
    lp.Solutori(solutori);
    for (const VettoreLP& avvio : {VettoreLP{0, 0}, VettoreLP{10, -7}}) {
      SCOPED_TRACE(static_cast<int>(solutori));
      const SoluzioneLP s = lp.Massimizza({3, 2}, avvio);
      ASSERT_EQ(s.esito, EsitoLP::Ottimo);
      // c = 2 (row 0) + 1 (row 2): the dual values of the rows as given.
      std::array<double, 5> y{};
      for (std::size_t k = 0; k < 2; ++k) y[static_cast<std::size_t>(s.base[k])] = s.moltiplicatori[k];
      for (const auto& [valore, atteso] : {std::pair{s.x[0], 3.0}, {s.x[1], 1.0}, {s.duale, 11.0}, {y[0], 2.0}, {y[2], 1.0}})
        EXPECT_NEAR(valore, atteso, 1e-12);
      EXPECT_EQ(y[1] + y[3] + y[4], 0);
    }
  }
}

TEST(ProgrammaLineare, ManyRowsThroughOneVertexDoNotCycle) {
  // Forty rows through (1, 1, 1) with normals in the positive octant, plus
  // the coordinate planes: a highly degenerate optimum at (1, 1, 1).
  ProgrammaLineare lp(3);
  for (int i = 0; i < 8; ++i)
    for (int j = 0; j < 5; ++j) {
      const double t = 0.1 + 1.3 * i / 7, f = 0.1 + 1.3 * j / 4;
      const double a[3] = {std::cos(t) * std::sin(f), std::sin(t) * std::sin(f), std::cos(f)};
      lp.Riga(a, a[0] + a[1] + a[2]);
    }
  for (const auto& a : {std::array{-1.0, 0.0, 0.0}, std::array{0.0, -1.0, 0.0}, std::array{0.0, 0.0, -1.0}})
    lp.Riga(a.data(), 0);
  for (const VettoreLP& avvio : {VettoreLP{0, 0, 0}, VettoreLP{5, 5, 5}, VettoreLP{-3, 2, 9}}) {
    const SoluzioneLP s = lp.Massimizza({1, 1, 1}, avvio);
    ASSERT_EQ(s.esito, EsitoLP::Ottimo);
    for (std::size_t k = 0; k < 3; ++k) {
      EXPECT_NEAR(s.x[k], 1, 1e-10);
      EXPECT_GE(s.moltiplicatori[k], 0);
    }
  }
}

TEST(ProgrammaLineare, AFaceOfOptimaGivesOneOfItsVerticesAndAStrictRatioTestBreaksNoNearTie) {
  // max x + y on the square cut by x + y <= 1.5: a whole edge is optimal.
  const auto lp = programma(2, {{1, 0, 1}, {0, 1, 1}, {-1, 0, 0}, {0, -1, 0}, {1, 1, 1.5}});
  const SoluzioneLP s = lp.Massimizza({1, 1}, {0, 0});
  ASSERT_EQ(s.esito, EsitoLP::Ottimo);
  EXPECT_NEAR(s.x[0] + s.x[1], 1.5, 1e-12);
  EXPECT_LE(lp.Violazione(s.x), 1e-12);
  // max y: 0.6 x + 0.8 y <= 0.8, y <= 1 + 1e-12, x >= 0 -> (0, 1): going up, the two rows are met 1e-12
  // apart; the default ratio test may take the steeper first and break the other, the strict one not.
  auto stretto = programma(2, {{0.6, 0.8, 0.8}, {0, 1, 1 + 1e-12}, {-1, 0, 0}});
  stretto.RapportoStretto(true);
  const SoluzioneLP t = stretto.Massimizza({0, 1}, {0, 0});
  ASSERT_EQ(t.esito, EsitoLP::Ottimo);
  EXPECT_LE(stretto.Violazione(t.x), 1e-16);
  EXPECT_LE(t.x[1], 1 + 1e-16);
  EXPECT_NEAR(t.x[1], 1, 1e-15);
}

TEST(ProgrammaLineare, ReportsInfeasibilityWithTheLeastViolationAndUnboundednessWithItsRay) {
  // x <= 1 and x >= 3: the best point violates both by 1; a zero row with a negative right side cannot
  // hold; max x + 0.1 y with y in [-1, 1] and x >= y: no upper limit along +x.
  auto lp = programma(2, {{1, 0, 1}, {-1, 0, -3}, {0, 1, 5}, {0, -1, 5}});
  auto zero = programma(1, {{0, -1}, {1, 4}});
  auto aperto = programma(2, {{0, 1, 1}, {0, -1, 1}, {-1, 1, 0}});
  for (const SceltaSolutori solutori : kSolutori) {
    SCOPED_TRACE(static_cast<int>(solutori));
    lp.Solutori(solutori), zero.Solutori(solutori), aperto.Solutori(solutori);
    const SoluzioneLP s = lp.Massimizza({0, 1}, {0, 0});
    EXPECT_EQ(s.esito, EsitoLP::Impossibile);
    EXPECT_NEAR(s.violazione, 1, 1e-12);
    EXPECT_NEAR(s.x[0], 2, 1e-12);
    EXPECT_EQ(zero.Massimizza({1}, {0}).esito, EsitoLP::Impossibile);
    for (const VettoreLP& avvio : {VettoreLP{0, 0}, VettoreLP{-4, 3}}) {
      const SoluzioneLP u = aperto.Massimizza({1, 0.1}, avvio);
      ASSERT_EQ(u.esito, EsitoLP::Illimitato);
      EXPECT_GT(u.raggio[0], 0.99);
      EXPECT_NEAR(u.raggio[1], 0, 1e-12);
    }
  }
  // Bounded in the objective although the region is not.
  const SoluzioneLP s = aperto.Massimizza({-1, 0}, {3, 0});
  ASSERT_EQ(s.esito, EsitoLP::Ottimo);
  EXPECT_NEAR(s.x[0], -1, 1e-12);
}

TEST(ProgrammaLineare, WhereTheDenseSimplexFailsClpAnswersAndTheAnswerIsCertified) {
  // y appears in no row: the dense simplex cannot fix it and fails; CLP finds
  // the optimum x = 1 (any y), and its multiplier sums the row to c.
  const auto lp = programma(2, {{1, 0, 1}, {-1, 0, 1}});
  const SoluzioneLP s = lp.Massimizza({1, 0}, {0, 0});
  ASSERT_EQ(s.esito, EsitoLP::Ottimo);
  EXPECT_EQ(s.solutore, Solutore::Clp);
  EXPECT_NEAR(s.x[0], 1, 1e-12);
  EXPECT_NEAR(s.duale, 1, 1e-12);
  // Alone, the dense simplex gives no answer rather than a wrong one.
  ProgrammaLineare solo = lp;
  solo.Solutori(SceltaSolutori::SoloDenso);
  EXPECT_EQ(solo.Massimizza({1, 0}, {0, 0}).esito, EsitoLP::Fallito);
}

}  // namespace
}  // namespace voro
