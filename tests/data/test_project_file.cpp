// The project data file: the exact bytes written, reading back, and short or bad files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "data/Normative.h"
#include "data/ProjectFile.h"
#include "data/RuntimeError.h"

namespace voro {
namespace {

std::string written(DatiProgetto d) {
  RecordingMessages m;
  FileDati f = FileDati::perScrittura();
  EXPECT_TRUE(FileLeggeScrive("S", f, d, m));
  EXPECT_TRUE(m.empty());
  return f.contenuto();
}

// Reads bytes into d; returns the error number raised, 0 when none.
int readInto(const std::string& bytes, DatiProgetto& d, RecordingMessages& m) {
  FileDati f = FileDati::perLettura(bytes);
  try {
    FileLeggeScrive("L", f, d, m);
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

DatiProgetto ringProject() {
  DatiProgetto d;
  d.Larghezza = 1;
  d.LarghezzaChiave = 1;
  d.ScalaPlot = 1;
  d.LuceAnello = 10;
  d.FrecciaAnello = 3;
  d.SpessoreAnello = 0.5f;
  d.nConciAnello = 30;
  return d;
}

// Every variable set to a distinctive value, with three segments.
DatiProgetto fullProject() {
  DatiProgetto d;
  d.Titolo = "Ponte sul Serchio, arcata 2 – città";
  d.Riservato = -7;
  d.PesoMuratura = 18.5f;
  d.hRiempimento = 0.45f;
  d.PesoRiempimento = 16.25f;
  d.hSoletta = 0.2f;
  d.PesoSoletta = 24;
  d.Larghezza = 4.2f;
  d.LarghezzaChiave = 3.9f;
  d.SporgenzaParete = 0.35f;
  d.hRiempimentoSolido = 1.1f;
  d.nVori = 3;
  d.dimensionaVori(3);
  d.Vori(1) = {0, 0, 1.2, 2.1, 4.0, 3.2, 0.6, 12, 12};
  d.Vori(2) = {0, 0, 5.1, 3.45, 6.0000000001, 3.1, 0.55, 7, 7};
  d.Vori(3) = {0, 0, 7.2, 2.4, 9, -0.001, 0.45, 14, 14};
  d.LuceAnello = 9;
  d.FrecciaAnello = 3.2f;
  d.SpessoreAnello = 0.6f;
  d.nConciAnello = 33;
  d.EccSinistra = -0.05f;
  d.EccChiave = 0.1f;
  d.EccDestra = 1e-5f;
  d.qCarico = 20;
  d.xq1 = -3;
  d.xq2 = 7.125f;
  d.ScalaPlot = 11.11111f;
  d.ScalaManuale = true;
  d.SpintaPassiva = true;
  d.Kp = 2.5f;
  d.nConciSpinta = {5, 4};
  d.OttimizzaCerniere = true;
  d.nDivisioni = 21;
  d.OttimizzaEccentricita = true;
  return d;
}

// Two projects are the same when they write the same bytes: the writer puts
// every variable in the file.
void expectSameProject(const DatiProgetto& a, const DatiProgetto& b) { EXPECT_EQ(written(a), written(b)); }

TEST(ProjectFile, NewRingProjectIsWrittenByteForByte) {
  const std::string expected =
      "\"\"\r\n0,0\r\n0,0\r\n0,0\r\n1,1,0,0\r\n1\r\n10,3,.5,30\r\n0,0,0\r\n0,0,0\r\n1\r\n0\r\n0\r\n0\r\n"
      "#FALSE#\r\n#FALSE#\r\n0\r\n#FALSE#\r\n#FALSE#\r\n";
  EXPECT_EQ(written(ringProject()), expected);
}

TEST(ProjectFile, SegmentsReplaceTheRingLine) {
  std::string bytes = written(fullProject());
  int lines = 0;
  for (std::size_t p = 0; (p = bytes.find("\r\n", p)) != std::string::npos; p += 2) ++lines;
  EXPECT_EQ(lines, 17 + 3);
  EXPECT_EQ(bytes.find("9,3.2,.6,33"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n1.2,2.1,4,3.2,.6,12\r\n5.1,3.45,6.0000000001,3.1,.55,7\r\n7.2,2.4,9,-.001,.45,14\r\n"),
            std::string::npos);
  EXPECT_NE(bytes.find("\r\n20,-3,7.125\r\n-.05,.1,1E-05\r\n11.11111\r\n2.5\r\n5\r\n4\r\n#TRUE#\r\n#TRUE#\r\n21\r\n"),
            std::string::npos);
}

TEST(ProjectFile, RoundTripRestoresEveryVariable) {
  DatiProgetto original = fullProject();
  std::string first = written(original);
  DatiProgetto back;
  back.Vori.redim(1, 1);
  back.Vori(1).nConci = 99;
  RecordingMessages m;
  ASSERT_EQ(readInto(first, back, m), 0);
  EXPECT_TRUE(m.empty());
  expectSameProject(original, back);
  ASSERT_EQ(back.Vori.size(), 3);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(back.Vori(i).X2, original.Vori(i).X2);
    EXPECT_EQ(back.Vori(i).Y3, original.Vori(i).Y3);
    EXPECT_EQ(back.Vori(i).Spessore, original.Vori(i).Spessore);
    EXPECT_EQ(back.Vori(i).nConciInput, original.Vori(i).nConciInput);
    EXPECT_EQ(back.Vori(i).nConci, back.Vori(i).nConciInput);
  }
  EXPECT_EQ(written(back), first);
}

TEST(ProjectFile, RingRoundTripKeepsTheRingValues) {
  DatiProgetto d = fullProject();
  d.nVori = 1;
  d.ResistenzaAnello = 1.0f / 3.0f;
  DatiProgetto back;
  RecordingMessages m;
  ASSERT_EQ(readInto(written(d), back, m), 0);
  expectSameProject(d, back);
  EXPECT_EQ(back.LuceAnello, 9.0f);
  EXPECT_EQ(back.FrecciaAnello, 3.2f);
  EXPECT_EQ(back.SpessoreAnello, 0.6f);
  EXPECT_EQ(back.nConciAnello, 33.0f);
  EXPECT_EQ(back.ResistenzaAnello, 1.0f / 3.0f);
  EXPECT_FALSE(back.Attrito);  // friction left empty stays empty
  EXPECT_EQ(back.Mobilitazione, 1.0f);
}

TEST(ProjectFile, ReaderAcceptsLeadingZerosBlanksAndLineBreaksAsSeparators) {
  const std::string bytes =
      "\"Arco\"\r\n0,18\r\n0.5,16\r\n 0.2 , 20 \r\n1,1\r\n0,0\r\n1\n10,3\r\n-0.5,30\r\n0,0,0\r\n0,0,0\r\n1\r\n0\r\n0\r\n0\r\n"
      "#false#\r\n#TRUE#\r\n2.5\r\n#FALSE#\r\n#FALSE#";
  DatiProgetto d;
  RecordingMessages m;
  ASSERT_EQ(readInto(bytes, d, m), 0);
  EXPECT_EQ(d.Titolo, "Arco");
  EXPECT_EQ(d.hRiempimento, 0.5f);
  EXPECT_EQ(d.hSoletta, 0.2f);
  EXPECT_EQ(d.PesoSoletta, 20.0f);
  EXPECT_EQ(d.SpessoreAnello, -0.5f);
  EXPECT_TRUE(d.OttimizzaCerniere);
  EXPECT_EQ(d.nDivisioni, 2);  // 2.5 rounds to the even neighbour
}

TEST(ProjectFile, IntegersRoundHalfToEven) {
  for (auto [text, value] : {std::pair{"3.5", 4}, {"2.5", 2}, {"-2.5", -2}, {"2.4999", 2}, {"1E1", 10}}) {
    std::string bytes = written(ringProject());
    std::size_t p = bytes.rfind("\r\n0\r\n#FALSE#\r\n#FALSE#\r\n");
    bytes.replace(p + 2, 1, text);
    DatiProgetto d;
    RecordingMessages m;
    ASSERT_EQ(readInto(bytes, d, m), 0) << text;
    EXPECT_EQ(d.nDivisioni, value) << text;
  }
}

TEST(ProjectFile, FileCutAfterAnyLineKeepsWhatWasRead) {
  const std::string full = written(fullProject());
  std::vector<std::size_t> ends;
  for (std::size_t p = 0; (p = full.find("\r\n", p)) != std::string::npos; p += 2) ends.push_back(p + 2);
  for (std::size_t k = 0; k + 1 < ends.size(); ++k) {
    DatiProgetto d;
    RecordingMessages m;
    EXPECT_EQ(readInto(full.substr(0, ends[k]), d, m), err::IncompleteFile) << "cut after line " << k + 1;
    ASSERT_EQ(m.texts(), std::vector<std::string>{"Lettura incompleta del file"});
    EXPECT_EQ(m.entries()[0].kind, MessageKind::Critical);
    EXPECT_EQ(d.Titolo, fullProject().Titolo);
    EXPECT_EQ(d.PesoMuratura, k >= 1 ? 18.5f : 0.0f);
    EXPECT_EQ(d.nVori, k >= 5 ? 3 : 1);
  }
  // Cut inside a line: the fields before the cut are loaded.
  DatiProgetto d;
  RecordingMessages m;
  EXPECT_EQ(readInto(full.substr(0, full.find("16.25")), d, m), err::IncompleteFile);
  EXPECT_EQ(d.hRiempimento, 0.45f);
  EXPECT_EQ(d.PesoRiempimento, 0.0f);
}

TEST(ProjectFile, BadFieldsFailLikeAShortFile) {
  const std::string good = written(ringProject());
  for (auto [from, to] : {std::pair{"10,3,.5,30", "10,tre,.5,30"}, {"10,3,.5,30", "10,1e999,.5,30"},
                          {"10,3,.5,30", "10,3,.5,1e39"}, {"#FALSE#\r\n0\r\n", "#FALSE#\r\n99999\r\n"},
                          {"#FALSE#\r\n0\r\n", "#NO#\r\n0\r\n"}, {"10,3,.5,30", "10,3,.5.5,30"},
                          {"10,3,.5,30", "10,3,--5,30"}, {"10,3,.5,30", "10,\"3\",.5,30"}}) {
    std::string bytes = good;
    bytes.replace(bytes.find(from), std::string(from).size(), to);
    DatiProgetto d;
    RecordingMessages m;
    EXPECT_EQ(readInto(bytes, d, m), err::IncompleteFile) << to;
    EXPECT_EQ(m.texts(), std::vector<std::string>{"Lettura incompleta del file"}) << to;
    EXPECT_EQ(d.nVori, 1);
  }
}

TEST(ProjectFile, SegmentCountBelowOneFailsWithoutACrash) {
  std::string bytes = written(ringProject());
  bytes.replace(bytes.find("\r\n1\r\n10,3"), 5, "\r\n0\r\n");
  DatiProgetto d;
  RecordingMessages m;
  EXPECT_EQ(readInto(bytes, d, m), err::SubscriptOutOfRange);
  EXPECT_EQ(d.nVori, 0);
}

TEST(ProjectFile, WritingWithoutSegmentsStopsAfterTheCount) {
  DatiProgetto d = ringProject();
  d.nVori = 0;
  RecordingMessages m;
  FileDati f = FileDati::perScrittura();
  EXPECT_FALSE(FileLeggeScrive("S", f, d, m));
  EXPECT_EQ(m.texts(), std::vector<std::string>{"Il numero di vori deve essere > 0"});
  EXPECT_EQ(f.contenuto(), "\"\"\r\n0,0\r\n0,0\r\n0,0\r\n1,1,0,0\r\n0\r\n");
}

TEST(ProjectFile, UnknownModeDoesNothing) {
  DatiProgetto d = ringProject();
  RecordingMessages m;
  FileDati f = FileDati::perScrittura();
  FileInOut("X", f, {&d.Titolo}, m);
  EXPECT_EQ(m.texts(), std::vector<std::string>{"Errore nella Sub FileInOut"});
  EXPECT_TRUE(f.contenuto().empty());
}

// A title is stored in the Windows code page; its quotes and line breaks,
// which would end the field, become typographic quotes and blanks.
TEST(ProjectFile, TitlesAreStoredInTheWindowsCodePageWithoutBreakingTheirField) {
  DatiProgetto d = ringProject();
  d.Titolo = "Città – ponte € 1";
  std::string bytes = written(d);
  EXPECT_EQ(bytes.substr(0, 21), "\"Citt\xE0 \x96 ponte \x80 1\"\r\n");
  DatiProgetto back;
  RecordingMessages m;
  ASSERT_EQ(readInto(bytes, back, m), 0);
  EXPECT_EQ(back.Titolo, d.Titolo);

  d.Titolo = "Ponte \"Vecchio\"\r\nsul fiume";
  bytes = written(d);
  ASSERT_EQ(readInto(bytes, back, m), 0);
  EXPECT_EQ(back.Titolo, "Ponte \xE2\x80\x9CVecchio\xE2\x80\x9D  sul fiume");
  EXPECT_EQ(back.LuceAnello, 10.0f);  // the following fields did not shift
  EXPECT_EQ(written(back), bytes);
}

class ProjectFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("voro-file-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(ProjectFileOnDisk, SaveThenOpenRestoresTheProject) {
  auto path = (dir_ / "arco con spazi.vro").string();
  RecordingMessages m;
  ASSERT_TRUE(ScriviFileProgetto(path, fullProject(), m));
  DatiProgetto back;
  LeggiFileProgetto(path, back, m);
  expectSameProject(fullProject(), back);
  EXPECT_FALSE(std::filesystem::exists(path + ".part"));
}

TEST_F(ProjectFileOnDisk, MissingFileIsFileNotFound) {
  DatiProgetto d;
  RecordingMessages m;
  try {
    LeggiFileProgetto((dir_ / "none.vro").string(), d, m);
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), err::FileNotFound);
  }
  EXPECT_THROW(LeggiFileProgetto(dir_.string(), d, m), RuntimeError);
}

TEST_F(ProjectFileOnDisk, FailedSaveKeepsTheOldFile) {
  auto path = (dir_ / "a.vro").string();
  RecordingMessages m;
  ASSERT_TRUE(ScriviFileProgetto(path, fullProject(), m));
  DatiProgetto bad = ringProject();
  bad.nVori = 0;
  EXPECT_FALSE(ScriviFileProgetto(path, bad, m));
  DatiProgetto back;
  LeggiFileProgetto(path, back, m);
  EXPECT_EQ(back.nVori, 3);

  m.clear();
  EXPECT_FALSE(ScriviFileProgetto((dir_ / "no-such-dir" / "b.vro").string(), fullProject(), m));
  EXPECT_EQ(m.texts(), std::vector<std::string>{"Scrittura incompleta del file"});
}

TEST(DefaultRule, NewProjectGetsWidthAndScaleOnce) {
  DatiProgetto d;
  StatoInterfaccia s;
  Datidefault(d, s);
  EXPECT_EQ(d.Larghezza, 1.0f);
  EXPECT_EQ(d.ScalaPlot, 1.0f);
  EXPECT_EQ(d.nVori, 1);
  EXPECT_EQ(d.PesoMuratura, 0.0f);
  EXPECT_FALSE(s.DatiNuovi);
  d.Larghezza = -2;  // typed later: not corrected any more
  Datidefault(d, s);
  EXPECT_EQ(d.Larghezza, -2.0f);
}

// Lines a later version adds after the last field are skipped, whatever
// they hold, and the project reads as it always did.
TEST(ProjectFile, LinesAfterTheLastFieldThatThisVersionDoesNotKnowAreSkipped) {
  const std::string old = written(ringProject());
  for (const std::string& extra : {std::string("\"Sconosciuta\",1,2,\"x\"\r\n"), std::string("\r\n\r\n"),
                                   std::string("12,#TRUE#\r\n\"\"\r\n")}) {
    DatiProgetto d;
    RecordingMessages m;
    EXPECT_EQ(readInto(old + extra, d, m), 0) << extra;
    EXPECT_TRUE(m.empty());
    EXPECT_EQ(written(d), old);
  }
}

// The lines of the data added after the first format: each set on a project
// that had none, with the line it writes, the bad forms of it that make the
// file a bad one.
struct RigaAggiunta {
  const char* nome;
  std::function<void(DatiProgetto&)> imposta;
  std::string attesa;
  std::vector<std::string> cattive;
};

class RigheAggiunte : public ::testing::TestWithParam<RigaAggiunta> {};

// A project that uses none of them writes none; one that does writes its
// line after the old ones, and every value comes back exactly (empty friction
// included), names with commas, quotes and accents as well.
TEST_P(RigheAggiunte, WrittenOnlyWhenUsedAndReadBackExactly) {
  const RigaAggiunta& r = GetParam();
  DatiProgetto d = fullProject();
  const std::string without = written(d);
  for (const char* etichetta : {"Resistenza", "Veicolo", "Diffusione", "Normativa", "Cartiglio"})
    EXPECT_EQ(without.find(etichetta), std::string::npos) << etichetta;
  r.imposta(d);
  const std::string text = written(d);
  EXPECT_EQ(text.substr(0, without.size()), without);
  EXPECT_NE(text.find(r.attesa), std::string::npos) << text;
  DatiProgetto back;
  RecordingMessages m;
  ASSERT_EQ(readInto(text, back, m), 0);
  EXPECT_TRUE(m.empty());
  EXPECT_EQ(written(back), text);
  for (const std::string& bad : r.cattive) {
    DatiProgetto f;
    EXPECT_EQ(readInto(without + bad, f, m), 1000) << bad;
  }
}

INSTANTIATE_TEST_SUITE_P(
    ProjectFile, RigheAggiunte,
    ::testing::Values(
        RigaAggiunta{"Strength",
                     [](DatiProgetto& d) {
                       d.Vori(2).Resistenza = 4.7f;
                       d.Mobilitazione = 0.35f;
                       d.Attrito = 0.6f;
                     },
                     "\"Resistenza\",0,0.6,0.35,0,4.7\r\n",
                     {"\"Resistenza\",abc,,1\r\n"}},
        RigaAggiunta{"VehicleAndSpread",
                     [](DatiProgetto& d) {
                       d.VeicoloCarico =
                           Veicolo{"2 × 10 t bogie, città", {{98.1f, 0, 0.3f}, {98.1f, 1.8f, 0.3f}}, 1.8f, 0.3f};
                       d.DiffusioneCarico = {RegolaDiffusione::UnoDue, 0};
                     },
                     ",1.8,0.3,98.1,0,0.3,98.1,1.8,0.3\r\n\"Diffusione\",\"1:2\"\r\n",
                     {"\"Veicolo\",\"x\",2,0.4\r\n", "\"Veicolo\",\"x\",2,0.4,-300,0,0.4\r\n",
                      "\"Veicolo\",\"x\",2,0.4,300,0\r\n", "\"Diffusione\",\"75\"\r\n",
                      "\"Diffusione\",\"steep\"\r\n"}},
        RigaAggiunta{"SpreadAt30", [](DatiProgetto& d) { d.DiffusioneCarico = {RegolaDiffusione::Trenta, 0}; },
                     "\"Diffusione\",\"30\"\r\n", {}},
        RigaAggiunta{"SpreadAt45",
                     [](DatiProgetto& d) { d.DiffusioneCarico = {RegolaDiffusione::Quarantacinque, 0}; },
                     "\"Diffusione\",\"45\"\r\n", {}},
        RigaAggiunta{"SpreadAtAnAngle", [](DatiProgetto& d) { d.DiffusioneCarico = {RegolaDiffusione::Angolo, 22.5f}; },
                     "\"Diffusione\",\"22.5\"\r\n", {}},
        RigaAggiunta{"CodeBasisAndTitleBlock",
                     [](DatiProgetto& d) {
                       d.Normativa.base = BaseNormativa::Ntc2018;
                       d.Normativa.livello = LivelloConoscenza::LC2;
                       d.Normativa.coefficienti = {1.35f, 1.0f, 1.5f, 0.0f, 1.35f, 2.0f, 1.2f, 1, 1, 1.45f, 1.1f, 0};
                       d.Cartiglio.riferimento = "Ponte sul Rio, SP 12 km 3+200";
                       d.Cartiglio.committente = "Provincia di Città";
                       d.Cartiglio.progettista = "Ing. A. Rossi";
                       d.Cartiglio.approvatore = "Ing. B. Bianchi";
                       d.Cartiglio.revisione = "B";
                       d.Cartiglio.stato = "per approvazione";
                     },
                     "\"Normativa\",2,2,1.35,1,1.5,0,1.35,2,1.2\r\n\"Cartiglio\",\"Ponte sul Rio, SP 12 km 3+200\",",
                     // A code basis or a knowledge level outside the list.
                     {"\"Normativa\",3,1,1,1,1,1,1,1,1\r\n", "\"Normativa\",1,4,1,1,1,1,1,1,1\r\n"}},
        RigaAggiunta{"FrictionFactorWhereItIsNotOne",
                     [](DatiProgetto& d) {
                       d.Normativa.base = BaseNormativa::Ntc2018;
                       d.Normativa.livello = LivelloConoscenza::LC2;
                       d.Normativa.coefficienti = {1.35f, 1.0f, 1.5f, 0.0f, 1.35f, 2.0f, 1.2f, 1, 1, 1.45f, 1.1f, 0};
                       d.Normativa.coefficienti.gMu = 1.25f;
                     },
                     "\"Normativa\",2,2,1.35,1,1.5,0,1.35,2,1.2,1.25\r\n", {}},
        RigaAggiunta{"RailVehicleAndFactorsWhereNotTheCodes",
                     [](DatiProgetto& d) {
                       d.VeicoloCarico = Veicolo{"LM71", {{250, 0, 0.25f}}, 1.435f, 0.25f};
                       d.VeicoloCarico->Categoria = CategoriaTraffico::Ferroviaria;
                       ApplicaNormativa(d.Normativa, BaseNormativa::Ntc2018);
                       d.Normativa.coefficienti.alpha = 1.21f;
                       d.Normativa.manutenzione = ManutenzioneBinario::Standard;
                     },
                     // Neither the knowledge level nor gM given: 0 and an empty field.
                     ",1.435,0.25,250,0,0.25,\"rail\"\r\n\"Normativa\",2,0,1.35,1,1.5,0,1.35,,1,1,1,1.45,1.21,0,1\r\n",
                     // A category that is neither, alpha 0, a track maintained neither way.
                     {"\"Veicolo\",\"x\",2,0.4,300,0,0.4,\"tram\"\r\n", "\"Normativa\",1,1,1,1,1,1,1,1,1,1,1,1,0\r\n",
                      "\"Normativa\",1,1,1,1,1,1,1,1,1,1,1,1,1,0,2\r\n"}}),
    [](const ::testing::TestParamInfo<RigaAggiunta>& info) { return std::string(info.param.nome); });

// The title block's line keeps the seven fields it always had until one of
// the later ones is given, then carries all seventeen; every field comes back
// as written, commas, quotes and accents as well.
TEST(ProjectFile, TitleBlockLineGrowsOnlyForTheLaterFields) {
  Cartiglio firmato, vecchio, soloData;
  firmato.riferimento = "SP 12, km 3+200";
  firmato.progettista = "Ing. A. Rossi";
  firmato.revisione = "B";
  firmato.numeroDocumento = "VR-027/2026";
  firmato.localita = "Bergamo (BG)";
  firmato.scopo = "Verifica “LM71”, ponte ad arco";
  firmato.iscrizioneProgettista = "Ordine degli Ingegneri di Bergamo n. 1234";
  firmato.dataVerificatore = "7/12/2026";
  vecchio.riferimento = "SP 12";
  vecchio.revisione = "A";
  soloData.dataApprovatore = "8 dicembre 2026";
  const std::string vecchia = "\"Cartiglio\",\"SP 12\",\"\",\"\",\"\",\"\",\"A\",\"\"\r\n";
  const struct {
    Cartiglio c;
    std::size_t campi;
  } casi[] = {{{}, 0}, {vecchio, 7}, {firmato, 17}, {soloData, 17}};
  for (const auto& caso : casi) {
    DatiProgetto d = fullProject();
    d.Cartiglio = caso.c;
    const std::string text = written(d);
    const auto inizio = text.find("\"Cartiglio\"");
    ASSERT_EQ(inizio == std::string::npos, caso.campi == 0);
    if (caso.campi == 7) {
      EXPECT_NE(text.find(vecchia), std::string::npos) << text;
    }
    if (caso.campi > 0) {
      const std::string riga = text.substr(inizio, text.find("\r\n", inizio) - inizio);
      EXPECT_EQ(std::count(riga.begin(), riga.end(), '"'), 2 * static_cast<long>(caso.campi + 1)) << riga;
    }
    DatiProgetto back;
    RecordingMessages m;
    ASSERT_EQ(readInto(text, back, m), 0);
    EXPECT_EQ(back.Cartiglio, caso.c);
    EXPECT_EQ(written(back), text);
  }
}

}  // namespace
}  // namespace voro
