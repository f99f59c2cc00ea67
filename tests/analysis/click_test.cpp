// A click on a match row, and "Go Total All" over a table.
#include <gtest/gtest.h>

#include <string>

#include "analysis_fixture.h"

namespace kavero::testing {
namespace {

class ClickTest : public AnalysisTest {
 protected:
  Analysis& OpenSite(Language language) {
    // "Q=A" moves A in the English history: the indicators must be computed
    // before the history is translated.
    site_.pages["/brr/basa.txt"] = InCp1251("Q=A\r\nArsenal=Арсенал\r\nChelsea=Челси\r\n");
    site_.pages["/stat/1.html"] = LopsidedPage();
    site_.pages["/stat/2.html"] = MiddlingPage();
    return Open(language);
  }
};

struct Click {
  const char* name;
  Language language;
  Grid grid;
  const char* link;
  double step1, step2;
  CellColour step1_colour, step2_colour;
  const char* history;  // the home team's second recent match; none when nothing was read
};

class AClick : public ClickTest, public ::testing::WithParamInterface<Click> {};

TEST_P(AClick, StoresItsIndicatorsRoundedAsTheLabelsAndColoursThem) {
  const Click& click = GetParam();
  Analysis& analysis = OpenSite(click.language);
  analysis.TakeRows(click.grid, {LinkedRow(click.link)});
  analysis.ReadRow(click.grid, 0);

  const MatchRow& row = analysis.Rows(click.grid)[0];
  EXPECT_EQ(row.step1, click.step1);
  EXPECT_EQ(row.step2, click.step2);
  EXPECT_EQ(row.step1_colour, click.step1_colour);
  EXPECT_EQ(row.step2_colour, click.step2_colour);
  if (click.history) {
    ASSERT_EQ(analysis.Stats().home_recent.size(), 4u);
    EXPECT_EQ(analysis.Stats().home_recent[1].match, click.history);
  } else {
    EXPECT_TRUE(analysis.Stats().home_recent.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, AClick,
    ::testing::Values(Click{"English", Language::kEnglish, Grid::kAll, "stat/1.html", -9, 12.3,
                            CellColour::kRed, CellColour::kGreen, "X - Q"},
                      Click{"Russian", Language::kRussian, Grid::kDay, "stat/1.html", -9, 12.3,
                            CellColour::kRed, CellColour::kGreen, "X - A"},
                      // Nothing read: zero stored, and only Step2 is below its threshold.
                      Click{"WithoutStatistics", Language::kEnglish, Grid::kAll, "no-page", 0, 0,
                            CellColour::kNone, CellColour::kRed, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClickTest, AValueBetweenTheThresholdsKeepsBothColours) {
  Analysis& analysis = OpenSite(Language::kEnglish);
  analysis.TakeRows(Grid::kAll, {LinkedRow("stat/1.html")});
  analysis.ReadRow(Grid::kAll, 0);
  MatchTable rows = analysis.Rows(Grid::kAll);
  rows[0].url = "stat/2.html";
  analysis.TakeRows(Grid::kAll, rows);
  analysis.ReadRow(Grid::kAll, 0);

  const MatchRow& row = analysis.Rows(Grid::kAll)[0];
  EXPECT_EQ(row.step1, 4);
  EXPECT_EQ(row.step2, 2.53);
  EXPECT_EQ(row.step1_colour, CellColour::kRed);
  EXPECT_EQ(row.step2_colour, CellColour::kGreen);
}

TEST_F(ClickTest, GoTotalAllStoresTwoDecimalsAndMovesTheGauge) {
  Analysis& analysis = OpenSite(Language::kEnglish);
  analysis.TakeRows(Grid::kAll, {LinkedRow("stat/2.html"), LinkedRow("stat/1.html")});
  analysis.RecomputeAll(Grid::kAll, ReadPolicy::Messages::kBeforeColours);

  const MatchTable& rows = analysis.Rows(Grid::kAll);
  EXPECT_EQ(rows[0].step1, 4);
  EXPECT_EQ(rows[0].step2, 2.53);
  EXPECT_EQ(rows[1].step1, -9);
  EXPECT_EQ(rows[1].step2, 12.34);
  EXPECT_EQ(rows[1].step2_colour, CellColour::kGreen);
  EXPECT_EQ(gauge_.maximum, 2);
  EXPECT_EQ(gauge_.value, 1);
  ASSERT_FALSE(observer_.statuses_.empty());
  EXPECT_EQ(observer_.statuses_.back().not_read, 0u);
  EXPECT_EQ(observer_.statuses_.back().pages, 0u);
}

TEST_F(ClickTest, GoTotalAllOnAnEmptyTableReadsNothing) {
  Analysis& analysis = OpenSite(Language::kEnglish);
  analysis.RecomputeAll(Grid::kDay, ReadPolicy::Messages::kAfterRow);
  EXPECT_FALSE(site_.Requested("/stat/"));
}

}  // namespace
}  // namespace kavero::testing
