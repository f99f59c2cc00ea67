#pragma once
// A club's page on a league site, in UTF-8: the league table, then the
// club's matches of the season.
#include <optional>
#include <string>
#include <vector>

#include "world.h"

namespace kavero::demo {

enum class Language { Russian, English };

struct StandingRow {
  int club = 0;
  int played = 0, won = 0, drawn = 0, lost = 0;
  int goals_for = 0, goals_against = 0;
  int Points() const { return 3 * won + drawn; }
};

// The current season's table of a championship, leader first.
std::vector<StandingRow> Standings(const World& world, int championship);

// Nothing for an unknown page number.
std::optional<std::string> TeamPage(const World& world, int page_id, Language language);

}  // namespace kavero::demo
