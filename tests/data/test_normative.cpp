// The code bases' partial factors, as the code texts give them, and where
// each value is said to come from.
#include <gtest/gtest.h>

#include "data/Normative.h"

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
  for (const auto& [livello, FC] : {std::pair{LivelloConoscenza::LC1, 1.35f}, {LivelloConoscenza::LC2, 1.2f},
                                    {LivelloConoscenza::LC3, 1.0f}}) {
    ApplicaLivello(n, livello);
    EXPECT_EQ(n.coefficienti.FC, FC);
  }
}

// Each factor beside its clause; gM, which has no code value, and FC without
// a knowledge level are not given; the friction's and the soil's factors left
// at 1 reduce nothing; a value the engineer changed is theirs.
TEST(Normative, EveryValueNamesItsClauseAndAChangedOneIsTheEngineers) {
  DatiNormativa n, senza;
  ApplicaNormativa(n, BaseNormativa::Ntc2018);
  ApplicaLivello(n, LivelloConoscenza::LC1);
  const auto c = ClausoleNormativa(n);
  ASSERT_EQ(c.size(), 9u);
  EXPECT_EQ(std::tie(c[3].fattore, c[3].valore), std::tuple("γG2,inf", 0.0f));
  EXPECT_NE(c[3].fonte.find("Table 5.1.V"), std::string::npos);
  EXPECT_NE(c[6].fonte.find("C8.5.4"), std::string::npos);
  EXPECT_NE(c[6].fonte.find("LC1"), std::string::npos);
  EXPECT_EQ(std::tie(c[5].dato, c[5].fonte), std::tuple(false, "not given: no verdict without it"));
  for (std::size_t k : {7u, 8u}) EXPECT_EQ(std::tie(c[k].valore, c[k].fonte), std::tuple(1.0f, "default (no reduction)"));
  ApplicaNormativa(senza, BaseNormativa::Eurocodice);
  EXPECT_FALSE(ClausoleNormativa(senza)[6].dato);
  n.gMDato = true, n.coefficienti.gMu = 1.2f, n.coefficienti.gQ = 1.5f;
  for (std::size_t k : {4u, 5u, 7u}) EXPECT_EQ(ClausoleNormativa(n)[k].fonte, "typed by the engineer") << k;
  EXPECT_EQ(RiferimentiNormativa(BaseNormativa::Digitata).size(), 0u);
  EXPECT_NE(RiferimentiNormativa(BaseNormativa::Eurocodice)[0].find("Annex A2"), std::string::npos);
}

TEST(Normative, NamesOnTheCommandLine) {
  EXPECT_EQ(LeggiBaseNormativa("ntc"), BaseNormativa::Ntc2018);
  EXPECT_FALSE(LeggiBaseNormativa("NTC"));
  EXPECT_EQ(LeggiLivello("LC2"), LivelloConoscenza::LC2);
  EXPECT_FALSE(LeggiLivello("LC4"));
  CoefficientiParziali c;
  for (const auto& [nome, fattore] : {std::pair{"gG2inf", &c.gG2inf}, {"gMu", &c.gMu}, {"gQrail", &c.gQf},
                                      {"alpha", &c.alpha}, {"phi", &c.phi}, {"gamma", nullptr}})
    EXPECT_EQ(FattorePerNome(c, nome), fattore) << nome;
}

}  // namespace
}  // namespace voro
