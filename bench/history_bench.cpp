// Writing one 300-match run to the history, into a new file and into one
// that already holds a hundred and a thousand runs (ten a day, a third of the
// line new each day, one price in ten moved each run). Time per run must stay
// flat; "bytes_per_run" is the file's growth per run.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "history/history_store.h"

namespace kavero::history {
namespace {

constexpr int kMatches = 300;
constexpr int kRunsPerDay = 10;
constexpr int kNewPerDay = 100;

// The line of run `run`: matches first shown on earlier days, prices moving.
MatchTable LineOfRun(int run) {
  const int day = run / kRunsPerDay;
  MatchTable rows;
  for (int i = 0; i < kMatches; ++i) {
    const int match = day * kNewPerDay + i;
    MatchRow row;
    row.championship = "Championship " + std::to_string(match % 34);
    row.date = "1" + std::to_string(match / kNewPerDay % 9) + ".05.2024";
    row.time = "18:00";
    row.home = "Home team " + std::to_string(match);
    row.away = "Away team " + std::to_string(match);
    row.total = "2.5";
    const int moves = (run + match) / kRunsPerDay;  // each match moves once in ten runs
    row.under = "1." + std::to_string(50 + moves % 40);
    row.over = "2." + std::to_string(10 + moves % 40);
    row.url = "stat/match" + std::to_string(match) + ".html";
    row.steps_read = true;
    row.step1 = 1.25;
    row.step2 = 2.4;
    row.goals_model =
        GoalsModel{2.6, 2.5, 0.06, {0.45, 0, 0.9, -0.1, 0.5}, {0.55, 0, 1.1, 0.1, 0.5}};
    rows.push_back(std::move(row));
  }
  return rows;
}

RunRecord RecordOf(const MatchTable& rows, int run) {
  RunRecord record;
  record.clock = {1'715'000'000 + run * 3600, Date{2024, 5, 10 + run / kRunsPerDay % 9},
                  run % 24 * 60};
  record.line_address = "http://127.0.0.1:8641/bets/bets2.php";
  record.rows = &rows;
  return record;
}

std::uintmax_t FileBytes(const std::filesystem::path& folder) {
  std::uintmax_t bytes = 0;
  for (const auto& file : std::filesystem::directory_iterator(folder)) bytes += file.file_size();
  return bytes;
}

void BM_SaveRun(benchmark::State& state) {
  const auto folder = std::filesystem::temp_directory_path() / "kavero-history-bench";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  int run = 0;
  {
    HistoryStore store;
    store.Open(folder.string());
    for (; run < state.range(0); ++run) {
      const MatchTable rows = LineOfRun(run);
      store.SaveRun(RecordOf(rows, run));
    }
    for (auto _ : state) {
      state.PauseTiming();
      const MatchTable rows = LineOfRun(run);
      state.ResumeTiming();
      const Status saved = store.SaveRun(RecordOf(rows, run));
      if (!saved.ok()) state.SkipWithError(saved.detail.c_str());
      ++run;
    }
  }
  // Closed, the log folded into the file: the whole history on disk.
  state.counters["bytes_per_run"] = static_cast<double>(FileBytes(folder)) / run;
  state.counters["runs"] = run;
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SaveRun)->Arg(0)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kavero::history
