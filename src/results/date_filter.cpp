#include "results/date_filter.h"

#include <cmath>
#include <unordered_set>
#include <vector>

#include "base/text_cuts.h"

namespace kavero {

std::string CollectDates(const MatchTable& table) {
  std::unordered_set<std::string_view> seen;
  std::vector<std::string> dates;
  for (const auto& row : table) {
    if (seen.insert(row.date).second) dates.push_back(row.date);
  }
  return JoinLines(dates);
}

namespace {

// Halves go to the even neighbour (the default rounding mode); a result of
// minus zero is stored as zero so that it never prints as "-0".
double WholeNumber(double value) {
  const double rounded = std::nearbyint(value);
  return rounded == 0 ? 0.0 : rounded;
}

}  // namespace

MatchTable RowsOfDate(const MatchTable& table, std::string_view date) {
  MatchTable rows;
  for (const auto& row : table) {
    if (row.date != date) continue;
    MatchRow& copy = rows.emplace_back();
    copy.flag = row.flag;
    copy.championship = row.championship;
    for (int column = 1; column <= 8; ++column) *TextCell(copy, column) = *TextCell(row, column);
    copy.bookmaker_home = row.bookmaker_home;
    copy.bookmaker_away = row.bookmaker_away;
    copy.step1 = WholeNumber(row.step1);
    copy.step2 = WholeNumber(row.step2);
    copy.steps_not_read = row.steps_not_read;
    copy.steps_read = row.steps_read;
    copy.goals_model = row.goals_model;
  }
  return rows;
}

}  // namespace kavero
