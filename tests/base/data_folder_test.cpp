// Which folder takes the program's and the demo site's files: the preferred
// one beside the executable when a file can be made there, else the user's
// data folder.
#include "base/data_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace kavero {
namespace {

namespace fs = std::filesystem;

class DataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("kavero-data-folder-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_ / "program");
  }
  void TearDown() override {
    fs::permissions(folder_ / "program", fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }
  fs::path folder_;
};

TEST_F(DataFolderTest, FolderTakesFilesOnlyWhereAFileCanBeCreated) {
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
    EXPECT_EQ(FolderTakesFiles(c.folder), c.takes_files) << c.folder;
  }
  EXPECT_TRUE(fs::is_empty(folder_ / "program")) << "the probe leaves nothing behind";
}

TEST_F(DataFolderTest, ThePreferredFolderWhenItTakesFiles) {
  EXPECT_EQ(FolderForFiles(folder_ / "program", folder_ / "data" / "kavero"), folder_ / "program");
  EXPECT_FALSE(fs::exists(folder_ / "data")) << "no data folder made when unused";

  // The demo's folder beside the program is made on first use.
  const fs::path beside = folder_ / "program" / "kavero-demo-published";
  EXPECT_EQ(FolderForFiles(beside, folder_ / "data"), beside);
  EXPECT_TRUE(fs::is_directory(beside));
  EXPECT_TRUE(fs::is_empty(beside)) << "the probe is removed";
}

TEST_F(DataFolderTest, TheFallbackMadeWhenThePreferredFolderTakesNone) {
  const fs::path data = folder_ / "data" / "kavero";
  // A folder that refuses files even to root.
  EXPECT_EQ(FolderForFiles("/proc", data), data);
  EXPECT_TRUE(fs::is_directory(data)) << "made, so that saving works";

  // A folder that cannot be made (its parent is a file), as a folder in
  // /usr/bin for a user: the same holds for root, who may write anywhere else.
  std::ofstream(folder_ / "plain") << "x";
  EXPECT_EQ(FolderForFiles(folder_ / "plain" / "published", data / "published"),
            data / "published");
}

TEST_F(DataFolderTest, TheUsersDataFolderFollowsAnAbsoluteXdgDataHome) {
  const char* old = std::getenv("XDG_DATA_HOME");
  const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
  const fs::path home_share = fs::path(std::getenv("HOME")) / ".local" / "share" / "kavero";
  setenv("XDG_DATA_HOME", (folder_ / "share").c_str(), 1);
  EXPECT_EQ(UserDataFolder(), folder_ / "share" / "kavero");
  setenv("XDG_DATA_HOME", "relative/share", 1);  // not absolute: ignored
  EXPECT_EQ(UserDataFolder(), home_share);
  unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(UserDataFolder(), home_share);
  if (saved) setenv("XDG_DATA_HOME", saved->c_str(), 1);
}

}  // namespace
}  // namespace kavero
