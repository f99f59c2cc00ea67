#pragma once
// Whether a pass may store what it computed for a row: a row whose statistics
// page could not be read keeps its values and colours, and one that had no
// value of its own shows as not read.
#include <cstddef>
#include <string_view>

#include "base/match_table.h"
#include "stats/match_stats.h"

namespace kavero {

// True when `stats` came from a statistics page that was read (or that the row
// does not ask for): the row is marked read and the caller stores the values.
// False when the page failed: the row is left as it stands, except that a
// `fresh` row (one the pass fills for the first time) or a row already not
// read is marked not read with this failure.
bool TakeSteps(MatchRow& row, const MatchStats& stats, bool fresh);

// The rows from `first` on, which a pass stopped by the user did not come to,
// fare as if their statistics pages had failed: kStopped.
void TakeStopped(MatchTable& table, std::size_t first, std::string_view bookmaker_site, bool fresh);

// Rows whose indicators are not read.
std::size_t CountNotRead(const MatchTable& table);

}  // namespace kavero
