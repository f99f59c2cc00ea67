#pragma once
// The match table shared by both match grids: eleven columns addressed by index.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/goals_outlook.h"
#include "base/page_report.h"

namespace kavero {

enum class CellColour { kNone, kRed, kGreen };

struct MatchRow {
  int flag = 0;              // column 0: flag picture index
  std::string championship;  // column 0's hint
  std::string date;          // 1, in the user's short date format
  std::string time;          // 2
  std::string home;          // 3
  std::string away;          // 4
  // The two names as the bookmaker wrote them, kept when a translation
  // replaced columns 3 and 4: its statistics pages write them so.
  std::string bookmaker_home;
  std::string bookmaker_away;
  std::string total;  // 5
  std::string under;  // 6
  std::string over;   // 7
  std::string url;    // 8, statistics page link
  double step1 = 0;   // 9
  double step2 = 0;   // 10
  CellColour step1_colour = CellColour::kNone;
  CellColour step2_colour = CellColour::kNone;
  // Set when a pass could not read the row's statistics page and the row had
  // no value of its own: columns 9 and 10 are then not read, not zero (they
  // are saved as 0). Holds the page and why.
  std::optional<PageProblem> steps_not_read;
  // Set once columns 9 and 10 hold values computed from a statistics page that was read.
  bool steps_read = false;
  // The goals model of the row's last statistics, when they gave one.
  std::optional<GoalsModel> goals_model;
};

using MatchTable = std::vector<MatchRow>;

// The names by which the row's statistics page tells home from away: as the
// bookmaker wrote them, whatever the interface language.
std::string_view BookmakerHome(const MatchRow& row);
std::string_view BookmakerAway(const MatchRow& row);

// Text of columns 1 to 8; nullptr for any other column.
const std::string* TextCell(const MatchRow& row, int column);
std::string* TextCell(MatchRow& row, int column);

}  // namespace kavero
