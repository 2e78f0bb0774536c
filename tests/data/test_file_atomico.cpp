// Output files written whole or not at all: the old file survives every
// failure, no temporary file is left, and the error says why.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <unistd.h>

#include <algorithm>
#include <csignal>

#include "Progetti.h"
#include "data/FileAtomico.h"

namespace voro {
namespace {

namespace fs = std::filesystem;

class FileAtomicoTest : public ::testing::Test {
 protected:
  // Every name in the folder: the outputs and nothing else.
  std::vector<std::string> nomi() {
    std::vector<std::string> n;
    for (const auto& e : fs::directory_iterator(dir_)) n.push_back(e.path().filename().string());
    std::sort(n.begin(), n.end());
    return n;
  }
  // The error a write raises, as number and description.
  std::pair<int, std::string> errore(const fs::path& p, std::string_view contenuto) {
    return Errore([&] { ScriviFileAtomico(p.string(), contenuto); });
  }

  const Cartella cartella_{"atomico"};
  const fs::path dir_ = cartella_.p;
};

// A new file follows the umask; a replaced one keeps its permissions.
TEST_F(FileAtomicoTest, NewAndReplacedFilesHoldExactlyTheBytesAndTheReplacedOneItsPermissions) {
  const fs::path p = dir_ / "plot.dxf";
  const std::string binario("\0\r\n\xff", 4);
  ScriviFileAtomico(p.string(), binario);
  EXPECT_EQ(bytesOf(p), binario);
  const mode_t maschera = ::umask(0);
  ::umask(maschera);
  EXPECT_EQ(static_cast<mode_t>(fs::status(p).permissions()), 0666 & ~maschera);
  const fs::perms rw_r = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(p, rw_r);
  ScriviFileAtomico(p.string(), "new");
  EXPECT_EQ(bytesOf(p), "new");
  EXPECT_EQ(fs::status(p).permissions(), rw_r);
  ScriviFileAtomico(p.string(), "");
  EXPECT_EQ(fs::file_size(p), 0u);
  EXPECT_EQ(nomi(), std::vector<std::string>{"plot.dxf"});
}

TEST_F(FileAtomicoTest, SymbolicLinkIsWrittenThrough) {
  fs::create_directories(dir_ / "plots");
  ScriviFileAtomico((dir_ / "plots" / "real.svg").string(), "old");
  fs::create_symlink("plots/real.svg", dir_ / "link.svg");
  ScriviFileAtomico((dir_ / "link.svg").string(), "new");
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.svg"));
  EXPECT_EQ(bytesOf(dir_ / "plots" / "real.svg"), "new");
}

TEST_F(FileAtomicoTest, FailuresNameTheReasonAndLeaveTheOldFile) {
  EXPECT_EQ(errore(dir_ / "missing" / "plot.png", "x"),
            std::make_pair(err::PathNotFound, std::string("No such file or directory")));
  fs::create_directories(dir_ / "folder.png");
  EXPECT_EQ(errore(dir_ / "folder.png", "x"), std::make_pair(err::PathFileAccess, std::string("Is a directory")));
  EXPECT_EQ(errore("", "x").first, err::PathNotFound);
  EXPECT_EQ(nomi(), std::vector<std::string>{"folder.png"});
  if (::geteuid() == 0) return;  // the superuser writes every file
  const fs::path p = dir_ / "kept.pdf";
  ScriviFileAtomico(p.string(), "old");
  fs::permissions(p, fs::perms::owner_read);
  EXPECT_EQ(errore(p, "new"), std::make_pair(err::PermissionDenied, std::string("Permission denied")));
  EXPECT_EQ(bytesOf(p), "old");
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
  EXPECT_EQ(bytesOf(p), "old");
  EXPECT_EQ(nomi(), std::vector<std::string>{"plot.pdf"});
}

}  // namespace
}  // namespace voro
