#include <unistd.h>

#include <fstream>
#include <thread>

#include "history/schema.h"
#include "history_fixture.h"

namespace kavero::history {
namespace {

using HistoryStoreTest = HistoryFolder;

TEST_F(HistoryStoreTest, ANewFileHasTheLatestSchema) {
  HistoryStore store;
  ASSERT_TRUE(store.Open(folder_.string()).status.ok());
  Connection db;
  db.Open(File());
  EXPECT_EQ(SchemaVersion(db), kSchemaVersion);
  Statement mode(db.handle(), "PRAGMA journal_mode");
  ASSERT_EQ(mode.Step(), 100);  // SQLITE_ROW
  EXPECT_EQ(mode.Bytes(0), "wal");
}

TEST_F(HistoryStoreTest, AVersion1FileKeepsItsRunsAndGainsResults) {
  const MatchTable rows = {Row("12.05.2024", "Alpha", "Beta")};
  {
    Connection db;
    ASSERT_EQ(db.Open(File()), 0);
    ASSERT_EQ(MigrateTo(db, 1), 0);
    ASSERT_EQ(db.Execute("INSERT INTO runs VALUES(1, 0, '2024-05-12 10:02', x'');"
                         "INSERT INTO teams VALUES(1, CAST('Alpha' AS BLOB)), "
                         "(2, CAST('Beta' AS BLOB));"
                         "INSERT INTO team_names VALUES(CAST('Alpha' AS BLOB), 1), "
                         "(CAST('Beta' AS BLOB), 2);"
                         "INSERT INTO matches VALUES(1, '2024-05-12', CAST('18:00' AS BLOB), 1, 2, "
                         "CAST('stat/Alpha-Beta' AS BLOB), x'', x'');"
                         "INSERT INTO sightings(match, first_run, last_run, total, under, over, "
                         "marks) VALUES(1, 1, 1, CAST('2.5' AS BLOB), CAST('2.05' AS BLOB), "
                         "CAST('1.75' AS BLOB), 0);"),
              0);
    EXPECT_EQ(SchemaVersion(db), 1);
  }
  HistoryStore store;
  const auto opened = store.Open(folder_.string());
  ASSERT_TRUE(opened.status.ok());
  EXPECT_EQ(opened.restart, Restart::kNone);
  ASSERT_TRUE(store.SaveRun(RunOf(rows, kDay, 12 * 60)).ok());
  const auto movement = store.Movement(rows[0], "dd.MM.yyyy", kDay);
  ASSERT_TRUE(movement);
  EXPECT_EQ(movement->first, (LineSighting{"10:02", "2.5", "2.05", "1.75"}));
  EXPECT_EQ(movement->now, (LineSighting{"12:00", "2.5", "1.95", "1.85"}));
  EXPECT_EQ(store.ResultOf(rows[0], "dd.MM.yyyy").state, Settlement::kOpen);
}

TEST_F(HistoryStoreTest, ARunIsStoredOnceAndOnlyChangedPricesAgain) {
  HistoryStore store;
  ASSERT_TRUE(store.Open(folder_.string()).status.ok());
  const MatchTable morning = {Row("12.05.2024", "Alpha", "Beta"),
                              Row("12.05.2024", "Gamma", "Delta")};
  ASSERT_TRUE(store.SaveRun(RunOf(morning, kDay, 10 * 60 + 2)).ok());
  const auto unmoved = store.Movement(morning[0], "dd.MM.yyyy", kDay);
  ASSERT_TRUE(unmoved);
  EXPECT_FALSE(unmoved->Moved());
  EXPECT_EQ(unmoved->first.clock, "10:02");

  const MatchTable noon = {Row("12.05.2024", "Alpha", "Beta", "1.80", "2.00"), morning[1]};
  ASSERT_TRUE(store.SaveRun(RunOf(noon, kDay, 12 * 60 + 30)).ok());
  ASSERT_TRUE(store.SaveRun(RunOf(noon, kDay, 13 * 60)).ok());
  const auto moved = store.Movement(noon[0], "dd.MM.yyyy", kDay);
  ASSERT_TRUE(moved);
  EXPECT_TRUE(moved->Moved());
  EXPECT_EQ(moved->first, (LineSighting{"10:02", "2.5", "1.95", "1.85"}));
  EXPECT_EQ(moved->now, (LineSighting{"13:00", "2.5", "1.80", "2.00"}));
  EXPECT_EQ(Count("runs"), 3);
  EXPECT_EQ(Count("matches"), 2);
  EXPECT_EQ(Count("sightings"), 3);  // the moved match twice, the other once
  // The next day, the first sighting of that day is the starting point.
  ASSERT_TRUE(store.SaveRun(RunOf(noon, Date{2024, 5, 13}, 9 * 60)).ok());
  EXPECT_EQ(store.Movement(noon[0], "dd.MM.yyyy", Date{2024, 5, 13})->first.clock, "09:00");
}

// A run keeps the indicators as read, uncoloured; "Go Total All" after it
// shows them rounded and coloured. Run after run on an unmoved line, that is
// one assessment, not two new sightings each time.
TEST_F(HistoryStoreTest, TheRunAndGoTotalAllAfterItAreOneSightingWithItsMarks) {
  HistoryStore store;
  ASSERT_TRUE(store.Open(folder_.string()).status.ok());
  MatchTable run = {Row("12.05.2024", "Alpha", "Beta")};
  run[0].steps_read = true;
  run[0].step1 = 1.25;
  run[0].step2 = 1.90625;
  MatchTable go_total_all = run;
  go_total_all[0].step2 = 1.91;
  go_total_all[0].step2_colour = CellColour::kRed;
  for (int hour = 9; hour < 12; ++hour) {
    ASSERT_TRUE(store.SaveRun(RunOf(run, kDay, hour * 60)).ok());
    ASSERT_TRUE(store.SaveRun(RunOf(go_total_all, kDay, hour * 60 + 1)).ok());
  }
  EXPECT_EQ(Count("sightings"), 2);  // as read, then coloured

  // A moved price read by a run is one more sighting, still marked.
  run[0].under = go_total_all[0].under = "1.80";
  ASSERT_TRUE(store.SaveRun(RunOf(run, kDay, 12 * 60)).ok());
  ASSERT_TRUE(store.SaveRun(RunOf(go_total_all, kDay, 12 * 60 + 1)).ok());
  EXPECT_EQ(Count("sightings"), 3);
  Connection db;
  db.Open(File());
  EXPECT_EQ(db.QueryInt("SELECT marks FROM sightings ORDER BY id DESC LIMIT 1"), kStep2Red);
}

TEST_F(HistoryStoreTest, TheSameMatchUnderTwoSpellingsIsOneMatch) {
  HistoryStore store;
  ASSERT_TRUE(store.Open(folder_.string()).status.ok());
  const MatchTable russian = {Row("12.05.2024", "\xC0\xEB\xFC\xF4\xE0", "\xC1\xE5\xF2\xE0")};
  MatchTable english = {Row("12.05.2024", "Alpha", "Beta", "1.80")};
  english[0].url = russian[0].url;
  RunRecord english_run = RunOf(english, kDay, 11 * 60);
  english_run.line_names = {{russian[0].home, russian[0].away}};
  ASSERT_TRUE(store.SaveRun(RunOf(russian, kDay, 10 * 60)).ok());
  ASSERT_TRUE(store.SaveRun(english_run).ok());
  EXPECT_EQ(Count("matches"), 1);
  EXPECT_EQ(Count("teams"), 2);
  const auto by_english = store.Movement(english[0], "dd.MM.yyyy", kDay);
  ASSERT_TRUE(by_english);
  EXPECT_EQ(by_english->first.under, "1.95");
  EXPECT_EQ(by_english->now.under, "1.80");
}

TEST_F(HistoryStoreTest, AnUnusableFileIsMovedAsideAndANewOneStarted) {
  struct Case {
    const char* name;
    std::string content;  // "" for a database of a newer version
    Restart restart;
  };
  const Case cases[] = {
      {"not a database", std::string(4096, 'x'), Restart::kCorrupt},
      {"damaged header", "SQLite format 3" + std::string(1, '\0') + std::string(200, '\x7f'),
       Restart::kCorrupt},
      {"newer version", "", Restart::kNewerVersion},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    if (c.content.empty()) {
      Connection db;
      db.Open(File());
      db.Execute("PRAGMA user_version = " + std::to_string(kSchemaVersion + 1));
    } else {
      std::ofstream(File(), std::ios::binary) << c.content;
    }
    HistoryStore store;
    const auto opened = store.Open(folder_.string());
    EXPECT_TRUE(opened.status.ok()) << opened.status.detail;
    EXPECT_EQ(opened.restart, c.restart);
    EXPECT_TRUE(std::filesystem::exists(opened.moved_to)) << opened.moved_to;
    EXPECT_EQ(std::filesystem::path(opened.moved_to).parent_path(), folder_);
    const MatchTable rows = {Row("12.05.2024", "Alpha", "Beta")};
    EXPECT_TRUE(store.SaveRun(RunOf(rows, kDay, 600)).ok());
    // Told once: the new file opens plainly.
    HistoryStore again;
    EXPECT_EQ(again.Open(folder_.string()).restart, Restart::kNone);
  }
}

TEST_F(HistoryStoreTest, AFolderThatTakesNoFileLeavesTheRunGoingWithAReason) {
  const MatchTable rows = {Row("12.05.2024", "Alpha", "Beta")};
  std::ofstream(folder_ / "plain-file") << "x";
  std::vector<std::filesystem::path> folders = {folder_ / "plain-file" / "sub"};
  if (geteuid() != 0) {  // root writes into a read-only folder anyway
    std::filesystem::create_directories(folder_ / "read-only");
    std::filesystem::permissions(folder_ / "read-only", std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::owner_exec);
    folders.push_back(folder_ / "read-only");
  }
  for (const auto& folder : folders) {
    SCOPED_TRACE(folder.string());
    HistoryStore store;
    const auto opened = store.Open(folder.string());
    EXPECT_EQ(opened.status.problem, Problem::kCannotOpen);
    EXPECT_FALSE(opened.status.detail.empty());
    const Status saved = store.SaveRun(RunOf(rows, kDay, 600));
    EXPECT_FALSE(saved.ok());
    EXPECT_FALSE(store.Movement(rows[0], "dd.MM.yyyy", kDay));
  }
}

TEST_F(HistoryStoreTest, TwoWindowsWritingAtOnceBothSucceed) {
  HistoryStore first, second;
  ASSERT_TRUE(first.Open(folder_.string()).status.ok());
  ASSERT_TRUE(second.Open(folder_.string()).status.ok());
  MatchTable rows;
  for (int i = 0; i < 300; ++i) {
    rows.push_back(Row("12.05.2024", "Home" + std::to_string(i), "Away" + std::to_string(i)));
  }
  constexpr int kRuns = 10;
  auto write = [&](HistoryStore& store, int minutes, std::vector<Status>& statuses) {
    for (int i = 0; i < kRuns; ++i)
      statuses.push_back(store.SaveRun(RunOf(rows, kDay, minutes + i)));
  };
  std::vector<Status> first_statuses, second_statuses;
  std::thread other([&] { write(second, 700, second_statuses); });
  write(first, 600, first_statuses);
  other.join();
  for (const auto& status : first_statuses) EXPECT_TRUE(status.ok()) << status.detail;
  for (const auto& status : second_statuses) EXPECT_TRUE(status.ok()) << status.detail;
  EXPECT_EQ(Count("runs"), 2 * kRuns);
  EXPECT_EQ(Count("matches"), 300);
}

}  // namespace
}  // namespace kavero::history
