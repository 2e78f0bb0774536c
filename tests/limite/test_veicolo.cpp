// A vehicle on the fill against physics: its resultant, mirror images, virtual work and the least factor.
#include <gtest/gtest.h>

#include <numeric>

#include "arch/CaricoVeicolo.h"
#include "limite/PercorsoVeicolo.h"
#include "limite/Valutato.h"
#include "Cinematica.h"

namespace voro {
namespace {

Veicolo tandem() { return {"LM1 tandem", {{300, 0, 0.4f}, {300, 1.2f, 0.4f}}, 2, 0.4f}; }
// Three unequal axles: not its own mirror image, so driven both ways.
Veicolo treAssi() { return {"three", {{100, 0, 0.3f}, {180, 1.3f, 0.3f}, {60, 3.1f, 0.2f}}, 1.8f, 0.3f}; }

// A road bridge of span 10 m under fill and slab, 6 m wide, no strip load.
DatiProgetto ponteLargo(const Veicolo& v, Diffusione diff) {
  DatiProgetto d = Striscia(prova::ponte(), 0, 0, 0);
  d.Larghezza = d.LarghezzaChiave = 6, d.VeicoloCarico = v, d.DiffusioneCarico = diff;
  return d;
}

double Somma(const std::vector<double>& F) { return std::accumulate(F.begin(), F.end(), 0.0); }

// Two sweeps, the second seen from the other bank: positions summing to S.
void Specchiate(const std::vector<PosizioneVeicolo>& a, const std::vector<PosizioneVeicolo>& b, double S, double tol) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t k = 0; k < a.size(); ++k) {
    SCOPED_TRACE(k);
    EXPECT_NEAR(a[k].x + b[a.size() - 1 - k].x, S, tol);
    Vicini(a[k].fattore, b[a.size() - 1 - k].fattore, 2e-6);
  }
}

TEST(CaricoVeicolo, AnAxleWithoutSpreadIsTheStripLoadOfTheSameResultant) {
  // Track and contact wider than the ring: the ring takes the whole axle.
  DatiProgetto d = prova::ponte();
  d.qCarico = 0;
  d.VeicoloCarico = Veicolo{"one", {{250, 0, 0.8f}}, 2, 0.4f};
  const ModelloCaricato senza(d);
  PercorsoVeicolo p(d, senza.m);
  for (const double x : {2.3, 5.0, 8.05}) {
    SCOPED_TRACE(x);
    ModelloCaricato c(Striscia(d, toSingle(250 / 0.8 / d.Larghezza), toSingle(x - 0.4), toSingle(x + 0.4)));
    const CaricoVeicolo carico(d, c.m);
    std::vector<double> F, Fx;
    const auto assi = carico.Impronte(x, Verso::Avanti);
    ASSERT_EQ(assi.size(), 1u);
    EXPECT_DOUBLE_EQ(assi[0].be, d.Larghezza);
    carico.Ripartisci(assi, F, Fx);
    for (int i = 1; i <= c.m.nConciTot; ++i) {
      const Concio& k = c.m.Conci(i);
      const std::size_t j = static_cast<std::size_t>(i - 1);
      EXPECT_NEAR(F[j], k.FVariabile, 1e-5 * 250) << "voussoir " << i;
      EXPECT_NEAR(F[j] > 0 ? Fx[j] / F[j] : k.xFVariabile, k.xFVariabile, 1e-5) << "voussoir " << i;
    }
    EXPECT_NEAR(Somma(F), 250, 1e-9);
    // And the same live-load factor as that strip.
    const MoltiplicatoreCarico mv = p.Valuta(x, Verso::Avanti);
    const MoltiplicatoreCarico ms = AnalisiLimite(StaticaGiunti(c.m)).Moltiplicatore({});
    ASSERT_EQ(mv.esito, EsitoCarico::Finito);
    ASSERT_EQ(ms.esito, EsitoCarico::Finito);
    EXPECT_NEAR(mv.lambda, ms.lambda, 1e-5 * ms.lambda);
    EXPECT_EQ(mv.meccanismo, ms.meccanismo);
  }
}

TEST(CaricoVeicolo, ASpreadAxleLoadsTheRingWithItsShareOfTheAxle) {
  ModelloCaricato c(ponteLargo(tandem(), {RegolaDiffusione::UnoDue, 0}));
  const CaricoVeicolo carico(c.d, c.m);
  // The road surface is the slab's top: at the crown fill and slab are 0.7 m deep.
  EXPECT_NEAR(carico.Profondita(5), 0.7, 1e-6);
  const auto assi = carico.Impronte(4.4, Verso::Avanti);
  ASSERT_EQ(assi.size(), 2u);
  std::vector<double> F, Fx;
  carico.Ripartisci(assi, F, Fx);
  double attesa = 0;
  for (const ImprontaAsse& a : assi) {
    EXPECT_NEAR(a.x2 - a.x1, 0.4f + 2 * a.h * 0.5, 1e-12);
    EXPECT_NEAR(a.be, 2 + 0.4f + 2 * a.h * 0.5, 1e-12);
    EXPECT_NEAR(a.F, 300 * 6 / a.be, 1e-9);
    attesa += 300 * 6 / a.be;
  }
  EXPECT_NEAR(Somma(F), attesa, 1e-9 * attesa);
  // Never wider than the ring: on a 2 m ring the whole axle enters.
  DatiProgetto stretto = c.d;
  stretto.Larghezza = stretto.LarghezzaChiave = 2;
  ModelloCaricato s(stretto);
  for (const ImprontaAsse& a : CaricoVeicolo(s.d, s.m).Impronte(4.4, Verso::Avanti)) {
    EXPECT_DOUBLE_EQ(a.be, 2);
    EXPECT_DOUBLE_EQ(a.F, 300);
  }
  // Half off the structure, only the part over the voussoirs is carried.
  const auto fuori = carico.Impronte(c.m.Conci(1).x(4), Verso::Indietro);
  carico.Ripartisci({fuori[0]}, F, Fx);
  EXPECT_NEAR(Somma(F), fuori[0].F / 2, 1e-9 * fuori[0].F);
}

TEST(PercorsoVeicolo, ASymmetricVehicleOnASymmetricArchSweepsAsItsMirrorImage) {
  RisultatiVeicolo r;
  ModelloCaricato c(ponteLargo(tandem(), {RegolaDiffusione::Trenta, 0}));
  ASSERT_TRUE(PercorriVeicolo(c.d, c.m, 0.05, nullptr, r));
  ASSERT_GT(r.posizioni.size(), 100u);
  for (const PosizioneVeicolo& p : r.posizioni) EXPECT_EQ(p.verso, Verso::Avanti);
  Specchiate(r.posizioni, r.posizioni, r.posizioni.front().x + r.posizioni.back().x, 1e-9);
  // A vehicle that is not its own mirror image, both ways: backward is the
  // forward sweep seen from the other bank.
  ModelloCaricato t(ponteLargo(treAssi(), {RegolaDiffusione::UnoDue, 0}));
  ASSERT_TRUE(PercorriVeicolo(t.d, t.m, 0.05, nullptr, r));
  std::vector<PosizioneVeicolo> avanti, indietro;
  for (const PosizioneVeicolo& p : r.posizioni) (p.verso == Verso::Avanti ? avanti : indietro).push_back(p);
  Specchiate(avanti, indietro, 10, 1e-6);
}

TEST(PercorsoVeicolo, EveryFactorIsTheKinematicMultiplierOfItsMechanism) {
  // The strip multiplied with the vehicle.
  ModelloCaricato c(Striscia(ponteLargo(treAssi(), {RegolaDiffusione::Quarantacinque, 0}), 5, 1, 4));
  PercorsoVeicolo p(c.d, c.m);
  int finiti = 0;
  for (const Verso verso : {Verso::Avanti, Verso::Indietro}) {
    const auto [inizio, fine] = p.carico().Corsa(verso);
    for (double x = inizio; x <= fine; x += 0.37) {
      SCOPED_TRACE(x);
      const MoltiplicatoreCarico mc = p.Valuta(x, verso);
      if (mc.esito != EsitoCarico::Finito) continue;
      ++finiti;
      // The axles' share of each voussoir joins the strip as its variable load.
      std::vector<double> F, Fx;
      p.carico().Ripartisci(p.carico().Impronte(x, verso), F, Fx);
      ModelloArco m = c.m;
      for (int i = 1; i <= m.nConciTot; ++i) {
        Concio& k = m.Conci(i);
        const double f = F[static_cast<std::size_t>(i - 1)], fx = Fx[static_cast<std::size_t>(i - 1)];
        const double totale = k.FVariabile + f;
        if (totale > 0) k.xFVariabile = (k.FVariabile * k.xFVariabile + fx) / totale;
        k.FVariabile = totale;
      }
      EXPECT_NEAR(Cinematismo(StaticaGiunti(m), mc.meccanismo).fattore, mc.lambda, 1e-7 * mc.lambda);
      // The collapse line passes through the four hinges and stays within every joint.
      const LineaSpinte l = p.Linea(mc);
      for (std::size_t j = 0; j < l.e.size(); ++j)
        EXPECT_LE(std::fabs(l.e[j]), c.m.Conci(std::max(1, static_cast<int>(j))).hSezioneEff / 2 * (1 + 1e-9)) << j + 1;
    }
  }
  EXPECT_GT(finiti, 20);
}

TEST(PercorsoVeicolo, TheRefinedLeastFactorIsTheLeastOfAll) {
  for (const Veicolo& v : {tandem(), treAssi()}) {
    SCOPED_TRACE(v.Nome);
    ModelloCaricato c(ponteLargo(v, {RegolaDiffusione::UnoDue, 0}));
    RisultatiVeicolo r;
    ASSERT_TRUE(PercorriVeicolo(c.d, c.m, 0.05, nullptr, r));
    ASSERT_TRUE(r.fattorePeggiore);
    for (const PosizioneVeicolo& p : r.posizioni) EXPECT_LE(*r.fattorePeggiore, p.fattore.value_or(1e300));
    // Its mechanism is the worst position's own.
    const MoltiplicatoreCarico mc = PercorsoVeicolo(c.d, c.m).Valuta(r.xPeggiore, r.versoPeggiore);
    EXPECT_NEAR(mc.lambda, *r.fattorePeggiore, 1e-9 * mc.lambda);
    EXPECT_EQ(mc.meccanismo, r.meccanismo);
    // No position within a step of it, on either side, has a smaller factor.
    for (double dx = -0.05; dx <= 0.05; dx += 0.005) {
      const MoltiplicatoreCarico vicino = PercorsoVeicolo(c.d, c.m).Valuta(r.xPeggiore + dx, r.versoPeggiore);
      EXPECT_GE(vicino.lambda, *r.fattorePeggiore * (1 - 1e-9)) << dx;
    }
    EXPECT_EQ(r.assiPeggiori.size(), v.Assi.size());
    // The steps: no wider than asked, from the first touch to the last.
    for (std::size_t k = 1; k < r.posizioni.size(); ++k)
      if (r.posizioni[k].verso == r.posizioni[k - 1].verso) {
        EXPECT_LE(r.posizioni[k].x - r.posizioni[k - 1].x, 0.05 + 1e-12);
      }
    EXPECT_FALSE(r.posizioni.front().fattore || r.posizioni.back().fattore);
  }
  // A step longer than the crossing of a 4 m span: the sweep takes an eighth of the span instead, and
  // finds the tandem's collapse nearly as a fine sweep does, with or without a light strip (without it,
  // the two samples of the step asked for had the tandem off the ring and proved the arch safe).
  for (const Single q : {2.0f, 0.0f}) {
    DatiProgetto corto = Striscia(prova::anello(4, 1.2f, 0.25f, 24), q, 0, 1);
    corto.hRiempimento = 0.3f, corto.PesoRiempimento = 18, corto.VeicoloCarico = tandem();
    const ModelloCaricato c(corto);
    RisultatiVeicolo grosso, fine;
    ASSERT_TRUE(PercorriVeicolo(c.d, c.m, 10, nullptr, grosso) && PercorriVeicolo(c.d, c.m, 0.05, nullptr, fine));
    ASSERT_TRUE(grosso.fattorePeggiore && fine.fattorePeggiore) << q;
    EXPECT_NEAR(*grosso.fattorePeggiore, *fine.fattorePeggiore, 0.05 * *fine.fattorePeggiore);
    EXPECT_LT(grosso.passo, 0.6);  // the ring, 4.4 m across its extrados, over 8
  }
}

TEST(PercorsoVeicolo, TheAssessmentUnderTheProjectsLoadsIgnoresTheVehicle) {
  // The vehicle is moved only by its sweep: the figures under the project's
  // own loads and the strip's sweep are those of the project without it.
  DatiProgetto con = prova::ponte();
  con.VeicoloCarico = treAssi();
  con.DiffusioneCarico = {RegolaDiffusione::Angolo, 20};
  const Valutato a(prova::ponte(), 50, false), b(con, 50, false);
  StesseCifre(a.r, b.r, 0, {kFattoreCarico, kFattorePeggiore});
  EXPECT_EQ(a.r.lineaMinima.e, b.r.lineaMinima.e);
}

}  // namespace
}  // namespace voro
