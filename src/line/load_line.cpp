#include "line/load_line.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "base/field_line.h"
#include "base/text_cuts.h"
#include "line/flag_stems.h"
#include "line/line_download.h"

namespace kavero {

namespace {

constexpr std::size_t kDateLength = 10;

std::optional<Date> RowDate(std::string_view field, const Date& today) {
  if (TextPos(".", field) == 0) return today;
  return ParseDayMonthYear(field);
}

MatchRow MakeRow(std::string_view line, const Date& date, std::string_view short_date_format) {
  MatchRow row;
  row.championship = GetField(line, 20);
  row.flag = FlagIndex(row.championship, FlagStems());
  row.date = FormatDate(date, short_date_format);
  row.time = GetField(line, 2);
  row.home = GetField(line, 3);
  row.away = GetField(line, 4);
  row.total = GetField(line, 17);
  row.under = GetField(line, 18);
  row.over = GetField(line, 19);
  row.url = GetField(line, 16);
  return row;
}

}  // namespace

void LoadLine(MatchTable& table, HttpClient& client, std::string_view bookmaker_site,
              const RunHooks& hooks, const Date& today, std::string_view short_date_format,
              PageReport* report) {
  table.clear();
  const auto text = DownloadLine(client, bookmaker_site, hooks, report);
  const auto lines = SplitLines(text);
  hooks.ProcessMessages();
  if (lines.empty()) return;

  // Lines that can be shown, by their date text, so each date reads only its own.
  std::unordered_map<std::string_view, std::vector<std::string_view>> lines_by_date;
  for (const auto line : lines) {
    const auto date = GetField(line, 1);
    if (date.size() == kDateLength) lines_by_date[date].push_back(line);
  }

  const auto dates_text = DistinctFirstFields(text);
  const auto dates = SplitLines(dates_text);
  if (hooks.gauge != nullptr) hooks.gauge->SetMaximum(static_cast<int>(dates.size()));
  // ' 19.02.2011' and '19.02.2011' are distinct first fields with one key;
  // reading the key twice would show its matches twice.
  std::unordered_set<std::string_view> keys_read;
  for (std::size_t i = 0; i < dates.size(); ++i) {
    if (hooks.gauge != nullptr) hooks.gauge->SetValue(static_cast<int>(i));
    hooks.ProcessMessages();
    const auto key = Trim(dates[i]);
    if (!keys_read.insert(key).second) continue;
    const auto found = lines_by_date.find(key);
    if (found == lines_by_date.end()) continue;
    const auto date = RowDate(key, today);
    if (!date) continue;  // not a real day.month.year: the match is not shown
    for (const auto line : found->second) {
      table.push_back(MakeRow(line, *date, short_date_format));
      hooks.ProcessMessages();
    }
  }
  if (hooks.gauge != nullptr) hooks.gauge->SetValue(0);
}

}  // namespace kavero
