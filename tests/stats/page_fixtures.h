#pragma once
// Small statistics and team pages laid out like the bookmaker's and the
// publisher's, written in UTF-8 as they travel.
#include <string>
#include <vector>

namespace kavero::testing {

// "<tr>" + one "<td>" per cell + "</tr>".
inline std::string Row(const std::vector<std::string>& cells) {
  std::string row = "<tr>";
  for (const auto& cell : cells) row += "<td>" + cell + "</td>";
  return row + "</tr>\n";
}

// A history table as the statistics page has it: a caption row and a column
// header row come first, then the given rows.
inline std::string HistoryTableHtml(const std::string& rows) {
  return "<table><tr><td "
         "colspan=3>Игры</td></tr>\n<tr><td>Дата</td><td>Матч</td><td>Счёт</td></tr>\n" +
         rows + "</table>\n";
}

inline std::string StatisticsPage(const std::string& home_rows, const std::string& away_rows,
                                  const std::string& head_to_head_rows) {
  return "<html><body><h2>Последние игры хозяев</h2>\n" + HistoryTableHtml(home_rows) +
         "<h2>Последние игры гостей</h2>\n" + HistoryTableHtml(away_rows) +
         "<h2>Очные встречи</h2>\n" + HistoryTableHtml(head_to_head_rows) + "</body></html>";
}

// The league table row of a team: position, bold name, played, won, drawn,
// lost, goals, goal difference (passed over), points.
inline std::string LeagueRowHtml(const std::string& position, const std::string& team,
                                 const std::string& points) {
  return Row({position, "<b>" + team + "</b>", "10", "6", "2", "2", "20-10", "+10", points});
}

// One played match: date, home link, away link, score.
inline std::string MatchRowHtml(const std::string& score) {
  return Row({"12.03.11", "<a href=\"/t/1\">Хозяева</a>", "<a href=\"/t/2\">Гости</a>", score});
}

inline std::string TeamPage(const std::string& league_rows,
                            const std::vector<std::string>& scores) {
  std::string page = "<html><table>\n" +
                     Row({"М", "Команда", "И", "В", "Н", "П", "З-П", "+/-", "О"}) + league_rows +
                     "</table>\n<table><tr><td colspan=4>Матчи с участием команды</td></tr>\n";
  for (const auto& score : scores) page += MatchRowHtml(score);
  return page + "</table></html>";
}

}  // namespace kavero::testing
