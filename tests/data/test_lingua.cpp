// The help-language file: its one quoted line, and the user's copy when the
// program folder cannot be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "data/Lingua.h"

namespace voro {
namespace {

class LinguaIni : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() / ("voro-lingua-" + std::to_string(::getpid()));
    prog_ = root_ / "prog";
    user_ = root_ / "user";
    std::filesystem::create_directories(prog_);
  }
  void TearDown() override {
    std::filesystem::permissions(prog_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add);
    std::filesystem::remove_all(root_);
  }
  std::string contenuto(const std::filesystem::path& f) {
    std::ifstream in(f, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::filesystem::path root_, prog_, user_;
};

TEST_F(LinguaIni, MissingFileReadsNothing) { EXPECT_FALSE(LinguaLeggeIni(prog_, user_).has_value()); }

TEST_F(LinguaIni, OneQuotedLineIsRead) {
  std::ofstream(prog_ / "Lingua.ini") << "\"ENG\"\r\n";
  EXPECT_EQ(LinguaLeggeIni(prog_, user_), "ENG");
}

TEST_F(LinguaIni, UnknownCodeIsReadAsItStands) {
  std::ofstream(prog_ / "Lingua.ini") << "\"FRA\"\r\n";
  const auto l = LinguaLeggeIni(prog_, user_);
  ASSERT_TRUE(l.has_value());
  EXPECT_FALSE(LinguaValida(*l));
  EXPECT_EQ(IndiceLingua(*l), 0);
}

TEST_F(LinguaIni, UserCopyWins) {
  std::filesystem::create_directories(user_);
  std::ofstream(user_ / "Lingua.ini") << "\"ENG\"\r\n";
  std::ofstream(prog_ / "Lingua.ini") << "\"ITA\"\r\n";
  EXPECT_EQ(LinguaLeggeIni(prog_, user_), "ENG");
}

TEST(Lingua, MenuIndices) {
  std::string l = "ITA";
  LinguaSetta(1, l);
  EXPECT_EQ(l, "ENG");
  LinguaSetta(7, l);
  EXPECT_EQ(l, "ENG");
  LinguaSetta(0, l);
  EXPECT_EQ(l, "ITA");
  EXPECT_EQ(IndiceLingua("ENG"), 1);
}

}  // namespace
}  // namespace voro
