// Saving a match table to "saves.txt", publishing it in Russian.
#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <stdexcept>
#include <string>

#include "analysis_fixture.h"

namespace kavero::testing {
namespace {

MatchRow Row() {
  MatchRow row;
  row.date = "12.01.2026";
  row.time = "18:00";
  row.home = InCp1251("Зенит");
  row.away = InCp1251("Спартак");
  row.total = "2.5";
  row.under = "1.9";
  row.over = "1.8";
  row.url = "stat/1";
  row.step1 = 2.25;
  row.championship = InCp1251("Россия");
  return row;
}

TEST_F(AnalysisTest, ASaveWhoseUploadFailedIsWrittenAndSaysWhyItWasNotPublished) {
  std::atomic<int> uploads = 0;
  server_.server().Post("/kavero/file.php", [&](const httplib::Request&, httplib::Response& res) {
    ++uploads;
    res.status = 500;
  });
  Analysis& analysis = Open(Language::kRussian);  // today's file answers 404: publish
  analysis.TakeRows(Grid::kAll, {Row()});
  analysis.Save(Grid::kAll);

  EXPECT_EQ(uploads, 1);
  EXPECT_EQ(ReadFile("saves.txt"), "12.01.2026>>18:00>>" + InCp1251("Зенит>>Спартак") +
                                       ">>2.5>>1.9>>1.8>>stat/1>>2,25>>0>>" + InCp1251("Россия") +
                                       ">>\r\n");
  ASSERT_EQ(observer_.statuses_.size(), 1u);
  const Status& status = observer_.statuses_[0];
  EXPECT_EQ(status.kind, Status::Kind::kSaved);
  EXPECT_EQ(status.saved_to, (folder_ / "saves.txt").string());
  EXPECT_EQ(status.log, Status::Log::kAppend);
  ASSERT_TRUE(status.publishing);
  EXPECT_EQ(status.publishing->outcome.publishing, Publishing::kFailed);
  ASSERT_TRUE(status.publishing->outcome.failure);
  EXPECT_EQ(status.publishing->outcome.failure->fault, PageFault::kStatus);
  EXPECT_EQ(status.report.size(), 1u) << "the failed upload, for the log";
}

TEST_F(AnalysisTest, AnUnwritableFileThrowsWhyAndTellsNoSave) {
  std::ofstream(folder_ / "blocker") << "a file where a folder should be";
  const std::string path = (folder_ / "blocker" / "saves.txt").string();
  Analysis& analysis =
      Open(Language::kEnglish, [&](AnalysisConfig& config) { config.saves_path = path; });
  analysis.TakeRows(Grid::kDay, {Row()});
  try {
    analysis.Save(Grid::kDay);
    ADD_FAILURE() << "saved";
  } catch (const std::runtime_error& error) {
    const std::string message = error.what();
    EXPECT_EQ(message.rfind("Cannot create file \"" + path + "\". ", 0), 0u) << message;
    EXPECT_GT(message.size(), path.size() + 23) << "the system's reason follows";
  }
  EXPECT_TRUE(observer_.statuses_.empty());
}

}  // namespace
}  // namespace kavero::testing
