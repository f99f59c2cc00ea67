#pragma once
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace kavero::demo {

using Day = std::chrono::sys_days;

// A moment of the demo's world: its day, and the hour, which moves only the prices.
struct Moment {
  Day day;
  int hour = 0;  // 0 to 23
};

// "dd.mm.yyyy", as the bookmaker and the league pages write dates.
std::string DayText(Day day);
// "hh:mm" from minutes after midnight.
std::string ClockText(int minutes);
// "dd.mm.yyyy hh:00".
std::string MomentText(Moment moment);
// Reads "YYYY-MM-DD"; nothing when it is not a real date.
std::optional<Day> ParseIsoDay(std::string_view text);
// The local calendar date of the system clock.
Day LocalToday();

}  // namespace kavero::demo
