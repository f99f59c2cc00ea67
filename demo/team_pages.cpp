#include "team_pages.h"

#include <algorithm>
#include <tuple>

namespace kavero::demo {
namespace {

struct Words {
  std::string_view code, headers, matches;
};
constexpr Words kRussian = {
    "ru",
    "<th>М</th><th>Команда</th><th>И</th><th>В</th><th>Н</th><th>П</th><th>Мячи</th>"
    "<th>Р</th><th>О</th>",
    "Матчи с участием команды"};
constexpr Words kEnglish = {
    "en",
    "<th>Pos</th><th>Club</th><th>P</th><th>W</th><th>D</th><th>L</th><th>Goals</th>"
    "<th>GD</th><th>Pts</th>",
    // The readers look for the Russian words whatever the page's language.
    "Matches / Матчи с участием"};

std::string_view Name(const World& world, int club, Language language) {
  return language == Language::Russian ? world.clubs[club].russian : world.clubs[club].english;
}

std::string ClubLink(const World& world, int club, Language language, const Words& words) {
  return "<a href=\"/teams/" + std::string(words.code) + "/" +
         std::to_string(World::ClubPageId(club)) + ".html\">" +
         std::string(Name(world, club, language)) + "</a>";
}

std::string Signed(int value) {
  return (value > 0 ? "+" : "") + std::to_string(value);
}

// The club's own row names it in bold; the readers find the row by that.
std::string LeagueTable(const World& world, int club, Language language, const Words& words) {
  std::string html = "<table class=\"standings\">\n<tr>" + std::string(words.headers) + "</tr>\n";
  int position = 0;
  for (const StandingRow& row : Standings(world, world.clubs[club].championship)) {
    const std::string name = row.club == club
                                 ? "<b>" + std::string(Name(world, club, language)) + "</b>"
                                 : ClubLink(world, row.club, language, words);
    html += "<tr><td>" + std::to_string(++position) + "</td><td>" + name + "</td><td>" +
            std::to_string(row.played) + "</td><td>" + std::to_string(row.won) + "</td><td>" +
            std::to_string(row.drawn) + "</td><td>" + std::to_string(row.lost) + "</td><td>" +
            std::to_string(row.goals_for) + "-" + std::to_string(row.goals_against) + "</td><td>" +
            Signed(row.goals_for - row.goals_against) + "</td><td>" + std::to_string(row.Points()) +
            "</td></tr>\n";
  }
  return html + "</table>\n";
}

// The title row holds the marker the readers look for; the match rows follow
// at once, each naming both clubs through links and ending in the final score.
std::string MatchTable(const World& world, int club, Language language, const Words& words) {
  const Championship& championship = world.championships[world.clubs[club].championship];
  const std::string_view competition =
      language == Language::Russian ? championship.russian : championship.english;
  std::string html = "<table class=\"matches\">\n<tr><th colspan=\"4\">" +
                     std::string(words.matches) + ": " + std::string(Name(world, club, language)) +
                     "</th></tr>\n";
  const auto& history = world.history[club];
  for (auto it = history.rbegin(); it != history.rend(); ++it) {
    const PlayedMatch& match = world.played[*it];
    if (!match.current_season) break;
    html += "<tr><td>" + DayText(match.day) + "</td><td>" +
            ClubLink(world, match.home, language, words) + " - " +
            ClubLink(world, match.away, language, words) + "</td><td>" + std::string(competition) +
            "</td><td>" + std::to_string(match.home_goals) + ":" +
            std::to_string(match.away_goals) + "</td></tr>\n";
  }
  return html + "</table>\n";
}

}  // namespace

std::vector<StandingRow> Standings(const World& world, int championship) {
  std::vector<StandingRow> rows;
  for (int club : world.championships[championship].clubs) {
    StandingRow row;
    row.club = club;
    for (int index : world.history[club]) {
      const PlayedMatch& match = world.played[index];
      if (!match.current_season) continue;
      const bool home = match.home == club;
      const int scored = home ? match.home_goals : match.away_goals;
      const int conceded = home ? match.away_goals : match.home_goals;
      ++row.played;
      row.goals_for += scored;
      row.goals_against += conceded;
      if (scored > conceded) ++row.won;
      if (scored == conceded) ++row.drawn;
      if (scored < conceded) ++row.lost;
    }
    rows.push_back(row);
  }
  std::stable_sort(rows.begin(), rows.end(), [](const StandingRow& a, const StandingRow& b) {
    return std::make_tuple(a.Points(), a.goals_for - a.goals_against, a.goals_for) >
           std::make_tuple(b.Points(), b.goals_for - b.goals_against, b.goals_for);
  });
  return rows;
}

std::optional<std::string> TeamPage(const World& world, int page_id, Language language) {
  const int club = world.ClubFromPageId(page_id);
  if (club < 0) return std::nullopt;
  const Words& words = language == Language::Russian ? kRussian : kEnglish;
  const Championship& championship = world.championships[world.clubs[club].championship];
  const std::string name(Name(world, club, language));
  const std::string_view competition =
      language == Language::Russian ? championship.russian : championship.english;
  std::string html = "<!DOCTYPE html>\n<html lang=\"" + std::string(words.code) +
                     "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + name + "</title>\n" +
                     "</head>\n<body>\n<h1>" + name + "</h1>\n<p>" + std::string(competition) +
                     "</p>\n";
  html += LeagueTable(world, club, language, words);
  html += MatchTable(world, club, language, words);
  return html + "</body>\n</html>\n";
}

}  // namespace kavero::demo
