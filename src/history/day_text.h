#pragma once
// Days as the history keeps them: "yyyy-mm-dd", which orders as text.
#include <optional>
#include <string>
#include <string_view>

#include "base/dates.h"

namespace kavero::history {

std::string DayKey(const Date& date);
// The day key of a date text in the pattern; "" when it does not read.
std::string DayKey(std::string_view text, std::string_view pattern);
// `days` before `date`.
Date DaysBefore(const Date& date, int days);
// "yyyy-mm-dd hh:mm".
std::string Stamp(const Date& date, int minutes);

}  // namespace kavero::history
