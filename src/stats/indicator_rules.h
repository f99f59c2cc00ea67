#pragma once
// Rules of the match details: how a clicked or recomputed row shows and stores
// its indicators, how their cells are coloured, and how the history grids are
// translated.
#include <functional>
#include <string>
#include <string_view>

#include "base/match_table.h"
#include "stats/match_stats.h"

namespace kavero {

// The value a clicked row stores: at most three significant digits and at most
// two decimals, halves away from zero (12.34375 -> 12.3).
double RoundToLabel(double value);
// The label of a clicked row: RoundToLabel's value with exactly two decimals
// (12.34375 -> "12.30", 10 -> "10.00").
std::string FormatClickLabel(double value, char decimal_separator);

// The value a recomputed row stores: two decimals, halves away from zero, at
// most ten significant digits (12.34375 -> 12.34).
//
// Both roundings judge a half on the exact decimal value of the double, as a
// fixed-point formatter does: the double nearest 2.675 lies just below it and
// rounds down, while 0.125 is exact and rounds up.
double RoundTwoDecimals(double value);

// Where the indicator cells turn red (at or below) and green (at or above).
inline constexpr double kStep1RedUpTo = -5;
inline constexpr double kStep1GreenFrom = 5;
inline constexpr double kStep2RedUpTo = 2;
inline constexpr double kStep2GreenFrom = 2.7;

// Step1 <= -5 red, >= 5 green; Step2 <= 2 red, >= 2.7 green. Values in
// between keep whatever colour the cell had.
void ApplyStepColours(MatchRow& row, double step1, double step2);

// Translates both team names of every "Home - Away" text of the three
// history grids. A text without " - " reads as an empty home name and the
// text from its third character on.
void TranslateHistory(MatchStats& stats,
                      const std::function<std::string(std::string_view)>& translate_team);

}  // namespace kavero
