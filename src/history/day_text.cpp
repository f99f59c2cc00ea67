#include "history/day_text.h"

#include <chrono>
#include <cstdio>

namespace kavero::history {
namespace {

// Reads up to `most` digits (at least `least`) from text at pos.
std::optional<int> Digits(std::string_view text, std::size_t& pos, std::size_t least,
                          std::size_t most) {
  int value = 0;
  std::size_t count = 0;
  while (count < most && pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    value = value * 10 + (text[pos] - '0');
    ++pos;
    ++count;
  }
  if (count < least) return std::nullopt;
  return value;
}

}  // namespace

std::optional<Date> ParseDate(std::string_view text, std::string_view pattern) {
  Date date;
  std::size_t pos = 0;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    if (c == '\'') {  // a quoted literal, or '' for a quote
      const auto close = pattern.find('\'', i + 1);
      const auto literal =
          close == i + 1 ? std::string_view("'") : pattern.substr(i + 1, close - i - 1);
      if (text.substr(pos, literal.size()) != literal) return std::nullopt;
      pos += literal.size();
      i = close == std::string_view::npos ? pattern.size() : close + 1;
      continue;
    }
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    std::optional<int> value;
    if (c == 'd' || c == 'M') {
      value = Digits(text, pos, run >= 2 ? 2 : 1, 2);
      (c == 'd' ? date.day : date.month) = value.value_or(0);
    } else if (c == 'y') {
      value = run >= 4 ? Digits(text, pos, 4, 4) : Digits(text, pos, 2, 2);
      if (value) date.year = run >= 4 ? *value : 2000 + *value;
    } else {
      value = text.substr(pos, run) == pattern.substr(i, run) ? 0 : std::optional<int>();
      pos += run;
    }
    if (!value) return std::nullopt;
    i += run;
  }
  if (pos != text.size()) return std::nullopt;
  // The bookmaker's reader knows which days exist.
  return ParseDayMonthYear(FormatDate(date, "dd.MM.yyyy"));
}

std::string DayKey(const Date& date) {
  return FormatDate(date, "yyyy-MM-dd");
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
