// The vehicle library: the shipped vehicles against the codes they come
// from, the text read and written, errors that name the file, the line, the
// vehicle, the axle and the value, and a broken user file that hides nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "Progetti.h"
#include "data/LibreriaVeicoli.h"

namespace voro {
namespace {

TEST(LibreriaVeicoli, TheShippedVehiclesAreThoseOfTheCodes) {
  LibreriaVeicoli l;
  l.Aggiungi(FileLibreriaInstallata(VORO_SOURCE_DIR), false);
  ASSERT_TRUE(l.errori.empty()) << l.errori.front().Testo();
  ASSERT_EQ(l.veicoli.size(), 6u);
  const float a = 0.25f;  // LM71's contact, along the span and across
  for (const Veicolo& v : {Veicolo{"LM1 tandem", {{300, 0, 0.4f}, {300, 1.2f, 0.4f}}, 2, 0.4f},
                           Veicolo{"LM2 single axle", {{400, 0, 0.35f}}, 2, 0.6f},
                           Veicolo{"LM71 axles", {{250, 0, a}, {250, 1.6f, a}, {250, 3.2f, a}, {250, 4.8f, a}},
                                   1.435f, a, CategoriaTraffico::Ferroviaria}}) {
    ASSERT_TRUE(l.Trova(v.Nome)) << v.Nome;
    EXPECT_EQ(*l.Trova(v.Nome), v);
  }
  // Driven backward, the tandem and a single axle are the same vehicles.
  EXPECT_TRUE(l.Trova("LM1 tandem")->Simmetrico() && l.Trova("LM2 single axle")->Simmetrico());
  // The UK assessment axles in tonnes of 9.81 kN.
  EXPECT_FLOAT_EQ(l.Trova("11.5 t single axle")->Assi[0].P, 11.5f * 9.81f);
  EXPECT_FLOAT_EQ(l.Trova("2 × 10 t bogie at 1.8 m")->Assi[1].d, 1.8f);
  EXPECT_FLOAT_EQ(l.Trova("3 × 8 t bogie at 1.3 m")->Assi[2].P, 8 * 9.81f);
}

TEST(LibreriaVeicoli, AnErrorNamesTheFileTheLineTheVehicleTheAxleAndTheValue) {
  const std::pair<const char*, const char*> casi[] = {
      {"vehicle T\ntrack 2\naxle 300 0 0.4\naxle -300 1.2 0.4\nend\n",
       "mine.txt:4: vehicle \"T\", axle 2: load P = -300 kN is not a load >= 0"},
      {"vehicle T\naxle 300 0 0.4\naxle 300 nan 0.4\nend\n",
       "mine.txt:3: vehicle \"T\", axle 2: distance d = nan m is not a distance >= 0"},
      {"vehicle T\naxle 300 0 -0.4\nend\n",
       "mine.txt:2: vehicle \"T\", axle 1: contact length a = -0.4 m is not a length >= 0"},
      {"vehicle T\naxle 300 0\nend\n",
       "mine.txt:2: vehicle \"T\", axle 1: 'axle' takes the load P, the distance d and the contact a, not '300 0'"},
      {"vehicle Empty\ntrack 2\nend\n", "mine.txt:3: vehicle \"Empty\" has no axle"},
      {"vehicle T\ntrack -1\naxle 1 0 0\nend\n", "mine.txt:4: vehicle \"T\": track s = -1 m is not a length >= 0"},
      {"vehicle T\naxle 1 0 0\n", "mine.txt:1: vehicle \"T\" has no 'end'"},
      {"axle 1 0 0\n", "mine.txt:1: 'axle' outside a vehicle (a block opens with 'vehicle NAME')"},
      {"vehicle T\nwheel 3\nend\n",
       "mine.txt:2: vehicle \"T\": unknown keyword 'wheel' (vehicle, track, width, axle, category, end)"},
      {"vehicle T\naxle 1 0 0\nend\nvehicle T\naxle 1 0 0\nend\n", "mine.txt:4: vehicle \"T\" is named twice"},
      {"vehicle T\naxle 0 0 0\nend\n", "mine.txt:3: vehicle \"T\" carries no load"}};
  for (const auto& [testo, messaggio] : casi) {
    ErroreLibreria e;
    EXPECT_FALSE(LeggiLibreria(testo, "mine.txt", e));
    EXPECT_EQ(e.Testo(), messaggio);
  }
  // An unloaded first axle is no error while a later one carries the load,
  // whatever the vehicle is called; an indented comment is none of its lines.
  ErroreLibreria e;
  const auto letti = LeggiLibreria("vehicle Single axle\naxle 0 0 0\naxle 100 1 0.2\nend\n  # trailing\n", "x", e);
  ASSERT_TRUE(letti) << e.Testo();
  EXPECT_FALSE(letti->front().Simmetrico());
}

// The user's library beside the shipped one: a user's vehicle of the same
// name replaces the shipped one; a broken user file is named and hides none of
// the shipped vehicles; a missing shipped library is named and the user's
// vehicles still come.
TEST(LibreriaVeicoli, ABrokenUserFileHidesNoShippedVehicle) {
  const Cartella cartella("veicoli");
  std::filesystem::create_directories(cartella / "voro");
  ::setenv("XDG_CONFIG_HOME", cartella.p.c_str(), 1);
  const std::string utente = FileLibreriaUtente();
  EXPECT_EQ(utente, (cartella / "voro/vehicles.txt").string());
  LibreriaVeicoli l = CaricaLibreria(VORO_SOURCE_DIR);
  EXPECT_EQ(std::tuple(l.errori.size(), l.veicoli.size()), std::tuple(0u, 6u));
  std::ofstream(utente) << "vehicle Mine\naxle 100 0 0.2\nend\nvehicle LM1 tandem\ntrack 2\naxle 280 0 0.4\nend\n";
  l = CaricaLibreria(VORO_SOURCE_DIR);
  ASSERT_EQ(std::tuple(l.errori.size(), l.veicoli.size()), std::tuple(0u, 7u));
  EXPECT_TRUE(l.Trova("Mine"));
  EXPECT_EQ(l.Trova("LM1 tandem")->Assi.size(), 1u);
  std::ofstream(utente) << "vehicle Mine\naxle 100 0 0.2\nend\nvehicle Bad\naxle x\n";
  l = CaricaLibreria(VORO_SOURCE_DIR);
  ASSERT_EQ(std::tuple(l.errori.size(), l.veicoli.size()), std::tuple(1u, 6u));
  EXPECT_EQ(l.errori[0].riga, 5);
  EXPECT_FALSE(l.Trova("Mine"));
  std::ofstream(utente) << "vehicle Mine\naxle 100 0 0.2\nend\n";
  l = CaricaLibreria((cartella / "nowhere").string());
  ASSERT_EQ(l.errori.size(), 1u);
  EXPECT_EQ(l.errori[0].messaggio, "cannot be read");
  EXPECT_TRUE(l.Trova("Mine"));
  ::unsetenv("XDG_CONFIG_HOME");
}

TEST(LibreriaVeicoli, SavingAVehicleKeepsTheOthersAndNeverOverwritesABrokenFile) {
  const Cartella cartella("salva");
  const std::string file = (cartella / "voro/vehicles.txt").string();
  // Written and read again as they were: a name of three words, an axle
  // without contact, a vehicle without track nor width.
  const Veicolo a{"a b c", {{10, 0, 0.2f}, {2, 3.25f, 0}}, 1.8f, 0.3f}, b{"B", {{20, 0, 0.2f}, {20, 1, 0.2f}}, 0, 0};
  Veicolo a2 = a;
  a2.Assi[0].P = 12;
  for (const Veicolo& v : {a, b, a2}) EXPECT_FALSE(SalvaInLibreria(file, v));  // the folder is made
  LibreriaVeicoli l;
  l.Aggiungi(file, false);
  ASSERT_TRUE(l.errori.empty());
  EXPECT_EQ(l.veicoli, (std::vector<Veicolo>{a2, b}));
  EXPECT_EQ(*SalvaInLibreria(file, Veicolo{"C", {}, 0, 0}), "vehicle \"C\" has no axle");
  std::ofstream(file) << "vehicle X\naxle 1 0\nend\n";
  const auto e = SalvaInLibreria(file, a);
  ASSERT_TRUE(e);
  EXPECT_NE(e->find(":2: vehicle \"X\", axle 1"), std::string::npos) << *e;
  std::string prima;
  std::getline(std::ifstream(file), prima);
  EXPECT_EQ(prima, "vehicle X");
}

TEST(Diffusione, TheRulesTheirAnglesAndTheirTexts) {
  EXPECT_EQ(std::tuple(LeggiDiffusione("none"), LeggiDiffusione("0")), std::tuple(Diffusione{}, Diffusione{}));
  EXPECT_DOUBLE_EQ(LeggiDiffusione("1:2")->Tangente(), 0.5);
  EXPECT_NEAR(LeggiDiffusione("1:2")->Angolo(), 26.565051177, 1e-8);
  EXPECT_NEAR(LeggiDiffusione("30")->Tangente(), 1 / std::sqrt(3.0), 1e-12);
  EXPECT_DOUBLE_EQ(LeggiDiffusione("45")->Tangente(), 1);
  EXPECT_EQ(std::tuple(LeggiDiffusione("60")->Testo(), LeggiDiffusione("22.5")->Testo()), std::tuple("60", "22.5"));
  for (const char* t : {"60.01", "-1", "", "abc", "1:3", "inf", "nan", "30 "}) EXPECT_FALSE(LeggiDiffusione(t)) << t;
  // Every angle's rule reads back from its own text as it was.
  for (const Single g : {0.0f, 12.5f, 30.0f, 45.0f, 60.0f}) {
    const Diffusione d = DiffusioneAngolo(g);
    EXPECT_EQ(LeggiDiffusione(d.Testo()), d) << g;
    EXPECT_NEAR(d.Angolo(), g, 1e-12);
  }
}

}  // namespace
}  // namespace voro
