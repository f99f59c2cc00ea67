// The backtest over the real seasons that come with the program: reading the
// files from memory, replaying them and summing up, in matches per second.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "backtest/backtest_report.h"
#include "backtest/replay.h"
#include "backtest/season_file.h"

namespace kavero {
namespace {

std::vector<std::pair<std::string, std::string>> SeasonTexts() {
  std::vector<std::pair<std::string, std::string>> texts;
  for (const auto& entry : std::filesystem::directory_iterator(KAVERO_SEASONS_DIR)) {
    if (entry.path().extension() != ".csv") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    texts.emplace_back(entry.path().filename().string(),
                       std::string(std::istreambuf_iterator<char>(in), {}));
  }
  return texts;
}

void BM_BacktestRealSeasons(benchmark::State& state) {
  const auto texts = SeasonTexts();
  const auto prices = *ChoosePrices("average");
  std::int64_t matches = 0;
  for (auto _ : state) {
    std::vector<SeasonFile> files;
    for (const auto& [name, text] : texts) files.push_back(ReadSeasonFile(name, text, prices));
    const Replay replay = ReplaySeasons(files);
    benchmark::DoNotOptimize(SummariseBacktest(files, replay, {}, prices.name));
    matches += replay.matches_read;
  }
  state.counters["matches/s"] =
      benchmark::Counter(static_cast<double>(matches), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BacktestRealSeasons)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kavero
