#pragma once
// A match table as the lines of the saved file.
#include <string>

#include "base/match_table.h"

namespace kavero {

// One line per row: Date, Time, Home, Away, Total, Under, Over, URL, Step1,
// Step2 and the championship, each followed by ">>"; CR LF after every line.
std::string SavedText(const MatchTable& table, char decimal_separator);

}  // namespace kavero
