// Saving a match table from its context menu.
#include <QAction>

#include "app/status_line.h"
#include "window_fixture.h"

namespace kavero::app::testing {
namespace {

MatchRow Row() {
  MatchRow row;
  row.date = "12.01.2026";
  row.time = "18:00";
  row.home = W("Зенит");
  row.away = W("Спартак");
  row.total = "2.5";
  row.under = "1.9";
  row.over = "1.8";
  row.url = "stat/1";
  row.step1 = 2.25;
  row.championship = W("Россия");
  return row;
}

TEST_F(WindowTest, SavedMessageFollowsASaveWhoseUploadFailed) {
  std::atomic<int> uploads = 0;
  server_.server().Post("/kavero/file.php", [&](const httplib::Request&, httplib::Response& res) {
    ++uploads;
    res.status = 500;
  });
  MainWindow& window = OpenWithServer();  // today's file answers 404: publish
  window.RClick();
  window.FixLanguageChoice();
  window.TakeRows(Grid::kAll, {Row()});

  Control<QAction>("Save1")->trigger();
  EXPECT_EQ(uploads, 1);
  EXPECT_EQ(information_, QStringList{"Сохранено!!!"});
  EXPECT_TRUE(errors_.isEmpty());
  // The status line says where the file went and why the table was not published.
  EXPECT_EQ(Control<StatusLine>("statusLine")->FullText(),
            "Сохранено в " + QString::fromStdString((folder_ / "saves.txt").string()) +
                " · не опубликовано: статус 500");
  EXPECT_EQ(window.ShownReport().size(), 1u);
  EXPECT_EQ(ReadFile(folder_ / "saves.txt"), "12.01.2026>>18:00>>" + W("Зенит>>Спартак") +
                                                 ">>2.5>>1.9>>1.8>>stat/1>>2,25>>0>>" +
                                                 W("Россия") + ">>\r\n");
}

TEST_F(WindowTest, AnUnwritableFileShowsTheErrorAndNoSavedMessage) {
  std::ofstream(folder_ / "blocker") << "a file where a folder should be";
  WindowConfig config = Config("http://127.0.0.1:1/");
  config.saves_path = (folder_ / "blocker" / "saves.txt").string();
  MainWindow& window = Open(config);
  window.TakeRows(Grid::kDay, {Row()});

  Control<QAction>("SAVE2")->trigger();
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_TRUE(errors_[0].startsWith(
      QString::fromStdString("Cannot create file \"" + config.saves_path + "\". ")))
      << errors_[0].toStdString();
  EXPECT_GT(errors_[0].size(), QString::fromStdString(config.saves_path).size() + 23)
      << "the system's reason follows";
  EXPECT_TRUE(information_.isEmpty());
}

}  // namespace
}  // namespace kavero::app::testing
