// The geometry form's texts and the project input: both directions, under
// Italian and English settings.
#include <gtest/gtest.h>

#include "data/ModuloGeometria.h"

namespace voro {
namespace {

TEST(ModuloGeometria, NewProjectShowsWidthOneAndZeros) {
  DatiProgetto d;
  StatoInterfaccia s;
  RecordingMessages m;
  TestiGeometria f;
  ASSERT_TRUE(ScriveDatiInForm(d, s, Regional::italiano(), m, f));
  EXPECT_EQ(f.txtLarg[0], "1");
  EXPECT_EQ(f.txtNvori, "1");
  EXPECT_EQ(f.txtDati[1], "0");
  EXPECT_EQ(f.txt1Voro[0], "0");
  EXPECT_EQ(f.txtDati[9], "0");
  EXPECT_EQ(d.ScalaPlot, 1.0f);
}

TEST(ModuloGeometria, ReadingSetsTheCrownWidthAndTheStartPoint) {
  const Regional it = Regional::italiano();
  TestiGeometria f;
  f.txtTitolo = "Arco";
  f.txtDati[1] = "0,5";
  f.txtDati[3] = "18";
  f.txtLarg = {"4,5", "3"};
  f.txtNvori = "1";
  f.txt1Voro = {"10", "3", "0,5", "30"};
  f.txtDati[9] = "25";
  f.txtDati[10] = "-12,5";
  f.txtDati[11] = "abc";
  DatiProgetto d;
  RecordingMessages m;
  ASSERT_TRUE(LeggeDatiGeom(f, d, it, m));
  EXPECT_EQ(d.Larghezza, 4.5f);
  EXPECT_EQ(d.LarghezzaChiave, 4.5f);
  EXPECT_EQ(d.hRiempimento, 0.5f);
  EXPECT_EQ(d.SpessoreAnello, 0.5f);
  EXPECT_EQ(d.nConciAnello, 30.0f);
  EXPECT_EQ(d.EccSinistra, 0.025f);
  EXPECT_EQ(d.EccChiave, -0.0125f);
  EXPECT_EQ(d.EccDestra, 0.0f);  // text that is not a number reads 0
  EXPECT_EQ(d.Vori(1).X1, 0);
}

TEST(ModuloGeometria, SegmentsGiveTheOverallSpan) {
  const Regional en = Regional::inglese();
  TestiGeometria f;
  f.txtNvori = "2";
  f.txt1Voro = {"99", "3", "0.5", "30"};
  f.griglia = {{"", "1.2", "2.1", "4", "3.2", "0.6", "12"}, {"", "7.2", "2.4", "9.5", "0", "0.45", "14.5"}};
  DatiProgetto d;
  RecordingMessages m;
  ASSERT_TRUE(LeggeDatiGeom(f, d, en, m));
  EXPECT_EQ(d.LuceAnello, 9.5f);
  EXPECT_EQ(d.Vori(2).nConci, 14);  // half to even
  EXPECT_EQ(d.Vori(2).nConciInput, 14);
  EXPECT_EQ(d.Vori(1).Spessore, 0.6);

  TestiGeometria back;
  StatoInterfaccia s;
  s.DatiNuovi = false;
  ASSERT_TRUE(ScriveDatiInForm(d, s, en, m, back));
  ASSERT_EQ(back.griglia.size(), 2u);
  EXPECT_EQ(back.griglia[1], (std::array<std::string, 7>{" Segm. 2", "7.2", "2.4", "9.5", "0", "0.45", "14"}));
}

TEST(ModuloGeometria, FewerThanOneSegmentStopsWithTheMessage) {
  TestiGeometria f;
  f.txtDati[1] = "0.7";
  f.txtNvori = "0";
  DatiProgetto d;
  RecordingMessages m;
  EXPECT_FALSE(LeggeDatiGeom(f, d, Regional::inglese(), m));
  EXPECT_EQ(m.texts(), std::vector<std::string>{"Il numero di vori deve essere > 0"});
  EXPECT_EQ(m.entries()[0].kind, MessageKind::Critical);
  EXPECT_EQ(d.hRiempimento, 0.7f);  // read before the count
  EXPECT_EQ(d.nVori, 0);
}

TEST(ModuloGeometria, CountsThatAreNotNumbersAreTypeMismatches) {
  TestiGeometria f;
  f.txtNvori = "uno";
  DatiProgetto d;
  RecordingMessages m;
  try {
    LeggeDatiGeom(f, d, Regional::inglese(), m);
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), err::TypeMismatch);
  }
  EXPECT_EQ(d.nVori, 1);  // kept
  f.txtNvori = "1";
  f.txt1Voro[3] = "trenta";
  EXPECT_THROW(LeggeDatiGeom(f, d, Regional::inglese(), m), RuntimeError);
}

TEST(ModuloGeometria, FormRoundTripKeepsEveryValueUnderBothSettings) {
  for (const Regional& r : {Regional::italiano(), Regional::inglese()}) {
    DatiProgetto d;
    d.Titolo = "Volta";
    d.hRiempimento = 0.35f, d.hSoletta = 0.2f, d.PesoMuratura = 18.5f, d.PesoRiempimento = 16.25f;
    d.PesoSoletta = 24, d.Larghezza = 4.2f, d.LarghezzaChiave = 4.2f, d.SporgenzaParete = 0.3f;
    d.hRiempimentoSolido = 1.25f, d.LuceAnello = 12.5f, d.FrecciaAnello = 3.75f, d.SpessoreAnello = 0.55f;
    d.nConciAnello = 36, d.EccSinistra = 0.05f, d.EccChiave = -0.1f, d.EccDestra = 0.0123f;
    StatoInterfaccia s;
    RecordingMessages m;
    TestiGeometria f;
    ASSERT_TRUE(ScriveDatiInForm(d, s, r, m, f));
    DatiProgetto back;
    ASSERT_TRUE(LeggeDatiGeom(f, back, r, m));
    EXPECT_EQ(back.hRiempimento, d.hRiempimento);
    EXPECT_EQ(back.PesoRiempimento, d.PesoRiempimento);
    EXPECT_EQ(back.hRiempimentoSolido, d.hRiempimentoSolido);
    EXPECT_EQ(back.LuceAnello, d.LuceAnello);
    EXPECT_EQ(back.SpessoreAnello, d.SpessoreAnello);
    EXPECT_EQ(back.EccSinistra, d.EccSinistra);
    EXPECT_EQ(back.EccChiave, d.EccChiave);
    EXPECT_FLOAT_EQ(back.EccDestra, 0.0123f);  // shown with three digits: 12.3 mm
    EXPECT_TRUE(m.empty());
  }
}

}  // namespace
}  // namespace voro
