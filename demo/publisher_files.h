#pragma once
// The publisher's plain-text files, in Windows-1251 with CR LF line ends.
#include <string>
#include <string_view>

#include "world.h"

namespace kavero::demo {

// "brr/beturl.txt": per club "Name>>address>>" once with the Russian and once
// with the English name; `site` is the base address ending in "/".
std::string TeamAddressList(const World& world, std::string_view site);
// "brr/basa.txt": "English=Russian" per club.
std::string TeamDictionaryFile(const World& world);
// "brr/chemp.txt": "Russian championship=English championship".
std::string ChampionshipDictionaryFile(const World& world);

}  // namespace kavero::demo
