#pragma once
// Small pieces of a bookmaker line page, and the field lines they should give.
#include <string>
#include <string_view>
#include <vector>

#include "base/cp1251_literal.h"

namespace kavero::testing {

using namespace kavero::literals;

// The 18 cells of one match row as the bookmaker lays it out.
inline std::vector<std::string> MatchCells(std::string_view time, std::string_view home,
                                           std::string_view away, std::string_view link = "s/1") {
  return {std::string(time),
          std::string(home),
          "x3",
          "x4",
          std::string(away),
          "x6",
          "x7",
          "x8",
          "x9",
          "x10",
          "x11",
          "x12",
          "x13",
          "<b> 2.5 </b>",
          "1.85",
          "1.95",
          "x17",
          "<a href=\"" + std::string(link) + "\">?</a>"};
}

inline std::string Row(const std::vector<std::string>& cells) {
  std::string row = "<tr>";
  for (const auto& cell : cells) row += "<td>" + cell + "</td>";
  return row + "</tr>\n";
}

inline std::string MatchTr(std::string_view time, std::string_view home, std::string_view away,
                           std::string_view link = "s/1") {
  return Row(MatchCells(time, home, away, link));
}

inline std::string DateRow(std::string_view text) {
  return "<tr><td colspan=18>" + std::string(text) + "</td></tr>\n";
}

// A championship table: a heading row (never read), then `rows`.
inline std::string Table(std::string_view rows) {
  return "<table><tr><td>" + "Матч"_w1251s + "</td></tr>\n" + std::string(rows) + "</table>\n";
}

// A section as the page cutter hands it over: heading through "</table>" and one more byte.
inline std::string Section(std::string_view heading, std::string_view rows) {
  return "Футбол. "_w1251s + std::string(heading) + ":" + Table(rows);
}

inline std::string FieldLine(const std::vector<std::string>& fields) {
  std::string line;
  for (const auto& field : fields) line += field + ">>";
  return line + "\r\n";
}

// The field line of a MatchCells row.
inline std::string MatchLine(std::string_view date, std::string_view time, std::string_view home,
                             std::string_view away, std::string_view championship,
                             std::string_view link = "s/1") {
  return FieldLine({std::string(date),
                    std::string(time),
                    std::string(home),
                    std::string(away),
                    "x3",
                    "x4",
                    "x4",
                    "x6",
                    "x7",
                    "x8",
                    "x9",
                    "x10",
                    "x11",
                    "x12",
                    "x13",
                    std::string(link),
                    "2.5",
                    "1.85",
                    "1.95",
                    std::string(championship)});
}

}  // namespace kavero::testing
