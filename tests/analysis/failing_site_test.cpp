// A site that fails part-way through: rows it could not read are marked,
// failures never overwrite values, the status counts what was not read, and
// the next run reads everything afresh.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis_fixture.h"
#include "stats/steps_outcome.h"

namespace kavero::testing {
namespace {

struct Shown {
  double step1, step2;
  CellColour colour1, colour2;
  bool operator==(const Shown&) const = default;
};

std::vector<Shown> ShownValues(const MatchTable& rows) {
  std::vector<Shown> shown;
  for (const MatchRow& row : rows) {
    shown.push_back({row.step1, row.step2, row.step1_colour, row.step2_colour});
  }
  return shown;
}

class FailingSiteTest : public AnalysisTest {
 protected:
  Analysis& OpenSite() {
    statistics_.Serve(site_, server_);
    site_.pages["/brr/chemp.txt"] = InCp1251("Англия=England\r\n");
    return Open(Language::kEnglish);
  }

  FailingStatistics statistics_;
};

TEST_F(FailingSiteTest, ARowNotReadIsMarkedWithItsReasonAndTheOthersKeepTheirValues) {
  statistics_.broken = "2";
  Analysis& analysis = OpenSite();
  analysis.ReadLine(true);
  const MatchTable& rows = analysis.Rows(Grid::kAll);
  ASSERT_EQ(rows.size(), 3u);
  ASSERT_TRUE(rows[1].steps_not_read);
  EXPECT_EQ(rows[1].steps_not_read->fault, PageFault::kStatus);
  EXPECT_EQ(rows[1].steps_not_read->status, 500);
  EXPECT_EQ(rows[0].step1, 2.5);
  EXPECT_FALSE(rows[0].steps_not_read);
  const Status status = analysis.RunStatus();
  EXPECT_EQ(status.not_read, 1u);
  ASSERT_EQ(status.report.size(), 1u);
  EXPECT_EQ(status.report[0].address, server_.base() + "stat/2.html");

  // The site is healthy again: the next run reads every row afresh.
  statistics_.broken = "none";  // read by the server thread only between requests
  analysis.StartAgain();
  analysis.ReadLine(true);
  EXPECT_EQ(CountNotRead(analysis.Rows(Grid::kAll)), 0u);
  EXPECT_EQ(analysis.RunStatus().report.size(), 0u);
}

TEST_F(FailingSiteTest, ClicksAndGoTotalAllOnAFailingSiteKeepEveryValue) {
  Analysis& analysis = OpenSite();
  analysis.ReadLine(true);
  analysis.ReadRow(Grid::kAll, 0);  // coloured: Step2 1.78 is red
  const auto before = ShownValues(analysis.Rows(Grid::kAll));
  ASSERT_EQ(before[0].colour2, CellColour::kRed);
  ASSERT_EQ(before[1].step2, 1.96875);

  statistics_.failing = true;
  analysis.ReadRow(Grid::kAll, 1);
  EXPECT_EQ(ShownValues(analysis.Rows(Grid::kAll)), before);
  EXPECT_EQ(observer_.statuses_.back().kind, Status::Kind::kMatchNotRead);
  EXPECT_EQ(observer_.details_.back(), MatchDetails::Steps::kNotRead);

  analysis.RecomputeAll(Grid::kAll, ReadPolicy::Messages::kBeforeColours);
  EXPECT_EQ(ShownValues(analysis.Rows(Grid::kAll)), before);
  EXPECT_EQ(observer_.statuses_.back().not_read, 3u);
  EXPECT_EQ(observer_.statuses_.back().report.size(), 3u);

  // The site stops altogether: a click still keeps the values.
  client_->Disconnect();
  server_.Stop();
  analysis.ReadRow(Grid::kAll, 0);
  EXPECT_EQ(ShownValues(analysis.Rows(Grid::kAll)), before);
  ASSERT_TRUE(observer_.statuses_.back().problem);
  EXPECT_EQ(observer_.statuses_.back().problem->fault, PageFault::kRefused);
}

TEST_F(FailingSiteTest, AHealthyClickAfterFailuresComputesAsBeforeAndNotReadRowsSaveAs0) {
  statistics_.failing = true;
  Analysis& analysis = OpenSite();
  analysis.ReadLine(true);
  EXPECT_EQ(analysis.RunStatus().not_read, 3u);
  statistics_.failing = false;
  analysis.ReadRow(Grid::kAll, 0);
  const MatchRow& row = analysis.Rows(Grid::kAll)[0];
  EXPECT_FALSE(row.steps_not_read);
  EXPECT_EQ(row.step1, 2.5);
  EXPECT_EQ(row.step2, 1.78);
  EXPECT_EQ(analysis.RunStatus().not_read, 2u);

  analysis.Save(Grid::kAll);
  const std::string saved = ReadFile("saves.txt");
  EXPECT_NE(saved.find("stat/2.html>>0>>0>>"), std::string::npos) << saved;
  EXPECT_NE(saved.find("stat/1.html>>2,5>>1,78>>"), std::string::npos) << saved;
}

TEST_F(FailingSiteTest, ADictionaryThatFailsIsInTheNextRunsReportOnly) {
  Analysis& analysis = OpenSite();
  site_.pages.erase("/brr/basa.txt");
  analysis.FetchDictionaries();
  analysis.ReadLine(true);
  Status status = analysis.RunStatus();
  EXPECT_EQ(status.pages, 1u);
  ASSERT_EQ(status.report.size(), 1u);
  EXPECT_EQ(status.report[0].address, server_.base() + "brr/basa.txt");
  EXPECT_EQ(status.report[0].status, 404);

  site_.pages["/brr/basa.txt"] = InCp1251("Arsenal=Арсенал\r\n");
  analysis.FetchDictionaries();
  analysis.ReadLine(true);
  status = analysis.RunStatus();
  EXPECT_EQ(status.pages, 0u);
  EXPECT_TRUE(status.report.empty());
}

}  // namespace
}  // namespace kavero::testing
