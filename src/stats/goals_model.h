#pragma once
// The chance of under and over the offered total from a Poisson goals model of
// the two teams' league rows, the market's own view with its margin removed,
// and where the two disagree.
#include <optional>
#include <string_view>

#include "base/goals_outlook.h"
#include "stats/match_stats.h"

namespace kavero {

// A team's league row as the model reads it: "И" and "З - П".
struct TeamGoals {
  int games, scored, conceded;
};
// Games, then goals for and against written "f-a" (spaces or a colon
// allowed); nothing without games or with unreadable cells.
std::optional<TeamGoals> ReadTeamGoals(const LeagueRow& row);

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
