#include "backtest/backtest_report.h"

#include <algorithm>
#include <cmath>

#include "backtest/match_marks.h"
#include "base/scores.h"

namespace kavero {
namespace {

constexpr int kBuckets = 20;
// Keeps the log loss finite for a chance of exactly 0 or 1.
constexpr double kLeastChance = 1e-15;

struct MarkBets {
  int matches = 0;
  std::vector<Bet> bets;
  double stated_edge = 0;
};

void Place(MarkBets& mark, const ReplayedMatch& match, BetSide side) {
  mark.bets.push_back(BetOn(match, side));
  const SideOutlook& outlook = side == BetSide::kOver ? match.model->over : match.model->under;
  mark.stated_edge += outlook.edge;
}

void MarkMatch(std::array<MarkBets, kAllMarks.size()>& marks, const ReplayedMatch& match) {
  auto at = [&](Mark mark) -> MarkBets& { return marks[static_cast<std::size_t>(mark)]; };
  auto place_once = [&](Mark mark, BetSide side) {
    ++at(mark).matches;
    Place(at(mark), match, side);
  };
  if (const auto side = Step1Mark(match.step1)) {
    place_once(*side == BetSide::kOver ? Mark::kStep1Green : Mark::kStep1Red, *side);
  }
  if (const auto side = Step2Mark(match.step2)) {
    place_once(*side == BetSide::kOver ? Mark::kStep2Green : Mark::kStep2Red, *side);
  }
  const EdgeMarks edges = MarkedEdges(*match.model);
  if (edges.over || edges.under) ++at(Mark::kValue).matches;
  if (edges.over) Place(at(Mark::kValue), match, BetSide::kOver);
  if (edges.under) Place(at(Mark::kValue), match, BetSide::kUnder);
  ++at(Mark::kBlind).matches;
  Place(at(Mark::kBlind), match, BetSide::kOver);
  Place(at(Mark::kBlind), match, BetSide::kUnder);
}

}  // namespace

Bet BetOn(const ReplayedMatch& match, BetSide side) {
  const bool over = side == BetSide::kOver;
  const auto price = ReadDecimal(over ? match.match->price_over : match.match->price_under);
  const bool won = match.Over() == over;
  return {side, won ? BetOutcome::kWon : BetOutcome::kLost, price.value_or(0),
          over ? match.model->over.fair : match.model->under.fair};
}

std::vector<CalibrationBucket> Calibrate(const std::vector<double>& chances,
                                         const std::vector<bool>& happened) {
  std::array<CalibrationBucket, kBuckets> buckets{};
  std::array<int, kBuckets> hits{};
  for (std::size_t i = 0; i < chances.size(); ++i) {
    const auto index = static_cast<std::size_t>(
        std::clamp(static_cast<int>(std::floor(chances[i] * kBuckets)), 0, kBuckets - 1));
    ++buckets[index].matches;
    buckets[index].predicted += chances[i];
    if (happened[i]) ++hits[index];
  }
  std::vector<CalibrationBucket> filled;
  for (std::size_t index = 0; index < buckets.size(); ++index) {
    CalibrationBucket bucket = buckets[index];
    if (bucket.matches == 0) continue;
    bucket.from = static_cast<double>(index) / kBuckets;
    bucket.to = static_cast<double>(index + 1) / kBuckets;
    bucket.predicted /= bucket.matches;
    bucket.observed = static_cast<double>(hits[index]) / bucket.matches;
    bucket.observed_interval = WilsonInterval(hits[index], bucket.matches);
    filled.push_back(bucket);
  }
  return filled;
}

Scores Score(const std::vector<double>& chances, const std::vector<bool>& happened) {
  Scores scores;
  if (chances.empty()) return scores;
  for (std::size_t i = 0; i < chances.size(); ++i) {
    const double chance = std::clamp(chances[i], kLeastChance, 1 - kLeastChance);
    const double outcome = happened[i] ? 1 : 0;
    scores.brier += (chance - outcome) * (chance - outcome);
    scores.log_loss -= std::log(happened[i] ? chance : 1 - chance);
  }
  const auto n = static_cast<double>(chances.size());
  return {scores.brier / n, scores.log_loss / n};
}

BacktestReport SummariseBacktest(const std::vector<SeasonFile>& files, const Replay& replay,
                                 std::vector<InputNote> reading_notes, std::string prices) {
  BacktestReport report;
  report.prices = std::move(prices);
  report.files = static_cast<int>(files.size());
  report.matches_read = replay.matches_read;
  report.too_early = replay.too_early;
  report.evaluated = static_cast<int>(replay.evaluated.size());
  report.notes = std::move(reading_notes);
  for (const SeasonFile& file : files) {
    report.notes.insert(report.notes.end(), file.notes.begin(), file.notes.end());
  }

  std::array<MarkBets, kAllMarks.size()> marks;
  std::vector<double> model_chances, market_chances;
  std::vector<bool> happened;
  for (const ReplayedMatch& match : replay.evaluated) {
    if (!match.model) continue;
    MarkMatch(marks, match);
    model_chances.push_back(match.model->over.win);
    market_chances.push_back(match.model->over.fair);
    happened.push_back(match.Over());
  }
  report.priced = static_cast<int>(happened.size());
  for (const Mark mark : kAllMarks) {
    const MarkBets& bets = marks[static_cast<std::size_t>(mark)];
    report.marks.push_back(
        {mark, bets.matches, SummariseBets(bets.bets),
         bets.bets.empty() ? 0 : bets.stated_edge / static_cast<double>(bets.bets.size())});
  }
  report.over_rate = happened.empty()
                         ? 0
                         : static_cast<double>(std::count(happened.begin(), happened.end(), true)) /
                               static_cast<double>(happened.size());
  report.model_calibration = Calibrate(model_chances, happened);
  report.market_calibration = Calibrate(market_chances, happened);
  report.model = Score(model_chances, happened);
  report.market = Score(market_chances, happened);
  report.base_rate = Score(std::vector<double>(happened.size(), report.over_rate), happened);
  return report;
}

}  // namespace kavero
