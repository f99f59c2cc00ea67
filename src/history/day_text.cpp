#include "history/day_text.h"

#include <chrono>
#include <cstdio>

namespace kavero::history {

std::string DayKey(const Date& date) {
  return IsoDate(date);
}

std::string DayKey(std::string_view text, std::string_view pattern) {
  const auto date = ParseDate(text, pattern);
  return date ? DayKey(*date) : std::string();
}

Date DaysBefore(const Date& date, int days) {
  using namespace std::chrono;
  const year_month_day from{year{date.year}, month{static_cast<unsigned>(date.month)},
                            day{static_cast<unsigned>(date.day)}};
  const year_month_day back{sys_days{from} - std::chrono::days{days}};
  return {static_cast<int>(back.year()), static_cast<int>(unsigned{back.month()}),
          static_cast<int>(unsigned{back.day()})};
}

std::string Stamp(const Date& date, int minutes) {
  char clock[8];
  std::snprintf(clock, sizeof clock, "%02d:%02d", minutes / 60 % 24, minutes % 60);
  return DayKey(date) + " " + clock;
}

}  // namespace kavero::history
