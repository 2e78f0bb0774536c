// The geometry form's texts and the project input: both directions, under
// Italian and English settings.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/ModuloGeometria.h"
#include "data/ValoriFisici.h"

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
  EXPECT_EQ(f.txtDati[9], "0,0");
  EXPECT_EQ(d.ScalaPlot, 1.0f);
}

// A ring as an engineer fills the form in, under Italian settings.
TestiGeometria AnelloCompleto() {
  TestiGeometria f;
  f.txtTitolo = "Arco";
  f.txtDati[1] = "0,5";
  f.txtDati[2] = "0,2";
  f.txtDati[3] = "18";
  f.txtDati[4] = "16";
  f.txtDati[5] = "24";
  f.txtDati[6] = "0,3";
  f.txtDati[7] = "1";
  f.txtLarg = {"4,5", "3"};
  f.txtNvori = "1";
  f.txt1Voro = {"10", "3", "0,5", "30"};
  f.txtDati[9] = "25";
  f.txtDati[10] = "-12,5";
  f.txtDati[11] = "0";
  return f;
}

TEST(ModuloGeometria, ReadingSetsTheCrownWidthAndTheStartPoint) {
  const Regional it = Regional::italiano();
  DatiProgetto d;
  RecordingMessages m;
  ASSERT_TRUE(LeggeDatiGeom(AnelloCompleto(), d, it, m));
  EXPECT_TRUE(m.empty());
  EXPECT_EQ(d.Larghezza, 4.5f);
  EXPECT_EQ(d.LarghezzaChiave, 4.5f);
  EXPECT_EQ(d.hRiempimento, 0.5f);
  EXPECT_EQ(d.SpessoreAnello, 0.5f);
  EXPECT_EQ(d.nConciAnello, 30.0f);
  EXPECT_EQ(d.EccSinistra, 0.025f);
  EXPECT_EQ(d.EccChiave, -0.0125f);
  EXPECT_EQ(d.Vori(1).X1, 0);
}

TEST(ModuloGeometria, SegmentsGiveTheOverallSpan) {
  const Regional en = Regional::inglese();
  TestiGeometria f = AnelloCompleto();
  for (std::string* t : {&f.txtDati[1], &f.txtDati[2], &f.txtDati[6], &f.txtLarg[0], &f.txtDati[10]})
    std::replace(t->begin(), t->end(), ',', '.');
  f.txtNvori = "2";
  f.txt1Voro = {"99", "3", "", "abc"};  // the ring frame is hidden and not read
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
  TestiGeometria f = AnelloCompleto();
  f.txtDati[1] = "0,7";
  f.txtNvori = "0";
  DatiProgetto d;
  RecordingMessages m;
  std::string campo;
  EXPECT_FALSE(LeggeDatiGeom(f, d, Regional::italiano(), m, &campo));
  EXPECT_EQ(m.texts(), std::vector<std::string>{"Il numero di vori deve essere > 0"});
  EXPECT_EQ(m.entries()[0].kind, MessageKind::Critical);
  EXPECT_EQ(campo, "nVori");
  // Nothing of a form that cannot be read reaches the project.
  EXPECT_EQ(d.hRiempimento, 0.0f);
  EXPECT_EQ(d.nVori, 1);
}

// Every box holds a number under the settings, or the form is not read: the
// message names the box's quantity and the project keeps its values.
TEST(ModuloGeometria, TextThatIsNotANumberIsNamedAndChangesNothing) {
  const Regional it = Regional::italiano(), en = Regional::inglese();
  struct Prova {
    const Regional& r;
    std::string* (*box)(TestiGeometria&);
    const char* testo;
    const char* variabile;
    const char* messaggio;
  };
  const Prova prove[] = {
      {it, [](TestiGeometria& f) { return &f.txt1Voro[2]; }, "abc", "SpessoreAnello",
       "Error: Check Geometry\rSpessore dell'anello t [m]: \"abc\" non è un numero.\r"
       "Il separatore decimale è \",\"; il separatore delle migliaia \".\" separa solo gruppi di tre cifre."},
      {it, [](TestiGeometria& f) { return &f.txtDati[4]; }, "", "PesoRiempimento",
       "Error: Check Geometry\rPeso specifico del riempimento γ1 [kN/m3]: la casella è vuota."},
      // A point under Italian settings groups thousands: 0.5 is no number.
      {it, [](TestiGeometria& f) { return &f.txtDati[1]; }, "0.5", "hRiempimento", nullptr},
      // A comma under English settings groups thousands: 2,5 is no number.
      {en, [](TestiGeometria& f) { return &f.txt1Voro[1]; }, "2,5", "FrecciaAnello", nullptr},
      {it, [](TestiGeometria& f) { return &f.txtNvori; }, "uno", "nVori", nullptr},
      {it, [](TestiGeometria& f) { return &f.txt1Voro[3]; }, "trenta", "nConciAnello", nullptr},
      {it, [](TestiGeometria& f) { return &f.txtDati[11]; }, "12abc", "EccDestra", nullptr},
      {it, [](TestiGeometria& f) { return &f.txtLarg[0]; }, "1e40", "Larghezza",
       "Error: Check Geometry\rLarghezza dell'arco [m]: 1e40 supera il campo dei numeri Single (3,402823E+38)."},
  };
  for (const Prova& p : prove) {
    TestiGeometria f = AnelloCompleto();
    if (&p.r == &en)
      for (std::string* t : {&f.txtDati[1], &f.txtDati[2], &f.txtDati[6], &f.txtLarg[0], &f.txt1Voro[2],
                             &f.txtDati[10]})
        std::replace(t->begin(), t->end(), ',', '.');
    *p.box(f) = p.testo;
    DatiProgetto d;
    d.Titolo = "prima";
    RecordingMessages m;
    std::string campo;
    EXPECT_FALSE(LeggeDatiGeom(f, d, p.r, m, &campo)) << p.testo;
    EXPECT_EQ(campo, p.variabile) << p.testo;
    ASSERT_EQ(m.entries().size(), 1u) << p.testo;
    EXPECT_EQ(m.entries()[0].kind, MessageKind::Critical);
    if (p.messaggio) EXPECT_EQ(m.entries()[0].text, p.messaggio);
    else EXPECT_NE(m.entries()[0].text.find(NomeGrandezza(p.variabile)), std::string::npos) << m.entries()[0].text;
    EXPECT_EQ(d.Titolo, "prima");
    EXPECT_EQ(d.Larghezza, 0.0f);
  }
}

TEST(ModuloGeometria, ImpossibleValuesNeverReachTheProject) {
  const Regional it = Regional::italiano();
  const std::pair<std::string* (*)(TestiGeometria&), const char*> prove[] = {
      {[](TestiGeometria& f) { return &f.txt1Voro[2]; }, "Spessore dell'anello t [m] = -0,6: deve essere maggiore di zero."},
      {[](TestiGeometria& f) { return &f.txtLarg[0]; }, "Larghezza dell'arco [m] = -6: deve essere maggiore di zero."},
      {[](TestiGeometria& f) { return &f.txtDati[1]; },
       "Spessore del riempimento in chiave h1 [m] = -3: non può essere minore di zero."},
  };
  const char* valori[] = {"-0,6", "-6", "-3"};
  for (std::size_t i = 0; i < 3; ++i) {
    TestiGeometria f = AnelloCompleto();
    *prove[i].first(f) = valori[i];
    DatiProgetto d;
    RecordingMessages m;
    EXPECT_FALSE(LeggeDatiGeom(f, d, it, m));
    EXPECT_EQ(m.texts(), std::vector<std::string>{std::string("Error: Check Geometry\r") + prove[i].second});
    EXPECT_EQ(d.SpessoreAnello, 0.0f);
  }
  // Zero voussoirs, zero span: no arch.
  TestiGeometria f = AnelloCompleto();
  f.txt1Voro[3] = "0";
  DatiProgetto d;
  RecordingMessages m;
  std::string campo;
  EXPECT_FALSE(LeggeDatiGeom(f, d, it, m, &campo));
  EXPECT_EQ(campo, "nConciAnello");
  // A segment without thickness names its cell.
  f = AnelloCompleto();
  f.txtNvori = "2";
  f.griglia = {{"", "1,2", "2,1", "4", "3,2", "0,6", "12"}, {"", "7,2", "2,4", "9,5", "0", "0", "14"}};
  EXPECT_FALSE(LeggeDatiGeom(f, d, it, m, &campo));
  EXPECT_EQ(campo, "Vori(2).Spessore");
  EXPECT_EQ(m.entries().back().text, "Error: Check Geometry\rSpessore t del segmento 2 [m] = 0: deve essere maggiore di zero.");
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
