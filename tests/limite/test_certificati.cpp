// Every figure proven by both theorems: the projects that once failed, random
// projects across the hypotheses with the dense path against CLP alone, the
// limits that more strength, more soil or less friction can only raise, and
// the certificate of a linear program against answers made wrong on purpose.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "analysis/ProgettiCasuali.h"
#include "arch/CaricaConci.h"
#include "arch/CostruisciModello.h"
#include "data/ProjectFile.h"
#include "limite/Cinematica.h"
#include "limite/ElencoCertificati.h"
#include "limite/Valutato.h"
#include "limite/ProgrammaLineare.h"
#include "limite/Valutazione.h"
#include "limite/VerificaStatica.h"

namespace voro {
namespace {

// A project that once failed, kept beside these tests.
DatiProgetto Visto(const std::string& nome) {
  DatiProgetto d;
  RecordingMessages msg;
  LeggiFileProgetto(std::string(VORO_SOURCE_DIR) + "/tests/limite/visti/" + nome, d, msg);
  return d;
}

// Whether every figure of r is certified, and whether any needed CLP.
bool TuttoCertificato(const RisultatiSicurezza& r) {
  for (const FiguraCertificata& f : ElencoCertificati(r, nullptr))
    if (!f.certificato.valido()) return false;
  return true;
}

bool UsaClp(const RisultatiSicurezza& r) {
  for (const FiguraCertificata& f : ElencoCertificati(r, nullptr))
    if (f.certificato.solutore == Solutore::Clp) return true;
  return false;
}

std::string Cerniere(const std::vector<Cerniera>& m) {
  std::string s;
  for (const Cerniera& c : m) s += std::to_string(c.giunto) + (c.faccia == Faccia::Estradosso ? "e " : "i ");
  return s;
}

TEST(Certificati, TheProjectsThatOnceFailedAreAssessedWholeAndEveryFigureCertified) {
  // A singular basis once stopped these two assessments.
  {
    Valutato v(Con(esempio("arco-ribassato-spinta.vro"), {5, {}, 0.5}), 50, true);
    EXPECT_TRUE(TuttoCertificato(v.r));
    EXPECT_TRUE(v.r.fattoreCarico);
  }
  {
    Valutato v(Con(Visto("singular-basis.vro"), {5, 0.6, {}}), 50, true);
    EXPECT_TRUE(TuttoCertificato(v.r));
    ASSERT_TRUE(v.r.ammissibile && v.r.spintaMinima && v.r.spintaMassima);
    EXPECT_NEAR(*v.r.spintaMinima, 54.55, 0.05);
    EXPECT_NEAR(*v.r.spintaMassima, 1364.4, 0.5);
  }
  // A tapered ring springing from the wall's last voussoir, not from the
  // ring's end: its springing joint as wide as that voussoir. The factor was
  // 0.1242, above the exact 0.0995.
  {
    Valutato v(Con(Visto("tapered-crushing.vro"), {2, {}, 0.5}), 0, false);
    EXPECT_TRUE(TuttoCertificato(v.r));
    ASSERT_TRUE(v.r.fattoreCarico);
    EXPECT_NEAR(*v.r.fattoreCarico, 0.0995, 0.0001);
    EXPECT_EQ(Cerniere(v.r.meccanismo), "1i 33e 71i 109e ");
  }
  // A failed program once read as "no line fits" made a soil that resists
  // need a thicker ring than a soil that does not.
  {
    const DatiProgetto d = Visto("tapered-thick-ring.vro");
    Valutato resiste(d, 0, true), inerte(Con(d, {0, {}, 0.0}), 0, true);
    ASSERT_TRUE(resiste.r.spessoreMinimo && inerte.r.spessoreMinimo);
    EXPECT_TRUE(TuttoCertificato(resiste.r) && TuttoCertificato(inerte.r));
    EXPECT_NEAR(*resiste.r.spessoreMinimo, 0.236, 0.001);
    EXPECT_LT(*resiste.r.spessoreMinimo, *inerte.r.spessoreMinimo);
    EXPECT_TRUE(resiste.r.spessoreMonotono && inerte.r.spessoreMonotono);
  }
}

// The hypothesis sets of the random projects: rigid, and finite strength
// with friction and a soil that resists in part, wholly or not at all.
const Ipotesi kIpotesi[] = {{0, {}, {}}, {2, 0.6, 0.5}, {5, 0.4, 1.0}, {10, {}, 0.0}};

TEST(Certificati, OnRandomProjectsEveryFigureIsCertifiedAndCLPAloneGivesTheSame) {
  prova::OpzioniCasuali o;
  int progetti = 0, conClp = 0, clpIncerto = 0;
  for (std::uint64_t seme = 1; seme <= 6; ++seme) {
    for (const Ipotesi& h : kIpotesi) {
      const DatiProgetto d = Con(prova::ProgettoCasuale(seme, o), h);
      Valutato a(d, 5, true), b(d, 5, true, SceltaSolutori::SoloClp);
      SCOPED_TRACE("seed " + std::to_string(seme) + ", fc " + std::to_string(h.fc));
      ++progetti;
      conClp += UsaClp(a.r);
      EXPECT_TRUE(TuttoCertificato(a.r));
      // Only joints that turn or slide are a mechanism's, the fastest at 1.
      double piu = 0;
      for (const Cerniera& c : a.r.meccanismo) {
        EXPECT_GT(c.rotazione, 0);
        piu = std::max(piu, c.rotazione);
      }
      if (!a.r.meccanismo.empty()) {
        EXPECT_GE(piu, 1);
      }
      // CLP alone, without the dense path's answers, certifies less: where
      // it does, the figures are the same.
      if (!TuttoCertificato(b.r)) {
        ++clpIncerto;
        continue;
      }
      // Finite strength: each answer within its chords' tolerance of the exact one.
      const double tol = h.fc > 0 ? 2e-3 : 1e-7;
      auto vicini = [&](const std::optional<double>& x, const std::optional<double>& y, const char* cosa) {
        ASSERT_EQ(x.has_value(), y.has_value()) << cosa;
        if (x) {
          EXPECT_NEAR(*x, *y, tol * std::max(1.0, std::fabs(*y))) << cosa;
        }
      };
      EXPECT_EQ(a.r.ammissibile, b.r.ammissibile);
      EXPECT_EQ(a.r.esitoCarico, b.r.esitoCarico);
      vicini(a.r.fattoreCarico, b.r.fattoreCarico, "live-load factor");
      vicini(a.r.fattorePeggiore, b.r.fattorePeggiore, "worst factor");
      vicini(a.r.spintaMinima, b.r.spintaMinima, "least thrust");
      vicini(a.r.spessoreMinimo, b.r.spessoreMinimo, "least thickness");
      // Rigid masonry: the four-hinge mechanism's virtual work is the factor.
      if (h.fc == 0 && a.r.fattoreCarico && a.r.meccanismo.size() == 4) {
        EXPECT_NEAR(MoltiplicatoreCinematico(ModelloCaricato(d).m, a.r.meccanismo, a.r.lineaCollasso.FPassiva), *a.r.fattoreCarico,
                    1e-7 * *a.r.fattoreCarico);
      }
    }
  }
  EXPECT_LT(conClp, progetti);
  EXPECT_LE(clpIncerto, progetti / 8);
}

TEST(Certificati, MoreStrengthOrMoreSoilNeverLowersAFactorAndFrictionNeverRaisesOne) {
  prova::OpzioniCasuali o;
  o.segmenti = false;
  for (std::uint64_t seme = 21; seme <= 26; ++seme) {
    const DatiProgetto d = prova::ProgettoCasuale(seme, o);
    SCOPED_TRACE("seed " + std::to_string(seme));
    std::optional<double> prima, tPrima;
    // fc growing to unlimited; then the soil mobilised more and more.
    for (const Ipotesi& h : {Ipotesi{2, {}, 0.5}, Ipotesi{5, {}, 0.5}, Ipotesi{10, {}, 0.5}, Ipotesi{0, {}, 0.5},
                             Ipotesi{0, {}, 0.75}, Ipotesi{0, {}, 1.0}}) {
      Valutato v(Con(d, h), 0, true);
      ASSERT_TRUE(TuttoCertificato(v.r));
      if (v.r.fattoreCarico && prima) {
        EXPECT_GE(*v.r.fattoreCarico, *prima * (1 - 1e-3));
      }
      if (v.r.spessoreMinimo && tPrima) {
        EXPECT_LE(*v.r.spessoreMinimo, *tPrima * (1 + 1e-3));
      }
      if (v.r.fattoreCarico) prima = v.r.fattoreCarico;
      if (v.r.spessoreMinimo) tPrima = v.r.spessoreMinimo;
    }
    Valutato libero(Con(d, {5, {}, 0.5}), 0, false), attrito(Con(d, {5, 0.4, 0.5}), 0, false);
    if (attrito.r.fattoreCarico && libero.r.fattoreCarico) {
      EXPECT_LE(*attrito.r.fattoreCarico, *libero.r.fattoreCarico * (1 + 1e-3));
    }
    // Joints that never slide and masonry beyond crushing give the rigid figures.
    Valutato ruvido(Con(d, {0, 1e9, 0.5}), 0, false), rigido(Con(d, {0, {}, 0.5}), 0, false);
    ASSERT_EQ(ruvido.r.fattoreCarico.has_value(), rigido.r.fattoreCarico.has_value());
    if (rigido.r.fattoreCarico) {
      EXPECT_NEAR(*ruvido.r.fattoreCarico, *rigido.r.fattoreCarico, 1e-9 * *rigido.r.fattoreCarico);
    }
  }
}

TEST(Certificati, ALineMovedOffItsEquilibriumOrOutOfTheMasonryIsNoLongerAdmissible) {
  const ModelloCaricato c(esempio("ponte-stradale.vro"));
  const StaticaGiunti st(c.m);
  const auto em = AnalisiLimite(st).LineaMinima(1);
  ASSERT_TRUE(em && em->certificato.valido());
  const Reazione& r = em->reazione;
  EXPECT_LT(Squilibrio(st, r), 1e-12);
  EXPECT_TRUE(LineaAmmissibile(st, {}, r, em->s * (1 + 1e-9)));
  // Within s and not within a smaller fraction: the line touches.
  EXPECT_FALSE(LineaAmmissibile(st, {}, r, em->s * (1 - 1e-6)));
  // A friction below the line's own T/N makes it slide.
  IpotesiMuratura scivola;
  scivola.attrito = 1e-3;
  EXPECT_FALSE(LineaAmmissibile(st, scivola, r, 1));
  // Crushing: fc so low that the springing's normal force exceeds fc b h.
  IpotesiMuratura debole;
  debole.resistenza.assign(st.giunti().size(), 1.0);
  EXPECT_FALSE(LineaAmmissibile(st, debole, r, 1));
}

}  // namespace
}  // namespace voro
