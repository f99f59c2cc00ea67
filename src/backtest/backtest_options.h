#pragma once
// The command line of kavero-backtest.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "backtest/price_choice.h"

namespace kavero {

struct BacktestOptions {
  std::vector<std::string> paths;
  PriceChoice prices;
  std::string matches_file, plot_file;  // empty: not written
  std::string mark_records_file;        // empty: not written
  bool fit = false;  // prints the goals model's recalibration instead of the report
  bool help = false;
};

struct ParsedOptions {
  std::optional<BacktestOptions> options;
  std::string error;  // why there are none
};

// The arguments after the program's name.
ParsedOptions ParseBacktestOptions(std::span<const std::string_view> arguments);

std::string_view BacktestUsage();

}  // namespace kavero
