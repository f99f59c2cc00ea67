#pragma once
// The chance of under and over the offered total, the market's own view with
// its margin removed, and where the two disagree.
//
// On real seasons the teams' league rows added nothing that the price had not
// already taken in, while the market's fair chance of over 2.5 proved a little
// too timid at both ends. So the chance shown is the market's, recalibrated:
// the fair chance of over the offered line is stretched in log-odds by the
// fitted slope and shift, and the Poisson mean at which over takes that share
// of the decided outcomes is the match's expected goals, which settles the
// line (its pushes included).
#include <optional>
#include <string_view>

#include "base/goals_outlook.h"
#include "stats/match_stats.h"

namespace kavero {

// Fitted by `kavero-backtest --fit` on 24,470 matches of five first divisions,
// 2009-10 to 2024-25, at the average prices taken before each match:
// logit(chance) = kCalibrationShift + kCalibrationSlope * logit(fair chance).
inline constexpr double kCalibrationShift = 0.011;
inline constexpr double kCalibrationSlope = 1.157;

// A team's league row as the model reads it: "И" and "З - П".
struct TeamGoals {
  int games, scored, conceded;
};
// Games, then goals for and against written "f-a" (spaces or a colon
// allowed); nothing without games or with unreadable cells.
std::optional<TeamGoals> ReadTeamGoals(const LeagueRow& row);

// The Poisson chance of at most `goals` goals (0 below 0).
double ChanceAtMost(double mean, int goals);

// Shares of a stake on a total when the match's goals are Poisson(mean): a
// whole line returns the stake on exactly that many goals, a quarter line puts
// half the stake on each neighbouring line.
struct Settlement {
  double under_win, over_win, push;
};
Settlement SettleTotal(double mean, double line);

// The recalibrated chance of over from the market's fair chance of it (fitted
// on 2.5, the line the seasons price; used at every line).
double CalibratedChance(double fair_over);

// The model of a match from its teams' league rows (home, away) and the row's
// total and odds texts. Nothing when either team has no games or unreadable
// "И" / "З - П" cells (the chance goes with the statistics it is shown
// beside), when the total is not a non-negative quarter line, or when an odds
// text is not a number above 1.
std::optional<GoalsModel> ComputeGoalsModel(const LeagueRow& home, const LeagueRow& away,
                                            std::string_view total, std::string_view under,
                                            std::string_view over);

}  // namespace kavero
