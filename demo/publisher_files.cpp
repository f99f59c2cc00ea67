#include "publisher_files.h"

#include "page_text.h"

namespace kavero::demo {

std::string TeamAddressList(const World& world, std::string_view site) {
  std::string text;
  for (std::size_t club = 0; club < world.clubs.size(); ++club) {
    const std::string page = std::to_string(World::ClubPageId(static_cast<int>(club))) + ".html";
    text += std::string(world.clubs[club].russian) + ">>" + std::string(site) + "teams/ru/" + page +
            ">>\r\n";
    text += std::string(world.clubs[club].english) + ">>" + std::string(site) + "teams/en/" + page +
            ">>\r\n";
  }
  return InCp1251(text);
}

std::string TeamDictionaryFile(const World& world) {
  std::string text;
  for (const Club& club : world.clubs) {
    text += std::string(club.english) + "=" + std::string(club.russian) + "\r\n";
  }
  return InCp1251(text);
}

std::string ChampionshipDictionaryFile(const World& world) {
  std::string text;
  for (const Championship& championship : world.championships) {
    text += std::string(championship.russian) + "=" + std::string(championship.english) + "\r\n";
  }
  return InCp1251(text);
}

}  // namespace kavero::demo
