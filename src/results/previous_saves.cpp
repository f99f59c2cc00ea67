#include "results/previous_saves.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "results/replace_file.h"

namespace kavero {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kPrefix = "saves-";
constexpr std::string_view kSuffix = ".txt";

void DropOldest(const fs::path& folder) {
  std::vector<fs::path> kept;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.starts_with(kPrefix) && name.ends_with(kSuffix)) kept.push_back(entry.path());
  }
  if (kept.size() <= kPreviousSavesKept) return;
  // The date in the name sorts them from the oldest.
  std::sort(kept.begin(), kept.end());
  for (std::size_t i = 0; i + kPreviousSavesKept < kept.size(); ++i) fs::remove(kept[i], error);
}

}  // namespace

void KeepPreviousSave(const std::string& path, std::string_view contents, const std::string& folder,
                      const std::string& now) {
  if (folder.empty()) return;
  std::ifstream in(path, std::ios::binary);
  if (!in) return;
  const std::string previous{std::istreambuf_iterator<char>(in), {}};
  if (previous.empty() || previous == contents) return;
  std::error_code error;
  fs::create_directories(folder, error);
  ReplaceFile((fs::path(folder) / (std::string(kPrefix) + now + std::string(kSuffix))).string(),
              previous);
  DropOldest(folder);
}

}  // namespace kavero
