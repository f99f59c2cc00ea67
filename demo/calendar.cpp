#include "calendar.h"

#include <charconv>
#include <cstdio>
#include <ctime>

namespace kavero::demo {

std::string DayText(Day day) {
  const std::chrono::year_month_day date{day};
  char text[16];
  std::snprintf(text, sizeof text, "%02u.%02u.%04d", static_cast<unsigned>(date.day()),
                static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
  return text;
}

std::string ClockText(int minutes) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60 % 24, minutes % 60);
  return text;
}

std::string MomentText(Moment moment) {
  return DayText(moment.day) + " " + ClockText(moment.hour * 60);
}

std::optional<Day> ParseIsoDay(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  auto number = [&](std::size_t from, std::size_t length) -> std::optional<int> {
    int value = 0;
    const char* first = text.data() + from;
    const auto [end, error] = std::from_chars(first, first + length, value);
    if (error != std::errc() || end != first + length) return std::nullopt;
    return value;
  };
  const auto year = number(0, 4), month = number(5, 2), day = number(8, 2);
  if (!year || !month || !day || *month < 1 || *day < 1) return std::nullopt;
  const std::chrono::year_month_day date{std::chrono::year(*year),
                                         std::chrono::month(static_cast<unsigned>(*month)),
                                         std::chrono::day(static_cast<unsigned>(*day))};
  if (!date.ok()) return std::nullopt;
  return Day(date);
}

Day LocalToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return Day(std::chrono::year(local.tm_year + 1900) /
             std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)) /
             std::chrono::day(static_cast<unsigned>(local.tm_mday)));
}

}  // namespace kavero::demo
