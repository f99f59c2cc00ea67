#pragma once
#include <string>
#include <string_view>

namespace kavero::demo {

// The bookmaker's and the publisher's texts are Windows-1251; the demo writes
// them in UTF-8 and converts once. Every character it writes exists there.
std::string InCp1251(std::string_view utf8);

// The score as the reports write it: "2:1 (1:0)", or "2:1" without the half-time score.
struct PlayedMatch;
std::string ScoreText(const PlayedMatch& match, bool with_half_time);

}  // namespace kavero::demo
