#include "stats/steps_outcome.h"

#include <algorithm>

#include "stats/history_reader.h"

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

void TakeStopped(MatchTable& table, std::size_t first, std::string_view bookmaker_site,
                 bool fresh) {
  for (std::size_t i = first; i < table.size(); ++i) {
    MatchStats stopped;
    stopped.statistics_failure =
        ContentProblem(StatisticsPageAddress(bookmaker_site, table[i].url), PageFault::kStopped);
    TakeSteps(table[i], stopped, fresh);
  }
}

std::size_t CountNotRead(const MatchTable& table) {
  return static_cast<std::size_t>(
      std::count_if(table.begin(), table.end(),
                    [](const MatchRow& row) { return row.steps_not_read.has_value(); }));
}

}  // namespace kavero
