#include "line/line_parser.h"

#include <gtest/gtest.h>

#include "base/field_line.h"
#include "base/text_cuts.h"
#include "line_page_fixture.h"

namespace kavero {
namespace {

using namespace kavero::testing;

const std::string kChampionship = " Англия. Премьер-лига"_w1251s;
const std::string kHome = "Арсенал"_w1251s;
const std::string kAway = "Челси"_w1251s;

std::string WithCell(std::vector<std::string> cells, int number, std::string_view text) {
  cells[number - 1] = text;
  return Row(cells);
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line;
  return text;
}

std::string Match(std::string_view date, std::string_view time) {
  return MatchLine(date, time, kHome, kAway, kChampionship);
}

struct Case {
  const char* name;
  std::string table;
  std::string expected;
};

std::vector<Case> Cases() {
  const auto cells = MatchCells("18:00", kHome, kAway);
  const auto match = Row(cells);
  auto upper = match;
  upper = ReplaceAll(upper, "<tr>", "<TR>");
  upper = ReplaceAll(upper, "<td>", "<Td>");
  upper = ReplaceAll(upper, "</td>", "</TD>");
  const std::string empty_fields(std::size_t{19} * 2, '>');
  return {
      {"first row is never read", "<table>" + MatchTr("17:00", kHome, kAway) + match + "</table>\n",
       Match("", "18:00")},
      {"no table end gives nothing", "<table><tr><td>h</td></tr>\n" + match, ""},
      {"no row after the first gives nothing", Table(""), ""},
      {"date rows set the date, sub-headings keep it",
       Table(MatchTr("17:00", kHome, kAway) + DateRow("19.02.2011") + match +
             DateRow("Итого"_w1251) + MatchTr("19:00", kHome, kAway) + DateRow(" 20.02.2011 ") +
             MatchTr("20:00", kHome, kAway)),
       Lines({Match("", "17:00"), Match("19.02.2011", "18:00"), Match("19.02.2011", "19:00"),
              Match(" 20.02.2011 ", "20:00")})},
      {"tag names in any case",
       Table("<Tr><TD COLSPAN=18>19.02.2011</Td></tr>\n" + upper +
             "<tr><td Colspan=18>20.02.2011</td></tr>\n" + match),
       Lines({Match("19.02.2011", "18:00"), Match("20.02.2011", "18:00")})},
      {"upper-case row ends give rows of empty cells",
       Table(ReplaceAll(match + match, "</tr>", "</TR>")),
       Lines({empty_fields + kChampionship + ">>\r\n", empty_fields + kChampionship + ">>\r\n"})},
      {"heading rows are skipped in every spelling",
       Table(WithCell(cells, 1, "Время"_w1251) + WithCell(cells, 1, "ВРЕМЯ"_w1251) +
             WithCell(cells, 1, " время "_w1251) + match),
       Match("", "18:00")},
      {"case forms are unified in cell texts too", Table(WithCell(cells, 2, "Время Москва"_w1251)),
       MatchLine("", "18:00", "время Москва"_w1251, kAway, kChampionship)},
      {"home heading abandons the table", Table(match + WithCell(cells, 2, "Хозяева"_w1251)), ""},
      {"away heading abandons the table", Table(match + WithCell(cells, 5, "ХОЗЯЕВА"_w1251)), ""},
      {"corner bets abandon the table", Table(match + WithCell(cells, 2, "Угл Арсенал"_w1251)), ""},
      {"abandoning wins over a heading row",
       Table(Row(MatchCells("Время"_w1251, "хозяева"_w1251, kAway)) + match), ""},
      {"a team starting like the corner mark is a match", Table(WithCell(cells, 2, "Углич"_w1251)),
       MatchLine("", "18:00", "Углич"_w1251, kAway, kChampionship)},
      {"bare and attributed no-break cells",
       Table(ReplaceAll(WithCell(cells, 3, "&nbsp;"), "<td>x4</td>", "<td class=x>&nbsp;</td>")),
       FieldLine({"",    "18:00", kHome, kAway,  "0",    "&nbsp;",     "&nbsp;",
                  "x6",  "x7",    "x8",  "x9",   "x10",  "x11",        "x12",
                  "x13", "s/1",   "2.5", "1.85", "1.95", kChampionship})},
      {"a short row leaves the missing fields empty",
       Table(Row({cells.begin(), cells.begin() + 10})),
       FieldLine({"",   "18:00", kHome, kAway, "x3", "x4", "x4", "x6", "x7", "x8",
                  "x9", "x10",   "",    "",    "",   "",   "",   "",   "",   kChampionship})},
      {"only the total is trimmed", Table(WithCell(cells, 2, "<b>" + kHome + " </b>")),
       MatchLine("", "18:00", kHome + " ", kAway, kChampionship)},
      {"a line break in a cell keeps the match on one line",
       Table(WithCell(cells, 2, "<a>\r\n" + kHome + "</a>")),
       MatchLine("", "18:00", "  " + kHome, kAway, kChampionship)},
  };
}

TEST(ParseLineTable, ReadsRowsAsTheBookmakerLaysThemOut) {
  for (const auto& c : Cases()) {
    EXPECT_EQ(ParseLineTable(c.table, kChampionship), c.expected) << c.name;
  }
}

TEST(ParseLineTable, EveryCallStartsWithoutADate) {
  const auto dated = Table(DateRow("19.02.2011") + MatchTr("18:00", kHome, kAway));
  const auto undated = Table(MatchTr("20:00", kHome, kAway));
  ASSERT_EQ(GetField(ParseLineTable(dated, kChampionship), 1), "19.02.2011");
  const auto line = ParseLineTable(undated, "Испания "_w1251);
  EXPECT_EQ(GetField(line, 1), "");
  EXPECT_EQ(GetField(line, 20), "Испания "_w1251);
}

TEST(UnifyCase, GivesWhatReplacingEverySpellingInTurnGives) {
  const std::pair<std::string_view, std::string_view> spellings[] = {
      {"<TR", "<tr"},
      {"<Tr", "<tr"},
      {"<TD", "<td"},
      {"<Td", "<td"},
      {"</TD", "</td"},
      {"</Td", "</td"},
      {"COLSPAN", "colspan"},
      {"Colspan", "colspan"},
      {"ХОЗЯЕВА"_w1251, "хозяева"_w1251},
      {"Хозяева"_w1251, "хозяева"_w1251},
      {"УГЛ "_w1251, "угл "_w1251},
      {"Угл "_w1251, "угл "_w1251},
      {"ВРЕМЯ"_w1251, "время"_w1251},
      {"Время"_w1251, "время"_w1251},
  };
  // Pieces that overlap and abut the spellings in every way.
  const std::string_view pieces[] = {"<",
                                     "</",
                                     "T",
                                     "R",
                                     "r",
                                     "D",
                                     "d",
                                     "C",
                                     "O",
                                     "o",
                                     "LSPAN",
                                     "lspan",
                                     "Х"_w1251,
                                     "ОЗЯЕВА"_w1251,
                                     "озяева"_w1251,
                                     "У"_w1251,
                                     "ГЛ "_w1251,
                                     "гл "_w1251,
                                     "В"_w1251,
                                     "РЕМЯ"_w1251,
                                     "ремя"_w1251,
                                     " "};
  unsigned seed = 11;
  for (int round = 0; round < 5000; ++round) {
    std::string text;
    for (int i = 0; i < 30; ++i) {
      seed = seed * 1103515245u + 12345u;
      text += pieces[(seed >> 16) % std::size(pieces)];
    }
    std::string expected = text;
    for (const auto& [spelling, form] : spellings) expected = ReplaceAll(expected, spelling, form);
    ASSERT_EQ(UnifyCase(text), expected) << text;
  }
}

}  // namespace
}  // namespace kavero
