#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/cp1251_literal.h"
#include "results/csv_text.h"
#include "results/match_csv.h"
#include "results/replace_file.h"
#include "stats/goals_model.h"

namespace kavero {
namespace {

using namespace kavero::literals;
namespace fs = std::filesystem;

constexpr std::string_view kBom = "\xEF\xBB\xBF";

TEST(CsvText, QuotesOnlyFieldsThatNeedItAndDoublesTheirQuotes) {
  const std::vector<std::vector<std::string>> records = {
      {"plain", "with;semicolon", "with,comma", "say \"hi\"", "two\r\nlines", ""}};
  EXPECT_EQ(CsvText(records, ';'),
            std::string(kBom) +
                "plain;\"with;semicolon\";with,comma;\"say \"\"hi\"\"\";\"two\r\nlines\";\r\n");
  EXPECT_EQ(CsvText(records, ','),
            std::string(kBom) +
                "plain,with;semicolon,\"with,comma\",\"say \"\"hi\"\"\",\"two\r\nlines\",\r\n");
  EXPECT_EQ(CsvText({}, ','), kBom);
}

TEST(CsvText, StyleFollowsTheUsersDecimalSeparator) {
  EXPECT_EQ(CsvStyleFor(',').separator, ';');
  EXPECT_EQ(CsvStyleFor(',').decimal_point, ',');
  EXPECT_EQ(CsvStyleFor('.').separator, ',');
  EXPECT_EQ(CsvStyleFor('.').decimal_point, '.');
}

MatchRow Match(std::string home, std::string away) {
  MatchRow row;
  row.championship = "Россия. Премьер-лига"_w1251s;
  row.date = "10.12.2026";
  row.time = "18:00";
  row.home = std::move(home);
  row.away = std::move(away);
  row.total = "2.5";
  row.under = "1.80";
  row.over = "2.10";
  row.step1 = 1.25;
  row.step2 = -0.5;
  return row;
}

LeagueRow Even(int games, int goals) {
  LeagueRow row;
  row.cells = {"1",
               "T",
               std::to_string(games),
               "",
               "",
               "",
               std::to_string(goals) + "-" + std::to_string(goals),
               ""};
  return row;
}

TEST(MatchTableCsv, BothConventionsWithEveryColumn) {
  MatchRow modelled = Match("Зенит; \"СПб\""_w1251s, "Spartak");
  modelled.goals_model = ComputeGoalsModel(Even(10, 10), Even(10, 10), "2.5", "1.80", "2.10");
  const MatchRow bare = Match("A", "B");
  const std::vector<CsvMatchRow> rows = {{&modelled, true, "1.95", "1.9"}, {&bare, false}};

  // Market 1/2.1 of 1/1.8 + 1/2.1 is 46.2 %, margin 3.17 %; recalibrated,
  // over 2.5 is 45.8 % (Poisson of 2.51 goals); edges 2.1 * 0.458 - 1 and 1.8 * 0.542 - 1.
  EXPECT_EQ(
      MatchTableCsv(rows, Language::kRussian, ',', "dd.MM.yyyy"),
      std::string(kBom) +
          "Чемпионат;Дата;Время;Хозяева;Гости;Тотал;Мен.;Бол.;Шаг1;Шаг2;"
          "Статистика прочитана;Ожидаемые голы;Бол. % (модель);Мен. % (модель);"
          "Бол. % (рынок);Мен. % (рынок);Маржа %;Перевес бол. %;Перевес мен. %;"
          "Мен. (первая цена);Бол. (первая цена)\r\n"
          "Россия. Премьер-лига;2026-12-10;18:00;\"Зенит; \"\"СПб\"\"\";Spartak;2,5;1,80;"
          "2,10;1,25;-0,5;1;2,51;45,8;54,2;46,2;53,8;3,17;-3,8;-2,5;1,95;1,9\r\n"
          "Россия. Премьер-лига;2026-12-10;18:00;A;B;2,5;1,80;2,10;1,25;-0,5;0;;;;;;;;;;\r\n");
  EXPECT_EQ(
      MatchTableCsv(rows, Language::kEnglish, '.', "dd.MM.yyyy"),
      std::string(kBom) +
          "Championship,Date,Time,Home,Away,Total,Under,Over,Step1,Step2,Statistics read,"
          "Expected goals,Over % (model),Under % (model),Over % (market),Under % (market),"
          "Margin %,Edge over %,Edge under %,Under first seen,Over first seen\r\n"
          "Россия. Премьер-лига,2026-12-10,18:00,\"Зенит; \"\"СПб\"\"\",Spartak,2.5,1.80,"
          "2.10,1.25,-0.5,1,2.51,45.8,54.2,46.2,53.8,3.17,-3.8,-2.5,1.95,1.9\r\n"
          "Россия. Премьер-лига,2026-12-10,18:00,A,B,2.5,1.80,2.10,1.25,-0.5,0,,,,,,,,,,\r\n");
}

TEST(MatchTableCsv, TextsThatAreNotNumbersStayAsTheyAre) {
  MatchRow row = Match("A, B", "C");
  row.total = "";
  row.under = "-";
  row.over = "1,5";
  const std::string csv = MatchTableCsv({{&row, false}}, Language::kEnglish, '.', "dd.MM.yyyy");
  EXPECT_NE(csv.find("\"A, B\",C,,-,1.5,"), std::string::npos) << csv;
}

TEST(MatchTableCsv, PageTextsThatLookLikeFormulasStayText) {
  MatchRow row = Match("=HYPERLINK(\"http://x\")", "@SUM(A1)");
  row.championship = "+1+1";
  row.under = "-1+1";
  row.over = "-2.5";  // a number, written as one
  const std::string csv = MatchTableCsv({{&row, false}}, Language::kEnglish, '.', "dd.MM.yyyy");
  EXPECT_NE(
      csv.find(
          "'+1+1,2026-12-10,18:00,\"'=HYPERLINK(\"\"http://x\"\")\",'@SUM(A1),2.5,'-1+1,-2.5,"),
      std::string::npos)
      << csv;
}

// A file-size limit makes the write fail half-way, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, old_handler_);
  }

 private:
  rlimit saved_{};
  void (*old_handler_)(int) = nullptr;
};

TEST(MatchTableCsv, AFailedWriteLeavesTheEarlierFileAndSaysWhy) {
  const fs::path folder = fs::temp_directory_path() / ("kavero-csv-" + std::to_string(getpid()));
  fs::create_directories(folder);
  const fs::path file = folder / "kavero-2026-12-10.csv";
  const MatchRow row = Match("A", "B");
  const std::string earlier = MatchTableCsv({{&row, false}}, Language::kEnglish, '.', "dd.MM.yyyy");
  ReplaceFile(file.string(), earlier);

  const std::vector<CsvMatchRow> many(2000, CsvMatchRow{&row, true});
  const std::string longer = MatchTableCsv(many, Language::kEnglish, '.', "dd.MM.yyyy");
  try {
    FileSizeLimit limit(4096);
    ReplaceFile(file.string(), longer);
    ADD_FAILURE() << "the write went through";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("Cannot create file \"" + file.string() + "\"."),
              std::string::npos)
        << error.what();
  }
  std::ifstream in(file, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), earlier);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace kavero
