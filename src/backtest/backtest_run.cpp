#include "backtest/backtest_run.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace kavero {
namespace {

namespace fs = std::filesystem;

bool IsCsvName(const fs::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return extension == ".csv";
}

std::vector<fs::path> FilesOf(const std::string& path) {
  std::error_code error;
  if (!fs::is_directory(path, error)) return {fs::path(path)};
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(path, error)) {
    if (IsCsvName(entry.path()) && entry.is_regular_file(error)) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::optional<std::string> ReadWhole(const fs::path& path) {
  std::error_code error;
  if (fs::is_directory(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return text;
}

}  // namespace

BacktestRun RunBacktest(const std::vector<std::string>& paths, const PriceChoice& prices) {
  BacktestRun run;
  std::vector<InputNote> unreadable;
  for (const auto& path : paths) {
    for (const auto& file : FilesOf(path)) {
      const auto text = ReadWhole(file);
      if (!text) {
        unreadable.push_back({file.string(), 0, InputProblem::kNotReadable, ""});
        continue;
      }
      run.files.push_back(ReadSeasonFile(file.string(), *text, prices));
    }
  }
  run.replay = ReplaySeasons(run.files);
  run.report = SummariseBacktest(run.files, run.replay, std::move(unreadable), prices.name);
  return run;
}

}  // namespace kavero
