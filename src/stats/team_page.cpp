#include "stats/team_page.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>

#include "base/cp1251_literal.h"
#include "base/encoding.h"
#include "base/field_line.h"
#include "base/scan_window.h"
#include "base/text_cuts.h"
#include "web/fetch_problem.h"

namespace kavero {
namespace {

constexpr std::string_view kDefaultTeamRecord = "0>>0>>0>>0>>0>>0>>0-0>>0>>";

std::string JoinFields(std::initializer_list<std::string_view> fields) {
  std::string line;
  for (auto field : fields) AppendField(line, field);
  return line;
}

// The last row of the league table that shows the team's name in bold.
std::string_view FindTeamRow(std::string_view table, std::string_view team) {
  const std::string bold_name = "<b>" + std::string(team) + "</b>";
  MarkerIndex index(table);
  ScanWindow rest(index);
  std::string_view team_row;
  while (rest.Contains("<tr")) {
    rest = rest.After("<tr", 4);
    const auto row = rest.Before("</tr>");
    if (row.Contains(bold_name)) team_row = row.view();
  }
  return team_row;
}

std::string TeamRecord(std::string_view row) {
  std::array<std::string_view, 8> fields;
  row = TextAfter(row, ">", 1);
  fields[0] = TextBefore(row, "<");
  row = TextAfter(row, "<b>", 3);
  fields[1] = TextBefore(row, "<");
  for (std::size_t i = 2; i < 7; ++i) {
    row = TextAfter(row, "<td>", 4);
    fields[i] = TextBefore(row, "<");
  }
  row = TextAfter(TextAfter(row, "<td>", 4), "<td>", 4);  // one cell passed over
  fields[7] = TextBefore(row, "<");
  auto record = JoinFields(
      {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6], fields[7]});
  if (record == std::string(16, '>')) record = kDefaultTeamRecord;
  return record;
}

// A text that still holds a tag's closing ">" keeps what follows it, up to the next "<".
std::string_view DropTagRest(std::string_view text) {
  if (TextPos(">", text) == 0) return text;
  return TextBefore(TextAfter(text, ">", 1), "<");
}

// One match row, from its first plain "<td>" to "</tr>"; the score is field 4.
std::string MatchRecord(std::string_view cells) {
  const auto first = TextBefore(cells, "<");
  std::string_view second;
  for (int i = 0; i < 3; ++i) {
    cells = TextAfter(cells, ">", 1);
    second = DropTagRest(TextBefore(cells, "<"));
  }
  cells = TextAfter(cells, "<td>", 4);
  const auto third = DropTagRest(TextBefore(cells, "</td"));
  cells = TextAfter(cells, "</td", 4);
  cells = TextAfter(TextAfter(cells, ">", 1), ">", 1);
  return JoinFields({first, second, third, TextBefore(cells, "<")});
}

void ReadMatchRecords(std::string_view area, std::vector<std::string>& lines) {
  area = TextBefore(TextAfter(area, "</tr>", 5), "</table>");  // the caption row dropped
  MarkerIndex index(area);
  ScanWindow rest(index);
  while (rest.Contains("<tr")) {
    rest = rest.After("<tr", 4);
    const auto cells = rest.After("<td>", 4);
    lines.push_back(MatchRecord(cells.Before("</tr>").view()));
  }
}

}  // namespace

std::string FindTeamEntry(const std::vector<std::string>& team_page_list, std::string_view team) {
  for (const auto& line : team_page_list) {
    if (GetField(line, 1) == team) return line;
  }
  return {};
}

std::string TeamPageAddress(const std::vector<std::string>& team_page_list, std::string_view team) {
  return std::string(GetField(FindTeamEntry(team_page_list, team), 2));
}

std::string ReadTeamPage(PageSource& pages, std::string_view team, std::string_view address,
                         PageReport* report, std::optional<PageProblem>* failure) {
  std::string page;
  std::optional<PageProblem> problem;
  if (!address.empty()) {
    const FetchResult answer = pages.Get(std::string(address));
    // Team pages are UTF-8; anything else reads as an empty page.
    auto decoded = Utf8ToCp1251(answer.body);
    problem = FetchProblem(address, answer);
    if (failure != nullptr) *failure = problem;
    if (!problem && !decoded) {
      problem = ContentProblem(address, PageFault::kTeamPageNotUtf8);
    }
    page = std::move(decoded).value_or("");
  }

  const auto marker = TextPos("Матчи с участием"_w1251, page);
  const auto page_length = static_cast<std::int64_t>(page.size());
  const auto team_row = FindTeamRow(TextSlice(page, 1, marker - 1), team);
  if (!address.empty() && !problem && team_row.empty()) {
    problem = ContentProblem(address, PageFault::kTeamRowNotFound);
  }
  Note(report, std::move(problem));
  std::vector<std::string> lines{TeamRecord(team_row)};
  ReadMatchRecords(TextSlice(page, marker + 1, page_length), lines);
  return JoinLines(lines);
}

}  // namespace kavero
