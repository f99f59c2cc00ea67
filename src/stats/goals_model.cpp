#include "stats/goals_model.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "base/scores.h"
#include "base/text_cuts.h"

namespace kavero {
namespace {

double ChanceOfExactly(double mean, int goals) {
  if (goals < 0) return 0;
  double chance = std::exp(-mean);
  for (int k = 1; k <= goals; ++k) chance *= mean / k;
  return chance;
}

struct Settlement {
  double under_win, over_win, push;
};

// A plain line: n + 0.5 is decided either way; a whole n returns the stakes on n.
Settlement SettleLine(double mean, double line) {
  const int whole = static_cast<int>(std::floor(line));
  if (line != whole) {
    const double under = ChanceAtMost(mean, whole);
    return {under, 1 - under, 0};
  }
  const double under = ChanceAtMost(mean, whole - 1);
  const double push = ChanceOfExactly(mean, whole);
  return {under, 1 - under - push, push};
}

// A quarter line puts half the stake on each neighbouring plain line.
Settlement Settle(double mean, double line) {
  const double quarters = line * 4;
  if (static_cast<long>(quarters) % 2 == 0) return SettleLine(mean, line);
  const Settlement low = SettleLine(mean, line - 0.25);
  const Settlement high = SettleLine(mean, line + 0.25);
  return {(low.under_win + high.under_win) / 2, (low.over_win + high.over_win) / 2,
          (low.push + high.push) / 2};
}

SideOutlook Outlook(double win, double push, double odds, double fair) {
  const double expected_return = win * odds + push;
  return {win, push, expected_return, expected_return - 1, fair};
}

}  // namespace

std::optional<TeamGoals> ReadTeamGoals(const LeagueRow& row) {
  const int games = DigitsToInt(Trim(row.cells[2]));
  if (games <= 0) return std::nullopt;
  const std::string_view goals = Trim(row.cells[6]);
  const std::size_t cut = goals.find_first_of("-:");
  if (cut == std::string_view::npos) return std::nullopt;
  const int scored = DigitsToInt(Trim(goals.substr(0, cut)));
  const int conceded = DigitsToInt(Trim(goals.substr(cut + 1)));
  if (scored < 0 || conceded < 0) return std::nullopt;
  return TeamGoals{games, scored, conceded};
}

double ChanceAtMost(double mean, int goals) {
  double term = std::exp(-mean);
  double sum = 0;
  for (int k = 0; k <= goals; ++k) {
    sum += term;
    term *= mean / (k + 1);
  }
  return std::min(sum, 1.0);
}

std::optional<GoalsModel> ComputeGoalsModel(const LeagueRow& home, const LeagueRow& away,
                                            std::string_view total, std::string_view under,
                                            std::string_view over) {
  const std::optional<TeamGoals> h = ReadTeamGoals(home);
  const std::optional<TeamGoals> a = ReadTeamGoals(away);
  const std::optional<double> line = ReadDecimal(total);
  const std::optional<double> under_odds = ReadDecimal(under);
  const std::optional<double> over_odds = ReadDecimal(over);
  if (!h || !a || !line || !under_odds || !over_odds) return std::nullopt;
  if (*line < 0 || *line > 100 || *line * 4 != std::round(*line * 4)) return std::nullopt;
  if (*under_odds <= 1 || *over_odds <= 1) return std::nullopt;

  GoalsModel model;
  model.home_goals = (double(h->scored) / h->games + double(a->conceded) / a->games) / 2;
  model.away_goals = (double(a->scored) / a->games + double(h->conceded) / h->games) / 2;
  model.total_goals = model.home_goals + model.away_goals;
  model.line = *line;
  const double book = 1 / *under_odds + 1 / *over_odds;
  model.margin = book - 1;
  const Settlement settled = Settle(model.total_goals, *line);
  model.under = Outlook(settled.under_win, settled.push, *under_odds, 1 / *under_odds / book);
  model.over = Outlook(settled.over_win, settled.push, *over_odds, 1 / *over_odds / book);
  return model;
}

}  // namespace kavero
