// Output files written whole or not at all: the old file survives every
// failure, no temporary file is left, and the error says why.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "data/FileAtomico.h"
#include "data/RuntimeError.h"

namespace voro {
namespace {

namespace fs = std::filesystem;

class FileAtomicoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("voro-atomico-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string leggi(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // Every name in the folder: the outputs and nothing else.
  std::vector<std::string> nomi() {
    std::vector<std::string> n;
    for (const auto& e : fs::directory_iterator(dir_)) n.push_back(e.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
  }
  // The error a write raises, as number and description.
  std::pair<int, std::string> errore(const fs::path& p, std::string_view contenuto) {
    try {
      ScriviFileAtomico(p.string(), contenuto);
    } catch (const RuntimeError& e) {
      return {e.number(), e.description()};
    }
    return {0, ""};
  }

  fs::path dir_;
};

TEST_F(FileAtomicoTest, NewAndReplacedFilesHoldExactlyTheBytes) {
  const fs::path p = dir_ / "plot.dxf";
  const std::string binario("\0\r\n\xff", 4);
  ScriviFileAtomico(p.string(), binario);
  EXPECT_EQ(leggi(p), binario);
  ScriviFileAtomico(p.string(), "new");
  EXPECT_EQ(leggi(p), "new");
  ScriviFileAtomico(p.string(), "");
  EXPECT_EQ(fs::file_size(p), 0u);
  EXPECT_EQ(nomi(), std::vector<std::string>{"plot.dxf"});
}

TEST_F(FileAtomicoTest, ReplacedFileKeepsItsPermissionsNewFileFollowsTheUmask) {
  const fs::path p = dir_ / "summary.csv";
  ScriviFileAtomico(p.string(), "a");
  const mode_t maschera = ::umask(0);
  ::umask(maschera);
  EXPECT_EQ(static_cast<mode_t>(fs::status(p).permissions()), 0666 & ~maschera);
  fs::permissions(p, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ScriviFileAtomico(p.string(), "b");
  EXPECT_EQ(fs::status(p).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(FileAtomicoTest, ReadOnlyFileIsNotReplaced) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes every file";
  const fs::path p = dir_ / "kept.pdf";
  ScriviFileAtomico(p.string(), "old");
  fs::permissions(p, fs::perms::owner_read);
  EXPECT_EQ(errore(p, "new"), std::make_pair(err::PermissionDenied, std::string("Permission denied")));
  EXPECT_EQ(leggi(p), "old");
}

TEST_F(FileAtomicoTest, SymbolicLinkIsWrittenThrough) {
  fs::create_directories(dir_ / "plots");
  ScriviFileAtomico((dir_ / "plots" / "real.svg").string(), "old");
  fs::create_symlink("plots/real.svg", dir_ / "link.svg");
  ScriviFileAtomico((dir_ / "link.svg").string(), "new");
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.svg"));
  EXPECT_EQ(leggi(dir_ / "plots" / "real.svg"), "new");
}

TEST_F(FileAtomicoTest, FailuresNameTheReasonAndLeaveTheOldFile) {
  EXPECT_EQ(errore(dir_ / "missing" / "plot.png", "x"),
            std::make_pair(err::PathNotFound, std::string("No such file or directory")));
  fs::create_directories(dir_ / "folder.png");
  EXPECT_EQ(errore(dir_ / "folder.png", "x"), std::make_pair(err::PathFileAccess, std::string("Is a directory")));
  EXPECT_EQ(errore("", "x").first, err::PathNotFound);
  EXPECT_EQ(nomi(), std::vector<std::string>{"folder.png"});
}

// A file-size limit stands for a full disk: the write fails part-way.
TEST_F(FileAtomicoTest, WriteCutShortKeepsTheOldFileAndLeavesNoTemporary) {
  const fs::path p = dir_ / "plot.pdf";
  ScriviFileAtomico(p.string(), "old");
  rlimit vecchio{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &vecchio), 0);
  const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limite = vecchio;
  limite.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
  const auto e = errore(p, std::string(100000, 'x'));
  ::setrlimit(RLIMIT_FSIZE, &vecchio);
  std::signal(SIGXFSZ, segnale);
  EXPECT_EQ(e, std::make_pair(err::PathFileAccess, std::string("File too large")));
  EXPECT_EQ(leggi(p), "old");
  EXPECT_EQ(nomi(), std::vector<std::string>{"plot.pdf"});
}

TEST(NumeroErroreScrittura, SystemErrorsBecomeRunTimeErrors) {
  EXPECT_EQ(NumeroErroreScrittura(ENOSPC), err::DiskFull);
  EXPECT_EQ(NumeroErroreScrittura(EDQUOT), err::DiskFull);
  EXPECT_EQ(NumeroErroreScrittura(EACCES), err::PermissionDenied);
  EXPECT_EQ(NumeroErroreScrittura(EROFS), err::PermissionDenied);
  EXPECT_EQ(NumeroErroreScrittura(ENOENT), err::PathNotFound);
  EXPECT_EQ(NumeroErroreScrittura(EIO), err::PathFileAccess);
}

}  // namespace
}  // namespace voro
