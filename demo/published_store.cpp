#include "published_store.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>

namespace kavero::demo {
namespace {

constexpr std::size_t kMaxDateLength = 32;

// ASCII letters and digits, and every byte from 0x80 up: the letters of other
// scripts, whatever their code page ("г." ends a Bulgarian short date).
bool IsLetterOrDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
         static_cast<unsigned char>(c) >= 0x80;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

bool IsValidDateText(std::string_view date) {
  if (date.empty() || date.size() > kMaxDateLength || !IsLetterOrDigit(date.front())) return false;
  if (date.find("..") != std::string_view::npos) return false;
  for (char c : date) {
    if (!IsLetterOrDigit(c) && c != '.' && c != '-' && c != '/' && c != ' ') return false;
  }
  return true;
}

std::string StoredFileName(std::string_view date) {
  std::string name;
  for (char c : date) {
    if (c == '/') {
      name += "_s";
    } else if (c == ' ') {
      name += "_b";
    } else if (static_cast<unsigned char>(c) >= 0x80) {
      static constexpr char kHex[] = "0123456789abcdef";
      const auto byte = static_cast<unsigned char>(c);
      name += "_x";
      name += kHex[byte >> 4];
      name += kHex[byte & 0x0F];
    } else {
      name += c;
    }
  }
  return name + ".txt";
}

PublishedStore::PublishedStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

PublishOutcome PublishedStore::Publish(std::string_view date, std::string_view table) {
  if (!IsValidDateText(date)) return PublishOutcome::InvalidDate;
  const std::filesystem::path target = folder_ / StoredFileName(date);
  if (::access(target.c_str(), F_OK) == 0) return PublishOutcome::AlreadyPublished;

  // Write a hidden temporary file (no valid date names one: they begin with a
  // letter or digit), then link it to its name: link() never replaces, so the
  // first complete table wins and a broken write leaves no table behind.
  std::filesystem::path temporary;
  int fd = -1;
  do {
    temporary = folder_ / (".publishing-" + std::to_string(::getpid()) + "-" +
                           std::to_string(next_temporary_++));
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  } while (fd < 0 && errno == EEXIST);
  if (fd < 0) return PublishOutcome::StorageFailed;
  const bool written = WriteAll(fd, table) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  PublishOutcome outcome = PublishOutcome::StorageFailed;
  if (written && closed) {
    if (::link(temporary.c_str(), target.c_str()) == 0) {
      outcome = PublishOutcome::Stored;
    } else if (errno == EEXIST) {
      outcome = PublishOutcome::AlreadyPublished;
    }
  }
  ::unlink(temporary.c_str());
  return outcome;
}

std::optional<std::string> PublishedStore::Read(std::string_view date) const {
  if (!IsValidDateText(date)) return std::nullopt;
  std::ifstream file(folder_ / StoredFileName(date), std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace kavero::demo
