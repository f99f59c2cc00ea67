#pragma once
// Name translation through the publisher's two dictionaries. Both take the
// dictionary text as received (Windows-1251, one "left=right" entry a line).
#include <string>
#include <string_view>

namespace kavero {

// English name of a club: the left part of the first line whose right part
// equals the name, letter case aside; the name unchanged when none does.
std::string TranslateTeam(std::string_view dictionary, std::string_view name);

// English championship name: the right part of the first line whose non-empty
// left part occurs in the name, or that contains the name, letter case aside;
// the name unchanged when none does.
std::string TranslateChampionship(std::string_view dictionary, std::string_view name);

}  // namespace kavero
