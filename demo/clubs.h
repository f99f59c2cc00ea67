#pragma once
// The championships and clubs the demo site plays with, as a Russian bookmaker
// writes them and in English.
#include <string_view>
#include <vector>

namespace kavero::demo {

struct ClubName {
  std::string_view russian;  // UTF-8
  std::string_view english;  // ASCII
};

struct ChampionshipData {
  std::string_view russian;  // UTF-8, "Country. League"
  std::string_view english;
  double goal_factor;  // scales every club's expected goals in this league
  std::vector<ClubName> clubs;
};

const std::vector<ChampionshipData>& ChampionshipTable();

}  // namespace kavero::demo
