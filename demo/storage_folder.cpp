#include "storage_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

namespace kavero::demo {
namespace {

bool FolderTakesFiles(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) return false;
  const auto probe = folder / (".kavero-probe-" + std::to_string(getpid()));
  const bool written = static_cast<bool>(std::ofstream(probe));
  std::filesystem::remove(probe, error);
  return written;
}

}  // namespace

std::filesystem::path DefaultStorage(const std::filesystem::path& executable_folder,
                                     const std::filesystem::path& data_folder) {
  const auto beside = executable_folder / "kavero-demo-published";
  if (FolderTakesFiles(beside)) return beside;
  return data_folder / "kavero" / "demo-published";
}

std::filesystem::path UserDataFolder() {
  if (const char* data_home = std::getenv("XDG_DATA_HOME"); data_home && *data_home) {
    return data_home;
  }
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home ? home : ".") / ".local" / "share";
}

}  // namespace kavero::demo
