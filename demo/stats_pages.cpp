#include "stats_pages.h"

#include <algorithm>

#include "page_text.h"

namespace kavero::demo {
namespace {

constexpr int kMaxMeetings = 6;

std::string Side(const World& world, int club, bool winner) {
  const std::string name(world.clubs[club].russian);
  return winner ? "<b>" + name + "</b>" : name;
}

std::string ResultRow(const World& world, const PlayedMatch& match, std::string_view date_cell) {
  return "<tr><" + std::string(date_cell) + ">" + DayText(match.day) + "</td><td>" +
         Side(world, match.home, match.home_goals > match.away_goals) + " - " +
         Side(world, match.away, match.away_goals > match.home_goals) + "</td><td>" +
         ScoreText(match, match.half_time_known) + "</td></tr>\n";
}

// The section's word stands in the title row and the second row names the
// columns, so the results begin with the third row.
std::string ResultTable(std::string_view title, const std::string& rows) {
  return "<table class=\"results\">\n<tr><th colspan=\"3\">" + std::string(title) +
         "</th></tr>\n<tr><th>Дата</th><th>Матч</th><th>Счёт</th></tr>\n" + rows + "</table>\n";
}

std::string RecentTable(const World& world, int club) {
  const auto& history = world.history[club];
  const int shown = std::min<int>(RecentResultCount(club), static_cast<int>(history.size()));
  std::string rows;
  for (auto it = history.rbegin(); it != history.rbegin() + shown; ++it) {
    rows += ResultRow(world, world.played[*it], "td");
  }
  return ResultTable("Последние матчи: " + std::string(world.clubs[club].russian), rows);
}

std::string MeetingsTable(const World& world, int home, int away) {
  std::string rows;
  int shown = 0;
  const auto& history = world.history[home];
  for (auto it = history.rbegin(); it != history.rend() && shown < kMaxMeetings; ++it) {
    const PlayedMatch& match = world.played[*it];
    if (match.home != away && match.away != away) continue;
    rows += ResultRow(world, match, "td class=\"date\"");
    ++shown;
  }
  return ResultTable("Очные встречи", rows);
}

}  // namespace

int RecentResultCount(int club) {
  return 6 + club % 5;
}

std::optional<std::string> StatsPage(const World& world, int fixture_id) {
  const Fixture* fixture = world.FindFixture(fixture_id);
  if (!fixture) return std::nullopt;
  const std::string home(world.clubs[fixture->home].russian);
  const std::string away(world.clubs[fixture->away].russian);
  const Championship& championship = world.championships[world.ChampionshipOf(*fixture)];
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + home +
      " - " + away + ": статистика</title>\n</head>\n<body>\n<h1>" + home + " - " + away +
      "</h1>\n<p>" + std::string(championship.russian) + ", " + DayText(fixture->day) + " " +
      ClockText(fixture->kickoff) + "</p>\n";
  html += RecentTable(world, fixture->home);
  html += RecentTable(world, fixture->away);
  html += MeetingsTable(world, fixture->home, fixture->away);
  return html + "</body>\n</html>\n";
}

}  // namespace kavero::demo
