// Saving a match table from its context menu.
#include <QAction>

#include "app/status_line.h"
#include "fixture_site.h"

namespace kavero::app::testing {
namespace {

TEST_F(WindowTest, SavedMessageFollowsASaveWhoseUploadFailed) {
  server_.server().Post("/kavero/file.php",
                        [](const httplib::Request&, httplib::Response& res) { res.status = 500; });
  MainWindow& window = OpenWithServer();  // today's file answers 404: publish
  window.RClick();
  window.FixLanguageChoice();
  window.TakeRows(Grid::kAll, {LinkedRow("stat/1")});

  Control<QAction>("Save1")->trigger();
  EXPECT_EQ(information_, QStringList{"Сохранено!!!"});
  EXPECT_TRUE(errors_.isEmpty());
  // The status line says where the file went and why the table was not published.
  EXPECT_EQ(Control<StatusLine>("statusLine")->FullText(),
            "Сохранено в " + QString::fromStdString((folder_ / "saves.txt").string()) +
                " · не опубликовано: статус 500");
}

TEST_F(WindowTest, AnUnwritableFileShowsTheErrorAndNoSavedMessage) {
  std::ofstream(folder_ / "blocker") << "a file where a folder should be";
  WindowConfig config = Config("http://127.0.0.1:1/");
  config.saves_path = (folder_ / "blocker" / "saves.txt").string();
  MainWindow& window = Open(config);
  window.TakeRows(Grid::kDay, {LinkedRow("stat/1")});

  Control<QAction>("SAVE2")->trigger();
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_TRUE(errors_[0].startsWith(
      QString::fromStdString("Cannot create file \"" + config.saves_path + "\". ")))
      << errors_[0].toStdString();
  EXPECT_TRUE(information_.isEmpty());
}

}  // namespace
}  // namespace kavero::app::testing
