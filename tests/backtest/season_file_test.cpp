#include "backtest/season_file.h"

#include <gtest/gtest.h>

namespace kavero {
namespace {

const PriceChoice& Average() {
  static const PriceChoice choice = *ChoosePrices("average");
  return choice;
}

TEST(SeasonFile, ReadsTheNewerLayoutByColumnName) {
  // A byte-order mark, CRLF, the columns in another order, an extra column,
  // a row of commas, an empty price.
  const auto file = ReadSeasonFile("2425-E0.csv",
                                   "\xEF\xBB\xBF"
                                   "Avg<2.5,Time,HomeTeam,Date,AwayTeam,Note,FTAG,FTHG,Avg>2.5\r\n"
                                   "2.46,21:00,Man United,16/08/2024,Fulham,x,0,1,1.48\r\n"
                                   ",,,,,,,,\r\n"
                                   ",17:30,Chelsea,10/11/2024,Arsenal,,1,1,1.52\r\n",
                                   Average());
  ASSERT_EQ(file.matches.size(), 2u);
  const PastMatch& first = file.matches[0];
  EXPECT_EQ(first.home, "Man United");
  EXPECT_EQ(first.away, "Fulham");
  EXPECT_EQ(first.home_goals, 1);
  EXPECT_EQ(first.away_goals, 0);
  EXPECT_EQ(first.date.year, 2024);
  EXPECT_EQ(first.date.month, 8);
  EXPECT_EQ(first.date.day, 16);
  EXPECT_EQ(first.kickoff, 21 * 60);
  EXPECT_EQ(first.price_over, "1.48");
  EXPECT_EQ(first.price_under, "2.46");
  EXPECT_EQ(first.line, 2);
  EXPECT_EQ(file.matches[1].line, 4);
  EXPECT_EQ(file.matches[1].price_over, "");  // one price missing: neither is used
  EXPECT_TRUE(file.notes.empty());
}

TEST(SeasonFile, ReadsTheOlderLayoutWithTwoDigitYearsAndItsPrices) {
  const auto file = ReadSeasonFile("0910-E0.csv",
                                   "Div,Date,HomeTeam,AwayTeam,FTHG,FTAG,FTR,HTHG,HTAG,HTR,"
                                   "BbAv>2.5,BbAv<2.5\n"
                                   "E0,15/08/09,Chelsea,Hull City,2,1,H,1,1,D,1.62,2.23\n",
                                   Average());
  ASSERT_EQ(file.matches.size(), 1u);
  const PastMatch& match = file.matches[0];
  EXPECT_EQ(match.date.year, 2009);
  EXPECT_EQ(match.kickoff, -1);
  EXPECT_EQ(match.home_half, 1);
  EXPECT_EQ(match.away_half, 1);
  EXPECT_EQ(match.price_over, "1.62");
  EXPECT_EQ(match.price_under, "2.23");
}

TEST(SeasonFile, ReadsTheExtraLeaguesLayoutWithItsSeasons) {
  const auto file = ReadSeasonFile(
      "ARG.csv",
      "Country,League,Season,Date,Time,Home,Away,HG,AG,Res,Avg>2.5,Avg<2.5\n"
      "Argentina,Liga Profesional,2012/2013,03/08/2012,23:10,Arsenal Sarandi,Velez,1,2,A,2.1,1.7\n"
      "Argentina,Liga Profesional,2024,26/01/2024,20:00,Boca,River,0,0,D,,\n",
      Average());
  ASSERT_EQ(file.matches.size(), 2u);
  EXPECT_EQ(file.matches[0].league, "Argentina Liga Profesional");
  EXPECT_EQ(file.matches[0].season, "2012/2013");
  EXPECT_EQ(file.matches[0].home_goals, 1);
  EXPECT_EQ(file.matches[0].away_goals, 2);
  EXPECT_EQ(file.matches[0].home_half, -1);
  EXPECT_EQ(file.matches[1].season, "2024");
}

TEST(SeasonFile, NamesEachBadRowByItsLineAndKeepsTheRest) {
  const auto file = ReadSeasonFile("bad.csv",
                                   "Date,Time,HomeTeam,AwayTeam,FTHG,FTAG,Avg>2.5,Avg<2.5\n"
                                   "01/08/2025,15:00,A,B,x,1,1.9,1.9\n"
                                   "31/02/2025,15:00,A,B,1,1,1.9,1.9\n"
                                   "01/08/2025,15:00,,B,1,1,1.9,1.9\n"
                                   "01/08/2025,15:00,A,B,1,\n"
                                   "01/08/2025,25:00,A,B,1,1,1.9,1.9\n"
                                   "01/08/2025,15:00,A,B,1,1,abc,1.9\n",
                                   Average());
  const std::vector<std::pair<int, InputProblem>> expected = {
      {2, InputProblem::kBadScore}, {3, InputProblem::kBadDate}, {4, InputProblem::kMissingTeam},
      {5, InputProblem::kBadScore}, {6, InputProblem::kBadTime}, {7, InputProblem::kBadPrice}};
  ASSERT_EQ(file.notes.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(file.notes[i].file, "bad.csv");
    EXPECT_EQ(file.notes[i].line, expected[i].first) << i;
    EXPECT_EQ(file.notes[i].problem, expected[i].second) << i;
  }
  EXPECT_EQ(file.notes[0].detail, "x");
  EXPECT_EQ(file.notes[1].detail, "31/02/2025");
  // The time and the price problems keep their rows, without a time and without prices.
  ASSERT_EQ(file.matches.size(), 2u);
  EXPECT_EQ(file.matches[0].kickoff, -1);
  EXPECT_EQ(file.matches[1].price_over, "");
}

TEST(SeasonFile, NamesAFileThatIsNoSeasonFile) {
  const struct {
    std::string_view text;
    InputProblem problem;
    int line;
  } cases[] = {
      {"", InputProblem::kEmpty, 0},
      {"\r\n\r\n", InputProblem::kEmpty, 0},
      {"<html><body>not found</body></html>\n", InputProblem::kMissingColumn, 1},
      {"\nDate,HomeTeam,AwayTeam,FTHG\n01/08/2025,A,B,1\n", InputProblem::kMissingColumn, 2},
  };
  for (const auto& c : cases) {
    const auto file = ReadSeasonFile("x.csv", c.text, Average());
    EXPECT_TRUE(file.matches.empty());
    ASSERT_FALSE(file.notes.empty()) << c.text;
    EXPECT_EQ(file.notes[0].problem, c.problem) << c.text;
    EXPECT_EQ(file.notes[0].line, c.line) << c.text;
  }
}

TEST(SeasonFile, ReadsWindows1252NamesAsUtf8AndSaysSo) {
  const auto file = ReadSeasonFile("1617-SP1.csv",
                                   "Date,HomeTeam,AwayTeam,FTHG,FTAG\n"
                                   "20/08/16,Barcelona,Betis,6,2\n"
                                   "21/08/16,M\xE1laga,Osasuna,1,1\n"
                                   "22/08/16,Osasuna,M\xE1laga,0,0\n",
                                   Average());
  ASSERT_EQ(file.matches.size(), 3u);
  EXPECT_EQ(file.matches[1].home, "M\xC3\xA1laga");
  EXPECT_EQ(file.matches[2].away, "M\xC3\xA1laga");
  ASSERT_EQ(file.notes.size(), 1u);
  EXPECT_EQ(file.notes[0].problem, InputProblem::kNotUtf8Names);
  EXPECT_EQ(file.notes[0].line, 3);
  EXPECT_EQ(file.notes[0].detail, "2");
}

TEST(SeasonFile, TakesThePricesAskedFor) {
  const std::string_view text =
      "Date,HomeTeam,AwayTeam,FTHG,FTAG,B365>2.5,B365<2.5,P>2.5,P<2.5,PC>2.5,PC<2.5,"
      "Max>2.5,Max<2.5,Avg>2.5,Avg<2.5,AvgC>2.5,AvgC<2.5\n"
      "01/08/2025,A,B,1,1,1.1,1.2,1.3,1.4,1.5,1.6,1.7,1.8,1.9,2.0,2.1,2.2\n";
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"average", "1.9"}, {"closing", "2.1"}, {"best", "1.7"}, {"B365", "1.1"},
      {"P", "1.3"},       {"PS", "1.3"},      {"PSC", "1.5"},  {"WH", ""}};
  for (const auto& [name, over] : cases) {
    const auto file = ReadSeasonFile("x.csv", text, *ChoosePrices(name));
    ASSERT_EQ(file.matches.size(), 1u);
    EXPECT_EQ(file.matches[0].price_over, over) << name;
  }
  EXPECT_FALSE(ChoosePrices("Avg>2.5"));
}

}  // namespace
}  // namespace kavero
