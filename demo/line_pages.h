#pragma once
// The bookmaker's football line, in Windows-1251.
#include <string>
#include <vector>

#include "world.h"

namespace kavero::demo {

// The menu: one check box per championship that has coming matches.
std::string LineMenuPage(const World& world);
// The tables of the requested championships (by line identifier), in menu order;
// unknown identifiers are passed over.
std::string LineTablesPage(const World& world, const std::vector<std::string>& line_ids);

}  // namespace kavero::demo
