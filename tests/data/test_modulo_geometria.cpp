// The geometry form's texts and the project input: both directions, under
// Italian and English settings.
#include <gtest/gtest.h>

#include <algorithm>

#include "Progetti.h"
#include "data/Impronte.h"
#include "data/ModuloGeometria.h"
#include "data/ValoriFisici.h"

namespace voro {
namespace {

const Regional it = Regional::italiano(), en = Regional::inglese();

// A ring as an engineer fills the form in, under Italian settings or, with
// its decimal commas turned to points, under English ones; the hidden grid of
// segments holds one without thickness.
TestiGeometria AnelloCompleto(bool inglese = false) {
  TestiGeometria f;
  f.txtTitolo = "Arco";
  f.txtDati = {"", "0,5", "0,2", "18", "16", "24", "0,3", "1", "", "25", "-12,5", "0"};
  f.txtLarg = {"4,5", "3"};
  f.txtNvori = "1";
  f.txt1Voro = {"10", "3", "0,5", "30"};
  f.griglia = {{"", "1,2", "2,1", "4", "3,2", "0,6", "12"}, {"", "7,2", "2,4", "9,5", "0", "0", "14"}};
  if (inglese)
    for (std::string* t : {&f.txtDati[1], &f.txtDati[2], &f.txtDati[6], &f.txtLarg[0], &f.txt1Voro[2], &f.txtDati[10]})
      std::replace(t->begin(), t->end(), ',', '.');
  return f;
}

// A new project shows a width of 1 and zeros, and gets a plot scale of 1;
// once only: a width typed later is not corrected any more.
TEST(ModuloGeometria, NewProjectShowsWidthOneAndZeros) {
  DatiProgetto d;
  StatoInterfaccia s;
  RecordingMessages m;
  TestiGeometria f;
  ASSERT_TRUE(ScriveDatiInForm(d, s, it, m, f));
  EXPECT_EQ(std::tie(f.txtLarg[0], f.txtNvori, f.txtDati[1], f.txt1Voro[0], f.txtDati[9]),
            std::make_tuple("1", "1", "0", "0", "0,0"));
  EXPECT_EQ(std::tie(d.ScalaPlot, s.DatiNuovi), std::make_tuple(1.0f, false));
  d.Larghezza = -2;
  ASSERT_TRUE(ScriveDatiInForm(d, s, it, m, f));
  EXPECT_EQ(f.txtLarg[0], "-2");
}

TEST(ModuloGeometria, SegmentsGiveTheOverallSpan) {
  TestiGeometria f = AnelloCompleto(true);
  f.txtNvori = "2";
  f.txt1Voro = {"99", "3", "", "abc"};  // the ring frame is hidden and not read
  f.griglia = {{"", "1.2", "2.1", "4", "3.2", "0.6", "12"}, {"", "7.2", "2.4", "9.5", "0", "0.45", "14.5"}};
  DatiProgetto d;
  RecordingMessages m;
  ASSERT_TRUE(LeggeDatiGeom(f, d, en, m));
  EXPECT_EQ(d.LuceAnello, 9.5f);
  EXPECT_EQ(std::tie(d.Vori(2).nConci, d.Vori(2).nConciInput), std::make_tuple(14, 14));  // half to even
  EXPECT_EQ(d.Vori(1).Spessore, 0.6);
  TestiGeometria back;
  StatoInterfaccia s;
  s.DatiNuovi = false;
  ASSERT_TRUE(ScriveDatiInForm(d, s, en, m, back));
  ASSERT_EQ(back.griglia.size(), 2u);
  EXPECT_EQ(back.griglia[1], (std::array<std::string, 7>{" Segm. 2", "7.2", "2.4", "9.5", "0", "0.45", "14"}));
}

// Every box holds a number under the settings and a possible value, or the
// form is not read: one critical message, after "Error: Check Geometry", names
// the box's quantity (fewer than one segment has its own message), the box's
// variable is given, and nothing of the form reaches the project.
TEST(ModuloGeometria, ABoxThatCannotBeReadIsNamedAndChangesNothing) {
  const struct {
    bool inglese;
    std::string* (*box)(TestiGeometria&);
    const char* testo;
    const char* variabile;
    const char* messaggio = nullptr;
  } prove[] = {
      {false, [](TestiGeometria& f) { return &f.txt1Voro[2]; }, "abc", "SpessoreAnello"},
      {false, [](TestiGeometria& f) { return &f.txtDati[4]; }, "", "PesoRiempimento"},
      // A point under Italian settings, a comma under English ones, group thousands.
      {false, [](TestiGeometria& f) { return &f.txtDati[1]; }, "0.5", "hRiempimento"},
      {true, [](TestiGeometria& f) { return &f.txt1Voro[1]; }, "2,5", "FrecciaAnello"},
      {false, [](TestiGeometria& f) { return &f.txtNvori; }, "uno", "nVori"},
      {false, [](TestiGeometria& f) { return &f.txt1Voro[3]; }, "trenta", "nConciAnello"},
      {false, [](TestiGeometria& f) { return &f.txtDati[11]; }, "12abc", "EccDestra"},
      {false, [](TestiGeometria& f) { return &f.txtLarg[0]; }, "1e40", "Larghezza"},
      {false, [](TestiGeometria& f) { return &f.txt1Voro[2]; }, "-0,6", "SpessoreAnello"},
      {false, [](TestiGeometria& f) { return &f.txtLarg[0]; }, "-6", "Larghezza"},
      {false, [](TestiGeometria& f) { return &f.txtDati[1]; }, "-3", "hRiempimento"},
      {false, [](TestiGeometria& f) { return &f.txt1Voro[3]; }, "0", "nConciAnello"},  // no arch
      {false, [](TestiGeometria& f) { return &f.txtNvori; }, "0", "nVori", "Il numero di vori deve essere > 0"},
      {false, [](TestiGeometria& f) { return &f.txtNvori; }, "2", "Vori(2).Spessore",
       "Error: Check Geometry\rSpessore t del segmento 2 [m] = 0: deve essere maggiore di zero."}};
  for (const auto& p : prove) {
    SCOPED_TRACE(p.testo);
    TestiGeometria f = AnelloCompleto(p.inglese);
    *p.box(f) = p.testo;
    DatiProgetto d;
    d.Titolo = "prima";
    RecordingMessages m;
    std::string campo;
    EXPECT_FALSE(LeggeDatiGeom(f, d, p.inglese ? en : it, m, &campo));
    EXPECT_EQ(campo, p.variabile);
    ASSERT_EQ(m.entries().size(), 1u);
    EXPECT_EQ(m.entries()[0].kind, MessageKind::Critical);
    if (p.messaggio) EXPECT_EQ(m.entries()[0].text, p.messaggio);
    else EXPECT_EQ(m.entries()[0].text.rfind("Error: Check Geometry\r" + NomeGrandezza(p.variabile), 0), 0u);
    EXPECT_EQ(std::tie(d.Titolo, d.Larghezza, d.hRiempimento, d.SpessoreAnello, d.nVori),
              std::make_tuple("prima", 0.0f, 0.0f, 0.0f, 1));
  }
}

TEST(ModuloGeometria, FormRoundTripKeepsEveryValueUnderBothSettings) {
  for (const Regional& r : {it, en}) {
    DatiProgetto d = Anello();
    d.Titolo = "Volta", d.PesoRiempimento = 16.25f, d.LuceAnello = 12.5f, d.FrecciaAnello = 3.75f;
    d.EccSinistra = 0.05f, d.EccChiave = -0.1f, d.EccDestra = 0.0123f;
    d.qCarico = d.xq1 = d.xq2 = 0;  // the loads are not on the form
    StatoInterfaccia s;
    RecordingMessages m;
    TestiGeometria f;
    ASSERT_TRUE(ScriveDatiInForm(d, s, r, m, f));
    f.txtLarg[1] = "3";  // the crown width box is hidden: the width is the vault's
    DatiProgetto back;
    ASSERT_TRUE(LeggeDatiGeom(f, back, r, m));
    EXPECT_TRUE(m.empty());
    EXPECT_FLOAT_EQ(back.EccDestra, 0.0123f);  // shown with three digits: 12.3 mm
    back.EccDestra = d.EccDestra, back.ScalaPlot = d.ScalaPlot;  // the plot scale is not on the form
    EXPECT_EQ(TestoProgetto(back), TestoProgetto(d));
  }
}

}  // namespace
}  // namespace voro
