#pragma once
// The championship flags: country stems found in a championship's name.
#include <string_view>
#include <vector>

namespace kavero {

// The 147 country stems of the flag list, entry 0 empty.
const std::vector<std::string_view>& FlagStems();
// Index of the first stem (from 1 on) that occurs in name, 0 when none does.
int FlagIndex(std::string_view name, const std::vector<std::string_view>& stems);

}  // namespace kavero
