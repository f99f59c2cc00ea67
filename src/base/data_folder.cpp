#include "base/data_folder.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <system_error>

namespace kavero {

bool FolderTakesFiles(const std::filesystem::path& folder) {
  std::string probe = (folder / ".kavero-probe-XXXXXX").string();
  const int descriptor = mkstemp(probe.data());
  if (descriptor < 0) return false;
  close(descriptor);
  unlink(probe.c_str());
  return true;
}

std::filesystem::path UserDataFolder() {
  const char* data_home = std::getenv("XDG_DATA_HOME");
  if (data_home && std::filesystem::path(data_home).is_absolute()) {
    return std::filesystem::path(data_home) / "kavero";
  }
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home ? home : ".") / ".local" / "share" / "kavero";
}

std::filesystem::path FolderForFiles(const std::filesystem::path& preferred,
                                     const std::filesystem::path& fallback) {
  std::error_code error;
  std::filesystem::create_directories(preferred, error);
  if (!error && FolderTakesFiles(preferred)) return preferred;
  std::filesystem::create_directories(fallback, error);
  return fallback;
}

}  // namespace kavero
