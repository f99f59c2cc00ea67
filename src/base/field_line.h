#pragma once
// Field lines: one line of text holding fields, each followed by ">>".
#include <string>
#include <string_view>

namespace kavero {

// Writes `field` and its ">>" at the end of `line`.
void AppendField(std::string& line, std::string_view field);
// Field n (1-based, n < 1 reads as 1) of a ">>"-terminated field line.
std::string_view GetField(std::string_view line, int n);
// The distinct non-blank first fields of a text of field lines, one per line.
std::string DistinctFirstFields(std::string_view text);

}  // namespace kavero
