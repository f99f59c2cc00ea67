#include "history/line_movement.h"

#include <cmath>
#include <cstdio>

#include "base/scores.h"

namespace kavero::history {
namespace {

constexpr std::string_view kArrow = "\xE2\x86\x92";  // U+2192
constexpr std::string_view kMinus = "\xE2\x88\x92";  // U+2212

std::string Price(const LineSighting& seen, OddsSide side, bool with_total) {
  std::string text = side == OddsSide::kUnder ? seen.under : seen.over;
  if (with_total) text += " (" + seen.total + ")";
  return text;
}

std::string Change(double from, double to, char decimal_separator) {
  const double percent = (to / from - 1) * 100;
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.1f", std::fabs(percent));
  std::string text(digits);
  for (char& c : text) {
    if (c == '.') c = decimal_separator;
  }
  if (std::fabs(percent) < 0.05) return text + " %";  // rounds to no change: no sign
  return std::string(percent < 0 ? kMinus : "+") + text + " %";
}

}  // namespace

std::string MovementHint(const LineMovement& movement, OddsSide side, Language language,
                         char decimal_separator) {
  const bool total_moved = movement.first.total != movement.now.total;
  const std::string before = Price(movement.first, side, total_moved);
  const std::string after = Price(movement.now, side, total_moved);
  if (before == after) return {};
  const bool english = language == Language::kEnglish;
  std::string hint = before + (english ? " at " : " \xD0\xB2 ") + movement.first.clock + " " +
                     std::string(kArrow) + " " + after +
                     (english ? " now" : " \xD1\x81\xD0\xB5\xD0\xB9\xD1\x87\xD0\xB0\xD1\x81");
  const auto from =
      ReadDecimal(side == OddsSide::kUnder ? movement.first.under : movement.first.over);
  const auto to = ReadDecimal(side == OddsSide::kUnder ? movement.now.under : movement.now.over);
  if (from && to && *from > 0) hint += ", " + Change(*from, *to, decimal_separator);
  return hint;
}

}  // namespace kavero::history
