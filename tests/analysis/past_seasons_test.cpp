// "Check on past seasons…" as the analysis does it: a tiny season replayed,
// its report worded in the interface language.
#include <gtest/gtest.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <string>

#include "analysis/analysis.h"
#include "analysis/past_seasons.h"

namespace kavero {
namespace {

// Ash and Birch meet five times: the fifth meeting is the first at which both
// have played four games.
constexpr char kSeason[] =
    "Div,Date,Time,HomeTeam,AwayTeam,FTHG,FTAG,FTR,HTHG,HTAG,HTR,Avg>2.5,Avg<2.5\r\n"
    "X1,01/08/2025,15:00,Ash,Birch,2,1,H,1,0,H,1.9,1.95\r\n"
    "X1,08/08/2025,15:00,Birch,Ash,0,0,D,0,0,D,1.9,1.95\r\n"
    "X1,15/08/2025,15:00,Ash,Birch,3,1,H,2,1,H,1.9,1.95\r\n"
    "X1,22/08/2025,15:00,Birch,Ash,1,1,D,0,0,D,1.9,1.95\r\n"
    "X1,29/08/2025,15:00,Ash,Birch,2,2,D,1,1,D,1.9,1.95\r\n";

struct LanguageCase {
  Language language;
  const char* heading;
};

class PastSeasons : public ::testing::TestWithParam<LanguageCase> {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / "2526-X1.csv", std::ios::binary) << kSeason;
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  const std::filesystem::path folder_ = std::filesystem::temp_directory_path() /
                                        ("kavero-past-seasons-" + std::to_string(::getpid()));
};

TEST_P(PastSeasons, ReplayTheFilesAndWordTheReportInTheInterfaceLanguage) {
  const std::string missing = (folder_ / "missing.csv").string();
  const PastSeasonsCheck check =
      Analysis::CheckPastSeasons({folder_.string(), missing}, GetParam().language);
  const BacktestReport& report = check.report;
  EXPECT_EQ(report.prices, "average");
  EXPECT_EQ(report.files, 1);
  EXPECT_EQ(report.matches_read, 5);
  EXPECT_EQ(report.too_early, 4);
  EXPECT_EQ(report.evaluated, 1);
  EXPECT_EQ(report.priced, 1);
  EXPECT_EQ(report.over_rate, 1) << "the 2:2 went over 2.5";
  ASSERT_EQ(report.notes.size(), 1u);
  EXPECT_EQ(report.notes[0].problem, InputProblem::kNotReadable);
  EXPECT_EQ(check.text.rfind(GetParam().heading, 0), 0u) << check.text;
  EXPECT_NE(check.text.find(missing), std::string::npos) << "the path not read is named";
}

INSTANTIATE_TEST_SUITE_P(
    Languages, PastSeasons,
    ::testing::Values(
        LanguageCase{
            Language::kEnglish,
            "Backtest on past seasons: what the window's marks and chance have been worth"},
        LanguageCase{Language::kRussian,
                     "Проверка на прошлых сезонах: чего стоили отметки и шанс окна"}),
    [](const auto& info) {
      return info.param.language == Language::kEnglish ? "English" : "Russian";
    });

}  // namespace
}  // namespace kavero
