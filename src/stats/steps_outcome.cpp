#include "stats/steps_outcome.h"

#include <algorithm>

namespace kavero {

bool TakeSteps(MatchRow& row, const MatchStats& stats, bool fresh) {
  if (!stats.statistics_failure) {
    row.steps_not_read.reset();
    row.steps_read = true;
    return true;
  }
  if (fresh || row.steps_not_read) {
    row.steps_not_read = stats.statistics_failure;
    row.steps_read = false;
  }
  return false;
}

std::size_t CountNotRead(const MatchTable& table) {
  return static_cast<std::size_t>(
      std::count_if(table.begin(), table.end(),
                    [](const MatchRow& row) { return row.steps_not_read.has_value(); }));
}

}  // namespace kavero
