#pragma once
// A whole backtest: the files and folders read, the seasons replayed, the figures.
#include <string>
#include <vector>

#include "backtest/backtest_report.h"
#include "backtest/price_choice.h"
#include "backtest/replay.h"
#include "backtest/season_file.h"

namespace kavero {

struct BacktestRun {
  std::vector<SeasonFile> files;  // the replay points into these (a move keeps them in place)
  Replay replay;
  BacktestReport report;
};

// Reads each path: a file as it is, a folder's files ending in ".csv" by name.
// A path that cannot be read is noted in the report.
BacktestRun RunBacktest(const std::vector<std::string>& paths, const PriceChoice& prices);

}  // namespace kavero
