#pragma once
// Marker searches and cuts over single-byte page texts. Positions are 1-based
// byte positions; what each routine yields on a missing marker is deliberate.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kavero {

// 1-based position of the first occurrence of marker, 0 when absent or when
// either text is empty.
std::int64_t TextPos(std::string_view marker, std::string_view text);
// `count` bytes from position `start`, clamped to the text.
std::string_view TextSlice(std::string_view text, std::int64_t start, std::int64_t count);

// The text before marker (empty when absent).
std::string_view TextBefore(std::string_view text, std::string_view marker);
// The text from (position of marker) + skip; without the marker it starts at `skip`.
std::string_view TextAfter(std::string_view text, std::string_view marker, std::int64_t skip);
// The text from the marker on (the whole text when absent).
std::string_view TextFrom(std::string_view text, std::string_view marker);

// Drops every character of code 32 or below at both ends.
std::string_view Trim(std::string_view text);

// Splits at CR LF, lone CR and lone LF; a final break adds no line; NUL ends the text.
std::vector<std::string_view> SplitLines(std::string_view text);
// Every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// Field n (1-based, n < 1 reads as 1) of a ">>"-terminated field line.
std::string_view GetField(std::string_view line, int n);
std::string ReplaceAll(std::string_view text, std::string_view old_text, std::string_view new_text);
std::string_view CellText(std::string_view fragment);
std::string_view LinkTarget(std::string_view fragment);
std::string_view ColspanText(std::string_view fragment);
// Part 1..4 of a score 'h:a (h1:a1)'; 0 for any other part.
int ScorePart(std::string_view score, int part);
// Decimal value of an all-digit text; -1 for anything else, including a value
// beyond the signed 32-bit range.
int DigitsToInt(std::string_view text);
std::string DistinctFirstFields(std::string_view text);
// Index of the first stem (from 1 on) that occurs in name, 0 when none does.
int FlagIndex(std::string_view name, const std::vector<std::string_view>& stems);

// The 147 country stems of the flag list, entry 0 empty.
const std::vector<std::string_view>& FlagStems();

}  // namespace kavero
