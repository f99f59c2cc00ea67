#include "backtest/mark_records.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <locale>
#include <set>
#include <sstream>

#include "backtest/match_marks.h"

namespace kavero {
namespace {

constexpr std::array<std::string_view, 5> kMarkNames = {"step1_green", "step1_red", "step2_green",
                                                        "step2_red", "value"};

std::string LeagueOf(const ReplayedMatch& match) {
  if (!match.match->league.empty()) return match.match->league;
  const std::string stem = std::filesystem::path(match.file->name).stem().string();
  return stem.substr(stem.find_last_of('-') + 1);
}

std::string Share(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", value);
  return text;
}

}  // namespace

MarkRecords CollectMarkRecords(const Replay& replay, const BacktestReport& report) {
  MarkRecords records;
  records.matches = report.priced;
  std::set<std::string> leagues;
  bool first = true;
  bool value_fired = false;
  for (const ReplayedMatch& match : replay.evaluated) {
    if (!match.model) continue;
    const int year = match.match->date.year;
    records.first_year = first ? year : std::min(records.first_year, year);
    records.last_year = first ? year : std::max(records.last_year, year);
    first = false;
    leagues.insert(LeagueOf(match));
    const EdgeMarks edges = MarkedEdges(*match.model);
    if (edges.over || edges.under) {
      records.value_highest_margin =
          value_fired ? std::max(records.value_highest_margin, match.model->margin)
                      : match.model->margin;
      value_fired = true;
    }
  }
  records.leagues = static_cast<int>(leagues.size());
  for (const MarkSummary& summary : report.marks) {
    if (summary.mark == Mark::kBlind) continue;
    records.marks.push_back({summary.mark, summary.matches, summary.record.bets,
                             summary.record.won_share, summary.record.fair_mean,
                             summary.record.return_mean});
  }
  return records;
}

std::string MarkRecordsText(const MarkRecords& records) {
  std::string out =
      "# What the window's marks have been worth on past seasons; its header hints quote this.\n"
      "# Written by kavero-backtest --mark-records; do not edit by hand.\n";
  out += "years " + std::to_string(records.first_year) + " " + std::to_string(records.last_year) +
         "\n";
  out += "leagues " + std::to_string(records.leagues) + "\n";
  out += "matches " + std::to_string(records.matches) + "\n";
  out += "# mark, matches, bets, marked side won, market's chance of it, return per stake\n";
  for (const MarkFigures& figures : records.marks) {
    out += std::string(kMarkNames[static_cast<std::size_t>(figures.mark)]) + " " +
           std::to_string(figures.matches) + " " + std::to_string(figures.bets) + " " +
           Share(figures.won) + " " + Share(figures.market) + " " + Share(figures.returned) + "\n";
  }
  out += "value_highest_margin " + Share(records.value_highest_margin) + "\n";
  return out;
}

std::optional<MarkRecords> ReadMarkRecords(std::string_view text) {
  std::istringstream in{std::string(text)};
  in.imbue(std::locale::classic());
  MarkRecords records;
  std::set<std::string> seen;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line.front() == '#') continue;
    std::istringstream fields(line);
    fields.imbue(std::locale::classic());
    std::string name;
    fields >> name;
    if (!seen.insert(name).second) return std::nullopt;
    const auto mark = std::find(kMarkNames.begin(), kMarkNames.end(), name);
    if (name == "years") {
      fields >> records.first_year >> records.last_year;
    } else if (name == "leagues") {
      fields >> records.leagues;
    } else if (name == "matches") {
      fields >> records.matches;
    } else if (name == "value_highest_margin") {
      fields >> records.value_highest_margin;
    } else if (mark != kMarkNames.end()) {
      MarkFigures figures;
      figures.mark = static_cast<Mark>(mark - kMarkNames.begin());
      fields >> figures.matches >> figures.bets >> figures.won >> figures.market >>
          figures.returned;
      records.marks.push_back(figures);
    } else {
      return std::nullopt;
    }
    if (fields.fail()) return std::nullopt;
  }
  // The four figures of the whole and every mark, each once.
  if (seen.size() != 4 + kMarkNames.size()) return std::nullopt;
  std::sort(records.marks.begin(), records.marks.end(),
            [](const MarkFigures& a, const MarkFigures& b) { return a.mark < b.mark; });
  return records;
}

}  // namespace kavero
