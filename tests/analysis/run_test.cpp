// The run from the line to the day's table saved and published.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "analysis_fixture.h"
#include "web/form_encode.h"

namespace kavero::testing {
namespace {

const std::string kTodayText = "28.12.2026";

class RunTest : public AnalysisTest {
 protected:
  void SetUp() override {
    AnalysisTest::SetUp();
    site_.pages["/brr/chemp.txt"] = InCp1251("Англия=England. Premier League\r\n");
  }
};

TEST_F(RunTest, EnglishWithoutStatisticsTranslatesTheNamesAndSavesNothing) {
  site_.matches = {{"28.12.2026", "Арсенал", "Челси", "stat/1.html"},
                   {"28.12.2026", "Челси", "Фулхэм", "stat/2.html"},
                   {"05.01.2027", "Фулхэм", "Арсенал", "stat/3.html"}};
  Analysis& analysis = Open(Language::kEnglish);
  analysis.ReadLine(false);
  EXPECT_FALSE(analysis.PublishAndSave());

  const MatchTable& rows = analysis.Rows(Grid::kAll);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].home, "Arsenal");
  EXPECT_EQ(rows[0].away, "Chelsea");
  EXPECT_EQ(rows[1].away, InCp1251("Фулхэм")) << "not in the dictionary";
  EXPECT_EQ(rows[0].championship, "England. Premier League");
  for (const MatchRow& row : rows) {
    EXPECT_EQ(row.step1, 0);
    EXPECT_EQ(row.step2, 0);
  }
  EXPECT_EQ(analysis.Dates(), "28.12.2026\r\n05.01.2027\r\n");
  EXPECT_FALSE(site_.Requested("/stat/"));
  EXPECT_FALSE(site_.Requested("/kavero/"));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "saves.txt"));
  EXPECT_EQ(ReadFile("saves.txt"), "");
  EXPECT_TRUE(site_.Posts().empty());
}

// The statistics page names neither English name: Step2 is that of rows
// without names, and the team pages are looked up by the English ones.
class EnglishStatistics : public RunTest, public ::testing::WithParamInterface<bool> {};

TEST_P(EnglishStatistics, AreReadWithTheTranslatedNames) {
  site_.matches = {{"28.12.2026", "Арсенал", "Челси", "stat/1.html"}};
  site_.pages["/stat/1.html"] = WorkedExamplePage();
  team_pages_ = {{"Арсенал", "teams/ru.html"}, {"Arsenal", "teams/en.html"}};
  Analysis& analysis =
      Open(Language::kEnglish, [](AnalysisConfig& config) { config.read_ahead = GetParam(); });
  analysis.ReadLine(true);

  ASSERT_EQ(analysis.Rows(Grid::kAll).size(), 1u);
  EXPECT_EQ(analysis.Rows(Grid::kAll)[0].step1, 2.5);
  EXPECT_EQ(analysis.Rows(Grid::kAll)[0].step2, 1.96875);
  EXPECT_TRUE(site_.Requested("GET /stat/1.html"));
  EXPECT_TRUE(site_.Requested("GET /teams/en.html"));
  EXPECT_FALSE(site_.Requested("GET /teams/ru.html"));
}

INSTANTIATE_TEST_SUITE_P(ReadAhead, EnglishStatistics, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Ahead" : "OneByOne"; });

TEST_F(RunTest, RussianPublishesTodaysMatchesWhenTodaysFileIsMissing) {
  site_.matches = {{kTodayText, "A", "B", "stat/1.html"},
                   {"01.01.2031", "C", "D", "stat/2.html"},
                   {kTodayText, "B", "A", "stat/3.html"}};
  site_.pages["/stat/1.html"] = WorkedExamplePage();
  Analysis& analysis = Open(Language::kRussian);
  analysis.ReadLine(false);
  EXPECT_FALSE(analysis.PublishAndSave());

  const MatchTable& published = analysis.Rows(Grid::kDay);
  ASSERT_EQ(published.size(), 2u);
  EXPECT_EQ(published[0].home, "A");
  EXPECT_EQ(published[0].step1, 2.5);
  EXPECT_EQ(published[0].step2, 1.78) << "1.78125 to two decimals";
  EXPECT_EQ(published[1].home, "B");
  EXPECT_EQ(published[1].step1, 0) << "no statistics page: fewer than four rows";

  const std::string saved = ReadFile("saves.txt");
  EXPECT_EQ(saved, kTodayText + ">>19:00>>A>>B>>2.5>>1.9>>1.8>>stat/1.html>>2,5>>1,78>>" +
                       InCp1251("Англия. Премьер-лига") + ">>\r\n" + kTodayText +
                       ">>19:00>>B>>A>>2.5>>1.9>>1.8>>stat/3.html>>0>>0>>" +
                       InCp1251("Англия. Премьер-лига") + ">>\r\n");
  ASSERT_EQ(site_.Posts().size(), 1u);
  EXPECT_EQ(site_.Posts()[0],
            "datas=" + FormEncode(kTodayText) + "&stext=" + FormEncode(saved) + "&");
}

// A day already published is left alone; a line without today's matches
// still publishes the day, empty. Neither reads a statistics page.
struct PublishingCase {
  const char* name;
  std::string date;
  bool published;
  std::vector<std::string> posts;
};

class NothingNewToPublish : public RunTest, public ::testing::WithParamInterface<PublishingCase> {};

TEST_P(NothingNewToPublish, LeavesTheDaysTableEmpty) {
  site_.matches = {{GetParam().date, "A", "B", "stat/1.html"}};
  site_.pages["/stat/1.html"] = WorkedExamplePage();
  site_.today_published = GetParam().published;
  Analysis& analysis = Open(Language::kRussian);
  analysis.ReadLine(false);
  EXPECT_FALSE(analysis.PublishAndSave());

  EXPECT_TRUE(analysis.Rows(Grid::kDay).empty());
  EXPECT_EQ(site_.Posts(), GetParam().posts);
  EXPECT_FALSE(site_.Requested("/stat/"));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "saves.txt"));
  EXPECT_EQ(ReadFile("saves.txt"), "");
}

INSTANTIATE_TEST_SUITE_P(Days, NothingNewToPublish,
                         ::testing::Values(PublishingCase{"AlreadyPublished", kTodayText, true, {}},
                                           PublishingCase{
                                               "WithoutMatchesToday",
                                               "01.01.2031",
                                               false,
                                               {"datas=" + FormEncode(kTodayText) + "&stext=&"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RunTest, AnEmptyLineLeavesNoRowsNoDatesAndAnEmptyGauge) {
  Analysis& analysis = Open(Language::kEnglish);
  analysis.ReadLine(true);
  EXPECT_TRUE(analysis.Rows(Grid::kAll).empty());
  EXPECT_EQ(gauge_.maximum, 0);
  EXPECT_EQ(analysis.Dates(), "");
}

TEST_F(RunTest, AFinalSaveThatFailsIsToldAndTheRowsStay) {
  std::ofstream(folder_ / "blocker") << "a file where a folder should be";
  site_.matches = {{"28.12.2026", "A", "B", "stat/1.html"}};
  const std::string saves = (folder_ / "blocker" / "saves.txt").string();
  Analysis& analysis =
      Open(Language::kEnglish, [&](AnalysisConfig& config) { config.saves_path = saves; });
  analysis.ReadLine(false);
  const std::optional<std::string> failure = analysis.PublishAndSave();
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->rfind("Cannot create file \"" + saves + "\". ", 0), 0u) << *failure;
  EXPECT_EQ(analysis.Rows(Grid::kAll).size(), 1u);
}

}  // namespace
}  // namespace kavero::testing
