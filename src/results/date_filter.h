#pragma once
// Narrowing a match table to the matches of one date.
#include <string>
#include <string_view>

#include "base/match_table.h"

namespace kavero {

// The distinct Date texts in order of first appearance, each followed by CR LF.
std::string CollectDates(const MatchTable& table);

// The rows whose Date text equals `date` exactly: flag, championship,
// columns 1 to 8 and the goals model copied, Step1 and Step2 rounded to whole
// numbers (halves to even), colours left at their defaults.
MatchTable RowsOfDate(const MatchTable& table, std::string_view date);

}  // namespace kavero
