#pragma once
// The chance of under and over the offered total from a Poisson goals model of
// the two teams' league rows, the market's own view with its margin removed,
// and where the two disagree.
#include <optional>
#include <string_view>

#include "stats/match_stats.h"

namespace kavero {

// One side of the total (under or over) at the offered odds. Chances are
// shares of the stake: on a quarter line each half of it counts for one half.
struct SideOutlook {
  double win = 0;              // the model's chance that the stake wins
  double push = 0;             // ... that it comes back
  double expected_return = 0;  // per unit staked, at the offered odds
  double edge = 0;             // expected_return - 1
  double fair = 0;             // the market's chance, margin removed
};

struct GoalsModel {
  double home_goals = 0;   // the home side's expected goals
  double away_goals = 0;   // the away side's
  double total_goals = 0;  // their sum: the match's goals are Poisson of it
  double line = 0;         // the offered total
  double margin = 0;       // 1/under + 1/over - 1
  SideOutlook under, over;
};

// The edge from which an odds cell is marked.
inline constexpr double kMarkedEdge = 0.05;

// A team's league row as the model reads it: "И" and "З - П".
struct TeamGoals {
  int games, scored, conceded;
};
// Games, then goals for and against written "f-a" (spaces or a colon
// allowed); nothing without games or with unreadable cells.
std::optional<TeamGoals> ReadTeamGoals(const LeagueRow& row);

// A number written with "." or "," as the decimal point; nothing for any other text.
std::optional<double> ReadDecimal(std::string_view text);

// The Poisson chance of at most `goals` goals (0 below 0).
double ChanceAtMost(double mean, int goals);

// The model of a match from its teams' league rows (home, away) and the row's
// total and odds texts. Nothing when either team has no games or unreadable
// "И" / "З - П" cells, when the total is not a non-negative quarter line, or
// when an odds text is not a number above 1.
std::optional<GoalsModel> ComputeGoalsModel(const LeagueRow& home, const LeagueRow& away,
                                            std::string_view total, std::string_view under,
                                            std::string_view over);

}  // namespace kavero
