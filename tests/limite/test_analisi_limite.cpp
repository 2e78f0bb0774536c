// The exact limit analysis against physics: equilibrium of every thrust line
// it returns, virtual work of its mechanisms, mirror images, funicular rings,
// Milankovitch's semicircle, and the three-hinge grid search it must bound.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>

#include "analysis/ProgettiProva.h"
#include "arch/CaricaConci.h"
#include "data/ProjectFile.h"
#include "limite/AnalisiLimite.h"
#include "limite/Valutato.h"
#include "limite/Valutazione.h"
#include "Cinematica.h"

namespace voro {
namespace {

const char* const kEsempi[] = {"ponte-stradale.vro", "arco-ribassato-spinta.vro", "volta-semicircolare.vro",
                               "arco-policentrico.vro"};

double caricoTotale(const ModelloArco& m) {
  double W = 0;
  for (int i = 1; i <= m.nConciTot; ++i)
    W += std::fabs(m.Conci(i).FPermanente) + std::fabs(m.Conci(i).FVariabile) + std::fabs(m.Conci(i).FOrizzontale);
  return W;
}

// Every voussoir as a free body: the force across its left joint at the
// line's point there, its own loads (the variable one times the line's
// multiplier), and minus the force across its right joint at the point
// there. The forces balance by construction; the moments balance only if
// the points are right. Each point must lie on its joint (the line through
// the joint's corners) within s times half the depth of its centre.
void ControllaEquilibrio(const ModelloArco& m, const LineaSpinte& l, double s) {
  const double W = caricoTotale(m);
  const double L = m.xMaxStruttura - m.xMinStruttura;
  ASSERT_EQ(static_cast<int>(l.x.size()), m.nGiunti);
  double Fh = l.H, Fv = l.V;
  auto sulGiunto = [&](int j, double xa, double ya, double xb, double yb, double h) {
    const double D = std::hypot(xb - xa, yb - ya);
    const double dist = ((xb - xa) * (l.y[static_cast<std::size_t>(j)] - ya) - (yb - ya) * (l.x[static_cast<std::size_t>(j)] - xa)) / D;
    EXPECT_NEAR(dist, 0, 1e-9 * L) << "joint " << j + 1;
    EXPECT_LE(std::fabs(l.e[static_cast<std::size_t>(j)]), s * h / 2 + 1e-9 * h) << "joint " << j + 1;
  };
  const Concio& c1 = m.Conci(1);
  sulGiunto(0, c1.x(1), c1.y(1), c1.x(4), c1.y(4), std::hypot(c1.x(4) - c1.x(1), c1.y(4) - c1.y(1)));
  for (int i = 1; i <= m.nConciTot; ++i) {
    const Concio& c = m.Conci(i);
    const double x0 = l.x[static_cast<std::size_t>(i - 1)], y0 = l.y[static_cast<std::size_t>(i - 1)];
    const double x1 = l.x[static_cast<std::size_t>(i)], y1 = l.y[static_cast<std::size_t>(i)];
    const double Q = l.fattoreCarico * c.FVariabile;
    // The soil's pressure as the line mobilises it, or as a fixed load.
    const double P = l.FPassiva.empty() ? c.FOrizzontale : l.FPassiva[static_cast<std::size_t>(i - 1)];
    const double Fh2 = Fh + P, Fv2 = Fv - c.FPermanente - Q;
    const double momento = (x0 - x1) * Fv - (y0 - y1) * Fh - (c.xFPermanente - x1) * c.FPermanente -
                           (c.xFVariabile - x1) * Q - (c.yFOrizzontale - y1) * P;
    EXPECT_NEAR(momento, 0, 1e-9 * W * L) << "voussoir " << i;
    EXPECT_NEAR(l.N[static_cast<std::size_t>(i)], Fv2 * c.SinAlfa + Fh2 * c.CosAlfa, 1e-9 * W) << "joint " << i + 1;
    sulGiunto(i, c.x(2), c.y(2), c.x(3), c.y(3), c.hSezioneEff);
    Fh = Fh2, Fv = Fv2;
  }
}


// The same project seen from the other side: segments reversed, the load
// range and the passive groups exchanged.
DatiProgetto Specchia(const DatiProgetto& d) {
  DatiProgetto s = d;
  std::swap(s.nConciSpinta[0], s.nConciSpinta[1]);
  std::swap(s.EccSinistra, s.EccDestra);
  double a = 0, b = d.LuceAnello;
  if (d.nVori > 1) {
    a = d.Vori(1).X1, b = d.Vori(d.nVori).X3;
    for (int i = 1; i <= d.nVori; ++i) {
      const int k = d.nVori + 1 - i;
      const DatiVoro& o = d.Vori(k);
      const double x1 = k == 1 ? o.X1 : d.Vori(k - 1).X3, y1 = k == 1 ? o.Y1 : d.Vori(k - 1).Y3;
      // The segment's own data (thickness, voussoirs, strength) kept.
      DatiVoro& v = s.Vori(i);
      v = o;
      v.X1 = a + b - o.X3, v.Y1 = o.Y3, v.X2 = a + b - o.X2, v.Y2 = o.Y2, v.X3 = a + b - x1, v.Y3 = y1;
    }
  }
  s.xq1 = toSingle(a + b - d.xq2);
  s.xq2 = toSingle(a + b - d.xq1);
  return s;
}

TEST(AnalisiLimite, EveryThrustLineReturnedIsInEquilibriumWithinItsFraction) {
  for (const char* nome : kEsempi) {
    SCOPED_TRACE(nome);
    const OpzioniSicurezza o = Opzioni(0, false);
    Valutato v(esempio(nome), o);
    ASSERT_TRUE(v.r.rapportoSpessore);
    ControllaEquilibrio(v.m, v.r.lineaMinima, *v.r.rapportoSpessore);
    ASSERT_TRUE(v.r.ammissibile);
    ASSERT_TRUE(v.r.spintaMinima && v.r.spintaMassima);
    ControllaEquilibrio(v.m, v.r.lineaSpintaMinima, 1);
    ControllaEquilibrio(v.m, v.r.lineaSpintaMassima, 1);
    EXPECT_LE(*v.r.spintaMinima, *v.r.spintaMassima);
    EXPECT_DOUBLE_EQ(v.r.lineaSpintaMinima.H, *v.r.spintaMinima);
    if (v.r.esitoCarico == EsitoCarico::Finito) ControllaEquilibrio(v.m, v.r.lineaCollasso, 1);
    // The contacts are where the line of least eccentricity meets s h/2.
    EXPECT_GE(v.r.contatti.size(), 4u);
  }
}

TEST(AnalisiLimite, TheLiveLoadFactorIsTheKinematicMultiplierOfItsMechanism) {
  for (const char* nome : kEsempi) {
    SCOPED_TRACE(nome);
    const OpzioniSicurezza o = Opzioni(0, false);
    DatiProgetto d = esempio(nome);
    // As given, the shallow arch's half-span load and the vault's full-span
    // load could never make them collapse alone (see below).
    if (d.SpintaPassiva) d.SpessoreAnello = 0.3f;
    if (d.hRiempimentoSolido > 0) d.xq1 = 0, d.xq2 = 2;
    Valutato v(d, o);
    ASSERT_EQ(v.r.esitoCarico, EsitoCarico::Finito);
    ASSERT_EQ(v.r.meccanismo.size(), 4u);
    for (std::size_t k = 1; k < 4; ++k) EXPECT_LT(v.r.meccanismo[k - 1].giunto, v.r.meccanismo[k].giunto);
    const double lambda = *v.r.fattoreCarico;
    EXPECT_NEAR(MoltiplicatoreCinematico(v.m, v.r.meccanismo, v.r.lineaCollasso.FPassiva), lambda, 1e-8 * lambda);
    // Each hinge turns at the rate the blocks it joins turn apart, the fastest at 1.
    const std::array<double, 9> w = VelocitaBlocchi(v.m, v.r.meccanismo);
    const double rate[] = {std::fabs(w[2]), std::fabs(w[2] - w[5]), std::fabs(w[5] - w[8]), std::fabs(w[8])};
    const double fastest = *std::max_element(std::begin(rate), std::end(rate));
    for (std::size_t k = 0; k < 4; ++k) EXPECT_NEAR(v.r.meccanismo[k].rotazione, rate[k] / fastest, 1e-6) << k;
    // The collapse line passes through its four hinges.
    for (const Cerniera& c : v.r.meccanismo) {
      const double h = c.giunto == 1 ? v.m.Conci(1).hSezioneEff : v.m.Conci(c.giunto - 1).hSezioneEff;
      const double e = v.r.lineaCollasso.e[static_cast<std::size_t>(c.giunto - 1)];
      EXPECT_NEAR(e, c.faccia == Faccia::Estradosso ? h / 2 : -h / 2, 1e-9 * h);
    }
  }
}

TEST(AnalisiLimite, AnArchAndItsMirrorImageAreEquallySafe) {
  // Two segments of different thickness: a transition voussoir and a
  // junction seen from either side.
  DatiProgetto due = prova::dueSegmentiSpinta();
  for (const DatiProgetto& d : {prova::ponte(), due, esempio("arco-ribassato-spinta.vro")}) {
    const OpzioniSicurezza o = Opzioni(11, false);
    Valutato a(d, o), b(Specchia(d), o);
    ASSERT_TRUE(a.r.rapportoSpessore && b.r.rapportoSpessore);
    // Alike up to the single precision in which the voussoirs keep their
    // static moments and the load range.
    EXPECT_NEAR(*a.r.rapportoSpessore, *b.r.rapportoSpessore, 1e-6 * *a.r.rapportoSpessore);
    ASSERT_EQ(a.r.esitoCarico, b.r.esitoCarico);
    ASSERT_EQ(a.r.fattoreCarico.has_value(), b.r.fattoreCarico.has_value());
    if (a.r.fattoreCarico) {
  EXPECT_NEAR(*a.r.fattoreCarico, *b.r.fattoreCarico, 1e-6 * *a.r.fattoreCarico);
    }
    ASSERT_TRUE(a.r.spintaMinima && b.r.spintaMinima);
    if (!d.SpintaPassiva) {
  EXPECT_NEAR(*a.r.spintaMinima, *b.r.spintaMinima, 1e-6 * *a.r.spintaMinima);
    }
    // Soil that resists only as far as it is pushed may leave the mechanism
    // of either side degenerate; its factor is the same all the same.
    if (d.SpintaPassiva) continue;
    ASSERT_EQ(a.r.meccanismo.size(), b.r.meccanismo.size());
    const int n = a.m.nGiunti;
    for (std::size_t k = 0; k < a.r.meccanismo.size(); ++k) {
      const Cerniera& ca = a.r.meccanismo[k];
      const Cerniera& cb = b.r.meccanismo[a.r.meccanismo.size() - 1 - k];
      EXPECT_EQ(ca.giunto, n + 1 - cb.giunto);
      EXPECT_EQ(ca.faccia, cb.faccia);
    }
    // The sweep seen from the other side.
    ASSERT_EQ(a.r.posizioni.size(), b.r.posizioni.size());
    for (std::size_t k = 0; k < a.r.posizioni.size(); ++k) {
      const auto& fa = a.r.posizioni[k].fattore;
      const auto& fb = b.r.posizioni[a.r.posizioni.size() - 1 - k].fattore;
      ASSERT_EQ(fa.has_value(), fb.has_value());
      if (fa) {
        EXPECT_NEAR(*fa, *fb, 1e-4 * *fa);
      }
    }
  }
}

TEST(AnalisiLimite, WithFiniteStrengthFrictionAndSoilTheMirrorImageIsEquallySafe) {
  // Each side's factor lies within the chords' tolerance below the exact one.
  DatiProgetto due = prova::dueSegmentiSpinta();
  due.Mobilitazione = 0.5f;
  for (DatiProgetto d : {prova::ponte(), due}) {
    d.ResistenzaAnello = 3;
    for (int i = 1; i <= d.Vori.size(); ++i) d.Vori(i).Resistenza = 3;
    d.Attrito = 0.6f;
    const OpzioniSicurezza o = Opzioni(7, false);
    Valutato a(d, o), b(Specchia(d), o);
    ASSERT_TRUE(a.r.fattoreCarico && b.r.fattoreCarico);
    EXPECT_NEAR(*a.r.fattoreCarico, *b.r.fattoreCarico, 1e-3 * *a.r.fattoreCarico);
    ASSERT_TRUE(a.r.fattorePeggiore && b.r.fattorePeggiore);
    EXPECT_NEAR(*a.r.fattorePeggiore, *b.r.fattorePeggiore, 1e-3 * *a.r.fattorePeggiore);
    EXPECT_EQ(a.r.ammissibile, b.r.ammissibile);
  }
}

TEST(AnalisiLimite, ARingShapedAsTheFunicularOfItsLoadsNeedsNoDepth) {
  // Two voussoirs: any three points lie on a thrust line. Three voussoirs of
  // a symmetric ring: the symmetric line through the first two joint
  // centres reaches the other two.
  // (Symmetric up to the single precision of the voussoirs' static moments.)
  for (Single n : {2.0f, 3.0f}) {
    Valutato v(prova::anello(10, 4, 0.5f, n));
    ASSERT_TRUE(v.r.rapportoSpessore);
    if (n == 2) {
      EXPECT_EQ(*v.r.rapportoSpessore, 0);
      EXPECT_FALSE(v.r.fattoreGeometrico);
    }
    EXPECT_LT(*v.r.rapportoSpessore, 1e-6);
    ControllaEquilibrio(v.m, v.r.lineaMinima, *v.r.rapportoSpessore + 1e-9);
  }
  // Four voussoirs: the fill's unit weight that makes the polygon of the
  // joint centres a funicular polygon of the loads.
  auto scarto = [](double gamma) {
    DatiProgetto d = prova::anello(10, 3, 0.5f, 4);
    d.PesoRiempimento = toSingle(gamma);
    const ModelloCaricato c(d);
    const ModelloArco& m = c.m;
    const StaticaGiunti st(m);
    const auto& g = st.giunti();
    double W = 0;
    for (int i = 1; i <= m.nConciTot; ++i) W += m.Conci(i).FPermanente;
    const double V = W / 2, H = -(g[1].mV * V + g[1].m0) / g[1].mH;
    return g[2].mH * H + g[2].mV * V + g[2].m0;
  };
  double lo = 0, hi = 20;
  ASSERT_LT(scarto(lo) * scarto(hi), 0);
  for (int k = 0; k < 200 && hi - lo > 1e-12; ++k) {
    const double mid = (lo + hi) / 2;
    (scarto(lo) * scarto(mid) <= 0 ? hi : lo) = mid;
  }
  DatiProgetto d = prova::anello(10, 3, 0.5f, 4);
  d.PesoRiempimento = toSingle(lo);
  Valutato v(d);
  ASSERT_TRUE(v.r.rapportoSpessore);
  EXPECT_LT(*v.r.rapportoSpessore, 1e-5);
  ControllaEquilibrio(v.m, v.r.lineaMinima, *v.r.rapportoSpessore + 1e-9);
}

TEST(AnalisiLimite, MilankovitchSemicircleUnderItsOwnWeight) {
  // One semicircular ring, radial joints, 400 voussoirs, masonry only; the
  // backing below the springings so that the ring is the whole semicircle.
  DatiProgetto d = prova::anello(10, 5, 0.6f, 400);
  Valutato v(d);
  ASSERT_EQ(v.m.nConciTot, 400);
  EXPECT_EQ(v.m.nConciPareteSinistra + v.m.nConciPareteDestra, 0);
  EXPECT_NEAR(v.m.Conci(1).x(1), 0, 1e-9);
  EXPECT_NEAR(v.m.Conci(400).x(2), 10, 1e-9);
  EXPECT_NEAR(v.m.Conci(1).y(1), 0, 1e-9);
  EXPECT_NEAR(v.m.Conci(400).y(2), 0, 1e-9);
  ASSERT_TRUE(v.r.spessoreMinimo);
  const double t = *v.r.spessoreMinimo;
  const double R = 5 + t / 2;
  EXPECT_NEAR(t / R, 0.1075, 0.002 * 0.1075) << "t/R = " << t / R;
  // Five hinges: extrados at the crown and the springings, intrados at the haunches.
  int reni = 0;
  for (const Cerniera& c : v.r.contattiSpessoreMinimo) {
    if (c.faccia != Faccia::Intradosso) continue;
    const Concio& k = v.m.Conci(c.giunto - 1);
    const double dallaChiave = std::fabs(k.Alfa) * 180 / kPi;
    EXPECT_NEAR(dallaChiave, 54.5, 1.0) << "joint " << c.giunto;
    ++reni;
  }
  EXPECT_GE(reni, 2);
  EXPECT_NEAR(*v.r.fattoreSpessore, 0.6 / t, 1e-6);
}

// The fraction of the depth a three-hinged thrust line needs: the largest
// |e| / (h/2) over the joints, infinite with a joint in tension.
double RapportoTreCerniere(prova::Caso& c, double e1, double e2, double e3) {
  Calcolo k = c.calcolo();
  k.PosizionaCerniere(e1, e2, e3);
  double V = 0, H = 0;
  try {
    k.ReazioniCerniere(V, H);
    k.Funicolare(V, H);
  } catch (const RuntimeError&) {
    return std::numeric_limits<double>::infinity();
  }
  if (c.risultati.NPrimaSezione <= 0) return std::numeric_limits<double>::infinity();
  double r = std::fabs(e1) / (c.modello.Conci(1).hSezioneEff / 2);
  for (int i = 1; i <= c.modello.nConciTot; ++i) {
    const Concio& v = c.modello.Conci(i);
    if (v.Fassiale <= 0) return std::numeric_limits<double>::infinity();
    r = std::max(r, std::fabs(v.Eccentric) / (v.hSezioneEff / 2));
  }
  return r;
}

TEST(AnalisiLimite, NoThreeHingedLineNeedsLessDepthThanTheExactOne) {
  for (const char* nome : kEsempi) {
    SCOPED_TRACE(nome);
    const OpzioniSicurezza o = Opzioni(0, false);
    Valutato v(esempio(nome), o);
    const double s = *v.r.rapportoSpessore;
    prova::Caso c(v.d);
    c.risolvi();
    const double h1 = c.modello.hSinistra, h2 = c.modello.hChiave, h3 = c.modello.hDestra;
    const int n = 11;
    double migliore = std::numeric_limits<double>::infinity();
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j)
        for (int k = 0; k < n; ++k) {
          const double e1 = h1 * (i - 5) / 10.0, e2 = h2 * (j - 5) / 10.0, e3 = h3 * (k - 5) / 10.0;
          migliore = std::min(migliore, RapportoTreCerniere(c, e1, e2, e3));
        }
    EXPECT_GE(migliore, s - 1e-9);
    const double ottimo = RapportoTreCerniere(c, c.risultati.EccCalcSinistra, c.risultati.EccCalcChiave,
                                              c.risultati.EccCalcDestra);
    EXPECT_GE(ottimo, s - 1e-9);
    // The solved three-hinged line, when it fits, has a thrust within the range.
    c.risolvi();
    if (ottimo <= 1) {
      const double H = c.risultati.HSinistra;
      EXPECT_GE(H, *v.r.spintaMinima - 1e-6 * std::fabs(H));
      EXPECT_LE(H, *v.r.spintaMassima + 1e-6 * std::fabs(H));
    }
  }
}

TEST(AnalisiLimite, WhatNoThrustLineFitsIsSaidWithoutFailing) {
  // A semicircle a twentieth of the needed depth: s > 1, no range, no factor.
  DatiProgetto d = prova::anello(10, 5, 0.03f, 40);
  d.qCarico = 10;
  d.xq1 = 2;
  d.xq2 = 4;
  Valutato v(d, 5, true);
  ASSERT_TRUE(v.r.rapportoSpessore);
  EXPECT_GT(*v.r.rapportoSpessore, 1);
  EXPECT_FALSE(v.r.ammissibile);
  EXPECT_LT(*v.r.fattoreGeometrico, 1);
  EXPECT_FALSE(v.r.spintaMinima);
  EXPECT_FALSE(v.r.spintaMassima);
  EXPECT_EQ(v.r.esitoCarico, EsitoCarico::Impossibile);
  EXPECT_FALSE(v.r.fattoreCarico);
  EXPECT_FALSE(v.r.fattorePeggiore);
  EXPECT_EQ(v.r.posizioni.size(), 5u);
  ASSERT_TRUE(v.r.spessoreMinimo);
  EXPECT_GT(*v.r.spessoreMinimo, 0.03);
  EXPECT_LT(*v.r.fattoreSpessore, 1);
  EXPECT_TRUE(v.msg.empty());
}

// The fraction of the depth the thrust line of the variable load alone
// needs: at most 1 exactly when growing the variable load without end never
// makes the arch collapse.
double SoloVariabile(ModelloArco m) {
  for (int i = 1; i <= m.nConciTot; ++i) m.Conci(i).FPermanente = 0, m.Conci(i).FOrizzontale = 0;
  const StaticaGiunti st(m);
  const auto em = AnalisiLimite(st).LineaMinima(1);
  return em ? em->s : std::numeric_limits<double>::infinity();
}

TEST(AnalisiLimite, NoLiveLoadAndALoadThatCanNeverCollapseHaveNoFactor) {
  Valutato senza(prova::anello(10, 3, 0.5f, 20));
  EXPECT_EQ(senza.r.esitoCarico, EsitoCarico::NessunCarico);
  EXPECT_FALSE(senza.r.fattoreCarico);
  EXPECT_TRUE(senza.r.posizioni.empty());
  // A deep flat arch: the live load near the crown finds a straight thrust
  // line to each springing however large it grows.
  DatiProgetto d = prova::anello(4, 0.4f, 2, 20);
  d.qCarico = 50;
  d.xq1 = 1.9f;
  d.xq2 = 2.1f;
  const OpzioniSicurezza o = Opzioni(0, false);
  Valutato piatto(d, o);
  EXPECT_EQ(piatto.r.esitoCarico, EsitoCarico::Illimitato);
  EXPECT_FALSE(piatto.r.fattoreCarico);
  EXPECT_TRUE(piatto.r.meccanismo.empty());
  EXPECT_LE(SoloVariabile(piatto.m), 1);
  // Nor has its thrust an upper bound: a straight line fits however hard it pushes.
  EXPECT_TRUE(piatto.r.spintaMinima);
  EXPECT_TRUE(piatto.r.spintaMassimaIllimitata);
  EXPECT_FALSE(piatto.r.spintaMassima);
  // So with the bundled vault under its full-span load, and the reverse:
  // where a factor exists, the variable load alone has no line that fits.
  Valutato volta(esempio("volta-semicircolare.vro"), o);
  EXPECT_EQ(volta.r.esitoCarico, EsitoCarico::Illimitato);
  EXPECT_LE(SoloVariabile(volta.m), 1);
  Valutato ponte(prova::ponte(), o);
  EXPECT_EQ(ponte.r.esitoCarico, EsitoCarico::Finito);
  EXPECT_GT(SoloVariabile(ponte.m), 1);
  EXPECT_FALSE(ponte.r.spintaMassimaIllimitata);
  EXPECT_TRUE(ponte.r.spintaMassima);
}

// Three positions of a long strip on two segments, the left one thinner: the
// least sampled factor is at one end, the least of all between it and its
// neighbour. Refined there, the coarse sweep finds what a sweep thirteen
// times finer finds, on the arch and on its mirror image alike.
TEST(AnalisiLimite, ACoarseSweepRefinedFindsTheLeastFactorOfAFineOneFromEitherSide) {
  DatiProgetto d = prova::dueSegmenti(0.4, 0.6);
  d.qCarico = 15;
  d.xq1 = 0;
  d.xq2 = 6;
  for (const DatiProgetto& p : {d, Specchia(d)}) {
    const Valutato grosso(p, Opzioni(3, false)), fine(p, Opzioni(41, false));
    ASSERT_TRUE(grosso.r.fattorePeggiore && fine.r.fattorePeggiore);
    double campionato = 1e300;
    for (const PosizioneCarico& q : grosso.r.posizioni)
      if (q.fattore) campionato = std::min(campionato, *q.fattore);
    EXPECT_LT(*grosso.r.fattorePeggiore, campionato * (1 - 1e-3));
    EXPECT_NEAR(*grosso.r.fattorePeggiore, *fine.r.fattorePeggiore, 1e-6 * *fine.r.fattorePeggiore);
  }
}

// The Safety window's bar: one step a position, one for the least
// thickness, and the last step at the total.
TEST(AnalisiLimite, TheProgressCountsEveryPositionAndTheThicknessAndEndsAtItsTotal) {
  for (const bool spessore : {false, true}) {
    OpzioniSicurezza o = Opzioni(5, spessore);
    std::vector<std::pair<int, int>> passi;
    o.avanzamento = [&](int k, int n) { passi.emplace_back(k, n); };
    Valutato v(prova::ponte(), o);
    const int totale = spessore ? 6 : 5;
    ASSERT_EQ(passi.size(), static_cast<std::size_t>(totale)) << spessore;
    for (int k = 1; k <= totale; ++k) EXPECT_EQ(passi[static_cast<std::size_t>(k - 1)], std::make_pair(k, totale));
  }
}

TEST(AnalisiLimite, TheSweepRunsFromEndToEndAndKeepsTheFirstLeast) {
  DatiProgetto d = prova::ponte();
  d.SporgenzaParete = 0.4f;  // the structure starts left of the springing
  const OpzioniSicurezza o = Opzioni(21, false);
  Valutato v(d, o);
  ASSERT_EQ(v.r.posizioni.size(), 21u);
  const double Lq = v.r.lunghezzaCarico;
  EXPECT_NEAR(Lq, 4, 1e-6);
  EXPECT_EQ(v.r.posizioni.front().xq1, v.m.xMinStruttura);
  EXPECT_EQ(v.r.posizioni.back().xq2, v.m.xMaxStruttura);
  const double passo = (v.m.xMaxStruttura - v.m.xMinStruttura - Lq) / 20;
  double minimo = 1e300;
  Single xPeggiore = 0;
  for (std::size_t k = 0; k < 21; ++k) {
    const PosizioneCarico& p = v.r.posizioni[k];
    EXPECT_NEAR(p.xq1, v.m.xMinStruttura + passo * static_cast<double>(k), 1e-5);
    EXPECT_NEAR(p.xq2 - p.xq1, Lq, 1e-5);
    // Near the crown the strip alone never makes the ring collapse.
    if (k < 5 || k > 15) {
      EXPECT_TRUE(p.fattore);
    }
    if (p.fattore && *p.fattore < minimo) minimo = *p.fattore, xPeggiore = p.xq1;
  }
  // Refined between the least sample's neighbours: never above it.
  EXPECT_LE(*v.r.fattorePeggiore, minimo);
  EXPECT_NEAR(*v.r.xq1Peggiore, xPeggiore, passo);
  minimo = *v.r.fattorePeggiore;
  // The project's own position is no worse than the worst.
  EXPECT_GE(*v.r.fattoreCarico, minimo);
  // The model is left loaded as the project loads it.
  const ModelloCaricato caricato(d);
  for (int i = 1; i <= caricato.m.nConciTot; ++i) EXPECT_EQ(caricato.m.Conci(i).FVariabile, v.m.Conci(i).FVariabile);
  // The mechanism of the worst position: the strip placed there, its
  // hinges turn the arch into a mechanism at the least factor, and its
  // collapse line balances every voussoir and passes through them.
  ASSERT_EQ(v.r.meccanismoPeggiore.size(), 4u);
  DatiProgetto peggiore = d;
  peggiore.xq1 = *v.r.xq1Peggiore;
  peggiore.xq2 = *v.r.xq2Peggiore;
  const ModelloCaricato caricoPeggiore(peggiore);
  const ModelloArco& mp = caricoPeggiore.m;
  EXPECT_NEAR(MoltiplicatoreCinematico(mp, v.r.meccanismoPeggiore), minimo, 1e-8 * minimo);
  ControllaEquilibrio(mp, v.r.lineaCollassoPeggiore, 1);
  for (const Cerniera& c : v.r.meccanismoPeggiore) {
    const double h = c.giunto == 1 ? mp.Conci(1).hSezioneEff : mp.Conci(c.giunto - 1).hSezioneEff;
    EXPECT_NEAR(v.r.lineaCollassoPeggiore.e[static_cast<std::size_t>(c.giunto - 1)],
                c.faccia == Faccia::Estradosso ? h / 2 : -h / 2, 1e-9 * h);
  }
  // A strip over the whole structure has a single position.
  d.xq1 = -100;
  d.xq2 = 100;
  Valutato tutto(d, o);
  ASSERT_EQ(tutto.r.posizioni.size(), 1u);
  EXPECT_EQ(tutto.r.posizioni[0].xq1, tutto.m.xMinStruttura);
  EXPECT_EQ(tutto.r.posizioni[0].xq2, tutto.m.xMaxStruttura);
  // There the worst mechanism is the project's own.
  EXPECT_EQ(tutto.r.meccanismoPeggiore, tutto.r.meccanismo);
}

}  // namespace
}  // namespace voro
