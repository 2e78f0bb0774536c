// The assessment under finite strength, friction and resisting soil against
// physics: the stress block's closed form, chords inside the parabola, the
// rigid limits, monotony in fc, equilibrium with friction, virtual work
// with the mobilised pressure, and a ring the dead load alone crushes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "analysis/ProgettiProva.h"
#include "arch/CaricaConci.h"
#include "data/ProjectFile.h"
#include "limite/AnalisiLimite.h"
#include "limite/DominioResistenza.h"
#include "limite/Valutato.h"
#include "limite/Valutazione.h"
#include "Cinematica.h"

namespace voro {
namespace {

void Vicini(const std::optional<double>& a, const std::optional<double>& b, double tol, const char* cosa) {
  ASSERT_EQ(a.has_value(), b.has_value()) << cosa;
  if (a) {
    EXPECT_NEAR(*a, *b, tol * std::fabs(*b)) << cosa;
  }
}

TEST(DominioResistenza, TheStressBlockCarriesTheClosedFormAndItsMaximumAtHalfTheCrushingForce) {
  const double h = 0.6, b = 1.2, fc = 5000;  // kN/m2
  const double fcb = fc * b, Nu = fcb * h;
  for (const double N : {0.0, 0.1 * Nu, 0.5 * Nu, 0.8 * Nu, Nu})
    EXPECT_NEAR(MomentoResistente(h, fcb, N), N * (h / 2 - N / (2 * fc * b)), 1e-12 * Nu * h);
  EXPECT_NEAR(MomentoResistente(h, fcb, Nu / 2), fc * b * h * h / 8, 1e-12 * Nu * h);
  for (const double N : {0.3 * Nu, 0.49 * Nu, 0.51 * Nu, 0.7 * Nu}) EXPECT_LT(MomentoResistente(h, fcb, N), fc * b * h * h / 8);
  EXPECT_LT(MomentoResistente(h, fcb, 1.01 * Nu), 0);
  // Unlimited strength: the rigid edge.
  EXPECT_EQ(MomentoResistente(h, 0, 100), h / 2 * 100);
}

TEST(DominioResistenza, ChordsNeverLieOutsideTheParabolaAndTangentsNeverInside) {
  const double h = 0.45, fcb = 3000, Nu = fcb * h;
  std::vector<double> punti{0, Nu / 8, Nu / 2, Nu};
  Raffina(punti, 0.037 * Nu);
  Raffina(punti, 0.61 * Nu);
  ASSERT_TRUE(std::is_sorted(punti.begin(), punti.end()));
  std::vector<Retta> corde, tangenti;
  for (std::size_t k = 1; k < punti.size(); ++k) corde.push_back(Corda(h, fcb, punti[k - 1], punti[k]));
  for (const double N : punti) tangenti.push_back(Corda(h, fcb, N, N));
  for (int k = 0; k <= 1000; ++k) {
    const double N = Nu * k / 1000;
    const double esatto = MomentoResistente(h, fcb, N);
    EXPECT_LE(Capacita(corde, N), esatto + 1e-12 * Nu * h) << N;
    EXPECT_GE(Capacita(tangenti, N), esatto - 1e-12 * Nu * h) << N;
  }
  // At the points the chords meet the parabola; beyond the crushing force nothing is carried.
  for (const double N : punti) EXPECT_NEAR(Capacita(corde, N), MomentoResistente(h, fcb, N), 1e-12 * Nu * h);
  EXPECT_LT(Capacita(corde, 1.001 * Nu), 0);
  EXPECT_LT(Capacita(corde, -0.001 * Nu), 0);
}

TEST(Ipotesi, VeryStrongMasonryAndVeryRoughJointsGiveTheRigidFigures) {
  for (const char* nome : {"ponte-stradale.vro", "volta-semicircolare.vro", "arco-policentrico.vro"}) {
    SCOPED_TRACE(nome);
    const DatiProgetto d = esempio(nome);
    Valutato rigido(d, 7, true);
    DatiProgetto ruvido = d;
    ruvido.Attrito = 1e9f;
    Valutato attrito(ruvido, 7, true);
    Vicini(attrito.r.spintaMinima, rigido.r.spintaMinima, 1e-9, "least thrust");
    Vicini(attrito.r.spintaMassima, rigido.r.spintaMassima, 1e-9, "largest thrust");
    Vicini(attrito.r.fattoreCarico, rigido.r.fattoreCarico, 1e-9, "live-load factor");
    Vicini(attrito.r.fattorePeggiore, rigido.r.fattorePeggiore, 1e-9, "worst factor");
    Vicini(attrito.r.spessoreMinimo, rigido.r.spessoreMinimo, 1e-9, "least thickness");
    EXPECT_TRUE(attrito.r.giuntiScorrevoli.empty());
    // fc of 1e12 MPa: each hinge sits N / (2 fc b) inside its face, a physical shift ~ 1/fc; beyond kRigida the figures are rigid bit for bit.
    const Single fc = 1e12f;
    Valutato forte(Con(d, {fc, {}, {}}), 7, true);
    Vicini(forte.r.spintaMinima, rigido.r.spintaMinima, 1e-9, "least thrust");
    Vicini(forte.r.spintaMassima, rigido.r.spintaMassima, 1e-9, "largest thrust");
    Vicini(forte.r.fattorePeggiore, rigido.r.fattorePeggiore, 1e-9, "worst factor");
    Vicini(forte.r.spessoreMinimo, rigido.r.spessoreMinimo, 1e-9, "least thickness");
    if (rigido.r.fattoreCarico) {
      ASSERT_TRUE(forte.r.fattoreCarico);
      ASSERT_EQ(forte.r.meccanismo.size(), 4u);
      // The factor is the virtual work's of the rigid mechanism with its hinges so moved, never above the rigid one.
      std::array<double, 4> rientri{};
      for (std::size_t k = 0; k < 4; ++k) {
        const int j = forte.r.meccanismo[k].giunto;
        const double b = j == 1 ? static_cast<double>(forte.d.Larghezza) : forte.m.Conci(j - 1).bSez;
        rientri[k] = forte.r.lineaCollasso.N[static_cast<std::size_t>(j - 1)] / (2 * 1000 * static_cast<double>(fc) * b);
      }
      const double cinematico =
          MoltiplicatoreCinematico(forte.m, forte.r.meccanismo, forte.r.lineaCollasso.FPassiva, rientri);
      EXPECT_LE(*forte.r.fattoreCarico, *rigido.r.fattoreCarico);
      EXPECT_NEAR(*forte.r.fattoreCarico, cinematico, 1e-9 * cinematico);
    }
    // The geometric factor is Heyman's whatever the hypotheses.
    EXPECT_EQ(forte.r.rapportoSpessore, rigido.r.rapportoSpessore);
    EXPECT_TRUE(forte.r.resistenzaFinita);
    // Beyond a crushing force of 1e12 times the load the joints are rigid:
    // the chords could no longer be told from the edge.
    Valutato rigida(Con(d, {1e16f, {}, {}}), 7, true);
    EXPECT_EQ(rigida.r.fattoreCarico, rigido.r.fattoreCarico);
    EXPECT_EQ(rigida.r.spintaMinima, rigido.r.spintaMinima);
    EXPECT_EQ(rigida.r.fattorePeggiore, rigido.r.fattorePeggiore);
  }
}

TEST(Ipotesi, TheFactorFallsAsTheStrengthFalls) {
  const DatiProgetto d = esempio("ponte-stradale.vro");
  double prima = std::numeric_limits<double>::infinity();
  for (const Single fc : {1e4f, 100.0f, 20.0f, 10.0f, 5.0f, 2.0f, 1.0f}) {
    Valutato v(Con(d, {fc, {}, {}}), 0, false);
    ASSERT_EQ(v.r.esitoCarico, EsitoCarico::Finito) << fc;
    // Monotone up to the chords' tolerance.
    EXPECT_LE(*v.r.fattoreCarico, prima * (1 + AnalisiLimite::kTolleranzaResistenza)) << fc;
    prima = *v.r.fattoreCarico;
    // The collapse line lies within the strength domain at every joint.
    const LineaSpinte& l = v.r.lineaCollasso;
    for (std::size_t j = 0; j < l.N.size(); ++j) {
      const double h = j == 0 ? std::hypot(v.m.Conci(1).x(4) - v.m.Conci(1).x(1), v.m.Conci(1).y(4) - v.m.Conci(1).y(1))
                              : v.m.Conci(static_cast<int>(j)).hSezioneEff;
      const double b = j == 0 ? static_cast<double>(v.d.Larghezza) : v.m.Conci(static_cast<int>(j)).bSez;
      EXPECT_GE(l.N[j], -1e-9);
      EXPECT_LE(std::fabs(l.e[j] * l.N[j]), MomentoResistente(h, fc * 1000 * b, l.N[j]) * (1 + 1e-9) + 1e-9) << j;
    }
  }
  // Crushing hinges sit where the stress block is deep.
  Valutato debole(Con(d, {2, {}, {}}), 0, false);
  EXPECT_FALSE(debole.r.giuntiSchiacciati.empty());
}

TEST(Ipotesi, FrictionHoldsAtEveryJointOfEveryLine) {
  for (const char* nome : {"ponte-stradale.vro", "arco-policentrico.vro", "arco-ribassato-spinta.vro"}) {
    SCOPED_TRACE(nome);
    DatiProgetto d = esempio(nome);
    d.Attrito = 0.25f;
    Valutato v(d, 9, false);
    for (const LineaSpinte* l : {&v.r.lineaSpintaMinima, &v.r.lineaSpintaMassima, &v.r.lineaCollasso}) {
      for (std::size_t j = 0; j < l->T.size(); ++j)
        EXPECT_LE(std::fabs(l->T[j]), 0.25 * l->N[j] * (1 + 1e-7) + 1e-7) << "joint " << j + 1;
    }
    // A lower friction never makes the arch stronger.
    Valutato senza(esempio(nome), 9, false);
    if (v.r.fattoreCarico && senza.r.fattoreCarico) {
      EXPECT_LE(*v.r.fattoreCarico, *senza.r.fattoreCarico * (1 + 1e-9));
    }
  }
  // Sliding marked where the friction binds: smooth joints in the road bridge.
  DatiProgetto liscio = esempio("ponte-stradale.vro");
  liscio.Attrito = 0.15f;
  Valutato s(liscio, 0, false);
  ASSERT_EQ(s.r.esitoCarico, EsitoCarico::Finito);
  EXPECT_FALSE(s.r.giuntiScorrevoli.empty());
  for (const int j : s.r.giuntiScorrevoli) {
    const auto k = static_cast<std::size_t>(j - 1);
    EXPECT_NEAR(std::fabs(s.r.lineaCollasso.T[k]), 0.15 * s.r.lineaCollasso.N[k], 1e-6 * s.r.lineaCollasso.N[k]);
  }
}

TEST(Ipotesi, SoilThatResistsNeverWeakensTheArch) {
  for (const Single mob : {0.0f, 0.3f, 1.0f}) {
    SCOPED_TRACE(mob);
    DatiProgetto d = prova::anelloPassivo();
    d.Mobilitazione = mob;
    Valutato v(d, 0, false);
    DatiProgetto spento = d;
    spento.SpintaPassiva = false;
    Valutato s(spento, 0, false);
    ASSERT_EQ(s.r.esitoCarico, EsitoCarico::Finito);
    ASSERT_EQ(v.r.esitoCarico, EsitoCarico::Finito);
    EXPECT_GE(*v.r.fattoreCarico, *s.r.fattoreCarico * (1 - 1e-9));
    if (mob == 0) {
      EXPECT_NEAR(*v.r.fattoreCarico, *s.r.fattoreCarico, 1e-9 * *s.r.fattoreCarico);
    }
    // The pressure mobilised lies between 0 and the share of the full one.
    const LineaSpinte& l = v.r.lineaCollasso;
    ASSERT_EQ(l.FPassiva.size(), static_cast<std::size_t>(v.m.nConciTot));
    for (int i = 1; i <= v.m.nConciTot; ++i) {
      const double piena = mob * v.m.Conci(i).FOrizzontale, f = l.FPassiva[static_cast<std::size_t>(i - 1)];
      EXPECT_GE(f * piena, -1e-12) << i;
      EXPECT_LE(std::fabs(f), std::fabs(piena) * (1 + 1e-9) + 1e-12) << i;
    }
  }
}

TEST(Ipotesi, TheSoilPushesBackInFullOnlyWhereTheRingMovesIntoIt) {
  DatiProgetto d = prova::anelloPassivo();
  d.Mobilitazione = 0.5f;
  Valutato v(d, 0, false);
  ASSERT_EQ(v.r.esitoCarico, EsitoCarico::Finito);
  ASSERT_EQ(v.r.meccanismo.size(), 4u);
  const LineaSpinte& l = v.r.lineaCollasso;
  const double lambda = *v.r.fattoreCarico;
  // Virtual work with the pressure the mechanism mobilises gives its factor.
  EXPECT_NEAR(MoltiplicatoreCinematico(v.m, v.r.meccanismo, l.FPassiva), lambda, 1e-8 * lambda);
  // The mechanism turned so that the variable load does positive work.
  std::array<double, 9> w = VelocitaBlocchi(v.m, v.r.meccanismo);
  auto blocco = [&](int i) {
    for (int b = 0; b < 3; ++b)
      if (i >= v.r.meccanismo[static_cast<std::size_t>(b)].giunto && i < v.r.meccanismo[static_cast<std::size_t>(b) + 1].giunto)
        return b;
    return -1;
  };
  double variabile = 0;
  for (int i = 1; i <= v.m.nConciTot; ++i) {
    const int b = blocco(i);
    if (b < 0) continue;
    const auto k = static_cast<std::size_t>(3 * b);
    variabile += -v.m.Conci(i).FVariabile * (w[k + 1] + w[k + 2] * v.m.Conci(i).xFVariabile);
  }
  if (variabile < 0)
    for (double& x : w) x = -x;
  int piene = 0;
  for (int i = 1; i <= v.m.nConciTot; ++i) {
    const Concio& c = v.m.Conci(i);
    if (c.FOrizzontale == 0) continue;
    const int b = blocco(i);
    const auto k = static_cast<std::size_t>(3 * std::max(b, 0));
    // The rate of work of the full pressure: negative where the ring moves into the fill.
    const double lavoro = b < 0 ? 0 : c.FOrizzontale * (w[k] - w[k + 2] * c.yFOrizzontale);
    const double f = l.FPassiva[static_cast<std::size_t>(i - 1)] / (0.5 * c.FOrizzontale);
    const double scala = std::fabs(c.FOrizzontale) * v.m.xMaxStruttura;
    if (f > 1 - 1e-9) {
      EXPECT_LE(lavoro, 1e-9 * scala) << "voussoir " << i << " pushes into the fill";
      ++piene;
    } else if (f < 1e-9) {
      EXPECT_GE(lavoro, -1e-9 * scala) << "voussoir " << i << " moves away from the fill";
    } else {
      EXPECT_NEAR(lavoro, 0, 1e-9 * scala) << "voussoir " << i;
    }
  }
  EXPECT_GT(piene, 0);
}

TEST(Ipotesi, ARingTheDeadLoadAloneCrushesDoesNotStand) {
  DatiProgetto d = Con(prova::ponte(), {0.01f, {}, {}});
  Valutato v(d, 5, true);
  EXPECT_FALSE(v.r.ammissibile);
  EXPECT_EQ(v.r.esitoCarico, EsitoCarico::Impossibile);
  EXPECT_FALSE(v.r.fattoreCarico);
  EXPECT_FALSE(v.r.spintaMinima);
  EXPECT_FALSE(v.r.fattorePeggiore);
  // The geometric factor, Heyman's, is still there.
  EXPECT_TRUE(v.r.rapportoSpessore);
}

}  // namespace
}  // namespace voro
