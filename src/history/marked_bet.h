#pragma once
// One marked bet of a settled match, as the record of the marks reads them.
#include <optional>
#include <string>

#include "history/line_movement.h"
#include "history/run_record.h"

namespace kavero::history {

struct PriceSeen {
  std::string stamp;  // "yyyy-mm-dd hh:mm" of the run
  double line = 0;    // the offered total
  double price = 0;   // the marked side's odds
};

struct MarkedBet {
  Mark mark = kStep1Green;
  OddsSide side = OddsSide::kOver;                     // the side the mark points to
  std::string day, kickoff, championship, home, away;  // names as the line wrote them
  int home_goals = 0, away_goals = 0;
  PriceSeen first;  // first seen
  PriceSeen last;   // last seen before kick-off
  // At the last sighting that carried a goals model: the market's chance of
  // the marked side with the margin removed, and the model's own chance.
  std::optional<double> fair_chance, model_chance;
};

}  // namespace kavero::history
