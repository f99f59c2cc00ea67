#include "page_text.h"

#include <stdexcept>

#include "base/encoding.h"
#include "world.h"

namespace kavero::demo {

std::string InCp1251(std::string_view utf8) {
  auto converted = Utf8ToCp1251(utf8);
  if (!converted) throw std::logic_error("demo page text is not UTF-8");
  return std::move(*converted);
}

std::string ScoreText(const PlayedMatch& match, bool with_half_time) {
  std::string text = std::to_string(match.home_goals) + ":" + std::to_string(match.away_goals);
  if (with_half_time) {
    text += " (" + std::to_string(match.home_half) + ":" + std::to_string(match.away_half) + ")";
  }
  return text;
}

}  // namespace kavero::demo
