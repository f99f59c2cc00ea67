#include "backtest/season_file.h"

#include <algorithm>
#include <optional>

#include "backtest/csv_fields.h"
#include "backtest/latin_names.h"
#include "base/scores.h"
#include "base/text_cuts.h"

namespace kavero {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct Columns {
  std::size_t home, away, home_goals, away_goals, date;
  std::optional<std::size_t> time, home_half, away_half, country, league, season;
  std::vector<std::pair<std::size_t, std::size_t>> prices;  // over, under
};

// "dd/mm/yy" or "dd/mm/yyyy"; two-digit years from 50 on are the 1900s.
std::optional<Date> ReadDate(std::string_view text) {
  std::string dotted(Trim(text));
  std::replace(dotted.begin(), dotted.end(), '/', '.');
  auto date = ParseDayMonthYear(dotted);
  const bool short_year = dotted.size() - dotted.rfind('.') - 1 == 2;
  if (date && short_year && date->year >= 2050) date->year -= 100;
  return date;
}

// "hh:mm" as minutes after midnight.
std::optional<int> ReadTime(std::string_view text) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const int hours = DigitsToInt(text.substr(0, colon));
  const int minutes = DigitsToInt(text.substr(colon + 1));
  if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59) return std::nullopt;
  return hours * 60 + minutes;
}

class FileReader {
 public:
  FileReader(SeasonFile& file, const PriceChoice& prices) : file_(file), prices_(prices) {}

  void Read(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    const auto lines = SplitLines(text);
    std::size_t at = 0;
    while (at < lines.size() && Trim(lines[at]).empty()) ++at;
    if (at == lines.size()) return Note(0, InputProblem::kEmpty, "");
    header_line_ = static_cast<int>(at) + 1;
    if (!FindColumns(CsvHeader(SplitCsvLine(lines[at])))) return;
    for (++at; at < lines.size(); ++at) ReadRow(static_cast<int>(at) + 1, SplitCsvLine(lines[at]));
    if (latin_rows_ > 0) {
      Note(first_latin_line_, InputProblem::kNotUtf8Names, std::to_string(latin_rows_));
    }
  }

 private:
  void Note(int line, InputProblem problem, std::string detail) {
    file_.notes.push_back({file_.name, line, problem, std::move(detail)});
  }

  // The first of the names the header holds; a column none of them names is
  // added to `missing`.
  static std::optional<std::size_t> Require(const CsvHeader& header,
                                            std::initializer_list<std::string_view> names,
                                            std::string& missing) {
    if (auto column = header.FindAny(names)) return column;
    std::string wanted;
    for (const auto name : names) wanted += (wanted.empty() ? "" : " / ") + std::string(name);
    missing += (missing.empty() ? "" : ", ") + wanted;
    return std::nullopt;
  }

  bool FindColumns(const CsvHeader& header) {
    std::string missing;
    const auto home = Require(header, {"HomeTeam", "Home"}, missing);
    const auto away = Require(header, {"AwayTeam", "Away"}, missing);
    const auto home_goals = Require(header, {"FTHG", "HG"}, missing);
    const auto away_goals = Require(header, {"FTAG", "AG"}, missing);
    const auto date = Require(header, {"Date"}, missing);
    if (!home || !away || !home_goals || !away_goals || !date) {
      Note(header_line_, InputProblem::kMissingColumn, missing);
      return false;
    }
    columns_ = {*home,
                *away,
                *home_goals,
                *away_goals,
                *date,
                header.Find("Time"),
                header.Find("HTHG"),
                header.Find("HTAG"),
                header.Find("Country"),
                header.Find("League"),
                header.Find("Season"),
                {}};
    for (const auto& pair : prices_.candidates) {
      const auto over = header.Find(pair.over);
      const auto under = header.Find(pair.under);
      if (over && under) columns_.prices.emplace_back(*over, *under);
    }
    return true;
  }

  static std::string_view Cell(const std::vector<std::string>& fields, std::size_t column) {
    return column < fields.size() ? Trim(fields[column]) : std::string_view();
  }
  static std::string_view Cell(const std::vector<std::string>& fields,
                               std::optional<std::size_t> column) {
    return column ? Cell(fields, *column) : std::string_view();
  }

  std::string Name(std::string_view text) {
    if (IsUtf8(text)) return std::string(text);
    has_latin_ = true;
    return Cp1252ToUtf8(text);
  }

  bool ReadGoals(int line, std::string_view cell, int& goals) {
    goals = DigitsToInt(cell);
    if (goals >= 0) return true;
    Note(line, InputProblem::kBadScore, std::string(cell));
    return false;
  }

  // The first candidate pair with both prices; a price that is not a number
  // above 1 is noted and counts as missing.
  void ReadPrices(int line, const std::vector<std::string>& fields, PastMatch& match) {
    for (const auto& [over_column, under_column] : columns_.prices) {
      const auto over = Cell(fields, over_column);
      const auto under = Cell(fields, under_column);
      if (over.empty() || under.empty()) continue;
      bool usable = true;
      for (const auto price : {over, under}) {
        const auto value = ReadDecimal(price);
        if (value && *value > 1) continue;
        Note(line, InputProblem::kBadPrice, std::string(price));
        usable = false;
      }
      if (!usable) return;
      match.price_over = over;
      match.price_under = under;
      return;
    }
  }

  void ReadRow(int line, const std::vector<std::string>& fields) {
    if (IsBlankRow(fields)) return;
    PastMatch match;
    match.line = line;
    has_latin_ = false;
    match.home = Name(Cell(fields, columns_.home));
    match.away = Name(Cell(fields, columns_.away));
    if (match.home.empty() || match.away.empty()) {
      return Note(line, InputProblem::kMissingTeam, "");
    }
    if (!ReadGoals(line, Cell(fields, columns_.home_goals), match.home_goals) ||
        !ReadGoals(line, Cell(fields, columns_.away_goals), match.away_goals)) {
      return;
    }
    const auto date_cell = Cell(fields, columns_.date);
    const auto date = ReadDate(date_cell);
    if (!date) return Note(line, InputProblem::kBadDate, std::string(date_cell));
    match.date = *date;
    if (const auto time_cell = Cell(fields, columns_.time); !time_cell.empty()) {
      if (const auto time = ReadTime(time_cell)) {
        match.kickoff = *time;
      } else {
        Note(line, InputProblem::kBadTime, std::string(time_cell));
      }
    }
    const int home_half = DigitsToInt(Cell(fields, columns_.home_half));
    const int away_half = DigitsToInt(Cell(fields, columns_.away_half));
    if (home_half >= 0 && away_half >= 0) {
      match.home_half = home_half;
      match.away_half = away_half;
    }
    const auto country = Cell(fields, columns_.country);
    const auto league = Cell(fields, columns_.league);
    match.league = Name(std::string(country) + (country.empty() ? "" : " ") + std::string(league));
    match.season = Name(Cell(fields, columns_.season));
    ReadPrices(line, fields, match);
    if (has_latin_ && latin_rows_++ == 0) first_latin_line_ = line;
    file_.matches.push_back(std::move(match));
  }

  SeasonFile& file_;
  const PriceChoice& prices_;
  Columns columns_{};
  int header_line_ = 1;
  bool has_latin_ = false;
  int latin_rows_ = 0;
  int first_latin_line_ = 0;
};

}  // namespace

SeasonFile ReadSeasonFile(std::string name, std::string_view text, const PriceChoice& prices) {
  SeasonFile file{std::move(name), {}, {}};
  FileReader(file, prices).Read(text);
  return file;
}

}  // namespace kavero
