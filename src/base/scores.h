#pragma once
// Numbers and scores as the statistics and team pages write them.
#include <optional>
#include <string_view>

namespace kavero {

// Decimal value of an all-digit text; -1 for anything else, including a value
// beyond the signed 32-bit range.
int DigitsToInt(std::string_view text);
// Part 1..4 of a score 'h:a (h1:a1)'; 0 for any other part.
int ScorePart(std::string_view score, int part);
// Home plus away goals of a score "h:a", each side an optionally signed
// integer or -1 when it is not one (so ":" gives -2 and "3" gives 2).
int GoalTotal(std::string_view score);
// A number written with "." or "," as the decimal point; nothing for any other text.
std::optional<double> ReadDecimal(std::string_view text);

}  // namespace kavero
