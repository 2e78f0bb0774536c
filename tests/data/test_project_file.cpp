// The project data file: the exact bytes written, reading back, and short or bad files.
#include <gtest/gtest.h>

#include "Progetti.h"
#include "data/Normative.h"

namespace voro {
namespace {

// Every variable set to a distinctive value, with three segments.
DatiProgetto fullProject() {
  DatiProgetto d;
  d.Titolo = "Ponte sul Serchio, arcata 2 – città";
  d.Riservato = -7, d.PesoMuratura = 18.5f, d.hRiempimento = 0.45f, d.PesoRiempimento = 16.25f;
  d.hSoletta = 0.2f, d.PesoSoletta = 24, d.Larghezza = 4.2f, d.LarghezzaChiave = 3.9f;
  d.SporgenzaParete = 0.35f, d.hRiempimentoSolido = 1.1f;
  d.nVori = 3;
  d.dimensionaVori(3);
  d.Vori(1) = {0, 0, 1.2, 2.1, 4.0, 3.2, 0.6, 12, 12};
  d.Vori(2) = {0, 0, 5.1, 3.45, 6.0000000001, 3.1, 0.55, 7, 7};
  d.Vori(3) = {0, 0, 7.2, 2.4, 9, -0.001, 0.45, 14, 14};
  d.LuceAnello = 9, d.FrecciaAnello = 3.2f, d.SpessoreAnello = 0.6f, d.nConciAnello = 33;
  d.EccSinistra = -0.05f, d.EccChiave = 0.1f, d.EccDestra = 1e-5f, d.qCarico = 20, d.xq1 = -3, d.xq2 = 7.125f;
  d.ScalaPlot = 11.11111f, d.ScalaManuale = d.SpintaPassiva = true, d.Kp = 2.5f, d.nConciSpinta = {5, 4};
  d.OttimizzaCerniere = d.OttimizzaEccentricita = true, d.nDivisioni = 21;
  return d;
}

// The bytes of a ring and of a project of three segments, whose lines
// replace the ring's line: the file as every earlier version wrote it.
TEST(ProjectFile, ProjectsAreWrittenByteForByte) {
  EXPECT_EQ(written(Anello()),
            "\"\"\r\n0,19\r\n.6,18\r\n.25,24\r\n6,6,.4,1\r\n1\r\n12,3.5,.6,36\r\n20,3,8\r\n0,0,0\r\n1\r\n0\r\n0\r\n"
            "0\r\n#FALSE#\r\n#FALSE#\r\n0\r\n#FALSE#\r\n#FALSE#\r\n");
  EXPECT_EQ(written(fullProject()),
            "\"Ponte sul Serchio, arcata 2 \x96 citt\xE0\"\r\n-7,18.5\r\n.45,16.25\r\n.2,24\r\n4.2,3.9,.35,1.1\r\n3\r\n"
            "1.2,2.1,4,3.2,.6,12\r\n5.1,3.45,6.0000000001,3.1,.55,7\r\n7.2,2.4,9,-.001,.45,14\r\n20,-3,7.125\r\n"
            "-.05,.1,1E-05\r\n11.11111\r\n2.5\r\n5\r\n4\r\n#TRUE#\r\n#TRUE#\r\n21\r\n#TRUE#\r\n#TRUE#\r\n");
}

// A field changed by hand in a ring's file: blanks around a field, a leading
// zero, a line break between fields and a Boolean in lower case read as
// written; whole numbers round half to even; a field that is no number, out
// of its range or of the wrong kind fails like a short file; a segment count
// below 1 fails without a crash.
TEST(ProjectFile, FieldsChangedByHand) {
  const std::string divisioni = "#FALSE#\r\n0\r\n", anello = "12,3.5,.6,36";
  const struct {
    std::string da, a;
    int errore, nDivisioni;
  } casi[] = {{anello, " 12 , 3.5 ,0.6,36 ", 0, 0},           {anello, "12,3.5\r\n.6,36", 0, 0},
              {"\r\n1\r\n12", "\r\n1\n12", 0, 0},             {divisioni, "#false#\r\n0\r\n", 0, 0},
              {divisioni, "#FALSE#\r\n3.5\r\n", 0, 4},        {divisioni, "#FALSE#\r\n2.5\r\n", 0, 2},
              {divisioni, "#FALSE#\r\n-2.5\r\n", 0, -2},      {divisioni, "#FALSE#\r\n2.4999\r\n", 0, 2},
              {divisioni, "#FALSE#\r\n1E1\r\n", 0, 10},       {divisioni, "#FALSE#\r\n99999\r\n", 1000, 0},
              {divisioni, "#NO#\r\n0\r\n", 1000, 0},          {anello, "12,tre,.6,36", 1000, 0},
              {anello, "12,1e999,.6,36", 1000, 0},            {anello, "12,3.5,.6,1e39", 1000, 0},
              {anello, "12,3.5,.6.5,36", 1000, 0},            {anello, "12,3.5,--6,36", 1000, 0},
              {anello, "12,\"3.5\",.6,36", 1000, 0},
              {"\r\n1\r\n12,3.5", "\r\n0\r\n12,3.5", err::SubscriptOutOfRange, 0}};
  for (const auto& c : casi) {
    SCOPED_TRACE(c.a);
    std::string bytes = written(Anello());
    bytes.replace(bytes.find(c.da), c.da.size(), c.a);
    DatiProgetto d, atteso = Anello();
    RecordingMessages m;
    EXPECT_EQ(readInto(bytes, d, m), c.errore);
    EXPECT_EQ(d.nDivisioni, c.nDivisioni);
    EXPECT_EQ(d.nVori, c.errore == err::SubscriptOutOfRange ? 0 : 1);
    if (c.errore == err::IncompleteFile) {
      EXPECT_EQ(m.texts(), std::vector<std::string>{"Lettura incompleta del file"});
    } else if (!c.errore) {
      atteso.nDivisioni = c.nDivisioni;  // every other field read as the file holds it
      EXPECT_EQ(written(d), written(atteso));
    }
  }
}

// Cut after any line or inside one: the fields before the cut are loaded.
TEST(ProjectFile, FileCutShortKeepsWhatWasRead) {
  const std::string full = written(fullProject());
  std::vector<std::size_t> ends;
  for (std::size_t p = 0; (p = full.find("\r\n", p)) != std::string::npos; p += 2) ends.push_back(p + 2);
  for (std::size_t k = 0; k + 1 < ends.size(); ++k) {
    DatiProgetto d;
    RecordingMessages m;
    EXPECT_EQ(readInto(full.substr(0, ends[k]), d, m), err::IncompleteFile) << "cut after line " << k + 1;
    ASSERT_EQ(m.texts(), std::vector<std::string>{"Lettura incompleta del file"});
    EXPECT_EQ(m.entries()[0].kind, MessageKind::Critical);
    EXPECT_EQ(std::tie(d.Titolo, d.PesoMuratura, d.nVori),
              std::make_tuple(fullProject().Titolo, k >= 1 ? 18.5f : 0.0f, k >= 5 ? 3 : 1));
  }
  DatiProgetto d;
  RecordingMessages m;
  EXPECT_EQ(readInto(full.substr(0, full.find("16.25")), d, m), err::IncompleteFile);
  EXPECT_EQ(std::tie(d.hRiempimento, d.PesoRiempimento), std::make_tuple(0.45f, 0.0f));
}

// A title is stored in the Windows code page; its quotes and line breaks,
// which would end the field, become typographic quotes and blanks.
TEST(ProjectFile, TitlesAreStoredInTheWindowsCodePageWithoutBreakingTheirField) {
  DatiProgetto d = Anello(), back;
  RecordingMessages m;
  d.Titolo = "Città – ponte € 1";
  EXPECT_EQ(written(d).substr(0, 21), "\"Citt\xE0 \x96 ponte \x80 1\"\r\n");
  ASSERT_EQ(readInto(written(d), back, m), 0);
  EXPECT_EQ(back.Titolo, d.Titolo);
  d.Titolo = "Ponte \"Vecchio\"\r\nsul fiume";
  ASSERT_EQ(readInto(written(d), back, m), 0);
  EXPECT_EQ(back.Titolo, "Ponte \xE2\x80\x9CVecchio\xE2\x80\x9D  sul fiume");
  EXPECT_EQ(written(back), written(d));  // the following fields did not shift
}

// On disk: a project saved and opened again writes the same bytes (the
// writer puts every variable in the file); the reader sizes the segments
// afresh, each one's voussoirs those typed; an empty friction stays empty. A
// project without segments is written up to their count and no further, the
// old file kept by its failed save; a missing file is named as such.
TEST(ProjectFile, SaveOpenAndAFailedSaveOnDisk) {
  const Cartella dir("file");
  const std::string path = (dir / "arco con spazi.vro").string();
  RecordingMessages m;
  DatiProgetto anello = fullProject(), back, bad = Anello();
  anello.nVori = 1, anello.ResistenzaAnello = 1.0f / 3.0f;
  for (const DatiProgetto& original : {anello, fullProject()}) {
    ASSERT_TRUE(ScriviFileProgetto(path, original, m));
    back = DatiProgetto();
    back.Vori.redim(1, 1);
    back.Vori(1).nConci = 99;
    LeggiFileProgetto(path, back, m);
    EXPECT_EQ(written(back), written(original));
  }
  EXPECT_TRUE(m.empty());
  EXPECT_FALSE(back.Attrito || std::filesystem::exists(path + ".part"));
  ASSERT_EQ(back.Vori.size(), 3);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(back.Vori(i).nConci, back.Vori(i).nConciInput);
  bad.nVori = 0;
  FileDati f = FileDati::perScrittura();
  EXPECT_FALSE(FileLeggeScrive("S", f, bad, m));
  EXPECT_EQ(m.texts(), std::vector<std::string>{"Il numero di vori deve essere > 0"});
  EXPECT_EQ(f.contenuto(), "\"\"\r\n0,19\r\n.6,18\r\n.25,24\r\n6,6,.4,1\r\n0\r\n");
  EXPECT_FALSE(ScriviFileProgetto(path, bad, m));
  LeggiFileProgetto(path, back, m);
  EXPECT_EQ(back.nVori, 3);
  m.clear();
  EXPECT_FALSE(ScriviFileProgetto((dir / "no-such-dir/b.vro").string(), fullProject(), m));
  EXPECT_EQ(m.texts(), std::vector<std::string>{"Scrittura incompleta del file"});
  EXPECT_EQ(Errore([&] { LeggiFileProgetto((dir / "none.vro").string(), back, m); }).first, err::FileNotFound);
  EXPECT_THROW(LeggiFileProgetto(dir.p.string(), back, m), RuntimeError);
}

// Lines a later version adds after the last field are skipped, whatever
// they hold, and the project reads as it always did.
TEST(ProjectFile, LinesAfterTheLastFieldThatThisVersionDoesNotKnowAreSkipped) {
  const std::string old = written(Anello());
  for (const char* extra : {"\"Sconosciuta\",1,2,\"x\"\r\n", "\r\n\r\n", "12,#TRUE#\r\n\"\"\r\n"}) {
    DatiProgetto d;
    RecordingMessages m;
    EXPECT_EQ(readInto(old + extra, d, m), 0) << extra;
    EXPECT_TRUE(m.empty());
    EXPECT_EQ(written(d), old);
  }
}

// The lines added after the first format, each after an old file's last line:
// a project that uses none of them writes none; each reads and writes back
// byte for byte (names with commas, quotes and accents, empty fields as well),
// and its bad forms make the file a bad one.
TEST(ProjectFile, LinesAddedAfterTheFirstFormatReadAndWriteBackByteForByte) {
  const std::string old = written(fullProject());
  for (const char* etichetta : {"Resistenza", "Veicolo", "Diffusione", "Normativa", "Cartiglio"})
    EXPECT_EQ(old.find(etichetta), std::string::npos) << etichetta;
  const std::pair<std::string, std::vector<std::string>> righe[] = {
      {"\"Resistenza\",0,0.6,0.35,0,4.7\r\n", {"\"Resistenza\",abc,,1\r\n"}},
      {"\"Veicolo\",\"2 \xD7 10 t bogie, citt\xE0\",1.8,0.3,98.1,0,0.3,98.1,1.8,0.3\r\n\"Diffusione\",\"1:2\"\r\n",
       {"\"Veicolo\",\"x\",2,0.4\r\n", "\"Veicolo\",\"x\",2,0.4,-300,0,0.4\r\n", "\"Veicolo\",\"x\",2,0.4,300,0\r\n",
        "\"Diffusione\",\"75\"\r\n", "\"Diffusione\",\"steep\"\r\n"}},
      {"\"Diffusione\",\"30\"\r\n", {}},
      {"\"Diffusione\",\"45\"\r\n", {}},
      {"\"Diffusione\",\"22.5\"\r\n", {}},
      // A code basis or a knowledge level outside the list is a bad file.
      {"\"Normativa\",2,2,1.35,1,1.5,0,1.35,2,1.2\r\n\"Cartiglio\",\"Ponte sul Rio, SP 12 km 3+200\",\"Provincia di "
       "Citt\xE0\",\"Ing. A. Rossi\",\"\",\"Ing. B. Bianchi\",\"B\",\"per approvazione\"\r\n",
       {"\"Normativa\",3,1,1,1,1,1,1,1,1\r\n", "\"Normativa\",1,4,1,1,1,1,1,1,1\r\n"}},
      {"\"Normativa\",2,2,1.35,1,1.5,0,1.35,2,1.2,1.25\r\n", {}},  // the friction's factor where it is not 1
      // A rail vehicle, neither the knowledge level nor gM given; a category
      // that is neither, alpha 0, a track maintained neither way are bad.
      {"\"Veicolo\",\"LM71\",1.435,0.25,250,0,0.25,\"rail\"\r\n\"Normativa\",2,0,1.35,1,1.5,0,1.35,,1,1,1,1.45,1.21,0,1\r\n",
       {"\"Veicolo\",\"x\",2,0.4,300,0,0.4,\"tram\"\r\n", "\"Normativa\",1,1,1,1,1,1,1,1,1,1,1,1,0\r\n",
        "\"Normativa\",1,1,1,1,1,1,1,1,1,1,1,1,1,0,2\r\n"}},
      // The title block's seven fields grow to seventeen only for a later one.
      {"\"Cartiglio\",\"SP 12, km 3+200\",\"\",\"Ing. A. Rossi\",\"\",\"\",\"B\",\"\",\"VR-027/2026\",\"Bergamo (BG)\","
       "\"\",\"Verifica \x93LM71\x94, ponte ad arco\",\"Ordine degli Ingegneri di Bergamo n. 1234\",\"\",\"\","
       "\"7/12/2026\",\"\",\"\"\r\n", {}},
      {"\"Cartiglio\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\","
       "\"8 dicembre 2026\"\r\n",
       {}}};
  for (const auto& [riga, cattive] : righe) {
    SCOPED_TRACE(riga);
    DatiProgetto d;
    RecordingMessages m;
    ASSERT_EQ(readInto(old + riga, d, m), 0);
    EXPECT_TRUE(m.empty());
    EXPECT_EQ(written(d), old + riga);
    for (const std::string& bad : cattive) EXPECT_EQ(readInto(old + bad, d, m), err::IncompleteFile) << bad;
  }
  // Each field where the project keeps it.
  DatiProgetto d, n, f;
  RecordingMessages m;
  ASSERT_EQ(readInto(old + righe[0].first + righe[1].first + righe[8].first, d, m), 0);
  EXPECT_EQ(std::tie(d.Vori(2).Resistenza, *d.Attrito, d.Mobilitazione), std::tuple(4.7f, 0.6f, 0.35f));
  EXPECT_EQ(d.VeicoloCarico, (Veicolo{"2 × 10 t bogie, città", {{98.1f, 0, 0.3f}, {98.1f, 1.8f, 0.3f}}, 1.8f, 0.3f}));
  EXPECT_EQ(d.DiffusioneCarico, (Diffusione{RegolaDiffusione::UnoDue, 0}));
  EXPECT_EQ(std::tie(d.Cartiglio.scopo, d.Cartiglio.iscrizioneProgettista, d.Cartiglio.dataVerificatore),
            std::tuple("Verifica “LM71”, ponte ad arco", "Ordine degli Ingegneri di Bergamo n. 1234", "7/12/2026"));
  ASSERT_EQ(readInto(old + righe[5].first, n, m), 0);
  EXPECT_EQ(std::tie(n.Normativa.base, n.Normativa.livello, n.Cartiglio.committente),
            std::tuple(BaseNormativa::Ntc2018, LivelloConoscenza::LC2, "Provincia di Città"));
  EXPECT_EQ(n.Normativa.coefficienti, (CoefficientiParziali{1.35f, 1, 1.5f, 0, 1.35f, 2, 1.2f, 1, 1, 1.45f, 1.1f, 0}));
  ASSERT_EQ(readInto(old + righe[7].first, f, m), 0);
  EXPECT_EQ(std::tie(f.VeicoloCarico->Categoria, f.Normativa.coefficienti.alpha, f.Normativa.manutenzione),
            std::tuple(CategoriaTraffico::Ferroviaria, 1.21f, ManutenzioneBinario::Standard));
}

}  // namespace
}  // namespace voro
