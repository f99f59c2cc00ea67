// Where "saves.txt" goes: beside the executable when that folder takes files,
// else in the user's data folder.
#include "app/saves_location.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace kavero::app {
namespace {

namespace fs = std::filesystem;

QString Q(const fs::path& path) {
  return QString::fromStdString(path.string());
}

class SavesLocationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("kavero-saves-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_ / "program");
  }
  void TearDown() override {
    fs::permissions(folder_ / "program", fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }
  fs::path folder_;
};

TEST_F(SavesLocationTest, FolderTakesFilesOnlyWhereAFileCanBeCreated) {
  std::ofstream(folder_ / "plain") << "a file, not a folder";
  struct Case {
    fs::path folder;
    bool takes_files;
  };
  std::vector<Case> cases = {
      {folder_ / "program", true},
      {folder_ / "missing", false},
      {folder_ / "plain", false},
      {"/proc", false},  // refuses new files even to root
  };
  if (::geteuid() != 0) {  // root writes through permission bits
    fs::create_directory(folder_ / "read-only");
    fs::permissions(folder_ / "read-only", fs::perms::owner_read | fs::perms::owner_exec);
    cases.push_back({folder_ / "read-only", false});
  }
  for (const Case& c : cases) {
    EXPECT_EQ(FolderTakesFiles(Q(c.folder)), c.takes_files) << c.folder;
  }
  EXPECT_TRUE(fs::is_empty(folder_ / "program")) << "the probe leaves nothing behind";
}

TEST_F(SavesLocationTest, BesideTheProgramWhenItsFolderTakesFiles) {
  const QString path = SavesPath(Q(folder_ / "program"), Q(folder_ / "data" / "kavero"));
  EXPECT_EQ(path, Q(folder_ / "program" / "saves.txt"));
  EXPECT_FALSE(fs::exists(folder_ / "data")) << "no data folder made when unused";
}

TEST_F(SavesLocationTest, InTheDataFolderWhenTheProgramsFolderTakesNone) {
  QString asked;
  const auto refuses = [&](const QString& folder) {
    asked = folder;
    return false;
  };
  const QString path = SavesPath(Q(folder_ / "program"), Q(folder_ / "data" / "kavero"), refuses);
  EXPECT_EQ(asked, Q(folder_ / "program"));
  EXPECT_EQ(path, Q(folder_ / "data" / "kavero" / "saves.txt"));
  EXPECT_TRUE(fs::is_directory(folder_ / "data" / "kavero")) << "made, so that saving works";

  // The real test on a folder that refuses files even to root.
  EXPECT_EQ(SavesPath("/proc", Q(folder_ / "data" / "kavero")),
            Q(folder_ / "data" / "kavero" / "saves.txt"));
}

TEST_F(SavesLocationTest, TheDataFolderFollowsXdgDataHome) {
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
  setenv("XDG_DATA_HOME", (folder_ / "share").c_str(), 1);
  EXPECT_EQ(UserDataFolder(), Q(folder_ / "share" / "kavero"));
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(UserDataFolder(), QDir::homePath() + "/.local/share/kavero");
  if (saved) setenv("XDG_DATA_HOME", saved->c_str(), 1);
}

}  // namespace
}  // namespace kavero::app
