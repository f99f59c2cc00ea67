#include "results/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <stdexcept>

namespace kavero {

namespace {

[[noreturn]] void ThrowCannotCreate(const std::string& path, int error) {
  throw std::runtime_error("Cannot create file \"" + path + "\". " + std::strerror(error));
}

// A new file with a name of its own beside `path`; -1 with errno set on failure.
int CreateSibling(const std::string& path, std::string& sibling) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    sibling = path + ".tmp" + std::to_string(random());
    const int fd = open(sibling.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t written = write(fd, contents.data(), contents.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return false;
    if (written == 0) {
      errno = EIO;
      return false;
    }
    contents.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The file itself truncated and written: for a folder that takes no new file
// but whose file may still be rewritten.
void RewriteInPlace(const std::string& path, std::string_view contents) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) ThrowCannotCreate(path, errno);
  int error = 0;
  if (!WriteAll(fd, contents)) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error != 0) ThrowCannotCreate(path, error);
}

// 0 when the file may be opened for writing, else the error that says why not.
// A file without any write permission bit is write-protected for every user,
// also for one whom the system lets past the bits.
int WriteProtection(const std::string& path) {
  if (access(path.c_str(), W_OK) != 0) return errno;
  struct stat status {};
  if (stat(path.c_str(), &status) == 0 && (status.st_mode & 0222) == 0) return EACCES;
  return 0;
}

}  // namespace

void ReplaceFile(const std::string& path, std::string_view contents) {
  // Through a link, the file it points at is replaced and the link stays.
  std::error_code resolve_error;
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, resolve_error);
  const std::string target = resolve_error ? path : resolved.string();
  // A file already there is replaced only where it could be rewritten, and
  // its replacement keeps its permission bits.
  struct stat existing {};
  const bool exists = stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
  if (exists) {
    if (const int protection = WriteProtection(target)) ThrowCannotCreate(path, protection);
  }
  std::string sibling;
  const int fd = CreateSibling(target, sibling);
  if (fd < 0) return RewriteInPlace(path, contents);
  int error = 0;
  if (exists && fchmod(fd, existing.st_mode & 07777) != 0) error = errno;
  if (error == 0 && (!WriteAll(fd, contents) || fsync(fd) != 0)) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && rename(sibling.c_str(), target.c_str()) != 0) error = errno;
  if (error == 0) return;
  unlink(sibling.c_str());
  ThrowCannotCreate(path, error);
}

}  // namespace kavero
