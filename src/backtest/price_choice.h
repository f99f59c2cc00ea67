#pragma once
// Which over and under 2.5 prices of a season file a backtest bets at.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavero {

struct PriceColumns {
  std::string over, under;
};

// The column pairs to try, in order; a row takes the first pair it has both prices of.
struct PriceChoice {
  std::string name;
  std::vector<PriceColumns> candidates;
};

// "average" (before the match: Avg, or BbAv in older files), "closing" (AvgC),
// "best" (Max, or BbMx), or a bookmaker's column prefix as the files write it
// ("B365", "P"; "PS" and "PSC" stand for "P" and "PC"). Nothing for any other text.
std::optional<PriceChoice> ChoosePrices(std::string_view name);

}  // namespace kavero
