#include "backtest/marks_record.h"

#include <vector>

namespace kavero {
namespace {

using history::MarkedBet;
using history::OddsSide;
using history::PriceSeen;

BetSide SideOf(OddsSide side) {
  return side == OddsSide::kOver ? BetSide::kOver : BetSide::kUnder;
}

BetOutcome Outcome(const MarkedBet& bet, double line) {
  const int goals = bet.home_goals + bet.away_goals;
  if (goals == line) return BetOutcome::kPushed;
  return (goals > line) == (bet.side == OddsSide::kOver) ? BetOutcome::kWon : BetOutcome::kLost;
}

Bet TakenAt(const MarkedBet& bet, const PriceSeen& seen) {
  return {SideOf(bet.side), Outcome(bet, seen.line), seen.price, bet.fair_chance.value_or(0)};
}

bool MovedTowards(const MarkedBet& bet) {
  if (bet.first.line == bet.last.line) return bet.last.price < bet.first.price;
  return (bet.last.line > bet.first.line) == (bet.side == OddsSide::kOver);
}

MarkRecordSummary Summarise(MarkRow row, std::span<const MarkedBet* const> bets) {
  MarkRecordSummary summary;
  summary.row = row;
  summary.matches = static_cast<int>(bets.size());
  std::vector<Bet> first, last;
  double implied = 0;
  int implied_count = 0;
  for (const MarkedBet* bet : bets) {
    if (bet->home_goals + bet->away_goals > bet->last.line) ++summary.overs;
    if (bet->fair_chance) {
      implied += bet->side == OddsSide::kOver ? *bet->fair_chance : 1 - *bet->fair_chance;
      ++implied_count;
    }
    if (MovedTowards(*bet)) ++summary.moved_towards;
    first.push_back(TakenAt(*bet, bet->first));
    last.push_back(TakenAt(*bet, bet->last));
  }
  summary.over_interval = WilsonInterval(summary.overs, summary.matches);
  if (summary.matches > 0) {
    summary.over_share = static_cast<double>(summary.overs) / summary.matches;
    summary.moved_towards_share = static_cast<double>(summary.moved_towards) / summary.matches;
  }
  if (implied_count > 0) summary.implied_over = implied / implied_count;
  summary.at_first = SummariseBets(first);
  summary.at_last = SummariseBets(last);
  return summary;
}

}  // namespace

MarkRow RowOf(history::Mark mark) {
  switch (mark) {
    case history::kStep1Green:
      return MarkRow::kStep1Green;
    case history::kStep1Red:
      return MarkRow::kStep1Red;
    case history::kStep2Green:
      return MarkRow::kStep2Green;
    case history::kStep2Red:
      return MarkRow::kStep2Red;
    case history::kValueUnder:
    case history::kValueOver:
      return MarkRow::kValue;
  }
  return MarkRow::kValue;
}

std::array<MarkRecordSummary, kMarkRows.size()> SummariseMarks(std::span<const MarkedBet> bets) {
  std::array<MarkRecordSummary, kMarkRows.size()> summaries;
  for (std::size_t i = 0; i < kMarkRows.size(); ++i) {
    std::vector<const MarkedBet*> of_row;
    for (const MarkedBet& bet : bets) {
      if (RowOf(bet.mark) == kMarkRows[i]) of_row.push_back(&bet);
    }
    summaries[i] = Summarise(kMarkRows[i], of_row);
  }
  return summaries;
}

}  // namespace kavero
