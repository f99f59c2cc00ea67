#pragma once
// The two indicators of a match, from the first four rows of the home team's
// and the away team's recent results. Either table with fewer than four rows
// gives 0.
#include <string_view>

#include "stats/match_stats.h"

namespace kavero {

// Points for many goals with both sides scoring, between -10 and 10.
double ComputeStep1(const HistoryTable& first, const HistoryTable& second);

// Weighted goals for and against over the eight matches, divided by 16. A side
// whose name starts its "Home - Away" text (or is missing from it) played at home.
double ComputeStep2(const HistoryTable& first, const HistoryTable& second,
                    std::string_view first_name, std::string_view second_name);

}  // namespace kavero
