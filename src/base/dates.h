#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kavero {

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
};

// The user's regional settings, handed over by the window.
struct RegionalSettings {
  std::string short_date_format = "dd.MM.yyyy";  // Qt date pattern
  char decimal_separator = '.';
};

// Reads the bookmaker's "dd.mm.yyyy"; nothing when it is not a real date.
std::optional<Date> ParseDayMonthYear(std::string_view text);

// Formats with the numeric parts of a Qt date pattern (d, dd, M, MM, yy,
// yyyy, quoted literals); any other character is copied as it stands.
std::string FormatDate(const Date& date, std::string_view pattern);

// Reads a date that FormatDate wrote with `pattern` ("yy" years are 20yy);
// nothing when the text does not follow it or is not a real date.
std::optional<Date> ParseDate(std::string_view text, std::string_view pattern);

// "YYYY-MM-DD", as ISO 8601 writes a day.
std::string IsoDate(const Date& date);

}  // namespace kavero
