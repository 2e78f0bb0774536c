// Writing an output file through a temporary file and a rename.
#include "data/FileAtomico.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "data/RuntimeError.h"

namespace voro {

namespace fs = std::filesystem;

int NumeroErroreScrittura(int codice) {
  switch (codice) {
    case ENOSPC:
    case EDQUOT:
      return err::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
      return err::PermissionDenied;
    case ENOENT:
    case ENOTDIR:
      return err::PathNotFound;
    default:
      return err::PathFileAccess;
  }
}

namespace {

[[noreturn]] void fallisce(int codice) {
  throw RuntimeError(NumeroErroreScrittura(codice), std::generic_category().message(codice));
}

// The file a path names once its symbolic links are followed; the path itself
// when it names nothing yet.
fs::path destinazione(const std::string& percorso) {
  fs::path p(percorso);
  std::error_code ec;
  for (int salti = 0; salti < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++salti) {
    const fs::path link = fs::read_symlink(p, ec);
    if (ec) break;
    p = link.is_absolute() ? link : p.parent_path() / link;
  }
  return p;
}

// A name for the temporary file that no other writer picks: hidden, beside
// the target, with the process and a counter in it.
fs::path nomeTemporaneo(const fs::path& target) {
  static std::atomic<unsigned> contatore{0};
  char suffisso[40];
  std::snprintf(suffisso, sizeof suffisso, ".%ld.%u.tmp", static_cast<long>(::getpid()), contatore++);
  return target.parent_path() / ("." + target.filename().string() + suffisso);
}

// Closes and removes the temporary file unless it was renamed into place.
class Temporaneo {
 public:
  Temporaneo(fs::path p, int fd) : path_(std::move(p)), fd_(fd) {}
  ~Temporaneo() {
    if (fd_ >= 0) ::close(fd_);
    if (!consegnato_) ::unlink(path_.c_str());
  }
  Temporaneo(const Temporaneo&) = delete;
  Temporaneo& operator=(const Temporaneo&) = delete;

  int fd() const { return fd_; }
  const fs::path& path() const { return path_; }
  // Closes the file; false (errno set) when the close reports a failed write.
  bool chiudi() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }
  void consegnato() { consegnato_ = true; }

 private:
  fs::path path_;
  int fd_;
  bool consegnato_ = false;
};

}  // namespace

void ScriviFileAtomico(const std::string& percorso, std::string_view contenuto) {
  if (percorso.empty()) fallisce(ENOENT);
  const fs::path target = destinazione(percorso);
  struct stat vecchio {};
  const bool esiste = ::stat(target.c_str(), &vecchio) == 0;
  if (esiste && S_ISDIR(vecchio.st_mode)) fallisce(EISDIR);
  // A file the user has made read-only is not replaced behind his back.
  if (esiste && ::access(target.c_str(), W_OK) != 0) fallisce(errno);

  int fd = -1;
  fs::path temp;
  for (int tentativo = 0; fd < 0; ++tentativo) {
    temp = nomeTemporaneo(target);
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && (errno != EEXIST || tentativo >= 100)) fallisce(errno);
  }
  Temporaneo file(temp, fd);
  // The new file keeps the permissions of the one it replaces.
  if (esiste) (void)::fchmod(fd, vecchio.st_mode & 07777);

  const char* dati = contenuto.data();
  std::size_t resto = contenuto.size();
  while (resto > 0) {
    const ssize_t n = ::write(fd, dati, resto);
    if (n < 0) {
      if (errno == EINTR) continue;
      fallisce(errno);
    }
    dati += n;
    resto -= static_cast<std::size_t>(n);
  }
  // A full disk may show only when the data reach it.
  if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP) fallisce(errno);
  if (!file.chiudi()) fallisce(errno);
  if (::rename(file.path().c_str(), target.c_str()) != 0) fallisce(errno);
  file.consegnato();
}

}  // namespace voro
