// A match's statistics page, read into the three history grids.
#include "fuzz_input.h"
#include "stats/history_reader.h"
#include "stats/step_indicators.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kavero::fuzz::FixedPage page(kavero::fuzz::AsText(data, size));
  kavero::MatchStats stats;
  kavero::LoadHistoryGrids(page, "http://127.0.0.1:1/", "stat/1.html", stats);
  kavero::ComputeStep1(stats.home_recent, stats.away_recent);
  kavero::ComputeStep2(stats.home_recent, stats.away_recent, "A", "B");
  return 0;
}
