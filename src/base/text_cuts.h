#pragma once
// Marker searches and cuts over single-byte page texts, and lines of text. Positions are 1-based
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

std::string ReplaceAll(std::string_view text, std::string_view old_text, std::string_view new_text);

}  // namespace kavero
