#pragma once
// A match's statistics page on the bookmaker site, in UTF-8.
#include <optional>
#include <string>

#include "world.h"

namespace kavero::demo {

// Both sides' latest results, then their earlier meetings; nothing for an unknown id.
std::optional<std::string> StatsPage(const World& world, int fixture_id);

// How many of its latest results a club's statistics show (6 to 10).
int RecentResultCount(int club);

}  // namespace kavero::demo
