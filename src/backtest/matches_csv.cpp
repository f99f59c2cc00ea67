#include "backtest/matches_csv.h"

#include <array>
#include <charconv>
#include <filesystem>

#include "backtest/match_marks.h"
#include "results/csv_text.h"

namespace kavero {
namespace {

// The shortest text that reads back as the same double.
std::string Exact(double value) {
  std::array<char, 32> text{};
  const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
  return {text.data(), end};
}

std::string SideText(std::optional<BetSide> side) {
  if (!side) return "";
  return *side == BetSide::kOver ? "over" : "under";
}

std::string EdgeMarkText(const std::optional<GoalsModel>& model) {
  if (!model) return "";
  const EdgeMarks marks = MarkedEdges(*model);
  if (marks.over && marks.under) return "over under";
  return marks.over ? "over" : marks.under ? "under" : "";
}

std::string DateText(const Date& date) {
  return FormatDate(date, "yyyy-MM-dd");
}

}  // namespace

std::string MatchesCsv(const Replay& replay) {
  std::vector<std::vector<std::string>> records{
      {"file", "season", "date", "home", "away", "home_goals", "away_goals", "step1", "step2",
       "step1_mark", "step2_mark", "over_chance", "price_over", "price_under", "edge_over",
       "edge_under", "edge_mark"}};
  records.reserve(replay.evaluated.size() + 1);
  for (const ReplayedMatch& replayed : replay.evaluated) {
    const PastMatch& match = *replayed.match;
    const auto& model = replayed.model;
    records.push_back({std::filesystem::path(replayed.file->name).filename().string(),
                       replayed.season, DateText(match.date), match.home, match.away,
                       std::to_string(match.home_goals), std::to_string(match.away_goals),
                       Exact(replayed.step1), Exact(replayed.step2),
                       SideText(Step1Mark(replayed.step1)), SideText(Step2Mark(replayed.step2)),
                       model ? Exact(model->over.win) : "", match.price_over, match.price_under,
                       model ? Exact(model->over.edge) : "", model ? Exact(model->under.edge) : "",
                       EdgeMarkText(model)});
  }
  return CsvText(records, ',');
}

}  // namespace kavero
