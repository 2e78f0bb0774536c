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

DatiProgetto DueSegmenti() {
  DatiProgetto d = Anello();
  d.nVori = 2;
  d.dimensionaVori(2);
  d.Vori(1) = {0, 0, 1.2, 2.1, 4, 3.2, 0.6, 12, 12};
  d.Vori(2) = {0, 0, 7.2, 2.4, 9, 0, 0.45, 14, 14};
  return d;
}

std::vector<std::string> Variabili(const DatiProgetto& d) {
  std::vector<std::string> v;
  for (const ValoreImpossibile& x : ValoriImpossibili(d)) v.push_back(x.variabile);
  return v;
}

TEST(ValoriFisici, ASoundArchHasNone) {
  EXPECT_TRUE(ValoriImpossibili(Anello()).empty());
  // Zero fill, slab, walls, weights, Kp and load are possible.
  DatiProgetto d = Anello();
  d.hRiempimento = d.hSoletta = d.SporgenzaParete = d.hRiempimentoSolido = 0;
  d.PesoRiempimento = d.PesoSoletta = d.Kp = d.qCarico = 0;
  // Load positions and eccentricities are signed.
  d.xq1 = -5, d.EccSinistra = -0.05f;
  EXPECT_TRUE(ValoriImpossibili(d).empty());
}

TEST(ValoriFisici, EveryLimitNamesItsQuantity) {
  struct Caso {
    void (*guasta)(DatiProgetto&);
    const char* variabile;
    const char* messaggio;
  };
  const Caso casi[] = {
      {[](DatiProgetto& d) { d.SpessoreAnello = -0.6f; }, "SpessoreAnello",
       "Spessore dell'anello t [m] = -0.6: deve essere maggiore di zero."},
      {[](DatiProgetto& d) { d.LuceAnello = 0; }, "LuceAnello", "Luce dell'arco L [m] = 0: deve essere maggiore di zero."},
      {[](DatiProgetto& d) { d.FrecciaAnello = -1; }, "FrecciaAnello", nullptr},
      {[](DatiProgetto& d) { d.Larghezza = -6; }, "Larghezza", "Larghezza dell'arco [m] = -6: deve essere maggiore di zero."},
      {[](DatiProgetto& d) { d.nConciAnello = 0.4f; }, "nConciAnello",
       "Numero dei conci dell'anello = 0.4: deve essere almeno 1."},
      {[](DatiProgetto& d) { d.hRiempimento = -3; }, "hRiempimento",
       "Spessore del riempimento in chiave h1 [m] = -3: non può essere minore di zero."},
      {[](DatiProgetto& d) { d.hSoletta = -0.1f; }, "hSoletta", nullptr},
      {[](DatiProgetto& d) { d.SporgenzaParete = -0.2f; }, "SporgenzaParete", nullptr},
      {[](DatiProgetto& d) { d.hRiempimentoSolido = -1; }, "hRiempimentoSolido", nullptr},
      {[](DatiProgetto& d) { d.PesoMuratura = -19; }, "PesoMuratura", nullptr},
      {[](DatiProgetto& d) { d.PesoRiempimento = -1; }, "PesoRiempimento", nullptr},
      {[](DatiProgetto& d) { d.PesoSoletta = -1; }, "PesoSoletta", nullptr},
      {[](DatiProgetto& d) { d.Kp = -2; }, "Kp", nullptr},
      {[](DatiProgetto& d) { d.nConciSpinta[1] = -1; }, "nConciSpinta(1)", nullptr},
      {[](DatiProgetto& d) { d.qCarico = -10; }, "qCarico", "Carico variabile q [kN/m2] = -10: non può essere minore di zero."},
      {[](DatiProgetto& d) { d.nVori = 0; }, "nVori", "Il numero di vori deve essere > 0"},
      // A partial factor that would flip a load or divide by zero.
      {[](DatiProgetto& d) { d.Normativa.coefficienti.gQ = -1; }, "gQ", nullptr},
      {[](DatiProgetto& d) { d.Normativa.coefficienti.gM = 0; }, "gM", nullptr},
      {[](DatiProgetto& d) { d.Normativa.coefficienti.gMu = 0; }, "gMu", nullptr},
  };
  for (const Caso& c : casi) {
    DatiProgetto d = Anello();
    c.guasta(d);
    const std::vector<ValoreImpossibile> v = ValoriImpossibili(d);
    ASSERT_EQ(v.size(), 1u) << c.variabile;
    EXPECT_EQ(v[0].variabile, c.variabile);
    if (c.messaggio) EXPECT_EQ(v[0].messaggio, c.messaggio);
    else EXPECT_EQ(v[0].messaggio.rfind(NomeGrandezza(c.variabile) + " = ", 0), 0u) << v[0].messaggio;
  }
  // The values are shown with the regional separator.
  DatiProgetto d = Anello();
  d.SpessoreAnello = -0.6f;
  EXPECT_EQ(ValoriImpossibili(d, Regional::italiano())[0].messaggio,
            "Spessore dell'anello t [m] = -0,6: deve essere maggiore di zero.");
}

TEST(ValoriFisici, SegmentsAreCheckedInsteadOfTheRing) {
  DatiProgetto d = DueSegmenti();
  d.SpessoreAnello = 0;  // the ring's values are not the geometry any more
  EXPECT_TRUE(ValoriImpossibili(d).empty());
  d.Vori(2).Spessore = -0.45;
  d.Vori(1).nConciInput = 0;
  d.Vori(1).X3 = 1e39;  // beyond a Single
  EXPECT_EQ(Variabili(d), (std::vector<std::string>{"Vori(1).X3", "Vori(1).nConciInput", "Vori(2).Spessore"}));
  EXPECT_EQ(ValoriImpossibili(d)[0].messaggio,
            "Ascissa x3 del segmento 1 [m]: il valore supera il campo dei numeri Single (3.402823E+38).");
  // A segment the project does not hold has no thickness.
  d = Anello();
  d.nVori = 2;
  EXPECT_EQ(Variabili(d), (std::vector<std::string>{"Vori(1).Spessore", "Vori(1).nConciInput", "Vori(2).Spessore",
                                                    "Vori(2).nConciInput"}));
}

// A strength, a friction coefficient or a mobilisation below zero means
// nothing; zero strength is the unlimited strength of rigid masonry and an
// empty friction the absence of a sliding check.
TEST(ValoriFisici, StrengthFrictionAndMobilisationAreNeverNegative) {
  DatiProgetto d = Anello();
  d.ResistenzaAnello = 0, d.Attrito = 0.0f, d.Mobilitazione = 0;
  EXPECT_TRUE(ValoriImpossibili(d).empty());
  d.ResistenzaAnello = -5, d.Attrito = -0.6f, d.Mobilitazione = -1;
  EXPECT_EQ(Variabili(d), (std::vector<std::string>{"ResistenzaAnello", "Attrito", "Mobilitazione"}));
  EXPECT_EQ(ValoriImpossibili(d)[0].messaggio,
            "Resistenza a compressione della muratura fc [MPa] = -5: non può essere minore di zero.");
  d = DueSegmenti();
  d.Vori(2).Resistenza = -3;
  d.ResistenzaAnello = -5;  // the ring's value is not the masonry's any more
  EXPECT_EQ(Variabili(d), (std::vector<std::string>{"Vori(2).Resistenza"}));
  EXPECT_EQ(NomeGrandezza("Vori(2).Resistenza"), "Resistenza a compressione fc del segmento 2 [MPa]");
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
  try {
    LeggiFileProgetto(path.string(), letto, m);
    ADD_FAILURE();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), err::ImpossibleValue);
    EXPECT_EQ(e.description(), m.texts().back());
  }
  ASSERT_EQ(m.entries().size(), 1u);
  EXPECT_EQ(m.entries()[0].kind, MessageKind::Critical);
  EXPECT_EQ(m.texts().back(), "Spessore dell'anello t [m] = -0.6: deve essere maggiore di zero.\r"
                              "Carico variabile q [kN/m2] = -1: non può essere minore di zero.");
}

TEST(LetturaCaselle, TypedNumbersUnderTheSettings) {
  const Regional it = Regional::italiano(), en = Regional::inglese();
  std::string e;
  EXPECT_EQ(LeggiCasella(it, " 2,5 ", "FrecciaAnello", TipoCasella::Single, e), 2.5);
  EXPECT_EQ(LeggiCasella(it, "1.234,5", "xq1", TipoCasella::Single, e), 1234.5);
  EXPECT_EQ(LeggiCasella(en, "1,234,567.5", "xq1", TipoCasella::Double, e), 1234567.5);
  EXPECT_EQ(LeggiCasella(en, "-0.45", "Vori(1).Y3", TipoCasella::Double, e), -0.45);
  EXPECT_EQ(LeggiCasella(en, "1e4", "qCarico", TipoCasella::Single, e), 10000);
  // Millimetres typed, metres stored, rounded into a Single as the model keeps them.
  EXPECT_EQ(LeggiCasella(it, "12,3", "EccChiave", TipoCasella::Single, e, 1000), static_cast<double>(0.0123f));
  // Counts round to the nearest whole number, a half to the even one.
  EXPECT_EQ(LeggiCasella(en, "14.5", "Vori(2).nConciInput", TipoCasella::Integer, e), 14);
  EXPECT_EQ(LeggiCasella(en, "3.5", "nDivisioni", TipoCasella::Integer, e), 4);
}

TEST(LetturaCaselle, EveryOtherTextIsAMessageNamingTheBox) {
  const Regional it = Regional::italiano(), en = Regional::inglese();
  struct Caso {
    const Regional& r;
    const char* testo;
    const char* variabile;
    TipoCasella tipo;
    const char* messaggio;
  };
  const Caso casi[] = {
      {en, "abc", "qCarico", TipoCasella::Single,
       "Carico variabile q [kN/m2]: \"abc\" non è un numero.\r"
       "Il separatore decimale è \".\"; il separatore delle migliaia \",\" separa solo gruppi di tre cifre."},
      {en, "", "qCarico", TipoCasella::Single, "Carico variabile q [kN/m2]: la casella è vuota."},
      {en, "   ", "Kp", TipoCasella::Single, "Coefficiente di spinta passiva Kp: la casella è vuota."},
      {en, "2,5", "FrecciaAnello", TipoCasella::Single, nullptr},
      {it, "0.5", "hRiempimento", TipoCasella::Single, nullptr},
      {it, "2,5,", "hRiempimento", TipoCasella::Single, nullptr},
      {en, "12 kN", "qCarico", TipoCasella::Single, nullptr},
      {en, "1e40", "qCarico", TipoCasella::Single,
       "Carico variabile q [kN/m2]: 1e40 supera il campo dei numeri Single (3.402823E+38)."},
      {en, "-1e39", "Vori(1).X2", TipoCasella::Double, nullptr},
      {en, "40000", "nDivisioni", TipoCasella::Integer,
       "Numero di passi della ricerca della curva delle pressioni: 40000 supera il campo dei numeri interi "
       "(da -32768 a 32767)."},
  };
  for (const Caso& c : casi) {
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
  EXPECT_TRUE(ImpostaCampo(d, "SpintaPassiva", "#TRUE#", e));
  EXPECT_TRUE(d.SpintaPassiva);
  EXPECT_TRUE(ImpostaCampo(d, "Attrito", "none", e));
  EXPECT_FALSE(d.Attrito);
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
