#include "base/dates.h"

#include <cstdio>
#include <vector>

namespace kavero {
namespace {

bool IsLeap(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

std::optional<int> Number(std::string_view digits) {
  if (digits.empty() || digits.size() > 4) return std::nullopt;
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string Padded(int value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
  return buffer;
}

bool IsRealDate(int year, int month, int day) {
  return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

// Takes `least` to `most` digits from the front of `text`.
std::optional<int> TakeNumber(std::string_view& text, std::size_t least, std::size_t most) {
  std::size_t length = 0;
  while (length < most && length < text.size() && text[length] >= '0' && text[length] <= '9') {
    ++length;
  }
  if (length < least) return std::nullopt;
  const auto value = Number(text.substr(0, length));
  text.remove_prefix(length);
  return value;
}

bool TakeLiteral(std::string_view& text, std::string_view literal) {
  if (text.substr(0, literal.size()) != literal) return false;
  text.remove_prefix(literal.size());
  return true;
}

}  // namespace

std::optional<Date> ParseDayMonthYear(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const auto dot = text.find('.', start);
    parts.push_back(text.substr(start, dot == std::string_view::npos ? dot : dot - start));
    if (dot == std::string_view::npos) break;
    start = dot + 1;
  }
  if (parts.size() != 3 || parts[0].size() > 2 || parts[1].size() > 2) return std::nullopt;
  const auto day = Number(parts[0]);
  const auto month = Number(parts[1]);
  auto year = Number(parts[2]);
  if (!day || !month || !year || (parts[2].size() != 2 && parts[2].size() != 4))
    return std::nullopt;
  if (parts[2].size() == 2) *year += 2000;
  if (!IsRealDate(*year, *month, *day)) return std::nullopt;
  return Date{*year, *month, *day};
}

std::string FormatDate(const Date& date, std::string_view pattern) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    if (c == '\'') {
      const auto close = pattern.find('\'', i + 1);
      if (close == i + 1) {
        out += '\'';  // '' is a quote character
        i += 2;
        continue;
      }
      out += pattern.substr(i + 1, close == std::string_view::npos ? close : close - i - 1);
      i = close == std::string_view::npos ? pattern.size() : close + 1;
      continue;
    }
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    if (c == 'd') {
      out += Padded(date.day, run >= 2 ? 2 : 1);
    } else if (c == 'M') {
      out += Padded(date.month, run >= 2 ? 2 : 1);
    } else if (c == 'y') {
      out += run >= 4 ? Padded(date.year, 4) : Padded(date.year % 100, 2);
    } else {
      out.append(run, c);
    }
    i += run;
  }
  return out;
}

std::optional<Date> ParseDate(std::string_view text, std::string_view pattern) {
  Date date;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    if (c == '\'') {
      const auto close = pattern.find('\'', i + 1);
      const bool quote = close == i + 1;  // '' is a quote character
      const std::string_view literal =
          quote ? pattern.substr(i, 1)
                : pattern.substr(i + 1, close == std::string_view::npos ? close : close - i - 1);
      if (!TakeLiteral(text, literal)) return std::nullopt;
      i = close == std::string_view::npos ? pattern.size() : close + 1;
      continue;
    }
    std::size_t run = 1;
    while (i + run < pattern.size() && pattern[i + run] == c) ++run;
    std::optional<int> number;
    if (c == 'd' || c == 'M') {
      number = TakeNumber(text, run >= 2 ? 2 : 1, 2);
      (c == 'd' ? date.day : date.month) = number.value_or(0);
    } else if (c == 'y') {
      number = run >= 4 ? TakeNumber(text, 4, 4) : TakeNumber(text, 2, 2);
      date.year = number.value_or(0) + (run >= 4 ? 0 : 2000);
    } else {
      number = TakeLiteral(text, pattern.substr(i, run)) ? std::optional<int>(0) : std::nullopt;
    }
    if (!number) return std::nullopt;
    i += run;
  }
  if (!text.empty() || !IsRealDate(date.year, date.month, date.day)) return std::nullopt;
  return date;
}

std::string IsoDate(const Date& date) {
  return FormatDate(date, "yyyy-MM-dd");
}

}  // namespace kavero
