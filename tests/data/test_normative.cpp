// The code bases' partial factors, as the code texts give them, and where
// each value is said to come from.
#include <gtest/gtest.h>

#include "data/Normative.h"
#include "data/ValoriFisici.h"

namespace voro {
namespace {

TEST(Normative, PresetsAreTheCodesValues) {
  DatiNormativa n;
  n.coefficienti.gM = 2;
  ApplicaNormativa(n, BaseNormativa::Eurocodice);
  // EN 1990 A2, Table A2.4(B): 1.35 / 1.00 on every permanent action, 1.35 on
  // road traffic, 1.45 on rail; LM71 as defined (alpha 1), Phi from the arch.
  EXPECT_EQ(n.coefficienti, (CoefficientiParziali{1.35f, 1.0f, 1.35f, 1.0f, 1.35f, 2, 1, 1, 1, 1.45f, 1.0f, 0}));
  ApplicaNormativa(n, BaseNormativa::Ntc2018);
  // NTC 2018, Table 5.1.V: G1 1.35 / 1.00, G2 1.50 / 0.00, Q 1.35; gM stays as
  // typed. Table 5.2.V: rail traffic 1.45; §5.2.2.2.1.1: LM71 alpha 1.1.
  EXPECT_EQ(n.coefficienti, (CoefficientiParziali{1.35f, 1.0f, 1.5f, 0.0f, 1.35f, 2, 1, 1, 1, 1.45f, 1.1f, 0}));
  // Circolare 2019: FC 1.35, 1.20, 1.00 for LC1, LC2, LC3.
  ApplicaLivello(n, LivelloConoscenza::LC1);
  EXPECT_EQ(n.coefficienti.FC, 1.35f);
  ApplicaLivello(n, LivelloConoscenza::LC2);
  EXPECT_EQ(n.coefficienti.FC, 1.2f);
  ApplicaLivello(n, LivelloConoscenza::LC3);
  EXPECT_EQ(n.coefficienti.FC, 1.0f);
}

TEST(Normative, EveryValueNamesItsClauseAndAChangedOneIsTheEngineers) {
  DatiNormativa n;
  ApplicaNormativa(n, BaseNormativa::Ntc2018);
  ApplicaLivello(n, LivelloConoscenza::LC1);
  auto c = ClausoleNormativa(n);
  ASSERT_EQ(c.size(), 9u);
  EXPECT_EQ(c[3].fattore, "γG2,inf");
  EXPECT_EQ(c[3].valore, 0.0f);
  EXPECT_NE(c[3].fonte.find("Table 5.1.V"), std::string::npos);
  EXPECT_NE(c[6].fonte.find("C8.5.4"), std::string::npos);
  EXPECT_NE(c[6].fonte.find("LC1"), std::string::npos);
  // gM has no code value: not given until the engineer types it, and then theirs.
  EXPECT_FALSE(c[5].dato);
  EXPECT_EQ(c[5].fonte, "not given: no verdict without it");
  n.gMDato = true;
  EXPECT_EQ(ClausoleNormativa(n)[5].fonte, "typed by the engineer");
  // The friction's and the soil's factors left at 1 reduce nothing.
  for (std::size_t k : {7u, 8u}) {
    EXPECT_EQ(c[k].valore, 1.0f);
    EXPECT_EQ(c[k].fonte, "default (no reduction)");
  }
  n.coefficienti.gMu = 1.2f;
  EXPECT_EQ(ClausoleNormativa(n)[7].fonte, "typed by the engineer");
  // Without a knowledge level the code's FC is not given either.
  DatiNormativa senza;
  ApplicaNormativa(senza, BaseNormativa::Eurocodice);
  EXPECT_FALSE(ClausoleNormativa(senza)[6].dato);
  n.coefficienti.gQ = 1.5f;
  EXPECT_EQ(ClausoleNormativa(n)[4].fonte, "typed by the engineer");
  EXPECT_EQ(RiferimentiNormativa(BaseNormativa::Digitata).size(), 0u);
  EXPECT_NE(RiferimentiNormativa(BaseNormativa::Eurocodice)[0].find("Annex A2"), std::string::npos);
}

TEST(Normative, NamesOnTheCommandLine) {
  EXPECT_EQ(LeggiBaseNormativa("ntc"), BaseNormativa::Ntc2018);
  EXPECT_FALSE(LeggiBaseNormativa("NTC"));
  EXPECT_EQ(LeggiLivello("LC2"), LivelloConoscenza::LC2);
  EXPECT_FALSE(LeggiLivello("LC4"));
  CoefficientiParziali c;
  ASSERT_NE(FattorePerNome(c, "gG2inf"), nullptr);
  *FattorePerNome(c, "gG2inf") = 0;
  EXPECT_EQ(c.gG2inf, 0.0f);
  EXPECT_EQ(FattorePerNome(c, "gamma"), nullptr);
  ASSERT_NE(FattorePerNome(c, "gMu"), nullptr);
  EXPECT_EQ(FattorePerNome(c, "gQrail"), &c.gQf);
  EXPECT_EQ(FattorePerNome(c, "alpha"), &c.alpha);
  EXPECT_EQ(FattorePerNome(c, "phi"), &c.phi);
}

TEST(Normative, AFactorThatWouldDivideByZeroOrFlipALoadIsRefused) {
  DatiProgetto d;
  d.Normativa.coefficienti.gM = 0;
  d.Normativa.coefficienti.gQ = -1;
  d.Normativa.coefficienti.gMu = 0;
  bool gM = false, gQ = false, gMu = false;
  for (const ValoreImpossibile& v : ValoriImpossibili(d)) {
    gM = gM || v.variabile == "gM";
    gQ = gQ || v.variabile == "gQ";
    gMu = gMu || v.variabile == "gMu";
  }
  EXPECT_TRUE(gM);
  EXPECT_TRUE(gQ);
  EXPECT_TRUE(gMu);
}

}  // namespace
}  // namespace voro
