// The exact limit analysis against physics: equilibrium, virtual work, mirror images and closed forms.
#include <gtest/gtest.h>

#include "analysis/ProgettiCasuali.h"
#include "limite/AnalisiLimite.h"
#include "limite/Valutato.h"
#include "Cinematica.h"

namespace voro {
namespace {

const char* const kEsempi[] = {"ponte-stradale.vro", "arco-ribassato-spinta.vro", "volta-semicircolare.vro",
                               "arco-policentrico.vro"};

double En(const std::vector<double>& v, int i) { return v[static_cast<std::size_t>(i)]; }

// Every voussoir as a free body: the force across each joint at the line's point there and its own
// loads (the live one times the line's factor, the soil's as mobilised or fixed). The forces balance by
// construction, the moments only if the points are right; each lies on its joint within s h / 2.
void ControllaEquilibrio(const ModelloArco& m, const LineaSpinte& l, double s) {
  double W = 0, Fh = l.H, Fv = l.V;
  for (int i = 1; i <= m.nConciTot; ++i)
    W += std::fabs(m.Conci(i).FPermanente) + std::fabs(m.Conci(i).FVariabile) + std::fabs(m.Conci(i).FOrizzontale);
  const double L = m.xMaxStruttura - m.xMinStruttura;
  ASSERT_EQ(static_cast<int>(l.x.size()), m.nGiunti);
  auto sulGiunto = [&](int j, double xa, double ya, double xb, double yb, double h) {
    const double dist = ((xb - xa) * (En(l.y, j) - ya) - (yb - ya) * (En(l.x, j) - xa)) / std::hypot(xb - xa, yb - ya);
    EXPECT_NEAR(dist, 0, 1e-9 * L) << "joint " << j + 1;
    EXPECT_LE(std::fabs(En(l.e, j)), s * h / 2 + 1e-9 * h) << "joint " << j + 1;
  };
  const Concio& c1 = m.Conci(1);
  sulGiunto(0, c1.x(1), c1.y(1), c1.x(4), c1.y(4), std::hypot(c1.x(4) - c1.x(1), c1.y(4) - c1.y(1)));
  for (int i = 1; i <= m.nConciTot; ++i) {
    const Concio& c = m.Conci(i);
    const double x0 = En(l.x, i - 1), y0 = En(l.y, i - 1), x1 = En(l.x, i), y1 = En(l.y, i);
    const double Q = l.fattoreCarico * c.FVariabile, P = l.FPassiva.empty() ? c.FOrizzontale : En(l.FPassiva, i - 1);
    const double momento = (x0 - x1) * Fv - (y0 - y1) * Fh - (c.xFPermanente - x1) * c.FPermanente -
                           (c.xFVariabile - x1) * Q - (c.yFOrizzontale - y1) * P;
    EXPECT_NEAR(momento, 0, 1e-9 * W * L) << "voussoir " << i;
    Fh += P, Fv -= c.FPermanente + Q;
    EXPECT_NEAR(En(l.N, i), Fv * c.SinAlfa + Fh * c.CosAlfa, 1e-9 * W) << "joint " << i + 1;
    sulGiunto(i, c.x(2), c.y(2), c.x(3), c.y(3), c.hSezioneEff);
  }
}

// The collapse line passes through every hinge of its mechanism, on its face.
void PassaPerLeCerniere(const ModelloArco& m, const LineaSpinte& l, const std::vector<Cerniera>& meccanismo) {
  for (const Cerniera& c : meccanismo) {
    const double h = m.Conci(std::max(1, c.giunto - 1)).hSezioneEff;
    EXPECT_NEAR(En(l.e, c.giunto - 1), c.faccia == Faccia::Estradosso ? h / 2 : -h / 2, 1e-9 * h);
  }
}

// The fraction of the depth a three-hinged thrust line needs: the largest
// |e| / (h/2) over the joints, infinite with a joint in tension.
double RapportoTreCerniere(prova::Caso& c, double e1, double e2, double e3) {
  const double inf = std::numeric_limits<double>::infinity();
  Calcolo k = c.calcolo();
  k.PosizionaCerniere(e1, e2, e3);
  double V = 0, H = 0;
  try {
    k.ReazioniCerniere(V, H);
    k.Funicolare(V, H);
  } catch (const RuntimeError&) {
    return inf;
  }
  if (c.risultati.NPrimaSezione <= 0) return inf;
  double r = std::fabs(e1) / (c.modello.Conci(1).hSezioneEff / 2);
  for (int i = 1; i <= c.modello.nConciTot; ++i) {
    const Concio& v = c.modello.Conci(i);
    if (v.Fassiale <= 0) return inf;
    r = std::max(r, std::fabs(v.Eccentric) / (v.hSezioneEff / 2));
  }
  return r;
}

// On every bundled example: every line balances every voussoir, no three-hinged line needs less depth,
// and, loaded so that it can collapse, the factor is the virtual work's of its mechanism.
TEST(AnalisiLimite, EveryLineBalancesAndEveryFactorIsTheVirtualWorkOfItsMechanism) {
  for (const char* nome : kEsempi) {
    SCOPED_TRACE(nome);
    Valutato v(esempio(nome), 0, false);
    ASSERT_TRUE(v.r.rapportoSpessore && v.r.ammissibile && v.r.spintaMinima && v.r.spintaMassima);
    const double s = *v.r.rapportoSpessore;
    ControllaEquilibrio(v.m, v.r.lineaMinima, s);
    ControllaEquilibrio(v.m, v.r.lineaSpintaMinima, 1);
    ControllaEquilibrio(v.m, v.r.lineaSpintaMassima, 1);
    EXPECT_LE(*v.r.spintaMinima, *v.r.spintaMassima);
    EXPECT_DOUBLE_EQ(v.r.lineaSpintaMinima.H, *v.r.spintaMinima);
    if (v.r.esitoCarico == EsitoCarico::Finito) ControllaEquilibrio(v.m, v.r.lineaCollasso, 1);
    EXPECT_GE(v.r.contatti.size(), 4u);  // where the line of least eccentricity meets s h/2
    prova::Caso c(v.d);
    c.risolvi();
    const double h1 = c.modello.hSinistra, h2 = c.modello.hChiave, h3 = c.modello.hDestra;
    double migliore = std::numeric_limits<double>::infinity();
    for (int i = 0; i < 11; ++i)
      for (int j = 0; j < 11; ++j)
        for (int k = 0; k < 11; ++k)
          migliore = std::min(migliore, RapportoTreCerniere(c, h1 * (i - 5) / 10.0, h2 * (j - 5) / 10.0, h3 * (k - 5) / 10.0));
    EXPECT_GE(migliore, s - 1e-9);
    const double ottimo = RapportoTreCerniere(c, c.risultati.EccCalcSinistra, c.risultati.EccCalcChiave,
                                              c.risultati.EccCalcDestra);
    EXPECT_GE(ottimo, s - 1e-9);
    // The solved three-hinged line, when it fits, has a thrust within the range.
    c.risolvi();
    if (ottimo <= 1) {
      const double H = c.risultati.HSinistra;
      EXPECT_TRUE(H >= *v.r.spintaMinima - 1e-6 * std::fabs(H) && H <= *v.r.spintaMassima + 1e-6 * std::fabs(H)) << H;
    }
    // As given, the shallow arch's and the vault's loads could never make them collapse (see below).
    DatiProgetto d = esempio(nome);
    if (d.SpintaPassiva) d.SpessoreAnello = 0.3f;
    if (d.hRiempimentoSolido > 0) d.xq1 = 0, d.xq2 = 2;
    Valutato u(d, 0, false);
    ASSERT_TRUE(u.r.esitoCarico == EsitoCarico::Finito && u.r.meccanismo.size() == 4u);
    for (std::size_t k = 1; k < 4; ++k) EXPECT_LT(u.r.meccanismo[k - 1].giunto, u.r.meccanismo[k].giunto);
    const double lambda = *u.r.fattoreCarico;
    const Moto moto = Cinematismo(StaticaGiunti(u.m), u.r.meccanismo, u.r.lineaCollasso.FPassiva);
    EXPECT_NEAR(moto.fattore, lambda, 1e-8 * lambda);
    // Each hinge turns at the rate the blocks it joins turn apart, the fastest at 1.
    for (std::size_t k = 0; k < 4; ++k) EXPECT_NEAR(u.r.meccanismo[k].rotazione, moto.rotazioni[k], 1e-6) << k;
    PassaPerLeCerniere(u.m, u.r.lineaCollasso, u.r.meccanismo);
  }
}

// Rigid, and with finite strength, friction and soil, where each side's
// factor lies within the chords' tolerance below the exact one.
TEST(AnalisiLimite, AnArchAndItsMirrorImageAreEquallySafe) {
  const DatiProgetto due = prova::dueSegmentiSpinta();  // a transition voussoir and a junction
  struct Caso {
    DatiProgetto d;
    int posizioni;
    double tol;
  };
  for (const Caso& c : {Caso{prova::ponte(), 11, 1e-6}, Caso{due, 11, 1e-6},
                        Caso{esempio("arco-ribassato-spinta.vro"), 11, 1e-6},
                        Caso{Con(prova::ponte(), {3, 0.6, {}}), 7, 1e-3}, Caso{Con(due, {3, 0.6, 0.5}), 7, 1e-3}}) {
    SCOPED_TRACE(c.tol);
    Valutato a(c.d, c.posizioni, false), b(prova::Specchio(c.d), c.posizioni, false);
    // Alike up to the single precision of the voussoirs' static moments and the load range.
    StesseCifre(a.r, b.r, c.tol, {kRapportoSpessore, kFattoreCarico, kFattorePeggiore});
    ASSERT_TRUE(a.r.spintaMinima && b.r.spintaMinima && (c.tol < 1e-3 || (a.r.fattoreCarico && a.r.fattorePeggiore)));
    EXPECT_TRUE(a.r.esitoCarico == b.r.esitoCarico && a.r.ammissibile == b.r.ammissibile);
    // Soil that resists only as far as it is pushed may leave the mechanism
    // of either side degenerate; its factor is the same all the same.
    if (c.d.SpintaPassiva || c.tol > 1e-6) continue;
    Vicini(a.r.spintaMinima, b.r.spintaMinima, 1e-6);
    ASSERT_EQ(a.r.meccanismo.size(), b.r.meccanismo.size());
    for (std::size_t k = 0; k < a.r.meccanismo.size(); ++k) {
      const Cerniera& cb = b.r.meccanismo[a.r.meccanismo.size() - 1 - k];
      EXPECT_EQ(a.r.meccanismo[k].giunto, a.m.nGiunti + 1 - cb.giunto);
      EXPECT_EQ(a.r.meccanismo[k].faccia, cb.faccia);
    }
    // The sweep seen from the other side.
    ASSERT_EQ(a.r.posizioni.size(), b.r.posizioni.size());
    for (std::size_t k = 0; k < a.r.posizioni.size(); ++k)
      Vicini(a.r.posizioni[k].fattore, b.r.posizioni[a.r.posizioni.size() - 1 - k].fattore, 1e-4);
  }
}

TEST(AnalisiLimite, ARingShapedAsTheFunicularOfItsLoadsNeedsNoDepth) {
  // Two voussoirs: any three points lie on a thrust line. Three of a symmetric ring: the symmetric line
  // through the first two joint centres reaches the other two (up to single precision).
  for (Single n : {2.0f, 3.0f}) {
    Valutato v(prova::anello(10, 4, 0.5f, n));
    ASSERT_TRUE(v.r.rapportoSpessore);
    EXPECT_TRUE(n == 3 || (*v.r.rapportoSpessore == 0 && !v.r.fattoreGeometrico));
    EXPECT_LT(*v.r.rapportoSpessore, 1e-6);
    ControllaEquilibrio(v.m, v.r.lineaMinima, *v.r.rapportoSpessore + 1e-9);
  }
  // Four voussoirs: the fill's unit weight that makes the polygon of the
  // joint centres a funicular polygon of the loads.
  auto scarto = [](double gamma) {
    DatiProgetto d = prova::anello(10, 3, 0.5f, 4);
    d.PesoRiempimento = toSingle(gamma);
    const ModelloCaricato c(d);
    const StaticaGiunti st(c.m);
    const auto& g = st.giunti();
    double W = 0;
    for (int i = 1; i <= c.m.nConciTot; ++i) W += c.m.Conci(i).FPermanente;
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
  // Radial joints, masonry only, the backing below the springings: the whole semicircle.
  Valutato v(prova::anello(10, 5, 0.6f, 400));
  ASSERT_TRUE(v.m.nConciTot == 400 && v.m.nConciPareteSinistra + v.m.nConciPareteDestra == 0 && v.r.spessoreMinimo);
  EXPECT_NEAR(std::hypot(v.m.Conci(1).x(1), v.m.Conci(1).y(1)) + std::hypot(v.m.Conci(400).x(2) - 10, v.m.Conci(400).y(2)), 0,
              1e-9);
  const double t = *v.r.spessoreMinimo, R = 5 + t / 2;
  EXPECT_NEAR(t / R, 0.1075, 0.002 * 0.1075) << "t/R = " << t / R;
  // Five hinges: extrados at the crown and the springings, intrados at the haunches.
  int reni = 0;
  for (const Cerniera& c : v.r.contattiSpessoreMinimo) {
    if (c.faccia != Faccia::Intradosso) continue;
    EXPECT_NEAR(std::fabs(v.m.Conci(c.giunto - 1).Alfa) * 180 / kPi, 54.5, 1.0) << "joint " << c.giunto;
    ++reni;
  }
  EXPECT_GE(reni, 2);
  EXPECT_NEAR(*v.r.fattoreSpessore, 0.6 / t, 1e-6);
}

// A semicircle a twentieth of the depth it needs, and a ring its dead load alone crushes: no range, no
// factor, yet Heyman's geometric factor and the least thickness, every figure stated certified.
TEST(AnalisiLimite, WhatNoThrustLineFitsIsSaidWithoutFailing) {
  const Valutato sottile(Striscia(prova::anello(10, 5, 0.03f, 40), 10, 2, 4), 5, true),
      schiacciato(Con(prova::ponte(), {0.01, {}, {}}), 5, true);
  for (const Valutato* v : {&sottile, &schiacciato}) {
    ASSERT_TRUE(v->r.rapportoSpessore && v->r.fattoreMinimo);
    EXPECT_GT(*v->r.fattoreMinimo, 1);
    EXPECT_FALSE(v->r.ammissibile || v->r.spintaMinima || v->r.spintaMassima || v->r.fattoreCarico || v->r.fattorePeggiore);
    EXPECT_EQ(v->r.esitoCarico, EsitoCarico::Impossibile);
    EXPECT_EQ(v->r.posizioni.size(), 5u);
    EXPECT_TRUE(v->msg.empty() && TuttoCertificato(v->r));
  }
  EXPECT_TRUE(*sottile.r.rapportoSpessore > 1 && *sottile.r.fattoreGeometrico < 1);
}

// The fraction of the depth the line of the variable load alone needs: at most 1 exactly when growing
// the variable load without end never makes the arch collapse.
double SoloVariabile(ModelloArco m) {
  for (int i = 1; i <= m.nConciTot; ++i) m.Conci(i).FPermanente = 0, m.Conci(i).FOrizzontale = 0;
  const auto em = AnalisiLimite(StaticaGiunti(m)).LineaMinima(1);
  return em ? em->s : std::numeric_limits<double>::infinity();
}

TEST(AnalisiLimite, NoLiveLoadAndALoadThatCanNeverCollapseHaveNoFactor) {
  Valutato senza(prova::anello(10, 3, 0.5f, 20));
  EXPECT_EQ(senza.r.esitoCarico, EsitoCarico::NessunCarico);
  EXPECT_TRUE(!senza.r.fattoreCarico && senza.r.posizioni.empty());
  // A deep flat arch: the live load near the crown finds a straight line to each springing however large
  // it grows, and however hard the thrust pushes.
  Valutato piatto(Striscia(prova::anello(4, 0.4f, 2, 20), 50, 1.9f, 2.1f), 0, false);
  EXPECT_EQ(piatto.r.esitoCarico, EsitoCarico::Illimitato);
  EXPECT_FALSE(piatto.r.fattoreCarico || piatto.r.spintaMassima || !piatto.r.meccanismo.empty());
  EXPECT_LE(SoloVariabile(piatto.m), 1);
  EXPECT_TRUE(piatto.r.spintaMinima && piatto.r.spintaMassimaIllimitata);
  // So with the bundled vault under its full-span load, and the reverse:
  // where a factor exists, the variable load alone has no line that fits.
  Valutato volta(esempio("volta-semicircolare.vro"), 0, false);
  EXPECT_EQ(volta.r.esitoCarico, EsitoCarico::Illimitato);
  EXPECT_LE(SoloVariabile(volta.m), 1);
  Valutato ponte(prova::ponte(), 0, false);
  EXPECT_EQ(ponte.r.esitoCarico, EsitoCarico::Finito);
  EXPECT_GT(SoloVariabile(ponte.m), 1);
  EXPECT_TRUE(!ponte.r.spintaMassimaIllimitata && ponte.r.spintaMassima);
  // However light, a load that can collapse the ring has its factor: the same collapse load.
  Valutato lieve(Striscia(prova::ponte(), 0.01f, 2, 6), 0, false);
  ASSERT_TRUE(ponte.r.fattoreCarico && lieve.r.fattoreCarico);
  const double collasso = *ponte.r.fattoreCarico * 10;  // kN/m2
  EXPECT_NEAR(*lieve.r.fattoreCarico * static_cast<double>(0.01f), collasso, 1e-7 * collasso);
}

// Three positions of a long strip on two segments, the left one thinner: refined next to the least
// sample, the coarse sweep finds what one thirteen times finer finds, from either side.
TEST(AnalisiLimite, ACoarseSweepRefinedFindsTheLeastFactorOfAFineOneFromEitherSide) {
  const DatiProgetto d = Striscia(prova::dueSegmenti(0.4, 0.6), 15, 0, 6);
  for (const DatiProgetto& p : {d, prova::Specchio(d)}) {
    const Valutato grosso(p, 3, false), fine(p, 41, false);
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
  Valutato v(d, 21, false);
  ASSERT_EQ(v.r.posizioni.size(), 21u);
  const double Lq = v.r.lunghezzaCarico;
  EXPECT_NEAR(Lq, 4, 1e-6);
  EXPECT_TRUE(v.r.posizioni.front().xq1 == v.m.xMinStruttura && v.r.posizioni.back().xq2 == v.m.xMaxStruttura);
  const double passo = (v.m.xMaxStruttura - v.m.xMinStruttura - Lq) / 20;
  double minimo = 1e300;
  Single xPeggiore = 0;
  for (std::size_t k = 0; k < 21; ++k) {
    const PosizioneCarico& p = v.r.posizioni[k];
    EXPECT_NEAR(p.xq1, v.m.xMinStruttura + passo * static_cast<double>(k), 1e-5);
    EXPECT_NEAR(p.xq2 - p.xq1, Lq, 1e-5);
    // Near the crown the strip alone never makes the ring collapse.
    EXPECT_TRUE(p.fattore || (k >= 5 && k <= 15)) << k;
    if (p.fattore && *p.fattore < minimo) minimo = *p.fattore, xPeggiore = p.xq1;
  }
  // Refined between the least sample's neighbours: never above it; the
  // project's own position is no worse than the worst.
  EXPECT_LE(*v.r.fattorePeggiore, minimo);
  EXPECT_NEAR(*v.r.xq1Peggiore, xPeggiore, passo);
  minimo = *v.r.fattorePeggiore;
  EXPECT_GE(*v.r.fattoreCarico, minimo);
  // The model is left loaded as the project loads it.
  const ModelloCaricato caricato(d);
  for (int i = 1; i <= caricato.m.nConciTot; ++i) EXPECT_EQ(caricato.m.Conci(i).FVariabile, v.m.Conci(i).FVariabile);
  // The worst position's mechanism: with the strip there its virtual work gives the least factor, and
  // its collapse line balances every voussoir and passes through its hinges.
  ASSERT_EQ(v.r.meccanismoPeggiore.size(), 4u);
  const ModelloCaricato caricoPeggiore(Striscia(d, d.qCarico, *v.r.xq1Peggiore, *v.r.xq2Peggiore));
  const ModelloArco& mp = caricoPeggiore.m;
  EXPECT_NEAR(Cinematismo(StaticaGiunti(mp), v.r.meccanismoPeggiore).fattore, minimo, 1e-8 * minimo);
  ControllaEquilibrio(mp, v.r.lineaCollassoPeggiore, 1);
  PassaPerLeCerniere(mp, v.r.lineaCollassoPeggiore, v.r.meccanismoPeggiore);
  // A strip over the whole structure has a single position, and there the
  // worst mechanism is the project's own.
  Valutato tutto(Striscia(d, d.qCarico, -100, 100), 21, false);
  ASSERT_EQ(tutto.r.posizioni.size(), 1u);
  EXPECT_TRUE(tutto.r.posizioni[0].xq1 == tutto.m.xMinStruttura && tutto.r.posizioni[0].xq2 == tutto.m.xMaxStruttura);
  EXPECT_EQ(tutto.r.meccanismoPeggiore, tutto.r.meccanismo);
}

}  // namespace
}  // namespace voro
