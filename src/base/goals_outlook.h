#pragma once
// What the goals model says of one match, as a row of the match table keeps it.

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
  double total_goals = 0;  // the match's expected goals: its goals are Poisson of it
  double line = 0;         // the offered total
  double margin = 0;       // 1/under + 1/over - 1
  SideOutlook under, over;
};

// The edge from which an odds cell is marked.
inline constexpr double kMarkedEdge = 0.05;

}  // namespace kavero
