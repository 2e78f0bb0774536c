// The physical limits of the input and the strict reading of typed boxes:
// every impossible value named with its quantity, by forms, files and the
// command line alike.
#include <gtest/gtest.h>

#include "Progetti.h"
#include "data/CampiScalari.h"
#include "data/Impronte.h"
#include "data/LetturaCaselle.h"
#include "data/Normative.h"
#include "data/ProjectFile.h"
#include "data/ValoriFisici.h"

namespace voro {
namespace {

std::vector<std::string> Variabili(const DatiProgetto& d) {
  std::vector<std::string> v;
  for (const ValoreImpossibile& x : ValoriImpossibili(d)) v.push_back(x.variabile);
  return v;
}

TEST(ValoriFisici, ASoundArchHasNone) {
  EXPECT_TRUE(ValoriImpossibili(Anello()).empty());
  // Zero fill, slab, walls, weights, Kp and load are possible; so are a zero
  // strength (the unlimited one of rigid masonry), friction and mobilisation.
  DatiProgetto d = Anello();
  d.hRiempimento = d.hSoletta = d.SporgenzaParete = d.hRiempimentoSolido = 0;
  d.PesoRiempimento = d.PesoSoletta = d.Kp = d.qCarico = d.ResistenzaAnello = d.Mobilitazione = 0, d.Attrito = 0.0f;
  // Load positions and eccentricities are signed.
  d.xq1 = -5, d.EccSinistra = -0.05f;
  EXPECT_TRUE(ValoriImpossibili(d).empty());
}

// Each variable set as --set and --factor set it, alone impossible: named,
// with its quantity and value, or the message given.
TEST(ValoriFisici, EveryLimitNamesItsQuantity) {
  const std::tuple<const char*, const char*, const char*> casi[] = {
      {"SpessoreAnello", "-0.6", "Spessore dell'anello t [m] = -0.6: deve essere maggiore di zero."},
      {"LuceAnello", "0", "Luce dell'arco L [m] = 0: deve essere maggiore di zero."},
      {"Larghezza", "-6", "Larghezza dell'arco [m] = -6: deve essere maggiore di zero."},
      {"nConciAnello", "0.4", "Numero dei conci dell'anello = 0.4: deve essere almeno 1."},
      {"hRiempimento", "-3", "Spessore del riempimento in chiave h1 [m] = -3: non può essere minore di zero."},
      {"qCarico", "-10", "Carico variabile q [kN/m2] = -10: non può essere minore di zero."},
      {"ResistenzaAnello", "-5",
       "Resistenza a compressione della muratura fc [MPa] = -5: non può essere minore di zero."},
      {"nVori", "0", "Il numero di vori deve essere > 0"},
      {"FrecciaAnello", "-1", nullptr}, {"hSoletta", "-0.1", nullptr}, {"SporgenzaParete", "-0.2", nullptr},
      {"hRiempimentoSolido", "-1", nullptr}, {"PesoMuratura", "-19", nullptr}, {"PesoRiempimento", "-1", nullptr},
      {"PesoSoletta", "-1", nullptr}, {"Kp", "-2", nullptr}, {"nConciSpinta(1)", "-1", nullptr},
      {"Attrito", "-0.6", nullptr}, {"Mobilitazione", "-1", nullptr},
      // A partial factor that would flip a load or divide by zero.
      {"gQ", "-1", nullptr}, {"gM", "0", nullptr}, {"gMu", "0", nullptr}};
  for (const auto& [variabile, valore, messaggio] : casi) {
    DatiProgetto d = Anello();
    std::string e;
    if (Single* f = FattorePerNome(d.Normativa.coefficienti, variabile)) *f = std::stof(valore);
    else if (variabile == std::string("Attrito")) d.Attrito = std::stof(valore);  // --set refuses it
    else ASSERT_TRUE(ImpostaCampo(d, variabile, valore, e)) << e;
    const std::vector<ValoreImpossibile> v = ValoriImpossibili(d);
    ASSERT_EQ(v.size(), 1u) << variabile;
    EXPECT_EQ(v[0].variabile, variabile);
    if (messaggio) EXPECT_EQ(v[0].messaggio, messaggio);
    else EXPECT_EQ(v[0].messaggio.rfind(NomeGrandezza(variabile) + " = ", 0), 0u) << v[0].messaggio;
  }
  // The values are shown with the regional separator.
  DatiProgetto d = Anello();
  d.SpessoreAnello = -0.6f;
  EXPECT_EQ(ValoriImpossibili(d, Regional::italiano())[0].messaggio,
            "Spessore dell'anello t [m] = -0,6: deve essere maggiore di zero.");
}

// The segments' values, not the ring's, are the geometry and the masonry.
TEST(ValoriFisici, SegmentsAreCheckedInsteadOfTheRing) {
  DatiProgetto d = Anello();
  d.nVori = 2;
  d.dimensionaVori(2);
  d.Vori(1) = {0, 0, 1.2, 2.1, 4, 3.2, 0.6, 12, 12};
  d.Vori(2) = {0, 0, 7.2, 2.4, 9, 0, 0.45, 14, 14};
  d.SpessoreAnello = 0, d.ResistenzaAnello = -5;
  EXPECT_TRUE(ValoriImpossibili(d).empty());
  d.Vori(2).Spessore = -0.45, d.Vori(2).Resistenza = -3;
  d.Vori(1).nConciInput = 0;
  d.Vori(1).X3 = 1e39;  // beyond a Single
  EXPECT_EQ(Variabili(d), (std::vector<std::string>{"Vori(1).X3", "Vori(1).nConciInput", "Vori(2).Spessore",
                                                    "Vori(2).Resistenza"}));
  EXPECT_EQ(ValoriImpossibili(d)[0].messaggio,
            "Ascissa x3 del segmento 1 [m]: il valore supera il campo dei numeri Single (3.402823E+38).");
  EXPECT_EQ(NomeGrandezza("Vori(2).Resistenza"), "Resistenza a compressione fc del segmento 2 [MPa]");
  // A segment the project does not hold has no thickness.
  d = Anello();
  d.nVori = 2;
  EXPECT_EQ(Variabili(d), (std::vector<std::string>{"Vori(1).Spessore", "Vori(1).nConciInput", "Vori(2).Spessore",
                                                    "Vori(2).nConciInput"}));
}

// A file that reads as a sound one but for an impossible thickness and load,
// written by hand: refused with every message in one critical message.
TEST(ValoriFisici, TheFileReaderRefusesAnImpossibleProject) {
  const Cartella dir("fisici");
  const auto path = dir / "negativo.vro";
  RecordingMessages m;
  ASSERT_TRUE(ScriviFileProgetto(path.string(), Anello(), m));
  DatiProgetto letto;
  EXPECT_NO_THROW(LeggiFileProgetto(path.string(), letto, m));
  std::string bytes = bytesOf(path);
  bytes.replace(bytes.find("12,3.5,.6,36"), 12, "12,3.5,-.6,36").replace(bytes.find("\r\n20,3,8\r\n"), 4, "\r\n-1");
  std::ofstream(path, std::ios::binary) << bytes;
  const auto [numero, testo] = Errore([&] { LeggiFileProgetto(path.string(), letto, m); });
  EXPECT_EQ(std::tie(numero, testo), std::tie(err::ImpossibleValue, m.texts().back()));
  ASSERT_EQ(m.entries().size(), 1u);
  EXPECT_EQ(m.entries()[0].kind, MessageKind::Critical);
  EXPECT_EQ(m.texts().back(), "Spessore dell'anello t [m] = -0.6: deve essere maggiore di zero.\r"
                              "Carico variabile q [kN/m2] = -1: non può essere minore di zero.");
}

// A typed box under the settings: its number in the model's unit and type,
// or a message that names the box.
TEST(LetturaCaselle, TypedNumbersOrAMessageNamingTheBox) {
  const Regional it = Regional::italiano(), en = Regional::inglese();
  constexpr TipoCasella S = TipoCasella::Single, D = TipoCasella::Double, I = TipoCasella::Integer;
  const struct {
    const Regional& r;
    const char* testo;
    const char* variabile;
    TipoCasella tipo;
    double valore;
    double divisore = 1;
  } letti[] = {{it, " 2,5 ", "FrecciaAnello", S, 2.5}, {it, "1.234,5", "xq1", S, 1234.5},
               {en, "1,234,567.5", "xq1", D, 1234567.5}, {en, "-0.45", "Vori(1).Y3", D, -0.45},
               {en, "1e4", "qCarico", S, 10000},
               // Millimetres typed, metres stored, rounded into a Single as the model keeps them.
               {it, "12,3", "EccChiave", S, static_cast<double>(0.0123f), 1000},
               // Counts round to the nearest whole number, a half to the even one.
               {en, "14.5", "Vori(2).nConciInput", I, 14}, {en, "3.5", "nDivisioni", I, 4}};
  for (const auto& c : letti) {
    std::string e;
    EXPECT_EQ(LeggiCasella(c.r, c.testo, c.variabile, c.tipo, e, c.divisore), c.valore) << c.testo;
  }
  const struct {
    const Regional& r;
    const char* testo;
    const char* variabile;
    TipoCasella tipo;
    const char* messaggio;
  } rifiutati[] = {
      {en, "abc", "qCarico", S,
       "Carico variabile q [kN/m2]: \"abc\" non è un numero.\r"
       "Il separatore decimale è \".\"; il separatore delle migliaia \",\" separa solo gruppi di tre cifre."},
      {en, "", "qCarico", S, "Carico variabile q [kN/m2]: la casella è vuota."},
      {en, "   ", "Kp", S, "Coefficiente di spinta passiva Kp: la casella è vuota."},
      {en, "2,5", "FrecciaAnello", S, nullptr}, {it, "0.5", "hRiempimento", S, nullptr},
      {it, "2,5,", "hRiempimento", S, nullptr}, {en, "12 kN", "qCarico", S, nullptr},
      {en, "1e40", "qCarico", S, "Carico variabile q [kN/m2]: 1e40 supera il campo dei numeri Single (3.402823E+38)."},
      {en, "-1e39", "Vori(1).X2", D, nullptr},
      {en, "40000", "nDivisioni", I,
       "Numero di passi della ricerca della curva delle pressioni: 40000 supera il campo dei numeri interi "
       "(da -32768 a 32767)."}};
  for (const auto& c : rifiutati) {
    std::string e;
    EXPECT_FALSE(LeggiCasella(c.r, c.testo, c.variabile, c.tipo, e)) << c.testo;
    if (c.messaggio) EXPECT_EQ(e, c.messaggio);
    else EXPECT_EQ(e.rfind(NomeGrandezza(c.variabile) + ": ", 0), 0u) << e;
  }
}

// The command line's --set: a count in any of its spellings, the Booleans'
// words, no friction; a value the variable cannot hold is named and changes
// nothing.
TEST(ImpostaCampo, SetsAVariableByNameOrNamesWhatItRefuses) {
  DatiProgetto d = Anello();
  std::string e;
  for (const char* nome : {"nConciSpinta(1)", "nConciSpinta[1]", "nConciSpinta1"}) {
    d.nConciSpinta[1] = 0;
    EXPECT_TRUE(ImpostaCampo(d, nome, "32767", e)) << nome << ": " << e;
    EXPECT_EQ(d.nConciSpinta[1], 32767) << nome;
  }
  d.Attrito = 0.6f;
  EXPECT_TRUE(ImpostaCampo(d, "SpintaPassiva", "#TRUE#", e) && d.SpintaPassiva);
  EXPECT_TRUE(ImpostaCampo(d, "Attrito", "none", e) && !d.Attrito);
  const std::string prima = TestoProgetto(d);
  const std::pair<const char*, const char*> rifiutati[] = {
      {"nDivisioni", "32768"}, {"nDivisioni", "-32769"}, {"nDivisioni", "2.5"}, {"SpintaPassiva", "forse"},
      {"qCarico", "1e39"},     {"qCarico", " 5"},        {"Attrito", "-1"},     {"nConciSpinta2", "1"},
      {"nConciSpinta[1)", "1"}};
  for (const auto& [nome, valore] : rifiutati) {
    e.clear();
    EXPECT_FALSE(ImpostaCampo(d, nome, valore, e)) << nome << "=" << valore;
    EXPECT_NE(e.find(nome), std::string::npos) << e;
    EXPECT_EQ(TestoProgetto(d), prima) << nome << "=" << valore;
  }
}

}  // namespace
}  // namespace voro
