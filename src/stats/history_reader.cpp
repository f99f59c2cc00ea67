#include "stats/history_reader.h"

#include <string>

#include "base/cp1251_literal.h"
#include "base/encoding.h"
#include "base/html_cells.h"
#include "base/scan_window.h"
#include "base/text_cuts.h"
#include "web/fetch_problem.h"

namespace kavero {
namespace {

// The page arrives in UTF-8, but a page that is not (or that decodes to
// nothing) is still read, as Windows-1251.
std::string DecodeStatisticsPage(std::string page) {
  auto decoded = Utf8ToCp1251(page);
  if (decoded && !decoded->empty()) return std::move(*decoded);
  return page;
}

// Cuts the next cell off the front of `rest`: the text after "<td" and one
// more character (the ">" of a plain tag), up to "</td".
std::string_view TakeCell(ScanWindow& rest) {
  rest = rest.After("<td", 4);
  const auto end = rest.Pos("</td");
  const auto cell = rest.Before(end).view();
  rest = rest.From(end + 4);
  return cell;
}

// Rows of the first history table in `section`: past the table's first two
// rows, three cells per row, rows without a "." in their date left out.
HistoryTable ReadHistoryTable(std::string_view section) {
  MarkerIndex index(TextBefore(section, "</table>"));
  ScanWindow rest(index);
  rest = rest.After("</tr>", 4);
  rest = rest.After("</tr>", 4);
  HistoryTable rows;
  while (rest.Contains("<td")) {
    auto date = TakeCell(rest);
    const auto match = ReplaceAll(ReplaceAll(TakeCell(rest), "<b>", ""), "</b>", "");
    const auto score = TakeCell(rest);
    if (TextPos(".", date) == 0) continue;
    if (TextPos(">", date) != 0) date = TextAfter(date, ">", 1);  // the rest of "<td class=...>"
    rows.push_back({std::string(date), std::string(CellText(match)), std::string(CellText(score))});
  }
  return rows;
}

}  // namespace

std::string StatisticsPageAddress(std::string_view bookmaker_site, std::string_view link) {
  if (TextPos("stat", link) == 0) return {};
  std::string address(bookmaker_site);
  address += link;
  return address;
}

void LoadHistoryGrids(PageSource& pages, std::string_view bookmaker_site, std::string_view link,
                      MatchStats& stats) {
  stats.home_recent.clear();
  stats.away_recent.clear();
  stats.meetings.clear();
  stats.statistics_failure.reset();
  const std::string address = StatisticsPageAddress(bookmaker_site, link);
  if (address.empty()) return;
  FetchResult answer = pages.Get(address);
  stats.statistics_failure = FetchProblem(address, answer);
  Note(&stats.problems, stats.statistics_failure);
  const std::string page = DecodeStatisticsPage(std::move(answer.body));

  constexpr auto kRecent = "Последние"_w1251;
  constexpr auto kHeadToHead = "Очные"_w1251;
  if (answer.ok && TextPos(kRecent, page) == 0) {
    stats.problems.push_back(ContentProblem(address, PageFault::kNoRecentResults));
  }
  const auto first = TextAfter(page, kRecent, 10);
  const auto second = TextAfter(first, kRecent, 10);
  stats.home_recent = ReadHistoryTable(first);
  stats.away_recent = ReadHistoryTable(second);
  if (TextPos(kHeadToHead, second) != 0) {
    stats.meetings = ReadHistoryTable(TextAfter(second, kHeadToHead, 10));
  }
}

}  // namespace kavero
