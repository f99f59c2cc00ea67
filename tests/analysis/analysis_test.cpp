// The analysis's passes, its status and what it tells its observer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis_fixture.h"

namespace kavero::testing {
namespace {

TEST_F(AnalysisTest, ARunReadsEveryRowAndCountsThoseNotRead) {
  site_.matches = {{"28.12.2026", "A", "B", "stat/1.html"},
                   {"28.12.2026", "C", "D", "stat/9.html"}};
  site_.pages["/stat/1.html"] = LopsidedPage();
  Analysis& analysis = Open(Language::kRussian);
  analysis.ReadLine(true);

  const MatchTable& rows = analysis.Rows(Grid::kAll);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].step1, -9);
  EXPECT_EQ(rows[0].step2, 12.34375) << "the run stores what it computed, unrounded";
  EXPECT_EQ(rows[0].step1_colour, CellColour::kNone) << "the run colours nothing";
  EXPECT_TRUE(rows[0].steps_read);
  ASSERT_TRUE(rows[1].steps_not_read);
  EXPECT_EQ(rows[1].steps_not_read->fault, PageFault::kStatus);
  EXPECT_EQ(gauge_.maximum, 2);
  EXPECT_GE(pumps_, 2) << "the window had its turn after each row";
  EXPECT_EQ(observer_.events_,
            (std::vector<std::string>{"before all insert 0+2 of 0", "after all insert 0+2 of 2",
                                      "stoppable", "not stoppable"}));
  EXPECT_EQ(observer_.details_.size(), 2u);
  EXPECT_EQ(observer_.details_[0], MatchDetails::Steps::kUnchanged);

  const Status status = analysis.RunStatus();
  EXPECT_EQ(status.kind, Status::Kind::kRun);
  EXPECT_EQ(status.matches, 2u);
  EXPECT_TRUE(status.statistics_read);
  EXPECT_EQ(status.not_read, 1u);
  EXPECT_EQ(status.pages + status.not_read, status.report.size());
}

TEST_F(AnalysisTest, ALineThatCannotBeReadIsTheStatus) {
  Analysis& analysis = Open(Language::kEnglish);
  client_->Disconnect();
  server_.Stop();
  analysis.ReadLine(true);
  const Status status = analysis.RunStatus();
  EXPECT_EQ(status.kind, Status::Kind::kLineNotRead);
  ASSERT_TRUE(status.problem);
  EXPECT_EQ(status.problem->fault, PageFault::kRefused);
  EXPECT_FALSE(status.demo_down) << "not the demo site's address";
}

// The statistics page writes the bookmaker's names: the run, a click and "Go
// Total All" tell home from away by them in either language, while English
// still looks the team pages up by the translated names.
class Step2InBothLanguages : public AnalysisTest, public ::testing::WithParamInterface<Language> {};

TEST_P(Step2InBothLanguages, IsTheSameForTheRunAClickAndGoTotalAll) {
  site_.matches = {{"28.12.2026", "Арсенал", "Челси", "stat/1.html"}};
  site_.pages["/stat/1.html"] = WorkedExamplePage("Арсенал", "Челси");
  team_pages_ = {{"Арсенал", "teams/ru.html"}, {"Arsenal", "teams/en.html"}};
  Analysis& analysis = Open(GetParam());
  analysis.ReadLine(true);
  const bool english = GetParam() == Language::kEnglish;
  EXPECT_EQ(analysis.Rows(Grid::kAll).at(0).home, english ? "Arsenal" : InCp1251("Арсенал"));
  EXPECT_EQ(analysis.Rows(Grid::kAll)[0].step2, 1.78125);
  EXPECT_TRUE(site_.Requested(english ? "GET /teams/en.html" : "GET /teams/ru.html"));

  analysis.ReadRow(Grid::kAll, 0);
  EXPECT_EQ(analysis.Rows(Grid::kAll)[0].step2, 1.78);
  MatchTable rows = analysis.Rows(Grid::kAll);
  rows[0].step2 = 0;
  analysis.TakeRows(Grid::kAll, rows);
  analysis.RecomputeAll(Grid::kAll, ReadPolicy::Messages::kBeforeColours);
  EXPECT_EQ(analysis.Rows(Grid::kAll)[0].step2, 1.78);
}

INSTANTIATE_TEST_SUITE_P(Languages, Step2InBothLanguages,
                         ::testing::Values(Language::kEnglish, Language::kRussian),
                         [](const auto& info) {
                           return info.param == Language::kEnglish ? "English" : "Russian";
                         });

TEST_F(AnalysisTest, AClickRoundsToTheLabelColoursAndKeepsARowWhosePageFails) {
  site_.pages["/stat/1.html"] = LopsidedPage();
  Analysis& analysis = Open(Language::kEnglish);
  analysis.TakeRows(Grid::kAll, {LinkedRow("stat/1.html"), LinkedRow("stat/9.html")});
  analysis.ReadRow(Grid::kAll, 0);
  const MatchRow& read = analysis.Rows(Grid::kAll)[0];
  EXPECT_EQ(read.step1, -9);
  EXPECT_EQ(read.step2, 12.3);
  EXPECT_EQ(read.step1_colour, CellColour::kRed);
  EXPECT_EQ(read.step2_colour, CellColour::kGreen);
  ASSERT_EQ(observer_.details_.size(), 1u);
  EXPECT_EQ(observer_.details_[0], MatchDetails::Steps::kComputed);
  EXPECT_EQ(observer_.computed_[0].step2, 12.34375) << "the label rounds what was computed";
  ASSERT_EQ(observer_.statuses_.size(), 1u);
  EXPECT_EQ(observer_.statuses_[0].log, Status::Log::kNothing) << "nothing failed";
  EXPECT_EQ(pumps_, 0) << "a click keeps the window waiting";

  MatchTable rows = analysis.Rows(Grid::kAll);
  rows[1].step1 = 7;
  analysis.TakeRows(Grid::kAll, rows);
  analysis.ReadRow(Grid::kAll, 1);
  EXPECT_EQ(analysis.Rows(Grid::kAll)[1].step1, 7) << "values kept";
  EXPECT_EQ(observer_.details_.back(), MatchDetails::Steps::kNotRead);
  const Status& status = observer_.statuses_.back();
  EXPECT_EQ(status.kind, Status::Kind::kMatchNotRead);
  EXPECT_EQ(status.home, "A");
  EXPECT_EQ(status.log, Status::Log::kAppend);
  EXPECT_FALSE(status.report.empty());

  analysis.ReadRow(Grid::kAll, 2);  // no such row
  EXPECT_EQ(observer_.statuses_.size(), 2u);
}

TEST_F(AnalysisTest, GoTotalAllLetsTheWindowInBeforeOrAfterTheColours) {
  site_.pages["/stat/1.html"] = LopsidedPage();
  Analysis& analysis = Open(Language::kRussian);
  struct Case {
    Grid grid;
    ReadPolicy::Messages messages;
    CellColour seen;  // the first row's Step1 colour when the window has its turn
  };
  for (const Case& c : {Case{Grid::kAll, ReadPolicy::Messages::kBeforeColours, CellColour::kNone},
                        Case{Grid::kDay, ReadPolicy::Messages::kAfterRow, CellColour::kRed}}) {
    analysis.TakeRows(c.grid, {LinkedRow("stat/1.html"), LinkedRow("stat/9.html")});
    // The colour at the window's first turn after the first row's value came in.
    std::vector<CellColour> seen;
    on_pump_ = [&] {
      if (analysis.Rows(c.grid)[0].step2 != 0)
        seen.push_back(analysis.Rows(c.grid)[0].step1_colour);
    };
    analysis.RecomputeAll(c.grid, c.messages);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), c.seen);
    const MatchTable& rows = analysis.Rows(c.grid);
    EXPECT_EQ(rows[0].step1_colour, CellColour::kRed);
    EXPECT_EQ(rows[1].step1, 0) << "a row whose page fails keeps its values";
    EXPECT_FALSE(rows[1].steps_not_read) << "and is not marked: it was never read";
    const Status& status = observer_.statuses_.back();
    EXPECT_EQ(status.kind, Status::Kind::kGoTotalAll);
    EXPECT_EQ(status.matches, 2u);
    EXPECT_EQ(status.not_read, 1u);
    EXPECT_EQ(observer_.details_.back(), MatchDetails::Steps::kStored);
  }
}

TEST_F(AnalysisTest, StopLeavesTheRowsNotComeToNotReadInARunAndAsTheyStoodAfterIt) {
  site_.matches = {{"28.12.2026", "A", "B", "stat/1.html"},
                   {"28.12.2026", "C", "D", "stat/1.html"},
                   {"28.12.2026", "E", "F", "stat/1.html"}};
  site_.pages["/stat/1.html"] = LopsidedPage();
  Analysis& analysis = Open(Language::kRussian);
  analysis.Stop();  // before the pass: does not count
  on_pump_ = [&] {
    if (!analysis.Rows(Grid::kAll).empty() && analysis.Rows(Grid::kAll)[0].steps_read) {
      analysis.Stop();
    }
  };
  analysis.ReadLine(true);
  const MatchTable& rows = analysis.Rows(Grid::kAll);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_TRUE(rows[0].steps_read);
  for (std::size_t i : {1u, 2u}) {
    ASSERT_TRUE(rows[i].steps_not_read) << i;
    EXPECT_EQ(rows[i].steps_not_read->fault, PageFault::kStopped);
  }

  MatchTable kept = rows;
  kept[2].steps_not_read.reset();
  kept[2].step1 = 7;
  analysis.TakeRows(Grid::kAll, kept);
  analysis.RecomputeAll(Grid::kAll, ReadPolicy::Messages::kBeforeColours);
  EXPECT_EQ(analysis.Rows(Grid::kAll)[2].step1, 7) << "Go Total All leaves a stopped row as it was";
  EXPECT_FALSE(analysis.Rows(Grid::kAll)[2].steps_not_read);
}

TEST_F(AnalysisTest, ThePublishingPassKeepsWhatTheRunComputedForARowThatFailsNow) {
  site_.matches = {{"28.12.2026", "A", "B", "stat/1.html"},
                   {"28.12.2026", "A", "B", "stat/2.html"},
                   {"29.12.2026", "A", "B", "stat/1.html"}};
  site_.pages["/stat/1.html"] = LopsidedPage();
  site_.pages["/stat/2.html"] = LopsidedPage();
  Analysis& analysis = Open(Language::kRussian);
  analysis.ReadLine(true);
  site_.pages.erase("/stat/2.html");
  EXPECT_FALSE(analysis.PublishAndSave());

  const MatchTable& today = analysis.Rows(Grid::kDay);
  ASSERT_EQ(today.size(), 2u) << "today's rows only";
  EXPECT_EQ(today[0].step2, 12.34);
  EXPECT_EQ(today[1].step2, 12.34) << "the run's value, rounded as published";
  EXPECT_FALSE(today[1].steps_not_read);
  const std::string saved = ReadFile("saves.txt");
  EXPECT_NE(saved.find("stat/2.html>>-9>>12,34>>"), std::string::npos) << saved;
  EXPECT_EQ(site_.Posts().size(), 1u);
  const Status status = analysis.RunStatus();
  EXPECT_EQ(status.publish_not_read, 1u);
  ASSERT_TRUE(status.publishing);
  EXPECT_EQ(status.publishing->outcome.publishing, Publishing::kSent);
  EXPECT_EQ(status.publishing->matches, 2u);
}

TEST_F(AnalysisTest, ThePublishingPassPublishesARowNeverComputedWith0) {
  site_.matches = {{"28.12.2026", "A", "B", "stat/2.html"}};
  Analysis& analysis = Open(Language::kRussian);
  analysis.ReadLine(false);
  EXPECT_FALSE(analysis.PublishAndSave());
  ASSERT_EQ(analysis.Rows(Grid::kDay).size(), 1u);
  EXPECT_EQ(analysis.Rows(Grid::kDay)[0].step1, 0);
  EXPECT_TRUE(analysis.Rows(Grid::kDay)[0].steps_not_read);
}

TEST_F(AnalysisTest, EveryChangeOfATableIsToldBeforeAndAfterItHappens) {
  Analysis& analysis = Open(Language::kEnglish);
  MatchTable rows = {LinkedRow("1"), LinkedRow("2"), LinkedRow("3")};
  rows[1].date = "29.12.2026";
  analysis.TakeRows(Grid::kAll, rows);
  analysis.FilterByDate("28.12.2026");
  analysis.Reorder(Grid::kAll, {2, 0, 1});
  analysis.TakeRows(Grid::kAll, {LinkedRow("4")});
  analysis.StartAgain();
  EXPECT_EQ(observer_.events_,
            (std::vector<std::string>{"before all insert 0+3 of 0", "after all insert 0+3 of 3",
                                      "before day insert 0+2 of 0", "after day insert 0+2 of 2",
                                      "before all reorder 0+3 of 3", "after all reorder 0+3 of 3",
                                      "before all reset 0+0 of 3", "after all reset 0+0 of 1",
                                      "before day remove 0+2 of 2", "after day remove 0+2 of 0"}));
  EXPECT_EQ(analysis.Rows(Grid::kAll)[0].url, "4");
}

TEST_F(AnalysisTest, ReorderPutsRowKWhereTheOrderSays) {
  Analysis& analysis = Open(Language::kEnglish);
  analysis.TakeRows(Grid::kAll, {LinkedRow("a"), LinkedRow("b"), LinkedRow("c")});
  analysis.Reorder(Grid::kAll, {2, 0, 1});
  std::vector<std::string> links;
  for (const MatchRow& row : analysis.Rows(Grid::kAll)) links.push_back(row.url);
  EXPECT_EQ(links, (std::vector<std::string>{"c", "a", "b"}));
}

}  // namespace
}  // namespace kavero::testing
