#include "backtest/report_text.h"

#include <cmath>
#include <cstdio>

#include "results/general_format.h"
#include "stats/indicator_rules.h"

namespace kavero {
namespace {

class Writer {
 public:
  explicit Writer(const ReportWords& words) : words_(words) {}

  std::string Count(long long value) const {
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (auto at = static_cast<long long>(digits.size()) - 3; at > 0; at -= 3) {
      digits.insert(static_cast<std::size_t>(at), words_.thousands_separator);
    }
    return (value < 0 ? "-" : "") + digits;
  }

  std::string Fixed(double value, int decimals) const {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string out = text;
    if (out == "-0.0" || out == "-0.00") out.erase(0, 1);
    for (char& c : out) {
      if (c == '.') c = words_.decimal_point;
    }
    return out;
  }

  std::string Percent(double share) const { return Fixed(share * 100, 1) + " %"; }
  std::string SignedPercent(double share) const {
    const std::string text = Percent(share);
    return text.front() == '-' ? "\xE2\x88\x92" + text.substr(1) : "+" + text;
  }
  std::string Range(const Interval& interval, bool sign) const {
    const auto show = [&](double value) { return sign ? SignedPercent(value) : Percent(value); };
    return Fill(words_.interval, {show(interval.low), show(interval.high)});
  }

 private:
  const ReportWords& words_;
};

// Characters, not bytes, of a UTF-8 text.
std::size_t Width(std::string_view text) {
  std::size_t width = 0;
  for (char c : text) width += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return width;
}

// Rows of cells in columns, the first left-aligned and the rest right-aligned.
std::string Table(const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], Width(row[i]));
  }
  std::string out;
  for (const auto& row : rows) {
    std::string line = " ";
    for (std::size_t i = 0; i < row.size(); ++i) {
      const std::string padding(widths[i] - Width(row[i]), ' ');
      line += i == 0 ? " " + row[i] + padding : "  " + padding + row[i];
    }
    out += line + "\n";
  }
  return out;
}

}  // namespace

std::string MarkLabel(Mark mark, const ReportWords& words) {
  const Writer writer(words);
  const auto number = [&](double value) {
    const std::string text = FormatGeneral(std::abs(value), words.decimal_point);
    return value < 0 ? "\xE2\x88\x92" + text : text;
  };
  switch (mark) {
    case Mark::kStep1Green:
      return Fill(words.step1_green, {number(kStep1GreenFrom)});
    case Mark::kStep1Red:
      return Fill(words.step1_red, {number(kStep1RedUpTo)});
    case Mark::kStep2Green:
      return Fill(words.step2_green, {number(kStep2GreenFrom)});
    case Mark::kStep2Red:
      return Fill(words.step2_red, {number(kStep2RedUpTo)});
    case Mark::kValue:
      return Fill(words.value_mark, {writer.SignedPercent(kMarkedEdge)});
    case Mark::kBlind:
      return std::string(words.blind);
  }
  return {};
}

namespace {

std::string Notes(const BacktestReport& report, const ReportWords& words) {
  if (report.notes.empty()) return {};
  std::string out = Fill(words.notes_title, {std::to_string(report.notes.size())}) + "\n";
  for (const InputNote& note : report.notes) {
    std::string problem =
        Fill(words.problems[static_cast<std::size_t>(note.problem)], {note.detail});
    if (DropsInput(note.problem)) problem += words.left_out;
    out +=
        "  " +
        (note.line > 0 ? Fill(words.note_at_line, {note.file, std::to_string(note.line), problem})
                       : Fill(words.note_in_file, {note.file, problem})) +
        "\n";
  }
  return out + "\n";
}

std::string Marks(const BacktestReport& report, const ReportWords& words, const Writer& writer) {
  std::vector<std::vector<std::string>> rows{
      {words.mark_columns.begin(), words.mark_columns.end()}};
  const MarkSummary* value = nullptr;
  for (const MarkSummary& summary : report.marks) {
    const MarkRecord& record = summary.record;
    if (record.bets == 0) {
      rows.push_back(
          {MarkLabel(summary.mark, words), "0", "\xE2\x80\x93", "\xE2\x80\x93", "\xE2\x80\x93"});
      continue;
    }
    rows.push_back(
        {MarkLabel(summary.mark, words), writer.Count(summary.matches),
         writer.Percent(record.won_share) + " " + writer.Range(record.won_interval, false),
         writer.Percent(record.fair_mean),
         writer.SignedPercent(record.return_mean) + " " +
             writer.Range(record.return_interval, true)});
    if (summary.mark == Mark::kValue) value = &summary;
  }
  std::string out = std::string(words.marks_title) + "\n" + Table(rows);
  if (value != nullptr && value->record.bets > 0) {
    out += "  " +
           Fill(words.stated_edge,
                {writer.Count(value->record.bets), writer.SignedPercent(value->stated_edge)}) +
           "\n";
  }
  return out + "\n";
}

std::string Calibration(const BacktestReport& report, const ReportWords& words,
                        const Writer& writer) {
  std::vector<std::vector<std::string>> rows{
      {words.calibration_columns.begin(), words.calibration_columns.end()}};
  for (const CalibrationBucket& bucket : report.model_calibration) {
    rows.push_back(
        {writer.Fixed(bucket.from * 100, 0) + "\xE2\x80\x93" + writer.Fixed(bucket.to * 100, 0) +
             " %",
         writer.Percent(bucket.predicted),
         writer.Percent(bucket.observed) + " " + writer.Range(bucket.observed_interval, false),
         writer.Count(bucket.matches)});
  }
  return std::string(words.calibration_title) + "\n" + Table(rows) + "\n";
}

std::string ScoresTable(const BacktestReport& report, const ReportWords& words,
                        const Writer& writer) {
  std::vector<std::vector<std::string>> rows{
      {words.score_columns.begin(), words.score_columns.end()}};
  const auto add = [&](std::string name, const Scores& scores) {
    rows.push_back(
        {std::move(name), writer.Fixed(scores.brier, 4), writer.Fixed(scores.log_loss, 4)});
  };
  add(std::string(words.model_chance), report.model);
  add(std::string(words.market_chance), report.market);
  add(Fill(words.base_rate, {writer.Percent(report.over_rate)}), report.base_rate);
  return std::string(words.scores_title) + "\n" + Table(rows);
}

}  // namespace

std::string FormatReport(const BacktestReport& report, const ReportWords& words) {
  const Writer writer(words);
  std::string out = std::string(words.title) + "\n";
  out += Fill(words.prices, {report.prices}) + "\n";
  out += Fill(words.read, {writer.Count(report.files), writer.Count(report.matches_read)}) + "\n";
  out += Fill(words.evaluated, {writer.Count(report.evaluated), writer.Count(report.too_early)}) +
         "\n";
  out +=
      Fill(words.priced, {writer.Count(report.priced), writer.Percent(report.over_rate)}) + "\n\n";
  return out + Notes(report, words) + Marks(report, words, writer) +
         Calibration(report, words, writer) + ScoresTable(report, words, writer);
}

}  // namespace kavero
