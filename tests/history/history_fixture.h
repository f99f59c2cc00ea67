#pragma once
// A history file in a fresh folder, and match rows to store in it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "history/history_store.h"

namespace kavero::history {

inline MatchRow Row(std::string date, std::string home, std::string away,
                    std::string under = "1.95", std::string over = "1.85",
                    std::string total = "2.5") {
  MatchRow row;
  row.championship = "League";
  row.date = std::move(date);
  row.time = "18:00";
  row.home = std::move(home);
  row.away = std::move(away);
  row.total = std::move(total);
  row.under = std::move(under);
  row.over = std::move(over);
  row.url = "stat/" + row.home + "-" + row.away;
  return row;
}

inline RunRecord RunOf(const MatchTable& rows, Date day, int minutes) {
  RunRecord run;
  run.clock = {1'700'000'000 + minutes * 60, day, minutes};
  run.line_address = "http://line/";
  run.rows = &rows;
  return run;
}

class HistoryFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = std::filesystem::path(::testing::TempDir()) / "kavero-history" /
              (std::string(test->test_suite_name()) + "-" + test->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override {
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(folder_);
  }
  std::string File() const { return (folder_ / kHistoryFileName).string(); }
  std::int64_t Count(const std::string& table) {
    Connection db;
    db.Open(File());
    return db.QueryInt("SELECT COUNT(*) FROM " + table).value_or(-1);
  }

  std::filesystem::path folder_;
  static constexpr Date kDay{2024, 5, 12};
};

}  // namespace kavero::history
