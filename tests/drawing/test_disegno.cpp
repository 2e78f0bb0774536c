// The drawing primitives on every target, the DXF file byte for byte, the
// CAD rules and the mapping of the plot window.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Registratori.h"
#include "drawing/CadDxf.h"
#include "drawing/Colori.h"
#include "drawing/Disegno.h"
#include "drawing/Plottaggio.h"

namespace voro {
namespace {

using prova::ContenitoreRegistrato;
using prova::SuperficieRegistrata;

std::string righe(std::initializer_list<const char*> l) {
  std::string s;
  for (const char* r : l) s += std::string(r) + "\r\n";
  return s;
}

const std::string kInizio = righe({"  0", "SECTION", "  2", "ENTITIES"});
const std::string kFine = righe({"  0", "ENDSEC", "  0", "EOF"});

struct DxfProva {
  RecordingMessages msg;
  Disegno d{msg};
  DxfProva() {
    d.ImpostaDestinazione(1, "DXF", nullptr);
    d.dxf.Apri("unused.dxf");
  }
  std::string corpo() const { return d.dxf.testo().substr(kInizio.size()); }
};

TEST(Dxf, EmptyPlotIsEightLines) {
  DxfProva p;
  EXPECT_EQ(p.d.dxf.testo(), kInizio);
  const auto dir = std::filesystem::temp_directory_path() / "voro-dxf-test";
  std::filesystem::create_directories(dir);
  const auto file = (dir / "vuoto.dxf").string();
  p.d.dxf.Apri(file);
  p.d.dxf.Chiudi();
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, kInizio + kFine);
  std::filesystem::remove_all(dir);
}

TEST(Dxf, LineCircleAndTextByteForByte) {
  DxfProva p;
  p.d.ImpostaColore(7);
  p.d.Linea(0, 0.5, 12.5, -3, 1);
  p.d.Cerchio(1, 2, 0.25, 1);
  p.d.Testo(1.5, 2, 0.2, "Arco", 1);
  EXPECT_EQ(p.corpo(), righe({"  0", "LINE", "  8", "0", " 62", "     7", " 10", "0", " 20", "0.5", " 30", "0.0",
                              " 11", "12.5", " 21", "-3", " 31", "0.0",
                              "  0", "CIRCLE", "  8", "0", " 62", "     7", " 10", "1", " 20", "2", " 30", "0.0", " 40",
                              "0.25",
                              "  0", "TEXT", "  8", "0", " 62", " 7 ", " 10", "1.5", " 20", "2", " 30", "0.0", " 40",
                              "0.2", "  1", "Arco"}));
}

TEST(Dxf, ClosedTriangleRepeatsItsFirstVertex) {
  DxfProva p;
  p.d.ImpostaColore(1);
  const double X[3] = {0, 1, 0}, Y[3] = {0, 0, 1};
  p.d.Poligonale(3, X, Y, 1);
  std::string vertici;
  for (auto [x, y] : {std::pair{"0", "0"}, {"1", "0"}, {"0", "1"}, {"0", "0"}})
    vertici += righe({"  0", "VERTEX", "  8", "0", " 10", x, " 20", y, " 30", "0.0"});
  EXPECT_EQ(p.corpo(), righe({"  0", "POLYLINE", "  8", "0", " 66", "     1", " 62", "     1", " 10", "0.0", " 20",
                              "0.0", " 30", "0.0"}) +
                           vertici + righe({"  0", "SEQEND", "  8", "0"}));
}

TEST(Dxf, GreekOfTheSymbolSlotAndThePointWhateverTheSettings) {
  DxfProva p;
  p.d.ImpostaColore(3);
  p.d.DefinisciFont(1, "Times", "Arial");
  p.d.DefinisciFont(2, "Symbol", "Symbol");
  p.d.TestoComposto(0.5, 1, 0.3, {"s", "e max = 1,25 MPa"}, {2, 1}, 1);
  EXPECT_NE(p.corpo().find("  1\r\n\\U+03C3e max = 1,25 MPa\r\n"), std::string::npos);
  EXPECT_NE(p.corpo().find(" 10\r\n0.5\r\n"), std::string::npos);
}

TEST(Dxf, UnwritablePathSaysWhyAndLeavesNoFile) {
  DxfProva p;
  p.d.dxf.Apri("/nonexistent-folder/plot.dxf");
  try {
    p.d.dxf.Chiudi();
    FAIL() << "no error for a missing folder";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), err::PathNotFound);
    EXPECT_EQ(e.description(), "No such file or directory");
  }
  EXPECT_FALSE(std::filesystem::exists("/nonexistent-folder"));
}

TEST(Disegno, VerticalFactorAndOffsetOnEveryTarget) {
  RecordingMessages msg;
  Disegno d(msg);
  SuperficieRegistrata s;
  d.ImpostaDestinazione(2, "VIDEO", &s);
  d.Linea(0, 10, 1, 10, 2);
  EXPECT_EQ(s.tratti[0].v[1], 5);
  d.OffsetY = 1;
  d.Linea(0, 10, 1, 10, 2);
  EXPECT_EQ(s.tratti[1].v[1], 6);
  d.OffsetY = 0;

  ContenitoreRegistrato cad;
  d.ImpostaDestinazione(2, "DWG", nullptr);
  d.ModelSpaceCad = &cad;
  d.Linea(0, 10, 1, 10, 2);
  EXPECT_EQ(cad.entita[0]->v[1], 5);

  d.ImpostaDestinazione(2, "DXF", nullptr);
  d.dxf.Apri("x.dxf");
  d.Cerchio(0, 10, 1, 2);
  EXPECT_NE(d.dxf.testo().find(" 20\r\n5\r\n"), std::string::npos);

  // A non-finite coordinate never reaches a target.
  d.ImpostaDestinazione(1, "VIDEO", &s);
  EXPECT_THROW(d.Linea(0, 0, 1, 1, 0), RuntimeError);
}

TEST(Disegno, ColourIndicesOnScreenAndInCad) {
  EXPECT_EQ(ValoreColore(ColoreIndice(7)), 0);
  EXPECT_EQ(ValoreColore(ColoreIndice(0)), 0xFFFFFF);
  EXPECT_EQ(ValoreColore(ColoreIndice(1)), 255);
  EXPECT_EQ(ValoreColore(ColoreIndice(5)), 255 * 65536);
  EXPECT_EQ(ValoreColore(ColoreIndice(13)), 192 * 256);
  EXPECT_EQ(ValoreColore(ColoreIndice(8)), 128 + 128 * 256 + 128 * 65536);
  EXPECT_EQ(ValoreColore(ColoreIndice(42)), 0);

  RecordingMessages msg;
  Disegno d(msg);
  SuperficieRegistrata s;
  d.ImpostaDestinazione(1, "VIDEO", &s);
  d.ImpostaColore(3);
  EXPECT_EQ(d.ColoreCorrente, 256 * 255);
  d.ImpostaDestinazione(1, "DWG", nullptr);
  d.ImpostaColore(7);
  EXPECT_EQ(d.ColoreCorrente, 7);
}

TEST(Disegno, PolylinesOnScreenAndInCad) {
  RecordingMessages msg;
  Disegno d(msg);
  SuperficieRegistrata s;
  d.ImpostaDestinazione(1, "VIDEO", &s);
  const double X[3] = {0, 1, 0}, Y[3] = {0, 0, 1};
  d.Poligonale(3, X, Y, 1);
  EXPECT_EQ(s.conta("linea"), 3);
  d.PoligonaleAperta(3, X, Y, 1);
  EXPECT_EQ(s.conta("linea"), 5);
  // A rectangle, as the strip load is drawn from xq1 to xq2: four sides
  // through its corners and nowhere else.
  s.tratti.clear();
  d.Rettangolo(2, 1, 6, 1.5, 1);
  ASSERT_EQ(s.conta("linea"), 4);
  for (const auto& lato : s.tratti)
    for (std::size_t k = 0; k < 4; k += 2) {
      EXPECT_TRUE(lato.v[k] == 2 || lato.v[k] == 6) << lato.v[k];
      EXPECT_TRUE(lato.v[k + 1] == 1 || lato.v[k + 1] == 1.5) << lato.v[k + 1];
    }

  ContenitoreRegistrato cad;
  d.ImpostaDestinazione(1, "DWG", nullptr);
  d.ModelSpaceCad = &cad;
  d.ImpostaColore(4);
  d.Poligonale(3, X, Y, 1);
  ASSERT_EQ(cad.entita.size(), 1u);
  EXPECT_EQ(cad.entita[0]->tipo, "LWPOLYLINE");
  EXPECT_EQ(cad.entita[0]->v, (std::vector<double>{0, 0, 1, 0, 0, 1, 0, 0}));
  EXPECT_EQ(cad.entita[0]->colore, 4);
}

TEST(Disegno, SolidsNeedFourPointsAndGoToTheModelSpace) {
  RecordingMessages msg;
  Disegno d(msg);
  ContenitoreRegistrato modello, blocco;
  d.ImpostaDestinazione(1, "BLOCCO", nullptr, &blocco);
  d.ModelSpaceCad = &modello;
  const double X[5] = {0, 1, 1, 0, 0}, Y[5] = {0, 0, 1, 1, 0};
  d.Solido(std::span<const double>(X, 3), std::span<const double>(Y, 3), 1);
  d.Solido(std::span<const double>(X, 5), std::span<const double>(Y, 5), 1);
  EXPECT_EQ(msg.texts(), std::vector<std::string>(2, "Errore in Sub SolidDwg - I punti devono essere 4"));
  EXPECT_TRUE(modello.entita.empty());
  d.Solido(std::span<const double>(X, 4), std::span<const double>(Y, 4), 1);
  EXPECT_EQ(modello.conta("SOLID"), 1);
  EXPECT_TRUE(blocco.entita.empty());
  d.Linea(0, 0, 1, 1, 1);
  EXPECT_EQ(blocco.conta("LINE"), 1);
}

TEST(Disegno, HatchingFillsAPolygonWithLinesInside) {
  RecordingMessages msg;
  Disegno d(msg);
  SuperficieRegistrata s;
  d.ImpostaDestinazione(1, "VIDEO", &s);
  const double X[4] = {0, 10, 10, 0}, Y[4] = {0, 0, 4, 4};
  d.Tratteggio(4, X, Y, 1, 90, 1);
  ASSERT_EQ(s.conta("linea"), 9);  // x = 1 .. 9
  for (const auto& t : s.tratti) {
    EXPECT_NEAR(t.v[0], t.v[2], 1e-9);
    EXPECT_NEAR(std::fabs(t.v[3] - t.v[1]), 4, 1e-9);
  }
  d.Tratteggio(4, X, Y, 0, 45, 1);  // no spacing: nothing, and no endless loop
  EXPECT_EQ(s.conta("linea"), 9);
}

TEST(Disegno, ArrowHeadSitsAtTheChosenPoint) {
  RecordingMessages msg;
  Disegno d(msg);
  SuperficieRegistrata s;
  d.ImpostaDestinazione(1, "VIDEO", &s);
  d.Freccia(2, {0, 0}, {0, -10}, 5, 0, "", 1, 1);
  ASSERT_EQ(s.conta("riempi"), 1);
  const auto& head = *std::find_if(s.tratti.begin(), s.tratti.end(), [](auto& t) { return t.tipo == "riempi"; });
  EXPECT_EQ(head.v[1], -10);  // apex at the tip
  EXPECT_NEAR(head.v[3], -9, 1e-12);  // base one size back along the arrow
  s.tratti.clear();
  d.Freccia(2, {0, 0}, {0, -10}, 0, 0, "", 1, 1);
  EXPECT_TRUE(s.tratti.empty());
}

TEST(Disegno, MissingFontFileIsReportedAndDrawingGoesOn) {
  RecordingMessages msg;
  Disegno d(msg);
  ServiziCad servizi;
  servizi.percorso = "unused.dxf";
  servizi.risolviFont = [](const std::string& f) { return f.find("Arial") != std::string::npos ? "/x/arial.ttf" : ""; };
  d.ImpostaDestinazione(1, "DWG", nullptr);
  ASSERT_TRUE(d.ApriCad([&](const std::string&) { return std::make_unique<ApplicazioneCadDxf>(servizi); }, nullptr));
  d.DefinisciFont(1, "Times", "Arial");
  d.DefinisciFont(2, "Symbol", "Symbol");
  EXPECT_EQ(msg.texts(), std::vector<std::string>{"Font file C:\\Windows\\fonts\\Symbol.ttf not found"});
  d.SelezionaFont(2);
  d.TestoComposto(0, 0, 1, {"g", "m = 18"}, {2, 1}, 1);
  const std::string dxf = static_cast<ApplicazioneCadDxf&>(*d.AppCad).TestoDxf();
  EXPECT_NE(dxf.find("\\U+03B3"), std::string::npos);
  EXPECT_NE(dxf.find("arial.ttf"), std::string::npos);
}

TEST(Disegno, NoCadApplicationGivesTheTwoLineMessage) {
  RecordingMessages msg;
  Disegno d(msg);
  EXPECT_FALSE(d.ApriCad([](const std::string&) { return nullptr; }, nullptr));
  EXPECT_EQ(msg.texts(),
            std::vector<std::string>{"Impossibile aprire Autocad.\rControllare che la versione di Autocad non sia LT"});
  EXPECT_EQ(msg.entries()[0].kind, MessageKind::Critical);
}

struct FinestraProva {
  RecordingMessages msg;
  Disegno d{msg};
  SuperficieRegistrata s;
  Plottaggio p;
};

TEST(Plottaggio, DegenerateExtentsOpenUp) {
  FinestraProva f;
  f.p.Inizializza(0, 10, 5, 5, "DXF", nullptr, nullptr, 1, true, 0, f.d);
  EXPECT_FLOAT_EQ(f.p.yMin, 5);
  EXPECT_FLOAT_EQ(f.p.yMax, 5.01f);
  f.p.Inizializza(3, 3, 2, 2, "DXF", nullptr, nullptr, 1, true, 0, f.d);
  EXPECT_FLOAT_EQ(f.p.xMax - f.p.xMin, 1);
  EXPECT_FLOAT_EQ(f.p.yMax - f.p.yMin, 1);
  EXPECT_FLOAT_EQ(static_cast<float>(f.d.geo.ZeroMaxDimen), 1e-6f);
}

TEST(Plottaggio, KeptProportionsFillTheWidthAndCentreVertically) {
  FinestraProva f;
  f.s.W = f.s.H = 1000;
  f.p.Inizializza(0, 20, 0, 10, "VIDEO", &f.s, nullptr, 1, true, 0, f.d);
  EXPECT_EQ(f.p.ScalaMantieneProporzioni, 1);
  EXPECT_DOUBLE_EQ(f.s.w, 1000 * 20.0 / 1000);
  EXPECT_DOUBLE_EQ(f.s.h, -f.s.w);
  // Data centre at the surface centre vertically.
  const double yCentre = f.s.t + 0.5 * f.s.h;
  EXPECT_NEAR(yCentre, 5, 1e-9);
  EXPECT_NEAR(f.s.l, 0, 1e-9);
}

TEST(Plottaggio, FreeProportionsFillBothWays) {
  FinestraProva f;
  f.s.W = f.s.H = 1000;
  f.p.EstremiFinestra(0.1f, 0.25f, 0.8f, 0.95f);
  f.p.Inizializza(0, 20, 0, 10, "VIDEO", &f.s, nullptr, 1, false, 0, f.d);
  const double sx = 20 / (0.7 * 1000), sy = 10 / (0.7 * 1000);
  EXPECT_NEAR(f.s.w, 1000 * sx, 1e-5);
  EXPECT_NEAR(f.s.h, -1000 * sy, 1e-5);
  EXPECT_FLOAT_EQ(f.p.ScalaMantieneProporzioni, static_cast<float>(sy / sx));
  // The data box starts 10% from the left and ends 5% below the top.
  EXPECT_NEAR(f.s.l + 0.1 * f.s.w, 0, 1e-6);
  EXPECT_NEAR(f.s.t + 0.05 * f.s.h, 10, 1e-6);
}

TEST(Plottaggio, OnlyScreenAndPrinterHaveAScale) {
  FinestraProva f;
  f.p.Inizializza(0, 1, 0, 1, "DXF", nullptr, nullptr, 1, true, 0, f.d);
  f.p.AdattaAfinestra(f.d);
  EXPECT_EQ(f.msg.texts(), std::vector<std::string>{"ERRORE! Plottaggio.AdattaAfinestra - Uscita non prevista"});
}

}  // namespace
}  // namespace voro
