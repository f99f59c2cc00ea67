// The season file reader and everything after it: the input is a CSV file,
// then byte 0x01 and the prices' name.
#include "backtest/backtest_report.h"
#include "backtest/matches_csv.h"
#include "backtest/replay.h"
#include "backtest/report_text.h"
#include "backtest/season_file.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto [text, prices_name] = kavero::fuzz::SplitInput(kavero::fuzz::AsText(data, size));
  const auto prices = kavero::ChoosePrices(prices_name.empty() ? "average" : prices_name);
  if (!prices) return 0;
  const std::vector<kavero::SeasonFile> files{kavero::ReadSeasonFile("fuzz.csv", text, *prices)};
  for (const auto& note : files[0].notes) {
    if (note.line < 0) __builtin_trap();
  }
  const auto replay = kavero::ReplaySeasons(files);
  if (replay.matches_read != static_cast<int>(files[0].matches.size())) __builtin_trap();
  const auto report = kavero::SummariseBacktest(files, replay, {}, prices->name);
  kavero::FormatReport(report, kavero::EnglishReportWords());
  kavero::MatchesCsv(replay);
  return 0;
}
