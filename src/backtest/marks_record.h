#pragma once
// What each mark has been worth at the user's own bookmaker, from the marked
// bets of the settled matches the history keeps.
#include <array>
#include <optional>
#include <span>

#include "backtest/mark_record.h"
#include "history/marked_bet.h"

namespace kavero {

// The rows of the record: both value marks (under and over) make one.
enum class MarkRow { kStep1Green, kStep1Red, kStep2Green, kStep2Red, kValue };
inline constexpr std::array<MarkRow, 5> kMarkRows = {MarkRow::kStep1Green, MarkRow::kStep1Red,
                                                     MarkRow::kStep2Green, MarkRow::kStep2Red,
                                                     MarkRow::kValue};

struct MarkRecordSummary {
  MarkRow row = MarkRow::kStep1Green;
  int matches = 0;
  // Matches with more goals than the total last offered before kick-off.
  int overs = 0;
  double over_share = 0;
  Interval over_interval;  // 95 %, Wilson
  // The market's chance of over, margin removed, over the bets that carried it.
  std::optional<double> implied_over;
  MarkRecord at_first;  // the marked side taken at the first-seen price
  MarkRecord at_last;   // ... at the last-seen price before kick-off
  // Bets whose line moved towards the mark: its price shortened on the same
  // total, or the total moved its way (closing-line value).
  int moved_towards = 0;
  double moved_towards_share = 0;
};

MarkRow RowOf(history::Mark mark);

// One summary per row of kMarkRows, in that order.
std::array<MarkRecordSummary, kMarkRows.size()> SummariseMarks(
    std::span<const history::MarkedBet> bets);

}  // namespace kavero
