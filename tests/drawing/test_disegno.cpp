// The drawing primitives on every target, the DXF file byte for byte, the CAD rules and the plot window.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "../analysis/ProgettiProva.h"
#include "Registratori.h"
#include "drawing/CadDxf.h"
#include "drawing/Disegno.h"
#include "drawing/Plottaggio.h"

namespace voro {
namespace {

// The lines of a DXF text, each ended by '|'.
std::string righe(const std::string& l) {
  std::string s;
  for (const char c : l) s += c == '|' ? std::string("\r\n") : std::string(1, c);
  return s;
}

// A drawing on a recording screen at factor 1, on a DXF file or on a CAD model space.
struct Prova {
  RecordingMessages msg;
  Disegno d{msg};
  SuperficieRegistrata s;
  ContenitoreRegistrato cad;
  explicit Prova(const std::string& destinazione = "VIDEO", const std::string& file = "unused.dxf") {
    d.ImpostaDestinazione(1, destinazione, destinazione == "VIDEO" ? &s : nullptr);
    if (destinazione == "DXF") d.dxf.Apri(file);
    d.ModelSpaceCad = &cad;
  }
};

// The DXF file byte for byte: eight lines when empty, then each entity, a closed polyline repeating its
// first vertex. A folder that does not exist is said with the system's reason, and no file is left.
TEST(Dxf, TheFileByteForByteAndAnUnwritablePathSaysWhy) {
  const Cartella cartella("dxf");
  const auto file = cartella / "plot.dxf";
  const double X[3] = {0, 1, 0}, Y[3] = {0, 0, 1};
  std::string vertici;
  for (const char* xy : {"0| 20|0", "1| 20|0", "0| 20|1", "0| 20|0"})
    vertici += std::string("  0|VERTEX|  8|0| 10|") + xy + "| 30|0.0|";
  const std::pair<std::function<void(Disegno&)>, std::string> casi[] = {
      {[](Disegno&) {}, ""},
      {[](Disegno& d) { d.Linea(0, 0.5, 12.5, -3, 1); },
       "  0|LINE|  8|0| 62|     7| 10|0| 20|0.5| 30|0.0| 11|12.5| 21|-3| 31|0.0|"},
      {[](Disegno& d) { d.Cerchio(1, 2, 0.25, 1); }, "  0|CIRCLE|  8|0| 62|     7| 10|1| 20|2| 30|0.0| 40|0.25|"},
      {[](Disegno& d) { d.Testo(1.5, 2, 0.2, "Arco", 1); },
       "  0|TEXT|  8|0| 62| 7 | 10|1.5| 20|2| 30|0.0| 40|0.2|  1|Arco|"},
      {[&](Disegno& d) { d.Poligonale(3, X, Y, 1); },
       "  0|POLYLINE|  8|0| 66|     1| 62|     7| 10|0.0| 20|0.0| 30|0.0|" + vertici + "  0|SEQEND|  8|0|"}};
  for (const auto& [disegna, entita] : casi) {
    Prova p("DXF", file.string());
    p.d.ImpostaColore(7);
    disegna(p.d);
    p.d.dxf.Chiudi();
    EXPECT_EQ(bytesOf(file), righe("  0|SECTION|  2|ENTITIES|" + entita + "  0|ENDSEC|  0|EOF|"));
  }
  Prova p("DXF", "/nonexistent-folder/plot.dxf");
  EXPECT_EQ(Errore([&] { p.d.dxf.Chiudi(); }), std::make_pair(err::PathNotFound, std::string("No such file or directory")));
  EXPECT_FALSE(std::filesystem::exists("/nonexistent-folder"));
}

TEST(Disegno, VerticalFactorAndOffsetOnEveryTarget) {
  Prova p;
  p.d.ImpostaDestinazione(2, "VIDEO", &p.s);
  p.d.Linea(0, 10, 1, 10, 2);
  p.d.OffsetY = 1;
  p.d.Linea(0, 10, 1, 10, 2);
  EXPECT_EQ(p.s.tratti[0].v[1], 5);
  EXPECT_EQ(p.s.tratti[1].v[1], 6);
  p.d.OffsetY = 0;
  p.d.ImpostaDestinazione(2, "DWG", nullptr);
  p.d.Linea(0, 10, 1, 10, 2);
  EXPECT_EQ(p.cad.entita[0]->v[1], 5);
  p.d.ImpostaDestinazione(2, "DXF", nullptr);
  p.d.dxf.Apri("x.dxf");
  p.d.Cerchio(0, 10, 1, 2);
  EXPECT_NE(p.d.dxf.testo().find(" 20\r\n5\r\n"), std::string::npos);
  // A non-finite coordinate never reaches a target.
  p.d.ImpostaDestinazione(1, "VIDEO", &p.s);
  EXPECT_THROW(p.d.Linea(0, 0, 1, 1, 0), RuntimeError);
}

// Polylines on a screen and in CAD, a rectangle, an arrow's head at its tip, an arrow of no size not at all.
TEST(Disegno, PolylinesRectanglesAndArrowsOnScreenAndInCad) {
  Prova p;
  const double X[3] = {0, 1, 0}, Y[3] = {0, 0, 1};
  p.d.Poligonale(3, X, Y, 1);
  EXPECT_EQ(p.s.conta("linea"), 3);
  p.d.PoligonaleAperta(3, X, Y, 1);
  EXPECT_EQ(p.s.conta("linea"), 5);
  // A rectangle, as the strip load is drawn from xq1 to xq2: four sides through its corners.
  p.s.tratti.clear();
  p.d.Rettangolo(2, 1, 6, 1.5, 1);
  ASSERT_EQ(p.s.conta("linea"), 4);
  for (const auto& lato : p.s.tratti)
    for (std::size_t k = 0; k < 4; k += 2)
      EXPECT_TRUE((lato.v[k] == 2 || lato.v[k] == 6) && (lato.v[k + 1] == 1 || lato.v[k + 1] == 1.5)) << k;
  p.s.tratti.clear();
  p.d.Freccia(2, {0, 0}, {0, -10}, 0, 0, "", 1, 1);
  EXPECT_TRUE(p.s.tratti.empty());
  p.d.Freccia(2, {0, 0}, {0, -10}, 5, 0, "", 1, 1);
  ASSERT_EQ(p.s.conta("riempi"), 1);
  const auto& punta = *std::find_if(p.s.tratti.begin(), p.s.tratti.end(), [](auto& t) { return t.tipo == "riempi"; });
  EXPECT_EQ(punta.v[1], -10);          // apex at the tip
  EXPECT_NEAR(punta.v[3], -9, 1e-12);  // base one size back along the arrow
  p.d.ImpostaDestinazione(1, "DWG", nullptr);
  p.d.ImpostaColore(4);
  p.d.Poligonale(3, X, Y, 1);
  ASSERT_EQ(p.cad.entita.size(), 1u);
  EXPECT_EQ(p.cad.entita[0]->tipo, "LWPOLYLINE");
  EXPECT_EQ(p.cad.entita[0]->v, (std::vector<double>{0, 0, 1, 0, 0, 1, 0, 0}));
  EXPECT_EQ(p.cad.entita[0]->colore, 4);
}

// Upright hatching a metre apart, each line from the outline's foot to its top: a rectangle; a gable, whose
// middle line meets the ridge on both slopes and is drawn once, up to it. An outline with no area traced
// backwards, or no spacing, draws nothing (and never loops) and says nothing.
TEST(Disegno, HatchingFillsAnOutlineWithLinesInside) {
  const struct {
    std::vector<double> X, Y;
    double passo;
    int linee;
    double (*cima)(double);
  } casi[] = {{{0, 10, 10, 0}, {0, 0, 4, 4}, 1, 9, [](double) { return 4.0; }},
              {{0, 10, 10, 5, 0}, {0, 0, 4, 6, 4}, 1, 9, [](double x) { return 6 - 0.4 * std::fabs(x - 5); }},
              {{6, 2, 2, 6}, {1, 1, 1, 1}, 1, 0, nullptr},
              {{0, 10, 10, 0}, {0, 0, 4, 4}, 0, 0, nullptr}};
  for (const auto& c : casi) {
    Prova p;
    p.d.Tratteggio(static_cast<int>(c.X.size()), c.X, c.Y, c.passo, 90, 1);
    ASSERT_EQ(p.s.conta("linea"), c.linee) << c.X.size();
    for (const auto& t : p.s.tratti) {
      EXPECT_NEAR(t.v[0], t.v[2], 1e-9);
      EXPECT_NEAR(std::min(t.v[1], t.v[3]), 0, 1e-9);
      EXPECT_NEAR(std::max(t.v[1], t.v[3]), c.cima(t.v[0]), 1e-9) << t.v[0];
    }
    EXPECT_TRUE(p.msg.empty());
  }
}

TEST(Disegno, MissingFontFileIsReportedAndDrawingGoesOn) {
  Prova p("DWG");
  ServiziCad servizi;
  servizi.percorso = "unused.dxf";
  servizi.risolviFont = [](const std::string& f) { return f.find("Arial") != std::string::npos ? "/x/arial.ttf" : ""; };
  ASSERT_TRUE(p.d.ApriCad([&](const std::string&) { return std::make_unique<ApplicazioneCadDxf>(servizi); }, nullptr));
  p.d.DefinisciFont(1, "Times", "Arial");
  p.d.DefinisciFont(2, "Symbol", "Symbol");
  EXPECT_EQ(p.msg.texts(), std::vector<std::string>{"Font file C:\\Windows\\fonts\\Symbol.ttf not found"});
  p.d.SelezionaFont(2);
  p.d.TestoComposto(0, 0, 1, {"g", "m = 18"}, {2, 1}, 1);
  const std::string dxf = static_cast<ApplicazioneCadDxf&>(*p.d.AppCad).TestoDxf();
  EXPECT_NE(dxf.find("\\U+03B3"), std::string::npos);
  EXPECT_NE(dxf.find("arial.ttf"), std::string::npos);
  // No CAD application: the two-line message.
  Prova q("DWG");
  EXPECT_FALSE(q.d.ApriCad([](const std::string&) { return nullptr; }, nullptr));
  EXPECT_EQ(q.msg.texts(),
            std::vector<std::string>{"Impossibile aprire Autocad.\rControllare che la versione di Autocad non sia LT"});
  EXPECT_EQ(q.msg.entries()[0].kind, MessageKind::Critical);
}

TEST(Plottaggio, DegenerateExtentsOpenUpOnlyScreenAndPrinterHaveAScaleAndProportionsAreKept) {
  Prova f;
  Plottaggio p;
  p.Inizializza(0, 10, 5, 5, "DXF", nullptr, nullptr, 1, true, 0, f.d);
  EXPECT_FLOAT_EQ(p.yMin, 5);
  EXPECT_FLOAT_EQ(p.yMax, 5.01f);
  p.Inizializza(3, 3, 2, 2, "DXF", nullptr, nullptr, 1, true, 0, f.d);
  EXPECT_FLOAT_EQ(p.xMax - p.xMin, 1);
  EXPECT_FLOAT_EQ(p.yMax - p.yMin, 1);
  EXPECT_FLOAT_EQ(static_cast<float>(f.d.geo.ZeroMaxDimen), 1e-6f);
  p.AdattaAfinestra(f.d);
  EXPECT_EQ(f.msg.texts(), std::vector<std::string>{"ERRORE! Plottaggio.AdattaAfinestra - Uscita non prevista"});
  // Kept proportions on a screen: one scale both ways, the data centred.
  f.s.W = f.s.H = 1000;
  p.Inizializza(0, 20, 0, 10, "VIDEO", &f.s, nullptr, 1, true, 0, f.d);
  EXPECT_DOUBLE_EQ(f.s.h, -f.s.w);
  EXPECT_NEAR(f.s.l, 0, 1e-9);
  EXPECT_NEAR(f.s.t + 0.5 * f.s.h, 5, 1e-9);
}

}  // namespace
}  // namespace voro
