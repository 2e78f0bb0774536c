// The drawing primitives on every target, the DXF file byte for byte, the
// CAD rules and the mapping of the plot window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../analysis/ProgettiProva.h"
#include "Registratori.h"
#include "drawing/CadDxf.h"
#include "drawing/Disegno.h"
#include "drawing/Plottaggio.h"

namespace voro {
namespace {

using prova::ContenitoreRegistrato;
using prova::SuperficieRegistrata;

// The lines of a DXF text, given separated by '|'.
std::string righe(const std::string& l) {
  std::string s;
  for (const char c : l + "|") s += c == '|' ? std::string("\r\n") : std::string(1, c);
  return s;
}

const std::string kInizio = righe("  0|SECTION|  2|ENTITIES");
const std::string kFine = righe("  0|ENDSEC|  0|EOF");

// A drawing on a recording screen at factor 1, on a DXF file or on a CAD model space.
struct Prova {
  RecordingMessages msg;
  Disegno d{msg};
  SuperficieRegistrata s;
  ContenitoreRegistrato cad;
  explicit Prova(const std::string& destinazione = "VIDEO") {
    d.ImpostaDestinazione(1, destinazione, destinazione == "VIDEO" ? &s : nullptr);
    if (destinazione == "DXF") d.dxf.Apri("unused.dxf");
    d.ModelSpaceCad = &cad;
  }
  std::string corpo() const { return d.dxf.testo().substr(kInizio.size()); }
};

TEST(Dxf, EmptyPlotIsEightLines) {
  Prova p("DXF");
  EXPECT_EQ(p.d.dxf.testo(), kInizio);
  const auto dir = std::filesystem::temp_directory_path() / "voro-dxf-test";
  std::filesystem::create_directories(dir);
  const auto file = (dir / "vuoto.dxf").string();
  p.d.dxf.Apri(file);
  p.d.dxf.Chiudi();
  std::ifstream in(file, std::ios::binary);
  EXPECT_EQ(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()), kInizio + kFine);
  std::filesystem::remove_all(dir);
}

TEST(Dxf, LineCircleTextAndClosedTriangleByteForByte) {
  Prova p("DXF");
  p.d.ImpostaColore(7);
  p.d.Linea(0, 0.5, 12.5, -3, 1);
  p.d.Cerchio(1, 2, 0.25, 1);
  p.d.Testo(1.5, 2, 0.2, "Arco", 1);
  EXPECT_EQ(p.corpo(), righe("  0|LINE|  8|0| 62|     7| 10|0| 20|0.5| 30|0.0| 11|12.5| 21|-3| 31|0.0|"
                              "  0|CIRCLE|  8|0| 62|     7| 10|1| 20|2| 30|0.0| 40|0.25|"
                              "  0|TEXT|  8|0| 62| 7 | 10|1.5| 20|2| 30|0.0| 40|0.2|  1|Arco"));
  // A closed polyline repeats its first vertex.
  Prova t("DXF");
  t.d.ImpostaColore(1);
  const double X[3] = {0, 1, 0}, Y[3] = {0, 0, 1};
  t.d.Poligonale(3, X, Y, 1);
  std::string vertici;
  for (const char* xy : {"0| 20|0", "1| 20|0", "0| 20|1", "0| 20|0"})
    vertici += righe(std::string("  0|VERTEX|  8|0| 10|") + xy + "| 30|0.0");
  EXPECT_EQ(t.corpo(), righe("  0|POLYLINE|  8|0| 66|     1| 62|     1| 10|0.0| 20|0.0| 30|0.0") + vertici +
                           righe("  0|SEQEND|  8|0"));
}

TEST(Dxf, UnwritablePathSaysWhyAndLeavesNoFile) {
  Prova p("DXF");
  p.d.dxf.Apri("/nonexistent-folder/plot.dxf");
  const prova::Errore e = prova::errore([&] { p.d.dxf.Chiudi(); });
  EXPECT_EQ(e.numero, err::PathNotFound);
  EXPECT_EQ(e.descrizione, "No such file or directory");
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

TEST(Disegno, PolylinesOnScreenAndInCad) {
  Prova p;
  const double X[3] = {0, 1, 0}, Y[3] = {0, 0, 1};
  p.d.Poligonale(3, X, Y, 1);
  EXPECT_EQ(p.s.conta("linea"), 3);
  p.d.PoligonaleAperta(3, X, Y, 1);
  EXPECT_EQ(p.s.conta("linea"), 5);
  // A rectangle, as the strip load is drawn from xq1 to xq2: four sides
  // through its corners and nowhere else.
  p.s.tratti.clear();
  p.d.Rettangolo(2, 1, 6, 1.5, 1);
  ASSERT_EQ(p.s.conta("linea"), 4);
  for (const auto& lato : p.s.tratti)
    for (std::size_t k = 0; k < 4; k += 2) {
      EXPECT_TRUE(lato.v[k] == 2 || lato.v[k] == 6) << lato.v[k];
      EXPECT_TRUE(lato.v[k + 1] == 1 || lato.v[k + 1] == 1.5) << lato.v[k + 1];
    }
  p.d.ImpostaDestinazione(1, "DWG", nullptr);
  p.d.ImpostaColore(4);
  p.d.Poligonale(3, X, Y, 1);
  ASSERT_EQ(p.cad.entita.size(), 1u);
  EXPECT_EQ(p.cad.entita[0]->tipo, "LWPOLYLINE");
  EXPECT_EQ(p.cad.entita[0]->v, (std::vector<double>{0, 0, 1, 0, 0, 1, 0, 0}));
  EXPECT_EQ(p.cad.entita[0]->colore, 4);
}

TEST(Disegno, HatchingFillsAPolygonWithLinesInside) {
  Prova p;
  const double X[4] = {0, 10, 10, 0}, Y[4] = {0, 0, 4, 4};
  p.d.Tratteggio(4, X, Y, 1, 90, 1);
  ASSERT_EQ(p.s.conta("linea"), 9);  // x = 1 .. 9
  for (const auto& t : p.s.tratti) {
    EXPECT_NEAR(t.v[0], t.v[2], 1e-9);
    EXPECT_NEAR(std::fabs(t.v[3] - t.v[1]), 4, 1e-9);
  }
  p.d.Tratteggio(4, X, Y, 0, 45, 1);  // no spacing: nothing, and no endless loop
  EXPECT_EQ(p.s.conta("linea"), 9);
}

TEST(Disegno, ArrowHeadSitsAtTheChosenPoint) {
  Prova p;
  p.d.Freccia(2, {0, 0}, {0, -10}, 5, 0, "", 1, 1);
  ASSERT_EQ(p.s.conta("riempi"), 1);
  const auto& head = *std::find_if(p.s.tratti.begin(), p.s.tratti.end(), [](auto& t) { return t.tipo == "riempi"; });
  EXPECT_EQ(head.v[1], -10);          // apex at the tip
  EXPECT_NEAR(head.v[3], -9, 1e-12);  // base one size back along the arrow
  p.s.tratti.clear();
  p.d.Freccia(2, {0, 0}, {0, -10}, 0, 0, "", 1, 1);
  EXPECT_TRUE(p.s.tratti.empty());
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
